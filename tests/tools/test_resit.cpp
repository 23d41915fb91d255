// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line solver, run as a program: its output, exit status and
// refusals, against the solver library it is built on.
#include <string>
#include <vector>

#include "SpousteniNastroju.h"

using namespace TestNastroju;

namespace {

using Resit = Nastroje;

TEST_F(Resit, VysledkyJakoKnihovna)
{
    struct TPripad {
        const char* Nazev;
        TZaznamDesky Deska;
        bool Katalog;  // the board is number CisloVKatalogu of the catalogue file
        int CisloVKatalogu;
        std::uint8_t Zpusob;
        int Kod;
    };
    const std::vector<TPripad> pripady = {
        {"Kříž", Vestavena(7), false, 0, zhNejrychlejsi, 0},
        {"Kříž nejkratší", Vestavena(7), false, 0, zhNejkratsi, 0},
        {"Křížek z katalogu", Vestavena(10), true, 10, zhNejkratsi, 0},
        {"Pohár z katalogu", Vestavena(13), true, 13, zhNejrychlejsi, 1},
        {"Leibniz, jeden skok", Deska({"Xoo"}, thLeibniz), false, 0, zhNejrychlejsi, 0},
        {"už vyřešená", Deska({"...", ".x.", "..o"}), false, 0, zhNejkratsi, 0},
        {"bez polí", Deska({}), false, 0, zhNejrychlejsi, 1},
    };
    const fs::path katalog = Zapis("Kavirel.dat", StandardniZaznamy());
    for (const TPripad& p : pripady) {
        std::vector<std::string> argumenty;
        if (p.Zpusob == zhNejkratsi)
            argumenty.push_back("--nejkratsi");
        if (p.Katalog) {
            argumenty.push_back("--deska");
            argumenty.push_back(std::to_string(p.CisloVKatalogu));
            argumenty.push_back(katalog.string());
        } else {
            argumenty.push_back(Zapis("deska.kav", {p.Deska}).string());
        }
        const TBeh b = Spust(argumenty);
        EXPECT_EQ(b.Kod, p.Kod) << p.Nazev << "\n" << b.Chyby;
        EXPECT_EQ(b.Vystup, OcekavanyVystup(p.Deska, p.Zpusob)) << p.Nazev;
        EXPECT_EQ(b.Chyby, "") << p.Nazev;
    }
}

TEST_F(Resit, UzVyresenaDeskaMaPrazdnyRadekSkoku)
{
    const TBeh b = Spust({Zapis("jeden.kav", {Deska({"o", "x"})}).string()});
    EXPECT_EQ(b.Kod, 0);
    EXPECT_EQ(b.Vystup, "Řešení nalezeno\nPotřebných tahů: 0\n\n");
}

TEST_F(Resit, LimitZastaviHledani)
{
    const fs::path e = Zapis("e.kav", {Vestavena(12)});  // Tiskací E, long in the shortest mode
    const TBeh b = Spust({"--nejkratsi", "--limit", "0.2", e.string()});
    EXPECT_EQ(b.Kod, 3);
    EXPECT_EQ(b.Vystup, "Řešení přerušeno uživatelem\n");
}

TEST_F(Resit, StatistikaNaChybovyVystup)
{
    const TBeh b = Spust({"--statistika", Zapis("kriz.kav", {Vestavena(7)}).string()});
    EXPECT_EQ(b.Kod, 0);
    // std::regex trips GCC's uninitialised-use warning in sanitizer builds.
    unsigned long long pozic = 0, ms = 0;
    int precteno = 0;
    ASSERT_EQ(std::sscanf(b.Chyby.c_str(), "Prohledaných pozic: %llu\nDoba hledání: %llu ms\n%n", &pozic, &ms,
                          &precteno),
              2)
        << b.Chyby;
    EXPECT_EQ(static_cast<std::size_t>(precteno), b.Chyby.size()) << b.Chyby;
    EXPECT_GT(pozic, 0u);
    EXPECT_EQ(b.Vystup, OcekavanyVystup(Vestavena(7), zhNejrychlejsi));
}

TEST_F(Resit, NepouzitelneArgumentyASoubory)
{
    const std::string dobry = Zapis("dobry.kav", {Vestavena(10)}).string();
    const std::string katalog = Zapis("Kavirel.dat", StandardniZaznamy()).string();
    std::ofstream(Adresar / "kratky.kav") << std::string(100, '\x01');
    TZaznamDesky cizi = Vestavena(10);
    cizi.Pole[4][4].Stav = static_cast<TStavPole>(7);
    const std::string neplatny = Zapis("neplatny.kav", {cizi}).string();

    const std::vector<std::vector<std::string>> pripady = {
        {},
        {"--rychle", dobry},
        {dobry, dobry},
        {(Adresar / "neni.kav").string()},
        {Adresar.string()},
        {(Adresar / "kratky.kav").string()},
        {neplatny},
        {"--deska", "0", katalog},
        {"--deska", "18", katalog},
        {"--deska", "x", katalog},
        {"--deska"},
        {"--limit", "abc", dobry},
        {"--limit", "-1", dobry},
        {dobry, "--limit"},
    };
    for (const auto& argumenty : pripady) {
        std::string popis;
        for (const std::string& a : argumenty)
            popis += a + " ";
        const TBeh b = Spust(argumenty);
        EXPECT_EQ(b.Kod, 2) << popis;
        EXPECT_EQ(b.Vystup, "") << popis;
        EXPECT_NE(b.Chyby, "") << popis;
    }
}

}  // namespace
