// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelRekordyForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

TRekordyForm::TRekordyForm(QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("RekordyForm"));
    setWindowTitle(QStringLiteral("Kavirel - Osobní rekordy"));
    auto* rozvrzeni = new QVBoxLayout(this);
    Tabulka = new QTableWidget(0, 4, this);
    Tabulka->setObjectName(QStringLiteral("tblRekordy"));
    Tabulka->setHorizontalHeaderLabels({QStringLiteral("Deska"), QStringLiteral("Typ hry"),
                                        QStringLiteral("Tahů"), QStringLiteral("Dosaženo")});
    Tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabulka->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabulka->verticalHeader()->hide();
    Tabulka->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < 4; ++i)
        Tabulka->horizontalHeader()->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    Tabulka->setAccessibleName(QStringLiteral("Osobní rekordy"));
    rozvrzeni->addWidget(Tabulka);
    auto* zavrit = new QPushButton(QStringLiteral("Zavřít"), this);
    zavrit->setObjectName(QStringLiteral("btnRekordyZavrit"));
    connect(zavrit, &QPushButton::clicked, this, &QDialog::accept);
    rozvrzeni->addWidget(zavrit, 0, Qt::AlignRight);
    resize(460, 300);
}

void TRekordyForm::Napln(const std::vector<TOsobniRekord>& rekordy)
{
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
        bunka(1, r->Typ == thNormalni ? QStringLiteral("normální") : QStringLiteral("Leibnizův"));
        bunka(2, QString::number(r->Tahu));
        bunka(3, r->Kdy.toLocalTime().toString(QStringLiteral("d. M. yyyy H:mm")));
        ++radek;
    }
}
