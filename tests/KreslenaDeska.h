// SPDX-License-Identifier: GPL-3.0-or-later
// Boards drawn as text for the tests of the model and the solver.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "KavirelType.h"

// Rows from the top, characters from the left: '.' absent, 'o' empty,
// 'x' stone, 'O' empty target, 'X' target with a stone. Missing rows and
// columns are absent; anything past the 9 x 9 grid is ignored.
inline TZaznamDesky Nakresli(const std::vector<std::string>& radky, TTypHry typ = thNormalni)
{
    TZaznamDesky z = PrazdnyZaznam();
    for (std::size_t y = 0; y < radky.size() && y < 9; ++y) {
        for (std::size_t x = 0; x < radky[y].size() && x < 9; ++x) {
            TPole& p = z.Pole[x][y];
            switch (radky[y][x]) {
            case 'o': p.Stav = spPrazdne; break;
            case 'x': p.Stav = spPlne; break;
            case 'O': p.Stav = spPrazdne; p.Cilove = 1; break;
            case 'X': p.Stav = spPlne; p.Cilove = 1; break;
            default: break;
            }
        }
    }
    z.TypHry = typ;
    return z;
}
