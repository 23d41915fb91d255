// SPDX-License-Identifier: GPL-3.0-or-later
// A hint for the player: the first jump of a solution of the position in
// play, found by the fastest search on a board of its own. Nothing here is
// shared with the solve tab's job, so both may search at the same time.
#pragma once

#include "KavirelReseni.h"

struct TRadaTahu {
    TVysledekHledani Stav = TVysledekHledani::Neexistuje;
    // Nalezeno with no jump: the position already meets the goal.
    bool BezSkoku = false;
    TPozice Odkud;  // the jump to play when Stav is Nalezeno and jumps remain
    TPozice Kam;
};

// Searches on the calling thread; rizeni may stop it from another thread.
TRadaTahu DejRadu(const TZaznamDesky& pozice, TRizeniHledani& rizeni);
