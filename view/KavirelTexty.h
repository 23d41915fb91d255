// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the windows that remember how they were made, so that a change of
// language at run time sets each of them anew, numbers and names included.
//
// Czech is the source language. T_("...") inside a member function of a
// Q_OBJECT class and TK_("Context", "...") anywhere hold the Czech text;
// lupdate reads them as QT_TR_NOOP and QT_TRANSLATE_NOOP (the aliases are in
// cmake/KavirelPrekladyOken.cmake). A text shown through Nastav keeps its
// recipe on the object; PrelozZnovu, called when the language changes, sets
// every such text again in the language of the installed translators.
#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <string>
#include <vector>

class QObject;
class QWidget;

class TText {
public:
    TText() = default;
    // A text to translate: kontext and zdroj are the translation's keys.
    TText(const char* kontext, const char* zdroj) : Kontext(kontext), Zdroj(zdroj) {}
    // A name or a number, the same in every language.
    static TText Doslova(const QString& text);
    // A text of the Qt-free core, under the context "KavirelJadro".
    static TText Jadra(const std::string& text);

    // Fills the lowest %n left, like QString::arg (four at most).
    TText arg(const TText& hodnota) const;
    TText arg(const QString& doslova) const { return arg(Doslova(doslova)); }
    TText arg(int cislo) const { return arg(QString::number(cislo)); }

    // The text in the language the application speaks now.
    QString operator()() const;
    bool JePrazdny() const { return Zdroj.isEmpty() && Hodnota.isEmpty(); }

private:
    QByteArray Kontext;
    QByteArray Zdroj;
    QString Hodnota;  // Doslova
    std::vector<TText> Argumenty;
};

Q_DECLARE_METATYPE(TText)

// The text of a member function of a Q_OBJECT class, under the class's name.
#define T_(zdroj) TText(staticMetaObject.className(), zdroj)
#define TK_(kontext, zdroj) TText(kontext, zdroj)

// Sets the property (text, title, toolTip, statusTip, windowTitle,
// accessibleName, accessibleDescription, placeholderText) of the object to
// the text and remembers how it was made. An empty text forgets it.
void Nastav(QObject* Objekt, const char* Vlastnost, const TText& Text);
// The property is set by other means from now on: its text is not set again.
void Zapomen(QObject* Objekt, const char* Vlastnost);
// The caption of a page of a QTabWidget.
void NastavTitulekStranky(QWidget* Stranka, const TText& Text);

// Writes a remembered text where it belongs; the default sets the property.
// A folder above this one installs a writer that fits labels to their room.
using TZapisTextu = void (*)(QObject* Objekt, const char* Vlastnost, const QString& Text);
void NastavZapisPopisku(TZapisTextu Zapis);
// Marks a label whose remembered "text" goes through the installed writer.
void ZapisujPresZapisovace(QObject* Objekt);

// Sets every remembered text of the object and its descendants again.
void PrelozZnovu(QObject* Koren);
