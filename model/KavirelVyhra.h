// SPDX-License-Identifier: GPL-3.0-or-later
// What the session tells about the games of the play tab: where it reports
// that a game has begun and that it has been won, and what a win says.
#pragma once

#include <cstdint>

#include "KavirelType.h"

// A won game as the window tells it: the moves of this win and the player's
// best for the board, this win included.
struct TSouhrnVyhry {
    std::int32_t Tahu = 0;
    // The fewest moves of any win of the board; 0 when nothing keeps them
    // (the session has no record of games).
    std::int32_t Nejlepe = 0;
    // The best before this win; 0 when the board had not been won.
    std::int32_t DrivejsiNejlepe = 0;
    std::int32_t Her = 0;    // games of the board begun, this one included
    std::int32_t Vyher = 0;  // games of the board won, this one included

    bool NovyRekord() const { return DrivejsiNejlepe == 0 || Tahu < DrivejsiNejlepe; }
};

// Where the play board reports its games. A game begins with a new game, a
// restart or a change of type and counts from its first jump; pocatek is
// the position it began from (TPlochaHry::PocatecniPozice).
class TEvidenceHer {
public:
    virtual ~TEvidenceHer() = default;
    virtual void HraZacala(const TZaznamDesky& pocatek) = 0;
    // The game reached the goal in tahu moves. prvni: for the first time;
    // a game taken back and won again counts one win, but may improve the best.
    virtual TSouhrnVyhry Vyhra(const TZaznamDesky& pocatek, std::int32_t tahu, bool prvni) = 0;
};
