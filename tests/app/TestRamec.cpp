// SPDX-License-Identifier: GPL-3.0-or-later
// Name texts, fitted captions, and the orderly end on signals.
#include <csignal>

#include "KavirelSignaly.h"
#include "KavirelText.h"
#include "OknoTest.h"

TEST(NazvyDesek, CeskeZnakyProjdouTamIZpetAJinePismoSeOdmitne)
{
    const QString ceske = QStringLiteral("ěščřžýáíéúůďťňóĚŠČŘŽÝÁÍÉÚŮĎŤŇÓ");
    TZaznamDesky z = PrazdnyZaznam();
    NastavNazevDesky(z, ceske);
    EXPECT_EQ(z.Nazev.Delka, 30);
    EXPECT_EQ(NazevDesky(z), ceske);
    EXPECT_EQ(static_cast<unsigned char>(z.Nazev.Znaky[0]), 0xECu);  // ě in Windows-1250

    NastavNazevDesky(z, QString(40, QLatin1Char('a')));
    EXPECT_EQ(NazevDesky(z), QString(30, QLatin1Char('a')));

    TValidatorNazvu validator;
    int pozice = 0;
    struct TPripad {
        QString Text;
        QValidator::State Stav;
    };
    const TPripad pripady[] = {
        {ceske, QValidator::Acceptable},       {QStringLiteral("Kříž €‚„"), QValidator::Acceptable},
        {QStringLiteral("šipka →"), QValidator::Invalid}, {QStringLiteral("日本"), QValidator::Invalid},
        {QStringLiteral("ł ő ű"), QValidator::Acceptable}, {QStringLiteral("ñ"), QValidator::Invalid},
    };
    for (TPripad p : pripady)
        EXPECT_EQ(validator.validate(p.Text, pozice), p.Stav) << p.Text.toStdString();

    // Every byte of the code page reads back to itself.
    for (int b = 1; b < 256; ++b) {
        const std::string bajt(1, static_cast<char>(b));
        std::string zpet;
        ASSERT_TRUE(BajtyZTextu1250(TextZBajtu1250(bajt), zpet)) << b;
        EXPECT_EQ(zpet, bajt);
    }
}

TEST(UkonceniSignalem, KazdyZeTriSignaluSpustiAkciVeSmyckeUdalosti)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        TUkonceniSignalem signaly;
        signaly.NastavLhutu(0);
        int akci = 0;
        signaly.NastavAkci([&akci] { ++akci; });
        ASSERT_EQ(::raise(signal), 0);
        EXPECT_EQ(akci, 0);  // not inside the signal handler
        EXPECT_TRUE(QTest::qWaitFor([&akci] { return akci == 1; }, 2000));
        EXPECT_EQ(signaly.PocetSignalu(), 1);
    }
}

// Captions are fitted into the room up to their container's right edge
// instead of being cut off there.
TEST(Napis, TitulekSeVejdeDoSirkyKontejneru)
{
    constexpr int Sirka = 209, Vlevo = 8, Volno = Sirka - 6 - Vlevo;
    QWidget kontejner;
    kontejner.resize(Sirka, 113);
    QFont zaklad = kontejner.font();
    zaklad.setPointSize(8);

    // Texts a given share of the room wide, in the base font.
    const QFontMetrics m(zaklad);
    auto slova = [&](double podil) {
        QString t = QStringLiteral("Nahráno");
        while (m.horizontalAdvance(t) < Volno * podil)
            t += QStringLiteral(" slovo");
        return t;
    };
    enum TVysledek { Beze, Uzsi, DvaRadky, Zkraceny };
    struct TPripad {
        double Podil;
        bool NecoPodNim;   // a shown control right beneath the label
        TVysledek Vysledek;
    };
    const TPripad pripady[] = {
        {0.5, false, Beze},    {1.1, false, Uzsi},     {1.1, true, Uzsi},
        {1.8, false, DvaRadky}, {1.8, true, Zkraceny}, {3.5, false, Zkraceny},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(testing::Message() << p.Podil << (p.NecoPodNim ? " blocked" : ""));
        QLabel popisek(&kontejner);
        popisek.setFont(zaklad);
        popisek.move(Vlevo, 16);
        QLabel pod(QStringLiteral("Číslo"), &kontejner);
        pod.move(Vlevo, 32);
        pod.setVisible(p.NecoPodNim);

        const QString text = slova(p.Podil);
        Napis(&popisek, text);
        EXPECT_LE(popisek.x() + popisek.width(), Sirka - 6);
        EXPECT_GE(popisek.font().pointSizeF(), zaklad.pointSizeF() * 0.75);
        switch (p.Vysledek) {
        case Beze:
            EXPECT_EQ(popisek.text(), text);
            EXPECT_EQ(popisek.font(), zaklad);
            break;
        case Uzsi:
            EXPECT_EQ(popisek.text(), text);
            EXPECT_TRUE(popisek.font().stretch() < 100 || popisek.font().pointSizeF() < zaklad.pointSizeF());
            break;
        case DvaRadky:
            EXPECT_EQ(popisek.text().count(QLatin1Char('\n')), 1);
            EXPECT_EQ(popisek.text().replace(QLatin1Char('\n'), QLatin1Char(' ')), text);
            EXPECT_EQ(popisek.font(), zaklad);
            EXPECT_LE(popisek.y() + popisek.height(), 113);
            break;
        case Zkraceny:
            EXPECT_TRUE(popisek.text().contains(QChar(0x2026))) << popisek.text().toStdString();
            EXPECT_FALSE(popisek.text().contains(QLatin1Char('\n')));
            EXPECT_LT(popisek.height(), 2 * QFontMetrics(popisek.font()).lineSpacing());
            break;
        }

        // The next short text is back in the label's own font, and a font
        // the caller gives the label meanwhile is kept.
        Napis(&popisek, QStringLiteral("Krátký"));
        EXPECT_EQ(popisek.font(), zaklad);
        Napis(&popisek, text);
        QFont tucne = zaklad;
        tucne.setBold(true);
        popisek.setFont(tucne);
        Napis(&popisek, QStringLiteral("Krátký"));
        EXPECT_EQ(popisek.font(), tucne);
    }
}
