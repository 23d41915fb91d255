// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "KavirelType.h"
#include "KreslenaDeska.h"

namespace {

void OcekavejPocty(const TGameDeska& d)
{
    TGameDeska cerstva;
    cerstva.Nastav(d.Zaznam);
    EXPECT_EQ(d.PocetKamenu, cerstva.PocetKamenu);
    EXPECT_EQ(d.PocetPrazdnych, cerstva.PocetPrazdnych);
    EXPECT_EQ(d.PocetCilovych, cerstva.PocetCilovych);
}

} // namespace

TEST(Zaznam, NamesAreCutAndCopiesAreWholeRecords)
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

    // Copies are whole records byte for byte.
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

TEST(Kontroly, FailuresCarryTheirTexts)
{
    using testing::StartsWith;
    using testing::StrEq;
    using testing::ThrowsMessage;
    TGameDeska d;
    for (const TPozice p : {TPozice{9, 0}, TPozice{0, 9}, TPozice{-1, 4}, TPozice{4, -1}})
        EXPECT_THAT([&] { d.JeStav(spPlne, p); }, ThrowsMessage<ERangeError>(StrEq("Range check error")));

    TTahy t;
    EXPECT_THAT([&] { t.PridejCilovyTah({1, 1}); },
                ThrowsMessage<EAssertionFailed>(
                    StartsWith("Pridavam Cilovy tah do prazdneho pole tahu (KavirelType, line ")));
    TTahyReseni r;
    EXPECT_THAT([&] { r.Dalsi(); }, ThrowsMessage<EAssertionFailed>(
                                        StartsWith("Posouvam se v prazdnem seznamu (KavirelType, line ")));
    TTahReseni skok;
    EXPECT_FALSE(r.DejAktualni(skok));
    for (int i = 0; i < 81; ++i)
        r.Pridej(TTahReseni{{0, 0}, {0, 2}, i, 2});
    EXPECT_THROW(r.Pridej(TTahReseni{}), ERangeError);
    EXPECT_EQ(r.DejPocet(), 81);
    // The replay position stops one past the end and at the start.
    for (int i = 0; i < 83; ++i)
        r.Dalsi();
    EXPECT_EQ(r.DejPozici(), 82);
    EXPECT_FALSE(r.DejAktualni(skok));
    r.Predchozi();
    ASSERT_TRUE(r.DejAktualni(skok));
    EXPECT_EQ(skok.CisloOdkud, 80);
    r.NaZacatek();
    r.Predchozi();
    EXPECT_EQ(r.DejPozici(), 1);

    std::int32_t c = 2147483647;
    EXPECT_THROW(Inc(c), EIntOverflow);
    EXPECT_EQ(c, 2147483647);
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
            z = d.Stisk(k.p);
            EXPECT_EQ(z.Druh, k.druh) << c.nazev << " at " << k.p.X << "," << k.p.Y;
            if (z.Zmeneno()) {
                EXPECT_EQ(z.Vyber, k.p) << c.nazev;
            }
        }
        TPozice vybrany{};
        d.Tahy.DejOdkud(vybrany);
        EXPECT_EQ(vybrany, c.vybrany) << c.nazev;
        OcekavejPocty(d);
    }
}

TEST(Stisk, MultiJumpsCountOnceAndStepBackReachesTheStart)
{
    TGameDeska d;
    d.Nastav(Nakresli({"xxoxo", "....x", "....o"}));
    const TZaznamDesky start = d.Zaznam;
    d.Stisk({0, 0});
    const TZmenaDesky prvni = d.Stisk({2, 0});
    EXPECT_EQ(prvni.Druh, dzSkok);
    EXPECT_EQ(prvni.Odkud, (TPozice{0, 0}));
    EXPECT_EQ(prvni.Pres, (TPozice{1, 0}));
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
}

// What a step forward replays after a multi-jump taken back, and what makes
// it history: a type change or any jump but the one it would replay.
TEST(Stisk, StepForwardSurvivesASelectionButNotATypeChange)
{
    // Two moves: a two-jump run by one stone, then another stone.
    TGameDeska d;
    const auto hrajAVrat = [&d] {
        d.Nastav(Nakresli({"xxoxo", "....x", "....o", "xxo"}));
        for (const TPozice p : {TPozice{0, 0}, TPozice{2, 0}, TPozice{4, 0}, TPozice{0, 3}, TPozice{2, 3}})
            d.Stisk(p);
        d.KrokZpet();   // the second move
        d.KrokZpet();   // the second jump of the run
    };
    hrajAVrat();
    d.Stisk({1, 3});   // another stone selected: the replayed jump still continues its move
    TZmenaDesky z = d.KrokVpred();
    EXPECT_EQ(z.Tahu, 1);
    EXPECT_EQ(z.Vyber, (TPozice{4, 0}));
    OcekavejPocty(d);

    hrajAVrat();
    d.ZmenTypHry(thLeibniz);
    EXPECT_FALSE(d.LzeVpred());
    EXPECT_FALSE(d.KrokVpred().Zmeneno());

    // Playing the jump a step forward would replay keeps the rest; another
    // jump forgets it.
    hrajAVrat();
    d.Stisk({4, 0});
    EXPECT_TRUE(d.LzeVpred());
    EXPECT_EQ(d.KrokVpred().Tahu, 2);
    hrajAVrat();
    d.Stisk({0, 3});
    ASSERT_EQ(d.Stisk({2, 3}).Druh, dzSkok);
    EXPECT_FALSE(d.LzeVpred());
}

// That the fields, the selection and nothing of the moves survive a type
// change is seen through the window; here the game that goes on after it.
TEST(Stisk, TypeChangeInMidGameGoesOnByTheNewRules)
{
    TGameDeska d;
    d.Nastav(Nakresli({"xxoo"}));
    d.Stisk({0, 0});
    ASSERT_EQ(d.Stisk({2, 0}).Stav, shKonec);   // now: hole, hole, stone, hole
    EXPECT_FALSE(d.ZmenTypHry(thNormalni));
    EXPECT_EQ(d.Tahy.DejPocetTahu(), 1);

    EXPECT_TRUE(d.ZmenTypHry(thLeibniz));
    const TZmenaDesky z = d.Stisk({0, 0});   // the landed stone jumps back
    ASSERT_EQ(z.Druh, dzSkok);
    EXPECT_TRUE(d.JeStav(spPlne, {1, 0}));   // the hole jumped over receives a stone
    EXPECT_EQ(z.Tahu, 1);
    OcekavejPocty(d);

    TGameDeska bezVyberu;
    bezVyberu.Nastav(Nakresli({"xxoo"}));
    bezVyberu.ZmenTypHry(thLeibniz);
    TPozice vybrany;
    EXPECT_FALSE(bezVyberu.Tahy.DejOdkud(vybrany));
}
