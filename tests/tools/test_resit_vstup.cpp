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

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "KavirelKresba.h"
#include "KavirelRada.h"
#include "KavirelSluzba.h"
#include "ReferencniNejmene.h"
#include "SpousteniNastroju.h"

using namespace TestNastroju;

namespace {

using ResitVstup = Nastroje;

QJsonObject Json(const std::string& text)
{
    QJsonParseError chyba;
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(text), &chyba);
    EXPECT_EQ(chyba.error, QJsonParseError::NoError) << chyba.errorString().toStdString() << "\n" << text;
    EXPECT_TRUE(d.isObject()) << text;
    return d.object();
}

std::string Retezec(const QJsonValue& v) { return v.toString().toStdString(); }

TEST_F(ResitVstup, RouraAStandardniVstup)
{
    const TZaznamDesky kriz = Vestavena(7), krizek = Vestavena(10);
    Zapis("kriz.kav", {kriz});
    Zapis("Kavirel.dat", StandardniZaznamy());
    ZapisText("kriz.txt", KresbaDesky(kriz));
    const std::string r = VUvozovkach(KAVIREL_RESIT);
    const std::vector<std::pair<std::string, std::string>> pripady = {
        {"cat kriz.kav | " + r + " -", OcekavanyVystup(kriz, zhNejrychlejsi)},
        {"cat kriz.kav | " + r + " /dev/stdin", OcekavanyVystup(kriz, zhNejrychlejsi)},
        {r + " - <kriz.kav", OcekavanyVystup(kriz, zhNejrychlejsi)},
        {"cat Kavirel.dat | " + r + " --nejkratsi --deska 10 -", OcekavanyVystup(krizek, zhNejkratsi)},
        {"cat kriz.txt | " + r + " -", OcekavanyVystup(kriz, zhNejrychlejsi)},
        {r + " --nejkratsi - <kriz.txt", OcekavanyVystup(kriz, zhNejkratsi)},
        {"printf 'typ: leibniz\\nO..\\n' | " + r + " -", OcekavanyVystup(Deska({"Xoo"}, thLeibniz), zhNejrychlejsi)},
    };
    for (const auto& [prikaz, ocekavano] : pripady) {
        const TBeh b = SpustShell(prikaz);
        EXPECT_EQ(b.Kod, 0) << prikaz << "\n" << b.Chyby;
        EXPECT_EQ(b.Vystup, ocekavano) << prikaz;
        EXPECT_EQ(b.Chyby, "") << prikaz;
    }
}

// The board arrives through a FIFO long after the limit would have run out
// had it counted from the start: the limit counts from the reading. Its name
// needs escaping in JSON.
TEST_F(ResitVstup, FifoCekaNaPisareALimitBeziOdNacteni)
{
    const fs::path fifo = Adresar / "fronta";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
    const std::string kresba = "název: \"čeká\\na/b\"\noo.o\n";

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
    const QJsonObject j = Json(b.Vystup);
    EXPECT_EQ(Retezec(j["status"]), "found");
    EXPECT_EQ(Retezec(j["board"]), "\"čeká\\na/b\"");
}

std::string Par(const QJsonValue& skok)
{
    const QJsonArray a = skok.toArray();
    if (a.size() != 2 || a.at(0).toInteger(-1) < 0 || a.at(1).toInteger(-1) < 0)
        return "<není dvojice čísel>";
    return std::to_string(a.at(0).toInteger()) + "-" + std::to_string(a.at(1).toInteger());
}

std::string TextSkoku(const QJsonArray& skoky)
{
    std::string t;
    for (const QJsonValue& s : skoky)
        t += (t.empty() ? "" : " ") + Par(s);
    return t;
}

// Everything the JSON object says must agree with the text output of the
// same board and with the board itself.
void PorovnejJsonSTextem(const TBeh& json, const TBeh& text, const TZaznamDesky& z, const char* rezim)
{
    const std::string nazev = IconvNaUtf8(DejNazev(z));
    SCOPED_TRACE(nazev);
    EXPECT_EQ(json.Kod, text.Kod);
    EXPECT_TRUE(!json.Vystup.empty() && json.Vystup.back() == '\n');
    const QJsonObject j = Json(json.Vystup);
    // A hint tells its first move and the rest besides.
    EXPECT_EQ(j.size(), std::string(rezim) == "hint" ? 11 : 9);
    EXPECT_EQ(Retezec(j["board"]), nazev);
    EXPECT_EQ(Retezec(j["type"]), z.TypHry == thNormalni ? "normal" : "leibniz");
    EXPECT_EQ(Retezec(j["mode"]), rezim);
    EXPECT_GE(j["positions"].toInteger(-1), 0);
    EXPECT_GE(j["elapsed_ms"].toInteger(-1), 0);
    ASSERT_TRUE(j["jumps"].isArray() && j["move_groups"].isArray());

    const QStringList radky = QString::fromStdString(text.Vystup).split('\n');
    const QJsonArray skoky = j["jumps"].toArray(), tahy = j["move_groups"].toArray();
    if (Retezec(j["status"]) != "found") {
        EXPECT_EQ(Retezec(j["status"]), text.Kod == 1 ? "none" : "stopped");
        EXPECT_EQ(radky.size(), 2);
        EXPECT_TRUE(j["moves"].isNull());
        EXPECT_TRUE(skoky.isEmpty() && tahy.isEmpty());
        return;
    }
    ASSERT_EQ(radky.size(), 4) << text.Vystup;
    EXPECT_EQ(text.Kod, 0);
    EXPECT_EQ("Potřebných tahů: " + std::to_string(j["moves"].toInteger(-1)), radky[1].toStdString());
    const std::string textSkoku = TextSkoku(skoky);
    EXPECT_EQ(textSkoku, radky[2].toStdString());

    // The groups are the jumps in order, cut where a different stone moves.
    EXPECT_EQ(tahy.size(), j["moves"].toInteger(-1));
    std::string zeSkupin;
    qint64 kam = -1;  // where the previous jump landed
    for (const QJsonValue& tah : tahy) {
        const QJsonArray skokyTahu = tah.toArray();
        ASSERT_FALSE(skokyTahu.isEmpty());
        for (qsizetype k = 0; k < skokyTahu.size(); ++k) {
            const QJsonArray s = skokyTahu.at(k).toArray();
            if (kam >= 0) {
                EXPECT_EQ(s.at(0).toInteger() == kam, k > 0) << "only a move's own jumps go on with its stone";
            }
            kam = s.at(1).toInteger();
            zeSkupin += (zeSkupin.empty() ? "" : " ") + Par(s);
        }
    }
    EXPECT_EQ(zeSkupin, textSkoku);
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

// Each mode stopped by the limit, in text and in JSON: the French board's
// shortest and least-moves searches run for seconds, and no hint search ends
// on the whole grid but its centre.
TEST_F(ResitVstup, ZastavenoLimitemVKazdemRezimu)
{
    const struct {
        const char* Volba;
        const char* Rezim;
        TZaznamDesky Deska;
    } pripady[] = {{"--nejkratsi", "shortest", Vestavena(2)}, {"--nejmene", "minimum", Vestavena(2)},
                   {"--rada", "hint", Nekonecna(thNormalni)}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Volba);
        const std::string f = Zapis("f.kav", {p.Deska}).string();
        const TBeh text = Spust({p.Volba, "--limit", "0.2", f});
        EXPECT_EQ(text.Kod, 3);
        // Nobody but the limit stopped it, and the text says so.
        EXPECT_EQ(text.Vystup, "Hledání zastaveno: vypršel časový limit\n");
        const TBeh json = Spust({"--json", p.Volba, "--limit=0.2", f});
        PorovnejJsonSTextem(json, text, p.Deska, p.Rezim);
        EXPECT_GT(Json(json.Vystup)["positions"].toInteger(-1), 0);
    }
}

// The shortest and the minimum mode found, in JSON as in text; the moves of
// the minimum are those of the plain breadth-first search over moves.
TEST_F(ResitVstup, JsonNejkratsiANejmeneNalezene)
{
    const std::string plus = Zapis("plus.kav", {Vestavena(9)}).string();
    const std::string kriz = Zapis("kriz.kav", {Vestavena(7)}).string();
    PorovnejJsonSTextem(Spust({"--json", "--nejkratsi", plus}), Spust({"--nejkratsi", plus}), Vestavena(9),
                        "shortest");
    TSolveDeska deska;
    deska.Nastav(Vestavena(7));
    const Referencni::TVysledek ref = Referencni::VyresNejmene(deska);
    ASSERT_EQ(ref.Stav, Referencni::TStav::Nalezeno);
    int tahu = 0;
    for (std::size_t k = 0; k < ref.Skoky.size(); ++k)
        tahu += k == 0 || ref.Skoky[k].Odkud != ref.Skoky[k - 1].Kam;
    const TBeh text = Spust({"--nejmene", kriz});
    EXPECT_NE(text.Vystup.find("Potřebných tahů: " + std::to_string(tahu) + "\n"), std::string::npos) << text.Vystup;
    PorovnejJsonSTextem(Spust({"--json", "--minimum", kriz}), text, Vestavena(7), "minimum");
}

// A hint, in text and in JSON: the first move and the rest of the solution
// the library gives, its moves counted as the game counts them; the status
// and exit code of the other modes where there is none or it was stopped.
TEST_F(ResitVstup, RadaTextemAJsonem)
{
    struct TPripad {
        TZaznamDesky Deska;
        int Kod;
    };
    const std::vector<TPripad> pripady = {
        {Vestavena(9), 0},                                  // Plus
        {Vestavena(7), 0},                                  // Kříž
        {Deska({"xxo", "..x", "..o"}), 0},                  // one move of two jumps
        {Deska({"Xoo"}, thLeibniz), 0},
        {Deska({"...", ".x.", "..o"}), 0},                  // the goal is met already
        {Vestavena(13), 1},                                 // Pohár
        {Deska({"xox", "...", "x.x"}), 1},
    };
    for (std::size_t i = 0; i < pripady.size(); ++i) {
        SCOPED_TRACE(i);
        const TPripad& p = pripady[i];
        const std::string f = Zapis("rada.kav", {p.Deska}).string();
        TPozadavek pozadavek;
        pozadavek.Deska = p.Deska;
        pozadavek.Zpusob = zhRada;
        TRizeniHledani rizeni;
        const TVysledekUlohy v = VyresPozadavek(pozadavek, rizeni);
        TSolveDeska deska;
        deska.Nastav(p.Deska);
        PredejReseni(deska, JakoReseni(v));

        const TBeh text = Spust({"--rada", f});
        EXPECT_EQ(text.Kod, p.Kod) << text.Chyby;
        const TBeh json = Spust({"--hint", "--json", f});
        EXPECT_EQ(json.Kod, p.Kod) << json.Chyby;
        const QJsonObject j = Json(json.Vystup);
        EXPECT_EQ(j.size(), 11);
        EXPECT_EQ(Retezec(j["mode"]), "hint");
        const QStringList radky = QString::fromStdString(text.Vystup).split('\n');
        if (p.Kod != 0) {
            EXPECT_EQ(text.Vystup, "Řešení neexistuje\n");
            EXPECT_EQ(Retezec(j["status"]), "none");
            EXPECT_TRUE(j["moves"].isNull());
            EXPECT_TRUE(j["first_move"].toArray().isEmpty() && j["rest"].toArray().isEmpty());
            continue;
        }
        ASSERT_EQ(radky.size(), 5) << text.Vystup;
        std::string prvni, zbytek;
        for (std::size_t k = 0; k < v.Skoky.size(); ++k)
            (k < v.SkokuPrvnihoTahu ? prvni : zbytek) += std::string(k == 0 || k == v.SkokuPrvnihoTahu ? "" : " ")
                                                        + std::to_string(v.Skoky[k].CisloOdkud) + "-"
                                                        + std::to_string(v.Skoky[k].CisloKam);
        EXPECT_EQ(radky[0].toStdString(), "Řešení nalezeno");
        EXPECT_EQ(radky[1].toStdString(), "Potřebných tahů: " + std::to_string(deska.Reseni.DejPocetTahu()));
        EXPECT_EQ(radky[2].toStdString(), "První tah: " + prvni);
        EXPECT_EQ(radky[3].toStdString(), "Zbytek řešení: " + zbytek);
        EXPECT_EQ(Retezec(j["status"]), "found");
        EXPECT_EQ(j["moves"].toInteger(-1), deska.Reseni.DejPocetTahu());
        EXPECT_EQ(TextSkoku(j["first_move"].toArray()), prvni);
        EXPECT_EQ(TextSkoku(j["rest"].toArray()), zbytek);
        EXPECT_EQ(TextSkoku(j["jumps"].toArray()), prvni + (prvni.empty() || zbytek.empty() ? "" : " ") + zbytek);
        const QJsonArray tahy = j["move_groups"].toArray();
        EXPECT_EQ(TextSkoku(tahy.isEmpty() ? QJsonArray() : tahy.at(0).toArray()), prvni);
    }
    // Rada and nejkratší are two different questions.
    const std::string plus = Zapis("plus.kav", {Vestavena(9)}).string();
    const TBeh obe = Spust({"--rada", "--nejkratsi", plus});
    EXPECT_EQ(obe.Kod, 2);
    EXPECT_EQ(obe.Vystup, "");
}

TEST_F(ResitVstup, SpatnaKresbaJmenujeSouborARadek)
{
    struct TPripad {
        std::string Text;
        std::string Ocekavano;  // in the message
    };
    const std::vector<TPripad> pripady = {
        {"typ: leibniz\no.o\n.x.\n", "řádek 3"},
        {"# nic\n", "kresba.txt"},
        {"", "neobsahuje celou desku"},
    };
    for (const TPripad& p : pripady) {
        const std::string soubor = ZapisText("kresba.txt", p.Text).string();
        const TBeh zeSouboru = Spust({soubor});
        EXPECT_NE(zeSouboru.Chyby.find(p.Ocekavano), std::string::npos) << p.Text << "\n" << zeSouboru.Chyby;
        for (const TBeh& b : {zeSouboru, Spust({"-"}, soubor)}) {
            EXPECT_EQ(b.Kod, 2) << p.Text;
            EXPECT_EQ(b.Vystup, "") << p.Text;
            EXPECT_NE(b.Chyby, "") << p.Text;
        }
    }
    // A drawing holds one board only.
    const std::string kresba = ZapisText("jedna.txt", "oo.\n").string();
    EXPECT_EQ(Spust({"--deska", "2", kresba}).Kod, 2);
    EXPECT_EQ(Spust({"--deska", "1", kresba}).Kod, 0);
}

}  // namespace
