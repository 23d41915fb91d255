// SPDX-License-Identifier: GPL-3.0-or-later
// The shortest mode's memory of finished subtrees that recorded a solution.
//
// Whether and what a subtree records depends only on its position, the field
// where the last jump landed (while a jump may start there), whether that
// jump was vertical (which orders the jumps tried next) and the bound vector
// below it relative to the moves made so far. Say a visit ended with σ as
// the last solution it recorded. Nothing later in that subtree met the bound
// then in force, which was σ's own move counts; and anything earlier that met
// those counts was recorded before σ, so it had exactly σ's counts. A later
// visit of the same subtree that meets exactly σ's counts therefore records a
// run of solutions with σ's counts that ends with σ, and the bound keeps its
// values below: it may record σ at once. Such visits are common, since a
// finished solution fixes the bound and its sibling moves in another order
// reach the same positions with the same counts.
#pragma once

#include <cstdint>

#include "KavirelPozice.h"
#include "KavirelTabulky.h"

namespace KavirelHledani {

// Subtrees whose solutions have more jumps than this are not remembered: a
// line of the table holds the key and the jumps.
constexpr int MaxDelkaUspechu = 24;

class TUspechy {
public:
    bool Vytvor(std::size_t bajty)
    {
        const std::size_t radku = MocninaRadku(bajty, sizeof(TRadek));
        if (radku == 0 || !Pamet.Ziskej(radku * sizeof(TRadek)))
            return false;
        Radky = reinterpret_cast<TRadek*>(Pamet.get());
        Maska = radku - 1;
        if (radku * sizeof(TRadek) >= MezVelkychStranek)
            PouzijVelkeStranky(Radky, radku * sizeof(TRadek));
        return true;
    }

    explicit operator bool() const { return Radky != nullptr; }

    // `klic`: the landing field + 1 (0 when no jump may start there) and,
    // in bit 8, a vertical last jump. Returns the jumps of σ, or nullptr.
    template <class K>
    const std::uint16_t* Najdi(K s, std::uint32_t klic, int delka) const
    {
        const TRadek& r = Radek(Dolni(s), Klic(Horni(s), klic, delka));
        return r.A == Dolni(s) && r.B == Klic(Horni(s), klic, delka) ? r.Skoky : nullptr;
    }

    template <class K>
    void Predtahni(K s, std::uint32_t klic, int delka) const
    {
        __builtin_prefetch(&Radek(Dolni(s), Klic(Horni(s), klic, delka)));
    }

    // The newest subtree takes the line: it is the one the bound now fits.
    template <class K>
    void Uloz(K s, std::uint32_t klic, const std::uint16_t* skoky, int delka)
    {
        TRadek& r = Radek(Dolni(s), Klic(Horni(s), klic, delka));
        r.A = Dolni(s);
        r.B = Klic(Horni(s), klic, delka);
        for (int i = 0; i < delka; ++i)
            r.Skoky[i] = skoky[i];
    }

private:
    struct alignas(64) TRadek {
        std::uint64_t A;  // lower 64 bits of the position
        std::uint64_t B;  // upper bits, the key and the length; 0 for a free line
        std::uint16_t Skoky[MaxDelkaUspechu];
    };
    static_assert(sizeof(TRadek) == 64, "a line of the table is a cache line");

    // Bits 0..16 the upper bits of the position (at most 81 fields), 17..25
    // the key, 26..32 the length, 63 set in every used line.
    static std::uint64_t Klic(std::uint64_t horni, std::uint32_t klic, int delka)
    {
        return horni | (std::uint64_t(klic & 0x1FF) << 17) | (std::uint64_t(delka & 0x7F) << 26)
               | (std::uint64_t(1) << 63);
    }

    TRadek& Radek(std::uint64_t a, std::uint64_t b) const
    {
        return Radky[static_cast<std::size_t>(Promichej(a * 0xD6E8FEB86659FD93ULL ^ b)) & Maska];
    }

    TBlok Pamet;
    TRadek* Radky = nullptr;
    std::size_t Maska = 0;
};

}  // namespace KavirelHledani
