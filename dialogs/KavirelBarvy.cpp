// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelBarvy.h"

#include <QEvent>
#include <QColorDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

#include "KavirelChyby.h"
#include "KavirelOkna.h"
#include "KavirelTexty.h"
#include "KavirelZpravy.h"

namespace {
// The window's outer size is 525 x 433 with the frame of its original
// platform (4 pixels on each side, 19 more for the caption).
constexpr int SirkaOkna = 525 - 8;
constexpr int VyskaOkna = 433 - 27;

constexpr int SirkaTlacitek = 113;
constexpr int VyskaTlacitek = 25;
constexpr int SirkaNastaveni = 145;  // NastaveniGroupBox, KonecGroupBox
} // namespace

TBarvyForm::TBarvyForm(TNapojeniBarev Napojeni_, QWidget* rodic)
    : QDialog(rodic), Napojeni(std::move(Napojeni_))
{
    setObjectName(QStringLiteral("BarvyForm"));
    Nastav(this, "windowTitle", T_("Kavirel - Nastavení barev"));
    setWindowIcon(NactiIkonu("ICON"));
    VytvorOvladace();

    // Qt's own dialog rather than the desktop's: only it has the custom
    // colour slots that the window presets.
    ColorDialog = new QColorDialog(this);
    ColorDialog->setObjectName(QStringLiteral("ColorDialog"));
    ColorDialog->setOption(QColorDialog::DontUseNativeDialog, true);
    VlastniBarvy.assign(std::size_t(QColorDialog::customCount()), QColor(Qt::white));
    VlastniBarvy[0] = BarvaNaQColor(VlastniBarva1);
    VlastniBarvy[8] = BarvaNaQColor(VlastniBarva9);
    VolbaBarvy = [this](QColor& Barva) { return VolbaBarvyDialogem(Barva); };

    Ukazka = std::make_unique<TGraphBarvyDeska>(ProstorDesky, 2, 16, 6, 6);
}

TBarvyForm::~TBarvyForm()
{
    // The sample's controls are children of ProstorDesky, which goes with
    // this window right after; the view releases them first.
    Ukazka.reset();
}

void TBarvyForm::VytvorOvladace()
{
    // The two right-hand boxes widen (and the window with them) only when the
    // platform font needs more than the fixed button width.
    const auto tlacitko = [](QWidget* rodic, const char* jmeno, const TText& text) {
        auto* b = new QPushButton(rodic);
        Nastav(b, "text", text);
        b->setObjectName(QString::fromLatin1(jmeno));
        b->setAutoDefault(false);
        return b;
    };

    UkazkaGroupBox = new QGroupBox(this);
    Nastav(UkazkaGroupBox, "title", T_("Ukázka aktuálního nastavení"));
    UkazkaGroupBox->setObjectName(QStringLiteral("UkazkaGroupBox"));
    UkazkaGroupBox->setGeometry(4, 10, 357, 391);

    ProstorDesky = new QFrame(UkazkaGroupBox);
    ProstorDesky->setObjectName(QStringLiteral("ProstorDesky"));
    ProstorDesky->setFrameShape(QFrame::NoFrame);
    ProstorDesky->setGeometry(10, 15, 79, 365);

    const auto popisek = [this](const char* jmeno, const TText& text, int nahore) {
        auto* l = new QLabel(UkazkaGroupBox);
        Nastav(l, "text", text);
        l->setObjectName(QString::fromLatin1(jmeno));
        UmistiPopisek(l, 99, nahore, 250, 17);
        return l;
    };
    LabelPrazdne = popisek("LabelPrazdne", T_("Neexistující pole - barva pozadí desky"), 42);
    LabelPlne = popisek("LabelPlne", T_("Prázdné pole"), 114);
    LabelPrazdneCilove = popisek("LabelPrazdneCilove", T_("Pole obsazené kamenem"), 189);
    LabelPlneCilove = popisek("LabelPlneCilove", T_("Obsazené cílové pole (číslo při přehrávání řešení)"), 262);
    LabelOznacene = popisek("LabelOznacene", T_("Označené pole (číslo při přehrávání řešení)"), 336);

    NastaveniGroupBox = new QGroupBox(this);
    Nastav(NastaveniGroupBox, "title", T_("Nastavení barvy..."));
    NastaveniGroupBox->setObjectName(QStringLiteral("NastaveniGroupBox"));
    ButtonDeska = tlacitko(NastaveniGroupBox, "ButtonDeska", T_("Pozadí desky"));
    ButtonPole = tlacitko(NastaveniGroupBox, "ButtonPole", T_("Pole"));
    ButtonKamen = tlacitko(NastaveniGroupBox, "ButtonKamen", T_("Kámen"));
    ButtonVyber = tlacitko(NastaveniGroupBox, "ButtonVyber", T_("Označení pole"));
    ButtonCilove = tlacitko(NastaveniGroupBox, "ButtonCilove", T_("Označení cílového"));
    ButtonCislo = tlacitko(NastaveniGroupBox, "ButtonCislo", T_("Číslo pole"));
    ButtonCisloPrubeh = tlacitko(NastaveniGroupBox, "ButtonCisloPrubeh", T_("Číslo pole při řešení"));
    ButtonMrizka = tlacitko(NastaveniGroupBox, "ButtonMrizka", T_("Ohraničení pole"));

    KonecGroupBox = new QGroupBox(this);
    KonecGroupBox->setObjectName(QStringLiteral("KonecGroupBox"));
    ButtonStandardniBarvy = tlacitko(KonecGroupBox, "ButtonStandardniBarvy", T_("Nastav standardní"));
    Nastav(ButtonStandardniBarvy, "toolTip", T_("Obnovit standardní nastavení barev - jako při startu programu"));
    ButtonOK = tlacitko(KonecGroupBox, "ButtonOK", TText::Doslova(QStringLiteral("OK")));
    Nastav(ButtonOK, "toolTip", T_("Použít aktuálního nastavení barev"));

    for (QPushButton* b : {ButtonDeska, ButtonPole, ButtonKamen, ButtonVyber, ButtonCilove, ButtonCislo,
                           ButtonCisloPrubeh, ButtonMrizka})
        connect(b, &QPushButton::clicked, this, [this, b] { Chranene(this, [&] { VyberBarvyClick(b); }); });
    connect(ButtonStandardniBarvy, &QPushButton::clicked, this,
            [this] { Chranene(this, [&] { ButtonStandardniBarvyClick(); }); });
    connect(ButtonOK, &QPushButton::clicked, this, [this] { Chranene(this, [&] { ButtonOKClick(); }); });

    // Tab order of the colour buttons, then the two closing buttons.
    QWidget* poradi[] = {ButtonDeska, ButtonPole,        ButtonKamen,  ButtonMrizka,          ButtonVyber,
                         ButtonCislo, ButtonCisloPrubeh, ButtonCilove, ButtonStandardniBarvy, ButtonOK};
    for (std::size_t i = 1; i < std::size(poradi); ++i)
        setTabOrder(poradi[i - 1], poradi[i]);

    RozmistiTlacitka();
}

void TBarvyForm::RozmistiTlacitka()
{
    // Top of each colour button, in the order of the window from top down.
    const std::pair<QPushButton*, int> barevna[] = {
        {ButtonDeska, 24},  {ButtonPole, 56},   {ButtonKamen, 88},        {ButtonVyber, 120},
        {ButtonCilove, 152}, {ButtonCislo, 184}, {ButtonCisloPrubeh, 216}, {ButtonMrizka, 248},
    };
    int sirka = SirkaTlacitek;
    for (const auto& [b, nahore] : barevna)
        sirka = SirkaTlacitka(b, sirka);
    sirka = SirkaTlacitka(ButtonStandardniBarvy, sirka);
    sirka = SirkaTlacitka(ButtonOK, sirka);
    const int sirkaBoxu = std::max(SirkaNastaveni, sirka + 2 * 8);
    const int vlevo = (sirkaBoxu - sirka) / 2;  // 16 with the fixed widths

    NastaveniGroupBox->setGeometry(368, 10, sirkaBoxu, 288);
    for (const auto& [b, nahore] : barevna)
        b->setGeometry(vlevo, nahore, sirka, VyskaTlacitek);
    KonecGroupBox->setGeometry(368, 304, sirkaBoxu, 97);
    ButtonStandardniBarvy->setGeometry(vlevo, 23, sirka, VyskaTlacitek);
    ButtonOK->setGeometry(vlevo, 55, sirka, VyskaTlacitek);

    NastavPevneOkno(this, SirkaOkna + (sirkaBoxu - SirkaNastaveni), VyskaOkna);
}

void TBarvyForm::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::LanguageChange) {
        PrelozZnovu(this);
        UmistiPopiskyZnovu(this);
        RozmistiTlacitka();
    }
    QDialog::changeEvent(udalost);
}

void TBarvyForm::showEvent(QShowEvent* udalost)
{
    QDialog::showEvent(udalost);
    if (udalost->spontaneous())
        return;  // the window manager restored it; nothing was shown anew
    VycentrujNaObrazovce(this);
    Chranene(this, [&] { Ukazka->Kresli(); });
}

bool TBarvyForm::VolbaBarvyDialogem(QColor& Barva)
{
    // Qt keeps one set of custom colours for every program of the user and
    // saves it when the program ends. The game's own slots go in only while
    // its dialog is open; what the user changes there stays with the game
    // for this run, and the user's set is back afterwards.
    const int pocet = int(VlastniBarvy.size());
    std::vector<QColor> uzivatele(VlastniBarvy.size());
    for (int i = 0; i < pocet; ++i) {
        uzivatele[std::size_t(i)] = QColorDialog::customColor(i);
        QColorDialog::setCustomColor(i, VlastniBarvy[std::size_t(i)]);
    }
    ColorDialog->setCurrentColor(Barva);
    const bool potvrzeno = ColorDialog->exec() == QDialog::Accepted;
    for (int i = 0; i < pocet; ++i) {
        VlastniBarvy[std::size_t(i)] = QColorDialog::customColor(i);
        QColorDialog::setCustomColor(i, uzivatele[std::size_t(i)]);
    }
    if (potvrzeno)
        Barva = ColorDialog->selectedColor();
    return potvrzeno;
}

void TBarvyForm::VyberBarvyClick(QObject* Sender)
{
    TBarvy barvy;
    Ukazka->DejBarvy(barvy);

    const QString jmeno = Sender != nullptr ? Sender->objectName() : QString();
    const std::pair<const char*, TBarva TBarvy::*> tlacitka[] = {
        {"ButtonDeska", &TBarvy::BarvaDeska},   {"ButtonPole", &TBarvy::BarvaPole},
        {"ButtonKamen", &TBarvy::BarvaKamen},   {"ButtonVyber", &TBarvy::BarvaVyber},
        {"ButtonCilove", &TBarvy::BarvaCilove}, {"ButtonCislo", &TBarvy::BarvaCislo},
        {"ButtonCisloPrubeh", &TBarvy::BarvaCisloPrubeh}, {"ButtonMrizka", &TBarvy::BarvaMrizka},
    };
    TBarva TBarvy::*clen = nullptr;
    for (const auto& [nazev, c] : tlacitka)
        if (jmeno == QLatin1String(nazev))
            clen = c;
    KAVIREL_ASSERT(clen != nullptr, "Neco tu smrdi - sem bych se nemel dostat", "KavirelBarvy");

    QColor barva = BarvaNaQColor(barvy.*clen);
    if (VolbaBarvy && VolbaBarvy(barva) && barva.isValid())
        barvy.*clen = BarvaZQColor(barva);

    Ukazka->NastavBarvy(barvy);
    Ukazka->Kresli();
}

void TBarvyForm::ButtonStandardniBarvyClick()
{
    Ukazka->NastavStandardniBarvy();
    Ukazka->Kresli();
}

void TBarvyForm::ButtonOKClick()
{
    TBarvy barvy;
    Ukazka->DejBarvy(barvy);
    if (Napojeni.NastavBarvyDesky)
        Napojeni.NastavBarvyDesky(barvy);
    Ukazka->DejBarvy(barvy);
    if (Napojeni.NastavBarvyPalety)
        Napojeni.NastavBarvyPalety(barvy);
    accept();
    if (Napojeni.PoZmeneZalozky)
        Napojeni.PoZmeneZalozky();
}
