// SPDX-License-Identifier: GPL-3.0-or-later
// The player's moves on their way to the game session: a press on a field,
// a stone dragged onto another, a step back (the board's right button and
// Backspace, the tabs' buttons, the menu). Every one first cancels a hint;
// one that stops the solve tab's automatic replay does nothing else.
#pragma once

#include <QObject>

#include "KavirelRelace.h"

class TZalozkaHra;
class TZalozkaReseni;

class TVstupDesky : public QObject {
    Q_OBJECT
public:
    TVstupDesky(TRelaceHry& Relace, TZalozkaHra& Hra, TZalozkaReseni& Reseni);

    void Stisk(const TPozice& Pole);
    void Tah(const TPozice& Odkud, const TPozice& Kam);
    void KrokZpet();

signals:
    // The session's answer, for the window to draw.
    void Akce(const TVysledekAkce& Vysledek);

private:
    bool PredStiskem();

    TRelaceHry& Relace;
    TZalozkaHra& Hra;
    TZalozkaReseni& Reseni;
};
