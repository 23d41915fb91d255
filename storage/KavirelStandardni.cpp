// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelStandardni.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const char* const ZpravaCteni = "Chyba při čtení ze standardního souboru, bude založen nový.";
const char* const ZpravaZapis = "Chyba při zapisování do standardního souboru!";
const char* const ZpravaJinaHra =
    "Standardní soubor právě používá jiná spuštěná hra.\n\r"
    "Změny katalogu se při ukončení této hry neuloží.";
const char* const ZpravaBezZalohy =
    "Chyba při čtení ze standardního souboru, zálohu se nepodařilo vytvořit.\n\r"
    "Katalog se při ukončení neuloží, soubor zůstane beze změny.";

// Closes a descriptor on every path out of a block.
class TPopisovac {
public:
    explicit TPopisovac(int fd = -1) : Fd(fd) {}
    ~TPopisovac() { Zavri(); }
    TPopisovac(const TPopisovac&) = delete;
    TPopisovac& operator=(const TPopisovac&) = delete;
    int operator*() const { return Fd; }
    bool Platny() const { return Fd >= 0; }
    // False when close reports an error (a delayed write error, for one).
    bool Zavri()
    {
        if (Fd < 0)
            return true;
        const int fd = std::exchange(Fd, -1);
        return ::close(fd) == 0;
    }

private:
    int Fd;
};

std::string Adresar(const std::string& cesta)
{
    const std::size_t lomitko = cesta.rfind('/');
    if (lomitko == std::string::npos)
        return ".";
    return lomitko == 0 ? "/" : cesta.substr(0, lomitko);
}

// The file a name stands for: symbolic links are followed to their end, which
// may be missing (a dangling link names the file to create). A loop, or a
// chain longer than the system's own limit, yields the name itself; opening
// it then finds no regular file.
std::string Rozres(const std::string& jmeno)
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
            dalsi = Adresar(cesta) + '/' + dalsi;
        cesta = std::move(dalsi);
    }
    return jmeno;
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

// Reads up to delka bytes; fewer only at the end of the file. -1 on error.
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

// Renames the catalogue to the first free backup name. The rename never
// replaces an existing name, so older backups survive.
bool Zalohuj(const std::string& cil)
{
    for (int i = 0; i < 1000; ++i) {
        const std::string zaloha = cil + ".bak" + (i == 0 ? std::string() : '.' + std::to_string(i));
        int vysledek = -1;
#ifdef RENAME_NOREPLACE
        vysledek = ::renameat2(AT_FDCWD, cil.c_str(), AT_FDCWD, zaloha.c_str(), RENAME_NOREPLACE);
        if (vysledek == 0)
            return true;
        if (errno == EEXIST)
            continue;
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            return false;
#endif
        // A file system without the flag: a new hard link cannot replace a
        // name either.
        vysledek = ::link(cil.c_str(), zaloha.c_str());
        if (vysledek != 0 && errno == EEXIST)
            continue;
        if (vysledek != 0)
            return false;
        if (::unlink(cil.c_str()) == 0)
            return true;
        ::unlink(zaloha.c_str());
        return false;
    }
    return false;
}

// The temporary file beside the catalogue, created exclusively and never
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
// of the one it replaces: a private catalogue stays private. If the group
// cannot be kept, its members lose the access the new group would give them.
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

} // namespace

// ---------------------------------------------------------------------------

bool NactiZaznamy(int soubor, TSeznamDesek& seznam)
{
    try {
        std::vector<char> blok(VelikostZaznamu * 256);
        for (;;) {
            const ssize_t precteno = CtiVse(soubor, blok.data(), blok.size());
            if (precteno < 0)
                return false;
            const std::size_t celych = static_cast<std::size_t>(precteno) / VelikostZaznamu;
            for (std::size_t i = 0; i < celych; ++i) {
                TZaznamDesky z;
                std::memcpy(&z, blok.data() + i * VelikostZaznamu, sizeof z);
                if (!JeZaznamPlatny(z) || seznam.PocetDesek >= MaxPocetDesek || !seznam.ZkusPridatDesku(z))
                    return false;
            }
            if (static_cast<std::size_t>(precteno) < blok.size())
                return true;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::unique_ptr<TStandardniSoubor> StandardniSouborHry;

TStandardniSoubor::TStandardniSoubor(std::string jmenoSouboru) : Jmeno(std::move(jmenoSouboru)), Cil(Rozres(Jmeno))
{
}

TStandardniSoubor::~TStandardniSoubor()
{
    if (Zamek >= 0)
        ::close(Zamek);
}

void TStandardniSoubor::Zamkni()
{
    // Without a lock file (a read-only or missing directory) the game runs
    // unlocked: it could not write the catalogue there either.
    Zamek = ::open((Cil + ".lock").c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (Zamek < 0)
        return;
    int vysledek;
    do
        vysledek = ::flock(Zamek, LOCK_EX | LOCK_NB);
    while (vysledek != 0 && errno == EINTR);
    if (vysledek != 0) {
        if (errno == EWOULDBLOCK)
            Zapis = TZapisPriKonci::JinaHra;
        ::close(Zamek);
        Zamek = -1;
    }
}

std::unique_ptr<TSeznamDesek> TStandardniSoubor::Nacti(std::unique_ptr<TSeznamDesek> seznam)
{
    if (!seznam)
        seznam = std::make_unique<TSeznamDesek>();

    enum { Chybi, Nacteno, Nelze, Vadny } stav = Nacteno;
    struct stat st {};
    if (::stat(Cil.c_str(), &st) != 0)
        stav = (errno == ENOENT || errno == ENOTDIR) ? Chybi : Nelze;
    else if (!S_ISREG(st.st_mode))
        stav = Nelze;
    // Nothing is created beside what is no catalogue (a link to a device).
    if (stav != Nelze)
        Zamkni();
    const bool jinaHra = Zapis == TZapisPriKonci::JinaHra;

    if (stav == Nacteno) {
        // Not blocking: whatever replaced the file since stat (a FIFO, a
        // device) must not hold start-up.
        TPopisovac fd(::open(Cil.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat otevreny {};
        if (!fd.Platny() || ::fstat(*fd, &otevreny) != 0 || !S_ISREG(otevreny.st_mode))
            stav = Nelze;
        else if (otevreny.st_size / static_cast<off_t>(VelikostZaznamu) > MaxPocetDesek)
            stav = Vadny;
        else
            stav = NactiZaznamy(*fd, *seznam) ? Nacteno : Vadny;
    }

    if (stav == Nacteno && seznam->PocetDesek > 0) {
        if (jinaHra)
            ChybovaZprava(ZpravaJinaHra);
        return seznam;
    }
    if (stav != Chybi && stav != Nacteno) {
        // Only the game that holds the catalogue may move it aside.
        const bool regularni = stav == Vadny || (::lstat(Cil.c_str(), &st) == 0 && S_ISREG(st.st_mode));
        if (jinaHra) {
            ChybovaZprava(ZpravaJinaHra);
        } else if (regularni && Zalohuj(Cil)) {
            // A file we could not even open is kept aside silently.
            if (stav == Vadny)
                ChybovaZprava(ZpravaCteni);
        } else {
            Zapis = TZapisPriKonci::BezZalohy;
            ChybovaZprava(ZpravaBezZalohy);
        }
    } else if (jinaHra) {
        ChybovaZprava(ZpravaJinaHra);
    }
    // A missing file, one without a whole record or one that cannot serve:
    // start-up needs a current board.
    seznam.reset();
    seznam = std::make_unique<TSeznamDesek>();
    VytvorStandardniDesky(*seznam);
    return seznam;
}

void TStandardniSoubor::Uloz(TSeznamDesek& seznam)
{
    if (Zapis != TZapisPriKonci::Povolen)
        return;

    std::string docasny;
    TPopisovac fd(VytvorDocasny(Cil, docasny));
    if (!fd.Platny()) {
        ChybovaZprava(ZpravaZapis);
        return;
    }
    struct stat puvodni {};
    if (::stat(Cil.c_str(), &puvodni) == 0 && S_ISREG(puvodni.st_mode))
        PrevezmiVlastnosti(*fd, puvodni);

    bool ok = true;
    std::string blok;
    if (seznam.NaPrvniDesku()) {
        const std::int32_t pocet = seznam.PocetDesek;
        std::int32_t cislo = 0;
        do {
            TZaznamDesky z;
            seznam.VratAktualniDesku(z, cislo);
            blok.append(reinterpret_cast<const char*>(&z), sizeof z);
            if (blok.size() >= 64 * 1024 || cislo == pocet) {
                ok = ZapisVse(*fd, blok.data(), blok.size());
                blok.clear();
            }
            seznam.PosunZa();
        } while (ok && cislo != pocet);
    }
    // On the device before the rename, so that a crash leaves the old
    // catalogue or the whole new one, never an empty file.
    ok = ok && ::fsync(*fd) == 0;
    ok = fd.Zavri() && ok;
    ok = ok && ::rename(docasny.c_str(), Cil.c_str()) == 0;
    if (!ok) {
        ::unlink(docasny.c_str());
        ChybovaZprava(ZpravaZapis);
        return;
    }
    SynchronizujAdresar(Adresar(Cil));
}

TZapisPriKonci ZapisKataloguPriKonci()
{
    return StandardniSouborHry ? StandardniSouborHry->ZapisPriKonci() : TZapisPriKonci::Povolen;
}

void NactiStandardniSoubor(const std::string& jmenoSouboru)
{
    // A second start-up in one run gives up the former lock first.
    StandardniSouborHry.reset();
    SeznamDesek.reset();
    StandardniSouborHry = std::make_unique<TStandardniSoubor>(jmenoSouboru);
    SeznamDesek = StandardniSouborHry->Nacti();
}

void UlozStandardniSoubor(const std::string& jmenoSouboru)
{
    // Both are released on every path out of here, the lock after the write.
    const std::unique_ptr<TSeznamDesek> seznam = std::move(SeznamDesek);
    std::unique_ptr<TStandardniSoubor> soubor = std::move(StandardniSouborHry);
    if (!seznam)
        return;
    if (!soubor || soubor->JmenoSouboru() != jmenoSouboru)
        soubor = std::make_unique<TStandardniSoubor>(jmenoSouboru);
    soubor->Uloz(*seznam);
}
