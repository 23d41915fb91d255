// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse presses on the field controls, routed by Qt through the shown window,
// so that stacking decides which control gets them.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <QWindow>

#include <vector>

#include "PomocnikyPohledu.h"

namespace {

class StiskyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Okno.resize(560, 560);
        Okno.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Okno));
    }

    // Press (and optionally release) at a point of the host, the way the
    // window system delivers it.
    void Stiskni(Qt::MouseButton tlacitko, QPoint bod, bool pustit = false)
    {
        QWindow* w = Okno.windowHandle();
        QTest::mousePress(w, tlacitko, {}, bod);
        if (pustit)
            QTest::mouseRelease(w, tlacitko, {}, bod);
    }

    QWidget Okno;
    Zaznamnik Z;
};

TEST(JeUvnitrPole, HraniceCtverce)
{
    struct {
        int x, y;
        bool uvnitr;
    } const pripady[] = {{2, 2, true},   {59, 59, true},  {2, 59, true},  {30, 30, true}, {1, 30, false},
                         {30, 1, false}, {30, 60, false}, {60, 60, false}, {0, 0, false}, {60, 30, false}};
    for (const auto& p : pripady)
        EXPECT_EQ(JeUvnitrPole(p.x, p.y), p.uvnitr) << p.x << ", " << p.y;
}

TEST_F(StiskyTest, TlacitkaHracihoPole)
{
    TGraphGameDeska v(&Okno, 9, 9, 2, 2, 6, 12);
    v.NastavPrijemce(&Z);
    v.KresliDesku(AnglickyKriz());
    const QRect pole = v.PolohaPrvku(3, 1);

    // The press alone reports, with the position inside the control.
    Stiskni(Qt::LeftButton, pole.topLeft() + QPoint(7, 40));
    ASSERT_EQ(Z.kliky.size(), 1u);
    EXPECT_EQ(Z.kliky[0].pozice, (TPozice{3, 1}));
    EXPECT_EQ(Z.kliky[0].x, 7);
    EXPECT_EQ(Z.kliky[0].y, 40);
    QTest::mouseRelease(Okno.windowHandle(), Qt::LeftButton, {}, pole.topLeft() + QPoint(7, 40));
    EXPECT_EQ(Z.kliky.size(), 1u) << "the release must not report again";

    Stiskni(Qt::RightButton, pole.center(), true);
    EXPECT_EQ(Z.krokuZpet, 1);
    Stiskni(Qt::MiddleButton, pole.center(), true);
    EXPECT_EQ(Z.kliky.size(), 1u);
    EXPECT_EQ(Z.krokuZpet, 1);
}

TEST_F(StiskyTest, NeexistujiciPoleJeNedosazitelneDoOrameovani)
{
    TGraphGameDeska v(&Okno, 9, 9, 2, 2, 6, 12);
    v.NastavPrijemce(&Z);
    const TZaznamDesky z = AnglickyKriz();
    const QPoint roh = v.PolohaPrvku(0, 0).topLeft() + QPoint(20, 20);

    v.KresliDesku(z);
    Stiskni(Qt::LeftButton, roh, true);
    Stiskni(Qt::RightButton, roh, true);
    EXPECT_TRUE(Z.kliky.empty());
    EXPECT_EQ(Z.krokuZpet, 0);

    // The editor frames every position: now the same press reaches the field.
    v.KresliVsechnaOhraniceni(v.Barvy.BarvaMrizka);
    Stiskni(Qt::LeftButton, roh, true);
    ASSERT_EQ(Z.kliky.size(), 1u);
    EXPECT_EQ(Z.kliky[0].pozice, (TPozice{0, 0}));
    EXPECT_EQ(Z.kliky[0].x, 20);
    EXPECT_EQ(Z.kliky[0].y, 20);

    // A later whole-board drawing sends it back again.
    v.KresliDesku(z);
    Stiskni(Qt::LeftButton, roh, true);
    EXPECT_EQ(Z.kliky.size(), 1u);
}

TEST_F(StiskyTest, KlikNaPrvekPalety)
{
    TGraphEditDeska paleta(&Okno, 2, 8, 6, 6);
    paleta.NastavPrijemce(&Z);
    paleta.KresliPaletu();
    for (int r : {3, 0, 4}) {
        const size_t pred = Z.vybery.size();
        Stiskni(Qt::LeftButton, paleta.PolohaPrvku(0, r).center());
        EXPECT_EQ(Z.vybery.size(), pred) << "a click needs the release";
        QTest::mouseRelease(Okno.windowHandle(), Qt::LeftButton, {}, paleta.PolohaPrvku(0, r).center());
    }
    EXPECT_EQ(Z.vybery, (std::vector<int>{3, 0, 4}));
    Stiskni(Qt::RightButton, paleta.PolohaPrvku(0, 1).center(), true);
    EXPECT_EQ(Z.vybery.size(), 3u);
    // Pressed on an element, released beside it: no click.
    Stiskni(Qt::LeftButton, paleta.PolohaPrvku(0, 1).center());
    QTest::mouseRelease(Okno.windowHandle(), Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_EQ(Z.vybery.size(), 3u);
}

}  // namespace
