// SPDX-License-Identifier: GPL-3.0-or-later
// Stones that can never leave their fields (normal game): a cheap proof that
// a position far above the backward levels is dead, where otherwise only a
// search down to the levels could tell.
#pragma once

#include "KavirelPozice.h"

namespace KavirelHledani {

// The fields that may hold a stone in some later position: the stones now,
// and every landing field of a jump whose start and jumped fields may.
template <class K>
K MozneKameny(const TZpetneSkoky<K>& z, K s)
{
    using TZ = TZpetneSkoky<K>;
    for (K r = s;;) {
        K dalsi = r;
        for (const typename TZ::TSkupina& g : z.Skupiny)
            dalsi |= TZ::Posun(K(g.Odkud & r & TZ::Posun(r, g.Pres)), -g.Kam);
        if (dalsi == r)
            return r;
        r = dalsi;
    }
}

// The fields whose stones stay there in every later position. A field is
// emptied only by a jump from it or over it; the other stone of that jump
// stands where a stone may be (MozneKameny), and its landing field must be
// empty then, so it cannot be a field that stays full. Starting from no
// such fields, each round may only add fields, and every one it adds is
// sound given the ones before.
template <class K>
K TrvaleKameny(const TZpetneSkoky<K>& z, K s, K mozne)
{
    using TZ = TZpetneSkoky<K>;
    for (K trvale = 0;;) {
        K uvolnitelne = 0;
        for (const typename TZ::TSkupina& g : z.Skupiny) {
            const K volnyCil = g.Odkud & K(~TZ::Posun(trvale, g.Kam));
            uvolnitelne |= volnyCil & TZ::Posun(mozne, g.Pres);
            uvolnitelne |= TZ::Posun(K(volnyCil & mozne), -g.Pres);
        }
        const K dalsi = s & ~uvolnitelne;
        if (dalsi == trvale)
            return trvale;
        trvale = dalsi;
    }
}

// UviznuteKameny, normal game: the goal cannot be met because more stones
// stay for good than the goal leaves, one stays for good where the goal
// wants an empty field, or a field the goal wants a stone on never gets one.
// `s`: the stones, `vzor` the goal's stones inside the scanned rectangle,
// `z` the jumps grouped as SestavZpetneSkoky makes them (every group's
// jumped field empty after the jump). Only for positions that are not goals
// themselves.
template <class K>
bool MaUviznuteKameny(const TModel<K>& m, const TZpetneSkoky<K>& z, K s, K vzor)
{
    // Most positions have no such stone: one round over the jumps with the
    // stones now in place of MozneKameny, which holds them all, shows that
    // every stone has a jump that may empty its field while no field stays
    // full, and that every field the goal wants is filled or can be filled
    // by one jump, so that the full rounds below would find nothing.
    using TZ = TZpetneSkoky<K>;
    K uvolnitelne = 0, doskoky = 0;
    for (const typename TZ::TSkupina& g : z.Skupiny) {
        const K start = g.Odkud & s & TZ::Posun(s, g.Pres);
        uvolnitelne |= (g.Odkud & TZ::Posun(s, g.Pres)) | TZ::Posun(K(g.Odkud & s), -g.Pres);
        doskoky |= TZ::Posun(start, -g.Kam);
    }
    if ((s & ~uvolnitelne) == 0 && (!m.SCilovymi || (vzor & ~(s | doskoky)) == 0))
        return false;
    const K mozne = MozneKameny(z, s);
    if (m.SCilovymi && (vzor & ~mozne) != 0)
        return true;
    const K trvale = TrvaleKameny(z, s, mozne);
    if (PocetBitu(trvale) > m.CilPocet)
        return true;
    return m.SCilovymi && (trvale & m.Obdelnik & ~vzor) != 0;
}

}  // namespace KavirelHledani
