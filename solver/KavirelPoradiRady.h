// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's order of the jumps (TPravidla::RohyNapred). A hint may be any
// solution, and the one the scan order meets first can lie behind subtrees
// of millions of dead positions; a stone left on a field that no jump passes
// over (a "corner") can only leave it by a jump of its own, and positions
// with many of them are dead more often, so the jumps that leave the fewest
// corners to clear are tried first.
#pragma once

#include <cstdint>
#include <vector>

#include "KavirelPozice.h"

namespace KavirelHledani {

// The rank of each jump when an image of the board under a turn or mirroring
// (field i to obraz[i], fields numbered as in the model) is searched on the
// board itself: the place of the jump's image in the order the scan of the
// fields tries them (direction order `poradi`). Trying the children by this
// rank walks the tree the search of the turned board walks, mapped back, but
// the goal stays the board's own, so the images share one table of dead
// positions and one set of backward levels even where the image would move
// the target fields.
template <class K>
std::vector<std::uint16_t> PoradiObrazu(const TModel<K>& m, const std::vector<std::uint8_t>& obraz, int poradi)
{
    const std::size_t skoku = m.Skoky.size();
    std::vector<std::uint16_t> misto(skoku), odkud(skoku), rank(skoku);
    int p = 0;
    for (int f = 0; f < m.N; ++f)
        for (int d = 0; d < m.PocetSkoku[f][poradi]; ++d) {
            const std::size_t k = m.SkokyPole[f][poradi][d];
            misto[k] = static_cast<std::uint16_t>(p++);
            odkud[k] = static_cast<std::uint16_t>(f);
        }
    for (std::size_t k = 0; k < skoku; ++k) {
        const int f = obraz[odkud[k]], kam = obraz[m.Skoky[k].IndexKam];
        rank[k] = misto[k];  // an image that is no symmetry of the jumps leaves the scan order
        for (int d = 0; d < m.PocetSkoku[f][poradi]; ++d) {
            const std::size_t j = m.SkokyPole[f][poradi][d];
            if (m.Skoky[j].IndexKam == kam)
                rank[k] = misto[j];
        }
    }
    return rank;
}

// Sorts the n children of s (each with its jump in .Skok) by the corners
// they leave to change (`rohy`), then by the rank of their jumps (`rank`,
// PoradiObrazu; nullptr: the scan order).
template <bool Leibniz, class K, class TDite>
void SeradDeti(const TModel<K>& m, K s, TDite* deti, int n, bool rohy, const std::uint16_t* rank)
{
    int klic[4 * MaxPoli];
    for (int i = 0; i < n; ++i) {
        const K dite = s ^ m.Skoky[deti[i].Skok].Maska;
        klic[i] = (rohy ? PocetBitu(K(m.Rohy & (Leibniz ? K(~dite) : dite))) << 12 : 0)
                  | (rank != nullptr ? rank[deti[i].Skok] : 0);
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
