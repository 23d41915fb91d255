// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNejmene.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <utility>
#include <vector>

#include "KavirelChyby.h"
#include "KavirelNejmeneCesta.h"
#include "KavirelPozice.h"
#include "KavirelResitelnost.h"
#include "KavirelVrstvy.h"

namespace KavirelHledani {
namespace {

// Goal positions beyond this many are not listed; the search then comes
// from the start alone.
constexpr std::size_t MaxCiluNejmene = std::size_t(1) << 16;

// Every position of both balls stays until the path is read back, so the
// default memory bound is higher than the other modes'.
constexpr std::size_t VychoziStropNejmene = std::size_t(3) << 29;  // 1.5 GiB


template <bool Leibniz, class K>
class TNejmene {
public:
    TNejmene(TUlohaReseni& uloha, TRizeniHledani& rizeni, const TPravidlaNejmene& pravidla)
        : U(uloha), R(rizeni), P(pravidla),
          Rozpocet(rizeni.LimitPameti != 0 ? rizeni.LimitPameti : VychoziLimitPameti(VychoziStropNejmene))
    {
        SestavModel(U, Leibniz, M);
        Odkud.assign(M.Skoky.size(), 0);
        for (int f = 0; f < M.N; ++f)
            for (int d = 0; d < M.PocetSkoku[f][poSvisleNapred]; ++d)
                Odkud[M.SkokyPole[f][poSvisleNapred][d]] = static_cast<std::uint8_t>(f);
    }

    void Spust()
    {
        U.Nalezeno = false;
        U.Preruseno = false;
        std::vector<TSkokCesty> cesta;
        const int vysledek = Hledej(cesta);
        if (Resitelnost) {
            Resitelnost->Ukonci();
            Resitelnost->PredejChybu();
        }
        R.PocetPozic.store(Pozic, std::memory_order_relaxed);
        if (vysledek < 0) {
            U.Preruseno = true;
            return;
        }
        if (vysledek == 0)
            return;
        U.Nalezeno = true;
        for (int i = 0; i < DelkaCesty; ++i)
            U.Vysledek[i] = i < static_cast<int>(cesta.size()) ? cesta[static_cast<std::size_t>(i)] : TSkokCesty{};
    }

private:
    // One side's ball: per counter, the positions within `Polomer` moves
    // of its end (the start, or the goal positions).
    struct TStrana {
        std::vector<std::unique_ptr<TVrstva<K>>> Vrstvy;
        int Polomer = 0;
        std::size_t Novych = 0;  // positions the last step added
    };

    TUlohaReseni& U;
    TRizeniHledani& R;
    const TPravidlaNejmene P;
    TModel<K> M;
    TSymetrie<K> Sym;
    TZpetneSkoky<K> Zpet;
    std::vector<std::uint8_t> Odkud;  // per jump, the field it starts from
    TRozpocet Rozpocet;
    bool Konec = false;       // the search is to end: a stop request, or the budget ran out
    bool Nedostatek = false;  // the budget ran out
    std::uint64_t Pozic = 0;
    K KanonStartu = 0;
    TStrana Dopredu;  // the ball around the start
    TStrana Dozadu;   // the ball around the goal positions
    bool ZDolu = false;  // the goal side grows too
    TSetkani<K> Nejlepsi;
    std::unique_ptr<TResitelnost> Resitelnost;

    bool Stop() const
    {
        return Konec || R.Zastavit.load(std::memory_order_relaxed) || (Resitelnost && Resitelnost->ZadneReseni());
    }

    // Counts a position and now and then publishes the count; false once
    // the search is to end.
    bool Zapocitej(std::uint64_t& mistni)
    {
        if ((++mistni & 255) != 0)
            return true;
        Zverejni(256);
        return !Stop();
    }

    void Dopocitej(std::uint64_t mistni) { Zverejni(mistni & 255); }

    // Adds to the count and publishes it each time it passes a multiple of
    // 4096.
    void Zverejni(std::uint64_t pridat)
    {
        const std::uint64_t predtim = Pozic;
        Pozic += pridat;
        if ((predtim >> 12) != (Pozic >> 12))
            R.PocetPozic.store(Pozic, std::memory_order_relaxed);
    }

    bool Selhani()
    {
        if (!Stop())
            Nedostatek = true;
        Konec = true;
        return false;
    }

    // 1 found (the path in `cesta`), 0 no solution, -1 stopped.
    int Hledej(std::vector<TSkokCesty>& cesta)
    {
        if (M.Start < M.CilPocet)
            return 0;
        const int konec = KonecCesty(M, M.S0, M.Start);
        if (konec >= 0)
            return konec;
        std::vector<K> cile;
        ZDolu = P.Obousmerne && VyctiCile(M, Leibniz, MaxCiluNejmene, cile);
        if (ZDolu && P.Parita) {
            const int parita = Parita(M, M.S0);
            cile.erase(std::remove_if(cile.begin(), cile.end(), [&](K c) { return Parita(M, c) != parita; }),
                       cile.end());
        }
        if (ZDolu && cile.empty())
            return 0;
        if (P.Symetrie)
            NajdiSymetrie(M, Sym);
        SestavZpetneSkoky(M, Zpet);
        KanonStartu = Sym.Kanon(M.S0);

        Dopredu.Vrstvy.resize(static_cast<std::size_t>(M.Start) + 1);
        Dozadu.Vrstvy.resize(static_cast<std::size_t>(M.Start) + 1);
        if (!Vloz(Dopredu, M.Start, KanonStartu, 0, 0))
            return Konci();
        Vrstva(Dopredu, M.Start)->Dokonci();
        Dopredu.Novych = 1;
        if (ZDolu) {
            for (K c : cile)
                if (!Vloz(Dozadu, M.CilPocet, Sym.Kanon(c), 0, 0))
                    return Konci();
            Vrstva(Dozadu, M.CilPocet)->Dokonci();
            Dozadu.Novych = Vrstva(Dozadu, M.CilPocet)->DejPocet();
        }
        // Every solution of T moves has, after its j-th move, a position j
        // moves from the start and T - j from a goal, so the balls meet
        // once their radii add up to T. Before they meet, then, every
        // solution has more moves than the radii add up to, and a meeting
        // has at most that many: the first step in which they meet gives
        // the least total. A ball that grows no more holds every position
        // of its side, and the other ball meets it or never will.
        while (Nejlepsi.Celkem < 0 && Dopredu.Novych != 0 && (!ZDolu || Dozadu.Novych != 0)) {
            if (P.Resitelnost && !Resitelnost && Pozic >= P.PozicPredResitelnosti)
                SpustResitelnost();
            if (!Krok() || Stop())
                return Konci();
        }
        if (Nejlepsi.Celkem < 0)
            return 0;
        TCestaNejmene<Leibniz, K> c(
            M, Sym, Zpet, Odkud, [this](int citac, K kanon) { return Cena(Dopredu, citac, kanon); },
            [this](int citac, K kanon) { return Cena(Dozadu, citac, kanon); });
        // The balls hold a path of that many moves, so this never fails.
        const bool sestavena = c.Sestav(Nejlepsi, cesta);
        KAVIREL_ASSERT(sestavena, "Cesta nejmene tahu nenalezena", "KavirelNejmene");
        return 1;
    }

    // Rule Resitelnost: the fastest mode, its tables bounded by a sixth of
    // the search's bound and taken out of its budget (not started when the
    // budget has no room). With P.CekaniNaResitelnost, the balls wait for
    // its verdict while it has both cores (its levels on a second thread),
    // up to that many of its positions, which count as the search's own;
    // then the two go on side by side.
    void SpustResitelnost()
    {
        const std::size_t podil = Rozpocet.DejLimit() / 6;
        if (!Rozpocet.Vezmi(podil))
            return;
        const bool cekat = P.CekaniNaResitelnost != 0;
        Resitelnost.reset(new TResitelnost(U, Leibniz, podil, cekat));
        if (!cekat)
            return;
        const std::uint64_t zaklad = Pozic;
        Resitelnost->PockejNejvyse(P.CekaniNaResitelnost, R.Zastavit, [&](std::uint64_t n) {
            Pozic = zaklad + n;
            R.PocetPozic.store(Pozic, std::memory_order_relaxed);
        });
    }

    // The outcome of a search cut short: no solution where the fastest mode
    // has proven there is none, else stopped. When the balls have outgrown
    // the memory bound, the fastest mode may still prove there is none: the
    // layers go and the search waits for it (or for a stop request).
    int Konci()
    {
        if (Nedostatek && Resitelnost && !R.Zastavit.load(std::memory_order_relaxed)) {
            Dopredu.Vrstvy.clear();
            Dozadu.Vrstvy.clear();
            Resitelnost->Pockej(R.Zastavit);
        }
        if (Resitelnost && Resitelnost->ZadneReseni())
            return 0;
        return Stop() || Nedostatek ? -1 : 0;
    }

    // A side's layer, made when first needed; nullptr when the budget has
    // no room.
    TVrstva<K>* Vrstva(TStrana& strana, int citac)
    {
        std::unique_ptr<TVrstva<K>>& v = strana.Vrstvy[static_cast<std::size_t>(citac)];
        if (!v) {
            std::unique_ptr<TVrstva<K>> nova(new TVrstva<K>);
            if (!nova->Vytvor(Rozpocet, R.Zastavit)) {
                Selhani();
                return nullptr;
            }
            v = std::move(nova);
        }
        return v.get();
    }

    bool Vloz(TStrana& strana, int citac, K kanon, int cena, K pole)
    {
        TVrstva<K>* v = Vrstva(strana, citac);
        return v != nullptr && (v->Vloz(kanon, cena, pole) || Selhani());
    }

    int Cena(const TStrana& strana, int citac, K kanon) const
    {
        const std::unique_ptr<TVrstva<K>>& v = strana.Vrstvy[static_cast<std::size_t>(citac)];
        K pole;
        return v ? v->Najdi(kanon, pole) : -1;
    }

    // One step: the ball whose last step added fewer positions grows by a
    // move (so the two grow about alike in positions, not in moves), and
    // the positions it adds meet the other ball as it goes.
    bool Krok()
    {
        const bool vpred = !ZDolu || Dopredu.Novych <= Dozadu.Novych;
        return vpred ? RozsirVpred() : RozsirZpet();
    }

    // One step of a side: a sweep over its layers in the order of its
    // jumps (`smer` -1 from the start down, +1 from the goals up), where
    // `rozvin(s, r, cena, pole, vloz)` passes each child of a position of
    // the frontier (r or r + 1 moves away) to `vloz(kanon, pole)`. The
    // positions r + 1 moves away that a layer gets are complete, with all
    // their ways in, once the sweep has left the layer before it; then they
    // meet the other ball, and the first meeting ends the step (Setkej).
    template <class FRozvin>
    bool Rozsir(TStrana& strana, int smer, FRozvin&& rozvin)
    {
        const bool vpred = smer < 0;
        const TStrana& druha = vpred ? Dozadu : Dopredu;
        const int r = strana.Polomer;
        const int prvni = vpred ? M.Start : M.CilPocet;
        const int konec = vpred ? M.CilPocet : M.Start;
        std::size_t novych = 0;
        std::uint64_t mistni = 0;
        for (int citac = prvni; citac != konec; citac += smer) {
            const TVrstva<K>* z = strana.Vrstvy[static_cast<std::size_t>(citac)].get();
            if (z == nullptr)
                continue;
            const int dalsi = citac + smer;
            TVrstva<K>* cil = nullptr;
            std::size_t predtim = 0;
            auto vloz = [&](K kanon, K pole) {
                if (cil == nullptr) {
                    if ((cil = Vrstva(strana, dalsi)) == nullptr)
                        return false;
                    predtim = cil->DejPocet();
                }
                return cil->Vloz(kanon, r + 1, pole) || Selhani();
            };
            for (std::size_t i = 0; i < z->DejMist(); ++i) {
                if ((i & 0xFFFF) == 0 && Stop())
                    return Selhani();
                const auto& m = z->Misto(i);
                const int cena = TCena<K>::Z(m.Udaje);
                if (m.Udaje == 0 || cena < r)
                    continue;
                if (!Zapocitej(mistni))
                    return Selhani();
                if (!rozvin(m.Pozice, r, cena, m.Udaje & TCena<K>::Pole, vloz))
                    return false;
            }
            if (cil != nullptr) {
                cil->Dokonci();
                novych += cil->DejPocet() - predtim;
                if (!Setkej(*cil, druha, dalsi, r + 1, vpred))
                    return false;
                if (Nejlepsi.Celkem >= 0)
                    break;
            }
        }
        Dopocitej(mistni);
        strana.Polomer = r + 1;
        strana.Novych = novych;
        return true;
    }

    // The start side grows by a move, layer after layer down: a position r
    // moves away takes its jumps that begin a move, one r + 1 moves away
    // (new in this step, all its ways in known once the layer above is
    // done) those that continue one.
    bool RozsirVpred()
    {
        return Rozsir(Dopredu, -1, [this](K s, int r, int cena, K pokracovani, auto& vloz) {
            K obrazy[MaxObrazu];
            Sym.Obrazy(s, obrazy);
            for (K x = s & M.Obdelnik; x != 0; x &= x - 1) {
                const int f = NejnizsiBit(x);
                if (((pokracovani & Bit<K>(f)) != 0) != (cena > r))
                    continue;
                for (int d = 0; d < M.PocetSkoku[f][poSvisleNapred]; ++d) {
                    const int k = M.SkokyPole[f][poSvisleNapred][d];
                    const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
                    if ((s & skok.Maska) != skok.Nutne)
                        continue;
                    const K dite = s ^ skok.Maska;
                    // At the goal's counter only goal positions matter.
                    if (Citac(dite) == M.CilPocet && KonecCesty(M, dite, M.CilPocet) != 1)
                        continue;
                    K kam;
                    const K kanon = Sym.KanonSPolem(dite, obrazy, k, skok.IndexKam, kam);
                    if (!vloz(kanon, kam))
                        return false;
                }
            }
            return true;
        });
    }

    // The goal side grows by a move, layer after layer up, the same way
    // with the jumps reversed: a position r moves from a goal takes the
    // jumps into it that end a move, one r + 1 moves away those that land
    // where a cheapest way on goes on.
    bool RozsirZpet()
    {
        return Rozsir(Dozadu, 1, [this](K s, int r, int cena, K pokracovani, auto& vloz) {
            std::uint16_t skoky[4 * MaxPoli];
            const int n = Zpet.Najdi(s, skoky);
            if (n == 0)
                return true;
            K obrazy[MaxObrazu];
            Sym.Obrazy(s, obrazy);
            const bool kStartu = Citac(s) + 1 == M.Start;
            for (int j = 0; j < n; ++j) {
                const int k = skoky[j];
                const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
                if (((pokracovani & Bit<K>(skok.IndexKam)) != 0) != (cena > r))
                    continue;
                K odkud;
                const K kanon = Sym.KanonSPolem(s ^ skok.Maska, obrazy, k, Odkud[static_cast<std::size_t>(k)], odkud);
                // At the start's counter only the start matters.
                if (kStartu && kanon != KanonStartu)
                    continue;
                if (!vloz(kanon, odkud))
                    return false;
            }
            return true;
        });
    }

    // Stones (normal game) or empty fields (Leibniz game) of a position.
    int Citac(K s) const { return Leibniz ? M.N - PocetBitu(s) : PocetBitu(s); }

    // The positions `v` (of counter `citac`) has just got, `polomer` moves
    // from their end, each looked up on the other side until one is there.
    // Without a goal side, a position on the goal's counter is a goal (no
    // others are kept). In the step in which the balls first meet, every
    // meeting has the same total: before it every solution has more moves
    // than the radii add up to, and a position just added meets the other
    // ball at most that many moves plus one from both ends. So the first
    // one found is a least one, and the rest of the step, often half of all
    // the search's work, is spared.
    bool Setkej(const TVrstva<K>& v, const TStrana& druha, int citac, int polomer, bool vpred)
    {
        const bool cilova = !ZDolu && vpred && citac == M.CilPocet;
        const TVrstva<K>* tam = druha.Vrstvy[static_cast<std::size_t>(citac)].get();
        if (tam == nullptr && !cilova)
            return true;
        std::uint64_t mistni = 0;
        for (std::size_t i = 0; i < v.DejMist(); ++i) {
            if ((i & 0xFFFF) == 0 && Stop())
                return Selhani();
            const auto& m = v.Misto(i);
            if (m.Udaje == 0 || TCena<K>::Z(m.Udaje) != polomer)
                continue;
            if (!Zapocitej(mistni))
                return Selhani();
            K pole = 0;
            const int cena = cilova ? 0 : tam->Najdi(m.Pozice, pole);
            if (cena < 0)
                continue;
            const K spolecne = pole & m.Udaje & TCena<K>::Pole;
            TSetkani<K> s;
            s.Pozice = m.Pozice;
            s.Citac = citac;
            s.CenaVpred = vpred ? polomer : cena;
            s.CenaZpet = vpred ? cena : polomer;
            s.Pokracovani = spolecne != 0 ? NejnizsiBit(spolecne) : -1;
            s.Celkem = s.CenaVpred + s.CenaZpet - (spolecne != 0 ? 1 : 0);
            Nejlepsi = s;
            break;
        }
        Dopocitej(mistni);
        return true;
    }
};

template <bool Leibniz>
void ProhledejS(TUlohaReseni& uloha, TRizeniHledani& rizeni, const TPravidlaNejmene& pravidla)
{
    int poli = 0;
    for (const auto& sloupec : uloha.PoleHledani)
        for (const TPole& p : sloupec)
            poli += JePole(p) ? 1 : 0;
    // The moves ride in the top byte of a set of fields.
    if (poli <= 56)
        std::make_unique<TNejmene<Leibniz, std::uint64_t>>(uloha, rizeni, pravidla)->Spust();
    else
        std::make_unique<TNejmene<Leibniz, TBity128>>(uloha, rizeni, pravidla)->Spust();
}

}  // namespace

void ProhledejNejmene(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, const TPravidlaNejmene& pravidla)
{
    if (leibniz)
        ProhledejS<true>(uloha, rizeni, pravidla);
    else
        ProhledejS<false>(uloha, rizeni, pravidla);
}

}  // namespace KavirelHledani
