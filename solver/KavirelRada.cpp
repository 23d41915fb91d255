// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelRada.h"

#include "KavirelHledani.h"
#include "KavirelSluzba.h"

void HledejRadu(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    KavirelHledani::TPravidla pravidla;
    pravidla.RohyNapred = true;
    KavirelHledani::Prohledej(uloha, rizeni, uloha.Typ != thNormalni, false, pravidla);
}

TRadaTahu DejRadu(const TZaznamDesky& pozice, TRizeniHledani& rizeni)
{
    TPozadavek pozadavek;
    pozadavek.Deska = pozice;
    pozadavek.Zpusob = zhRada;
    pozadavek.LimitPameti = rizeni.LimitPameti;
    return RadaZVysledku(pozice, VyresPozadavek(pozadavek, rizeni));
}

TRadaTahu RadaZVysledku(const TZaznamDesky& pozice, const TVysledekUlohy& v)
{
    TRadaTahu rada;
    rada.Stav = JakoReseni(v).Stav;
    if (rada.Stav != TVysledekHledani::Nalezeno)
        return rada;
    if (v.Skoky.empty()) {
        rada.BezSkoku = true;
        return rada;
    }
    // The jumps are numbers of the board that took the record over.
    TSolveDeska deska;
    deska.Nastav(pozice);
    deska.PridejSkokReseni(v.Skoky.front().CisloOdkud, v.Skoky.front().CisloKam);
    const TTahReseni& prvni = deska.Reseni.Skok(1);
    rada.Odkud = prvni.Odkud;
    rada.Kam = prvni.Kam;
    return rada;
}
