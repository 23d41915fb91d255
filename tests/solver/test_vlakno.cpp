// SPDX-License-Identifier: GPL-3.0-or-later
// The job facility: the worker thread, the completion on the user-interface
// thread (here the test's own thread, which drains the posted calls), stop,
// restart and shutdown. Jobs side by side are the service's own test
// (test_sluzba.cpp).
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "PomocneDesky.h"

using namespace TestReseni;
using namespace std::chrono_literals;
using THodiny = std::chrono::steady_clock;

namespace {

// Waits are guards against a hang, not bounds on the search: generous
// enough for an instrumented build on a busy machine.
constexpr auto Straz = 120s;

// The calls posted to the "user-interface thread".
class TFronta {
public:
    void Vloz(std::function<void()> f)
    {
        {
            std::lock_guard<std::mutex> z(Zamek);
            Volani.push_back(std::move(f));
        }
        Podminka.notify_all();
    }

    // Waits for a call and takes it out without running it.
    std::function<void()> Cekej(THodiny::duration dobu)
    {
        std::unique_lock<std::mutex> z(Zamek);
        if (!Podminka.wait_for(z, dobu, [this] { return !Volani.empty(); }))
            return nullptr;
        std::function<void()> f = std::move(Volani.front());
        Volani.pop_front();
        return f;
    }

private:
    std::mutex Zamek;
    std::condition_variable Podminka;
    std::deque<std::function<void()>> Volani;
};

// Waits until the running job has counted more than `mez` positions.
bool CekejNaPozice(std::uint64_t mez)
{
    const auto konec = THodiny::now() + Straz;
    while (DejPocetPozic() <= mez) {
        if (THodiny::now() > konec)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

class VlaknoReseni : public ::testing::Test {
protected:
    TFronta Fronta;

    void SetUp() override
    {
        NastavLimitPameti(64u << 20);
        NastavVolaniNaHlavnimVlakne([this](std::function<void()> f) { Fronta.Vloz(std::move(f)); });
    }
    void TearDown() override
    {
        UkonciReseni();
        // Nothing may reach this fixture's queue after it is gone.
        NastavVolaniNaHlavnimVlakne([](std::function<void()>) {});
        NastavLimitPameti(0);
    }

    static void Priprav(TSolveDeska& d, const TZaznamDesky& z, std::uint8_t zpusob)
    {
        d.Nastav(z);
        d.ZpusobHledani = zpusob;
        d.StavReseni = zpusob ? "Vyhledávám nejkratší řešení..." : "Vyhledávám nejrychlejší řešení...";
        d.Reseni.Vymaz();
    }
};

TEST_F(VlaknoReseni, PredaniProbehneAzNaHlavnimVlakne)
{
    TSolveDeska deska;
    Priprav(deska, Vestavena(7), zhNejrychlejsi);  // Kříž
    int volano = 0;
    bool probihaVObsluze = true;
    std::string stavVObsluze;
    ASSERT_TRUE(SpustReseni(deska, [&] {
        ++volano;
        probihaVObsluze = ProbihaReseni();
        stavVObsluze = deska.StavReseni;
    }));
    EXPECT_TRUE(ProbihaReseni());
    EXPECT_FALSE(SpustReseni(deska, [] {}));  // a second job is refused

    std::function<void()> f = Fronta.Cekej(Straz);
    ASSERT_TRUE(f);
    // The worker has finished, but the board is untouched until the call runs.
    EXPECT_EQ(deska.StavReseni, "Vyhledávám nejrychlejší řešení...");
    EXPECT_FALSE(deska.Reseni.JeReseni());
    EXPECT_TRUE(ProbihaReseni());
    f();
    EXPECT_EQ(volano, 1);
    EXPECT_FALSE(probihaVObsluze);
    EXPECT_EQ(stavVObsluze, "Řešení nalezeno");
    EXPECT_FALSE(ProbihaReseni());

    // The same solution as the plain search, in the board's solution list.
    const Referencni::TVysledek ref = Referencni::Vyres(deska, false);
    std::vector<Referencni::TPar> predano;
    for (std::int32_t i = 1; i <= deska.Reseni.DejPocet(); ++i)
        predano.push_back({deska.Reseni.Skok(i).CisloOdkud, deska.Reseni.Skok(i).CisloKam});
    EXPECT_EQ(Text(predano), Text(ref.Skoky));
    EXPECT_GT(DejPocetPozic(), 0u);

    PrerusReseni();  // after the end: nothing
    EXPECT_FALSE(ProbihaReseni());
    EXPECT_FALSE(Fronta.Cekej(50ms));
}

struct TDlouhe {
    TZaznamDesky Deska;
    std::uint8_t Zpusob;
};

// Searches stopped in every phase: before the first position, in the search
// without tables, while the levels are built and in the search proper. Each
// ends as stopped, "přerušeno" winning over a solution already recorded
// (the English board records some early and searches more than four times
// the positions waited for), and the facility takes the next job. The
// minimum mode is stopped while its two balls grow.
TEST_F(VlaknoReseni, ZastaveniVKazdeFazi)
{
    const TDlouhe dlouhe[] = {
        {Nekonecna(thNormalni), zhNejrychlejsi},
        {Nekonecna(thNormalni), zhNejkratsi},
        {Nekonecna(thLeibniz), zhNejrychlejsi},
        {Nekonecna(thLeibniz), zhNejkratsi},
        {Vestavena(1), zhNejkratsi},
        {Nekonecna(thNormalni), zhNejmene},
        {Nekonecna(thLeibniz), zhNejmene},
    };
    for (const TDlouhe& p : dlouhe) {
        for (std::uint64_t po : {std::uint64_t(0), std::uint64_t(20'000), std::uint64_t(150'000),
                                 std::uint64_t(400'000)}) {
            SCOPED_TRACE(po);
            TSolveDeska deska;
            Priprav(deska, p.Deska, p.Zpusob);
            bool hotovo = false;
            ASSERT_TRUE(SpustReseni(deska, [&] { hotovo = true; }));
            // The count moves while the search runs, not only at its end.
            if (po != 0) {
                ASSERT_TRUE(CekejNaPozice(po));
            }
            EXPECT_FALSE(Fronta.Cekej(0ms));  // still searching, nothing posted yet
            const std::uint64_t pozic = DejPocetPozic();
            PrerusReseni();
            std::function<void()> f = Fronta.Cekej(Straz);
            ASSERT_TRUE(f);
            f();
            EXPECT_TRUE(hotovo);
            EXPECT_GE(DejPocetPozic(), pozic);
            EXPECT_FALSE(ProbihaReseni());
            EXPECT_EQ(deska.StavReseni, "Řešení přerušeno uživatelem");
            EXPECT_FALSE(deska.Reseni.JeReseni());
        }
    }

    TSolveDeska deska;
    Priprav(deska, Vestavena(9), zhNejkratsi);  // Plus
    ASSERT_TRUE(SpustReseni(deska, [] {}));
    std::function<void()> f = Fronta.Cekej(Straz);
    ASSERT_TRUE(f);
    f();
    EXPECT_EQ(deska.StavReseni, "Řešení nalezeno");
    EXPECT_TRUE(deska.Reseni.JeReseni());
}

// A completion of an older job never ends a newer one.
TEST_F(VlaknoReseni, ZastaraleDokonceniNeukonciNovouUlohu)
{
    TSolveDeska prvni, druha;
    Priprav(prvni, Vestavena(10), zhNejrychlejsi);  // Křížek, quick
    int volanoPrvni = 0, volanoDruhe = 0;
    ASSERT_TRUE(SpustReseni(prvni, [&] { ++volanoPrvni; }));
    std::function<void()> stare = Fronta.Cekej(Straz);
    ASSERT_TRUE(stare);
    UkonciReseni();  // drops the completion on its way
    EXPECT_FALSE(ProbihaReseni());

    Priprav(druha, Nekonecna(thLeibniz), zhNejkratsi);
    ASSERT_TRUE(SpustReseni(druha, [&] { ++volanoDruhe; }));
    stare();
    EXPECT_TRUE(ProbihaReseni());
    EXPECT_EQ(volanoPrvni, 0);
    EXPECT_EQ(prvni.StavReseni, "Vyhledávám nejrychlejší řešení...");
    EXPECT_EQ(druha.StavReseni, "Vyhledávám nejkratší řešení...");

    PrerusReseni();
    std::function<void()> f = Fronta.Cekej(Straz);
    ASSERT_TRUE(f);
    f();
    EXPECT_EQ(volanoDruhe, 1);
    EXPECT_FALSE(ProbihaReseni());
    EXPECT_EQ(druha.StavReseni, "Řešení přerušeno uživatelem");
}

// Shutting down during a search stops and joins the worker; the board and
// the handler may be destroyed right after, and a call still delivered later
// touches neither.
TEST_F(VlaknoReseni, UkonceniBehemHledani)
{
    for (int opakovani = 0; opakovani < 3; ++opakovani) {
        auto deska = std::make_unique<TSolveDeska>();
        Priprav(*deska, Nekonecna(opakovani == 1 ? thLeibniz : thNormalni),
                opakovani == 2 ? zhNejkratsi : zhNejrychlejsi);
        auto volano = std::make_shared<int>(0);
        ASSERT_TRUE(SpustReseni(*deska, [volano] { ++*volano; }));
        ASSERT_TRUE(CekejNaPozice(std::uint64_t(60'000) * static_cast<std::uint64_t>(opakovani)));
        UkonciReseni();
        EXPECT_FALSE(ProbihaReseni());
        deska.reset();
        // The worker posted its completion before it was joined, if at all.
        if (std::function<void()> f = Fronta.Cekej(0ms))
            f();
        EXPECT_EQ(*volano, 0);
        EXPECT_FALSE(ProbihaReseni());
    }
    UkonciReseni();  // idempotent
}

TEST_F(VlaknoReseni, BezNosiceVolaniNelzeSpustit)
{
    NastavVolaniNaHlavnimVlakne(nullptr);
    TSolveDeska deska;
    Priprav(deska, Vestavena(10), zhNejrychlejsi);
    EXPECT_THROW(SpustReseni(deska, [] {}), EAssertionFailed);
    EXPECT_FALSE(ProbihaReseni());
}

}  // namespace
