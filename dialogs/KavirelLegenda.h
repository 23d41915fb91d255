// SPDX-License-Identifier: GPL-3.0-or-later
// The legend window: five sample fields with what each marking means. Its
// sample always shows the default colours; the colour window never reaches it.
#pragma once

#include <QDialog>

#include <memory>

#include "KavirelGraph.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class TLegendaForm : public QDialog {
    Q_OBJECT
public:
    // FormCreate: window icon "ICON", the controls, the sample view.
    explicit TLegendaForm(QWidget* rodic = nullptr);
    // FormDestroy: releases the sample view.
    ~TLegendaForm() override;

    void OKButtonClick();

    // The sample view in ProstorDesky (lives from FormCreate to FormDestroy).
    TGraphLegendaDeska* DejUkazku() const { return Ukazka.get(); }

protected:
    // FormShow: the sample draws itself afresh at every showing.
    void showEvent(QShowEvent* udalost) override;
    void changeEvent(QEvent* udalost) override;

private:
    // The sample view in ProstorDesky (lives from FormCreate to FormDestroy).
    std::unique_ptr<TGraphLegendaDeska> Ukazka;

    QGroupBox* LegendaGroupBox = nullptr;
    QFrame* ProstorDesky = nullptr;
    QLabel* LabelPrazdne = nullptr;
    QLabel* LabelPlne = nullptr;
    QLabel* LabelPrazdneCilove = nullptr;
    QLabel* LabelPlneCilove = nullptr;
    QLabel* LabelOznacene = nullptr;
    QPushButton* OKButton = nullptr;
};
