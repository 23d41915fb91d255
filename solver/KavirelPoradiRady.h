// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's orders of the jumps: an image's (TPravidla::ObrazPoli) and the
// corners first (TPravidla::RohyNapred). A hint may be any
// solution, and the one the scan order meets first can lie behind subtrees
// of millions of dead positions; a stone left on a field that no jump passes
// over (a "corner") can only leave it by a jump of its own, and positions
// with many of them are dead more often, so the jumps that leave the fewest
// corners to clear are tried first. Among those, the ones after which the
// most jumps can be made: a position with few jumps left has stones out of
// each other's reach, which no later jump can bring back together, and such
// a position is dead far more often (in the French board's hard positions of
// play, the search met its first solution after 4 to 30 times fewer positions).
#pragma once

#include <cstdint>
#include <vector>

#include "KavirelChyby.h"
#include "KavirelPozice.h"

namespace KavirelHledani {

// The order in which the search of an image of the board under a turn or
// mirroring (field i to obraz[i], fields numbered as in the model) tries
// the jumps, mapped back onto the board itself: the fields in the order the
// image's scan visits their images, each with its jumps in the order of
// their images' directions. Generating the children so walks the tree that
// the search of the turned board walks, but the goal stays the board's own,
// so the images share one table of dead positions and one set of backward
// levels even where the image would move the target fields.
struct TPoradiObrazu {
    std::uint8_t Pole[MaxPoli] = {};
    std::uint8_t Pocet[MaxPoli] = {};
    std::uint16_t Skoky[MaxPoli][4] = {};
};

template <class K>
void SestavPoradiObrazu(const TModel<K>& m, const std::vector<std::uint8_t>& obraz, int poradi, TPoradiObrazu& p)
{
    std::uint8_t zpet[MaxPoli] = {};
    for (int i = 0; i < m.N; ++i)
        zpet[obraz[static_cast<std::size_t>(i)]] = static_cast<std::uint8_t>(i);
    std::size_t skoku = 0;
    for (int j = 0; j < m.N; ++j) {
        const int f = zpet[j];
        p.Pole[j] = static_cast<std::uint8_t>(f);
        for (int d = 0; d < m.PocetSkoku[j][poradi]; ++d) {
            const int kam = zpet[m.Skoky[m.SkokyPole[j][poradi][d]].IndexKam];
            for (int e = 0; e < m.PocetSkoku[f][poradi]; ++e) {
                const std::uint16_t k = m.SkokyPole[f][poradi][e];
                if (m.Skoky[k].IndexKam == kam) {
                    p.Skoky[f][p.Pocet[f]++] = k;
                    ++skoku;
                }
            }
        }
    }
    // A jump left out would make the search call a solvable position lost.
    KAVIREL_ASSERT(skoku == m.Skoky.size(), "Obraz desky bez vsech skoku", "KavirelHledani");
}

// The jumps that can be made in position s: every group of
// SestavZpetneSkoky at once, with the jumped field full before the jump in
// the normal game and empty in the Leibniz game.
template <bool Leibniz, class K>
int PocetSkoku(const TZpetneSkoky<K>& z, K s)
{
    // Summed per start field in three bit planes and counted at the end:
    // no field starts more than four jumps, and three counts of bits cost
    // less than one per group where the processor has no instruction for it.
    using TZ = TZpetneSkoky<K>;
    K jedna = 0, dve = 0, ctyri = 0;
    for (const typename TZ::TSkupina& g : z.Skupiny) {
        const K pres = TZ::Posun(s, g.Pres);
        const K x = g.Odkud & s & (Leibniz ? K(~pres) : pres) & ~TZ::Posun(s, g.Kam);
        const K prenos = jedna & x;
        jedna ^= x;
        ctyri |= dve & prenos;
        dve ^= prenos;
    }
    return PocetBitu(jedna) + 2 * PocetBitu(dve) + 4 * PocetBitu(ctyri);
}

// Sorts the n children of s (each with its jump in .Skok) by the corners
// they leave to change, then by the jumps that can be made after them, the
// most first; stably: the order they were generated in among equals.
// `skupiny`: the jumps as SestavZpetneSkoky groups them.
template <bool Leibniz, class K, class TDite>
void SeradPodleRohu(const TModel<K>& m, const TZpetneSkoky<K>& skupiny, K s, TDite* deti, int n)
{
    // Counted a group of jumps at a time: a list of the jumps whose
    // possibility the child's jump changes would be shorter, but each of its
    // entries is a load and a compare of its own, and the sort took a quarter
    // of a hard hint's search.
    constexpr int vahaRohu = 8 * MaxPoli;
    int klic[4 * MaxPoli];
    for (int i = 0; i < n; ++i) {
        const K dite = s ^ m.Skoky[deti[i].Skok].Maska;
        klic[i] = PocetBitu(K(m.Rohy & (Leibniz ? K(~dite) : dite))) * vahaRohu
                  - PocetSkoku<Leibniz>(skupiny, dite);
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
