// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNejmene.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "KavirelNejmeneCesta.h"
#include "KavirelPozice.h"
#include "KavirelVrstvy.h"

namespace KavirelHledani {
namespace {

// Goal positions beyond this many are not listed; the search then comes
// from the start alone.
constexpr std::size_t MaxCiluNejmene = std::size_t(1) << 16;

// Two sides whose last steps added fewer than this factor more positions
// one than the other both take their next step; otherwise only the one
// that added fewer.
constexpr double PomerStran = 2.0;

template <bool Leibniz, class K>
class TNejmene {
public:
    TNejmene(TUlohaReseni& uloha, TRizeniHledani& rizeni, const TPravidlaNejmene& pravidla)
        : U(uloha), R(rizeni), P(pravidla),
          Rozpocet(rizeni.LimitPameti != 0 ? rizeni.LimitPameti : VychoziLimitPameti())
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
        R.PocetPozic.store(Pozic.load(std::memory_order_relaxed), std::memory_order_relaxed);
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
    std::atomic<bool> Konec{false};  // a stop request, or the budget ran out
    std::atomic<bool> Nedostatek{false};
    std::atomic<std::uint64_t> Pozic{0};
    K KanonStartu = 0;
    TStrana Vpred, Zpet_;
    bool ZDolu = false;  // the goal side grows too
    TSetkani<K> Nejlepsi;

    bool Stop() const
    {
        return Konec.load(std::memory_order_relaxed) || R.Zastavit.load(std::memory_order_relaxed);
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
        const std::uint64_t predtim = Pozic.fetch_add(pridat, std::memory_order_relaxed);
        if ((predtim >> 12) != ((predtim + pridat) >> 12))
            R.PocetPozic.store(predtim + pridat, std::memory_order_relaxed);
    }

    bool Selhani()
    {
        if (!Stop())
            Nedostatek.store(true, std::memory_order_relaxed);
        Konec.store(true, std::memory_order_relaxed);
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

        Vpred.Vrstvy.resize(static_cast<std::size_t>(M.Start) + 1);
        Zpet_.Vrstvy.resize(static_cast<std::size_t>(M.Start) + 1);
        if (!Vrstva(Vpred, M.Start) || !Vrstva(Vpred, M.Start)->Vloz(KanonStartu, 0, 0))
            return Konci();
        Vrstva(Vpred, M.Start)->Dokonci();
        Vpred.Novych = 1;
        if (ZDolu) {
            TVrstva<K>* v = Vrstva(Zpet_, M.CilPocet);
            if (v == nullptr)
                return Konci();
            for (K c : cile)
                if (!v->Vloz(Sym.Kanon(c), 0, 0))
                    return Konci();
            v->Dokonci();
            Zpet_.Novych = v->DejPocet();
        }
        // Every solution of T moves has, after its j-th move, a position j
        // moves from the start and T - j from a goal, so the balls meet
        // once their radii add up to T. Before they meet, then, every
        // solution has more moves than the radii add up to, and a meeting
        // has at most that many: the first step in which they meet gives
        // the least total. A ball that grows no more holds every position
        // of its side, and the other ball meets it or never will.
        while (Nejlepsi.Celkem < 0 && Vpred.Novych != 0 && (!ZDolu || Zpet_.Novych != 0)) {
            if (!Krok())
                return Konci();
        }
        if (Nejlepsi.Celkem < 0)
            return 0;
        TCestaNejmene<Leibniz, K> c(
            M, Sym, Zpet, Odkud, [this](int citac, K kanon) { return Cena(Vpred, citac, kanon); },
            [this](int citac, K kanon) { return Cena(Zpet_, citac, kanon); });
        if (!c.Sestav(Nejlepsi, cesta))
            return Konci();
        return 1;
    }

    int Konci() { return Stop() || Nedostatek.load(std::memory_order_relaxed) ? -1 : 0; }

    // The layer of a side, made when first needed; nullptr when the budget
    // has no room.
    TVrstva<K>* Vrstva(TStrana& strana, int citac)
    {
        std::unique_ptr<TVrstva<K>>& v = strana.Vrstvy[static_cast<std::size_t>(citac)];
        if (!v) {
            std::unique_ptr<TVrstva<K>> nova(new TVrstva<K>);
            if (!nova->Vytvor(Rozpocet, Konec)) {
                Selhani();
                return nullptr;
            }
            v = std::move(nova);
        }
        return v.get();
    }

    int Cena(const TStrana& strana, int citac, K kanon) const
    {
        const auto& v = strana.Vrstvy[static_cast<std::size_t>(citac)];
        K pole;
        return v ? v->Najdi(kanon, pole) : -1;
    }

    // One step: the side whose last step added fewer positions grows by a
    // move, the other too while they are about as large, the two on two
    // threads. Then the positions they added meet the other side.
    bool Krok()
    {
        const double f = static_cast<double>(Vpred.Novych);
        const double b = static_cast<double>(Zpet_.Novych);
        bool vpred = !ZDolu || f <= b;
        bool zpet = ZDolu && !vpred;
        if (ZDolu && f <= b * PomerStran && b <= f * PomerStran)
            vpred = zpet = true;
        bool okVpred = true, okZpet = true;
        if (vpred && zpet && P.DruheVlakno && std::thread::hardware_concurrency() > 1) {
            std::exception_ptr chyba;
            std::thread vlakno([&] {
                try {
                    okZpet = RozsirZpet();
                } catch (...) {
                    chyba = std::current_exception();
                    Konec.store(true, std::memory_order_relaxed);
                }
            });
            try {
                okVpred = RozsirVpred();
            } catch (...) {
                Konec.store(true, std::memory_order_relaxed);
                vlakno.join();
                throw;
            }
            vlakno.join();
            if (chyba)
                std::rethrow_exception(chyba);
        } else {
            if (vpred)
                okVpred = RozsirVpred();
            if (zpet && okVpred)
                okZpet = RozsirZpet();
        }
        if (!okVpred || !okZpet)
            return false;
        return Setkej(vpred, zpet);
    }

    // The start side grows by a move, layer after layer down: a position r
    // moves away takes its jumps that begin a move, one r + 1 moves away
    // (new in this step, all its ways in known once the layer above is
    // done) those that continue one.
    bool RozsirVpred()
    {
        const int r = Vpred.Polomer;
        std::size_t novych = 0;
        std::uint64_t mistni = 0;
        K obrazy[MaxObrazu];
        for (int citac = M.Start; citac > M.CilPocet; --citac) {
            const TVrstva<K>* z = Vpred.Vrstvy[static_cast<std::size_t>(citac)].get();
            if (z == nullptr)
                continue;
            TVrstva<K>* cil = nullptr;
            std::size_t predtim = 0;
            for (std::size_t i = 0; i < z->DejMist(); ++i) {
                if ((i & 0xFFFF) == 0 && Stop())
                    return Selhani();
                const auto& m = z->Misto(i);
                const int cena = TCena<K>::Z(m.Udaje);
                if (m.Udaje == 0 || cena < r)
                    continue;
                if (!Zapocitej(mistni))
                    return Selhani();
                if (cil == nullptr) {
                    if ((cil = Vrstva(Vpred, citac - 1)) == nullptr)
                        return false;
                    predtim = cil->DejPocet();
                }
                const K s = m.Pozice;
                const K pokracovani = m.Udaje & TCena<K>::Pole;
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
                        if (citac - 1 == M.CilPocet && KonecCesty(M, dite, M.CilPocet) != 1)
                            continue;
                        K kam;
                        const K kanon = Sym.KanonSPolem(dite, obrazy, k, skok.IndexKam, kam);
                        if (!cil->Vloz(kanon, r + 1, kam))
                            return Selhani();
                    }
                }
            }
            if (cil != nullptr) {
                cil->Dokonci();
                novych += cil->DejPocet() - predtim;
            }
        }
        Dopocitej(mistni);
        Vpred.Polomer = r + 1;
        Vpred.Novych = novych;
        return true;
    }

    // The goal side grows by a move, layer after layer up, the same way
    // with the jumps reversed: a position r moves from a goal takes the
    // jumps into it that end a move, one r + 1 moves away those that land
    // where a cheapest way on goes on.
    bool RozsirZpet()
    {
        const int r = Zpet_.Polomer;
        std::size_t novych = 0;
        std::uint64_t mistni = 0;
        K obrazy[MaxObrazu];
        std::uint16_t skoky[4 * MaxPoli];
        for (int citac = M.CilPocet; citac < M.Start; ++citac) {
            const TVrstva<K>* z = Zpet_.Vrstvy[static_cast<std::size_t>(citac)].get();
            if (z == nullptr)
                continue;
            TVrstva<K>* cil = nullptr;
            std::size_t predtim = 0;
            for (std::size_t i = 0; i < z->DejMist(); ++i) {
                if ((i & 0xFFFF) == 0 && Stop())
                    return Selhani();
                const auto& m = z->Misto(i);
                const int cena = TCena<K>::Z(m.Udaje);
                if (m.Udaje == 0 || cena < r)
                    continue;
                if (!Zapocitej(mistni))
                    return Selhani();
                if (cil == nullptr) {
                    if ((cil = Vrstva(Zpet_, citac + 1)) == nullptr)
                        return false;
                    predtim = cil->DejPocet();
                }
                const K s = m.Pozice;
                const K pokracovani = m.Udaje & TCena<K>::Pole;
                const int n = Zpet.Najdi(s, skoky);
                if (n == 0)
                    continue;
                Sym.Obrazy(s, obrazy);
                for (int j = 0; j < n; ++j) {
                    const int k = skoky[j];
                    const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
                    if (((pokracovani & Bit<K>(skok.IndexKam)) != 0) != (cena > r))
                        continue;
                    K odkud;
                    const K kanon =
                        Sym.KanonSPolem(s ^ skok.Maska, obrazy, k, Odkud[static_cast<std::size_t>(k)], odkud);
                    // At the start's counter only the start matters.
                    if (citac + 1 == M.Start && kanon != KanonStartu)
                        continue;
                    if (!cil->Vloz(kanon, r + 1, odkud))
                        return Selhani();
                }
            }
            if (cil != nullptr) {
                cil->Dokonci();
                novych += cil->DejPocet() - predtim;
            }
        }
        Dopocitej(mistni);
        Zpet_.Polomer = r + 1;
        Zpet_.Novych = novych;
        return true;
    }

    // The positions a side added in its last step, each looked up on the
    // other side: the least total through them. Without a goal side, a
    // position on the goal's counter is a goal (no others are kept).
    bool Setkej(bool vpred, bool zpet)
    {
        std::uint64_t mistni = 0;
        for (int citac = M.CilPocet; citac <= M.Start; ++citac) {
            for (int strana = 0; strana < 2; ++strana) {
                if (strana == 0 ? !vpred : !zpet)
                    continue;
                const TStrana& ta = strana == 0 ? Vpred : Zpet_;
                const TVrstva<K>* v = ta.Vrstvy[static_cast<std::size_t>(citac)].get();
                const TVrstva<K>* druha = (strana == 0 ? Zpet_ : Vpred).Vrstvy[static_cast<std::size_t>(citac)].get();
                const bool cilova = !ZDolu && strana == 0 && citac == M.CilPocet;
                if (v == nullptr || (druha == nullptr && !cilova))
                    continue;
                for (std::size_t i = 0; i < v->DejMist(); ++i) {
                    if ((i & 0xFFFF) == 0 && Stop())
                        return Selhani();
                    const auto& m = v->Misto(i);
                    if (m.Udaje == 0 || TCena<K>::Z(m.Udaje) != ta.Polomer)
                        continue;
                    if (!Zapocitej(mistni))
                        return Selhani();
                    K pole = 0;
                    const int cena = cilova ? 0 : druha->Najdi(m.Pozice, pole);
                    if (cena < 0)
                        continue;
                    const K vpredPole = strana == 0 ? (m.Udaje & TCena<K>::Pole) : pole;
                    const K zpetPole = strana == 0 ? pole : (m.Udaje & TCena<K>::Pole);
                    const K spolecne = vpredPole & zpetPole;
                    TSetkani<K> s;
                    s.Pozice = m.Pozice;
                    s.Citac = citac;
                    s.CenaVpred = strana == 0 ? ta.Polomer : cena;
                    s.CenaZpet = strana == 0 ? cena : ta.Polomer;
                    s.Pokracovani = spolecne != 0 ? NejnizsiBit(spolecne) : -1;
                    s.Celkem = s.CenaVpred + s.CenaZpet - (spolecne != 0 ? 1 : 0);
                    if (Nejlepsi.Celkem < 0 || s.Celkem < Nejlepsi.Celkem)
                        Nejlepsi = s;
                }
            }
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
