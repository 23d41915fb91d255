// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the programs speak, and the messages of the Qt-free parts
// in that language.
//
// Czech is the source language: the texts in the code are the Czech texts,
// and a text without a translation stays Czech. The other languages come
// from gettext catalogues (domain DomenaZprav, built from po/*.po). The
// language is decided here from the environment, once for every program, and
// the catalogue is then chosen explicitly, so that English works even where
// no English locale is generated.
#pragma once

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

enum class TJazyk { Cestina, Anglictina };

// "cs", "en": the code of the catalogues and help pages of the language.
const char* KodJazyka(TJazyk jazyk);

// Reads an environment variable; nullptr when it is not set.
using TCteniProstredi = const char* (*)(const char* jmeno);

// The language of the messages by the usual rules of the C library: the
// locale of the messages is the first set one of LC_ALL, LC_MESSAGES and
// LANG; in the C locale (C, POSIX, C.UTF-8, or none set) the program speaks
// Czech and LANGUAGE is not read. Otherwise the first language of the list
// in LANGUAGE that the program has wins, else the locale's own language.
// Czech for Czech, English for every language without a translation.
TJazyk JazykProstredi(TCteniProstredi cti = nullptr);

// The gettext domain of the messages (kavirel.mo).
extern const char* const DomenaZprav;

// Marks a text for the catalogue where it is defined; it is translated by
// Preloz where it is shown.
#define N_(text) text

// The text in the language set by NastavPreklad; the text itself before
// that, for Czech, and when the catalogue lacks it.
const char* Preloz(const char* text);
// The same for a text that depends on a number n; jedno is the form for
// n == 1. Czech keeps its text whatever n is, so both forms are often one.
const char* PrelozPocet(const char* jedno, const char* vice, unsigned long n);

// printf for translated texts: every value is a string (%s, or %1$s in a
// translation that turns the order round).
template <class... THodnoty>
std::string Formatuj(const char* vzor, const THodnoty&... hodnoty)
{
    if constexpr (sizeof...(THodnoty) == 0) {
        return vzor;
    } else {
        const auto cText = [](const auto& h) -> const char* {
            if constexpr (std::is_same_v<std::decay_t<decltype(h)>, std::string>)
                return h.c_str();
            else
                return h;
        };
        const int delka = std::snprintf(nullptr, 0, vzor, cText(hodnoty)...);
        if (delka < 0)
            return vzor;
        std::string vysledek(static_cast<std::size_t>(delka) + 1, '\0');
        std::snprintf(vysledek.data(), vysledek.size(), vzor, cText(hodnoty)...);
        vysledek.resize(static_cast<std::size_t>(delka));
        return vysledek;
    }
}

// The directory whose <code>/LC_MESSAGES/kavirel.mo is the catalogue of the
// language: $KAVIREL_LOCALEDIR when set, else the first of the candidates
// that holds it (a relative candidate counts from the directory of the
// running program, so that an installed tree may move and a build tree
// finds its own catalogues). Empty when none does; Czech needs none.
std::string NajdiKatalogy(TJazyk jazyk, const std::vector<std::string>& kandidati,
                          TCteniProstredi cti = nullptr);

// From now on Preloz speaks the language, from the catalogues in adresar.
// Touches only the locale of messages (numbers and the rest stay as they
// are) and the environment variable LANGUAGE, so it belongs to the start of
// a program or to a moment when no other thread reads the environment.
void NastavPreklad(TJazyk jazyk, const std::string& adresar);
