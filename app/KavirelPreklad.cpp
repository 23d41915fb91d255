// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPreklad.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

std::optional<TJazyk> Volba;
// The language whose translators are installed; none before the first choice.
std::optional<TJazyk> Nainstalovany;
// Children of the application: they go with it.
QPointer<QTranslator> PrekladOkna;
QPointer<QTranslator> PrekladQt;

void Odinstaluj(QPointer<QTranslator>& prekladac)
{
    if (prekladac) {
        QCoreApplication::removeTranslator(prekladac);
        delete prekladac.data();
    }
}

} // namespace

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

std::optional<TJazyk> VolbaJazyka() { return Volba; }

TJazyk JazykOkna() { return Volba.value_or(JazykProstredi()); }

bool NastavVolbuJazyka(std::optional<TJazyk> NovaVolba)
{
    Volba = NovaVolba;
    const TJazyk jazyk = JazykOkna();
    if (Nainstalovany == jazyk || QCoreApplication::instance() == nullptr)
        return false;
    const bool zmena = Nainstalovany.value_or(TJazyk::Cestina) != jazyk;
    Nainstalovany = jazyk;
    Odinstaluj(PrekladOkna);
    Odinstaluj(PrekladQt);
    QLocale::setDefault(jazyk == TJazyk::Cestina ? QLocale(QLocale::Czech, QLocale::CzechRepublic)
                                                 : QLocale(QLocale::English, QLocale::UnitedStates));
    // Qt's own texts are missing where its translations are not installed;
    // its dialogs then speak English.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_%1").arg(QLatin1String(KodJazyka(jazyk))),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        PrekladQt = qt;
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    auto* okna = new QTranslator(QCoreApplication::instance());
    if (NactiPrekladOkna(*okna, jazyk)) {
        PrekladOkna = okna;
        QCoreApplication::installTranslator(okna);
    } else {
        delete okna;
    }
    return zmena;
}
