// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferencniNejmene.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace Referencni {
namespace {

// The stones of a position, bit x * 9 + y.
struct TKameny {
    std::uint64_t A = 0, B = 0;
    bool operator==(const TKameny& o) const { return A == o.A && B == o.B; }
    bool Je(int x, int y) const
    {
        const int i = x * 9 + y;
        return i < 64 ? (A >> i) & 1 : (B >> (i - 64)) & 1;
    }
    void Prepni(int x, int y)
    {
        const int i = x * 9 + y;
        if (i < 64)
            A ^= std::uint64_t(1) << i;
        else
            B ^= std::uint64_t(1) << (i - 64);
    }
};

struct THash {
    std::size_t operator()(const TKameny& s) const
    {
        return static_cast<std::size_t>((s.A * 0x9E3779B97F4A7C15ULL) ^ ((s.B + 0x632BE59BD9B4E019ULL) * 0xBF58476D1CE4E5B9ULL));
    }
};

// How a position was first reached: from which one, by which move.
struct TPuvod {
    TKameny Odkud;
    std::vector<TPar> Tah;
};

class TBfs {
public:
    TBfs(const TSolveDeska& deska, const std::atomic<bool>* zastavit, std::uint64_t limit)
        : Zastavit(zastavit), Limit(limit)
    {
        Leibniz = deska.Zaznam.TypHry != thNormalni;
        int kamenu = 0, prazdnych = 0;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                Pole[x][y] = deska.Zaznam.Pole[x][y];
                if (Pole[x][y].Stav == spPlne) {
                    ++kamenu;
                    Start.Prepni(x, y);
                } else if (Pole[x][y].Stav == spPrazdne) {
                    ++prazdnych;
                }
            }
        }
        CilCitac = deska.PocetCilovych != 0 ? deska.PocetCilovych : 1;
        SCilovymi = deska.PocetCilovych != 0;
        StartCitac = Leibniz ? prazdnych : kamenu;
        // The scanned rectangle from the numbering, as the solver takes it.
        const int pocetPoli = kamenu + prazdnych;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                const int n = Pole[x][y].Cislo;
                if (n == 1)
                    MinY = y;
                if (n == pocetPoli)
                    MaxY = y;
                if (n != 0) {
                    MinX = std::min(MinX, x);
                    MaxX = std::max(MaxX, x);
                }
            }
        }
    }

    TVysledek Spust()
    {
        TVysledek v;
        if (StartCitac == CilCitac && JeCil(Start))
            v.Stav = TStav::Nalezeno;
        if (StartCitac <= CilCitac)
            return v;
        Puvod[Start] = TPuvod{};
        std::vector<TKameny> vrstva = {Start};
        while (!vrstva.empty() && !Nalezeno && !Preruseno) {
            std::vector<TKameny> dalsi;
            for (const TKameny& s : vrstva) {
                // A new move: any stone the scan reaches starts it.
                for (int x = MinX; x <= MaxX; ++x) {
                    for (int y = MinY; y <= MaxY; ++y) {
                        if (Pole[x][y].Stav != spNeexistujici && s.Je(x, y)) {
                            std::vector<TPar> tah;
                            Tahni(s, s, x, y, Citac(s), tah, dalsi);
                        }
                        if (Nalezeno || Preruseno)
                            break;
                    }
                    if (Nalezeno || Preruseno)
                        break;
                }
                if (Nalezeno || Preruseno)
                    break;
            }
            vrstva.swap(dalsi);
        }
        v.Uzly = Uzly;
        if (Preruseno) {
            v.Stav = TStav::Preruseno;
        } else if (Nalezeno) {
            v.Stav = TStav::Nalezeno;
            std::vector<std::vector<TPar>> tahy;
            for (TKameny s = Cil; !(s == Start);) {
                const TPuvod& p = Puvod.at(s);
                tahy.push_back(p.Tah);
                s = p.Odkud;
            }
            for (auto t = tahy.rbegin(); t != tahy.rend(); ++t)
                v.Skoky.insert(v.Skoky.end(), t->begin(), t->end());
        }
        return v;
    }

private:
    const std::atomic<bool>* Zastavit;
    std::uint64_t Limit;
    bool Leibniz = false;
    bool SCilovymi = false;
    TPole Pole[9][9];
    int MinX = 8, MaxX = 0, MinY = 0, MaxY = 0;
    int CilCitac = 1, StartCitac = 0;
    TKameny Start, Cil;
    std::unordered_map<TKameny, TPuvod, THash> Puvod;
    std::uint64_t Uzly = 0;
    bool Nalezeno = false, Preruseno = false;

    bool Stav(const TKameny& s, int x, int y, TStavPole stav) const
    {
        if (x < 0 || y < 0 || x > 8 || y > 8 || Pole[x][y].Stav == spNeexistujici)
            return false;
        return (stav == spPlne) == s.Je(x, y);
    }

    // Stones (normal game) or empty fields (Leibniz game) of s.
    int Citac(const TKameny& s) const
    {
        int kamenu = 0, prazdnych = 0;
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y)
                if (Pole[x][y].Stav != spNeexistujici)
                    ++(s.Je(x, y) ? kamenu : prazdnych);
        return Leibniz ? prazdnych : kamenu;
    }

    bool JeCil(const TKameny& s) const
    {
        if (!SCilovymi)
            return true;  // the counter alone decides
        for (int x = MinX; x <= MaxX; ++x) {
            for (int y = MinY; y <= MaxY; ++y) {
                if (Pole[x][y].Stav == spNeexistujici)
                    continue;
                const bool kamen = s.Je(x, y);
                const bool cilove = Pole[x][y].Cilove != 0;
                if (Leibniz ? kamen == cilove : kamen != cilove)
                    return false;
            }
        }
        return true;
    }

    // The stone on (x, y) of position s continues the move begun in
    // `odkud`; every position it reaches is one move from `odkud`.
    void Tahni(const TKameny& odkud, const TKameny& s, int x, int y, int citac, std::vector<TPar>& tah,
               std::vector<TKameny>& dalsi)
    {
        static const int smery[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
        for (const auto& d : smery) {
            const int x1 = x + d[0], y1 = y + d[1], x2 = x + 2 * d[0], y2 = y + 2 * d[1];
            // Up and left need a row or column of at least 2, down and right
            // at most 6: the landing field lies on the grid.
            if (!Stav(s, x2, y2, spPrazdne) || !Stav(s, x1, y1, Leibniz ? spPrazdne : spPlne))
                continue;
            TKameny t = s;
            t.Prepni(x, y);
            t.Prepni(x1, y1);
            t.Prepni(x2, y2);
            tah.push_back(TPar{Pole[x][y].Cislo, Pole[x2][y2].Cislo});
            const int zbyva = citac - 1;
            if (++Uzly > Limit && Limit != 0)
                Preruseno = true;
            if (Zastavit != nullptr && Zastavit->load(std::memory_order_relaxed))
                Preruseno = true;
            if (Puvod.find(t) == Puvod.end()) {
                Puvod[t] = TPuvod{odkud, tah};
                if (zbyva == CilCitac && JeCil(t)) {
                    Nalezeno = true;
                    Cil = t;
                } else if (zbyva > CilCitac) {
                    dalsi.push_back(t);
                }
            }
            // The same stone may jump on, from inside the rectangle.
            if (!Nalezeno && !Preruseno && zbyva > CilCitac && x2 >= MinX && x2 <= MaxX && y2 >= MinY && y2 <= MaxY)
                Tahni(odkud, t, x2, y2, zbyva, tah, dalsi);
            tah.pop_back();
            if (Nalezeno || Preruseno)
                return;
        }
    }
};

}  // namespace

TVysledek VyresNejmene(const TSolveDeska& deska, const std::atomic<bool>* zastavit, std::uint64_t limitPozic)
{
    return TBfs(deska, zastavit, limitPozic).Spust();
}

}  // namespace Referencni
