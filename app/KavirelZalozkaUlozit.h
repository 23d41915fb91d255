// SPDX-License-Identifier: GPL-3.0-or-later
// The save tab: the board of the tab left last (the game as played so far,
// the loaded board or the edited board), under a name the user may change,
// appended to the catalogue or written to an external board file. A board
// of the solve tab cannot be saved.
#pragma once

#include "KavirelZalozka.h"

class QFileDialog;
class QLabel;
class TNastaveni;
class QLineEdit;
class QPushButton;

class TZalozkaUlozit : public TZalozkaOkna {
    Q_OBJECT
public:
    explicit TZalozkaUlozit(TRelaceHry& Relace, QWidget* rodic = nullptr);

    TDruhPlochy Plocha() const override { return dpNahled; }
    void PoVstupu() override;
    void PredOdchodem() override;

    // The board the tab offers, from the tab Odkud, which is being left.
    void Nabidni(const TZaznamDesky& Zaznam, int Odkud);
    // The tab left last before this one was entered.
    void NastavPredchozi(int Odkud) { Predchozi = Odkud; }
    // Where the file dialog starts is kept in the settings.
    void NastavNastaveni(TNastaveni* N) { Nastaveni = N; }

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void VytvorOvladace();
    void PisNazevUkladane();
    void PrevezmiNazev();
    void UlozitStandardni();
    void UlozitExterni();
    void SmazVysledek();

    TRelaceHry& Relace;
    TZaznamDesky ZaznamUkladany;
    int Predchozi = zlHra;
    TNastaveni* Nastaveni = nullptr;

    QLabel* lblUlozitPuvodDesky = nullptr;
    QLabel* lblUlozitJakUlozeno = nullptr;
    QLabel* lblUlozitKamUlozeno = nullptr;
    QLineEdit* edtUlozitNazevDesky = nullptr;
    QPushButton* btnUlozitStandardni = nullptr;
    QPushButton* btnUlozitExterni = nullptr;
    QFileDialog* SaveFileDialog = nullptr;
};
