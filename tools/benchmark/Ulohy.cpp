// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ulohy.h"

#include <utility>

#include "KavirelFile.h"
#include "KavirelZnaky.h"

TZaznamDesky AnglickaStredNaStred()
{
    TZaznamDesky z = StandardniZaznamy().at(4);
    z.PoleNa(TPozice{4, 4}).Cilove = 1;
    std::string nazev;
    Utf8NaCp1250("Anglická, střed na střed", nazev);
    NastavNazev(z, nazev);
    return z;
}

TZaznamDesky NahodnaDeska(std::mt19937& nahoda, int odPoli, int doPoli, bool leibniz)
{
    auto cislo = [&](int od, int po) { return std::uniform_int_distribution<int>(od, po)(nahoda); };
    const int poli = cislo(odPoli, doPoli);
    for (;;) {
        const int sirka = cislo(5, 7), vyska = cislo(5, 7);
        if (sirka * vyska < poli)
            continue;
        const int x0 = cislo(0, RozmerDesky - sirka), y0 = cislo(0, RozmerDesky - vyska);
        // Grown field by field from one field, each new one beside an old one.
        std::vector<TPozice> tvar = {TPozice{x0 + cislo(0, sirka - 1), y0 + cislo(0, vyska - 1)}};
        bool uvnitr[RozmerDesky][RozmerDesky] = {};
        uvnitr[tvar[0].X][tvar[0].Y] = true;
        const int smery[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        while (static_cast<int>(tvar.size()) < poli) {
            const TPozice p = tvar[static_cast<std::size_t>(cislo(0, static_cast<int>(tvar.size()) - 1))];
            const int* s = smery[cislo(0, 3)];
            const TPozice q{p.X + s[0], p.Y + s[1]};
            if (q.X < x0 || q.Y < y0 || q.X >= x0 + sirka || q.Y >= y0 + vyska || uvnitr[q.X][q.Y])
                continue;
            uvnitr[q.X][q.Y] = true;
            tvar.push_back(q);
        }
        TZaznamDesky z = PrazdnyZaznam();
        for (const TPozice& p : tvar)
            z.Pole[p.X][p.Y].Stav = leibniz ? spPrazdne : spPlne;
        const TPozice d = tvar[static_cast<std::size_t>(cislo(0, poli - 1))];
        z.Pole[d.X][d.Y].Stav = leibniz ? spPlne : spPrazdne;
        z.TypHry = leibniz ? thLeibniz : thNormalni;
        return z;
    }
}

std::vector<TFrancouzskaUloha> FrancouzskeUlohy()
{
    const TZaznamDesky francouzska = StandardniZaznamy().at(1);
    std::vector<TPozice> pole;
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            if (francouzska.Pole[x][y].Stav != spNeexistujici)
                pole.push_back(TPozice{x, y});
    auto jmeno = [](const TPozice& p) { return std::string(1, static_cast<char>('a' + p.X - 1)) + std::to_string(p.Y); };
    std::vector<TFrancouzskaUloha> ulohy;
    for (const TPozice& dira : pole) {
        for (const TPozice& cil : pole) {
            TFrancouzskaUloha u;
            u.Nazev = jmeno(dira) + "->" + jmeno(cil);
            u.Deska = francouzska;
            for (const TPozice& p : pole) {
                u.Deska.Pole[p.X][p.Y].Stav = spPlne;
                u.Deska.Pole[p.X][p.Y].Cilove = 0;
            }
            u.Deska.Pole[dira.X][dira.Y].Stav = spPrazdne;
            u.Deska.Pole[cil.X][cil.Y].Cilove = 1;
            ulohy.push_back(u);
        }
    }
    return ulohy;
}

namespace {

std::vector<std::pair<TPozice, TPozice>> MozneSkoky(const TGameDeska& d)
{
    std::vector<std::pair<TPozice, TPozice>> v;
    const int smery[4][2] = {{0, -2}, {0, 2}, {-2, 0}, {2, 0}};
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            for (const auto& s : smery) {
                const TPozice a{x, y}, b{x + s[0], y + s[1]};
                if (b.X >= 0 && b.Y >= 0 && b.X < RozmerDesky && b.Y < RozmerDesky && d.JeSkokPlatny(a, b))
                    v.emplace_back(a, b);
            }
    return v;
}

// Plays one of the legal jumps, drawn evenly; false when there is none.
bool NahodnySkok(TGameDeska& d, std::mt19937& nahoda)
{
    const auto mozne = MozneSkoky(d);
    if (mozne.empty())
        return false;
    const auto& s = mozne[std::uniform_int_distribution<std::size_t>(0, mozne.size() - 1)(nahoda)];
    d.ProvedSkok(s.first, s.second, StredSkoku(s.first, s.second));
    return true;
}

}  // namespace

std::vector<TPoziceZeHry> PoziceZeHry(int naDesku, std::uint32_t seminko)
{
    const std::vector<TZaznamDesky> desky = StandardniZaznamy();
    std::mt19937 nahoda(seminko);
    std::vector<TPoziceZeHry> pozice;
    for (std::size_t c = 0; c < desky.size(); ++c) {
        TGameDeska d;
        d.Nastav(desky[c]);
        if (d.PocetKamenu + d.PocetPrazdnych == 0)
            continue;
        // A game takes at most as many jumps as stones (or empty fields).
        const int nejvic = std::max(d.PocetKamenu, d.PocetPrazdnych);
        for (int n = 0; n < naDesku; ++n) {
            d.Nastav(desky[c]);
            TPoziceZeHry p;
            p.Deska = static_cast<int>(c + 1);
            const int delka = std::uniform_int_distribution<int>(0, nejvic)(nahoda);
            for (; p.Skoku < delka; ++p.Skoku) {
                if (!NahodnySkok(d, nahoda))
                    break;
            }
            p.Pozice = d.Zaznam;
            pozice.push_back(p);
        }
    }
    return pozice;
}

std::vector<TPoziceZeHry> PoziceCelychHer(int her, std::uint32_t seminko)
{
    const std::vector<TZaznamDesky> desky = StandardniZaznamy();
    std::mt19937 nahoda(seminko);
    std::vector<TPoziceZeHry> pozice;
    for (std::size_t c = 0; c < desky.size(); ++c) {
        TGameDeska d;
        d.Nastav(desky[c]);
        if (d.PocetKamenu + d.PocetPrazdnych == 0)
            continue;
        for (int n = 0; n < her; ++n) {
            d.Nastav(desky[c]);
            for (int skoku = 0;; ++skoku) {
                TPoziceZeHry p;
                p.Deska = static_cast<int>(c + 1);
                p.Skoku = skoku;
                p.Pozice = d.Zaznam;
                pozice.push_back(p);
                if (!NahodnySkok(d, nahoda))
                    break;
            }
        }
    }
    return pozice;
}
