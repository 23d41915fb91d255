// SPDX-License-Identifier: GPL-3.0-or-later
// What kavirel-resit prints about a finished search.
#pragma once

#include <cstdint>
#include <string>

#include "KavirelSluzba.h"
#include "KavirelType.h"

struct TVysledekBehu {
    std::string Nazev;        // UTF-8
    TTypHry Typ = thNormalni;
    bool Nejkratsi = false;
    bool Nejmene = false;     // the least number of moves of all
    bool Rada = false;        // a hint: the first move apart from the rest
    // How the search ended; never Chyba, which the program reports as a fault.
    TKonecUlohy Konec = TKonecUlohy::Neexistuje;
    const TSolveDeska* Deska = nullptr;  // Reseni: the solution, counted as the game counts moves
    std::uint64_t Pozic = 0;
    long long Milisekund = 0;
};

// The result line of a search that --limit stopped (JSON status "stopped").
extern const char* const TextLimitVyprsel;

// The result text, then for a solution "Potřebných tahů: M" and the jumps;
// for a hint the jumps of the first move ("První tah: ") and of the rest
// ("Zbytek řešení: ") on two lines; in the language set for the messages.
std::string TextovyVystup(const TVysledekBehu& v);

// One JSON object on one line; a hint adds "first_move" and "rest".
std::string JsonVystup(const TVysledekBehu& v);
