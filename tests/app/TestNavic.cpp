// SPDX-License-Identifier: GPL-3.0-or-later
// Moves taken back and played again, the hint, the automatic replay, playing
// on from a replay, personal bests and the settings kept between runs,
// driven through the real window.
#include <QAction>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>

#include <array>
#include <cstring>

#include "KavirelBarvy.h"
#include "KavirelCil.h"
#include "KavirelNastaveni.h"
#include "KavirelPomocnaOkna.h"
#include "KavirelRadce.h"
#include "KavirelReseni.h"
#include "KavirelRekordyForm.h"
#include "OknoTest.h"

namespace {

constexpr int CisloLeibniz = 4;
constexpr int CisloPlus = 9;
constexpr int CisloViceskok = 18;  // two rows that never meet: no solution

bool StejnaPole(const TZaznamDesky& a, const TZaznamDesky& b)
{
    return std::memcmp(a.Pole, b.Pole, sizeof a.Pole) == 0 && a.TypHry == b.TypHry;
}

class NavicTest : public OknoTest {
protected:
    void HrajDesku(int cislo)
    {
        ZKatalogu(cislo, &TMainForm::btnNahratHrat);
        ASSERT_EQ(Okno->Zalozky->currentIndex(), zlHra);
    }

    // Fields whose number shows in the replay colour: the marks of a hint.
    bool Oznaceno(TPozice p) const { return MaCislo(p, &TBarvy::BarvaCisloPrubeh); }
    int OznaceniVsude() const
    {
        int n = 0;
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y)
                n += Okno->HerniDeska->Zaznam.Pole[x][y].Stav != spNeexistujici && Oznaceno({x, y});
        return n;
    }

    TPozice PoleCislo(int cislo) const
    {
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y)
                if (Okno->HerniDeska->Zaznam.Pole[x][y].Stav != spNeexistujici &&
                    Okno->HerniDeska->Zaznam.Pole[x][y].Cislo == cislo)
                    return {x, y};
        ADD_FAILURE() << "no field " << cislo;
        return {};
    }

    // Asks for a hint and waits for its answer.
    QString Porad()
    {
        Stiskni(Okno->btnHraPoradit);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !Okno->Radce->Hleda(); }, 30000));
        return Okno->lblHraRada->isHidden() ? QString() : Okno->lblHraRada->text();
    }

    // The solution of the solve tab's search, as the solver hands it over.
    void Vyres(int cislo, QPushButton* TMainForm::*tlacitko)
    {
        ZKatalogu(cislo, &TMainForm::Button1);
        Stiskni(Okno.get()->*tlacitko);
        QTRY_VERIFY_WITH_TIMEOUT(!Okno->ProbihaReseni(), 30000);
        ASSERT_EQ(T(Okno->lblReseniPrubeh), "Řešení nalezeno");
    }
    std::vector<TTahReseni> ReseniTahy() const
    {
        std::vector<TTahReseni> v;
        for (int i = 1; i <= Okno->ResenaDeska->Reseni.DejPocet(); ++i)
            v.push_back(Okno->ResenaDeska->Reseni.Skok(i));
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
    EXPECT_FALSE(Okno->btnHraKrokVpred->isEnabled());
    const TZaznamDesky start = Okno->HerniDeska->Zaznam;
    Klik(3, 1);  // an empty field with nothing selected: nothing happens
    EXPECT_EQ(T(Okno->lblHraPrubeh), "Nová hra");
    Klik(1, 1);
    EXPECT_EQ(T(Okno->lblHraPrubeh), "Hra probíhá...");
    EXPECT_EQ(Ohraniceni(1, 1), BarvaVyberu());
    Klik(3, 1);
    Klik(5, 1);
    Klik(7, 1);
    EXPECT_EQ(T(Okno->lblHraTahu), "1");
    EXPECT_EQ(T(Okno->lblHraZbyva), "Zbývá kamenů: 3");

    // Back jump by jump; the stone that jumped stays selected at its source.
    Stiskni(Okno->btnHraKrokZpet);
    EXPECT_EQ(T(Okno->lblHraTahu), "1");
    EXPECT_EQ(T(Okno->lblHraZbyva), "Zbývá kamenů: 4");
    EXPECT_EQ(Ohraniceni(5, 1), BarvaVyberu());
    EXPECT_EQ(Ohraniceni(7, 1), BarvaMrizky());
    Klik(2, 3, Qt::RightButton);
    Klik(6, 1, Qt::RightButton);
    EXPECT_TRUE(StejnaPole(Okno->HerniDeska->Zaznam, start));
    EXPECT_EQ(Ohraniceni(1, 1), BarvaVyberu());
    EXPECT_EQ(Ohraniceni(3, 1), BarvaMrizky());
    EXPECT_EQ(T(Okno->lblHraTahu), "0");
    EXPECT_FALSE(Okno->btnHraKrokZpet->isEnabled());
    Klik(2, 3, Qt::RightButton);  // nothing left to take back
    Klik(2, 3, Qt::MiddleButton);
    EXPECT_EQ(T(Okno->lblHraZbyva), "Zbývá kamenů: 6");

    // Two jumps of the first stone, then another stone: two moves.
    Klik(3, 1);
    Klik(5, 1);
    Klik(2, 3);  // a second stone moves the selection without rewriting the labels
    EXPECT_EQ(Ohraniceni(5, 1), BarvaMrizky());
    EXPECT_EQ(Ohraniceni(2, 3), BarvaVyberu());
    Klik(1, 3);
    Klik(3, 3);  // (1,3) over (2,3)
    ASSERT_EQ(T(Okno->lblHraTahu), "2");
    EXPECT_EQ(T(Okno->lblHraZbyva), "Zbývá kamenů: 3");
    const TZaznamDesky konec = Okno->HerniDeska->Zaznam;
    for (int i = 0; i < 3; ++i)
        Stiskni(Okno->btnHraKrokZpet);
    ASSERT_TRUE(StejnaPole(Okno->HerniDeska->Zaznam, start));

    // Forward by the button, the menu and both shortcuts.
    struct TKrok {
        std::function<void()> Akce;
        const char* Tahu;
        const char* Zbyva;
    };
    const TKrok kroky[] = {
        {[&] { Stiskni(Okno->btnHraKrokVpred); }, "1", "Zbývá kamenů: 5"},
        {[&] { Okno->mnKrokVpred->trigger(); }, "1", "Zbývá kamenů: 4"},
        {[&] { QTest::keyClick(Okno.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }, "2",
         "Zbývá kamenů: 3"},
        {[&] { Stiskni(Okno->btnHraKrokZpet); }, "1", "Zbývá kamenů: 4"},
        {[&] { QTest::keyClick(Okno.get(), Qt::Key_Y, Qt::ControlModifier); }, "2", "Zbývá kamenů: 3"},
    };
    for (const TKrok& k : kroky) {
        SCOPED_TRACE(k.Zbyva);
        k.Akce();
        EXPECT_EQ(T(Okno->lblHraTahu), k.Tahu);
        EXPECT_EQ(T(Okno->lblHraZbyva), k.Zbyva);
    }
    EXPECT_TRUE(StejnaPole(Okno->HerniDeska->Zaznam, konec));
    EXPECT_FALSE(Okno->btnHraKrokVpred->isEnabled());
    EXPECT_FALSE(Okno->mnKrokVpred->isEnabled());
    EXPECT_TRUE(Okno->btnHraKrokZpet->isEnabled());

    // A new jump forgets what could be played again.
    Stiskni(Okno->btnHraKrokZpet);
    ASSERT_TRUE(Okno->btnHraKrokVpred->isEnabled());
    Skoc(1, 3, 3, 3);
    EXPECT_FALSE(Okno->btnHraKrokVpred->isEnabled());
    // So does a new game.
    Stiskni(Okno->btnHraKrokZpet);
    ASSERT_TRUE(Okno->btnHraKrokVpred->isEnabled());
    Stiskni(Okno->btnHraZnovuRozestavet);
    EXPECT_FALSE(Okno->btnHraKrokVpred->isEnabled());
    EXPECT_TRUE(Zpravy.empty());
}

// ---------------------------------------------------------------------------
// Hint

TEST_F(NavicTest, RadyVedouAzKCiliAKaziNicNeoznacuji)
{
    OtevriTestovaciKatalog();
    HrajDesku(CisloPlus);
    for (int i = 0; i < KapacitaTahu && !JeCilSplnen(Okno->HerniDeska->Zaznam); ++i) {
        const QString rada = Porad();
        const QStringList casti = rada.split(QLatin1Char(' '));
        ASSERT_TRUE(rada.startsWith(QStringLiteral("Táhněte z pole ")) && casti.size() == 7) << rada.toStdString();
        const TPozice a = PoleCislo(casti[3].toInt());
        const TPozice b = PoleCislo(casti[6].toInt());
        EXPECT_TRUE(Oznaceno(a));
        EXPECT_TRUE(Oznaceno(b));
        ASSERT_TRUE(Okno->HerniDeska->JeSkokPlatny(a, b));
        Skoc(a.X, a.Y, b.X, b.Y);
        EXPECT_TRUE(Okno->lblHraRada->isHidden());
        EXPECT_EQ(OznaceniVsude(), 0);
    }
    EXPECT_TRUE(JeCilSplnen(Okno->HerniDeska->Zaznam));
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
        {"right press", false, [this] { Klik(0, 0, Qt::RightButton); }, "0"},
        {"the same button", false, [this] { Stiskni(Okno->btnHraPoradit); }, "1"},
        {"new game", true, [this] { Stiskni(Okno->btnHraZnovuRozestavet); }, "0"},
        {"game type", true, [this] { Stiskni(Okno->btnHraTypHry); }, "0"},
    };
    Otevri();
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        Stiskni(Okno->btnHraZnovuRozestavet);
        Skoc(3, 3, 3, 1);  // English board: into the corner hole
        if (p.Ukazana) {
            ASSERT_TRUE(Porad().startsWith(QStringLiteral("Táhněte z pole ")));
            ASSERT_GT(OznaceniVsude(), 0);
        } else {
            // The press comes before the answer can: it is delivered by a
            // queued call, which runs only after this press.
            Stiskni(Okno->btnHraPoradit);
            EXPECT_EQ(Okno->btnHraPoradit->text(), "Zrušit radu");
        }
        p.Akce();
        EXPECT_EQ(Okno->btnHraPoradit->text(), "Poradit tah");
        QTRY_COMPARE_WITH_TIMEOUT(Okno->Radce->PocetVlaken(), 0, 30000);
        QCoreApplication::processEvents();
        EXPECT_TRUE(Okno->lblHraRada->isHidden());
        EXPECT_EQ(OznaceniVsude(), 0);
        EXPECT_EQ(T(Okno->lblHraTahu), p.Tahu);  // the action itself acted
    }
    EXPECT_TRUE(Zpravy.empty());
}

TEST_F(NavicTest, RadaBeziVedleHledaniNaZalozceReseni)
{
    OtevriTestovaciKatalog();
    // A search that runs until it is stopped.
    ZKatalogu(2, &TMainForm::Button1);
    Stiskni(Okno->btnReseniNejkratsi);
    ASSERT_TRUE(Okno->ProbihaReseni());
    HrajDesku(CisloPlus);
    EXPECT_TRUE(Porad().startsWith(QStringLiteral("Táhněte z pole ")));
    EXPECT_TRUE(Okno->ProbihaReseni());  // the solve tab's search goes on
    Okno->ZastaveniReseni();
    QTRY_VERIFY_WITH_TIMEOUT(!Okno->ProbihaReseni(), 30000);
    EXPECT_EQ(T(Okno->lblReseniPrubeh), "Řešení přerušeno uživatelem");
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
    EXPECT_FALSE(Okno->btnReseniPrehrat->isEnabled());  // nothing to replay yet
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Cislo);
        Vyres(p.Cislo, &TMainForm::btnReseniNejrychlejsi);
        const std::vector<TTahReseni> skoky = ReseniTahy();
        TGameDeska ocekavana;
        ocekavana.Nastav(Okno->ResenaDeska->Zaznam);
        for (const TTahReseni& s : skoky)
            ocekavana.ProvedSkok(s.Odkud, s.Kam, StredSkoku(s.Odkud, s.Kam));

        // Played to the end, the replay leaves what the jumps by hand leave.
        Okno->CasovacPrehrani->setInterval(1);
        Stiskni(Okno->btnReseniPrehrat);
        EXPECT_EQ(Okno->btnReseniPrehrat->text(), "Zastavit");
        QTRY_VERIFY_WITH_TIMEOUT(!Okno->PrehravaSe(), 30000);
        EXPECT_EQ(Okno->btnReseniPrehrat->text(), "Přehrát");
        EXPECT_TRUE(StejnaPole(Okno->ResenaDeska->Zaznam, ocekavana.Zaznam));
        EXPECT_EQ(T(Okno->lblReseniTahu), std::to_string(Okno->ResenaDeska->Reseni.DejPocetTahu()));
        EXPECT_TRUE(Okno->btnReseniKrokZpet->isEnabled());

        // Again from the start, stopped halfway.
        Okno->CasovacPrehrani->setInterval(20);
        Stiskni(Okno->btnReseniPrehrat);
        // Watched closely, so that the stop comes in the middle.
        const int pulka = static_cast<int>(skoky.size()) / 2;
        for (int i = 0; i < 100000 && Okno->PrehravaSe() && Okno->ResenaDeska->Reseni.DejPozici() <= pulka; ++i)
            QTest::qWait(1);
        ASSERT_TRUE(Okno->PrehravaSe());
        if (std::string(p.Zastaveni) == "Zastavit") {
            Stiskni(Okno->btnReseniPrehrat);
        } else {
            const TTahy pred = Okno->ResenaDeska->Tahy;
            Klik(0, 0);  // stops the replay and does nothing else
            EXPECT_EQ(Okno->ResenaDeska->Tahy.DejAktualni(), pred.DejAktualni());
        }
        EXPECT_FALSE(Okno->PrehravaSe());
        const int pozice = Okno->ResenaDeska->Reseni.DejPozici();
        QTest::qWait(20);
        EXPECT_EQ(Okno->ResenaDeska->Reseni.DejPozici(), pozice);
        ASSERT_LE(pozice, static_cast<int>(skoky.size()));

        // Playing on from there is a new game of that position.
        const TZaznamDesky odsud = Okno->ResenaDeska->Zaznam;
        Stiskni(Okno->btnReseniHratOdsud);
        ASSERT_EQ(Okno->Zalozky->currentIndex(), zlHra);
        EXPECT_TRUE(StejnaPole(Okno->HerniDeska->Zaznam, odsud));
        EXPECT_EQ(T(Okno->lblHraTahu), "0");
        EXPECT_EQ(T(Okno->lblHraPrubeh), "Nová hra");
        EXPECT_FALSE(Okno->btnHraKrokZpet->isEnabled());
        // The rest of the solution wins it, a board of its own for the records.
        Zahraj(skoky, static_cast<std::size_t>(pozice - 1));
        EXPECT_TRUE(JeCilSplnen(Okno->HerniDeska->Zaznam));
        EXPECT_EQ(T(Okno->lblHraRekord), "Nový osobní rekord: " + TextTahu(Okno->HerniDeska->Tahy.DejPocetTahu()).toStdString());
        // "Znovu rozestavět" goes back to the position played from.
        Stiskni(Okno->btnHraZnovuRozestavet);
        EXPECT_TRUE(StejnaPole(Okno->HerniDeska->Zaznam, odsud));
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
    Vyres(CisloPlus, &TMainForm::btnReseniNejkratsi);
    const std::vector<TTahReseni> nejkratsi = ReseniTahy();
    const int minimum = Okno->ResenaDeska->Reseni.DejPocetTahu();
    // A longer way: the fastest search's solution.
    Vyres(CisloPlus, &TMainForm::btnReseniNejrychlejsi);
    const std::vector<TTahReseni> delsi = ReseniTahy();
    const int vice = Okno->ResenaDeska->Reseni.DejPocetTahu();
    ASSERT_GT(vice, minimum);

    struct THra {
        int Cislo;
        const std::vector<TTahReseni>* Skoky;
        std::string Text;
    };
    const THra hry[] = {
        {CisloPlus, &delsi, "Nový osobní rekord: " + TextTahu(vice).toStdString()},
        {CisloPlus, &delsi, "Osobní rekord: " + TextTahu(vice).toStdString()},
        {cisloKopie, &nejkratsi, "Nový osobní rekord: " + TextTahu(minimum).toStdString()},
        {CisloPlus, &delsi, "Osobní rekord: " + TextTahu(minimum).toStdString()},
    };
    for (const THra& h : hry) {
        SCOPED_TRACE(h.Text);
        HrajDesku(h.Cislo);
        EXPECT_TRUE(Okno->lblHraRekord->isHidden());
        Zahraj(*h.Skoky);
        EXPECT_EQ(T(Okno->lblHraRekord), h.Text);
        EXPECT_FALSE(Okno->lblHraRekord->isHidden());
        // The line belongs to the won game only.
        Stiskni(Okno->btnHraKrokZpet);
        EXPECT_TRUE(Okno->lblHraRekord->isHidden());
    }

    Okno->mnRekordy->trigger();
    auto* okno = static_cast<TRekordyForm*>(Okno->RekordyForm);
    ASSERT_NE(okno, nullptr);
    EXPECT_TRUE(okno->isVisible());
    ASSERT_EQ(okno->Tabulka->rowCount(), 1);
    EXPECT_EQ(okno->Tabulka->item(0, 2)->text(), QString::number(minimum));
    EXPECT_EQ(okno->Tabulka->item(0, 0)->text(), "Plus znovu");  // named by the game that set it
    EXPECT_TRUE(Zpravy.empty());
}

// ---------------------------------------------------------------------------
// Settings

TEST_F(NavicTest, NastaveniPrezijeRestart)
{
    OtevriTestovaciKatalog();
    VytvorPomocnaOkna(Okno.get());
    const TBarva kamen = 0x00123456;
    auto* barvy = static_cast<TBarvyForm*>(Okno->BarvyForm);
    barvy->VolbaBarvy = [kamen](QColor& c) {
        c = BarvaNaQColor(kamen);
        return true;
    };
    QTimer::singleShot(0, qApp, [barvy] {
        QTest::mouseClick(barvy->ButtonKamen, Qt::LeftButton);
        QTest::mouseClick(barvy->ButtonOK, Qt::LeftButton);
    });
    Okno->mnBarvy->trigger();
    ASSERT_EQ(Okno->PohledDesky->Barvy.BarvaKamen, kamen);
    Okno->mnCislaPoli->trigger();
    ASSERT_TRUE(Okno->mnCislaPoli->isChecked());
    HrajDesku(CisloPlus);
    const std::string nazev = T(Okno->lblHraNazevDesky);
    Vyres(CisloPlus, &TMainForm::btnReseniNejkratsi);
    const std::vector<TTahReseni> skoky = ReseniTahy();
    ZalozkaUzivatelem(zlHra);
    Zahraj(skoky);
    ASSERT_FALSE(Okno->lblHraRekord->isHidden());
    {
        // The best is in the file already, before the game ends.
        TNastaveni zapsane;
        zapsane.Nacti();
        EXPECT_EQ(zapsane.Rekordy.size(), 1u);
    }
    ZalozkaUzivatelem(zlReseni);  // the menu shows the solve tab's rule here
    Zavri();
    EXPECT_FALSE(QFile::exists(TNastaveni::VychoziSoubor() + QStringLiteral(".tmp")));

    Otevri();
    VytvorPomocnaOkna(Okno.get());
    EXPECT_EQ(Okno->PohledDesky->Barvy.BarvaKamen, kamen);
    EXPECT_EQ(Okno->PohledPalety->Barvy.BarvaKamen, kamen);
    TBarvy ukazka;
    static_cast<TBarvyForm*>(Okno->BarvyForm)->Ukazka->DejBarvy(ukazka);
    EXPECT_EQ(ukazka.BarvaKamen, kamen);
    EXPECT_TRUE(Okno->mnCislaPoli->isChecked());
    EXPECT_EQ(T(Okno->lblHraNazevDesky), nazev);
    EXPECT_EQ(T(Okno->lblNahratCisloDesky), std::to_string(CisloPlus));
    Zahraj(skoky);
    EXPECT_EQ(T(Okno->lblHraRekord), "Osobní rekord: " + TextTahu(Okno->HerniDeska->Tahy.DejPocetTahu()).toStdString());
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
        EXPECT_EQ(Okno->PohledDesky->Barvy, StandardniBarvy());
        EXPECT_FALSE(Okno->mnCislaPoli->isChecked());
        EXPECT_EQ(T(Okno->lblHraNazevDesky), "Anglická hrací deska");
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
