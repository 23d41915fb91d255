// SPDX-License-Identifier: GPL-3.0-or-later
// The two small dialogs of random boards: "Nová náhodná deska…" (a
// difficulty and a game type; a number of that kind drawn at random) and
// "Zadat číslo desky…" (a number typed, e.g. one a friend shared).
#pragma once

#include <QDialog>

#include <optional>

#include "KavirelNahodna.h"

class QSpinBox;
class QRadioButton;

class TNahodnaForm : public QDialog {
    Q_OBJECT
public:
    TNahodnaForm(TTypHry Typ, QWidget* rodic = nullptr);

    int Obtiznost() const;
    TTypHry Typ() const;

private:
    QSpinBox* spnObtiznost = nullptr;
    QRadioButton* rbLeibniz = nullptr;
};

// Asks for a difficulty and a type (the type offered first: typ) and draws
// a number of that kind; none when the player cancels.
std::optional<TCisloDesky> ZvolNahodnouDesku(QWidget* rodic, TTypHry Typ);
// Asks for a number; a malformed one is told in a message and gives none,
// as does a cancel.
std::optional<TCisloDesky> ZadejCisloDesky(QWidget* rodic);
