// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the game's help text from the resources in a text browser,
// opened at a help context (100 the start page, 321 the play tab).
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QTextBrowser;

constexpr int KontextNapovedyUvod = 100;
constexpr int KontextNapovedyHra = 321;

// The address of a help context; an unknown context gives the start page.
QUrl AdresaNapovedy(int kontext);

class TNapovedaOkno : public QDialog {
    Q_OBJECT
public:
    explicit TNapovedaOkno(QWidget* rodic);

    void ZobrazKontext(int kontext);
    QTextBrowser* Prohlizec() const { return ProhlizecTextu; }

private:
    QTextBrowser* ProhlizecTextu;
};
