// SPDX-License-Identifier: GPL-3.0-or-later
// The path of the minimum search (KavirelNejmene.h), read back through the
// layers once the least total is known: from the meeting position up to the
// start through the start side's layers, and down to a goal position
// through the goal side's. The walk asks only the least moves of each
// position; where a step relies on a move continuing, it tries that and
// backs out of a guess that leads nowhere, and remembers such guesses so
// that none is tried twice.
#pragma once

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>
#include <vector>

#include "KavirelPozice.h"

namespace KavirelHledani {

// A position both sides reached, with the least total through it.
template <class K>
struct TSetkani {
    int Celkem = -1;        // least moves in all; -1: the sides have not met
    K Pozice = 0;           // canonical
    int Citac = 0;          // its layer
    int CenaVpred = 0;      // least moves from the start to it
    int CenaZpet = 0;       // least moves from it to a goal
    int Pokracovani = -1;   // a field where a cheapest way in may go on as a cheapest way on; -1 none
};

template <bool Leibniz, class K>
class TCestaNejmene {
public:
    // `vpred(citac, kanon)`: the least moves from the start to a canonical
    // position on a layer, `zpet(citac, kanon)` from it to a goal; -1 for a
    // position not there.
    using TCena = std::function<int(int, K)>;

    TCestaNejmene(const TModel<K>& m, const TSymetrie<K>& sym, const TZpetneSkoky<K>& zpet,
                  const std::vector<std::uint8_t>& odkud, TCena cenaVpred, TCena cenaZpet)
        : M(m), Sym(sym), Zpet(zpet), Odkud(odkud), CenaVpred(std::move(cenaVpred)), CenaZpet(std::move(cenaZpet))
    {
    }

    // The whole path through the meeting, in the start's own frame. False
    // if the layers hold no such path (which they always do).
    bool Sestav(const TSetkani<K>& s, std::vector<TSkokCesty>& cesta)
    {
        std::vector<int> nahoru, dolu;
        K start = 0;
        if (!Nahoru(s.Pozice, s.Citac, s.CenaVpred, s.Pokracovani, nahoru, start))
            return false;
        if (!Dolu(s.Pozice, s.Citac, s.CenaZpet - (s.Pokracovani >= 0 ? 1 : 0), s.Pokracovani, dolu))
            return false;
        std::vector<int> vse(nahoru.rbegin(), nahoru.rend());
        vse.insert(vse.end(), dolu.begin(), dolu.end());
        // The walk went through images of the positions; the image of the
        // start it ended on is turned back into the start.
        int obraz = -1;
        if (start != M.S0) {
            K obrazy[MaxObrazu];
            Sym.Obrazy(start, obrazy);
            for (int g = 0; g < Sym.Pocet && obraz < 0; ++g)
                if (obrazy[g] == M.S0)
                    obraz = g;
            if (obraz < 0)
                return false;
        }
        cesta.clear();
        for (int k : vse) {
            const TSkok<K>& j = M.Skoky[static_cast<std::size_t>(k)];
            const int a = Sym.ObrazPole(obraz, Odkud[static_cast<std::size_t>(k)]);
            const int b = Sym.ObrazPole(obraz, j.IndexKam);
            cesta.push_back(TSkokCesty{M.Cislo[a], M.Cislo[b]});
        }
        return true;
    }

private:
    const TModel<K>& M;
    const TSymetrie<K>& Sym;
    const TZpetneSkoky<K>& Zpet;
    const std::vector<std::uint8_t>& Odkud;
    TCena CenaVpred;
    TCena CenaZpet;
    // Guesses that led nowhere: the layer, the canonical position, the
    // field in its frame and the moves.
    std::set<std::tuple<int, K, int, int>> Slepe;

    bool Slepa(int citac, K kanon, int pole, int cena) const
    {
        return Slepe.count(std::make_tuple(citac, kanon, pole, cena)) != 0;
    }

    // The canonical form of p with the image of `pole` in it.
    int PoleVKanonu(K p, int pole, K& kanon) const
    {
        K obrazy[MaxObrazu];
        Sym.Obrazy(p, obrazy);
        kanon = p;
        int obraz = -1;
        for (int g = 0; g < Sym.Pocet; ++g)
            if (obrazy[g] < kanon) {
                kanon = obrazy[g];
                obraz = g;
            }
        return pole < 0 ? -1 : Sym.ObrazPole(obraz, pole);
    }

    // A way from the start to p (on layer `citac`) with `cena` moves whose
    // last jump lands on `kam` (any when -1), as the jumps from p back up;
    // `start` gets the image of the start it begins on.
    bool Nahoru(K p, int citac, int cena, int kam, std::vector<int>& skoky, K& start)
    {
        if (citac == M.Start) {
            start = p;
            return cena == 0 && kam < 0;
        }
        std::uint16_t zpet[4 * MaxPoli];
        const int n = Zpet.Najdi(p, zpet);
        K obrazy[MaxObrazu];
        Sym.Obrazy(p, obrazy);
        for (int pruchod = 0; pruchod < 2; ++pruchod) {
            for (int j = 0; j < n; ++j) {
                const int k = zpet[j];
                const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
                if (kam >= 0 && skok.IndexKam != kam)
                    continue;
                const K rodic = p ^ skok.Maska;
                const K kanon = Sym.KanonPoSkoku(p ^ skok.Maska, obrazy, k);
                const int c = CenaVpred(citac + 1, kanon);
                const int f = Odkud[static_cast<std::size_t>(k)];
                // A new move from any cheapest way in; or the same move,
                // if a cheapest way in lands where this jump starts.
                if (pruchod == 0 && c >= 0 && c + 1 == cena) {
                    skoky.push_back(k);
                    return Nahoru(rodic, citac + 1, c, -1, skoky, start);
                }
                if (pruchod == 1 && c == cena) {
                    K k2;
                    const int obrazPole = PoleVKanonu(rodic, f, k2);
                    if (Slepa(citac + 1, kanon, obrazPole, c))
                        continue;
                    skoky.push_back(k);
                    if (Nahoru(rodic, citac + 1, c, f, skoky, start))
                        return true;
                    skoky.pop_back();
                    Slepe.insert(std::make_tuple(citac + 1, kanon, obrazPole, c));
                }
            }
        }
        return false;
    }

    // A way from p (on layer `citac`) to a goal with no more than `cena`
    // moves, a first jump from `zdarma` continuing a move, as the jumps.
    bool Dolu(K p, int citac, int cena, int zdarma, std::vector<int>& skoky)
    {
        if (citac == M.CilPocet)
            return cena >= 0 && KonecCesty(M, p, citac) == 1;
        K obrazy[MaxObrazu];
        Sym.Obrazy(p, obrazy);
        for (int pruchod = 0; pruchod < 2; ++pruchod) {
            for (K x = p & M.Obdelnik; x != 0; x &= x - 1) {
                const int f = NejnizsiBit(x);
                const int zbyva = cena - (f == zdarma ? 0 : 1);
                if (zbyva < 0)
                    continue;
                for (int d = 0; d < M.PocetSkoku[f][poSvisleNapred]; ++d) {
                    const int k = M.SkokyPole[f][poSvisleNapred][d];
                    const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
                    if ((p & skok.Maska) != skok.Nutne)
                        continue;
                    const K dite = p ^ skok.Maska;
                    const K kanon = Sym.KanonPoSkoku(p ^ skok.Maska, obrazy, k);
                    const int c = citac - 1 == M.CilPocet ? (KonecCesty(M, dite, citac - 1) == 1 ? 0 : -1)
                                                          : CenaZpet(citac - 1, kanon);
                    if (c < 0)
                        continue;
                    // Within the moves left at once; or one over, if a
                    // cheapest way on starts where this jump lands.
                    if (pruchod == 0 && c <= zbyva) {
                        skoky.push_back(k);
                        return Dolu(dite, citac - 1, zbyva, skok.IndexKam, skoky);
                    }
                    if (pruchod == 1 && c == zbyva + 1) {
                        K k2;
                        const int obrazPole = PoleVKanonu(dite, skok.IndexKam, k2);
                        if (Slepa(citac - 1, kanon, obrazPole, zbyva))
                            continue;
                        skoky.push_back(k);
                        if (Dolu(dite, citac - 1, zbyva, skok.IndexKam, skoky))
                            return true;
                        skoky.pop_back();
                        Slepe.insert(std::make_tuple(citac - 1, kanon, obrazPole, zbyva));
                    }
                }
            }
        }
        return false;
    }
};

}  // namespace KavirelHledani
