// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelAbout.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "KavirelOkna.h"
#include "KavirelTexty.h"
#include "KavirelZpravy.h"

namespace {
constexpr int SirkaOkna = 329;
constexpr int VyskaOkna = 138;
constexpr int StranaObrazku = 65;
} // namespace

TAboutBox::TAboutBox(QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("AboutBox"));
    Nastav(this, "windowTitle", T_("Kavirel - O Aplikaci"));

    // Raised inner and lowered outer bevel: a sunken panel with a raised one
    // a pixel inside it.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(8, 8, 313, 121);
    auto* vnitrni = new QFrame(Panel1);
    vnitrni->setFrameStyle(QFrame::Panel | QFrame::Raised);
    vnitrni->setLineWidth(1);
    vnitrni->setGeometry(1, 1, Panel1->width() - 2, Panel1->height() - 2);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 8, StranaObrazku, StranaObrazku);
    ProgramIcon->setAlignment(Qt::AlignCenter);
    const QPixmap bitmapa = NactiBitmapu("BMPICON");
    if (!bitmapa.isNull())
        ProgramIcon->setPixmap(bitmapa.scaled(ProgramIcon->size() * devicePixelRatio(), Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation));

    const auto popisek = [this](const char* jmeno, const TText& text, int vlevo, int nahore) {
        auto* l = new QLabel(Panel1);
        Nastav(l, "text", text);
        l->setObjectName(QString::fromLatin1(jmeno));
        l->move(vlevo, nahore);
        l->adjustSize();
        return l;
    };
    ProductName = popisek("ProductName", TText::Doslova(QStringLiteral("Kavirel")), 96, 16);
    QFont tucne = ProductName->font();
    tucne.setBold(true);
    ProductName->setFont(tucne);
    ProductName->adjustSize();
    Version = popisek("Version", T_("Verze %1").arg(QStringLiteral(KAVIREL_VERZE_OKNA)), 96, 48);
    Copyright = popisek("Copyright", T_("Copyright © vývojáři programu Kavirel"), 8, 88);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(240, 20, 66, 25);
    OKButton->setDefault(true);
    OKButton->raise();
    connect(OKButton, &QPushButton::clicked, this, [this] { Chranene(this, [&] { OKButtonClick(); }); });

    NastavPevneOkno(this, SirkaOkna, VyskaOkna);
}

void TAboutBox::showEvent(QShowEvent* udalost)
{
    QDialog::showEvent(udalost);
    if (!udalost->spontaneous())
        VycentrujNaObrazovce(this);
}

void TAboutBox::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::LanguageChange) {
        PrelozZnovu(this);
        for (QLabel* l : {Version, Copyright})
            l->adjustSize();
    }
    QDialog::changeEvent(udalost);
}

void TAboutBox::OKButtonClick()
{
    accept();
}
