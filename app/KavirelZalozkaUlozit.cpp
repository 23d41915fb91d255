// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelZalozkaUlozit.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "KavirelFile.h"
#include "KavirelHlaseniSouboru.h"
#include "KavirelOvladace.h"
#include "KavirelStandardni.h"
#include "KavirelText.h"
#include "KavirelZalozkaNahrat.h"
#include "KavirelZpravy.h"

using namespace KavirelTvorba;

TZalozkaUlozit::TZalozkaUlozit(TRelaceHry& Relace_, QWidget* rodic)
    : TZalozkaOkna("tabUlozit", rodic), Relace(Relace_), ZaznamUkladany(PrazdnyZaznam())
{
    VytvorOvladace();
    SaveFileDialog = NovyDialogSouboru(this, "SaveFileDialog", false);
}

void TZalozkaUlozit::VytvorOvladace()
{
    auto* grpUlozitInfo = Skupina(this, "grpUlozitInfo", 8, 8, 209, 113);
    lblUlozitPuvodDesky = Popisek(grpUlozitInfo, "lblUlozitPuvodDesky", 8, 16, 97, 13, {},
                                  T_("Ukazuje původ ukládané desky"));
    lblUlozitJakUlozeno = Popisek(grpUlozitInfo, "lblUlozitJakUlozeno", 8, 72, 92, 13, {});
    lblUlozitKamUlozeno = Popisek(grpUlozitInfo, "lblUlozitKamUlozeno", 8, 88, 96, 13, {});
    edtUlozitNazevDesky =
        EditNazvu(grpUlozitInfo, "edtUlozitNazevDesky", 8, 38, 193, 24, T_("Ukládaná deska"),
                  T_("Prostor pro vložení jména desky pod kterým má být uložena"), PismoNazvu(font()));

    auto* grpUlozitKam = Skupina(this, "grpUlozitKam", 8, 128, 209, 97, T_("Kam uložit..."));
    btnUlozitStandardni =
        Tlacitko(grpUlozitKam, "btnUlozitStandardni", 16, 27, 177, 25, T_("Do &standardního souboru"),
                 T_("Uložit desku do standardního souboru uložených desek"));
    btnUlozitExterni = Tlacitko(grpUlozitKam, "btnUlozitExterni", 16, 59, 177, 25,
                                T_("Do e&xterního souboru"), T_("Uložit desku do externího souboru"));

    SloupecSkupin(this, {grpUlozitInfo, grpUlozitKam});

    connect(btnUlozitStandardni, &QPushButton::clicked, this, &TZalozkaUlozit::UlozitStandardni);
    connect(btnUlozitExterni, &QPushButton::clicked, this, &TZalozkaUlozit::UlozitExterni);
    edtUlozitNazevDesky->installEventFilter(this);
}

bool TZalozkaUlozit::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == edtUlozitNazevDesky) {
        if (udalost->type() == QEvent::KeyPress) {
            // Enter moves on to saving; it does not save.
            const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
            if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter)
                btnUlozitStandardni->setFocus();
        } else if (udalost->type() == QEvent::FocusIn) {
            // A result shown for a previous save goes as soon as the user
            // goes back to the name.
            SmazVysledek();
        }
    }
    return TZalozkaOkna::eventFilter(objekt, udalost);
}

void TZalozkaUlozit::Nabidni(const TZaznamDesky& Zaznam, int Odkud)
{
    ZaznamUkladany = Zaznam;
    Predchozi = Odkud;
}

void TZalozkaUlozit::SmazVysledek()
{
    Napis(lblUlozitJakUlozeno, QString());
    Napis(lblUlozitKamUlozeno, QString());
}

void TZalozkaUlozit::PoVstupu()
{
    SmazVysledek();
    switch (Predchozi) {
    case zlHra:
        PisNazevUkladane();
        Napis(lblUlozitPuvodDesky, T_("Uložit rozehranou desku pod názvem..."));
        break;
    case zlNahrat:
        PisNazevUkladane();
        Napis(lblUlozitPuvodDesky, T_("Uložit nahranou desku pod názvem..."));
        break;
    case zlEdit:
        PisNazevUkladane();
        Napis(lblUlozitPuvodDesky, T_("Uložit editovanou desku pod názvem..."));
        break;
    case zlReseni: {
        Zapomen(edtUlozitNazevDesky, "text");
        edtUlozitNazevDesky->clear();
        QPalette paleta = edtUlozitNazevDesky->palette();
        paleta.setColor(QPalette::Base, paleta.color(QPalette::Button));
        edtUlozitNazevDesky->setPalette(paleta);
        edtUlozitNazevDesky->setEnabled(false);
        btnUlozitStandardni->setEnabled(false);
        btnUlozitExterni->setEnabled(false);
        Napis(lblUlozitPuvodDesky, T_("Nelze ukládat desku z řešení..."));
        break;
    }
    default:
        break;
    }
    Relace.Nahled().Zobraz(ZaznamUkladany);
}

void TZalozkaUlozit::PredOdchodem()
{
    edtUlozitNazevDesky->setPalette(QPalette());
    edtUlozitNazevDesky->setEnabled(true);
    btnUlozitStandardni->setEnabled(true);
    btnUlozitExterni->setEnabled(true);
}

void TZalozkaUlozit::PisNazevUkladane()
{
    // The name a new edit gets is the program's own: it is offered in the
    // window's language, and saved so unless the player types another.
    if (DejNazev(ZaznamUkladany) == NazevEditovaneDesky)
        PisEditNazevDesky(edtUlozitNazevDesky, TK_("TZalozkaEdit", "Editovaná deska"));
    else
        PisEditNazevDesky(edtUlozitNazevDesky, NazevDesky(ZaznamUkladany));
}

void TZalozkaUlozit::PrevezmiNazev() { NastavNazevDesky(ZaznamUkladany, edtUlozitNazevDesky->text()); }

void TZalozkaUlozit::UlozitStandardni()
{
    PrevezmiNazev();
    const TPridaniDesky pridani = PridejDoStandardnihoSouboru(ZaznamUkladany);
    if (pridani == TPridaniDesky::Odmitnuto) {
        SmazVysledek();
        return;
    }
    // A board the file did not take must not look saved for good; why, was
    // told at start-up or by the failed write.
    const TZapisPriKonci zapis = ZapisKataloguPriKonci();
    Napis(lblUlozitJakUlozeno, pridani == TPridaniDesky::Ulozeno ? T_("Uloženo do standardního souboru")
                                                                  : T_("Přidáno jen do katalogu této hry"));
    Napis(lblUlozitKamUlozeno, T_("pod číslem %1").arg(SeznamDesek->PocetDesek));
    if (zapis == TZapisPriKonci::JinaHra)
        ZobrazZpravu(window(), TDruhZpravy::Informace,
                     tr("Standardní soubor používá jiná spuštěná hra,\n\r"
                                    "deska se do něj při ukončení této hry neuloží."));
    else if (zapis == TZapisPriKonci::BezZalohy)
        ZobrazZpravu(window(), TDruhZpravy::Informace,
                     tr("Standardní soubor se nepodařilo zálohovat,\n\r"
                                    "deska se do něj při ukončení neuloží."));
    else if (zapis == TZapisPriKonci::BezZamku)
        ZobrazZpravu(window(), TDruhZpravy::Informace,
                     tr("Zámek standardního souboru nelze použít,\n\rdeska se do něj neuloží."));
}

void TZalozkaUlozit::UlozitExterni()
{
    PrevezmiNazev();
    const QString soubor = VyberSoubor(SaveFileDialog, Nastaveni);
    if (soubor.isEmpty())
        return;
    // After a failed write the file layer has shown its message; the labels
    // must not then report the board as saved.
    const int hlaseni = PocetHlaseniSouboru();
    UlozExterniSoubor(ZaznamUkladany, QFile::encodeName(soubor).toStdString());
    if (PocetHlaseniSouboru() != hlaseni) {
        SmazVysledek();
        return;
    }
    Napis(lblUlozitJakUlozeno, T_("Uloženo do externího souboru"));
    Napis(lblUlozitKamUlozeno, T_("s názvem \"%1\"").arg(QFileInfo(soubor).fileName()));
}
