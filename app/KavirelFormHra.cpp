// SPDX-License-Identifier: GPL-3.0-or-later
// The play tab: new game, the play branch of the press routines, step back,
// and the change of game type.
#include "KavirelForm.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "KavirelOvladace.h"

namespace {
const QString TextNovaHra = QStringLiteral("Nová hra");
const QString TextHraProbiha = QStringLiteral("Hra probíhá...");
} // namespace

void TMainForm::NovaHraClick(QObject* Sender)
{
    if (Sender == btnHraZnovuRozestavet || Sender == mnNovaHra)
        NovaHra();
}

void TMainForm::NovaHra()
{
    PrepniZalozku(zlHra);
    HerniDeska->Nastav(ZaznamHry);
    PisNazevDesky(lblHraNazevDesky, HerniDeska->Zaznam);
    PisTypHry(lblHraTypHry, HerniDeska->Zaznam);
    PisTahy(lblHraTahu, btnHraKrokZpet, *HerniDeska);
    PisZbyvajici(lblHraZbyva, *HerniDeska);
    PisPrubeh(lblHraPrubeh, lblHraKonec, lblHraCilova, TextNovaHra, *HerniDeska);
    PohledDesky->KresliDesku(HerniDeska->Zaznam);
    PohledDesky->KresliCisla(HerniDeska->Zaznam, mnCislaPoli->isChecked());
}

void TMainForm::btnHraKrokZpetClick() { KrokZpet(); }

void TMainForm::KlikNaPoleHra(THraciPole* Prvek)
{
    const TPozice kam = Prvek->PozicePole;
    const TBarvy& barvy = PohledDesky->Barvy;
    TPozice odkud;
    if (HerniDeska->Tahy.DejOdkud(odkud)) {
        const TPozice pres = StredSkoku(odkud, kam);
        if (HerniDeska->JeSkokPlatny(odkud, kam)) {
            PohledDesky->KresliOhraniceniNa(odkud, barvy.BarvaMrizka, true);
            PohledDesky->KresliOhraniceni(Prvek, barvy.BarvaVyber, true);
            HerniDeska->ProvedSkok(odkud, kam, pres);
            HerniDeska->Tahy.PridejCilovyTah(kam);
            HerniDeska->Tahy.PridejOdkud(kam);
            PohledDesky->KresliSkok(HerniDeska->Zaznam, odkud, kam, pres);
            PisTahy(lblHraTahu, btnHraKrokZpet, *HerniDeska);
            PisZbyvajici(lblHraZbyva, *HerniDeska);
            PisPrubeh(lblHraPrubeh, lblHraKonec, lblHraCilova, TextHraProbiha, *HerniDeska);
        } else if (HerniDeska->JeStav(spPlne, kam)) {
            PohledDesky->KresliOhraniceniNa(odkud, barvy.BarvaMrizka, true);
            PohledDesky->KresliOhraniceni(Prvek, barvy.BarvaVyber, true);
            HerniDeska->Tahy.PridejOdkud(kam);
        }
    } else if (HerniDeska->JeStav(spPlne, kam)) {
        HerniDeska->Tahy.PridejOdkud(kam);
        PohledDesky->KresliOhraniceni(Prvek, barvy.BarvaVyber, true);
        PisPrubeh(lblHraPrubeh, lblHraKonec, lblHraCilova, TextHraProbiha, *HerniDeska);
    }
}

void TMainForm::KrokZpetHra()
{
    TPozice kam;
    if (!HerniDeska->Tahy.DejPosledniKam(kam))
        return;
    VratSkokNaDesce(*HerniDeska, kam);
    PisTahy(lblHraTahu, btnHraKrokZpet, *HerniDeska);
    PisZbyvajici(lblHraZbyva, *HerniDeska);
    PisPrubeh(lblHraPrubeh, lblHraKonec, lblHraCilova, TextHraProbiha, *HerniDeska);
}

void TMainForm::ZmenaTypuHryZMenu(QObject* Sender)
{
    auto* polozka = qobject_cast<QAction*>(Sender);
    if (polozka && !polozka->isChecked())
        ZmenaTypuHry(Sender);
}

void TMainForm::ZmenaTypuHry(QObject*)
{
    TTypHry novyTyp;
    if (mnNormalni->isChecked()) {
        novyTyp = thLeibniz;
        ZaskrtniTyp(mnLeibniz);
    } else {
        novyTyp = thNormalni;
        ZaskrtniTyp(mnNormalni);
    }

    const QWidget* stranka = Zalozky->currentWidget();
    if (stranka == tabHra && novyTyp != HerniDeska->Zaznam.TypHry) {
        HerniDeska->Zaznam.TypHry = novyTyp;
        TPozice vybrany;
        if (HerniDeska->Tahy.DejOdkud(vybrany)) {
            HerniDeska->Tahy.Vymaz();
            HerniDeska->Tahy.PridejOdkud(vybrany);
            PisPrubeh(lblHraPrubeh, lblHraKonec, lblHraCilova, TextHraProbiha, *HerniDeska);
        } else {
            HerniDeska->Tahy.Vymaz();
            PisPrubeh(lblHraPrubeh, lblHraKonec, lblHraCilova, TextNovaHra, *HerniDeska);
        }
        PisTahy(lblHraTahu, btnHraKrokZpet, *HerniDeska);
        PisZbyvajici(lblHraZbyva, *HerniDeska);
        PisTypHry(lblHraTypHry, HerniDeska->Zaznam);
    } else if (stranka == tabEdit && novyTyp != EditovanaDeska->Zaznam.TypHry) {
        EditovanaDeska->Zaznam.TypHry = novyTyp;
        PisTypHry(lblEditTypHry, EditovanaDeska->Zaznam);
    }
}

void TMainForm::VratSkokNaDesce(TGameDeska& Deska, const TPozice& kam)
{
    const TBarvy& barvy = PohledDesky->Barvy;
    TPozice vybrany;
    if (Deska.Tahy.DejOdkud(vybrany))
        PohledDesky->KresliOhraniceniNa(vybrany, barvy.BarvaMrizka, true);
    Deska.Tahy.OdeberPosledni();
    TPozice odkud;
    Deska.Tahy.DejOdkud(odkud);
    const TPozice pres = StredSkoku(odkud, kam);
    Deska.VratSkok(kam, odkud, pres);
    PohledDesky->KresliNavratSkoku(Deska.Zaznam, kam, odkud, pres);
    PohledDesky->KresliOhraniceniNa(odkud, barvy.BarvaVyber, true);
}
