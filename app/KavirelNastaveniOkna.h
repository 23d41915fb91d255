// SPDX-License-Identifier: GPL-3.0-or-later
// The settings kept between runs (KavirelNastaveni.h) as the main window
// keeps them: read once at start-up and handed to whatever shows them (the
// window's language and place, the board's colours and animation, the
// palette's colours, the play tab's field numbers, the menus' checks, the
// tabs that keep records), and taken back from there whenever they are
// written.
#pragma once

#include <memory>
#include <optional>

#include "KavirelJazyk.h"

class QMainWindow;
class TGraphGameDeska;
class TNabidky;
class TNastaveni;
class TRelaceHry;
class TZalozkaEdit;
class TZalozkaHra;
class TZalozkaNahrat;
class TZalozkaUlozit;

class TNastaveniOkna {
public:
    TNastaveniOkna(QMainWindow& Okno, TRelaceHry& Relace, TNabidky& Nabidky, TGraphGameDeska& Deska,
                   TZalozkaEdit& Edit);
    ~TNastaveniOkna();

    // Reads the file and hands every value to what shows it; the tabs named
    // keep the settings themselves from then on.
    void Nacti(TZalozkaHra& Hra, TZalozkaNahrat& Nahrat, TZalozkaUlozit& Ulozit);
    // What was read, and is written back; none until Nacti.
    TNastaveni* Hodnoty() const { return Nastaveni.get(); }
    // Writes the file now; a failure is told on standard error, the game
    // goes on.
    void Uloz();

    // A language chosen in the menu (none: the environment's), kept for the
    // next run.
    void ZvolJazyk(std::optional<TJazyk> Volba);

private:
    void NactiJazyk();
    void UmistiOkno();

    QMainWindow& Okno;
    TRelaceHry& Relace;
    TNabidky& Nabidky;
    TGraphGameDeska& Deska;
    TZalozkaEdit& Edit;
    std::unique_ptr<TNastaveni> Nastaveni;
};
