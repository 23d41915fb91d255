// SPDX-License-Identifier: GPL-3.0-or-later
// The main board view for players without a mouse: the keyboard cursor on
// the board and the board as a grid of named fields for assistive technology
// (screen readers through AT-SPI).
//
// The host of the board view takes the keyboard focus. The arrow keys move a
// cursor over the fields that stand in front of the background (on the play
// and solve tabs the fields of the board, on the edit tab every position);
// Space and Enter press the field under the cursor, Backspace steps back,
// 1 to 5 choose the editor's element. Presses go to the same receiver as the
// mouse's, so a key and a click take one road.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "KavirelType.h"

class QAccessibleEvent;
class QWidget;
class TGraphGameDeska;
class THraciPole;
class TObrazek;

// Every accessibility event of the board display and of the windows goes
// through here: to Qt's accessibility, which passes it on while assistive
// technology listens, and to the observer, if one is set (a test's).
void OznamPristupnosti(QAccessibleEvent& Udalost);
// Installs the board's interfaces for assistive technology (once).
void ZajistiPristupnostDesky();
// Drops the interface Qt made for an object, so that the next query makes
// it anew (after a factory of ours has learnt to answer for it).
void ZapomenRozhrani(QObject* Objekt);
using TPozorovatelPristupnosti = std::function<void(QAccessibleEvent*)>;
// Returns the observer it replaces.
TPozorovatelPristupnosti NastavPozorovatelePristupnosti(TPozorovatelPristupnosti Pozorovatel);

// The name of a field as read out: "Pole 12: kámen, cílové pole",
// "Pole 5: prázdné"; a field without a number yet (new in the editor) and a
// position without a field (offered only in the editor) by column and row.
QString JmenoPole(const TPole& Pole, const TPozice& Pozice);

class TKlavesniceDesky : public QObject {
    Q_OBJECT
public:
    TKlavesniceDesky(TGraphGameDeska* Pohled, QWidget* Hostitel);
    ~TKlavesniceDesky() override;

    TGraphGameDeska* Pohled() const { return PohledDesky; }
    QWidget* Hostitel() const;

    // Where the cursor stands, and whether it is drawn.
    TPozice Pozice() const { return Kurzor; }
    bool JeKurzorVidet() const;
    // Moves the cursor to a field in front; other positions are refused.
    bool PresunKurzor(const TPozice& Pozice);

    // The fields offered, in reading order (rows from the top).
    int PocetNabizenych() const;
    THraciPole* Nabizene(int Index) const;
    int IndexNabizeneho(const THraciPole* Pole) const;
    // The field under the cursor when it is offered.
    THraciPole* PoleKurzoru() const;

    // Reports of the board view.
    void StiskMysi(THraciPole* Pole);
    void PoNoveDesce();
    void PoZmenePole(THraciPole* Pole);
    void PoZmeneOznaceni(THraciPole* Pole);

protected:
    bool eventFilter(QObject* Objekt, QEvent* Udalost) override;

private:
    bool Klavesa(int Klavesa, Qt::KeyboardModifiers Modifikatory);
    void Posun(int dx, int dy);
    void Prekresli();
    void OznamKurzor();
    bool JeNabizeny(const TPozice& Pozice) const;
    THraciPole* Pole(const TPozice& Pozice) const;

    TGraphGameDeska* PohledDesky;
    QPointer<QWidget> Host;
    TPozice Kurzor{0, 0};
    bool PosledniVstupKlavesa = false;
    bool MaFokus = false;
    QPointer<THraciPole> Nakresleny;  // the field that shows the cursor now
};
