// SPDX-License-Identifier: GPL-3.0-or-later
// The board of the window as large as the window lets it be: what it shows
// is what the session says, at the default size and enlarged; stones
// dragged with the mouse; the window's size kept between runs; the focus
// back on the board; the hint's verdict gone with the position.
#include <QApplication>
#include <QSettings>

#include <cmath>

#include "KavirelNastaveni.h"
#include "OknoTest.h"
#include "view/PomocnikyPohledu.h"

namespace {

constexpr int CisloCilova = 10;    // targets, some left empty by two jumps
constexpr int CisloViceskok = 18;  // two rows that never meet: no solution

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
    // Which of the colours a pixel is closest to: an antialiased edge
    // counts for the colour that covers most of its pixel.
    TBarva TBarvy::*NejblizsiBarva(QRgb pixel, std::initializer_list<TBarva TBarvy::*> clenove) const
    {
        TBarva TBarvy::*nejblizsi = nullptr;
        int nejmensi = 0;
        for (TBarva TBarvy::*clen : clenove) {
            const QRgb c = Barva(clen);
            const int d = std::abs(qRed(c) - qRed(pixel)) + std::abs(qGreen(c) - qGreen(pixel)) +
                          std::abs(qBlue(c) - qBlue(pixel));
            if (nejblizsi == nullptr || d < nejmensi) {
                nejblizsi = clen;
                nejmensi = d;
            }
        }
        return nejblizsi;
    }

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
    Stiskni(B("btnHraPoradit"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !HledaRadu(); }, 30000));
    ASSERT_TRUE(L("lblHraRada")->text().startsWith(QStringLiteral("Táhněte"))) << L("lblHraRada")->text().toStdString();
    OverDeskuProtiRelaci();
    EXPECT_TRUE(Zpravy.empty());
}

// The default window is the window as it always was; a larger one gives
// the board the room, drawn anew at its size; the tabs keep their width.
TEST_F(DeskaOkna, VetsiOknoVetsiDeskaOstra)
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
    // Not a stretched picture: across the middle of a stone its edge
    // passes through mixed colours, the border ring is as many pixels wide
    // as two units are, in the border colour.
    const QImage obraz = deska->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint stred = Bod({4, 1}, 30.5, 30.5);
    int smisenych = 0;
    for (int x = stred.x() - 20 * 2; x < stred.x(); ++x) {
        const QRgb c = obraz.pixel(x, stred.y());
        smisenych += c != Barva(&TBarvy::BarvaKamen) && c != Barva(&TBarvy::BarvaPole);
    }
    EXPECT_GE(smisenych, 1);
    EXPECT_LE(smisenych, 2);
    // The left edge of the top row's first field: no field left of it.
    int okraje = 0;
    for (int x = Bod({3, 1}, -3, 0).x(); x < Bod({3, 1}, 6, 0).x(); ++x)
        okraje += NejblizsiBarva(obraz.pixel(x, stred.y()), {&TBarvy::BarvaMrizka, &TBarvy::BarvaDeska,
                                                              &TBarvy::BarvaPole}) == &TBarvy::BarvaMrizka;
    EXPECT_NEAR(okraje, 2 * deska->Meritko(), 1.0);

    // Back to the least size, the board as it was.
    ZmenVelikost(792, Okno->minimumHeight());
    EXPECT_EQ(deska->geometry(), QRect(6, 12, 533, 533));
    EXPECT_EQ(deska->Meritko(), 1.0);
}

// A stone dragged onto a field two away makes that jump; anywhere else it
// goes back and nothing changes. The same at any size; in the editor a
// drag puts the element on every field it passes.
TEST_F(DeskaOkna, TazeniMysi)
{
    Otevri();
    for (const QSize velikost : {Okno->size(), QSize(1260, 1000)}) {
        SCOPED_TRACE(velikost.width());
        ZmenVelikost(velikost.width(), velikost.height());
        Stiskni(B("btnHraZnovuRozestavet"));
        const TZaznamDesky start = HerniDeska().Zaznam;
        for (const auto& [odkud, kam] : {std::pair{TPozice{3, 4}, TPozice{3, 6}}, std::pair{TPozice{3, 3}, TPozice{5, 3}},
                                         std::pair{TPozice{3, 3}, TPozice{3, 3}}, std::pair{TPozice{3, 3}, TPozice{2, 1}}}) {
            Tahni(odkud, kam);
            EXPECT_EQ(Bajty(HerniDeska().Zaznam), Bajty(start)) << odkud.X << odkud.Y << kam.X << kam.Y;
        }
        Tahni({3, 3}, {3, 1});
        EXPECT_EQ(HerniDeska().Zaznam.PoleNa({3, 1}).Stav, spPlne);
        EXPECT_EQ(HerniDeska().Zaznam.PoleNa({3, 2}).Stav, spPrazdne);
        EXPECT_EQ(HerniDeska().Zaznam.PoleNa({3, 3}).Stav, spPrazdne);
        EXPECT_EQ(T(L("lblHraTahu")), "1");
        EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 31");
        // The landed stone stays selected; another stone dragged makes a
        // move of its own.
        EXPECT_TRUE(Relace().DejPole({3, 1}).Vybrane);
        Tahni({5, 2}, {3, 2});
        EXPECT_EQ(T(L("lblHraTahu")), "2");
        EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 30");
        EXPECT_TRUE(Relace().DejPole({3, 2}).Vybrane);
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

// "Z této pozice už řešení neexistuje" speaks of one position; whatever
// changes the position takes it away.
TEST_F(DeskaOkna, VerdiktRadyZmiziSPozici)
{
    OtevriTestovaciKatalog();
    struct TPripad {
        const char* Nazev;
        std::function<void()> Predtim;  // the position the hint is asked for
        std::function<void()> Akce;
    };
    const auto nic = [] {};
    const TPripad pripady[] = {
        {"a jump", nic, [this] { Skoc(1, 3, 3, 3); }},
        {"a step back", [this] { Skoc(1, 1, 3, 1); }, [this] { Stiskni(B("btnHraKrokZpet")); }},
        {"a step forward",
         [this] {
             Skoc(1, 1, 3, 1);
             Stiskni(B("btnHraKrokZpet"));
         },
         [this] { Stiskni(B("btnHraKrokVpred")); }},
        {"a new game", nic, [this] { Stiskni(B("btnHraZnovuRozestavet")); }},
        {"the game type", nic, [this] { Stiskni(B("btnHraTypHry")); }},
    };
    ZKatalogu(CisloViceskok, "btnNahratHrat");
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        Stiskni(B("btnHraZnovuRozestavet"));
        p.Predtim();
        Stiskni(B("btnHraPoradit"));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !HledaRadu(); }, 30000));
        ASSERT_EQ(T(L("lblHraRada")), "Z této pozice už řešení neexistuje");
        ASSERT_TRUE(Ukazan(L("lblHraRada")));
        p.Akce();
        EXPECT_FALSE(Ukazan(L("lblHraRada")));
    }
    EXPECT_TRUE(Zpravy.empty());
}
