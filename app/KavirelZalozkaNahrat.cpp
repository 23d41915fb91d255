// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelZalozkaNahrat.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "KavirelFile.h"
#include "KavirelHlaseniSouboru.h"
#include "KavirelNastaveni.h"
#include "KavirelOvladace.h"
#include "KavirelStandardni.h"
#include "KavirelZpravy.h"

using namespace KavirelTvorba;

namespace {

TVyberSouboru& Vyber()
{
    static TVyberSouboru vyber = [](QFileDialog* d) {
        return d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty() ? d->selectedFiles().first()
                                                                                : QString();
    };
    return vyber;
}

} // namespace

TVyberSouboru NastavVyberSouboru(TVyberSouboru Novy)
{
    TVyberSouboru stary = std::move(Vyber());
    Vyber() = std::move(Novy);
    return stary;
}

QString VyberSoubor(QFileDialog* Dialog, TNastaveni* Nastaveni)
{
    // Both dialogs start where the player last chose a file with either of
    // them, in this run or an earlier one, else in the documents folder: the
    // working directory is the game's hidden data folder when the menu
    // starts it, and the dialogs never change it (the catalogue lives there).
    Dialog->setDirectory(Nastaveni ? Nastaveni->AdresarDialogu() : TNastaveni().AdresarDialogu());
    const QString soubor = Vyber()(Dialog);
    if (!soubor.isEmpty() && Nastaveni)
        Nastaveni->PosledniAdresar = QFileInfo(soubor).absolutePath();
    return soubor;
}

QString FiltrDesek() { return QCoreApplication::translate("TZalozkaNahrat", "Kavirelová deska (*.kav)"); }

QFileDialog* NovyDialogSouboru(QWidget* Rodic, const char* Jmeno, bool Otevrit)
{
    auto* d = new QFileDialog(Rodic);
    d->setObjectName(QString::fromLatin1(Jmeno));
    d->setAcceptMode(Otevrit ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    d->setFileMode(Otevrit ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    d->setNameFilter(FiltrDesek());
    d->setDefaultSuffix(QStringLiteral("kav"));
    d->setOption(QFileDialog::DontConfirmOverwrite, false);
    return d;
}

// ---------------------------------------------------------------------------

TZalozkaNahrat::TZalozkaNahrat(TRelaceHry& Relace_, QWidget* rodic)
    : TZalozkaOkna("tabNahrat", rodic), Relace(Relace_), ZaznamNahrany(PrazdnyZaznam())
{
    VytvorOvladace();
    OpenFileDialog = NovyDialogSouboru(this, "OpenFileDialog", true);
}

void TZalozkaNahrat::VytvorOvladace()
{
    auto* grpNahratInfo = Skupina(this, "grpNahratInfo", 8, 8, 209, 113);
    lblNahratNazevDesky = Popisek(grpNahratInfo, "lblNahratNazevDesky", 8, 16, 130, 16, {}, HintJmeno);
    lblNahratNazevDesky->setFont(PismoNazvu(font()));
    auto* lblNahratTypHryPevna =
        Popisek(grpNahratInfo, "lblNahratTypHryPevna", 8, 48, 49, 13, T_("Typ hry:"), HintTypHry);
    lblNahratTypHry = Popisek(grpNahratInfo, "lblNahratTypHry", 56, 48, 14, 13, {}, HintTypHry);
    ZaPopiskem(lblNahratTypHry, lblNahratTypHryPevna);
    lblNahratPuvodDesky = Popisek(grpNahratInfo, "lblNahratPuvodDesky", 8, 72, 103, 13, {},
                                  T_("Ukazuje odkud byla aktuální deska nahrána"));
    lblNahratCisloDeskyPevna =
        Popisek(grpNahratInfo, "lblNahratCisloDeskyPevna", 8, 88, 57, 13, T_("Číslo desky: "),
                T_("Číslo desky v standardním souboru uložených desek"));
    lblNahratCisloDesky = Popisek(grpNahratInfo, "lblNahratCisloDesky", 72, 88, 14, 13, {});
    ZaPopiskem(lblNahratCisloDesky, lblNahratCisloDeskyPevna);

    auto* grpNahratStandard =
        Skupina(this, "grpNahratStandard", 8, 128, 209, 137, T_("Deska ze standardního souboru"));
    auto* lblNahratCislo =
        Popisek(grpNahratStandard, "lblNahratCislo", 24, 70, 56, 13, T_("Jdi na číslo:"));
    auto* btnNahratPredchozi =
        Tlacitko(grpNahratStandard, "btnNahratPredchozi", 24, 27, 73, 25, T_("&Předchozí"),
                 T_("Pohyb ve standardním souboru uložených desek směrem vzad"));
    auto* btnNahratDalsi = Tlacitko(grpNahratStandard, "btnNahratDalsi", 104, 27, 73, 25, T_("Da&lší"),
                                    T_("Pohyb ve standardním souboru uložených desek směrem vpřed"));
    edtNahratCislo = Ovladac<QLineEdit>(grpNahratStandard, "edtNahratCislo", 88, 66, 89, 21);
    Nastav(edtNahratCislo, "toolTip",
           T_("Prostor pro vložení čísla desky v standardním souboru uložených desek"));
    edtNahratCislo->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    // The caption must not run under the box with a wider font.
    edtNahratCislo->move(std::max(88, lblNahratCislo->x() + lblNahratCislo->width() + 4), 66);
    btnNahratSmazat = Tlacitko(grpNahratStandard, "btnNahratSmazat", 48, 96, 113, 25, T_("&Smazat"),
                               T_("Smazat aktuální nahranou desku ze standardního souboru"));

    auto* grpNahratExterni =
        Skupina(this, "grpNahratExterni", 8, 272, 209, 65, T_("Deska z externího souboru"));
    auto* btnNahratOtevrit = Tlacitko(grpNahratExterni, "btnNahratOtevrit", 48, 27, 113, 25,
                                      T_("Otev&řít..."), T_("Otevřít desku z externího souboru (*.kav)"));

    auto* grpNahratAkce = Skupina(this, "grpNahratAkce", 8, 344, 209, 129, T_("Akce s nahranou deskou"));
    auto* btnNahratHrat = Tlacitko(grpNahratAkce, "btnNahratHrat", 48, 27, 113, 25, T_("H&rát"),
                                   T_("Hrát aktuální nahranou desku"));
    auto* btnNahratEditovat = Tlacitko(grpNahratAkce, "btnNahratEditovat", 48, 59, 113, 25,
                                       T_("Edit&ovat"), T_("Editovat aktuální nahranou desku"));
    auto* Button1 = Tlacitko(grpNahratAkce, "Button1", 48, 91, 113, 25, T_("Řeš&it"),
                             T_("Řešit aktuální nahranou desku"));

    SloupecSkupin(this, {grpNahratInfo, grpNahratStandard, grpNahratExterni, grpNahratAkce});

    connect(btnNahratPredchozi, &QPushButton::clicked, this, [this] { PohybVSeznamuDesek(false); });
    connect(btnNahratDalsi, &QPushButton::clicked, this, [this] { PohybVSeznamuDesek(true); });
    connect(btnNahratSmazat, &QPushButton::clicked, this, &TZalozkaNahrat::Smazat);
    connect(btnNahratOtevrit, &QPushButton::clicked, this, &TZalozkaNahrat::OtevritExterniSoubor);
    connect(btnNahratHrat, &QPushButton::clicked, this, &TZalozkaNahrat::HratPozadano);
    connect(btnNahratEditovat, &QPushButton::clicked, this, &TZalozkaNahrat::EditovatPozadano);
    connect(Button1, &QPushButton::clicked, this, &TZalozkaNahrat::ResitPozadano);
    edtNahratCislo->installEventFilter(this);
}

bool TZalozkaNahrat::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == edtNahratCislo) {
        if (udalost->type() == QEvent::KeyPress) {
            const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
            if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter)
                Chranene(this, [this] { UkonceniZadavaniCisla(); });
        } else if (udalost->type() == QEvent::FocusOut) {
            // Only a move of the focus within the window ends the input;
            // another window coming up (a message box) does not.
            const Qt::FocusReason duvod = static_cast<QFocusEvent*>(udalost)->reason();
            if (duvod != Qt::ActiveWindowFocusReason && duvod != Qt::PopupFocusReason)
                Chranene(this, [this] { UkonceniZadavaniCisla(); });
        }
    }
    return TZalozkaOkna::eventFilter(objekt, udalost);
}

void TZalozkaNahrat::PoVstupu() { Relace.Nahled().Zobraz(ZaznamNahrany); }

void TZalozkaNahrat::UkazAktualni()
{
    std::int32_t cislo = 0;
    // The storage always leaves a current board; without one the tab shows
    // an empty board rather than an assertion.
    if (!SeznamDesek || SeznamDesek->PocetDesek == 0 || !SeznamDesek->VratAktualniDesku(ZaznamNahrany, cislo))
        ZaznamNahrany = PrazdnyZaznam();
    VykresleniDeskyPriNahravani(cislo, QString());
}

void TZalozkaNahrat::VykresleniDeskyPriNahravani(std::int32_t Cislo, const QString& Soubor)
{
    CisloNahraneDesky = Soubor.isEmpty() ? Cislo : 0;
    PisNazevDesky(lblNahratNazevDesky, ZaznamNahrany);
    PisTypHry(lblNahratTypHry, ZaznamNahrany.TypHry);
    if (!Soubor.isEmpty()) {
        // The number's row is free first, for a long file name to use.
        lblNahratCisloDeskyPevna->hide();
        lblNahratCisloDesky->hide();
        PisPuvodDesky(lblNahratPuvodDesky, T_("Nahráno ze souboru"), Soubor);
        btnNahratSmazat->setEnabled(false);
    } else {
        PisPuvodDesky(lblNahratPuvodDesky, T_("Nahráno ze standardního souboru"), QString());
        Nastav(lblNahratPuvodDesky, "toolTip", T_("Ukazuje odkud byla aktuální deska nahrána"));
        btnNahratSmazat->setEnabled(SeznamDesek && SeznamDesek->LzeSmazatAktualni());
        lblNahratCisloDeskyPevna->show();
        lblNahratCisloDesky->show();
        Napis(lblNahratCisloDesky, QString::number(Cislo));
    }
    emit Akce(Relace.Nahled().Zobraz(ZaznamNahrany));
}

void TZalozkaNahrat::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::LanguageChange) {
        PrepisPuvodDesky(lblNahratPuvodDesky);
        OpenFileDialog->setNameFilter(FiltrDesek());
        if (const auto* l = findChild<QLabel*>(QStringLiteral("lblNahratCislo")))
            edtNahratCislo->move(std::max(88, l->x() + l->width() + 4), 66);
    }
    TZalozkaOkna::changeEvent(udalost);
}

void TZalozkaNahrat::PohybVSeznamuDesek(bool Vpred)
{
    if (Vpred)
        SeznamDesek->PosunZa();
    else
        SeznamDesek->PosunPred();
    edtNahratCislo->clear();
    UkazAktualni();
}

void TZalozkaNahrat::UkonceniZadavaniCisla()
{
    if (edtNahratCislo->text().isEmpty())
        return;
    bool jeCislo = false;
    const std::int32_t cislo = edtNahratCislo->text().toInt(&jeCislo, 10);
    if (!jeCislo) {
        edtNahratCislo->setFocus();
        ZobrazZpravu(window(), TDruhZpravy::Informace, tr("Zadaná hodnota není číslo"));
        edtNahratCislo->clear();
        return;
    }
    const std::int32_t pocet = SeznamDesek->PocetDesek;
    if (pocet == 0)
        ZobrazZpravu(window(), TDruhZpravy::Informace, tr("Standardní soubor je prázdný."));
    if (SeznamDesek->NaDeskuCislo(cislo)) {
        edtNahratCislo->clear();
        UkazAktualni();
    } else {
        ZobrazZpravu(window(), TDruhZpravy::Informace,
                     tr("Standardní soubor obsahuje %1 uložených desek.\n\rZadejte číslo z rozmezí 1..%1")
                         .arg(pocet));
        edtNahratCislo->clear();
        edtNahratCislo->setFocus();
    }
}

void TZalozkaNahrat::JdiNaCislo()
{
    edtNahratCislo->setFocus(Qt::ShortcutFocusReason);
    edtNahratCislo->selectAll();
}

void TZalozkaNahrat::Smazat()
{
    SeznamDesek->OdstranAktualni();
    ZapisStandardniSoubor();
    UkazAktualni();
}

void TZalozkaNahrat::OtevritExterniSoubor()
{
    const QString soubor = VyberSoubor(OpenFileDialog, Nastaveni);
    if (!soubor.isEmpty())
        NactiSoubor(soubor);
}

bool TZalozkaNahrat::NactiSoubor(const QString& Soubor)
{
    // A failed read has shown its message and kept the former board; the tab
    // then stays as it was instead of presenting that board as the file's.
    const int hlaseni = PocetHlaseniSouboru();
    NactiExterniSoubor(ZaznamNahrany, QFile::encodeName(Soubor).toStdString());
    if (PocetHlaseniSouboru() != hlaseni)
        return false;
    VykresleniDeskyPriNahravani(0, QLatin1Char('"') + QFileInfo(Soubor).fileName() + QLatin1Char('"'));
    Nastav(lblNahratPuvodDesky, "toolTip",
           T_("Ukazuje odkud byla aktuální deska nahrána:\n%1")
               .arg(QDir::toNativeSeparators(QFileInfo(Soubor).absoluteFilePath())));
    return true;
}
