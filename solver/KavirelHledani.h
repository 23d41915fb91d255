// SPDX-License-Identifier: GPL-3.0-or-later
// The search engine behind the four search routines of KavirelReseni.
//
// It reproduces the plain recursive search exactly: the same scan of the
// rectangle by columns, the same direction orders, the same goal tests, the
// same per-jump move bound, hence the same solution. It is faster because it
// keeps the position as a bit set over the present fields (KavirelPozice.h)
// and skips subtrees that provably change nothing. Each such rule can be
// switched off on its own (TPravidla), which must never change a result:
//
// * Parita: the three-colour parity classes that every jump preserves rule
//   out goal positions at the start; with none left nothing is searched.
// * Symetrie: turns and mirrorings of the board that keep its rectangle and
//   goal let one image of each position stand for all of them in the tables.
// * Urovne: a position from which no goal position can be reached records
//   nothing in either mode. Near the goal such positions are known from
//   levels computed backwards from the goal positions (KavirelUrovne.h), each
//   level one jump further away, added while they cost less work than the
//   search itself.
// * SdileneMrtve, fastest mode only: the table of dead positions comes from
//   the searches of the same board before, through TRizeniHledani, and goes
//   back to them afterwards (KavirelSdileneMrtve.h).
// * Vnoucata, shortest mode only: a position one jump above the levels is
//   dead unless one of its children is on the top level; its parent asks
//   that for all its children at once, fetching all their children's filter
//   blocks together.
// * UviznuteKameny, normal game only, where asked for: stones that no jump
//   can ever move again, or fields the goal needs filled that no jump can
//   ever fill, rule out the goal (KavirelUviznute.h).
// * MrtveTabulka: further up, dead positions are learnt from finished
//   subtrees, in a table that behaves as a cache when full (KavirelTabulky.h).
// * Neuspechy, shortest mode only: the bound vector only ever decreases
//   pointwise, and whether a subtree records anything depends only on the
//   position, the field number where the last jump landed, the move count so
//   far and that vector. So when a visit of (position, landing field) with
//   move count m recorded nothing, a later visit with a count of at least m
//   records nothing either; the table keeps the smallest such m.
//   PokracovaniJenSeSkokem: the landing field joins the key only while a
//   jump may start there. NeuspechySymetricky: the key is the canonical
//   position with the image of the landing field.
// * MezTahu, shortest mode only: a stone on a field that no jump can pass
//   over (a "corner") leaves it only by a move that starts there, and an
//   empty corner is filled for good only by the last jump of a move (Leibniz
//   game). If the moves so far plus those needed exceed the bound of the
//   solution's last jump, nothing below can be recorded.
// * MezPoSkoku, shortest mode only: where one more move would be over the
//   bound after each of a child's next d jumps, those jumps must continue
//   its move, each starting where the last one landed; if no such chain of
//   d jumps can follow, the child records nothing.
// * Uspechy, shortest mode only: a subtree that ended by recording σ, when
//   visited again with exactly σ's move counts as the bound below it, ends
//   by recording σ again (KavirelUspechy.h).
//
// Nothing learnt in a subtree that a stop request cut short is stored. All
// tables are allocated when the search starts and bounded together by
// TRizeniHledani::LimitPameti. Every search owns all its state, so any number
// of searches may run at once on different threads.
#pragma once

#include <cstdint>
#include <vector>

#include "KavirelReseni.h"

namespace KavirelHledani {

// The rules that skip work. Switching one off must change nothing but the
// work done; the tests hold each one to that.
struct TPravidla {
    // Not a cut: a small search is over before the tables would pay for
    // themselves, so a search first runs without any of them for this many
    // positions and starts again with them only when that runs out. 0 goes
    // straight to the full search.
    std::uint64_t PozicBezTabulek = 100000;
    bool Parita = true;
    bool Symetrie = true;
    bool Urovne = true;
    bool MrtveTabulka = true;
    // Pays only on proofs that no solution exists on boards of narrow arms
    // (the minimum mode's question, KavirelResitelnost.h); on the built-in
    // boards and for hints the test costs more than it saves.
    bool UviznuteKameny = false;
    bool SdileneMrtve = true;
    bool Vnoucata = true;
    bool Neuspechy = true;
    bool PokracovaniJenSeSkokem = true;
    bool NeuspechySymetricky = true;
    bool NeuspechyNapricPokracovanim = true;
    bool MezTahu = true;
    bool MezPoSkoku = true;
    // Shortest mode: a subtree that recorded a solution and is entered again
    // with the bound below it exactly that solution's move counts records
    // the same solution again without a search (KavirelUspechy.h).
    bool Uspechy = true;
    // Not a cut: recorded subtrees are looked up only once more solutions
    // than this have been recorded.
    std::uint64_t ZaznamuPredUspechy = 4096;
    // Not a cut: for a hint, whose solution may be any, the fastest mode
    // tries first the jumps after which the fewest stones (normal game) or
    // holes (Leibniz game) stand on fields no jump passes over, which only
    // a jump of their own can change; among those, the jumps after which
    // the most jumps can be made (KavirelPoradiRady.h). Changes the
    // solution found, never whether one is.
    bool RohyNapred = false;
    // Not a cut: with RohyNapred, a fastest search that has run out of its
    // first `PozicVRohovemPoradi` positions (those of the pass without
    // tables included) starts again from the position in the scan order,
    // with the tables and levels the first order built. 0: the one order
    // only.
    std::uint64_t PozicVRohovemPoradi = 0;
    // Not a cut: the fastest mode tries the jumps in the order in which the
    // search of the board's image under a turn or mirroring (field i to
    // ObrazPoli[i], in the scan's numbering) would try their images
    // (KavirelPoradiRady.h). Changes the solution found, never whether one
    // is. Empty: the board's own order.
    std::vector<std::uint8_t> ObrazPoli;
    // Not a cut: with RohyNapred, a search with its tables first dives in
    // the corner order, leaving the order's first choice at most 0, then 1,
    // ... Odchylek times (limited discrepancy), within half the corner
    // order's share. A good order goes wrong mostly in a few places, and a
    // plain search pays for a wrong choice near the top with the whole
    // subtree below it. Changes the solution found, never whether one is.
    // -1: no dives.
    int Odchylek = -1;
    // Not a cut either: the levels beyond the first few are built on a
    // second thread, as fast as it goes, instead of in turns with the search.
    bool DruheVlakno = true;
};

// Runs one of the four searches on a prepared job.
void Prohledej(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, bool nejkratsi,
               const TPravidla& pravidla = TPravidla{});

}  // namespace KavirelHledani
