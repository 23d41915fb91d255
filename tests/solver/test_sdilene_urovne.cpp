// SPDX-License-Identifier: GPL-3.0-or-later
// The backward levels kept from one search to the next: a search that takes
// them over, for its own start or a turned or mirrored one, must answer
// jump for jump as a search with levels of its own; one whose start lies outside the levels' classes, or whose
// goal differs, must not take them over.
#include <random>
#include <vector>

#include "KavirelHledani.h"
#include "KavirelSdileneUrovne.h"
#include "BehPravidel.h"
#include "PomocneDesky.h"

using namespace TestReseni;
using KavirelHledani::TPravidla;

namespace {

// The square of SymetrickaDeska (n by n from field 2, 1) turned by a
// quarter (`jak` 0) or mirrored (1).
TZaznamDesky Obraz(const TZaznamDesky& z, int jak)
{
    int n = 0;
    while (2 + n < RozmerDesky && z.Pole[2 + n][1].Stav != spNeexistujici)
        ++n;
    TZaznamDesky o = z;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const int nx = jak == 0 ? n - 1 - y : n - 1 - x, ny = jak == 0 ? x : y;
            o.Pole[2 + nx][1 + ny] = z.Pole[2 + x][1 + y];
        }
    return o;
}

// One stone (a hole in the Leibniz game) fewer: another parity class.
TZaznamDesky BezJednoho(TZaznamDesky z, std::mt19937& gen)
{
    const std::uint8_t ubrat = z.TypHry == thNormalni ? spPlne : spPrazdne;
    std::vector<TPole*> mozne;
    for (auto& sloupec : z.Pole)
        for (TPole& p : sloupec)
            if (p.Stav == ubrat)
                mozne.push_back(&p);
    if (!mozne.empty())
        mozne[std::uniform_int_distribution<std::size_t>(0, mozne.size() - 1)(gen)]->Stav =
            ubrat == spPlne ? spPrazdne : spPlne;
    return z;
}

// A target field in the square's corner: another goal, whose levels differ.
TZaznamDesky SRohovymCilem(TZaznamDesky z)
{
    z.Pole[2][1].Cilove = 1;
    return z;
}

TEST(SdileneUrovne, PrevzateUrovneRozhodujiJakoVlastni)
{
    TPravidla pravidla;
    pravidla.PozicBezTabulek = 0;
    std::mt19937 gen(1210);
    int prevzato = 0, zJineTridy = 0, porovnano = 0, nalezeno = 0;
    const int desek = Instrumentovano ? 20 : 80;
    for (int i = 0; i < desek && !HasFailure(); ++i) {
        const TZaznamDesky z = SymetrickaDeska(gen);
        // The board, its images, a position of another class, one of another
        // goal and the board again, each after the one before on the same
        // kept levels.
        const std::vector<TZaznamDesky> pozice = {z, Obraz(z, 0), Obraz(z, 1), BezJednoho(z, gen), z,
                                                  BezJednoho(Obraz(z, 0), gen), SRohovymCilem(z), z};
        KavirelHledani::TSdileneUrovne urovne;
        for (std::size_t k = 0; k < pozice.size() && !HasFailure(); ++k) {
            SCOPED_TRACE(std::to_string(i) + " " + std::to_string(k));
            TSolveDeska deska;
            deska.Nastav(pozice[k]);
            const TBeh vlastni = VyresPravidly(deska, zhNejrychlejsi, pravidla, std::size_t(16) << 20);
            const TBeh prevzate =
                VyresPravidly(deska, zhNejrychlejsi, pravidla, std::size_t(16) << 20, nullptr, &urovne);
            EXPECT_EQ(static_cast<int>(prevzate.Reseni.Stav), static_cast<int>(vlastni.Reseni.Stav));
            EXPECT_EQ(Text(Pary(prevzate.Reseni.Skoky)), Text(Pary(vlastni.Reseni.Skoky)));
            ++porovnano;
            nalezeno += vlastni.Reseni.Stav == TVysledekHledani::Nalezeno;
        }
        urovne.Dokonci();
        prevzato += urovne.Prevzato;
        zJineTridy += urovne.ZJineTridy;
    }
    // Both the take-over and its refusal must have been exercised, and
    // solvable positions as well as unsolvable ones.
    EXPECT_GT(prevzato, desek) << zJineTridy;
    EXPECT_GT(zJineTridy, desek / 4) << prevzato;
    EXPECT_LT(prevzato, porovnano - desek);
    EXPECT_GT(nalezeno, porovnano / 10);
    EXPECT_LT(nalezeno, porovnano * 9 / 10);
}

}  // namespace
