// SPDX-License-Identifier: GPL-3.0-or-later
// Boards for the solver tests: drawn from text, made at random, the
// built-in ones, and the comparison with the plain search.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "KavirelCil.h"
#include "KavirelFile.h"
#include "KavirelReseni.h"
#include "KreslenaDeska.h"
#include "ReferencniHledani.h"

namespace TestReseni {

// Instrumented builds run many times slower; their tests compare fewer
// boards and give the plain search a smaller budget.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool Instrumentovano = true;
#else
constexpr bool Instrumentovano = false;
#endif

inline TZaznamDesky Deska(const std::vector<std::string>& radky, TTypHry typ = thNormalni)
{
    return Nakresli(radky, typ);
}

// Built-in board number `cislo` (1 is the English board).
inline TZaznamDesky Vestavena(int cislo) { return StandardniZaznamy()[static_cast<std::size_t>(cislo - 1)]; }

// The positions of a game of at most `skoku` random legal jumps from z,
// from z itself to where it ended.
inline std::vector<TZaznamDesky> NahodnaHra(const TZaznamDesky& z, std::mt19937& gen, int skoku = 1000)
{
    TGameDeska d;
    d.Nastav(z);
    std::vector<TZaznamDesky> hra{d.Zaznam};
    for (int k = 0; k < skoku; ++k) {
        std::vector<std::pair<TPozice, TPozice>> mozne;
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y)
                for (const TPozice kam : {TPozice{x, y - 2}, TPozice{x, y + 2}, TPozice{x - 2, y}, TPozice{x + 2, y}})
                    if (kam.X >= 0 && kam.Y >= 0 && kam.X < RozmerDesky && kam.Y < RozmerDesky
                        && d.JeSkokPlatny(TPozice{x, y}, kam))
                        mozne.emplace_back(TPozice{x, y}, kam);
        if (mozne.empty())
            break;
        const auto& s = mozne[std::uniform_int_distribution<std::size_t>(0, mozne.size() - 1)(gen)];
        d.ProvedSkok(s.first, s.second, StredSkoku(s.first, s.second));
        hra.push_back(d.Zaznam);
    }
    return hra;
}

// A random board inside a small window, both game types, sometimes with
// target fields, sometimes with a stale target flag on an absent position.
inline TZaznamDesky NahodnaDeska(std::mt19937& gen)
{
    auto cislo = [&](int od, int po) { return std::uniform_int_distribution<int>(od, po)(gen); };
    TZaznamDesky z = PrazdnyZaznam();
    const int sirka = cislo(2, 5), vyska = cislo(2, 5);
    const int x0 = cislo(0, 9 - sirka), y0 = cislo(0, 9 - vyska);
    const int pAbsent = cislo(0, 30), pKamen = cislo(30, 80);
    const bool leibniz = cislo(0, 2) == 0;
    const int cilovych = cislo(0, 3) == 0 ? 0 : cislo(1, 5);
    for (int x = x0; x < x0 + sirka; ++x) {
        for (int y = y0; y < y0 + vyska; ++y) {
            if (cislo(0, 99) < pAbsent)
                continue;
            z.Pole[x][y].Stav = cislo(0, 99) < pKamen ? spPlne : spPrazdne;
        }
    }
    // Leibniz boards need holes to move into.
    if (leibniz)
        for (int x = x0; x < x0 + sirka; ++x)
            for (int y = y0; y < y0 + vyska; ++y)
                if (z.Pole[x][y].Stav == spPlne && cislo(0, 99) < 60)
                    z.Pole[x][y].Stav = spPrazdne;
    for (int i = 0; i < cilovych; ++i)
        z.Pole[cislo(x0, x0 + sirka - 1)][cislo(y0, y0 + vyska - 1)].Cilove = 1;
    if (cislo(0, 9) == 0)
        z.Pole[cislo(0, 8)][cislo(0, 8)].Cilove = 1;  // may be stale on an absent position
    z.TypHry = leibniz ? thLeibniz : thNormalni;
    return z;
}

// A board made by playing backwards from a goal position, so that it has a
// solution; sometimes with the goal's stones marked as target fields.
inline TZaznamDesky DeskaZpetnouHrou(std::mt19937& gen)
{
    auto cislo = [&](int od, int po) { return std::uniform_int_distribution<int>(od, po)(gen); };
    TZaznamDesky z = PrazdnyZaznam();
    const int sirka = cislo(3, 6), vyska = cislo(3, 5);
    const int x0 = cislo(0, 9 - sirka), y0 = cislo(0, 9 - vyska);
    const bool leibniz = cislo(0, 1) == 0;
    std::vector<std::pair<int, int>> pole;
    for (int x = x0; x < x0 + sirka; ++x)
        for (int y = y0; y < y0 + vyska; ++y)
            if (cislo(0, 99) >= 15) {
                z.Pole[x][y].Stav = leibniz ? spPlne : spPrazdne;
                pole.emplace_back(x, y);
            }
    if (pole.empty())
        return z;
    // The goal: one stone (normal) or one hole (Leibniz), or a few of them.
    const int vGoal = cislo(0, 2) == 0 ? cislo(2, 3) : 1;
    for (int i = 0; i < vGoal; ++i) {
        const auto& p = pole[static_cast<std::size_t>(cislo(0, static_cast<int>(pole.size()) - 1))];
        z.Pole[p.first][p.second].Stav = leibniz ? spPrazdne : spPlne;
    }
    const bool cilove = vGoal > 1 || cislo(0, 3) == 0;
    if (cilove)
        for (const auto& p : pole)
            z.Pole[p.first][p.second].Cilove = z.Pole[p.first][p.second].Stav == (leibniz ? spPrazdne : spPlne);
    const int kroku = cislo(2, 14);
    const int pres = leibniz ? spPlne : spPrazdne;
    static const int smery[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    auto stav = [&](int x, int y) -> int {
        return x < 0 || y < 0 || x > 8 || y > 8 ? 0 : z.Pole[x][y].Stav;
    };
    for (int k = 0; k < kroku; ++k) {
        for (int pokus = 0; pokus < 30; ++pokus) {
            const auto& p = pole[static_cast<std::size_t>(cislo(0, static_cast<int>(pole.size()) - 1))];
            const int* d = smery[cislo(0, 3)];
            const int ax = p.first, ay = p.second;  // where the stone came from
            const int bx = ax + d[0], by = ay + d[1], cx = ax + 2 * d[0], cy = ay + 2 * d[1];
            // Undo a jump a -> c over b: the field jumped over changes its state.
            if (stav(ax, ay) == spPrazdne && stav(bx, by) == pres && stav(cx, cy) == spPlne) {
                z.Pole[ax][ay].Stav = spPlne;
                z.Pole[bx][by].Stav = pres == spPlne ? spPrazdne : spPlne;
                z.Pole[cx][cy].Stav = spPrazdne;
                break;
            }
        }
    }
    z.TypHry = leibniz ? thLeibniz : thNormalni;
    return z;
}

// A board of more than 64 fields with a few stones (normal game) or a few
// holes (Leibniz game) near each other, so that the plain search ends soon.
inline TZaznamDesky VelkaRidkaDeska(std::mt19937& gen)
{
    auto cislo = [&](int od, int po) { return std::uniform_int_distribution<int>(od, po)(gen); };
    TZaznamDesky z = PrazdnyZaznam();
    const bool leibniz = cislo(0, 1) == 0;
    const int vyska = cislo(8, 9);
    const TStavPole zaklad = leibniz ? spPlne : spPrazdne;
    const TStavPole vyjimka = leibniz ? spPrazdne : spPlne;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < vyska; ++y)
            z.Pole[x][y].Stav = cislo(0, 99) < 4 ? spNeexistujici : zaklad;
    const int x0 = cislo(0, 5), y0 = cislo(0, vyska - 4);
    const int pocet = cislo(2, leibniz ? 5 : 7);
    for (int i = 0; i < pocet; ++i) {
        TPole& p = z.Pole[x0 + cislo(0, 3)][y0 + cislo(0, 3)];
        if (p.Stav != spNeexistujici)
            p.Stav = vyjimka;
    }
    if (cislo(0, 2) == 0)
        for (int i = cislo(1, 3); i > 0; --i)
            z.Pole[x0 + cislo(0, 3)][y0 + cislo(0, 3)].Cilove = 1;
    z.TypHry = leibniz ? thLeibniz : thNormalni;
    return z;
}

// A square of present fields with stones at random: its turns and
// mirrorings keep it, so the symmetry rule has something to use.
inline TZaznamDesky SymetrickaDeska(std::mt19937& gen)
{
    auto cislo = [&](int od, int po) { return std::uniform_int_distribution<int>(od, po)(gen); };
    TZaznamDesky z = PrazdnyZaznam();
    const int n = cislo(3, 5);
    const bool leibniz = cislo(0, 1) == 0;
    const int pKamen = leibniz ? cislo(50, 80) : cislo(40, 75);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            z.Pole[2 + x][1 + y].Stav = cislo(0, 99) < pKamen ? spPlne : spPrazdne;
    if (n % 2 == 1 && cislo(0, 2) == 0)
        z.Pole[2 + n / 2][1 + n / 2].Cilove = 1;  // the centre keeps the symmetry
    z.TypHry = leibniz ? thLeibniz : thNormalni;
    return z;
}

// The whole grid full but for its centre (normal game), or empty but for it
// (Leibniz game): no search of any mode finishes on it in a lifetime.
inline TZaznamDesky Nekonecna(TTypHry typ)
{
    const char z = typ == thNormalni ? 'x' : 'o';
    std::vector<std::string> radky(9, std::string(9, z));
    radky[4][4] = typ == thNormalni ? 'o' : 'x';
    return Deska(radky, typ);
}

inline void NastavDesku(TSolveDeska& deska, const TZaznamDesky& z, std::uint8_t zpusob)
{
    deska.Nastav(z);
    deska.ZpusobHledani = zpusob;
}

// The plain search's answer to the fastest mode's question, where it comes
// within the bound every comparison with it uses; none where it does not.
inline std::optional<Referencni::TVysledek> ProstyVysledek(const TSolveDeska& deska)
{
    Referencni::TVysledek ref = Referencni::Vyres(deska, false, nullptr, 400'000);
    if (ref.Stav == Referencni::TStav::Preruseno)
        return std::nullopt;
    return ref;
}

inline Referencni::TStav Stav(TVysledekHledani s)
{
    switch (s) {
    case TVysledekHledani::Nalezeno: return Referencni::TStav::Nalezeno;
    case TVysledekHledani::Neexistuje: return Referencni::TStav::Neexistuje;
    default: return Referencni::TStav::Preruseno;
    }
}

inline std::string Text(const std::vector<Referencni::TPar>& skoky)
{
    std::string t;
    for (const auto& s : skoky)
        t += std::to_string(s.Odkud) + "-" + std::to_string(s.Kam) + " ";
    return t;
}

inline std::vector<Referencni::TPar> Pary(const std::vector<TSkokCesty>& skoky)
{
    std::vector<Referencni::TPar> p;
    for (const auto& s : skoky)
        p.push_back(Referencni::TPar{s.CisloOdkud, s.CisloKam});
    return p;
}

// A target mark left on a field that is no longer part of the board.
inline bool MaZastaralyCil(const TZaznamDesky& z)
{
    for (const auto& sloupec : z.Pole)
        for (const TPole& p : sloupec)
            if (p.Stav == spNeexistujici && p.Cilove != 0)
                return true;
    return false;
}

// Replays a solution of z from z, as the solve tab replays it: every jump
// legal in turn, the goal met at the end.
inline void PrehrajReseni(const TZaznamDesky& z, TSolveDeska& deska, const TReseni& reseni)
{
    PredejReseni(deska, reseni);
    ASSERT_EQ(deska.Reseni.DejPocet(), static_cast<std::int32_t>(reseni.Skoky.size()));
    TGameDeska hra;
    hra.Nastav(z);
    for (std::int32_t k = 1; k <= deska.Reseni.DejPocet(); ++k) {
        const TTahReseni& s = deska.Reseni.Skok(k);
        ASSERT_TRUE(hra.JeSkokPlatny(s.Odkud, s.Kam)) << k;
        hra.ProvedSkok(s.Odkud, s.Kam, StredSkoku(s.Odkud, s.Kam));
    }
    if (!MaZastaralyCil(z)) {
        EXPECT_TRUE(JeCilSplnen(hra.Zaznam));
    }
}

}  // namespace TestReseni
