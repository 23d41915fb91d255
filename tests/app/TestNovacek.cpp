// SPDX-License-Identifier: GPL-3.0-or-later
// What a new player ran into: a long file name on the load tab, characters a
// board name cannot hold, and the marked sample of the legend.
#include <QFileDialog>

#include "KavirelGraph.h"
#include "OknoTest.h"

namespace {
QLabel* Poznamka(QLineEdit* e)
{
    return e->parentWidget()->findChild<QLabel*>(e->objectName() + QStringLiteral("Poznamka"));
}
} // namespace

TEST_F(OknoTest, DlouhyNazevSouboruZustavaCitelny)
{
    const QString dlouhy = QStringLiteral("moje_nejoblibenejsi_deska_se_hrozne_dlouhym_jmenem_od_kamarada_z_klubu_%1.kav")
                               .arg(QString(40, QLatin1Char('x')));
    ZapisSoubor(dlouhy, Bajty(TestovaciKatalog()[18]));
    ZapisSoubor(QStringLiteral("kratka_jmeno.kav"), Bajty(TestovaciKatalog()[18]));
    Otevri();
    ZalozkaUzivatelem(zlNahrat);
    const QFont zaklad = L("lblNahratPuvodDesky")->font();

    struct {
        QString soubor;
        bool zkraceny;
    } const pripady[] = {{QStringLiteral("kratka_jmeno.kav"), false}, {dlouhy, true}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.soubor.toStdString());
        NastavVyberSouboru([&](QFileDialog*) { return QDir::current().absoluteFilePath(p.soubor); });
        Stiskni(B("btnNahratOtevrit"));
        QLabel* l = L("lblNahratPuvodDesky");
        // The label keeps its font and stays inside its frame.
        EXPECT_EQ(l->font().pointSizeF(), zaklad.pointSizeF());
        EXPECT_EQ(l->font().stretch(), zaklad.stretch());
        EXPECT_LE(l->x() + l->width(), l->parentWidget()->width());
        EXPECT_TRUE(l->text().startsWith(QStringLiteral("Nahráno ze souboru")));
        EXPECT_EQ(l->text().contains(QChar(0x2026)), p.zkraceny) << l->text().toStdString();
        // Its start and end stay; the whole path is in the hint.
        EXPECT_TRUE(l->text().contains(p.soubor.left(8)));
        EXPECT_TRUE(l->text().contains(p.soubor.right(8)));
        EXPECT_TRUE(l->toolTip().contains(QDir::current().absoluteFilePath(p.soubor)));
    }
    // Back in the catalogue the hint is the plain one again.
    Stiskni(B("btnNahratDalsi"));
    EXPECT_FALSE(L("lblNahratPuvodDesky")->toolTip().contains(QStringLiteral(".kav")));
}

TEST_F(OknoTest, NazevOdmitaZnakyViditelne)
{
    Otevri();
    struct {
        int zalozka;
        const char* okenko;
    } const pripady[] = {{zlUlozit, "edtUlozitNazevDesky"}, {zlEdit, "edtEditNazevDesky"}};
    for (const auto& p : pripady) {
        ZalozkaUzivatelem(p.zalozka);
        QLineEdit* e = E(p.okenko);
        QLabel* poznamka = Poznamka(e);
        ASSERT_NE(poznamka, nullptr);
        e->setFocus();
        e->selectAll();
        Pis(e, QStringLiteral("Ab"));
        EXPECT_FALSE(Ukazan(poznamka));
        // Not in Windows-1250: refused, and the note says which one.
        Pis(e, QStringLiteral("→"));
        EXPECT_EQ(e->text(), "Ab");
        ASSERT_TRUE(Ukazan(poznamka));
        EXPECT_TRUE(poznamka->text().contains(QStringLiteral("→")));
        EXPECT_GE(poznamka->y(), e->y() + e->height() - 1) << "below the box";
        // Characters the code page has are taken, and the note goes.
        Pis(e, QStringLiteral("ěš"));
        EXPECT_EQ(e->text(), "Aběš");
        EXPECT_FALSE(Ukazan(poznamka));
    }
}

TEST(Legenda, OznacenyVzorekMaKontrastniPodlozku)
{
    QWidget hostitel;
    hostitel.resize(79, 365);
    // Light and dark markings: the mat under the sample differs from the
    // marking either way, and lies outside the sample's own pixels.
    for (TBarva vyber : {TBarva(0x00FFFFFF), TBarva(0x00F0F0F0), TBarva(0x00000000), TBarva(0x00402010)}) {
        TGraphBarvyDeska vzorek(&hostitel, 2, 16, 6, 6);
        TBarvy b = StandardniBarvy();
        b.BarvaVyber = vyber;
        vzorek.NastavBarvy(b);
        vzorek.Kresli();
        TObrazek* podlozka = vzorek.DejPodlozku();
        ASSERT_NE(podlozka, nullptr);
        const QColor mat = podlozka->Obraz().pixelColor(1, 30);
        const QColor znacka = BarvaNaQColor(vyber);
        EXPECT_GT(std::abs(mat.lightness() - znacka.lightness()), 100) << std::hex << vyber;
        const QRect r = vzorek.PolohaPrvku(0, 4);
        EXPECT_EQ(podlozka->geometry(), r.adjusted(-3, -3, 3, 3));
        EXPECT_EQ(BarvaZQColor(QColor(vzorek.DejPrvek(4)->Obraz().pixel(0, 30))), vyber);
    }
}
