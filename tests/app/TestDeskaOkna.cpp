// SPDX-License-Identifier: GPL-3.0-or-later
// The board of the window as large as the window lets it be: what it shows
// is what the session says, at the default size and enlarged; stones
// dragged with the mouse; the window's size kept between runs; the focus
// back on the board.
#include <QApplication>
#include <QSettings>

#include "KavirelNastaveni.h"
#include "OknoTest.h"
#include "view/PomocnikyPohledu.h"

namespace {

constexpr int CisloCilova = 10;    // targets, some left empty by two jumps

class DeskaOkna : public OknoTest {
protected:
    // A point of a field given in its own units (0..61), in the board's
    // pixels at the board's present size.
    QPoint Bod(const TPozice& p, double x, double y) const
    {
        const QRectF r = PohledDesky()->PolohaPole(p);
        const double s = PohledDesky()->Meritko();
        return QPointF(r.left() + x * s, r.top() + y * s).toPoint();
    }
    QRgb Barva(TBarva TBarvy::*clen) const { return BarvaNaQColor(BarvyDesky().*clen).rgb(); }
    // Every field as drawn against the session: the stone or its absence
    // in the middle, the target frame, the border (the marking where the
    // stone is selected, its own or its left neighbour's, which lies over
    // it), and a number of the right colour in the number's corner.
    void OverDeskuProtiRelaci()
    {
        const QImage obraz = PohledDesky()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const TRelaceHry& r = Relace();
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y) {
                const TPozice p{x, y};
                SCOPED_TRACE(testing::Message() << "field " << x << "," << y);
                const TVzhledPole v = r.DejPole(p);
                const bool pole = v.Stav == spPrazdne || v.Stav == spPlne;
                const QRgb ctverec = pole ? Barva(&TBarvy::BarvaPole) : Barva(&TBarvy::BarvaDeska);
                const auto bod = [&](double ux, double uy) { return obraz.pixel(Bod(p, ux, uy)); };
                EXPECT_EQ(bod(30.5, 30.5), v.Stav == spPlne ? Barva(&TBarvy::BarvaKamen) : ctverec);
                EXPECT_EQ(bod(10, 30.5), ctverec);
                if (!v.Nabizene) {
                    EXPECT_EQ(bod(3.5, 30.5), Barva(&TBarvy::BarvaDeska));
                    continue;
                }
                EXPECT_EQ(bod(3.5, 30.5), v.Cilove ? Barva(&TBarvy::BarvaCilove) : ctverec);
                const bool oznaceny = v.Vybrane || (x > 0 && r.DejPole({x - 1, y}).Vybrane);
                EXPECT_EQ(bod(1, 30.5), oznaceny ? Barva(&TBarvy::BarvaVyber) : Barva(&TBarvy::BarvaMrizka));
                // Nothing but the number is drawn in the corner below the stone.
                int cislo = 0, prubeh = 0;
                for (double ux = 40; ux < 55; ux += 0.5)
                    for (double uy = 45; uy < 56; uy += 0.5) {
                        cislo += bod(ux, uy) == Barva(&TBarvy::BarvaCislo);
                        prubeh += bod(ux, uy) == Barva(&TBarvy::BarvaCisloPrubeh);
                    }
                EXPECT_EQ(cislo > 0, v.Zobrazeni == zcCislo);
                EXPECT_EQ(prubeh > 0, v.Zobrazeni == zcZvyraznene);
            }
    }

    void Tahni(const TPozice& odkud, const TPozice& kam)
    {
        const QPoint a = Bod(odkud, 30, 30), b = Bod(kam, 30, 30);
        QTest::mousePress(PohledDesky(), Qt::LeftButton, {}, a);
        QTest::mouseMove(PohledDesky(), a + (b - a) / 4);
        QTest::mouseMove(PohledDesky(), a + (b - a) * 3 / 4);
        QTest::mouseMove(PohledDesky(), b);
        QTest::mouseRelease(PohledDesky(), Qt::LeftButton, {}, b);
    }

    // The window's size, the way a window manager gives it.
    void ZmenVelikost(int sirka, int vyska)
    {
        Okno->resize(sirka, vyska);
        QTRY_COMPARE(Okno->size(), QSize(sirka, vyska));
        QCoreApplication::processEvents();
    }
};

} // namespace

// Each field as the session says it looks, at the default size and in a
// window of 1260 x 1000: stones, holes, targets, the selected stone, the
// numbers and the numbers of a hint.
TEST_F(DeskaOkna, KreslenaDeskaJeTaZRelaceVeDvouVelikostech)
{
    OtevriTestovaciKatalog();
    // The numbers' colours must be no blend of a stone or field and the
    // other number's colour, or an antialiased edge would pass for the
    // wrong number.
    TBarvy barvy = RozlisenaSada();
    barvy.BarvaCislo = 0x002010E0;
    barvy.BarvaCisloPrubeh = 0x0020E010;
    Okno->NastavBarvyDesky(barvy);
    ZKatalogu(CisloCilova, "btnNahratHrat");
    Skoc(4, 3, 4, 1);
    Klik(4, 5);  // a stone selected
    A("mnCislaPoli")->trigger();
    for (const QSize velikost : {Okno->size(), QSize(1260, 1000)}) {
        SCOPED_TRACE(velikost.width());
        ZmenVelikost(velikost.width(), velikost.height());
        OverDeskuProtiRelaci();
        // The editor offers every position; the solve tab numbers every
        // field.
        Stiskni(B("btnHraEditovat"));
        OverDeskuProtiRelaci();
        ZalozkaUzivatelem(zlReseni);
        OverDeskuProtiRelaci();
        ZalozkaUzivatelem(zlHra);
    }
    // A hint's two numbers in the replay colour, the rest plain (the
    // English board after one jump: the targets' board has no solution
    // left).
    ZKatalogu(1, "btnNahratHrat");
    Skoc(3, 3, 3, 1);
    ASSERT_TRUE(Porad().startsWith(QStringLiteral("Táhněte")));
    OverDeskuProtiRelaci();
    EXPECT_TRUE(Zpravy.empty());
}

// The default window is the window as it always was; a larger one gives
// the board the room (drawn anew at its size, as the view's own test and
// the drawn board above show); the tabs keep their width.
TEST_F(DeskaOkna, VychoziOknoJakoVzdyVetsiMaVetsiDesku)
{
    Otevri();
    TGraphGameDeska* deska = PohledDesky();
    EXPECT_EQ(O("KlientskaPlocha")->size(), QSize(792, 554));
    EXPECT_EQ(O("ProstorGraphDesky")->geometry(), QRect(1, 0, 546, 553));
    EXPECT_EQ(deska->geometry(), QRect(6, 12, 533, 533));
    EXPECT_EQ(Zalozky()->geometry(), QRect(552, 4, 236, 548));
    // Nine fields, each 59 pixels on from the last: 531 pixels of board,
    // the last field's outer ring two more.
    const auto sirkaDesky = [deska] {
        return deska->PolohaPole({8, 0}).left() + TGraphGameDeska::RozestupPoli * deska->Meritko() -
               deska->PolohaPole({0, 0}).left();
    };
    EXPECT_EQ(sirkaDesky(), 531);
    EXPECT_EQ(deska->PolohaPole({8, 8}).toRect(), QRect(472, 472, 61, 61));

    ZmenVelikost(1260, 1000);
    EXPECT_GE(sirkaDesky(), 1.4 * 531);
    EXPECT_EQ(Zalozky()->width(), 236);
    EXPECT_EQ(Zalozky()->geometry().right(), O("KlientskaPlocha")->width() - 5);
    // Back to the least size, the board as it was.
    ZmenVelikost(792, Okno->minimumHeight());
    EXPECT_EQ(deska->geometry(), QRect(6, 12, 533, 533));
    EXPECT_EQ(deska->Meritko(), 1.0);
}

// A stone dragged onto a field two away makes that jump; onto a field that
// is no jump it goes back and nothing changes. The same at any size; in the
// editor a drag puts the element on every field it passes.
TEST_F(DeskaOkna, TazeniMysi)
{
    Otevri();
    for (const QSize velikost : {Okno->size(), QSize(1260, 1000)}) {
        SCOPED_TRACE(velikost.width());
        ZmenVelikost(velikost.width(), velikost.height());
        Stiskni(B("btnHraZnovuRozestavet"));
        const TZaznamDesky start = HerniDeska().Zaznam;
        Tahni({3, 4}, {3, 6});  // no jump: which drags are, is the session's
        EXPECT_EQ(Bajty(HerniDeska().Zaznam), Bajty(start));
        Tahni({3, 3}, {3, 1});
        EXPECT_EQ(HerniDeska().Zaznam.PoleNa({3, 1}).Stav, spPlne);
        EXPECT_EQ(T(L("lblHraTahu")), "1");
    }

    ZalozkaUzivatelem(zlEdit);
    Vyber()->SetItemIndex(epPlneCilove);
    Tahni({0, 0}, {0, 4});
    for (int y = 0; y < RozmerDesky; ++y) {
        const TPole& p = EditovanaDeska().Zaznam.Pole[0][y];
        EXPECT_EQ(p.Stav, y <= 4 ? spPlne : spNeexistujici) << y;
        EXPECT_EQ(p.Cilove, y <= 4 ? 1 : 0) << y;
    }
    EXPECT_TRUE(Zpravy.empty());
}

// Where the window stood, how large it was and whether maximised comes
// back with the next run.
TEST_F(DeskaOkna, VelikostOknaPristeStejna)
{
    Otevri();
    const QSize vychozi = Okno->size();
    EXPECT_EQ(Okno->minimumSize(), vychozi);
    ZmenVelikost(1000, 800);
    Zavri();
    Otevri();
    EXPECT_EQ(Okno->size(), QSize(1000, 800));
    EXPECT_FALSE(Okno->isMaximized());
    Okno->showMaximized();
    QTRY_VERIFY(Okno->isMaximized());
    Zavri();
    Otevri();
    EXPECT_TRUE(Okno->windowState() & Qt::WindowMaximized);
    Zavri();
    // A window smaller than the default is given the default size.
    QSettings s(TNastaveni::VychoziSoubor(), QSettings::IniFormat);
    s.setValue(QStringLiteral("Okno/Poloha"), QStringLiteral("10 10 300 200"));
    s.setValue(QStringLiteral("Okno/Maximalizovane"), false);
    s.sync();
    Otevri();
    EXPECT_EQ(Okno->size(), vychozi);
}

// After "Hrát", "Hrát odsud" and the end of a search the board has the
// focus: the arrow keys move its cursor at once.
TEST_F(DeskaOkna, FokusZpetNaDesku)
{
    OtevriTestovaciKatalog();
    struct TPripad {
        const char* Nazev;
        std::function<void()> Akce;
    };
    const TPripad pripady[] = {
        {"load, play", [this] { ZKatalogu(2, "btnNahratHrat"); }},
        {"edit, play",
         [this] {
             ZalozkaUzivatelem(zlEdit);
             Stiskni(B("btnEditHrat"));
         }},
        {"end of a search",
         [this] {
             ZKatalogu(CisloCilova, "Button1");
             Stiskni(B("btnReseniNejrychlejsi"));
             QTRY_VERIFY_WITH_TIMEOUT(!ProbihaHledani(), 30000);
         }},
        {"solve, play from here", [this] { Stiskni(B("btnReseniHratOdsud")); }},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        p.Akce();
        EXPECT_EQ(QApplication::focusWidget(), PohledDesky());
    }
    EXPECT_EQ(Zalozky()->currentIndex(), zlHra);
    EXPECT_TRUE(Zpravy.empty());
}
