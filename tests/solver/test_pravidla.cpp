// SPDX-License-Identifier: GPL-3.0-or-later
// Every rule that skips work may be switched off without changing a result:
// the same text and the same jumps, in both modes and both game types, on
// boards of up to 81 fields with and without target fields. A rule that
// never saved a position on these boards would prove nothing, so each must.
#include <functional>

#include "KavirelHledani.h"
#include "BehPravidel.h"
#include "PomocneDesky.h"

using namespace TestReseni;
using KavirelHledani::TPravidla;

namespace {

TBeh Vyres(const TSolveDeska& deska, std::uint8_t zpusob, const TPravidla& pravidla, std::size_t pamet)
{
    return VyresPravidly(deska, zpusob, pravidla, pamet);
}

struct TPravidlo {
    const char* Nazev;
    std::function<void(TPravidla&)> Vypni;
    bool JenNejkratsi;
    // The level thread saves time, not positions: how many positions it
    // spares depends on when its levels arrive.
    bool SetriPozice = true;
    bool NadUrovnemi = true;
    // A rule that the others leave no case to on these boards is compared
    // with those switched off in both runs.
    std::function<void(TPravidla&)> Bez = [](TPravidla&) {};
};

TEST(PravidlaHledani, VypnutePravidloNemeniVysledek)
{
    const TPravidlo pravidla[] = {
        {"Parita", [](TPravidla& p) { p.Parita = false; }, false},
        {"Symetrie", [](TPravidla& p) { p.Symetrie = false; }, false},
        {"Urovne", [](TPravidla& p) { p.Urovne = false; }, false, true, false},
        {"Vnoucata", [](TPravidla& p) { p.Vnoucata = false; }, true, true, false},
        {"MrtveTabulka", [](TPravidla& p) { p.MrtveTabulka = false; }, false},
        // Off unless asked for: on in both runs but the one it is switched off in.
        {"UviznuteKameny", [](TPravidla& p) { p.UviznuteKameny = false; }, false, true, true,
         [](TPravidla& p) { p.UviznuteKameny = true; }},
        {"Neuspechy", [](TPravidla& p) { p.Neuspechy = false; }, true},
        {"PokracovaniJenSeSkokem", [](TPravidla& p) { p.PokracovaniJenSeSkokem = false; }, true},
        {"NeuspechySymetricky", [](TPravidla& p) { p.NeuspechySymetricky = false; }, true},
        {"NeuspechyNapricPokracovanim", [](TPravidla& p) { p.NeuspechyNapricPokracovanim = false; }, true},
        {"MezTahu", [](TPravidla& p) { p.MezTahu = false; }, true, true, false,
         [](TPravidla& p) { p.MezPoSkoku = false; }},
        {"MezPoSkoku", [](TPravidla& p) { p.MezPoSkoku = false; }, true, true, false},
        {"Uspechy", [](TPravidla& p) { p.Uspechy = false; }, true},
        {"DruheVlakno", [](TPravidla& p) { p.DruheVlakno = false; }, false, false, false},
    };
    // All boards even in the slow instrumented build: some rules save
    // positions on only one or two of them (the symmetric keys, the corner
    // bound), and a shorter draw would miss that.
    const int desek = 160;
    for (const TPravidlo& pravidlo : pravidla) {
        SCOPED_TRACE(pravidlo.Nazev);
        // The rules must act from the first position on, or these small
        // boards would never reach them.
        TPravidla zapnuto;
        zapnuto.PozicBezTabulek = 0;
        zapnuto.ZaznamuPredUspechy = 0;
        // On one thread the positions counted are exact, so what a rule
        // saves cannot hide in the timing of the level thread.
        // Complete levels decide small boards by themselves; the rules that
        // act above the levels are compared without them, or they would
        // rarely get a position to act on.
        if (pravidlo.SetriPozice)
            zapnuto.DruheVlakno = false;
        if (pravidlo.NadUrovnemi)
            zapnuto.Urovne = false;
        pravidlo.Bez(zapnuto);
        TPravidla vypnuto = zapnuto;
        pravidlo.Vypni(vypnuto);

        std::mt19937 gen(4242);
        int usetreno = 0, porovnano = 0, nalezeno = 0, velkych = 0;
        for (int i = 0; i < desek && !HasFailure(); ++i) {
            TZaznamDesky z;
            switch (i % 8) {
            case 0: case 2: z = NahodnaDeska(gen); break;
            case 1: case 3: case 5: z = DeskaZpetnouHrou(gen); break;
            case 4: z = SymetrickaDeska(gen); break;
            case 6: z = VelkaRidkaDeska(gen); break;
            default: z = SymetrickaDeska(gen); break;
            }
            TSolveDeska deska;
            deska.Nastav(z);
            velkych += deska.PocetKamenu + deska.PocetPrazdnych > 64;
            // A tiny bound turns the table into a full cache now and then.
            const std::size_t pamet = i % 5 == 0 ? 8192 : std::size_t(16) << 20;
            for (std::uint8_t zpusob : {zhNejrychlejsi, zhNejkratsi}) {
                if (pravidlo.JenNejkratsi && zpusob != zhNejkratsi)
                    continue;
                const TBeh s = Vyres(deska, zpusob, zapnuto, pamet);
                const TBeh bez = Vyres(deska, zpusob, vypnuto, pamet);
                EXPECT_EQ(TextVysledku(bez.Reseni.Stav), std::string(TextVysledku(s.Reseni.Stav)))
                    << "deska " << i << " zpusob " << int(zpusob);
                EXPECT_EQ(Text(Pary(bez.Reseni.Skoky)), Text(Pary(s.Reseni.Skoky)))
                    << "deska " << i << " zpusob " << int(zpusob);
                ++porovnano;
                nalezeno += s.Reseni.Stav == TVysledekHledani::Nalezeno;
                usetreno += bez.Pozic > s.Pozic;
            }
        }
        if (pravidlo.SetriPozice) {
            EXPECT_GT(usetreno, 0) << "the rule never saved a position";
        }
        EXPECT_GE(nalezeno, porovnano / 4);
        EXPECT_GT(velkych, 0);
    }
}

// The rules on, the first search without tables off: what the rules leave
// must still be the plain search's result.
TEST(PravidlaHledani, VsechnaPravidlaJakoProsteHledani)
{
    TPravidla pravidla;
    pravidla.PozicBezTabulek = 0;
    pravidla.ZaznamuPredUspechy = 0;
    pravidla.UviznuteKameny = true;
    std::mt19937 gen(99);
    const int desek = Instrumentovano ? 60 : 300;
    int porovnano = 0;
    for (int i = 0; i < desek && !HasFailure(); ++i) {
        const TZaznamDesky z = i % 3 == 0 ? SymetrickaDeska(gen) : i % 3 == 1 ? DeskaZpetnouHrou(gen)
                                                                               : NahodnaDeska(gen);
        TSolveDeska deska;
        deska.Nastav(z);
        for (std::uint8_t zpusob : {zhNejrychlejsi, zhNejkratsi}) {
            const Referencni::TVysledek ref = Referencni::Vyres(deska, zpusob == zhNejkratsi, nullptr, 400'000);
            if (ref.Stav == Referencni::TStav::Preruseno)
                continue;
            const TBeh s = Vyres(deska, zpusob, pravidla, std::size_t(16) << 20);
            EXPECT_EQ(static_cast<int>(Stav(s.Reseni.Stav)), static_cast<int>(ref.Stav)) << i;
            EXPECT_EQ(Text(Pary(s.Reseni.Skoky)), Text(ref.Skoky)) << i;
            ++porovnano;
        }
    }
    EXPECT_GE(porovnano, desek);
}

// The jumps below a position are tried in an order that follows the
// direction of the last jump, so a recorded subtree stands only for visits
// after a jump of the same direction class. On this board a subtree first
// recorded after a horizontal jump is met again after a vertical one.
TEST(PravidlaHledani, ZaznamenanyPodstromJenPoStejnemSmeru)
{
    TPravidla pravidla;
    pravidla.PozicBezTabulek = 0;
    pravidla.ZaznamuPredUspechy = 0;
    pravidla.Urovne = false;
    pravidla.DruheVlakno = false;
    TSolveDeska deska;
    deska.Nastav(Deska({".........", ".........", ".........", ".........", ".oxxoo...", ".ooxxo...", "..x.oo...",
                        ".xxox....", "........."}));
    const Referencni::TVysledek ref = Referencni::Vyres(deska, true, nullptr, 400'000);
    ASSERT_EQ(ref.Stav, Referencni::TStav::Nalezeno);
    EXPECT_EQ(Text(Pary(Vyres(deska, zhNejkratsi, pravidla, std::size_t(16) << 20).Reseni.Skoky)), Text(ref.Skoky));
}

// Where the arena holds a level's filter but no longer its exact set, that
// level comes as its filter alone, which must still let every live position
// through. Bounds from a few KiB to a MiB put that last level at many depths.
TEST(PravidlaHledani, PosledniUrovenJenFiltrem)
{
    TPravidla pravidla;
    pravidla.PozicBezTabulek = 0;
    std::mt19937 gen(515);
    const int desek = Instrumentovano ? 16 : 60;
    int porovnano = 0;
    for (int i = 0; i < desek && !HasFailure(); ++i) {
        TSolveDeska deska;
        deska.Nastav(i % 2 ? SymetrickaDeska(gen) : DeskaZpetnouHrou(gen));
        for (std::uint8_t zpusob : {zhNejrychlejsi, zhNejkratsi}) {
            const Referencni::TVysledek ref = Referencni::Vyres(deska, zpusob == zhNejkratsi, nullptr, 400'000);
            if (ref.Stav == Referencni::TStav::Preruseno)
                continue;
            for (std::size_t pamet : {std::size_t(16) << 10, std::size_t(64) << 10, std::size_t(1) << 20}) {
                const TBeh s = Vyres(deska, zpusob, pravidla, pamet);
                EXPECT_EQ(static_cast<int>(Stav(s.Reseni.Stav)), static_cast<int>(ref.Stav)) << i << " " << pamet;
                EXPECT_EQ(Text(Pary(s.Reseni.Skoky)), Text(ref.Skoky)) << i << " " << pamet;
                ++porovnano;
            }
        }
    }
    EXPECT_GE(porovnano, desek * 3);
}

}  // namespace
