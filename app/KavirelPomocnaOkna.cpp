// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPomocnaOkna.h"

#include "KavirelAbout.h"
#include "KavirelBarvy.h"
#include "KavirelForm.h"
#include "KavirelLegenda.h"
#include "KavirelOvladace.h"

void VytvorPomocnaOkna(TMainForm* Hlavni)
{
    auto* about = new TAboutBox(Hlavni);
    auto* legenda = new TLegendaForm(Hlavni);

    // The views go in the main window's FormDestroy, a moment before Qt
    // takes the colour window down with the window's other children; a call
    // in between finds them gone and does nothing.
    TNapojeniBarev napojeni;
    napojeni.NastavBarvyDesky = [Hlavni](const TBarvy& Barvy) {
        if (Hlavni->PohledDesky)
            Hlavni->PohledDesky->NastavBarvy(Barvy);
    };
    napojeni.NastavBarvyPalety = [Hlavni](const TBarvy& Barvy) {
        if (Hlavni->PohledPalety)
            Hlavni->PohledPalety->NastavBarvy(Barvy);
    };
    napojeni.PoZmeneZalozky = [Hlavni] {
        if (Hlavni->PohledDesky)
            Hlavni->PoZmeneZalozky(Hlavni->Zalozky);
    };
    auto* barvy = new TBarvyForm(std::move(napojeni), Hlavni);

    Hlavni->NastavPomocnaOkna(about, legenda, barvy);
}
