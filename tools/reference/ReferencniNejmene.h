// SPDX-License-Identifier: GPL-3.0-or-later
// The least number of moves by plain breadth-first search over moves, a
// move being a run of jumps by one stone: every position reachable by k
// moves, then every one reachable by k + 1, until a goal position turns up.
// Written from the rules alone, independent of the solver's code: the
// yardstick of the minimum search in the tests and the benchmark.
#pragma once

#include <atomic>
#include <cstdint>

#include "ReferencniHledani.h"

namespace Referencni {

// The solve board's position searched for a solution with the least moves.
// Stops like a stop request when `zastavit` becomes true or after
// `limitPozic` positions have been generated (0: no limit). Zaznamenane
// stays empty.
TVysledek VyresNejmene(const TSolveDeska& deska, const std::atomic<bool>* zastavit = nullptr,
                       std::uint64_t limitPozic = 0);

}  // namespace Referencni
