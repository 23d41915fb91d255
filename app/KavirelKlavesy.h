// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard: Enter on buttons, and the note under a
// name box that refused a character it cannot store.
#pragma once

class QWidget;

// A push button of the window answers Enter as it answers Space.
void PridejEnterNaTlacitka(QWidget* Okno);
// Every name box of the window tells the user which characters it refused.
void PridejPoznamkyOdmitnuti(QWidget* Okno);
