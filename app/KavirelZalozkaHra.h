// SPDX-License-Identifier: GPL-3.0-or-later
// The play tab: the game of the session's play board, its status, step
// back and forward, restart, the change of game type, a hint from the solver
// and the personal bests; "Editovat" and "Řešit" hand the position on.
#pragma once

#include <cstdint>

#include "KavirelZalozka.h"

class QLabel;
class QPushButton;
class TNastaveni;
class TResitel;
struct TRadaTahu;

class TZalozkaHra : public TZalozkaOkna {
    Q_OBJECT
public:
    TZalozkaHra(TRelaceHry& Relace, TResitel& Resitel, QWidget* rodic = nullptr);

    TDruhPlochy Plocha() const override { return dpHra; }
    TTazeni Tazeni() const override { return TTazeni::Kamen; }
    void PoVstupu() override;
    void PredOdchodem() override;
    void PoAkci(const TVysledekAkce& Vysledek) override;

    // Where won games are recorded (may be null: none are).
    void NastavNastaveni(TNastaveni* N) { Nastaveni = N; }

    // "Znovu rozestavět" and the menu's "Nová".
    void ZnovuRozestavet();
    // "Krok vpřed", from the button or the menu.
    void KrokVpred();
    // "Poradit tah", or "Zrušit radu" while a hint is searched for.
    void PoradTah();
    // A hint awaited or shown goes: the position is about to change.
    void ZrusRadu();

signals:
    void KrokZpetPozadan();
    void EditovatPozadano();
    void ResitPozadano();
    void ZmenaTypuPozadana();
    // The menu items of the game follow the buttons.
    void KrokVpredMozny(bool Lze);
    void HledaniRady(bool Hleda);
    // A won game was entered among the personal bests (a new best or not).
    void VyhraZapsana(bool NovyRekord);

private:
    void VytvorOvladace();
    void VytvorPomoc();
    void PoRade(const TRadaTahu& Rada, const TZaznamDesky& Pozice);
    void ObnovTlacitkoRady();
    void OverVyhru(const TVysledekAkce& Vysledek);

    TRelaceHry& Relace;
    TResitel& Resitel;
    TNastaveni* Nastaveni = nullptr;
    bool Vpredu = false;
    std::uint64_t VerzeRady = 0;  // the position a hint was asked for

    QLabel* lblHraKonec = nullptr;
    QLabel* lblHraCilova = nullptr;
    QLabel* lblHraPrubeh = nullptr;
    QLabel* lblHraNazevDesky = nullptr;
    QLabel* lblHraTypHry = nullptr;
    QLabel* lblHraZbyva = nullptr;
    QLabel* lblHraTahu = nullptr;
    QLabel* lblHraRada = nullptr;
    QLabel* lblHraRekord = nullptr;
    QPushButton* btnHraKrokZpet = nullptr;
    QPushButton* btnHraKrokVpred = nullptr;
    QPushButton* btnHraPoradit = nullptr;
};
