// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tab-change rules: what a tab leaves behind when it goes
// to the back, and what the window shows when another comes to the front.
// A change the user makes (a click on a tab, its Alt key, Ctrl+PgUp and
// Ctrl+PgDown) and one from code (a board handed to another tab) pass the
// rules exactly once.
#pragma once

#include "KavirelZalozka.h"

class TNabidky;
class TPribehVyhry;
class TRelaceHry;
class TZalozky;
class TZalozkaNahrat;
class TZalozkaUlozit;

class TPravidlaZalozek {
public:
    TPravidlaZalozek(TZalozky& Zalozky, TRelaceHry& Relace, TNabidky& Nabidky, TPribehVyhry& Pribeh,
                     TGraphGameDeska& Deska, TZalozkaNahrat& Nahrat, TZalozkaUlozit& Ulozit);

    TZalozky& Stranky() const { return Zalozky; }
    TZalozkaOkna* Zalozka(int Index) const;
    // The page in front as the rules last saw it; while the tab control is
    // changing pages, its current index is already the new one.
    int Vpredu() const { return ZalozkaVpredu; }

    // Brings a tab to the front from code, with both rules around the change.
    void Prepni(int Index);
    // The tab control has changed its page; a change made by Prepni has
    // been through the rules already.
    void PoZmeneStranky();
    // The next (Krok 1) or the previous (-1) tab, round.
    void Posun(int Krok);
    // The tab in front shown again as if it had just come (new colours).
    void Prekresli() { PoZmene(); }

private:
    void PredZmenou();
    void PoZmene();

    TZalozky& Zalozky;
    TRelaceHry& Relace;
    TNabidky& Nabidky;
    TPribehVyhry& Pribeh;
    TGraphGameDeska& Deska;
    TZalozkaNahrat& Nahrat;
    TZalozkaUlozit& Ulozit;
    int ZalozkaVpredu = zlHra;
    bool PrepinamZKodu = false;
};
