// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's order of the jumps (TPravidla::RohyNapred). A hint may be any
// solution, and the one the scan order meets first can lie behind subtrees
// of millions of dead positions; a stone left on a field that no jump passes
// over (a "corner") can only leave it by a jump of its own, and positions
// with many of them are dead more often, so the jumps that leave the fewest
// corners to clear are tried first.
#pragma once

#include "KavirelPozice.h"

namespace KavirelHledani {

// Sorts the n children of s (each with its jump in .Skok) by the corners
// they leave to change, stably: the scan order among equals.
template <bool Leibniz, class K, class TDite>
void SeradPodleRohu(const TModel<K>& m, K s, TDite* deti, int n)
{
    int klic[4 * MaxPoli];
    for (int i = 0; i < n; ++i) {
        const K dite = s ^ m.Skoky[deti[i].Skok].Maska;
        klic[i] = PocetBitu(K(m.Rohy & (Leibniz ? K(~dite) : dite)));
    }
    for (int i = 1; i < n; ++i) {
        const TDite d = deti[i];
        const int k = klic[i];
        int j = i;
        for (; j > 0 && klic[j - 1] > k; --j) {
            deti[j] = deti[j - 1];
            klic[j] = klic[j - 1];
        }
        deti[j] = d;
        klic[j] = k;
    }
}

}  // namespace KavirelHledani
