// SPDX-License-Identifier: GPL-3.0-or-later
// The load tab: browsing the catalogue, going to a number, deleting, opening
// an external board file and playing the shown board.
#include "KavirelForm.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "KavirelFile.h"
#include "KavirelStandardni.h"
#include "KavirelHlaseniSouboru.h"
#include "KavirelNastaveni.h"
#include "KavirelOvladace.h"
#include "KavirelZpravy.h"

void TMainForm::VykresleniDeskyPriNahravani(std::int32_t Cislo, const QString& Soubor)
{
    CisloNahraneDesky = Soubor.isEmpty() ? Cislo : 0;
    PisNazevDesky(lblNahratNazevDesky, ZaznamNahrany);
    PisTypHry(lblNahratTypHry, ZaznamNahrany);
    if (!Soubor.isEmpty()) {
        // The number's row is free first, for a long file name to use.
        lblNahratCisloDeskyPevna->hide();
        lblNahratCisloDesky->hide();
        PisPuvodDesky(lblNahratPuvodDesky, QStringLiteral("Nahráno ze souboru"), Soubor);
        btnNahratSmazat->setEnabled(false);
    } else {
        PisPuvodDesky(lblNahratPuvodDesky, QStringLiteral("Nahráno ze standardního souboru"), QString());
        lblNahratPuvodDesky->setToolTip(QStringLiteral("Ukazuje odkud byla aktuální deska nahrána"));
        btnNahratSmazat->setEnabled(SeznamDesek && SeznamDesek->LzeSmazatAktualni());
        PisCisloDesky(lblNahratCisloDesky, Cislo);
    }
    PohledDesky->KresliDesku(ZaznamNahrany);
}

void TMainForm::PohybVSeznamuDesek(QObject* Sender)
{
    if (Sender == btnNahratDalsi)
        SeznamDesek->PosunZa();
    else
        SeznamDesek->PosunPred();
    edtNahratCislo->clear();
    std::int32_t cislo = 0;
    SeznamDesek->VratAktualniDesku(ZaznamNahrany, cislo);
    VykresleniDeskyPriNahravani(cislo, QString());
}

void TMainForm::UkonceniZadavaniCisla()
{
    if (edtNahratCislo->text().isEmpty())
        return;
    bool jeCislo = false;
    const std::int32_t cislo = edtNahratCislo->text().toInt(&jeCislo, 10);
    if (!jeCislo) {
        edtNahratCislo->setFocus();
        ZobrazZpravu(this, TDruhZpravy::Informace, QStringLiteral("Zadaná hodnota není číslo"));
        edtNahratCislo->clear();
        return;
    }
    const std::int32_t pocet = SeznamDesek->PocetDesek;
    if (pocet == 0)
        ZobrazZpravu(this, TDruhZpravy::Informace, QStringLiteral("Standardní soubor je prázdný."));
    if (SeznamDesek->NaDeskuCislo(cislo)) {
        edtNahratCislo->clear();
        std::int32_t aktualni = 0;
        SeznamDesek->VratAktualniDesku(ZaznamNahrany, aktualni);
        VykresleniDeskyPriNahravani(aktualni, QString());
    } else {
        ZobrazZpravu(this, TDruhZpravy::Informace,
                     QStringLiteral("Standardní soubor obsahuje %1 uložených desek.\n\rZadejte číslo z rozmezí 1..%1")
                         .arg(pocet));
        edtNahratCislo->clear();
        edtNahratCislo->setFocus();
    }
}

void TMainForm::ZadavaniTextu(QObject* Sender, int Klavesa)
{
    if (Klavesa != 13)
        return;
    if (Sender == edtNahratCislo)
        UkonceniZadavaniCisla();
    else if (Sender == edtUlozitNazevDesky)
        btnUlozitStandardni->setFocus();
}

void TMainForm::btnNahratSmazatClick()
{
    SeznamDesek->OdstranAktualni();
    ZapisStandardniSoubor();
    std::int32_t cislo = 0;
    SeznamDesek->VratAktualniDesku(ZaznamNahrany, cislo);
    VykresleniDeskyPriNahravani(cislo, QString());
}

QString TMainForm::VyberSoubor(QFileDialog* Dialog)
{
    // Both dialogs start where the player last chose a file with either of
    // them, in this run or an earlier one, else in the documents folder: the
    // working directory is the game's hidden data folder when the menu
    // starts it, and the dialogs never change it (the catalogue lives there).
    Dialog->setDirectory(Nastaveni ? Nastaveni->AdresarDialogu() : TNastaveni().AdresarDialogu());
    const QString soubor = SpustDialog(Dialog);
    if (!soubor.isEmpty() && Nastaveni)
        Nastaveni->PosledniAdresar = QFileInfo(soubor).absolutePath();
    return soubor;
}

bool TMainForm::NactiDoNahrat(const QString& Soubor)
{
    // A failed read has shown its message and kept the former board; the tab
    // then stays as it was instead of presenting that board as the file's.
    const int hlaseni = PocetHlaseniSouboru();
    NactiExterniSoubor(ZaznamNahrany, QFile::encodeName(Soubor).toStdString());
    if (PocetHlaseniSouboru() != hlaseni)
        return false;
    VykresleniDeskyPriNahravani(0, QLatin1Char('"') + QFileInfo(Soubor).fileName() + QLatin1Char('"'));
    lblNahratPuvodDesky->setToolTip(QStringLiteral("Ukazuje odkud byla aktuální deska nahrána:\n") +
                                    QDir::toNativeSeparators(QFileInfo(Soubor).absoluteFilePath()));
    return true;
}

void TMainForm::OtevritExterniSoubor()
{
    const QString soubor = VyberSoubor(OpenFileDialog);
    if (!soubor.isEmpty())
        NactiDoNahrat(soubor);
}

void TMainForm::HratDeskuZeSouboru(const QString& Soubor)
{
    Chranene_([this, &Soubor] {
        if (NactiDoNahrat(Soubor))
            btnNahratHratClick();
    });
}

void TMainForm::btnNahratHratClick()
{
    ZaznamHry = ZaznamNahrany;
    if (CisloNahraneDesky > 0 && Nastaveni)
        Nastaveni->PosledniDeska = CisloNahraneDesky;
    NovaHra();
}
