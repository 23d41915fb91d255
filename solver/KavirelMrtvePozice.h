// SPDX-License-Identifier: GPL-3.0-or-later
// What one search (KavirelPruzkum.h) knows of the positions from which no
// goal can be reached, and the rules that cut by it, a predicate each: the
// levels computed backwards from the goals, the table of finished subtrees
// that met no goal (in the shortest mode it keeps the failed visits too),
// and the stones that stay for good.
#pragma once

#include <cstddef>
#include <cstdint>
#include <thread>

#include "KavirelHledani.h"
#include "KavirelPozice.h"
#include "KavirelSdileneMrtve.h"
#include "KavirelSdileneUrovne.h"
#include "KavirelTabulky.h"
#include "KavirelUrovne.h"
#include "KavirelUviznute.h"

namespace KavirelHledani {

template <bool Leibniz, bool Nejkratsi, class K>
class TMrtvePozice {
public:
    // The model and the symmetries are filled in later by the search that
    // owns them. `vycerpano`: the search has run out of its positions,
    // which cuts a growth of the table short as a stop request does.
    TMrtvePozice(const TModel<K>& m, TSymetrie<K>& sym, const TPravidla& p, TRizeniHledani& r,
                 const bool& vycerpano)
        : M(m), Sym(sym), P(p), R(r), Vycerpano(vycerpano), VlastniUrovne(m, sym, r.Zastavit)
    {
    }
    ~TMrtvePozice() { Vypujcka.Vrat(Tabulka); }
    TMrtvePozice(const TMrtvePozice&) = delete;
    TMrtvePozice& operator=(const TMrtvePozice&) = delete;

    // Once the model is built: the jumps grouped, where UviznuteKameny or
    // the corner order (KavirelPoradiRady.h) asks for them.
    void SestavSkupiny()
    {
        if ((!Leibniz && P.UviznuteKameny) || (!Nejkratsi && P.RohyNapred))
            SestavZpetneSkoky(M, Skupiny);
    }

    // A search without tables: the parity classes alone, which cost next to
    // nothing and decide many positions without a single jump (most of
    // those in play).
    void PripravParitu() { ZadnyCil = P.Parita && Urovne->VyctiCile(Leibniz) && Urovne->VyradCileJineParity(M.S0); }

    // The full search: the symmetries, the table and the levels of a search
    // whose solutions have `hloubka` jumps. Returns the bytes left for the
    // shortest mode's recorded subtrees (0: none).
    std::size_t Priprav(int hloubka)
    {
        const bool uplnyVycet = (P.Parita || P.Urovne) && Urovne->VyctiCile(Leibniz);
        if (uplnyVycet) {
            if (P.Parita ? Urovne->VyradCileJineParity(M.S0) : P.Urovne && Urovne->ZadnyCil()) {
                ZadnyCil = true;
                return 0;
            }
            if (P.Symetrie)
                NajdiSymetrie(M, Sym);
        }
        const bool sUrovnemi = uplnyVycet && P.Urovne;

        const TRozdeleniPameti pamet = RozdelPamet(R.LimitPameti != 0 ? R.LimitPameti : VychoziLimitPameti(), M.N,
                                                   Nejkratsi, Nejkratsi && P.Uspechy, sUrovnemi);
        const bool tabulkaTreba = P.MrtveTabulka || (Nejkratsi && P.Neuspechy);
        // SdileneMrtve: the fastest mode's table, which holds only dead
        // positions, is kept between the searches of one owner.
        const bool sdilet = !Nejkratsi && P.SdileneMrtve && P.MrtveTabulka && R.SdileneMrtve != nullptr;
        if (tabulkaTreba && sdilet)
            STabulkou = Vypujcka.Ziskej(R.SdileneMrtve, M, Leibniz, Sym, pamet.Tabulka, Tabulka);
        else
            STabulkou = tabulkaTreba && Tabulka.Vytvor(pamet.Tabulka);
        if (!sUrovnemi)
            return pamet.Uspechy;
        const bool naPozadi = P.DruheVlakno && std::thread::hardware_concurrency() > 1;
        // The fastest mode's levels only cut, so kept ones may come with
        // more levels built than this search would have built by now.
        if (!Nejkratsi && R.SdileneUrovne != nullptr) {
            Urovne = &R.SdileneUrovne->Pro(VlastniUrovne, M, Leibniz, Sym, hloubka, pamet.Arena, naPozadi);
            return pamet.Uspechy;
        }
        Urovne->Zacni(pamet.Arena, hloubka);
        if (naPozadi)
            Urovne->StavejNaPozadi();
        return pamet.Uspechy;
    }

    // At the end of the search: the own levels' thread stops, and what it
    // threw is passed on.
    void Ukonci()
    {
        VlastniUrovne.Ukonci();
        VlastniUrovne.PredejChybu();
    }

    TUrovne<K>& DejUrovne() const { return *Urovne; }
    TTabulka& DejTabulku() { return Tabulka; }
    const TTabulka& DejTabulku() const { return Tabulka; }
    bool MaTabulku() const { return STabulkou; }
    const TZpetneSkoky<K>& DejSkupiny() const { return Skupiny; }

    bool NadUrovnemi(int citac) const { return static_cast<std::size_t>(citac - M.CilPocet) >= Urovne->Pocet(); }

    // Urovne (and the counter, which only falls): the position cannot reach
    // a goal according to the levels computed backwards.
    bool MrtvaPodleUrovni(std::uint64_t otisk, int citac) const
    {
        if (citac < M.CilPocet || ZadnyCil)
            return true;
        const std::size_t j = static_cast<std::size_t>(citac - M.CilPocet);
        return j < Urovne->Pocet() && !Urovne->MoznaZiva(j, otisk);
    }

    // UviznuteKameny, normal game: stones that stay for good rule out the
    // goal. Only two jumps or more above the levels: a position right above
    // them is cut as cheaply by its children's look at the top level, and
    // below them the levels are exact.
    bool Uviznuta(K s, int citac) const
    {
        return !Leibniz && P.UviznuteKameny && citac - M.CilPocet >= static_cast<int>(Urovne->Pocet()) + 2
               && MaUviznuteKameny(M, Skupiny, s, M.Vzor);
    }

    // MrtveTabulka: a finished subtree below the position met no goal.
    bool MrtvaPodleTabulky(K kanon, int citac) const
    {
        return P.MrtveTabulka && STabulkou && NadUrovnemi(citac) && Tabulka.JeMrtva(kanon);
    }

    bool JeMrtva(K kanon, std::uint64_t otisk, int citac) const
    {
        return MrtvaPodleUrovni(otisk, citac) || MrtvaPodleTabulky(kanon, citac);
    }

    // Fetches the line that JeMrtva will ask.
    void Predtahni(K kanon, std::uint64_t otisk, int citac) const
    {
        const std::size_t j = static_cast<std::size_t>(citac - M.CilPocet);
        if (j < Urovne->Pocet())
            Urovne->Predtahni(j, otisk);
        else if (STabulkou)
            Tabulka.Predtahni(kanon);
    }

    void UlozMrtvou(K kanon, int citac)
    {
        if (P.MrtveTabulka && STabulkou && NadUrovnemi(citac)) {
            Tabulka.UlozMrtvou(kanon, citac - M.CilPocet);
            PoUlozeni();
        }
    }

    // The table grows as soon as it fills up.
    void PoUlozeni()
    {
        if (Tabulka.MaRust())
            Tabulka.Rust([this] { return Vycerpano || R.Zastavit.load(std::memory_order_relaxed); });
    }

private:
    const TModel<K>& M;
    TSymetrie<K>& Sym;
    const TPravidla& P;
    TRizeniHledani& R;
    const bool& Vycerpano;
    TTabulka Tabulka;
    bool STabulkou = false;
    // SdileneMrtve: the table goes back to the owner's searches at the end.
    TVypujckaMrtvych Vypujcka;
    TUrovne<K> VlastniUrovne;
    // R.SdileneUrovne: the kept ones, which go on being built after the search.
    TUrovne<K>* Urovne = &VlastniUrovne;
    TZpetneSkoky<K> Skupiny;  // the jumps grouped, for UviznuteKameny and the corner order
    bool ZadnyCil = false;    // no goal position reachable from the start exists
};

}  // namespace KavirelHledani
