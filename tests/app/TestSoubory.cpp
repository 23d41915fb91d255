// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue and the end of the program under pressure: signals while a
// message box waits, a second game on the same catalogue, special files. The
// real program runs as a child where only a whole process can show it.
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "KavirelSignaly.h"
#include "KavirelZpravy.h"
#include "KavirelStandardni.h"
#include "OknoTest.h"

namespace {

// Long enough only to fail a hung test, never to pass a slow one.
constexpr int Trpelivost = 60000;

bool CekejNaSignaly(const TUkonceniSignalem& s, int pocet)
{
    return QTest::qWaitFor([&] { return s.PocetSignalu() >= pocet; }, Trpelivost);
}

TEST(UkonceniSignalem, ZpravaZdrziKonecDruhySignalUkonciHned)
{
    enum TFaze { Start, Beh, Konec };
    struct TPripad {
        const char* Popis;
        TFaze Faze;
        int Pred;            // signals before the box opens
        int Behem;           // signals while it is open
        bool Okamzite;       // ends at once
        bool Akce;           // the orderly end runs once the box is closed
    };
    const TPripad pripady[] = {
        {"start, one in the box", Start, 0, 1, false, true},
        {"start, two in the box", Start, 0, 2, true, true},
        {"start, two before the box", Start, 2, 0, true, true},
        {"run, one in the box", Beh, 0, 1, false, true},
        {"run, none", Beh, 0, 0, false, false},
        {"end, one in the box", Konec, 0, 1, true, false},
        {"end, the one that ended it", Konec, 1, 0, false, false},
        {"end, one more in the box", Konec, 1, 1, true, false},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Popis);
        TUkonceniSignalem signaly;
        std::vector<int> okamzite;
        int akci = 0;
        signaly.NastavOkamziteUkonceni([&](int s) { okamzite.push_back(s); });
        const auto akce = [&akci] { ++akci; };
        if (p.Faze == Beh)
            signaly.NastavAkci(akce);
        if (p.Faze == Konec)
            signaly.ZacniKonec();
        for (int i = 0; i < p.Pred; ++i) {
            ::raise(SIGHUP);
            ASSERT_TRUE(CekejNaSignaly(signaly, i + 1));
        }
        const int akciPred = akci;
        {
            const TOtevrenaZprava box;
            for (int i = 0; i < p.Behem; ++i) {
                ::raise(i == 0 ? SIGINT : SIGTERM);
                ASSERT_TRUE(CekejNaSignaly(signaly, p.Pred + i + 1));
            }
            QCoreApplication::processEvents();
            // Nothing closes the window behind an open box.
            EXPECT_EQ(akci, akciPred);
        }
        EXPECT_EQ(okamzite.size(), p.Okamzite ? 1u : 0u);
        if (p.Okamzite && !okamzite.empty()) {
            EXPECT_EQ(okamzite[0], p.Behem >= 2 ? SIGTERM : p.Behem == 1 ? SIGINT : SIGHUP);
        }
        if (p.Faze == Start)
            signaly.NastavAkci(akce);
        if (p.Akce) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return akci == 1; }, Trpelivost));
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(akci, p.Akce ? 1 : 0);
    }
}

// The real start-up: a signal while the read-error box is open is not
// forgotten, and the end that follows is the orderly one.
TEST_F(OknoTest, SignalBehemStartovniZpravyUkonciHruRadne)
{
    const QByteArray vadny = QByteArray(275, '\x07');
    ZapisSoubor(QStringLiteral("Kavirel.dat"), vadny);
    TUkonceniSignalem signaly;
    int okamzite = 0;
    signaly.NastavOkamziteUkonceni([&](int) { ++okamzite; });
    NastavZobrazeniZpravy([&](QWidget*, TDruhZpravy druh, const QString& text) {
        Zpravy.push_back({druh, text});
        const TOtevrenaZprava box;
        ::raise(SIGTERM);
        CekejNaSignaly(signaly, 1);
    });
    Otevri();
    ASSERT_EQ(Zpravy.size(), 1u);
    EXPECT_EQ(Zpravy[0].Text, QStringLiteral("Chyba při čtení ze standardního souboru, bude založen nový."));
    bool zavreno = false;
    signaly.NastavAkci([&] {
        zavreno = true;
        Okno->UkonceniAplikace();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return zavreno; }, Trpelivost));
    EXPECT_FALSE(Okno->isVisible());
    signaly.ZacniKonec();
    Zavri();
    EXPECT_EQ(okamzite, 0);
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), VestavenyKatalog());
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat.bak")), vadny);
}

// The built game as a child in a directory of its own.
class Hra {
public:
    explicit Hra(const QString& adresar)
    {
        Proces.setWorkingDirectory(adresar);
        QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
        prostredi.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        Proces.setProcessEnvironment(prostredi);
    }
    ~Hra()
    {
        if (Proces.state() != QProcess::NotRunning) {
            Proces.kill();
            Proces.waitForFinished(Trpelivost);
        }
    }
    static QString Program() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../kavirel"); }

    // Started, and its signal handlers are in place (the kernel shows them).
    bool Spust()
    {
        Proces.start(Program(), {});
        return Proces.waitForStarted(Trpelivost) &&
               QTest::qWaitFor([&] { return Maska("SigCgt:", SIGTERM); }, Trpelivost);
    }
    // Sent and delivered: a signal sent while the same one is still pending
    // would merge with it.
    bool Signal(int signal)
    {
        ::kill(static_cast<pid_t>(Proces.processId()), signal);
        return QTest::qWaitFor(
            [&] {
                return Proces.state() == QProcess::NotRunning ||
                       (!Maska("SigPnd:", signal) && !Maska("ShdPnd:", signal));
            },
            Trpelivost);
    }
    // Waiting on a signal's delivery may already have seen the end.
    bool Skoncila() { return Proces.state() == QProcess::NotRunning || Proces.waitForFinished(Trpelivost); }

    // Whether the signal's bit is set in one mask line of /proc/<pid>/status.
    bool Maska(const char* radek, int signal)
    {
        const QString stav = QStringLiteral("/proc/%1/status").arg(Proces.processId());
        for (const QByteArray& r : PrectiSoubor(stav).split('\n'))
            if (r.startsWith(radek))
                return (r.mid(static_cast<qsizetype>(std::strlen(radek))).trimmed().toULongLong(nullptr, 16) >>
                            (signal - 1) & 1) != 0;
        return false;
    }

    QProcess Proces;
};

bool JeZamceno(const QString& zamek)
{
    const int fd = ::open(QFile::encodeName(zamek).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool zamceno = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return zamceno;
}

// A box that waits for nobody (the session is ending) must not keep the
// game alive: two signals end it wherever it waits, and nothing is written
// over what the user had.
TEST(UkonceniSignalem, DvaSignalyUkonciHruUZpravyKteraCeka)
{
    if (!QFileInfo::exists(Hra::Program()))
        GTEST_SKIP() << "kavirel not built";
    enum TCo { VadnyKatalog, FifoKatalog, ZapisPriKonciSelze };
    for (TCo co : {VadnyKatalog, FifoKatalog, ZapisPriKonciSelze}) {
        SCOPED_TRACE(co);
        QTemporaryDir adresar;
        const QString katalog = adresar.filePath(QStringLiteral("Kavirel.dat"));
        const QByteArray vadny(550, '\x05');
        if (co == VadnyKatalog)
            ZapisSoubor(katalog, vadny);
        if (co == FifoKatalog) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(katalog).constData(), 0600), 0);
        }
        Hra hra(adresar.path());
        // The child inherits a size limit too small for the catalogue, and
        // ignores the signal that would come with it.
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit puvodni = limit;
        void (*puvodniXfsz)(int) = SIG_DFL;
        if (co == ZapisPriKonciSelze) {
            limit.rlim_cur = 1000;
            ::setrlimit(RLIMIT_FSIZE, &limit);
            puvodniXfsz = std::signal(SIGXFSZ, SIG_IGN);
        }
        const bool spustena = hra.Spust();
        if (co == ZapisPriKonciSelze) {
            ::setrlimit(RLIMIT_FSIZE, &puvodni);
            std::signal(SIGXFSZ, puvodniXfsz);
        }
        ASSERT_TRUE(spustena);
        if (co == VadnyKatalog) {   // kept aside just before the box opens
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(katalog + QStringLiteral(".bak")); }, Trpelivost));
        }
        ASSERT_TRUE(hra.Signal(SIGTERM));
        ASSERT_TRUE(hra.Signal(SIGTERM));
        ASSERT_TRUE(hra.Skoncila());
        EXPECT_EQ(hra.Proces.exitStatus(), QProcess::CrashExit);
        switch (co) {
        case VadnyKatalog:
            EXPECT_FALSE(QFile::exists(katalog));
            EXPECT_EQ(PrectiSoubor(katalog + QStringLiteral(".bak")), vadny);
            break;
        case FifoKatalog: {
            struct stat st {};
            ASSERT_EQ(::lstat(QFile::encodeName(katalog).constData(), &st), 0);
            EXPECT_TRUE(S_ISFIFO(st.st_mode));
            break;
        }
        case ZapisPriKonciSelze:
            EXPECT_FALSE(QFile::exists(katalog));
            break;
        }
        EXPECT_EQ(QDir(adresar.path()).entryList(QDir::Files | QDir::System).filter(QStringLiteral(".tmp")),
                  QStringList());
    }
}

// A second game in the same directory is told, saving to the catalogue
// tells again, and the first game's catalogue is what remains.
TEST_F(OknoTest, DruhaHraVarujeAPrvniKatalogZustane)
{
    if (!QFileInfo::exists(Hra::Program()))
        GTEST_SKIP() << "kavirel not built";
    Hra prvni(Adresar.path());
    ASSERT_TRUE(prvni.Spust());
    ASSERT_TRUE(QTest::qWaitFor([&] { return JeZamceno(Adresar.filePath(QStringLiteral("Kavirel.dat.lock"))); },
                                Trpelivost));

    Otevri();
    const QString varovani = QStringLiteral(
        "Standardní soubor právě používá jiná spuštěná hra.\n\rZměny katalogu se při ukončení této hry neuloží.");
    ASSERT_EQ(Zpravy.size(), 1u);
    EXPECT_EQ(Zpravy[0].Text, varovani);
    ZalozkaUzivatelem(zlNahrat);
    ZalozkaUzivatelem(zlUlozit);
    Stiskni(Okno->btnUlozitStandardni);
    ASSERT_EQ(Zpravy.size(), 2u);
    EXPECT_EQ(Zpravy[1].Druh, TDruhZpravy::Informace);
    EXPECT_TRUE(Zpravy[1].Text.startsWith(QStringLiteral("Standardní soubor používá jiná spuštěná hra")));
    EXPECT_EQ(T(Okno->lblUlozitJakUlozeno), "Přidáno jen do katalogu této hry");
    Zavri();
    EXPECT_FALSE(QFile::exists(QStringLiteral("Kavirel.dat")));

    // SIGTERM ends the first game the orderly way, writing its catalogue.
    ASSERT_TRUE(prvni.Signal(SIGTERM));
    ASSERT_TRUE(prvni.Skoncila());
    EXPECT_EQ(prvni.Proces.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(prvni.Proces.exitCode(), 0);
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), VestavenyKatalog());

    // Alone again, the game saves for good.
    Zpravy.clear();
    Otevri();
    EXPECT_TRUE(Zpravy.empty());
    ZalozkaUzivatelem(zlNahrat);
    ZalozkaUzivatelem(zlUlozit);
    Stiskni(Okno->btnUlozitStandardni);
    EXPECT_TRUE(Zpravy.empty());
    EXPECT_EQ(T(Okno->lblUlozitJakUlozeno), "Uloženo do standardního souboru");
    Zavri();
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")).size(), 18 * 275);
}

// A catalogue that is full refuses one more board with a message, and
// nothing is written: the file stays one that the next start reads.
TEST_F(OknoTest, PlnyKatalogOdmitneDalsiDesku)
{
    const qint64 plny = static_cast<qint64>(MaxPocetDesek) * 275;
    {
        QFile f(QStringLiteral("Kavirel.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(VestavenyKatalog());
        // The rest sparse: all-zero records are valid boards.
        ASSERT_TRUE(f.resize(plny));
    }
    Otevri();
    ASSERT_EQ(SeznamDesek->PocetDesek, MaxPocetDesek);
    ZalozkaUzivatelem(zlNahrat);
    ZalozkaUzivatelem(zlUlozit);
    Stiskni(Okno->btnUlozitStandardni);
    ASSERT_EQ(Zpravy.size(), 1u);
    EXPECT_EQ(Zpravy[0].Druh, TDruhZpravy::ChybaSouboru);
    EXPECT_EQ(Zpravy[0].Text, QStringLiteral("Standardní soubor je plný (100000 desek), deska nebyla uložena!"));
    EXPECT_EQ(T(Okno->lblUlozitJakUlozeno), "");
    EXPECT_EQ(SeznamDesek->PocetDesek, MaxPocetDesek);
    Zavri();
    EXPECT_EQ(QFileInfo(QStringLiteral("Kavirel.dat")).size(), plny);
    Zpravy.clear();
    Otevri();
    EXPECT_TRUE(Zpravy.empty());
    EXPECT_EQ(SeznamDesek->PocetDesek, MaxPocetDesek);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Kavirel.dat.bak")));
}

} // namespace
