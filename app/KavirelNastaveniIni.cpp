// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNastaveniIni.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace {

bool JeHex(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool JeMezera(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// One logical line from pos on, the way QSettings splits its files: a
// newline inside double quotes or after '\' does not end it, ';' starts a
// comment (a whole comment line is skipped), the first '=' outside quotes
// separates key and value (rovnaSe, -1 when none). False at the end.
bool CtiRadek(const QByteArray& data, qsizetype& pos, qsizetype& zacatek, qsizetype& delka, qsizetype& rovnaSe)
{
    const qsizetype n = data.size();
    bool vUvozovkach = false;
    rovnaSe = -1;
    zacatek = pos;
    while (zacatek < n && JeMezera(data.at(zacatek)))
        ++zacatek;
    qsizetype i = zacatek;
    while (i < n) {
        const char c = data.at(i++);
        if (c == '=') {
            if (!vUvozovkach && rovnaSe == -1)
                rovnaSe = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == zacatek + 1) {
                ++zacatek;
            } else if (!vUvozovkach) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < n) {
                const char dalsi = data.at(i++);
                if (i < n) {
                    const char treti = data.at(i);
                    if ((dalsi == '\n' && treti == '\r') || (dalsi == '\r' && treti == '\n'))
                        ++i;
                }
            }
        } else if (c == '"') {
            vUvozovkach = !vUvozovkach;
        } else if (c == ';') {
            if (i == zacatek + 1) {
                while (i < n && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < n && JeMezera(data.at(i)))
                    ++i;
                zacatek = i;
            } else if (!vUvozovkach) {
                --i;
                break;
            }
        }
    }
    pos = i;
    delka = i - zacatek;
    return delka > 0;
}

// Keys: '\' stands for '/', %XX and %UXXXX for any other character.
QString RozbalKlic(const QByteArray& surovy)
{
    const QString k = QString::fromUtf8(surovy);
    QString vysledek;
    for (qsizetype i = 0; i < k.size();) {
        const QChar c = k.at(i);
        if (c == QLatin1Char('\\')) {
            vysledek += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != QLatin1Char('%') || i == k.size() - 1) {
            vysledek += c;
            ++i;
            continue;
        }
        const bool unicode = k.at(i + 1) == QLatin1Char('U');
        const qsizetype prvni = i + (unicode ? 2 : 1), cislic = unicode ? 4 : 2;
        bool ok = prvni + cislic <= k.size();
        const ushort kod = ok ? QStringView(k).sliced(prvni, cislic).toUShort(&ok, 16) : 0;
        if (!ok) {
            vysledek += QLatin1Char('%');
            ++i;
            continue;
        }
        vysledek += QChar(kod);
        i = prvni + cislic;
    }
    return vysledek;
}

QByteArray ZabalKlic(const QString& klic)
{
    QByteArray vysledek;
    for (const QChar znak : klic) {
        const char16_t c = znak.unicode();
        if (c == '/')
            vysledek += '\\';
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
                 c == '.')
            vysledek += static_cast<char>(c);
        else if (c <= 0xFF)
            vysledek += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            vysledek += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return vysledek;
}

// Trailing blanks that came unquoted and unescaped do not belong to a value.
void OrizniMezery(QString& s, qsizetype mez)
{
    while (s.size() > mez && (s.back() == QLatin1Char(' ') || s.back() == QLatin1Char('\t')))
        s.chop(1);
}

// A value's text the way QSettings unescapes it; false when it is a list
// (an unquoted ',' separates items).
bool RozbalHodnotu(const QByteArray& s, QString& text)
{
    static const char Unikove[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'},  {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const qsizetype n = s.size();
    bool seznam = false, vUvozovkach = false, vUvozovkachPolozka = false;
    qsizetype i = 0;
    const auto preskocMezery = [&] {
        while (i < n && (s.at(i) == ' ' || s.at(i) == '\t'))
            ++i;
    };
    text.clear();
    preskocMezery();
    qsizetype mez = 0;
    while (i < n) {
        const char c = s.at(i);
        if (c == '\\') {
            if (++i >= n)
                return !seznam;
            const char u = s.at(i++);
            const auto kod = std::find_if(std::begin(Unikove), std::end(Unikove), [u](const char* p) { return p[0] == u; });
            if (kod != std::end(Unikove)) {
                text += QLatin1Char((*kod)[1]);
            } else if ((u == 'x' && i < n && JeHex(static_cast<uchar>(s.at(i)))) || (u >= '0' && u <= '7')) {
                // Hex escapes take every hex digit that follows, octal ones every octal digit.
                const bool hex = u == 'x';
                char16_t hodnota = hex ? 0 : static_cast<char16_t>(u - '0');
                while (i < n && (hex ? JeHex(static_cast<uchar>(s.at(i))) : (s.at(i) >= '0' && s.at(i) <= '7'))) {
                    const char d = s.at(i++);
                    const int cislice = d <= '9' ? d - '0' : (d | 0x20) - 'a' + 10;
                    hodnota = static_cast<char16_t>(hodnota * (hex ? 16 : 8) + cislice);
                }
                text += QChar(hodnota);
            } else if ((u == '\n' || u == '\r') && i < n && (s.at(i) == '\n' || s.at(i) == '\r') && s.at(i) != u) {
                ++i;  // an escaped line break: the line goes on
            }
            mez = text.size();
        } else if (c == '"') {
            ++i;
            vUvozovkachPolozka = true;
            vUvozovkach = !vUvozovkach;
            if (!vUvozovkach)
                preskocMezery();
            mez = text.size();
        } else if (c == ',' && !vUvozovkach) {
            // A list: this game writes no lists.
            seznam = true;
            ++i;
            text.clear();
            vUvozovkachPolozka = false;
            preskocMezery();
            mez = 0;
        } else {
            qsizetype j = i + 1;
            while (j < n && s.at(j) != '\\' && s.at(j) != '"' && (s.at(j) != ',' || vUvozovkach))
                ++j;
            text += QString::fromUtf8(s.constData() + i, j - i);
            i = j;
        }
    }
    if (!vUvozovkachPolozka)
        OrizniMezery(text, mez);
    return !seznam;
}

} // namespace

QByteArray IniHodnota(const QString& text)
{
    // A string with a NUL or starting with '@' is marked, so that it is not
    // taken for one of QSettings' typed values.
    const QString znacena = text.contains(QChar(0))                  ? QStringLiteral("@String(%1)").arg(text)
                            : text.startsWith(QLatin1Char('@'))      ? QLatin1Char('@') + text
                                                                     : text;
    QByteArray vysledek;
    bool uvozovky = false, hexDale = false;
    QString usek;
    const auto vyprazdni = [&] {
        vysledek += usek.toUtf8();
        usek.clear();
    };
    for (const QChar znak : znacena) {
        const char16_t c = znak.unicode();
        if (c == ';' || c == ',' || c == '=')
            uvozovky = true;
        // A digit right after a numeric escape would be read as part of it.
        if (hexDale && JeHex(c)) {
            vyprazdni();
            vysledek += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        hexDale = false;
        if (c < 0x20 || c == '"' || c == '\\') {
            static const char Kody[] = "\a\b\f\n\r\t\v";
            static const char Pismena[] = "abfnrtv";
            vyprazdni();
            const char* k = c == 0 ? nullptr : std::strchr(Kody, static_cast<char>(c));
            if (c == 0) {
                vysledek += "\\0";
                hexDale = true;
            } else if (c == '"' || c == '\\') {
                vysledek += '\\';
                vysledek += static_cast<char>(c);
            } else if (k) {
                vysledek += '\\';
                vysledek += Pismena[k - Kody];
            } else {
                vysledek += "\\x" + QByteArray::number(c, 16);
                hexDale = true;
            }
            continue;
        }
        usek += znak;
    }
    vyprazdni();
    if (uvozovky || vysledek.startsWith(' ') || vysledek.endsWith(' '))
        vysledek = '"' + vysledek + '"';
    return vysledek;
}

bool IniText(const QByteArray& surova, QString& text)
{
    if (!RozbalHodnotu(surova, text))
        return false;
    if (!text.startsWith(QLatin1Char('@')))
        return true;
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@String("))) {
            text = text.mid(8).chopped(1);
            return true;
        }
        // Bytes, serialized values, geometry: nothing this game writes.
        for (const char* typ : {"@ByteArray(", "@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("})
            if (text.startsWith(QLatin1String(typ)))
                return false;
        if (text == QLatin1String("@Invalid()"))
            return false;
    }
    if (text.startsWith(QLatin1String("@@")))
        text.remove(0, 1);
    return true;
}

// ---------------------------------------------------------------------------

TIniSoubor::TIniSoubor(const QByteArray& text)
{
    TSekce* sekce = nullptr;
    qsizetype pos = 0, zacatek = 0, delka = 0, rovnaSe = -1;
    while (CtiRadek(text, pos, zacatek, delka, rovnaSe)) {
        const QByteArray radek = text.mid(zacatek, delka);
        if (radek.startsWith('[')) {
            const qsizetype konec = radek.indexOf(']');
            const QByteArray hlavicka = (konec < 0 ? radek.mid(1) : radek.mid(1, konec - 1)).trimmed();
            QString nazev;
            if (hlavicka.compare("general", Qt::CaseInsensitive) == 0)
                nazev.clear();
            else if (hlavicka.compare("%general", Qt::CaseInsensitive) == 0)
                nazev = QString::fromLatin1(hlavicka.mid(1));
            else
                nazev = RozbalKlic(hlavicka);
            sekce = &SekceProKlic(nazev);
            if (sekce->SurovaHlavicka.isEmpty())
                sekce->SurovaHlavicka = hlavicka;
            continue;
        }
        if (rovnaSe < 0)
            continue;
        if (!sekce)
            sekce = &SekceProKlic(QString());
        TRadek r;
        r.SurovyKlic = text.mid(zacatek, rovnaSe - zacatek).trimmed();
        r.Klic = RozbalKlic(r.SurovyKlic);
        r.SurovaHodnota = text.mid(rovnaSe + 1, zacatek + delka - rovnaSe - 1);
        // A key given twice: the later one counts, as with QSettings.
        auto stejny = std::find_if(sekce->Radky.begin(), sekce->Radky.end(),
                                   [&r](const TRadek& jiny) { return jiny.Klic == r.Klic; });
        if (stejny != sekce->Radky.end())
            *stejny = r;
        else
            sekce->Radky.push_back(r);
    }
}

TIniSoubor::TSekce& TIniSoubor::SekceProKlic(const QString& nazev)
{
    for (TSekce& s : Sekce)
        if (s.Nazev == nazev)
            return s;
    TSekce nova;
    nova.Nazev = nazev;
    if (nazev.isEmpty())
        nova.SurovaHlavicka = "General";
    else if (nazev.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        nova.SurovaHlavicka = '%' + nazev.toLatin1();
    else
        nova.SurovaHlavicka = ZabalKlic(nazev);
    Sekce.push_back(nova);
    return Sekce.back();
}

const TIniSoubor::TRadek* TIniSoubor::Najdi(const QString& klic) const
{
    for (const TSekce& s : Sekce) {
        if (!s.Nazev.isEmpty() && !(klic.startsWith(s.Nazev) && klic.size() > s.Nazev.size() &&
                                    klic.at(s.Nazev.size()) == QLatin1Char('/')))
            continue;
        const QString zbytek = s.Nazev.isEmpty() ? klic : klic.mid(s.Nazev.size() + 1);
        for (const TRadek& r : s.Radky)
            if (r.Klic == zbytek)
                return &r;
    }
    return nullptr;
}

TIniSoubor::THodnota TIniSoubor::Hodnota(const QString& klic, QString& text) const
{
    const TRadek* r = Najdi(klic);
    if (!r)
        return THodnota::Chybi;
    return IniText(r->SurovaHodnota, text) ? THodnota::Text : THodnota::Poskozena;
}

void TIniSoubor::Nastav(const QString& klic, const QString& text)
{
    const qsizetype lomitko = klic.indexOf(QLatin1Char('/'));
    TSekce& sekce = SekceProKlic(lomitko < 0 ? QString() : klic.left(lomitko));
    const QString zbytek = lomitko < 0 ? klic : klic.mid(lomitko + 1);
    for (TRadek& r : sekce.Radky)
        if (r.Klic == zbytek) {
            r.SurovaHodnota = IniHodnota(text);
            return;
        }
    sekce.Radky.push_back({zbytek, ZabalKlic(zbytek), IniHodnota(text)});
}

void TIniSoubor::Odstran(const QString& klic)
{
    // The row Najdi finds, by its place in its section.
    const TRadek* radek = Najdi(klic);
    for (TSekce& s : Sekce)
        s.Radky.erase(std::remove_if(s.Radky.begin(), s.Radky.end(), [radek](const TRadek& r) { return &r == radek; }),
                      s.Radky.end());
}

void TIniSoubor::OdstranSkupinu(const QString& skupina)
{
    Sekce.erase(std::remove_if(Sekce.begin(), Sekce.end(), [&](const TSekce& s) { return s.Nazev == skupina; }),
                Sekce.end());
}

QByteArray TIniSoubor::Text() const
{
    QByteArray vysledek;
    for (const TSekce& s : Sekce) {
        if (s.Radky.empty())
            continue;
        if (!vysledek.isEmpty())
            vysledek += '\n';
        vysledek += '[' + s.SurovaHlavicka + "]\n";
        for (const TRadek& r : s.Radky)
            vysledek += r.SurovyKlic + '=' + r.SurovaHodnota + '\n';
    }
    return vysledek;
}

bool TUlozisteIni::Cti(const std::string& klic, std::string& hodnota) const
{
    QString text;
    if (Soubor.Hodnota(QString::fromStdString(klic), text) != TIniSoubor::THodnota::Text)
        return false;
    hodnota = text.toStdString();
    return true;
}

void TUlozisteIni::Zapis(const std::string& klic, const std::string& hodnota)
{
    Soubor.Nastav(QString::fromStdString(klic), QString::fromStdString(hodnota));
    Zmena = true;
}

void TUlozisteIni::OdstranSkupinu(const std::string& skupina)
{
    Soubor.OdstranSkupinu(QString::fromStdString(skupina));
    Zmena = true;
}
