// SPDX-License-Identifier: GPL-3.0-or-later
// The main window played by keys alone: a whole game, a search, the editor,
// the window's shortcuts, and what assistive technology hears.
#include <QAccessible>
#include <QMenu>
#include <QTextBrowser>

#include "KavirelDeska.h"
#include "KavirelPristupnost.h"
#include "KavirelNapoveda.h"
#include "KavirelReseni.h"
#include "KavirelText.h"
#include "OknoTest.h"

namespace {

class KlavesniceTest : public OknoTest {
protected:
    // Board 1: stones on 1, 2, 4 of one row; a double jump 1 -> 3 -> 5 leaves
    // one stone on the target field 5. Board 2: the English board.
    void OtevriSRadou()
    {
        std::vector<TZaznamDesky> k;
        k.push_back(Deska({"", ".xxoxO"}, thNormalni, "Rada s cilem"));
        k.push_back(StandardniZaznamy().front());
        ZapisKatalog(k);
        Otevri();
    }

    QWidget* DeskaOkna() const { return PohledDesky(); }
    TKlavesniceDesky* Kurzor() const { return PohledDesky()->Klavesnice(); }

    // Keys go wherever the focus is, as the window system sends them.
    void Klavesa(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget* cil = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : Okno.get();
        QTest::keyClick(cil, k, m);
    }

    // Moves the cursor onto a field of a row-shaped or cross-shaped board by
    // arrows, rows first; fails when the arrows cannot reach it.
    void Najed(TPozice kam)
    {
        for (int i = 0; i < 40 && Kurzor()->Pozice() != kam; ++i) {
            const TPozice p = Kurzor()->Pozice();
            Klavesa(p.Y < kam.Y ? Qt::Key_Down : p.Y > kam.Y ? Qt::Key_Up : p.X < kam.X ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(Kurzor()->Pozice(), kam);
    }

    // The first row of a board as text: 'x' a stone, 'o' an empty field.
    static std::string Rada(const TZaznamDesky& z)
    {
        std::string s;
        for (int x = 1; x <= 5; ++x)
            s += z.Pole[x][1].Stav == spPlne ? 'x' : z.Pole[x][1].Stav == spPrazdne ? 'o' : '.';
        return s;
    }

    bool Bylo(QAccessible::Event druh, QObject* o) const { return Zachycene.Bylo(druh, o); }

    bool DockejKonceHledani()
    {
        return QTest::qWaitFor([this] { return !ProbihaHledani(); }, 120000);
    }

    TZaznamPristupnosti Zachycene;
};

} // namespace

TEST_F(KlavesniceTest, CelaHraAReseniKlavesami)
{
    OtevriSRadou();
    ASSERT_EQ(QApplication::focusWidget(), DeskaOkna()) << "the board is the first focus";
    EXPECT_EQ(Kurzor()->Pozice(), (TPozice{1, 1})) << "the cursor starts on field 1";

    struct TKrok {
        std::vector<Qt::Key> klavesy;
        Qt::KeyboardModifiers modifikatory;
        const char* rada;
        int tahu;
        bool konec;
    };
    const TKrok kroky[] = {
        {{Qt::Key_Space}, {}, "xxoxo", 0, false},
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}, {}, "ooxxo", 1, false},
        // The same stone goes on: one move of two jumps, the game is over.
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter}, {}, "oooox", 1, true},
        {{Qt::Key_Backspace}, {}, "ooxxo", 1, false},
        {{Qt::Key_Z}, Qt::ControlModifier, "xxoxo", 0, false},
        {{Qt::Key_Z}, Qt::ControlModifier, "xxoxo", 0, false},
    };
    for (const TKrok& k : kroky) {
        Zachycene.clear();
        for (Qt::Key klavesa : k.klavesy)
            Klavesa(klavesa, k.modifikatory);
        SCOPED_TRACE(k.rada);
        EXPECT_EQ(Rada(HerniDeska().Zaznam), k.rada);
        EXPECT_EQ(HerniDeska().Tahy.DejPocetTahu(), k.tahu);
        EXPECT_EQ(Ukazan(L("lblHraKonec")), k.konec);
        EXPECT_EQ(QApplication::focusWidget(), DeskaOkna());
        if (&k == &kroky[0]) {  // a screen reader hears which stone is chosen
            EXPECT_TRUE(PohledDesky()->Klavesnice()->Bunka({1, 1})->state().selected);
        }
        if (k.konec) {
            // The verdicts are announced.
            EXPECT_TRUE(Bylo(QAccessible::Alert, L("lblHraKonec")));
            EXPECT_TRUE(Ukazan(L("lblHraCilova")));
            EXPECT_TRUE(Bylo(QAccessible::Alert, L("lblHraCilova")));
            QAccessibleInterface* konec = QAccessible::queryAccessibleInterface(L("lblHraKonec"));
            EXPECT_EQ(konec->role(), QAccessible::Notification);
            EXPECT_FALSE(konec->text(QAccessible::Name).isEmpty());
        }
    }
    EXPECT_TRUE(Kurzor()->JeKurzorVidet());

    // The same board solved by keys: Tab to "Řešit" and Enter, then to
    // "Nejrychlejší řešení" and Enter.
    B("btnHraResit")->setFocus(Qt::TabFocusReason);
    Klavesa(Qt::Key_Return);
    ASSERT_EQ(Zalozky()->currentIndex(), zlReseni);
    B("btnReseniNejrychlejsi")->setFocus(Qt::TabFocusReason);
    Zachycene.clear();
    Klavesa(Qt::Key_Return);
    ASSERT_TRUE(DockejKonceHledani());
    EXPECT_TRUE(Bylo(QAccessible::Alert, L("lblReseniPrubeh"))) << "the result is announced";
    // Keys on the solve tab's board take the way the play tab's take.
}

TEST_F(KlavesniceTest, EditorKlavesami)
{
    OtevriSRadou();
    B("btnHraEditovat")->setFocus(Qt::TabFocusReason);
    Klavesa(Qt::Key_Enter);
    ASSERT_EQ(Zalozky()->currentIndex(), zlEdit);
    DeskaOkna()->setFocus(Qt::TabFocusReason);
    // Every position is offered in the editor: up from field 1 is row 0.
    Najed({1, 1});
    Klavesa(Qt::Key_Up);
    ASSERT_EQ(Kurzor()->Pozice(), (TPozice{1, 0}));

    struct {
        Qt::Key klavesa;
        TStavPole stav;
        int cilove;
    } const prvky[] = {
        {Qt::Key_2, spPrazdne, 0}, {Qt::Key_3, spPlne, 0},          {Qt::Key_4, spPrazdne, 1},
        {Qt::Key_5, spPlne, 1},    {Qt::Key_1, spNeexistujici, 0},
    };
    for (const auto& p : prvky) {
        Klavesa(p.klavesa);
        EXPECT_EQ(Vyber()->ItemIndex(), p.klavesa - Qt::Key_1);
        EXPECT_EQ(QApplication::focusWidget(), DeskaOkna()) << "choosing keeps the board focused";
        Klavesa(Qt::Key_Space);
        const TPole& pole = EditovanaDeska().Zaznam.Pole[1][0];
        EXPECT_EQ(pole.Stav, p.stav) << p.klavesa;
        EXPECT_EQ(pole.Cilove != 0, p.cilove != 0) << p.klavesa;
    }
}

TEST_F(KlavesniceTest, OknoZKlavesnice)
{
    OtevriSRadou();
    // Alt with a letter opens each menu.
    struct {
        Qt::Key pismeno;
        const char* menu;
    } const nabidky[] = {{Qt::Key_H, "mnHra"},
                         {Qt::Key_T, "mnTypHry"},
                         {Qt::Key_N, "mnNastaveni"},
                         {Qt::Key_V, "mnNapoveda"}};
    for (const auto& n : nabidky) {
        QTest::keyClick(Okno.get(), n.pismeno, Qt::AltModifier);
        QMenu* menu = M(n.menu);
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000)) << n.pismeno;
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); }, 2000));
        if (QApplication::activePopupWidget() != nullptr)
            QApplication::activePopupWidget()->close();
    }

    // A radio item has no caption of its own: its caption beside it shows
    // the focus.
    ZalozkaUzivatelem(zlEdit);
    for (int i : {2, 4}) {
        Vyber()->Polozka(i)->setFocus(Qt::TabFocusReason);
        for (int j = 0; j < Vyber()->PocetPolozek(); ++j)
            EXPECT_EQ(Vyber()->TextPolozky(j)->backgroundRole() == QPalette::Highlight, j == i) << i << j;
    }
    DeskaOkna()->setFocus(Qt::TabFocusReason);
    EXPECT_NE(Vyber()->TextPolozky(4)->backgroundRole(), QPalette::Highlight);
    ZalozkaUzivatelem(zlHra);

    // Ctrl+PgDown and Ctrl+PgUp turn the tabs, round the row, from the board too.
    const struct {
        Qt::Key klavesa;
        int zalozka;
    } listovani[] = {{Qt::Key_PageDown, zlNahrat}, {Qt::Key_PageUp, zlHra}, {Qt::Key_PageUp, zlReseni},
                     {Qt::Key_PageDown, zlHra}};
    for (const auto& l : listovani) {
        Klavesa(l.klavesa, Qt::ControlModifier);
        EXPECT_EQ(Zalozky()->currentIndex(), l.zalozka);
        DeskaOkna()->setFocus(Qt::TabFocusReason);
    }

    // Ctrl+G: the number box of the load tab, though it is no tab stop.
    Klavesa(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(Zalozky()->currentIndex(), zlNahrat);
    EXPECT_EQ(QApplication::focusWidget(), E("edtNahratCislo"));
    Pis(E("edtNahratCislo"), QStringLiteral("2"));
    Klavesa(Qt::Key_Return);
    EXPECT_EQ(L("lblNahratCisloDesky")->text(), "2");
}

// F1 opens the introduction; Shift+F1 the section of the tab in front, and
// after that the menu item the introduction again.
TEST_F(KlavesniceTest, NapovedaKZalozceVpredu)
{
    OtevriSRadou();
    Klavesa(Qt::Key_F1);
    ASSERT_NE(OknoNapovedy(), nullptr);
    EXPECT_TRUE(OknoNapovedy()->isVisible());
    EXPECT_EQ(OknoNapovedy()->Prohlizec()->source().fragment(), "uvod");
    struct {
        int zalozka;
        const char* kotva;
    } const pripady[] = {{zlHra, "hra"},       {zlNahrat, "nahrat"}, {zlUlozit, "ulozit"},
                         {zlEdit, "editovat"}, {zlReseni, "reseni"}};
    for (const auto& p : pripady) {
        ZalozkaUzivatelem(p.zalozka);
        Klavesa(Qt::Key_F1, Qt::ShiftModifier);
        ASSERT_NE(OknoNapovedy(), nullptr);
        EXPECT_EQ(OknoNapovedy()->Prohlizec()->source().fragment(), p.kotva);
        // The section exists in the help text.
        EXPECT_TRUE(OknoNapovedy()->Prohlizec()->toHtml().contains(QStringLiteral("name=\"%1\"").arg(p.kotva)))
            << p.kotva;
        OknoNapovedy()->close();
        Okno->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Okno.get()));
    }
    A("mnInfo")->trigger();
    EXPECT_EQ(OknoNapovedy()->Prohlizec()->source().fragment(), "uvod");
}
