// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelHledani.h"

#include <algorithm>
#include <memory>

#include "KavirelPruzkum.h"

namespace KavirelHledani {
namespace {

template <bool Leibniz, bool Nejkratsi, class K>
void ProhledejS(TUlohaReseni& uloha, TRizeniHledani& rizeni, const TPravidla& pravidla)
{
    using TP = TPruzkum<Leibniz, Nejkratsi, K>;
    const std::uint64_t limit = rizeni.LimitPozic;
    std::uint64_t uzly = 0;
    if (pravidla.PozicBezTabulek != 0) {
        const std::uint64_t lehkych =
            limit != 0 ? std::min(limit, pravidla.PozicBezTabulek) : pravidla.PozicBezTabulek;
        const std::unique_ptr<TP> lehke = std::make_unique<TP>(uloha, rizeni, pravidla, true, lehkych, 0);
        if (lehke->Spust())
            return;
        // What it searched, a few positions past its bound as it unwound:
        // the count published goes on from there and never back.
        uzly = lehke->DejUzly();
    }
    if (limit != 0 && uzly >= limit) {
        uloha.Nalezeno = false;
        uloha.Preruseno = true;
        return;
    }
    std::make_unique<TP>(uloha, rizeni, pravidla, false, limit != 0 ? limit - uzly : 0, uzly)->Spust();
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
