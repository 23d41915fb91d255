// SPDX-License-Identifier: GPL-3.0-or-later
// What the three auxiliary windows share: the named resources "ICON" and
// "BMPICON", the fixed window frame, centring on the screen, and placing
// texts so that the platform font never clips them.
#pragma once

#include <QIcon>
#include <QPixmap>

class QAbstractButton;
class QDialog;
class QLabel;
class QWidget;

// The icon resource of that name (every size of it), e.g. "ICON" for the
// application and window icon. An unknown name gives a null icon.
QIcon NactiIkonu(const char* Nazev);

// The bitmap resource of that name, e.g. "BMPICON" for the about window. An
// unknown name gives a null pixmap.
QPixmap NactiBitmapu(const char* Nazev);

// A window of fixed client size whose title bar carries the system menu and
// the close button only (no minimising, no maximising).
void NastavPevneOkno(QDialog* Okno, int Sirka, int Vyska);

// Moves a top-level window to the middle of the screen it is on (the
// primary screen when it is on none yet).
void VycentrujNaObrazovce(QWidget* Okno);

// Places a label at the given left, top and width. A text that fits keeps
// the given height; a longer one wraps onto more lines, and the label grows
// equally up and down so that it stays level with what it describes.
void UmistiPopisek(QLabel* Popisek, int Vlevo, int Nahore, int Sirka, int Vyska);
// Places every label of the window placed by UmistiPopisek again, for its
// text in another language.
void UmistiPopiskyZnovu(QWidget* Okno);

// The width that a button needs for its caption with the platform font and
// style; at least Minimum.
int SirkaTlacitka(const QAbstractButton* Tlacitko, int Minimum);
