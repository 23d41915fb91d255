// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
const char* const KodovaStranka = "windows-1250";

// Qt knows this code page only through ICU; without it every name would come
// out empty, which must not pass unnoticed.
QStringDecoder Dekoder()
{
    QStringDecoder d(KodovaStranka, QStringConverter::Flag::Stateless);
    KAVIREL_ASSERT(d.isValid(), "Kodova stranka windows-1250 neni k dispozici", "KavirelText");
    return d;
}

QStringEncoder Koder()
{
    QStringEncoder k(KodovaStranka, QStringConverter::Flag::Stateless);
    KAVIREL_ASSERT(k.isValid(), "Kodova stranka windows-1250 neni k dispozici", "KavirelText");
    return k;
}
} // namespace

QString TextZBajtu1250(const std::string& bajty)
{
    QStringDecoder d = Dekoder();
    return d.decode(QByteArrayView(bajty.data(), static_cast<qsizetype>(bajty.size())));
}

bool BajtyZTextu1250(const QString& text, std::string& bajty)
{
    QStringEncoder k = Koder();
    const QByteArray vysledek = k.encode(text);
    if (k.hasError())
        return false;
    // The encoder substitutes silently for some characters; only a faithful
    // round trip proves that every character has its own byte.
    if (TextZBajtu1250(vysledek.toStdString()) != text)
        return false;
    bajty = vysledek.toStdString();
    return true;
}

bool LzeUlozitDo1250(const QString& text)
{
    std::string bajty;
    return BajtyZTextu1250(text, bajty);
}

QString NazevDesky(const TZaznamDesky& zaznam) { return TextZBajtu1250(DejNazev(zaznam)); }

void NastavNazevDesky(TZaznamDesky& zaznam, const QString& text)
{
    const QString zkraceny = text.left(MaxDelkaNazvu);
    std::string bajty;
    if (!BajtyZTextu1250(zkraceny, bajty)) {
        bajty.clear();
        for (const QChar znak : zkraceny) {
            std::string jeden;
            bajty += BajtyZTextu1250(QString(znak), jeden) && jeden.size() == 1 ? jeden : std::string("?");
        }
    }
    NastavNazev(zaznam, bajty);
}

QValidator::State TValidatorNazvu::validate(QString& vstup, int&) const
{
    if (LzeUlozitDo1250(vstup))
        return Acceptable;
    QString odmitnute;
    for (int i = 0; i < vstup.size(); ++i) {
        // A character outside the basic plane is two code units, one symbol.
        const int delka = vstup.at(i).isHighSurrogate() && i + 1 < vstup.size() ? 2 : 1;
        const QString znak = vstup.mid(i, delka);
        if (!LzeUlozitDo1250(znak) && !odmitnute.contains(znak))
            odmitnute += znak;
        i += delka - 1;
    }
    emit Odmitnuto(odmitnute);
    return Invalid;
}
