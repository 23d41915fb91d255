// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelRekordyForm.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

TRekordyForm::TRekordyForm(QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("RekordyForm"));
    Nastav(this, "windowTitle", T_("Kavirel - Osobní rekordy"));
    auto* rozvrzeni = new QVBoxLayout(this);
    Tabulka = new QTableWidget(0, 4, this);
    Tabulka->setObjectName(QStringLiteral("tblRekordy"));
    const TText hlavicky[] = {T_("Deska"), T_("Typ hry"), T_("Tahů"), T_("Dosaženo")};
    for (int i = 0; i < 4; ++i) {
        auto* h = new QTableWidgetItem;
        Tabulka->setHorizontalHeaderItem(i, h);
        Hlavicky.push_back(hlavicky[i]);
    }
    PrelozHlavicky();
    Tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabulka->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabulka->verticalHeader()->hide();
    Tabulka->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < 4; ++i)
        Tabulka->horizontalHeader()->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    Nastav(Tabulka, "accessibleName", T_("Osobní rekordy"));
    rozvrzeni->addWidget(Tabulka);
    auto* zavrit = new QPushButton(this);
    Nastav(zavrit, "text", T_("Zavřít"));
    zavrit->setObjectName(QStringLiteral("btnRekordyZavrit"));
    connect(zavrit, &QPushButton::clicked, this, &QDialog::accept);
    rozvrzeni->addWidget(zavrit, 0, Qt::AlignRight);
    resize(460, 300);
}

void TRekordyForm::PrelozHlavicky()
{
    for (int i = 0; i < static_cast<int>(Hlavicky.size()); ++i)
        Tabulka->horizontalHeaderItem(i)->setText(Hlavicky[static_cast<std::size_t>(i)]());
}

void TRekordyForm::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::LanguageChange) {
        PrelozHlavicky();
        Napln(Zobrazene);
    }
    QDialog::changeEvent(udalost);
}

void TRekordyForm::Napln(const std::vector<TOsobniRekord>& rekordy)
{
    if (&rekordy != &Zobrazene)
        Zobrazene = rekordy;
    std::vector<const TOsobniRekord*> serazene;
    for (const TOsobniRekord& r : rekordy)
        serazene.push_back(&r);
    std::stable_sort(serazene.begin(), serazene.end(), [](const TOsobniRekord* a, const TOsobniRekord* b) {
        const int n = QString::localeAwareCompare(a->Nazev, b->Nazev);
        return n != 0 ? n < 0 : a->Typ < b->Typ;
    });
    Tabulka->setRowCount(static_cast<int>(serazene.size()));
    int radek = 0;
    for (const TOsobniRekord* r : serazene) {
        auto bunka = [&](int sloupec, const QString& text) {
            auto* b = new QTableWidgetItem(text);
            if (sloupec == 2)
                b->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Tabulka->setItem(radek, sloupec, b);
        };
        bunka(0, r->Nazev);
        bunka(1, r->Typ == thNormalni ? tr("normální") : tr("Leibnizův"));
        bunka(2, QString::number(r->Tahu));
        // The date as each language writes it (the pattern is translated).
        bunka(3, r->Kdy.toLocalTime().toString(tr("d. M. yyyy H:mm")));
        ++radek;
    }
}
