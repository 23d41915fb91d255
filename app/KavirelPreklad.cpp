// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPreklad.h"

#include <QFile>
#include <QTranslator>

bool NactiPrekladOkna(QTranslator& prekladac, TJazyk jazyk)
{
    if (jazyk == TJazyk::Cestina)
        return false;
    return prekladac.load(QStringLiteral(":/i18n/kavirel_%1.qm").arg(QLatin1String(KodJazyka(jazyk))));
}

QString TextVPrekladu(const QTranslator& prekladac, const char* kontext, const char* text)
{
    const QString preklad = prekladac.isEmpty() ? QString() : prekladac.translate(kontext, text);
    return preklad.isEmpty() ? QString::fromUtf8(text) : preklad;
}

QString SouborNapovedy(TJazyk jazyk)
{
    if (jazyk != TJazyk::Cestina) {
        const QString soubor = QStringLiteral(":/napoveda/%1/napoveda.html").arg(QLatin1String(KodJazyka(jazyk)));
        if (QFile::exists(soubor))
            return soubor;
    }
    return QStringLiteral(":/napoveda/napoveda.html");
}
