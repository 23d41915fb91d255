// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line solver fed by pipes, FIFOs and text drawings, and its
// JSON output checked against its text output.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "KavirelKresba.h"
#include "MaleJson.h"
#include "SpousteniNastroju.h"

using namespace TestNastroju;

namespace {

using ResitVstup = Nastroje;

const std::string Resit = KAVIREL_RESIT;

TEST_F(ResitVstup, RouraAStandardniVstup)
{
    const TZaznamDesky kriz = Vestavena(7), krizek = Vestavena(10);
    Zapis("kriz.kav", {kriz});
    Zapis("Kavirel.dat", StandardniZaznamy());
    ZapisText("kriz.txt", KresbaDesky(kriz));
    const std::string r = VUvozovkach(Resit);
    struct TPripad {
        std::string Prikaz;
        std::string Ocekavano;
    };
    const std::vector<TPripad> pripady = {
        {"cat kriz.kav | " + r + " -", OcekavanyVystup(kriz, zhNejrychlejsi)},
        {"cat kriz.kav | " + r + " /dev/stdin", OcekavanyVystup(kriz, zhNejrychlejsi)},
        {r + " - <kriz.kav", OcekavanyVystup(kriz, zhNejrychlejsi)},
        {"cat Kavirel.dat | " + r + " --nejkratsi --deska 10 -", OcekavanyVystup(krizek, zhNejkratsi)},
        {"cat kriz.txt | " + r + " -", OcekavanyVystup(kriz, zhNejrychlejsi)},
        {r + " --nejkratsi - <kriz.txt", OcekavanyVystup(kriz, zhNejkratsi)},
        {"printf 'typ: leibniz\\nO..\\n' | " + r + " -", OcekavanyVystup(Deska({"Xoo"}, thLeibniz), zhNejrychlejsi)},
    };
    for (const TPripad& p : pripady) {
        const TBeh b = SpustShell(p.Prikaz);
        EXPECT_EQ(b.Kod, 0) << p.Prikaz << "\n" << b.Chyby;
        EXPECT_EQ(b.Vystup, p.Ocekavano) << p.Prikaz;
        EXPECT_EQ(b.Chyby, "") << p.Prikaz;
    }
}

// The board arrives through a FIFO long after the limit would have run out
// had it counted from the start: the limit counts from the reading.
TEST_F(ResitVstup, FifoCekaNaPisareALimitBeziOdNacteni)
{
    const fs::path fifo = Adresar / "fronta";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
    const std::string kresba = "název: čeká\noo.o\n";

    TBeh b;
    std::atomic<bool> skoncil{false};
    std::thread beh([&] {
        b = Spust({"--json", "--limit", "1", fifo.string()});
        skoncil = true;
    });
    // Open for writing only once the program has opened its end, so that a
    // program that never opens it cannot hang the test.
    int fd = -1;
    while (fd < 0 && !skoncil) {
        fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd < 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (fd >= 0) {
        ::fcntl(fd, F_SETFL, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        EXPECT_EQ(::write(fd, kresba.data(), kresba.size()), static_cast<ssize_t>(kresba.size()));
        ::close(fd);
    }
    beh.join();
    ASSERT_GE(fd, 0) << "the program ended without opening the FIFO: " << b.Chyby;
    EXPECT_EQ(b.Kod, 0) << b.Chyby;
    const MaleJson::THodnota j = MaleJson::Precti(b.Vystup);
    EXPECT_EQ(j["status"].Retezec, "found");
    EXPECT_EQ(j["board"].Retezec, "čeká");
}

std::vector<std::string> Rozdel(const std::string& s, char oddelovac)
{
    std::vector<std::string> v;
    std::string kus;
    for (const char c : s) {
        if (c == oddelovac) {
            v.push_back(kus);
            kus.clear();
        } else {
            kus += c;
        }
    }
    v.push_back(kus);
    return v;
}

std::string Par(const MaleJson::THodnota& skok)
{
    if (skok.Druh != MaleJson::THodnota::TDruh::Pole || skok.Pole.size() != 2 || !skok.Pole[0].CeleCislo
        || !skok.Pole[1].CeleCislo)
        return "<není dvojice čísel>";
    return std::to_string(static_cast<long>(skok.Pole[0].Cislo)) + "-"
           + std::to_string(static_cast<long>(skok.Pole[1].Cislo));
}

// Everything the JSON object says must agree with the text output of the
// same board and with the board itself.
void PorovnejJsonSTextem(const TBeh& json, const TBeh& text, const TZaznamDesky& z, const char* rezim)
{
    using D = MaleJson::THodnota::TDruh;
    const std::string nazev = IconvNaUtf8(DejNazev(z));
    SCOPED_TRACE(nazev);
    EXPECT_EQ(json.Kod, text.Kod);
    EXPECT_EQ(json.Vystup.back(), '\n');
    MaleJson::THodnota j;
    ASSERT_NO_THROW(j = MaleJson::Precti(json.Vystup)) << json.Vystup;
    ASSERT_EQ(j.Druh, D::Objekt);
    EXPECT_EQ(j.Objekt.size(), 9u);
    EXPECT_EQ(j["board"].Retezec, nazev);
    EXPECT_EQ(j["type"].Retezec, z.TypHry == thNormalni ? "normal" : "leibniz");
    EXPECT_EQ(j["mode"].Retezec, rezim);
    EXPECT_TRUE(j["positions"].CeleCislo && j["positions"].Cislo >= 0);
    EXPECT_TRUE(j["elapsed_ms"].CeleCislo && j["elapsed_ms"].Cislo >= 0);

    const std::vector<std::string> radky = Rozdel(text.Vystup, '\n');
    const std::string stav = j["status"].Retezec;
    const std::vector<MaleJson::THodnota>& skoky = j["jumps"].Pole;
    const std::vector<MaleJson::THodnota>& tahy = j["move_groups"].Pole;
    ASSERT_EQ(j["jumps"].Druh, D::Pole);
    ASSERT_EQ(j["move_groups"].Druh, D::Pole);
    if (stav != "found") {
        EXPECT_EQ(stav, text.Kod == 1 ? "none" : "stopped");
        EXPECT_EQ(radky.size(), 2u);
        EXPECT_EQ(j["moves"].Druh, D::Null);
        EXPECT_TRUE(skoky.empty());
        EXPECT_TRUE(tahy.empty());
        return;
    }
    ASSERT_EQ(radky.size(), 4u) << text.Vystup;
    EXPECT_EQ(text.Kod, 0);
    EXPECT_EQ("Potřebných tahů: " + std::to_string(static_cast<long>(j["moves"].Cislo)), radky[1]);
    std::string textSkoku;
    for (const MaleJson::THodnota& s : skoky)
        textSkoku += (textSkoku.empty() ? "" : " ") + Par(s);
    EXPECT_EQ(textSkoku, radky[2]);

    // The groups are the jumps in order, cut where a different stone moves.
    EXPECT_EQ(static_cast<double>(tahy.size()), j["moves"].Cislo);
    std::vector<std::string> zGroup;
    for (std::size_t t = 0; t < tahy.size(); ++t) {
        ASSERT_FALSE(tahy[t].Pole.empty());
        for (std::size_t k = 0; k < tahy[t].Pole.size(); ++k) {
            const std::vector<std::string> par = Rozdel(Par(tahy[t].Pole[k]), '-');
            if (k > 0) {
                EXPECT_EQ(par[0], Rozdel(zGroup.back(), '-')[1]) << "a move continues with the same stone";
            } else if (t > 0) {
                EXPECT_NE(par[0], Rozdel(zGroup.back(), '-')[1]) << "a new move starts with another stone";
            }
            zGroup.push_back(Par(tahy[t].Pole[k]));
        }
    }
    ASSERT_EQ(zGroup.size(), skoky.size());
    for (std::size_t i = 0; i < skoky.size(); ++i)
        EXPECT_EQ(zGroup[i], Par(skoky[i]));
}

// Every built-in board: the JSON output against the text output, and the
// board through a drawing and back, solved alike.
TEST_F(ResitVstup, VestaveneDeskyJsonAKresba)
{
    const std::vector<TZaznamDesky> desky = StandardniZaznamy();
    for (std::size_t i = 0; i < desky.size(); ++i) {
        const std::string kav = Zapis("deska" + std::to_string(i + 1) + ".kav", {desky[i]}).string();
        const TBeh text = Spust({kav});
        const TBeh json = Spust({"--json", kav});
        PorovnejJsonSTextem(json, text, desky[i], "fastest");

        const TBeh kresba = Spust({"--kresba", kav});
        EXPECT_EQ(kresba.Kod, 0) << kresba.Chyby;
        TZaznamDesky zpet = PrazdnyZaznam();
        TChybaKresby chyba;
        EXPECT_TRUE(CtiKresbu(kresba.Vystup, zpet, chyba)) << kresba.Vystup << chyba.Zprava;
        EXPECT_EQ(std::memcmp(&zpet, &desky[i], sizeof zpet), 0) << kresba.Vystup;

        const std::string txt = ZapisText("deska" + std::to_string(i + 1) + ".txt", kresba.Vystup).string();
        EXPECT_EQ(Spust({"--kresba", txt}).Vystup, kresba.Vystup);
        // Instrumented builds solve many times slower; a few boards show it.
        if (Instrumentovano && i % 4 != 0)
            continue;
        const TBeh zKresby = Spust({"-"}, txt);
        EXPECT_EQ(zKresby.Kod, text.Kod);
        EXPECT_EQ(zKresby.Vystup, text.Vystup) << kresba.Vystup;
    }
}

TEST_F(ResitVstup, JsonNejkratsiZastavenyAJmenoSeZnaky)
{
    const std::string e = Zapis("e.kav", {Vestavena(12)}).string();
    const std::string plus = Zapis("plus.kav", {Vestavena(9)}).string();
    PorovnejJsonSTextem(Spust({"--json", "--nejkratsi", "--limit", "0.2", e}),
                        Spust({"--nejkratsi", "--limit", "0.2", e}), Vestavena(12), "shortest");
    PorovnejJsonSTextem(Spust({"--json", "--nejkratsi", plus}), Spust({"--nejkratsi", plus}), Vestavena(9),
                        "shortest");

    const std::string divne = ZapisText("divne.txt", "název: a\"b\\c/d\noo.\n").string();
    const TBeh b = Spust({"--json", divne});
    EXPECT_EQ(b.Kod, 0) << b.Chyby;
    EXPECT_EQ(MaleJson::Precti(b.Vystup)["board"].Retezec, "a\"b\\c/d");
}

TEST_F(ResitVstup, SpatnaKresbaJmenujeSouborARadek)
{
    struct TPripad {
        std::string Text;
        std::string Ocekavano;  // in the message
    };
    const std::vector<TPripad> pripady = {
        {"typ: leibniz\no.o\n.x.\n", "řádek 3"},
        {"název: " + std::string(40, 'n') + "\no\n", "řádek 1"},
        {"o\n\ntyp: leibniz\n", "řádek 3"},
        {"# nic\n", "kresba.txt"},
        {"", "neobsahuje celou desku"},
    };
    for (const TPripad& p : pripady) {
        const std::string soubor = ZapisText("kresba.txt", p.Text).string();
        for (const bool roura : {false, true}) {
            const TBeh b = roura ? Spust({"-"}, soubor) : Spust({soubor});
            EXPECT_EQ(b.Kod, 2) << p.Text;
            EXPECT_EQ(b.Vystup, "") << p.Text;
            if (!roura) {
                EXPECT_NE(b.Chyby.find(p.Ocekavano), std::string::npos) << p.Text << "\n" << b.Chyby;
            } else {
                EXPECT_NE(b.Chyby, "");
            }
        }
    }
    // A drawing holds one board only.
    const std::string kresba = ZapisText("jedna.txt", "oo.\n").string();
    EXPECT_EQ(Spust({"--deska", "2", kresba}).Kod, 2);
    EXPECT_EQ(Spust({"--deska", "1", kresba}).Kod, 0);
}

}  // namespace
