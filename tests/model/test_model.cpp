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

// Drives a playable board the way the play tab does: select, jump, continue.
bool Klik(TGameDeska& d, TPozice p)
{
    TPozice s;
    if (d.Tahy.DejOdkud(s)) {
        const TPozice pres = StredSkoku(s, p);
        if (d.JeSkokPlatny(s, p)) {
            d.ProvedSkok(s, p, pres);
            d.Tahy.PridejCilovyTah(p);
            d.Tahy.PridejOdkud(p);
            return true;
        }
    }
    if (d.JeStav(spPlne, p))
        d.Tahy.PridejOdkud(p);
    return false;
}

bool KrokZpet(TGameDeska& d)
{
    TPozice k, s;
    if (!d.Tahy.DejPosledniKam(k))
        return false;
    d.Tahy.OdeberPosledni();
    d.Tahy.DejOdkud(s);
    d.VratSkok(k, s, StredSkoku(s, k));
    return true;
}

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
    };
    const Pripad pripady[] = {
        {"one stone, no targets", {"x"}, thNormalni, true, false, false},
        {"jump left", {"xxo"}, thNormalni, false, false, false},
        {"normal: all targets full", {"X.o", "..X"}, thNormalni, true, true, false},
        {"normal: a target empty", {"X.O", "..x"}, thNormalni, true, true, true},
        {"Leibniz: all targets empty", {"O.x", "..O"}, thLeibniz, true, true, false},
        {"Leibniz: a target full", {"O.X", "..o"}, thLeibniz, true, true, true},
    };
    for (const auto& c : pripady) {
        TGameDeska d;
        d.Nastav(Nakresli(c.deska, c.typ));
        EXPECT_EQ(!d.ExistujeSkok(), c.konec) << c.nazev;
        bool nesplneno = true;
        EXPECT_EQ(d.KontrolaCilovych(nesplneno), c.maCilove) << c.nazev;
        EXPECT_EQ(nesplneno, c.nesplneno) << c.nazev;
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
}

TEST(Hra, MultiJumpsCountOnceAndStepBackReachesTheStart)
{
    TGameDeska d;
    d.Nastav(Nakresli({"xxoxo", "....x", "....o"}));
    const TZaznamDesky start = d.Zaznam;
    Klik(d, {0, 0});
    EXPECT_TRUE(Klik(d, {2, 0}));
    EXPECT_TRUE(Klik(d, {4, 0}));   // the same stone jumps on: one move
    EXPECT_EQ(d.Tahy.DejPocetTahu(), 1);
    Klik(d, {4, 1});                  // another stone is selected; no jump
    EXPECT_FALSE(Klik(d, {4, 3}));    // absent landing field
    Klik(d, {4, 0});
    EXPECT_TRUE(Klik(d, {4, 2}));
    EXPECT_EQ(d.Tahy.DejPocetTahu(), 1);   // it continues from where it landed
    EXPECT_EQ(d.DejZbyvajici(), 1);
    EXPECT_FALSE(d.ExistujeSkok());

    int zpet = 0;
    while (KrokZpet(d))
        ++zpet;
    EXPECT_EQ(zpet, 3);
    EXPECT_EQ(d.Tahy.DejPocetTahu(), 0);
    EXPECT_EQ(std::memcmp(&start, &d.Zaznam, sizeof start), 0);
    OcekavejPocty(d);
    TPozice vybrany;
    ASSERT_TRUE(d.Tahy.DejOdkud(vybrany));
    EXPECT_EQ(vybrany, (TPozice{0, 0}));
}

TEST(Hra, TypeChangeInMidGameAppliesFromTheNextJump)
{
    TGameDeska d;
    d.Nastav(Nakresli({"xxoo"}));
    Klik(d, {0, 0});
    ASSERT_TRUE(Klik(d, {2, 0}));   // now: hole, hole, stone, hole
    EXPECT_FALSE(d.JeSkokPlatny({2, 0}, {0, 0}));
    EXPECT_FALSE(d.ExistujeSkok());

    d.Zaznam.TypHry = thLeibniz;
    EXPECT_EQ(d.DejZbyvajici(), 3);
    EXPECT_TRUE(d.JeSkokPlatny({2, 0}, {0, 0}));
    EXPECT_TRUE(d.ExistujeSkok());
    ASSERT_TRUE(Klik(d, {0, 0}));
    EXPECT_TRUE(d.JeStav(spPlne, {1, 0}));   // the hole jumped over receives a stone
    OcekavejPocty(d);
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
