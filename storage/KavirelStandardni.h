// SPDX-License-Identifier: GPL-3.0-or-later
// The standard catalogue file of one running game: read once at start-up,
// written once at exit, and guarded for the whole run so that nothing the
// user had is lost.
//
// - A second game on the same catalogue is detected by an advisory lock
//   (flock on "<catalogue>.lock", never removed); it reads the catalogue but
//   leaves it alone. A link or anything but a regular file at the lock's
//   name keeps every game from writing the catalogue (each says so), and a
//   game whose lock file was replaced stops writing once another game holds
//   the new one.
// - A catalogue that cannot be read is renamed aside to the first free name
//   of "<catalogue>.bak", ".bak.1", ".bak.2", ... (never over an older
//   backup); if that fails, or the catalogue is not a regular file, it is left
//   as it is and not written at exit.
// - Every save and delete writes the catalogue at once (the game may end
//   without its orderly exit: the display lost, the session killed), and
//   the exit writes it once more. Each write goes to a temporary file
//   created exclusively beside the catalogue, which is synced and renamed over it with the former permission
//   bits. A symbolic link named as the catalogue is followed: the catalogue is
//   its target, which is replaced; the link stays.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "KavirelFile.h"
#include "KavirelSoubory.h"

// Catalogues longer than this are refused as unreadable: a runaway file (or
// a link to a device) must not take all memory.
constexpr std::int32_t MaxPocetDesek = 100000;

// Whether the catalogue will be written at exit.
enum class TZapisPriKonci {
    Povolen,    // yes
    JinaHra,    // another running game holds the catalogue
    BezZalohy,  // an unreadable catalogue could not be kept aside
    BezZamku,   // the lock's name is taken by a link or a file that is no lock of a game
};

class TStandardniSoubor {
public:
    explicit TStandardniSoubor(std::string jmenoSouboru);
    ~TStandardniSoubor();   // releases the lock
    TStandardniSoubor(const TStandardniSoubor&) = delete;
    TStandardniSoubor& operator=(const TStandardniSoubor&) = delete;

    // Takes the lock and reads the catalogue into seznam, which must be empty
    // (a new one when null). Problems are reported through ChybovaZprava; the
    // result always holds at least one board.
    std::unique_ptr<TSeznamDesek> Nacti(std::unique_ptr<TSeznamDesek> seznam = nullptr);

    // Writes every board unless ZapisPriKonci() forbids it; a failure is
    // reported and leaves the former file as it was. True when the file now
    // holds the catalogue.
    bool Uloz(TSeznamDesek& seznam);

    TZapisPriKonci ZapisPriKonci() const { return Zapis; }
    const std::string& JmenoSouboru() const { return Jmeno; }

private:
    std::string Jmeno;   // as given
    std::string Cil;     // the file actually read and replaced (links followed)
    TZamekSouboru Zamek;
    TZapisPriKonci Zapis = TZapisPriKonci::Povolen;

    void Zamkni();
    // Before a write: whether this game still holds the catalogue's lock.
    bool ZamekPlati();
};

// The game's own standard file, between NactiStandardniSoubor and
// UlozStandardniSoubor; null otherwise.
extern std::unique_ptr<TStandardniSoubor> StandardniSouborHry;

// What the game's standard file allows at exit (Povolen when there is none).
TZapisPriKonci ZapisKataloguPriKonci();

// Writes the game's catalogue to its standard file now, as at exit, keeping
// both. True when the file now holds the catalogue.
bool ZapisStandardniSoubor();

enum class TPridaniDesky {
    Ulozeno,       // appended and written to the standard file
    JenVKatalogu,  // appended, but the file could not or may not be written
    Odmitnuto,     // not appended: the catalogue is full or memory ran out (told)
};

// Appends a board to the game's catalogue and writes the standard file at
// once. A catalogue of MaxPocetDesek boards takes no more: the message
// "Standardní soubor je plný (100000 desek), deska nebyla uložena!" is shown
// and nothing changes.
TPridaniDesky PridejDoStandardnihoSouboru(const TZaznamDesky& zaznam);

// Reads records until the end of the descriptor into seznam. False on a read
// error, a record with values the program never writes, more than
// MaxPocetDesek boards or lack of memory; a trailing incomplete record is
// ignored.
bool NactiZaznamy(int soubor, TSeznamDesek& seznam);
