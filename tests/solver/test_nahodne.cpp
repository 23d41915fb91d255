// SPDX-License-Identifier: GPL-3.0-or-later
// Random boards are solvable: the exact search finds a solution for a sample
// of every level, and that solution played on the board reaches the goal.
#include <gtest/gtest.h>

#include "KavirelCil.h"
#include "KavirelKresba.h"
#include "KavirelNahodna.h"
#include "KavirelReseni.h"

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
            PredejReseni(deska, r);
            TGameDeska hra;
            hra.Nastav(b.Zaznam);
            for (std::int32_t i = 1; i <= deska.Reseni.DejPocet(); ++i) {
                const TTahReseni& t = deska.Reseni.Skok(i);
                ASSERT_TRUE(hra.JeSkokPlatny(t.Odkud, t.Kam)) << TextCislaDesky(c) << " jump " << i;
                hra.ProvedSkok(t.Odkud, t.Kam, StredSkoku(t.Odkud, t.Kam));
            }
            EXPECT_TRUE(JeCilSplnen(hra.Zaznam)) << TextCislaDesky(c);
        }
}
