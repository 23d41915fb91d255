// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of kavirel-resit.
#pragma once

#include <string>

#include "KavirelNahodna.h"

struct TVolby {
    bool Nejkratsi = false;
    bool Nejmene = false;   // the least number of moves of all
    bool Rada = false;      // a hint: the first move of a solution, then the rest
    bool Statistika = false;
    bool Json = false;
    bool Kresba = false;
    double Limit = -1;      // seconds from the moment the board has been read; < 0 none
    long CisloDesky = 0;    // 0 when not given
    std::string Soubor;     // "-" is standard input
    bool Nahodna = false;   // --nahodna: print the random board CisloNahodne instead of solving
    TCisloDesky CisloNahodne;
};

enum class TAkce { Resit, Napoveda, Verze };

// In the language set for the messages (KavirelJazyk.h).
std::string TextPouziti();    // one line, for error messages
std::string TextNapovedy();   // --help

// False with a message (UTF-8, translated, no program name) on unusable arguments.
bool RozeberVolby(int argc, char** argv, TVolby& volby, TAkce& akce, std::string& chyba);
