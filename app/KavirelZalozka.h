// SPDX-License-Identifier: GPL-3.0-or-later
// What the five tabs of the main window share: the base of a tab widget,
// the status routines that write the labels a tab passes, and the small
// factories its controls are made with.
//
// A tab shows one board of the game session (KavirelRelace.h) on the board
// widget of the window and keeps its own controls. It tells the window what
// happened by signals: an answer of the session to draw (Akce), the game
// type it shows (for the menu's check), and its requests to hand a board to
// another tab; the window connects them and switches the tabs.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <initializer_list>

#include "KavirelDeska.h"
#include "KavirelRelace.h"
#include "KavirelTexty.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Tab indices; the window switches by them.
enum TZalozka : int { zlHra = 0, zlNahrat = 1, zlUlozit = 2, zlEdit = 3, zlReseni = 4 };

class TZalozkaOkna : public QWidget {
    Q_OBJECT
public:
    // jmeno: the page's object name, part of the window's contract.
    explicit TZalozkaOkna(const char* Jmeno, QWidget* rodic = nullptr);

    // The session's board this tab shows, and what the mouse does on it.
    virtual TDruhPlochy Plocha() const = 0;
    virtual TTazeni Tazeni() const { return TTazeni::Zadne; }
    // The tab comes to the front, before its board is drawn; and it is left.
    virtual void PoVstupu() {}
    virtual void PredOdchodem() {}
    // An answer of the session about this tab's board: the labels follow.
    virtual void PoAkci(const TVysledekAkce& Vysledek) { (void)Vysledek; }

signals:
    // An answer of the session for the board widget.
    void Akce(const TVysledekAkce& Vysledek);
    // The game type the tab has just shown; the "Typ hry" menu follows it.
    void TypZobrazen(TTypHry Typ);

protected:
    // PisTypHry: the type's caption, and the menu's check follows.
    void PisTypHry(QLabel* Popisek, TTypHry Typ);
};

// Status routines: each writes the controls its caller passes.
void PisNazevDesky(QLabel* Popisek, const TZaznamDesky& Zaznam);
void PisZbyvajici(QLabel* Popisek, const TStavPlochy& Stav);
void PisTahy(QLabel* Popisek, QPushButton* KrokZpetTlacitko, const TStavPlochy& Stav);
void PisPrubeh(QLabel* Prubeh, QLabel* Konec, QLabel* Cilova, const TText& Text, const TStavPlochy& Stav);
// The first text and the file name after it, the name shortened in the
// middle on a second line when it does not fit; again on a change of language.
void PisPuvodDesky(QLabel* Popisek, const TText& PrvniText, const QString& DruhyText);
void PrepisPuvodDesky(QLabel* Popisek);
void PisEditNazevDesky(QLineEdit* Editor, const QString& Text);
// A name of the program's own, in the window's language until replaced.
void PisEditNazevDesky(QLineEdit* Editor, const TText& Text);

// A label whose changes are news (the end of a game, the target verdict, the
// solver's state): assistive technology reads it out as a notification.
void OznamujeZmeny(QLabel* Popisek);
// Tells assistive technology that such a label changed.
void OznamZmenu(QLabel* Popisek);

// Factories of the tabs' controls: a control with its object name, position
// and size in its parent (pixels), caption and hint.
namespace KavirelTvorba {

template <class T>
T* Ovladac(QWidget* Rodic, const char* Jmeno, int Vlevo, int Nahore, int Sirka, int Vyska)
{
    auto* o = new T(Rodic);
    o->setObjectName(QString::fromLatin1(Jmeno));
    o->setGeometry(Vlevo, Nahore, Sirka, Vyska);
    return o;
}

QGroupBox* Skupina(QWidget* Rodic, const char* Jmeno, int l, int t, int w, int h, const TText& Titulek = {});
// Labels size themselves to their caption; the given size is only where
// they start.
QLabel* Popisek(QWidget* Rodic, const char* Jmeno, int l, int t, int w, int h, const TText& Text,
                const TText& Napoveda = {});
QPushButton* Tlacitko(QWidget* Rodic, const char* Jmeno, int l, int t, int w, int h, const TText& Text,
                      const TText& Napoveda = {});
// Text is the box's first content; a change of language sets it again
// until a name replaces it (PisEditNazevDesky, or typed).
QLineEdit* EditNazvu(QWidget* Rodic, const char* Jmeno, int l, int t, int w, int h, const TText& Text,
                     const TText& Napoveda, const QFont& Pismo);
// The groups of a tab in a column from its top left corner, each keeping the
// size it was made with; what each holds keeps its place in it.
void SloupecSkupin(QWidget* Stranka, std::initializer_list<QWidget*> Skupiny);
// A value label stands after its fixed caption; with a wider platform font
// it moves right rather than overlap it.
void ZaPopiskem(QLabel* Hodnota, const QWidget* Pevny);
// Places every such label again after its caption (a new language).
void SrovnejZaPopisky(QWidget* Koren);
QFont PismoNazvu(const QFont& Zaklad);  // the window's face at 10 points, bold
QFont Tucne(const QFont& Zaklad);

extern const TText HintTypHry;
extern const TText HintJmeno;
extern const TText HintKrokZpet;
extern const TText HintRozestavet;

} // namespace KavirelTvorba
