// SPDX-License-Identifier: GPL-3.0-or-later
// What the game keeps between runs: the board colours, whether field numbers
// are shown, the catalogue number of the board last played, and the
// player's personal bests.
//
// The file lives in the user's configuration directory
// ($XDG_CONFIG_HOME/Kavirel/Kavirel.conf). A missing, unreadable or damaged
// file never stops the game: whatever cannot be read takes its default, and
// the file is written whole at the end of the run, beside the old one first
// and then renamed over it, so a failed write leaves the old file intact.
#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>

#include <vector>

#include "KavirelGraph.h"
#include "KavirelTexty.h"
#include "KavirelType.h"

// The fewest moves with which the player reached the goal of one board.
struct TOsobniRekord {
    QString Deska;   // IdentitaDesky of the starting position
    QString Nazev;   // the board's name when the record was set
    TTypHry Typ = thNormalni;
    int Tahu = 0;
    QDateTime Kdy;
};

// A board as the records know it: its fields with their target marks and
// its game type; neither the name nor the catalogue number takes part.
QString IdentitaDesky(const TZaznamDesky& zaznam);

// The outcome of a won game for the records.
struct TVysledekRekordu {
    bool Novy = false;   // no record, or a worse one, was beaten
    int Rekord = 0;      // the record after this game
};

class TNastaveni {
public:
    // The file of the current user.
    static QString VychoziSoubor();

    explicit TNastaveni(QString soubor = VychoziSoubor());

    // Reads the file; every value that is missing or not valid keeps its
    // default, and a file that cannot be parsed gives the defaults alone.
    void Nacti();
    // Writes the whole file; false when it could not be written (the former
    // file then stays as it was).
    bool Uloz() const;

    const QString& Soubor() const { return JmenoSouboru; }

    TBarvy Barvy = StandardniBarvy();
    bool CislaPoli = false;
    int PosledniDeska = 0;  // 0: none
    // The main window: where it stood and how large it was when not
    // maximised (empty: the default size, centred), and whether maximised.
    QRect Okno;
    bool Maximalizovane = false;
    // The language chosen in the menu: "cs", "en", or empty for the
    // environment's.
    QString Jazyk;
    std::vector<TOsobniRekord> Rekordy;

    const TOsobniRekord* NajdiRekord(const QString& deska) const;
    // A won game of the board with the given identity in tahu moves.
    TVysledekRekordu ZapisVyhru(const QString& deska, const QString& nazev, TTypHry typ, int tahu,
                                const QDateTime& kdy);

private:
    QString JmenoSouboru;
};

// "18 tahů", "3 tahy", "1 tah"; in English "18 moves", "1 move".
TText PocetTahu(int tahu);
QString TextTahu(int tahu);
