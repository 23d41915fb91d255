// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelHledani.h"

#include <memory>

#include "KavirelPruzkum.h"

namespace KavirelHledani {
namespace {

template <bool Leibniz, bool Nejkratsi, class K>
void ProhledejS(TUlohaReseni& uloha, TRizeniHledani& rizeni, const TPravidla& pravidla)
{
    std::uint64_t uzly = 0;
    if (pravidla.PozicBezTabulek != 0) {
        const auto lehce = std::make_unique<TPruzkum<Leibniz, Nejkratsi, K>>(uloha, rizeni, pravidla,
                                                                            pravidla.PozicBezTabulek, 0);
        if (lehce->Spust())
            return;
        uzly = lehce->DejUzly();
    }
    std::make_unique<TPruzkum<Leibniz, Nejkratsi, K>>(uloha, rizeni, pravidla, 0, uzly)->Spust();
}

template <class K>
void ProhledejS(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, bool nejkratsi,
                const TPravidla& pravidla)
{
    if (leibniz) {
        if (nejkratsi)
            ProhledejS<true, true, K>(uloha, rizeni, pravidla);
        else
            ProhledejS<true, false, K>(uloha, rizeni, pravidla);
    } else {
        if (nejkratsi)
            ProhledejS<false, true, K>(uloha, rizeni, pravidla);
        else
            ProhledejS<false, false, K>(uloha, rizeni, pravidla);
    }
}

}  // namespace

void Prohledej(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, bool nejkratsi, const TPravidla& pravidla)
{
    int poli = 0;
    for (const auto& sloupec : uloha.PoleHledani)
        for (const TPole& p : sloupec)
            poli += JePole(p) ? 1 : 0;
    if (poli <= 64)
        ProhledejS<std::uint64_t>(uloha, rizeni, leibniz, nejkratsi, pravidla);
    else
        ProhledejS<TBity128>(uloha, rizeni, leibniz, nejkratsi, pravidla);
}

}  // namespace KavirelHledani
