// SPDX-License-Identifier: GPL-3.0-or-later
// The search engine behind the four search routines of KavirelReseni.
//
// It reproduces the plain recursive search exactly: the same scan of the
// rectangle by columns, the same direction orders, the same goal tests, the
// same per-jump move bound, hence the same solution. It is faster because it
// keeps the position as a bit set over the present fields and skips subtrees
// that provably change nothing:
//
// * dead positions: a position from which no goal position can be reached
//   records nothing in either mode. Near the goal they are known from levels
//   of positions computed backwards from the goal positions (each level one
//   jump further away, added while they cost less work than the search
//   itself; kept as compact filters that may let a dead position through but
//   never cut a live one); further up they are learnt from finished
//   subtrees, in a table that behaves as a cache when full. The three-colour
//   parity classes that every jump preserves rule out goal positions at the
//   start. Turns and mirrorings of the board that keep its rectangle and goal
//   let one image of each position stand for all of them.
// * shortest mode only, failed visits: the bound vector only ever decreases
//   pointwise, and whether a subtree records anything depends only on the
//   position, the field number where the last jump landed, the move count so
//   far and that vector. So when a visit of (position, landing field) with
//   move count m recorded nothing, a later visit with a count of at least m
//   records nothing either; the table keeps the smallest such m.
// * shortest mode only, a move bound: a stone on a field that no jump can
//   pass over (a "corner") leaves it only by a move that starts there, and an
//   empty corner is filled for good only by the last jump of a move (Leibniz
//   game). If the moves so far plus those needed exceed the bound of the
//   solution's last jump, nothing below can be recorded.
//
// Nothing learnt in a subtree that a stop request cut short is stored. All
// tables are allocated when the job starts and bounded together by
// TRizeniHledani::LimitPameti. A small search would be over before they pay
// for themselves, so every job first searches without them for a bounded
// number of positions and starts again with them only when that runs out.
#pragma once

#include "KavirelReseni.h"

namespace KavirelHledani {

// Runs one of the four searches on a prepared job.
void Prohledej(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, bool nejkratsi);

}  // namespace KavirelHledani
