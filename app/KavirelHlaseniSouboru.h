// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the storage routines' error reporting: the
// storage code knows no windows, so the window routes its messages into the
// message boxes and counts them.
#pragma once

class QWidget;

// Routes the storage routines' error messages into ZobrazZpravu.
void PripojHlaseniSouboru(QWidget* rodic);

// How many storage error messages have been reported so far. The storage
// routines return nothing; a caller compares the count before and after a
// call to learn whether it failed.
int PocetHlaseniSouboru();
