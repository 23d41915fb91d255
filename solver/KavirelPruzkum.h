// SPDX-License-Identifier: GPL-3.0-or-later
// One search of a job (KavirelHledani.h): its state, the rules as
// predicates, and the recursions of the two modes.
#pragma once

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

#include "KavirelHledani.h"
#include "KavirelPoradiRady.h"
#include "KavirelPozice.h"
#include "KavirelSdileneMrtve.h"
#include "KavirelSdileneUrovne.h"
#include "KavirelTabulky.h"
#include "KavirelUrovne.h"
#include "KavirelUspechy.h"
#include "KavirelUviznute.h"

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
        : U(uloha), R(rizeni), P(pravidla), BezTabulek(bezTabulek), LimitUzlu(limitUzlu), UzlyPredtim(uzlyPredtim),
          VlastniUrovne(M, Sym, rizeni.Zastavit)
    {
        SestavModel(U, Leibniz, M);
        if ((!Leibniz && P.UviznuteKameny) || (!Nejkratsi && P.RohyNapred))
            SestavZpetneSkoky(M, Skupiny);
        Hloubka = M.Start - M.CilPocet;
        if (!Nejkratsi && !P.ObrazPoli.empty()) {
            PoradiObrazu = std::make_unique<TPoradiObrazu>();
            SestavPoradiObrazu(M, P.ObrazPoli, Leibniz ? poVodorovneNapred : poSvisleNapred, *PoradiObrazu);
        }
        for (int i = 0; i <= DelkaCesty; ++i) {
            Tahy[i] = 0;
            Nejlepsi[i] = static_cast<std::uint8_t>(i);  // i jumps make at most i moves
        }
        MaxDeti = std::max<std::size_t>(M.Skoky.size(), 1);
        Deti.reset(new TDite[MaxDeti * (DelkaCesty + 1)]);
        if (Nejkratsi)
            Vnoucata.reset(new std::uint64_t[MaxDeti * MaxDeti]);
    }

    ~TPruzkum() { Vypujcka.Vrat(Tabulka); }

    // Searches and writes the outcome into the job; false, and nothing
    // written, when a search without tables ran out of its positions.
    bool Spust()
    {
        if (!BezTabulek)
            Priprav();
        else
            // The parity classes cost next to nothing and decide many
            // positions without a single jump (most of those in play).
            ZadnyCil = P.Parita && Urovne->VyctiCile(Leibniz) && Urovne->VyradCileJineParity(M.S0);
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
                const std::uint64_t celkem = LimitUzlu;
                LimitUzlu = LimitPodilu(celkem, P.PozicVRohovemPoradi, UzlyPredtim);
                Rychle(M.S0, kanon, M.Start, 0);
                if (Vycerpano && !R.Zastavit.load(std::memory_order_relaxed) && Uzly < celkem) {
                    RohyNapred = false;
                    LimitUzlu = celkem;
                    Vycerpano = Preruseno = false;
                    Rychle(M.S0, kanon, M.Start, 0);
                }
            }
        } else {
            Preruseno = true;
        }
        VlastniUrovne.Ukonci();
        VlastniUrovne.PredejChybu();
        R.PocetPozic.store(UzlyPredtim + Uzly, std::memory_order_relaxed);
        if (Vycerpano && BezTabulek)
            return false;
        U.Preruseno = Preruseno;
        U.Nalezeno = Nalezeno;
        if (Nalezeno) {
            for (int i = 0; i < DelkaCesty; ++i)
                U.Vysledek[i] = Vysledek[i + 1];
        }
        return true;
    }

    std::uint64_t DejUzly() const { return UzlyPredtim + Uzly; }

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
    std::uint64_t LimitUzlu;
    const std::uint64_t UzlyPredtim;
    std::uint64_t Uzly = 0;
    bool Vycerpano = false;
    bool RohyNapred = P.RohyNapred;  // the order of the jumps now
    std::unique_ptr<TPoradiObrazu> PoradiObrazu;  // P.ObrazPoli's order of the jumps; none: the scan order
    bool Preruseno = false;
    bool Nalezeno = false;
    // Odchylek: the discrepancies the dive has left (-1 no bound) and the
    // subtrees it cut for want of them.
    struct TOdchylky {
        int Zbyva = -1;
        std::uint64_t Orezano = 0;
    } Odchylky;
    // Odchylek: the dives before the full search (KavirelPruzkumPonory.h).
    bool Ponory(K kanon);

    // Entries 1..81 as in the rules; entry 0 unused.
    TSkokCesty Cesta[DelkaCesty + 1];
    TSkokCesty Vysledek[DelkaCesty + 1];
    // The same paths as jump indices, for the table of recorded subtrees.
    std::uint16_t CestaSkoky[DelkaCesty + 1] = {};
    std::uint16_t VysledekSkoky[DelkaCesty + 1] = {};
    TUspechy Uspechy;
    std::uint64_t Zaznamu = 0;  // solutions recorded
    std::uint8_t Tahy[DelkaCesty + 1];
    std::uint8_t Nejlepsi[DelkaCesty + 1];

    // Per depth: the images of the position under the symmetries, and the
    // legal jumps with the canonical positions they lead to.
    K Obrazy[DelkaCesty + 1][MaxObrazu];
    std::size_t MaxDeti = 1;
    std::unique_ptr<TDite[]> Deti;
    std::unique_ptr<std::uint64_t[]> Vnoucata;  // room for PosudVnoucata (shortest mode)

    TSymetrie<K> Sym;
    TTabulka Tabulka;
    bool MaTabulku = false;
    // SdileneMrtve: the table goes back to the owner's searches at the end.
    TVypujckaMrtvych Vypujcka;
    TUrovne<K> VlastniUrovne;
    // R.SdileneUrovne: the kept ones, which go on being built after the search.
    TUrovne<K>* Urovne = &VlastniUrovne;
    TZpetneSkoky<K> Skupiny;  // the jumps grouped, for UviznuteKameny and the corner order
    bool ZadnyCil = false;  // no goal position reachable from the start exists

    // PozicVRohovemPoradi: the corner order first, then the scan order.
    bool DvePoradi() const { return !BezTabulek && P.RohyNapred && P.PozicVRohovemPoradi != 0 && LimitUzlu != 0; }

    // A search unwinds as if stopped once it has run out of positions.
    bool Stop() const { return Vycerpano || R.Zastavit.load(std::memory_order_relaxed); }

    void Zverejni()
    {
        if (++Uzly > LimitUzlu && LimitUzlu != 0)
            Vycerpano = true;
        if ((Uzly & 4095) == 0) {
            R.PocetPozic.store(UzlyPredtim + Uzly, std::memory_order_relaxed);
            // Add a level while the levels have cost less than the search.
            Urovne->PostavPodlePrace(Uzly, Nejkratsi ? PodilStavebNejkratsi : PodilStavebNejrychlejsi);
        }
    }

    // The table grows as soon as it fills up.
    void PoUlozeni()
    {
        if (Tabulka.MaRust())
            Tabulka.Rust([this] { return Stop(); });
    }

    void Priprav()
    {
        const bool uplnyVycet = (P.Parita || P.Urovne) && Urovne->VyctiCile(Leibniz);
        if (uplnyVycet) {
            if (P.Parita ? Urovne->VyradCileJineParity(M.S0) : P.Urovne && Urovne->ZadnyCil()) {
                ZadnyCil = true;
                return;
            }
            if (P.Symetrie)
                NajdiSymetrie(M, Sym);
        }
        const bool sUrovnemi = uplnyVycet && P.Urovne;

        const TRozdeleniPameti pamet = RozdelPamet(R.LimitPameti != 0 ? R.LimitPameti : VychoziLimitPameti(), M.N,
                                                   Nejkratsi, Nejkratsi && P.Uspechy, sUrovnemi);
        if (pamet.Uspechy != 0)
            Uspechy.Vytvor(pamet.Uspechy);  // without it the search only does more work
        const bool tabulkaTreba = P.MrtveTabulka || (Nejkratsi && P.Neuspechy);
        // SdileneMrtve: the fastest mode's table, which holds only dead
        // positions, is kept between the searches of one owner.
        const bool sdilet = !Nejkratsi && P.SdileneMrtve && P.MrtveTabulka && R.SdileneMrtve != nullptr;
        if (tabulkaTreba && sdilet)
            MaTabulku = Vypujcka.Ziskej(R.SdileneMrtve, M, Leibniz, Sym, pamet.Tabulka, Tabulka);
        else
            MaTabulku = tabulkaTreba && Tabulka.Vytvor(pamet.Tabulka);
        if (!sUrovnemi)
            return;
        const bool naPozadi = P.DruheVlakno && std::thread::hardware_concurrency() > 1;
        // The fastest mode's levels only cut, so kept ones may come with
        // more levels built than this search would have built by now.
        if (!Nejkratsi && R.SdileneUrovne != nullptr) {
            Urovne = &R.SdileneUrovne->Pro(VlastniUrovne, M, Leibniz, Sym, Hloubka, pamet.Arena, naPozadi);
            return;
        }
        Urovne->Zacni(pamet.Arena, Hloubka);
        if (naPozadi)
            Urovne->StavejNaPozadi();
    }

    // ---- The rules, one predicate each. A true answer cuts the subtree.

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
        return P.MrtveTabulka && MaTabulku && NadUrovnemi(citac) && Tabulka.JeMrtva(kanon);
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
        if (!P.Neuspechy || !MaTabulku)
            return false;
        const int neuspech = Tabulka.NeuspesnyTah(klic.Pozice, klic.Kam);
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
        return P.MezTahu && tahy + DolniMezTahu<Leibniz>(M, s, h, kamIndex) > Nejlepsi[Hloubka];
    }

    // The moves of the path after `skok` from the position after jump h: a
    // jump from where the last one landed continues its move.
    int NoveTahy(int h, int tahy, const TSkok<K>& skok) const
    {
        return h == 0 ? 1 : tahy + (skok.CisloOdkud == Cesta[h].CisloKam ? 0 : 1);
    }

    // The bound: after jump h + 1 a path may have made no more moves than
    // the recorded solution had there.
    bool NadMezi(int h, int noveTahy) const { return noveTahy > Nejlepsi[h + 1]; }

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
    bool MaUspechy() const { return P.Uspechy && Uspechy && Zaznamu > P.ZaznamuPredUspechy; }

    bool ZnovuUspech(K s, std::uint32_t klic, int h, int tahy)
    {
        const int delka = Hloubka - h;
        if (h == 0 || delka <= 0 || delka > MaxDelkaUspechu)
            return false;
        const std::uint16_t* sigma = Uspechy.Najdi(s, klic, delka);
        if (sigma == nullptr)
            return false;
        int t = tahy;
        std::uint8_t odkud = Cesta[h].CisloKam;
        for (int i = 0; i < delka; ++i) {
            const TSkok<K>& skok = M.Skoky[sigma[i]];
            t += skok.CisloOdkud == odkud ? 0 : 1;
            if (t != Nejlepsi[h + 1 + i])
                return false;
            odkud = skok.CisloKam;
        }
        for (int i = 0; i < delka; ++i) {
            const TSkok<K>& skok = M.Skoky[sigma[i]];
            Cesta[h + 1 + i] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
            CestaSkoky[h + 1 + i] = sigma[i];
            Tahy[h + 1 + i] = Nejlepsi[h + 1 + i];
        }
        Zaznamenej();
        for (int i = 0; i < delka; ++i) {
            Cesta[h + 1 + i] = TSkokCesty{};
            Tahy[h + 1 + i] = 0;
        }
        return true;
    }

    void ZapamatujUspech(K s, std::uint32_t klic, int h)
    {
        const int delka = Hloubka - h;
        if (P.Uspechy && Uspechy && h != 0 && delka > 0 && delka <= MaxDelkaUspechu)
            Uspechy.Uloz(s, klic, VysledekSkoky + h + 1, delka);
    }

    // ----

    bool NadUrovnemi(int citac) const { return static_cast<std::size_t>(citac - M.CilPocet) >= Urovne->Pocet(); }

    bool JeMrtva(K kanon, std::uint64_t otisk, int citac) const
    {
        return MrtvaPodleUrovni(otisk, citac) || MrtvaPodleTabulky(kanon, citac);
    }

    void Predtahni(K kanon, std::uint64_t otisk, int citac) const
    {
        const std::size_t j = static_cast<std::size_t>(citac - M.CilPocet);
        if (j < Urovne->Pocet())
            Urovne->Predtahni(j, otisk);
        else if (MaTabulku)
            Tabulka.Predtahni(kanon);
    }

    void UlozMrtvou(K kanon, int citac)
    {
        if (P.MrtveTabulka && MaTabulku && NadUrovnemi(citac)) {
            Tabulka.UlozMrtvou(kanon, citac - M.CilPocet);
            PoUlozeni();
        }
    }

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
            Predtahni(kanon, otisk, citacDite);
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
        return citacDite != M.CilPocet && JeMrtva(d.Kanon, d.Otisk, citacDite);
    }

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
                Zaznamenej();
            return konec == 1;
        }
        if (h == 0 && JeMrtva(kanon, Otisk(kanon), citac))
            return false;  // the parent tests its children itself
        if (Uviznuta(s, citac)) {
            UlozMrtvou(kanon, citac);  // spares the test on the next visit
            return false;
        }
        constexpr int poradi = Leibniz ? poVodorovneNapred : poSvisleNapred;
        TDite* deti = Deti.get() + static_cast<std::size_t>(h) * MaxDeti;
        const int n = RozvinDeti(s, h, poradi, citac - 1, deti);
        if (RohyNapred)
            SeradPodleRohu<Leibniz>(M, Skupiny, s, deti, n);
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
            Cesta[h + 1] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
            Sym.ObrazyPoSkoku(Obrazy[h], k, Obrazy[h + 1]);
            Odchylky.Zbyva -= odchylka;
            const bool konec = Rychle(s ^ skok.Maska, deti[i].Kanon, citac - 1, h + 1);
            Odchylky.Zbyva += odchylka;
            Cesta[h + 1] = TSkokCesty{};
            if (konec)
                return true;
        }
        // A subtree a dive cut may hold a solution.
        if (Odchylky.Orezano == orezanoPred)
            UlozMrtvou(kanon, citac);
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
        if (h != 0 && NadMezi(h - 1, tahy))
            return 0;
        const int konec = KonecCesty(s, citac);
        if (konec >= 0) {
            if (konec == 0)
                return vCisty;
            Zaznamenej();
            return vZaznam;
        }
        if (h == 0 ? JeMrtva(kanon, Otisk(kanon), citac) : MrtvaPodleTabulky(kanon, citac))
            return vCisty;
        if (Uviznuta(s, citac)) {
            UlozMrtvou(kanon, citac);
            return vCisty;
        }
        const bool pokracuje = h != 0 && MuzeSkocit(M, s, kamIndex);
        const TKlicNavstevy klic = KlicNavstevy(s, kanon, kamIndex, obraz, pokracuje);
        if (h != 0 && (NeuspelaDriv(klic, tahy) || NeuspelaBezPokracovani(klic, tahy)))
            return 0;
        if (Hloubka >= 1 && Hloubka <= DelkaCesty && PrekrocenaMezTahu(s, h, kamIndex, tahy))
            return 0;
        if (MaUspechy() && ZnovuUspech(s, KlicUspechu(h, kamIndex, pokracuje, svisle), h, tahy))
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
            const int noveTahy = NoveTahy(h, tahy, skok);
            if (NadMezi(h, noveTahy)) {
                // The bound would send the child back at once: spare the call.
                cisty = false;
                continue;
            }
            Cesta[h + 1] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
            Tahy[h + 1] = static_cast<std::uint8_t>(noveTahy);
            CestaSkoky[h + 1] = static_cast<std::uint16_t>(k);
            Sym.ObrazyPoSkoku(Obrazy[h], k, Obrazy[h + 1]);
            const int r = Kratce(s ^ skok.Maska, deti[i].Kanon, deti[i].Obraz, citac - 1, h + 1, noveTahy,
                                 skok.IndexKam, skok.Svisly);
            Tahy[h + 1] = 0;
            Cesta[h + 1] = TSkokCesty{};
            zaznam = zaznam || (r & vZaznam) != 0;
            cisty = cisty && (r & vCisty) != 0;
        }
        if (Preruseno)
            return zaznam ? vZaznam : 0;
        if (zaznam) {
            ZapamatujUspech(s, KlicUspechu(h, kamIndex, pokracuje, svisle), h);
            return vZaznam;
        }
        if (cisty) {
            UlozMrtvou(kanon, citac);
            return vCisty;
        }
        if (P.Neuspechy && MaTabulku && h != 0) {
            Tabulka.UlozNeuspech(klic.Pozice, klic.Kam, tahy, citac - M.CilPocet);
            if (P.NeuspechyNapricPokracovanim && klic.Kam != 0)
                Tabulka.UlozNeuspech(klic.Pozice, std::uint8_t(0), tahy, citac - M.CilPocet);
            PoUlozeni();
        }
        return 0;
    }
};

}  // namespace KavirelHledani

#include "KavirelPruzkumDeti.h"
#include "KavirelPruzkumPonory.h"
