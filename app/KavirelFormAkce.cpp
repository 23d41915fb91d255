// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus and keys.
#include "KavirelForm.h"

#include "KavirelNahodnaForm.h"
#include "KavirelNabidky.h"
#include "KavirelNapoveda.h"
#include "KavirelNastaveni.h"
#include "KavirelNastaveniOkna.h"
#include "KavirelOknaNabidek.h"
#include "KavirelOvladace.h"
#include "KavirelPravidlaZalozek.h"
#include "KavirelPredavaniDesek.h"
#include "KavirelVstupDesky.h"
#include "KavirelZalozkaHra.h"
#include "KavirelZalozkaNahrat.h"

void TMainForm::PoVolbe(TPolozka Polozka)
{
    TNastaveni* nastaveni = Nastaveni->Hodnoty();
    switch (Polozka) {
    case TPolozka::NovaHra:
        Pravidla->Prepni(zlHra);
        tabHra->ZnovuRozestavet();
        break;
    case TPolozka::NahodnaDeska:
        if (const std::optional<TCisloDesky> cislo = ZvolNahodnouDesku(this, Nabidky->ZaskrtnutyTyp()))
            Predavani->HratNahodnou(*cislo);
        break;
    case TPolozka::CisloDesky:
        if (const std::optional<TCisloDesky> cislo = ZadejCisloDesky(this))
            Predavani->HratNahodnou(*cislo);
        break;
    case TPolozka::KrokZpet:
        Vstup->KrokZpet();
        break;
    case TPolozka::KrokVpred:
        if (Pravidla->Vpredu() == zlHra)
            tabHra->KrokVpred();
        break;
    case TPolozka::Poradit:
        if (Pravidla->Vpredu() != zlHra)
            Pravidla->Prepni(zlHra);
        tabHra->PoradTah();
        break;
    case TPolozka::Rekordy:
        Okna->UkazRekordy(nastaveni ? nastaveni->Rekordy : std::vector<TOsobniRekord>{});
        break;
    case TPolozka::Statistika:
        Okna->UkazStatistiku(nastaveni ? nastaveni->Statistiky.Desky() : std::vector<TStatistikaDesky>{});
        break;
    case TPolozka::Konec:
        UkonceniAplikace();
        break;
    case TPolozka::Barvy:
        Okna->UkazBarvy();
        break;
    case TPolozka::CislaPoli:
        UkazVysledek(Relace->Hra().NastavCisla(!Relace->Hra().JsouCisla()));
        Nabidky->NastavCislaPoli(Relace->Hra().JsouCisla());
        break;
    case TPolozka::Animace:
        Nabidky->NastavAnimaci(!Nabidky->Animace());
        PohledDesky->NastavAnimaci(Nabidky->Animace());
        if (nastaveni)
            nastaveni->Animace = Nabidky->Animace();
        break;
    case TPolozka::Legenda:
        Okna->UkazLegendu();
        break;
    case TPolozka::Info:
        Okna->UkazNapovedu(KontextNapovedyUvod);
        break;
    case TPolozka::Oaplikaci:
        Okna->UkazAbout();
        break;
    case TPolozka::KontextovaNapoveda: {
        const int kontext = Pravidla->Stranky().currentWidget()->property("HelpContext").toInt();
        Okna->UkazNapovedu(kontext != 0 ? kontext : KontextNapovedyUvod);
        break;
    }
    case TPolozka::JdiNaCislo:
        if (Pravidla->Vpredu() != zlNahrat)
            Pravidla->Prepni(zlNahrat);
        tabNahrat->JdiNaCislo();
        break;
    case TPolozka::DalsiZalozka:
    case TPolozka::PredchoziZalozka:
        Pravidla->Posun(Polozka == TPolozka::DalsiZalozka ? 1 : -1);
        break;
    }
}
