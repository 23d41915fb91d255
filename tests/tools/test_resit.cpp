// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line solver, run as a program: its output, exit status and
// refusals, against the solver library it is built on, and its random boards.
#include <cstring>
#include <string>
#include <vector>

#include "KavirelKresba.h"
#include "KavirelNahodna.h"
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

// Status 2, nothing on stdout, and the reason in the message; the random
// board numbers the library refuses are refused by the tool with its reason.
TEST_F(Resit, NepouzitelneArgumentyASoubory)
{
    const std::string dobry = Zapis("dobry.kav", {Vestavena(10)}).string();
    const std::string katalog = Zapis("Kavirel.dat", StandardniZaznamy()).string();
    ZapisText("kratky.kav", std::string(100, '\x01'));
    TZaznamDesky cizi = Vestavena(10);
    cizi.Pole[4][4].Stav = static_cast<TStavPole>(7);
    const std::string neplatny = Zapis("neplatny.kav", {cizi}).string();

    const struct {
        std::vector<std::string> Argumenty;
        const char* VeZprave = "";
    } pripady[] = {
        // A missing or unreadable file, --limit x, --json with --kresba and
        // --minimum with --nejkratsi are refused word for word in both
        // languages (Jazyky.ZpravyResice).
        {{}}, {{"--rychle", dobry}}, {{dobry, dobry}}, {{neplatny}}, {{(Adresar / "kratky.kav").string()}},
        {{"--deska", "0", katalog}}, {{"--deska", "18", katalog}}, {{"--deska", "x", katalog}}, {{"--deska"}},
        {{"--limit", "-1", dobry}}, {{dobry, "--limit"}}, {{"--limit=", dobry}},
        {{"--bogus", dobry}}, {{"-x", dobry}}, {{"---", dobry}}, {{"--help=1"}},
        {{"--kresba=1", dobry}}, {{"--deska=0", dobry}}, {{"--nejkratsi", "--nejmene", dobry}}, {{"--nejmene=1", dobry}},
        {{"--nahodna"}, "chybí hodnota"},
        {{"--nahodna", ""}, "číslo desky chybí"},
        // Which numbers the library refuses, and why, its own test.
        {{"--nahodna", "0-5"}, "obtížnost „0“"},
        {{"--nahodna", "3-4a"}, "OBTÍŽNOST-SEMÍNKO"},
        {{"--nahodna", " 3-4"}, "OBTÍŽNOST-SEMÍNKO"},
        {{"--nahodna=-3"}, "OBTÍŽNOST-SEMÍNKO"},
        {{"--nahodna", "3-4", dobry}, "SOUBOR"},
        {{"--nahodna", "3-4", "--json"}, "--json"},
        {{"--nejkratsi", "--nahodna", "3-4"}, "--nejkratsi"},
        {{"--nahodna", "3-4", "--limit", "5"}, "--limit"},
        {{"--nahodna", "3-4", "--deska", "2"}, "--deska"},
    };
    for (const auto& p : pripady) {
        const std::string popis = Prikaz("", p.Argumenty);
        const TBeh b = Spust(p.Argumenty);
        EXPECT_EQ(b.Kod, 2) << popis;
        EXPECT_EQ(b.Vystup, "") << popis;
        EXPECT_EQ(b.Chyby.rfind("kavirel-resit: ", 0), 0u) << popis << b.Chyby;
        EXPECT_NE(b.Chyby.find(p.VeZprave), std::string::npos) << popis << b.Chyby;
    }
}

// The drawing --nahodna prints is the library's board of that number, and
// one the tool itself reads back and solves.
TEST_F(Resit, NahodnaKresbaJakoKnihovnaAReseni)
{
    for (const char* cislo : {"1-1", "3-48213", "5-999999"})
        for (const char* volba : {"--nahodna", "--random", "--nahodna="}) {
            const bool rovnitko = volba[std::strlen(volba) - 1] == '=';
            const TBeh b = rovnitko ? Spust({std::string(volba) + cislo}) : Spust({volba, cislo});
            std::string chyba;
            TCisloDesky c;
            ASSERT_TRUE(CtiCisloDesky(cislo, c, chyba));
            EXPECT_EQ(b.Kod, 0) << volba << cislo << "\n" << b.Chyby;
            EXPECT_EQ(b.Chyby, "");
            EXPECT_EQ(b.Vystup, KresbaDesky(NahodnaDeska(c).Zaznam)) << volba << cislo;
        }

    const TBeh kresba = Spust({"--random", "4-2026"});
    ASSERT_EQ(kresba.Kod, 0);
    const TBeh reseni = Spust({ZapisText("nahodna.txt", kresba.Vystup).string()});
    EXPECT_EQ(reseni.Kod, 0) << reseni.Vystup << reseni.Chyby;
    EXPECT_EQ(reseni.Vystup.rfind("Řešení nalezeno\n", 0), 0u) << reseni.Vystup;
}

}  // namespace
