// SPDX-License-Identifier: GPL-3.0-or-later
// Alt with a letter: every menu, menu item, tab and button has its letter,
// and no two of them answer the same key where both can be reached.
#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>

#include <set>

#include "OknoTest.h"

namespace {

// The letter after the mark in a caption, in lower case; none without one.
QChar Pismeno(const QString& text)
{
    const int i = static_cast<int>(text.indexOf(QLatin1Char('&')));
    return i >= 0 && i + 1 < text.size() ? text.at(i + 1).toLower() : QChar();
}

// Adds the caption's letter to those taken; false when it has none or the
// letter is taken already.
bool Pridej(std::set<QChar>& obsazena, const QString& text)
{
    const QChar p = Pismeno(text);
    return !p.isNull() && obsazena.insert(p).second;
}

class Mnemoniky : public OknoTest {
protected:
    // The menus' and tabs' letters into vzdy, each menu's items and each
    // page's buttons checked against them.
    void OverPismena(std::set<QChar>& vzdy)
    {
        for (QAction* a : Okno->menuBar()->actions()) {
            SCOPED_TRACE(a->text().toStdString());
            EXPECT_TRUE(Pridej(vzdy, a->text()));
            // Inside an open menu each item has a letter of its own.
            std::set<QChar> vMenu;
            for (QAction* polozka : a->menu()->actions())
                if (!polozka->isSeparator()) {
                    EXPECT_TRUE(Pridej(vMenu, polozka->text())) << polozka->text().toStdString();
                }
        }
        for (int i = 0; i < Zalozky()->count(); ++i) {
            EXPECT_TRUE(Pridej(vzdy, Zalozky()->tabText(i))) << Zalozky()->tabText(i).toStdString();
        }
        for (int i = 0; i < Zalozky()->count(); ++i)
            PismenaStranky(vzdy, i);
    }

    // The letters reachable on one page: vzdy and its buttons'.
    std::set<QChar> PismenaStranky(const std::set<QChar>& vzdy, int zalozka)
    {
        SCOPED_TRACE(zalozka);
        std::set<QChar> obsazena = vzdy;
        for (const QPushButton* b : Zalozky()->widget(zalozka)->findChildren<QPushButton*>())
            if (b->window() == Okno.get()) {  // not a file dialog's
                EXPECT_TRUE(Pridej(obsazena, b->text())) << b->objectName().toStdString();
            }
        return obsazena;
    }
};

} // namespace

TEST_F(Mnemoniky, KazdaNabidkaZalozkaATlacitkoMaSvePismeno)
{
    Otevri();
    // In each language its own letters, none twice where both can be reached.
    for (const char* jazyk : {"mnJazykAnglictina", "mnJazykCestina"}) {
        SCOPED_TRACE(jazyk);
        A(jazyk)->trigger();
        // Qt sends the change of language as a posted event.
        QCoreApplication::processEvents();
        std::set<QChar> vzdy;
        OverPismena(vzdy);
    }
    // The menus and the tabs can be reached from every page.
    std::set<QChar> vzdy;
    OverPismena(vzdy);
    // The buttons of one page, with those two captions that change.
    std::set<QChar> hra = PismenaStranky(vzdy, zlHra);
    hra.erase(Pismeno(B("btnHraPoradit")->text()));
    Stiskni(B("btnHraPoradit"));
    EXPECT_EQ(T(B("btnHraPoradit")), "Zrušit radu");
    EXPECT_TRUE(Pridej(hra, B("btnHraPoradit")->text()));
    std::set<QChar> reseni = PismenaStranky(vzdy, zlReseni);
    EXPECT_TRUE(Pridej(reseni, QStringLiteral("Za&stavit"))) << "the replay's stop";

    // Alt and a tab's letter bring it to the front; on it, Alt and a
    // button's letter press the button (which shows itself pressed a
    // moment first).
    QTest::keyClick(Okno.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(Zalozky()->currentIndex(), zlHra) << "no such letter";
    QTest::keyClick(Okno.get(), Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(Zalozky()->currentIndex(), zlUlozit);
    QTest::keyClick(Okno.get(), Qt::Key_A, Qt::AltModifier);
    ASSERT_EQ(Zalozky()->currentIndex(), zlHra);
    Skoc(3, 3, 3, 1);
    ASSERT_EQ(T(L("lblHraTahu")), "1");
    QTest::keyClick(Okno.get(), Qt::Key_K, Qt::AltModifier);  // "Krok zpět..."
    QTRY_COMPARE(T(L("lblHraTahu")), std::string("0"));
    QTest::keyClick(Okno.get(), Qt::Key_R, Qt::AltModifier);  // "Krok vpřed"
    QTRY_COMPARE(T(L("lblHraTahu")), std::string("1"));
    EXPECT_TRUE(Zpravy.empty());
}
