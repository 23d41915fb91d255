// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line programs in the languages of the environment: the help,
// the messages and the results in Czech and in English, run from the build
// tree on a machine that need not have any locale but C generated; JSON and
// the drawing format stay the same in every language.
#include <regex>
#include <set>

#include <QJsonDocument>
#include <QJsonObject>

#include "SpousteniNastroju.h"

using namespace TestNastroju;

namespace {

// The program with nothing of the test's own environment deciding the language.
std::string VProstredi(const std::string& prirazeni, const std::string& prikaz)
{
    return "env -u LC_ALL -u LC_MESSAGES -u LANG -u LANGUAGE " + prirazeni + " " + prikaz;
}

// Environments that must give Czech and English: the C locale in its
// spellings and no locale at all stay Czech, LANGUAGE is read only outside C.
const std::vector<std::string> Cesky = {
    "", "LANG=C", "LANG=POSIX", "LANG=C.UTF-8", "LANG=cs_CZ.UTF-8", "LANGUAGE=en",
    "LC_ALL=cs_CZ.UTF-8 LANG=en_US.UTF-8", "LANG=en_US.UTF-8 LANGUAGE=cs",
};
const std::vector<std::string> Anglicky = {
    "LANG=en_US.UTF-8", "LANG=de_DE.UTF-8", "LC_MESSAGES=en_GB.UTF-8", "LANG=cs_CZ.UTF-8 LANGUAGE=en",
    "LANG=fr_FR.UTF-8 LANGUAGE=de:en",
};

// The options a help text names: "--limit", "-h", ...
std::set<std::string> Prepinace(const std::string& text)
{
    static const std::regex vzor(R"((^|[\s\[,(])(--?[a-zA-Z][-a-zA-Z]*))");
    std::set<std::string> v;
    for (auto i = std::sregex_iterator(text.begin(), text.end(), vzor); i != std::sregex_iterator(); ++i)
        v.insert((*i)[2]);
    return v;
}

std::string Manual(const std::string& jazyk, const std::string& stranka)
{
    const fs::path koren = fs::path(KAVIREL_ZDROJE) / "resources" / "man";
    std::string text = Precti((jazyk == "en" ? koren : koren / jazyk) / (stranka + ".6.in"));
    EXPECT_FALSE(text.empty()) << jazyk << "/" << stranka;
    // roff's "\-" is the hyphen of an option.
    for (std::size_t i = text.find("\\-"); i != std::string::npos; i = text.find("\\-", i))
        text.erase(i, 1);
    return text;
}

// Letters of Czech words that no English text of the programs holds (the
// drawing's own keywords "normální" and "název" have none of them).
bool MaCeskaPismena(const std::string& text)
{
    for (const char* p : {"ě", "š", "č", "ř", "ž", "ů", "ť", "ď", "ň", "Č", "Ř", "Š", "Ž"})
        if (text.find(p) != std::string::npos)
            return true;
    return false;
}

struct TNapovedy {
    std::string Cesky, Anglicky;
};

class Jazyky : public Nastroje {
protected:
    TNapovedy OverNapovedu(const std::string& program, const std::string& stranka);
};

// --help of a program in every environment of both groups: one text per
// language, the same options in both, the manual of each language naming
// every option.
TNapovedy Jazyky::OverNapovedu(const std::string& program, const std::string& stranka)
{
    const auto napoveda = [&](const std::vector<std::string>& prostredi) {
        std::set<std::string> texty;
        for (const std::string& p : prostredi) {
            const TBeh b = SpustShell(VProstredi(p, Prikaz(program, {"--help"})));
            EXPECT_EQ(b.Kod, 0) << p << "\n" << b.Chyby;
            EXPECT_EQ(b.Chyby, "") << p;
            texty.insert(b.Vystup);
        }
        EXPECT_EQ(texty.size(), 1u) << "one help per language, whatever the spelling of the locale";
        return *texty.begin();
    };
    TNapovedy n{napoveda(Cesky), napoveda(Anglicky)};
    const std::string jmeno = fs::path(program).filename();
    EXPECT_EQ(n.Cesky.rfind("Použití: " + jmeno + " ", 0), 0u) << n.Cesky;
    EXPECT_EQ(n.Anglicky.rfind("Usage: " + jmeno + " ", 0), 0u) << n.Anglicky;
    EXPECT_FALSE(MaCeskaPismena(n.Anglicky)) << n.Anglicky;

    const std::set<std::string> volby = Prepinace(n.Cesky);
    EXPECT_GE(volby.size(), 4u);
    EXPECT_EQ(Prepinace(n.Anglicky), volby);
    for (const char* jazyk : {"cs", "en"}) {
        const std::string manual = Manual(jazyk, stranka);
        for (const std::string& v : volby)
            EXPECT_TRUE(std::regex_search(manual, std::regex(v + "([^-a-zA-Z]|$)")))
                << "man " << jazyk << " " << stranka << " lacks " << v;
    }
    return n;
}

TEST_F(Jazyky, NapovedaResiceVObouJazycich)
{
    const TNapovedy n = OverNapovedu(KAVIREL_RESIT, "kavirel-resit");
    // The drawing's format is the same in both languages.
    for (const char* s : {"typ: normální", "typ: leibniz", "název: "})
        EXPECT_NE(n.Anglicky.find(s), std::string::npos) << s;
}

#ifdef KAVIREL_HRA
TEST_F(Jazyky, NapovedaHryVObouJazycich)
{
    OverNapovedu(KAVIREL_HRA, "kavirel");
    struct TPripad {
        std::string Prostredi, Chyby;
    };
    const std::vector<TPripad> pripady = {
        {"LANG=cs_CZ.UTF-8", "kavirel: neznámý přepínač „--bogus“\nNápovědu vypíše kavirel --help.\n"},
        {"", "kavirel: neznámý přepínač „--bogus“\nNápovědu vypíše kavirel --help.\n"},
        {"LANG=en_US.UTF-8", "kavirel: unknown option “--bogus”\nRun kavirel --help for help.\n"},
    };
    for (const TPripad& p : pripady) {
        const TBeh b = SpustShell(VProstredi("QT_QPA_PLATFORM=offscreen " + p.Prostredi,
                                             Prikaz(KAVIREL_HRA, {"--bogus"})));
        EXPECT_EQ(b.Kod, 2) << p.Prostredi;
        // Qt may warn about the session before; the message ends the output.
        EXPECT_TRUE(b.Chyby.size() >= p.Chyby.size()
                    && b.Chyby.compare(b.Chyby.size() - p.Chyby.size(), std::string::npos, p.Chyby) == 0)
            << p.Prostredi << "\n" << b.Chyby;
    }
}
#endif

// The messages of the solver and of the drawing reader it prints, each in
// both languages, with the Czech exactly as it always was.
TEST_F(Jazyky, ZpravyResice)
{
    ZapisText("spatny-typ.txt", "typ: sachy\no\n");
    ZapisText("tabulator.txt", "o\to\n");
    ZapisText("jedna.txt", "o.o\n");
    Zapis("jedna.dat", {Vestavena(10)});
    Zapis("dve.dat", {Vestavena(10), Vestavena(9)});
    fs::create_directory(Adresar / "adresar");
    // After a fault in the arguments, the usage and a blank line.
    const std::string csPouziti = "Použití: kavirel-resit [--nejkratsi | --nejmene | --rada] [--limit SEKUND] "
                                  "[--deska N] [--statistika] [--json | --kresba] SOUBOR\n\n";
    const std::string enPouziti = "Usage: kavirel-resit [--nejkratsi | --nejmene | --rada] [--limit SECONDS] [--deska N] "
                                  "[--statistika] [--json | --kresba] FILE\n\n";
    struct TPripad {
        std::vector<std::string> Argumenty;
        std::string Vstup, Cesky, Anglicky;
    };
    const std::vector<TPripad> pripady = {
        {{"neni.kav"}, "",
         "kavirel-resit: soubor \"neni.kav\" se nepodařilo otevřít\n",
         "kavirel-resit: cannot open file \"neni.kav\"\n"},
        {{"adresar"}, "",
         "kavirel-resit: \"adresar\" je adresář, ne soubor s deskou\n",
         "kavirel-resit: \"adresar\" is a directory, not a board file\n"},
        {{"--limit", "x", "a.kav"}, "",
         "kavirel-resit: neplatný limit \"x\"\n" + csPouziti,
         "kavirel-resit: invalid limit \"x\"\n" + enPouziti},
        {{"--json", "--kresba", "a.kav"}, "",
         "kavirel-resit: --json a --kresba nelze použít spolu\n" + csPouziti,
         "kavirel-resit: --json and --kresba cannot be used together\n" + enPouziti},
        {{"--minimum", "--nejkratsi", "a.kav"}, "",
         "kavirel-resit: --nejkratsi a --nejmene nelze použít spolu\n" + csPouziti,
         "kavirel-resit: --nejkratsi and --nejmene cannot be used together\n" + enPouziti},
        {{"spatny-typ.txt"}, "",
         "kavirel-resit: soubor \"spatny-typ.txt\", řádek 1: neznámý typ hry „sachy“ (platí normální nebo leibniz)\n",
         "kavirel-resit: file \"spatny-typ.txt\", line 1: unknown game type “sachy” (normální or leibniz are valid)\n"},
        {{"-"}, "tabulator.txt",
         "kavirel-resit: standardní vstup, řádek 1: neznámý znak tabulátor (platí o . O * mezera -)\n",
         "kavirel-resit: standard input, line 1: unknown character tab (o . O * space - are valid)\n"},
        {{"--deska", "2", "-"}, "jedna.txt",
         "kavirel-resit: standardní vstup je kresba jediné desky, --deska 2 nelze\n",
         "kavirel-resit: standard input is a drawing of a single board, --deska 2 is not possible\n"},
        {{"--random", "7-1"}, "",
         "kavirel-resit: neplatné číslo náhodné desky: obtížnost „7“ není 1 až 5\n" + csPouziti,
         "kavirel-resit: invalid random board number: the difficulty “7” is not 1 to 5\n" + enPouziti},
        // A number of boards: Czech keeps its one form, English has two.
        {{"--deska", "3", "jedna.dat"}, "",
         "kavirel-resit: soubor \"jedna.dat\" má jen 1 desek\n",
         "kavirel-resit: file \"jedna.dat\" holds only 1 board\n"},
        {{"--deska", "5", "dve.dat"}, "",
         "kavirel-resit: soubor \"dve.dat\" má jen 2 desek\n",
         "kavirel-resit: file \"dve.dat\" holds only 2 boards\n"},
    };
    for (const TPripad& p : pripady) {
        const std::string prikaz = Prikaz(KAVIREL_RESIT, p.Argumenty) + (p.Vstup.empty() ? "" : " <" + p.Vstup);
        for (const auto& [prostredi, ocekavano] :
             {std::pair{Cesky, p.Cesky}, std::pair{Anglicky, p.Anglicky}}) {
            for (const std::string& promenne : {prostredi.front(), prostredi.back()}) {
                const TBeh b = SpustShell(VProstredi(promenne, prikaz));
                EXPECT_EQ(b.Kod, 2) << promenne << " " << prikaz;
                EXPECT_EQ(b.Vystup, "") << promenne << " " << prikaz;
                EXPECT_EQ(b.Chyby, ocekavano) << promenne << " " << prikaz;
            }
        }
    }
}

// The result lines are translated, the jumps are not; JSON, the drawing and
// the exit status are the same in every language.
TEST_F(Jazyky, VysledkyResice)
{
    const std::string krizek = Zapis("krizek.kav", {Vestavena(10)}).string();
    const std::string bezReseni = ZapisText("bez.txt", "o.o\n").string();
    const std::string cesky = "LANG=cs_CZ.UTF-8", anglicky = "LANG=en_US.UTF-8";
    const auto spust = [&](const std::string& prostredi, const std::vector<std::string>& argumenty) {
        return SpustShell(VProstredi(prostredi, Prikaz(KAVIREL_RESIT, argumenty)));
    };

    const TBeh csNalezeno = spust(cesky, {"--statistika", krizek});
    const TBeh enNalezeno = spust(anglicky, {"--statistika", krizek});
    EXPECT_EQ(csNalezeno.Vystup, OcekavanyVystup(Vestavena(10), zhNejrychlejsi));
    EXPECT_EQ(csNalezeno.Kod, 0);
    EXPECT_EQ(enNalezeno.Kod, 0);
    const std::regex cs(R"(Řešení nalezeno\nPotřebných tahů: (\d+)\n([-0-9 ]+)\n)");
    const std::regex en(R"(Solution found\nMoves needed: (\d+)\n([-0-9 ]+)\n)");
    std::smatch c, e;
    ASSERT_TRUE(std::regex_match(csNalezeno.Vystup, c, cs)) << csNalezeno.Vystup;
    ASSERT_TRUE(std::regex_match(enNalezeno.Vystup, e, en)) << enNalezeno.Vystup;
    EXPECT_EQ(c[1], e[1]);
    EXPECT_EQ(c[2], e[2]);
    EXPECT_TRUE(std::regex_match(csNalezeno.Chyby, std::regex(R"(Prohledaných pozic: [1-9]\d*\nDoba hledání: \d+ ms\n)")))
        << csNalezeno.Chyby;
    EXPECT_TRUE(std::regex_match(enNalezeno.Chyby, std::regex(R"(Positions searched: [1-9]\d*\nSearch time: \d+ ms\n)")))
        << enNalezeno.Chyby;

    const TBeh csZadne = spust(cesky, {bezReseni}), enZadne = spust(anglicky, {bezReseni});
    EXPECT_EQ(csZadne.Kod, 1);
    EXPECT_EQ(enZadne.Kod, 1);
    EXPECT_EQ(csZadne.Vystup, "Řešení neexistuje\n");
    EXPECT_EQ(enZadne.Vystup, "No solution exists\n");

    // Everything but the time and the count of positions, equal.
    const auto bezMereni = [](const std::string& json) {
        QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
        EXPECT_TRUE(o.contains("positions") && o.contains("elapsed_ms")) << json;
        o.remove("positions");
        o.remove("elapsed_ms");
        return QJsonDocument(o).toJson().toStdString();
    };
    for (const std::string& soubor : {krizek, bezReseni}) {
        const TBeh c = spust(cesky, {"--json", soubor}), e = spust(anglicky, {"--json", soubor});
        EXPECT_EQ(c.Kod, e.Kod);
        EXPECT_EQ(bezMereni(c.Vystup), bezMereni(e.Vystup));
        EXPECT_EQ(spust(cesky, {"--kresba", soubor}).Vystup, spust(anglicky, {"--kresba", soubor}).Vystup);
    }
    EXPECT_NE(spust(anglicky, {"--json", krizek}).Vystup.find("\"status\":\"found\""), std::string::npos);
}

} // namespace
