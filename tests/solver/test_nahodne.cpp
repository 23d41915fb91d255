// SPDX-License-Identifier: GPL-3.0-or-later
// Random boards are solvable: the exact search finds a solution for a sample
// of every level, and that solution played on the board reaches the goal.
#include "KavirelKresba.h"
#include "KavirelNahodna.h"
#include "PomocneDesky.h"

TEST(NahodneDesky, KazdaMaReseni)
{
    for (int d = MinObtiznost; d <= MaxObtiznost; ++d)
        for (std::int32_t s : {1, 7, 4242, 65537, 999999}) {
            const TCisloDesky c{d, s};
            const TNahodnaDeska b = ::NahodnaDeska(c);
            TSolveDeska deska;
            deska.Nastav(b.Zaznam);
            TRizeniHledani rizeni;
            const TReseni r = VyresDesku(deska, zhNejrychlejsi, rizeni);
            ASSERT_EQ(r.Stav, TVysledekHledani::Nalezeno) << TextCislaDesky(c) << "\n" << KresbaDesky(b.Zaznam);

            // Played as a player would, jump by jump, on a board of the game.
            SCOPED_TRACE(TextCislaDesky(c));
            TestReseni::PrehrajReseni(b.Zaznam, deska, r);
        }
}
