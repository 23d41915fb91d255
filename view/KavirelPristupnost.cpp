// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPristupnost.h"

#include <QAccessible>

namespace {

TPozorovatelPristupnosti& Pozorovatel()
{
    static TPozorovatelPristupnosti pozorovatel;
    return pozorovatel;
}

}  // namespace

void ZapomenRozhrani(QObject* Objekt)
{
    if (QAccessibleInterface* rozhrani = QAccessible::queryAccessibleInterface(Objekt))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(rozhrani));
}

void OznamPristupnosti(QAccessibleEvent& Udalost)
{
    if (Pozorovatel())
        Pozorovatel()(&Udalost);
    QAccessible::updateAccessibility(&Udalost);
}

TPozorovatelPristupnosti NastavPozorovatelePristupnosti(TPozorovatelPristupnosti Novy)
{
    TPozorovatelPristupnosti stary = std::move(Pozorovatel());
    Pozorovatel() = std::move(Novy);
    return stary;
}
