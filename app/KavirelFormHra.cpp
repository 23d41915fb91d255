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
    ZobrazDesku();
}

void TMainForm::btnHraKrokZpetClick() { KrokZpet(); }

void TMainForm::KlikNaPoleHra(const TPozice& Pole) { UkazZmenuHry(HerniDeska->Stisk(Pole)); }

void TMainForm::KrokZpetHra() { UkazZmenuHry(HerniDeska->KrokZpet()); }

void TMainForm::UkazZmenuHry(const TZmenaDesky& Zmena)
{
    if (!Zmena.Zmeneno())
        return;
    ZobrazDesku();
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
