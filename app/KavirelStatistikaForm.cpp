// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelStatistikaForm.h"

#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const TText Hlavicky[] = {TK_("TStatistikaForm", "Deska"), TK_("TStatistikaForm", "Typ hry"),
                          TK_("TStatistikaForm", "Her"),   TK_("TStatistikaForm", "Výher"),
                          TK_("TStatistikaForm", "Nejlépe"), TK_("TStatistikaForm", "Naposledy")};
constexpr int Sloupcu = static_cast<int>(std::size(Hlavicky));
} // namespace

TStatistikaForm::TStatistikaForm(QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("StatistikaForm"));
    Nastav(this, "windowTitle", T_("Kavirel - Statistika"));
    auto* rozvrzeni = new QVBoxLayout(this);
    Tabulka = new QTableWidget(0, Sloupcu, this);
    Tabulka->setObjectName(QStringLiteral("tblStatistika"));
    for (int i = 0; i < Sloupcu; ++i)
        Tabulka->setHorizontalHeaderItem(i, new QTableWidgetItem(Hlavicky[i]()));
    Tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabulka->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabulka->verticalHeader()->hide();
    Tabulka->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < Sloupcu; ++i)
        Tabulka->horizontalHeader()->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    Nastav(Tabulka, "accessibleName", T_("Statistika her"));
    rozvrzeni->addWidget(Tabulka);
    auto* zavrit = new QPushButton(this);
    Nastav(zavrit, "text", T_("Zavřít"));
    zavrit->setObjectName(QStringLiteral("btnStatistikaZavrit"));
    connect(zavrit, &QPushButton::clicked, this, &QDialog::accept);
    rozvrzeni->addWidget(zavrit, 0, Qt::AlignRight);
    resize(560, 320);
}

void TStatistikaForm::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::LanguageChange) {
        for (int i = 0; i < Sloupcu; ++i)
            Tabulka->horizontalHeaderItem(i)->setText(Hlavicky[i]());
        Napln(Zobrazene);
    }
    QDialog::changeEvent(udalost);
}

void TStatistikaForm::Napln(const std::vector<TStatistikaDesky>& desky)
{
    if (&desky != &Zobrazene)
        Zobrazene = desky;
    std::vector<const TStatistikaDesky*> serazene;
    for (const TStatistikaDesky& d : desky)
        serazene.push_back(&d);
    std::stable_sort(serazene.begin(), serazene.end(),
                     [](const TStatistikaDesky* a, const TStatistikaDesky* b) { return a->Naposledy > b->Naposledy; });
    Tabulka->setRowCount(static_cast<int>(serazene.size()));
    int radek = 0;
    for (const TStatistikaDesky* d : serazene) {
        const QString texty[] = {
            QString::fromStdString(d->Nazev),
            d->Deska.back() == '1' ? tr("Leibnizův") : tr("normální"),
            QString::number(d->Her),
            QString::number(d->Vyher),
            d->Nejlepe > 0 ? QString::number(d->Nejlepe) : QStringLiteral("–"),
            // The date as each language writes it (the pattern is translated).
            d->Naposledy > 0 ? QDateTime::fromSecsSinceEpoch(d->Naposledy).toLocalTime().toString(tr("d. M. yyyy H:mm"))
                             : QString(),
        };
        for (int sloupec = 0; sloupec < Sloupcu; ++sloupec) {
            auto* b = new QTableWidgetItem(texty[sloupec]);
            if (sloupec >= 2 && sloupec <= 4)
                b->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Tabulka->setItem(radek, sloupec, b);
        }
        ++radek;
    }
}
