// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelSignaly.h"

#include "KavirelZpravy.h"

#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int Roura[2] = {-1, -1};
constexpr std::array<int, 3> Signaly = {SIGTERM, SIGINT, SIGHUP};
struct sigaction PuvodniAkce[Signaly.size()];
TUkonceniSignalem* Instance = nullptr;

extern "C" void ObsluhaSignalu(int signal)
{
    const int ulozenaChyba = errno;
    const char bajt = static_cast<char>(signal);
    // A full pipe means an end is already pending; nothing more to say.
    [[maybe_unused]] const ssize_t zapsano = ::write(Roura[0], &bajt, 1);
    errno = ulozenaChyba;
}

void ZemriSignalem(int signal)
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
} // namespace

TUkonceniSignalem::TUkonceniSignalem(QObject* rodic) : QObject(rodic), Okamzite(ZemriSignalem)
{
    if (Roura[0] != -1)
        throw std::logic_error("TUkonceniSignalem: only one instance at a time");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Roura) != 0)
        throw std::runtime_error("TUkonceniSignalem: socketpair failed");
    ::fcntl(Roura[0], F_SETFL, ::fcntl(Roura[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(Roura[1], F_SETFL, ::fcntl(Roura[1], F_GETFL) | O_NONBLOCK);

    Oznamovac = new QSocketNotifier(Roura[1], QSocketNotifier::Read, this);
    connect(Oznamovac, &QSocketNotifier::activated, this, &TUkonceniSignalem::PrectiSignal);

    struct sigaction akce {};
    akce.sa_handler = ObsluhaSignalu;
    sigemptyset(&akce.sa_mask);
    akce.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Signaly.size(); ++i)
        ::sigaction(Signaly[i], &akce, &PuvodniAkce[i]);
    Instance = this;
    TOtevrenaZprava::NastavPozorovatele([](bool otevrena) {
        if (!Instance)
            return;
        if (otevrena)
            Instance->ZpravaOtevrena();
        else
            Instance->ZpravaZavrena();
    });
}

TUkonceniSignalem::~TUkonceniSignalem()
{
    Instance = nullptr;
    TOtevrenaZprava::NastavPozorovatele(nullptr);
    for (std::size_t i = 0; i < Signaly.size(); ++i)
        ::sigaction(Signaly[i], &PuvodniAkce[i], nullptr);
    delete Oznamovac;
    ::close(Roura[0]);
    ::close(Roura[1]);
    Roura[0] = Roura[1] = -1;
}

void TUkonceniSignalem::NastavAkci(std::function<void()> akce)
{
    Akce = std::move(akce);
    NaplanujAkci();
}

void TUkonceniSignalem::ZacniKonec()
{
    Konci = true;
    Akce = nullptr;
}

void TUkonceniSignalem::PrectiSignal()
{
    unsigned char bajty[16];
    ssize_t precteno;
    while ((precteno = ::read(Roura[1], bajty, sizeof bajty)) > 0) {
        for (ssize_t i = 0; i < precteno; ++i) {
            ++Pocet;
            PosledniSignal = bajty[i];
            // A box waits for the user: the first signal during start-up or
            // the run waits with it, any other ends now.
            if (OtevrenychZprav > 0 && (Pocet >= 2 || Konci)) {
                UkonciHned();
                return;
            }
        }
    }
    NaplanujAkci();
}

void TUkonceniSignalem::NaplanujAkci()
{
    if (Pocet == 0 || !Akce || AkceNaplanovana || OtevrenychZprav > 0)
        return;
    // Queued, so that the window is never closed from inside the code that
    // showed a box or from inside start-up.
    AkceNaplanovana = true;
    QTimer::singleShot(0, this, [this] {
        if (Akce)
            Akce();
    });
}

void TUkonceniSignalem::ZpravaOtevrena()
{
    ++OtevrenychZprav;
    // Asked twice already: nobody is to wait for this box.
    if (Pocet >= 2)
        UkonciHned();
}

void TUkonceniSignalem::ZpravaZavrena()
{
    --OtevrenychZprav;
    NaplanujAkci();
}

void TUkonceniSignalem::UkonciHned()
{
    if (Okamzite)
        Okamzite(PosledniSignal);
}
