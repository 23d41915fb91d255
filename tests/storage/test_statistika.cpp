// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics per board: what the session reports of the games played,
// the win summary it hands the window, and the group in the settings file
// that survives a restart and merges with other games running beside.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "KavirelRelace.h"
#include "KavirelStatistika.h"
#include "KreslenaDeska.h"

namespace {

// The settings file as the window hands it over: text values by key.
class TMapa final : public TUlozisteKlicu {
public:
    std::map<std::string, std::string> Hodnoty;

    bool Cti(const std::string& klic, std::string& hodnota) const override
    {
        const auto i = Hodnoty.find(klic);
        if (i == Hodnoty.end())
            return false;
        hodnota = i->second;
        return true;
    }
    void Zapis(const std::string& klic, const std::string& hodnota) override { Hodnoty[klic] = hodnota; }
    void OdstranSkupinu(const std::string& skupina) override
    {
        for (auto i = Hodnoty.begin(); i != Hodnoty.end();)
            i = i->first.compare(0, skupina.size() + 1, skupina + "/") == 0 ? Hodnoty.erase(i) : std::next(i);
    }
};

// Won in one move (the landed stone jumps on) or in two (the other stone
// finishes): (0,1) over (1,1) to (2,1), then (2,1) to (2,3) or (2,2) to (2,0).
TZaznamDesky DvaZpusoby()
{
    TZaznamDesky z = Nakresli({"..o", "xxo", "..x", "..o"});
    NastavNazev(z, "Dv\xEC cesty");
    return z;
}

struct TKrok {
    int X, Y;
};

// Presses in order; the answer of the last.
TVysledekAkce Stiskni(TRelaceHry& relace, std::initializer_list<TKrok> kroky)
{
    TVysledekAkce v;
    for (const TKrok& k : kroky)
        v = relace.Stisk({k.X, k.Y});
    return v;
}

const std::initializer_list<TKrok> JednimTahem = {{0, 1}, {2, 1}, {2, 3}};
const std::initializer_list<TKrok> DvemaTahy = {{0, 1}, {2, 1}, {2, 2}, {2, 0}};

} // namespace

// Game after game on one board: the summary of each win and the counts.
TEST(Statistika, VyhraPresRelaci)
{
    std::int64_t cas = 1000;
    TStatistiky statistiky([&cas] { return cas; });
    TRelaceHry relace;
    relace.Hra().NastavEvidenci(&statistiky);
    relace.Hra().NovaHra(DvaZpusoby());
    const std::string deska = IdentitaZaznamu(DvaZpusoby());

    const struct {
        std::initializer_list<TKrok> Kroky;
        std::int32_t Tahu, Nejlepe, Drivejsi;
        bool Novy;
    } hry[] = {
        {DvemaTahy, 2, 2, 0, true},
        {DvemaTahy, 2, 2, 2, false},
        {JednimTahem, 1, 1, 2, true},
        {DvemaTahy, 2, 1, 1, false},
    };
    std::int32_t n = 0;
    for (const auto& h : hry) {
        ++n;
        cas += 10;
        const TVysledekAkce v = Stiskni(relace, h.Kroky);
        ASSERT_TRUE(v.DosazenCil()) << n;
        ASSERT_TRUE(v.MaVyhru) << n;
        EXPECT_EQ(v.Vyhra.Tahu, h.Tahu) << n;
        EXPECT_EQ(v.Vyhra.Tahu, v.Stav.Tahu) << n;
        EXPECT_EQ(v.Vyhra.Nejlepe, h.Nejlepe) << n;
        EXPECT_EQ(v.Vyhra.DrivejsiNejlepe, h.Drivejsi) << n;
        EXPECT_EQ(v.Vyhra.NovyRekord(), h.Novy) << n;
        EXPECT_EQ(v.Vyhra.Her, n) << n;
        EXPECT_EQ(v.Vyhra.Vyher, n) << n;
        relace.Hra().ZnovuRozestavet();
    }

    // The last win taken back and played again is the same game: one win.
    Stiskni(relace, DvemaTahy);
    relace.KrokZpet();
    const TVysledekAkce znovu = relace.KrokVpred();
    ASSERT_TRUE(znovu.MaVyhru);
    EXPECT_EQ(znovu.Vyhra.Vyher, 5);
    EXPECT_EQ(znovu.Vyhra.Her, 5);

    // A game begun and left counts as a game; selecting a stone alone does not.
    relace.Hra().ZnovuRozestavet();
    Stiskni(relace, {{0, 1}});
    relace.Hra().ZnovuRozestavet();
    Stiskni(relace, {{0, 1}, {2, 1}});
    relace.Hra().ZnovuRozestavet();
    cas = 5000;
    // A change of type begins a game of its own.
    Stiskni(relace, {{0, 1}, {2, 1}});
    relace.ZmenTypHry(thLeibniz);
    const TStatistikaDesky* s = statistiky.Najdi(deska);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Her, 7);
    EXPECT_EQ(s->Vyher, 5);
    EXPECT_EQ(s->Nejlepe, 1);
    EXPECT_EQ(s->Naposledy, 5000);
    EXPECT_EQ(s->Nazev, "Dvě cesty");
}

// The window tells a win even without statistics; statistics given in the
// middle of a game count that game from its next jump.
TEST(Statistika, VyhraBezEvidenceAUprostredHry)
{
    TRelaceHry relace;
    relace.Hra().NovaHra(DvaZpusoby());
    const TVysledekAkce v = Stiskni(relace, JednimTahem);
    ASSERT_TRUE(v.MaVyhru);
    EXPECT_EQ(v.Vyhra.Tahu, 1);
    EXPECT_EQ(v.Vyhra.Nejlepe, 0);

    relace.Hra().ZnovuRozestavet();
    Stiskni(relace, {{0, 1}, {2, 1}});
    TStatistiky statistiky([] { return 1; });
    relace.Hra().NastavEvidenci(&statistiky);
    const TVysledekAkce w = Stiskni(relace, {{2, 3}});
    ASSERT_TRUE(w.MaVyhru);
    EXPECT_EQ(w.Vyhra.Her, 1);
    EXPECT_EQ(w.Vyhra.Vyher, 1);
    EXPECT_EQ(w.Vyhra.Nejlepe, 1);
}

// Two games read the same file, play and save one after the other: the
// counts add up, the best is the lesser, the date and name the later.
TEST(Statistika, DveHrySlucujiSoubor)
{
    TMapa soubor;
    soubor.Hodnoty["Barvy/Kamen"] = "#000000";
    TStatistiky a([] { return 100; }), b([] { return 200; });
    a.Nacti(soubor);
    b.Nacti(soubor);
    TZaznamDesky z = DvaZpusoby();
    a.HraZacala(z);
    a.Vyhra(z, 2, true);
    a.HraZacala(z);
    NastavNazev(z, "Jinak");
    b.HraZacala(z);
    b.Vyhra(z, 1, true);
    // The same drawing in the other game type is another board, never won.
    const TZaznamDesky leibniz = Nakresli({"..o", "xxo", "..x", "..o"}, thLeibniz);
    b.HraZacala(leibniz);
    a.Uloz(soubor);
    b.Uloz(soubor);
    // Saved twice: the second save adds nothing more, and leaves the file as it was.
    const auto pred = soubor.Hodnoty;
    a.Uloz(soubor);
    b.Uloz(soubor);
    EXPECT_EQ(soubor.Hodnoty, pred);

    TStatistiky c;
    EXPECT_EQ(c.Nacti(soubor), 0);
    ASSERT_EQ(c.Desky().size(), 2u);
    const TStatistikaDesky* l = c.Najdi(IdentitaZaznamu(leibniz));
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Her, 1);
    EXPECT_EQ(l->Vyher, 0);
    EXPECT_EQ(l->Nejlepe, 0);
    ASSERT_NE(c.Najdi(IdentitaZaznamu(z)), nullptr);
    const TStatistikaDesky& d = *c.Najdi(IdentitaZaznamu(z));
    EXPECT_EQ(d.Her, 3);
    EXPECT_EQ(d.Vyher, 2);
    EXPECT_EQ(d.Nejlepe, 1);
    EXPECT_EQ(d.Naposledy, 200);
    EXPECT_EQ(d.Nazev, "Jinak");
    EXPECT_EQ(soubor.Hodnoty["Barvy/Kamen"], "#000000");
    // What the other game saved is seen by the one that saved first.
    EXPECT_EQ(a.Najdi(d.Deska)->Her, 3);
}

// A damaged entry is left out and counted; the next save rewrites the group
// without it and keeps the good ones.
TEST(Statistika, PoskozeneZaznamy)
{
    const std::string deska = IdentitaZaznamu(DvaZpusoby());
    const struct {
        const char* Klic;
        std::string Hodnota;
    } vady[] = {
        {"Deska", "xo"},
        {"Deska", std::string(81, 'x') + "2"},
        {"Deska", std::string(81, 'q') + "0"},
        {"Her", "-1"},
        {"Her", "01"},
        {"Her", "99999999999"},
        {"Her", ""},
        {"Vyher", "5"},
        {"Nejlepe", "0"},
        {"Nejlepe", "82"},
        {"Naposledy", "1e9"},
        {"Nazev", "\x01"},  // missing: no value at all
        {"Deska", deska},   // the same board twice
    };
    for (const auto& v : vady) {
        TMapa soubor;
        auto zapis = [&soubor](int i, const std::string& d) {
            const std::string k = "Statistika/" + std::to_string(i) + "/";
            soubor.Hodnoty[k + "Deska"] = d;
            soubor.Hodnoty[k + "Nazev"] = "N";
            soubor.Hodnoty[k + "Her"] = "4";
            soubor.Hodnoty[k + "Vyher"] = "2";
            soubor.Hodnoty[k + "Nejlepe"] = "7";
            soubor.Hodnoty[k + "Naposledy"] = "123";
        };
        zapis(1, deska);
        zapis(2, IdentitaZaznamu(Nakresli({"xxo"})));
        soubor.Hodnoty["Statistika/size"] = "2";
        const std::string klic = std::string("Statistika/2/") + v.Klic;
        if (v.Hodnota == "\x01")
            soubor.Hodnoty.erase(klic);
        else
            soubor.Hodnoty[klic] = v.Hodnota;

        TStatistiky s;
        EXPECT_EQ(s.Nacti(soubor), 1) << v.Klic << "=" << v.Hodnota;
        ASSERT_EQ(s.Desky().size(), 1u) << v.Klic << "=" << v.Hodnota;
        EXPECT_EQ(s.Desky()[0].Her, 4);
        s.Uloz(soubor);
        EXPECT_EQ(soubor.Hodnoty["Statistika/size"], "1");
        EXPECT_EQ(soubor.Hodnoty.count("Statistika/2/Deska"), 0u);
        TStatistiky znovu;
        EXPECT_EQ(znovu.Nacti(soubor), 0);
        EXPECT_EQ(znovu.Desky().size(), 1u);
    }

    // A count beyond any file the game writes.
    TMapa soubor;
    soubor.Hodnoty["Statistika/size"] = "4000000000";
    TStatistiky s;
    EXPECT_EQ(s.Nacti(soubor), 1);
    EXPECT_TRUE(s.Desky().empty());
}
