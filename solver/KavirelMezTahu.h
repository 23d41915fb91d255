// SPDX-License-Identifier: GPL-3.0-or-later
// The path of one search (KavirelPruzkum.h) and the shortest mode's bound
// on moves: the rules that cut a visit by the moves of the solution
// recorded last, a predicate each, and the subtrees that recorded one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "KavirelHledani.h"
#include "KavirelMrtvePozice.h"
#include "KavirelPozice.h"
#include "KavirelUspechy.h"

namespace KavirelHledani {

// The path searched now and the solution recorded last: its jumps (entries
// 1..81 as in the rules; entry 0 unused) and, for the shortest mode, the
// same as jump indices, for the table of recorded subtrees, and the moves
// made after each jump, whose recorded values bound the search.
template <bool Nejkratsi>
struct TCestyPruzkumu {
    TSkokCesty Cesta[DelkaCesty + 1];
    TSkokCesty Vysledek[DelkaCesty + 1];
    std::uint16_t CestaSkoky[DelkaCesty + 1] = {};
    std::uint16_t VysledekSkoky[DelkaCesty + 1] = {};
    std::uint8_t Tahy[DelkaCesty + 1];
    std::uint8_t Nejlepsi[DelkaCesty + 1];
    std::uint64_t Zaznamu = 0;  // solutions recorded
    bool Nalezeno = false;

    TCestyPruzkumu()
    {
        for (int i = 0; i <= DelkaCesty; ++i) {
            Tahy[i] = 0;
            Nejlepsi[i] = static_cast<std::uint8_t>(i);  // i jumps make at most i moves
        }
    }

    // The path now becomes the solution recorded last.
    void Zaznamenej()
    {
        Nalezeno = true;
        ++Zaznamu;
        for (int i = 1; i <= DelkaCesty; ++i)
            Vysledek[i] = Cesta[i];
        if (Nejkratsi) {
            for (int i = 1; i <= DelkaCesty; ++i) {
                Nejlepsi[i] = Tahy[i];
                VysledekSkoky[i] = CestaSkoky[i];
            }
        }
    }
};

template <bool Leibniz, bool Nejkratsi, class K>
class TMezTahu {
public:
    // `hloubka`: the jumps of every solution, known once the model is built.
    TMezTahu(const TModel<K>& m, const TSymetrie<K>& sym, const TPravidla& p,
             const TMrtvePozice<Leibniz, Nejkratsi, K>& mrtve, TCestyPruzkumu<Nejkratsi>& cesty, const int& hloubka)
        : M(m), Sym(sym), P(p), Mrtve(mrtve), Cesty(cesty), Hloubka(hloubka)
    {
    }

    // The key of a visit in the table of failed visits. The direction order
    // (the last jump's direction) stays out of it: whether a subtree records
    // anything does not depend on the order its jumps are tried in. It
    // records exactly when some path below meets the bound vector as it was
    // on entry, since only a recording lowers that vector; and a path's move
    // counts follow from the position, the landing field and the count so
    // far. The landing field matters only through a jump that starts there:
    // with none (PokracovaniJenSeSkokem) every first jump below begins a
    // move, as at the start. A symmetry maps paths to paths with the same
    // move counts, so the canonical position with the image of the landing
    // field stands for the whole class (NeuspechySymetricky).
    struct TKlicNavstevy {
        K Pozice;
        std::uint8_t Kam;  // field index + 1; 0: no move to continue
    };

    // `pokracuje`: a jump may start on the landing field (MuzeSkocit).
    TKlicNavstevy KlicNavstevy(K s, K kanon, int kamIndex, int obraz, bool pokracuje) const
    {
        if (P.PokracovaniJenSeSkokem && !pokracuje)
            return TKlicNavstevy{P.NeuspechySymetricky ? kanon : s, 0};
        if (P.NeuspechySymetricky)
            return TKlicNavstevy{kanon, static_cast<std::uint8_t>(Sym.ObrazPole(obraz, kamIndex) + 1)};
        return TKlicNavstevy{s, static_cast<std::uint8_t>(kamIndex + 1)};
    }

    // Neuspechy: the same position and landing field failed before with no
    // more moves than now.
    bool NeuspelaDriv(const TKlicNavstevy& klic, int tahy) const
    {
        if (!P.Neuspechy || !Mrtve.MaTabulku())
            return false;
        const int neuspech = Mrtve.DejTabulku().NeuspesnyTah(klic.Pozice, klic.Kam);
        return neuspech >= 0 && neuspech <= tahy;
    }

    // NeuspechyNapricPokracovanim: a move to continue only lowers the move
    // counts of the paths below, by one at most (their first jump, when it
    // starts on the landing field). So a failure with a move to continue is
    // one without it too, and one without it at m moves is one with it at
    // m + 1 moves; both are kept under the key without a landing field.
    bool NeuspelaBezPokracovani(const TKlicNavstevy& klic, int tahy) const
    {
        return P.NeuspechyNapricPokracovanim && klic.Kam != 0
               && NeuspelaDriv(TKlicNavstevy{klic.Pozice, 0}, tahy - 1);
    }

    // MezTahu: the moves so far plus those the corners still need exceed
    // what the recorded solution allows at its last jump.
    bool PrekrocenaMezTahu(K s, int h, int kamIndex, int tahy) const
    {
        return P.MezTahu && tahy + DolniMezTahu<Leibniz>(M, s, h, kamIndex) > Cesty.Nejlepsi[Hloubka];
    }

    // The moves of the path after `skok` from the position after jump h: a
    // jump from where the last one landed continues its move.
    int NoveTahy(int h, int tahy, const TSkok<K>& skok) const
    {
        return h == 0 ? 1 : tahy + (skok.CisloOdkud == Cesty.Cesta[h].CisloKam ? 0 : 1);
    }

    // The bound: after jump h + 1 a path may have made no more moves than
    // the recorded solution had there.
    bool NadMezi(int h, int noveTahy) const { return noveTahy > Cesty.Nejlepsi[h + 1]; }

    // MezPoSkoku: the bound over the next jumps. Where one more move would be
    // over the bound after each of the child's next d jumps, those jumps
    // must all continue its move; a child from which no such chain can
    // follow records nothing. A chain is asked for three jumps at most, so
    // that the test stays a few dozen bit operations; a longer one must
    // begin with those three anyway. Not for a child at a goal's counter,
    // which jumps no more.
    bool BezTahuVMezi(K dite, int h, int tahyDite, int citacDite, int kamIndex) const
    {
        if (!P.MezPoSkoku || citacDite <= M.CilPocet)
            return false;
        constexpr int maxRetez = 3;
        const int zbyva = Hloubka - (h + 1);
        int d = 0;
        while (d < zbyva && d < maxRetez && NadMezi(h + 1 + d, tahyDite + 1))
            ++d;
        return d > 0 && !MuzePokracovat(M, dite, kamIndex, d);
    }

    // Uspechy: the key of a subtree besides its position.
    std::uint32_t KlicUspechu(int h, int kamIndex, bool pokracuje, bool svisle) const
    {
        if (h == 0)
            return 0;
        return (pokracuje ? static_cast<std::uint32_t>(kamIndex + 1) : 0)
               | (!Leibniz && svisle ? 0x100u : 0u);
    }

    // Uspechy: the subtree recorded σ last and the bound below is exactly
    // σ's move counts; records σ again.
    // Looking up recorded subtrees pays only where many solutions are
    // recorded, one after another with the same move counts.
    bool MaUspechy() const { return P.Uspechy && Uspechy && Cesty.Zaznamu > P.ZaznamuPredUspechy; }

    bool ZnovuUspech(K s, std::uint32_t klic, int h, int tahy)
    {
        const int delka = Hloubka - h;
        if (h == 0 || delka <= 0 || delka > MaxDelkaUspechu)
            return false;
        const std::uint16_t* sigma = Uspechy.Najdi(s, klic, delka);
        if (sigma == nullptr)
            return false;
        int t = tahy;
        std::uint8_t odkud = Cesty.Cesta[h].CisloKam;
        for (int i = 0; i < delka; ++i) {
            const TSkok<K>& skok = M.Skoky[sigma[i]];
            t += skok.CisloOdkud == odkud ? 0 : 1;
            if (t != Cesty.Nejlepsi[h + 1 + i])
                return false;
            odkud = skok.CisloKam;
        }
        for (int i = 0; i < delka; ++i) {
            const TSkok<K>& skok = M.Skoky[sigma[i]];
            Cesty.Cesta[h + 1 + i] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
            Cesty.CestaSkoky[h + 1 + i] = sigma[i];
            Cesty.Tahy[h + 1 + i] = Cesty.Nejlepsi[h + 1 + i];
        }
        Cesty.Zaznamenej();
        for (int i = 0; i < delka; ++i) {
            Cesty.Cesta[h + 1 + i] = TSkokCesty{};
            Cesty.Tahy[h + 1 + i] = 0;
        }
        return true;
    }

    void ZapamatujUspech(K s, std::uint32_t klic, int h)
    {
        const int delka = Hloubka - h;
        if (P.Uspechy && Uspechy && h != 0 && delka > 0 && delka <= MaxDelkaUspechu)
            Uspechy.Uloz(s, klic, Cesty.VysledekSkoky + h + 1, delka);
    }


    // Uspechy: a table of `bajtu` bytes; without it the search only does
    // more work.
    void VytvorUspechy(std::size_t bajtu) { Uspechy.Vytvor(bajtu); }

    // Uspechy: fetches the line that ZnovuUspech of the child after jump
    // h + 1 will ask.
    void PredtahniUspech(K dite, std::uint32_t klic, int h) const
    {
        Uspechy.Predtahni(dite, klic, Hloubka - h - 1);
    }

private:
    const TModel<K>& M;
    const TSymetrie<K>& Sym;
    const TPravidla& P;
    const TMrtvePozice<Leibniz, Nejkratsi, K>& Mrtve;
    TCestyPruzkumu<Nejkratsi>& Cesty;
    const int& Hloubka;
    TUspechy Uspechy;
};

}  // namespace KavirelHledani
