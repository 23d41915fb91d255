// SPDX-License-Identifier: GPL-3.0-or-later
// Moves taken back and played again, the hint, the automatic replay, playing
// on from a replay, personal bests and the settings kept between runs,
// driven through the real window.
#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstring>

#include "KavirelBarvy.h"
#include "KavirelCil.h"
#include "KavirelNastaveni.h"
#include "KavirelPomocnaOkna.h"
#include "KavirelReseni.h"
#include "KavirelRekordyForm.h"
#include "OknoTest.h"

namespace {

constexpr int CisloLeibniz = 4;
constexpr int CisloPlus = 9;
constexpr int CisloViceskok = 18;  // two rows that never meet: no solution

// The first field of a board in reading order.
TPozice PrvniPole(const TZaznamDesky& z)
{
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            if (z.Pole[x][y].Stav != spNeexistujici)
                return {x, y};
    return {};
}

bool StejnaPole(const TZaznamDesky& a, const TZaznamDesky& b)
{
    return std::memcmp(a.Pole, b.Pole, sizeof a.Pole) == 0 && a.TypHry == b.TypHry;
}

class NavicTest : public OknoTest {
protected:
    void HrajDesku(int cislo)
    {
        ZKatalogu(cislo, "btnNahratHrat");
        ASSERT_EQ(Zalozky()->currentIndex(), zlHra);
    }

    // Fields whose number shows in the replay colour: the marks of a hint.
    bool Oznaceno(TPozice p) const { return MaCislo(p, &TBarvy::BarvaCisloPrubeh); }
    int OznaceniVsude() const
    {
        int n = 0;
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y)
                n += HerniDeska().Zaznam.Pole[x][y].Stav != spNeexistujici && Oznaceno({x, y});
        return n;
    }

    TPozice PoleCislo(int cislo) const
    {
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y)
                if (HerniDeska().Zaznam.Pole[x][y].Stav != spNeexistujici &&
                    HerniDeska().Zaznam.Pole[x][y].Cislo == cislo)
                    return {x, y};
        ADD_FAILURE() << "no field " << cislo;
        return {};
    }

    // Asks for a hint and waits for its answer.
    QString Porad()
    {
        Stiskni(B("btnHraPoradit"));
        EXPECT_TRUE(QTest::qWaitFor([this] { return !HledaRadu(); }, 30000));
        return L("lblHraRada")->isHidden() ? QString() : L("lblHraRada")->text();
    }

    // The solution of the solve tab's search, as the solver hands it over.
    void Vyres(int cislo, const char* tlacitko)
    {
        ZKatalogu(cislo, "Button1");
        Stiskni(B(tlacitko));
        QTRY_VERIFY_WITH_TIMEOUT(!ProbihaHledani(), 30000);
        ASSERT_EQ(T(L("lblReseniPrubeh")), "Řešení nalezeno");
    }
    std::vector<TTahReseni> ReseniTahy() const
    {
        std::vector<TTahReseni> v;
        for (int i = 1; i <= ResenaDeska().Reseni.DejPocet(); ++i)
            v.push_back(ResenaDeska().Reseni.Skok(i));
        return v;
    }
    void Zahraj(const std::vector<TTahReseni>& skoky, std::size_t od = 0)
    {
        for (std::size_t i = od; i < skoky.size(); ++i)
            Skoc(skoky[i].Odkud.X, skoky[i].Odkud.Y, skoky[i].Kam.X, skoky[i].Kam.Y);
    }
};

} // namespace

// ---------------------------------------------------------------------------
// Redo

// A multi-jump is one move, taken back and played again jump by jump.
TEST_F(NavicTest, ViceskokJeJedenTahZpetAVpredPoSkocich)
{
    OtevriTestovaciKatalog();
    HrajDesku(CisloViceskok);
    EXPECT_FALSE(B("btnHraKrokVpred")->isEnabled());
    const TZaznamDesky start = HerniDeska().Zaznam;
    Klik(3, 1);  // an empty field with nothing selected: nothing happens
    EXPECT_EQ(T(L("lblHraPrubeh")), "Nová hra");
    Klik(1, 1);
    EXPECT_EQ(T(L("lblHraPrubeh")), "Hra probíhá...");
    EXPECT_EQ(Ohraniceni(1, 1), BarvaVyberu());
    Klik(3, 1);
    Klik(5, 1);
    Klik(7, 1);
    EXPECT_EQ(T(L("lblHraTahu")), "1");
    EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 3");

    // Back jump by jump; the stone that jumped stays selected at its source.
    Stiskni(B("btnHraKrokZpet"));
    EXPECT_EQ(T(L("lblHraTahu")), "1");
    EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 4");
    EXPECT_EQ(Ohraniceni(5, 1), BarvaVyberu());
    EXPECT_EQ(Ohraniceni(7, 1), BarvaMrizky());
    Klik(2, 3, Qt::RightButton);
    Klik(6, 1, Qt::RightButton);
    EXPECT_TRUE(StejnaPole(HerniDeska().Zaznam, start));
    EXPECT_EQ(Ohraniceni(1, 1), BarvaVyberu());
    EXPECT_EQ(Ohraniceni(3, 1), BarvaMrizky());
    EXPECT_EQ(T(L("lblHraTahu")), "0");
    EXPECT_FALSE(B("btnHraKrokZpet")->isEnabled());
    Klik(2, 3, Qt::RightButton);  // nothing left to take back
    Klik(2, 3, Qt::MiddleButton);
    EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 6");

    // Two jumps of the first stone, then another stone: two moves.
    Klik(3, 1);
    Klik(5, 1);
    Klik(2, 3);  // a second stone moves the selection without rewriting the labels
    EXPECT_EQ(Ohraniceni(5, 1), BarvaMrizky());
    EXPECT_EQ(Ohraniceni(2, 3), BarvaVyberu());
    Klik(1, 3);
    Klik(3, 3);  // (1,3) over (2,3)
    ASSERT_EQ(T(L("lblHraTahu")), "2");
    EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 3");
    const TZaznamDesky konec = HerniDeska().Zaznam;
    for (int i = 0; i < 3; ++i)
        Stiskni(B("btnHraKrokZpet"));
    ASSERT_TRUE(StejnaPole(HerniDeska().Zaznam, start));

    // Forward by the button, the menu and both shortcuts.
    struct TKrok {
        std::function<void()> Akce;
        const char* Tahu;
        const char* Zbyva;
    };
    const TKrok kroky[] = {
        {[&] { Stiskni(B("btnHraKrokVpred")); }, "1", "Zbývá kamenů: 5"},
        {[&] { A("mnKrokVpred")->trigger(); }, "1", "Zbývá kamenů: 4"},
        {[&] { QTest::keyClick(Okno.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }, "2",
         "Zbývá kamenů: 3"},
        {[&] { Stiskni(B("btnHraKrokZpet")); }, "1", "Zbývá kamenů: 4"},
        {[&] { QTest::keyClick(Okno.get(), Qt::Key_Y, Qt::ControlModifier); }, "2", "Zbývá kamenů: 3"},
    };
    for (const TKrok& k : kroky) {
        SCOPED_TRACE(k.Zbyva);
        k.Akce();
        EXPECT_EQ(T(L("lblHraTahu")), k.Tahu);
        EXPECT_EQ(T(L("lblHraZbyva")), k.Zbyva);
    }
    EXPECT_TRUE(StejnaPole(HerniDeska().Zaznam, konec));
    EXPECT_FALSE(B("btnHraKrokVpred")->isEnabled());
    EXPECT_FALSE(A("mnKrokVpred")->isEnabled());
    EXPECT_TRUE(B("btnHraKrokZpet")->isEnabled());

    // A new jump forgets what could be played again.
    Stiskni(B("btnHraKrokZpet"));
    ASSERT_TRUE(B("btnHraKrokVpred")->isEnabled());
    Skoc(1, 3, 3, 3);
    EXPECT_FALSE(B("btnHraKrokVpred")->isEnabled());
    // So does a new game.
    Stiskni(B("btnHraKrokZpet"));
    ASSERT_TRUE(B("btnHraKrokVpred")->isEnabled());
    Stiskni(B("btnHraZnovuRozestavet"));
    EXPECT_FALSE(B("btnHraKrokVpred")->isEnabled());
    EXPECT_TRUE(Zpravy.empty());
}

// ---------------------------------------------------------------------------
// Hint

TEST_F(NavicTest, RadyVedouAzKCiliAKaziNicNeoznacuji)
{
    OtevriTestovaciKatalog();
    HrajDesku(CisloPlus);
    for (int i = 0; i < KapacitaTahu && !JeCilSplnen(HerniDeska().Zaznam); ++i) {
        const QString rada = Porad();
        const QStringList casti = rada.split(QLatin1Char(' '));
        ASSERT_TRUE(rada.startsWith(QStringLiteral("Táhněte z pole ")) && casti.size() == 7) << rada.toStdString();
        const TPozice a = PoleCislo(casti[3].toInt());
        const TPozice b = PoleCislo(casti[6].toInt());
        EXPECT_TRUE(Oznaceno(a));
        EXPECT_TRUE(Oznaceno(b));
        ASSERT_TRUE(HerniDeska().JeSkokPlatny(a, b));
        Skoc(a.X, a.Y, b.X, b.Y);
        EXPECT_TRUE(L("lblHraRada")->isHidden());
        EXPECT_EQ(OznaceniVsude(), 0);
    }
    EXPECT_TRUE(JeCilSplnen(HerniDeska().Zaznam));
    EXPECT_EQ(Porad(), "Cíl hry je už splněn");

    // A position without a solution marks nothing.
    HrajDesku(CisloViceskok);
    EXPECT_EQ(Porad(), "Z této pozice už řešení neexistuje");
    EXPECT_EQ(OznaceniVsude(), 0);
    EXPECT_TRUE(Zpravy.empty());
}

// A hint still awaited ends with the next press; one shown, with a new game
// or another game type.
TEST_F(NavicTest, RaduZrusiStiskNovaHraIZmenaTypu)
{
    struct TPripad {
        const char* Nazev;
        bool Ukazana;  // the answer is shown before the action
        std::function<void()> Akce;
        const char* Tahu;
    };
    const TPripad pripady[] = {
        {"left press", false, [this] { Klik(3, 5); }, "1"},
        {"right press", false, [this] { Klik(3, 5, Qt::RightButton); }, "0"},
        {"the same button", false, [this] { Stiskni(B("btnHraPoradit")); }, "1"},
        {"new game", true, [this] { Stiskni(B("btnHraZnovuRozestavet")); }, "0"},
        {"game type", true, [this] { Stiskni(B("btnHraTypHry")); }, "0"},
    };
    Otevri();
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        Stiskni(B("btnHraZnovuRozestavet"));
        Skoc(3, 3, 3, 1);  // English board: into the corner hole
        if (p.Ukazana) {
            ASSERT_TRUE(Porad().startsWith(QStringLiteral("Táhněte z pole ")));
            ASSERT_GT(OznaceniVsude(), 0);
        } else {
            // The press comes before the answer can: it is delivered by a
            // queued call, which runs only after this press.
            Stiskni(B("btnHraPoradit"));
            EXPECT_EQ(T(B("btnHraPoradit")), "Zrušit radu");
        }
        p.Akce();
        EXPECT_EQ(T(B("btnHraPoradit")), "Poradit tah");
        QTRY_COMPARE_WITH_TIMEOUT(VlakenRady(), 0, 30000);
        QCoreApplication::processEvents();
        EXPECT_TRUE(L("lblHraRada")->isHidden());
        EXPECT_EQ(OznaceniVsude(), 0);
        EXPECT_EQ(T(L("lblHraTahu")), p.Tahu);  // the action itself acted
    }
    EXPECT_TRUE(Zpravy.empty());
}

TEST_F(NavicTest, RadaBeziVedleHledaniNaZalozceReseni)
{
    OtevriTestovaciKatalog();
    // A search that runs until it is stopped.
    ZKatalogu(2, "Button1");
    Stiskni(B("btnReseniNejkratsi"));
    ASSERT_TRUE(ProbihaHledani());
    HrajDesku(CisloPlus);
    EXPECT_TRUE(Porad().startsWith(QStringLiteral("Táhněte z pole ")));
    EXPECT_TRUE(ProbihaHledani());  // the solve tab's search goes on
    B("btnReseniZastavit")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!ProbihaHledani(), 30000);
    EXPECT_EQ(T(L("lblReseniPrubeh")), "Řešení přerušeno uživatelem");
}

// ---------------------------------------------------------------------------
// Automatic replay and playing on

TEST_F(NavicTest, PrehraniZastaviTlacitkoIStiskAHraOdsud)
{
    struct TPripad {
        int Cislo;
        const char* Zastaveni;
    };
    const TPripad pripady[] = {{CisloPlus, "Zastavit"}, {CisloLeibniz, "press"}};
    OtevriTestovaciKatalog();
    EXPECT_FALSE(B("btnReseniPrehrat")->isEnabled());  // nothing to replay yet
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Cislo);
        Vyres(p.Cislo, "btnReseniNejrychlejsi");
        const std::vector<TTahReseni> skoky = ReseniTahy();
        TGameDeska ocekavana;
        ocekavana.Nastav(ResenaDeska().Zaznam);
        for (const TTahReseni& s : skoky)
            ocekavana.ProvedSkok(s.Odkud, s.Kam, StredSkoku(s.Odkud, s.Kam));

        // Played to the end, the replay leaves what the jumps by hand leave.
        CasovacPrehrani()->setInterval(1);
        Stiskni(B("btnReseniPrehrat"));
        EXPECT_EQ(T(B("btnReseniPrehrat")), "Zastavit");
        QTRY_VERIFY_WITH_TIMEOUT(!PrehravaSe(), 30000);
        EXPECT_EQ(T(B("btnReseniPrehrat")), "Přehrát");
        EXPECT_TRUE(StejnaPole(ResenaDeska().Zaznam, ocekavana.Zaznam));
        EXPECT_EQ(T(L("lblReseniTahu")), std::to_string(ResenaDeska().Reseni.DejPocetTahu()));
        EXPECT_TRUE(B("btnReseniKrokZpet")->isEnabled());

        // Again from the start, stopped halfway.
        CasovacPrehrani()->setInterval(20);
        Stiskni(B("btnReseniPrehrat"));
        // Watched closely, so that the stop comes in the middle.
        const int pulka = static_cast<int>(skoky.size()) / 2;
        for (int i = 0; i < 100000 && PrehravaSe() && ResenaDeska().Reseni.DejPozici() <= pulka; ++i)
            QTest::qWait(1);
        ASSERT_TRUE(PrehravaSe());
        if (std::string(p.Zastaveni) == "Zastavit") {
            Stiskni(B("btnReseniPrehrat"));
        } else {
            const TTahy pred = ResenaDeska().Tahy;
            const TPozice pole = PrvniPole(ResenaDeska().Zaznam);
            Klik(pole.X, pole.Y, Qt::RightButton);  // stops the replay and does nothing else
            EXPECT_EQ(ResenaDeska().Tahy.DejAktualni(), pred.DejAktualni());
        }
        EXPECT_FALSE(PrehravaSe());
        const int pozice = ResenaDeska().Reseni.DejPozici();
        QTest::qWait(20);
        EXPECT_EQ(ResenaDeska().Reseni.DejPozici(), pozice);
        ASSERT_LE(pozice, static_cast<int>(skoky.size()));

        // Playing on from there is a new game of that position.
        const TZaznamDesky odsud = ResenaDeska().Zaznam;
        Stiskni(B("btnReseniHratOdsud"));
        ASSERT_EQ(Zalozky()->currentIndex(), zlHra);
        EXPECT_TRUE(StejnaPole(HerniDeska().Zaznam, odsud));
        EXPECT_EQ(T(L("lblHraTahu")), "0");
        EXPECT_EQ(T(L("lblHraPrubeh")), "Nová hra");
        EXPECT_FALSE(B("btnHraKrokZpet")->isEnabled());
        // The rest of the solution wins it, a board of its own for the records.
        Zahraj(skoky, static_cast<std::size_t>(pozice - 1));
        EXPECT_TRUE(JeCilSplnen(HerniDeska().Zaznam));
        EXPECT_EQ(T(L("lblHraRekord")), "Nový osobní rekord: " + TextTahu(HerniDeska().Tahy.DejPocetTahu()).toStdString());
        // "Znovu rozestavět" goes back to the position played from.
        Stiskni(B("btnHraZnovuRozestavet"));
        EXPECT_TRUE(StejnaPole(HerniDeska().Zaznam, odsud));
    }
    EXPECT_TRUE(Zpravy.empty());
}

// ---------------------------------------------------------------------------
// Personal bests

TEST_F(NavicTest, OsobniRekordNastavenAPrekonan)
{
    // Board 9 once more under another number and name: the same board.
    std::vector<TZaznamDesky> katalog = TestovaciKatalog();
    TZaznamDesky kopie = katalog.at(CisloPlus - 1);
    NastavNazev(kopie, "Plus znovu");
    katalog.push_back(kopie);
    const int cisloKopie = static_cast<int>(katalog.size());
    ZapisKatalog(katalog);
    Otevri();
    Vyres(CisloPlus, "btnReseniNejkratsi");
    const std::vector<TTahReseni> nejkratsi = ReseniTahy();
    const int minimum = ResenaDeska().Reseni.DejPocetTahu();
    // A longer way: the fastest search's solution.
    Vyres(CisloPlus, "btnReseniNejrychlejsi");
    const std::vector<TTahReseni> delsi = ReseniTahy();
    const int vice = ResenaDeska().Reseni.DejPocetTahu();
    ASSERT_GT(vice, minimum);
    // What the win's story is to say last: the solver's least number.
    Vyres(CisloPlus, "btnReseniNejmene");
    const int nejmene = ResenaDeska().Reseni.DejPocetTahu();
    ASSERT_LE(nejmene, minimum);

    struct THra {
        int Cislo;
        const std::vector<TTahReseni>* Skoky;
        std::string Text;
        std::string Pribeh;  // the banner's line of the best
    };
    const std::string novy = "Nový osobní rekord na této desce!";
    const THra hry[] = {
        {CisloPlus, &delsi, "Nový osobní rekord: " + TextTahu(vice).toStdString(), novy},
        {CisloPlus, &delsi, "Osobní rekord: " + TextTahu(vice).toStdString(),
         "Váš rekord na této desce: " + TextTahu(vice).toStdString()},
        {cisloKopie, &nejkratsi, "Nový osobní rekord: " + TextTahu(minimum).toStdString(), novy},
        {CisloPlus, &delsi, "Osobní rekord: " + TextTahu(minimum).toStdString(),
         "Váš rekord na této desce: " + TextTahu(minimum).toStdString()},
    };
    QWidget* pribeh = O("PribehVyhry");
    for (const THra& h : hry) {
        SCOPED_TRACE(h.Text);
        HrajDesku(h.Cislo);
        EXPECT_TRUE(L("lblHraRekord")->isHidden());
        EXPECT_TRUE(pribeh->isHidden());
        Zahraj(*h.Skoky);
        EXPECT_EQ(T(L("lblHraRekord")), h.Text);
        EXPECT_FALSE(L("lblHraRekord")->isHidden());
        // The story of the win, beside the board and not in the keyboard's way.
        ASSERT_TRUE(pribeh->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), PohledDesky());
        EXPECT_EQ(T(L("lblVyhraTahu")), "Cíl splněn za " + TextTahu(HerniDeska().Tahy.DejPocetTahu()).toStdString() + ".");
        EXPECT_EQ(T(L("lblVyhraNejlepe")), h.Pribeh);
        QTRY_COMPARE_WITH_TIMEOUT(T(L("lblVyhraNejmene")), "Nejméně tahů: " + std::to_string(nejmene), 60000);
        // The line and the story belong to the won game only.
        Stiskni(B("btnHraKrokZpet"));
        EXPECT_TRUE(L("lblHraRekord")->isHidden());
        EXPECT_TRUE(pribeh->isHidden());
        EXPECT_FALSE(Resitel()->PocitaNejmene());
    }

    A("mnRekordy")->trigger();
    auto* okno = Okno->findChild<TRekordyForm*>();
    ASSERT_NE(okno, nullptr);
    EXPECT_TRUE(okno->isVisible());
    ASSERT_EQ(okno->findChild<QTableWidget*>()->rowCount(), 1);
    EXPECT_EQ(okno->findChild<QTableWidget*>()->item(0, 2)->text(), QString::number(minimum));
    EXPECT_EQ(okno->findChild<QTableWidget*>()->item(0, 0)->text(), "Plus znovu");  // named by the game that set it
    EXPECT_TRUE(Zpravy.empty());
}

// The bests and the statistics left open beside the board follow each win,
// and the board keeps the keyboard for the next game.
TEST_F(NavicTest, OtevreneOknoVyhruSledujeBezFokusu)
{
    Otevri();
    Vyres(CisloPlus, "btnReseniNejrychlejsi");
    const std::vector<TTahReseni> skoky = ReseniTahy();
    struct TPripad {
        const char* Polozka;
        const char* Tabulka;
        int Sloupec;          // the column that the win changes
        const char* PoVyhre;  // its text after this case's win
    };
    const TPripad pripady[] = {
        {"mnRekordy", "tblRekordy", 2, nullptr},     // the moves of the game played
        {"mnStatistika", "tblStatistika", 3, "2"},  // wins, the first case's one included
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Polozka);
        HrajDesku(CisloPlus);
        A(p.Polozka)->trigger();
        auto* tabulka = Okno->findChild<QTableWidget*>(QString::fromLatin1(p.Tabulka));
        ASSERT_NE(tabulka, nullptr);
        const int radku = tabulka->rowCount();
        Okno->activateWindow();
        PohledDesky()->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(PohledDesky()));
        Zahraj(skoky);
        ASSERT_FALSE(L("lblHraRekord")->isHidden());
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(PohledDesky()));
        EXPECT_TRUE(tabulka->window()->isVisible());
        ASSERT_EQ(tabulka->rowCount(), std::max(radku, 1));
        const QString ocekavany = p.PoVyhre != nullptr ? QString::fromLatin1(p.PoVyhre)
                                                       : QString::number(HerniDeska().Tahy.DejPocetTahu());
        EXPECT_EQ(tabulka->item(0, p.Sloupec)->text(), ocekavany);
        tabulka->window()->close();
    }
    EXPECT_TRUE(Zpravy.empty());
}

// ---------------------------------------------------------------------------
// Settings

TEST_F(NavicTest, NastaveniPrezijeRestart)
{
    OtevriTestovaciKatalog();
    VytvorPomocnaOkna(Okno.get());
    const TBarva kamen = 0x00123456;
    auto* barvy = O<TBarvyForm>(QStringLiteral("BarvyForm"));
    barvy->VolbaBarvy = [kamen](QColor& c) {
        c = BarvaNaQColor(kamen);
        return true;
    };
    QTimer::singleShot(0, qApp, [barvy] {
        QTest::mouseClick(barvy->findChild<QPushButton*>("ButtonKamen"), Qt::LeftButton);
        QTest::mouseClick(barvy->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
    });
    A("mnBarvy")->trigger();
    ASSERT_EQ(BarvyDesky().BarvaKamen, kamen);
    A("mnCislaPoli")->trigger();
    ASSERT_TRUE(A("mnCislaPoli")->isChecked());
    HrajDesku(CisloPlus);
    const std::string nazev = T(L("lblHraNazevDesky"));
    Vyres(CisloPlus, "btnReseniNejkratsi");
    const std::vector<TTahReseni> skoky = ReseniTahy();
    ZalozkaUzivatelem(zlHra);
    Zahraj(skoky);
    ASSERT_FALSE(L("lblHraRekord")->isHidden());
    const int tahu = HerniDeska().Tahy.DejPocetTahu();
    {
        // The best and the game's count are in the file already, before the game ends.
        TNastaveni zapsane;
        zapsane.Nacti();
        EXPECT_EQ(zapsane.Rekordy.size(), 1u);
        ASSERT_EQ(zapsane.Statistiky.Desky().size(), 1u);
        EXPECT_EQ(zapsane.Statistiky.Desky()[0].Vyher, 1);
    }
    A("mnAnimace")->trigger();
    ASSERT_FALSE(A("mnAnimace")->isChecked());
    ZalozkaUzivatelem(zlReseni);  // the menu shows the solve tab's rule here
    Zavri();
    EXPECT_FALSE(QFile::exists(TNastaveni::VychoziSoubor() + QStringLiteral(".tmp")));

    Otevri();
    VytvorPomocnaOkna(Okno.get());
    EXPECT_EQ(BarvyDesky().BarvaKamen, kamen);
    EXPECT_EQ(BarvyPalety().BarvaKamen, kamen);
    TBarvy ukazka;
    O<TBarvyForm>(QStringLiteral("BarvyForm"))->DejUkazku()->DejBarvy(ukazka);
    EXPECT_EQ(ukazka.BarvaKamen, kamen);
    EXPECT_TRUE(A("mnCislaPoli")->isChecked());
    EXPECT_EQ(T(L("lblHraNazevDesky")), nazev);
    EXPECT_EQ(T(L("lblNahratCisloDesky")), std::to_string(CisloPlus));
    EXPECT_FALSE(A("mnAnimace")->isChecked());
    Zahraj(skoky);
    EXPECT_FALSE(PohledDesky()->AnimaceBezi());
    EXPECT_EQ(T(L("lblHraRekord")), "Osobní rekord: " + TextTahu(tahu).toStdString());
    // The statistics of both runs: two games, two wins.
    A("mnStatistika")->trigger();
    auto* tabulka = O<QTableWidget>(QStringLiteral("tblStatistika"));
    ASSERT_EQ(tabulka->rowCount(), 1);
    const QString radek[] = {QString::fromStdString(nazev), QStringLiteral("normální"), QStringLiteral("2"),
                             QStringLiteral("2"), QString::number(tahu)};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(tabulka->item(0, i)->text(), radek[i]) << i;
    EXPECT_TRUE(Zpravy.empty());
}

TEST_F(NavicTest, PoskozeneNastaveniSeIgnorujeAPrepiseCele)
{
    struct TPripad {
        const char* Nazev;
        QByteArray Obsah;
    };
    const TPripad pripady[] = {
        {"binary noise", QByteArray("\x00\xff\x13[\x01\x02=\x7f\n\x00", 10).repeated(50)},
        {"values out of range",
         "[Barvy]\nKamen=zelena\nPole=#12345\n[Zobrazeni]\nCislaPoli=mozna\n[Hra]\nPosledniDeska=999\n"
         "[Rekordy]\nsize=2\n1\\Deska=xx\n1\\Tahu=3\n1\\Kdy=2026-01-01T00:00:00Z\n2\\Deska=" +
             QByteArray(81, 'x') + "0\n2\\Tahu=-5\n2\\Kdy=nikdy\n"},
        {"half a file", "[Barvy]\nKamen=#00ff"},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        const QString soubor = TNastaveni::VychoziSoubor();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(soubor).absolutePath()));
        ZapisSoubor(soubor, p.Obsah);
        Otevri();
        EXPECT_EQ(BarvyDesky(), StandardniBarvy());
        EXPECT_FALSE(A("mnCislaPoli")->isChecked());
        EXPECT_EQ(T(L("lblHraNazevDesky")), "Anglická hrací deska");
        EXPECT_TRUE(Zpravy.empty());
        Zavri();
        // Written whole: every value reads back as the defaults.
        TNastaveni n(soubor);
        n.Nacti();
        EXPECT_EQ(n.Barvy, StandardniBarvy());
        EXPECT_TRUE(n.Rekordy.empty());
        EXPECT_EQ(n.PosledniDeska, 0);
        QSettings s(soubor, QSettings::IniFormat);
        EXPECT_EQ(s.status(), QSettings::NoError);
        EXPECT_EQ(s.value(QStringLiteral("Barvy/Kamen")).toString(), BarvaNaQColor(StandardniBarvy().BarvaKamen).name());
    }
}

TEST(Nastaveni, NeulozitelneNastaveniNechaStarySouborBezZmeny)
{
    QTemporaryDir adresar;
    ASSERT_TRUE(adresar.isValid());
    // The file's place is taken by a directory: nothing can be written, and
    // reading gives the defaults.
    const QString soubor = adresar.filePath(QStringLiteral("Kavirel.conf"));
    ASSERT_TRUE(QDir().mkpath(soubor));
    TNastaveni n(soubor);
    n.Nacti();
    EXPECT_EQ(n.Barvy, StandardniBarvy());
    n.CislaPoli = true;
    EXPECT_FALSE(n.Uloz());
    EXPECT_TRUE(QFileInfo(soubor).isDir());
    EXPECT_FALSE(QFile::exists(soubor + QStringLiteral(".tmp")));
}

TEST(Nastaveni, TvarSlovaTahPodlePoctu)
{
    const std::pair<int, const char*> pripady[] = {{1, "1 tah"}, {2, "2 tahy"}, {4, "4 tahy"},
                                                   {5, "5 tahů"}, {16, "16 tahů"}, {18, "18 tahů"}};
    for (const auto& [n, text] : pripady)
        EXPECT_EQ(TextTahu(n), text);
}
