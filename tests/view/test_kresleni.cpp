// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the board views, checked on the pixels the controls show.
#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include <memory>
#include <set>
#include <vector>

#include "PomocnikyPohledu.h"

namespace {

class KresleniTest : public ::testing::Test {
protected:
    QWidget Hostitel;
    TBarvy B = RozlisenaSada();
};

// The ink of a number: the smallest rectangle around the pixels in its colour.
QRect Inkoust(const QImage& img, TBarva barva)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Bod(img, x, y) == barva)
                r |= QRect(x, y, 1, 1);
    return r;
}

// The main board in a host where the field controls always stood: field
// (8, 8) from (478, 484) to (539, 545), the background 533 x 533 at (6, 12).
class DeskaTest : public KresleniTest {
protected:
    void SetUp() override
    {
        Hostitel.resize(560, 560);
        Deska = new TGraphGameDeska(&Hostitel);
        Deska->setGeometry(6, 12, TGraphGameDeska::StranaDesky, TGraphGameDeska::StranaDesky);
        Deska->NastavBarvy(B);
    }
    QRect Poloha(const TPozice& p) const
    {
        return Deska->PolohaPole(p).toAlignedRect().translated(Deska->pos());
    }

    TGraphGameDeska* Deska = nullptr;
};

TEST_F(DeskaTest, GeometriePoliJakoVzdy)
{
    EXPECT_EQ(Deska->Meritko(), 1.0);
    EXPECT_EQ(Poloha({0, 0}), QRect(6, 12, 61, 61));
    EXPECT_EQ(Poloha({8, 8}), QRect(478, 484, 61, 61));
    EXPECT_EQ(Deska->sizeHint(), QSize(533, 533));
}

TEST_F(DeskaTest, PoleDeskyPodleStavu)
{
    TZaznamDesky z = PrazdnyZaznam();
    z.Pole[1][0] = {spPlne, 1, 0};
    z.Pole[2][0] = {spPrazdne, 2, 1};
    z.Pole[3][0] = {spPlne, 3, 1};
    z.Pole[4][0] = {spPrazdne, 4, 0};
    z.Pole[6][0] = {spPrazdne, 5, 0};
    Deska->ZmenPole(ObrazZaznamu(z).Pole());

    struct Radek {
        int x;
        TBarva stred, ctverec, ram, okraj;  // (30, 30), (5, 5), (3, 3), (0, 0)
    };
    const Radek radky[] = {
        {1, B.BarvaKamen, B.BarvaPole, B.BarvaPole, B.BarvaMrizka},
        {2, B.BarvaPole, B.BarvaPole, B.BarvaCilove, B.BarvaMrizka},
        {3, B.BarvaKamen, B.BarvaPole, B.BarvaCilove, B.BarvaMrizka},
        {4, B.BarvaPole, B.BarvaPole, B.BarvaPole, B.BarvaMrizka},
    };
    for (const Radek& r : radky) {
        SCOPED_TRACE(r.x);
        const QImage img = SnimekPole(*Deska, {r.x, 0});
        EXPECT_EQ(Bod(img, 30, 30), r.stred);
        EXPECT_EQ(Bod(img, 5, 5), r.ctverec);
        EXPECT_EQ(Bod(img, 3, 3), r.ram);
        EXPECT_EQ(Bod(img, 0, 0), r.okraj);
        EXPECT_EQ(Bod(img, 60, 60), r.okraj);
    }

    // An absent field is behind the background: the board colour there,
    // also between two fields, and nothing to press.
    for (const TPozice p : {TPozice{0, 0}, TPozice{5, 0}}) {
        const QImage nic = SnimekPole(*Deska, p);
        EXPECT_EQ(Bod(nic, 30, 30), B.BarvaDeska);
        EXPECT_EQ(Bod(nic, 5, 5), B.BarvaDeska);
        EXPECT_FALSE(Deska->PoleNaBode(Deska->PolohaPole(p).center()));
    }
    EXPECT_EQ(Deska->PoleNaBode(Deska->PolohaPole({1, 0}).center()), (TPozice{1, 0}));
    // The neighbours' rings reach into the absent field's place.
    EXPECT_EQ(Bod(SnimekPole(*Deska, {5, 0}), 0, 30), B.BarvaMrizka);
    EXPECT_EQ(Bod(SnimekPole(*Deska, {5, 0}), 60, 30), B.BarvaMrizka);
}

// The marked stone's ring lies over its neighbours'; the numbers of the
// jump being replayed stand out from the others; the editor frames every
// position.
TEST_F(DeskaTest, OznaceniZvyrazneniAEditor)
{
    TUkazka o = ObrazZaznamu(AnglickyKriz());
    o.Vyber = TPozice{4, 2};
    o.Cisla = true;
    o.Zvyraznena = {TPozice{4, 2}, TPozice{4, 4}};
    Deska->ZmenPole(o.Pole());
    const QImage vybrany = SnimekPole(*Deska, {4, 2});
    for (const QPoint bod : {QPoint(0, 0), QPoint(60, 60), QPoint(0, 30), QPoint(60, 30), QPoint(1, 1)})
        EXPECT_EQ(Bod(vybrany, bod.x(), bod.y()), B.BarvaVyber) << bod.x() << "," << bod.y();
    EXPECT_EQ(Bod(SnimekPole(*Deska, {3, 2}), 60, 30), B.BarvaVyber) << "over the neighbour's ring";
    EXPECT_EQ(Bod(SnimekPole(*Deska, {4, 3}), 0, 0), B.BarvaVyber) << "the marked ring, the row above";
    EXPECT_EQ(Bod(SnimekPole(*Deska, {4, 4}), 0, 0), B.BarvaMrizka);
    for (const TPozice p : o.Zvyraznena) {
        EXPECT_FALSE(Inkoust(SnimekPole(*Deska, p), B.BarvaCisloPrubeh).isNull());
        EXPECT_TRUE(Inkoust(SnimekPole(*Deska, p), B.BarvaCislo).isNull());
    }
    EXPECT_FALSE(Inkoust(SnimekPole(*Deska, {4, 3}), B.BarvaCislo).isNull());
    EXPECT_TRUE(Inkoust(SnimekPole(*Deska, {4, 3}), B.BarvaCisloPrubeh).isNull());

    TUkazka editor = ObrazZaznamu(AnglickyKriz());
    editor.VsechnaPole = true;
    Deska->ZmenPole(editor.Pole());
    const QImage nic = SnimekPole(*Deska, {0, 0});
    EXPECT_EQ(Bod(nic, 0, 0), B.BarvaMrizka);
    EXPECT_EQ(Bod(nic, 30, 30), B.BarvaDeska);
    EXPECT_EQ(Deska->PoleNaBode(Deska->PolohaPole({0, 0}).center()), (TPozice{0, 0}));
}

TEST_F(DeskaTest, CislaSeVypisiVpravoDoleASmazouBezeStopy)
{
    TUkazka o = ObrazZaznamu(AnglickyKriz());
    Deska->ZmenPole(o.Pole());
    std::vector<QImage> pred;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y)
            pred.push_back(SnimekPole(*Deska, {x, y}));

    o.Cisla = true;
    Deska->ZmenPole(o.Pole());
    const QFontMetrics m(TGraphDeska::PismoCisla(), Deska);
    // Field 7 at (1, 3) holds one digit, field 17 at (4, 4) two; both end at the same column.
    const QRect sedm = Inkoust(SnimekPole(*Deska, {1, 3}), B.BarvaCislo);
    const QRect sedmnact = Inkoust(SnimekPole(*Deska, {4, 4}), B.BarvaCislo);
    ASSERT_FALSE(sedm.isNull());
    ASSERT_FALSE(sedmnact.isNull());
    // The text box ends at x = 54 and y = 56: the glyph's ink sits where the
    // font puts it inside that box.
    for (auto [text, inkoust] : {std::pair{"7", sedm}, std::pair{"17", sedmnact}}) {
        QImage vzor(100, 100, QImage::Format_RGB32);
        vzor.fill(Qt::white);
        {
            QPainter p(&vzor);
            p.setFont(TGraphDeska::PismoCisla());
            p.drawText(20, 20 + p.fontMetrics().ascent(), text);  // text box from (20, 20)
        }
        const QRect cekany =
            Inkoust(vzor, 0).translated(54 - m.horizontalAdvance(text) - 20, 56 - m.height() - 20);
        EXPECT_EQ(inkoust, cekany) << text;
    }
    EXPECT_EQ(sedm.right(), sedmnact.right());
    EXPECT_GT(sedmnact.width(), sedm.width());
    // An absent field gets no number.
    EXPECT_TRUE(Inkoust(SnimekPole(*Deska, {0, 0}), B.BarvaCislo).isNull());

    o.Cisla = false;
    Deska->ZmenPole(o.Pole());
    int i = 0;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y, ++i)
            EXPECT_EQ(SnimekPole(*Deska, {x, y}), pred[i]) << x << ", " << y;
}

// Larger, the board is drawn anew at its size, not stretched: the figures
// keep their places in the board's units, the stone's edge is smooth and a
// ring two units wide is twice as many pixels.
TEST_F(DeskaTest, VetsiDeskaKreslenaZnovuAOstre)
{
    Deska->resize(2 * TGraphGameDeska::StranaDesky + 10, 2 * TGraphGameDeska::StranaDesky);
    TUkazka o = ObrazZaznamu(AnglickyKriz());
    o.Cisla = true;
    Deska->ZmenPole(o.Pole());
    ASSERT_EQ(Deska->Meritko(), 2.0);
    EXPECT_EQ(Deska->PolohaPole({0, 0}), QRectF(5, 0, 122, 122)) << "centred across";
    const QImage img = SnimekPole(*Deska, {3, 3});
    ASSERT_EQ(img.size(), QSize(122, 122));
    EXPECT_EQ(Bod(img, 61, 61), B.BarvaKamen);
    for (int x : {0, 3})
        EXPECT_EQ(Bod(img, x, 61), B.BarvaMrizka) << x;
    EXPECT_EQ(Bod(img, 4, 61), B.BarvaPole);
    // Along a row through the stone's middle: the disc 27 units wide is 54
    // pixels of stone, and its edges pass through mixed colours.
    int kamen = 0;
    std::set<TBarva> barvy;
    for (int x = 0; x < img.width(); ++x) {
        barvy.insert(Bod(img, x, 55));
        kamen += Bod(img, x, 61) == B.BarvaKamen;
    }
    EXPECT_NEAR(kamen, 54, 2);
    EXPECT_GT(barvy.size(), 3u) << "soft edges";
    EXPECT_FALSE(Inkoust(img, B.BarvaCislo).isNull());
}

// One row of a column view: pixels at the centre, (5, 5), (3, 3), (0, 0), and
// whether a number in the given colour shows.
struct Vzor {
    TBarva stred, ctverec, ram, okraj;
    bool cislo;
    TBarva barvaCisla;
};

template <typename Pohled>
void OverSloupec(const Pohled& v, const std::vector<Vzor>& vzory)
{
    ASSERT_EQ(vzory.size(), size_t(PocetPrvkuPalety));
    for (int r = 0; r < PocetPrvkuPalety; ++r) {
        SCOPED_TRACE(r);
        const QImage img = Snimek(v.DejPrvek(r));
        EXPECT_EQ(Bod(img, 30, 30), vzory[r].stred);
        EXPECT_EQ(Bod(img, 5, 5), vzory[r].ctverec);
        EXPECT_EQ(Bod(img, 3, 3), vzory[r].ram);
        EXPECT_EQ(Bod(img, 0, 0), vzory[r].okraj);
        if (vzory[r].cislo) {
            EXPECT_FALSE(Inkoust(img, vzory[r].barvaCisla).isNull());
        }
    }
}

TEST_F(KresleniTest, PaletaLegendaAVzorekBarevPoRadcich)
{
    TGraphEditDeska paleta(&Hostitel, 2, 8, 6, 6);
    paleta.NastavBarvy(B);
    paleta.KresliPaletu();
    OverSloupec(paleta, {{B.BarvaDeska, B.BarvaDeska, B.BarvaDeska, B.BarvaMrizka, false, 0},
                    {B.BarvaPole, B.BarvaPole, B.BarvaPole, B.BarvaMrizka, false, 0},
                    {B.BarvaKamen, B.BarvaPole, B.BarvaPole, B.BarvaMrizka, false, 0},
                    {B.BarvaPole, B.BarvaPole, B.BarvaCilove, B.BarvaMrizka, false, 0},
                    {B.BarvaKamen, B.BarvaPole, B.BarvaCilove, B.BarvaMrizka, false, 0}});
    // The gap between rows 0 and 1 shows the background in the button face.
    EXPECT_EQ(Bod(paleta.DejPozadi(), 30, 63), BarvaTlacitka());

    TGraphLegendaDeska legenda(&Hostitel, 2, 16, 6, 6);
    legenda.NastavBarvy(B);  // the legend window never does this; here it tells the members apart
    legenda.Kresli();
    OverSloupec(legenda, {{B.BarvaPole, B.BarvaPole, B.BarvaPole, B.BarvaMrizka, false, 0},
                    {B.BarvaKamen, B.BarvaPole, B.BarvaPole, B.BarvaMrizka, false, 0},
                    {B.BarvaPole, B.BarvaPole, B.BarvaCilove, B.BarvaMrizka, false, 0},
                    {B.BarvaKamen, B.BarvaPole, B.BarvaCilove, B.BarvaMrizka, false, 0},
                    {B.BarvaKamen, B.BarvaPole, B.BarvaPole, B.BarvaVyber, false, 0}});
    EXPECT_EQ(Bod(legenda.DejPozadi(), 30, 65), BarvaTlacitka());

    TGraphBarvyDeska vzorek(&Hostitel, 2, 16, 6, 6);
    vzorek.NastavBarvy(B);
    vzorek.Kresli();
    OverSloupec(vzorek, {{B.BarvaDeska, B.BarvaDeska, B.BarvaDeska, B.BarvaMrizka, false, 0},
                    {B.BarvaPole, B.BarvaPole, B.BarvaPole, B.BarvaMrizka, true, B.BarvaCislo},
                    {B.BarvaKamen, B.BarvaPole, B.BarvaPole, B.BarvaMrizka, true, B.BarvaCislo},
                    {B.BarvaKamen, B.BarvaPole, B.BarvaCilove, B.BarvaMrizka, true, B.BarvaCisloPrubeh},
                    {B.BarvaKamen, B.BarvaPole, B.BarvaPole, B.BarvaVyber, true, B.BarvaCisloPrubeh}});
    TBarvy ven;
    vzorek.DejBarvy(ven);
    EXPECT_EQ(ven, B);
}

TEST(Zivotnost, HostitelDrivNezPohled)
{
    auto host = std::make_unique<QWidget>();
    TGraphLegendaDeska legenda(host.get(), 2, 16, 6, 6);
    host.reset();  // the controls die with their host; the view must not release them twice
    EXPECT_EQ(legenda.DejPozadi(), nullptr);
    EXPECT_THROW(legenda.DejPrvek(0), ERangeError);
}

}  // namespace
