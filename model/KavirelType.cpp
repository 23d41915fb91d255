// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelType.h"

#include <algorithm>
#include <cstring>

namespace {
const char* const Jednotka = "KavirelType";

void KontrolaPozice(const TPozice& p)
{
    KontrolaRozsahu(p.X, 0, RozmerDesky - 1);
    KontrolaRozsahu(p.Y, 0, RozmerDesky - 1);
}

// The state the field jumped over must have: a stone in the normal game, a
// hole in the Leibniz game. Any type byte other than 0 plays as Leibniz, as
// the remaining-count label does.
TStavPole PozadovanyPreskoceny(TTypHry typ)
{
    return typ == thNormalni ? spPlne : spPrazdne;
}
} // namespace

const char* const NazevEditovaneDesky = "Editovan\xE1 deska";

TPole& TZaznamDesky::PoleNa(const TPozice& p)
{
    KontrolaPozice(p);
    return Pole[p.X][p.Y];
}

const TPole& TZaznamDesky::PoleNa(const TPozice& p) const
{
    KontrolaPozice(p);
    return Pole[p.X][p.Y];
}

void NastavNazev(TZaznamDesky& zaznam, const std::string& bajty)
{
    const std::size_t delka = std::min<std::size_t>(bajty.size(), MaxDelkaNazvu);
    zaznam.Nazev.Delka = static_cast<std::uint8_t>(delka);
    std::memcpy(zaznam.Nazev.Znaky, bajty.data(), delka);
}

std::string DejNazev(const TZaznamDesky& zaznam)
{
    // A foreign file may carry a length above 30; never read past the record.
    const std::size_t delka = std::min<std::size_t>(zaznam.Nazev.Delka, MaxDelkaNazvu);
    return std::string(zaznam.Nazev.Znaky, delka);
}

TZaznamDesky PrazdnyZaznam()
{
    TZaznamDesky z;
    std::memset(&z, 0, sizeof z);
    return z;
}

// ---------------------------------------------------------------------------

TDeska::TDeska() : Zaznam(PrazdnyZaznam()) {}

void TDeska::Nastav(const TZaznamDesky& zaznam)
{
    std::memcpy(&Zaznam, &zaznam, sizeof Zaznam);
}

void TDeska::DejZaznam(TZaznamDesky& zaznam) const
{
    std::memcpy(&zaznam, &Zaznam, sizeof Zaznam);
}

bool TDeska::JeStav(TStavPole stav, const TPozice& p) const
{
    return Zaznam.PoleNa(p).Stav == stav;
}

// ---------------------------------------------------------------------------

TTahy::TTahy() { Vymaz(); }

void TTahy::Vymaz()
{
    for (TTah& t : Skoky)
        t = TTah{};
    Aktualni = 0;
    PocetTahu = 0;
}

TTah& TTahy::Skok(std::int32_t i)
{
    KontrolaRozsahu(i, 1, KapacitaTahu);
    return Skoky[i - 1];
}

const TTah& TTahy::Skok(std::int32_t i) const
{
    KontrolaRozsahu(i, 1, KapacitaTahu);
    return Skoky[i - 1];
}

void TTahy::PridejOdkud(const TPozice& p)
{
    const std::int32_t index = Aktualni == 0 ? 1 : Aktualni;
    Skok(index).Odkud = p;
    Aktualni = index;
}

void TTahy::PridejCilovyTah(const TPozice& p)
{
    KAVIREL_ASSERT(Aktualni != 0, "Pridavam Cilovy tah do prazdneho pole tahu", Jednotka);
    TTah& tah = Skok(Aktualni);
    if (Aktualni <= 1 || Skok(Aktualni - 1).Kam != tah.Odkud)
        Inc(PocetTahu);
    tah.Kam = p;
    Inc(Aktualni);
}

bool TTahy::DejOdkud(TPozice& p) const
{
    if (Aktualni == 0)
        return false;
    p = Skok(Aktualni).Odkud;
    return true;
}

bool TTahy::DejPosledniKam(TPozice& p) const
{
    if (Aktualni < 2)
        return false;
    p = Skok(Aktualni - 1).Kam;
    return true;
}

void TTahy::OdeberPosledni()
{
    if (Aktualni <= 1)
        return;
    Skok(Aktualni).Odkud = TPozice{};
    Dec(Aktualni);
    TTah& tah = Skok(Aktualni);
    if (Aktualni == 1 || Skok(Aktualni - 1).Kam != tah.Odkud)
        Dec(PocetTahu);
    tah.Kam = TPozice{};
}

// ---------------------------------------------------------------------------

TTahyReseni::TTahyReseni() { Vymaz(); }

void TTahyReseni::Vymaz()
{
    for (TTahReseni& t : Skoky)
        t = TTahReseni{};
    Pozice = 0;
    Pocet = 0;
    PocetTahu = 0;
}

TTahReseni& TTahyReseni::Skok(std::int32_t i)
{
    KontrolaRozsahu(i, 1, KapacitaTahu);
    return Skoky[i - 1];
}

const TTahReseni& TTahyReseni::Skok(std::int32_t i) const
{
    KontrolaRozsahu(i, 1, KapacitaTahu);
    return Skoky[i - 1];
}

void TTahyReseni::Pridej(const TTahReseni& t)
{
    // Check the index before counting, so a full list stays as it was.
    Skok(Pocet + 1) = t;
    Inc(Pocet);
    if (Pozice == 0)
        Pozice = 1;
    if (Pocet <= 1 || Skok(Pocet - 1).Kam != t.Odkud)
        Inc(PocetTahu);
}

bool TTahyReseni::DejAktualni(TTahReseni& t) const
{
    if (Pocet < 1 || Pozice > Pocet)
        return false;
    t = Skok(Pozice);
    return true;
}

void TTahyReseni::Dalsi()
{
    KAVIREL_ASSERT(Pocet != 0, "Posouvam se v prazdnem seznamu", Jednotka);
    if (Pozice > Pocet)
        return;
    Inc(Pozice);
}

void TTahyReseni::Predchozi()
{
    if (Pozice > 1)
        Dec(Pozice);
}

void TTahyReseni::NaZacatek()
{
    if (Pozice != 0)
        Pozice = 1;
}

// ---------------------------------------------------------------------------

void TGameDeska::Nastav(const TZaznamDesky& zaznam)
{
    TDeska::Nastav(zaznam);
    Tahy.Vymaz();
    Vpred.clear();
    Precisluj();
}

void TGameDeska::Precisluj()
{
    PocetKamenu = 0;
    PocetPrazdnych = 0;
    PocetCilovych = 0;
    std::int32_t dalsi = 1;
    for (int y = 0; y < RozmerDesky; ++y) {
        for (int x = 0; x < RozmerDesky; ++x) {
            TPole& pole = Zaznam.Pole[x][y];
            if (pole.Cilove != 0)
                Inc(PocetCilovych);
            switch (pole.Stav) {
            case spNeexistujici:
                pole.Cislo = 0;
                break;
            case spPrazdne:
                Inc(PocetPrazdnych);
                pole.Cislo = static_cast<std::uint8_t>(dalsi);
                Inc(dalsi);
                break;
            case spPlne:
                Inc(PocetKamenu);
                pole.Cislo = static_cast<std::uint8_t>(dalsi);
                Inc(dalsi);
                break;
            default:
                break;
            }
        }
    }
}

bool TGameDeska::JeSkokPlatny(const TPozice& odkud, const TPozice& kam) const
{
    return JeSkokPlatnyObecne(odkud, kam);
}

bool TGameDeska::JeSkokPlatnyObecne(const TPozice& odkud, const TPozice& kam) const
{
    const TStavPole pozadovany = PozadovanyPreskoceny(Zaznam.TypHry);
    if (Zaznam.PoleNa(odkud).Stav != spPlne)
        return false;
    if (Zaznam.PoleNa(kam).Stav != spPrazdne)
        return false;
    TPozice pres;
    if (kam.X == odkud.X && kam.Y == odkud.Y - 2)
        pres = {odkud.X, odkud.Y - 1};
    else if (kam.X == odkud.X && kam.Y == odkud.Y + 2)
        pres = {odkud.X, odkud.Y + 1};
    else if (kam.Y == odkud.Y && kam.X == odkud.X - 2)
        pres = {odkud.X - 1, odkud.Y};
    else if (kam.Y == odkud.Y && kam.X == odkud.X + 2)
        pres = {odkud.X + 1, odkud.Y};
    else
        return false;
    return Zaznam.PoleNa(pres).Stav == pozadovany;
}

bool TGameDeska::ExistujeSkok() const
{
    const TStavPole pozadovany = PozadovanyPreskoceny(Zaznam.TypHry);
    const auto& p = Zaznam.Pole;
    for (int x = 0; x < RozmerDesky; ++x) {
        for (int y = 0; y < RozmerDesky; ++y) {
            if (p[x][y].Stav != spPlne)
                continue;
            if (x <= 6 && p[x + 2][y].Stav == spPrazdne && p[x + 1][y].Stav == pozadovany)
                return true;
            if (x >= 2 && p[x - 2][y].Stav == spPrazdne && p[x - 1][y].Stav == pozadovany)
                return true;
            if (y <= 6 && p[x][y + 2].Stav == spPrazdne && p[x][y + 1].Stav == pozadovany)
                return true;
            if (y >= 2 && p[x][y - 2].Stav == spPrazdne && p[x][y - 1].Stav == pozadovany)
                return true;
        }
    }
    return false;
}

bool TGameDeska::KontrolaCilovych(bool& nesplneno) const
{
    nesplneno = false;
    bool maCilove = false;
    const TStavPole prohra = Zaznam.TypHry == thNormalni ? spPrazdne : spPlne;
    for (int x = 0; x < RozmerDesky && !nesplneno; ++x) {
        for (int y = 0; y < RozmerDesky && !nesplneno; ++y) {
            const TPole& pole = Zaznam.Pole[x][y];
            if (pole.Cilove != 0) {
                maCilove = true;
                if (pole.Stav == prohra)
                    nesplneno = true;
            }
        }
    }
    return maCilove;
}

void TGameDeska::PolozKamen(const TPozice& p)
{
    Zaznam.PoleNa(p).Stav = spPlne;
    Inc(PocetKamenu);
    Dec(PocetPrazdnych);
}

void TGameDeska::OdeberKamen(const TPozice& p)
{
    Zaznam.PoleNa(p).Stav = spPrazdne;
    Dec(PocetKamenu);
    Inc(PocetPrazdnych);
}

void TGameDeska::ProvedSkok(const TPozice& odkud, const TPozice& kam, const TPozice& pres)
{
    OdeberKamen(odkud);
    PolozKamen(kam);
    if (Zaznam.TypHry == thNormalni)
        OdeberKamen(pres);
    else
        PolozKamen(pres);
}

void TGameDeska::VratSkok(const TPozice& kam, const TPozice& odkud, const TPozice& pres)
{
    OdeberKamen(kam);
    PolozKamen(odkud);
    if (Zaznam.TypHry == thNormalni)
        PolozKamen(pres);
    else
        OdeberKamen(pres);
}

std::int32_t TGameDeska::DejZbyvajici() const
{
    return Zaznam.TypHry == thNormalni ? PocetKamenu : PocetPrazdnych;
}

TPozice StredSkoku(const TPozice& odkud, const TPozice& kam)
{
    return TPozice{odkud.X + (kam.X - odkud.X) / 2, odkud.Y + (kam.Y - odkud.Y) / 2};
}

// ---------------------------------------------------------------------------

bool TSolveDeska::JeSkokPlatny(const TPozice& odkud, const TPozice& kam) const
{
    TTahReseni dalsi;
    if (!Reseni.DejAktualni(dalsi))
        return false;
    return JeSkokPlatnyObecne(odkud, kam) && dalsi.Odkud == odkud && dalsi.Kam == kam;
}

void TSolveDeska::PridejSkokReseni(std::int32_t cisloOdkud, std::int32_t cisloKam)
{
    TTahReseni t;
    for (int x = 0; x < RozmerDesky; ++x) {
        for (int y = 0; y < RozmerDesky; ++y) {
            const std::int32_t cislo = Zaznam.Pole[x][y].Cislo;
            if (cislo == cisloOdkud) {
                t.Odkud = {x, y};
                t.CisloOdkud = cisloOdkud;
            }
            if (cislo == cisloKam) {
                t.Kam = {x, y};
                t.CisloKam = cisloKam;
            }
        }
    }
    Reseni.Pridej(t);
}

// ---------------------------------------------------------------------------

void TEditDeska::Nastav(const TZaznamDesky& zaznam)
{
    TDeska::Nastav(zaznam);
    NastavNazev(Zaznam, NazevEditovaneDesky);
}

void TEditDeska::NastavNeexistujici(const TPozice& p)
{
    TPole& pole = Zaznam.PoleNa(p);
    pole.Stav = spNeexistujici;
    pole.Cislo = 0;
    pole.Cilove = 0;
}

void TEditDeska::NastavPrazdne(const TPozice& p, std::uint8_t cilove)
{
    TPole& pole = Zaznam.PoleNa(p);
    pole.Stav = spPrazdne;
    pole.Cilove = cilove;
}

void TEditDeska::NastavPlne(const TPozice& p, std::uint8_t cilove)
{
    TPole& pole = Zaznam.PoleNa(p);
    pole.Stav = spPlne;
    pole.Cilove = cilove;
}

void PouzijPrvek(TEditDeska& deska, TEditPrvek prvek, const TPozice& p)
{
    switch (prvek) {
    case epNeexistujici: deska.NastavNeexistujici(p); break;
    case epPrazdne: deska.NastavPrazdne(p, 0); break;
    case epPlne: deska.NastavPlne(p, 0); break;
    case epPrazdneCilove: deska.NastavPrazdne(p, 1); break;
    case epPlneCilove: deska.NastavPlne(p, 1); break;
    }
}
