// SPDX-License-Identifier: GPL-3.0-or-later
// The minimum mode: the least number of moves of all solutions, as the plain
// breadth-first search over moves finds it, on random boards of both game
// types with and without target fields; the same for every turn and mirror
// image of a board; the same with each rule switched off; and a stop
// request honoured in every phase.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>
#include <thread>

#include "KavirelKresba.h"
#include "KavirelNejmene.h"
#include "PomocneDesky.h"
#include "ReferencniNejmene.h"

using namespace TestReseni;
using KavirelHledani::TPravidlaNejmene;

namespace {

struct TBeh {
    TReseni Reseni;
    int Tahu = -1;  // moves of the solution; -1 without one
    std::uint64_t Pozic = 0;
};

TBeh VyresNejmene(const TZaznamDesky& z, const TPravidlaNejmene& pravidla = TPravidlaNejmene{},
                  std::size_t pamet = std::size_t(64) << 20)
{
    TSolveDeska deska;
    NastavDesku(deska, z, zhNejmene);
    TUlohaReseni uloha;
    PripravUlohu(uloha, deska);
    TRizeniHledani rizeni;
    rizeni.LimitPameti = pamet;
    KavirelHledani::ProhledejNejmene(uloha, rizeni, z.TypHry != thNormalni, pravidla);
    TBeh b{DejReseni(uloha), -1, rizeni.PocetPozic.load()};
    if (b.Reseni.Stav == TVysledekHledani::Nalezeno) {
        PredejReseni(deska, b.Reseni);
        b.Tahu = deska.Reseni.DejPocetTahu();
    }
    return b;
}

// The jumps played on the board by its own rules: the moves they make, or
// -1 when one is not a legal jump there or they end short of a goal position
// as the solver sees it (the goal's counter, and with target fields the
// fields inside the scanned rectangle as the targets say).
int Prehraj(const TZaznamDesky& z, const std::vector<TSkokCesty>& skoky)
{
    TSolveDeska s;
    s.Nastav(z);
    TUlohaReseni cil;
    PripravUlohu(cil, s);
    TGameDeska d;
    d.Nastav(s.Zaznam);
    auto pozice = [&](int cislo) {
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y)
                if (cislo != 0 && d.Zaznam.Pole[x][y].Cislo == cislo)
                    return TPozice{x, y};
        return TPozice{-1, -1};
    };
    TTahyReseni tahy;
    for (const TSkokCesty& j : skoky) {
        const TPozice a = pozice(j.CisloOdkud), b = pozice(j.CisloKam);
        if (a.X < 0 || b.X < 0 || !d.JeSkokPlatny(a, b))
            return -1;
        d.ProvedSkok(a, b, StredSkoku(a, b));
        tahy.Pridej(TTahReseni{a, b, j.CisloOdkud, j.CisloKam});
    }
    const bool leibniz = z.TypHry != thNormalni;
    if ((leibniz ? d.PocetPrazdnych : d.PocetKamenu) != (cil.CilovychPoli != 0 ? cil.CilovychPoli : 1))
        return -1;
    for (int x = cil.MinX; x <= cil.MaxX; ++x) {
        for (int y = cil.MinY; y <= cil.MaxY; ++y) {
            const TPole& p = d.Zaznam.Pole[x][y];
            const bool pole = p.Stav == spPlne || p.Stav == spPrazdne;
            if (cil.CilovychPoli != 0 && pole && ((p.Stav == spPlne) == (p.Cilove != 0)) == leibniz)
                return -1;
        }
    }
    return tahy.DejPocetTahu();
}

int PoliDesky(const TZaznamDesky& z)
{
    int n = 0;
    for (const auto& sloupec : z.Pole)
        for (const TPole& p : sloupec)
            n += p.Stav == spPlne || p.Stav == spPrazdne;
    return n;
}

// One of the eight turns and mirrorings of the grid (0 is the grid itself).
TZaznamDesky Obraz(const TZaznamDesky& z, int t)
{
    TZaznamDesky v = PrazdnyZaznam();
    v.TypHry = z.TypHry;
    for (int x = 0; x < RozmerDesky; ++x) {
        for (int y = 0; y < RozmerDesky; ++y) {
            int x2 = (t & 4) ? y : x, y2 = (t & 4) ? x : y;
            if (t & 1)
                x2 = RozmerDesky - 1 - x2;
            if (t & 2)
                y2 = RozmerDesky - 1 - y2;
            v.Pole[x2][y2].Stav = z.Pole[x][y].Stav;
            v.Pole[x2][y2].Cilove = z.Pole[x][y].Cilove;
        }
    }
    return v;
}

// Random boards of up to `poli` fields: drawn freely, played backwards from
// a goal, and symmetric ones.
TZaznamDesky NahodnaMalaDeska(std::mt19937& gen, int i, int poli)
{
    for (;;) {
        const TZaznamDesky z = i % 3 == 0 ? NahodnaDeska(gen) : i % 3 == 1 ? DeskaZpetnouHrou(gen) : SymetrickaDeska(gen);
        if (PoliDesky(z) <= poli)
            return z;
    }
}

struct TPocty {
    int Porovnano = 0, Nalezeno = 0, Neexistuje = 0, Leibniz = 0, SCilovymi = 0, VicetahovychSkoku = 0;
};

TEST(Nejmene, JakoProchazeniDoSirkyPoTazich)
{
    const int desek = Instrumentovano ? 120 : 600;
    std::mt19937 gen(7117);
    TPocty pocty;
    for (int i = 0; i < desek && !HasFailure(); ++i) {
        const TZaznamDesky z = NahodnaMalaDeska(gen, i, 25);
        SCOPED_TRACE(KresbaDesky(z));
        TSolveDeska deska;
        deska.Nastav(z);
        const Referencni::TVysledek ref = Referencni::VyresNejmene(deska, nullptr, 2'000'000);
        if (ref.Stav == Referencni::TStav::Preruseno)
            continue;
        // The check for any solution in its three schedules: not started
        // on boards this small, started at once with the balls waiting for
        // its verdict, and started at once with the balls going on beside it.
        TPravidlaNejmene pravidla;
        if (i % 3 != 0)
            pravidla.PozicPredResitelnosti = 0;
        if (i % 3 == 2)
            pravidla.CekaniNaResitelnost = 1;
        const TBeh b = VyresNejmene(z, pravidla);
        ASSERT_EQ(static_cast<int>(Stav(b.Reseni.Stav)), static_cast<int>(ref.Stav));
        ++pocty.Porovnano;
        pocty.Leibniz += z.TypHry != thNormalni;
        pocty.SCilovymi += deska.PocetCilovych != 0;
        if (ref.Stav == Referencni::TStav::Neexistuje) {
            ++pocty.Neexistuje;
            continue;
        }
        ++pocty.Nalezeno;
        std::vector<TSkokCesty> refSkoky;
        for (const Referencni::TPar& p : ref.Skoky)
            refSkoky.push_back(TSkokCesty{static_cast<std::uint8_t>(p.Odkud), static_cast<std::uint8_t>(p.Kam)});
        const int refTahu = Prehraj(z, refSkoky);
        ASSERT_GE(refTahu, 0) << "the reference's own solution does not replay";
        EXPECT_EQ(b.Tahu, refTahu);
        EXPECT_EQ(Prehraj(z, b.Reseni.Skoky), b.Tahu) << Text(Pary(b.Reseni.Skoky));
        pocty.VicetahovychSkoku += static_cast<int>(b.Reseni.Skoky.size()) > b.Tahu;
    }
    EXPECT_GE(pocty.Porovnano, desek * 3 / 4);
    EXPECT_GE(pocty.Nalezeno, pocty.Porovnano / 4);
    EXPECT_GE(pocty.Neexistuje, pocty.Porovnano / 10);
    EXPECT_GE(pocty.Leibniz, pocty.Porovnano / 5);
    EXPECT_GE(pocty.SCilovymi, pocty.Porovnano / 5);
    EXPECT_GE(pocty.VicetahovychSkoku, pocty.Nalezeno / 4);
}

// Every turn and mirror image of a board that fits the grid has the same
// minimum, whatever image of it the search's symmetries pick.
TEST(Nejmene, ObrazyDeskyMajiStejneMinimum)
{
    std::vector<TZaznamDesky> desky = {Vestavena(3), Vestavena(6), Vestavena(7), Vestavena(11), Vestavena(14)};
    std::mt19937 gen(3131);
    while (desky.size() < (Instrumentovano ? 16u : 60u))
        desky.push_back(NahodnaMalaDeska(gen, static_cast<int>(desky.size()), 25));
    int nalezeno = 0;
    for (const TZaznamDesky& z : desky) {
        SCOPED_TRACE(KresbaDesky(z));
        const TBeh vzor = VyresNejmene(z);
        nalezeno += vzor.Tahu >= 0;
        for (int t = 1; t < 8 && !HasFailure(); ++t) {
            const TZaznamDesky o = Obraz(z, t);
            const TBeh b = VyresNejmene(o);
            EXPECT_EQ(b.Tahu, vzor.Tahu) << "image " << t;
            if (b.Tahu >= 0) {
                EXPECT_EQ(Prehraj(o, b.Reseni.Skoky), b.Tahu) << "image " << t;
            }
        }
    }
    EXPECT_GE(nalezeno, static_cast<int>(desky.size()) / 3);
}

struct TPravidlo {
    const char* Nazev;
    std::function<void(TPravidlaNejmene&)> Vypni;
    bool SetriPozice;
};

// Each rule switched off gives the same minimum on boards of up to 81
// fields, and each of the cuts saves positions somewhere. The cuts are
// compared without the fastest mode beside them, so that the counts do not
// depend on which thread is first; that one is compared starting at once,
// on every board.
TEST(Nejmene, VypnutePravidloNemeniMinimum)
{
    const TPravidlo pravidla[] = {
        {"Parita", [](TPravidlaNejmene& p) { p.Parita = false; }, true},
        {"Symetrie", [](TPravidlaNejmene& p) { p.Symetrie = false; }, true},
        {"Obousmerne", [](TPravidlaNejmene& p) { p.Obousmerne = false; }, true},
        {"Resitelnost", [](TPravidlaNejmene& p) { p.Resitelnost = false; }, false},
    };
    const int desek = Instrumentovano ? 40 : 120;
    for (const TPravidlo& pravidlo : pravidla) {
        SCOPED_TRACE(pravidlo.Nazev);
        TPravidlaNejmene zapnuto;
        zapnuto.PozicPredResitelnosti = 0;
        zapnuto.Resitelnost = !pravidlo.SetriPozice;
        TPravidlaNejmene vypnuto = zapnuto;
        pravidlo.Vypni(vypnuto);
        std::mt19937 gen(808);
        int usetreno = 0, nalezeno = 0, velkych = 0;
        // Boards whose start keeps their turns and mirrorings come first:
        // the short instrumented run may draw no board on which the
        // symmetry rule merges images.
        const int symetricke[] = {7, 9, 10};
        for (int i = 0; i < desek + 3 && !HasFailure(); ++i) {
            const int j = i - 3;
            const TZaznamDesky z = j < 0       ? Vestavena(symetricke[i])
                                   : j % 6 == 5 ? VelkaRidkaDeska(gen)
                                               : NahodnaMalaDeska(gen, j, 30);
            SCOPED_TRACE(KresbaDesky(z));
            velkych += PoliDesky(z) > 56;
            const TBeh s = VyresNejmene(z, zapnuto);
            const TBeh bez = VyresNejmene(z, vypnuto);
            ASSERT_NE(s.Reseni.Stav, TVysledekHledani::Preruseno);
            EXPECT_EQ(TextVysledku(bez.Reseni.Stav), std::string(TextVysledku(s.Reseni.Stav)));
            EXPECT_EQ(bez.Tahu, s.Tahu);
            if (bez.Tahu >= 0) {
                EXPECT_EQ(Prehraj(z, bez.Reseni.Skoky), bez.Tahu);
            }
            nalezeno += s.Tahu >= 0;
            usetreno += bez.Pozic > s.Pozic;
        }
        if (pravidlo.SetriPozice) {
            EXPECT_GT(usetreno, 0) << "the rule never saved a position";
        }
        EXPECT_GE(nalezeno, desek / 4);
        EXPECT_GT(velkych, 0);
    }
}

// Rule Resitelnost where it decides: boards without a solution whose balls
// outgrow a small memory bound. Without the rule the search ends as
// stopped; with it, the fastest mode beside it proves there is no solution,
// and the search waits for that verdict. With room enough both agree.
TEST(Nejmene, ResitelnostRozhodujeKdyzDojdePamet)
{
    const TZaznamDesky desky[] = {
        Deska({"xxxxx", "xxxxx", "xxxox", "x.xxx", "..xxx"}),
        Deska({"ooooo", "ooooo", "oooxo", "o.ooo", "..ooo"}, thLeibniz),
    };
    for (const TZaznamDesky& z : desky) {
        SCOPED_TRACE(KresbaDesky(z));
        // The balls go on at once, so that they are the ones to outgrow the
        // bound.
        TPravidlaNejmene zapnuto;
        zapnuto.PozicPredResitelnosti = 0;
        zapnuto.CekaniNaResitelnost = 0;
        TPravidlaNejmene vypnuto;
        vypnuto.Resitelnost = false;
        const TBeh dost = VyresNejmene(z, vypnuto);
        ASSERT_EQ(TextVysledku(dost.Reseni.Stav), std::string(TextVysledku(TVysledekHledani::Neexistuje)));
        const std::size_t malo = std::size_t(1) << 20;
        const TBeh bez = VyresNejmene(z, vypnuto, malo);
        const TBeh s = VyresNejmene(z, zapnuto, malo);
        EXPECT_EQ(TextVysledku(bez.Reseni.Stav), std::string(TextVysledku(TVysledekHledani::Preruseno)));
        EXPECT_EQ(TextVysledku(s.Reseni.Stav), std::string(TextVysledku(TVysledekHledani::Neexistuje)));
        EXPECT_LT(s.Pozic, dost.Pozic);
    }
}

// Positions where the search ends at once or soon, and memory bounds too
// small for the search: never a wrong answer, at most "stopped".
TEST(Nejmene, OkrajovePripadyAMalaPamet)
{
    struct TPripad {
        TZaznamDesky Deska;
        TVysledekHledani Stav;
        int Tahu;
    };
    const TPripad pripady[] = {
        {Deska({"x"}), TVysledekHledani::Nalezeno, 0},                   // one stone left
        {Deska({"o"}, thLeibniz), TVysledekHledani::Nalezeno, 0},        // one empty field left
        {Deska({"Xo", "oo"}), TVysledekHledani::Nalezeno, 0},            // the targets met
        {Deska({"x.", ".O"}), TVysledekHledani::Neexistuje, -1},         // the goal's counter, not the goal
        {Deska({"OxO"}), TVysledekHledani::Neexistuje, -1},              // fewer stones than targets
        {Deska({"ooo"}), TVysledekHledani::Neexistuje, -1},              // no stone
        {Deska({"xxx"}, thLeibniz), TVysledekHledani::Neexistuje, -1},   // no empty field
        {PrazdnyZaznam(), TVysledekHledani::Neexistuje, -1},             // no field
        {Deska({"xxo"}), TVysledekHledani::Nalezeno, 1},
        {Deska({"xxoxo"}), TVysledekHledani::Nalezeno, 1},               // two jumps, one move
        {Deska({"xxoxxo"}), TVysledekHledani::Neexistuje, -1},
        // Less than the 4 moves the shortest mode hands over on this board
        // (PrikladyReseni.ZaznamenanaReseniAPredane): it never records the 3.
        {Deska({"ooxoo", "xoooo", "xoxoo", "oxxoo"}), TVysledekHledani::Nalezeno, 3},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(KresbaDesky(p.Deska));
        const TBeh b = VyresNejmene(p.Deska);
        EXPECT_EQ(TextVysledku(b.Reseni.Stav), std::string(TextVysledku(p.Stav)));
        EXPECT_EQ(b.Tahu, p.Tahu);
    }
    // Board 6 needs far more than 64 KiB; less than it needs gives
    // "stopped", never another number of moves.
    const TBeh plne = VyresNejmene(Vestavena(6));
    ASSERT_EQ(plne.Tahu, 8);
    int zastaveno = 0;
    for (std::size_t pamet : {std::size_t(64) << 10, std::size_t(1) << 20, std::size_t(4) << 20}) {
        const TBeh b = VyresNejmene(Vestavena(6), TPravidlaNejmene{}, pamet);
        if (b.Reseni.Stav == TVysledekHledani::Preruseno)
            ++zastaveno;
        else
            EXPECT_EQ(b.Tahu, plne.Tahu) << pamet;
    }
    EXPECT_GT(zastaveno, 0);
}

// A stop request ends the search in every phase, before its first position,
// early and late; the positions counted after the request
// are few, so it was the request and not the memory bound that ended it.
TEST(Nejmene, ZastaveniNaPozadavek)
{
    const TZaznamDesky desky[] = {Nekonecna(thNormalni), Nekonecna(thLeibniz), Vestavena(2)};
    for (const TZaznamDesky& z : desky) {
        for (std::uint64_t po : {std::uint64_t(0), std::uint64_t(30'000), std::uint64_t(600'000)}) {
            SCOPED_TRACE(po);
            TSolveDeska deska;
            NastavDesku(deska, z, zhNejmene);
            TUlohaReseni uloha;
            PripravUlohu(uloha, deska);
            TRizeniHledani rizeni;
            rizeni.LimitPameti = std::size_t(1) << 30;
            if (po == 0)
                rizeni.Zastavit = true;
            std::mutex zamek;
            std::condition_variable podminka;
            bool hotovo = false;
            std::thread vlakno([&] {
                KavirelHledani::ProhledejNejmene(uloha, rizeni, z.TypHry != thNormalni);
                std::lock_guard<std::mutex> l(zamek);
                hotovo = true;
                podminka.notify_all();
            });
            // The count grows while the search runs, in steps, not only at
            // its end.
            std::set<std::uint64_t> videno;
            while (rizeni.PocetPozic.load() < po && !rizeni.Zastavit.load()) {
                videno.insert(rizeni.PocetPozic.load());
                std::unique_lock<std::mutex> l(zamek);
                if (hotovo)
                    break;
                podminka.wait_for(l, std::chrono::milliseconds(1));
            }
            if (po > 100'000) {
                EXPECT_GE(videno.size(), 4u);
            }
            const std::uint64_t pri = rizeni.PocetPozic.load();
            rizeni.Zastavit = true;
            vlakno.join();
            ASSERT_FALSE(uloha.Nalezeno && !uloha.Preruseno);
            EXPECT_TRUE(uloha.Preruseno);
            EXPECT_GE(rizeni.PocetPozic.load(), pri);
            EXPECT_LE(rizeni.PocetPozic.load(), pri + 200'000);
            EXPECT_GE(pri, po);
        }
    }
}

}  // namespace
