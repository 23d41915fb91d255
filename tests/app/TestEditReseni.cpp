// SPDX-License-Identifier: GPL-3.0-or-later
// The edit tab and the solve tab: designing a board, searches in the
// background with their progress, stop and shutdown, and the playback.
#include <QAbstractButton>
#include <QRegularExpression>

#include <set>
#include <utility>

#include "KavirelReseni.h"
#include "OknoTest.h"

namespace {
using TBod = std::pair<int, int>;
constexpr int CisloPlus = 9;
constexpr int CisloLeibnizovy = 21;  // appended to the test catalogue
// Only a hung search reaches it: waits end on the event they wait for.
constexpr int BezpecnostniLimit = 120000;
} // namespace

class EditReseniTest : public OknoTest {
protected:
    void OtevriSKatalogem()
    {
        std::vector<TZaznamDesky> k = TestovaciKatalog();
        // Twenty fields; its shortest solution has runs of several jumps.
        k.push_back(Deska({".........", "...ooo...", "...ooo...", ".oooxooo.", ".ooooooo.", ".........",
                           ".........", ".........", "........."},
                          thLeibniz, "Leibniz 20"));
        ZapisKatalog(k);
        Otevri();
    }

    // Waits until the end of the running search has reached the window
    // (its handler hides "Zastavit"); false if it never comes.
    bool DockejKonce()
    {
        return QTest::qWaitFor([this] { return !Okno->ProbihaReseni() && Okno->btnReseniZastavit->isHidden(); },
                               BezpecnostniLimit);
    }

    // Waits until the running search has published searched positions.
    bool DockejPozic()
    {
        static_cast<void>(
            QTest::qWaitFor([this] { return DejPocetPozic() > 0 || !Okno->ProbihaReseni(); }, BezpecnostniLimit));
        return DejPocetPozic() > 0 && Okno->ProbihaReseni();
    }

    // A shortest search that cannot end while a test lasts: all 81 fields,
    // a stone on each but the centre. It is edited rather than taken from
    // the catalogue, which stays as the program writes it.
    void SpustNekonecneHledani()
    {
        ZalozkaUzivatelem(zlEdit);
        const char* plny = "xxxxxxxxx";
        Okno->EditovanaDeska->Nastav(
            Deska({plny, plny, plny, plny, "xxxxoxxxx", plny, plny, plny, plny}, thNormalni, "Plná deska"));
        Stiskni(Okno->btnEditResit);
        ASSERT_EQ(Okno->Zalozky->currentIndex(), zlReseni);
        Stiskni(Okno->btnReseniNejkratsi);
        ASSERT_TRUE(DockejPozic());
    }

    void ResKatalogovou(int cislo)
    {
        ZKatalogu(cislo, &TMainForm::Button1);
        ASSERT_EQ(Okno->Zalozky->currentIndex(), zlReseni);
    }

    // Fields whose number shows in the replay colour. Every present field
    // must show its number in exactly one of the two number colours.
    std::set<TBod> ZvyraznenaCisla() const
    {
        std::set<TBod> vysledek;
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y) {
                if (Okno->ResenaDeska->Zaznam.Pole[x][y].Stav == spNeexistujici)
                    continue;
                const bool maPrubeh = MaCislo({x, y}, &TBarvy::BarvaCisloPrubeh);
                EXPECT_NE(maPrubeh, MaCislo({x, y})) << "number of field " << x << "," << y;
                if (maPrubeh)
                    vysledek.insert({x, y});
            }
        return vysledek;
    }

    // The two fields of solution jump i (1-based); none past the end.
    std::set<TBod> PoleSkoku(int i) const
    {
        const TTahyReseni& r = Okno->ResenaDeska->Reseni;
        if (i < 1 || i > r.DejPocet())
            return {};
        return {{r.Skok(i).Odkud.X, r.Skok(i).Odkud.Y}, {r.Skok(i).Kam.X, r.Skok(i).Kam.Y}};
    }

    void KlikReseni(const TPozice& odkud, const TPozice& kam)
    {
        TPozice vybrany;
        if (!Okno->ResenaDeska->Tahy.DejOdkud(vybrany) || vybrany != odkud)
            Klik(odkud.X, odkud.Y);
        Klik(kam.X, kam.Y);
    }

    // The colour at the centre of a field control (stone or square) and on
    // its target frame.
    TBarva Stred(int x, int y) const { return BarvaZQColor(Pole(x, y)->Obraz().pixelColor(30, 30)); }
    TBarva Ram(int x, int y) const { return BarvaZQColor(Pole(x, y)->Obraz().pixelColor(3, 3)); }
};

TEST(FormatHledani, DobaAPrubehVeVzoru)
{
    const std::pair<double, const char*> doby[] = {
        {75.25, "01:15.250"}, {3600 + 120, "02:00.000"}, {59.9996, "01:00.000"},
        {3599.999, "59:59.999"}, {-3, "00:00.000"},
    };
    for (const auto& [sekund, text] : doby)
        EXPECT_EQ(FormatDobyHledani(sekund / 86400.0).toStdString(), text) << sekund;

    struct TPrubeh {
        qint64 Ms;
        std::uint64_t Pozic;
        const char* Text;
    };
    const TPrubeh prubehy[] = {
        {12345, 1234567, "Hledám 00:12 · 1 234 567 pozic"},
        {0, 0, "Hledám 00:00 · 0 pozic"},
        {61999, 1, "Hledám 01:01 · 1 pozice"},
        {5000, 4, "Hledám 00:05 · 4 pozice"},
        {5000, 100, "Hledám 00:05 · 100 pozic"},
        {3723000, 18446744073709551615u, "Hledám 1:02:03 · 18 446 744 073 709 551 615 pozic"},
    };
    for (const TPrubeh& p : prubehy)
        EXPECT_EQ(TextPrubehuHledani(p.Ms, p.Pozic).toStdString(), p.Text) << p.Ms << " " << p.Pozic;
}

// ---------------------------------------------------------------------------
// Edit tab

TEST_F(EditReseniTest, DeskaOdNulyKazdymPrvkemHraARes)
{
    Otevri();
    ZalozkaUzivatelem(zlEdit);
    const TBarvy& b = Okno->PohledDesky->Barvy;
    struct TKrok {
        int Prvek;
        bool ZPalety;  // chosen on the palette, else in the radio group
        int X, Y;
        TStavPole Stav;
        int Cilove;
    };
    // On an empty board: every field is absent and must take a press.
    const TKrok kroky[] = {
        {epPlneCilove, true, 5, 5, spPlne, 1},         {epNeexistujici, false, 5, 5, spNeexistujici, 0},
        {epPrazdneCilove, false, 7, 7, spPrazdne, 1},  {epPrazdne, true, 7, 7, spPrazdne, 0},
        {epNeexistujici, true, 7, 7, spNeexistujici, 0}, {epPlne, true, 1, 1, spPlne, 0},
        {epPlne, false, 2, 1, spPlne, 0},              {epPrazdne, false, 3, 1, spPrazdne, 0},
        {epPlne, false, 3, 2, spPlne, 0},              {epPrazdneCilove, true, 3, 3, spPrazdne, 1},
        {epPlneCilove, false, 6, 6, spPlne, 1},
    };
    for (const TKrok& k : kroky) {
        SCOPED_TRACE(testing::Message() << "element " << k.Prvek << " at " << k.X << "," << k.Y);
        if (k.ZPalety) {
            QTest::mouseClick(Okno->PohledPalety->DejPrvek(k.Prvek), Qt::LeftButton, {}, QPoint(30, 30));
            EXPECT_TRUE(Okno->grpEditVyber->Polozka(k.Prvek)->hasFocus());
        } else {
            QTest::mouseClick(Okno->grpEditVyber->Polozka(k.Prvek), Qt::LeftButton);
        }
        EXPECT_EQ(Okno->grpEditVyber->ItemIndex(), k.Prvek);
        for (int i = 0; i < PocetPrvkuPalety; ++i)
            EXPECT_EQ(Okno->PohledPalety->DejPrvek(i)->Obraz().pixel(0, 0),
                      BarvaNaQColor(i == k.Prvek ? b.BarvaVyber : b.BarvaMrizka).rgb())
                << "palette mark " << i;
        Klik(k.X, k.Y);
        const TPole& pole = Okno->EditovanaDeska->Zaznam.Pole[k.X][k.Y];
        EXPECT_EQ(pole.Stav, k.Stav);
        EXPECT_EQ(pole.Cilove, k.Cilove);
        const TBarva ctverec = k.Stav == spNeexistujici ? b.BarvaDeska : b.BarvaPole;
        EXPECT_EQ(Stred(k.X, k.Y), k.Stav == spPlne ? b.BarvaKamen : ctverec);
        EXPECT_EQ(Ram(k.X, k.Y), k.Cilove ? b.BarvaCilove : ctverec);
        EXPECT_EQ(Ohraniceni(k.X, k.Y), BarvaMrizky());  // the border stays
    }

    Okno->edtEditNazevDesky->selectAll();
    Pis(Okno->edtEditNazevDesky, QStringLiteral("Háček"));
    Stiskni(Okno->btnEditHrat);
    ASSERT_EQ(Okno->Zalozky->currentIndex(), zlHra);
    EXPECT_EQ(T(Okno->lblHraNazevDesky), "Háček");
    EXPECT_EQ(T(Okno->lblHraZbyva), "Zbývá kamenů: 4");
    Skoc(1, 1, 3, 1);
    Skoc(3, 1, 3, 3);  // the same stone on: one move
    EXPECT_EQ(T(Okno->lblHraTahu), "1");
    EXPECT_EQ(T(Okno->lblHraCilova), "Všechna cílová pole obsazena");

    // The edited board waits on its tab; from there to the solve tab.
    ZalozkaUzivatelem(zlEdit);
    EXPECT_EQ(Okno->EditovanaDeska->Zaznam.Pole[1][1].Stav, spPlne);
    Stiskni(Okno->btnEditResit);
    ASSERT_EQ(Okno->Zalozky->currentIndex(), zlReseni);
    EXPECT_EQ(T(Okno->lblReseniNazevDesky), "Háček");
    Stiskni(Okno->btnReseniNejrychlejsi);
    ASSERT_TRUE(DockejKonce());
    EXPECT_EQ(T(Okno->lblReseniPrubeh), "Řešení nalezeno");
    EXPECT_EQ(T(Okno->lblReseniCelkemTahu), "Potřebných tahů: 1");
    EXPECT_EQ(ZvyraznenaCisla(), (std::set<TBod>{{1, 1}, {3, 1}}));
    EXPECT_TRUE(Zpravy.empty());
}

TEST_F(EditReseniTest, RozehranaPoziceJmenoTypANavrat)
{
    Otevri();
    Skoc(3, 3, 3, 1);  // English board: (3,3) over (3,2) into the hole
    Okno->mnLeibniz->trigger();
    Stiskni(Okno->btnHraEditovat);
    ASSERT_EQ(Okno->Zalozky->currentIndex(), zlEdit);
    const QByteArray puvodni = Bajty(Okno->EditovanaDeska->Zaznam);
    EXPECT_EQ(Okno->EditovanaDeska->Zaznam.Pole[3][1].Stav, spPlne);  // the position as played
    EXPECT_EQ(Okno->EditovanaDeska->Zaznam.Pole[3][2].Stav, spPrazdne);
    EXPECT_EQ(Okno->edtEditNazevDesky->text(), "Editovaná deska");
    EXPECT_EQ(T(Okno->lblEditTypHry), "LEIBNIZŮV KAVIREL");

    // A typed name goes nowhere until the tab is left or "Hrát" is pressed:
    // neither Enter nor "Řešit" take it.
    Okno->edtEditNazevDesky->setText(QStringLiteral("Nový název"));
    QTest::keyClick(Okno->edtEditNazevDesky, Qt::Key_Return);
    Stiskni(Okno->btnEditResit);
    EXPECT_EQ(T(Okno->lblReseniNazevDesky), "Editovaná deska");
    EXPECT_EQ(DejNazev(Okno->EditovanaDeska->Zaznam), "Nov\xFD n\xE1zev");  // committed on leaving

    ZalozkaUzivatelem(zlEdit);
    Stiskni(Okno->btnEditTypHry);
    EXPECT_EQ(Okno->EditovanaDeska->Zaznam.TypHry, thNormalni);
    EXPECT_EQ(T(Okno->lblEditTypHry), "NORMÁLNÍ");
    Okno->grpEditVyber->SetItemIndex(epNeexistujici);
    Klik(4, 4);
    Stiskni(Okno->btnEditPuvodni);
    EXPECT_EQ(Bajty(Okno->EditovanaDeska->Zaznam), puvodni);
    EXPECT_EQ(Okno->edtEditNazevDesky->text(), "Editovaná deska");
    EXPECT_EQ(T(Okno->lblEditTypHry), "LEIBNIZŮV KAVIREL");
    EXPECT_EQ(Stred(4, 4), Okno->PohledDesky->Barvy.BarvaKamen);

    Stiskni(Okno->btnEditHrat);
    EXPECT_EQ(T(Okno->lblHraTypHry), "LEIBNIZŮV KAVIREL");
}

// ---------------------------------------------------------------------------
// Search and playback

// Solves a board, replays the whole solution with the marked numbers checked
// at every jump, steps back to the start (button and right mouse button in
// turn), replays part of it, starts over and replays it all.
TEST_F(EditReseniTest, PrehraniCelehoReseniVpredAZpet)
{
    struct TPripad {
        const char* Popis;
        int Cislo;
        QPushButton* TMainForm::*Tlacitko;
    };
    const TPripad pripady[] = {
        {"Plus, nejrychlejší", CisloPlus, &TMainForm::btnReseniNejrychlejsi},
        {"Leibniz, nejkratší", CisloLeibnizovy, &TMainForm::btnReseniNejkratsi},
    };
    OtevriSKatalogem();
    const TBarvy& b = Okno->PohledDesky->Barvy;
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Popis);
        ResKatalogovou(p.Cislo);
        Stiskni(Okno.get()->*p.Tlacitko);
        EXPECT_FALSE(Okno->btnReseniNejkratsi->isEnabled());
        EXPECT_TRUE(Ukazan(Okno->btnReseniZastavit));
        EXPECT_FALSE(Okno->btnReseniZnovuRozestavet->isEnabled());
        ASSERT_TRUE(DockejKonce());

        const TGameDeska& deska = *Okno->ResenaDeska;
        const TTahyReseni& reseni = Okno->ResenaDeska->Reseni;
        const bool leibniz = deska.Zaznam.TypHry == thLeibniz;
        ASSERT_EQ(T(Okno->lblReseniPrubeh), "Řešení nalezeno");
        ASSERT_GT(reseni.DejPocet(), 0);
        OcekavejVseCeleAViditelne(Okno->tabReseni);
        EXPECT_TRUE(Okno->btnReseniNejkratsi->isEnabled());
        EXPECT_FALSE(Ukazan(Okno->btnReseniZastavit));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^Doba trvání hledání: \\d\\d:\\d\\d\\.\\d\\d\\d$"))
                        .match(Okno->lblReseniCas->text())
                        .hasMatch())
            << T(Okno->lblReseniCas);
        const int tahu = reseni.DejPocetTahu();
        EXPECT_EQ(T(Okno->lblReseniCelkemTahu), "Potřebných tahů: " + std::to_string(tahu));

        const QByteArray start = Bajty(deska.Zaznam);
        const int pocet = reseni.DejPocet();
        const int zbyvaNaZacatku = leibniz ? deska.PocetPrazdnych : deska.PocetKamenu;
        int zbyva = zbyvaNaZacatku;
        const std::string slovo = leibniz ? "Zbývá polí: " : "Zbývá kamenů: ";
        auto prehraj = [&](int po) {
            for (int i = reseni.DejPozici(); i <= po; ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(ZvyraznenaCisla(), PoleSkoku(i));
                const TTahReseni s = reseni.Skok(i);
                const TPozice pres = StredSkoku(s.Odkud, s.Kam);
                KlikReseni(s.Odkud, s.Kam);
                ASSERT_EQ(reseni.DejPozici(), i + 1);
                EXPECT_EQ(deska.Zaznam.Pole[pres.X][pres.Y].Stav, leibniz ? spPlne : spPrazdne);
                EXPECT_EQ(Stred(pres.X, pres.Y), leibniz ? b.BarvaKamen : b.BarvaPole);
                EXPECT_EQ(T(Okno->lblReseniZbyva), slovo + std::to_string(--zbyva));
                EXPECT_EQ(T(Okno->lblReseniPrubeh), "Přehrávání nalezeného řešení...");
                EXPECT_FALSE(Ukazan(Okno->lblReseniCas));
            }
        };
        prehraj(pocet);
        EXPECT_EQ(T(Okno->lblReseniTahu), std::to_string(tahu));
        EXPECT_TRUE(ZvyraznenaCisla().empty());

        for (int i = pocet; i >= 1; --i) {
            SCOPED_TRACE(-i);
            if (i % 2)
                Stiskni(Okno->btnReseniKrokZpet);
            else
                Klik(4, 4, Qt::RightButton);
            ASSERT_EQ(reseni.DejPozici(), i);
            EXPECT_EQ(ZvyraznenaCisla(), PoleSkoku(i));
            const TPozice pres = StredSkoku(reseni.Skok(i).Odkud, reseni.Skok(i).Kam);
            EXPECT_EQ(Stred(pres.X, pres.Y), leibniz ? b.BarvaPole : b.BarvaKamen);
            EXPECT_EQ(Ohraniceni(reseni.Skok(i).Odkud.X, reseni.Skok(i).Odkud.Y), BarvaVyberu());
            EXPECT_EQ(T(Okno->lblReseniZbyva), slovo + std::to_string(++zbyva));
        }
        EXPECT_EQ(Bajty(deska.Zaznam), start);
        EXPECT_FALSE(Okno->btnReseniKrokZpet->isEnabled());

        // "Znovu přehrát" in the middle: the start again with the first jump
        // marked; the status text and the move count stay.
        prehraj(std::min(3, pocet));
        Stiskni(Okno->btnReseniZnovuRozestavet);
        zbyva = zbyvaNaZacatku;
        EXPECT_EQ(Bajty(deska.Zaznam), start);
        EXPECT_EQ(T(Okno->lblReseniTahu), "0");
        EXPECT_EQ(T(Okno->lblReseniPrubeh), "Přehrávání nalezeného řešení...");
        EXPECT_TRUE(Ukazan(Okno->lblReseniCelkemTahu));
        prehraj(pocet);
    }
    EXPECT_TRUE(Zpravy.empty());
}

TEST_F(EditReseniTest, ZastaveniNekoncicihoHledani)
{
    Otevri();
    SpustNekonecneHledani();
    EXPECT_EQ(T(Okno->lblReseniPrubeh), "Vyhledávám nejkratší řešení...");

    // The progress: a running clock and a count, whole and clear of the
    // stop button.
    const QRegularExpression vzor(QStringLiteral("^Hledám \\d\\d:\\d\\d · [1-9][\\d ]* pozic(e)?$"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return vzor.match(Okno->lblReseniCas->text()).hasMatch(); }, BezpecnostniLimit))
        << T(Okno->lblReseniCas);
    ASSERT_TRUE(Okno->ProbihaReseni());
    EXPECT_TRUE(Ukazan(Okno->lblReseniCas));
    EXPECT_TRUE(Ukazan(Okno->btnReseniZastavit));
    OcekavejVseCeleAViditelne(Okno->tabReseni);

    Stiskni(Okno->btnReseniZastavit);
    ASSERT_TRUE(DockejKonce());
    EXPECT_EQ(T(Okno->lblReseniPrubeh), "Řešení přerušeno uživatelem");
    EXPECT_FALSE(Ukazan(Okno->lblReseniCelkemTahu));
    EXPECT_TRUE(Okno->lblReseniCas->text().startsWith(QStringLiteral("Doba trvání hledání: ")));
    EXPECT_TRUE(Okno->btnReseniNejrychlejsi->isEnabled());
    EXPECT_FALSE(Okno->btnReseniZnovuRozestavet->isEnabled());
    EXPECT_FALSE(Okno->btnReseniKrokZpet->isEnabled());
    OcekavejVseCeleAViditelne(Okno->tabReseni);
    // No solution: presses select nothing; a late stop request does nothing.
    Klik(4, 4);
    TPozice vybrany;
    EXPECT_FALSE(Okno->ResenaDeska->Tahy.DejOdkud(vybrany));
    Okno->ZastaveniReseni();
    QCoreApplication::processEvents();
    EXPECT_EQ(T(Okno->lblReseniPrubeh), "Řešení přerušeno uživatelem");
}

// While a search runs every tab stays usable; only another "Řešit" is
// refused, from each of the three tabs that have one.
TEST_F(EditReseniTest, ResitBehemHledaniOdmitnutoHledaniPokracuje)
{
    Otevri();
    SpustNekonecneHledani();
    const QByteArray hledana = Bajty(Okno->ZaznamReseni);

    ZalozkaUzivatelem(zlHra);
    Skoc(3, 3, 3, 1);
    EXPECT_EQ(T(Okno->lblHraTahu), "1");
    const std::pair<int, QPushButton* TMainForm::*> pripady[] = {
        {zlHra, &TMainForm::btnHraResit}, {zlNahrat, &TMainForm::Button1}, {zlEdit, &TMainForm::btnEditResit}};
    for (const auto& [zalozka, tlacitko] : pripady) {
        SCOPED_TRACE(zalozka);
        ZalozkaUzivatelem(zalozka);
        Zpravy.clear();
        Stiskni(Okno.get()->*tlacitko);
        EXPECT_EQ(Okno->Zalozky->currentIndex(), zlReseni);
        ASSERT_EQ(Zpravy.size(), 1u);
        EXPECT_EQ(Zpravy[0].Druh, TDruhZpravy::Informace);
        EXPECT_EQ(Zpravy[0].Text, "Momentálně probíhá řešení jiné desky. \n\rChcete-li výpočet přerušit, klikněte na "
                                  "tlačítko \"Zastavit\" a poté znovu vyberte desku pro řešení.");
        EXPECT_EQ(Bajty(Okno->ZaznamReseni), hledana);
        EXPECT_EQ(T(Okno->lblReseniPrubeh), "Vyhledávám nejkratší řešení...");
    }
    // A search request that got through anyway does nothing.
    Okno->NajitReseni(Okno->btnReseniNejrychlejsi);
    EXPECT_EQ(Okno->ResenaDeska->ZpusobHledani, zhNejkratsi);
    ASSERT_TRUE(Okno->ProbihaReseni());

    Stiskni(Okno->btnReseniZastavit);
    ASSERT_TRUE(DockejKonce());
    ZalozkaUzivatelem(zlHra);
    Stiskni(Okno->btnHraResit);  // now the played position is taken
    EXPECT_EQ(Okno->ZaznamReseni.Pole[3][1].Stav, spPlne);
    EXPECT_EQ(T(Okno->lblReseniPrubeh), "Vyberte způsob hledání řešení...");
}

TEST_F(EditReseniTest, KonecHledaniZaJinouZalozkouZvyrazniReseni)
{
    OtevriSKatalogem();
    ResKatalogovou(CisloPlus);
    Stiskni(Okno->btnReseniNejrychlejsi);
    // The end reaches the window only through its event loop: the load tab
    // is in front before it can arrive.
    ZalozkaUzivatelem(zlNahrat);
    JdiNaCislo(QStringLiteral("1"));
    ASSERT_TRUE(DockejKonce());
    EXPECT_EQ(Okno->Zalozky->currentIndex(), zlNahrat);
    EXPECT_TRUE(Okno->JeZalozkaZvyraznena(zlReseni));
    EXPECT_EQ(Stred(4, 1), Okno->PohledDesky->Barvy.BarvaKamen);  // the load tab's board stays drawn

    ZalozkaUzivatelem(zlReseni);
    EXPECT_FALSE(Okno->JeZalozkaZvyraznena(zlReseni));
    EXPECT_EQ(T(Okno->lblReseniPrubeh), "Řešení nalezeno");
    EXPECT_TRUE(Ukazan(Okno->lblReseniCas));
    EXPECT_EQ(ZvyraznenaCisla(), PoleSkoku(1));
    EXPECT_TRUE(Okno->btnReseniZnovuRozestavet->isEnabled());
}

TEST_F(EditReseniTest, UkonceniBehemHledaniZastaviAZapiseKatalog)
{
    Otevri();
    ASSERT_FALSE(QFile::exists(QStringLiteral("Kavirel.dat")));
    SpustNekonecneHledani();

    Zavri();
    EXPECT_FALSE(ProbihaReseni());
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")).size(), 17 * 275);
    // A completion still on its way finds nothing to call: the worker has
    // been joined, so whatever it posted is already queued.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Zpravy.empty());
}
