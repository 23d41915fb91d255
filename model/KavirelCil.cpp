// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelCil.h"

bool JeCilSplnen(const TZaznamDesky& zaznam)
{
    // Any type other than normal plays by the Leibniz rule, as on the boards.
    const TStavPole hledany = zaznam.TypHry == thNormalni ? spPlne : spPrazdne;
    int hledanych = 0;
    int cilovych = 0;
    bool shoda = true;
    for (const auto& sloupec : zaznam.Pole)
        for (const TPole& p : sloupec) {
            if (p.Stav != spPrazdne && p.Stav != spPlne)
                continue;
            const bool je = p.Stav == hledany;
            const bool cil = p.Cilove != 0;
            hledanych += je ? 1 : 0;
            cilovych += cil ? 1 : 0;
            if (je != cil)
                shoda = false;
        }
    return cilovych > 0 ? shoda : hledanych == 1;
}

bool JeVerdiktBezVyhry(TStavHry verdikt, bool cilSplnen)
{
    return verdikt == shKonecCileSplneny && !cilSplnen;
}

TZaznamDesky PocatecniPozice(const TGameDeska& deska)
{
    TGameDeska kopie;
    kopie.Nastav(deska.Zaznam);
    // Entry Aktualni is the selection being built; the completed jumps lie
    // before it.
    for (std::int32_t i = deska.Tahy.DejAktualni() - 1; i >= 1; --i) {
        const TTah& t = deska.Tahy.Skok(i);
        kopie.VratSkok(t.Kam, t.Odkud, StredSkoku(t.Odkud, t.Kam));
    }
    return kopie.Zaznam;
}
