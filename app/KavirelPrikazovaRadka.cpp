// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelPrikazovaRadka.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTranslator>

#include <cstdio>

#include "KavirelPreklad.h"

#ifndef KAVIREL_VERSION
#define KAVIREL_VERSION "?"
#endif

namespace {

// In pieces, so that a changed paragraph leaves the translations of the rest
// as they are; "\n" is a blank line.
const char* const Kontext = "KavirelPrikazovaRadka";
const char* const CastiNapovedy[] = {
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "Použití: kavirel [PŘEPÍNAČE] [SOUBOR.kav]\n"),
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka",
                      "Hlavolam Kavirel: skákání kamenů přes kameny, dokud jich nezůstane co nejméně,\n"
                      "s editorem desek, katalogem desek a hledáním řešení.\n"),
    "\n",
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "Se souborem desky (.kav) začne hra rovnou hrát tuto desku.\n"),
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka",
                      "Katalog desek „Kavirel.dat“ leží v pracovním adresáři; z nabídky prostředí\n"
                      "hru spouští kavirel-spustit v adresáři ~/.local/share/kavirel.\n"),
    "\n",
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "  -h, --help       vypíše tuto nápovědu\n"),
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "  -v, --version    vypíše verzi programu\n"),
    "\n",
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka",
                      "Přijímá i obvyklé přepínače knihovny Qt (např. -platform, -style, -reverse).\n"),
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "Desky z příkazové řádky řeší program kavirel-resit.\n"),
    QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "Podrobnosti: man kavirel\n"),
};

// The texts in the environment's language. The application object may not
// exist yet (--help needs none), so the translation is asked directly.
class TTexty {
public:
    TTexty() { NactiPrekladOkna(Prekladac, JazykProstredi()); }
    QString operator()(const char* text) const { return TextVPrekladu(Prekladac, Kontext, text); }

private:
    QTranslator Prekladac;
};

const int KodChybnehoPouziti = 2;

struct TParser {
    QCommandLineParser Parser;
    QCommandLineOption Pomoc{{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")}};
    QCommandLineOption Verze{{QStringLiteral("v"), QStringLiteral("version")}};

    TParser()
    {
        // "-reverse" is one of the toolkit's options, not -r -e -v ...
        Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        Parser.addOption(Pomoc);
        Parser.addOption(Verze);
    }
};

void Vypis(std::FILE* kam, const QString& text)
{
    std::fputs(text.toUtf8().constData(), kam);
}

} // namespace

int PrikazovaRadkaPredSpustenim(int argc, char** argv)
{
    QStringList argumenty;
    for (int i = 0; i < argc; ++i)
        argumenty << QString::fromLocal8Bit(argv[i]);
    TParser p;
    // The toolkit's own options are not known yet; they show up here as
    // unknown and are judged after the toolkit has taken them.
    p.Parser.parse(argumenty);
    if (p.Parser.isSet(p.Pomoc)) {
        const TTexty text;
        QString napoveda;
        for (const char* cast : CastiNapovedy)
            napoveda += text(cast);
        Vypis(stdout, napoveda);
        return std::fflush(stdout) == 0 ? 0 : KodChybnehoPouziti;
    }
    if (p.Parser.isSet(p.Verze)) {
        Vypis(stdout, QStringLiteral("kavirel %1\n").arg(QStringLiteral(KAVIREL_VERSION)));
        return std::fflush(stdout) == 0 ? 0 : KodChybnehoPouziti;
    }
    return -1;
}

int PrikazovaRadkaPoSpusteni(const QStringList& argumenty, QString& deska)
{
    deska.clear();
    TParser p;
    const TTexty text;
    QString chyba;
    if (!p.Parser.parse(argumenty)) {
        const QStringList nezname = p.Parser.unknownOptionNames();
        if (!nezname.isEmpty()) {
            // Named as it was typed, with its dashes.
            QString jmeno = nezname.first();
            for (const QString& a : argumenty.mid(1)) {
                QString bezPomlcek = a;
                while (bezPomlcek.startsWith(QLatin1Char('-')))
                    bezPomlcek.remove(0, 1);
                if (a.startsWith(QLatin1Char('-')) && bezPomlcek.section(QLatin1Char('='), 0, 0) == jmeno) {
                    jmeno = a;
                    break;
                }
            }
            chyba = text(QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "neznámý přepínač „%1“")).arg(jmeno);
        } else {
            chyba = p.Parser.errorText();
        }
    } else if (const QStringList zbytek = p.Parser.positionalArguments(); !zbytek.isEmpty()) {
        // One board file; an empty name can be no file at all.
        if (zbytek.size() > 1 || zbytek.first().isEmpty())
            chyba = text(QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "nečekaný argument „%1“"))
                        .arg(zbytek.at(zbytek.first().isEmpty() ? 0 : 1));
        else
            deska = zbytek.first();
    }
    if (chyba.isEmpty())
        return -1;
    Vypis(stderr, QStringLiteral("kavirel: %1\n%2\n")
                      .arg(chyba, text(QT_TRANSLATE_NOOP("KavirelPrikazovaRadka", "Nápovědu vypíše kavirel --help."))));
    return KodChybnehoPouziti;
}
