// SPDX-License-Identifier: GPL-3.0-or-later
// The solver service: jobs side by side, each completion once and on the
// owner's thread, progress, stop, and the end of the service while its jobs
// still search.
#include <chrono>
#include <map>
#include <memory>
#include <thread>

#include "KavirelRada.h"
#include "KavirelSluzba.h"
#include "PomocneDesky.h"

using namespace TestReseni;
using namespace std::chrono_literals;
using THodiny = std::chrono::steady_clock;

namespace {

// Waits guard against a hang; they bound nothing the search does.
constexpr auto Straz = 120s;

TPozadavek Pozadavek(const TZaznamDesky& z, std::uint8_t zpusob)
{
    TPozadavek p;
    p.Deska = z;
    p.Zpusob = zpusob;
    p.LimitPameti = std::size_t(64) << 20;
    return p;
}

// Runs the posted calls until `hotovo` holds.
template <class F>
bool Zpracuj(TFrontaVolani& fronta, F&& hotovo)
{
    const auto konec = THodiny::now() + Straz;
    while (!hotovo()) {
        if (THodiny::now() > konec)
            return false;
        fronta.Zpracuj(THodiny::now() + 10ms);
    }
    return true;
}

std::string Popis(const TVysledekUlohy& v)
{
    static const char* const konce[] = {"nalezeno", "neexistuje", "preruseno", "chyba"};
    std::string t = konce[static_cast<int>(v.Konec)];
    for (const TSkokCesty& s : v.Skoky)
        t += " " + std::to_string(s.CisloOdkud) + "-" + std::to_string(s.CisloKam);
    return t;
}

// Jobs of every mode run side by side on one service; each completion runs
// once, on the owner's thread, with what the same request gives when run on
// the spot, and none before its search has ended.
TEST(SluzbaReseni, SouberneUlohyKazdaDokoncenaJednou)
{
    struct TPripad {
        TZaznamDesky Deska;
        std::uint8_t Zpusob;
    };
    const std::vector<TPripad> pripady = {
        {Vestavena(7), zhNejrychlejsi}, {Vestavena(7), zhNejkratsi}, {Vestavena(9), zhRada},
        {Vestavena(13), zhNejrychlejsi}, {Vestavena(6), zhNejkratsi}, {Vestavena(17), zhRada},
        {Deska({"Xoo"}, thLeibniz), zhNejkratsi}, {Deska({"...", ".x.", "..o"}), zhRada},
        {Vestavena(6), zhNejmene}, {Vestavena(13), zhNejmene}, {Deska({"Xoo"}, thLeibniz), zhNejmene},
    };
    TFrontaVolani fronta;
    TSluzbaReseni sluzba(fronta.Posta());
    const std::thread::id vlastnik = std::this_thread::get_id();
    std::map<std::uint64_t, std::size_t> ulohy;
    std::map<std::uint64_t, int> dokonceni;
    std::vector<TVysledekUlohy> vysledky(pripady.size());
    for (std::size_t i = 0; i < pripady.size(); ++i) {
        const std::uint64_t id = sluzba.Spust(Pozadavek(pripady[i].Deska, pripady[i].Zpusob),
                                              [&, i](const TVysledekUlohy& v) {
                                                  EXPECT_EQ(std::this_thread::get_id(), vlastnik);
                                                  EXPECT_FALSE(sluzba.Bezi(v.Id));
                                                  ++dokonceni[v.Id];
                                                  vysledky[i] = v;
                                              });
        EXPECT_NE(id, 0u);
        EXPECT_EQ(ulohy.count(id), 0u);
        ulohy[id] = i;
        EXPECT_TRUE(sluzba.Bezi(id));
    }
    ASSERT_TRUE(Zpracuj(fronta, [&] { return dokonceni.size() == pripady.size(); }));
    EXPECT_FALSE(sluzba.Bezi());
    EXPECT_FALSE(fronta.Zpracuj(THodiny::now() + 20ms));  // nothing more comes
    for (const auto& [id, i] : ulohy) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dokonceni[id], 1);
        EXPECT_EQ(vysledky[i].Id, id);
        EXPECT_EQ(sluzba.DejPrubeh(id).Pozic, 0u);  // an ended job is gone
        TRizeniHledani rizeni;
        const TVysledekUlohy hned = VyresPozadavek(Pozadavek(pripady[i].Deska, pripady[i].Zpusob), rizeni);
        EXPECT_EQ(Popis(vysledky[i]), Popis(hned));
        EXPECT_EQ(vysledky[i].SkokuPrvnihoTahu, hned.SkokuPrvnihoTahu);
        EXPECT_GE(vysledky[i].Milisekund, 0.0);
    }
}

// A job's count rises while it searches; a stop ends it as stopped, with no
// fewer positions than were seen, whatever phase it is in; another job on
// the same service goes on and is stopped on its own.
TEST(SluzbaReseni, PrubehAZastaveni)
{
    for (std::uint8_t zpusob : {zhNejrychlejsi, zhNejkratsi, zhNejmene, zhRada}) {
        for (std::uint64_t po : {std::uint64_t(0), std::uint64_t(150'000)}) {
            SCOPED_TRACE(std::to_string(zpusob) + " po " + std::to_string(po));
            TFrontaVolani fronta;
            TSluzbaReseni sluzba(fronta.Posta());
            std::vector<TVysledekUlohy> konce;
            auto dokonceni = [&](const TVysledekUlohy& v) { konce.push_back(v); };
            const std::uint64_t a = sluzba.Spust(Pozadavek(Nekonecna(thNormalni), zpusob), dokonceni);
            const std::uint64_t b = sluzba.Spust(Pozadavek(Nekonecna(thLeibniz), zpusob), dokonceni);
            const auto konec = THodiny::now() + Straz;
            while (sluzba.DejPrubeh(a).Pozic < po && THodiny::now() < konec)
                std::this_thread::sleep_for(1ms);
            const std::uint64_t videno = sluzba.DejPrubeh(a).Pozic;
            ASSERT_GE(videno, po);
            EXPECT_GE(sluzba.DejPrubeh(a).Milisekund, 0.0);
            sluzba.Zastav(a);
            ASSERT_TRUE(Zpracuj(fronta, [&] { return !konce.empty(); }));
            ASSERT_EQ(konce.size(), 1u);
            EXPECT_EQ(konce[0].Id, a);
            EXPECT_EQ(konce[0].Konec, TKonecUlohy::Preruseno);
            EXPECT_GE(konce[0].Pozic, videno);
            EXPECT_TRUE(konce[0].Skoky.empty());
            EXPECT_TRUE(sluzba.Bezi(b));
            sluzba.Zastav(a);  // ended already: nothing
            sluzba.Zastav(b);
            ASSERT_TRUE(Zpracuj(fronta, [&] { return konce.size() == 2; }));
            EXPECT_EQ(konce[1].Id, b);
            EXPECT_EQ(konce[1].Konec, TKonecUlohy::Preruseno);
        }
    }
}

// The service goes while its jobs search, or after they have posted their
// completions: the workers are joined, and no completion runs afterwards,
// not even one already queued. Ukonci does the same and keeps the service.
TEST(SluzbaReseni, KonecSluzbyBehemHledani)
{
    TFrontaVolani fronta;
    auto volano = std::make_shared<int>(0);
    for (int opakovani = 0; opakovani < 3; ++opakovani) {
        auto sluzba = std::make_unique<TSluzbaReseni>(fronta.Posta());
        for (std::uint8_t zpusob : {zhNejrychlejsi, zhNejkratsi, zhNejmene, zhRada})
            sluzba->Spust(Pozadavek(Nekonecna(opakovani == 1 ? thLeibniz : thNormalni), zpusob),
                          [volano](const TVysledekUlohy&) { ++*volano; });
        // A quick job that has surely posted its completion before the end.
        bool rychla = false;
        sluzba->Spust(Pozadavek(Vestavena(10), zhRada), [&rychla](const TVysledekUlohy&) { rychla = true; });
        if (opakovani == 2) {
            std::this_thread::sleep_for(50ms);
            sluzba->Ukonci();
            EXPECT_FALSE(sluzba->Bezi());
            bool nova = false;
            sluzba->Spust(Pozadavek(Vestavena(9), zhNejrychlejsi), [&nova](const TVysledekUlohy&) { nova = true; });
            ASSERT_TRUE(Zpracuj(fronta, [&] { return nova; }));
        }
        sluzba.reset();
        fronta.Zpracuj(THodiny::now() + 20ms);
        EXPECT_EQ(*volano, 0);
        EXPECT_FALSE(rychla);
    }
}

}  // namespace
