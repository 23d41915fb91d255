// SPDX-License-Identifier: GPL-3.0-or-later
// One search of a prepared board under a chosen set of pruning rules: what
// the tests that switch rules on and off compare.
#pragma once

#include <cstddef>
#include <cstdint>

#include "KavirelHledani.h"

namespace TestReseni {

struct TBeh {
    TReseni Reseni;
    std::uint64_t Pozic = 0;
};

inline TBeh VyresPravidly(const TSolveDeska& deska, std::uint8_t zpusob, const KavirelHledani::TPravidla& pravidla,
                          std::size_t pamet, KavirelHledani::TSdileneMrtve* sdilene = nullptr,
                          KavirelHledani::TSdileneUrovne* urovne = nullptr)
{
    TUlohaReseni uloha;
    PripravUlohu(uloha, deska);
    uloha.Zpusob = zpusob;
    TRizeniHledani rizeni;
    rizeni.LimitPameti = pamet;
    rizeni.SdileneMrtve = sdilene;
    rizeni.SdileneUrovne = urovne;
    KavirelHledani::Prohledej(uloha, rizeni, deska.Zaznam.TypHry != thNormalni, zpusob == zhNejkratsi, pravidla);
    return TBeh{DejReseni(uloha), rizeni.PocetPozic.load()};
}

}  // namespace TestReseni
