// SPDX-License-Identifier: GPL-3.0-or-later
// What a press, a step back and a step forward mean on a playable board and
// on the solve board during a replay.
#include "KavirelType.h"

const char* const TextPrehravaniReseni = "Přehrávání nalezeného řešení...";

TZmenaDesky TGameDeska::Stisk(const TPozice& p)
{
    TZmenaDesky zmena;
    TPozice vybrany;
    if (Tahy.DejOdkud(vybrany)) {
        if (JeSkokPlatny(vybrany, p)) {
            Skoc(vybrany, p, zmena);
        } else if (JeStav(spPlne, p)) {
            Tahy.PridejOdkud(p);
            zmena.Druh = dzPrevyber;
            zmena.ZrusenVyber = true;
            zmena.DrivejsiVyber = vybrany;
            zmena.Vyber = p;
        }
    } else if (JeStav(spPlne, p) && LzeZacit()) {
        Tahy.PridejOdkud(p);
        PoZacatku();
        zmena.Druh = dzVyber;
        zmena.Vyber = p;
    }
    Souhrn(zmena);
    return zmena;
}

TZmenaDesky TGameDeska::Tah(const TPozice& odkud, const TPozice& kam)
{
    TZmenaDesky zmena;
    if (JeSkokPlatny(odkud, kam))
        VyberASkoc(odkud, kam, zmena);
    Souhrn(zmena);
    return zmena;
}

// Makes the jump, then records it: the landed stone becomes the selected
// stone, so the move list tells whether the next jump continues the move.
// The stone at odkud is already the selected one.
void TGameDeska::Skoc(const TPozice& odkud, const TPozice& kam, TZmenaDesky& zmena)
{
    // The list must hold the landed stone's selection; checked before
    // anything changes, so a full list leaves the game as it was.
    KontrolaRozsahu(static_cast<std::int64_t>(Tahy.DejAktualni()) + 1, 1, KapacitaTahu);
    // Playing the very jump a step forward would replay keeps the rest of
    // the jumps taken back; any other jump makes them history of another
    // game.
    if (!Vpred.empty() && Vpred.back().Odkud == odkud && Vpred.back().Kam == kam)
        Vpred.pop_back();
    else
        Vpred.clear();
    const TPozice pres = StredSkoku(odkud, kam);
    PredSkokem(zmena);
    ProvedSkok(odkud, kam, pres);
    Tahy.PridejCilovyTah(kam);
    Tahy.PridejOdkud(kam);
    zmena.Druh = dzSkok;
    zmena.ZrusenVyber = true;
    zmena.DrivejsiVyber = odkud;
    zmena.Vyber = kam;
    zmena.Odkud = odkud;
    zmena.Kam = kam;
    zmena.Pres = pres;
}

// As a player would: select the stone (unless it is selected already), then
// jump. The move list then counts the move as it counts presses: a jump from
// where the last one landed continues that move.
void TGameDeska::VyberASkoc(const TPozice& odkud, const TPozice& kam, TZmenaDesky& zmena)
{
    TPozice vybrany;
    const bool bylVybrany = Tahy.DejOdkud(vybrany);
    if (!bylVybrany || vybrany != odkud)
        Tahy.PridejOdkud(odkud);
    if (!bylVybrany)
        PoZacatku();
    Skoc(odkud, kam, zmena);
    zmena.ZrusenVyber = bylVybrany;
    zmena.DrivejsiVyber = bylVybrany ? vybrany : TPozice{};
}

TZmenaDesky TGameDeska::KrokZpet()
{
    TZmenaDesky zmena;
    TPozice kam;
    if (Tahy.DejPosledniKam(kam)) {
        PredKrokemZpet(zmena);
        TPozice vybrany;
        Tahy.DejOdkud(vybrany);
        Tahy.OdeberPosledni();
        TPozice odkud;
        Tahy.DejOdkud(odkud);
        const TPozice pres = StredSkoku(odkud, kam);
        VratSkok(kam, odkud, pres);
        Vpred.push_back(TTah{odkud, kam});
        zmena.Druh = dzKrokZpet;
        zmena.ZrusenVyber = true;
        zmena.DrivejsiVyber = vybrany;
        zmena.Vyber = odkud;
        zmena.Odkud = odkud;
        zmena.Kam = kam;
        zmena.Pres = pres;
    }
    Souhrn(zmena);
    return zmena;
}

TZmenaDesky TGameDeska::KrokVpred()
{
    TZmenaDesky zmena;
    if (!Vpred.empty()) {
        const TTah skok = Vpred.back();
        if (JeSkokPlatny(skok.Odkud, skok.Kam)) {
            VyberASkoc(skok.Odkud, skok.Kam, zmena);
        } else {
            // Only a position other than the one the jumps were taken back
            // to can get here; its jumps are not ours to replay.
            Vpred.clear();
        }
    }
    Souhrn(zmena);
    return zmena;
}

bool TGameDeska::ZmenTypHry(TTypHry typ)
{
    if (typ == Zaznam.TypHry)
        return false;
    Zaznam.TypHry = typ;
    TPozice vybrany;
    const bool bylVybrany = Tahy.DejOdkud(vybrany);
    Tahy.Vymaz();
    Vpred.clear();
    if (bylVybrany)
        Tahy.PridejOdkud(vybrany);
    return true;
}

TStavHry TGameDeska::DejStavHry() const
{
    if (ExistujeSkok())
        return shProbiha;
    bool nesplneno = false;
    if (!KontrolaCilovych(nesplneno))
        return shKonec;
    return nesplneno ? shKonecCileNesplneny : shKonecCileSplneny;
}

void TGameDeska::Souhrn(TZmenaDesky& zmena) const
{
    zmena.Tahu = Tahy.DejPocetTahu();
    zmena.Zbyva = DejZbyvajici();
    zmena.LzeVratit = Tahy.LzeVratit();
    zmena.LzeVpred = LzeVpred();
    zmena.Stav = DejStavHry();
}

// ---------------------------------------------------------------------------

void TSolveDeska::PoZacatku()
{
    Dokonceno = false;
    StavReseni = TextPrehravaniReseni;
}

void TSolveDeska::PredSkokem(TZmenaDesky& zmena)
{
    zmena.OdznacitReseni = Reseni.DejAktualni(zmena.Odznacit);
    Reseni.Dalsi();
    zmena.OznacitReseni = Reseni.DejAktualni(zmena.Oznacit);
}

void TSolveDeska::PredKrokemZpet(TZmenaDesky& zmena)
{
    zmena.OdznacitReseni = Reseni.DejAktualni(zmena.Odznacit);
    Reseni.Predchozi();
    zmena.OznacitReseni = Reseni.DejAktualni(zmena.Oznacit);
}
