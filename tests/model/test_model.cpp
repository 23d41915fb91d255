// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "KavirelType.h"
#include "KreslenaDeska.h"

namespace {

const std::vector<std::string> Kriz = {
    "..xxx..",
    "..xxx..",
    "xxxxxxx",
    "xxxoxxx",
    "xxxxxxx",
    "..xxx..",
    "..xxx..",
};

void OcekavejPocty(const TGameDeska& d)
{
    TGameDeska cerstva;
    cerstva.Nastav(d.Zaznam);
    EXPECT_EQ(d.PocetKamenu, cerstva.PocetKamenu);
    EXPECT_EQ(d.PocetPrazdnych, cerstva.PocetPrazdnych);
    EXPECT_EQ(d.PocetCilovych, cerstva.PocetCilovych);
}

} // namespace

TEST(Zaznam, FieldsLieAtTheirOffsets)
{
    struct { int x, y; std::size_t offset; } pripady[] = {
        {0, 0, 0}, {8, 0, 216}, {0, 8, 24}, {4, 4, 120}, {8, 8, 240},
    };
    for (const auto& c : pripady) {
        TZaznamDesky z = PrazdnyZaznam();
        z.PoleNa({c.x, c.y}) = TPole{spPlne, 77, 1};
        const auto* bajty = reinterpret_cast<const unsigned char*>(&z);
        EXPECT_EQ(bajty[c.offset], 2) << c.x << "," << c.y;
        EXPECT_EQ(bajty[c.offset + 1], 77);
        EXPECT_EQ(bajty[c.offset + 2], 1);
    }
    TZaznamDesky z = PrazdnyZaznam();
    NastavNazev(z, "Ab");
    z.TypHry = thLeibniz;
    const auto* bajty = reinterpret_cast<const unsigned char*>(&z);
    EXPECT_EQ(bajty[243], 2);
    EXPECT_EQ(bajty[244], 'A');
    EXPECT_EQ(bajty[245], 'b');
    EXPECT_EQ(bajty[274], 1);
}

TEST(Zaznam, NamesAreCutToThirtyBytesAndNeverReadPastTheRecord)
{
    TZaznamDesky z = PrazdnyZaznam();
    const std::string tricet(30, 'n');
    NastavNazev(z, tricet);
    EXPECT_EQ(DejNazev(z), tricet);
    NastavNazev(z, tricet + "X");
    EXPECT_EQ(DejNazev(z), tricet);

    // A shorter name leaves the bytes behind it alone, so a record read from
    // a file and written back stays identical.
    NastavNazev(z, "abc");
    EXPECT_EQ(z.Nazev.Znaky[3], 'n');

    z.Nazev.Delka = 200;  // only a foreign file can do this
    EXPECT_EQ(DejNazev(z).size(), 30u);
}

TEST(Zaznam, CopiesAreWholeRecordsByteForByte)
{
    TZaznamDesky z;
    for (std::size_t i = 0; i < sizeof z; ++i)
        reinterpret_cast<unsigned char*>(&z)[i] = static_cast<unsigned char>(i * 7 + 3);
    TDeska d;
    d.Nastav(z);
    TZaznamDesky ven;
    d.DejZaznam(ven);
    EXPECT_EQ(std::memcmp(&z, &ven, sizeof z), 0);

    TDeska nova;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y)
            EXPECT_TRUE(nova.JeStav(spNeexistujici, {x, y}));
    EXPECT_EQ(DejNazev(nova.Zaznam), "");
    EXPECT_EQ(nova.Zaznam.TypHry, thNormalni);
}

TEST(Kontroly, OutOfGridAndOverfullListsFailWithTheirTexts)
{
    TGameDeska d;
    const TPozice mimo[] = {{9, 0}, {0, 9}, {-1, 4}, {4, -1}};
    for (const TPozice& p : mimo) {
        try {
            d.JeStav(spPlne, p);
            ADD_FAILURE() << "no range error at " << p.X << "," << p.Y;
        } catch (const ERangeError& e) {
            EXPECT_STREQ(e.what(), "Range check error");
        }
    }

    TTahyReseni r;
    for (int i = 0; i < 81; ++i)
        r.Pridej(TTahReseni{{0, 0}, {0, 2}, 1, 2});
    EXPECT_THROW(r.Pridej(TTahReseni{}), ERangeError);
    EXPECT_EQ(r.DejPocet(), 81);

    std::int32_t c = 2147483647;
    EXPECT_THROW(Inc(c), EIntOverflow);
    EXPECT_EQ(c, 2147483647);
}

TEST(Kontroly, AssertionsNameTheirUnitAndLine)
{
    TTahy t;
    try {
        t.PridejCilovyTah({1, 1});
        FAIL();
    } catch (const EAssertionFailed& e) {
        const std::string text = e.what();
        EXPECT_EQ(text.rfind("Pridavam Cilovy tah do prazdneho pole tahu (KavirelType, line ", 0), 0u) << text;
        EXPECT_EQ(text.back(), ')');
    }
    TTahyReseni r;
    try {
        r.Dalsi();
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Posouvam se v prazdnem seznamu (KavirelType, line ", 0), 0u);
    }
}

TEST(Tahy, MovesCountRunsOfJumpsByPositionOnly)
{
    const TPozice A{0, 0}, B{0, 2}, C{0, 4}, D{4, 0}, E{4, 2};
    struct Krok { char druh; TPozice p; };   // 's' select, 'j' jump to
    struct Pripad { const char* nazev; std::vector<Krok> kroky; int tahu; };
    const Pripad pripady[] = {
        {"reselect before the jump", {{'s', A}, {'s', B}, {'j', C}}, 1},
        {"multi-jump", {{'s', A}, {'j', B}, {'j', C}}, 1},
        {"two stones", {{'s', A}, {'j', B}, {'s', D}, {'j', E}}, 2},
        {"back to the landing stone", {{'s', A}, {'j', B}, {'s', D}, {'s', B}, {'j', C}}, 1},
    };
    for (const auto& c : pripady) {
        TTahy t;
        for (const Krok& k : c.kroky) {
            if (k.druh == 's') {
                t.PridejOdkud(k.p);
            } else {
                t.PridejCilovyTah(k.p);
                t.PridejOdkud(k.p);
            }
        }
        EXPECT_EQ(t.DejPocetTahu(), c.tahu) << c.nazev;
    }
}

TEST(Tahy, TakingBackUndoesCountsOneJumpAtATime)
{
    const TPozice A{0, 0}, B{0, 2}, C{0, 4};
    TTahy t;
    t.PridejOdkud(A);
    t.PridejCilovyTah(B);
    t.PridejOdkud(B);
    t.PridejCilovyTah(C);
    t.PridejOdkud(C);

    TPozice p;
    t.OdeberPosledni();
    EXPECT_EQ(t.DejPocetTahu(), 1);
    ASSERT_TRUE(t.DejPosledniKam(p));
    EXPECT_EQ(p, B);
    ASSERT_TRUE(t.DejOdkud(p));
    EXPECT_EQ(p, B);

    t.OdeberPosledni();
    EXPECT_EQ(t.DejPocetTahu(), 0);
    EXPECT_FALSE(t.LzeVratit());
    ASSERT_TRUE(t.DejOdkud(p));
    EXPECT_EQ(p, A);

    t.OdeberPosledni();
    EXPECT_EQ(t.DejAktualni(), 1);
    EXPECT_FALSE(t.DejPosledniKam(p));
}

TEST(TahyReseni, ReplayPositionWalksAndStops)
{
    TTahyReseni r;
    r.NaZacatek();
    EXPECT_EQ(r.DejPozici(), 0);
    TTahReseni t;
    EXPECT_FALSE(r.DejAktualni(t));

    r.Pridej({{0, 0}, {0, 2}, 1, 2});
    r.Pridej({{0, 2}, {0, 4}, 2, 3});   // continues the move
    r.Pridej({{5, 5}, {5, 3}, 9, 8});
    EXPECT_EQ(r.DejPozici(), 1);
    EXPECT_EQ(r.DejPocetTahu(), 2);
    for (int i = 0; i < 4; ++i)
        r.Dalsi();
    EXPECT_EQ(r.DejPozici(), 4);
    EXPECT_FALSE(r.DejAktualni(t));
    r.Predchozi();
    EXPECT_EQ(r.DejPozici(), 3);
    ASSERT_TRUE(r.DejAktualni(t));
    EXPECT_EQ(t.CisloOdkud, 9);
    r.NaZacatek();
    EXPECT_EQ(r.DejPozici(), 1);
    r.Predchozi();
    EXPECT_EQ(r.DejPozici(), 1);
}

struct SkokPripad {
    const char* nazev;
    std::vector<std::string> deska;
    TTypHry typ;
    TPozice odkud, kam;
    bool platny;
};

TEST(Pravidla, JumpLegalityForBothGameTypes)
{
    const SkokPripad pripady[] = {
        {"down over a stone", {"...x", "...x", "...o"}, thNormalni, {3, 0}, {3, 2}, true},
        {"down over a hole", {"...x", "...o", "...o"}, thNormalni, {3, 0}, {3, 2}, false},
        {"Leibniz over a stone", {"...x", "...x", "...o"}, thLeibniz, {3, 0}, {3, 2}, false},
        {"Leibniz over a hole", {"...x", "...o", "...o"}, thLeibniz, {3, 0}, {3, 2}, true},
        {"up", {"o", "x", "x"}, thNormalni, {0, 2}, {0, 0}, true},
        {"left at the border", {"oxx"}, thNormalni, {2, 0}, {0, 0}, true},
        {"right to column 8", {"......xxo"}, thNormalni, {6, 0}, {8, 0}, true},
        {"diagonal", {"x..", ".x.", "..o"}, thNormalni, {0, 0}, {2, 2}, false},
        {"three fields far", {"xoxo"}, thNormalni, {0, 0}, {3, 0}, false},
        {"over an absent field", {"x.o"}, thNormalni, {0, 0}, {2, 0}, false},
        {"Leibniz over an absent field", {"x.o"}, thLeibniz, {0, 0}, {2, 0}, false},
        {"onto a stone", {"xxx"}, thNormalni, {0, 0}, {2, 0}, false},
        {"from a hole", {"oxo"}, thNormalni, {0, 0}, {2, 0}, false},
        {"target flags do not matter", {"XXO"}, thNormalni, {0, 0}, {2, 0}, true},
    };
    for (const auto& c : pripady) {
        TGameDeska d;
        d.Nastav(Nakresli(c.deska, c.typ));
        EXPECT_EQ(d.JeSkokPlatny(c.odkud, c.kam), c.platny) << c.nazev;
        EXPECT_EQ(d.ExistujeSkok(), c.platny) << c.nazev;
    }
}

TEST(Pravidla, JumpsChangeFieldsAndCountersAndTakeBackExactly)
{
    for (TTypHry typ : {thNormalni, thLeibniz}) {
        TGameDeska d;
        d.Nastav(Nakresli({"", "", "", "...x", "...x", "...o"}, typ));
        if (typ == thLeibniz)
            d.Zaznam.Pole[3][4].Stav = spPrazdne, d.Precisluj();
        const TZaznamDesky pred = d.Zaznam;
        const int kamenu = d.PocetKamenu;
        ASSERT_TRUE(d.JeSkokPlatny({3, 3}, {3, 5}));
        d.ProvedSkok({3, 3}, {3, 5}, {3, 4});
        EXPECT_TRUE(d.JeStav(spPrazdne, {3, 3}));
        EXPECT_TRUE(d.JeStav(spPlne, {3, 5}));
        EXPECT_TRUE(d.JeStav(typ == thNormalni ? spPrazdne : spPlne, {3, 4}));
        EXPECT_EQ(d.PocetKamenu, kamenu + (typ == thNormalni ? -1 : 1));
        OcekavejPocty(d);
        d.VratSkok({3, 5}, {3, 3}, {3, 4});
        EXPECT_EQ(std::memcmp(&pred, &d.Zaznam, sizeof pred), 0);
        OcekavejPocty(d);
    }
}

TEST(Pravidla, CrossBoardIsNumberedInReadingOrder)
{
    TGameDeska d;
    d.Nastav(Nakresli(Kriz));
    EXPECT_EQ(d.PocetKamenu, 32);
    EXPECT_EQ(d.PocetPrazdnych, 1);
    EXPECT_EQ(d.Zaznam.Pole[2][0].Cislo, 1);
    EXPECT_EQ(d.Zaznam.Pole[4][0].Cislo, 3);
    EXPECT_EQ(d.Zaznam.Pole[0][2].Cislo, 7);
    EXPECT_EQ(d.Zaznam.Pole[3][3].Cislo, 17);
    EXPECT_EQ(d.Zaznam.Pole[4][6].Cislo, 33);
    EXPECT_EQ(d.Zaznam.Pole[0][0].Cislo, 0);
}

TEST(Pravidla, GameOverAndTheFourTargetVerdicts)
{
    struct Pripad {
        const char* nazev;
        std::vector<std::string> deska;
        TTypHry typ;
        bool konec, maCilove, nesplneno;
        TStavHry stav;
    };
    const Pripad pripady[] = {
        {"one stone, no targets", {"x"}, thNormalni, true, false, false, shKonec},
        {"jump left", {"xxo"}, thNormalni, false, false, false, shProbiha},
        {"a jump left, a target empty", {"xxO"}, thNormalni, false, true, true, shProbiha},
        {"normal: all targets full", {"X.o", "..X"}, thNormalni, true, true, false, shKonecCileSplneny},
        {"normal: a target empty", {"X.O", "..x"}, thNormalni, true, true, true, shKonecCileNesplneny},
        {"Leibniz: all targets empty", {"O.x", "..O"}, thLeibniz, true, true, false, shKonecCileSplneny},
        {"Leibniz: a target full", {"O.X", "..o"}, thLeibniz, true, true, true, shKonecCileNesplneny},
    };
    for (const auto& c : pripady) {
        TGameDeska d;
        d.Nastav(Nakresli(c.deska, c.typ));
        EXPECT_EQ(!d.ExistujeSkok(), c.konec) << c.nazev;
        bool nesplneno = true;
        EXPECT_EQ(d.KontrolaCilovych(nesplneno), c.maCilove) << c.nazev;
        EXPECT_EQ(nesplneno, c.nesplneno) << c.nazev;
        EXPECT_EQ(d.DejStavHry(), c.stav) << c.nazev;
    }

    // A stale flag on an absent position counts as a target but never loses.
    TGameDeska d;
    TZaznamDesky z = Nakresli({"x"});
    z.Pole[5][5].Cilove = 1;
    d.Nastav(z);
    EXPECT_EQ(d.PocetCilovych, 1);
    bool nesplneno = true;
    EXPECT_TRUE(d.KontrolaCilovych(nesplneno));
    EXPECT_FALSE(nesplneno);
    EXPECT_EQ(d.DejStavHry(), shKonecCileSplneny);
}

TEST(Stisk, WhatEachPressDoes)
{
    // Board: (0,0) stone, (1,0) stone, (2,0) hole, (3,0) absent,
    //        (0,1) stone, (1,1) hole.
    const std::vector<std::string> deska = {"xxo", "xo"};
    struct Krok { TPozice p; TDruhZmeny druh; };
    struct Pripad { const char* nazev; std::vector<Krok> kroky; TPozice vybrany; };
    const Pripad pripady[] = {
        {"a hole with nothing selected", {{{2, 0}, dzNic}}, {}},
        {"an absent field with nothing selected", {{{3, 0}, dzNic}}, {}},
        {"select, then a hole that is no jump", {{{0, 1}, dzVyber}, {{1, 1}, dzNic}}, {0, 1}},
        {"select, then an absent field", {{{0, 0}, dzVyber}, {{3, 0}, dzNic}}, {0, 0}},
        {"select twice the same stone", {{{0, 0}, dzVyber}, {{0, 0}, dzPrevyber}}, {0, 0}},
        {"select another stone", {{{0, 0}, dzVyber}, {{0, 1}, dzPrevyber}}, {0, 1}},
        {"select and jump", {{{0, 0}, dzVyber}, {{2, 0}, dzSkok}}, {2, 0}},
        {"the landed stone is selected", {{{0, 0}, dzVyber}, {{2, 0}, dzSkok}, {{0, 0}, dzNic}}, {2, 0}},
    };
    for (const auto& c : pripady) {
        TGameDeska d;
        d.Nastav(Nakresli(deska));
        TZmenaDesky z;
        for (const Krok& k : c.kroky) {
            const TPozice pred = [&] { TPozice p{-1, -1}; d.Tahy.DejOdkud(p); return p; }();
            z = d.Stisk(k.p);
            EXPECT_EQ(z.Druh, k.druh) << c.nazev << " at " << k.p.X << "," << k.p.Y;
            if (z.Zmeneno()) {
                EXPECT_EQ(z.Vyber, k.p) << c.nazev;
            }
            EXPECT_EQ(z.ZrusenVyber, z.Druh == dzPrevyber || z.Druh == dzSkok) << c.nazev;
            if (z.ZrusenVyber) {
                EXPECT_EQ(z.DrivejsiVyber, pred) << c.nazev;
            }
        }
        TPozice vybrany{};
        d.Tahy.DejOdkud(vybrany);
        EXPECT_EQ(vybrany, c.vybrany) << c.nazev;
        OcekavejPocty(d);
    }

    TGameDeska d;
    d.Nastav(Nakresli(deska));
    d.Stisk({0, 0});
    const TZmenaDesky z = d.Stisk({2, 0});
    EXPECT_EQ(z.Odkud, (TPozice{0, 0}));
    EXPECT_EQ(z.Pres, (TPozice{1, 0}));
    EXPECT_TRUE(d.JeStav(spPrazdne, {1, 0}));
    EXPECT_EQ(z.Tahu, 1);
    EXPECT_EQ(z.Zbyva, 2);
    EXPECT_TRUE(z.LzeVratit);
    EXPECT_EQ(z.Stav, shKonec);
}

TEST(Stisk, MultiJumpsCountOnceAndStepBackReachesTheStart)
{
    TGameDeska d;
    d.Nastav(Nakresli({"xxoxo", "....x", "....o"}));
    const TZaznamDesky start = d.Zaznam;
    d.Stisk({0, 0});
    EXPECT_EQ(d.Stisk({2, 0}).Druh, dzSkok);
    EXPECT_EQ(d.Stisk({4, 0}).Tahu, 1);   // the same stone jumps on: one move
    d.Stisk({4, 1});                       // another stone is selected; no jump
    EXPECT_EQ(d.Stisk({4, 3}).Druh, dzNic);   // absent landing field
    d.Stisk({4, 0});
    const TZmenaDesky z = d.Stisk({4, 2});
    EXPECT_EQ(z.Tahu, 1);   // it continues from where it landed
    EXPECT_EQ(z.Zbyva, 1);
    EXPECT_EQ(z.Stav, shKonec);

    std::vector<TPozice> vybrane;
    for (TZmenaDesky k = d.KrokZpet(); k.Zmeneno(); k = d.KrokZpet()) {
        EXPECT_EQ(k.Druh, dzKrokZpet);
        EXPECT_EQ(k.Stav, shProbiha);
        OcekavejPocty(d);
        vybrane.push_back(k.Vyber);
    }
    const std::vector<TPozice> ocekavane = {{4, 0}, {2, 0}, {0, 0}};
    EXPECT_EQ(vybrane, ocekavane);
    EXPECT_EQ(d.Tahy.DejPocetTahu(), 0);
    EXPECT_EQ(std::memcmp(&start, &d.Zaznam, sizeof start), 0);
    TPozice vybrany;
    ASSERT_TRUE(d.Tahy.DejOdkud(vybrany));
    EXPECT_EQ(vybrany, (TPozice{0, 0}));
}

TEST(Stisk, StepsForwardReplayWhatWasTakenBackAndCountAsPlaying)
{
    // Two moves: a two-jump run by one stone, then another stone.
    const auto hraj = [](TGameDeska& d) {
        d.Nastav(Nakresli({"xxoxo", "....x", "....o", "xxo"}));
        d.Stisk({0, 0});
        d.Stisk({2, 0});
        d.Stisk({4, 0});
        d.Stisk({0, 3});
        d.Stisk({2, 3});
    };
    TGameDeska d;
    hraj(d);
    const TZaznamDesky konec = d.Zaznam;
    ASSERT_EQ(d.Tahy.DejPocetTahu(), 2);
    std::vector<int> tahuZpet;
    while (d.KrokZpet().Zmeneno())
        tahuZpet.push_back(d.Tahy.DejPocetTahu());
    EXPECT_TRUE(d.LzeVpred());

    std::vector<int> tahuVpred;
    for (TZmenaDesky z = d.KrokVpred(); z.Zmeneno(); z = d.KrokVpred()) {
        EXPECT_EQ(z.Druh, dzSkok);
        OcekavejPocty(d);
        tahuVpred.push_back(z.Tahu);
    }
    EXPECT_EQ(tahuVpred, (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(tahuZpet, (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(std::memcmp(&konec, &d.Zaznam, sizeof konec), 0);
    EXPECT_FALSE(d.LzeVpred());

    // Selecting another stone in between does not lose the list, and the
    // replayed jump still continues its move; a different jump forgets it.
    struct Pripad { const char* nazev; bool jinyVyber, jinySkok, nastav, typ; bool vpred; };
    const Pripad pripady[] = {
        {"another stone selected", true, false, false, false, true},
        {"another jump", false, true, false, false, false},
        {"a new game", false, false, true, false, false},
        {"a change of game type", false, false, false, true, false},
    };
    for (const auto& c : pripady) {
        hraj(d);
        d.KrokZpet();   // the second move
        d.KrokZpet();   // the second jump of the run
        if (c.jinyVyber)
            d.Stisk({1, 3});
        if (c.jinySkok) {
            d.Stisk({0, 3});
            d.Stisk({2, 3});
        }
        if (c.nastav)
            d.Nastav(konec);
        if (c.typ)
            d.ZmenTypHry(thLeibniz);
        EXPECT_EQ(d.LzeVpred(), c.vpred) << c.nazev;
        const TZmenaDesky z = d.KrokVpred();
        EXPECT_EQ(z.Zmeneno(), c.vpred) << c.nazev;
        if (c.vpred) {
            EXPECT_EQ(z.Tahu, 1) << c.nazev;
            EXPECT_TRUE(z.ZrusenVyber);
            EXPECT_EQ(z.DrivejsiVyber, (TPozice{1, 3})) << c.nazev;
            EXPECT_EQ(z.Vyber, (TPozice{4, 0})) << c.nazev;
        }
    }

    // Playing the jump a step forward would replay keeps the rest.
    hraj(d);
    d.KrokZpet();
    d.KrokZpet();
    d.Stisk({4, 0});
    EXPECT_TRUE(d.LzeVpred());
    EXPECT_EQ(d.KrokVpred().Tahu, 2);
}

TEST(Stisk, TypeChangeInMidGameKeepsPositionAndSelection)
{
    TGameDeska d;
    d.Nastav(Nakresli({"xxoo"}));
    d.Stisk({0, 0});
    ASSERT_EQ(d.Stisk({2, 0}).Stav, shKonec);   // now: hole, hole, stone, hole
    EXPECT_FALSE(d.ZmenTypHry(thNormalni));
    EXPECT_EQ(d.Tahy.DejPocetTahu(), 1);

    EXPECT_TRUE(d.ZmenTypHry(thLeibniz));
    EXPECT_EQ(d.Tahy.DejPocetTahu(), 0);
    EXPECT_FALSE(d.Tahy.LzeVratit());
    EXPECT_EQ(d.DejZbyvajici(), 3);
    TPozice vybrany;
    ASSERT_TRUE(d.Tahy.DejOdkud(vybrany));
    EXPECT_EQ(vybrany, (TPozice{2, 0}));
    const TZmenaDesky z = d.Stisk({0, 0});   // the landed stone jumps back
    ASSERT_EQ(z.Druh, dzSkok);
    EXPECT_TRUE(d.JeStav(spPlne, {1, 0}));   // the hole jumped over receives a stone
    EXPECT_EQ(z.Tahu, 1);
    OcekavejPocty(d);

    TGameDeska bezVyberu;
    bezVyberu.Nastav(Nakresli({"xxoo"}));
    bezVyberu.ZmenTypHry(thLeibniz);
    EXPECT_FALSE(bezVyberu.Tahy.DejOdkud(vybrany));
}

TEST(SolveDeska, AcceptsOnlyTheNextSolutionJump)
{
    TSolveDeska d;
    d.Nastav(Nakresli({"xxo", "x..", "o.."}));
    // Without a solution nothing is legal, not even a rule-abiding jump.
    EXPECT_FALSE(d.JeSkokPlatny({0, 0}, {2, 0}));

    // Fields: 1 (0,0) 2 (1,0) 3 (2,0) 4 (0,1) 5 (0,2).
    d.PridejSkokReseni(1, 3);
    d.PridejSkokReseni(4, 2);   // unusual but only the order matters here
    const TZaznamDesky pred = d.Zaznam;
    TTahReseni t;
    ASSERT_TRUE(d.Reseni.DejAktualni(t));
    EXPECT_EQ(t.Odkud, (TPozice{0, 0}));
    EXPECT_EQ(t.Kam, (TPozice{2, 0}));
    EXPECT_EQ(std::memcmp(&pred, &d.Zaznam, sizeof pred), 0);

    EXPECT_FALSE(d.JeSkokPlatny({0, 0}, {0, 2}));   // legal by the rules, not the solution
    EXPECT_TRUE(d.JeSkokPlatny({0, 0}, {2, 0}));
    d.ProvedSkok({0, 0}, {2, 0}, {1, 0});
    d.Reseni.Dalsi();
    EXPECT_FALSE(d.JeSkokPlatny({0, 0}, {2, 0}));
    d.Reseni.Dalsi();
    EXPECT_FALSE(d.Reseni.DejAktualni(t));
    EXPECT_FALSE(d.JeSkokPlatny({0, 1}, {1, 0}));
}

TEST(SolveDeska, ReplayThroughPressesMarksTheSolution)
{
    // Fields: 1 (0,0) 2 (1,0) 3 (2,0) 4 (3,0) 5 (4,0): one stone runs on.
    TSolveDeska d;
    d.Nastav(Nakresli({"xxoxo"}));
    d.Dokonceno = true;
    EXPECT_EQ(d.Stisk({0, 0}).Druh, dzNic);   // no solution: no replay
    d.PridejSkokReseni(1, 3);
    d.PridejSkokReseni(3, 5);

    EXPECT_EQ(d.Stisk({3, 0}).Druh, dzVyber);   // any stone may be selected
    EXPECT_FALSE(d.Dokonceno);
    EXPECT_EQ(d.StavReseni, TextPrehravaniReseni);
    EXPECT_EQ(d.Stisk({3, 0}).Druh, dzPrevyber);
    d.Stisk({0, 0});

    TZmenaDesky z = d.Stisk({2, 0});
    ASSERT_EQ(z.Druh, dzSkok);
    ASSERT_TRUE(z.OdznacitReseni);
    EXPECT_EQ(z.Odznacit.CisloKam, 3);
    ASSERT_TRUE(z.OznacitReseni);
    EXPECT_EQ(z.Oznacit.CisloOdkud, 3);
    EXPECT_EQ(z.Oznacit.CisloKam, 5);

    z = d.Stisk({4, 0});
    ASSERT_EQ(z.Druh, dzSkok);
    EXPECT_FALSE(z.OznacitReseni);   // replayed to the end
    EXPECT_EQ(z.Tahu, 1);

    z = d.KrokZpet();
    ASSERT_EQ(z.Druh, dzKrokZpet);
    EXPECT_FALSE(z.OdznacitReseni);
    ASSERT_TRUE(z.OznacitReseni);
    EXPECT_EQ(z.Oznacit.CisloKam, 5);
    z = d.KrokZpet();
    EXPECT_EQ(z.Odznacit.CisloKam, 5);
    EXPECT_EQ(z.Oznacit.CisloKam, 3);
    EXPECT_EQ(d.Reseni.DejPozici(), 1);

    // Stepping forward is the next solution jump again.
    z = d.KrokVpred();
    ASSERT_EQ(z.Druh, dzSkok);
    EXPECT_EQ(z.Oznacit.CisloKam, 5);
    EXPECT_EQ(d.Reseni.DejPozici(), 2);
}

TEST(EditDeska, ElementsAndRenaming)
{
    TEditDeska d;
    TZaznamDesky z = Nakresli({"X"});
    NastavNazev(z, "Cizi jmeno");
    d.Nastav(z);
    EXPECT_EQ(DejNazev(d.Zaznam), "Editovan\xE1 deska");

    struct { TEditPrvek prvek; TStavPole stav; int cilove; } pripady[] = {
        {epNeexistujici, spNeexistujici, 0}, {epPrazdne, spPrazdne, 0}, {epPlne, spPlne, 0},
        {epPrazdneCilove, spPrazdne, 1}, {epPlneCilove, spPlne, 1},
    };
    for (const auto& c : pripady) {
        PouzijPrvek(d, c.prvek, {0, 0});
        EXPECT_EQ(d.Zaznam.Pole[0][0].Stav, c.stav);
        EXPECT_EQ(d.Zaznam.Pole[0][0].Cilove, c.cilove);
    }
    PouzijPrvek(d, epNeexistujici, {0, 0});
    EXPECT_EQ(d.Zaznam.Pole[0][0].Cislo, 0);
    EXPECT_THROW(PouzijPrvek(d, epPlne, {0, 9}), ERangeError);
}
