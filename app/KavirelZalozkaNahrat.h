// SPDX-License-Identifier: GPL-3.0-or-later
// The load tab: one board at a time, the current entry of the catalogue
// "Kavirel.dat" or a board read from an external board file; browsing, going
// to a number, deleting own boards, opening a file, and handing the board to
// the play, edit or solve tab. The board is shown on the session's read-only
// board.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

#include "KavirelZalozka.h"

class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class TNastaveni;

class TZalozkaNahrat : public TZalozkaOkna {
    Q_OBJECT
public:
    explicit TZalozkaNahrat(TRelaceHry& Relace, QWidget* rodic = nullptr);

    TDruhPlochy Plocha() const override { return dpNahled; }
    void PoVstupu() override;

    // The board shown, and its catalogue number (0 for a board from a file).
    const TZaznamDesky& DejZaznam() const { return ZaznamNahrany; }
    std::int32_t DejCislo() const { return CisloNahraneDesky; }
    // Shows the catalogue's current entry (at start-up and after a change
    // of the catalogue by another tab).
    void UkazAktualni();
    // "Jdi na číslo" from the keyboard (Ctrl+G): the number box ready.
    void JdiNaCislo();
    // Reads an external board file as "Otevřít…" does; false (the message
    // shown, the tab unchanged) when it cannot be read.
    bool NactiSoubor(const QString& Soubor);
    // Where the file dialog starts is kept in the settings.
    void NastavNastaveni(TNastaveni* N) { Nastaveni = N; }

signals:
    void HratPozadano();
    void EditovatPozadano();
    void ResitPozadano();

protected:
    void changeEvent(QEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void VytvorOvladace();
    void VykresleniDeskyPriNahravani(std::int32_t Cislo, const QString& Soubor);
    void PohybVSeznamuDesek(bool Vpred);
    void UkonceniZadavaniCisla();
    void Smazat();
    void OtevritExterniSoubor();

    TRelaceHry& Relace;
    TZaznamDesky ZaznamNahrany;
    std::int32_t CisloNahraneDesky = 0;  // 0 for a board from a file
    TNastaveni* Nastaveni = nullptr;

    QLabel* lblNahratNazevDesky = nullptr;
    QLabel* lblNahratTypHry = nullptr;
    QLabel* lblNahratPuvodDesky = nullptr;
    QLabel* lblNahratCisloDeskyPevna = nullptr;
    QLabel* lblNahratCisloDesky = nullptr;
    QLineEdit* edtNahratCislo = nullptr;
    QPushButton* btnNahratSmazat = nullptr;
    QFileDialog* OpenFileDialog = nullptr;
};

// The file dialogs of the load and save tabs: shows one and returns the
// chosen full file name, or an empty text when the user cancelled. Both
// dialogs start in the folder last chosen with either (kept in the settings
// when given). Tests replace the function that runs a dialog.
using TVyberSouboru = std::function<QString(QFileDialog*)>;
TVyberSouboru NastavVyberSouboru(TVyberSouboru Vyber);
QString VyberSoubor(QFileDialog* Dialog, TNastaveni* Nastaveni);
QFileDialog* NovyDialogSouboru(QWidget* Rodic, const char* Jmeno, bool Otevrit);
// The file type of the dialogs, in the language spoken now.
QString FiltrDesek();
