// SPDX-License-Identifier: GPL-3.0-or-later
// Random boards from the game menu, by a number typed or drawn in the
// dialog, and the slide of a jump, finished by whatever the player does next.
#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QSpinBox>

#include <cstring>

#include "KavirelNahodna.h"
#include "KavirelNahodnaForm.h"
#include "OknoTest.h"

namespace {

bool StejnaDeska(const TZaznamDesky& a, const TZaznamDesky& b)
{
    return std::memcmp(a.Pole, b.Pole, sizeof a.Pole) == 0 && a.TypHry == b.TypHry && DejNazev(a) == DejNazev(b);
}

} // namespace

TEST_F(OknoTest, CisloDeskyDaPresnouDeskuChybneNicNezmeni)
{
    Otevri();
    const struct {
        const char* Text;
        bool Platne;
    } pripady[] = {
        // Which numbers are boards, the model's test.
        {"3-48213", true}, {"5-999999", true}, {"", false}, {"6-1", false}, {"3 -5", false}, {"3-5x", false},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Text);
        ZalozkaUzivatelem(zlNahrat);  // a number starts its board on the play tab
        const TZaznamDesky predtim = HerniDeska().Zaznam;
        Zpravy.clear();
        ZadejCislo(QString::fromLatin1(p.Text));
        if (!p.Platne) {
            ASSERT_EQ(Zpravy.size(), 1u);
            EXPECT_TRUE(Zpravy[0].Text.contains(QStringLiteral("OBTÍŽNOST-SEMÍNKO"))) << Zpravy[0].Text.toStdString();
            EXPECT_TRUE(StejnaDeska(HerniDeska().Zaznam, predtim));
            EXPECT_EQ(Zalozky()->currentIndex(), zlNahrat);
            continue;
        }
        EXPECT_TRUE(Zpravy.empty());
        TCisloDesky cislo;
        std::string chyba;
        ASSERT_TRUE(CtiCisloDesky(p.Text, cislo, chyba));
        EXPECT_TRUE(StejnaDeska(HerniDeska().Zaznam, NahodnaDeska(cislo).Zaznam));
        EXPECT_EQ(Zalozky()->currentIndex(), zlHra);
        EXPECT_EQ(T(L("lblHraNazevDesky")), "Náhodná " + std::string(p.Text));
        EXPECT_EQ(T(L("lblHraTahu")), "0");
    }
}

TEST_F(OknoTest, NahodnaDeskaZvoleneObtiznostiATypu)
{
    Otevri();
    const struct {
        int Obtiznost;
        TTypHry Typ;
        const char* Tlacitko;
    } pripady[] = {{1, thNormalni, "rbNahodnaNormalni"}, {4, thLeibniz, "rbNahodnaLeibniz"},
                   {5, thNormalni, "rbNahodnaNormalni"}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Obtiznost);
        QTimer::singleShot(0, qApp, [&p] {
            auto* okno = qobject_cast<TNahodnaForm*>(QApplication::activeModalWidget());
            ASSERT_NE(okno, nullptr);
            okno->findChild<QSpinBox*>(QStringLiteral("spnObtiznost"))->setValue(p.Obtiznost);
            okno->findChild<QRadioButton*>(QString::fromLatin1(p.Tlacitko))->click();
            okno->accept();
        });
        A("mnNahodnaDeska")->trigger();
        // The board is the one its number, shown in its name, builds.
        const std::string nazev = DejNazev(HerniDeska().Zaznam);
        const std::string predpona = "N\xE1hodn\xE1 ";
        ASSERT_EQ(nazev.compare(0, predpona.size(), predpona), 0) << nazev;
        TCisloDesky cislo;
        std::string chyba;
        ASSERT_TRUE(CtiCisloDesky(nazev.substr(predpona.size()), cislo, chyba)) << chyba;
        EXPECT_EQ(cislo.Obtiznost, p.Obtiznost);
        EXPECT_EQ(HerniDeska().Zaznam.TypHry, p.Typ);
        EXPECT_TRUE(StejnaDeska(HerniDeska().Zaznam, NahodnaDeska(cislo).Zaznam));
    }
    EXPECT_TRUE(Zpravy.empty());
}

// The slide of a jump never holds the game up: the next action of any kind
// finishes it; with the setting off, or after a drag, there is none.
TEST_F(OknoTest, AnimaceSkokuKonciDalsiAkci)
{
    Otevri();
    const struct {
        const char* Nazev;
        std::function<void()> Akce;
    } pripady[] = {
        {"press on the landed stone", [this] { Klik(3, 1); }},
        {"right button", [this] { Klik(3, 1, Qt::RightButton); }},
        {"menu step back", [this] { A("mnKrokZpet")->trigger(); }},
        {"Backspace", [this] { QTest::keyClick(PohledDesky(), Qt::Key_Backspace); }},
        {"new game", [this] { A("mnNovaHra")->trigger(); }},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        A("mnNovaHra")->trigger();
        Skoc(3, 3, 3, 1);
        ASSERT_EQ(T(L("lblHraTahu")), "1");
        EXPECT_TRUE(PohledDesky()->AnimaceBezi());
        p.Akce();
        EXPECT_FALSE(PohledDesky()->AnimaceBezi());
    }

    // A stone dropped by the mouse is where it lands already.
    A("mnNovaHra")->trigger();
    Klik(3, 3);
    QTest::mouseMove(PohledDesky(), StredPole(3, 2));
    QTest::mouseRelease(PohledDesky(), Qt::LeftButton, {}, StredPole(3, 1));
    ASSERT_EQ(T(L("lblHraTahu")), "1");
    EXPECT_FALSE(PohledDesky()->AnimaceBezi());

    A("mnAnimace")->trigger();
    EXPECT_FALSE(A("mnAnimace")->isChecked());
    A("mnNovaHra")->trigger();
    Skoc(3, 3, 3, 1);
    ASSERT_EQ(T(L("lblHraTahu")), "1");
    EXPECT_FALSE(PohledDesky()->AnimaceBezi());
    EXPECT_TRUE(Zpravy.empty());
}
