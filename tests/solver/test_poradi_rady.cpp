// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's own order (corners first) and its dives change which solution
// is found but never whether one is: with every table in use from the first
// position, they decide as the plain search does, and what they find plays
// legally to a goal.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "KavirelCil.h"
#include "BehPravidel.h"
#include "KavirelHledani.h"
#include "KavirelPoradiRady.h"
#include "KavirelPozice.h"
#include "KavirelRada.h"
#include "PomocneDesky.h"

using namespace TestReseni;

namespace {

TEST(PoradiRady, RohyNapredRozhodujeJakoProsteHledani)
{
    // The dives of few discrepancies leave subtrees unsearched: a subtree
    // they cut is not dead, and a round of dives that found nothing has not
    // proven anything. With no dive (-1) and with dives of at most 1 and 2
    // discrepancies before the full search, on one table. (Dives of none
    // alone would find what the plain order finds: its first path.)
    for (const int odchylek : {-1, 1, 2}) {
        SCOPED_TRACE(odchylek);
        KavirelHledani::TPravidla pravidla;
        pravidla.RohyNapred = true;
        pravidla.PozicBezTabulek = 0;
        pravidla.Odchylek = odchylek;
        // Within the levels every child that is not cut at once leads to a
        // goal, and the first dive cannot fail.
        pravidla.Urovne = odchylek < 0;
        KavirelHledani::TPravidla bezPonoru = pravidla;
        bezPonoru.Odchylek = -1;
        std::mt19937 gen(3131);
        const int desek = Instrumentovano ? 60 : 240;
        int nalezeno = 0, neexistuje = 0, jinak = 0;
        for (int i = 0; i < desek && !HasFailure(); ++i) {
            const TZaznamDesky z =
                i % 3 == 0 ? NahodnaDeska(gen) : i % 3 == 1 ? DeskaZpetnouHrou(gen) : VelkaRidkaDeska(gen);
            TSolveDeska deska;
            deska.Nastav(z);
            const std::optional<Referencni::TVysledek> ref = ProstyVysledek(deska);
            if (!ref)
                continue;
            SCOPED_TRACE(i);
            const TReseni r = VyresPravidly(deska, zhNejrychlejsi, pravidla, std::size_t(16) << 20).Reseni;
            ASSERT_EQ(static_cast<int>(Stav(r.Stav)), static_cast<int>(ref->Stav));
            if (r.Stav != TVysledekHledani::Nalezeno) {
                ++neexistuje;
                continue;
            }
            ++nalezeno;
            // Without dives the order must differ from the scan order; with
            // them the dives must find other solutions than the plain
            // corner order does.
            const std::string jiny = odchylek < 0 ? Text(ref->Skoky)
                                                  : Text(Pary(VyresPravidly(deska, zhNejrychlejsi, bezPonoru,
                                                                            std::size_t(16) << 20).Reseni.Skoky));
            jinak += Text(Pary(r.Skoky)) != jiny;
            PrehrajReseni(z, deska, r);
        }
        EXPECT_GT(nalezeno, desek / 8);
        EXPECT_GT(neexistuje, desek / 8);
        EXPECT_GT(jinak, 0);
    }
}

// The corner order's tie-break counts the jumps a group of them at a time,
// with shifts of the position; the order must still be that of the corners
// left, then of all the jumps that can be made after it, the most first,
// ties kept in the order given. A shift the wrong way, or a jumped field
// tested as in the other game, would rank by a wrong count.
TEST(PoradiRady, RohyNapredRadiPodlePoctuDalsichSkoku)
{
    struct TDite {
        std::uint16_t Skok;
    };
    std::mt19937 gen(5151);
    int porovnano = 0, seRozhodlo = 0;
    for (int i = 0; i < 120 && !HasFailure(); ++i) {
        const TZaznamDesky z = i % 2 == 0 ? NahodnaDeska(gen) : DeskaZpetnouHrou(gen);
        const bool leibniz = z.TypHry != thNormalni;
        TSolveDeska deska;
        deska.Nastav(z);
        TUlohaReseni u;
        PripravUlohu(u, deska);
        if (u.PocetPoli > 64)
            continue;
        KavirelHledani::TModel<std::uint64_t> m;
        KavirelHledani::SestavModel(u, leibniz, m);
        KavirelHledani::TZpetneSkoky<std::uint64_t> skupiny;
        KavirelHledani::SestavZpetneSkoky(m, skupiny);
        const auto skoku = [&m](std::uint64_t s) {
            int n = 0;
            for (const auto& t : m.Skoky)
                n += (s & t.Maska) == t.Nutne;
            return n;
        };
        for (int p = 0; p < 10; ++p) {
            const std::uint64_t s = gen() & m.Pole;
            std::vector<TDite> deti;
            for (std::size_t k = 0; k < m.Skoky.size(); ++k)
                if ((s & m.Skoky[k].Maska) == m.Skoky[k].Nutne)
                    deti.push_back(TDite{static_cast<std::uint16_t>(k)});
            std::shuffle(deti.begin(), deti.end(), gen);
            const auto klic = [&](const TDite& d) {
                const std::uint64_t dite = s ^ m.Skoky[d.Skok].Maska;
                const std::uint64_t rohy = m.Rohy & (leibniz ? ~dite : dite);
                return std::make_pair(__builtin_popcountll(rohy), -skoku(dite));
            };
            std::vector<TDite> cekane = deti;
            std::stable_sort(cekane.begin(), cekane.end(),
                             [&](const TDite& a, const TDite& b) { return klic(a) < klic(b); });
            if (leibniz)
                KavirelHledani::SeradPodleRohu<true>(m, skupiny, s, deti.data(), static_cast<int>(deti.size()));
            else
                KavirelHledani::SeradPodleRohu<false>(m, skupiny, s, deti.data(), static_cast<int>(deti.size()));
            SCOPED_TRACE(i);
            for (std::size_t j = 0; j < deti.size(); ++j)
                ASSERT_EQ(deti[j].Skok, cekane[j].Skok) << j;
            ++porovnano;
            for (std::size_t j = 1; j < cekane.size(); ++j)
                seRozhodlo += klic(cekane[j - 1]).first == klic(cekane[j]).first
                              && klic(cekane[j - 1]).second != klic(cekane[j]).second;
        }
    }
    // The count of jumps must have decided between children of equal corners.
    EXPECT_GT(porovnano, 500);
    EXPECT_GT(seRozhodlo, 100);
}

// Searched on the board itself with its jumps in an image's order, the
// fastest mode walks the tree that the search of the turned board walks, so
// it finds that search's first solution, mapped back, also where the image
// moves the target fields (the goals then differ, the first solution in the
// order does not). The hint's images rely on it to share the board's tables.
TEST(PoradiRady, PoradiObrazuNajdeReseniOtoceneDesky)
{
    std::mt19937 gen(4141);
    const int desek = Instrumentovano ? 40 : 150;
    int porovnano = 0, nalezeno = 0, sPosunutymCilem = 0;
    for (int i = 0; i < desek && !HasFailure(); ++i) {
        TZaznamDesky z = SymetrickaDeska(gen);
        if (i % 2 == 0)
            z.Pole[2 + std::uniform_int_distribution<int>(0, 2)(gen)][1].Cilove = 1;
        TSolveDeska deska;
        deska.Nastav(z);
        TUlohaReseni u;
        PripravUlohu(u, deska);
        TPozice pozice[KavirelHledani::MaxPoli];
        const int n = PoleUlohy(u, pozice);
        for (const std::vector<int>& perm : KavirelHledani::PrevodyPoli(n, pozice)) {
            TUlohaReseni obraz;
            if (!OtocUlohu(u, pozice, n, perm, obraz))
                continue;
            // Field numbers stay where they are: the image's field b is the
            // board's field a.
            std::uint8_t zpet[256] = {};
            bool posunutyCil = false;
            for (int j = 0; j < n; ++j) {
                const TPozice a = pozice[j], b = pozice[perm[static_cast<std::size_t>(j)]];
                zpet[u.PoleHledani[b.X][b.Y].Cislo] = u.PoleHledani[a.X][a.Y].Cislo;
                const bool cilA = u.PoleHledani[a.X][a.Y].Cilove != 0, cilB = u.PoleHledani[b.X][b.Y].Cilove != 0;
                posunutyCil = posunutyCil || cilA != cilB;
            }
            SCOPED_TRACE(i);
            const bool leibniz = z.TypHry != thNormalni;
            KavirelHledani::TPravidla pravidla;
            TRizeniHledani naObrazu, naDesce;
            KavirelHledani::Prohledej(obraz, naObrazu, leibniz, false, pravidla);
            pravidla.ObrazPoli.assign(perm.begin(), perm.end());
            TUlohaReseni vlastni = u;
            KavirelHledani::Prohledej(vlastni, naDesce, leibniz, false, pravidla);
            ASSERT_EQ(vlastni.Nalezeno, obraz.Nalezeno);
            for (int k = 0; k < DelkaCesty && obraz.Vysledek[k].CisloOdkud != 0; ++k) {
                ASSERT_EQ(vlastni.Vysledek[k].CisloOdkud, zpet[obraz.Vysledek[k].CisloOdkud]) << k;
                ASSERT_EQ(vlastni.Vysledek[k].CisloKam, zpet[obraz.Vysledek[k].CisloKam]) << k;
            }
            ++porovnano;
            nalezeno += obraz.Nalezeno;
            sPosunutymCilem += posunutyCil && obraz.Nalezeno;
        }
    }
    // Most of these boards have no solution; enough solutions must have
    // been compared jump for jump, some of them of moved targets.
    EXPECT_GE(nalezeno, 10) << porovnano;
    EXPECT_GT(sPosunutymCilem, 0);
}

}  // namespace
