// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPomocnaOkna.h"

#include "KavirelAbout.h"
#include "KavirelBarvy.h"
#include "KavirelForm.h"
#include "KavirelLegenda.h"

void VytvorPomocnaOkna(TMainForm* Hlavni)
{
    auto* about = new TAboutBox(Hlavni);
    auto* legenda = new TLegendaForm(Hlavni);

    TNapojeniBarev napojeni;
    napojeni.NastavBarvyDesky = [Hlavni](const TBarvy& Barvy) { Hlavni->NastavBarvyDesky(Barvy); };
    napojeni.NastavBarvyPalety = [Hlavni](const TBarvy& Barvy) { Hlavni->NastavBarvyPalety(Barvy); };
    napojeni.PoZmeneZalozky = [Hlavni] { Hlavni->Prekresli(); };
    auto* barvy = new TBarvyForm(std::move(napojeni), Hlavni);

    Hlavni->NastavPomocnaOkna(about, legenda, barvy);
}
