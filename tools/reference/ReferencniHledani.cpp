// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferencniHledani.h"

namespace Referencni {
namespace {

class THledani {
public:
    // Stops like a stop request when `zastavit` becomes true or after
    // `limitUzlu` calls (0: no limit).
    THledani(const TSolveDeska& deska, bool nejkratsi, const std::atomic<bool>* zastavit = nullptr,
             std::uint64_t limitUzlu = 0)
        : Zastavit(zastavit), LimitUzlu(limitUzlu), Nejkratsi(nejkratsi)
    {
        for (int i = 0; i < 82; ++i) {
            Cesta[i] = TPar{};
            Vysledek[i] = TPar{};
            TahyCesty[i] = 0;
            TahyNejlepsi[i] = static_cast<std::uint8_t>(i);
        }
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y)
                Pole[x][y] = deska.Zaznam.Pole[x][y];
        PocetPoli = static_cast<std::uint8_t>(deska.PocetKamenu + deska.PocetPrazdnych);
        ZbyvaKamenu = static_cast<std::uint8_t>(deska.PocetKamenu);
        ZbyvaPrazdnych = static_cast<std::uint8_t>(deska.PocetPrazdnych);
        CilovychPoli = static_cast<std::uint8_t>(deska.PocetCilovych);
        Leibniz = deska.Zaznam.TypHry != thNormalni;
        MinX = 8;
        MinY = 0;
        MaxX = 0;
        MaxY = 0;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                const int n = Pole[x][y].Cislo;
                if (n == 1)
                    MinY = y;
                if (n == PocetPoli)
                    MaxY = y;
                if (n != 0) {
                    if (x < MinX)
                        MinX = x;
                    if (x > MaxX)
                        MaxX = x;
                }
            }
        }
    }

    TVysledek Spust()
    {
        if (Nejkratsi)
            Kratce();
        else
            Rychle();
        TVysledek v;
        v.Uzly = Uzly;
        v.Zaznamenane = Zaznamenane;
        if (Preruseno)
            v.Stav = TStav::Preruseno;
        else if (!Nalezeno)
            v.Stav = TStav::Neexistuje;
        else {
            v.Stav = TStav::Nalezeno;
            for (int i = 1; i <= 81 && Vysledek[i].Odkud != 0; ++i)
                v.Skoky.push_back(Vysledek[i]);
        }
        return v;
    }

private:
    const std::atomic<bool>* Zastavit;
    std::uint64_t LimitUzlu;
    bool Nejkratsi;
    bool Leibniz = false;
    TPole Pole[9][9];
    std::uint8_t ZbyvaKamenu, ZbyvaPrazdnych, CilovychPoli, PocetPoli;
    int Hloubka = 1;
    TPar Cesta[82], Vysledek[82];
    std::uint8_t TahyCesty[82], TahyNejlepsi[82];
    bool Nalezeno = false, Preruseno = false, PosledniSvisle = false;
    int MinX, MaxX, MinY, MaxY;
    std::uint64_t Uzly = 0;
    std::vector<std::vector<TPar>> Zaznamenane;

    void Zapis()
    {
        std::vector<TPar> r;
        for (int i = 1; i <= 81 && Vysledek[i].Odkud != 0; ++i)
            r.push_back(Vysledek[i]);
        Zaznamenane.push_back(r);
    }

    bool StopPozadovan()
    {
        ++Uzly;
        if (LimitUzlu != 0 && Uzly > LimitUzlu)
            return true;
        return Zastavit != nullptr && Zastavit->load(std::memory_order_relaxed);
    }

    std::uint8_t& Citac() { return Leibniz ? ZbyvaPrazdnych : ZbyvaKamenu; }

    bool SplnenCil()
    {
        for (int x = MinX; x <= MaxX; ++x) {
            for (int y = MinY; y <= MaxY; ++y) {
                const TPole& p = Pole[x][y];
                if (!Leibniz) {
                    if (p.Stav == spPlne && p.Cilove == 0)
                        return false;
                    if (p.Stav == spPrazdne && p.Cilove != 0)
                        return false;
                } else {
                    if (p.Stav == spPlne && p.Cilove != 0)
                        return false;
                    if (p.Stav == spPrazdne && p.Cilove == 0)
                        return false;
                }
            }
        }
        return true;
    }

    // The direction (dx, dy) of index k in the order that applies now.
    void Smer(int k, bool svisleNapred, int& dx, int& dy) const
    {
        static const int svisle[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
        static const int vodorovne[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        const int(*t)[2] = svisleNapred ? svisle : vodorovne;
        dx = t[k][0];
        dy = t[k][1];
    }

    static bool VMezich(int x, int y, int dx, int dy)
    {
        // At least 2 for up and left, at most 6 for down and right.
        if (dy == -1)
            return y >= 2;
        if (dy == 1)
            return y <= 6;
        if (dx == -1)
            return x >= 2;
        return x <= 6;
    }

    bool JeSkok(int x, int y, int dx, int dy) const
    {
        const TPole& pres = Pole[x + dx][y + dy];
        const TPole& kam = Pole[x + 2 * dx][y + 2 * dy];
        if (kam.Stav != spPrazdne)
            return false;
        return Leibniz ? pres.Stav == spPrazdne : pres.Stav == spPlne;
    }

    void Proved(int x, int y, int dx, int dy)
    {
        Pole[x][y].Stav = spPrazdne;
        Pole[x + dx][y + dy].Stav = Leibniz ? spPlne : spPrazdne;
        Pole[x + 2 * dx][y + 2 * dy].Stav = spPlne;
    }

    void Vrat(int x, int y, int dx, int dy)
    {
        Pole[x][y].Stav = spPlne;
        Pole[x + dx][y + dy].Stav = Leibniz ? spPrazdne : spPlne;
        Pole[x + 2 * dx][y + 2 * dy].Stav = spPrazdne;
    }

    void Rychle()
    {
        if (Nalezeno)
            return;
        if (StopPozadovan()) {
            Preruseno = true;
            Nalezeno = true;
            return;
        }
        if (CilovychPoli != 0 && Citac() == CilovychPoli) {
            if (SplnenCil()) {
                Nalezeno = true;
                for (int i = 1; i <= 81; ++i)
                    Vysledek[i] = Cesta[i];
                Zapis();
            }
            return;
        }
        if (CilovychPoli == 0 && Citac() == 1) {
            Nalezeno = true;
            for (int i = 1; i <= 81; ++i)
                Vysledek[i] = Cesta[i];
            Zapis();
            return;
        }
        for (int x = MinX; x <= MaxX; ++x) {
            for (int y = MinY; y <= MaxY; ++y) {
                if (Pole[x][y].Stav != spPlne)
                    continue;
                for (int k = 0; k < 4 && !Nalezeno; ++k) {
                    int dx, dy;
                    Smer(k, !Leibniz, dx, dy);
                    if (!VMezich(x, y, dx, dy) || !JeSkok(x, y, dx, dy))
                        continue;
                    Proved(x, y, dx, dy);
                    Cesta[Hloubka] = TPar{Pole[x][y].Cislo, Pole[x + 2 * dx][y + 2 * dy].Cislo};
                    ++Hloubka;
                    --Citac();
                    Rychle();
                    --Hloubka;
                    ++Citac();
                    Cesta[Hloubka] = TPar{};
                    Vrat(x, y, dx, dy);
                }
            }
        }
    }

    void Zaznamenej()
    {
        for (int i = 1; i <= 81; ++i) {
            TahyNejlepsi[i] = TahyCesty[i];
            Vysledek[i] = Cesta[i];
        }
        Zapis();
    }

    void Kratce()
    {
        bool mistni = false;
        if (StopPozadovan()) {
            Preruseno = true;
        } else if (Hloubka != 1 && TahyCesty[Hloubka - 1] > TahyNejlepsi[Hloubka - 1]) {
        } else if (CilovychPoli != 0 && Citac() == CilovychPoli) {
            mistni = SplnenCil();
            if (mistni)
                Zaznamenej();
        } else if (CilovychPoli == 0 && Citac() == 1) {
            mistni = true;
            Zaznamenej();
        } else {
            const bool svisleNapred = !Leibniz && !PosledniSvisle;
            for (int x = MinX; x <= MaxX; ++x) {
                for (int y = MinY; y <= MaxY; ++y) {
                    if (Pole[x][y].Stav != spPlne)
                        continue;
                    for (int k = 0; k < 4; ++k) {
                        int dx, dy;
                        Smer(k, svisleNapred, dx, dy);
                        if (!VMezich(x, y, dx, dy) || !JeSkok(x, y, dx, dy))
                            continue;
                        Proved(x, y, dx, dy);
                        Cesta[Hloubka] = TPar{Pole[x][y].Cislo, Pole[x + 2 * dx][y + 2 * dy].Cislo};
                        if (Hloubka == 1)
                            TahyCesty[Hloubka] = 1;
                        else if (Cesta[Hloubka].Odkud == Cesta[Hloubka - 1].Kam)
                            TahyCesty[Hloubka] = TahyCesty[Hloubka - 1];
                        else
                            TahyCesty[Hloubka] = static_cast<std::uint8_t>(TahyCesty[Hloubka - 1] + 1);
                        const bool predtim = PosledniSvisle;
                        ++Hloubka;
                        --Citac();
                        PosledniSvisle = dx == 0;
                        Kratce();
                        --Hloubka;
                        ++Citac();
                        PosledniSvisle = predtim;
                        TahyCesty[Hloubka] = 0;
                        Cesta[Hloubka] = TPar{};
                        Vrat(x, y, dx, dy);
                    }
                }
            }
        }
        if (!Nalezeno)
            Nalezeno = mistni;
    }
};

}  // namespace

TVysledek Vyres(const TSolveDeska& deska, bool nejkratsi, const std::atomic<bool>* zastavit, std::uint64_t limitUzlu)
{
    return THledani(deska, nejkratsi, zastavit, limitUzlu).Spust();
}

}  // namespace Referencni
