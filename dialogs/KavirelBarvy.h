// SPDX-License-Identifier: GPL-3.0-or-later
// The colour settings window: the eight board colours chosen on a sample of
// five fields, the defaults restored, the result applied to the main window.
//
// The window knows nothing of the main window; what "apply" means there is
// handed in at construction (TNapojeniBarev). The sample's colour set is the
// working copy: it starts with the defaults and keeps whatever was chosen,
// applied or not, from one showing to the next.
#pragma once

#include <QColor>
#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

#include "KavirelGraph.h"

class QColorDialog;
class QGroupBox;
class QPushButton;
class QFrame;
class QLabel;

// What "OK" does in the main window, in this order: the colour set to the
// main board view, the colour set to the editor palette, then (after this
// window has closed) the redraw of the tab in front.
struct TNapojeniBarev {
    std::function<void(const TBarvy&)> NastavBarvyDesky;   // PohledDesky->NastavBarvy
    std::function<void(const TBarvy&)> NastavBarvyPalety;  // PohledPalety->NastavBarvy
    std::function<void()> PoZmeneZalozky;                  // PoZmeneZalozky(Zalozky)
};

class TBarvyForm : public QDialog {
    Q_OBJECT
public:
    // FormCreate: window icon "ICON", the controls, the sample view.
    explicit TBarvyForm(TNapojeniBarev Napojeni, QWidget* rodic = nullptr);
    // FormDestroy: releases the sample view.
    ~TBarvyForm() override;

    // Handlers; the buttons reach them through an edge guard that shows a
    // programming error instead of letting it out into Qt.
    // One colour, chosen for the member of the set that belongs to the
    // sending button (by its object name).
    void VyberBarvyClick(QObject* Sender);
    void ButtonStandardniBarvyClick();
    void ButtonOKClick();

    // Asks the user for a colour, starting from Barva; true and the new
    // colour in Barva when confirmed, false (Barva untouched) when cancelled.
    // By default the window's ColorDialog, shown modally; tests replace it.
    std::function<bool(QColor& Barva)> VolbaBarvy;

    // The custom colours of the colour dialog, 0x00BBGGRR: the first and the
    // ninth slot; the other slots are empty (white).
    static constexpr TBarva VlastniBarva1 = 0x00AE8760;
    static constexpr TBarva VlastniBarva9 = 0x00D757AA;
    // The dialog's custom colour slots as the game keeps them for this run
    // (slot i is QColorDialog's custom colour i while the dialog is open).
    std::vector<QColor> VlastniBarvy;

    // The sample view in ProstorDesky (lives from FormCreate to FormDestroy).
    TGraphBarvyDeska* DejUkazku() const { return Ukazka.get(); }

protected:
    // FormShow: the sample draws itself in its current colours.
    void showEvent(QShowEvent* udalost) override;
    void changeEvent(QEvent* udalost) override;

private:
    // The sample view in ProstorDesky (lives from FormCreate to FormDestroy).
    std::unique_ptr<TGraphBarvyDeska> Ukazka;

    QGroupBox* UkazkaGroupBox = nullptr;
    QFrame* ProstorDesky = nullptr;
    QLabel* LabelPrazdne = nullptr;
    QLabel* LabelPlne = nullptr;
    QLabel* LabelPrazdneCilove = nullptr;
    QLabel* LabelPlneCilove = nullptr;
    QLabel* LabelOznacene = nullptr;
    QGroupBox* NastaveniGroupBox = nullptr;
    QPushButton* ButtonDeska = nullptr;
    QPushButton* ButtonPole = nullptr;
    QPushButton* ButtonKamen = nullptr;
    QPushButton* ButtonVyber = nullptr;
    QPushButton* ButtonCilove = nullptr;
    QPushButton* ButtonCislo = nullptr;
    QPushButton* ButtonCisloPrubeh = nullptr;
    QPushButton* ButtonMrizka = nullptr;
    QGroupBox* KonecGroupBox = nullptr;
    QPushButton* ButtonStandardniBarvy = nullptr;
    QPushButton* ButtonOK = nullptr;
    QColorDialog* ColorDialog = nullptr;

    void VytvorOvladace();
    // The buttons as wide as the widest caption needs, the window with them.
    void RozmistiTlacitka();
    bool VolbaBarvyDialogem(QColor& Barva);

    TNapojeniBarev Napojeni;
};
