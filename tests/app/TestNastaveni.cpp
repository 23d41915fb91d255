// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file shared by games running side by side and left by
// earlier versions: merged key by key, its permissions and links kept,
// damaged values taken for defaults, and what is written still read by the
// previous version's reader (QSettings' INI format).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "KavirelNastaveni.h"

namespace {

// The identity of a board whose fields spell out a number.
QString Deska(int n)
{
    QString s(81, QLatin1Char('.'));
    for (int i = 0; i < 81; ++i)
        if ((n >> (i % 16)) & 1)
            s[i] = QLatin1Char('x');
    return s + QLatin1Char('0');
}

const QDateTime Kdy = QDateTime::fromString(QStringLiteral("2026-01-02T03:04:05"), Qt::ISODate);

class NastaveniSouboru : public ::testing::Test {
protected:
    QTemporaryDir Adresar;
    QString Soubor;
    std::vector<QString> Varovani;
    QtMessageHandler Puvodni = nullptr;
    static NastaveniSouboru* Aktivni;

    void SetUp() override
    {
        ASSERT_TRUE(Adresar.isValid());
        Soubor = Adresar.filePath(QStringLiteral("Kavirel/Kavirel.conf"));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(Soubor).absolutePath()));
        Aktivni = this;
        Puvodni = qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& text) {
            if (typ == QtWarningMsg && Aktivni)
                Aktivni->Varovani.push_back(text);
        });
    }
    void TearDown() override
    {
        qInstallMessageHandler(Puvodni);
        Aktivni = nullptr;
    }

    TNastaveni Nactene() const
    {
        TNastaveni n(Soubor);
        n.Nacti();
        return n;
    }
    void Zapis(const QByteArray& obsah) const
    {
        QFile f(Soubor);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(obsah);
    }
    int Tahu(const TNastaveni& n, int deska) const
    {
        const TOsobniRekord* r = n.NajdiRekord(Deska(deska));
        return r ? r->Tahu : 0;
    }
};
NastaveniSouboru* NastaveniSouboru::Aktivni = nullptr;

// Two games read the same file, each changes its own things, both write:
// what each changed survives, a personal best only gets better, and of two
// changes to one key the later one stands.
TEST_F(NastaveniSouboru, DveHrySlucujiKlicPoKlici)
{
    struct TZmena {
        int Deska = 0, Tahu = 0;       // a won game
        TBarva Kamen = 0;              // a new stone colour
        bool Cisla = false;            // "Čísla polí" switched on
        const char* Adresar = nullptr; // the folder of a board file
    };
    struct TPripad {
        const char* Popis;
        TZmena Prvni, Druha;           // the first game writes first
        int Tahu1, Tahu2;              // the bests of boards 1 and 2 afterwards
        TBarva Kamen;
        bool Cisla;
        const char* Adresar = "";
    };
    const TBarva vychozi = StandardniBarvy().BarvaKamen;
    const TPripad pripady[] = {
        {"two boards", {1, 5}, {2, 7}, 5, 7, vychozi, false},
        {"one board, the later better", {1, 5}, {1, 4}, 4, 0, vychozi, false},
        {"one board, the later worse", {1, 4}, {1, 6}, 4, 0, vychozi, false},
        {"a colour and the numbers", {0, 0, 0x123456}, {0, 0, 0, true}, 0, 0, 0x123456, true},
        {"a colour, then nothing", {0, 0, 0x123456}, {}, 0, 0, 0x123456, false},
        {"the same key twice", {0, 0, 0x123456}, {0, 0, 0x654321}, 0, 0, 0x654321, false},
        {"a best and a colour", {2, 9}, {0, 0, 0x0000ff}, 0, 9, 0x0000ff, false},
        {"a folder, then a best", {0, 0, 0, false, "/tmp/desky"}, {1, 3}, 3, 0, vychozi, false, "/tmp/desky"},
        {"two folders", {0, 0, 0, false, "/a"}, {0, 0, 0, false, "/b"}, 0, 0, vychozi, false, "/b"},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Popis);
        QFile::remove(Soubor);
        TNastaveni prvni = Nactene(), druha = Nactene();
        for (auto [hra, z] : {std::pair<TNastaveni*, TZmena>{&prvni, p.Prvni}, {&druha, p.Druha}}) {
            if (z.Deska)
                hra->ZapisVyhru(Deska(z.Deska), QStringLiteral("Deska %1").arg(z.Deska), thNormalni, z.Tahu, Kdy);
            if (z.Kamen)
                hra->Barvy.BarvaKamen = z.Kamen;
            if (z.Cisla)
                hra->CislaPoli = true;
            if (z.Adresar)
                hra->PosledniAdresar = QString::fromUtf8(z.Adresar);
        }
        ASSERT_TRUE(prvni.Uloz());
        ASSERT_TRUE(druha.Uloz());
        const TNastaveni potom = Nactene();
        EXPECT_EQ(Tahu(potom, 1), p.Tahu1);
        EXPECT_EQ(Tahu(potom, 2), p.Tahu2);
        EXPECT_EQ(potom.Barvy.BarvaKamen, p.Kamen);
        EXPECT_EQ(potom.CislaPoli, p.Cisla);
        EXPECT_EQ(potom.PosledniAdresar, QString::fromUtf8(p.Adresar));
    }
    EXPECT_TRUE(Varovani.empty());
}

// The window's place and size: read only whole, a damaged value is told and
// gives the default; a game that did not move its window leaves the place
// another game wrote.
TEST_F(NastaveniSouboru, PolohaOknaCelaNeboVychozi)
{
    struct TPripad {
        const char* Poloha;
        const char* Maximalizovane;
        QRect Okno;
        bool Max;
        bool Varovani;
    };
    const TPripad pripady[] = {
        {"10 20 800 600", "true", QRect(10, 20, 800, 600), true, false},
        {"-5 0 792 572", "false", QRect(-5, 0, 792, 572), false, false},
        {"10 20 0 600", "false", QRect(), false, true},
        {"10 20 800", "false", QRect(), false, true},
        {"a b c d", "false", QRect(), false, true},
        {"10 20 800 600", "ano", QRect(10, 20, 800, 600), false, true},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Poloha);
        Varovani.clear();
        Zapis(QByteArray("[Okno]\nPoloha=") + p.Poloha + "\nMaximalizovane=" + p.Maximalizovane + "\n");
        const TNastaveni n = Nactene();
        EXPECT_EQ(n.Okno, p.Okno);
        EXPECT_EQ(n.Maximalizovane, p.Max);
        EXPECT_EQ(Varovani.size(), p.Varovani ? 1u : 0u);
    }

    QFile::remove(Soubor);
    TNastaveni prvni = Nactene(), druha = Nactene();
    prvni.Okno = QRect(30, 40, 1000, 800);
    prvni.Maximalizovane = true;
    druha.CislaPoli = true;
    ASSERT_TRUE(prvni.Uloz());
    ASSERT_TRUE(druha.Uloz());
    const TNastaveni potom = Nactene();
    EXPECT_EQ(potom.Okno, QRect(30, 40, 1000, 800));
    EXPECT_TRUE(potom.Maximalizovane);
    EXPECT_TRUE(potom.CislaPoli);
}

// Games that write at the same moment wait for each other: no best is lost.
// A game gives up waiting after a moment and writes again later (at its end
// at the latest), so each one here tries again until it has written: how
// long the others hold the lock depends on the machine's load.
TEST_F(NastaveniSouboru, SoubezneZapisyNeztratiRekord)
{
    constexpr int her = 8;
    std::vector<TNastaveni> hry;
    for (int i = 0; i < her; ++i) {
        hry.push_back(Nactene());
        hry.back().ZapisVyhru(Deska(i + 1), QStringLiteral("Deska"), thNormalni, i + 3, Kdy);
    }
    std::atomic<int> pripraveno{0};
    std::atomic<int> ulozeno{0};
    std::vector<std::thread> vlakna;
    for (TNastaveni& hra : hry)
        vlakna.emplace_back([&] {
            ++pripraveno;
            while (pripraveno < her) {
            }
            for (int pokus = 0; pokus < 100; ++pokus)
                if (hra.Uloz()) {
                    ++ulozeno;
                    break;
                }
        });
    for (std::thread& v : vlakna)
        v.join();
    EXPECT_EQ(ulozeno, her);
    const TNastaveni potom = Nactene();
    for (int i = 0; i < her; ++i)
        EXPECT_EQ(Tahu(potom, i + 1), i + 3) << i;
}

// A private settings file stays private, and a link stays a link.
TEST_F(NastaveniSouboru, PravaAOdkazSouboruZustanou)
{
    const QString skutecny = Adresar.filePath(QStringLiteral("jinde/skutecny.conf"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(skutecny).absolutePath()));
    struct TPripad {
        unsigned Prava;
        QString Odkaz;   // the text of the link named as the file; none when empty
    };
    const TPripad pripady[] = {
        {0600, {}}, {0640, {}}, {0600, QStringLiteral("../jinde/skutecny.conf")}, {0644, skutecny}};
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Odkaz.toStdString() + " " + std::to_string(p.Prava));
        QFile::remove(Soubor);
        QFile::remove(skutecny);
        const QString cil = p.Odkaz.isEmpty() ? Soubor : skutecny;
        if (!p.Odkaz.isEmpty()) {
            ASSERT_EQ(::symlink(QFile::encodeName(p.Odkaz).constData(), QFile::encodeName(Soubor).constData()), 0);
        }
        {
            QSettings s(cil, QSettings::IniFormat);
            s.setValue(QStringLiteral("Zobrazeni/CislaPoli"), true);
        }
        ASSERT_EQ(::chmod(QFile::encodeName(cil).constData(), p.Prava), 0);
        TNastaveni n = Nactene();
        EXPECT_TRUE(n.CislaPoli);
        n.Barvy.BarvaKamen = 0x0000ff;
        ASSERT_TRUE(n.Uloz());
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(cil).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777u, p.Prava);
        EXPECT_EQ(QFileInfo(Soubor).isSymLink(), !p.Odkaz.isEmpty());
        if (!p.Odkaz.isEmpty()) {
            EXPECT_EQ(QFile::symLinkTarget(Soubor), QFileInfo(skutecny).absoluteFilePath());
        }
        const TNastaveni potom = Nactene();
        EXPECT_EQ(potom.Barvy.BarvaKamen, 0x0000ffu);
        EXPECT_TRUE(potom.CislaPoli);
    }
}

// A value QSettings would decode from serialized bytes (here a list that
// claims four billion entries, some 96 GB) or anything else the game never
// writes takes its default, with one warning, and the good values around
// it are read. Writing the file back replaces the damaged values, so that
// QSettings can read it again.
TEST_F(NastaveniSouboru, PoskozeneHodnotyDajiVychoziSJednimVarovanim)
{
    const QByteArray obri = "@Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xf0\\0\\0\\0\\x2\\0\\x41)";
    Zapis("[Barvy]\nKamen=" + obri + "\nPole=#010203\nVyber=@DateTime(\\0\\x1)\n"
          "[Zobrazeni]\nCislaPoli=true, false\n"
          "[Hra]\nPosledniDeska=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\a)\n"
          "[Rekordy]\nsize=2\n1\\Deska=" + Deska(1).toLatin1() + "\n1\\Nazev=" + obri + "\n1\\Tahu=6\n"
          "1\\Kdy=2026-01-02T03:04:05\n2\\Deska=" + Deska(2).toLatin1() + "\n2\\Nazev=Dobrá\n2\\Tahu=8\n"
          "2\\Kdy=2026-01-02T03:04:05\n");
    TNastaveni n = Nactene();
    TBarvy ocekavane = StandardniBarvy();
    ocekavane.BarvaPole = 0x030201;   // BGR
    EXPECT_EQ(n.Barvy, ocekavane);
    EXPECT_FALSE(n.CislaPoli);
    EXPECT_EQ(n.PosledniDeska, 0);
    EXPECT_EQ(Tahu(n, 1), 0);
    EXPECT_EQ(Tahu(n, 2), 8);
    ASSERT_EQ(Varovani.size(), 1u);
    EXPECT_TRUE(Varovani[0].contains(Soubor)) << Varovani[0].toStdString();

    ASSERT_TRUE(n.Uloz());
    EXPECT_EQ(Varovani.size(), 1u);
    QSettings s(Soubor, QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("Barvy/Kamen")).toString(),
              BarvaNaQColor(StandardniBarvy().BarvaKamen).name());
    EXPECT_EQ(s.value(QStringLiteral("Barvy/Pole")).toString(), QStringLiteral("#010203"));
    EXPECT_EQ(s.value(QStringLiteral("Rekordy/size")).toString(), QStringLiteral("1"));
    EXPECT_EQ(s.value(QStringLiteral("Rekordy/1/Nazev")).toString(), QStringLiteral("Dobrá"));
    Varovani.clear();
    Nactene();
    EXPECT_TRUE(Varovani.empty());
}

// Names of every kind go both ways between this game and QSettings, the
// reader and writer of the previous version.
TEST_F(NastaveniSouboru, SouborCteAPiseJakoPredchoziVerze)
{
    const QString nazvy[] = {
        QStringLiteral("Kříž"),        QStringLiteral(" a, b;c=d \"q\" \\ "), QStringLiteral("@Variant(x)"),
        QStringLiteral("@@"),          QStringLiteral("12\x01" "34"),        QStringLiteral("ěš\u00a0x"),
        QString(),                     QStringLiteral("  "),                 QStringLiteral("a=b"),
        QStringLiteral("#x"),          QStringLiteral(";x"),                 QStringLiteral("[x]"),
        QStringLiteral("tab\there"),   QStringLiteral("\\x41"),              QStringLiteral("\"\""),
        QStringLiteral("konec\\"),     QStringLiteral("a,"),                 QStringLiteral("ž\n\r"),
    };
    const int pocet = static_cast<int>(std::size(nazvy));
    // This game writes, QSettings reads.
    TNastaveni n = Nactene();
    for (int i = 0; i < pocet; ++i)
        n.ZapisVyhru(Deska(i + 1), nazvy[i], thNormalni, i + 2, Kdy);
    n.CislaPoli = true;
    n.PosledniDeska = 12;
    const QString adresar = QStringLiteral("/tmp/desky, \"nové\"; a=b ");
    n.PosledniAdresar = adresar;
    ASSERT_TRUE(n.Uloz());
    {
        QSettings s(Soubor, QSettings::IniFormat);
        EXPECT_EQ(s.value(QStringLiteral("Zobrazeni/CislaPoli")).toString(), QStringLiteral("true"));
        EXPECT_EQ(s.value(QStringLiteral("Hra/PosledniDeska")).toString(), QStringLiteral("12"));
        EXPECT_EQ(s.value(QStringLiteral("Soubory/PosledniAdresar")).toString(), adresar);
        EXPECT_EQ(s.value(QStringLiteral("Barvy/Kamen")).toString(), BarvaNaQColor(n.Barvy.BarvaKamen).name());
        ASSERT_EQ(s.beginReadArray(QStringLiteral("Rekordy")), pocet);
        for (int i = 0; i < pocet; ++i) {
            s.setArrayIndex(i);
            EXPECT_EQ(s.value(QStringLiteral("Nazev")).toString(), nazvy[i]) << i;
            EXPECT_EQ(s.value(QStringLiteral("Deska")).toString(), Deska(i + 1)) << i;
            EXPECT_EQ(s.value(QStringLiteral("Tahu")).toString(), QString::number(i + 2)) << i;
            EXPECT_EQ(QDateTime::fromString(s.value(QStringLiteral("Kdy")).toString(), Qt::ISODate), Kdy) << i;
        }
        s.endArray();
    }
    // QSettings writes (as the previous version did, typed values too), this
    // game reads.
    QFile::remove(Soubor);
    {
        QSettings s(Soubor, QSettings::IniFormat);
        s.setValue(QStringLiteral("Zobrazeni/CislaPoli"), true);
        s.setValue(QStringLiteral("Hra/PosledniDeska"), 12);
        s.setValue(QStringLiteral("Soubory/PosledniAdresar"), adresar);
        s.setValue(QStringLiteral("Barvy/Kamen"), QStringLiteral("#123456"));
        s.beginWriteArray(QStringLiteral("Rekordy"), pocet);
        for (int i = 0; i < pocet; ++i) {
            s.setArrayIndex(i);
            s.setValue(QStringLiteral("Deska"), Deska(i + 1));
            s.setValue(QStringLiteral("Nazev"), nazvy[i]);
            s.setValue(QStringLiteral("Tahu"), i + 2);
            s.setValue(QStringLiteral("Kdy"), Kdy.toString(Qt::ISODate));
        }
        s.endArray();
    }
    const TNastaveni precteno = Nactene();
    EXPECT_TRUE(precteno.CislaPoli);
    EXPECT_EQ(precteno.PosledniDeska, 12);
    EXPECT_EQ(precteno.PosledniAdresar, QDir::cleanPath(adresar));
    EXPECT_EQ(precteno.Barvy.BarvaKamen, 0x563412u);
    ASSERT_EQ(static_cast<int>(precteno.Rekordy.size()), pocet);
    for (int i = 0; i < pocet; ++i) {
        const TOsobniRekord* r = precteno.NajdiRekord(Deska(i + 1));
        ASSERT_NE(r, nullptr) << i;
        EXPECT_EQ(r->Nazev, nazvy[i].left(MaxDelkaNazvu)) << i;
        EXPECT_EQ(r->Tahu, i + 2) << i;
    }
    EXPECT_TRUE(Varovani.empty());
}

} // namespace
