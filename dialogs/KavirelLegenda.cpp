// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelLegenda.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "KavirelOkna.h"
#include "KavirelTexty.h"
#include "KavirelZpravy.h"

namespace {
// The window's outer size is 425 x 452 with the frame of its original
// platform (4 pixels on each side, 19 more for the caption).
constexpr int SirkaOkna = 425 - 8;
constexpr int VyskaOkna = 452 - 27;
} // namespace

TLegendaForm::TLegendaForm(QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("LegendaForm"));
    Nastav(this, "windowTitle", T_("Kavirel - Legenda"));
    setWindowIcon(NactiIkonu("ICON"));

    LegendaGroupBox = new QGroupBox(this);
    LegendaGroupBox->setObjectName(QStringLiteral("LegendaGroupBox"));
    LegendaGroupBox->setGeometry(4, 1, 409, 391);

    ProstorDesky = new QFrame(LegendaGroupBox);
    ProstorDesky->setObjectName(QStringLiteral("ProstorDesky"));
    ProstorDesky->setFrameShape(QFrame::NoFrame);
    ProstorDesky->setGeometry(10, 15, 79, 365);

    const auto popisek = [this](const char* jmeno, const TText& text, int nahore, int sirka) {
        auto* l = new QLabel(LegendaGroupBox);
        Nastav(l, "text", text);
        l->setObjectName(QString::fromLatin1(jmeno));
        UmistiPopisek(l, 99, nahore, sirka, 17);
        return l;
    };
    LabelPrazdne = popisek("LabelPrazdne", T_("Prázdné pole"), 42, 289);
    LabelPlne = popisek("LabelPlne", T_("Pole obsazené kamenem"), 114, 289);
    LabelPrazdneCilove = popisek("LabelPrazdneCilove",
                                 T_("Prázdné cílové pole - pro variantu hry určení posledního pole"), 189, 302);
    LabelPlneCilove = popisek("LabelPlneCilove",
                              T_("Obsazené cílové pole - pro variantu hry určení posledního pole"), 262, 302);
    LabelOznacene = popisek("LabelOznacene", T_("Označení pole s kamenem, kterým se bude skákat"), 336, 289);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(340, 397, 73, 25);
    connect(OKButton, &QPushButton::clicked, this, [this] { Chranene(this, [&] { OKButtonClick(); }); });

    NastavPevneOkno(this, SirkaOkna, VyskaOkna);

    // The default colours, and nothing ever sets others.
    Ukazka = std::make_unique<TGraphLegendaDeska>(ProstorDesky, 2, 16, 6, 6);
}

TLegendaForm::~TLegendaForm()
{
    Ukazka.reset();
}

void TLegendaForm::showEvent(QShowEvent* udalost)
{
    QDialog::showEvent(udalost);
    if (udalost->spontaneous())
        return;
    VycentrujNaObrazovce(this);
    Chranene(this, [&] { Ukazka->Kresli(); });
}

void TLegendaForm::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::LanguageChange) {
        PrelozZnovu(this);
        UmistiPopiskyZnovu(this);
    }
    QDialog::changeEvent(udalost);
}

void TLegendaForm::OKButtonClick()
{
    accept();
}
