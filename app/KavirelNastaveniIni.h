// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as text in the INI dialect that QSettings reads and
// writes (the previous versions of the game used QSettings for it):
// "[Section]" headers, "key=value" lines, '\' for '/' and %XX escapes in
// keys, values with C escapes, double quotes around text with ',', ';', '='
// or spaces at its ends, ',' between the items of a list.
//
// It is read here without QSettings because QSettings decodes a value
// written as "@Variant(...)" from serialized bytes, and a damaged one (a
// list claiming billions of entries) takes the program down before any
// check can run. Values are only ever taken as text; whatever is not plain
// text counts as damaged. Keys this game does not know are kept as they
// stand, so that a merge changes nothing but what it sets.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

#include "KavirelStatistika.h"

class TIniSoubor {
public:
    // Lines that are neither a section header nor a key are dropped.
    explicit TIniSoubor(const QByteArray& text = {});

    enum class THodnota {
        Chybi,
        Text,      // one plain string
        Poskozena, // a list, a serialized value, or anything else no text
    };
    // The value of a key such as "Barvy/Kamen" or "Rekordy/1/Nazev".
    THodnota Hodnota(const QString& klic, QString& text) const;

    // Sets a key to a text, in its place when it is there.
    void Nastav(const QString& klic, const QString& text);
    // Removes a key; nothing when it is not there.
    void Odstran(const QString& klic);
    // Removes every key of a group ("Rekordy" takes "Rekordy/size" and
    // "Rekordy/1/Deska" alike).
    void OdstranSkupinu(const QString& skupina);

    QByteArray Text() const;

private:
    struct TRadek {
        QString Klic;            // within the section, '/' between parts
        QByteArray SurovyKlic;   // as in the file
        QByteArray SurovaHodnota;
    };
    struct TSekce {
        QString Nazev;           // empty for [General]
        QByteArray SurovaHlavicka;
        std::vector<TRadek> Radky;
    };
    std::vector<TSekce> Sekce;

    TSekce& SekceProKlic(const QString& nazev);
    const TRadek* Najdi(const QString& klic) const;
};

// How the previous versions' QSettings writes a text value, and reads one
// back (false for a list or anything that is no plain text).
QByteArray IniHodnota(const QString& text);
bool IniText(const QByteArray& surova, QString& text);

// The statistics' keys (KavirelStatistika.h) in a settings file: UTF-8
// text both ways. Zmeneno tells whether the file now differs.
class TUlozisteIni final : public TUlozisteKlicu {
public:
    explicit TUlozisteIni(TIniSoubor& soubor) : Soubor(soubor) {}
    bool Cti(const std::string& klic, std::string& hodnota) const override;
    void Zapis(const std::string& klic, const std::string& hodnota) override;
    void OdstranSkupinu(const std::string& skupina) override;
    bool Zmeneno() const { return Zmena; }

private:
    TIniSoubor& Soubor;
    bool Zmena = false;
};
