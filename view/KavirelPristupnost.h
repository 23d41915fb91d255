// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology hears of the windows: every accessibility event
// goes through here, to Qt's accessibility, which passes it on while
// assistive technology listens (screen readers through AT-SPI), and to the
// observer, if one is set (a test's).
#pragma once

#include <QObject>

#include <functional>

class QAccessibleEvent;

void OznamPristupnosti(QAccessibleEvent& Udalost);
// Drops the interface Qt made for an object, so that the next query makes
// it anew (after a factory of ours has learnt to answer for it).
void ZapomenRozhrani(QObject* Objekt);
using TPozorovatelPristupnosti = std::function<void(QAccessibleEvent*)>;
// Returns the observer it replaces.
TPozorovatelPristupnosti NastavPozorovatelePristupnosti(TPozorovatelPristupnosti Pozorovatel);
