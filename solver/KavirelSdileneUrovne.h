// SPDX-License-Identifier: GPL-3.0-or-later
// The backward levels kept from one attempt of a hint to the next: the
// attempts search the same position under the board's turns and mirrorings,
// and each one building its levels anew cost as much as the search itself.
//
// The levels hold canonical positions, so they hold for every image of the
// start under the symmetries that pick the canonical form: such an image
// reaches a goal exactly when the start does, and its parity class is the
// image of the start's class, whose goals are the images of the start's
// goals. A search may take the kept levels over when the board's signature
// is the same (fields, rectangle, goal pattern, game type, symmetries), the
// goal's counter is, the levels go as deep as its solutions, and some image
// of its start lies in the parity class the levels were built for. The
// thread building them goes on from one attempt to the next and ends with
// the owner.
#pragma once

#include <atomic>
#include <memory>

#include "KavirelPozice.h"
#include "KavirelSdileneMrtve.h"
#include "KavirelUrovne.h"

namespace KavirelHledani {

class TSdileneUrovne {
public:
    // The levels for a search of the fastest mode: the kept ones where they
    // hold for it, else new ones, begun (`arena` bytes) and going on on a
    // thread of their own where `naPozadi`, which replace the kept ones.
    // New ones take over the goals the search listed in its own `vlastni`.
    template <class K>
    TUrovne<K>& Pro(TUrovne<K>& vlastni, const TModel<K>& m, bool leibniz, const TSymetrie<K>& sym, int hloubka,
                    std::size_t arena, bool naPozadi)
    {
        TPodpisDesky podpis = PodpisDesky(m, leibniz, sym);
        if (auto* k = dynamic_cast<TObsahK<K>*>(Obsah.get());
            k != nullptr && k->Plati(m, sym, podpis, hloubka)) {
            ++Prevzato;
            ZJineTridy += KavirelHledani::Parita(m, m.S0) != k->Parita;
            return k->Urovne;
        }
        Obsah.reset();  // the memory of the old levels first
        auto novy = std::make_unique<TObsahK<K>>(m, sym, std::move(podpis), hloubka);
        TUrovne<K>& u = novy->Urovne;
        Obsah = std::move(novy);
        u.PrevezmiCile(vlastni);
        u.Zacni(arena, hloubka);
        if (naPozadi)
            u.StavejNaPozadi();
        return u;
    }

    // Stops the thread building levels and passes on what it threw.
    void Dokonci()
    {
        if (Obsah)
            Obsah->Dokonci();
    }

    // For the tests: searches that took the kept levels over, and those of
    // them whose start lay in another parity class than the levels' one.
    int Prevzato = 0;
    int ZJineTridy = 0;

private:
    struct TObsah {
        virtual ~TObsah() = default;
        virtual void Dokonci() = 0;
    };

    template <class K>
    struct TObsahK final : TObsah {
        TObsahK(const TModel<K>& m, const TSymetrie<K>& sym, TPodpisDesky podpis, int hloubka)
            : M(m), Sym(sym), Podpis(std::move(podpis)), Parita(KavirelHledani::Parita(M, M.S0)),
              Hloubka(hloubka), Urovne(M, Sym, Zastavit)
        {
        }

        bool Plati(const TModel<K>& m, const TSymetrie<K>& sym, const TPodpisDesky& podpis, int hloubka) const
        {
            if (hloubka > Hloubka || m.CilPocet != M.CilPocet || podpis != Podpis)
                return false;
            if (KavirelHledani::Parita(m, m.S0) == Parita)
                return true;
            K obrazy[MaxObrazu];
            sym.Obrazy(m.S0, obrazy);
            for (int g = 0; g < sym.Pocet; ++g)
                if (KavirelHledani::Parita(m, obrazy[g]) == Parita)
                    return true;
            return false;
        }

        void Dokonci() override
        {
            Urovne.Ukonci();
            Urovne.PredejChybu();
        }

        const TModel<K> M;
        const TSymetrie<K> Sym;
        const TPodpisDesky Podpis;
        const int Parita;
        const int Hloubka;
        // The levels outlive the searches and their control blocks: only
        // the owner (Dokonci, or the end) stops them, never a search's
        // stop request, which comes from a block that may be gone by then.
        const std::atomic<bool> Zastavit{false};
        TUrovne<K> Urovne;
    };

    std::unique_ptr<TObsah> Obsah;
};

}  // namespace KavirelHledani
