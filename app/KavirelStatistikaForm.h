// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: per board the games begun, the games won, the
// fewest moves of a win and when it was last played.
#pragma once

#include <QDialog>

#include <vector>

#include "KavirelStatistika.h"
#include "KavirelTexty.h"

class QTableWidget;

class TStatistikaForm : public QDialog {
    Q_OBJECT
public:
    explicit TStatistikaForm(QWidget* rodic = nullptr);

    // The boards played last first.
    void Napln(const std::vector<TStatistikaDesky>& desky);

protected:
    void changeEvent(QEvent* udalost) override;

private:
    QTableWidget* Tabulka = nullptr;
    std::vector<TStatistikaDesky> Zobrazene;
};
