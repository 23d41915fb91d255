// SPDX-License-Identifier: GPL-3.0-or-later
// One board from an input that may be a pipe, a FIFO or a terminal: read
// front to back without seeking, recognised by its content as board records
// (a board file or a catalogue) or as a text drawing (KavirelKresba.h).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "KavirelKresba.h"
#include "KavirelType.h"

enum class TChybaVstupu {
    Zadna,
    Cteni,           // the stream reported a read error
    NeniCelaDeska,   // not one whole record, and not a drawing either
    MaloDesek,       // fewer records than the board number asked for
    NeplatnaDeska,   // the record holds values the program never writes
    Kresba,          // a drawing with a fault (see ChybaKresby)
    JedinaKresba,    // a board number past 1 asked of a drawing
    DlouhaKresba,    // a drawing past NejdelsiKresba bytes
};

// Generous for any drawing of a 9 x 9 board with its comments; keeps a
// runaway input (a device, an endless pipe) from filling the memory.
constexpr std::size_t NejdelsiKresba = 1u << 20;

struct TNactenaDeska {
    TChybaVstupu Chyba = TChybaVstupu::Zadna;
    TZaznamDesky Zaznam = PrazdnyZaznam();
    bool Kresba = false;        // the input was a drawing
    std::int64_t PocetDesek = 0; // whole records seen, for MaloDesek
    TChybaKresby ChybaKresby;
};

// Reads board number cisloDesky (1-based) of the input and stops reading
// there; nothing past that record (or, for a drawing, past its end) is
// required. A record is read as it lies, without renumbering.
TNactenaDeska NactiDeskuZProudu(std::FILE* proud, std::int64_t cisloDesky = 1);
