// SPDX-License-Identifier: GPL-3.0-or-later
// The help in every language: the same sections under the same anchors and
// no link into nothing.
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include "KavirelPreklad.h"

// The help pages lie in the resources of a static library.
static void NactiZdroje() { Q_INIT_RESOURCE(kavirel); }

namespace {

QString Obsah(const QString& soubor)
{
    QFile f(soubor);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << soubor.toStdString();
    return QString::fromUtf8(f.readAll());
}

QSet<QString> Zachyt(const QString& text, const QString& vzor)
{
    QSet<QString> v;
    auto i = QRegularExpression(vzor).globalMatch(text);
    while (i.hasNext())
        v.insert(i.next().captured(1));
    return v;
}

QStringList Serazene(const QSet<QString>& s)
{
    QStringList l(s.begin(), s.end());
    l.sort();
    return l;
}

TEST(NapovedaJazyky, StejneKotvyAOdkazyVKazdemJazyce)
{
    NactiZdroje();
    const QString cesky = Obsah(SouborNapovedy(TJazyk::Cestina));
    const QString anglicky = Obsah(SouborNapovedy(TJazyk::Anglictina));
    ASSERT_FALSE(cesky.isEmpty());
    ASSERT_FALSE(anglicky.isEmpty());
    EXPECT_NE(cesky, anglicky);
    EXPECT_TRUE(cesky.contains(QStringLiteral("<html lang=\"cs\">")));
    EXPECT_TRUE(anglicky.contains(QStringLiteral("<html lang=\"en\">")));

    const QString kotva = QStringLiteral("name=\"([a-z]+)\""), odkaz = QStringLiteral("href=\"#([a-z]+)\"");
    const QSet<QString> kotvy = Zachyt(cesky, kotva);
    EXPECT_GE(kotvy.size(), 10);
    EXPECT_EQ(Serazene(Zachyt(anglicky, kotva)), Serazene(kotvy));
    for (const QString* text : {&cesky, &anglicky}) {
        for (const QString& cil : Zachyt(*text, odkaz))
            EXPECT_TRUE(kotvy.contains(cil)) << "a link to the missing anchor " << cil.toStdString();
    }
    // Every text of the English page is English (the Czech letters of the
    // built-in boards' names do not occur in it).
    EXPECT_FALSE(anglicky.contains(QRegularExpression(QStringLiteral("[ěščřžůťďňĚŠČŘŽ]"))));
}

} // namespace
