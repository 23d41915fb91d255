// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line solver, run as a program: its output, exit status and
// refusals, against the solver library it is built on.
#include <string>
#include <vector>

#include "SpousteniNastroju.h"

using namespace TestNastroju;

namespace {

using Resit = Nastroje;

// Each board is written both as deska.kav and as -deska.kav; the options in
// their separate and their joined forms must mean the same.
TEST_F(Resit, VysledkyJakoKnihovna)
{
    struct TPripad {
        std::vector<std::string> Argumenty;
        TZaznamDesky Deska;
        std::uint8_t Zpusob;
        int Kod;
    };
    const std::vector<TPripad> pripady = {
        {{"deska.kav"}, Vestavena(7), zhNejrychlejsi, 0},
        {{"--nejkratsi", "deska.kav"}, Vestavena(7), zhNejkratsi, 0},
        {{"--nejkratsi", "--deska", "10", "Kavirel.dat"}, Vestavena(10), zhNejkratsi, 0},
        {{"--limit", "100", "--deska", "10", "Kavirel.dat"}, Vestavena(10), zhNejrychlejsi, 0},
        {{"--limit=100", "--deska=10", "Kavirel.dat"}, Vestavena(10), zhNejrychlejsi, 0},
        {{"--", "-deska.kav"}, Vestavena(10), zhNejrychlejsi, 0},
        {{"--deska", "13", "Kavirel.dat"}, Vestavena(13), zhNejrychlejsi, 1},
        {{"deska.kav"}, Deska({"Xoo"}, thLeibniz), zhNejrychlejsi, 0},
        {{"--nejkratsi", "deska.kav"}, Deska({"...", ".x.", "..o"}), zhNejkratsi, 0},  // solved already
        {{"deska.kav"}, Deska({}), zhNejrychlejsi, 1},
        // Smaragd: 8 moves at least, where the shortest mode hands over 11.
        {{"--nejmene", "--deska", "6", "Kavirel.dat"}, Vestavena(6), zhNejmene, 0},
        {{"--minimum", "--limit=100", "deska.kav"}, Vestavena(7), zhNejmene, 0},
        {{"--minimum", "deska.kav"}, Deska({"xxoxxo"}), zhNejmene, 1},
    };
    Zapis("Kavirel.dat", StandardniZaznamy());
    for (const TPripad& p : pripady) {
        Zapis("deska.kav", {p.Deska});
        Zapis("-deska.kav", {p.Deska});
        const TBeh b = Spust(p.Argumenty);
        const std::string popis = Prikaz("", p.Argumenty);
        EXPECT_EQ(b.Kod, p.Kod) << popis << "\n" << b.Chyby;
        EXPECT_EQ(b.Vystup, OcekavanyVystup(p.Deska, p.Zpusob)) << popis;
        EXPECT_EQ(b.Chyby, "") << popis;
    }
}

TEST_F(Resit, NepouzitelneArgumentyASoubory)
{
    const std::string dobry = Zapis("dobry.kav", {Vestavena(10)}).string();
    const std::string katalog = Zapis("Kavirel.dat", StandardniZaznamy()).string();
    ZapisText("kratky.kav", std::string(100, '\x01'));
    TZaznamDesky cizi = Vestavena(10);
    cizi.Pole[4][4].Stav = static_cast<TStavPole>(7);
    const std::string neplatny = Zapis("neplatny.kav", {cizi}).string();

    const std::vector<std::vector<std::string>> pripady = {
        {}, {"--rychle", dobry}, {dobry, dobry}, {neplatny}, {Adresar.string()},
        {(Adresar / "neni.kav").string()}, {(Adresar / "kratky.kav").string()},
        {"--deska", "0", katalog},   {"--deska", "18", katalog}, {"--deska", "x", katalog}, {"--deska"},
        {"--limit", "abc", dobry},   {"--limit", "-1", dobry},   {dobry, "--limit"},        {"--limit=", dobry},
        {"--bogus", dobry},          {"-x", dobry},              {"---", dobry},            {"--help=1"},
        {"--json", "--kresba", dobry}, {"--kresba=1", dobry},    {"--deska=0", dobry},
        {"--nejkratsi", "--nejmene", dobry}, {"--minimum", "--nejkratsi", dobry}, {"--nejmene=1", dobry},
    };
    for (const auto& argumenty : pripady) {
        std::string popis;
        for (const std::string& a : argumenty)
            popis += a + " ";
        const TBeh b = Spust(argumenty);
        EXPECT_EQ(b.Kod, 2) << popis;
        EXPECT_EQ(b.Vystup, "") << popis;
        EXPECT_NE(b.Chyby.find("kavirel-resit: "), std::string::npos) << popis;
    }
}

}  // namespace
