// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line options of the game and of the solver tool: help and
// version without a display and without touching any file, unknown options
// refused with status 2.
#include <cctype>

#include "SpousteniNastroju.h"

using namespace TestNastroju;

namespace {

using Volby = Nastroje;

std::string Verze(const std::string& vystup, const std::string& program)
{
    // "program X.Y.Z" and a line feed, nothing else.
    const std::string zacatek = program + " ";
    if (vystup.compare(0, zacatek.size(), zacatek) != 0 || vystup.empty() || vystup.back() != '\n')
        return "<" + vystup + ">";
    const std::string verze = vystup.substr(zacatek.size(), vystup.size() - zacatek.size() - 1);
    int tecek = 0;
    bool cislice = false;
    for (const char c : verze) {
        if (c == '.' && cislice) {
            ++tecek;
            cislice = false;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            cislice = true;
        } else {
            return "<" + vystup + ">";
        }
    }
    return tecek == 2 && cislice ? verze : "<" + vystup + ">";
}

TEST_F(Volby, ResitNapovedaAVerze)
{
    const std::vector<std::vector<std::string>> pripady = {
        {"--help"}, {"-h"}, {"--version"}, {"-V"}, {"--nejkratsi", "--help"}, {"--help", "neni.kav"},
    };
    for (const auto& argumenty : pripady) {
        const TBeh b = Spust(argumenty);
        EXPECT_EQ(b.Kod, 0) << argumenty[0];
        EXPECT_NE(b.Vystup, "") << argumenty[0];
        EXPECT_EQ(b.Chyby, "") << argumenty[0];
    }
    EXPECT_EQ(Verze(Spust({"--version"}).Vystup, "kavirel-resit"), Verze(Spust({"-V"}).Vystup, "kavirel-resit"));
    EXPECT_NE(Verze(Spust({"--version"}).Vystup, "kavirel-resit")[0], '<');
    EXPECT_TRUE(fs::is_empty(Adresar));
}

TEST_F(Volby, ResitNeznameAChybneVolby)
{
    const std::string kriz = Zapis("kriz.kav", {Vestavena(7)}).string();
    const std::vector<std::vector<std::string>> pripady = {
        {"--bogus", kriz}, {"-x", kriz},         {"--json", "--kresba", kriz}, {"--kresba=1", kriz},
        {"--limit=", kriz}, {"--deska=0", kriz}, {"--help=1"},                 {"---", kriz},
    };
    for (const auto& argumenty : pripady) {
        const TBeh b = Spust(argumenty);
        EXPECT_EQ(b.Kod, 2) << argumenty[0];
        EXPECT_EQ(b.Vystup, "") << argumenty[0];
        EXPECT_NE(b.Chyby.find("kavirel-resit: "), std::string::npos) << argumenty[0];
    }
}

TEST_F(Volby, ResitTvarySHodnotouAKonecVoleb)
{
    Zapis("Kavirel.dat", StandardniZaznamy());
    Zapis("-pomlcka.kav", {Vestavena(10)});
    const TBeh oddelene = Spust({"--limit", "100", "--deska", "10", "Kavirel.dat"});
    const TBeh rovnitkem = Spust({"--limit=100", "--deska=10", "Kavirel.dat"});
    EXPECT_EQ(oddelene.Kod, 0);
    EXPECT_EQ(rovnitkem.Kod, 0) << rovnitkem.Chyby;
    EXPECT_EQ(rovnitkem.Vystup, oddelene.Vystup);
    EXPECT_EQ(oddelene.Vystup, OcekavanyVystup(Vestavena(10), zhNejrychlejsi));

    const TBeh pomlcka = Spust({"--", "-pomlcka.kav"});
    EXPECT_EQ(pomlcka.Kod, 0) << pomlcka.Chyby;
    EXPECT_EQ(pomlcka.Vystup, oddelene.Vystup);
}

#ifdef KAVIREL_HRA
// --help and --version with no display at all and a platform that would
// need one: the window system is never started.
TEST_F(Volby, HraNapovedaAVerzeBezOknaASouboru)
{
    const std::string bezDispleje = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ";
    const std::vector<std::vector<std::string>> pripady = {
        {"--help"}, {"-h"}, {"--version"}, {"-v"}, {"-platform", "xcb", "--version"}, {"-reverse", "--help"},
    };
    for (const auto& argumenty : pripady) {
        const TBeh b = SpustShell(bezDispleje + Prikaz(KAVIREL_HRA, argumenty));
        EXPECT_EQ(b.Kod, 0) << argumenty[0] << "\n" << b.Chyby;
        EXPECT_NE(b.Vystup, "") << argumenty[0];
    }
    const std::string hra = Verze(SpustShell(bezDispleje + Prikaz(KAVIREL_HRA, {"--version"})).Vystup, "kavirel");
    EXPECT_EQ(hra, Verze(Spust({"--version"}).Vystup, "kavirel-resit"));
    EXPECT_TRUE(fs::is_empty(Adresar)) << "the game left a file behind";
}

TEST_F(Volby, HraNeznameVolbySkonciKodem2)
{
    const std::vector<std::vector<std::string>> pripady = {
        {"--bogus"}, {"-x"}, {"navic.kav"}, {"-reverse", "--nejkratsi"},
    };
    for (const auto& argumenty : pripady) {
        const TBeh b = SpustShell("QT_QPA_PLATFORM=offscreen " + Prikaz(KAVIREL_HRA, argumenty));
        EXPECT_EQ(b.Kod, 2) << argumenty.back();
        EXPECT_EQ(b.Vystup, "") << argumenty.back();
        EXPECT_NE(b.Chyby.find(argumenty.back()), std::string::npos) << b.Chyby;
    }
    EXPECT_TRUE(fs::is_empty(Adresar)) << "the game left a file behind";
}
#endif

}  // namespace
