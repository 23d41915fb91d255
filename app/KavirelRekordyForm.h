// SPDX-License-Identifier: GPL-3.0-or-later
// The small window of personal bests: one row per board with the fewest
// moves that reached its goal and when.
#pragma once

#include <QDialog>

#include <vector>

#include "KavirelNastaveni.h"

class QTableWidget;

class TRekordyForm : public QDialog {
    Q_OBJECT
public:
    explicit TRekordyForm(QWidget* rodic = nullptr);

    // Shows the records, sorted by board name, then by game type.
    void Napln(const std::vector<TOsobniRekord>& rekordy);

protected:
    void changeEvent(QEvent* udalost) override;

private:
    void PrelozHlavicky();

    QTableWidget* Tabulka = nullptr;
    std::vector<TText> Hlavicky;
    std::vector<TOsobniRekord> Zobrazene;
};
