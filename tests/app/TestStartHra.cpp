// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the layout contract, tab changes and the play tab.
#include <QAction>
#include <QMenu>
#include <QTabBar>

#include "KavirelOvladace.h"
#include "OknoTest.h"

TEST_F(OknoTest, StartBezKataloguUkazujePrvniDeskuNaHreNahraniAReseni)
{
    Otevri();
    // It can grow and be maximised, not shrink below its default size.
    EXPECT_EQ(Okno->minimumSize(), Okno->size());
    EXPECT_GT(Okno->maximumSize().width(), Okno->size().width());
    EXPECT_FALSE((Okno->windowFlags() & Qt::CustomizeWindowHint) && !(Okno->windowFlags() & Qt::WindowMaximizeButtonHint));
    // The icon "ICON" in its sizes, from the small one of a title bar up.
    const QList<QSize> velikosti = Okno->windowIcon().availableSizes();
    EXPECT_TRUE(velikosti.contains(QSize(16, 16)) && velikosti.contains(QSize(256, 256)));
    EXPECT_EQ(Zalozky()->currentIndex(), zlHra);

    // play tab
    EXPECT_EQ(T(L("lblHraNazevDesky")), "Anglická hrací deska");
    EXPECT_EQ(T(L("lblHraTypHry")), "NORMÁLNÍ");
    EXPECT_EQ(T(L("lblHraTahu")), "0");
    EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 32");
    EXPECT_TRUE(Ukazan(L("lblHraPrubeh")));
    EXPECT_FALSE(Ukazan(L("lblHraKonec")));
    EXPECT_FALSE(B("btnHraKrokZpet")->isEnabled());
    // load tab
    EXPECT_EQ(T(L("lblNahratNazevDesky")), "Anglická hrací deska");
    EXPECT_EQ(T(L("lblNahratCisloDesky")), "1");
    EXPECT_TRUE(Ukazan(L("lblNahratCisloDeskyPevna")));
    EXPECT_FALSE(B("btnNahratSmazat")->isEnabled());
    // solve tab
    EXPECT_EQ(T(L("lblReseniNazevDesky")), "Anglická hrací deska");
    EXPECT_FALSE(Ukazan(B("btnReseniZastavit")));
    EXPECT_TRUE(A("mnNormalni")->isChecked());
    EXPECT_TRUE(Zpravy.empty());
}

// Every tab, the play tab with a finished game showing its verdict, keeps
// its controls whole and uncovered in the fonts at hand, and the five tab
// captions share one row.
TEST_F(OknoTest, KazdaZalozkaCelaAViditelna)
{
    OtevriTestovaciKatalog();
    ZKatalogu(10, "btnNahratHrat");
    Skoc(4, 3, 4, 1);
    Skoc(4, 4, 4, 6);
    ASSERT_TRUE(Ukazan(L("lblHraCilova")));
    const QTabBar* listy = Zalozky()->tabBar();
    for (int i = 0; i < Zalozky()->count(); ++i) {
        SCOPED_TRACE(i);
        ZalozkaUzivatelem(i);
        OcekavejVseCeleAViditelne(Okno.get());
        const QRect obdelnik = listy->tabRect(i);
        EXPECT_GE(obdelnik.width(), listy->fontMetrics().horizontalAdvance(Zalozky()->tabText(i).remove(QLatin1Char('&'))));
        EXPECT_EQ(obdelnik.top(), listy->tabRect(0).top());
        EXPECT_LE(listy->mapTo(Zalozky(), obdelnik.topRight()).x(), Zalozky()->width());
    }
    // The palette lies inside the element group's frame, and no caption
    // beside it needs a second line.
    const QRect ram = Vyber()->RamSkupiny();
    const QRect paleta = O("ProstorEditDesky")->geometry();
    EXPECT_GT(paleta.top(), ram.top()) << "below the frame's top line";
    EXPECT_LT(paleta.right(), ram.right()) << "left of the frame's right line";
    EXPECT_LT(paleta.bottom(), ram.bottom()) << "above the frame's bottom line";
    for (int i = 0; i < Vyber()->PocetPolozek(); ++i) {
        const QLabel* text = Vyber()->TextPolozky(i);
        EXPECT_LE(text->fontMetrics().horizontalAdvance(text->text()), text->contentsRect().width())
            << text->text().toStdString();
        EXPECT_LT(text->mapTo(O("tabEdit"), QPoint(text->width(), 0)).x(), paleta.left());
    }
}

// A game to its end, with the target verdict of each game type (a board
// with every target full is the edit tab's test). When a game ends, and
// what it counts, is the session's.
TEST_F(OknoTest, CelaHraAzDoKonceSVerdiktemCilovychPoli)
{
    struct TPripad {
        int Cislo;
        std::vector<std::array<int, 4>> Skoky;
        const char* Verdikt;
    };
    const TPripad pripady[] = {
        {10, {{4, 3, 4, 1}, {4, 4, 4, 6}}, "Prázdná cílová pole"},
        {19, {{1, 1, 3, 1}}, "Všechna cílová pole prázdná"},
        {20, {{1, 1, 3, 1}}, "Plná cílová pole"},
        // No target field: no target verdict.
        {18, {{1, 1, 3, 1}, {3, 1, 5, 1}, {5, 1, 7, 1}, {1, 3, 3, 3}}, nullptr},
    };
    OtevriTestovaciKatalog();
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Cislo);
        ZKatalogu(p.Cislo, "btnNahratHrat");
        ASSERT_EQ(Zalozky()->currentIndex(), zlHra);
        for (const auto& s : p.Skoky)
            Skoc(s[0], s[1], s[2], s[3]);
        EXPECT_FALSE(Ukazan(L("lblHraPrubeh")));
        EXPECT_TRUE(Ukazan(L("lblHraKonec")));
        EXPECT_EQ(T(L("lblHraKonec")), "KONEC HRY - žádné volné tahy");
        EXPECT_EQ(Ukazan(L("lblHraCilova")), p.Verdikt != nullptr);
        if (p.Verdikt != nullptr) {
            EXPECT_EQ(T(L("lblHraCilova")), p.Verdikt);
        }
    }
    EXPECT_TRUE(Zpravy.empty());
}

// What of the game a type change keeps is the session's.
TEST_F(OknoTest, ZmenaTypuUprostredHryPonechaPostaveniAVyber)
{
    Otevri();
    Skoc(3, 3, 3, 1);  // (3,3) over (3,2) into the empty (3,1)
    EXPECT_EQ(T(L("lblHraTahu")), "1");
    Stiskni(B("btnHraTypHry"));
    EXPECT_EQ(T(L("lblHraTypHry")), "LEIBNIZŮV KAVIREL");
    EXPECT_TRUE(A("mnLeibniz")->isChecked());
    EXPECT_FALSE(A("mnNormalni")->isChecked());
    EXPECT_EQ(T(L("lblHraTahu")), "0");
    EXPECT_FALSE(B("btnHraKrokZpet")->isEnabled());
    EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá polí: 2");
    EXPECT_EQ(T(L("lblHraPrubeh")), "Hra probíhá...");

    // The checked menu item does nothing; the other one switches back.
    A("mnLeibniz")->trigger();
    EXPECT_EQ(HerniDeska().Zaznam.TypHry, thLeibniz);
    EXPECT_TRUE(A("mnLeibniz")->isChecked());
    A("mnNormalni")->trigger();
    EXPECT_EQ(HerniDeska().Zaznam.TypHry, thNormalni);
    EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 31");
    EXPECT_TRUE(A("mnNormalni")->isChecked());
    EXPECT_FALSE(A("mnLeibniz")->isChecked());
}

TEST_F(OknoTest, MenuTypuSledujePosledniUkazanouDeskuANaHreJenPresuneZaskrtnuti)
{
    Otevri();
    ZalozkaUzivatelem(zlNahrat);
    EXPECT_FALSE(M("mnTypHry")->menuAction()->isEnabled());
    JdiNaCislo(QStringLiteral("4"));  // the Leibniz board
    EXPECT_EQ(T(L("lblNahratTypHry")), "LEIBNIZŮV KAVIREL");
    EXPECT_TRUE(A("mnLeibniz")->isChecked());
    ZalozkaUzivatelem(zlHra);
    EXPECT_TRUE(M("mnTypHry")->menuAction()->isEnabled());
    EXPECT_TRUE(A("mnLeibniz")->isChecked());  // until the play tab's type is shown again
    Stiskni(B("btnHraTypHry"));                // the resulting type equals the board's
    EXPECT_TRUE(A("mnNormalni")->isChecked());
    EXPECT_EQ(HerniDeska().Zaznam.TypHry, thNormalni);
    EXPECT_EQ(T(L("lblHraTahu")), "0");
}

TEST_F(OknoTest, CislaPoliPatriZalozceHraAPreziji)
{
    Otevri();
    const auto maCislo = [this] { return MaCislo({4, 4}); };
    for (bool zapnout : {true, false}) {
        SCOPED_TRACE(zapnout);
        if (A("mnCislaPoli")->isChecked() != zapnout)
            A("mnCislaPoli")->trigger();
        EXPECT_EQ(A("mnCislaPoli")->isChecked(), zapnout);
        EXPECT_EQ(maCislo(), zapnout);
        ZalozkaUzivatelem(zlReseni);  // numbers always on there
        EXPECT_TRUE(A("mnCislaPoli")->isChecked());
        EXPECT_FALSE(A("mnCislaPoli")->isEnabled());
        EXPECT_TRUE(maCislo());
        ZalozkaUzivatelem(zlNahrat);
        EXPECT_FALSE(A("mnCislaPoli")->isEnabled());
        ZalozkaUzivatelem(zlHra);
        EXPECT_TRUE(A("mnCislaPoli")->isEnabled());
        EXPECT_EQ(A("mnCislaPoli")->isChecked(), zapnout);
        EXPECT_EQ(maCislo(), zapnout);
    }
}

// A programming error in a handler ends that handler only: its text is shown
// and the next event is served.
TEST_F(OknoTest, ChybaProgramuVObsluzeSeUkazeAProgramPokracuje)
{
    Otevri();
    // A press reported off the board: the rules' range check fails.
    emit PohledDesky()->Stisknuto(TPozice{3, 9});
    EXPECT_TRUE(Zprava(TDruhZpravy::ChybaProgramu, QStringLiteral("Range check error")));
    Skoc(3, 3, 3, 1);
    EXPECT_EQ(T(L("lblHraTahu")), "1");
}
