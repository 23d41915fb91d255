// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelRada.h"

TRadaTahu DejRadu(const TZaznamDesky& pozice, TRizeniHledani& rizeni)
{
    // The record's field numbers may be stale; the board renumbers them, and
    // the solver's jumps are numbers of that board.
    TSolveDeska deska;
    deska.Nastav(pozice);
    const TReseni reseni = VyresDesku(deska, zhNejrychlejsi, rizeni);
    TRadaTahu rada;
    rada.Stav = reseni.Stav;
    if (reseni.Stav != TVysledekHledani::Nalezeno)
        return rada;
    if (reseni.Skoky.empty()) {
        rada.BezSkoku = true;
        return rada;
    }
    deska.PridejSkokReseni(reseni.Skoky.front().CisloOdkud, reseni.Skoky.front().CisloKam);
    const TTahReseni& prvni = deska.Reseni.Skok(1);
    rada.Odkud = prvni.Odkud;
    rada.Kam = prvni.Kam;
    return rada;
}
