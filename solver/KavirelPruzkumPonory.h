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
    const std::uint64_t celkem = Uzly.Limit;
    const std::uint64_t podil = (DvePoradi() ? P.PozicVRohovemPoradi : celkem) / 2;
    if (celkem != 0)
        Uzly.Limit = LimitPodilu(celkem, podil, Uzly.Predtim);
    bool rozhodnuto = false;
    for (int d = 0; d <= P.Odchylek && !rozhodnuto; ++d) {
        Odchylky = TOdchylky{d, 0};
        rozhodnuto = Rychle(M.S0, kanon, M.Start, 0) || Odchylky.Orezano == 0;
    }
    Odchylky = TOdchylky{};
    const bool jenPodil = Uzly.Vycerpano && !R.Zastavit.load(std::memory_order_relaxed) && Uzly.Pocet < celkem;
    Uzly.Limit = celkem;
    if (!jenPodil)
        return rozhodnuto;
    // Only the dives' share ran out: the full search goes on from here.
    Uzly.Vycerpano = Preruseno = false;
    return false;
}

}  // namespace KavirelHledani
