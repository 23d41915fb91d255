// SPDX-License-Identifier: GPL-3.0-or-later
// The hint search and the goal test of a won game, checked against each
// other: following hints must reach a position the goal test accepts, and
// the goal test must accept exactly the positions the solver calls solved
// without a jump.
#include <gtest/gtest.h>

#include <random>

#include "KavirelCil.h"
#include "KavirelHledani.h"
#include "KavirelRada.h"
#include "KavirelSluzba.h"
#include "PomocneDesky.h"

using TestReseni::MaZastaralyCil;

namespace {

// Follows hints from the position to its end; returns the number of jumps,
// or -1 when a hint was not a legal jump or the hints stopped short.
int HrajPodleRad(const TZaznamDesky& start, TZaznamDesky& konec)
{
    TGameDeska d;
    d.Nastav(start);
    for (int skoku = 0; skoku < KapacitaTahu; ++skoku) {
        TRizeniHledani rizeni;
        const TRadaTahu rada = DejRadu(d.Zaznam, rizeni);
        if (rada.Stav != TVysledekHledani::Nalezeno)
            return -1;
        if (rada.BezSkoku) {
            konec = d.Zaznam;
            return skoku;
        }
        if (!d.JeSkokPlatny(rada.Odkud, rada.Kam))
            return -1;
        d.ProvedSkok(rada.Odkud, rada.Kam, StredSkoku(rada.Odkud, rada.Kam));
    }
    return -1;
}

} // namespace

TEST(Rada, HintsLeadToTheGoalAndTheGoalTestAgreesWithTheSolver)
{
    std::mt19937 gen(20261207);
    int reseno = 0, bezReseni = 0, vCili = 0;
    for (int i = 0; i < 400; ++i) {
        const TZaznamDesky z =
            i % 2 ? TestReseni::DeskaZpetnouHrou(gen) : TestReseni::NahodnaDeska(gen);
        // A target flag on an absent position comes only from a foreign file;
        // the goal test ignores it, the solver counts it.
        if (MaZastaralyCil(z))
            continue;
        SCOPED_TRACE(i);
        TRizeniHledani rizeni;
        const TRadaTahu rada = DejRadu(z, rizeni);
        ASSERT_NE(rada.Stav, TVysledekHledani::Preruseno);
        EXPECT_EQ(rada.Stav == TVysledekHledani::Nalezeno && rada.BezSkoku, JeCilSplnen(z));
        if (rada.Stav == TVysledekHledani::Neexistuje) {
            ++bezReseni;
            continue;
        }
        TZaznamDesky konec;
        const int skoku = HrajPodleRad(z, konec);
        ASSERT_GE(skoku, 0);
        EXPECT_TRUE(JeCilSplnen(konec));
        (skoku == 0 ? vCili : reseno)++;
    }
    // The sample must exercise every outcome.
    EXPECT_GT(reseno, 20);
    EXPECT_GT(bezReseni, 20);
    EXPECT_GT(vCili, 0);
}

// A position reached by random play of a built-in board, far enough into
// the game for the plain search to decide it.
TZaznamDesky PoziceZeHry(std::mt19937& gen)
{
    const std::vector<TZaznamDesky> desky = StandardniZaznamy();
    const TZaznamDesky& z = desky[std::uniform_int_distribution<std::size_t>(0, desky.size() - 2)(gen)];
    return TestReseni::NahodnaHra(z, gen, std::uniform_int_distribution<int>(12, 30)(gen)).back();
}

// The hint of the service decides exactly as the plain search does, and what
// it gives is a solution: every jump legal in turn, the goal met at its end,
// the first move the jumps up to the first change of stone.
TEST(Rada, RadaSluzbyJeReseniKdykolivExistuje)
{
    std::mt19937 gen(77);
    const int pozic = TestReseni::Instrumentovano ? 80 : 320;
    int nalezeno = 0, neexistuje = 0, zeHry = 0;
    for (int i = 0; i < pozic && !HasFailure(); ++i) {
        TZaznamDesky z;
        switch (i % 4) {
        case 0: z = TestReseni::NahodnaDeska(gen); break;
        case 1: z = TestReseni::DeskaZpetnouHrou(gen); break;
        case 2: z = i % 8 == 2 ? TestReseni::VelkaRidkaDeska(gen) : TestReseni::DeskaZpetnouHrou(gen); break;
        default: z = PoziceZeHry(gen); break;
        }
        TSolveDeska deska;
        deska.Nastav(z);
        const std::optional<Referencni::TVysledek> ref = TestReseni::ProstyVysledek(deska);
        if (!ref)
            continue;
        zeHry += i % 4 == 3;
        SCOPED_TRACE(i);
        TPozadavek pozadavek;
        pozadavek.Deska = z;
        pozadavek.Zpusob = zhRada;
        TRizeniHledani rizeni;
        const TVysledekUlohy v = VyresPozadavek(pozadavek, rizeni);
        if (ref->Stav == Referencni::TStav::Neexistuje) {
            EXPECT_EQ(v.Konec, TKonecUlohy::Neexistuje);
            ++neexistuje;
            continue;
        }
        ASSERT_EQ(v.Konec, TKonecUlohy::Nalezeno);
        ++nalezeno;
        TestReseni::PrehrajReseni(z, deska, JakoReseni(v));
        const std::size_t prvni = v.SkokuPrvnihoTahu;
        EXPECT_EQ(prvni == 0, v.Skoky.empty());
        for (std::size_t k = 1; k <= prvni && k < v.Skoky.size(); ++k)
            EXPECT_EQ(v.Skoky[k].CisloOdkud == v.Skoky[k - 1].CisloKam, k < prvni) << k;
    }
    EXPECT_GT(nalezeno, pozic / 8);
    EXPECT_GT(neexistuje, pozic / 8);
    EXPECT_GT(zeHry, pozic / 16);
}

TEST(Rada, StopRequestBeforeTheStartGivesNoHint)
{
    TRizeniHledani rizeni;
    rizeni.Zastavit = true;
    const TRadaTahu rada = DejRadu(StandardniZaznamy().at(1), rizeni);
    EXPECT_EQ(rada.Stav, TVysledekHledani::Preruseno);
}

// The hint's images of the board take turns under a budget of positions; from
// the usual first budget down to a single position per attempt it decides as
// the plain search does, and a solution found on an image, its jumps mapped
// back, solves the position itself. So does one search in both orders that
// goes over to the second when the first has used its share.
TEST(Rada, ObrazyDeskyRozhodujiJakoProsteHledaniSKazdymRozpoctem)
{
    std::mt19937 gen(2512);
    // The corner order with its tie-break decides most of these boards in
    // the position's own attempt; the few that an image decides first lie
    // beyond the first 40 boards and show under the smallest budgets, so
    // instrumented builds too take all the boards.
    const std::uint64_t rozpocty[] = {1, 2, 5, 37, 5000, PrvniRozpocetRady};
    const int desek = 160;
    int zObrazu = 0, nalezeno = 0, neexistuje = 0, vycerpano = 0, poPrechodu = 0,
        rozhodnutoPoPrechodu = 0;
    for (int i = 0; i < desek && !HasFailure(); ++i) {
        TZaznamDesky z;
        switch (i % 3) {
        case 0: z = TestReseni::NahodnaDeska(gen); break;
        case 1: z = TestReseni::DeskaZpetnouHrou(gen); break;
        default:
            z = TestReseni::SymetrickaDeska(gen);
            // A target off the centre turns with the images.
            if (i % 2 == 0)
                z.Pole[2 + std::uniform_int_distribution<int>(0, 2)(gen)][1].Cilove = 1;
            break;
        }
        TSolveDeska deska;
        deska.Nastav(z);
        const std::optional<Referencni::TVysledek> ref = TestReseni::ProstyVysledek(deska);
        if (!ref)
            continue;
        SCOPED_TRACE(i);
        for (const std::uint64_t rozpocet : rozpocty) {
            SCOPED_TRACE(rozpocet);
            TUlohaReseni uloha;
            PripravUlohu(uloha, deska);
            TRizeniHledani rizeni;
            rizeni.LimitPameti = std::size_t(16) << 20;  // small boards; spares mapping the default's pages
            const int obraz = HledejRadu(uloha, rizeni, rozpocet);
            const TReseni r = DejReseni(uloha);
            ASSERT_EQ(TestReseni::Stav(r.Stav), ref->Stav);
            if (r.Stav == TVysledekHledani::Nalezeno) {
                TestReseni::PrehrajReseni(z, deska, r);
                zObrazu += obraz != 0;
                ++nalezeno;
            } else {
                ++neexistuje;
            }
            // The bound itself, in the search with tables: the true answer
            // or stopped, never a wrong one.
            KavirelHledani::TPravidla sTabulkami;
            sTabulkami.PozicBezTabulek = 0;
            PripravUlohu(uloha, deska);
            rizeni.LimitPozic = rozpocet;
            KavirelHledani::Prohledej(uloha, rizeni, z.TypHry != thNormalni, false, sTabulkami);
            const TReseni omezene = DejReseni(uloha);
            if (omezene.Stav == TVysledekHledani::Preruseno)
                ++vycerpano;
            else
                EXPECT_EQ(TestReseni::Stav(omezene.Stav), ref->Stav);
            // Both orders in one search: the scan order takes the rest of the
            // limit, with the corner order's tables, once that has used its
            // share (a rest of several shares, so that it often decides).
            KavirelHledani::TPravidla dvePoradi = sTabulkami;
            dvePoradi.RohyNapred = true;
            dvePoradi.PozicVRohovemPoradi = rozpocet;
            dvePoradi.DruheVlakno = false;  // the same course on every run
            PripravUlohu(uloha, deska);
            rizeni.LimitPozic = 8 * rozpocet;
            KavirelHledani::Prohledej(uloha, rizeni, z.TypHry != thNormalni, false, dvePoradi);
            const TReseni obe = DejReseni(uloha);
            const bool presla = rizeni.PocetPozic.load() > rozpocet;
            poPrechodu += presla;
            rozhodnutoPoPrechodu += presla && obe.Stav != TVysledekHledani::Preruseno;
            if (obe.Stav == TVysledekHledani::Preruseno)
                continue;
            EXPECT_EQ(TestReseni::Stav(obe.Stav), ref->Stav);
            if (obe.Stav == TVysledekHledani::Nalezeno)
                TestReseni::PrehrajReseni(z, deska, obe);
        }
    }
    EXPECT_GT(poPrechodu, desek / 8) << rozhodnutoPoPrechodu;
    EXPECT_GT(rozhodnutoPoPrechodu, desek / 8) << poPrechodu;
    // Every path must be exercised: solutions mapped back from images,
    // searches cut by the bound, both outcomes.
    EXPECT_GT(zObrazu, desek / 40) << nalezeno << " " << neexistuje << " " << vycerpano;
    EXPECT_GT(vycerpano, desek / 8);
    EXPECT_GT(nalezeno, desek / 4);
    EXPECT_GT(neexistuje, desek / 4);
}
