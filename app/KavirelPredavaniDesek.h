// SPDX-License-Identifier: GPL-3.0-or-later
// Boards handed from one tab to another: the loaded board, the edited board,
// the position of a game or of a solution become the board played, edited
// or solved, and that tab comes to the front. A random board is played so
// too, by its number.
#pragma once

#include <QObject>

#include "KavirelRelace.h"

class QWidget;
class TGraphGameDeska;
class TPravidlaZalozek;
class TResitel;
struct TCisloDesky;

class TPredavaniDesek : public QObject {
    Q_OBJECT
public:
    // Okno: the main window, over which a refusal is told.
    TPredavaniDesek(TRelaceHry& Relace, TPravidlaZalozek& Pravidla, TResitel& Resitel, TGraphGameDeska& Deska,
                    QWidget* Okno);

    void Hrat(TDruhPlochy Odkud);
    void Editovat(TDruhPlochy Odkud);
    // While the solver searches another board, the solve tab only comes to
    // the front with a message: one search at a time.
    void Resit(TDruhPlochy Odkud);
    // Built, named by its number, played.
    void HratNahodnou(const TCisloDesky& Cislo);

signals:
    // The session's answer, for the window to draw.
    void Akce(const TVysledekAkce& Vysledek);

private:
    TRelaceHry& Relace;
    TPravidlaZalozek& Pravidla;
    TResitel& Resitel;
    TGraphGameDeska& Deska;
    QWidget* Okno;
};
