// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue and the end of the program under pressure: signals while a
// message box waits, a second game on the same catalogue, special files. The
// real program runs as a child where only a whole process can show it.
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <memory>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "KavirelPomocnaOkna.h"
#include "KavirelSignaly.h"
#include "KavirelZpravy.h"
#include "KavirelStandardni.h"
#include "HraVProcesu.h"
#include "OknoTest.h"

namespace {

bool CekejNaSignaly(const TUkonceniSignalem& s, int pocet)
{
    return QTest::qWaitFor([&] { return s.PocetSignalu() >= pocet; }, Trpelivost);
}

// Shows a box the way the game does and, once it waits, raises the signals.
// Tells whether a box opened at all and whether the signals closed it; a box
// they did not close is closed here, so that a fault does not hang the test.
struct TVysledekBoxu {
    bool Otevren = false;
    bool ZavrenSignalem = false;
};

TVysledekBoxu UkazBox(const TUkonceniSignalem& signaly, const std::vector<int>& odeslat)
{
    auto v = std::make_shared<TVysledekBoxu>();
    const int pred = signaly.PocetSignalu();
    QTimer::singleShot(0, [v, &signaly, odeslat, pred] {
        v->Otevren = QApplication::activeModalWidget() != nullptr;
        if (!v->Otevren)
            return;
        for (int s : odeslat)
            ::raise(s);
        CekejNaSignaly(signaly, pred + static_cast<int>(odeslat.size()));
        QCoreApplication::processEvents();
        v->ZavrenSignalem = QApplication::activeModalWidget() == nullptr;
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            d->reject();
    });
    ZobrazZpravu(nullptr, TDruhZpravy::Informace, QStringLiteral("Zpráva"));
    QCoreApplication::processEvents();  // the check runs here when no box opened
    return *v;
}

// Signals close a box that waits for the user, in any phase and however many
// come (a logout sends SIGTERM and SIGHUP together), and the orderly end
// runs once; nothing ends the program at once.
TEST(UkonceniSignalem, SignalyZavrouZpravuAKonecProbehneVPoradku)
{
    enum TFaze { Start, Beh, Konec };
    struct TPripad {
        const char* Popis;
        TFaze Faze;
        std::vector<int> Pred;     // signals before the box opens
        std::vector<int> Behem;    // signals while it is open
    };
    const TPripad pripady[] = {
        {"start, one in the box", Start, {}, {SIGINT}},
        {"start, logout in the box", Start, {}, {SIGTERM, SIGHUP}},
        {"start, two before the box", Start, {SIGHUP, SIGHUP}, {}},
        {"run, one in the box", Beh, {}, {SIGINT}},
        {"run, logout in the box", Beh, {}, {SIGTERM, SIGHUP}},
        {"run, Ctrl+C twice in the box", Beh, {}, {SIGINT, SIGINT}},
        {"end, one in the box", Konec, {}, {SIGTERM}},
        {"end, after the one that ended it", Konec, {SIGTERM}, {SIGHUP}},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Popis);
        TUkonceniSignalem signaly;
        signaly.NastavLhutu(0);
        int akci = 0;
        const auto akce = [&akci] { ++akci; };
        if (p.Faze == Beh)
            signaly.NastavAkci(akce);
        if (p.Faze == Konec)
            signaly.ZacniKonec();
        for (int s : p.Pred) {
            ::raise(s);
            ASSERT_TRUE(CekejNaSignaly(signaly, signaly.PocetSignalu() + 1));
        }
        const TVysledekBoxu box = UkazBox(signaly, p.Behem);
        // Once a signal has come, no box waits for anybody.
        EXPECT_EQ(box.Otevren, p.Pred.empty());
        EXPECT_EQ(box.ZavrenSignalem, p.Pred.empty());
        if (p.Faze == Start)
            signaly.NastavAkci(akce);
        if (p.Faze != Konec) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return akci == 1; }, Trpelivost));
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(akci, p.Faze == Konec ? 0 : 1);
        EXPECT_FALSE(UkazBox(signaly, {}).Otevren);
    }
}

// Should the orderly end not come, the program dies of the first signal
// (here the process runs no event loop at all, so nothing would end it).
TEST(UkonceniSignalemDeathTest, BezKonceZemreSignalemPoLhute)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TUkonceniSignalem signaly;
            signaly.NastavLhutu(1);
            ::raise(SIGTERM);
            for (;;)
                ::pause();
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

// In any state a signal ends the game the way "Konec" does: an open message
// box, file dialog or colour window is closed first, a running search is
// stopped, and the window goes.
TEST_F(OknoTest, SignalUkonciHruVKazdemStavu)
{
    enum TStav { Zprava, SouborovyDialog, OknoBarev, Hledani };
    struct TPripad {
        TStav Stav;
        std::vector<int> Signaly;
    };
    const TPripad pripady[] = {
        {Zprava, {SIGTERM, SIGHUP}}, {SouborovyDialog, {SIGTERM}}, {SouborovyDialog, {SIGINT, SIGINT}},
        {OknoBarev, {SIGHUP}},       {Hledani, {SIGTERM}},
    };
    const TZobrazeniZpravy zaznam = NastavZobrazeniZpravy(nullptr);
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Stav);
        NastavZobrazeniZpravy(zaznam);
        OtevriTestovaciKatalog();
        VytvorPomocnaOkna(Okno.get());
        TUkonceniSignalem signaly;
        signaly.NastavLhutu(0);
        bool konec = false;
        signaly.NastavAkci([&] {
            konec = true;
            Okno->UkonceniAplikace();
        });
        // The signals come once something modal waits (at once for a search).
        bool odeslano = false;
        QTimer hlidac;
        QObject::connect(&hlidac, &QTimer::timeout, [&] {
            if (odeslano || (p.Stav != Hledani && !QApplication::activeModalWidget()))
                return;
            odeslano = true;
            for (int s : p.Signaly)
                ::raise(s);
        });
        hlidac.start(1);
        switch (p.Stav) {
        case Zprava:
            NastavZobrazeniZpravy(nullptr);  // a real box
            ZobrazZpravu(Okno.get(), TDruhZpravy::Informace, QStringLiteral("Zpráva"));
            break;
        case SouborovyDialog:
            ZalozkaUzivatelem(zlNahrat);
            Stiskni(B("btnNahratOtevrit"));
            break;
        case OknoBarev: A("mnBarvy")->trigger(); break;
        case Hledani: {
            // A search that runs until it is stopped.
            ZKatalogu(2, "Button1");
            Stiskni(B("btnReseniNejkratsi"));
            ASSERT_TRUE(ProbihaHledani());
            break;
        }
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return konec; }, Trpelivost));
        EXPECT_TRUE(odeslano);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(Okno->isVisible());
        Zavri();
        EXPECT_EQ(TResitel::ZijiciVlakna(), 0);  // the search stopped and joined
        EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")).size(), 20 * 275);
    }
    NastavZobrazeniZpravy(zaznam);
}

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
// game alive, and must not make it die either: the signals close it, the
// game ends in order, and nothing is written over what the user had. A
// logout sends SIGTERM and SIGHUP together.
TEST(UkonceniSignalem, SignalyUkonciHruVPoradkuIUZpravyKteraCeka)
{
    if (!QFileInfo::exists(Hra::Program()))
        GTEST_SKIP() << "kavirel not built";
    enum TCo { VadnyKatalog, FifoKatalog, ZapisPriKonciSelze };
    const std::pair<TCo, int> pripady[] = {{VadnyKatalog, SIGTERM}, {VadnyKatalog, SIGHUP}, {FifoKatalog, SIGHUP},
                                           {ZapisPriKonciSelze, SIGTERM}, {ZapisPriKonciSelze, SIGHUP}};
    for (const auto& [co, druhy] : pripady) {
        SCOPED_TRACE(std::to_string(co) + " TERM + " + std::to_string(druhy));
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
        const auto pid = static_cast<pid_t>(hra.Proces.processId());
        ::kill(pid, SIGTERM);
        ::kill(pid, druhy);
        ASSERT_TRUE(hra.Skoncila());
        EXPECT_EQ(hra.Proces.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(hra.Proces.exitCode(), 0);
        switch (co) {
        case VadnyKatalog:
            EXPECT_EQ(PrectiSoubor(katalog), VestavenyKatalog());
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
            // Nobody was there to read the box: its text went to stderr.
            EXPECT_TRUE(hra.Proces.readAllStandardError().contains("Chyba při zapisování do standardního souboru!"));
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
    Stiskni(B("btnUlozitStandardni"));
    ASSERT_EQ(Zpravy.size(), 2u);
    EXPECT_EQ(Zpravy[1].Druh, TDruhZpravy::Informace);
    EXPECT_TRUE(Zpravy[1].Text.startsWith(QStringLiteral("Standardní soubor používá jiná spuštěná hra")));
    EXPECT_EQ(T(L("lblUlozitJakUlozeno")), "Přidáno jen do katalogu této hry");
    Zavri();
    EXPECT_FALSE(QFile::exists(QStringLiteral("Kavirel.dat")));

    // SIGTERM ends the first game the orderly way, writing its catalogue.
    ASSERT_TRUE(prvni.Signal(SIGTERM));
    ASSERT_TRUE(prvni.Skoncila());
    EXPECT_EQ(prvni.Proces.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(prvni.Proces.exitCode(), 0);
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), VestavenyKatalog());
    // That the lock goes with the first game is the catalogue's own test.
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
    Stiskni(B("btnUlozitStandardni"));
    EXPECT_TRUE(Zprava(TDruhZpravy::ChybaSouboru, QStringLiteral("Standardní soubor je plný (100000 desek), deska nebyla uložena!")));
    EXPECT_EQ(T(L("lblUlozitJakUlozeno")), "");
    EXPECT_EQ(SeznamDesek->PocetDesek, MaxPocetDesek);
    Zavri();
    // That a full file is read again, and kept no backup of, is the
    // catalogue's own test.
    EXPECT_EQ(QFileInfo(QStringLiteral("Kavirel.dat")).size(), plny);
}

// A board file is the one argument the game takes (the file manager's
// "Open with"): the game runs with it until it is ended the usual way.
TEST_F(OknoTest, HraSeSouboremDeskyBeziAKonciRadne)
{
    if (!QFileInfo::exists(Hra::Program()))
        GTEST_SKIP() << "kavirel not built";
    ZapisSoubor(QStringLiteral("kriz.kav"), Bajty(StandardniZaznamy()[6]));
    Hra hra(Adresar.path());
    ASSERT_TRUE(hra.Spust({QStringLiteral("kriz.kav")}));
    ASSERT_TRUE(hra.Signal(SIGTERM));
    ASSERT_TRUE(hra.Skoncila());
    EXPECT_EQ(hra.Proces.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(hra.Proces.exitCode(), 0);
    EXPECT_FALSE(hra.Proces.readAllStandardError().contains("kavirel:"));
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), VestavenyKatalog());
}

} // namespace
