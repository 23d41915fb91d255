// SPDX-License-Identifier: GPL-3.0-or-later
// The jumps taken back on a playable board, kept so that they can be played
// again one at a time ("Krok vpřed").
//
// The list belongs to the board only as long as the board and its history
// are exactly as the last step back or step forward left them; any other
// change (a new jump, a new game, a change of game type) leaves a list that
// offers nothing, and the next step back starts a new one.
#pragma once

#include <vector>

#include "KavirelType.h"

class TKrokyVpred {
public:
    // After a step back on deska: skok is the jump just taken back.
    void PoKrokuZpet(const TTah& skok, const TGameDeska& deska);
    // The next jump to play again, when the list still belongs to deska.
    bool Dalsi(const TGameDeska& deska, TTah& skok) const;
    // After the jump given by Dalsi was played again on deska.
    void PoKrokuVpred(const TGameDeska& deska);
    void Zapomen();

private:
    bool Patri(const TGameDeska& deska) const;
    void Zapamatuj(const TGameDeska& deska);

    std::vector<TTah> Skoky;  // the jump taken back last is at the back
    TZaznamDesky Stav{};
    std::int32_t Aktualni = 0;
};
