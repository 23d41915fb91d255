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

// The one case in which the end-of-game verdict (TGameDeska::DejStavHry, from
// KontrolaCilovych) and the goal disagree: the game is over and the verdict
// reads that every target field is as it should be ("Všechna cílová pole
// obsazena", in Leibniz's game "... prázdná"), yet the goal is not met,
// because a stone (in Leibniz's game a hole) also stands on a field that is
// no target - or because the only targets are flags left on absent positions.
// The verdict looks at the target fields alone and stays as players know it;
// a personal best counts only the goal.
bool JeVerdiktBezVyhry(TStavHry verdikt, bool cilSplnen);

// The position the move list of the board started from: the board with
// every completed jump of its history taken back. Its type is the board's.
TZaznamDesky PocatecniPozice(const TGameDeska& deska);
