// SPDX-License-Identifier: GPL-3.0-or-later
// The hint as the game asks it: at every position of a game in turn, on one
// solver service, whose searches share the dead positions they have proven;
// beside it the same positions each on a service of its own, as a separate
// kavirel-resit process would ask them.
#pragma once

#include <cstddef>
#include <vector>

#include "Ulohy.h"

struct TRadaVeHre {
    double Ms = 0;            // from the request to the completion
    bool Rozhodnuto = false;  // found or proven none within the limit
};

// One result per position, in the order given. `spolecna`: all on one
// service; otherwise each on its own.
std::vector<TRadaVeHre> RadyVeHre(const std::vector<TPoziceZeHry>& pozice, bool spolecna, double limitSekund,
                                  std::size_t pamet);
