// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelSignaly.h"

#include <QSocketNotifier>

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

extern "C" void ObsluhaSignalu(int)
{
    const int ulozenaChyba = errno;
    const char bajt = 1;
    // A full pipe means an end is already pending; nothing more to say.
    [[maybe_unused]] const ssize_t zapsano = ::write(Roura[0], &bajt, 1);
    errno = ulozenaChyba;
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

    struct sigaction akce {};
    akce.sa_handler = ObsluhaSignalu;
    sigemptyset(&akce.sa_mask);
    akce.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Signaly.size(); ++i)
        ::sigaction(Signaly[i], &akce, &PuvodniAkce[i]);
}

TUkonceniSignalem::~TUkonceniSignalem()
{
    for (std::size_t i = 0; i < Signaly.size(); ++i)
        ::sigaction(Signaly[i], &PuvodniAkce[i], nullptr);
    delete Oznamovac;
    ::close(Roura[0]);
    ::close(Roura[1]);
    Roura[0] = Roura[1] = -1;
}

void TUkonceniSignalem::PrectiSignal()
{
    char bajty[16];
    bool prislo = false;
    while (::read(Roura[1], bajty, sizeof bajty) > 0)
        prislo = true;
    if (!prislo)
        return;
    ++Pocet;
    if (Akce)
        Akce();
}
