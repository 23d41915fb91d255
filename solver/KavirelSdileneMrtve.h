// SPDX-License-Identifier: GPL-3.0-or-later
// The table of dead positions kept from one search of a board to the next:
// the hints of one game, one after another, ask about positions that the
// searches before them have largely proven dead already.
//
// A dead position is one from which no goal position can be reached. That
// depends on the board alone: its fields, the scanned rectangle, the goal
// pattern and counter, the game type, and the symmetries that pick the
// canonical image stored. All of them make up the board's signature, which
// is compared whole, so a table is never used for any other board. The
// start does not matter: the backward levels keep only goal positions of
// the start's parity class, so a position proven dead with their help may
// still reach a goal of another class, but no search from a start of
// another class ever meets it, since every jump keeps the class.
//
// Only the fastest mode's table holds nothing but dead positions (the
// shortest mode keeps failed visits beside them, which hold only under its
// own bound), so only that mode shares it. One search at a time borrows the
// table; one that finds it lent out or kept for another board searches with
// a table of its own, which replaces the kept one when it is handed back
// and nobody has borrowed that meanwhile. The memory stays bounded by the
// searches' own bound on their tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "KavirelPozice.h"
#include "KavirelTabulky.h"

namespace KavirelHledani {

using TPodpisDesky = std::vector<std::int32_t>;

template <class K>
TPodpisDesky PodpisDesky(const TModel<K>& m, bool leibniz, const TSymetrie<K>& sym)
{
    TPodpisDesky p = {m.N, leibniz ? 1 : 0, m.SCilovymi ? 1 : 0, m.Cilovych, sym.Pocet, sym.Bajtu};
    for (int i = 0; i < m.N; ++i) {
        p.push_back(m.Pozice[i].X * 16 + m.Pozice[i].Y);
        p.push_back(((m.Obdelnik >> i) & 1) != 0 ? 1 : 0);
        p.push_back(((m.Vzor >> i) & 1) != 0 ? 1 : 0);
    }
    for (int g = 0; g < sym.Pocet; ++g)
        for (int i = 0; i < m.N; ++i)
            p.push_back(sym.ObrazPole(g, i));
    return p;
}

class TSdileneMrtve {
public:
    // Hands over the table kept for the board with this signature and of
    // this size, unless another search has it now; false leaves `tabulka`
    // as it was.
    bool Vypujc(const TPodpisDesky& podpis, std::size_t bajtu, TTabulka& tabulka)
    {
        std::lock_guard<std::mutex> zamek(Zamek);
        if (Pujceno || !Tabulka || Bajtu != bajtu || Podpis != podpis)
            return false;
        tabulka = std::move(Tabulka);
        Tabulka = TTabulka{};
        tabulka.NastavEru(Era);
        Pujceno = true;
        return true;
    }

    // A new request: what the table learns from now on ranks above what it
    // holds from the requests before. A search's own new table needs no
    // era: all its entries are of its one request.
    void NovaEra()
    {
        std::lock_guard<std::mutex> zamek(Zamek);
        ++Era;
    }

    // Takes back a table, borrowed (`vypujcena`) or a search's own.
    void Vrat(const TPodpisDesky& podpis, std::size_t bajtu, TTabulka&& tabulka, bool vypujcena)
    {
        std::lock_guard<std::mutex> zamek(Zamek);
        if (!vypujcena && Pujceno)
            return;  // the one lent out is coming back
        Tabulka = std::move(tabulka);
        Podpis = podpis;
        Bajtu = bajtu;
        Pujceno = false;
    }

private:
    std::mutex Zamek;
    bool Pujceno = false;
    TPodpisDesky Podpis;
    std::size_t Bajtu = 0;
    TTabulka Tabulka;
    std::uint8_t Era = 0;
};

// A search's side of the kept table: where it came from, so that it goes
// back there when the search ends.
class TVypujckaMrtvych {
public:
    TVypujckaMrtvych() = default;
    TVypujckaMrtvych(const TVypujckaMrtvych&) = delete;
    TVypujckaMrtvych& operator=(const TVypujckaMrtvych&) = delete;

    // Borrows the table kept for the board into `tabulka`, or makes one of
    // `bajtu` bytes that goes back in its place; false when neither.
    template <class K>
    bool Ziskej(TSdileneMrtve* sdilene, const TModel<K>& m, bool leibniz, const TSymetrie<K>& sym,
                std::size_t bajtu, TTabulka& tabulka)
    {
        Podpis = PodpisDesky(m, leibniz, sym);
        Bajtu = bajtu;
        Vypujcena = sdilene->Vypujc(Podpis, Bajtu, tabulka);
        if (Vypujcena || tabulka.Vytvor(bajtu))
            Sdilene = sdilene;
        return Sdilene != nullptr;
    }

    void Vrat(TTabulka& tabulka)
    {
        if (Sdilene != nullptr)
            Sdilene->Vrat(Podpis, Bajtu, std::move(tabulka), Vypujcena);
        Sdilene = nullptr;
    }

private:
    TSdileneMrtve* Sdilene = nullptr;
    TPodpisDesky Podpis;
    std::size_t Bajtu = 0;
    bool Vypujcena = false;
};

}  // namespace KavirelHledani
