// SPDX-License-Identifier: GPL-3.0-or-later
// The plain recursive search, written as directly as possible from the rules
// of the solver and independent of the solver's own code: the yardstick the
// fast searches are compared with, in the tests and in the benchmark.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "KavirelType.h"

namespace Referencni {

enum class TStav { Nalezeno, Neexistuje, Preruseno };

struct TPar {
    int Odkud = 0;
    int Kam = 0;
    bool operator==(const TPar& o) const { return Odkud == o.Odkud && Kam == o.Kam; }
};

struct TVysledek {
    TStav Stav = TStav::Neexistuje;
    std::vector<TPar> Skoky;
    std::uint64_t Uzly = 0;
    std::vector<std::vector<TPar>> Zaznamenane;  // every solution recorded, in order
};
// Searches the solve board's position as the plain recursion does. Stops
// like a stop request when `zastavit` becomes true or after `limitUzlu`
// calls (0: no limit).
TVysledek Vyres(const TSolveDeska& deska, bool nejkratsi, const std::atomic<bool>* zastavit = nullptr,
                std::uint64_t limitUzlu = 0);

}  // namespace Referencni
