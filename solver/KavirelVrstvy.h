// SPDX-License-Identifier: GPL-3.0-or-later
// The layers of the minimum search (KavirelNejmene.h): the positions with
// one value of the counter, each with the least number of moves it is
// reached by and the fields where those cheapest ways may leave a move to
// continue. Every block is drawn from one budget, the job's memory bound.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>

#include "KavirelPozice.h"
#include "KavirelTabulky.h"

namespace KavirelHledani {

// The bytes all layers of one search may take together.
class TRozpocet {
public:
    explicit TRozpocet(std::size_t limit) : Limit(limit) {}

    bool Vezmi(std::size_t bajtu)
    {
        if (bajtu > Limit || Pouzito > Limit - bajtu)
            return false;
        Pouzito += bajtu;
        return true;
    }
    void Vrat(std::size_t bajtu) { Pouzito -= bajtu; }
    std::size_t DejLimit() const { return Limit; }

private:
    const std::size_t Limit;
    std::size_t Pouzito = 0;
};

// A zero-filled block counted against the budget while it lives.
class TPametVrstvy {
public:
    TPametVrstvy() = default;
    TPametVrstvy(const TPametVrstvy&) = delete;
    TPametVrstvy& operator=(const TPametVrstvy&) = delete;
    ~TPametVrstvy() { Uvolni(); }

    unsigned char* Ziskej(TRozpocet& rozpocet, std::size_t bajtu)
    {
        Uvolni();
        if (!rozpocet.Vezmi(bajtu))
            return nullptr;
        if (!Blok.Ziskej(bajtu)) {
            rozpocet.Vrat(bajtu);
            return nullptr;
        }
        Rozpocet = &rozpocet;
        Bajtu = bajtu;
        if (bajtu >= MezVelkychStranek)
            PouzijVelkeStranky(Blok.get(), bajtu);
        return Blok.get();
    }

    void Uvolni()
    {
        if (Rozpocet != nullptr)
            Rozpocet->Vrat(Bajtu);
        Blok = TBlok{};
        Rozpocet = nullptr;
        Bajtu = 0;
    }

    void Vymen(TPametVrstvy& jina)
    {
        std::swap(Blok, jina.Blok);
        std::swap(Rozpocet, jina.Rozpocet);
        std::swap(Bajtu, jina.Bajtu);
    }

private:
    TBlok Blok;
    TRozpocet* Rozpocet = nullptr;
    std::size_t Bajtu = 0;
};

// The move count rides in the top byte of a word whose other bits are a set
// of fields, plus one, so that a word of 0 is a free slot. The searches
// pick K wide enough to leave that byte free.
template <class K>
struct TCena {
    static constexpr int Posun = 8 * static_cast<int>(sizeof(K)) - 8;
    static constexpr K Pole = (K(1) << Posun) - 1;
    static K Slovo(int cena, K pole) { return pole | (K(static_cast<unsigned>(cena) + 1) << Posun); }
    static int Z(K slovo) { return static_cast<int>(static_cast<unsigned>(slovo >> Posun)) - 1; }
};

// Open addressing over slots chosen from a position's fingerprint: a multiple
// of the table's size rather than a power of two, so that a table can be
// sized close to what it will hold.
inline std::size_t MistoPro(std::uint64_t otisk, std::size_t mist)
{
    return static_cast<std::size_t>(((otisk >> 32) * mist) >> 32);
}

// A layer in full form: position, least moves and the fields where a move
// may continue (forwards: the landing fields of the cheapest ways in;
// backwards: the start fields of the cheapest ways on), in the frame of the
// stored position and closed under its own symmetries.
template <class K>
class TVrstva {
public:
    struct TMisto {
        K Pozice;
        K Udaje;  // TCena: the fields and the moves; 0 a free slot
    };

    // An empty layer; false when the budget has no room. A stop request
    // cuts a growth of the table short (as a failure).
    bool Vytvor(TRozpocet& rozpocet, const std::atomic<bool>& zastavit)
    {
        const std::size_t mist = 64;
        unsigned char* p = Pamet.Ziskej(rozpocet, mist * sizeof(TMisto));
        if (p == nullptr)
            return false;
        Mista = reinterpret_cast<TMisto*>(p);
        Mist = mist;
        Pocet = 0;
        Rozpocet = &rozpocet;
        Zastavit = &zastavit;
        return true;
    }

    std::size_t DejPocet() const { return Pocet; }
    std::size_t DejMist() const { return Mist; }
    const TMisto& Misto(std::size_t i) const { return Mista[i]; }

    // The least moves of `pozice` (and its fields), or -1 when absent.
    int Najdi(K pozice, K& pole) const
    {
        for (std::size_t i = MistoPro(Otisk(pozice), Mist);; i = Dalsi(i)) {
            const TMisto& m = Mista[i];
            if (m.Udaje == 0)
                return -1;
            if (m.Pozice == pozice) {
                pole = m.Udaje & TCena<K>::Pole;
                return TCena<K>::Z(m.Udaje);
            }
        }
    }
    void Predtahni(K pozice) const { __builtin_prefetch(&Mista[MistoPro(Otisk(pozice), Mist)]); }

    // Adds a way to `pozice` with `cena` moves leaving `pole` to continue
    // from: fewer moves replace what was there, as many add their fields.
    // The insertion waits in a short queue behind the fetch of its slot, so
    // that the cache misses of many insertions overlap. False when the
    // table had to grow and the budget had no room.
    bool Vloz(K pozice, int cena, K pole)
    {
        if (Cekajicich == DelkaFronty) {
            Uloz(Fronta[Hlava]);
            Hlava = (Hlava + 1) % DelkaFronty;
            --Cekajicich;
        }
        const std::size_t i = MistoPro(Otisk(pozice), Mist);
        __builtin_prefetch(&Mista[i], 1);
        Fronta[(Hlava + Cekajicich) % DelkaFronty] = TCekajici{pozice, TCena<K>::Slovo(cena, pole), i};
        ++Cekajicich;
        return static_cast<double>(Pocet) < static_cast<double>(Mist) * MaxPlneni || Zvetsi();
    }

    // Stores what waits in the queue.
    void Dokonci()
    {
        for (; Cekajicich > 0; --Cekajicich, Hlava = (Hlava + 1) % DelkaFronty)
            Uloz(Fronta[Hlava]);
        Hlava = 0;
    }

    void Uvolni()
    {
        Pamet.Uvolni();
        Mista = nullptr;
        Mist = 0;
        Pocet = 0;
    }

private:
    static constexpr double MaxPlneni = 0.75;  // grows beyond this share of used slots
    static constexpr int DelkaFronty = 16;

    struct TCekajici {
        K Pozice;
        K Udaje;
        std::size_t Misto;
    };

    TPametVrstvy Pamet;
    TRozpocet* Rozpocet = nullptr;
    const std::atomic<bool>* Zastavit = nullptr;
    TMisto* Mista = nullptr;
    std::size_t Mist = 0;
    std::size_t Pocet = 0;
    TCekajici Fronta[DelkaFronty];
    int Hlava = 0;
    int Cekajicich = 0;

    std::size_t Dalsi(std::size_t i) const { return i + 1 == Mist ? 0 : i + 1; }

    void Uloz(const TCekajici& c)
    {
        for (std::size_t i = c.Misto;; i = Dalsi(i)) {
            TMisto& m = Mista[i];
            if (m.Udaje == 0) {
                m.Pozice = c.Pozice;
                m.Udaje = c.Udaje;
                ++Pocet;
                return;
            }
            if (m.Pozice == c.Pozice) {
                const K byla = m.Udaje & ~TCena<K>::Pole;
                const K je = c.Udaje & ~TCena<K>::Pole;
                if (je < byla)
                    m.Udaje = c.Udaje;
                else if (je == byla)
                    m.Udaje |= c.Udaje;
                return;
            }
        }
    }

    // Doubles the table, with what waits in the queue.
    bool Zvetsi()
    {
        Dokonci();
        TPametVrstvy nova;
        const std::size_t mist = Mist * 2;
        unsigned char* p = nova.Ziskej(*Rozpocet, mist * sizeof(TMisto));
        if (p == nullptr)
            return false;
        const TMisto* stara = Mista;
        const std::size_t stareMist = Mist;
        Mista = reinterpret_cast<TMisto*>(p);
        Mist = mist;
        Pocet = 0;
        Pamet.Vymen(nova);  // the old block goes with `nova`
        for (std::size_t i = 0; i < stareMist; ++i) {
            if ((i & 0xFFFF) == 0 && Zastavit->load(std::memory_order_relaxed))
                return false;
            if (stara[i].Udaje != 0)
                Vloz(stara[i].Pozice, TCena<K>::Z(stara[i].Udaje), stara[i].Udaje & TCena<K>::Pole);
        }
        Dokonci();
        return true;
    }
};

}  // namespace KavirelHledani
