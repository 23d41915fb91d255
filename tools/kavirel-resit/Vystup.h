// SPDX-License-Identifier: GPL-3.0-or-later
// What kavirel-resit prints about a finished search.
#pragma once

#include <cstdint>
#include <string>

#include "KavirelType.h"

struct TVysledekBehu {
    std::string Nazev;        // UTF-8
    TTypHry Typ = thNormalni;
    bool Nejkratsi = false;
    bool Nejmene = false;
    const TSolveDeska* Deska = nullptr;  // StavReseni and Reseni after the search
    std::uint64_t Pozic = 0;
    long long Milisekund = 0;
};

// The result text, then for a solution "Potřebných tahů: M" and the jumps,
// in the language set for the messages.
std::string TextovyVystup(const TVysledekBehu& v);

// One JSON object on one line.
std::string JsonVystup(const TVysledekBehu& v);
