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
#include <memory>
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

// For each jump, the jumps that share a field with it (itself among them):
// the only ones whether they can be made changes by making it.
struct TSousedniSkoky {
    std::vector<std::uint32_t> Od;  // jump k's neighbours: Skoky[Od[k]] up to Skoky[Od[k + 1]]
    std::vector<std::uint16_t> Skoky;
};

template <class K>
void SestavSousedniSkoky(const TModel<K>& m, TSousedniSkoky& s)
{
    // A field takes part in at most twelve jumps: four from it, four over
    // it and four onto it.
    std::uint16_t naPoli[MaxPoli][12];
    std::uint8_t pocet[MaxPoli] = {};
    for (std::size_t k = 0; k < m.Skoky.size(); ++k)
        for (K x = m.Skoky[k].Maska; x != 0; x &= x - 1) {
            const int f = NejnizsiBit(x);
            naPoli[f][pocet[f]++] = static_cast<std::uint16_t>(k);
        }
    s.Od.assign(1, 0);
    s.Skoky.clear();
    s.Skoky.reserve(m.Skoky.size() * 24);
    bool uz[4 * MaxPoli] = {};
    for (std::size_t k = 0; k < m.Skoky.size(); ++k) {
        const std::size_t zacatek = s.Skoky.size();
        for (K x = m.Skoky[k].Maska; x != 0; x &= x - 1) {
            const int f = NejnizsiBit(x);
            for (int i = 0; i < pocet[f]; ++i) {
                const std::uint16_t j = naPoli[f][i];
                if (!uz[j]) {
                    uz[j] = true;
                    s.Skoky.push_back(j);
                }
            }
        }
        for (std::size_t i = zacatek; i < s.Skoky.size(); ++i)
            uz[s.Skoky[i]] = false;
        s.Od.push_back(static_cast<std::uint32_t>(s.Skoky.size()));
    }
}

// The hint's orders as one search holds them: an image's, where one is
// asked for, and the neighbour lists of the corner order's tie-break, built
// on first use, since most hints are decided before any jump is tried.
class TPoradiRady {
public:
    std::unique_ptr<TPoradiObrazu> Obraz;  // none: the scan order

    template <class K>
    const TSousedniSkoky& Sousedni(const TModel<K>& m)
    {
        if (SousedniSkoky.Od.empty())
            SestavSousedniSkoky(m, SousedniSkoky);
        return SousedniSkoky;
    }

private:
    TSousedniSkoky SousedniSkoky;
};

// Sorts the n children of s (each with its jump in .Skok) by the corners
// they leave to change, then, where `sousedni` is given, by the jumps that
// can be made after them, the most first; stably: the order they were
// generated in among equals.
template <bool Leibniz, class K, class TDite>
void SeradPodleRohu(const TModel<K>& m, const TSousedniSkoky* sousedni, K s, TDite* deti, int n)
{
    // A child's jumps differ from its parent's only among the neighbours of
    // the jump that made it, so that difference ranks the children.
    constexpr int vahaRohu = 8 * MaxPoli;
    int klic[4 * MaxPoli];
    for (int i = 0; i < n; ++i) {
        const std::uint16_t k = deti[i].Skok;
        const K dite = s ^ m.Skoky[k].Maska;
        klic[i] = PocetBitu(K(m.Rohy & (Leibniz ? K(~dite) : dite))) * vahaRohu;
        if (sousedni == nullptr)
            continue;
        for (std::uint32_t j = sousedni->Od[k]; j < sousedni->Od[k + 1u]; ++j) {
            const TSkok<K>& t = m.Skoky[sousedni->Skoky[j]];
            klic[i] += int((s & t.Maska) == t.Nutne) - int((dite & t.Maska) == t.Nutne);
        }
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
