// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the game's help text from the resources in a text browser,
// opened at a help context (100 the start page, 321 to 325 the five tabs).
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QTextBrowser;

constexpr int KontextNapovedyUvod = 100;
constexpr int KontextNapovedyHra = 321;
constexpr int KontextNapovedyNahrat = 322;
constexpr int KontextNapovedyUlozit = 323;
constexpr int KontextNapovedyEdit = 324;
constexpr int KontextNapovedyReseni = 325;

// The address of a help context; an unknown context gives the start page.
QUrl AdresaNapovedy(int kontext);

class TNapovedaOkno : public QDialog {
    Q_OBJECT
public:
    explicit TNapovedaOkno(QWidget* rodic);

    void ZobrazKontext(int kontext);
    QTextBrowser* Prohlizec() const { return ProhlizecTextu; }

protected:
    // Another language: the same section in the help of that language.
    void changeEvent(QEvent* udalost) override;

private:
    QTextBrowser* ProhlizecTextu;
};
