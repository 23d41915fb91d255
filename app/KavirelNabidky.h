// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus, their mnemonics and shortcuts, and the window's
// own keys (Shift+F1, Ctrl+G, Ctrl+PgUp and Ctrl+PgDown). Every item says by
// one signal that it was chosen; what it means is the window's. The menus
// keep the state the window gives them: which game type is checked, the
// "Čísla polí" flag, what may be chosen.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "KavirelJazyk.h"
#include "KavirelType.h"

class QAction;
class QMainWindow;
class QMenu;
class TText;

enum class TPolozka {
    NovaHra,
    NahodnaDeska,
    CisloDesky,
    KrokZpet,
    KrokVpred,
    Poradit,
    Rekordy,
    Statistika,
    Konec,
    Barvy,
    CislaPoli,
    Animace,
    Legenda,
    Info,
    Oaplikaci,
    KontextovaNapoveda,
    JdiNaCislo,
    DalsiZalozka,
    PredchoziZalozka,
};

class TNabidky : public QObject {
    Q_OBJECT
public:
    // Builds the menu bar of the window and its keys.
    explicit TNabidky(QMainWindow* Okno);

    // The radio items of "Typ hry": the type checked, which the window keeps
    // here (a click on an item does not check it by itself).
    void ZaskrtniTyp(TTypHry Typ);
    TTypHry ZaskrtnutyTyp() const { return Typ; }
    void PovolTypHry(bool Povolit);

    void NastavCislaPoli(bool Zaskrtnuto);
    bool CislaPoli() const;
    void PovolCislaPoli(bool Povolit);
    // "Animace skoků", checked while jumps slide.
    void NastavAnimaci(bool Zaskrtnuto);
    bool Animace() const;

    void PovolKrokVpred(bool Povolit);
    // "Poradit tah", or "Zrušit radu" while a hint is searched for.
    void NastavHledaniRady(bool Hleda);
    // "Jazyk": the language checked (none: the environment's).
    void ZaskrtniJazyk(std::optional<TJazyk> Volba);

signals:
    void Zvoleno(TPolozka Polozka);
    // An item of "Typ hry" that was not checked yet.
    void TypZvolen(TTypHry Typ);
    // An item of "Jazyk"; the window switches and checks it.
    void JazykZvolen(std::optional<TJazyk> Volba);

private:
    QAction* Polozka(QMenu* Menu, const char* Jmeno, const TText& Text, TPolozka Co);
    QAction* Zaskrtavaci(QMenu* Menu, const char* Jmeno, const TText& Text, TPolozka Co);
    QAction* Klavesa(QMainWindow* Okno, const char* Jmeno, const QKeySequence& Klavesa, TPolozka Co);
    void VytvorHru(QMainWindow* Okno);
    void VytvorOstatni(QMainWindow* Okno);
    void VytvorJazyky(QMenu* mnNastaveni);

    TTypHry Typ = thNormalni;
    QMenu* mnTypHry = nullptr;
    QAction* mnNormalni = nullptr;
    QAction* mnLeibniz = nullptr;
    QAction* mnCislaPoli = nullptr;
    QAction* mnAnimace = nullptr;
    QAction* mnKrokVpred = nullptr;
    QAction* mnPoradit = nullptr;
};
