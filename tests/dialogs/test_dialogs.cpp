// SPDX-License-Identifier: GPL-3.0-or-later
// The colour, legend and about windows, driven without the main window: the
// colour window's hand-over is wired to real board views standing in for the
// main window's PohledDesky and PohledPalety.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <string>
#include <vector>

#include "KavirelAbout.h"
#include "KavirelBarvy.h"
#include "KavirelChyby.h"
#include "KavirelDeska.h"
#include "KavirelLegenda.h"
#include "KavirelOkna.h"
#include "ViditelneOvladace.h"

namespace {

TBarva Bod(const TObrazek* prvek, int x, int y)
{
    return BarvaZQColor(QColor(prvek->Obraz().pixel(x, y)));
}

// Pixels of a field control: inside the square away from frame and stone,
// and the middle of the stone.
constexpr int CtverecX = 8, CtverecY = 30;
constexpr int Stred = 30;

const TPozice PoziceKamene{4, 4};

// Runs Akce as soon as the modal loop that is about to start is running.
void PoSpusteni(std::function<void()> Akce)
{
    QTimer::singleShot(0, qApp, std::move(Akce));
}

class BarvyOkno : public ::testing::Test {
protected:
    QWidget HostDesky, HostPalety;
    TGraphGameDeska Deska{&HostDesky};
    TGraphEditDeska Paleta{&HostPalety, 2, 8, 6, 6};
    TZaznamDesky Zaznam = PrazdnyZaznam();
    std::vector<std::string> Zaznamy;  // what the hand-over did, in order
    std::unique_ptr<TBarvyForm> Form;

    void SetUp() override
    {
        Zaznam.PoleNa(PoziceKamene).Stav = spPlne;
        Deska.resize(TGraphGameDeska::StranaDesky, TGraphGameDeska::StranaDesky);
        Deska.ZmenPole(Obraz());
        Paleta.KresliPaletu();
        TNapojeniBarev napojeni;
        napojeni.NastavBarvyDesky = [this](const TBarvy& b) {
            Zaznamy.push_back("deska");
            Deska.NastavBarvy(b);
        };
        napojeni.NastavBarvyPalety = [this](const TBarvy& b) {
            Zaznamy.push_back("paleta");
            Paleta.NastavBarvy(b);
        };
        napojeni.PoZmeneZalozky = [this] {
            Zaznamy.push_back(Form->isVisible() ? "zalozka, okno otevrene" : "zalozka");
            Deska.ZmenPole(Obraz());
            Paleta.KresliPaletu();
        };
        Form = std::make_unique<TBarvyForm>(napojeni);
    }

    TBarvy Vzorek() const
    {
        TBarvy b;
        Form->DejUkazku()->DejBarvy(b);
        return b;
    }
    // The board as the game session shows it.
    std::vector<TZmenenePole> Obraz() const
    {
        TRelaceHry relace;
        return relace.Nahled().Zobraz(Zaznam).Pole;
    }
    TBarva KamenNaDesce()
    {
        const QPoint bod = (Deska.PolohaPole(PoziceKamene).topLeft() + QPointF(Stred, Stred)).toPoint();
        return BarvaZQColor(Deska.grab().toImage().pixelColor(bod));
    }
    TBarva KamenVUkazce() const { return Bod(Form->DejUkazku()->DejPrvek(2), Stred, Stred); }

    // The next colour choice answers with Barva (or cancels) and notes the
    // colour it started from.
    void Odpovez(bool Potvrdit, TBarva Barva, TBarva* Vychozi = nullptr)
    {
        Form->VolbaBarvy = [=](QColor& c) {
            if (Vychozi)
                *Vychozi = BarvaZQColor(c);
            if (Potvrdit)
                c = BarvaNaQColor(Barva);
            return Potvrdit;
        };
    }
};

TEST_F(BarvyOkno, KazdeTlacitkoMeniPraveSvujClen)
{
    const struct {
        const char* Tlacitko;
        TBarva TBarvy::*Clen;
    } tabulka[] = {
        {"ButtonDeska", &TBarvy::BarvaDeska},   {"ButtonPole", &TBarvy::BarvaPole},
        {"ButtonKamen", &TBarvy::BarvaKamen},   {"ButtonVyber", &TBarvy::BarvaVyber},
        {"ButtonCilove", &TBarvy::BarvaCilove}, {"ButtonCislo", &TBarvy::BarvaCislo},
        {"ButtonCisloPrubeh", &TBarvy::BarvaCisloPrubeh},
        {"ButtonMrizka", &TBarvy::BarvaMrizka},
    };
    TBarva nova = 0x00123456;
    for (const auto& radek : tabulka) {
        SCOPED_TRACE(Form->findChild<QPushButton*>(radek.Tlacitko)->objectName().toStdString());
        const TBarvy pred = Vzorek();
        TBarva vychozi = 0xFFFFFFFF;
        Odpovez(true, nova, &vychozi);
        Form->findChild<QPushButton*>(radek.Tlacitko)->click();
        EXPECT_EQ(vychozi, pred.*radek.Clen) << "the dialog starts from the member's colour";
        TBarvy ocekavane = pred;
        ocekavane.*radek.Clen = nova;
        EXPECT_EQ(Vzorek(), ocekavane);
        nova += 0x00010203;
    }
    // The sample was redrawn after each choice: row 0 in the new background.
    EXPECT_EQ(Bod(Form->DejUkazku()->DejPrvek(0), CtverecX, CtverecY), Vzorek().BarvaDeska);

    // A cancelled dialog changes nothing.
    const TBarvy pred = Vzorek();
    Odpovez(false, 0x00FF0000);
    Form->findChild<QPushButton*>("ButtonPole")->click();
    EXPECT_EQ(Vzorek(), pred);
}

TEST_F(BarvyOkno, CiziOdesilatelSelzeTvrzenim)
{
    bool volano = false;
    Form->VolbaBarvy = [&](QColor&) { return volano = true; };
    QObject cizi;
    cizi.setObjectName(QStringLiteral("ButtonNeco"));
    try {
        Form->VyberBarvyClick(&cizi);
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Neco tu smrdi - sem bych se nemel dostat (KavirelBarvy, line ", 0), 0u)
            << e.what();
    }
    EXPECT_FALSE(volano);
    EXPECT_EQ(Vzorek(), StandardniBarvy());
}

TEST_F(BarvyOkno, StandardniAZavreniKrizkemNechaDeskuDalsiZobrazeniZacinaStandardem)
{
    TBarvy vlastni = StandardniBarvy();
    vlastni.BarvaKamen = 0x0000FF00;
    vlastni.BarvaPole = 0x00FF00FF;
    Form->DejUkazku()->NastavBarvy(vlastni);
    Form->show();
    Form->findChild<QPushButton*>("ButtonOK")->click();
    ASSERT_EQ(Deska.DejBarvy(), vlastni);
    Zaznamy.clear();

    Form->show();
    Form->findChild<QPushButton*>("ButtonStandardniBarvy")->click();
    EXPECT_EQ(KamenVUkazce(), StandardniBarvy().BarvaKamen);
    Form->close();  // what the title bar's close button does
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(Zaznamy.empty());
    EXPECT_EQ(Deska.DejBarvy(), vlastni);
    EXPECT_EQ(KamenNaDesce(), vlastni.BarvaKamen);

    // The next showing starts from the defaults, and draws them.
    Form->DejUkazku()->KresliPole(Form->DejUkazku()->DejPrvek(1), 0x00123456);
    Form->show();
    EXPECT_EQ(Vzorek(), StandardniBarvy());
    EXPECT_EQ(Bod(Form->DejUkazku()->DejPrvek(1), CtverecX, CtverecY), StandardniBarvy().BarvaPole);
}

TEST_F(BarvyOkno, ModalniOknoADialogBarevSVlastnimiBarvami)
{
    // The user's own custom colours of other programs, and what the dialog
    // holds while it is open.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(i, 0, 0));
    std::vector<QColor> vDialogu;

    // The real path: the colour dialog modal above the window, starting at
    // the stone's colour; its answer reaches the sample.
    QColor start;
    PoSpusteni([&] {
        PoSpusteni([&] {
            start = Form->findChild<QColorDialog*>("ColorDialog")->currentColor();
            for (int i = 0; i < QColorDialog::customCount(); ++i)
                vDialogu.push_back(QColorDialog::customColor(i));
            QColorDialog::setCustomColor(3, Qt::green);  // the user fills a slot
            Form->findChild<QColorDialog*>("ColorDialog")->setCurrentColor(QColor(0x10, 0x20, 0x30));
            Form->findChild<QColorDialog*>("ColorDialog")->accept();
            PoSpusteni([&] { Form->findChild<QPushButton*>("ButtonOK")->click(); });
        });
        Form->findChild<QPushButton*>("ButtonKamen")->click();
    });
    EXPECT_EQ(Form->exec(), QDialog::Accepted);
    EXPECT_EQ(start, BarvaNaQColor(StandardniBarvy().BarvaKamen));
    EXPECT_EQ(Deska.DejBarvy().BarvaKamen, 0x00302010u);
    EXPECT_EQ(KamenNaDesce(), 0x00302010u);

    // The two preset colours, from 0x00BBGGRR; the other slots empty.
    ASSERT_EQ(vDialogu.size(), 16u);
    for (std::size_t i = 0; i < vDialogu.size(); ++i) {
        const QColor ocekavana = i == 0 ? QColor(0x60, 0x87, 0xAE) : i == 8 ? QColor(0xAA, 0x57, 0xD7) : QColor(Qt::white);
        EXPECT_EQ(vDialogu[i], ocekavana) << i;
    }
    // The user's slot stays with the game; the other programs' set is back.
    EXPECT_EQ(Form->VlastniBarvy[3], QColor(Qt::green));
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        EXPECT_EQ(QColorDialog::customColor(i), QColor(i, 0, 0)) << i;
}

TEST(LegendaOkno, UkazujeVzdyStandardniBarvyAKresliPriKazdemZobrazeni)
{
    TBarvyForm barvy(TNapojeniBarev{});
    TLegendaForm legenda;
    barvy.VolbaBarvy = [](QColor& c) { return c = Qt::blue, true; };
    barvy.findChild<QPushButton*>("ButtonKamen")->click();
    barvy.findChild<QPushButton*>("ButtonPole")->click();
    barvy.ButtonOKClick();

    const TBarvy standard = StandardniBarvy();
    for (int kolikrat = 0; kolikrat < 2; ++kolikrat) {
        // Paint over the sample; the next showing must draw it afresh.
        for (int r = 0; r < 5; ++r)
            legenda.DejUkazku()->KresliPole(legenda.DejUkazku()->DejPrvek(r), 0x00123456);
        PoSpusteni([&] { legenda.findChild<QPushButton*>("OKButton")->click(); });
        EXPECT_EQ(legenda.exec(), QDialog::Accepted);
        EXPECT_EQ(legenda.DejUkazku()->Barvy, standard);
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(Bod(legenda.DejUkazku()->DejPrvek(r), CtverecX, CtverecY), standard.BarvaPole) << r;
        EXPECT_EQ(Bod(legenda.DejUkazku()->DejPrvek(1), Stred, Stred), standard.BarvaKamen);
        EXPECT_EQ(Bod(legenda.DejUkazku()->DejPrvek(4), 0, 30), standard.BarvaVyber);
    }
}

TEST(AboutOkno, EnterZavira)
{
    TAboutBox about;
    EXPECT_FALSE(about.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
    PoSpusteni([&] { QTest::keyClick(&about, Qt::Key_Return); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

// The five sample labels of a window, top down.
std::array<QLabel*, 5> Popisky(const QDialog& okno)
{
    std::array<QLabel*, 5> p{};
    const char* const jmena[] = {"LabelPrazdne", "LabelPlne", "LabelPrazdneCilove", "LabelPlneCilove", "LabelOznacene"};
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = okno.findChild<QLabel*>(QString::fromLatin1(jmena[i]));
    return p;
}

// Each window keeps its size, shows everything whole and uncovered in the
// fonts it has, and each sample label stays level with its field.
TEST(Rozvrzeni, PevnaVelikostAZadnyOrezanyText)
{
    TBarvyForm barvy(TNapojeniBarev{});
    TLegendaForm legenda;
    TAboutBox about;
    for (QDialog* okno : std::initializer_list<QDialog*>{&barvy, &legenda, &about}) {
        SCOPED_TRACE(okno->objectName().toStdString());
        EXPECT_EQ(okno->minimumSize(), okno->maximumSize()) << "fixed size";
        EXPECT_FALSE(okno->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(okno->windowFlags() & Qt::WindowMinimizeButtonHint);
        OcekavejVseCeleAViditelne(okno);
    }
    // Sample label i stands level with the sample field of row i.
    const struct {
        std::array<QLabel*, 5> Popisky;
        TGraphLegendaDeska* Ukazka;
    } vzorky[] = {
        {Popisky(barvy), barvy.DejUkazku()},
        {Popisky(legenda), legenda.DejUkazku()},
    };
    for (const auto& v : vzorky)
        for (int r = 0; r < 5; ++r) {
            const QWidget* pole = v.Ukazka->DejPrvek(r);
            const QLabel* l = v.Popisky[std::size_t(r)];
            const int stredPole = pole->mapTo(l->parentWidget(), pole->rect().center()).y();
            EXPECT_NEAR(l->geometry().center().y(), stredPole, 3) << l->text().toStdString();
        }
}

} // namespace
