// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt program loads for a language (decided by JazykProstredi or
// chosen by the player): its translation, compiled by lrelease from
// translations/kavirel_<code>.ts and embedded as :/i18n/kavirel_<code>.qm,
// and its help page. Czech, the source language, needs no translation.
#pragma once

#include <QString>

#include <optional>

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

// The language the window speaks: the player's choice, kept in the settings,
// or the environment's language (JazykProstredi) when there is none.
std::optional<TJazyk> VolbaJazyka();
TJazyk JazykOkna();
// Installs the translation of the window's texts and Qt's own (its dialogs
// and their buttons, qtbase_<code>.qm from Qt's translations) for the
// language chosen, and the locale of that language. Qt then sends
// QEvent::LanguageChange to every widget; nothing happens when the window
// speaks that language already. True when the window's own texts change
// language (before the first call they are Czech, the source language).
bool NastavVolbuJazyka(std::optional<TJazyk> Volba);
