// The solve tab. Handing a board to the tab and drawing it are here already;
// the search and the playback are still to come.
#include "KavirelForm.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

#include "KavirelOvladace.h"
#include "KavirelText.h"
#include "KavirelZpravy.h"

QString FormatDobyHledani(double Dny)
{
    const double ms = std::round(Dny * 86400000.0);
    const long long celkem = ms > 0 ? static_cast<long long>(ms) : 0;
    return QStringLiteral("%1:%2.%3")
        .arg((celkem / 60000) % 60, 2, 10, QLatin1Char('0'))
        .arg((celkem / 1000) % 60, 2, 10, QLatin1Char('0'))
        .arg(celkem % 1000, 3, 10, QLatin1Char('0'));
}

void TMainForm::PisStavReseni(bool ZobrazitDobu)
{
    Napis(lblReseniPrubeh, TextZUtf8(ResenaDeska->StavReseni));
    const std::int32_t tahu = ResenaDeska->Reseni.DejPocetTahu();
    if (tahu != 0) {
        Napis(lblReseniCelkemTahu, QStringLiteral("Potřebných tahů: %1").arg(tahu));
        lblReseniCelkemTahu->show();
    } else {
        lblReseniCelkemTahu->hide();
    }
    if (ZobrazitDobu) {
        Napis(lblReseniCas, QStringLiteral("Doba trvání hledání: ") + FormatDobyHledani(ResenaDeska->DobaHledani));
        lblReseniCas->show();
    } else {
        lblReseniCas->hide();
    }
}

void TMainForm::ResitDesku()
{
    if (ProbihaReseni()) {
        PrepniZalozku(zlReseni);
        ZobrazZpravu(this, TDruhZpravy::Informace,
                     QStringLiteral("Momentálně probíhá řešení jiné desky. \n\rChcete-li výpočet přerušit, klikněte "
                                    "na tlačítko \"Zastavit\" a poté znovu vyberte desku pro řešení."));
        return;
    }
    const QWidget* stranka = Zalozky->currentWidget();
    if (stranka == tabHra)
        HerniDeska->DejZaznam(ZaznamReseni);
    else if (stranka == tabNahrat)
        ZaznamReseni = ZaznamNahrany;
    else if (stranka == tabEdit)
        EditovanaDeska->DejZaznam(ZaznamReseni);
    ResenaDeska->StavReseni = "Vyberte způsob hledání řešení...";
    ResenaDeska->Reseni.Vymaz();
    ResenaDeska->Dokonceno = false;
    NovePrehrati(true);
}

void TMainForm::NovePrehrati(bool Prepnout)
{
    ResenaDeska->Nastav(ZaznamReseni);
    PisNazevDesky(lblReseniNazevDesky, ResenaDeska->Zaznam);
    PisTahy(lblReseniTahu, btnReseniKrokZpet, *ResenaDeska);
    PisStavReseni(ResenaDeska->Dokonceno);
    PisZbyvajici(lblReseniZbyva, *ResenaDeska);
    PisTypHry(lblReseniTypHry, ResenaDeska->Zaznam);
    if (Prepnout)
        PrepniZalozku(zlReseni);
    else if (Zalozky->currentWidget() != tabReseni)
        ZvyrazniZalozku(zlReseni, true);
    else
        VykresleniDeskyPriReseni();
}

void TMainForm::VykresleniDeskyPriReseni()
{
    const TBarvy& barvy = PohledDesky->Barvy;
    PohledDesky->KresliDesku(ResenaDeska->Zaznam);
    PohledDesky->KresliCisla(ResenaDeska->Zaznam, mnCislaPoli->isChecked());
    PisStavReseni(ResenaDeska->Dokonceno);
    TPozice vybrany;
    if (ResenaDeska->Tahy.DejOdkud(vybrany))
        PohledDesky->KresliOhraniceniNa(vybrany, barvy.BarvaVyber, true);
    TTahReseni dalsi;
    if (ResenaDeska->Reseni.DejAktualni(dalsi)) {
        PohledDesky->KresliCisloNa(dalsi.Odkud, barvy.BarvaCisloPrubeh, dalsi.CisloOdkud);
        PohledDesky->KresliCisloNa(dalsi.Kam, barvy.BarvaCisloPrubeh, dalsi.CisloKam);
        btnReseniZnovuRozestavet->setEnabled(true);
    } else {
        btnReseniZnovuRozestavet->setEnabled(false);
    }
}

// --- NOT YET IMPLEMENTED: the search and the playback (empty for now) -------

bool TMainForm::ProbihaReseni() const
{
    // TODO(solve tab): the solver's running flag.
    return false;
}

void TMainForm::NajitReseni(QObject*)
{
    // TODO(solve tab): "Nejrychlejší řešení" / "Nejkratší řešení".
}

void TMainForm::PredZapocetimReseni()
{
    // TODO(solve tab): prepare the tab for a search.
}

void TMainForm::PoUkonceniReseni()
{
    // TODO(solve tab): take over the result of a search.
}

void TMainForm::ZastaveniReseni()
{
    // TODO(solve tab): ask a running search to stop ("Zastavit", shutdown).
}

void TMainForm::ZnovuPrehratReseni()
{
    // TODO(solve tab): "Znovu přehrát".
}

void TMainForm::KlikNaPoleReseni(THraciPole*)
{
    // TODO(solve tab): playback of the next solution jump.
}

void TMainForm::KrokZpetReseni()
{
    // TODO(solve tab): step back in the playback.
}
