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

void TMainForm::KlikNaPoleHra(THraciPole* Prvek) { UkazZmenuHry(HerniDeska->Stisk(Prvek->PozicePole)); }

void TMainForm::KrokZpetHra() { UkazZmenuHry(HerniDeska->KrokZpet()); }

void TMainForm::UkazZmenuHry(const TZmenaDesky& Zmena)
{
    if (!Zmena.Zmeneno())
        return;
    KresliZmenu(Zmena, HerniDeska->Zaznam);
    if (!Zmena.PrepsatStav())
        return;
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
    if (stranka == tabHra && HerniDeska->ZmenTypHry(novyTyp)) {
        TPozice vybrany;
        const bool sVyberem = HerniDeska->Tahy.DejOdkud(vybrany);
        PisPrubeh(lblHraPrubeh, lblHraKonec, lblHraCilova, sVyberem ? TextHraProbiha : TextNovaHra, *HerniDeska);
        PisTahy(lblHraTahu, btnHraKrokZpet, *HerniDeska);
        PisZbyvajici(lblHraZbyva, *HerniDeska);
        PisTypHry(lblHraTypHry, HerniDeska->Zaznam);
    } else if (stranka == tabEdit && novyTyp != EditovanaDeska->Zaznam.TypHry) {
        EditovanaDeska->Zaznam.TypHry = novyTyp;
        PisTypHry(lblEditTypHry, EditovanaDeska->Zaznam);
    }
}

void TMainForm::KresliZmenu(const TZmenaDesky& Zmena, const TZaznamDesky& Zaznam)
{
    const TBarvy& barvy = PohledDesky->Barvy;
    // The jump being left goes back to the plain number colour before the
    // next one is marked: in a run of jumps the two share a field.
    if (Zmena.OdznacitReseni) {
        PohledDesky->KresliCisloNa(Zmena.Odznacit.Odkud, barvy.BarvaCislo, Zmena.Odznacit.CisloOdkud);
        PohledDesky->KresliCisloNa(Zmena.Odznacit.Kam, barvy.BarvaCislo, Zmena.Odznacit.CisloKam);
    }
    if (Zmena.OznacitReseni) {
        PohledDesky->KresliCisloNa(Zmena.Oznacit.Odkud, barvy.BarvaCisloPrubeh, Zmena.Oznacit.CisloOdkud);
        PohledDesky->KresliCisloNa(Zmena.Oznacit.Kam, barvy.BarvaCisloPrubeh, Zmena.Oznacit.CisloKam);
    }
    if (Zmena.ZrusenVyber)
        PohledDesky->KresliOhraniceniNa(Zmena.DrivejsiVyber, barvy.BarvaMrizka, true);
    if (Zmena.Druh == dzSkok)
        PohledDesky->KresliSkok(Zaznam, Zmena.Odkud, Zmena.Kam, Zmena.Pres);
    else if (Zmena.Druh == dzKrokZpet)
        PohledDesky->KresliNavratSkoku(Zaznam, Zmena.Kam, Zmena.Odkud, Zmena.Pres);
    PohledDesky->KresliOhraniceniNa(Zmena.Vyber, barvy.BarvaVyber, true);
}
