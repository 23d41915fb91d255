// SPDX-License-Identifier: GPL-3.0-or-later
// Moves taken back and played again, the hint, the automatic replay, playing
// on from a replay, personal bests and the settings kept between runs,
// driven through the real window.
#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>

#include <cstring>

#include "KavirelBarvy.h"
#include "KavirelCil.h"
#include "KavirelNastaveni.h"
#include "KavirelPomocnaOkna.h"
#include "KavirelReseni.h"
#include "OknoTest.h"

namespace {

constexpr int CisloLeibniz = 4;
constexpr int CisloPlus = 9;
constexpr int CisloViceskok = 18;  // two rows that never meet: no solution
constexpr int CisloLeibnizA = 19;  // one jump to the goal

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
    void Zahraj(const std::vector<TTahReseni>& skoky)
    {
        for (const TTahReseni& s : skoky)
            Skoc(s.Odkud.X, s.Odkud.Y, s.Kam.X, s.Kam.Y);
    }
};

} // namespace

// ---------------------------------------------------------------------------
// Redo

// Steps back and forward reach the session by every way in (the buttons, the
// right mouse button, the menu and both shortcuts), and the forward button
// and menu item follow whether there is a jump to play again. How far each
// step goes, and what forgets the jumps taken back, is the session's.
TEST_F(NavicTest, KrokZpetAVpredKazdouCestou)
{
    Otevri();
    EXPECT_FALSE(B("btnHraKrokVpred")->isEnabled());
    Klik(3, 3);
    EXPECT_EQ(T(L("lblHraPrubeh")), "Hra probíhá...");
    Skoc(3, 3, 3, 1);
    Skoc(5, 2, 3, 2);  // English board: another stone, the second move
    struct TKrok {
        std::function<void()> Akce;
        const char* Tahu;
        bool Vpred;  // a jump to play again
    };
    const TKrok kroky[] = {
        {[&] { Stiskni(B("btnHraKrokZpet")); }, "1", true},
        {[&] { Klik(4, 4, Qt::RightButton); }, "0", true},
        {[&] { Stiskni(B("btnHraKrokVpred")); }, "1", true},
        {[&] { A("mnKrokVpred")->trigger(); }, "2", false},
        {[&] { Klik(4, 4, Qt::RightButton); }, "1", true},
        {[&] { QTest::keyClick(Okno.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }, "2", false},
        {[&] { Stiskni(B("btnHraKrokZpet")); }, "1", true},
        {[&] { QTest::keyClick(Okno.get(), Qt::Key_Y, Qt::ControlModifier); }, "2", false},
        {[&] { Stiskni(B("btnHraKrokZpet")); }, "1", true},
        {[&] { Stiskni(B("btnHraZnovuRozestavet")); }, "0", false},
    };
    for (const TKrok& k : kroky) {
        SCOPED_TRACE(&k - kroky);
        k.Akce();
        EXPECT_EQ(T(L("lblHraTahu")), k.Tahu);
        EXPECT_EQ(B("btnHraKrokVpred")->isEnabled(), k.Vpred);
        EXPECT_EQ(A("mnKrokVpred")->isEnabled(), k.Vpred);
    }
    EXPECT_TRUE(Zpravy.empty());
}

// ---------------------------------------------------------------------------
// Hint

// A hint names a jump and marks its two fields, which the jump clears; the
// verdicts of a goal met and of no way on mark nothing. Where the hints lead
// is the solver's.
TEST_F(NavicTest, RadaOznaciSvujSkokAVerdiktyNicNeoznacuji)
{
    OtevriTestovaciKatalog();
    HrajDesku(CisloLeibnizA);
    const QString rada = Porad();
    const QStringList casti = rada.split(QLatin1Char(' '));
    ASSERT_TRUE(rada.startsWith(QStringLiteral("Táhněte z pole ")) && casti.size() == 7) << rada.toStdString();
    const TPozice a = PoleCislo(casti[3].toInt());
    const TPozice b = PoleCislo(casti[6].toInt());
    EXPECT_TRUE(Oznaceno(a));
    EXPECT_TRUE(Oznaceno(b));
    EXPECT_EQ(OznaceniVsude(), 2);
    Skoc(a.X, a.Y, b.X, b.Y);
    EXPECT_TRUE(L("lblHraRada")->isHidden());
    EXPECT_EQ(OznaceniVsude(), 0);
    ASSERT_TRUE(JeCilSplnen(HerniDeska().Zaznam));
    EXPECT_EQ(Porad(), "Cíl hry je už splněn");

    HrajDesku(CisloViceskok);
    EXPECT_EQ(Porad(), "Z této pozice už řešení neexistuje");
    EXPECT_EQ(OznaceniVsude(), 0);
    EXPECT_TRUE(Zpravy.empty());
}

// A hint ends with the next press or any change of the position: still
// awaited, shown with its marks, or the verdict that there is no way on.
TEST_F(NavicTest, RaduZrusiStiskAKazdaZmenaPozice)
{
    enum TRada { Ceka, Ukazana, Verdikt };
    struct TPripad {
        const char* Nazev;
        TRada Rada;
        std::function<void()> Akce;
        const char* Tahu;
    };
    const TPripad pripady[] = {
        {"left press", Ceka, [this] { Klik(3, 5); }, "1"},
        {"right press", Ceka, [this] { Klik(3, 5, Qt::RightButton); }, "0"},
        {"the same button", Ceka, [this] { Stiskni(B("btnHraPoradit")); }, "1"},
        {"new game", Ukazana, [this] { Stiskni(B("btnHraZnovuRozestavet")); }, "0"},
        {"a jump", Verdikt, [this] { Skoc(1, 3, 3, 3); }, "2"},
        {"a step back", Verdikt, [this] { Stiskni(B("btnHraKrokZpet")); }, "0"},
        {"a step forward", Verdikt, [this] { Stiskni(B("btnHraKrokVpred")); }, "2"},
    };
    OtevriTestovaciKatalog();
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        if (p.Rada == Verdikt) {
            // A move, and a second one taken back.
            HrajDesku(CisloViceskok);
            Skoc(1, 1, 3, 1);
            Skoc(1, 3, 3, 3);
            Stiskni(B("btnHraKrokZpet"));
            ASSERT_EQ(Porad(), "Z této pozice už řešení neexistuje");
        } else {
            HrajDesku(1);
            Skoc(3, 3, 3, 1);  // English board: into the corner hole
            if (p.Rada == Ukazana) {
                ASSERT_TRUE(Porad().startsWith(QStringLiteral("Táhněte z pole ")));
                ASSERT_GT(OznaceniVsude(), 0);
            } else {
                // The press comes before the answer can: it is delivered by
                // a queued call, which runs only after this press.
                Stiskni(B("btnHraPoradit"));
                EXPECT_EQ(T(B("btnHraPoradit")), "Zrušit radu");
            }
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
        // Played to the end it stops by itself (what each step does is the
        // session's).
        CasovacPrehrani()->setInterval(1);
        Stiskni(B("btnReseniPrehrat"));
        EXPECT_EQ(T(B("btnReseniPrehrat")), "Zastavit");
        QTRY_VERIFY_WITH_TIMEOUT(!PrehravaSe(), 30000);
        EXPECT_EQ(T(B("btnReseniPrehrat")), "Přehrát");
        EXPECT_EQ(ResenaDeska().Reseni.DejPozici(), static_cast<int>(skoky.size()) + 1);
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

        // Playing on from there is a new game of that position (which
        // position it starts again from, the session's).
        const TZaznamDesky odsud = ResenaDeska().Zaznam;
        Stiskni(B("btnReseniHratOdsud"));
        ASSERT_EQ(Zalozky()->currentIndex(), zlHra);
        EXPECT_TRUE(StejnaPole(HerniDeska().Zaznam, odsud));
        EXPECT_EQ(T(L("lblHraTahu")), "0");
        EXPECT_EQ(T(L("lblHraPrubeh")), "Nová hra");
        EXPECT_FALSE(B("btnHraKrokZpet")->isEnabled());
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
        int Rekord;
    };
    const std::string novy = "Nový osobní rekord na této desce!";
    const THra hry[] = {
        {CisloPlus, &delsi, "Nový osobní rekord: " + TextTahu(vice).toStdString(), novy, vice},
        {CisloPlus, &delsi, "Osobní rekord: " + TextTahu(vice).toStdString(),
         "Váš rekord na této desce: " + TextTahu(vice).toStdString(), vice},
        {cisloKopie, &nejkratsi, "Nový osobní rekord: " + TextTahu(minimum).toStdString(), novy, minimum},
        {CisloPlus, &delsi, "Osobní rekord: " + TextTahu(minimum).toStdString(),
         "Váš rekord na této desce: " + TextTahu(minimum).toStdString(), minimum},
    };
    QWidget* pribeh = O("PribehVyhry");
    // The bests and the statistics, left open beside the board, follow each
    // win without taking the keyboard.
    A("mnRekordy")->trigger();
    A("mnStatistika")->trigger();
    auto* rekordy = O<QTableWidget>(QStringLiteral("tblRekordy"));
    auto* statistika = O<QTableWidget>(QStringLiteral("tblStatistika"));
    Okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Okno.get()));
    int vyher = 0;
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
        ASSERT_EQ(rekordy->rowCount(), 1);
        EXPECT_EQ(rekordy->item(0, 2)->text(), QString::number(h.Rekord));
        ASSERT_EQ(statistika->rowCount(), 1);
        EXPECT_EQ(statistika->item(0, 3)->text(), QString::number(++vyher));
        // The line and the story belong to the won game only.
        Stiskni(B("btnHraKrokZpet"));
        EXPECT_TRUE(L("lblHraRekord")->isHidden());
        EXPECT_TRUE(pribeh->isHidden());
        EXPECT_FALSE(Resitel()->PocitaNejmene());
    }

    EXPECT_TRUE(rekordy->window()->isVisible());
    EXPECT_TRUE(statistika->window()->isVisible());
    EXPECT_EQ(rekordy->item(0, 0)->text(), "Plus znovu");  // named by the game that set it
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
        // Written whole at the end (which values, the settings file's test).
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
