// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's own order (corners first) changes which solution is found but
// never whether one is: with every table and the levels in use from the
// first position, it decides as the plain search does, and what it finds
// plays legally to a goal.
#include "KavirelCil.h"
#include "BehPravidel.h"
#include "KavirelHledani.h"
#include "PomocneDesky.h"

using namespace TestReseni;

namespace {

TEST(PoradiRady, RohyNapredRozhodujeJakoProsteHledani)
{
    KavirelHledani::TPravidla pravidla;
    pravidla.RohyNapred = true;
    pravidla.PozicBezTabulek = 0;
    std::mt19937 gen(3131);
    const int desek = Instrumentovano ? 60 : 240;
    int nalezeno = 0, neexistuje = 0, jinak = 0;
    for (int i = 0; i < desek && !HasFailure(); ++i) {
        const TZaznamDesky z = i % 3 == 0 ? NahodnaDeska(gen) : i % 3 == 1 ? DeskaZpetnouHrou(gen) : VelkaRidkaDeska(gen);
        TSolveDeska deska;
        deska.Nastav(z);
        const Referencni::TVysledek ref = Referencni::Vyres(deska, false, nullptr, 400'000);
        if (ref.Stav == Referencni::TStav::Preruseno)
            continue;
        SCOPED_TRACE(i);
        const TReseni r = VyresPravidly(deska, zhNejrychlejsi, pravidla, std::size_t(16) << 20).Reseni;
        ASSERT_EQ(static_cast<int>(Stav(r.Stav)), static_cast<int>(ref.Stav));
        if (r.Stav != TVysledekHledani::Nalezeno) {
            ++neexistuje;
            continue;
        }
        ++nalezeno;
        jinak += Text(Pary(r.Skoky)) != Text(ref.Skoky);
        PrehrajReseni(z, deska, r);
    }
    EXPECT_GT(nalezeno, desek / 8);
    EXPECT_GT(neexistuje, desek / 8);
    // Otherwise the order would not have been changed at all.
    EXPECT_GT(jinak, 0);
}

}  // namespace
