// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the programs: the decision from the environment, the
// search for the catalogues, and the messages once a language is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "KavirelJazyk.h"

namespace {

namespace fs = std::filesystem;

// The environment a case sees; the real one is never read.
std::map<std::string, std::string> Prostredi;

const char* CtiProstredi(const char* jmeno)
{
    const auto i = Prostredi.find(jmeno);
    return i == Prostredi.end() ? nullptr : i->second.c_str();
}

TEST(Jazyk, RozhodnutiZProstredi)
{
    const TJazyk cs = TJazyk::Cestina, en = TJazyk::Anglictina;
    struct TPripad {
        std::map<std::string, std::string> Promenne;
        TJazyk Ocekavany;
    };
    const std::vector<TPripad> pripady = {
        // The C locale, however spelt, and no locale at all speak Czech.
        {{}, cs},
        {{{"LANG", "C"}}, cs},
        {{{"LANG", "POSIX"}}, cs},
        {{{"LANG", "C.UTF-8"}}, cs},
        {{{"LANG", "C.utf8"}}, cs},
        {{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, cs},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "POSIX"}}, cs},
        // Czech locales, in any spelling.
        {{{"LANG", "cs_CZ.UTF-8"}}, cs},
        {{{"LANG", "cs"}}, cs},
        {{{"LANG", "cs_CZ"}}, cs},
        {{{"LANG", "CS_CZ.UTF-8"}}, cs},
        {{{"LC_MESSAGES", "cs_CZ.UTF-8@euro"}}, cs},
        // Every other language falls back to English.
        {{{"LANG", "en_US.UTF-8"}}, en},
        {{{"LANG", "en_GB"}}, en},
        {{{"LANG", "de_DE.UTF-8"}}, en},
        {{{"LANG", "sk_SK.UTF-8"}}, en},
        {{{"LANG", "ja_JP.eucJP"}}, en},
        {{{"LANG", "xx"}}, en},
        // LC_ALL before LC_MESSAGES before LANG; an empty one is not set.
        {{{"LC_ALL", "en_US.UTF-8"}, {"LANG", "cs_CZ.UTF-8"}}, en},
        {{{"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "cs_CZ.UTF-8"}}, en},
        {{{"LC_ALL", "cs_CZ.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, cs},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "en_US.UTF-8"}}, en},
        // LANGUAGE counts only outside the C locale, and then comes first.
        {{{"LANGUAGE", "en"}}, cs},
        {{{"LANGUAGE", "en"}, {"LANG", "C.UTF-8"}}, cs},
        {{{"LANGUAGE", "en"}, {"LANG", "cs_CZ.UTF-8"}}, en},
        {{{"LANGUAGE", "cs"}, {"LANG", "en_US.UTF-8"}}, cs},
        {{{"LANGUAGE", "en_GB:cs"}, {"LANG", "cs_CZ.UTF-8"}}, en},
        // The first language of the list that the program has wins ...
        {{{"LANGUAGE", "de:cs:en"}, {"LANG", "en_US.UTF-8"}}, cs},
        {{{"LANGUAGE", ":sk::en_GB"}, {"LANG", "cs_CZ.UTF-8"}}, en},
        // ... and when it has none of them, the locale decides.
        {{{"LANGUAGE", "de:fr"}, {"LANG", "cs_CZ.UTF-8"}}, cs},
        {{{"LANGUAGE", "de:fr"}, {"LANG", "de_DE.UTF-8"}}, en},
        {{{"LANGUAGE", ""}, {"LANG", "en_US.UTF-8"}}, en},
    };
    for (const TPripad& p : pripady) {
        Prostredi = p.Promenne;
        std::string popis;
        for (const auto& [jmeno, hodnota] : p.Promenne)
            popis += jmeno + "=" + hodnota + " ";
        EXPECT_EQ(JazykProstredi(CtiProstredi), p.Ocekavany) << popis;
    }
    EXPECT_STREQ(KodJazyka(cs), "cs");
    EXPECT_STREQ(KodJazyka(en), "en");
}

TEST(Jazyk, Formatuj)
{
    const std::string jmeno = "a%sb";
    struct TPripad {
        std::string Vysledek, Ocekavany;
    };
    const std::vector<TPripad> pripady = {
        {Formatuj("bez hodnot 100%"), "bez hodnot 100%"},
        {Formatuj("soubor \"%s\"", jmeno), "soubor \"a%sb\""},       // a value is never a format
        {Formatuj("%s, řádek %s: %s", jmeno, "3", std::string("x")), "a%sb, řádek 3: x"},
        {Formatuj("%2$s před %1$s", "první", "druhý"), "druhý před první"},  // a translation may turn the order round
        {Formatuj("%s", std::string(5000, 'x')), std::string(5000, 'x')},
    };
    for (const TPripad& p : pripady)
        EXPECT_EQ(p.Vysledek, p.Ocekavany);
}

class Katalogy : public ::testing::Test {
protected:
    fs::path Koren;
    void SetUp() override
    {
        Koren = fs::temp_directory_path() / ("kavirel-katalogy-" + std::to_string(::getpid()));
        fs::remove_all(Koren);
        fs::create_directories(Koren);
        Prostredi.clear();
    }
    void TearDown() override { fs::remove_all(Koren); }

    fs::path SKatalogem(const std::string& jmeno, const std::string& jazyk)
    {
        const fs::path adresar = Koren / jmeno;
        fs::create_directories(adresar / jazyk / "LC_MESSAGES");
        std::ofstream(adresar / jazyk / "LC_MESSAGES" / "kavirel.mo") << "x";
        return adresar;
    }
};

TEST_F(Katalogy, NajdeAdresarSKatalogemJazyka)
{
    const fs::path prazdny = Koren / "prazdny";
    fs::create_directories(prazdny);
    const fs::path nemecky = SKatalogem("nemecky", "de");
    const fs::path anglicky = SKatalogem("anglicky", "en");
    const fs::path druhy = SKatalogem("druhy", "en");
    // Relative candidates count from the directory of the running program.
    const fs::path program = fs::read_symlink("/proc/self/exe");
    const std::string relativne = fs::relative(anglicky, program.parent_path()).string();

    struct TPripad {
        const char* Popis;
        std::vector<std::string> Kandidati;
        TJazyk Jazyk;
        std::string Ocekavany;
    };
    const std::vector<TPripad> pripady = {
        {"první s katalogem", {prazdny, nemecky, anglicky, druhy}, TJazyk::Anglictina, anglicky},
        {"relativní k programu", {"neni/tu", relativne, druhy}, TJazyk::Anglictina, fs::weakly_canonical(anglicky)},
        {"žádný", {prazdny, nemecky, "neni"}, TJazyk::Anglictina, ""},
        {"čeština žádný nepotřebuje", {anglicky}, TJazyk::Cestina, ""},
    };
    for (const TPripad& p : pripady)
        EXPECT_EQ(NajdiKatalogy(p.Jazyk, p.Kandidati, CtiProstredi), p.Ocekavany) << p.Popis;

    // An explicit directory wins, for every language, without a check.
    Prostredi["KAVIREL_LOCALEDIR"] = "/jinde";
    EXPECT_EQ(NajdiKatalogy(TJazyk::Anglictina, {anglicky}, CtiProstredi), "/jinde");
    EXPECT_EQ(NajdiKatalogy(TJazyk::Cestina, {}, CtiProstredi), "/jinde");
    Prostredi["KAVIREL_LOCALEDIR"] = "";
    EXPECT_EQ(NajdiKatalogy(TJazyk::Anglictina, {anglicky}, CtiProstredi), anglicky);
}

#ifdef KAVIREL_KATALOGY_TESTU
// The build's own catalogue, in this process: English from the C locale
// (no English locale need exist), back to Czech and to English again, as a
// window that switches its language at run time does.
TEST(Jazyk, PrepinaniZaBehu)
{
    ::unsetenv("LANGUAGE");
    const char* nalezeno = "Řešení nalezeno";
    const char* desek = "%s má jen %s desek";
    for (int kolo = 0; kolo < 2; ++kolo) {
        NastavPreklad(TJazyk::Anglictina, KAVIREL_KATALOGY_TESTU);
        EXPECT_STREQ(Preloz(nalezeno), "Solution found") << kolo;
        EXPECT_STREQ(PrelozPocet(desek, desek, 1), "%s holds only %s board") << kolo;
        EXPECT_STREQ(PrelozPocet(desek, desek, 2), "%s holds only %s boards") << kolo;
        EXPECT_STREQ(Preloz("text, který katalog nezná"), "text, který katalog nezná");

        NastavPreklad(TJazyk::Cestina, KAVIREL_KATALOGY_TESTU);
        EXPECT_EQ(Preloz(nalezeno), nalezeno) << kolo;
        EXPECT_STREQ(PrelozPocet(desek, desek, 1), desek) << kolo;
    }
    ::unsetenv("LANGUAGE");
}
#endif

} // namespace
