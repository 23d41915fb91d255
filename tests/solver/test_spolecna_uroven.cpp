// SPDX-License-Identifier: GPL-3.0-or-later
// The backward levels built by their own thread while another thread lends
// a hand must be the levels one thread builds: the same positions on every
// level, whichever thread stepped back from which piece, and whatever set
// had to grow on the way.
#include <atomic>
#include <cstring>

#include "KavirelPozice.h"
#include "KavirelUrovne.h"
#include "PomocneDesky.h"

using namespace TestReseni;

namespace {

using K = std::uint64_t;

struct TDeskaUrovni {
    TUlohaReseni Uloha;
    KavirelHledani::TModel<K> M;
    KavirelHledani::TSymetrie<K> Sym;

    TDeskaUrovni(const TZaznamDesky& z)
    {
        TSolveDeska deska;
        deska.Nastav(z);
        PripravUlohu(Uloha, deska);
        KavirelHledani::SestavModel(Uloha, z.TypHry != thNormalni, M);
        KavirelHledani::NajdiSymetrie(M, Sym);
    }
};

// Levels up to `hloubka` from the goals of d, in an arena of `bajtu`.
void Zacni(KavirelHledani::TUrovne<K>& u, const TDeskaUrovni& d, bool leibniz, int hloubka, std::size_t bajtu)
{
    ASSERT_TRUE(u.VyctiCile(leibniz));
    ASSERT_FALSE(u.VyradCileJineParity(d.M.S0));
    u.Zacni(bajtu, hloubka);
}

bool StejnyFiltr(const KavirelHledani::TFiltr& a, const KavirelHledani::TFiltr& b)
{
    return a.Pocet == b.Pocet && a.Bloku == b.Bloku && std::memcmp(a.Slova, b.Slova, a.Bloku * 64) == 0;
}

TEST(SpolecnaUroven, SPomocnikemTytezUrovneJakoSamo)
{
    struct TPripad {
        const char* Nazev;
        TZaznamDesky Deska;
        int Hloubka;
    };
    TZaznamDesky leibniz = Vestavena(1);
    leibniz.TypHry = thLeibniz;
    const TPripad pripady[] = {
        {"board 15", Vestavena(15), 11},
        {"board 12", Vestavena(12), 9},
        {"English board, Leibniz game", leibniz, 9},
    };
    std::size_t pomoci = 0;
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        const bool jeLeibniz = p.Deska.TypHry != thNormalni;
        const TDeskaUrovni d(p.Deska);
        std::atomic<bool> zastavit{false};
        const std::size_t arena = std::size_t(256) << 20;

        // One thread: the levels built in turn, as a search without the
        // second thread would ask for them.
        KavirelHledani::TUrovne<K> sama(d.M, d.Sym, zastavit);
        Zacni(sama, d, jeLeibniz, p.Hloubka, arena);
        for (std::size_t pred = 0; sama.Pocet() != pred;) {
            pred = sama.Pocet();
            sama.PostavPodlePrace(1, 0);
        }
        ASSERT_EQ(sama.Pocet(), static_cast<std::size_t>(p.Hloubka) + 1);

        // Their own thread, and this one helping for as long as it takes.
        KavirelHledani::TUrovne<K> spolu(d.M, d.Sym, zastavit);
        Zacni(spolu, d, jeLeibniz, p.Hloubka, arena);
        spolu.StavejNaPozadi();
        while (spolu.Pocet() < sama.Pocet())
            pomoci += spolu.Pomoz(zastavit);
        spolu.Ukonci();
        spolu.PredejChybu();

        for (std::size_t j = 0; j < sama.Pocet(); ++j)
            EXPECT_TRUE(StejnyFiltr(sama.Filtr(j), spolu.Filtr(j))) << "level " << j;
    }
    // Not one piece taken by the helper would leave the shared building
    // untested (on one core the builder may well take them all).
    if (std::thread::hardware_concurrency() > 1) {
        EXPECT_GT(pomoci, 0u);
    }
}

}  // namespace
