// SPDX-License-Identifier: GPL-3.0-or-later
// The column-shaped views: the editor's palette and the samples of the
// legend and colour windows.
#include "KavirelGraph.h"

#include "KavirelKresleni.h"

using namespace KavirelKresleni;

TGraphEditDeska::TGraphEditDeska(QWidget* Hostitel, std::int32_t MezeraX_, std::int32_t MezeraY_,
                                 std::int32_t Vlevo_, std::int32_t Nahore_)
    : TGraphDeska(Hostitel, 1, PocetPrvkuPalety, MezeraX_, MezeraY_, Vlevo_, Nahore_)
{
    for (int r = 0; r < PocetPrvkuPalety; ++r)
        Prvky[r] = new TEditPole(Hostitel, PolohaPrvku(0, r), r);
}

TGraphEditDeska::~TGraphEditDeska()
{
    for (auto& prvek : Prvky)
        Uvolni(prvek);
}

void TGraphEditDeska::NastavPrijemce(IPrijemceVyberu* Prijemce)
{
    for (auto& prvek : Prvky)
        if (!prvek.isNull())
            prvek->Prijemce = Prijemce;
}

TEditPole* TGraphEditDeska::DejPrvek(int Radek) const
{
    KontrolaRozsahu(Radek, 0, PocetPrvkuPalety - 1);
    TEditPole* prvek = Prvky[Radek].data();
    if (prvek == nullptr)
        ChybaRozsahu();
    return prvek;
}

void TGraphEditDeska::KresliPaletu()
{
    VyplnPozadi(BarvaTlacitka());
    KresliPole(DejPrvek(0), Barvy.BarvaDeska);
    KresliPole(DejPrvek(1), Barvy.BarvaPole);
    KresliPole(DejPrvek(2), Barvy.BarvaPole);
    KresliKamen(DejPrvek(2), Barvy.BarvaKamen);
    KresliPole(DejPrvek(3), Barvy.BarvaPole);
    KresliCil(DejPrvek(3), Barvy.BarvaCilove);
    KresliPole(DejPrvek(4), Barvy.BarvaPole);
    KresliKamen(DejPrvek(4), Barvy.BarvaKamen);
    KresliCil(DejPrvek(4), Barvy.BarvaCilove);
    KresliVsechnaOhraniceni(Barvy.BarvaMrizka);
}

void TGraphEditDeska::KresliVsechnaOhraniceni(TBarva Barva)
{
    for (int r = 0; r < PocetPrvkuPalety; ++r)
        KresliOhraniceni(DejPrvek(r), Barva, true);
}

// ---------------------------------------------------------------------------

TGraphLegendaDeska::TGraphLegendaDeska(QWidget* Hostitel, std::int32_t MezeraX_, std::int32_t MezeraY_,
                                       std::int32_t Vlevo_, std::int32_t Nahore_)
    : TGraphDeska(Hostitel, 1, PocetPrvkuPalety, MezeraX_, MezeraY_, Vlevo_, Nahore_)
{
    for (int r = 0; r < PocetPrvkuPalety; ++r)
        Prvky[r] = new TObrazek(Hostitel, PolohaPrvku(0, r));
    Podlozka = new TObrazek(Hostitel, PolohaPrvku(0, PocetPrvkuPalety - 1).adjusted(-3, -3, 3, 3));
    Podlozka->setObjectName(QStringLiteral("PodlozkaOznaceni"));
    Podlozka->stackUnder(Prvky[0].data());
}

void TGraphLegendaDeska::KresliPodlozku()
{
    if (Podlozka.isNull())
        return;
    const QColor vyber = BarvaNaQColor(Barvy.BarvaVyber);
    const QColor tlacitko = BarvaNaQColor(BarvaTlacitka());
    // Dark under a light marking, the face colour under a dark one.
    const QColor barva = vyber.lightnessF() > 0.5 ? QColor(0x30, 0x30, 0x30) : tlacitko;
    TPlatno p(Podlozka.data(), Podlozka->Obraz());
    p->fillRect(QRect(QPoint(0, 0), Podlozka->size()), barva);
}

TGraphLegendaDeska::~TGraphLegendaDeska()
{
    Uvolni(Podlozka);
    for (auto& prvek : Prvky)
        Uvolni(prvek);
}

TObrazek* TGraphLegendaDeska::DejPrvek(int Radek) const
{
    KontrolaRozsahu(Radek, 0, PocetPrvkuPalety - 1);
    TObrazek* prvek = Prvky[Radek].data();
    if (prvek == nullptr)
        ChybaRozsahu();
    return prvek;
}

void TGraphLegendaDeska::KresliVsechnaOhraniceni(TBarva Barva)
{
    for (int r = 0; r < PocetPrvkuPalety; ++r)
        KresliOhraniceni(DejPrvek(r), Barva, true);
}

void TGraphLegendaDeska::Kresli()
{
    VyplnPozadi(BarvaTlacitka());
    for (int r = 0; r < PocetPrvkuPalety; ++r)
        KresliPole(DejPrvek(r), Barvy.BarvaPole);
    KresliKamen(DejPrvek(1), Barvy.BarvaKamen);
    KresliCil(DejPrvek(2), Barvy.BarvaCilove);
    KresliKamen(DejPrvek(3), Barvy.BarvaKamen);
    KresliCil(DejPrvek(3), Barvy.BarvaCilove);
    KresliKamen(DejPrvek(4), Barvy.BarvaKamen);
    KresliVsechnaOhraniceni(Barvy.BarvaMrizka);
    KresliOhraniceni(DejPrvek(4), Barvy.BarvaVyber, true);
    KresliPodlozku();
}

// ---------------------------------------------------------------------------

TGraphBarvyDeska::TGraphBarvyDeska(QWidget* Hostitel, std::int32_t MezeraX_, std::int32_t MezeraY_,
                                   std::int32_t Vlevo_, std::int32_t Nahore_)
    : TGraphLegendaDeska(Hostitel, MezeraX_, MezeraY_, Vlevo_, Nahore_)
{
}

void TGraphBarvyDeska::Kresli()
{
    VyplnPozadi(BarvaTlacitka());
    KresliPole(DejPrvek(0), Barvy.BarvaDeska);
    for (int r = 1; r < PocetPrvkuPalety; ++r)
        KresliPole(DejPrvek(r), Barvy.BarvaPole);
    KresliKamen(DejPrvek(2), Barvy.BarvaKamen);
    KresliKamen(DejPrvek(3), Barvy.BarvaKamen);
    KresliCil(DejPrvek(3), Barvy.BarvaCilove);
    KresliKamen(DejPrvek(4), Barvy.BarvaKamen);
    KresliVsechnaOhraniceni(Barvy.BarvaMrizka);
    KresliOhraniceni(DejPrvek(4), Barvy.BarvaVyber, true);
    KresliPodlozku();
    KresliCislo(DejPrvek(1), Barvy.BarvaCislo, 1);
    KresliCislo(DejPrvek(2), Barvy.BarvaCislo, 2);
    KresliCislo(DejPrvek(3), Barvy.BarvaCisloPrubeh, 3);
    KresliCislo(DejPrvek(4), Barvy.BarvaCisloPrubeh, 4);
}

void TGraphBarvyDeska::DejBarvy(TBarvy& Vystup) const
{
    Vystup = Barvy;
}
