// SPDX-License-Identifier: GPL-3.0-or-later
// What the game keeps between runs: the board colours, whether field numbers
// are shown and jumps animated, the catalogue number of the board last played, the folder of
// the board file last opened or saved, the player's personal bests and the
// statistics of the games played.
//
// The file lives in the user's configuration directory
// ($XDG_CONFIG_HOME/Kavirel/Kavirel.conf), in the INI format that QSettings
// reads, so that earlier versions still read it. A missing file gives the
// defaults silently; a damaged value gives its default and one warning on
// standard error; nothing in the file can stop the game.
//
// Games running side by side share the file: a game writes only the keys it
// changed (and the ones it found damaged), and merges its personal bests
// with the file's, under a lock on "Kavirel.conf.flock", re-reading the file
// under it. The file is replaced in one step with its permission bits; a
// symbolic link stays and its target is replaced.
#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>

#include <vector>

#include "KavirelGraph.h"
#include "KavirelStatistika.h"
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
    // default. Damaged values are told once on standard error.
    void Nacti();
    // Merges what this game changed into the file, and the file's personal
    // bests into Rekordy; false when it could not be written (the former
    // file then stays as it was).
    bool Uloz();

    const QString& Soubor() const { return JmenoSouboru; }

    TBarvy Barvy = StandardniBarvy();
    bool CislaPoli = false;
    // A jump slides its stone to where it lands.
    bool Animace = true;
    int PosledniDeska = 0;  // 0: none
    QString PosledniAdresar;  // empty: none
    // The main window: where it stood and how large it was when not
    // maximised (empty: the default size, centred), and whether maximised.
    QRect Okno;
    bool Maximalizovane = false;

    // Where the file dialogs start: the last folder while it exists, else
    // the user's documents folder, else the home folder.
    QString AdresarDialogu() const;
    // The language chosen in the menu: "cs", "en", or empty for the
    // environment's.
    QString Jazyk;
    std::vector<TOsobniRekord> Rekordy;
    // Games per board (KavirelStatistika.h): read with the file, merged
    // into it by Uloz under the same lock.
    TStatistiky Statistiky;

    const TOsobniRekord* NajdiRekord(const QString& deska) const;
    // A won game of the board with the given identity in tahu moves.
    TVysledekRekordu ZapisVyhru(const QString& deska, const QString& nazev, TTypHry typ, int tahu,
                                const QDateTime& kdy);

private:
    // The values now equal to the file's, to tell later what this game
    // changed.
    void ZapamatujStejne();

    QString JmenoSouboru;
    // The values as read, to tell what this game changed since.
    TBarvy NactenaBarvy = StandardniBarvy();
    bool NactenaCislaPoli = false;
    bool NactenaAnimace = true;
    int NactenaPosledniDeska = 0;
    QString NactenyPosledniAdresar;
    QRect NactenoOkno;
    bool NactenoMaximalizovane = false;
    QString NactenyJazyk;
};

// "18 tahů", "3 tahy", "1 tah"; in English "18 moves", "1 move".
TText PocetTahu(int tahu);
QString TextTahu(int tahu);
