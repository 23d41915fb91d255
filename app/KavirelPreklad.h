// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt program loads for a language (decided by JazykProstredi or
// chosen by the player): its translation, compiled by lrelease from
// translations/kavirel_<code>.ts and embedded as :/i18n/kavirel_<code>.qm,
// and its help page. Czech, the source language, needs no translation.
#pragma once

#include <QString>

#include "KavirelJazyk.h"

class QTranslator;

// Loads the translation of the program's own texts into prekladac; false
// for Czech and when the program holds no translation for the language.
bool NactiPrekladOkna(QTranslator& prekladac, TJazyk jazyk);

// The program's text in the translation, or the Czech source text itself
// when the translation lacks it (or for Czech, with an empty translator).
QString TextVPrekladu(const QTranslator& prekladac, const char* kontext, const char* text);

// The help page of a language (qrc path, same anchors in every language).
QString SouborNapovedy(TJazyk jazyk);
