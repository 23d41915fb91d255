// SPDX-License-Identifier: GPL-3.0-or-later
// What a won game tells: a banner over the foot of the board with the moves
// of the win, the player's best for the board and, once the solver has
// found it in the background, the least number of moves the board can be
// solved in.
//
// The banner takes no keyboard focus and lets the mouse through to the
// board: play goes on under it. It belongs to the won position; any other
// position of the game (a step back, a new game) takes it away and cancels
// the search, as does the window's end.
#pragma once

#include <QFrame>

#include <cstdint>
#include <string>

#include "KavirelRelace.h"

class QLabel;
class TResitel;

class TPribehVyhry : public QFrame {
    Q_OBJECT
public:
    // Lies over deska, at its foot.
    TPribehVyhry(TResitel& Resitel, QWidget* deska);

    // An answer of the session about the play board; pocatek is where the
    // game began (Hra().PocatecniPozice()).
    void PoAkci(const TVysledekAkce& Vysledek, const TZaznamDesky& Pocatek);
    // Whether the play tab is in front; elsewhere the board is another's.
    void NaHre(bool Vpredu);
    // The story ends: hidden, the search cancelled.
    void Zrus();

protected:
    bool eventFilter(QObject* Objekt, QEvent* Udalost) override;

private:
    void PoNejmene(std::int32_t Tahu);
    void Umisti();
    void Ukaz();

    TResitel& Resitel;
    QLabel* lblVyhraTahu = nullptr;
    QLabel* lblVyhraNejlepe = nullptr;
    QLabel* lblVyhraNejmene = nullptr;
    bool MaPribeh = false;
    bool HraVpredu = true;
    // The board the least number was searched for, and the answer, kept:
    // the same board won again needs no new search.
    std::string Deska;
    static constexpr std::int32_t ZadneReseni = -1;  // as the solver reports it
    static constexpr std::int32_t Nezname = -2;
    std::int32_t Nejmene = Nezname;
};
