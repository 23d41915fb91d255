// SPDX-License-Identifier: GPL-3.0-or-later
// The windows that the main window's menus open: the about window, the
// legend and the colour settings, made at start-up and shown modally; the
// personal bests, the statistics and the help, made on first use and shown
// beside the board, so that a player may keep them open while playing. All
// of them are children of the main window, which so owns them.
#pragma once

#include <vector>

class QDialog;
class QWidget;
class TNapovedaOkno;
class TRekordyForm;
class TStatistikaForm;
struct TOsobniRekord;
struct TStatistikaDesky;

class TOknaNabidek {
public:
    explicit TOknaNabidek(QWidget* Hlavni) : Hlavni(Hlavni) {}

    // The three made at start-up, after the main window.
    void NastavPomocna(QDialog* About, QDialog* Legenda, QDialog* Barvy);

    void UkazAbout() const;
    void UkazLegendu() const;
    void UkazBarvy() const;
    void UkazNapovedu(int Kontext);
    void UkazRekordy(const std::vector<TOsobniRekord>& Rekordy);
    void UkazStatistiku(const std::vector<TStatistikaDesky>& Desky);
    // An open window follows a change without taking the focus; a closed
    // one is filled when it opens.
    void ObnovRekordy(const std::vector<TOsobniRekord>& Rekordy);
    void ObnovStatistiku(const std::vector<TStatistikaDesky>& Desky);

private:
    QWidget* Hlavni;
    QDialog* About = nullptr;
    QDialog* Legenda = nullptr;
    QDialog* Barvy = nullptr;
    TRekordyForm* Rekordy = nullptr;
    TStatistikaForm* Statistika = nullptr;
    TNapovedaOkno* Napoveda = nullptr;
};
