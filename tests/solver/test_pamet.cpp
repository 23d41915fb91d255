// SPDX-License-Identifier: GPL-3.0-or-later
// A job's memory bound covers all its tables together, whatever the board,
// the mode and the bound; the levels get an arena whenever they are wanted.
#include <gtest/gtest.h>

#include "KavirelTabulky.h"

using namespace KavirelHledani;

TEST(PametHledani, RozdeleniNikdyNeprekrociLimit)
{
    const std::size_t MiB = std::size_t(1) << 20;
    for (std::size_t limit : {std::size_t(0), std::size_t(4096), std::size_t(8192), std::size_t(65536), MiB,
                              16 * MiB, 512 * MiB, 512 * MiB + 12345}) {
        for (int poli : {1, 9, 25, 37, 64, 81}) {
            for (int druh = 0; druh < 8; ++druh) {
                const bool nejkratsi = (druh & 1) != 0, uspechy = (druh & 2) != 0, sUrovnemi = (druh & 4) != 0;
                SCOPED_TRACE(testing::Message() << "limit " << limit << " poli " << poli << " druh " << druh);
                const TRozdeleniPameti r = RozdelPamet(limit, poli, nejkratsi, uspechy, sUrovnemi);
                // Below 4 KiB the bound is raised to 4 KiB, the least a job needs.
                EXPECT_LE(r.Tabulka + r.Uspechy + r.Arena, std::max<std::size_t>(limit, 4096));
                EXPECT_GT(r.Tabulka, 0u);
                EXPECT_EQ(r.Uspechy != 0, uspechy);
                EXPECT_EQ(r.Arena != 0, sUrovnemi);
                EXPECT_EQ(r.Arena % 64, 0u);  // the levels' sets start on cache lines
            }
        }
    }
}
