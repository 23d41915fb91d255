// SPDX-License-Identifier: GPL-3.0-or-later
// Files in a directory the game does not control: the board files the user
// names, the catalogue and the settings beside other programs' files.
//
// - A special file (FIFO, device, socket) is refused by its type before it
//   is opened; the open itself never blocks, and what was opened is checked
//   again, so a FIFO put in place after the check is refused as well.
// - A lock is taken only on a regular file that lies at the lock's own name,
//   never through a link, and it can be asked later whether that name still
//   stands for the locked file.
// - A file is replaced in one step: a new copy beside it, synced, renamed
//   over it with the former permission bits; a link is followed to its end.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <utility>

// Closes a descriptor on every path out of a block.
class TPopisovac {
public:
    explicit TPopisovac(int fd = -1) : Fd(fd) {}
    ~TPopisovac() { Zavri(); }
    TPopisovac(const TPopisovac&) = delete;
    TPopisovac& operator=(const TPopisovac&) = delete;
    int operator*() const { return Fd; }
    bool Platny() const { return Fd >= 0; }
    int Uvolni() { return std::exchange(Fd, -1); }
    // False when close reports an error (a delayed write error, for one).
    bool Zavri()
    {
        if (Fd < 0)
            return true;
        return ::close(std::exchange(Fd, -1)) == 0;
    }

private:
    int Fd;
};

enum class TDruhSouboru {
    Chybi,      // nothing at that name (or a directory on the way is missing)
    Obycejny,   // a regular file
    Adresar,
    Zvlastni,   // a FIFO, a device or a socket
    Nedostupny, // it cannot be told (no permission, a loop of links)
};

// What the name stands for, links followed.
TDruhSouboru DruhSouboru(const std::string& jmeno);

// The outcome of opening a file.
enum class TOtevreni {
    Otevreno,
    Chybi,
    Zvlastni,   // refused: a FIFO, a device or a socket
    Adresar,
    Chyba,      // any other failure (errno tells)
};

// Opens a regular file for reading. fd is -1 unless Otevreno.
TOtevreni OtevriKeCteni(const std::string& jmeno, int& fd);

// Opens a regular file for writing, creating it when missing, and empties it
// only once it is known to be a regular file.
TOtevreni OtevriKZapisu(const std::string& jmeno, int& fd);

// Reads the whole file into obsah, refusing one longer than nejvic bytes.
// Chyba (errno EFBIG) for one that is too long.
TOtevreni NactiCelySoubor(const std::string& jmeno, std::size_t nejvic, std::string& obsah);

// Writes all of data, repeating after short writes and signals.
bool ZapisVse(int fd, const char* data, std::size_t delka);
// Reads up to delka bytes; fewer only at the end of the file. -1 on error.
ssize_t CtiVse(int fd, char* data, std::size_t delka);

// The file a name stands for: symbolic links are followed to their end, which
// may be missing (a dangling link names the file to create). A loop, or a
// chain longer than the system's own limit, yields the name itself; opening
// it then finds no regular file.
std::string KoncovySoubor(const std::string& jmeno);

// The directory part of a path ("." for a bare name).
std::string AdresarCesty(const std::string& cesta);

// Replaces the file cil (links are not followed here; pass the end of a
// chain) with what zapis writes into the descriptor of a new file beside it.
// The new file is created exclusively and never through a link, takes the
// permission bits (and where it can the owner and group) of the file it
// replaces, and is synced before the rename. False, with cil untouched and
// nothing left behind, when any step fails.
bool NahradSoubor(const std::string& cil, const std::function<bool(int fd)>& zapis);

// An exclusive advisory lock (flock) on a file of its own.
class TZamekSouboru {
public:
    enum TStav {
        Drzen,      // this object holds it
        Obsazen,    // another process holds it
        NelzeZalozit, // no lock file exists and none can be made (a read-only directory)
        Podvrzen,   // the name is taken by a link, a special file, or a file that cannot be opened
    };

    TZamekSouboru() = default;
    ~TZamekSouboru() { Uvolni(); }
    TZamekSouboru(const TZamekSouboru&) = delete;
    TZamekSouboru& operator=(const TZamekSouboru&) = delete;

    // Takes the lock, creating the file when missing. When another process
    // holds it, waits up to cekatMs milliseconds for it (0: not at all).
    TStav Zamkni(const std::string& jmeno, int cekatMs = 0);

    // Whether the lock is held and its name still stands for the locked
    // file: a file renamed over it, or a link put in its place, is no lock
    // of this object's any more.
    bool PlatiStale() const;

    void Uvolni();
    bool Drzi() const { return Fd >= 0; }
    // Takes over the lock that jiny holds, giving up its own.
    void Prevezmi(TZamekSouboru& jiny);

private:
    int Fd = -1;
    std::string Jmeno;
};
