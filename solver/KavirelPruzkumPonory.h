// SPDX-License-Identifier: GPL-3.0-or-later
// The dives of TPruzkum before its full search (TPravidla::Odchylek). Part of
// KavirelPruzkum.h, which includes it at its end: include that one.
#pragma once

namespace KavirelHledani {

// Odchylek: dives in the corner order that leave its first choice at
// most d times, d = 0, 1, ..., within half the corner order's share;
// true when one decided the search (a solution, or a dive that cut
// nothing, which is a whole search that found none).
template <bool Leibniz, bool Nejkratsi, class K>
inline bool TPruzkum<Leibniz, Nejkratsi, K>::Ponory(K kanon)
{
    if (BezTabulek || P.Odchylek < 0 || !RohyNapred)
        return false;
    const std::uint64_t celkem = Uzly.Omez((DvePoradi() ? P.PozicVRohovemPoradi : Uzly.Limit) / 2);
    bool rozhodnuto = false;
    for (int d = 0; d <= P.Odchylek && !rozhodnuto; ++d) {
        Odchylky = TOdchylky{d, 0};
        rozhodnuto = Rychle(M.S0, kanon, M.Start, 0) || Odchylky.Orezano == 0;
    }
    Odchylky = TOdchylky{};
    // Where only the dives' share ran out, the full search goes on from here.
    return !PoPodilu(celkem) && rozhodnuto;
}

}  // namespace KavirelHledani
