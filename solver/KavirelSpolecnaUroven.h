// SPDX-License-Identifier: GPL-3.0-or-later
// A level that the search may help to build (TUrovne::Pomoz). The thread
// building levels opens the new set, and whoever takes a piece of the last
// level's slots steps back from its positions into that set, so that while
// the levels are worth more than the search, both cores build them. A free
// slot is claimed with an atomic compare-and-swap, so a position reached
// from two pieces at once is stored once. Only the builder grows the set,
// and only once it has closed the level and no helper is inside a piece;
// the builder waits for a helper, never a helper for the builder.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>

#include "KavirelPozice.h"
#include "KavirelTabulky.h"

namespace KavirelHledani {

template <class K>
class TSpolecnaUroven {
public:
    static constexpr std::size_t Kus = 64;  // slots of the last level per piece
    static constexpr std::size_t Zadny = ~std::size_t(0);

    // Builder: steps back from every piece of `posledni` into `nova`, each
    // piece adding at most `rezerva` positions, with whoever helps.
    // `zvetsi(nova)` doubles the set when another piece might not fit.
    // False when `stop()` or when zvetsi failed (`plno`; `kde` then the
    // last level's slots taken so far).
    template <class FStop, class FZvetsi, class FKroky>
    bool Stav(TMnozina<K>& nova, const TMnozina<K>& posledni, std::size_t rezerva, FStop&& stop,
              FZvetsi&& zvetsi, FKroky&& kroky, bool& plno, std::size_t& kde)
    {
        Zacni(posledni, rezerva);
        for (;;) {
            Otevri(nova, nova.Kapacita());
            bool dalsi = false;
            while (!stop()) {
                const std::size_t kus = Vezmi(dalsi);
                if (kus == Zadny)
                    break;
                Krokuj(kus, kroky);
            }
            Zavri();
            nova.Nula = Nula.load(std::memory_order_relaxed);
            nova.Pocet = Zaplneno.load(std::memory_order_relaxed) + (nova.Nula ? 1 : 0);
            if (stop())
                return false;
            if (!dalsi)
                return true;
            if (!zvetsi(nova)) {
                plno = true;
                kde = std::min(Dalsi.load(std::memory_order_relaxed) * Kus, ZdrojSlotu) - 1;
                return false;
            }
        }
    }

    // Helper: steps back from pieces of the level being built, if one is
    // open, until none is left or `zastavit`; returns how many pieces.
    template <class FKroky>
    std::size_t Pomoz(const std::atomic<bool>& zastavit, FKroky&& kroky)
    {
        if (!Vstup())
            return 0;
        std::size_t kusu = 0;
        bool plno = false;
        while (!zastavit.load(std::memory_order_relaxed)) {
            const std::size_t kus = Vezmi(plno);
            if (kus == Zadny)
                break;
            Krokuj(kus, kroky);
            ++kusu;
        }
        Pomocniku.fetch_sub(1, std::memory_order_release);
        return kusu;
    }

    // The steps back of the last level built.
    std::size_t KrokuCelkem() const { return Kroku.load(std::memory_order_relaxed); }

private:
    // Builder, once per level: the pieces of `posledni` are to be taken,
    // each of them adding at most `rezerva` positions.
    void Zacni(const TMnozina<K>& posledni, std::size_t rezerva)
    {
        Zdroj = posledni.Data;
        ZdrojSlotu = posledni.Maska + 1;
        Kusu = (ZdrojSlotu + Kus - 1) / Kus;
        Rezerva = rezerva;
        Dalsi.store(0, std::memory_order_relaxed);
        Kroku.store(0, std::memory_order_relaxed);
        Nula.store(false, std::memory_order_relaxed);
    }

    // Builder: the pieces not yet taken may be taken, their positions going
    // into `nova` (no piece is in progress), which may hold `mez`.
    void Otevri(const TMnozina<K>& nova, std::size_t mez)
    {
        Data = nova.Data;
        Maska = nova.Maska;
        Mez = mez;
        Zaplneno.store(nova.Pocet - (nova.Nula ? 1 : 0), std::memory_order_relaxed);
        Otevreno.store(true, std::memory_order_seq_cst);
    }

    // Builder: no piece is taken from now on; returns once every helper
    // has left.
    void Zavri()
    {
        Otevreno.store(false, std::memory_order_seq_cst);
        while (Pomocniku.load(std::memory_order_seq_cst) != 0)
            std::this_thread::yield();
    }

    // Helper: false when the level is not open (then it must not touch it).
    bool Vstup()
    {
        Pomocniku.fetch_add(1, std::memory_order_seq_cst);
        if (Otevreno.load(std::memory_order_seq_cst))
            return true;
        Pomocniku.fetch_sub(1, std::memory_order_release);
        return false;
    }

    // The next piece, or Zadny when all are taken, the level is closed, or
    // the set has no room for one more piece (`plno`). Room is reserved
    // for the whole piece, so that the set never fills up however many
    // pieces are in progress.
    std::size_t Vezmi(bool& plno)
    {
        plno = false;
        if (!Otevreno.load(std::memory_order_relaxed))
            return Zadny;
        if (Zaplneno.fetch_add(Rezerva, std::memory_order_relaxed) + Rezerva > Mez) {
            Zaplneno.fetch_sub(Rezerva, std::memory_order_relaxed);
            plno = true;
            return Zadny;
        }
        const std::size_t kus = Dalsi.fetch_add(1, std::memory_order_relaxed);
        if (kus < Kusu)
            return kus;
        Zaplneno.fetch_sub(Rezerva, std::memory_order_relaxed);
        return Zadny;
    }

    // Steps back from the positions of piece `kus` into the set:
    // `kroky(p, dal)` calls dal(k) for each position k one jump before p
    // and returns how many. Each slot is set a few positions after its
    // prefetch, so that the cache misses overlap.
    template <class FKroky>
    void Krokuj(std::size_t kus, FKroky&& kroky)
    {
        constexpr int Fronta = 16;
        K klic[Fronta];
        std::size_t misto[Fronta];
        int ve = 0;
        std::size_t novych = 0, kroku = 0;
        bool nula = false;
        const auto dal = [&](K k) {
            if (k == 0) {
                nula = true;
                return;
            }
            const std::size_t m = static_cast<std::size_t>(Otisk(k)) & Maska;
            __builtin_prefetch(&Data[m], 1);
            const int q = ve++ % Fronta;
            if (ve > Fronta)
                novych += Vloz(klic[q], misto[q]);
            klic[q] = k;
            misto[q] = m;
        };
        const std::size_t po = std::min((kus + 1) * Kus, ZdrojSlotu);
        for (std::size_t i = kus * Kus; i < po; ++i)
            if (Zdroj[i] != 0)
                kroku += static_cast<std::size_t>(kroky(Zdroj[i], dal));
        for (int i = std::max(ve - Fronta, 0); i < ve; ++i)
            novych += Vloz(klic[i % Fronta], misto[i % Fronta]);
        Hotovo(novych, kroku, nula);
    }

    // A piece is done: it added `novych` positions in `kroku` steps back.
    void Hotovo(std::size_t novych, std::size_t kroku, bool nula)
    {
        Zaplneno.fetch_sub(Rezerva - novych, std::memory_order_relaxed);
        Kroku.fetch_add(kroku, std::memory_order_relaxed);
        if (nula)
            Nula.store(true, std::memory_order_relaxed);
    }

    // Stores k from slot i on; true when it was not there yet.
    bool Vloz(K k, std::size_t i) const
    {
        for (;; i = (i + 1) & Maska) {
            K v = __atomic_load_n(&Data[i], __ATOMIC_RELAXED);
            if (v == 0) {
                if (__atomic_compare_exchange_n(&Data[i], &v, k, false, __ATOMIC_RELAXED, __ATOMIC_RELAXED))
                    return true;
            }
            if (v == k)
                return false;
        }
    }

    // The last level's slots and the set being built.
    const K* Zdroj = nullptr;
    std::size_t ZdrojSlotu = 0;
    std::size_t Kusu = 0;
    K* Data = nullptr;
    std::size_t Maska = 0;
    std::size_t Mez = 0;
    std::size_t Rezerva = 0;
    std::atomic<bool> Otevreno{false};
    std::atomic<int> Pomocniku{0};
    std::atomic<std::size_t> Dalsi{0};
    // Positions stored plus the room reserved for pieces in progress.
    std::atomic<std::size_t> Zaplneno{0};
    std::atomic<std::size_t> Kroku{0};
    std::atomic<bool> Nula{false};
};

}  // namespace KavirelHledani
