// SPDX-License-Identifier: GPL-3.0-or-later
// kavirel-resit --nahodna: the drawing of a random board, which the tool
// itself reads back and solves; malformed numbers and options that would
// be ignored end with status 2 and the reason.
#include <cstring>

#include "KavirelKresba.h"
#include "KavirelNahodna.h"
#include "SpousteniNastroju.h"

using namespace TestNastroju;

namespace {

using Nahodna = Nastroje;

TEST_F(Nahodna, KresbaJakoKnihovnaAReseni)
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

    // The drawing printed is a board the tool solves.
    const TBeh kresba = Spust({"--random", "4-2026"});
    ASSERT_EQ(kresba.Kod, 0);
    const std::string soubor = ZapisText("nahodna.txt", kresba.Vystup).string();
    const TBeh reseni = Spust({soubor});
    EXPECT_EQ(reseni.Kod, 0) << reseni.Vystup << reseni.Chyby;
    EXPECT_EQ(reseni.Vystup.rfind("Řešení nalezeno\n", 0), 0u) << reseni.Vystup;
}

TEST_F(Nahodna, ChybnaCislaAVolby)
{
    const std::string dobry = ZapisText("deska.txt", "oo.\n").string();
    const struct {
        std::vector<std::string> Argumenty;
        const char* VeZprave;
    } pripady[] = {
        {{"--nahodna"}, "chybí hodnota"},
        {{"--nahodna", ""}, "číslo desky chybí"},
        {{"--nahodna", "0-5"}, "obtížnost „0“"},
        {{"--random", "6-1"}, "obtížnost „6“"},
        {{"--nahodna", "3-0"}, "semínko „0“"},
        {{"--nahodna", "3-1000000"}, "semínko „1000000“"},
        {{"--nahodna", "3-"}, "OBTÍŽNOST-SEMÍNKO"},
        {{"--nahodna", "3-4a"}, "OBTÍŽNOST-SEMÍNKO"},
        {{"--nahodna", " 3-4"}, "OBTÍŽNOST-SEMÍNKO"},
        {{"--nahodna", "3--4"}, "OBTÍŽNOST-SEMÍNKO"},
        {{"--nahodna=-3"}, "OBTÍŽNOST-SEMÍNKO"},
        {{"--nahodna", "3-4", dobry}, "SOUBOR"},
        {{"--nahodna", "3-4", "--json"}, "--json"},
        {{"--nejkratsi", "--nahodna", "3-4"}, "--nejkratsi"},
        {{"--nahodna", "3-4", "--limit", "5"}, "--limit"},
        {{"--nahodna", "3-4", "--deska", "2"}, "--deska"},
    };
    for (const auto& p : pripady) {
        std::string popis;
        for (const std::string& a : p.Argumenty)
            popis += "'" + a + "' ";
        const TBeh b = Spust(p.Argumenty);
        EXPECT_EQ(b.Kod, 2) << popis;
        EXPECT_EQ(b.Vystup, "") << popis;
        EXPECT_EQ(b.Chyby.rfind("kavirel-resit: ", 0), 0u) << popis << b.Chyby;
        EXPECT_NE(b.Chyby.find(p.VeZprave), std::string::npos) << popis << b.Chyby;
    }

    // In English the reason is English.
    const TBeh en = SpustShell("env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=en_US.UTF-8 "
                               + Prikaz(KAVIREL_RESIT, {"--random", "7-1"}));
    EXPECT_EQ(en.Kod, 2);
    EXPECT_NE(en.Chyby.find("invalid random board number: the difficulty “7” is not 1 to 5"), std::string::npos)
        << en.Chyby;
}

} // namespace
