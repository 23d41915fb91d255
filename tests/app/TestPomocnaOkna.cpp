// SPDX-License-Identifier: GPL-3.0-or-later
// The about, legend and colour windows as the main window uses them: opened
// from its menus, and the colours applied to the board of the tab in front.
#include <QAction>
#include <QApplication>
#include <QTimer>

#include <functional>

#include "KavirelAbout.h"
#include "KavirelBarvy.h"
#include "KavirelLegenda.h"
#include "KavirelPomocnaOkna.h"
#include "KavirelNastaveni.h"
#include "OknoTest.h"

namespace {

// Runs Akce once the modal loop that is about to start is running.
void VModalnimOkne(std::function<void()> Akce) { QTimer::singleShot(0, qApp, std::move(Akce)); }

TBarva Bod(const TObrazek* Prvek, int X, int Y) { return BarvaZQColor(QColor(Prvek->Obraz().pixel(X, Y))); }

constexpr int Stred = 30;                   // the middle of a stone
const TPozice Sonda{3, 3};                  // differs between the three boards below
const TBarva NovyKamen = 0x00FF0000;
const TBarva NovePole = 0x00808080;
const TBarva NovaDeska = 0x00400040;

class PomocnaOkna : public OknoTest {
protected:
    void OtevriSOkny()
    {
        Otevri();
        VytvorPomocnaOkna(Okno.get());
    }

    TBarvyForm* Barvy() const { return O<TBarvyForm>(QStringLiteral("BarvyForm")); }

    // The next colour choice of the colour window answers with Barva.
    void Odpovez(TBarva Barva)
    {
        Barvy()->VolbaBarvy = [Barva](QColor& c) {
            c = BarvaNaQColor(Barva);
            return true;
        };
    }

    TBarva NaDesce(TPozice Pozice) const { return BarvaZQColor(ObrazPole(Pozice.X, Pozice.Y).pixelColor(Stred, Stred)); }

};

} // namespace

TEST_F(PomocnaOkna, VytvorenaSkrytaAMenuJeOteviraModalne)
{
    OtevriSOkny();
    struct TPripad {
        const char* Polozka;
        const char* Okno;
    };
    const TPripad pripady[] = {
        {"mnOaplikaci", "AboutBox"},
        {"mnLegenda", "LegendaForm"},
        {"mnBarvy", "BarvyForm"},
    };
    for (const TPripad& p : pripady) {
        QDialog* okno = O<QDialog>(QString::fromLatin1(p.Okno));
        ASSERT_NE(okno, nullptr);
        SCOPED_TRACE(okno->objectName().toStdString());
        EXPECT_EQ(okno->parent(), Okno.get());  // released with the main window
        EXPECT_FALSE(okno->isVisible());

        QWidget* modalni = nullptr;
        VModalnimOkne([&] {
            modalni = QApplication::activeModalWidget();
            okno->close();  // the title bar's close button
        });
        A(p.Polozka)->trigger();
        EXPECT_EQ(modalni, okno);
        EXPECT_FALSE(okno->isVisible());
    }
    EXPECT_TRUE(Zpravy.empty());
}

// "OK" applies the colours to the board of the tab in front and to nothing
// before; each tab redraws its own board through its entry rule.
TEST_F(PomocnaOkna, BarvyAzPoOKAPrekresliDeskuZalozkyVpredu)
{
    struct TPripad {
        int Zalozka;
        TBarva SondaPotom;       // the probe field's middle after "OK"
        bool CislaPotom;         // numbers on the board after "OK"
    };
    // On the play tab the probe field is empty (a jump left it), on the
    // solve tab it still holds its stone, the edited board has no field.
    // The play tab's numbers, turned on just before, stay on.
    const TPripad pripady[] = {
        {zlHra, NovePole, true},
        {zlEdit, NovaDeska, false},
        {zlReseni, NovyKamen, true},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Zalozka);
        // Every case starts from the default colours, not from those the
        // previous case's run kept.
        QFile::remove(TNastaveni::VychoziSoubor());
        OtevriSOkny();
        Skoc(3, 3, 3, 1);
        ASSERT_EQ(HerniDeska().Zaznam.PoleNa(Sonda).Stav, spPrazdne);
        ZalozkaUzivatelem(p.Zalozka);
        if (p.Zalozka == zlHra) {
            // Numbers turned on after the play tab was last left are the
            // play tab's choice from then on, a redraw keeps them.
            ZalozkaUzivatelem(zlNahrat);
            ZalozkaUzivatelem(zlHra);
            A("mnCislaPoli")->trigger();
            ASSERT_TRUE(MaCislo(Sonda));
        }
        const TBarva predtim = NaDesce(Sonda);

        VModalnimOkne([&] {
            for (const auto& [tlacitko, barva] :
                 {std::pair{"ButtonKamen", NovyKamen}, {"ButtonPole", NovePole}, {"ButtonDeska", NovaDeska}}) {
                Odpovez(barva);
                Barvy()->findChild<QPushButton*>(tlacitko)->click();
            }
            EXPECT_EQ(Bod(Barvy()->DejUkazku()->DejPrvek(2), Stred, Stred), NovyKamen);  // the sample at once
            EXPECT_EQ(NaDesce(Sonda), predtim);                                     // the board not yet
            EXPECT_EQ(BarvyDesky(), StandardniBarvy());
            Barvy()->findChild<QPushButton*>("ButtonOK")->click();
        });
        A("mnBarvy")->trigger();

        EXPECT_FALSE(Barvy()->isVisible());
        EXPECT_EQ(BarvyDesky().BarvaKamen, NovyKamen);
        EXPECT_EQ(BarvyPalety().BarvaKamen, NovyKamen);
        EXPECT_EQ(Zalozky()->currentIndex(), p.Zalozka);
        EXPECT_EQ(NaDesce(Sonda), p.SondaPotom);
        EXPECT_EQ(MaCislo(Sonda), p.CislaPotom);
        EXPECT_EQ(A("mnCislaPoli")->isChecked(), p.CislaPotom);
        if (p.Zalozka == zlEdit) {
            EXPECT_EQ(Bod(PrvekPalety(2), Stred, Stred), NovyKamen);
        }
        if (p.Zalozka == zlHra) {
            // The selection survives the redraw.
            EXPECT_EQ(Ohraniceni(3, 1), BarvaVyberu());
        }
        EXPECT_TRUE(Zpravy.empty());
        Zavri();
    }
}
