// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a position has reached the goal of its game: the condition a won
// game ends on, the same one the solver searches for.
#pragma once

#include "KavirelType.h"

// Normal game: with target fields, stones on exactly the target fields;
// without, a single stone left. Leibniz game: the same with empty fields in
// place of stones. Only present fields count; a target flag left on an
// absent position is ignored.
bool JeCilSplnen(const TZaznamDesky& zaznam);

// The position the move list of the board started from: the board with
// every completed jump of its history taken back. Its type is the board's.
TZaznamDesky PocatecniPozice(const TGameDeska& deska);
