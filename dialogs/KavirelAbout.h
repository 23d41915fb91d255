// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: the program's name, version and author line beside the
// picture "BMPICON".
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // FormCreate: the controls; ProgramIcon shows the bitmap "BMPICON".
    explicit TAboutBox(QWidget* rodic = nullptr);

    void OKButtonClick();

protected:
    void showEvent(QShowEvent* udalost) override;
    void changeEvent(QEvent* udalost) override;

private:
    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;  // the author line
    QPushButton* OKButton = nullptr;
};
