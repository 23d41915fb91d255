// SPDX-License-Identifier: GPL-3.0-or-later
// A hint for the player: a solution of the position in play, of which the
// player is shown the first move. Any solution will do, so the search is
// free in its order; it must only never call a solvable position lost.
#pragma once

#include <vector>

#include "KavirelReseni.h"

// The mode of a hint request of the solver service (KavirelSluzba.h); not a
// mode of the solve board.
constexpr std::uint8_t zhRada = 3;

// Positions of the first attempt of each image (HledejRadu): enough for
// nearly every position in play, which so keeps the hint it had when only
// the position itself was searched.
constexpr std::uint64_t PrvniRozpocetRady = std::uint64_t(1) << 20;

// The present fields of a prepared job in the scan's order, which numbers
// the search's positions; returns how many.
int PoleUlohy(const TUlohaReseni& u, TPozice* pozice);
// The job turned or mirrored by perm (KavirelHledani::PrevodyPoli: field
// pozice[i] to pozice[perm[i]]): stones and target flags move with it, the
// field numbers stay where they are. False when the turn does not keep the
// scanned rectangle, which the search starts its jumps in.
bool OtocUlohu(const TUlohaReseni& u, const TPozice* pozice, int n, const std::vector<int>& perm,
               TUlohaReseni& obraz);

// Finds a solution of the prepared job's position, or proves there is none.
// On return Nalezeno, Preruseno and Vysledek hold the outcome. One unlucky
// order of the jumps can cost a depth-first search hours where the same
// search of a turned or mirrored board (stones and target fields turned
// with it) ends in seconds, and either has a solution exactly when the
// other has; so the distinct images take turns (each searched on the board
// itself in the order of the image's search, so that all of them share one
// goal and with it the dead positions and levels), the position itself first,
// each in two orders of the jumps (the other images first all in the one
// that is faster in play), each with `rozpocet` positions (the other
// images a quarter of it in the first round, and their second order only
// from the second round on), doubled every round, until one of them finds a
// solution or proves there is none.
// Returns which image decided: 0 the position itself (also when stopped).
int HledejRadu(TUlohaReseni& uloha, TRizeniHledani& rizeni, std::uint64_t rozpocet = PrvniRozpocetRady);

struct TRadaTahu {
    TVysledekHledani Stav = TVysledekHledani::Neexistuje;
    // Nalezeno with no jump: the position already meets the goal.
    bool BezSkoku = false;
    TPozice Odkud;  // the jump to play when Stav is Nalezeno and jumps remain
    TPozice Kam;
};

struct TVysledekUlohy;
// The hint a finished request of mode zhRada for pozice gives.
TRadaTahu RadaZVysledku(const TZaznamDesky& pozice, const TVysledekUlohy& vysledek);

// Searches on the calling thread; rizeni may stop it from another thread.
TRadaTahu DejRadu(const TZaznamDesky& pozice, TRizeniHledani& rizeni);
