// SPDX-License-Identifier: GPL-3.0-or-later
// The sets of positions the benchmark measures besides the built-in boards:
// the English board from its centre to its centre, the single-vacancy
// problems of the French board, positions reached by play and random boards.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "KavirelType.h"

// One problem of the French board: every field a stone but the vacancy, one
// target field, the normal game.
struct TFrancouzskaUloha {
    std::string Nazev;  // "c4->e4": columns a..g from the left, rows 1..7 from the top
    TZaznamDesky Deska;
};

// All 37 × 37 of them, vacancy by vacancy in reading order.
std::vector<TFrancouzskaUloha> FrancouzskeUlohy();

// A position reached by play: a built-in board and a number of jumps
// chosen at random among the legal ones.
struct TPoziceZeHry {
    int Deska = 0;  // 1..17
    int Skoku = 0;  // jumps played
    TZaznamDesky Pozice;
};

// `naDesku` positions of each built-in board with fields, after 0 to all
// the jumps a game can have, drawn with the given seed.
std::vector<TPoziceZeHry> PoziceZeHry(int naDesku, std::uint32_t seminko);

// The English board from its centre to its centre: board 5 with the centre
// as its target field.
TZaznamDesky AnglickaStredNaStred();

// A random board of `odPoli` to `doPoli` fields in one piece, within a
// window of 5 to 7 columns and rows: every field a stone but one (normal
// game) or every field empty but one stone (Leibniz game, the mirror
// image), the two types in turn. Such single-vacancy problems are the
// hardest a board of that size poses; many have no solution.
TZaznamDesky NahodnaDeska(std::mt19937& nahoda, int odPoli, int doPoli, bool leibniz);

// Every position of `her` games of random legal jumps on each built-in board
// with fields, from the start until no jump is left, game after game in the
// order of play.
std::vector<TPoziceZeHry> PoziceCelychHer(int her, std::uint32_t seminko);
