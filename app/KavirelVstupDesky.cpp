// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelVstupDesky.h"

#include "KavirelZalozkaHra.h"
#include "KavirelZalozkaReseni.h"

TVstupDesky::TVstupDesky(TRelaceHry& Relace, TZalozkaHra& Hra, TZalozkaReseni& Reseni)
    : Relace(Relace), Hra(Hra), Reseni(Reseni)
{
}

bool TVstupDesky::PredStiskem()
{
    Hra.ZrusRadu();
    if (Reseni.PrehravaSe()) {
        Reseni.ZastavPrehrani();
        return false;
    }
    return true;
}

void TVstupDesky::Stisk(const TPozice& Pole)
{
    if (PredStiskem())
        emit Akce(Relace.Stisk(Pole));
}

void TVstupDesky::Tah(const TPozice& Odkud, const TPozice& Kam)
{
    if (PredStiskem())
        emit Akce(Relace.Tah(Odkud, Kam));
}

void TVstupDesky::KrokZpet()
{
    if (PredStiskem())
        emit Akce(Relace.KrokZpet());
}
