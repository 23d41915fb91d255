// SPDX-License-Identifier: GPL-3.0-or-later
// The redo list: jumps taken back are offered again in order, and only while
// the board is exactly as the last step left it.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "KavirelVpred.h"
#include "KreslenaDeska.h"

namespace {

struct THra {
    TGameDeska Deska;
    TKrokyVpred Vpred;

    // A press as the play tab makes it; true when it made a jump.
    bool Klik(TPozice p)
    {
        TPozice s;
        if (Deska.Tahy.DejOdkud(s) && Deska.JeSkokPlatny(s, p)) {
            Deska.ProvedSkok(s, p, StredSkoku(s, p));
            Deska.Tahy.PridejCilovyTah(p);
            Deska.Tahy.PridejOdkud(p);
            return true;
        }
        if (Deska.JeStav(spPlne, p))
            Deska.Tahy.PridejOdkud(p);
        return false;
    }
    void Skoc(TPozice a, TPozice b)
    {
        TPozice s;
        if (!Deska.Tahy.DejOdkud(s) || s != a)
            Klik(a);
        ASSERT_TRUE(Klik(b));
        Vpred.Zapomen();
    }
    void Zpet()
    {
        const TTah t = Deska.Tahy.Skok(Deska.Tahy.DejAktualni() - 1);
        TPozice k, o;
        ASSERT_TRUE(Deska.Tahy.DejPosledniKam(k));
        Deska.Tahy.OdeberPosledni();
        Deska.Tahy.DejOdkud(o);
        Deska.VratSkok(k, o, StredSkoku(o, k));
        Vpred.PoKrokuZpet(t, Deska);
    }
    bool Vpred1()
    {
        TTah t;
        if (!Vpred.Dalsi(Deska, t))
            return false;
        TPozice s;
        if (!Deska.Tahy.DejOdkud(s) || s != t.Odkud)
            Klik(t.Odkud);
        if (!Klik(t.Kam))
            return false;
        Vpred.PoKrokuVpred(Deska);
        return true;
    }
};

bool Stejne(const TZaznamDesky& a, const TZaznamDesky& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

// A three-jump multi-jump and one more move; every state reached by steps
// back and forward has the board and the move count of the game played.
TEST(KrokyVpred, StepsBackAndForwardRetraceTheGame)
{
    THra h;
    h.Deska.Nastav(Nakresli({"xxoxoxo", ".......", "xxo...."}));
    const std::vector<TTah> hra = {{{0, 0}, {2, 0}}, {{2, 0}, {4, 0}}, {{4, 0}, {6, 0}}, {{0, 2}, {2, 2}}};
    std::vector<TZaznamDesky> stavy{h.Deska.Zaznam};
    std::vector<int> tahy{0};
    for (const TTah& t : hra) {
        h.Skoc(t.Odkud, t.Kam);
        stavy.push_back(h.Deska.Zaznam);
        tahy.push_back(h.Deska.Tahy.DejPocetTahu());
    }
    EXPECT_EQ(tahy, (std::vector<int>{0, 1, 1, 1, 2}));
    // Back to the start, forward to the end, back two, forward one.
    const std::vector<int> cesta = {3, 2, 1, 0, 1, 2, 3, 4, 3, 2, 3};
    std::size_t kde = 4;
    for (const int cil : cesta) {
        SCOPED_TRACE(cil);
        if (cil < static_cast<int>(kde))
            h.Zpet();
        else
            ASSERT_TRUE(h.Vpred1());
        kde = static_cast<std::size_t>(cil);
        EXPECT_TRUE(Stejne(h.Deska.Zaznam, stavy[kde]));
        EXPECT_EQ(h.Deska.Tahy.DejPocetTahu(), tahy[kde]);
    }
    ASSERT_TRUE(h.Vpred1());
    EXPECT_TRUE(Stejne(h.Deska.Zaznam, stavy[4]));
    EXPECT_FALSE(h.Vpred1());  // nothing left to play again
}

TEST(KrokyVpred, AnyOtherChangeLeavesNothingToRedo)
{
    struct TPripad {
        const char* Nazev;
        std::function<void(THra&)> Zmena;
    };
    const TPripad pripady[] = {
        {"a new jump", [](THra& h) { h.Skoc({0, 2}, {2, 2}); }},
        {"a new game", [](THra& h) { h.Deska.Nastav(Nakresli({"xxoxoxo", ".......", "xxo...."})); }},
        {"a change of type",
         [](THra& h) {
             h.Deska.Zaznam.TypHry = thLeibniz;
             h.Deska.Tahy.Vymaz();
         }},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        THra h;
        h.Deska.Nastav(Nakresli({"xxoxoxo", ".......", "xxo...."}));
        h.Skoc({0, 0}, {2, 0});
        h.Skoc({2, 0}, {4, 0});
        h.Zpet();
        TTah t;
        ASSERT_TRUE(h.Vpred.Dalsi(h.Deska, t));
        p.Zmena(h);
        EXPECT_FALSE(h.Vpred.Dalsi(h.Deska, t));
        // The next step back starts a list of its own.
        if (h.Deska.Tahy.LzeVratit()) {
            const TTah posledni = h.Deska.Tahy.Skok(h.Deska.Tahy.DejAktualni() - 1);
            h.Zpet();
            ASSERT_TRUE(h.Vpred.Dalsi(h.Deska, t));
            EXPECT_EQ(t.Odkud, posledni.Odkud);
            EXPECT_EQ(t.Kam, posledni.Kam);
            ASSERT_TRUE(h.Vpred1());
            EXPECT_FALSE(h.Vpred.Dalsi(h.Deska, t));
        }
    }
}

TEST(KrokyVpred, SelectingAnotherStoneKeepsTheListAndCountsAsPlaying)
{
    THra h;
    h.Deska.Nastav(Nakresli({"xxoxoxo", ".......", "xxo...."}));
    h.Skoc({0, 0}, {2, 0});
    h.Skoc({2, 0}, {4, 0});
    h.Zpet();
    // The selection moves to another stone and back: the list still holds,
    // and the jump played again continues the move as a press would.
    h.Klik({0, 2});
    h.Klik({2, 0});
    ASSERT_TRUE(h.Vpred1());
    EXPECT_EQ(h.Deska.Tahy.DejPocetTahu(), 1);
}
