// SPDX-License-Identifier: GPL-3.0-or-later
// The main board view without a mouse: the keyboard cursor, and the board as
// a grid of named fields for assistive technology, read in-process.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <map>
#include <vector>

#include "KavirelKlavesnice.h"
#include "PomocnikyPohledu.h"
#include "ViditelneOvladace.h"

namespace {

class PristupnostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Okno.resize(560, 560);
        Pohled = std::make_unique<TGraphGameDeska>(&Okno, 9, 9, 2, 2, 6, 12);
        Pohled->NastavPrijemce(&Z);
        Okno.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Okno));
        Okno.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Okno));
    }
    void TearDown() override { Pohled.reset(); }

    QAccessibleInterface* Deska() { return QAccessible::queryAccessibleInterface(&Okno); }
    QString Jmeno(int x, int y) const
    {
        return QAccessible::queryAccessibleInterface(Pohled->DejPrvek({x, y}))->text(QAccessible::Name);
    }
    bool Bylo(QAccessible::Event druh, QObject* o) const { return Zachycene.Bylo(druh, o); }
    void Klavesa(Qt::Key k) { QTest::keyClick(&Okno, k); }

    QWidget Okno;
    Zaznamnik Z;
    std::unique_ptr<TGraphGameDeska> Pohled;
    TZaznamPristupnosti Zachycene;
};

}  // namespace

TEST_F(PristupnostTest, AnglickyKrizMaTricetTriPojmenovanychPoli)
{
    Pohled->KresliDesku(AnglickyKriz());
    QAccessibleInterface* deska = Deska();
    ASSERT_NE(deska, nullptr);
    EXPECT_EQ(deska->role(), QAccessible::Table);
    ASSERT_EQ(deska->childCount(), 33);

    // In reading order, numbered 1..33, every one a stone but the centre.
    for (int i = 0; i < deska->childCount(); ++i) {
        QAccessibleInterface* pole = deska->child(i);
        ASSERT_NE(pole, nullptr);
        EXPECT_EQ(pole->role(), QAccessible::Cell);
        EXPECT_EQ(deska->indexOfChild(pole), i);
        const QString ocekavane =
            QStringLiteral("Pole %1: %2").arg(i + 1).arg(i + 1 == 17 ? QStringLiteral("prázdné") : QStringLiteral("kámen"));
        EXPECT_EQ(pole->text(QAccessible::Name), ocekavane);
    }

    // The grid has nine rows and columns; a position without a field has no cell.
    QAccessibleTableInterface* tabulka = deska->tableInterface();
    ASSERT_NE(tabulka, nullptr);
    EXPECT_EQ(tabulka->cellAt(0, 0), nullptr);
    EXPECT_EQ(tabulka->cellAt(1, 1), nullptr);
    ASSERT_NE(tabulka->cellAt(4, 4), nullptr);
    EXPECT_EQ(tabulka->cellAt(4, 4)->text(QAccessible::Name), "Pole 17: prázdné");
    auto* bunka = static_cast<QAccessibleTableCellInterface*>(
        tabulka->cellAt(3, 5)->interface_cast(QAccessible::TableCellInterface));
    ASSERT_NE(bunka, nullptr);
    EXPECT_EQ(bunka->rowIndex(), 3);
    EXPECT_EQ(bunka->columnIndex(), 5);
}

TEST_F(PristupnostTest, SkokANavratMeniJmenaAOznamujiSe)
{
    struct {
        TTypHry typ;
        const char* pres;  // the jumped field after the jump
    } const pripady[] = {{thNormalni, "prázdné"}, {thLeibniz, "kámen"}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.typ);
        TZaznamDesky z = AnglickyKriz();
        z.TypHry = p.typ;
        // A Leibniz jump goes from a hole over a hole onto a stone.
        if (p.typ == thLeibniz)
            z.Pole[4][3].Stav = spPrazdne;
        Pohled->KresliDesku(z);
        const QString predA = Jmeno(4, 2), predC = Jmeno(4, 3);
        Zachycene.clear();

        Pohled->KresliSkok(z, {4, 2}, {4, 4}, {4, 3});
        EXPECT_EQ(Jmeno(4, 2), "Pole 5: prázdné");
        EXPECT_EQ(Jmeno(4, 4), "Pole 17: kámen");
        EXPECT_EQ(Jmeno(4, 3), QStringLiteral("Pole 10: ") + QString::fromUtf8(p.pres));
        for (TPozice q : {TPozice{4, 2}, TPozice{4, 4}, TPozice{4, 3}})
            EXPECT_TRUE(Bylo(QAccessible::NameChanged, Pohled->DejPrvek(q))) << q.X << "," << q.Y;
        EXPECT_FALSE(Bylo(QAccessible::NameChanged, Pohled->DejPrvek({3, 3})));

        Pohled->KresliNavratSkoku(z, {4, 4}, {4, 2}, {4, 3});
        EXPECT_EQ(Jmeno(4, 2), predA);
        EXPECT_EQ(Jmeno(4, 3), predC);
        EXPECT_EQ(Jmeno(4, 4), "Pole 17: prázdné");
    }
}

TEST_F(PristupnostTest, CiloveANoveDeskyAEditor)
{
    TZaznamDesky z = AnglickyKriz();
    z.Pole[4][4].Cilove = 1;
    z.Pole[3][1].Cilove = 1;
    Zachycene.clear();
    Pohled->KresliDesku(z);
    EXPECT_TRUE(Bylo(QAccessible::TableModelChanged, &Okno));
    EXPECT_EQ(Jmeno(4, 4), "Pole 17: prázdné, cílové pole");
    EXPECT_EQ(Jmeno(3, 1), "Pole 1: kámen, cílové pole");

    // In the editor every position is offered; one without a field says so,
    // a new field has no number yet.
    Pohled->KresliVsechnaOhraniceni(Pohled->Barvy.BarvaMrizka);
    EXPECT_EQ(Deska()->childCount(), 81);
    EXPECT_EQ(Jmeno(0, 0), "Bez pole (sloupec 1, řádek 1)");
    Pohled->KresliPrvekNa({0, 0}, epPlneCilove);
    EXPECT_EQ(Jmeno(0, 0), "Pole (sloupec 1, řádek 1): kámen, cílové pole");
    Pohled->KresliPrvekNa({4, 4}, epNeexistujici);
    EXPECT_EQ(Jmeno(4, 4), "Bez pole (sloupec 5, řádek 5)");

    // Drawn as a board again, the positions without a field leave the grid.
    Pohled->KresliDesku(AnglickyKriz());
    EXPECT_EQ(Deska()->childCount(), 33);
}

TEST_F(PristupnostTest, KurzorPrechaziMistaBezPole)
{
    Pohled->KresliDesku(AnglickyKriz());
    TKlavesniceDesky* k = Pohled->Klavesnice();
    Okno.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(Okno.hasFocus());
    // Field number 1 first, then each key to the next field that way.
    EXPECT_EQ(k->Pozice(), (TPozice{3, 1}));
    struct {
        Qt::Key klavesa;
        TPozice kam;
    } const kroky[] = {
        {Qt::Key_Left, {3, 1}},  // nothing to the left on this row
        {Qt::Key_Up, {3, 1}},    {Qt::Key_Down, {3, 2}},  {Qt::Key_Down, {3, 3}}, {Qt::Key_Left, {2, 3}},
        {Qt::Key_Left, {1, 3}},  {Qt::Key_Left, {1, 3}},  {Qt::Key_Up, {1, 3}},   {Qt::Key_Down, {1, 4}},
        {Qt::Key_Right, {2, 4}}, {Qt::Key_Right, {3, 4}}, {Qt::Key_Down, {3, 5}}, {Qt::Key_Down, {3, 6}},
        {Qt::Key_Right, {4, 6}}, {Qt::Key_Right, {5, 6}}, {Qt::Key_Right, {5, 6}}, {Qt::Key_Down, {5, 7}},
        {Qt::Key_Down, {5, 7}},
    };
    for (const auto& krok : kroky) {
        Zachycene.clear();
        Klavesa(krok.klavesa);
        EXPECT_EQ(k->Pozice(), krok.kam) << krok.kam.X << "," << krok.kam.Y;
        EXPECT_TRUE(Pohled->DejPrvek(krok.kam)->MaKurzor());
        if (krok.klavesa == Qt::Key_Down && krok.kam == TPozice{3, 2}) {
            EXPECT_TRUE(Bylo(QAccessible::Focus, Pohled->DejPrvek(krok.kam)));
        }
    }
    // Exactly one field shows the cursor.
    int sKurzorem = 0;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            sKurzorem += Pohled->DejPrvek({x, y})->MaKurzor();
    EXPECT_EQ(sKurzorem, 1);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Pohled->DejPrvek({5, 7}))->state().focused);
}

TEST_F(PristupnostTest, KlavesyJdouStejnouCestouJakoMys)
{
    Pohled->KresliDesku(AnglickyKriz());
    Okno.setFocus(Qt::TabFocusReason);
    Klavesa(Qt::Key_Down);
    struct {
        Qt::Key klavesa;
        std::size_t kliku, zpet;
        std::vector<int> volby;
    } const pripady[] = {
        {Qt::Key_Space, 1, 0, {}},  {Qt::Key_Return, 2, 0, {}}, {Qt::Key_Enter, 3, 0, {}},
        {Qt::Key_Backspace, 3, 1, {}}, {Qt::Key_1, 3, 1, {0}},   {Qt::Key_5, 3, 1, {0, 4}},
        {Qt::Key_A, 3, 1, {0, 4}},
    };
    for (const auto& p : pripady) {
        Klavesa(p.klavesa);
        EXPECT_EQ(Z.kliky.size(), p.kliku) << p.klavesa;
        EXPECT_EQ(Z.krokuZpet, int(p.zpet)) << p.klavesa;
        EXPECT_EQ(Z.volby, p.volby) << p.klavesa;
    }
    // A key press is a press in the square of the cursor's field.
    for (const Zaznamnik::Klik& k : Z.kliky) {
        EXPECT_EQ(k.pozice, (TPozice{3, 2}));
        EXPECT_TRUE(JeUvnitrPole(k.x, k.y));
    }
    // Ctrl and Alt combinations are the window's shortcuts, not the board's.
    QTest::keyClick(&Okno, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Pohled->Klavesnice()->Pozice(), (TPozice{3, 2}));
}

TEST_F(PristupnostTest, KurzorJenPriFokusuAPoKlavese)
{
    Pohled->KresliDesku(AnglickyKriz());
    THraciPole* prvni = Pohled->DejPrvek({3, 1});
    QWidget jiny(&Okno);
    jiny.setFocusPolicy(Qt::StrongFocus);
    jiny.show();

    Okno.setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(prvni->MaKurzor()) << "focus by the mouse shows no cursor";
    Klavesa(Qt::Key_Right);
    EXPECT_TRUE(Pohled->DejPrvek({4, 1})->MaKurzor());
    // A mouse press moves the cursor there and hides it.
    QTest::mousePress(Pohled->DejPrvek({4, 3}), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(Pohled->Klavesnice()->Pozice(), (TPozice{4, 3}));
    EXPECT_FALSE(Pohled->DejPrvek({4, 3})->MaKurzor());
    EXPECT_FALSE(Pohled->DejPrvek({4, 1})->MaKurzor());
    Klavesa(Qt::Key_Left);
    EXPECT_TRUE(Pohled->DejPrvek({3, 3})->MaKurzor());
    // Away from the board the cursor goes; back by Tab it returns.
    jiny.setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(Pohled->DejPrvek({3, 3})->MaKurzor());
    Okno.setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(Pohled->DejPrvek({3, 3})->MaKurzor());
    // The cursor is seen on screen but never drawn into the field's picture.
    const QImage obraz = Pohled->DejPrvek({3, 3})->Obraz();
    const QImage naObrazovce = Snimek(Pohled->DejPrvek({3, 3}));
    jiny.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Pohled->DejPrvek({3, 3})->Obraz(), obraz);
    EXPECT_NE(Snimek(Pohled->DejPrvek({3, 3})), naObrazovce);
}

// Pictures drawn for a screen of ratio 1.5 or 2: as many pixels as the screen
// shows, a round stone on them, and painting over leaves no trace.
TEST(Ostrost, ObrazyProPomerObrazovky)
{
    for (qreal pomer : {2.0, 1.5}) {
        SCOPED_TRACE(pomer);
        TObrazek::NastavPomerObrazu(pomer);
        QWidget hostitel;
        hostitel.resize(560, 560);
        TGraphGameDeska v(&hostitel, 9, 9, 2, 2, 6, 12);
        TObrazek::NastavPomerObrazu(0);
        const TZaznamDesky z = AnglickyKriz();
        v.KresliDesku(z);
        THraciPole* pole = v.DejPrvek({3, 3});
        const QImage& obraz = pole->Obraz();
        ASSERT_EQ(obraz.devicePixelRatio(), pomer);
        const int strana = int(std::ceil(TGraphDeska::VelikostPrvku * pomer));
        ASSERT_EQ(obraz.size(), QSize(strana, strana));
        const TBarvy& b = v.Barvy;
        const auto bod = [&](double x, double y) {
            return BarvaZQColor(QColor(obraz.pixel(int(x * pomer), int(y * pomer))));
        };
        // The stone fills its box to the edge on every side, and no more;
        // the border ring and the square are where they were, only finer.
        EXPECT_EQ(bod(30.5, 30.5), b.BarvaKamen);
        for (const QPointF& p : {QPointF(17.5, 30.5), QPointF(43.5, 30.5), QPointF(30.5, 17.5), QPointF(30.5, 43.5)})
            EXPECT_EQ(bod(p.x(), p.y()), b.BarvaKamen) << p.x() << "," << p.y();
        for (const QPointF& p : {QPointF(16.5, 30.5), QPointF(44.5, 30.5), QPointF(30.5, 16.5), QPointF(30.5, 44.5)})
            EXPECT_EQ(bod(p.x(), p.y()), b.BarvaPole) << p.x() << "," << p.y();
        EXPECT_EQ(bod(0.5, 0.5), b.BarvaMrizka);
        EXPECT_EQ(bod(1.5, 30.5), b.BarvaMrizka);
        EXPECT_EQ(bod(2.5, 30.5), b.BarvaPole);
        // A finer edge than a doubled one: some row of the disc starts on an
        // odd picture pixel.
        bool licha = false;
        for (int y = 0; y < strana && !licha; ++y)
            for (int x = 0; x < strana; ++x)
                if (BarvaZQColor(QColor(obraz.pixel(x, y))) == b.BarvaKamen) {
                    licha = x % 2 == 1;
                    break;
                }
        EXPECT_TRUE(licha);
        // Stone and number taken away: the plain square again, pixel for pixel.
        v.KresliDesku(z);
        const QImage ciste = obraz.copy();
        v.KresliCisloNa({3, 3}, b.BarvaCislo, 33);
        v.KresliCisloNa({3, 3}, b.BarvaPole, 33);
        EXPECT_EQ(pole->Obraz(), ciste);
        v.KresliKamen(pole, b.BarvaPole);
        v.KresliKamen(pole, b.BarvaKamen);
        EXPECT_EQ(pole->Obraz(), ciste);
    }
}
