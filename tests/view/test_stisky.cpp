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

// The main board where the window puts it, owned as a game owns it: a
// pressed stone becomes the selected one.
class DeskaHryTest : public StiskyTest {
protected:
    void SetUp() override
    {
        StiskyTest::SetUp();
        Deska = new TGraphGameDeska(&Okno);
        Deska->setGeometry(6, 12, TGraphGameDeska::StranaDesky, TGraphGameDeska::StranaDesky);
        Deska->NastavBarvy(RozlisenaSada());
        Deska->show();
        Z.Pripoj(*Deska);
        Obraz = ObrazZaznamu(AnglickyKriz());
        Deska->NastavTazeni(TTazeni::Kamen);
        QObject::connect(Deska, &TGraphGameDeska::Stisknuto, [this](TPozice p) {
            if (Obraz.Zaznam.PoleNa(p).Stav == spPlne)
                Obraz.Vyber = p;
            Deska->ZmenPole(Obraz.Pole());
        });
        Deska->ZmenPole(Obraz.Pole());
    }
    QPoint Stred(const TPozice& p) const { return Deska->PolohaPole(p).center().toPoint() + Deska->pos(); }
    void Pohni(QPoint bod) { QTest::mouseMove(Okno.windowHandle(), bod); }

    TGraphGameDeska* Deska = nullptr;
    TUkazka Obraz;
};

TEST_F(DeskaHryTest, TlacitkaHracihoPole)
{
    const QPoint pole = Deska->PolohaPole({3, 1}).toAlignedRect().translated(Deska->pos()).topLeft();

    // The press alone reports, inside the field's square.
    Stiskni(Qt::LeftButton, pole + QPoint(7, 40));
    ASSERT_EQ(Z.kliky.size(), 1u);
    EXPECT_EQ(Z.kliky[0], (TPozice{3, 1}));
    QTest::mouseRelease(Okno.windowHandle(), Qt::LeftButton, {}, pole + QPoint(7, 40));
    EXPECT_EQ(Z.kliky.size(), 1u) << "the release must not report again";
    // On the border ring a press does not count.
    Stiskni(Qt::LeftButton, pole + QPoint(1, 30), true);
    EXPECT_EQ(Z.kliky.size(), 1u);

    Stiskni(Qt::RightButton, pole + QPoint(30, 30), true);
    EXPECT_EQ(Z.krokuZpet, 1);
    Stiskni(Qt::MiddleButton, pole + QPoint(30, 30), true);
    EXPECT_EQ(Z.kliky.size(), 1u);
    EXPECT_EQ(Z.krokuZpet, 1);
}

TEST_F(DeskaHryTest, NeexistujiciPoleJeNedosazitelneDoOrameovani)
{
    const QPoint roh = Deska->pos() + QPoint(20, 20);
    Stiskni(Qt::LeftButton, roh, true);
    Stiskni(Qt::RightButton, roh, true);
    EXPECT_TRUE(Z.kliky.empty());
    EXPECT_EQ(Z.krokuZpet, 0);

    // The editor frames every position: now the same press reaches the field.
    Obraz.VsechnaPole = true;
    Deska->ZmenPole(Obraz.Pole());
    Stiskni(Qt::LeftButton, roh, true);
    ASSERT_EQ(Z.kliky.size(), 1u);
    EXPECT_EQ(Z.kliky[0], (TPozice{0, 0}));

    // A later plain board sends it back again.
    Obraz.VsechnaPole = false;
    Deska->ZmenPole(Obraz.Pole());
    Stiskni(Qt::LeftButton, roh, true);
    EXPECT_EQ(Z.kliky.size(), 1u);
}

TEST_F(DeskaHryTest, KamenPretazenyNaJinePole)
{
    const TBarvy b = RozlisenaSada();
    Stiskni(Qt::LeftButton, Stred({4, 2}));
    ASSERT_EQ(Z.kliky, (std::vector<TPozice>{{4, 2}}));
    // Carried halfway: the field is left without its stone, which follows
    // the mouse.
    const QPoint pulka = (Stred({4, 2}) + Stred({4, 4})) / 2;
    Pohni(Stred({4, 2}) + QPoint(0, 10));
    Pohni(pulka);
    const QImage obraz = Snimek(Deska);
    EXPECT_EQ(Bod(obraz, Stred({4, 2}).x() - 6, Stred({4, 2}).y() - 12), b.BarvaPole);
    EXPECT_EQ(Bod(obraz, pulka.x() - 6, pulka.y() - 12), b.BarvaKamen);
    QTest::mouseRelease(Okno.windowHandle(), Qt::LeftButton, {}, Stred({4, 4}));
    ASSERT_EQ(Z.tahy.size(), 1u);
    EXPECT_EQ(Z.tahy[0].first, (TPozice{4, 2}));
    EXPECT_EQ(Z.tahy[0].second, (TPozice{4, 4}));
    EXPECT_EQ(Z.kliky.size(), 1u) << "the drop is no press";
    // Nobody answered the drop: the stone is back on its field.
    EXPECT_EQ(Bod(Deska, Stred({4, 2}).x() - 6, Stred({4, 2}).y() - 12), b.BarvaKamen);
}

TEST_F(DeskaHryTest, BezPretazeniNicNehlasi)
{
    struct {
        const char* Nazev;
        TPozice Odkud;
        QPoint Posun;   // from the middle of the field pressed
        QPoint Pusteni; // likewise
    } const pripady[] = {
        {"a shaky click", {4, 2}, {1, 1}, {1, 1}},
        {"back on its own field", {4, 2}, {0, 40}, {3, 3}},
        {"off the board", {4, 2}, {0, 40}, {-300, -300}},
        {"onto a ring", {4, 2}, {0, 40}, {0, 88}},
        {"an empty field pressed", {4, 4}, {0, -40}, {0, -118}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        Obraz.Vyber.reset();
        Deska->ZmenPole(Obraz.Pole());
        const QPoint start = Stred(p.Odkud);
        Stiskni(Qt::LeftButton, start);
        Pohni(start + p.Posun);
        QTest::mouseRelease(Okno.windowHandle(), Qt::LeftButton, {}, start + p.Pusteni);
        EXPECT_TRUE(Z.tahy.empty());
    }
}

TEST_F(DeskaHryTest, EditorMalujeKazdePoleNaCeste)
{
    Obraz.VsechnaPole = true;
    Deska->NastavTazeni(TTazeni::Malovani);
    Deska->ZmenPole(Obraz.Pole());
    // Pressed on one field and moved across four more in one report, then
    // down a row and released: each field entered once in its turn.
    Stiskni(Qt::LeftButton, Stred({0, 0}));
    Pohni(Stred({4, 0}));
    Pohni(Stred({4, 1}));
    QTest::mouseRelease(Okno.windowHandle(), Qt::LeftButton, {}, Stred({4, 1}));
    EXPECT_EQ(Z.kliky, (std::vector<TPozice>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}}))
        << Z.kliky.size();
    EXPECT_TRUE(Z.tahy.empty());
    // Without the button the mouse paints nothing.
    Pohni(Stred({6, 6}));
    EXPECT_EQ(Z.kliky.size(), 6u);
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
