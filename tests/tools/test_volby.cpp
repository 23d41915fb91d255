// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line options of the game and of the solver tool: help and
// version without a display and without touching any file; the game refuses
// unknown options and more than one board file with status 2.
#include <cstdio>
#include <set>

#include "SpousteniNastroju.h"

using namespace TestNastroju;

namespace {

using Volby = Nastroje;

// The X.Y.Z of "program X.Y.Z" and a line feed; empty for anything else.
std::string Verze(const std::string& vystup, const std::string& program)
{
    unsigned x = 0, y = 0, z = 0;
    int konec = 0;
    if (std::sscanf(vystup.c_str(), (program + " %u.%u.%u%n").c_str(), &x, &y, &z, &konec) != 3
        || vystup.compare(static_cast<std::size_t>(konec), std::string::npos, "\n") != 0)
        return "";
    return std::to_string(x) + "." + std::to_string(y) + "." + std::to_string(z);
}

// --help and --version with no display at all and a platform that would
// need one: the game never starts the window system; neither writes a file.
TEST_F(Volby, NapovedaAVerzeBezOknaASouboru)
{
    const std::string r = KAVIREL_RESIT;
    struct TPripad {
        std::string Program;
        std::vector<std::string> Argumenty;
        bool Verze;
    };
    std::vector<TPripad> pripady = {
        {r, {"--help"}, false}, {r, {"-h"}, false}, {r, {"--nejkratsi", "--help"}, false},
        {r, {"--help", "neni.kav"}, false}, {r, {"--version"}, true}, {r, {"-V"}, true}, {r, {"-v"}, true},
    };
#ifdef KAVIREL_HRA
    const std::string h = KAVIREL_HRA;
    pripady.insert(pripady.end(), {{h, {"--help"}, false}, {h, {"-h"}, false}, {h, {"-reverse", "--help"}, false},
                                   {h, {"--version"}, true}, {h, {"-v"}, true},
                                   {h, {"-platform", "xcb", "--version"}, true}});
#endif
    std::set<std::string> verze;
    for (const TPripad& p : pripady) {
        const std::string popis = Prikaz(fs::path(p.Program).filename(), p.Argumenty);
        const TBeh b = SpustShell("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "
                                  + Prikaz(p.Program, p.Argumenty));
        EXPECT_EQ(b.Kod, 0) << popis << "\n" << b.Chyby;
        EXPECT_NE(b.Vystup, "") << popis;
        if (p.Program == r) {
            EXPECT_EQ(b.Chyby, "") << popis;
        }
        if (p.Verze)
            verze.insert(Verze(b.Vystup, fs::path(p.Program).filename()));
    }
    EXPECT_EQ(verze.size(), 1u);
    EXPECT_NE(*verze.begin(), "");
    EXPECT_TRUE(fs::is_empty(Adresar)) << "a file was left behind";
}

#ifdef KAVIREL_HRA
TEST_F(Volby, HraNeznameVolbySkonciKodem2)
{
    const std::vector<std::vector<std::string>> pripady = {
        {"--bogus"}, {"-x"}, {"jedna.kav", "navic.kav"}, {"-reverse", "--nejkratsi"}, {"jedna.kav", "--bogus"},
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
