// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's own examples and edge cases, on the fast searches.
#include "PomocneDesky.h"

using namespace TestReseni;

namespace {

TReseni Vyres(const TZaznamDesky& z, std::uint8_t zpusob)
{
    TSolveDeska deska;
    NastavDesku(deska, z, zpusob);
    TRizeniHledani rizeni;
    return VyresDesku(deska, zpusob, rizeni);
}

// Fields [1][0], [2][0], [3][0], [0][1], [0][2], [0][3] numbered 1..6.
TZaznamDesky SestPoli()
{
    return Deska({".xxO", "x", "x", "O"});
}

// What the plain search records on the way, and the last of it handed over:
// on six fields the fastest search takes the stone of column 0 first
// although field 1 comes first in reading order, and the shortest goes on
// after it, recording the other order of as many moves. On twenty fields
// (stones on 3, 6, 11, 13, 17, 18) the shortest search records three.
TEST(PrikladyReseni, ZaznamenanaReseniAPredane)
{
    struct TOcekavani {
        TZaznamDesky Deska;
        std::uint8_t Zpusob;
        std::vector<std::string> Zaznamenane;
        std::int32_t Tahu;
    };
    const TZaznamDesky dvacet = Deska({"ooxoo", "xoooo", "xoxoo", "oxxoo"});
    const TOcekavani pripady[] = {
        {SestPoli(), zhNejrychlejsi, {"4-6 1-3 "}, 2},
        {SestPoli(), zhNejkratsi, {"4-6 1-3 ", "1-3 4-6 "}, 2},
        {dvacet, zhNejrychlejsi, {"6-16 18-8 16-18 3-13 18-8 "}, 5},
        {dvacet, zhNejkratsi,
         {"6-16 18-8 16-18 3-13 18-8 ", "6-16 18-8 3-13 16-18 18-8 ", "18-8 6-16 16-18 3-13 18-8 "}, 4},
    };
    for (const TOcekavani& p : pripady) {
        TSolveDeska deska;
        NastavDesku(deska, p.Deska, p.Zpusob);
        const Referencni::TVysledek ref = Referencni::Vyres(deska, p.Zpusob == zhNejkratsi);
        std::vector<std::string> zaznamenane;
        for (const auto& r : ref.Zaznamenane)
            zaznamenane.push_back(Text(r));
        EXPECT_EQ(zaznamenane, p.Zaznamenane) << int(p.Zpusob);

        TRizeniHledani rizeni;
        const TReseni r = VyresDesku(deska, p.Zpusob, rizeni);
        ASSERT_EQ(r.Stav, TVysledekHledani::Nalezeno);
        EXPECT_EQ(Text(Pary(r.Skoky)), p.Zaznamenane.back()) << int(p.Zpusob);
        PredejReseni(deska, r);
        EXPECT_EQ(deska.Reseni.DejPocetTahu(), p.Tahu);
        EXPECT_EQ(deska.StavReseni, "Řešení nalezeno");
    }
}

struct TPripad {
    const char* Nazev;
    std::vector<std::string> Radky;
    TTypHry Typ;
    TVysledekHledani Ocekavano;
    std::size_t Skoku;
};

TEST(PrikladyReseni, OkrajovePripady)
{
    const std::vector<TPripad> pripady = {
        {"jeden kamen bez cilovych", {"...", ".x.", "..o"}, thNormalni, TVysledekHledani::Nalezeno, 0},
        {"kameny presne na cilovych", {"Xo", "oX"}, thNormalni, TVysledekHledani::Nalezeno, 0},
        {"stejny pocet, jeden mimo cil", {"XxO"}, thNormalni, TVysledekHledani::Neexistuje, 0},
        {"Leibniz, prazdna pole presne cilova", {"Ox", "xO"}, thLeibniz, TVysledekHledani::Nalezeno, 0},
        {"Leibniz, jedno prazdne pole", {"xxo", "xxx"}, thLeibniz, TVysledekHledani::Nalezeno, 0},
        {"deska bez poli", {}, thNormalni, TVysledekHledani::Neexistuje, 0},
        {"Leibniz bez poli", {}, thLeibniz, TVysledekHledani::Neexistuje, 0},
        {"vice cilovych nez kamenu", {"XoO", "OoO"}, thNormalni, TVysledekHledani::Neexistuje, 0},
        {"jeden skok", {"xxo"}, thNormalni, TVysledekHledani::Nalezeno, 1},
        {"Leibniz jeden skok", {"xoo", "ooo"}, thLeibniz, TVysledekHledani::Neexistuje, 0},
        {"Leibniz jeden skok do cile", {"Xoo"}, thLeibniz, TVysledekHledani::Nalezeno, 1},
        {"kamen ve sloupci 1 neskace ven", {"ox", "ox"}, thNormalni, TVysledekHledani::Neexistuje, 0},
    };
    for (const TPripad& p : pripady) {
        for (std::uint8_t zpusob : {zhNejrychlejsi, zhNejkratsi}) {
            const TReseni r = Vyres(Deska(p.Radky, p.Typ), zpusob);
            EXPECT_EQ(r.Stav, p.Ocekavano) << p.Nazev << " " << int(zpusob);
            EXPECT_EQ(r.Skoky.size(), p.Skoku) << p.Nazev << " " << int(zpusob);
            // The plain search agrees.
            TSolveDeska d;
            NastavDesku(d, Deska(p.Radky, p.Typ), zpusob);
            EXPECT_EQ(static_cast<int>(Stav(r.Stav)), static_cast<int>(Referencni::Vyres(d, zpusob).Stav))
                << p.Nazev;
        }
    }
}

// A stale target flag on an absent position counts among the target fields,
// so exactly the present target fields occupied is not yet a goal.
TEST(PrikladyReseni, ZastaralyCilovyPriznakNaNeexistujicimPoli)
{
    TZaznamDesky z = Deska({"Xoo"});
    z.Pole[5][5].Cilove = 1;
    for (std::uint8_t zpusob : {zhNejrychlejsi, zhNejkratsi})
        EXPECT_EQ(Vyres(z, zpusob).Stav, TVysledekHledani::Neexistuje);
}

TEST(PrikladyReseni, PredaniDoResenDesky)
{
    TSolveDeska deska;
    NastavDesku(deska, SestPoli(), zhNejrychlejsi);
    TReseni r;
    r.Stav = TVysledekHledani::Neexistuje;
    PredejReseni(deska, r);
    EXPECT_EQ(deska.StavReseni, "Řešení neexistuje");
    EXPECT_FALSE(deska.Reseni.JeReseni());
    r.Stav = TVysledekHledani::Nalezeno;
    r.Skoky = {TSkokCesty{4, 6}, TSkokCesty{1, 3}};
    PredejReseni(deska, r);
    ASSERT_EQ(deska.Reseni.DejPocet(), 2);
    EXPECT_EQ(deska.Reseni.Skok(1).Odkud, (TPozice{0, 1}));
    EXPECT_EQ(deska.Reseni.Skok(2).Kam, (TPozice{3, 0}));
}

}  // namespace
