// SPDX-License-Identifier: GPL-3.0-or-later
// Texts between the core and Qt. Board names live in records as Windows-1250
// bytes; every other core text is UTF-8. Names are converted here and nowhere
// else, so a character the code page cannot hold never reaches a record.
#pragma once

#include <QString>
#include <QValidator>

#include <string>

#include "KavirelType.h"

// Windows-1250 bytes to text.
QString TextZBajtu1250(const std::string& bajty);

// Text to Windows-1250 bytes. Returns false, and leaves bajty untouched, when
// the text holds a character the code page cannot hold.
bool BajtyZTextu1250(const QString& text, std::string& bajty);

// Whether every character of the text has a Windows-1250 byte.
bool LzeUlozitDo1250(const QString& text);

// The record's name as text.
QString NazevDesky(const TZaznamDesky& zaznam);

// Sets the record's name from the text, cut to its first 30 characters. A
// character without a Windows-1250 byte (only possible when the text did not
// come through a name box) becomes '?'.
void NastavNazevDesky(TZaznamDesky& zaznam, const QString& text);

// A UTF-8 text of the core.
inline QString TextZUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Refuses input with a character Windows-1250 cannot hold, so the name box
// never shows something that would be stored differently.
class TValidatorNazvu : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& vstup, int& pozice) const override;

signals:
    // Input was refused for these characters; the box tells the user.
    void Odmitnuto(const QString& znaky) const;
};
