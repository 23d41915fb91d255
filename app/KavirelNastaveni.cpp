// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNastaveni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace {

// A board has 81 positions and a game type; a file of a few thousand boards
// is already far beyond any player's collection.
constexpr int MaxRekordu = 10000;
constexpr int DelkaIdentity = RozmerDesky * RozmerDesky + 1;

struct TKlicBarvy {
    const char* Klic;
    TBarva TBarvy::*Clen;
};
const TKlicBarvy KliceBarev[] = {
    {"Vyber", &TBarvy::BarvaVyber},   {"Pole", &TBarvy::BarvaPole},
    {"Kamen", &TBarvy::BarvaKamen},   {"Cislo", &TBarvy::BarvaCislo},
    {"CisloPrubeh", &TBarvy::BarvaCisloPrubeh}, {"Cilove", &TBarvy::BarvaCilove},
    {"Mrizka", &TBarvy::BarvaMrizka}, {"Deska", &TBarvy::BarvaDeska},
};

bool JePlatnaIdentita(const QString& s)
{
    static const QRegularExpression vzor(QStringLiteral("^[.oxOX]{81}[01]$"));
    return s.size() == DelkaIdentity && vzor.match(s).hasMatch();
}

bool NactiBarvu(const QSettings& s, const QString& klic, TBarva& barva)
{
    static const QRegularExpression vzor(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    const QString text = s.value(klic).toString();
    if (!vzor.match(text).hasMatch())
        return false;
    barva = BarvaZQColor(QColor(text));
    return true;
}

} // namespace

QString IdentitaDesky(const TZaznamDesky& zaznam)
{
    QString s;
    s.reserve(DelkaIdentity);
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x) {
            const TPole& p = zaznam.Pole[x][y];
            char c = '.';
            if (p.Stav == spPrazdne)
                c = p.Cilove ? 'O' : 'o';
            else if (p.Stav == spPlne)
                c = p.Cilove ? 'X' : 'x';
            s += QLatin1Char(c);
        }
    s += zaznam.TypHry == thNormalni ? QLatin1Char('0') : QLatin1Char('1');
    return s;
}

TText PocetTahu(int tahu)
{
    // The Czech forms choose; each form is a text of its own, so that every
    // language translates the three (English: one for one, one for the rest).
    const int n = tahu < 0 ? -tahu : tahu;
    const TText slovo = n == 1                 ? TK_("KavirelNastaveni", "%1 tah")
                        : (n >= 2 && n <= 4)   ? TK_("KavirelNastaveni", "%1 tahy")
                                               : TK_("KavirelNastaveni", "%1 tahů");
    return slovo.arg(tahu);
}

QString TextTahu(int tahu) { return PocetTahu(tahu)(); }

QString TNastaveni::VychoziSoubor()
{
    // Not the application's name: a test program must find the same place.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Kavirel/Kavirel.conf");
}

TNastaveni::TNastaveni(QString soubor) : JmenoSouboru(std::move(soubor)) {}

void TNastaveni::Nacti()
{
    *this = TNastaveni(JmenoSouboru);
    if (!QFileInfo(JmenoSouboru).isFile())
        return;
    QSettings s(JmenoSouboru, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return;

    s.beginGroup(QStringLiteral("Barvy"));
    for (const TKlicBarvy& k : KliceBarev) {
        TBarva b = 0;
        if (NactiBarvu(s, QString::fromLatin1(k.Klic), b))
            Barvy.*k.Clen = b;
    }
    s.endGroup();

    const QString cisla = s.value(QStringLiteral("Zobrazeni/CislaPoli")).toString();
    if (cisla == QLatin1String("true") || cisla == QLatin1String("false"))
        CislaPoli = cisla == QLatin1String("true");

    // "x y width height"; nothing of it unless all four are numbers.
    const QStringList okno = s.value(QStringLiteral("Okno/Poloha")).toString().split(QLatin1Char(' '));
    if (okno.size() == 4) {
        int hodnoty[4] = {};
        bool platne = true;
        for (int i = 0; i < 4 && platne; ++i)
            hodnoty[i] = okno[i].toInt(&platne);
        if (platne && hodnoty[2] > 0 && hodnoty[3] > 0)
            Okno = QRect(hodnoty[0], hodnoty[1], hodnoty[2], hodnoty[3]);
    }
    Maximalizovane = s.value(QStringLiteral("Okno/Maximalizovane")).toString() == QLatin1String("true");

    const QString jazyk = s.value(QStringLiteral("Zobrazeni/Jazyk")).toString();
    if (jazyk == QLatin1String("cs") || jazyk == QLatin1String("en"))
        Jazyk = jazyk;

    bool jeCislo = false;
    const int deska = s.value(QStringLiteral("Hra/PosledniDeska")).toString().toInt(&jeCislo);
    if (jeCislo && deska > 0)
        PosledniDeska = deska;

    const int pocet = std::min(s.beginReadArray(QStringLiteral("Rekordy")), MaxRekordu);
    for (int i = 0; i < pocet; ++i) {
        s.setArrayIndex(i);
        TOsobniRekord r;
        r.Deska = s.value(QStringLiteral("Deska")).toString();
        r.Nazev = s.value(QStringLiteral("Nazev")).toString().left(MaxDelkaNazvu);
        bool jeTahu = false;
        r.Tahu = s.value(QStringLiteral("Tahu")).toString().toInt(&jeTahu);
        r.Kdy = QDateTime::fromString(s.value(QStringLiteral("Kdy")).toString(), Qt::ISODate);
        // A jump takes at least one move and a game has at most 79 jumps.
        if (!JePlatnaIdentita(r.Deska) || !jeTahu || r.Tahu < 1 || r.Tahu >= KapacitaTahu || !r.Kdy.isValid() ||
            NajdiRekord(r.Deska))
            continue;
        r.Typ = r.Deska.back() == QLatin1Char('0') ? thNormalni : thLeibniz;
        Rekordy.push_back(r);
    }
    s.endArray();
}

bool TNastaveni::Uloz() const
{
    const QFileInfo info(JmenoSouboru);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    const QString docasny = JmenoSouboru + QStringLiteral(".tmp");
    QFile::remove(docasny);
    {
        QSettings s(docasny, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("Barvy"));
        for (const TKlicBarvy& k : KliceBarev)
            s.setValue(QString::fromLatin1(k.Klic), BarvaNaQColor(Barvy.*k.Clen).name());
        s.endGroup();
        s.setValue(QStringLiteral("Zobrazeni/CislaPoli"), CislaPoli);
        if (!Jazyk.isEmpty())
            s.setValue(QStringLiteral("Zobrazeni/Jazyk"), Jazyk);
        s.setValue(QStringLiteral("Hra/PosledniDeska"), PosledniDeska);
        if (Okno.isValid())
            s.setValue(QStringLiteral("Okno/Poloha"), QStringLiteral("%1 %2 %3 %4")
                                                          .arg(Okno.x())
                                                          .arg(Okno.y())
                                                          .arg(Okno.width())
                                                          .arg(Okno.height()));
        s.setValue(QStringLiteral("Okno/Maximalizovane"), Maximalizovane);
        s.beginWriteArray(QStringLiteral("Rekordy"), static_cast<int>(Rekordy.size()));
        for (int i = 0; i < static_cast<int>(Rekordy.size()); ++i) {
            const TOsobniRekord& r = Rekordy[static_cast<std::size_t>(i)];
            s.setArrayIndex(i);
            s.setValue(QStringLiteral("Deska"), r.Deska);
            s.setValue(QStringLiteral("Nazev"), r.Nazev);
            s.setValue(QStringLiteral("Tahu"), r.Tahu);
            s.setValue(QStringLiteral("Kdy"), r.Kdy.toString(Qt::ISODate));
        }
        s.endArray();
        s.sync();
        if (s.status() != QSettings::NoError) {
            QFile::remove(docasny);
            return false;
        }
    }
    // rename(2) replaces the old file in one step.
    if (std::rename(QFile::encodeName(docasny).constData(), QFile::encodeName(JmenoSouboru).constData()) != 0) {
        QFile::remove(docasny);
        return false;
    }
    return true;
}

const TOsobniRekord* TNastaveni::NajdiRekord(const QString& deska) const
{
    for (const TOsobniRekord& r : Rekordy)
        if (r.Deska == deska)
            return &r;
    return nullptr;
}

TVysledekRekordu TNastaveni::ZapisVyhru(const QString& deska, const QString& nazev, TTypHry typ, int tahu,
                                         const QDateTime& kdy)
{
    for (TOsobniRekord& r : Rekordy)
        if (r.Deska == deska) {
            if (tahu >= r.Tahu)
                return {false, r.Tahu};
            r.Tahu = tahu;
            r.Nazev = nazev;
            r.Kdy = kdy;
            return {true, tahu};
        }
    Rekordy.push_back({deska, nazev, typ, tahu, kdy});
    return {true, tahu};
}
