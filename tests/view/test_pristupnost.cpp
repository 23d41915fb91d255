// SPDX-License-Identifier: GPL-3.0-or-later
// The main board view without a mouse: the keyboard cursor, and the board as
// a grid of named fields for assistive technology, read in-process.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <vector>

#include "KavirelDeska.h"
#include "KavirelPristupnost.h"
#include "PomocnikyPohledu.h"
#include "ViditelneOvladace.h"

namespace {

class PristupnostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Okno.resize(560, 560);
        Pohled = new TGraphGameDeska(&Okno);
        Pohled->setGeometry(6, 12, TGraphGameDeska::StranaDesky, TGraphGameDeska::StranaDesky);
        Z.Pripoj(*Pohled);
        Okno.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Okno));
        Okno.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Okno));
    }

    QAccessibleInterface* Deska() { return QAccessible::queryAccessibleInterface(Pohled); }
    QAccessibleInterface* Bunka(int x, int y) { return Pohled->Klavesnice()->Bunka({x, y}); }
    QString Jmeno(int x, int y) { return Bunka(x, y)->text(QAccessible::Name); }
    // An event of the field at (x, y), a child of the board.
    bool Bylo(QAccessible::Event druh, const TPozice& p) const
    {
        return Zachycene.Bylo(druh, Pohled, Pohled->Klavesnice()->IndexNabizeneho(p));
    }
    void Klavesa(Qt::Key k) { QTest::keyClick(Pohled, k); }
    // Whether the field shows the keyboard cursor: its yellow ring inside
    // the target frame.
    bool MaKurzor(const TPozice& p) const { return SnimekPole(*Pohled, p).pixelColor(9, 30) == QColor(255, 216, 0); }

    QWidget Okno;
    Zaznamnik Z;
    TGraphGameDeska* Pohled = nullptr;
    TZaznamPristupnosti Zachycene;
};

}  // namespace

TEST_F(PristupnostTest, AnglickyKrizMaTricetTriPojmenovanychPoli)
{
    Pohled->ZmenPole(ObrazZaznamu(AnglickyKriz()).Pole());
    QAccessibleInterface* deska = Deska();
    ASSERT_NE(deska, nullptr);
    EXPECT_EQ(deska->role(), QAccessible::Table);
    EXPECT_EQ(deska->text(QAccessible::Name), "Hrací deska");
    ASSERT_EQ(deska->childCount(), 33);

    // In reading order, numbered 1..33, every one a stone but the centre.
    for (int i = 0; i < deska->childCount(); ++i) {
        QAccessibleInterface* pole = deska->child(i);
        ASSERT_NE(pole, nullptr);
        EXPECT_EQ(pole->role(), QAccessible::Cell);
        EXPECT_EQ(deska->indexOfChild(pole), i);
        EXPECT_EQ(pole->parent(), deska);
        const QString ocekavane =
            QStringLiteral("Pole %1: %2").arg(i + 1).arg(i + 1 == 17 ? QStringLiteral("prázdné") : QStringLiteral("kámen"));
        EXPECT_EQ(pole->text(QAccessible::Name), ocekavane);
    }
    // A cell lies where its field is drawn.
    const QRect stred = Deska()->child(16)->rect();
    EXPECT_EQ(deska->childAt(stred.center().x(), stred.center().y()), deska->child(16));

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

    // The press action presses the field, as the mouse does.
    tabulka->cellAt(4, 4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Z.kliky, (std::vector<TPozice>{{4, 4}}));
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
        Pohled->ZmenPole(ObrazZaznamu(z).Pole());
        const QString predA = Jmeno(4, 2), predC = Jmeno(4, 3);
        Zachycene.clear();

        // The position after the jump from (4, 2) over (4, 3) to (4, 4).
        TGameDeska hra;
        hra.Nastav(z);
        hra.ProvedSkok({4, 2}, {4, 4}, {4, 3});
        Pohled->ZmenPole(ObrazZaznamu(hra.Zaznam).Pole());
        EXPECT_EQ(Jmeno(4, 2), "Pole 5: prázdné");
        EXPECT_EQ(Jmeno(4, 4), "Pole 17: kámen");
        EXPECT_EQ(Jmeno(4, 3), QStringLiteral("Pole 10: ") + QString::fromUtf8(p.pres));
        for (TPozice q : {TPozice{4, 2}, TPozice{4, 4}, TPozice{4, 3}})
            EXPECT_TRUE(Bylo(QAccessible::NameChanged, q)) << q.X << "," << q.Y;
        EXPECT_FALSE(Bylo(QAccessible::NameChanged, {3, 3}));
        EXPECT_FALSE(Zachycene.Bylo(QAccessible::TableModelChanged, Pohled)) << "the same board";

        Pohled->ZmenPole(ObrazZaznamu(z).Pole());
        EXPECT_EQ(Jmeno(4, 2), predA);
        EXPECT_EQ(Jmeno(4, 3), predC);
        EXPECT_EQ(Jmeno(4, 4), "Pole 17: prázdné");
    }
}

TEST_F(PristupnostTest, VyberSeOznamujeAJeVybranouBunkou)
{
    TUkazka o = ObrazZaznamu(AnglickyKriz());
    Pohled->ZmenPole(o.Pole());
    Zachycene.clear();
    o.Vyber = TPozice{4, 2};
    Pohled->ZmenPole(o.Pole());
    EXPECT_TRUE(Bylo(QAccessible::StateChanged, {4, 2}));
    EXPECT_TRUE(Bunka(4, 2)->state().selected);
    EXPECT_FALSE(Bunka(4, 3)->state().selected);
    ASSERT_EQ(Deska()->tableInterface()->selectedCells().size(), 1);
    EXPECT_EQ(Deska()->tableInterface()->selectedCells()[0], Bunka(4, 2));
    Zachycene.clear();
    o.Vyber = TPozice{4, 6};
    Pohled->ZmenPole(o.Pole());
    EXPECT_TRUE(Bylo(QAccessible::StateChanged, {4, 2}));
    EXPECT_TRUE(Bylo(QAccessible::StateChanged, {4, 6}));
}

TEST_F(PristupnostTest, CiloveANoveDeskyAEditor)
{
    TZaznamDesky z = AnglickyKriz();
    z.Pole[4][4].Cilove = 1;
    z.Pole[3][1].Cilove = 1;
    Zachycene.clear();
    Pohled->ZmenPole(ObrazZaznamu(z).Pole());
    EXPECT_TRUE(Zachycene.Bylo(QAccessible::TableModelChanged, Pohled));
    EXPECT_EQ(Jmeno(4, 4), "Pole 17: prázdné, cílové pole");
    EXPECT_EQ(Jmeno(3, 1), "Pole 1: kámen, cílové pole");

    // In the editor every position is offered; one without a field says so,
    // a new field has no number yet.
    TUkazka editor = ObrazZaznamu(AnglickyKriz());
    editor.VsechnaPole = true;
    Pohled->ZmenPole(editor.Pole());
    EXPECT_EQ(Deska()->childCount(), 81);
    EXPECT_EQ(Jmeno(0, 0), "Bez pole (sloupec 1, řádek 1)");
    TEditDeska upravy;
    upravy.Nastav(editor.Zaznam);
    PouzijPrvek(upravy, epPlneCilove, {0, 0});
    PouzijPrvek(upravy, epNeexistujici, {4, 4});
    editor.Zaznam = upravy.Zaznam;
    Pohled->ZmenPole(editor.Pole());
    EXPECT_EQ(Jmeno(0, 0), "Pole (sloupec 1, řádek 1): kámen, cílové pole");
    EXPECT_EQ(Jmeno(4, 4), "Bez pole (sloupec 5, řádek 5)");

    // Shown as a board again, the positions without a field leave the grid.
    Pohled->ZmenPole(ObrazZaznamu(AnglickyKriz()).Pole());
    EXPECT_EQ(Deska()->childCount(), 33);
}

TEST_F(PristupnostTest, KurzorPrechaziMistaBezPole)
{
    Pohled->ZmenPole(ObrazZaznamu(AnglickyKriz()).Pole());
    TKlavesniceDesky* k = Pohled->Klavesnice();
    Pohled->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(Pohled->hasFocus());
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
        EXPECT_TRUE(MaKurzor(krok.kam));
        if (krok.klavesa == Qt::Key_Down && krok.kam == TPozice{3, 2}) {
            EXPECT_TRUE(Bylo(QAccessible::Focus, krok.kam));
        }
    }
    // Exactly one field shows the cursor.
    int sKurzorem = 0;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            sKurzorem += MaKurzor({x, y});
    EXPECT_EQ(sKurzorem, 1);
    EXPECT_TRUE(Bunka(5, 7)->state().focused);
    EXPECT_EQ(Deska()->focusChild(), Bunka(5, 7));
}

TEST_F(PristupnostTest, KlavesyJdouStejnouCestouJakoMys)
{
    Pohled->ZmenPole(ObrazZaznamu(AnglickyKriz()).Pole());
    Pohled->setFocus(Qt::TabFocusReason);
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
    // A key press is a press of the cursor's field.
    for (const TPozice& k : Z.kliky)
        EXPECT_EQ(k, (TPozice{3, 2}));
    // Ctrl and Alt combinations are the window's shortcuts, not the board's.
    QTest::keyClick(Pohled, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Pohled->Klavesnice()->Pozice(), (TPozice{3, 2}));
}

TEST_F(PristupnostTest, KurzorJenPriFokusuAPoKlavese)
{
    Pohled->ZmenPole(ObrazZaznamu(AnglickyKriz()).Pole());
    QWidget jiny(&Okno);
    jiny.setFocusPolicy(Qt::StrongFocus);
    jiny.show();

    Pohled->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(MaKurzor({3, 1})) << "focus by the mouse shows no cursor";
    Klavesa(Qt::Key_Right);
    EXPECT_TRUE(MaKurzor({4, 1}));
    // A mouse press moves the cursor there and hides it.
    QTest::mousePress(Pohled, Qt::LeftButton, {}, Pohled->PolohaPole({4, 3}).center().toPoint());
    QTest::mouseRelease(Pohled, Qt::LeftButton, {}, Pohled->PolohaPole({4, 3}).center().toPoint());
    EXPECT_EQ(Pohled->Klavesnice()->Pozice(), (TPozice{4, 3}));
    EXPECT_FALSE(MaKurzor({4, 3}));
    EXPECT_FALSE(MaKurzor({4, 1}));
    Klavesa(Qt::Key_Left);
    EXPECT_TRUE(MaKurzor({3, 3}));
    // Away from the board the cursor goes; back by Tab it returns.
    jiny.setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(MaKurzor({3, 3}));
    Pohled->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(MaKurzor({3, 3}));
}

// Pictures of the column views drawn for a screen of ratio 1.5 or 2: as many
// pixels as the screen shows, a round stone on them, and painting over
// leaves no trace.
TEST(Ostrost, ObrazyProPomerObrazovky)
{
    for (qreal pomer : {2.0, 1.5}) {
        SCOPED_TRACE(pomer);
        TObrazek::NastavPomerObrazu(pomer);
        QWidget hostitel;
        hostitel.resize(200, 400);
        TGraphLegendaDeska v(&hostitel, 2, 16, 6, 6);
        TObrazek::NastavPomerObrazu(0);
        v.Kresli();
        TObrazek* pole = v.DejPrvek(1);  // a stone
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
        v.Kresli();
        const QImage ciste = obraz.copy();
        v.KresliCislo(pole, b.BarvaCislo, 33);
        v.KresliCislo(pole, b.BarvaPole, 33);
        EXPECT_EQ(pole->Obraz(), ciste);
        v.KresliKamen(pole, b.BarvaPole);
        v.KresliKamen(pole, b.BarvaKamen);
        EXPECT_EQ(pole->Obraz(), ciste);
    }
}
