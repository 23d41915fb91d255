// SPDX-License-Identifier: GPL-3.0-or-later
// The steps back from the goal find the jumps that may have led to a
// position group by group, with shifts of the whole position. Checked
// against the jumps one by one on boards of both game types, with gaps that
// make the index distances of a group differ from column to column, and on
// boards of more than 64 fields, whose positions take two machine words.
#include <algorithm>
#include <random>
#include <vector>

#include "KavirelPozice.h"
#include "PomocneDesky.h"

using namespace TestReseni;
using namespace KavirelHledani;

namespace {

template <class K>
void PorovnejSJednotlivymiSkoky(const TZaznamDesky& z, std::mt19937& gen)
{
    TSolveDeska deska;
    NastavDesku(deska, z, zhNejrychlejsi);
    TUlohaReseni uloha;
    PripravUlohu(uloha, deska);
    TModel<K> m;
    SestavModel(uloha, z.TypHry != thNormalni, m);
    TZpetneSkoky<K> zpet;
    SestavZpetneSkoky(m, zpet);
    std::uint16_t skoky[4 * MaxPoli];
    for (int pokus = 0; pokus < 200; ++pokus) {
        // Dense and sparse positions alike.
        const int hustota = std::uniform_int_distribution<int>(5, 95)(gen);
        K p = 0;
        for (int i = 0; i < m.N; ++i)
            if (std::uniform_int_distribution<int>(0, 99)(gen) < hustota)
                p |= Bit<K>(i);
        std::vector<std::uint16_t> cekane;
        for (std::size_t k = 0; k < m.Skoky.size(); ++k)
            if ((p & m.Skoky[k].Maska) == m.Skoky[k].Potom)
                cekane.push_back(static_cast<std::uint16_t>(k));
        const int n = zpet.Najdi(p, skoky);
        std::vector<std::uint16_t> nalezene(skoky, skoky + n);
        std::sort(nalezene.begin(), nalezene.end());
        ASSERT_EQ(nalezene, cekane) << "fields " << m.N << ", groups " << zpet.Skupiny.size();
    }
}

TEST(ZpetneSkoky, ShodujiSeSeSkokyJednotlive)
{
    std::mt19937 gen(20261207);
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE(i);
        PorovnejSJednotlivymiSkoky<std::uint64_t>(NahodnaDeska(gen), gen);
        PorovnejSJednotlivymiSkoky<std::uint64_t>(DeskaZpetnouHrou(gen), gen);
        PorovnejSJednotlivymiSkoky<TBity128>(VelkaRidkaDeska(gen), gen);
    }
}

}  // namespace
