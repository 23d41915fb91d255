// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelSoubory.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

TDruhSouboru DruhPodle(const struct stat& st)
{
    if (S_ISREG(st.st_mode))
        return TDruhSouboru::Obycejny;
    if (S_ISDIR(st.st_mode))
        return TDruhSouboru::Adresar;
    return TDruhSouboru::Zvlastni;
}

TOtevreni OtevreniPodle(TDruhSouboru druh)
{
    switch (druh) {
    case TDruhSouboru::Chybi: return TOtevreni::Chybi;
    case TDruhSouboru::Adresar: return TOtevreni::Adresar;
    case TDruhSouboru::Zvlastni: return TOtevreni::Zvlastni;
    case TDruhSouboru::Nedostupny: return TOtevreni::Chyba;
    case TDruhSouboru::Obycejny: break;
    }
    return TOtevreni::Otevreno;
}

// The descriptor was opened without blocking; it stays only if it is a
// regular file, and then it blocks as usual again.
TOtevreni OverOtevreny(TPopisovac& fd, int& vysledek)
{
    struct stat st {};
    if (::fstat(*fd, &st) != 0)
        return TOtevreni::Chyba;
    const TOtevreni otevreni = OtevreniPodle(DruhPodle(st));
    if (otevreni != TOtevreni::Otevreno)
        return otevreni;
    ::fcntl(*fd, F_SETFL, ::fcntl(*fd, F_GETFL) & ~O_NONBLOCK);
    vysledek = fd.Uvolni();
    return TOtevreni::Otevreno;
}

// The temporary file beside the target, created exclusively and never
// through a link: anything else at that name is left alone and a name of
// our own is taken instead. A stale file of our own from an earlier run that
// ended in the middle of writing is replaced.
int VytvorDocasny(const std::string& cil, std::string& jmeno)
{
    const int priznaky = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    jmeno = cil + ".tmp";
    int fd = ::open(jmeno.c_str(), priznaky, 0666);
    if (fd >= 0 || errno != EEXIST)
        return fd;
    struct stat st {};
    if (::lstat(jmeno.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        ::unlink(jmeno.c_str()) == 0) {
        fd = ::open(jmeno.c_str(), priznaky, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    for (int i = 1; i <= 100; ++i) {
        jmeno = cil + ".tmp." + std::to_string(::getpid()) + '.' + std::to_string(i);
        fd = ::open(jmeno.c_str(), priznaky, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new file gets the permission bits, and where it can the owner and group,
// of the one it replaces: a private file stays private. If the group cannot
// be kept, its members lose the access the new group would give them.
void PrevezmiVlastnosti(int fd, const struct stat& puvodni)
{
    mode_t prava = puvodni.st_mode & 0777;
    struct stat nove {};
    if (::fstat(fd, &nove) == 0) {
        if (nove.st_uid != puvodni.st_uid) {
            [[maybe_unused]] const int u = ::fchown(fd, puvodni.st_uid, static_cast<gid_t>(-1));
        }
        if (nove.st_gid != puvodni.st_gid && ::fchown(fd, static_cast<uid_t>(-1), puvodni.st_gid) != 0)
            prava &= ~static_cast<mode_t>(0070);
    }
    [[maybe_unused]] const int m = ::fchmod(fd, prava);
}

bool SynchronizujAdresar(const std::string& adresar)
{
    TPopisovac fd(::open(adresar.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.Platny())
        return false;
    // Some file systems cannot sync a directory; the rename is then as safe
    // as they make it.
    return ::fsync(*fd) == 0 || errno == EINVAL || errno == EROFS;
}

void Pockej10ms()
{
    const timespec ts{0, 10 * 1000 * 1000};
    ::nanosleep(&ts, nullptr);
}

} // namespace

TDruhSouboru DruhSouboru(const std::string& jmeno)
{
    struct stat st {};
    if (::stat(jmeno.c_str(), &st) != 0)
        return (errno == ENOENT || errno == ENOTDIR) ? TDruhSouboru::Chybi : TDruhSouboru::Nedostupny;
    return DruhPodle(st);
}

TOtevreni OtevriKeCteni(const std::string& jmeno, int& fd)
{
    fd = -1;
    const TDruhSouboru druh = DruhSouboru(jmeno);
    if (druh != TDruhSouboru::Obycejny)
        return OtevreniPodle(druh);
    // Not blocking: whatever took the file's place since the check (a FIFO)
    // must not hold the caller.
    TPopisovac novy(::open(jmeno.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!novy.Platny())
        return errno == ENOENT ? TOtevreni::Chybi : TOtevreni::Chyba;
    return OverOtevreny(novy, fd);
}

TOtevreni OtevriKZapisu(const std::string& jmeno, int& fd)
{
    fd = -1;
    const TDruhSouboru druh = DruhSouboru(jmeno);
    if (druh != TDruhSouboru::Obycejny && druh != TDruhSouboru::Chybi)
        return OtevreniPodle(druh);
    // Not truncated yet: a FIFO or a device put in place since the check
    // must get nothing, not even an emptying.
    TPopisovac novy(::open(jmeno.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!novy.Platny())
        return errno == ENXIO ? TOtevreni::Zvlastni : errno == EISDIR ? TOtevreni::Adresar : TOtevreni::Chyba;
    int overeny = -1;
    const TOtevreni otevreni = OverOtevreny(novy, overeny);
    if (otevreni != TOtevreni::Otevreno)
        return otevreni;
    if (::ftruncate(overeny, 0) != 0) {
        ::close(overeny);
        return TOtevreni::Chyba;
    }
    fd = overeny;
    return TOtevreni::Otevreno;
}

TOtevreni NactiCelySoubor(const std::string& jmeno, std::size_t nejvic, std::string& obsah)
{
    obsah.clear();
    int cislo = -1;
    const TOtevreni otevreni = OtevriKeCteni(jmeno, cislo);
    if (otevreni != TOtevreni::Otevreno)
        return otevreni;
    TPopisovac fd(cislo);
    struct stat st {};
    if (::fstat(*fd, &st) != 0)
        return TOtevreni::Chyba;
    if (static_cast<std::size_t>(st.st_size) > nejvic) {
        errno = EFBIG;
        return TOtevreni::Chyba;
    }
    // One byte more than allowed tells a file that grew since.
    std::string data(nejvic + 1, '\0');
    const ssize_t precteno = CtiVse(*fd, data.data(), data.size());
    if (precteno < 0)
        return TOtevreni::Chyba;
    if (static_cast<std::size_t>(precteno) > nejvic) {
        errno = EFBIG;
        return TOtevreni::Chyba;
    }
    data.resize(static_cast<std::size_t>(precteno));
    obsah = std::move(data);
    return TOtevreni::Otevreno;
}

bool ZapisVse(int fd, const char* data, std::size_t delka)
{
    while (delka > 0) {
        const ssize_t n = ::write(fd, data, delka);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        delka -= static_cast<std::size_t>(n);
    }
    return true;
}

ssize_t CtiVse(int fd, char* data, std::size_t delka)
{
    std::size_t precteno = 0;
    while (precteno < delka) {
        const ssize_t n = ::read(fd, data + precteno, delka - precteno);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        precteno += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(precteno);
}

std::string AdresarCesty(const std::string& cesta)
{
    const std::size_t lomitko = cesta.rfind('/');
    if (lomitko == std::string::npos)
        return ".";
    return lomitko == 0 ? "/" : cesta.substr(0, lomitko);
}

std::string KoncovySoubor(const std::string& jmeno)
{
    std::string cesta = jmeno;
    for (int i = 0; i < 40; ++i) {
        struct stat st {};
        if (::lstat(cesta.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return cesta;
        std::vector<char> cil(static_cast<std::size_t>(PATH_MAX) + 1);
        const ssize_t delka = ::readlink(cesta.c_str(), cil.data(), cil.size() - 1);
        if (delka <= 0)
            return cesta;
        std::string dalsi(cil.data(), static_cast<std::size_t>(delka));
        if (dalsi.front() != '/')
            dalsi = AdresarCesty(cesta) + '/' + dalsi;
        cesta = std::move(dalsi);
    }
    return jmeno;
}

bool NahradSoubor(const std::string& cil, const std::function<bool(int fd)>& zapis)
{
    std::string docasny;
    TPopisovac fd(VytvorDocasny(cil, docasny));
    if (!fd.Platny())
        return false;
    struct stat puvodni {};
    if (::stat(cil.c_str(), &puvodni) == 0 && S_ISREG(puvodni.st_mode))
        PrevezmiVlastnosti(*fd, puvodni);

    bool ok = zapis(*fd);
    // On the device before the rename, so that a crash leaves the old
    // file or the whole new one, never an empty file.
    ok = ok && ::fsync(*fd) == 0;
    ok = fd.Zavri() && ok;
    ok = ok && ::rename(docasny.c_str(), cil.c_str()) == 0;
    if (!ok) {
        ::unlink(docasny.c_str());
        return false;
    }
    SynchronizujAdresar(AdresarCesty(cil));
    return true;
}

// ---------------------------------------------------------------------------

TZamekSouboru::TStav TZamekSouboru::Zamkni(const std::string& jmeno, int cekatMs)
{
    Uvolni();
    // A few rounds: the lock file may be replaced between its opening and
    // its locking by a game that is cleaning up.
    for (int pokus = 0; pokus < 10; ++pokus) {
        TPopisovac fd(::open(jmeno.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                             0666));
        if (!fd.Platny()) {
            if (errno == EINTR)
                continue;
            // Nothing there, and nothing can be made (a read-only directory, a
            // name too long): no game can write beside it either. Anything
            // that is there (a link, a socket, another user's file) is no
            // lock this game may trust.
            struct stat st {};
            return ::lstat(jmeno.c_str(), &st) != 0 ? NelzeZalozit : Podvrzen;
        }
        struct stat otevreny {};
        if (::fstat(*fd, &otevreny) != 0 || !S_ISREG(otevreny.st_mode))
            return Podvrzen;

        int vysledek = -1;
        for (int cekano = 0;; cekano += 10) {
            vysledek = ::flock(*fd, LOCK_EX | LOCK_NB);
            if (vysledek == 0 || (errno != EWOULDBLOCK && errno != EINTR))
                break;
            if (errno == EWOULDBLOCK && cekano >= cekatMs)
                return Obsazen;
            if (errno == EWOULDBLOCK)
                Pockej10ms();
        }
        // A file system without locks: nothing can be done about it.
        if (vysledek != 0)
            return NelzeZalozit;

        Fd = fd.Uvolni();
        Jmeno = jmeno;
        if (PlatiStale())
            return Drzen;
        Uvolni();
    }
    return Podvrzen;
}

bool TZamekSouboru::PlatiStale() const
{
    if (Fd < 0)
        return false;
    struct stat drzeny {}, podJmenem {};
    return ::fstat(Fd, &drzeny) == 0 && ::lstat(Jmeno.c_str(), &podJmenem) == 0 && S_ISREG(podJmenem.st_mode) &&
           podJmenem.st_dev == drzeny.st_dev && podJmenem.st_ino == drzeny.st_ino;
}

void TZamekSouboru::Uvolni()
{
    if (Fd >= 0)
        ::close(std::exchange(Fd, -1));
    Jmeno.clear();
}

void TZamekSouboru::Prevezmi(TZamekSouboru& jiny)
{
    Uvolni();
    Fd = std::exchange(jiny.Fd, -1);
    Jmeno = std::move(jiny.Jmeno);
    jiny.Jmeno.clear();
}
