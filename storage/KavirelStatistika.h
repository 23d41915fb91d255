// SPDX-License-Identifier: GPL-3.0-or-later
// The player's statistics per board: games begun, games won, the fewest
// moves of a win and when the board was last played. They live in the
// settings file beside the personal bests, as the group "Statistika":
//
//   Statistika/size=2
//   Statistika/1/Deska=<IdentitaZaznamu>   Statistika/1/Nazev=<UTF-8>
//   Statistika/1/Her=12  Statistika/1/Vyher=3  Statistika/1/Nejlepe=18
//   Statistika/1/Naposledy=<seconds since 1970-01-01 UTC>
//
// The settings file belongs to the window (it is read and written with Qt);
// it reaches the statistics through TUlozisteKlicu, which the window
// implements over its file. Games running side by side share the file, so
// saving is a merge: under the window's lock, with the file just re-read,
// Uloz adds the games and wins this game has counted since it last read or
// saved to what the file holds now, keeps the lesser best and the later
// date, and writes the group back.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "KavirelType.h"
#include "KavirelVyhra.h"

// A board as the statistics and the personal bests know it: its fields with
// their stones and target marks, and its game type; neither the name nor the
// field numbers take part. 82 characters: per field in reading order '.' no
// field, 'o' empty, 'O' empty target, 'x' stone, 'X' stone on a target; then
// '0' normal or '1' Leibniz game.
std::string IdentitaZaznamu(const TZaznamDesky& zaznam);

// Text values under keys such as "Statistika/1/Her".
class TUlozisteKlicu {
public:
    virtual ~TUlozisteKlicu() = default;
    // False when the key is missing or its value is no plain text.
    virtual bool Cti(const std::string& klic, std::string& hodnota) const = 0;
    virtual void Zapis(const std::string& klic, const std::string& hodnota) = 0;
    // Every key of the group ("Statistika" takes "Statistika/size" too).
    virtual void OdstranSkupinu(const std::string& skupina) = 0;
};

struct TStatistikaDesky {
    std::string Deska;           // IdentitaZaznamu of the starting position
    std::string Nazev;           // UTF-8, the board's name when last played
    std::int32_t Her = 0;
    std::int32_t Vyher = 0;
    std::int32_t Nejlepe = 0;    // fewest moves of a win; 0 none
    std::int64_t Naposledy = 0;  // seconds since 1970-01-01 UTC; 0 never
};

class TStatistiky final : public TEvidenceHer {
public:
    // Seconds since 1970-01-01 UTC.
    using THodiny = std::function<std::int64_t()>;
    static std::int64_t SystemoveHodiny();

    explicit TStatistiky(THodiny hodiny = SystemoveHodiny);

    // Takes the group from the file, in place of what is held (what this
    // game counted and has not saved stays counted). Damaged entries are
    // left out; answers how many there were, so that the window can warn
    // and the next Uloz rewrites the group without them.
    int Nacti(const TUlozisteKlicu& soubor);
    // The merge described above; writes nothing when there is nothing to
    // add and nothing was damaged. Afterwards Desky() is the merged list.
    void Uloz(TUlozisteKlicu& soubor);
    bool MaZmeny() const { return !Prirustky.empty() || Poskozenych != 0; }

    const std::vector<TStatistikaDesky>& Desky() const { return Seznam; }
    const TStatistikaDesky* Najdi(const std::string& deska) const;

    void HraZacala(const TZaznamDesky& pocatek) override;
    TSouhrnVyhry Vyhra(const TZaznamDesky& pocatek, std::int32_t tahu, bool prvni) override;

private:
    // Games and wins as counts added; the best and the date as the values
    // this game reached.
    static void Pripocti(TStatistikaDesky& cil, const TStatistikaDesky& prirustek);
    TStatistikaDesky& Zaznam(std::vector<TStatistikaDesky>& seznam, const TZaznamDesky& pocatek);

    THodiny Hodiny;
    std::vector<TStatistikaDesky> Seznam;
    std::vector<TStatistikaDesky> Prirustky;
    int Poskozenych = 0;
};
