// SPDX-License-Identifier: GPL-3.0-or-later
// The minimum search: a solution with the least number of moves of all, a
// move being a run of jumps by one stone (each jump starting where the last
// one landed). The goal is the one of the other two modes.
//
// The search is breadth-first over moves from both ends at once: a ball of
// the positions within r moves of the start, and one of those within r'
// moves of a goal position, each grown by one move at a time. Every jump
// takes one off the counter (stones in the normal game, empty fields in the
// Leibniz game), so the positions of a ball fall into layers by their
// counter, and a ball grows by one sweep over its layers in the order of
// the jumps (KavirelVrstvy.h). A layer keeps each position with the least
// moves it is reached by and the fields where those cheapest ways may leave
// their last move to continue: a jump from such a field costs nothing, any
// other one move. The goal side keeps the least moves still needed and the
// fields a cheapest way on starts from. A position in both balls gives a
// total, one less where a way in may go on as a way on; once the radii add
// up to the best total found, it is the least (every solution of T moves
// has after its j-th move a position j moves from the start and T - j from
// a goal). The path is then read back through both balls
// (KavirelNejmeneCesta.h).
//
// Rules that spare work; switching one off must not change the number of
// moves found (the tests hold each one to that):
// * Parita: the goal positions of another parity class than the start's can
//   never be reached and are left out; with none left there is no solution.
// * Symetrie: the turns and mirrorings that keep the board and its goal let
//   one image of each position stand for all of them (KavirelPozice.h).
// * Obousmerne: the goal side grows too; without it only the start's ball
//   grows until it reaches a goal position.
// * Resitelnost: once the balls have grown a little, the fastest mode
//   decides on threads of its own whether there is any solution at all
//   (KavirelResitelnost.h); where there is none, the balls stop at once
//   instead of growing until one holds every position of its side, and a
//   search whose balls outgrow the memory bound waits for that verdict
//   instead of ending as stopped.
// The balls wait for that verdict at first, so that the fastest mode has
// the whole machine: with a solution it mostly finds one within
// milliseconds, and without one its proof is what ends the search. Beside
// the balls, on one core, that proof took twice as long; with its levels
// on a second thread beside the balls, three threads on two cores, the
// solved boards got slower (measured).
// The ball that grows next is the one whose last step added fewer
// positions; a search takes the same course every time. The balls grow on
// the calling thread alone: growing both at once, or one on two threads,
// cost more than it saved on a machine shared with other work (measured).
//
// All layers together, and the fastest mode's tables of rule Resitelnost,
// stay within TRizeniHledani::LimitPameti (by default 1.5 GiB, or a quarter
// of the physical memory when that is less); a search that needs more ends
// as if stopped, unless the fastest mode proves there is no solution.
#pragma once

#include <cstdint>

#include "KavirelReseni.h"

namespace KavirelHledani {

struct TPravidlaNejmene {
    bool Parita = true;
    bool Symetrie = true;
    bool Obousmerne = true;
    bool Resitelnost = true;
    // Not cuts: the fastest mode of rule Resitelnost starts once the balls
    // have counted this many positions (most searches end sooner, and would
    // only pay for its start and for the wait), and the balls wait for its
    // verdict until it has counted this many of its own (0: they go on at
    // once, and it has one thread).
    std::uint64_t PozicPredResitelnosti = 300000;
    std::uint64_t CekaniNaResitelnost = 3000000;
};

// Searches a prepared job for a solution with the least moves. On return
// Nalezeno, Preruseno and Vysledek hold the outcome.
void ProhledejNejmene(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz,
                      const TPravidlaNejmene& pravidla = TPravidlaNejmene{});

}  // namespace KavirelHledani
