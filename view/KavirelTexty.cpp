// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelTexty.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace {

// The names of the remembered properties, and each recipe under its name
// with this prefix.
const char* const SeznamVlastnosti = "KavirelTexty";
const QByteArray PredponaReceptu = QByteArrayLiteral("KavirelText_");
const char* const Zapisovac = "KavirelZapisovac";
const char* const TitulekStranky = "KavirelTitulekStranky";

TZapisTextu ZapisPopisku = nullptr;

void NastavTitulek(QWidget* stranka, const QString& text)
{
    // The page lies in the tab widget's stack, itself in the tab widget.
    for (QWidget* w = stranka->parentWidget(); w != nullptr; w = w->parentWidget())
        if (auto* zalozky = qobject_cast<QTabWidget*>(w)) {
            const int i = zalozky->indexOf(stranka);
            if (i >= 0)
                zalozky->setTabText(i, text);
            return;
        }
}

void Zapis(QObject* objekt, const char* vlastnost, const QString& text)
{
    if (qstrcmp(vlastnost, TitulekStranky) == 0) {
        if (auto* w = qobject_cast<QWidget*>(objekt))
            NastavTitulek(w, text);
        return;
    }
    if (ZapisPopisku != nullptr && objekt->property(Zapisovac).toBool())
        ZapisPopisku(objekt, vlastnost, text);
    else
        objekt->setProperty(vlastnost, text);
}

void Zapamatuj(QObject* objekt, const char* vlastnost, const TText& text)
{
    QStringList vlastnosti = objekt->property(SeznamVlastnosti).toStringList();
    const QString jmeno = QString::fromLatin1(vlastnost);
    const QByteArray klic = PredponaReceptu + vlastnost;
    if (text.JePrazdny()) {
        vlastnosti.removeAll(jmeno);
        objekt->setProperty(klic.constData(), QVariant());
    } else {
        if (!vlastnosti.contains(jmeno))
            vlastnosti << jmeno;
        objekt->setProperty(klic.constData(), QVariant::fromValue(text));
    }
    objekt->setProperty(SeznamVlastnosti, vlastnosti.isEmpty() ? QVariant() : QVariant(vlastnosti));
}

void PrelozJeden(QObject* objekt)
{
    const QStringList vlastnosti = objekt->property(SeznamVlastnosti).toStringList();
    for (const QString& v : vlastnosti) {
        const QByteArray jmeno = v.toLatin1();
        const QVariant recept = objekt->property((PredponaReceptu + jmeno).constData());
        if (recept.canConvert<TText>())
            Zapis(objekt, jmeno.constData(), recept.value<TText>()());
    }
}

} // namespace

TText TText::Doslova(const QString& text)
{
    TText t;
    t.Hodnota = text;
    return t;
}

TText TText::Jadra(const std::string& text)
{
    TText t;
    t.Kontext = QByteArrayLiteral("KavirelJadro");
    t.Zdroj = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    return t;
}

TText TText::arg(const TText& hodnota) const
{
    TText t = *this;
    t.Argumenty.push_back(hodnota);
    return t;
}

QString TText::operator()() const
{
    if (Zdroj.isEmpty())
        return Hodnota;
    const QString text = QCoreApplication::translate(Kontext.constData(), Zdroj.constData());
    // All at once: a name that holds "%1" itself must stay as it is.
    std::vector<QString> a;
    for (const TText& t : Argumenty)
        a.push_back(t());
    switch (a.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(a[0]);
    case 2:
        return text.arg(a[0], a[1]);
    case 3:
        return text.arg(a[0], a[1], a[2]);
    default:
        return text.arg(a[0], a[1], a[2], a[3]);
    }
}

void Nastav(QObject* Objekt, const char* Vlastnost, const TText& Text)
{
    Zapamatuj(Objekt, Vlastnost, Text);
    Zapis(Objekt, Vlastnost, Text());
}

void Zapomen(QObject* Objekt, const char* Vlastnost) { Zapamatuj(Objekt, Vlastnost, TText()); }

void NastavTitulekStranky(QWidget* Stranka, const TText& Text) { Nastav(Stranka, TitulekStranky, Text); }

void NastavZapisPopisku(TZapisTextu Zapis) { ZapisPopisku = Zapis; }

void ZapisujPresZapisovace(QObject* Objekt) { Objekt->setProperty(Zapisovac, true); }

void PrelozZnovu(QObject* Koren)
{
    PrelozJeden(Koren);
    for (QObject* o : Koren->findChildren<QObject*>())
        PrelozJeden(o);
}
