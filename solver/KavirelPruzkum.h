// SPDX-License-Identifier: GPL-3.0-or-later
// One search of a job (KavirelHledani.h): its state and the recursions of
// the two modes; the rules as predicates are those of its dead positions
// (KavirelMrtvePozice.h) and of its bound on moves (KavirelMezTahu.h).
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "KavirelHledani.h"
#include "KavirelMezTahu.h"
#include "KavirelMrtvePozice.h"
#include "KavirelPoradiRady.h"
#include "KavirelPozice.h"

namespace KavirelHledani {

// The bound of positions for a share of a search's `celkem` (0: none), when
// the share counts the `predtim` positions of the pass before, too.
inline std::uint64_t LimitPodilu(std::uint64_t celkem, std::uint64_t podil, std::uint64_t predtim)
{
    return std::min(celkem, podil > predtim ? podil - predtim : 1);
}

template <bool Leibniz, bool Nejkratsi, class K>
class TPruzkum {
public:
    // `bezTabulek`: a search without any tables or precomputation, which
    // gives up after `limitUzlu` positions without writing anything; the
    // full search ends as stopped after them. 0: no bound. `uzlyPredtim`:
    // positions searched before, for the published count.
    TPruzkum(TUlohaReseni& uloha, TRizeniHledani& rizeni, const TPravidla& pravidla, bool bezTabulek,
             std::uint64_t limitUzlu, std::uint64_t uzlyPredtim)
        : U(uloha), R(rizeni), P(pravidla), BezTabulek(bezTabulek), Uzly{limitUzlu, uzlyPredtim},
          Mrtve(M, Sym, P, rizeni, Uzly.Vycerpano), Mez(M, Sym, P, Mrtve, Cesty, Hloubka)
    {
        SestavModel(U, Leibniz, M);
        Mrtve.SestavSkupiny();
        Hloubka = M.Start - M.CilPocet;
        if (!Nejkratsi && !P.ObrazPoli.empty()) {
            PoradiObrazu = std::make_unique<TPoradiObrazu>();
            SestavPoradiObrazu(M, P.ObrazPoli, Leibniz ? poVodorovneNapred : poSvisleNapred, *PoradiObrazu);
        }
        MaxDeti = std::max<std::size_t>(M.Skoky.size(), 1);
        Deti.reset(new TDite[MaxDeti * (DelkaCesty + 1)]);
        if (Nejkratsi)
            Vnoucata.reset(new std::uint64_t[MaxDeti * MaxDeti]);
    }

    // Searches and writes the outcome into the job; false, and nothing
    // written, when a search without tables ran out of its positions.
    bool Spust()
    {
        if (!BezTabulek) {
            const std::size_t uspechy = Mrtve.Priprav(Hloubka);
            if (uspechy != 0)
                Mez.VytvorUspechy(uspechy);
        } else {
            Mrtve.PripravParitu();
        }
        if (!Stop()) {
            Sym.Obrazy(M.S0, Obrazy[0]);
            const K kanon = Sym.Kanon(M.S0);
            if (Nejkratsi) {
                Kratce(M.S0, kanon, -1, M.Start, 0, 0, 0, false);
            } else if (Ponory(kanon)) {
                // decided by a dive
            } else if (!DvePoradi()) {
                Rychle(M.S0, kanon, M.Start, 0);
            } else {
                const std::uint64_t celkem = Uzly.Omez(P.PozicVRohovemPoradi);
                Rychle(M.S0, kanon, M.Start, 0);
                if (PoPodilu(celkem)) {
                    RohyNapred = false;
                    Rychle(M.S0, kanon, M.Start, 0);
                }
            }
        } else {
            Preruseno = true;
        }
        Mrtve.Ukonci();
        R.PocetPozic.store(Uzly.Celkem(), std::memory_order_relaxed);
        if (Uzly.Vycerpano && BezTabulek)
            return false;
        U.Preruseno = Preruseno;
        U.Nalezeno = Cesty.Nalezeno;
        if (Cesty.Nalezeno) {
            for (int i = 0; i < DelkaCesty; ++i)
                U.Vysledek[i] = Cesty.Vysledek[i + 1];
        }
        return true;
    }

    std::uint64_t DejUzly() const { return Uzly.Celkem(); }

private:
    struct TDite {
        K Kanon;
        std::uint64_t Otisk;
        std::uint16_t Skok;
        std::int8_t Obraz;  // the symmetry that gives Kanon, -1 none
        std::uint8_t Soud;  // sdZkusit, sdMrtve, sdNeuspech or sdNadMezi
        bool Pokracuje;     // a jump may start on the landing field (when judged)
    };
    // What the parent found out about a child before visiting any.
    static constexpr std::uint8_t sdZkusit = 0;    // to be visited
    static constexpr std::uint8_t sdMrtve = 1;     // dead: records nothing, proves nothing about the parent
    static constexpr std::uint8_t sdNeuspech = 2;  // failed before with no more moves
    static constexpr std::uint8_t sdNadMezi = 3;   // more moves than the bound allows

    TUlohaReseni& U;
    TRizeniHledani& R;
    const TPravidla P;
    TModel<K> M;
    int Hloubka = 0;  // jumps of every solution

    const bool BezTabulek;
    // The positions the search has visited, against its bound.
    struct TUzly {
        std::uint64_t Limit;           // 0: no bound
        const std::uint64_t Predtim;   // visited by the searches before, for the published count
        std::uint64_t Pocet = 0;
        bool Vycerpano = false;        // the bound ran out: the search unwinds as if stopped
        std::uint64_t Celkem() const { return Predtim + Pocet; }
        // Bounds the search to a share of the bound (LimitPodilu); returns
        // the whole bound.
        std::uint64_t Omez(std::uint64_t podil)
        {
            const std::uint64_t celkem = Limit;
            Limit = LimitPodilu(celkem, podil, Predtim);
            return celkem;
        }
    } Uzly;
    bool RohyNapred = P.RohyNapred;  // the order of the jumps now
    std::unique_ptr<TPoradiObrazu> PoradiObrazu;  // P.ObrazPoli's order of the jumps; none: the scan order
    bool Preruseno = false;
    // Odchylek: the discrepancies the dive has left (-1 no bound) and the
    // subtrees it cut for want of them.
    struct TOdchylky {
        int Zbyva = -1;
        std::uint64_t Orezano = 0;
    } Odchylky;
    // Odchylek: the dives before the full search (KavirelPruzkumPonory.h).
    bool Ponory(K kanon);

    TCestyPruzkumu<Nejkratsi> Cesty;

    // Per depth: the images of the position under the symmetries, and the
    // legal jumps with the canonical positions they lead to.
    K Obrazy[DelkaCesty + 1][MaxObrazu];
    std::size_t MaxDeti = 1;
    std::unique_ptr<TDite[]> Deti;
    std::unique_ptr<std::uint64_t[]> Vnoucata;  // room for PosudVnoucata (shortest mode)

    TSymetrie<K> Sym;
    TMrtvePozice<Leibniz, Nejkratsi, K> Mrtve;
    TMezTahu<Leibniz, Nejkratsi, K> Mez;  // the shortest mode's

    // After a search within a share of the bound `celkem` (TUzly::Omez):
    // the whole bound again; true, with the search set to go on from where
    // it was, when only the share ran out.
    bool PoPodilu(std::uint64_t celkem)
    {
        const bool jenPodil = Uzly.Vycerpano && !R.Zastavit.load(std::memory_order_relaxed) && Uzly.Pocet < celkem;
        Uzly.Limit = celkem;
        if (jenPodil)
            Uzly.Vycerpano = Preruseno = false;
        return jenPodil;
    }

    // PozicVRohovemPoradi: the corner order first, then the scan order.
    bool DvePoradi() const { return !BezTabulek && P.RohyNapred && P.PozicVRohovemPoradi != 0 && Uzly.Limit != 0; }

    // A search unwinds as if stopped once it has run out of positions.
    bool Stop() const { return Uzly.Vycerpano || R.Zastavit.load(std::memory_order_relaxed); }

    void Zverejni()
    {
        if (++Uzly.Pocet > Uzly.Limit && Uzly.Limit != 0)
            Uzly.Vycerpano = true;
        if ((Uzly.Pocet & 4095) == 0) {
            R.PocetPozic.store(Uzly.Celkem(), std::memory_order_relaxed);
            // Add a level while the levels have cost less than the search.
            Mrtve.DejUrovne().PostavPodlePrace(Uzly.Pocet, Nejkratsi ? PodilStavebNejkratsi : PodilStavebNejrychlejsi);
        }
    }

    // ----

    // The legal jumps from s in the order of the scan, with the canonical
    // positions they lead to, whose table entries are fetched meanwhile.
    // Returns their number. Shortest mode, `tahy` the moves so far: a child
    // over the bound, now or after its next jump whatever it is, gets
    // neither its position nor a fetch, since the bound only falls while
    // its elder siblings are searched; in the later phases of a search that
    // is most children, whose fetches would only crowd out those of the
    // rest.
    int RozvinDeti(K s, int h, int poradi, int citacDite, TDite* deti, int tahy = 0);
    int RozvinDetiObrazu(K s, int h, int citacDite, TDite* deti);
    // A child to be visited, its table line fetched where `predtahnout`
    // (not at a goal's counter, which the child tests itself).
    void KeZkouseni(TDite& d, K kanon, int k, int obraz, bool predtahnout, int citacDite)
    {
        const std::uint64_t otisk = Otisk(kanon);
        if (predtahnout)
            Mrtve.Predtahni(kanon, otisk, citacDite);
        d.Kanon = kanon;
        d.Otisk = otisk;
        d.Skok = static_cast<std::uint16_t>(k);
        d.Obraz = static_cast<std::int8_t>(obraz);
        d.Soud = sdZkusit;
    }

    // Shortest mode: judges all children at once, right after generating
    // them, while their lines arrive together; asked one by one after the
    // elder siblings' subtrees, each line would be a cache miss of its own.
    // Then fetches and asks the lines of failed visits of the children left.
    // A child that passes asks its line again on entry, where what its elder
    // siblings' subtrees stored meanwhile may cut it. A goal position is
    // tested by the child itself.
    void PosudDeti(K s, int h, int tahy, int citacDite, TDite* deti, int n);

    // Vnoucata, shortest mode: a child one jump above the levels reaches a
    // goal only through a child of its own on the top level. All the
    // children are asked together, so that the fetches of their children's
    // filter blocks overlap, where a visit each would overlap those of one
    // child only. That pays where the top level's filter no longer fits in
    // the caches and nearly all such children are dead; the fastest mode,
    // which stops at the first live grandchild of its first live child, is
    // slower with it. Goal positions among the grandchildren are left to
    // their own visits.
    void PosudVnoucata(K s, int h, int citacDite, TDite* deti, int n);

    // A goal position is tested by the child itself.
    bool JeDiteMrtve(const TDite& d, int citacDite) const
    {
        return citacDite != M.CilPocet && Mrtve.JeMrtva(d.Kanon, d.Otisk, citacDite);
    }

    int KonecCesty(K s, int citac) const { return KavirelHledani::KonecCesty(M, s, citac); }

    // Fastest mode: true once the search is to unwind (found or stopped).
    bool Rychle(K s, K kanon, int citac, int h)
    {
        Zverejni();
        if (Stop()) {
            Preruseno = true;
            return true;
        }
        const int konec = KonecCesty(s, citac);
        if (konec >= 0) {
            if (konec == 1)
                Cesty.Zaznamenej();
            return konec == 1;
        }
        if (h == 0 && Mrtve.JeMrtva(kanon, Otisk(kanon), citac))
            return false;  // the parent tests its children itself
        if (Mrtve.Uviznuta(s, citac)) {
            Mrtve.UlozMrtvou(kanon, citac);  // spares the test on the next visit
            return false;
        }
        constexpr int poradi = Leibniz ? poVodorovneNapred : poSvisleNapred;
        TDite* deti = Deti.get() + static_cast<std::size_t>(h) * MaxDeti;
        const int n = RozvinDeti(s, h, poradi, citac - 1, deti);
        if (RohyNapred)
            SeradPodleRohu<Leibniz>(M, Mrtve.DejSkupiny(), s, deti, n);
        const std::uint64_t orezanoPred = Odchylky.Orezano;
        int zkousenych = 0;
        for (int i = 0; i < n; ++i) {
            if (JeDiteMrtve(deti[i], citac - 1))
                continue;
            const int odchylka = zkousenych++ != 0 && Odchylky.Zbyva >= 0 ? 1 : 0;
            if (odchylka != 0 && Odchylky.Zbyva == 0) {
                ++Odchylky.Orezano;
                break;
            }
            const int k = deti[i].Skok;
            const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
            Cesty.Cesta[h + 1] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
            Sym.ObrazyPoSkoku(Obrazy[h], k, Obrazy[h + 1]);
            Odchylky.Zbyva -= odchylka;
            const bool konec = Rychle(s ^ skok.Maska, deti[i].Kanon, citac - 1, h + 1);
            Odchylky.Zbyva += odchylka;
            Cesty.Cesta[h + 1] = TSkokCesty{};
            if (konec)
                return true;
        }
        // A subtree a dive cut may hold a solution.
        if (Odchylky.Orezano == orezanoPred)
            Mrtve.UlozMrtvou(kanon, citac);
        return false;
    }

    // Shortest mode results of one call.
    static constexpr int vZaznam = 1;  // recorded a solution
    static constexpr int vCisty = 2;   // no goal position and no cut below: the position is dead

    int Kratce(K s, K kanon, int obraz, int citac, int h, int tahy, int kamIndex, bool svisle)
    {
        Zverejni();
        if (Stop()) {
            Preruseno = true;
            return 0;
        }
        if (h != 0 && Mez.NadMezi(h - 1, tahy))
            return 0;
        const int konec = KonecCesty(s, citac);
        if (konec >= 0) {
            if (konec == 0)
                return vCisty;
            Cesty.Zaznamenej();
            return vZaznam;
        }
        if (h == 0 ? Mrtve.JeMrtva(kanon, Otisk(kanon), citac) : Mrtve.MrtvaPodleTabulky(kanon, citac))
            return vCisty;
        if (Mrtve.Uviznuta(s, citac)) {
            Mrtve.UlozMrtvou(kanon, citac);
            return vCisty;
        }
        const bool pokracuje = h != 0 && MuzeSkocit(M, s, kamIndex);
        const auto klic = Mez.KlicNavstevy(s, kanon, kamIndex, obraz, pokracuje);
        if (h != 0 && (Mez.NeuspelaDriv(klic, tahy) || Mez.NeuspelaBezPokracovani(klic, tahy)))
            return 0;
        if (Hloubka >= 1 && Hloubka <= DelkaCesty && Mez.PrekrocenaMezTahu(s, h, kamIndex, tahy))
            return 0;
        if (Mez.MaUspechy() && Mez.ZnovuUspech(s, Mez.KlicUspechu(h, kamIndex, pokracuje, svisle), h, tahy))
            return vZaznam;
        // The normal game turns to left and right first after a vertical jump.
        const int poradi = Leibniz || svisle ? poVodorovneNapred : poSvisleNapred;
        TDite* deti = Deti.get() + static_cast<std::size_t>(h) * MaxDeti;
        const int n = RozvinDeti(s, h, poradi, citac - 1, deti, tahy);
        PosudDeti(s, h, tahy, citac - 1, deti, n);
        bool zaznam = false;
        bool cisty = true;
        for (int i = 0; i < n; ++i) {
            if (deti[i].Soud == sdMrtve)
                continue;
            if (deti[i].Soud == sdNeuspech || deti[i].Soud == sdNadMezi) {
                cisty = false;  // as the child's own look-up or the bound would have answered
                continue;
            }
            const int k = deti[i].Skok;
            const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
            const int noveTahy = Mez.NoveTahy(h, tahy, skok);
            if (Mez.NadMezi(h, noveTahy)) {
                // The bound would send the child back at once: spare the call.
                cisty = false;
                continue;
            }
            Cesty.Cesta[h + 1] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
            Cesty.Tahy[h + 1] = static_cast<std::uint8_t>(noveTahy);
            Cesty.CestaSkoky[h + 1] = static_cast<std::uint16_t>(k);
            Sym.ObrazyPoSkoku(Obrazy[h], k, Obrazy[h + 1]);
            const int r = Kratce(s ^ skok.Maska, deti[i].Kanon, deti[i].Obraz, citac - 1, h + 1, noveTahy,
                                 skok.IndexKam, skok.Svisly);
            Cesty.Tahy[h + 1] = 0;
            Cesty.Cesta[h + 1] = TSkokCesty{};
            zaznam = zaznam || (r & vZaznam) != 0;
            cisty = cisty && (r & vCisty) != 0;
        }
        if (Preruseno)
            return zaznam ? vZaznam : 0;
        if (zaznam) {
            Mez.ZapamatujUspech(s, Mez.KlicUspechu(h, kamIndex, pokracuje, svisle), h);
            return vZaznam;
        }
        if (cisty) {
            Mrtve.UlozMrtvou(kanon, citac);
            return vCisty;
        }
        if (P.Neuspechy && Mrtve.MaTabulku() && h != 0) {
            Mrtve.DejTabulku().UlozNeuspech(klic.Pozice, klic.Kam, tahy, citac - M.CilPocet);
            if (P.NeuspechyNapricPokracovanim && klic.Kam != 0)
                Mrtve.DejTabulku().UlozNeuspech(klic.Pozice, std::uint8_t(0), tahy, citac - M.CilPocet);
            Mrtve.PoUlozeni();
        }
        return 0;
    }
};

}  // namespace KavirelHledani

#include "KavirelPruzkumDeti.h"
#include "KavirelPruzkumPonory.h"
