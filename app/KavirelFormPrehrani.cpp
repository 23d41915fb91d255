// SPDX-License-Identifier: GPL-3.0-or-later
// The solve tab's additions: the automatic replay of a found solution
// ("Přehrát") and playing on from the replayed position ("Hrát odsud"); and
// the settings the window keeps between runs.
#include "KavirelForm.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtGlobal>

#include "KavirelBarvy.h"
#include "KavirelFile.h"
#include "KavirelNastaveni.h"
#include "KavirelOvladace.h"

// ---------------------------------------------------------------------------
// Automatic replay

bool TMainForm::PrehravaSe() const { return CasovacPrehrani && CasovacPrehrani->isActive(); }

void TMainForm::PrehratReseni()
{
    if (PrehravaSe()) {
        ZastavPrehrani();
        return;
    }
    if (ProbihaReseni() || !ResenaDeska->Reseni.JeReseni())
        return;
    if (Zalozky->currentWidget() != tabReseni)
        PrepniZalozku(zlReseni);
    // A solution played to its end is played again from its start.
    TTahReseni dalsi;
    if (!ResenaDeska->Reseni.DejAktualni(dalsi))
        ZnovuPrehratReseni();
    CasovacPrehrani->start();
    ObnovOvladacePrehrani();
}

void TMainForm::ZastavPrehrani()
{
    if (!PrehravaSe())
        return;
    CasovacPrehrani->stop();
    ObnovOvladacePrehrani();
}

void TMainForm::KrokPrehrani()
{
    TTahReseni skok;
    if (Zalozky->currentWidget() != tabReseni || ProbihaReseni() || !ResenaDeska->Reseni.DejAktualni(skok)) {
        ZastavPrehrani();
        return;
    }
    // The presses a player would make, so the marks and labels are those of
    // a replay by hand.
    TPozice vybrany;
    if (!ResenaDeska->Tahy.DejOdkud(vybrany) || vybrany != skok.Odkud)
        KlikNaPoleReseni(skok.Odkud);
    const std::int32_t pozice = ResenaDeska->Reseni.DejPozici();
    KlikNaPoleReseni(skok.Kam);
    if (ResenaDeska->Reseni.DejPozici() == pozice || !ResenaDeska->Reseni.DejAktualni(skok))
        ZastavPrehrani();
}

void TMainForm::ObnovOvladacePrehrani()
{
    if (!btnReseniPrehrat)
        return;
    const bool hraje = PrehravaSe();
    btnReseniPrehrat->setText(hraje ? QStringLiteral("Zastavit") : QStringLiteral("Přehrát"));
    btnReseniPrehrat->setToolTip(hraje ? QStringLiteral("Zastavit automatické přehrávání řešení")
                                       : QStringLiteral("Přehrát nalezené řešení tah po tahu"));
    btnReseniPrehrat->setEnabled(hraje || (ResenaDeska && ResenaDeska->Reseni.JeReseni() && !ProbihaReseni()));
}

void TMainForm::HratOdsud()
{
    ZastavPrehrani();
    ResenaDeska->DejZaznam(ZaznamHry);
    NovaHra();
}

// ---------------------------------------------------------------------------
// Settings

void TMainForm::NactiNastaveni()
{
    Nastaveni = std::make_unique<TNastaveni>();
    Nastaveni->Nacti();
    PohledDesky->NastavBarvy(Nastaveni->Barvy);
    PohledPalety->NastavBarvy(Nastaveni->Barvy);
    mnCislaPoli->setChecked(Nastaveni->CislaPoli);
    CislaPoliHry = Nastaveni->CislaPoli;
    // A number the catalogue no longer has leaves its first board current.
    if (Nastaveni->PosledniDeska > 0 && !(SeznamDesek && SeznamDesek->NaDeskuCislo(Nastaveni->PosledniDeska)))
        Nastaveni->PosledniDeska = 0;
}

void TMainForm::UlozNastaveni()
{
    if (!Nastaveni)
        return;
    Nastaveni->Barvy = PohledDesky->DejBarvy();
    // Elsewhere the menu shows the rule of the tab in front, not the choice.
    Nastaveni->CislaPoli = ZalozkaVpredu == zlHra ? mnCislaPoli->isChecked() : CislaPoliHry;
    if (!Nastaveni->Uloz())
        qWarning("Kavirel: nastavení nelze uložit do %s", qUtf8Printable(Nastaveni->Soubor()));
}
