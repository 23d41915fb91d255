// SPDX-License-Identifier: GPL-3.0-or-later
// A hint for the player: a solution of the position in play, of which the
// player is shown the first move. Any solution will do, so the search is
// free in its order; it must only never call a solvable position lost.
#pragma once

#include "KavirelReseni.h"

// The mode of a hint request of the solver service (KavirelSluzba.h); not a
// mode of the solve board.
constexpr std::uint8_t zhRada = 3;

// Finds a solution of the prepared job's position, or proves there is none.
// On return Nalezeno, Preruseno and Vysledek hold the outcome.
void HledejRadu(TUlohaReseni& uloha, TRizeniHledani& rizeni);

struct TRadaTahu {
    TVysledekHledani Stav = TVysledekHledani::Neexistuje;
    // Nalezeno with no jump: the position already meets the goal.
    bool BezSkoku = false;
    TPozice Odkud;  // the jump to play when Stav is Nalezeno and jumps remain
    TPozice Kam;
};

// Searches on the calling thread; rizeni may stop it from another thread.
TRadaTahu DejRadu(const TZaznamDesky& pozice, TRizeniHledani& rizeni);
