// SPDX-License-Identifier: GPL-3.0-or-later
// The backward levels: the goal positions, and from them, one jump further
// back each time, the positions that can still reach a goal. Level j holds
// the canonical positions whose counter is j above the goal's. The search
// asks a compact filter per level, which may let a dead position through
// but never cuts a live one. The exact set of a level is needed only to
// build the next one, so the last level may come as its filter alone.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <thread>
#include <utility>
#include <vector>

#include "KavirelChyby.h"
#include "KavirelPozice.h"
#include "KavirelTabulky.h"

namespace KavirelHledani {

constexpr std::size_t MaxCilu = 4096;
// The first levels, up to one of this many positions, are cheap and cut the
// most: they are built before the search starts.
constexpr std::size_t PrvniUrovne = 512;

// A position searched costs about as much as this many steps back while a
// level is built (measured on the built-in boards). The next level is built
// once the search's work, times the share below, has reached the work of the
// levels so far and of the next one. The fastest search gains more from a
// further level: below the levels it only proves positions dead, which the
// levels do faster.
constexpr double CenaPozice = 10;
constexpr double PodilStavebNejrychlejsi = 0.3;
constexpr double PodilStavebNejkratsi = 1.0;

// Starts a cache line: the object sits in the search right after the
// table, whose counters the search thread writes all the time, while the
// thread building levels keeps reading the fields here.
template <class K>
class alignas(64) TUrovne {
public:
    TUrovne(const TModel<K>& m, const TSymetrie<K>& sym, const std::atomic<bool>& zastavit)
        : M(m), Sym(sym), Zastavit(zastavit)
    {
    }
    ~TUrovne() { Ukonci(); }
    TUrovne(const TUrovne&) = delete;
    TUrovne& operator=(const TUrovne&) = delete;

    // Lists every goal position (as stones over the fields) unless there are
    // too many.
    bool VyctiCile(bool leibniz) { return KavirelHledani::VyctiCile(M, leibniz, MaxCilu, Cile); }

    // No goal position was listed.
    bool ZadnyCil() const { return Cile.empty(); }

    // The goals another object listed for the same board and start.
    void PrevezmiCile(TUrovne& jine) { Cile = std::move(jine.Cile); }

    // Drops the goal positions of another parity class than `s`, which can
    // never be reached from it. True when none is left.
    bool VyradCileJineParity(K s)
    {
        const int parita = Parita(M, s);
        Cile.erase(std::remove_if(Cile.begin(), Cile.end(), [&](K c) { return Parita(M, c) != parita; }),
                   Cile.end());
        return Cile.empty();
    }

    // Takes the arena and builds the first, cheap levels, which cut the most.
    // `hloubka`: the jumps of every solution, so the deepest level needed.
    void Zacni(std::size_t bajtu, int hloubka)
    {
        Hloubka = hloubka;
        ArenaBajtu = bajtu;
        SestavZpetneSkoky(M, Zpet);
        if (ArenaBajtu == 0 || !Arena.Ziskej(ArenaBajtu)) {
            ArenaBajtu = 0;
            return;
        }
        // Never more levels than this, so the filters never move and the
        // search may read them while the next one is built.
        Urovne.reserve(static_cast<std::size_t>(std::max(Hloubka, 0)) + 1);
        Filtry = Urovne.data();
        ZpetneMozne = true;
        while (ZpetneMozne && !Stop() && (Urovne.empty() || Urovne.back().Pocet < PrvniUrovne))
            Postav();
    }

    // Builds the further levels on a thread of their own, one after another
    // until all are built, the arena is full or a stop comes. Each becomes
    // visible to the search once complete. Results never depend on when a
    // level arrives: a level only tells dead positions, which the search
    // would otherwise find dead itself.
    void StavejNaPozadi()
    {
        if (!ZpetneMozne || Stop())
            return;
        Vlakno = std::thread([this] {
            // A failed check must reach the search's caller, not end the
            // program from a thread nobody catches on.
            try {
                while (ZpetneMozne && !Stop())
                    Postav();
            } catch (...) {
                Chyba = std::current_exception();
            }
        });
    }

    // Stops and joins the thread building levels; idempotent.
    void Ukonci()
    {
        Konec.store(true, std::memory_order_relaxed);
        if (Vlakno.joinable())
            Vlakno.join();
    }

    // After Ukonci: passes on what the thread building levels threw.
    void PredejChybu()
    {
        if (Chyba)
            std::rethrow_exception(std::exchange(Chyba, nullptr));
    }

    bool NaPozadi() const { return Vlakno.joinable(); }

    // Another level is worth building once the search's work, in positions,
    // times `podil` has reached the work of the levels so far and the next.
    void PostavPodlePrace(std::uint64_t pozic, double podil)
    {
        if (!NaPozadi() && ZpetneMozne
            && static_cast<double>(pozic) * CenaPozice >= podil * (PraceStaveb + OdhadStavby))
            Postav();
    }

    // The levels complete so far.
    std::size_t Pocet() const { return Hotovych.load(std::memory_order_acquire); }

    // False: the position with this fingerprint on level j < Pocet() reaches
    // no goal.
    bool MoznaZiva(std::size_t j, std::uint64_t otisk) const { return Filtry[j].MoznaObsahuje(otisk); }
    void Predtahni(std::size_t j, std::uint64_t otisk) const { Filtry[j].Predtahni(otisk); }

    // Of the n children of s (whose images are `obrazy`), child i reached by
    // jump skok(i) (-1: not asked), calls mrtve(i) for each whose own
    // children all miss level j < Pocet(). All the grandchildren's blocks
    // are fetched before the first is asked, so that their cache misses
    // overlap. `vnoucata`: room for a fingerprint per jump per child.
    template <class FSkok, class FMrtve>
    void NajdiMrtveDeti(K s, const K* obrazy, std::size_t j, int n, std::uint64_t* vnoucata, FSkok&& skok,
                        FMrtve&& mrtve) const
    {
        K obrazyDite[MaxObrazu];
        std::uint32_t konec[4 * MaxPoli];  // one past child i's last grandchild
        std::uint32_t m = 0;
        for (int i = 0; i < n; ++i) {
            const int k = skok(i);
            if (k >= 0) {
                const K dite = s ^ M.Skoky[static_cast<std::size_t>(k)].Maska;
                Sym.ObrazyPoSkoku(obrazy, k, obrazyDite);
                for (K x = dite & M.Obdelnik; x != 0; x &= x - 1) {
                    const int f = NejnizsiBit(x);
                    for (int d = 0; d < M.PocetSkoku[f][0]; ++d) {
                        const int kk = M.SkokyPole[f][0][d];
                        const TSkok<K>& sk = M.Skoky[static_cast<std::size_t>(kk)];
                        if ((dite & sk.Maska) != sk.Nutne)
                            continue;
                        vnoucata[m] = Otisk(Sym.KanonPoSkoku(dite ^ sk.Maska, obrazyDite, kk));
                        Filtry[j].Predtahni(vnoucata[m++]);
                    }
                }
            }
            konec[i] = m;
        }
        for (int i = 0; i < n; ++i) {
            const std::uint32_t od = i == 0 ? 0 : konec[i - 1];
            if (skok(i) < 0)
                continue;
            bool ziva = false;
            for (std::uint32_t v = od; v < konec[i] && !ziva; ++v)
                ziva = Filtry[j].MoznaObsahuje(vnoucata[v]);
            if (!ziva)
                mrtve(i);
        }
    }

private:
    const TModel<K>& M;
    const TSymetrie<K>& Sym;
    const std::atomic<bool>& Zastavit;
    int Hloubka = 0;

    // The arena holds the filters from the bottom up and, at its top, the
    // exact set of the last level, from which the next one is built (below
    // it).
    TBlok Arena;
    std::size_t ArenaBajtu = 0;
    std::size_t Dole = 0;    // bytes of the filters
    std::size_t Nahore = 0;  // bytes of the last level's exact set
    bool ArenaVelkeStranky = false;
    TMnozina<K> Posledni;
    std::vector<K> Cile;
    TZpetneSkoky<K> Zpet;
    std::vector<TFiltr> Urovne;  // the builder's own view
    const TFiltr* Filtry = nullptr;  // the same levels as the search reads them
    std::atomic<std::size_t> Hotovych{0};
    bool ZpetneMozne = false;
    std::thread Vlakno;
    std::atomic<bool> Konec{false};
    std::exception_ptr Chyba;  // written by the thread, read after joining it
    // The work of the levels, in steps back over a jump (one level's entry
    // and its predecessors). Counted rather than timed, so that a search
    // takes the same course on every run and every machine.
    double PraceStaveb = 0;   // spent on the levels so far
    double OdhadStavby = 0;   // expected for the next level
    std::size_t KrokuZpet = 0;

    bool Stop() const
    {
        return Zastavit.load(std::memory_order_relaxed) || Konec.load(std::memory_order_relaxed);
    }

    // Long clears and copies of the arena go by pieces, so that a stop
    // request is seen within a few milliseconds even while fresh pages are
    // being mapped.
    static constexpr std::size_t Kus = std::size_t(1) << 20;

    bool Vynuluj(void* p, std::size_t bajtu) const
    {
        unsigned char* b = static_cast<unsigned char*>(p);
        for (std::size_t od = 0; od < bajtu; od += Kus) {
            if (Stop())
                return false;
            std::memset(b + od, 0, std::min(Kus, bajtu - od));
        }
        return true;
    }

    // Moves a block to a higher address, from its top down.
    bool PresunNahoru(void* kam, const void* odkud, std::size_t bajtu) const
    {
        for (std::size_t zbyva = bajtu; zbyva > 0;) {
            if (Stop())
                return false;
            const std::size_t kus = std::min(Kus, zbyva);
            zbyva -= kus;
            std::memmove(static_cast<unsigned char*>(kam) + zbyva, static_cast<const unsigned char*>(odkud) + zbyva,
                         kus);
        }
        return true;
    }

    // A zeroed block of the arena just below the last level's exact set and
    // `pod` further bytes, or nullptr when it does not fit or a stop request
    // came.
    K* VyhradPod(std::size_t pod, std::size_t bajtu)
    {
        // The filters grow from the bottom and the sets from the top; the
        // subtractions below are sound only while the two never overlap.
        KAVIREL_ASSERT(Dole <= ArenaBajtu && Nahore <= ArenaBajtu - Dole, "Prekryti casti areny", "KavirelHledani");
        const std::size_t volno = ArenaBajtu - Dole - Nahore;
        if (pod > volno || bajtu > volno - pod)
            return nullptr;
        const std::size_t nahore = Nahore + pod;
        unsigned char* p = Arena.get() + (ArenaBajtu - nahore - bajtu);
        if (!ArenaVelkeStranky && bajtu >= MezVelkychStranek / 2) {
            PouzijVelkeStranky(Arena.get(), ArenaBajtu);
            ArenaVelkeStranky = true;
        }
        return Vynuluj(p, bajtu) ? reinterpret_cast<K*>(p) : nullptr;
    }

    // Inserts into a level being built a few positions behind their
    // prefetch, so that the cache misses of the random slots overlap.
    struct TVkladani {
        static constexpr int Delka = 16;
        K Klic[Delka];
        std::size_t Misto[Delka];
        int Pocet = 0;
        int Hlava = 0;
    };

    static void Vyprazdni(TMnozina<K>& u, TVkladani& v)
    {
        for (int i = 0; i < v.Pocet; ++i) {
            const int k = (v.Hlava + i) % TVkladani::Delka;
            u.VlozOd(v.Klic[k], v.Misto[k]);
        }
        v.Pocet = 0;
        v.Hlava = 0;
    }

    // Doubles the set being built, which lies just below the last level's:
    // rehashes it into a block below itself and moves that block up.
    bool Zvetsi(TMnozina<K>& u)
    {
        const std::size_t stare = u.Maska + 1;
        K* nova = VyhradPod(stare * sizeof(K), 2 * stare * sizeof(K));
        if (nova == nullptr)
            return false;
        TMnozina<K> v;
        v.Data = nova;
        v.Maska = 2 * stare - 1;
        for (std::size_t i = 0; i < stare; ++i) {
            if ((i & 0xFFFF) == 0 && Stop())
                return false;
            if (u.Data[i] != 0)
                v.VlozOd(u.Data[i], static_cast<std::size_t>(Otisk(u.Data[i])) & v.Maska);
        }
        K* cil = reinterpret_cast<K*>(Arena.get() + (ArenaBajtu - Nahore - 2 * stare * sizeof(K)));
        if (!PresunNahoru(cil, nova, 2 * stare * sizeof(K)))
            return false;
        u.Data = cil;
        u.Maska = v.Maska;
        u.Pocet = v.Pocet + (u.Nula ? 1 : 0);
        return true;
    }

    bool Pridej(TMnozina<K>& u, TVkladani& v, K k)
    {
        if (k == 0) {
            if (!u.Nula) {
                u.Nula = true;
                ++u.Pocet;
            }
        } else {
            const std::size_t misto = static_cast<std::size_t>(Otisk(k)) & u.Maska;
            __builtin_prefetch(&u.Data[misto], 1);
            if (v.Pocet == TVkladani::Delka) {
                u.VlozOd(v.Klic[v.Hlava], v.Misto[v.Hlava]);
                v.Klic[v.Hlava] = k;
                v.Misto[v.Hlava] = misto;
                v.Hlava = (v.Hlava + 1) % TVkladani::Delka;
            } else {
                const int i = (v.Hlava + v.Pocet++) % TVkladani::Delka;
                v.Klic[i] = k;
                v.Misto[i] = misto;
            }
        }
        if (u.Plna()) {
            Vyprazdni(u, v);
            return Zvetsi(u);
        }
        return true;
    }

    // Steps back from every position of the last level: calls `dal(k, i)`
    // with the canonical position before each jump that may have led there
    // (its landing field held a stone and the three fields were as after
    // it), i being the position's slot in the last level's set. A false
    // answer or a stop request ends the walk, which then returns false.
    template <class F>
    bool KrokujZpet(F&& dal)
    {
        K obrazy[MaxObrazu];
        std::uint16_t skoky[4 * MaxPoli];
        std::size_t kroku = 0;
        for (std::size_t i = 0; i <= Posledni.Maska; ++i) {
            const K p = Posledni.Data[i];
            if (p == 0)
                continue;
            if ((++kroku & 255) == 0 && Stop())
                return false;
            const int n = Zpet.Najdi(p, skoky);
            KrokuZpet += static_cast<std::size_t>(n);
            if (n == 0)
                continue;
            Sym.Obrazy(p, obrazy);
            for (int d = 0; d < n; ++d) {
                const TSkok<K>& s = M.Skoky[skoky[d]];
                if (!dal(Sym.KanonPoSkoku(p ^ s.Maska, obrazy, skoky[d]), i))
                    return false;
            }
        }
        return true;
    }

    // The level whose exact set no longer fits in the arena: only its
    // filter, filled straight from the steps back, each position as often as
    // it is reached. It takes a tenth of the set's bytes or less, and the search
    // asks nothing else of a level, but no level can be built on it, so it
    // is the last one. `odhad`: the positions expected, which size the filter
    // if there is room.
    void PostavJenFiltr(double odhad)
    {
        const std::size_t j = Urovne.size();
        if (j == 0 || static_cast<int>(j) > Hloubka)
            return;
        KrokuZpet = 0;
        TFiltr filtr;
        filtr.Pocet = static_cast<std::size_t>(odhad);
        filtr.Bloku = TFiltr::BlokuPro(filtr.Pocet);
        KAVIREL_ASSERT(Dole <= ArenaBajtu && Nahore <= ArenaBajtu - Dole, "Prekryti casti areny", "KavirelHledani");
        const std::size_t volno = ArenaBajtu - Dole - Nahore;
        filtr.Bloku = std::min(filtr.Bloku, volno / 64);
        if (filtr.Bloku < TFiltr::BlokuPro(Urovne[j - 1].Pocet))
            return;
        const std::size_t bajtuFiltru = filtr.Bloku * 64;
        filtr.Slova = reinterpret_cast<std::uint64_t*>(Arena.get() + Dole);
        if (!Vynuluj(filtr.Slova, bajtuFiltru))
            return;
        // Each block is set a few positions after its prefetch, so that the
        // cache misses overlap.
        constexpr int Fronta = 16;
        std::uint64_t fronta[Fronta];
        int ve = 0;
        const bool cely = KrokujZpet([&](K k, std::size_t) {
            const std::uint64_t otisk = Otisk(k);
            filtr.Predtahni(otisk);
            const int q = ve++ % Fronta;
            if (ve > Fronta)
                filtr.Vloz(fronta[q]);
            fronta[q] = otisk;
            return true;
        });
        if (!cely)
            return;
        for (int i = std::max(ve - Fronta, 0); i < ve; ++i)
            filtr.Vloz(fronta[i % Fronta]);
        Dole += bajtuFiltru;
        Urovne.push_back(filtr);
        Hotovych.store(Urovne.size(), std::memory_order_release);
        PraceStaveb += static_cast<double>(KrokuZpet);
    }

    // Builds the next level. Gives up for good when the arena is full;
    // leaves the level unbuilt when stopped.
    void Postav()
    {
        const std::size_t j = Urovne.size();
        KrokuZpet = 0;
        if (static_cast<int>(j) > Hloubka) {
            ZpetneMozne = false;
            return;
        }
        double odhad;
        if (j == 0) {
            odhad = static_cast<double>(Cile.size());
        } else if (j == 1) {
            odhad = static_cast<double>(Urovne[0].Pocet) * 4.0;
        } else {
            const double rust = static_cast<double>(Urovne[j - 1].Pocet)
                                / static_cast<double>(std::max<std::size_t>(Urovne[j - 2].Pocet, 1));
            odhad = static_cast<double>(Urovne[j - 1].Pocet) * std::max(rust, 1.0) * 1.1;
        }
        std::size_t kapacita = 64;
        while (static_cast<double>(kapacita) * 0.7 < odhad)
            kapacita *= 2;
        TMnozina<K> nova;
        nova.Data = VyhradPod(0, kapacita * sizeof(K));
        if (nova.Data == nullptr) {
            if (!Stop()) {
                PostavJenFiltr(odhad);
                ZpetneMozne = false;
            }
            return;
        }
        nova.Maska = kapacita - 1;
        TVkladani vkladani;
        if (j == 0) {
            for (K c : Cile) {
                if (!Pridej(nova, vkladani, Sym.Kanon(c))) {
                    ZpetneMozne = false;
                    return;
                }
            }
        } else {
            bool plno = false;
            std::size_t kde = 0;
            const bool cely = KrokujZpet([&](K k, std::size_t i) {
                kde = i;
                plno = !Pridej(nova, vkladani, k);
                return !plno;
            });
            if (plno) {
                // The set found so far, scaled by the share of the last
                // level stepped back from, says how large the level will be.
                if (!Stop())
                    PostavJenFiltr(std::max(odhad, static_cast<double>(nova.Pocet)
                                                       * static_cast<double>(Posledni.Maska + 1)
                                                       / static_cast<double>(kde + 1)));
                ZpetneMozne = false;
                return;
            }
            if (!cely)
                return;
        }
        Vyprazdni(nova, vkladani);

        // The new set replaces the last one at the top of the arena; the
        // filter goes to the bottom. A stop from here on loses the level,
        // which no longer matters then.
        K* vrchol = reinterpret_cast<K*>(Arena.get() + (ArenaBajtu - nova.Bajtu()));
        if (!PresunNahoru(vrchol, nova.Data, nova.Bajtu())) {
            ZpetneMozne = false;
            return;
        }
        nova.Data = vrchol;
        Nahore = nova.Bajtu();
        Posledni = nova;
        TFiltr filtr;
        filtr.Pocet = nova.Pocet;
        filtr.Bloku = TFiltr::BlokuPro(nova.Pocet);
        const std::size_t bajtuFiltru = filtr.Bloku * 64;
        if (bajtuFiltru > ArenaBajtu - Nahore - Dole) {
            ZpetneMozne = false;
            return;
        }
        filtr.Slova = reinterpret_cast<std::uint64_t*>(Arena.get() + Dole);
        if (!Vynuluj(filtr.Slova, bajtuFiltru)) {
            ZpetneMozne = false;
            return;
        }
        Dole += bajtuFiltru;
        for (std::size_t i = 0; i <= nova.Maska; ++i) {
            if ((i & 0xFFFF) == 0 && Stop()) {
                ZpetneMozne = false;
                return;
            }
            if (nova.Data[i] != 0)
                filtr.Vloz(Otisk(nova.Data[i]));
        }
        if (nova.Nula)
            filtr.Vloz(Otisk(K(0)));
        Urovne.push_back(filtr);
        Hotovych.store(Urovne.size(), std::memory_order_release);

        const double prace = static_cast<double>(KrokuZpet + nova.Pocet);
        PraceStaveb += prace;
        const double rust = j == 0 ? 4.0
                                   : static_cast<double>(nova.Pocet)
                                         / static_cast<double>(std::max<std::size_t>(Urovne[j - 1].Pocet, 1));
        OdhadStavby = prace * std::max(rust, 1.0);
    }

};

}  // namespace KavirelHledani
