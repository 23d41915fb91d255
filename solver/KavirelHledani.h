// The search engine behind the four search routines of KavirelReseni.
//
// It reproduces the plain recursive search exactly: the same scan of the
// rectangle by columns, the same direction orders, the same goal tests, the
// same per-jump move bound, hence the same solution. It is faster because it
// keeps the position in a bit set over the present fields and skips subtrees
// that provably change nothing:
//
// * dead positions: a position from which no goal position can be reached
//   records nothing in either mode. Such positions are learnt from finished
//   subtrees (a table that behaves as a cache when full), found exactly near
//   the goal by sets computed backwards from the goal positions, and found at
//   the start by the three-colour parity classes that every jump preserves.
//   A position whose counter is already below the goal count is dead too.
// * shortest mode only, failed visits: the bound vector only ever decreases
//   pointwise, and what a subtree records depends only on the position, the
//   field number where the last jump landed, the move count so far and that
//   vector. So when a visit of (position, landing field) with move count m
//   recorded nothing, a later visit with a count of at least m records
//   nothing either; the table keeps the smallest such m.
// * shortest mode only, a move bound: a stone on a field that no jump can
//   pass over (a "corner") leaves it only by a move that starts there, and an
//   empty corner is filled only by a move that ends there (Leibniz game). If
//   the moves so far plus those needed exceed the bound of the solution's last
//   jump, nothing below can be recorded.
//
// Nothing learnt in a subtree that a stop request cut short is stored.
#pragma once

#include "KavirelReseni.h"

namespace KavirelHledani {

// Runs one of the four searches on a prepared job. `orezavat` false gives the
// plain search (kept for measurements).
void Prohledej(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, bool nejkratsi,
               bool orezavat = true);

}  // namespace KavirelHledani
