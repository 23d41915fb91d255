// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNahodnaForm.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "KavirelTexty.h"
#include "KavirelZpravy.h"

TNahodnaForm::TNahodnaForm(TTypHry Typ, QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("NahodnaForm"));
    Nastav(this, "windowTitle", T_("Kavirel - Nová náhodná deska"));
    auto* rozvrzeni = new QVBoxLayout(this);
    auto* formular = new QFormLayout;
    spnObtiznost = new QSpinBox(this);
    spnObtiznost->setObjectName(QStringLiteral("spnObtiznost"));
    spnObtiznost->setRange(MinObtiznost, MaxObtiznost);
    spnObtiznost->setValue(3);
    auto* popisek = new QLabel(this);
    Nastav(popisek, "text", T_("&Obtížnost (1 nejsnazší, 5 nejtěžší):"));
    popisek->setBuddy(spnObtiznost);
    formular->addRow(popisek, spnObtiznost);
    auto* rbNormalni = new QRadioButton(this);
    rbNormalni->setObjectName(QStringLiteral("rbNahodnaNormalni"));
    Nastav(rbNormalni, "text", T_("&Normální Kavirel"));
    rbLeibniz = new QRadioButton(this);
    rbLeibniz->setObjectName(QStringLiteral("rbNahodnaLeibniz"));
    Nastav(rbLeibniz, "text", T_("&Leibnizův Kavirel"));
    (Typ == thLeibniz ? rbLeibniz : rbNormalni)->setChecked(true);
    auto* typy = new QVBoxLayout;
    typy->addWidget(rbNormalni);
    typy->addWidget(rbLeibniz);
    auto* typ = new QLabel(this);
    Nastav(typ, "text", T_("Typ hry:"));
    formular->addRow(typ, typy);
    rozvrzeni->addLayout(formular);
    auto* vysvetleni = new QLabel(this);
    Nastav(vysvetleni, "text", T_("Každá náhodná deska má řešení. Její číslo uvidíte v názvu desky; "
                                   "kdo je zadá, dostane tutéž desku."));
    vysvetleni->setWordWrap(true);
    rozvrzeni->addWidget(vysvetleni);
    auto* tlacitka = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(tlacitka, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    rozvrzeni->addWidget(tlacitka);
}

int TNahodnaForm::Obtiznost() const { return spnObtiznost->value(); }

TTypHry TNahodnaForm::Typ() const { return rbLeibniz->isChecked() ? thLeibniz : thNormalni; }

std::optional<TCisloDesky> ZvolNahodnouDesku(QWidget* rodic, TTypHry Typ)
{
    TNahodnaForm okno(Typ, rodic);
    if (okno.exec() != QDialog::Accepted)
        return std::nullopt;
    return CisloDesky(okno.Obtiznost(), okno.Typ(), QRandomGenerator::global()->generate64());
}

std::optional<TCisloDesky> ZadejCisloDesky(QWidget* rodic)
{
    QInputDialog okno(rodic);
    okno.setObjectName(QStringLiteral("CisloDeskyForm"));
    okno.setWindowTitle(QCoreApplication::translate("TNahodnaForm", "Kavirel - Zadat číslo desky"));
    okno.setLabelText(QCoreApplication::translate("TNahodnaForm", "Číslo desky (například 3-48213):"));
    okno.setInputMode(QInputDialog::TextInput);
    if (okno.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString text = okno.textValue().trimmed();
    TCisloDesky cislo;
    std::string chyba;
    if (CtiCisloDesky(text.toStdString(), cislo, chyba))
        return cislo;
    ZobrazZpravu(rodic, TDruhZpravy::Informace,
                 QCoreApplication::translate("TNahodnaForm",
                                             "„%1“ není číslo desky. Číslo má tvar OBTÍŽNOST-SEMÍNKO, například "
                                             "3-48213: obtížnost 1 až 5, semínko 1 až 999999 bez nul na začátku.")
                     .arg(text));
    return std::nullopt;
}
