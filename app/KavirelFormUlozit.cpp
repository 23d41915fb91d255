// SPDX-License-Identifier: GPL-3.0-or-later
// The save tab: the board of the tab left last, under a name the user may
// change, appended to the catalogue or written to an external board file.
#include "KavirelForm.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "KavirelFile.h"
#include "KavirelHlaseniSouboru.h"
#include "KavirelOvladace.h"
#include "KavirelStandardni.h"
#include "KavirelText.h"
#include "KavirelZpravy.h"

void TMainForm::VstupNaZalozkuUlozit()
{
    Napis(lblUlozitKamUlozeno, QString());
    Napis(lblUlozitJakUlozeno, QString());
    switch (PredchoziZalozka) {
    case zlHra:
        PisEditNazevDesky(edtUlozitNazevDesky, NazevDesky(ZaznamHry));
        Napis(lblUlozitPuvodDesky, QStringLiteral("Uložit rozehranou desku pod názvem..."));
        break;
    case zlNahrat:
        PisEditNazevDesky(edtUlozitNazevDesky, NazevDesky(ZaznamNahrany));
        Napis(lblUlozitPuvodDesky, QStringLiteral("Uložit nahranou desku pod názvem..."));
        break;
    case zlEdit:
        PisEditNazevDesky(edtUlozitNazevDesky, NazevDesky(EditovanaDeska->Zaznam));
        Napis(lblUlozitPuvodDesky, QStringLiteral("Uložit editovanou desku pod názvem..."));
        break;
    case zlReseni: {
        edtUlozitNazevDesky->clear();
        QPalette paleta = edtUlozitNazevDesky->palette();
        paleta.setColor(QPalette::Base, paleta.color(QPalette::Button));
        edtUlozitNazevDesky->setPalette(paleta);
        edtUlozitNazevDesky->setEnabled(false);
        btnUlozitStandardni->setEnabled(false);
        btnUlozitExterni->setEnabled(false);
        Napis(lblUlozitPuvodDesky, QStringLiteral("Nelze ukládat desku z řešení..."));
        break;
    }
    default:
        break;
    }
}

void TMainForm::PrevezmiNazevUkladane() { NastavNazevDesky(ZaznamUkladany, edtUlozitNazevDesky->text()); }

void TMainForm::btnUlozitStandardniClick()
{
    PrevezmiNazevUkladane();
    const TPridaniDesky pridani = PridejDoStandardnihoSouboru(ZaznamUkladany);
    if (pridani == TPridaniDesky::Odmitnuto) {
        edtUlozitNazevDeskyEnter();
        return;
    }
    // A board the file did not take must not look saved for good; why, was
    // told at start-up or by the failed write.
    const TZapisPriKonci zapis = ZapisKataloguPriKonci();
    Napis(lblUlozitJakUlozeno, pridani == TPridaniDesky::Ulozeno ? QStringLiteral("Uloženo do standardního souboru")
                                                                 : QStringLiteral("Přidáno jen do katalogu této hry"));
    Napis(lblUlozitKamUlozeno, QStringLiteral("pod číslem %1").arg(SeznamDesek->PocetDesek));
    if (zapis == TZapisPriKonci::JinaHra)
        ZobrazZpravu(this, TDruhZpravy::Informace,
                     QStringLiteral("Standardní soubor používá jiná spuštěná hra,\n\r"
                                    "deska se do něj při ukončení této hry neuloží."));
    else if (zapis == TZapisPriKonci::BezZalohy)
        ZobrazZpravu(this, TDruhZpravy::Informace,
                     QStringLiteral("Standardní soubor se nepodařilo zálohovat,\n\r"
                                    "deska se do něj při ukončení neuloží."));
    else if (zapis == TZapisPriKonci::BezZamku)
        ZobrazZpravu(this, TDruhZpravy::Informace,
                     QStringLiteral("Zámek standardního souboru nelze použít,\n\rdeska se do něj neuloží."));
}

void TMainForm::btnUlozitExterniClick()
{
    PrevezmiNazevUkladane();
    const QString soubor = VyberSoubor(SaveFileDialog);
    if (soubor.isEmpty())
        return;
    // After a failed write the file layer has shown its message; the labels
    // must not then report the board as saved.
    const int hlaseni = PocetHlaseniSouboru();
    UlozExterniSoubor(ZaznamUkladany, QFile::encodeName(soubor).toStdString());
    if (PocetHlaseniSouboru() != hlaseni) {
        edtUlozitNazevDeskyEnter();
        return;
    }
    Napis(lblUlozitJakUlozeno, QStringLiteral("Uloženo do externího souboru"));
    Napis(lblUlozitKamUlozeno,
          QStringLiteral("s názvem ") + QLatin1Char('"') + QFileInfo(soubor).fileName() + QLatin1Char('"'));
}

void TMainForm::edtUlozitNazevDeskyEnter()
{
    Napis(lblUlozitJakUlozeno, QString());
    Napis(lblUlozitKamUlozeno, QString());
}
