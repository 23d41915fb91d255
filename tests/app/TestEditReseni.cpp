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
// Only a hung search reaches it: waits end on the event they wait for.
constexpr int BezpecnostniLimit = 120000;
} // namespace

class EditReseniTest : public OknoTest {
protected:
    // Waits until the end of the running search has reached the window
    // (its handler hides "Zastavit"); false if it never comes.
    bool DockejKonce()
    {
        return QTest::qWaitFor([this] { return !ProbihaHledani() && B("btnReseniZastavit")->isHidden(); },
                               BezpecnostniLimit);
    }

    // Waits until the running search has published searched positions.
    bool DockejPozic()
    {
        static_cast<void>(
            QTest::qWaitFor([this] { return PocetPozic() > 0 || !ProbihaHledani(); }, BezpecnostniLimit));
        return PocetPozic() > 0 && ProbihaHledani();
    }

    // A shortest search that cannot end while a test lasts: all 81 fields,
    // a stone on each but the centre. It is edited rather than taken from
    // the catalogue, which stays as the program writes it.
    void SpustNekonecneHledani()
    {
        ZalozkaUzivatelem(zlEdit);
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y) {
                Vyber()->SetItemIndex(x == 4 && y == 4 ? epPrazdne : epPlne);
                Klik(x, y);
            }
        Stiskni(B("btnEditResit"));
        ASSERT_EQ(Zalozky()->currentIndex(), zlReseni);
        Stiskni(B("btnReseniNejkratsi"));
        ASSERT_TRUE(DockejPozic());
    }

    void ResKatalogovou(int cislo)
    {
        ZKatalogu(cislo, "Button1");
        ASSERT_EQ(Zalozky()->currentIndex(), zlReseni);
    }

    // Fields whose number shows in the replay colour. Every present field
    // must show its number in exactly one of the two number colours.
    std::set<TBod> ZvyraznenaCisla() const
    {
        std::set<TBod> vysledek;
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y) {
                if (ResenaDeska().Zaznam.Pole[x][y].Stav == spNeexistujici)
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
        const TTahyReseni& r = ResenaDeska().Reseni;
        if (i < 1 || i > r.DejPocet())
            return {};
        return {{r.Skok(i).Odkud.X, r.Skok(i).Odkud.Y}, {r.Skok(i).Kam.X, r.Skok(i).Kam.Y}};
    }

    void KlikReseni(const TPozice& odkud, const TPozice& kam)
    {
        TPozice vybrany;
        if (!ResenaDeska().Tahy.DejOdkud(vybrany) || vybrany != odkud)
            Klik(odkud.X, odkud.Y);
        Klik(kam.X, kam.Y);
    }

    // The colour at the centre of a field control: stone or square.
    TBarva Stred(int x, int y) const { return BarvaZQColor(ObrazPole(x, y).pixelColor(30, 30)); }
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

TEST_F(EditReseniTest, DeskaOdNulyKazdymPrvkemAHra)
{
    Otevri();
    ZalozkaUzivatelem(zlEdit);
    const TBarvy& b = BarvyDesky();
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
            QTest::mouseClick(PrvekPalety(k.Prvek), Qt::LeftButton, {}, QPoint(30, 30));
            EXPECT_TRUE(Vyber()->Polozka(k.Prvek)->hasFocus());
        } else {
            QTest::mouseClick(Vyber()->Polozka(k.Prvek), Qt::LeftButton);
        }
        EXPECT_EQ(Vyber()->ItemIndex(), k.Prvek);
        for (int i = 0; i < PocetPrvkuPalety; ++i)
            EXPECT_EQ(PrvekPalety(i)->Obraz().pixel(0, 0),
                      BarvaNaQColor(i == k.Prvek ? b.BarvaVyber : b.BarvaMrizka).rgb())
                << "palette mark " << i;
        Klik(k.X, k.Y);
        const TPole& pole = EditovanaDeska().Zaznam.Pole[k.X][k.Y];
        EXPECT_EQ(pole.Stav, k.Stav);
        EXPECT_EQ(pole.Cilove, k.Cilove);
    }

    E("edtEditNazevDesky")->selectAll();
    Pis(E("edtEditNazevDesky"), QStringLiteral("Háček"));
    Stiskni(B("btnEditHrat"));
    ASSERT_EQ(Zalozky()->currentIndex(), zlHra);
    EXPECT_EQ(T(L("lblHraNazevDesky")), "Háček");
    EXPECT_EQ(T(L("lblHraZbyva")), "Zbývá kamenů: 4");
    Skoc(1, 1, 3, 1);
    Skoc(3, 1, 3, 3);  // the same stone on: one move
    EXPECT_EQ(T(L("lblHraTahu")), "1");
    EXPECT_EQ(T(L("lblHraCilova")), "Všechna cílová pole obsazena");
    EXPECT_TRUE(Zpravy.empty());
}

TEST_F(EditReseniTest, RozehranaPoziceJmenoTypANavrat)
{
    Otevri();
    Skoc(3, 3, 3, 1);  // English board: (3,3) over (3,2) into the hole
    A("mnLeibniz")->trigger();
    Stiskni(B("btnHraEditovat"));  // the position as played: the session's test
    ASSERT_EQ(Zalozky()->currentIndex(), zlEdit);
    const QByteArray puvodni = Bajty(EditovanaDeska().Zaznam);
    EXPECT_EQ(E("edtEditNazevDesky")->text(), "Editovaná deska");
    EXPECT_EQ(T(L("lblEditTypHry")), "LEIBNIZŮV KAVIREL");

    // A typed name goes nowhere until the tab is left or "Hrát" is pressed:
    // neither Enter nor "Řešit" take it.
    E("edtEditNazevDesky")->setText(QStringLiteral("Nový název"));
    QTest::keyClick(E("edtEditNazevDesky"), Qt::Key_Return);
    Stiskni(B("btnEditResit"));
    EXPECT_EQ(T(L("lblReseniNazevDesky")), "Editovaná deska");
    EXPECT_EQ(DejNazev(EditovanaDeska().Zaznam), "Nov\xFD n\xE1zev");  // committed on leaving

    ZalozkaUzivatelem(zlEdit);
    Stiskni(B("btnEditTypHry"));
    EXPECT_EQ(EditovanaDeska().Zaznam.TypHry, thNormalni);
    EXPECT_EQ(T(L("lblEditTypHry")), "NORMÁLNÍ");
    Vyber()->SetItemIndex(epNeexistujici);
    Klik(4, 4);
    Stiskni(B("btnEditPuvodni"));
    EXPECT_EQ(Bajty(EditovanaDeska().Zaznam), puvodni);
    EXPECT_EQ(E("edtEditNazevDesky")->text(), "Editovaná deska");
    EXPECT_EQ(T(L("lblEditTypHry")), "LEIBNIZŮV KAVIREL");
    EXPECT_EQ(Stred(4, 4), BarvyDesky().BarvaKamen);

    Stiskni(B("btnEditHrat"));
    EXPECT_EQ(T(L("lblHraTypHry")), "LEIBNIZŮV KAVIREL");
}

// ---------------------------------------------------------------------------
// Search and playback

// A search to its end, its solution replayed by presses, stepped back to the
// start by the button and the right mouse button in turn, and started over
// halfway. What each replay step does and marks is the session's; which
// search each button starts, the solver's and the personal bests' test.
TEST_F(EditReseniTest, PrehraniCelehoReseniVpredAZpet)
{
    const char* const hledani[] = {"btnReseniNejrychlejsi", "btnReseniNejkratsi", "btnReseniNejmene"};
    Otevri();
    ResKatalogovou(CisloPlus);
    Stiskni(B("btnReseniNejrychlejsi"));
    for (const char* h : hledani)
        EXPECT_FALSE(B(h)->isEnabled()) << h;
    EXPECT_TRUE(Ukazan(B("btnReseniZastavit")));
    EXPECT_FALSE(B("btnReseniZnovuRozestavet")->isEnabled());
    ASSERT_TRUE(DockejKonce());

    const TTahyReseni& reseni = ResenaDeska().Reseni;
    ASSERT_EQ(T(L("lblReseniPrubeh")), "Řešení nalezeno");
    OcekavejVseCeleAViditelne(O("tabReseni"));
    for (const char* h : hledani)
        EXPECT_TRUE(B(h)->isEnabled()) << h;
    EXPECT_FALSE(Ukazan(B("btnReseniZastavit")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Doba trvání hledání: \\d\\d:\\d\\d\\.\\d\\d\\d$"))
                    .match(L("lblReseniCas")->text())
                    .hasMatch())
        << T(L("lblReseniCas"));
    EXPECT_EQ(T(L("lblReseniCelkemTahu")), "Potřebných tahů: " + std::to_string(reseni.DejPocetTahu()));
    EXPECT_EQ(ZvyraznenaCisla(), PoleSkoku(1));

    const QByteArray start = Bajty(ResenaDeska().Zaznam);
    const int pocet = reseni.DejPocet();
    const auto prehraj = [&](int po) {
        for (int i = reseni.DejPozici(); i <= po; ++i)
            KlikReseni(reseni.Skok(i).Odkud, reseni.Skok(i).Kam);
        ASSERT_EQ(reseni.DejPozici(), po + 1);
        EXPECT_EQ(T(L("lblReseniZbyva")), "Zbývá kamenů: " + std::to_string(ResenaDeska().PocetKamenu));
        EXPECT_EQ(T(L("lblReseniPrubeh")), "Přehrávání nalezeného řešení...");
        EXPECT_FALSE(Ukazan(L("lblReseniCas")));
    };
    prehraj(pocet);
    EXPECT_EQ(T(L("lblReseniTahu")), std::to_string(reseni.DejPocetTahu()));
    EXPECT_TRUE(ZvyraznenaCisla().empty());

    for (int i = pocet; i >= 1; --i) {
        if (i % 2)
            Stiskni(B("btnReseniKrokZpet"));
        else
            Klik(4, 4, Qt::RightButton);
        ASSERT_EQ(reseni.DejPozici(), i);
    }
    EXPECT_EQ(Bajty(ResenaDeska().Zaznam), start);
    EXPECT_EQ(ZvyraznenaCisla(), PoleSkoku(1));
    EXPECT_FALSE(B("btnReseniKrokZpet")->isEnabled());

    // "Znovu přehrát" in the middle: the start again; the status text and
    // the move count stay.
    prehraj(std::min(3, pocet));
    Stiskni(B("btnReseniZnovuRozestavet"));
    EXPECT_EQ(Bajty(ResenaDeska().Zaznam), start);
    EXPECT_EQ(T(L("lblReseniTahu")), "0");
    EXPECT_EQ(T(L("lblReseniPrubeh")), "Přehrávání nalezeného řešení...");
    EXPECT_TRUE(Ukazan(L("lblReseniCelkemTahu")));
    EXPECT_TRUE(Zpravy.empty());
}

// A search that cannot end: its progress, every tab usable meanwhile but
// another "Řešit" refused from each of the three tabs that have one, then
// the stop.
TEST_F(EditReseniTest, NekonciciHledaniOdmitneDalsiAZastavi)
{
    Otevri();
    SpustNekonecneHledani();
    const QByteArray hledana = Bajty(ZaznamReseni());
    EXPECT_EQ(T(L("lblReseniPrubeh")), "Vyhledávám nejkratší řešení...");
    // The progress: a running clock and a count, whole and clear of the
    // stop button.
    const QRegularExpression vzor(QStringLiteral("^Hledám \\d\\d:\\d\\d · [1-9][\\d ]* pozic(e)?$"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return vzor.match(L("lblReseniCas")->text()).hasMatch(); }, BezpecnostniLimit))
        << T(L("lblReseniCas"));
    ASSERT_TRUE(ProbihaHledani());
    EXPECT_TRUE(Ukazan(L("lblReseniCas")));
    EXPECT_TRUE(Ukazan(B("btnReseniZastavit")));
    OcekavejVseCeleAViditelne(O("tabReseni"));

    ZalozkaUzivatelem(zlHra);
    Skoc(3, 3, 3, 1);
    EXPECT_EQ(T(L("lblHraTahu")), "1");
    const std::pair<int, const char*> pripady[] = {
        {zlHra, "btnHraResit"}, {zlNahrat, "Button1"}, {zlEdit, "btnEditResit"}};
    for (const auto& [zalozka, tlacitko] : pripady) {
        SCOPED_TRACE(zalozka);
        ZalozkaUzivatelem(zalozka);
        Zpravy.clear();
        Stiskni(B(tlacitko));
        EXPECT_EQ(Zalozky()->currentIndex(), zlReseni);
        EXPECT_TRUE(Zprava(TDruhZpravy::Informace,
                           "Momentálně probíhá řešení jiné desky. \n\rChcete-li výpočet přerušit, klikněte na "
                           "tlačítko \"Zastavit\" a poté znovu vyberte desku pro řešení."));
        EXPECT_EQ(Bajty(ZaznamReseni()), hledana);
        EXPECT_EQ(T(L("lblReseniPrubeh")), "Vyhledávám nejkratší řešení...");
    }
    // A search request that got through anyway does nothing.
    emit B("btnReseniNejrychlejsi")->clicked(false);
    EXPECT_EQ(ResenaDeska().ZpusobHledani, zhNejkratsi);
    ASSERT_TRUE(ProbihaHledani());

    Stiskni(B("btnReseniZastavit"));
    ASSERT_TRUE(DockejKonce());
    EXPECT_EQ(T(L("lblReseniPrubeh")), "Řešení přerušeno uživatelem");
    EXPECT_FALSE(Ukazan(L("lblReseniCelkemTahu")));
    EXPECT_TRUE(L("lblReseniCas")->text().startsWith(QStringLiteral("Doba trvání hledání: ")));
    EXPECT_TRUE(B("btnReseniNejrychlejsi")->isEnabled());
    EXPECT_FALSE(B("btnReseniZnovuRozestavet")->isEnabled());
    EXPECT_FALSE(B("btnReseniKrokZpet")->isEnabled());
    OcekavejVseCeleAViditelne(O("tabReseni"));
    // A late stop request does nothing.
    B("btnReseniZastavit")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(T(L("lblReseniPrubeh")), "Řešení přerušeno uživatelem");
    ZalozkaUzivatelem(zlHra);
    Stiskni(B("btnHraResit"));  // now the played position is taken
    EXPECT_EQ(ZaznamReseni().Pole[3][1].Stav, spPlne);
    EXPECT_EQ(T(L("lblReseniPrubeh")), "Vyberte způsob hledání řešení...");
}

TEST_F(EditReseniTest, KonecHledaniZaJinouZalozkouZvyrazniReseni)
{
    Otevri();
    ResKatalogovou(CisloPlus);
    Stiskni(B("btnReseniNejrychlejsi"));
    // The end reaches the window only through its event loop: the load tab
    // is in front before it can arrive.
    ZalozkaUzivatelem(zlNahrat);
    JdiNaCislo(QStringLiteral("1"));
    ASSERT_TRUE(DockejKonce());
    EXPECT_EQ(Zalozky()->currentIndex(), zlNahrat);
    EXPECT_TRUE(Zalozky()->JeZvyraznena(zlReseni));
    EXPECT_EQ(Stred(4, 1), BarvyDesky().BarvaKamen);  // the load tab's board stays drawn

    ZalozkaUzivatelem(zlReseni);
    EXPECT_FALSE(Zalozky()->JeZvyraznena(zlReseni));
    EXPECT_EQ(T(L("lblReseniPrubeh")), "Řešení nalezeno");
    EXPECT_TRUE(Ukazan(L("lblReseniCas")));
    EXPECT_EQ(ZvyraznenaCisla(), PoleSkoku(1));
    EXPECT_TRUE(B("btnReseniZnovuRozestavet")->isEnabled());
}

TEST_F(EditReseniTest, UkonceniBehemHledaniZastaviAZapiseKatalog)
{
    Otevri();
    ASSERT_FALSE(QFile::exists(QStringLiteral("Kavirel.dat")));
    SpustNekonecneHledani();

    Zavri();
    EXPECT_EQ(TResitel::ZijiciVlakna(), 0);
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")).size(), 17 * 275);
    // A completion still on its way finds nothing to call: the worker has
    // been joined, so whatever it posted is already queued.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Zpravy.empty());
}
