// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "KavirelSoubory.h"
#include "Soubory.h"

namespace {

TEST(VestaveneDesky, ObsahOdpovidaUvedenymPoctum)
{
    struct Ocekavani { const char* Nazev; TTypHry Typ; int Pole, Kameny, Cilova; };
    const Ocekavani tabulka[] = {
        {"Anglick\xE1 hrac\xED deska", thNormalni, 33, 32, 0},
        {"Francouzsk\xE1 hrac\xED deska", thNormalni, 37, 36, 0},
        {"T\xF8ikr\xE1t osm", thNormalni, 24, 16, 0},
        {"Leibniz\xF9v kavirel", thLeibniz, 33, 1, 0},
        {"Anglick\xE1 obm\xECna", thNormalni, 33, 32, 0},
        {"Smaragd", thNormalni, 33, 24, 1},
        {"K\xF8\xED\x9E", thNormalni, 33, 15, 0},
        {"Pyramida", thNormalni, 33, 9, 0},
        {"Plus", thNormalni, 33, 9, 1},
        {"K\xF8\xED\x9E" "ek", thNormalni, 33, 6, 1},
        {"Klaun v man\xE9\x9Ei", thNormalni, 37, 36, 17},
        {"Tiskac\xED E", thNormalni, 37, 36, 13},
        {"Poh\xE1r", thNormalni, 35, 34, 12},
        {"Kavirelov\xE9 cvi\xE8" "en\xED \xE8.1", thNormalni, 33, 32, 24},
        {"Kavirelov\xE9 cvi\xE8" "en\xED \xE8.2", thNormalni, 33, 32, 5},
        {"Kavirelov\xE9 cvi\xE8" "en\xED \xE8.3", thNormalni, 33, 32, 8},
        {"P\xF8ipraveno pro n\xE1vrh..", thNormalni, 0, 0, 0},
    };
    const std::vector<TZaznamDesky> desky = StandardniZaznamy();
    ASSERT_EQ(desky.size(), std::size(tabulka));
    for (std::size_t i = 0; i < desky.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const TZaznamDesky& z = desky[i];
        int pole = 0, kameny = 0, cilova = 0, cisla = 0;
        for (const auto& sloupec : z.Pole)
            for (const TPole& p : sloupec) {
                pole += p.Stav != spNeexistujici;
                kameny += p.Stav == spPlne;
                cilova += p.Cilove != 0;
                cisla += p.Cislo;
            }
        EXPECT_EQ(DejNazev(z), tabulka[i].Nazev);
        EXPECT_EQ(z.TypHry, tabulka[i].Typ);
        EXPECT_EQ(pole, tabulka[i].Pole);
        EXPECT_EQ(kameny, tabulka[i].Kameny);
        EXPECT_EQ(cilova, tabulka[i].Cilova);
        EXPECT_EQ(cisla, 0);
        EXPECT_EQ(std::string(z.Nazev.Znaky + z.Nazev.Delka, MaxDelkaNazvu - z.Nazev.Delka),
                  std::string(MaxDelkaNazvu - z.Nazev.Delka, '\0'));
    }
    // The English board's only hole is at the top of the upper arm; its variant has it in the centre.
    EXPECT_EQ(desky[0].Pole[3][1].Stav, spPrazdne);
    EXPECT_EQ(desky[4].Pole[4][4].Stav, spPrazdne);
}

TEST(SeznamDesek, PrazdnySeznam)
{
    using testing::StartsWith;
    using testing::ThrowsMessage;
    TSeznamDesek s;
    EXPECT_FALSE(s.NaPrvniDesku() || s.NaDeskuCislo(1) || s.LzeSmazatAktualni());
    const auto nil = [](const char* zprava) {
        return ThrowsMessage<EAssertionFailed>(StartsWith(std::string(zprava) + " (KavirelFile, line "));
    };
    EXPECT_THAT([&] { s.OdstranAktualni(); }, nil("Odstranuji NIL aktualni desku"));
    EXPECT_THAT([&] { s.PosunZa(); }, nil("Posouvam se za NIL aktualni desku"));
    EXPECT_THAT([&] { s.PosunPred(); }, nil("Posouvam se pred NIL aktualni desku"));
    EXPECT_THAT([&] { Aktualni(s); }, nil("Chci vratit NIL aktualni desku"));
    s.PridejDesku(Zaznam(5));
    EXPECT_EQ(Aktualni(s), std::make_pair(1, Bajty(Zaznam(5))));
}

TEST(SeznamDesek, ChraneneDeskyAMazani)
{
    TSeznamDesek s;
    for (int i = 1; i <= 17; ++i)
        s.PridejDesku(Zaznam(i));
    for (int i = 1; i <= 17; ++i) {
        ASSERT_TRUE(s.NaDeskuCislo(i));
        EXPECT_FALSE(s.LzeSmazatAktualni());
        s.OdstranAktualni();
        EXPECT_EQ(s.PocetDesek, 17);
    }
    for (int i = 18; i <= 20; ++i)
        s.PridejDesku(Zaznam(i));   // appending never moves the current board
    EXPECT_EQ(Aktualni(s).first, 17);
    // Where browsing and deleting lead is walked through the load tab.
    ASSERT_TRUE(s.NaDeskuCislo(18) && s.LzeSmazatAktualni());
    s.OdstranAktualni();
    EXPECT_EQ(Aktualni(s), std::make_pair(18, Bajty(Zaznam(19))));
    EXPECT_FALSE(s.NaDeskuCislo(0) || s.NaDeskuCislo(20));
    EXPECT_EQ(Aktualni(s).first, 18);
}

TEST(SeznamDesek, JedinaDeskaANedostatekPameti)
{
    SeznamBezPameti s(1);
    Texty zpravy;
    NastavHlaseniChyby([&](const std::string& t) { zpravy.push_back(t); });
    s.PridejDesku(Zaznam(1));
    s.PridejDesku(Zaznam(2));
    NastavHlaseniChyby(nullptr);
    EXPECT_EQ(zpravy, Texty{"Nedostatek paměti pro vytvoření seznamu desek."});
    EXPECT_EQ(s.PocetDesek, 1);
    s.PosunZa();
    s.PosunPred();
    EXPECT_EQ(Aktualni(s), std::make_pair(1, Bajty(Zaznam(1))));
    EXPECT_TRUE(s.NaDeskuCislo(1));
}

TEST_F(Soubory, CteniAZapisJsouBajtoveShodne)
{
    const std::string cele = Zaznamy(20);
    const std::pair<std::string, std::string> pripady[] = {   // file (none when "-"), file at exit
        {"-", VestaveneBajty()}, {"", VestaveneBajty()}, {cele.substr(0, 274), VestaveneBajty()},
        {cele.substr(0, 700), cele.substr(0, 550)}, {cele, cele}, {cele + std::string(150, 7), cele}};
    for (const auto& [obsah, poZapisu] : pripady) {
        fs::remove(Std);
        if (obsah != "-")
            Zapis(Std, obsah);
        NactiStandardniSoubor(Std);
        EXPECT_EQ(Aktualni(*SeznamDesek).second, poZapisu.substr(0, 275));
        EXPECT_EQ(CtiAZapis(), static_cast<int>(poZapisu.size() / 275));
        EXPECT_EQ(Cti(Std), poZapisu);
        EXPECT_EQ(Polozky(), std::set<std::string>{"Kavirel.dat"});
    }
    EXPECT_EQ(Zpravy, Texty{});
}

TEST_F(Soubory, ExterniSoubory)
{
    const std::string otevrit = "Soubor se nepodařilo otevřít!", cist = "Chyba pri čtení ze souboru. Deska nenahrána!";
    UlozExterniSoubor(Zaznam(11), Cesta("a.kav"));
    EXPECT_EQ(Cti(Cesta("a.kav")), Bajty(Zaznam(11)));
    Zapis(Cesta("dva.kav"), Zaznamy(2));
    Zapis(Cesta("kratky.kav"), Zaznamy(1).substr(0, 100));
    std::vector<std::pair<std::string, std::string>> pripady = {   // file, message
        {"a.kav", ""}, {"dva.kav", ""}, {"nic.kav", otevrit}, {"", otevrit}, {"kratky.kav", cist}};
    for (auto [offset, hodnota] : VadneBajty) {
        std::string vadny = Bajty(Zaznam(11));
        vadny[offset] = hodnota;
        pripady.push_back({"vadny" + std::to_string(offset), cist});
        Zapis(Cesta(pripady.back().first), vadny);
    }
    for (const auto& [jmeno, zprava] : pripady) {
        SCOPED_TRACE(jmeno);
        Zpravy.clear();
        TZaznamDesky z = Zaznam(99);
        NactiExterniSoubor(z, Cesta(jmeno));
        EXPECT_EQ(Bajty(z), zprava.empty() ? Cti(Cesta(jmeno)).substr(0, 275) : Bajty(Zaznam(99)));
        EXPECT_EQ(Zpravy, zprava.empty() ? Texty{} : Texty{zprava});
    }

    Zpravy.clear();
    UlozExterniSoubor(Zaznam(1), Adresar.string());
    UlozExterniSoubor(Zaznam(1), Cesta("chybi/a.kav"));
    // A write that fails half way (here past a size limit) is reported.
    SOmezenouVelikosti(100, [&] { UlozExterniSoubor(Zaznam(1), Cesta("velky.kav")); });
    EXPECT_EQ(Zpravy, (Texty{"Chyba při ukládání souboru!", "Chyba při ukládání souboru!",
                             "Chyba při zapisování do souboru!"}));
}

// A FIFO, a device or a socket named as a board file is refused by its type
// and never opened: a FIFO would hold the interface thread (a reader waits
// for a writer and the other way round), a device gives or swallows bytes
// that look like a board. The FIFOs here have both ends open in the test, so
// that a routine that opens them anyway reads or writes instead of hanging.
TEST_F(Soubory, ZvlastniSouborySeOdmitnouNeotevrene)
{
    const std::string nenahrano = "Soubor není obyčejný soubor (je to roura, zařízení nebo soket). Deska nenahrána!";
    const std::string neulozeno = "Soubor není obyčejný soubor (je to roura, zařízení nebo soket). Deska neuložena!";
    enum TCo { Fifo, Soket, Zarizeni };
    struct TPripad {
        TCo Co;
        std::string Zarizeni;   // for Zarizeni
        bool Zapis;
    };
    const TPripad pripady[] = {
        {Fifo, "", false}, {Fifo, "", true}, {Soket, "", false}, {Soket, "", true},
        {Zarizeni, "/dev/zero", false}, {Zarizeni, "/dev/null", true}, {Zarizeni, "/dev/full", true},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(std::to_string(p.Co) + p.Zarizeni + (p.Zapis ? " zapis" : " cteni"));
        std::string jmeno = Cesta("zvlastni.kav");
        fs::remove(jmeno);
        if (p.Co == Fifo) {
            ASSERT_EQ(mkfifo(jmeno.c_str(), 0600), 0);
        }
        const TPopisovac fifo(p.Co == Fifo ? open(jmeno.c_str(), O_RDWR | O_NONBLOCK) : -1);
        int soket = -1;
        switch (p.Co) {
        case Fifo:
            ASSERT_TRUE(fifo.Platny());
            if (!p.Zapis) {
                ASSERT_EQ(write(*fifo, Bajty(Zaznam(5)).data(), 275), 275);
            }
            break;
        case Soket: {
            soket = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un adresa {};
            adresa.sun_family = AF_UNIX;
            ASSERT_LT(jmeno.size(), sizeof adresa.sun_path);
            jmeno.copy(adresa.sun_path, jmeno.size());
            ASSERT_EQ(bind(soket, reinterpret_cast<sockaddr*>(&adresa), sizeof adresa), 0);
            break;
        }
        case Zarizeni:
            if (!fs::exists(p.Zarizeni))
                continue;
            fs::create_symlink(p.Zarizeni, jmeno);
            break;
        }
        Zpravy.clear();
        TZaznamDesky z = Zaznam(99);
        if (p.Zapis)
            UlozExterniSoubor(Zaznam(11), jmeno);
        else
            NactiExterniSoubor(z, jmeno);
        EXPECT_EQ(Zpravy, Texty{p.Zapis ? neulozeno : nenahrano});
        EXPECT_EQ(Bajty(z), Bajty(Zaznam(99)));
        if (p.Co == Fifo) {
            // Nothing taken out of the FIFO, nothing put in.
            char bajty[300];
            EXPECT_EQ(read(*fifo, bajty, sizeof bajty), p.Zapis ? -1 : 275);
        }
        if (soket >= 0)
            close(soket);
    }
}

} // namespace
