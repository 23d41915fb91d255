// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the board views, checked on the pixels the controls show.
#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include <memory>
#include <vector>

#include "PomocnikyPohledu.h"

namespace {

class KresleniTest : public ::testing::Test {
protected:
    QWidget Hostitel;
    TBarvy B = RozlisenaSada();
};

TEST(Geometrie, PrilisVelkaDeskaSelzeAPrvkyNevytvori)
{
    for (auto [sloupcu, radku] : {std::pair{10, 9}, std::pair{9, 10}}) {
        QWidget host;
        try {
            TGraphGameDeska v(&host, sloupcu, radku, 2, 2, 6, 12);
            ADD_FAILURE() << "no assertion for " << sloupcu << " x " << radku;
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Zdavam vetsi rozmer desky, nez je dovoleno (KavirelGraph, line ", 0),
                      0u)
                << e.what();
        }
        EXPECT_TRUE(host.findChildren<QWidget*>().isEmpty());
    }
}

TEST_F(KresleniTest, PoleDeskyPodleStavu)
{
    TGraphGameDeska v(&Hostitel, 9, 9, 2, 2, 6, 12);
    v.NastavBarvy(B);
    TZaznamDesky z = PrazdnyZaznam();
    z.Pole[1][0] = {spPlne, 1, 0};
    z.Pole[2][0] = {spPrazdne, 2, 1};
    z.Pole[3][0] = {spPlne, 3, 1};
    z.Pole[4][0] = {spPrazdne, 4, 0};
    v.KresliDesku(z);

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
        const QImage img = Snimek(v.DejPrvek({r.x, 0}));
        EXPECT_EQ(Bod(img, 30, 30), r.stred);
        EXPECT_EQ(Bod(img, 5, 5), r.ctverec);
        EXPECT_EQ(Bod(img, 3, 3), r.ram);
        EXPECT_EQ(Bod(img, 0, 0), r.okraj);
        EXPECT_EQ(Bod(img, 60, 60), r.okraj);
    }

    // An absent field is behind the background: the host shows the board colour there.
    const QRect nic = v.PolohaPrvku(0, 0);
    EXPECT_EQ(Hostitel.childAt(nic.center()), v.DejPozadi());
    EXPECT_EQ(Bod(&Hostitel, nic.left() + 30, nic.top() + 30), B.BarvaDeska);
    EXPECT_EQ(Bod(&Hostitel, nic.left() + 5, nic.top() + 5), B.BarvaDeska);
    // and a present one in front of it.
    EXPECT_EQ(Hostitel.childAt(v.PolohaPrvku(1, 0).center()), v.DejPrvek({1, 0}));
    EXPECT_EQ(Bod(&Hostitel, v.PolohaPrvku(1, 0).left() + 30, v.PolohaPrvku(1, 0).top() + 30), B.BarvaKamen);
}

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

TEST_F(KresleniTest, CislaSeVypisiVpravoDoleASmazouBezeStopy)
{
    TGraphGameDeska v(&Hostitel, 9, 9, 2, 2, 6, 12);
    v.NastavBarvy(B);
    const TZaznamDesky z = AnglickyKriz();
    v.KresliDesku(z);
    std::vector<QImage> pred;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y)
            pred.push_back(Snimek(v.DejPrvek({x, y})));

    v.KresliCisla(z, true);
    const QFontMetrics m(TGraphDeska::PismoCisla(), v.DejPrvek({0, 0}));
    // Field 7 at (1, 3) holds one digit, field 17 at (4, 4) two; both end at the same column.
    const QRect sedm = Inkoust(Snimek(v.DejPrvek({1, 3})), B.BarvaCislo);
    const QRect sedmnact = Inkoust(Snimek(v.DejPrvek({4, 4})), B.BarvaCislo);
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
    EXPECT_LE(sedmnact.bottom(), 55);
    EXPECT_GE(sedm.right(), 54 - 4) << "number not pushed to the right edge";
    // An absent field gets no number.
    EXPECT_TRUE(Inkoust(Snimek(v.DejPrvek({0, 0})), B.BarvaCislo).isNull());

    v.KresliCisla(z, false);
    int i = 0;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y, ++i)
            EXPECT_EQ(Snimek(v.DejPrvek({x, y})), pred[i]) << x << ", " << y;
}

TEST_F(KresleniTest, SkokANavratPodleTypuHry)
{
    TGraphGameDeska v(&Hostitel, 9, 9, 2, 2, 6, 12);
    v.NastavBarvy(B);
    const TPozice A{1, 3}, Bp{3, 3}, C{2, 3};
    struct Radek {
        std::uint8_t typ;
        TBarva cPoSkoku, cPoNavratu;
    };
    const Radek radky[] = {
        {thNormalni, B.BarvaPole, B.BarvaKamen},
        {thLeibniz, B.BarvaKamen, B.BarvaPole},
        {7, 0x00FFFFFF, 0x00FFFFFF},  // unknown type: C untouched (a new control is white)
    };
    for (const Radek& r : radky) {
        SCOPED_TRACE(int(r.typ));
        QWidget host;
        TGraphGameDeska w(&host, 9, 9, 2, 2, 6, 12);
        w.NastavBarvy(B);
        TZaznamDesky z = PrazdnyZaznam();
        z.TypHry = static_cast<TTypHry>(r.typ);
        auto stred = [&](const TPozice& p) { return Bod(w.DejPrvek(p), 30, 30); };
        auto okraj = [&](const TPozice& p) { return Bod(w.DejPrvek(p), 5, 5); };

        w.KresliSkok(z, A, Bp, C);
        EXPECT_EQ(stred(A), B.BarvaPole);
        EXPECT_EQ(stred(Bp), B.BarvaKamen);
        EXPECT_EQ(stred(C), r.cPoSkoku);
        EXPECT_EQ(okraj(A), 0x00FFFFFFu) << "only the disc is painted";

        // Taking it back: the stone goes from B back to A.
        w.KresliNavratSkoku(z, Bp, A, C);
        EXPECT_EQ(stred(Bp), B.BarvaPole);
        EXPECT_EQ(stred(A), B.BarvaKamen);
        EXPECT_EQ(stred(C), r.cPoNavratu);
    }
    TZaznamDesky z = PrazdnyZaznam();
    EXPECT_THROW(v.KresliSkok(z, A, Bp, {9, 0}), ERangeError);
    EXPECT_THROW(v.KresliNavratSkoku(z, A, Bp, {0, -1}), ERangeError);
    EXPECT_EQ(Bod(v.DejPrvek(A), 30, 30), 0x00FFFFFFu) << "a bad position changes nothing";
    EXPECT_EQ(Bod(v.DejPrvek(Bp), 30, 30), 0x00FFFFFFu) << "a bad position changes nothing";
    EXPECT_THROW(v.KresliCisloNa({0, 9}, B.BarvaCislo, 1), ERangeError);
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

TEST(Zivotnost, HostitelDrivNezPohledAMensiPohled)
{
    auto host = std::make_unique<QWidget>();
    TGraphGameDeska hra(host.get(), 9, 9, 2, 2, 6, 12);
    host.reset();  // the controls die with their host; the view must not release them twice
    EXPECT_EQ(hra.DejPozadi(), nullptr);
    EXPECT_THROW(hra.DejPrvek({0, 0}), ERangeError);

    // A view smaller than 9 x 9 draws whole boards only where it has controls.
    QWidget h;
    TGraphGameDeska v(&h, 3, 2, 2, 2, 0, 0);
    TZaznamDesky z = AnglickyKriz();
    z.Pole[2][1] = {spPlne, 1, 0};
    v.KresliDesku(z);
    v.KresliCisla(z, true);
    EXPECT_EQ(v.DejPozadi()->geometry(), QRect(0, 0, 179, 120));
    EXPECT_EQ(Bod(v.DejPrvek({2, 1}), 30, 30), v.Barvy.BarvaKamen);
    EXPECT_THROW(v.KresliOhraniceniNa({3, 0}, 0, true), ERangeError);
}

}  // namespace
