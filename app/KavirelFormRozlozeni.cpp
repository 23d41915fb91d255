// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window: every control with its name, position,
// size, caption, hint, font and initial visibility, the menus and the file
// dialogs. Positions are in pixels relative to the containing control.
#include "KavirelForm.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "KavirelNapoveda.h"
#include "KavirelOvladace.h"
#include "KavirelText.h"

namespace {

template <class T>
T* Ovladac(QWidget* rodic, const char* jmeno, int vlevo, int nahore, int sirka, int vyska)
{
    auto* o = new T(rodic);
    o->setObjectName(QString::fromLatin1(jmeno));
    o->setGeometry(vlevo, nahore, sirka, vyska);
    return o;
}

QGroupBox* Skupina(QWidget* rodic, const char* jmeno, int l, int t, int w, int h, const QString& titulek = {})
{
    auto* g = Ovladac<QGroupBox>(rodic, jmeno, l, t, w, h);
    g->setTitle(titulek);
    return g;
}

// Labels size themselves to their caption; the given size is only where they
// start.
QLabel* Popisek(QWidget* rodic, const char* jmeno, int l, int t, int w, int h, const QString& text,
                const QString& napoveda = {})
{
    auto* p = Ovladac<QLabel>(rodic, jmeno, l, t, w, h);
    p->setToolTip(napoveda);
    Napis(p, text);
    return p;
}

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, int l, int t, int w, int h, const QString& text,
                      const QString& napoveda = {})
{
    auto* b = Ovladac<QPushButton>(rodic, jmeno, l, t, w, h);
    b->setText(text);
    b->setToolTip(napoveda);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* EditNazvu(QWidget* rodic, const char* jmeno, int l, int t, int w, int h, const QString& text,
                     const QString& napoveda, const QFont& pismo)
{
    auto* e = Ovladac<QLineEdit>(rodic, jmeno, l, t, w, h);
    e->setFont(pismo);
    e->setMaxLength(MaxDelkaNazvu);
    e->setValidator(new TValidatorNazvu(e));
    e->setText(text);
    e->setToolTip(napoveda);
    return e;
}

// A value label stands after its fixed caption; with a wider platform font it
// moves right rather than overlap it.
void ZaPopiskem(QLabel* hodnota, const QWidget* pevny)
{
    const int x = std::max(hodnota->x(), pevny->x() + pevny->width() + 2);
    hodnota->move(x, hodnota->y());
}

QFont PismoNazvu(const QFont& zaklad)
{
    QFont f = zaklad;
    f.setPointSize(10);
    f.setBold(true);
    return f;
}

QFont Tucne(const QFont& zaklad)
{
    QFont f = zaklad;
    f.setBold(true);
    return f;
}

const QString HintTypHry = QStringLiteral("Typ hry právě přehrávané desky (normální nebo Leibnizův kavirel)");
const QString HintJmeno = QStringLiteral("Jméno desky");
const QString HintKrokZpet = QStringLiteral("Vrátit zpět přesunutý kámen");
const QString HintRozestavet = QStringLiteral("Znovu rozestavět kameny na desce do původního postavení");

} // namespace

void TMainForm::VytvorOvladace()
{
    auto* plocha = new QWidget(this);
    plocha->setObjectName(QStringLiteral("KlientskaPlocha"));
    plocha->setFixedSize(792, 554);
    setCentralWidget(plocha);

    ProstorGraphDesky = Skupina(plocha, "ProstorGraphDesky", 1, 0, 546, 553);

    Zalozky = Ovladac<TZalozky>(plocha, "Zalozky", 552, 4, 236, 548);
    Zalozky->NastavSirkuZalozky(46);
    auto stranka = [this](const char* jmeno, const QString& titulek) {
        auto* s = new QWidget;
        s->setObjectName(QString::fromLatin1(jmeno));
        Zalozky->addTab(s, titulek);
        return s;
    };
    tabHra = stranka("tabHra", QStringLiteral("Hra"));
    tabNahrat = stranka("tabNahrat", QStringLiteral("Nahrát"));
    tabUlozit = stranka("tabUlozit", QStringLiteral("Uložit"));
    tabEdit = stranka("tabEdit", QStringLiteral("Editovat"));
    tabReseni = stranka("tabReseni", QStringLiteral("Řešení"));
    tabHra->setProperty("HelpContext", KontextNapovedyHra);
    tabNahrat->setProperty("HelpContext", KontextNapovedyNahrat);
    tabUlozit->setProperty("HelpContext", KontextNapovedyUlozit);
    tabEdit->setProperty("HelpContext", KontextNapovedyEdit);
    tabReseni->setProperty("HelpContext", KontextNapovedyReseni);

    VytvorZalozkuHra();
    VytvorZalozkuNahrat();
    VytvorZalozkuUlozit();
    VytvorZalozkuEdit();
    VytvorZalozkuReseni();
    VytvorOvladaceNavic();
    Zalozky->setCurrentIndex(zlHra);

    OpenFileDialog = new QFileDialog(this);
    OpenFileDialog->setObjectName(QStringLiteral("OpenFileDialog"));
    OpenFileDialog->setAcceptMode(QFileDialog::AcceptOpen);
    OpenFileDialog->setFileMode(QFileDialog::ExistingFile);
    SaveFileDialog = new QFileDialog(this);
    SaveFileDialog->setObjectName(QStringLiteral("SaveFileDialog"));
    SaveFileDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveFileDialog->setFileMode(QFileDialog::AnyFile);
    for (QFileDialog* d : {OpenFileDialog, SaveFileDialog}) {
        d->setNameFilter(QStringLiteral("Kavirelová deska (*.kav)"));
        d->setDefaultSuffix(QStringLiteral("kav"));
        d->setOption(QFileDialog::DontConfirmOverwrite, false);
    }

    VytvorNabidku();
}

void TMainForm::VytvorZalozkuHra()
{
    const QFont tucne = Tucne(font());

    grpHraPrubeh = Skupina(tabHra, "grpHraPrubeh", 8, 128, 209, 65);
    lblHraKonec = Popisek(grpHraPrubeh, "lblHraKonec", 8, 16, 182, 13, QStringLiteral("KONEC HRY - žádné volné tahy"),
                          QStringLiteral("Hra je ukončena - na desce již neexistuje žádný možný tah"));
    lblHraKonec->setFont(tucne);
    Napis(lblHraKonec, lblHraKonec->text());
    lblHraKonec->hide();
    lblHraCilova = Popisek(grpHraPrubeh, "lblHraCilova", 8, 40, 69, 13, {},
                           QStringLiteral("Ukazuje, zda byla splněna podmínka varianty hry s cílovými poli"));
    lblHraCilova->setFont(tucne);
    lblHraCilova->hide();
    lblHraPrubeh = Popisek(grpHraPrubeh, "lblHraPrubeh", 8, 24, 217, 17, {}, QStringLiteral("Stav aktuální hry"));
    lblHraPrubeh->hide();

    grpHraInfo = Skupina(tabHra, "grpHraInfo", 8, 8, 209, 113);
    lblHraNazevDesky = Popisek(grpHraInfo, "lblHraNazevDesky", 8, 16, 131, 16, {}, HintJmeno);
    lblHraNazevDesky->setFont(PismoNazvu(font()));
    lblHraTypHryPevny = Popisek(grpHraInfo, "lblHraTypHryPevny", 8, 48, 49, 13, QStringLiteral("Typ hry:"), HintTypHry);
    lblHraTypHry = Popisek(grpHraInfo, "lblHraTypHry", 56, 48, 14, 13, {}, HintTypHry);
    ZaPopiskem(lblHraTypHry, lblHraTypHryPevny);
    lblHraTahuPevny = Popisek(grpHraInfo, "lblHraTahuPevny", 8, 72, 88, 13, QStringLiteral("Odehraných tahů: "),
                              QStringLiteral("Počet odehraných tahů - za jeden tah se považuje i víceskok"));
    // Its hint is kept but not shown, as the window has always done.
    lblHraZbyva = Popisek(grpHraInfo, "lblHraZbyva", 8, 88, 57, 13, {});
    lblHraZbyva->setProperty("Hint", QStringLiteral("Počet zbývajících kamenů (normální kavirel) nebo zbývajících "
                                                    "prázdných polí (Leibnizův kavirel)"));
    lblHraTahu = Popisek(grpHraInfo, "lblHraTahu", 96, 72, 14, 13, {});
    ZaPopiskem(lblHraTahu, lblHraTahuPevny);

    grpHraMoznosti = Skupina(tabHra, "grpHraMoznosti", 8, 200, 209, 129, QStringLiteral("Možnosti hry"));
    btnHraKrokZpet = Tlacitko(grpHraMoznosti, "btnHraKrokZpet", 48, 27, 113, 25, QStringLiteral("Krok zpět..."),
                              HintKrokZpet);
    btnHraZnovuRozestavet = Tlacitko(grpHraMoznosti, "btnHraZnovuRozestavet", 48, 59, 113, 25,
                                     QStringLiteral("Znovu rozestavět"), HintRozestavet);
    btnHraTypHry = Tlacitko(grpHraMoznosti, "btnHraTypHry", 48, 91, 113, 25, QStringLiteral("Změna typu hry"),
                            QStringLiteral("Změnit aktuální typ hry - z normálního na Leibnizův kavirel nebo naopak"));

    grpHraAkce = Skupina(tabHra, "grpHraAkce", 8, 336, 209, 97, QStringLiteral("Akce s rozehranou deskou"));
    btnHraEditovat = Tlacitko(grpHraAkce, "btnHraEditovat", 48, 27, 113, 25, QStringLiteral("Editovat"),
                              QStringLiteral("Editovat aktuální herní situaci na desce"));
    btnHraResit = Tlacitko(grpHraAkce, "btnHraResit", 48, 59, 113, 25, QStringLiteral("Řešit"),
                           QStringLiteral("Řešit aktuální herní situaci na desce"));
}

void TMainForm::VytvorZalozkuNahrat()
{
    grpNahratInfo = Skupina(tabNahrat, "grpNahratInfo", 8, 8, 209, 113);
    lblNahratNazevDesky = Popisek(grpNahratInfo, "lblNahratNazevDesky", 8, 16, 130, 16, {}, HintJmeno);
    lblNahratNazevDesky->setFont(PismoNazvu(font()));
    lblNahratTypHryPevna =
        Popisek(grpNahratInfo, "lblNahratTypHryPevna", 8, 48, 49, 13, QStringLiteral("Typ hry:"), HintTypHry);
    lblNahratTypHry = Popisek(grpNahratInfo, "lblNahratTypHry", 56, 48, 14, 13, {}, HintTypHry);
    ZaPopiskem(lblNahratTypHry, lblNahratTypHryPevna);
    lblNahratPuvodDesky = Popisek(grpNahratInfo, "lblNahratPuvodDesky", 8, 72, 103, 13, {},
                                  QStringLiteral("Ukazuje odkud byla aktuální deska nahrána"));
    lblNahratCisloDeskyPevna =
        Popisek(grpNahratInfo, "lblNahratCisloDeskyPevna", 8, 88, 57, 13, QStringLiteral("Číslo desky: "),
                QStringLiteral("Číslo desky v standardním souboru uložených desek"));
    lblNahratCisloDesky = Popisek(grpNahratInfo, "lblNahratCisloDesky", 72, 88, 14, 13, {});
    ZaPopiskem(lblNahratCisloDesky, lblNahratCisloDeskyPevna);

    grpNahratStandard =
        Skupina(tabNahrat, "grpNahratStandard", 8, 128, 209, 137, QStringLiteral("Deska ze standardního souboru"));
    lblNahratCislo = Popisek(grpNahratStandard, "lblNahratCislo", 24, 70, 56, 13, QStringLiteral("Jdi na číslo:"));
    btnNahratPredchozi = Tlacitko(grpNahratStandard, "btnNahratPredchozi", 24, 27, 73, 25, QStringLiteral("Předchozí"),
                                  QStringLiteral("Pohyb ve standardním souboru uložených desek směrem vzad"));
    btnNahratDalsi = Tlacitko(grpNahratStandard, "btnNahratDalsi", 104, 27, 73, 25, QStringLiteral("Další"),
                              QStringLiteral("Pohyb ve standardním souboru uložených desek směrem vpřed"));
    edtNahratCislo = Ovladac<QLineEdit>(grpNahratStandard, "edtNahratCislo", 88, 66, 89, 21);
    edtNahratCislo->setToolTip(
        QStringLiteral("Prostor pro vložení čísla desky v standardním souboru uložených desek"));
    edtNahratCislo->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    // The caption must not run under the box with a wider font.
    edtNahratCislo->move(std::max(88, lblNahratCislo->x() + lblNahratCislo->width() + 4), 66);
    btnNahratSmazat = Tlacitko(grpNahratStandard, "btnNahratSmazat", 48, 96, 113, 25, QStringLiteral("Smazat"),
                               QStringLiteral("Smazat aktuální nahranou desku ze standardního souboru"));

    grpNahratExterni =
        Skupina(tabNahrat, "grpNahratExterni", 8, 272, 209, 65, QStringLiteral("Deska z externího souboru"));
    btnNahratOtevrit = Tlacitko(grpNahratExterni, "btnNahratOtevrit", 48, 27, 113, 25, QStringLiteral("Otevřít..."),
                                QStringLiteral("Otevřít desku z externího souboru (*.kav)"));

    grpNahratAkce = Skupina(tabNahrat, "grpNahratAkce", 8, 344, 209, 129, QStringLiteral("Akce s nahranou deskou"));
    btnNahratHrat = Tlacitko(grpNahratAkce, "btnNahratHrat", 48, 27, 113, 25, QStringLiteral("Hrát"),
                             QStringLiteral("Hrát aktuální nahranou desku"));
    btnNahratEditovat = Tlacitko(grpNahratAkce, "btnNahratEditovat", 48, 59, 113, 25, QStringLiteral("Editovat"),
                                 QStringLiteral("Editovat aktuální nahranou desku"));
    Button1 = Tlacitko(grpNahratAkce, "Button1", 48, 91, 113, 25, QStringLiteral("Řešit"),
                       QStringLiteral("Řešit aktuální nahranou desku"));
}

void TMainForm::VytvorZalozkuUlozit()
{
    grpUlozitInfo = Skupina(tabUlozit, "grpUlozitInfo", 8, 8, 209, 113);
    lblUlozitPuvodDesky = Popisek(grpUlozitInfo, "lblUlozitPuvodDesky", 8, 16, 97, 13, {},
                                  QStringLiteral("Ukazuje původ ukládané desky"));
    lblUlozitJakUlozeno = Popisek(grpUlozitInfo, "lblUlozitJakUlozeno", 8, 72, 92, 13, {});
    lblUlozitKamUlozeno = Popisek(grpUlozitInfo, "lblUlozitKamUlozeno", 8, 88, 96, 13, {});
    edtUlozitNazevDesky =
        EditNazvu(grpUlozitInfo, "edtUlozitNazevDesky", 8, 38, 193, 24, QStringLiteral("Ukládaná deska"),
                  QStringLiteral("Prostor pro vložení jména desky pod kterým má být uložena"), PismoNazvu(font()));

    grpUlozitKam = Skupina(tabUlozit, "grpUlozitKam", 8, 128, 209, 97, QStringLiteral("Kam uložit..."));
    btnUlozitStandardni =
        Tlacitko(grpUlozitKam, "btnUlozitStandardni", 16, 27, 177, 25, QStringLiteral("Do standardního souboru"),
                 QStringLiteral("Uložit desku do standardního souboru uložených desek"));
    btnUlozitExterni = Tlacitko(grpUlozitKam, "btnUlozitExterni", 16, 59, 177, 25,
                                QStringLiteral("Do externího souboru"), QStringLiteral("Uložit desku do externího souboru"));
}

void TMainForm::VytvorZalozkuEdit()
{
    grpEditInfo = Skupina(tabEdit, "grpEditInfo", 8, 8, 209, 73);
    edtEditNazevDesky =
        EditNazvu(grpEditInfo, "edtEditNazevDesky", 8, 14, 193, 24, QStringLiteral("Editovaná deska"),
                  QStringLiteral("Prostor pro vložení jména editované desky"), PismoNazvu(font()));
    btnEditTypHry = Tlacitko(grpEditInfo, "btnEditTypHry", 8, 46, 49, 17, QStringLiteral("Typ hry:"),
                             QStringLiteral("Změna typu hry"));
    // The caption needs more than 49 pixels in most platform fonts.
    btnEditTypHry->resize(std::max(49, btnEditTypHry->sizeHint().width()), 17);
    lblEditTypHry = Popisek(grpEditInfo, "lblEditTypHry", 64, 48, 14, 13, {},
                            QStringLiteral("Typ hry právě editované desky (normální nebo Leibnizův kavirel)"));
    ZaPopiskem(lblEditTypHry, btnEditTypHry);

    grpEditVyber = new TRadioGroup(QStringLiteral("Výběr možných prvků desky"),
                                   {QStringLiteral("Neexistující pole"), QStringLiteral("Prázdné pole"),
                                    QStringLiteral("Plné pole"), QStringLiteral("Prázdné cílové pole"),
                                    QStringLiteral("Plné cílové pole")},
                                   tabEdit);
    grpEditVyber->setObjectName(QStringLiteral("grpEditVyber"));
    grpEditVyber->setGeometry(8, 88, 209, 353);
    grpEditVyber->setToolTip(QStringLiteral("Výběr prvku, který se přenese na prostor editované desky po kliknutí do "
                                            "jednoho z jejích polí"));
    grpEditVyber->SetItemIndex(0);
    // The palette panel covers the group's right part, inside its frame
    // (below the top line the style draws under the title, clear of the
    // right line); captions fit before it.
    const QRect ramVyberu = grpEditVyber->RamSkupiny();
    const int paletaX = std::max(128, ramVyberu.right() - 3 - 81 + 1);
    const int paletaY = std::max(104, ramVyberu.top() + 3);
    {
        const QAbstractButton* kolecko = grpEditVyber->Polozka(0);
        grpEditVyber->NastavSirkuTextu(paletaX - 8 - 6 - kolecko->sizeHint().width() - 4 - 4);
    }

    // Created after the radio group, so it lies above the group's right part.
    ProstorEditDesky = Ovladac<QFrame>(tabEdit, "ProstorEditDesky", paletaX, paletaY, 81, 329);
    ProstorEditDesky->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ProstorEditDesky->setAutoFillBackground(true);

    grpEditAkce = Skupina(tabEdit, "grpEditAkce", 8, 448, 209, 65, QStringLiteral("Akce s editovanou deskou"));
    btnEditHrat = Tlacitko(grpEditAkce, "btnEditHrat", 8, 16, 73, 20, QStringLiteral("Hrát"),
                           QStringLiteral("Přehrát právě editovanou desku"));
    btnEditPuvodni = Tlacitko(grpEditAkce, "btnEditPuvodni", 88, 24, 113, 25, QStringLiteral("Návrat k původní"),
                              QStringLiteral("Zruší všechny změny na editované desce"));
    btnEditResit = Tlacitko(grpEditAkce, "btnEditResit", 8, 39, 73, 20, QStringLiteral("Řešit"),
                            QStringLiteral("Řešit právě editovanou desku"));
}

void TMainForm::VytvorZalozkuReseni()
{
    const QString hintTyp = QStringLiteral("Typ hry desky určené pro řešení (normální nebo Leibnizův kavirel)");
    const QFont tucne = Tucne(font());

    grpReseniInfo = Skupina(tabReseni, "grpReseniInfo", 8, 8, 209, 113);
    lblReseniNazevDesky = Popisek(grpReseniInfo, "lblReseniNazevDesky", 8, 16, 131, 16, {}, HintJmeno);
    lblReseniNazevDesky->setFont(PismoNazvu(font()));
    lblReseniTypHryPevna =
        Popisek(grpReseniInfo, "lblReseniTypHryPevna", 8, 48, 49, 13, QStringLiteral("Typ hry:"), hintTyp);
    lblReseniTypHry = Popisek(grpReseniInfo, "lblReseniTypHry", 56, 48, 14, 13, {}, hintTyp);
    ZaPopiskem(lblReseniTypHry, lblReseniTypHryPevna);
    lblReseniTahuPevna =
        Popisek(grpReseniInfo, "lblReseniTahuPevna", 8, 72, 88, 13, QStringLiteral("Odehraných tahů: "));
    lblReseniZbyva = Popisek(grpReseniInfo, "lblReseniZbyva", 8, 88, 73, 13, {});
    lblReseniTahu = Popisek(grpReseniInfo, "lblReseniTahu", 96, 72, 14, 13, {});
    ZaPopiskem(lblReseniTahu, lblReseniTahuPevna);

    grpReseniPrubeh = Skupina(tabReseni, "grpReseniPrubeh", 8, 128, 209, 89);
    lblReseniPrubeh = Popisek(grpReseniPrubeh, "lblReseniPrubeh", 8, 15, 93, 13, {});
    lblReseniPrubeh->setFont(tucne);
    lblReseniCelkemTahu = Popisek(grpReseniPrubeh, "lblReseniCelkemTahu", 8, 39, 123, 13, {},
                                  QStringLiteral("Celkový počet tahů potřebných pro přehrání celé desky"));
    lblReseniCelkemTahu->setFont(tucne);
    lblReseniCas = Popisek(grpReseniPrubeh, "lblReseniCas", 8, 63, 61, 13, {});
    btnReseniZastavit = Tlacitko(grpReseniPrubeh, "btnReseniZastavit", 48, 46, 113, 25, QStringLiteral("Zastavit"),
                                 QStringLiteral("Zastavit vyhledávání řešení"));
    btnReseniZastavit->hide();

    grpReseniMoznosti = Skupina(tabReseni, "grpReseniMoznosti", 8, 328, 209, 97,
                                QStringLiteral("Možnosti přehrání nalezeného řešení"));
    btnReseniKrokZpet = Tlacitko(grpReseniMoznosti, "btnReseniKrokZpet", 48, 27, 113, 25,
                                 QStringLiteral("Krok zpět..."), HintKrokZpet);
    btnReseniZnovuRozestavet = Tlacitko(grpReseniMoznosti, "btnReseniZnovuRozestavet", 48, 59, 113, 25,
                                        QStringLiteral("Znovu přehrát"), HintRozestavet);

    grpReseniNalezeni = Skupina(tabReseni, "grpReseniNalezeni", 8, 224, 209, 97, QStringLiteral("Nalézt..."));
    btnReseniNejrychlejsi = Tlacitko(grpReseniNalezeni, "btnReseniNejrychlejsi", 48, 27, 113, 25,
                                     QStringLiteral("Nejrychlejší řešení"),
                                     QStringLiteral("Nalezení prvního správného řešení aktuální desky"));
    btnReseniNejkratsi = Tlacitko(grpReseniNalezeni, "btnReseniNejkratsi", 48, 59, 113, 25,
                                  QStringLiteral("Nejkratší řešení"),
                                  QStringLiteral("Nalezení řešení s nejmenším potřebným počtem tahů"));
}

void TMainForm::VytvorNabidku()
{
    auto polozka = [this](QMenu* menu, const char* jmeno, const QString& text) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(jmeno));
        menu->addAction(a);
        return a;
    };
    auto nabidka = [this](const char* jmeno, const QString& text) {
        QMenu* m = menuBar()->addMenu(text);
        m->setObjectName(QString::fromLatin1(jmeno));
        m->menuAction()->setObjectName(QString::fromLatin1(jmeno));
        return m;
    };

    mnHra = nabidka("mnHra", QStringLiteral("Hra"));
    mnNovaHra = polozka(mnHra, "mnNovaHra", QStringLiteral("Nová"));
    mnKonec = polozka(mnHra, "mnKonec", QStringLiteral("Konec"));
    VytvorNabidkuNavic();

    mnTypHry = nabidka("mnTypHry", QStringLiteral("Typ hry"));
    mnTypHry->setToolTipsVisible(true);
    // Radio items; their check is set by the window only (see ObnovTypVMenu).
    SkupinaTypuHry = new QActionGroup(this);
    SkupinaTypuHry->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    mnNormalni = polozka(mnTypHry, "mnNormalni", QStringLiteral("Normální Kavirel"));
    mnNormalni->setToolTip(QStringLiteral("Klasická verze Kavirelu"));
    mnNormalni->setStatusTip(mnNormalni->toolTip());
    mnLeibniz = polozka(mnTypHry, "mnLeibniz", QStringLiteral("Leibnizuv Kavirel"));
    for (QAction* a : {mnNormalni, mnLeibniz}) {
        a->setCheckable(true);
        SkupinaTypuHry->addAction(a);
    }
    ZaskrtniTyp(mnNormalni);

    mnNastaveni = nabidka("mnNastaveni", QStringLiteral("Nastavení"));
    mnBarvy = polozka(mnNastaveni, "mnBarvy", QStringLiteral("Barvy"));
    mnCislaPoli = polozka(mnNastaveni, "mnCislaPoli", QStringLiteral("Čísla polí"));
    mnCislaPoli->setCheckable(true);
    mnCislaPoli->setChecked(false);

    mnNapoveda = nabidka("mnNapoveda", QStringLiteral("Nápověda"));
    mnLegenda = polozka(mnNapoveda, "mnLegenda", QStringLiteral("Legenda"));
    mnInfo = polozka(mnNapoveda, "mnInfo", QStringLiteral("Nápověda ke hře"));
    mnInfo->setShortcut(QKeySequence(Qt::Key_F1));
    mnInfo->setShortcutContext(Qt::WindowShortcut);
    mnOaplikaci = polozka(mnNapoveda, "mnOaplikaci", QStringLiteral("O aplikaci Kavirel"));

    KontextovaNapoveda = new QAction(this);
    KontextovaNapoveda->setObjectName(QStringLiteral("KontextovaNapoveda"));
    KontextovaNapoveda->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    KontextovaNapoveda->setShortcutContext(Qt::WindowShortcut);
    addAction(KontextovaNapoveda);
}
