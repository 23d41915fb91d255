// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelStatistika.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "KavirelZnaky.h"

namespace {

const char* const Skupina = "Statistika";
// As many as the personal bests keep; a file claiming more is damaged
// rather than a reason to read for ever.
constexpr std::int64_t MaxDesek = 10000;
constexpr std::size_t DelkaIdentity = RozmerDesky * RozmerDesky + 1;

std::string Klic(std::size_t i, const char* cast)
{
    return std::string(Skupina) + "/" + std::to_string(i) + "/" + cast;
}

// A decimal number without sign, blanks or leading zeros, within 0..max.
bool CtiCislo(const std::string& text, std::int64_t max, std::int64_t& cislo)
{
    if (text.empty() || text.size() > 19 || (text.size() > 1 && text[0] == '0'))
        return false;
    std::int64_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c - '0');
    }
    if (n > max)
        return false;
    cislo = n;
    return true;
}

bool JeIdentita(const std::string& s)
{
    if (s.size() != DelkaIdentity || (s.back() != '0' && s.back() != '1'))
        return false;
    return s.find_first_not_of(".oOxX") == DelkaIdentity - 1;
}

bool CtiDesku(const TUlozisteKlicu& soubor, std::size_t i, TStatistikaDesky& d)
{
    constexpr std::int64_t MaxPocet = std::numeric_limits<std::int32_t>::max();
    std::string her, vyher, nejlepe, naposledy;
    std::int64_t h = 0, v = 0, n = 0, kdy = 0;
    if (!soubor.Cti(Klic(i, "Deska"), d.Deska) || !JeIdentita(d.Deska) || !soubor.Cti(Klic(i, "Nazev"), d.Nazev)
        || !soubor.Cti(Klic(i, "Her"), her) || !soubor.Cti(Klic(i, "Vyher"), vyher)
        || !soubor.Cti(Klic(i, "Nejlepe"), nejlepe) || !soubor.Cti(Klic(i, "Naposledy"), naposledy)
        || !CtiCislo(her, MaxPocet, h) || !CtiCislo(vyher, h, v) || !CtiCislo(nejlepe, KapacitaTahu, n)
        || !CtiCislo(naposledy, std::numeric_limits<std::int64_t>::max(), kdy))
        return false;
    // A board won has its best; one never won has none.
    if ((v > 0) != (n > 0))
        return false;
    d.Her = static_cast<std::int32_t>(h);
    d.Vyher = static_cast<std::int32_t>(v);
    d.Nejlepe = static_cast<std::int32_t>(n);
    d.Naposledy = kdy;
    return true;
}

// The group as the file holds it; counts the entries left out.
std::vector<TStatistikaDesky> CtiSkupinu(const TUlozisteKlicu& soubor, int& poskozenych)
{
    std::vector<TStatistikaDesky> seznam;
    poskozenych = 0;
    std::string text;
    if (!soubor.Cti(std::string(Skupina) + "/size", text))
        return seznam;
    std::int64_t pocet = 0;
    if (!CtiCislo(text, MaxDesek, pocet)) {
        poskozenych = 1;
        return seznam;
    }
    for (std::int64_t i = 1; i <= pocet; ++i) {
        TStatistikaDesky d;
        const bool dobra = CtiDesku(soubor, static_cast<std::size_t>(i), d);
        const bool znama = std::any_of(seznam.begin(), seznam.end(),
                                       [&d](const TStatistikaDesky& jina) { return jina.Deska == d.Deska; });
        if (!dobra || znama)
            ++poskozenych;
        else
            seznam.push_back(d);
    }
    return seznam;
}

std::int32_t Soucet(std::int32_t a, std::int32_t b)
{
    const std::int64_t s = static_cast<std::int64_t>(a) + b;
    return static_cast<std::int32_t>(std::min<std::int64_t>(s, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::string IdentitaZaznamu(const TZaznamDesky& zaznam)
{
    std::string s;
    s.reserve(DelkaIdentity);
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x) {
            const TPole& p = zaznam.Pole[x][y];
            char c = '.';
            if (p.Stav == spPrazdne)
                c = p.Cilove ? 'O' : 'o';
            else if (p.Stav == spPlne)
                c = p.Cilove ? 'X' : 'x';
            s += c;
        }
    s += zaznam.TypHry == thNormalni ? '0' : '1';
    return s;
}

std::int64_t TStatistiky::SystemoveHodiny()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

TStatistiky::TStatistiky(THodiny hodiny) : Hodiny(std::move(hodiny)) {}

void TStatistiky::Pripocti(TStatistikaDesky& cil, const TStatistikaDesky& prirustek)
{
    cil.Her = Soucet(cil.Her, prirustek.Her);
    cil.Vyher = Soucet(cil.Vyher, prirustek.Vyher);
    if (prirustek.Nejlepe > 0 && (cil.Nejlepe == 0 || prirustek.Nejlepe < cil.Nejlepe))
        cil.Nejlepe = prirustek.Nejlepe;
    if (prirustek.Naposledy >= cil.Naposledy) {
        cil.Naposledy = prirustek.Naposledy;
        cil.Nazev = prirustek.Nazev;
    }
}

int TStatistiky::Nacti(const TUlozisteKlicu& soubor)
{
    Seznam = CtiSkupinu(soubor, Poskozenych);
    for (const TStatistikaDesky& p : Prirustky) {
        auto d = std::find_if(Seznam.begin(), Seznam.end(),
                              [&p](const TStatistikaDesky& s) { return s.Deska == p.Deska; });
        if (d == Seznam.end())
            Seznam.push_back(p);
        else
            Pripocti(*d, p);
    }
    return Poskozenych;
}

void TStatistiky::Uloz(TUlozisteKlicu& soubor)
{
    Nacti(soubor);
    if (!MaZmeny())
        return;
    soubor.OdstranSkupinu(Skupina);
    const std::size_t pocet = std::min(Seznam.size(), static_cast<std::size_t>(MaxDesek));
    for (std::size_t i = 0; i < pocet; ++i) {
        const TStatistikaDesky& d = Seznam[i];
        soubor.Zapis(Klic(i + 1, "Deska"), d.Deska);
        soubor.Zapis(Klic(i + 1, "Nazev"), d.Nazev);
        soubor.Zapis(Klic(i + 1, "Her"), std::to_string(d.Her));
        soubor.Zapis(Klic(i + 1, "Vyher"), std::to_string(d.Vyher));
        soubor.Zapis(Klic(i + 1, "Nejlepe"), std::to_string(d.Nejlepe));
        soubor.Zapis(Klic(i + 1, "Naposledy"), std::to_string(d.Naposledy));
    }
    soubor.Zapis(std::string(Skupina) + "/size", std::to_string(pocet));
    Prirustky.clear();
    Poskozenych = 0;
}

const TStatistikaDesky* TStatistiky::Najdi(const std::string& deska) const
{
    for (const TStatistikaDesky& d : Seznam)
        if (d.Deska == deska)
            return &d;
    return nullptr;
}

TStatistikaDesky& TStatistiky::Zaznam(std::vector<TStatistikaDesky>& seznam, const TZaznamDesky& pocatek)
{
    const std::string deska = IdentitaZaznamu(pocatek);
    for (TStatistikaDesky& d : seznam)
        if (d.Deska == deska)
            return d;
    seznam.push_back({});
    seznam.back().Deska = deska;
    return seznam.back();
}

void TStatistiky::HraZacala(const TZaznamDesky& pocatek)
{
    TStatistikaDesky p;
    p.Her = 1;
    p.Naposledy = Hodiny();
    p.Nazev = Cp1250NaUtf8(DejNazev(pocatek));
    Pripocti(Zaznam(Seznam, pocatek), p);
    Pripocti(Zaznam(Prirustky, pocatek), p);
}

TSouhrnVyhry TStatistiky::Vyhra(const TZaznamDesky& pocatek, std::int32_t tahu, bool prvni)
{
    TStatistikaDesky p;
    p.Vyher = prvni ? 1 : 0;
    p.Nejlepe = tahu;
    p.Naposledy = Hodiny();
    p.Nazev = Cp1250NaUtf8(DejNazev(pocatek));
    TStatistikaDesky& d = Zaznam(Seznam, pocatek);
    // A game whose beginning went unreported (the record was given to the
    // session in the middle of it) still counts, so wins never exceed games.
    if (d.Vyher + p.Vyher > d.Her)
        p.Her = 1;
    TSouhrnVyhry s;
    s.Tahu = tahu;
    s.DrivejsiNejlepe = d.Nejlepe;
    Pripocti(d, p);
    Pripocti(Zaznam(Prirustky, pocatek), p);
    s.Nejlepe = d.Nejlepe;
    s.Her = d.Her;
    s.Vyher = d.Vyher;
    return s;
}
