// SPDX-License-Identifier: GPL-3.0-or-later
// A board as a text drawing (UTF-8), for scripts, tests and people with an
// editor:
//
//   # comment lines start with '#', anywhere
//   typ: normální            (or leibniz; optional, normální when left out)
//   název: Kříž              (optional, at most 30 characters of Windows-1250)
//   ---ooo---
//   ---.o.---
//
// The header lines come before the rows. Then up to 9 rows from the top, up
// to 9 characters each from the left: 'o' a stone, '.' an empty field, 'O' a
// stone on a target field, '*' an empty target field, ' ' or '-' no field.
// Short rows and missing rows hold no fields. Blank lines before the first
// row are skipped; blank lines between rows are rows without fields.
//
// The name is all that follows the colon and one blank, spaces at its ends
// included. Lines end at LF, CR LF or a lone CR; a control byte (a tab
// outside the rows' message aside) is refused on any line.
#pragma once

#include <string>

#include "KavirelType.h"

struct TChybaKresby {
    int Radek = 0;        // 1-based line of the fault; 0 when it is no single line
    std::string Zprava;   // UTF-8, in the language of the messages, without the line number
};

// Reads a drawing into a record whose every other byte is zero. On a fault
// returns false, fills chyba and leaves zaznam as it was.
bool CtiKresbu(const std::string& text, TZaznamDesky& zaznam, TChybaKresby& chyba);

// The drawing of a record: both header lines and all nine rows of nine
// characters. Reading it back gives the same fields, targets, type and name
// (a name's control characters and unassigned bytes come back as '?'; a
// target flag on a position without a field is lost).
std::string KresbaDesky(const TZaznamDesky& zaznam);

// Whether an input is a drawing rather than board records: every valid
// record starts with a field state of 0, 1 or 2, which no text starts with.
bool VypadaJakoKresba(const std::string& zacatek);
