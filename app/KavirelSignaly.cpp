// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelSignaly.h"

#include "KavirelZpravy.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTabWidget>
#include <QTimer>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pthread.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int Roura[2] = {-1, -1};
constexpr std::array<int, 4> Signaly = {SIGTERM, SIGINT, SIGHUP, SIGALRM};
struct sigaction PuvodniAkce[Signaly.size()];
// Written by the handler, read by the handler of SIGALRM.
volatile std::sig_atomic_t PrvniSignal = 0;
volatile std::sig_atomic_t LhutaKonce = 2;   // seconds from the first signal; 0: none

[[noreturn]] void ZemriSignalem(int signal)
{
    struct sigaction vychozi {};
    vychozi.sa_handler = SIG_DFL;
    sigemptyset(&vychozi.sa_mask);
    ::sigaction(signal, &vychozi, nullptr);
    sigset_t odblokovat;
    sigemptyset(&odblokovat);
    sigaddset(&odblokovat, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &odblokovat, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

extern "C" void ObsluhaSignalu(int signal)
{
    const int ulozenaChyba = errno;
    if (signal == SIGALRM) {
        // The orderly end has missed its deadline.
        if (PrvniSignal != 0 && LhutaKonce > 0)
            ZemriSignalem(PrvniSignal);
        errno = ulozenaChyba;
        return;
    }
    if (PrvniSignal == 0) {
        PrvniSignal = signal;
        if (LhutaKonce > 0)
            ::alarm(static_cast<unsigned>(LhutaKonce));
    }
    const char bajt = static_cast<char>(signal);
    // A full pipe means an end is already pending; nothing more to say.
    [[maybe_unused]] const ssize_t zapsano = ::write(Roura[0], &bajt, 1);
    errno = ulozenaChyba;
}

// Every dialog that waits for the user gives up waiting: a message box as
// if its button were pressed, a file dialog as if cancelled. Their callers
// go on as they would then, and the action runs once they are back.
void ZavriDialogy()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
            d->reject();
}
} // namespace

TUkonceniSignalem::TUkonceniSignalem(QObject* rodic) : QObject(rodic)
{
    if (Roura[0] != -1)
        throw std::logic_error("TUkonceniSignalem: only one instance at a time");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Roura) != 0)
        throw std::runtime_error("TUkonceniSignalem: socketpair failed");
    ::fcntl(Roura[0], F_SETFL, ::fcntl(Roura[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(Roura[1], F_SETFL, ::fcntl(Roura[1], F_GETFL) | O_NONBLOCK);

    Oznamovac = new QSocketNotifier(Roura[1], QSocketNotifier::Read, this);
    connect(Oznamovac, &QSocketNotifier::activated, this, &TUkonceniSignalem::PrectiSignal);

    PrvniSignal = 0;
    LhutaKonce = 2;
    struct sigaction akce {};
    akce.sa_handler = ObsluhaSignalu;
    sigemptyset(&akce.sa_mask);
    akce.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Signaly.size(); ++i)
        ::sigaction(Signaly[i], &akce, &PuvodniAkce[i]);
}

TUkonceniSignalem::~TUkonceniSignalem()
{
    ::alarm(0);
    for (std::size_t i = 0; i < Signaly.size(); ++i)
        ::sigaction(Signaly[i], &PuvodniAkce[i], nullptr);
    if (ZpravyPresmerovany)
        NastavZobrazeniZpravy(nullptr);
    delete Oznamovac;
    ::close(Roura[0]);
    ::close(Roura[1]);
    Roura[0] = Roura[1] = -1;
}

void TUkonceniSignalem::NastavLhutu(unsigned sekund)
{
    LhutaKonce = static_cast<std::sig_atomic_t>(sekund);
    if (sekund == 0)
        ::alarm(0);
}

void TUkonceniSignalem::NastavAkci(std::function<void()> akce)
{
    Akce = std::move(akce);
    NaplanujAkci();
}

void TUkonceniSignalem::ZacniKonec()
{
    Akce = nullptr;
}

void TUkonceniSignalem::PrectiSignal()
{
    unsigned char bajty[16];
    ssize_t precteno;
    bool novy = false;
    while ((precteno = ::read(Roura[1], bajty, sizeof bajty)) > 0) {
        Pocet += static_cast<int>(precteno);
        novy = true;
    }
    if (!novy)
        return;
    // Nobody is there to read a box any more: what one would say goes to
    // standard error. A test that records the boxes keeps recording.
    if (!ZpravyPresmerovany) {
        TZobrazeniZpravy dosavadni = NastavZobrazeniZpravy(nullptr);
        ZpravyPresmerovany = !dosavadni;
        if (dosavadni)
            NastavZobrazeniZpravy(std::move(dosavadni));
        else
            NastavZobrazeniZpravy([](QWidget*, TDruhZpravy, const QString& text) {
                QString radky = text;
                radky.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
                std::fprintf(stderr, "Kavirel: %s\n", qUtf8Printable(radky));
            });
    }
    ZavriDialogy();
    NaplanujAkci();
}

void TUkonceniSignalem::NaplanujAkci()
{
    if (Pocet == 0 || !Akce || AkceNaplanovana)
        return;
    // Queued, so that the window is never closed from inside the code that
    // showed a dialog or from inside start-up. A dialog opened since the
    // signal is closed as well.
    AkceNaplanovana = true;
    QTimer::singleShot(0, this, [this] {
        ZavriDialogy();
        if (Akce)
            Akce();
    });
}

// ---------------------------------------------------------------------------

void PovolTestovaciUlozeni(QWidget* okno)
{
    if (qEnvironmentVariable("KAVIREL_TESTOVACI_ULOZENI") != QLatin1String("1"))
        return;
    static int roura[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, roura) != 0)
        return;
    auto* oznamovac = new QSocketNotifier(roura[1], QSocketNotifier::Read, okno);
    QObject::connect(oznamovac, &QSocketNotifier::activated, okno, [okno] {
        char bajty[16];
        while (::read(roura[1], bajty, sizeof bajty) > 0) {
        }
        // The board of the play tab, through the same controls a player uses.
        auto* zalozky = okno->findChild<QTabWidget*>(QStringLiteral("Zalozky"));
        auto* ulozit = okno->findChild<QPushButton*>(QStringLiteral("btnUlozitStandardni"));
        if (!zalozky || !ulozit)
            return;
        zalozky->setCurrentIndex(0);
        zalozky->setCurrentIndex(2);
        ulozit->click();
    });
    struct sigaction akce {};
    akce.sa_handler = [](int) {
        const int ulozenaChyba = errno;
        const char bajt = 1;
        [[maybe_unused]] const ssize_t zapsano = ::write(roura[0], &bajt, 1);
        errno = ulozenaChyba;
    };
    sigemptyset(&akce.sa_mask);
    akce.sa_flags = SA_RESTART;
    ::sigaction(SIGUSR1, &akce, nullptr);
}

// ---------------------------------------------------------------------------

namespace {
std::function<void()>& UlozeniBezDispleje()
{
    static std::function<void()> uloz;
    return uloz;
}
std::atomic<bool> KonecProbehl{false};
pthread_t HlavniVlakno;

void PriExit(int stav, void*)
{
    if (KonecProbehl.exchange(true))
        return;
    // Only the thread that owns the windows may read them; exit() from any
    // other thread just ends the process.
    if (UlozeniBezDispleje() && ::pthread_equal(::pthread_self(), HlavniVlakno))
        UlozeniBezDispleje()();
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(stav);
}
} // namespace

void PriKonciBezDispleje(std::function<void()> uloz)
{
    static bool zaregistrovano = false;
    UlozeniBezDispleje() = std::move(uloz);
    HlavniVlakno = ::pthread_self();
    KonecProbehl = false;
    // Registered late, after Qt's own clean-ups, so that it runs before them.
    if (!zaregistrovano)
        zaregistrovano = ::on_exit(PriExit, nullptr) == 0;
}

void KonecVPoradku()
{
    KonecProbehl = true;
    UlozeniBezDispleje() = nullptr;
}
