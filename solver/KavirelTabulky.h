// SPDX-License-Identifier: GPL-3.0-or-later
// The memory of one search: the table of dead positions and failed visits,
// the open addressing sets the backward levels are built in, and the
// filters the search asks about those levels.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "KavirelChyby.h"
#include "KavirelPozice.h"

namespace KavirelHledani {

// ---------------------------------------------------------------------------
// Memory of one job. Both blocks come from the C allocator zero-filled, so
// the pages are mapped lazily and a small search touches only a few of them.

// A zero-filled block aligned to a cache line.
class TBlok {
public:
    bool Ziskej(std::size_t bajty)
    {
        Surovy.reset(std::calloc(bajty + 64, 1));
        return Surovy != nullptr;
    }
    unsigned char* get() const
    {
        const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(Surovy.get());
        return reinterpret_cast<unsigned char*>((a + 63) & ~std::uintptr_t(63));
    }
    explicit operator bool() const { return Surovy != nullptr; }

private:
    struct TUvolneni {
        void operator()(void* p) const { std::free(p); }
    };
    std::unique_ptr<void, TUvolneni> Surovy;
};

// Once a table has grown large, huge pages mean fewer page faults and TLB
// misses for its random accesses; a small search is better off without them,
// since each one is zeroed whole when first touched.
constexpr std::size_t MezVelkychStranek = std::size_t(8) << 20;

inline void PouzijVelkeStranky(void* p, std::size_t bajty)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const std::size_t stranka = std::size_t(2) << 20;
    const std::uintptr_t od = (reinterpret_cast<std::uintptr_t>(p) + stranka - 1) & ~(stranka - 1);
    const std::uintptr_t po = (reinterpret_cast<std::uintptr_t>(p) + bajty) & ~(stranka - 1);
    if (po > od)
        madvise(reinterpret_cast<void*>(od), po - od, MADV_HUGEPAGE);
#else
    (void)p;
    (void)bajty;
#endif
}

// The most lines of `radek` bytes, a power of two so that a mask picks one,
// that fit in `bajty`; 0 when not even one does.
inline std::size_t MocninaRadku(std::size_t bajty, std::size_t radek)
{
    if (radek > bajty)
        return 0;
    std::size_t radku = 1;
    while (radku * 2 * radek <= bajty)
        radku *= 2;
    return radku;
}

// How the memory bound of a job is shared among the table of dead positions
// and failed visits, the table of recorded subtrees and the arena of the
// backward levels (0: no levels).
struct TRozdeleniPameti {
    std::size_t Tabulka = 0;
    std::size_t Uspechy = 0;
    std::size_t Arena = 0;
};

// `poli`: the board's fields; `uspechy`: a table of recorded subtrees is
// wanted; `sUrovnemi`: the levels are built.
inline TRozdeleniPameti RozdelPamet(std::size_t limit, int poli, bool nejkratsi, bool uspechy, bool sUrovnemi)
{
    TRozdeleniPameti r;
    limit = std::max<std::size_t>(limit, 4096);
    r.Tabulka = sUrovnemi ? limit / 2 : limit;
    // No more than the positions there are (and, in the shortest mode, a
    // failed visit per landing field).
    const double pozic = std::ldexp(1.0, poli) * (nejkratsi ? 9.0 : 1.0);
    const double potreba = pozic * 32.0;
    if (potreba < static_cast<double>(r.Tabulka))
        r.Tabulka = std::max<std::size_t>(static_cast<std::size_t>(potreba), 256);
    // Recorded subtrees are few: the bound changes with each new best
    // solution, and only the newest matter. The table of failed visits,
    // which a large search needs most, keeps its size (a power of two).
    r.Uspechy = uspechy ? std::max<std::size_t>(r.Tabulka / 64, 64) : 0;
    if (r.Tabulka + r.Uspechy > limit)
        r.Tabulka = limit - r.Uspechy;
    if (!sUrovnemi)
        return r;
    // A multiple of the huge page size, so that the whole block may use
    // them; for a small board no more than its positions can fill (the sets
    // being built and their filters).
    const std::size_t zbyva = limit - r.Tabulka - r.Uspechy;
    r.Arena = zbyva & ~((std::size_t(1) << 21) - 1);
    const double potrebaAreny = std::max(std::ldexp(1.0, poli) * 80.0, 1048576.0);
    if (potrebaAreny < static_cast<double>(r.Arena))
        r.Arena = static_cast<std::size_t>(potrebaAreny) & ~std::size_t(63);
    if (r.Arena == 0)
        r.Arena = zbyva & ~std::size_t(63);
    return r;
}

// Positions proven dead, and for the shortest mode the smallest move count
// of a failed visit per (position, landing field). Four entries share a cache
// line; a full line gives up its least valuable entry, so a full table
// behaves as a cache. A table kept from one request to the next marks its
// entries with the request's era: those of earlier requests give way first,
// whatever their level, or the searches of a game's first hints, which stand
// high above the goal, would keep those of its later ones out of the table.
// The whole table is reserved at the start of the job but used from a small
// prefix that doubles as it fills, so that a short search touches only a few
// pages.
class TTabulka {
public:
    explicit operator bool() const { return Kose != nullptr; }

    bool Vytvor(std::size_t bajty)
    {
        const std::size_t kosu = MocninaRadku(bajty, sizeof(TKos));
        if (kosu == 0 || !Pamet.Ziskej(kosu * sizeof(TKos)))
            return false;
        Kose = reinterpret_cast<TKos*>(Pamet.get());
        MaxKosu = kosu;
        Maska = std::min<std::size_t>(kosu, 256) - 1;
        return true;
    }

    // Every entry of a position lies in the same line, so one fetch serves
    // the question whether it is dead and those about its failed visits.
    template <class K>
    void Predtahni(K s) const
    {
        __builtin_prefetch(&Kos(Dolni(s), Horni(s)));
    }

    // A dead position of an earlier era that is asked about again joins the
    // present one, so that it is not the first to go.
    template <class K>
    bool JeMrtva(K s) const
    {
        std::uint64_t* b = Najdi(Dolni(s), KlicMrtve(Horni(s)));
        if (b == nullptr)
            return false;
        if ((*b & MaskaEry) != Era)
            *b = (*b & ~MaskaEry) | Era;
        return true;
    }

    template <class K>
    void UlozMrtvou(K s, int uroven)
    {
        Uloz(Dolni(s), KlicMrtve(Horni(s)), uroven, 0);
    }

    // The smallest failed move count, or -1.
    template <class K>
    int NeuspesnyTah(K s, std::uint8_t kam) const
    {
        const std::uint64_t* b = Najdi(Dolni(s), KlicNeuspechu(Horni(s), kam));
        return b == nullptr ? -1 : static_cast<int>((*b >> 33) & 0xFF);
    }

    template <class K>
    void UlozNeuspech(K s, std::uint8_t kam, int tahy, int uroven)
    {
        Uloz(Dolni(s), KlicNeuspechu(Horni(s), kam), uroven, tahy);
    }

    // The era of the entries stored from now on (8 bits, 0 when the table
    // is not kept).
    void NastavEru(std::uint8_t era) { Era = std::uint64_t(era) << 41; }

    bool MaRust() const { return Obsazeno * 2 >= (Maska + 1) * 4 && (Maska + 1) * 2 <= MaxKosu; }

    // Doubles the part in use. Each entry either stays or moves to the new
    // twin of its line; a stop request leaves the remaining lines unsplit,
    // which only loses entries, as a cache may.
    template <class TStop>
    void Rust(const TStop& stop)
    {
        const std::size_t kosu = Maska + 1;
        const std::size_t novaMaska = 2 * kosu - 1;
        TKos* k = Kose;
        for (std::size_t b = 0; b < kosu; ++b) {
            if ((b & 1023) == 0 && stop())
                break;
            for (int i = 0; i < 4; ++i) {
                if (k[b].B[i] == 0)
                    continue;
                const std::size_t cil = Hash(k[b].A[i], k[b].B[i] & MaskaHorni) & novaMaska;
                if (cil != b) {
                    k[cil].A[i] = k[b].A[i];
                    k[cil].B[i] = k[b].B[i];
                    k[b].A[i] = 0;
                    k[b].B[i] = 0;
                }
            }
        }
        Maska = novaMaska;
        if (!VelkeStranky && (Maska + 1) * sizeof(TKos) >= MezVelkychStranek) {
            PouzijVelkeStranky(Kose, MaxKosu * sizeof(TKos));
            VelkeStranky = true;
        }
    }

private:
    struct alignas(64) TKos {
        std::uint64_t A[4];  // lower 64 bits of the position
        std::uint64_t B[4];  // see below; 0 for a free entry
    };
    // B: bits 0..16 the upper bits of the position, 17..24 the landing
    // field's number, 25 the kind, 26..32 the level, 33..40 the move count,
    // 41..48 the era, 63 set in every used entry. Bits 0..25 and 63 form
    // the key.
    static constexpr std::uint64_t MaskaKlice = ((std::uint64_t(1) << 26) - 1) | (std::uint64_t(1) << 63);

    static std::uint64_t KlicMrtve(std::uint64_t horni) { return horni | (std::uint64_t(1) << 63); }
    static std::uint64_t KlicNeuspechu(std::uint64_t horni, std::uint8_t kam)
    {
        return horni | (std::uint64_t(kam) << 17) | (std::uint64_t(1) << 25) | (std::uint64_t(1) << 63);
    }

    static constexpr std::uint64_t MaskaHorni = (std::uint64_t(1) << 17) - 1;

    // Of the position only: the search fetches a position's line once, while
    // the position is generated, and then asks it up to three questions. The
    // entries of one position compete for the four places of its line, which
    // the eviction by level settles as for any other entries.
    static std::size_t Hash(std::uint64_t a, std::uint64_t horni)
    {
        return static_cast<std::size_t>(Promichej(a * 0x9E3779B97F4A7C15ULL ^ (horni + 0x632BE59BD9B4E019ULL)));
    }

    TKos& Kos(std::uint64_t a, std::uint64_t klic) const { return Kose[Hash(a, klic & MaskaHorni) & Maska]; }

    std::uint64_t* Najdi(std::uint64_t a, std::uint64_t klic) const
    {
        TKos& k = Kos(a, klic);
        for (int i = 0; i < 4; ++i)
            if (k.A[i] == a && (k.B[i] & MaskaKlice) == klic)
                return &k.B[i];
        return nullptr;
    }

    void Uloz(std::uint64_t a, std::uint64_t klic, int uroven, int tahy)
    {
        // The level sits in seven bits and ranks entries for eviction; a
        // negative one would wrap into the bits of the move count.
        KAVIREL_ASSERT(uroven >= 0, "Zaporna uroven v tabulce hledani", "KavirelHledani");
        TKos& k = Kos(a, klic);
        const std::uint64_t hodnota = klic | (std::uint64_t(std::min(uroven, 127)) << 26)
                                      | (std::uint64_t(tahy & 0xFF) << 33) | Era;
        int obet = 0;
        int nejmene = 1 << 30;
        for (int i = 0; i < 4; ++i) {
            if (k.A[i] == a && (k.B[i] & MaskaKlice) == klic) {
                // A failed visit with fewer moves says more.
                const int stare = static_cast<int>((k.B[i] >> 33) & 0xFF);
                if (tahy < stare)
                    k.B[i] = hodnota;
                return;
            }
            const int u = UrovenObeti(k.B[i]);
            if (u < nejmene) {
                nejmene = u;
                obet = i;
            }
        }
        // A position further from the goal stands for a larger subtree.
        if (nejmene > uroven)
            return;
        if (nejmene == VolneMisto)
            ++Obsazeno;
        k.A[obet] = a;
        k.B[obet] = hodnota;
    }

    // The level by which an entry ranks for eviction: a used one below
    // every level when it is of an earlier era, a free one below them all.
    static constexpr int VolneMisto = -256;
    int UrovenObeti(std::uint64_t b) const
    {
        if (b == 0)
            return VolneMisto;
        const int u = static_cast<int>((b >> 26) & 0x7F);
        return (b & MaskaEry) == Era ? u : u - 128;
    }

    static constexpr std::uint64_t MaskaEry = std::uint64_t(0xFF) << 41;

    TBlok Pamet;
    std::uint64_t Era = 0;
    TKos* Kose = nullptr;
    std::size_t Maska = 0;
    std::size_t MaxKosu = 0;
    std::size_t Obsazeno = 0;
    bool VelkeStranky = false;
};

// The positions of one level being built, or of the last level built, from
// which the next one is built: an open addressing set, 0 marking a free slot
// (the position without stones has a flag of its own).
template <class K>
struct TMnozina {
    K* Data = nullptr;
    std::size_t Maska = 0;  // slots - 1, slots a power of two
    std::size_t Pocet = 0;
    bool Nula = false;

    std::size_t Bajtu() const { return (Maska + 1) * sizeof(K); }

    void VlozOd(K k, std::size_t i)
    {
        for (;; i = (i + 1) & Maska) {
            if (Data[i] == 0) {
                Data[i] = k;
                ++Pocet;
                return;
            }
            if (Data[i] == k)
                return;
        }
    }

    bool Plna() const { return Pocet + 16 > (Maska + 1) / 4 * 3; }
};

// What the search asks of a level: a blocked filter over the positions'
// fingerprints, a cache line per position. It may answer "perhaps" for a
// position that is not there, which only costs a visit, but never misses
// one that is; at about 12 bits per position the filter is small enough to
// stay in the processor's caches, where an exact set would not.
struct TFiltr {
    std::uint64_t* Slova = nullptr;  // 8 per block
    std::size_t Bloku = 0;
    std::size_t Pocet = 0;  // positions of the level

    static constexpr int Sond = 7;

    static std::size_t BlokuPro(std::size_t pozic) { return std::max<std::size_t>((pozic * 12 + 511) / 512, 1); }

    const std::uint64_t* Blok(std::uint64_t otisk) const
    {
        return Slova + 8 * static_cast<std::size_t>(((otisk >> 32) * Bloku) >> 32);
    }
    static std::uint64_t Sondy(std::uint64_t otisk) { return (otisk ^ (otisk >> 29)) * 0xBF58476D1CE4E5B9ULL; }

    void Predtahni(std::uint64_t otisk) const { __builtin_prefetch(Blok(otisk)); }

    bool MoznaObsahuje(std::uint64_t otisk) const
    {
        const std::uint64_t* b = Blok(otisk);
        const std::uint64_t g = Sondy(otisk);
        for (int i = 0; i < Sond; ++i) {
            const unsigned bit = static_cast<unsigned>(g >> (9 * i)) & 511;
            if (((b[bit >> 6] >> (bit & 63)) & 1) == 0)
                return false;
        }
        return true;
    }

    void Vloz(std::uint64_t otisk)
    {
        std::uint64_t* b = Slova + (Blok(otisk) - Slova);
        const std::uint64_t g = Sondy(otisk);
        for (int i = 0; i < Sond; ++i) {
            const unsigned bit = static_cast<unsigned>(g >> (9 * i)) & 511;
            b[bit >> 6] |= std::uint64_t(1) << (bit & 63);
        }
    }
};

}  // namespace KavirelHledani
