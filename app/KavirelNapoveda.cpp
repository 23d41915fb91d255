// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNapoveda.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "KavirelPreklad.h"

QUrl AdresaNapovedy(int kontext)
{
    // The help speaks the language of the environment, with the same anchors.
    QUrl adresa(QStringLiteral("qrc") + SouborNapovedy(JazykProstredi()));
    switch (kontext) {
    case KontextNapovedyHra:
        adresa.setFragment(QStringLiteral("hra"));
        break;
    case KontextNapovedyNahrat:
        adresa.setFragment(QStringLiteral("nahrat"));
        break;
    case KontextNapovedyUlozit:
        adresa.setFragment(QStringLiteral("ulozit"));
        break;
    case KontextNapovedyEdit:
        adresa.setFragment(QStringLiteral("editovat"));
        break;
    case KontextNapovedyReseni:
        adresa.setFragment(QStringLiteral("reseni"));
        break;
    default:
        adresa.setFragment(QStringLiteral("uvod"));
        break;
    }
    return adresa;
}

TNapovedaOkno::TNapovedaOkno(QWidget* rodic)
    : QDialog(rodic, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      ProhlizecTextu(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("OknoNapovedy"));
    setWindowTitle(QStringLiteral("Kavirel - Nápověda"));
    setModal(false);
    ProhlizecTextu->setObjectName(QStringLiteral("ProhlizecNapovedy"));
    ProhlizecTextu->setOpenExternalLinks(true);
    auto* zavrit = new QPushButton(QStringLiteral("Zavřít"), this);
    connect(zavrit, &QPushButton::clicked, this, &QDialog::close);
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(ProhlizecTextu);
    rozvrzeni->addWidget(zavrit, 0, Qt::AlignRight);
    resize(640, 560);
}

void TNapovedaOkno::ZobrazKontext(int kontext)
{
    ProhlizecTextu->setSource(AdresaNapovedy(kontext));
    show();
    raise();
    activateWindow();
}
