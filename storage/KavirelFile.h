// SPDX-License-Identifier: GPL-3.0-or-later
// Boards that outlive a run: the catalogue of boards, the standard catalogue
// file, single-board files and the seventeen built-in boards.
//
// Both kinds of file hold 275-byte board records back to back, byte for byte
// as TZaznamDesky lies in memory; there is no header and no byte order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "KavirelType.h"

// The catalogue file, relative to the current working directory.
inline constexpr const char* StandardniSoubor = "Kavirel.dat";

constexpr std::size_t VelikostZaznamu = sizeof(TZaznamDesky);  // 275
// Boards 1..17 of every catalogue can never be deleted.
constexpr std::int32_t PocetChranenychDesek = 17;

// ---------------------------------------------------------------------------
// Error messages of the storage routines.

// Receives the UTF-8 text of one error message. The user interface installs
// one that shows a modal box (error icon, caption "Error", one OK button) and
// returns when the user has closed it.
using THlaseniChyby = std::function<void(const std::string& textUtf8)>;

// Installs the hook; an empty function restores the default, which writes the
// text and a line feed to standard error.
void NastavHlaseniChyby(THlaseniChyby hlaseni);

void ChybovaZprava(const std::string& textUtf8);

// ---------------------------------------------------------------------------
// The catalogue.

struct TPrvekSeznamu {
    TZaznamDesky Deska;
    std::int32_t CisloDesky = 0;
    bool LzeSmazat = false;
    TPrvekSeznamu* PredchoziPrvek = nullptr;
    TPrvekSeznamu* DalsiPrvek = nullptr;
};

// An ordered list of boards with a current board. Boards carry the numbers
// 1..PocetDesek in order; the first 17 are protected from deletion. Records
// are copied in and out, nobody holds a reference into the list.
class TSeznamDesek {
public:
    std::int32_t PocetDesek = 0;   // read-only for callers

    TSeznamDesek();
    virtual ~TSeznamDesek();
    TSeznamDesek(const TSeznamDesek&) = delete;
    TSeznamDesek& operator=(const TSeznamDesek&) = delete;

    // Appends a copy as the last board. The current board stays; an empty
    // catalogue gets the new board as current. On lack of memory the message
    // "Nedostatek paměti pro vytvoření seznamu desek." is shown and nothing
    // changes.
    void PridejDesku(const TZaznamDesky& zaznam);
    // The same without the message: false, nothing changed, on lack of memory.
    bool ZkusPridatDesku(const TZaznamDesky& zaznam);

    // Deletes the current board if it may be deleted; the following board
    // (or the new last one) becomes current and later boards are renumbered.
    void OdstranAktualni();

    // Next / previous board, wrapping around at either end.
    void PosunZa();
    void PosunPred();

    // Copies out the current board and its number and returns true.
    bool VratAktualniDesku(TZaznamDesky& zaznam, std::int32_t& cisloDesky) const;

    bool NaPrvniDesku();
    // False, current board unchanged, outside 1..PocetDesek.
    bool NaDeskuCislo(std::int32_t cisloDesky);
    bool LzeSmazatAktualni() const;

    // Hands every board to krok in catalogue order, without moving the
    // current board; stops early when krok returns false. False then.
    bool ProjdiDesky(const std::function<bool(const TZaznamDesky&)>& krok) const;

    // OdstranAktualni, PosunZa, PosunPred and VratAktualniDesku on an empty
    // catalogue throw EAssertionFailed and change nothing.

protected:
    // Raw allocation of one entry; nullptr on lack of memory. Tests override
    // it to simulate exhaustion.
    virtual TPrvekSeznamu* NovyPrvek();

private:
    // Sentinels live inside the object, so creating a catalogue cannot fail
    // for lack of memory.
    TPrvekSeznamu Zacatek;
    TPrvekSeznamu Konec;
    TPrvekSeznamu* AktualniDeska = nullptr;

    void UvolniVse();
};

// The program's single catalogue. NactiStandardniSoubor creates and fills it;
// UlozStandardniSoubor writes and releases it (null afterwards).
extern std::unique_ptr<TSeznamDesek> SeznamDesek;

// ---------------------------------------------------------------------------
// Built-in boards.

// The seventeen built-in board records in catalogue order. Every Cislo byte
// and every name byte past the name's length is zero; names are Windows-1250.
std::vector<TZaznamDesky> StandardniZaznamy();

// Appends the seventeen built-in boards to the catalogue.
void VytvorStandardniDesky(TSeznamDesek& seznam);

// ---------------------------------------------------------------------------
// Files. The default names follow the program; tests pass explicit paths.

// Replaces SeznamDesek with a new catalogue filled from the standard file
// (KavirelStandardni.h tells how the file is guarded). A missing file, or
// one without a whole record, gives the built-in boards silently. An
// unreadable file is kept aside under a backup name, the message
// "Chyba při čtení ze standardního souboru, bude založen nový." is shown and
// the built-in boards are used.
void NactiStandardniSoubor(const std::string& jmenoSouboru = StandardniSoubor);

// Writes every board of SeznamDesek to the standard file, then releases the
// catalogue and the file's lock. The file is replaced only once a complete
// new copy has been written beside it; on any failure the message
// "Chyba při zapisování do standardního souboru!" is shown and the former
// file stays as it was. Does nothing when there is no catalogue, and writes
// nothing when start-up found the catalogue held by another game or could
// not keep an unreadable one aside.
void UlozStandardniSoubor(const std::string& jmenoSouboru = StandardniSoubor);

// Reads the first record of the file into zaznam. On failure a message is
// shown and zaznam keeps its former content. A FIFO, a device or a socket is
// refused by its type before it is opened.
void NactiExterniSoubor(TZaznamDesky& zaznam, const std::string& jmenoSouboru);

// Writes zaznam as the file's only record; a failure is reported by a message.
// A FIFO, a device or a socket is refused before it is opened.
void UlozExterniSoubor(const TZaznamDesky& zaznam, const std::string& jmenoSouboru);

// True when the record holds only values the program can produce: every state
// 0..2, a name length of at most 30 and a game type of 0 or 1.
bool JeZaznamPlatny(const TZaznamDesky& zaznam);
