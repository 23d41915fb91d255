// SPDX-License-Identifier: GPL-3.0-or-later
// The load and save tabs, external board files and the catalogue written at
// the end.
#include <QAction>
#include <QFileDialog>

#include <cstring>
#include <functional>

#include "OknoTest.h"

namespace {
const char* const MimoRozsah20 = "Standardní soubor obsahuje 20 uložených desek.\n\rZadejte číslo z rozmezí 1..20";
}

TEST_F(OknoTest, ListovaniDokolaAJdiNaCislo)
{
    OtevriTestovaciKatalog();
    ZalozkaUzivatelem(zlNahrat);
    Stiskni(B("btnNahratPredchozi"));
    EXPECT_EQ(T(L("lblNahratCisloDesky")), "20");
    EXPECT_EQ(T(L("lblNahratNazevDesky")), "Leibniz B");
    EXPECT_TRUE(B("btnNahratSmazat")->isEnabled());
    Stiskni(B("btnNahratDalsi"));
    EXPECT_EQ(T(L("lblNahratCisloDesky")), "1");
    EXPECT_FALSE(B("btnNahratSmazat")->isEnabled());

    struct TPripad {
        const char* Text;
        const char* Zprava;  // nullptr: none
        const char* Cislo;   // number shown afterwards
    };
    const TPripad pripady[] = {
        {"", nullptr, "1"},
        {"0", MimoRozsah20, "1"},
        {"-1", MimoRozsah20, "1"},
        {"abc", "Zadaná hodnota není číslo", "1"},
        {"99999999999", "Zadaná hodnota není číslo", "1"},
        {"20", nullptr, "20"},
        {"21", MimoRozsah20, "20"},
        {"9", nullptr, "9"},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Text);
        Zpravy.clear();
        JdiNaCislo(QString::fromUtf8(p.Text));
        EXPECT_TRUE(Zprava(TDruhZpravy::Informace, QString::fromUtf8(p.Zprava)));
        EXPECT_TRUE(E("edtNahratCislo")->text().isEmpty());
        EXPECT_EQ(T(L("lblNahratCisloDesky")), p.Cislo);
    }
    EXPECT_EQ(T(L("lblNahratNazevDesky")), "Plus");

    // Leaving the box ends the input as well.
    E("edtNahratCislo")->setFocus();
    E("edtNahratCislo")->setText(QStringLiteral("18"));
    B("btnNahratDalsi")->setFocus();
    EXPECT_EQ(T(L("lblNahratCisloDesky")), "18");
    EXPECT_EQ(T(L("lblNahratNazevDesky")), "Viceskok");
}

// Every delete and every save reaches the standard file at once, byte for
// byte: a game that dies afterwards (the display gone, the session killed)
// has lost nothing.
TEST_F(OknoTest, MazaniAUlozeniJsouHnedVeStandardnimSouboruBajtPoBajtu)
{
    const std::vector<TZaznamDesky> katalog = TestovaciKatalog();
    ZapisKatalog(katalog);
    Otevri();
    std::vector<TZaznamDesky> bez18(katalog.begin(), katalog.begin() + 17);
    bez18.push_back(katalog[18]);
    bez18.push_back(katalog[19]);
    std::vector<TZaznamDesky> sPridanou = bez18;
    sPridanou.push_back(katalog[19]);

    ZalozkaUzivatelem(zlNahrat);
    JdiNaCislo(QStringLiteral("17"));
    EXPECT_FALSE(B("btnNahratSmazat")->isEnabled());
    JdiNaCislo(QStringLiteral("18"));
    Stiskni(B("btnNahratSmazat"));
    EXPECT_EQ(SeznamDesek->PocetDesek, 19);
    EXPECT_EQ(T(L("lblNahratCisloDesky")), "18");
    EXPECT_EQ(T(L("lblNahratNazevDesky")), "Leibniz A");
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), Bajty(bez18));
    JdiNaCislo(QStringLiteral("19"));
    // The board offered for saving is the loaded one, noise bytes included.
    ZalozkaUzivatelem(zlUlozit);
    EXPECT_EQ(E("edtUlozitNazevDesky")->text(), "Leibniz B");
    EXPECT_EQ(T(L("lblUlozitPuvodDesky")), "Uložit nahranou desku pod názvem...");
    Stiskni(B("btnUlozitStandardni"));
    EXPECT_EQ(T(L("lblUlozitJakUlozeno")), "Uloženo do standardního souboru");
    EXPECT_EQ(T(L("lblUlozitKamUlozeno")), "pod číslem 20");
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), Bajty(sPridanou));
    ZalozkaUzivatelem(zlNahrat);
    JdiNaCislo(QStringLiteral("20"));
    Stiskni(B("btnNahratSmazat"));  // the last one: the new last one is shown
    EXPECT_EQ(T(L("lblNahratCisloDesky")), "19");
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), Bajty(bez18));

    A("mnKonec")->trigger();
    EXPECT_FALSE(Okno->isVisible());
    Zavri();
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), Bajty(bez18));
    EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden), (QStringList{"Kavirel.dat", "Kavirel.dat.lock"}));
    EXPECT_TRUE(Zpravy.empty());
}

TEST_F(OknoTest, OtevreniExternihoSouboru)
{
    TZaznamDesky cizi = TestovaciKatalog()[18];
    NastavNazev(cizi, "Vn\xECj\x9A\xED");  // "Vnější" in Windows-1250
    ZapisSoubor(QStringLiteral("deska.kav"), Bajty(cizi));
    ZapisSoubor(QStringLiteral("kratka.kav"), Bajty(cizi).left(100));
    Otevri();
    QString vybrany;
    NastavVyberSouboru([&](QFileDialog* d) {
        EXPECT_EQ(d, O<QFileDialog>("OpenFileDialog"));
        return vybrany.isEmpty() ? QString() : QDir::current().absoluteFilePath(vybrany);
    });
    ZalozkaUzivatelem(zlNahrat);

    struct TPripad {
        const char* Soubor;  // empty: the dialog is cancelled
        const char* Chyba;
        const char* Nazev;
        const char* Puvod;
    };
    // Which files read and which do not, the storage's test.
    const char* const zeStandardniho = "Nahráno ze standardního souboru ";
    const TPripad pripady[] = {
        {"", nullptr, "Anglická hrací deska", zeStandardniho},
        {"kratka.kav", "Chyba pri čtení ze souboru. Deska nenahrána!", "Anglická hrací deska", zeStandardniho},
        {"deska.kav", nullptr, "Vnější", "Nahráno ze souboru \"deska.kav\""},
        {"chybi.kav", "Soubor se nepodařilo otevřít!", "Vnější", "Nahráno ze souboru \"deska.kav\""},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Soubor);
        Zpravy.clear();
        vybrany = QString::fromUtf8(p.Soubor);
        Stiskni(B("btnNahratOtevrit"));
        EXPECT_TRUE(Zprava(TDruhZpravy::ChybaSouboru, QString::fromUtf8(p.Chyba)));
        EXPECT_EQ(T(L("lblNahratNazevDesky")), p.Nazev);
        EXPECT_EQ(T(L("lblNahratPuvodDesky")), p.Puvod);
        const bool zeSouboru = std::string(p.Puvod) != zeStandardniho;
        EXPECT_EQ(Ukazan(L("lblNahratCisloDesky")), !zeSouboru);
        EXPECT_EQ(Ukazan(L("lblNahratCisloDeskyPevna")), !zeSouboru);
        if (zeSouboru) {
            EXPECT_FALSE(B("btnNahratSmazat")->isEnabled());
        }
    }
    EXPECT_EQ(Bajty(ZaznamNahrany()), Bajty(cizi));
    // Browsing returns to the catalogue.
    Stiskni(B("btnNahratDalsi"));
    EXPECT_EQ(T(L("lblNahratCisloDesky")), "2");
    EXPECT_EQ(T(L("lblNahratPuvodDesky")), zeStandardniho);
}

// What the save tab does around the saving itself: Enter, the result line,
// a failed or cancelled write, and the solve tab, whose board is not saved.
TEST_F(OknoTest, UlozeniEnterChybaZruseniAReseni)
{
    Otevri();
    QString cil;
    NastavVyberSouboru([&](QFileDialog* d) {
        EXPECT_EQ(d, O<QFileDialog>("SaveFileDialog"));
        return cil.isEmpty() ? QString() : QDir::current().absoluteFilePath(cil);
    });
    ZalozkaUzivatelem(zlUlozit);
    EXPECT_EQ(E("edtUlozitNazevDesky")->selectedText(), "Anglická hrací deska");
    QTest::keyClick(E("edtUlozitNazevDesky"), Qt::Key_Return);  // only moves the focus
    EXPECT_TRUE(B("btnUlozitStandardni")->hasFocus());
    EXPECT_EQ(SeznamDesek->PocetDesek, 17);
    Stiskni(B("btnUlozitStandardni"));
    EXPECT_EQ(T(L("lblUlozitKamUlozeno")), "pod číslem 18");
    E("edtUlozitNazevDesky")->setFocus();  // back to the name: the result disappears
    EXPECT_EQ(T(L("lblUlozitKamUlozeno")), "");
    ZalozkaUzivatelem(zlNahrat);
    EXPECT_EQ(T(L("lblNahratCisloDesky")), "1");  // saving does not move the catalogue

    // A failed write is not reported as saved; a cancelled one does nothing.
    ZalozkaUzivatelem(zlUlozit);
    cil = QStringLiteral("neni/plus.kav");
    Stiskni(B("btnUlozitExterni"));
    ASSERT_EQ(Zpravy.size(), 1u);
    EXPECT_EQ(Zpravy[0].Text, "Chyba při ukládání souboru!");
    EXPECT_EQ(T(L("lblUlozitJakUlozeno")), "");
    EXPECT_EQ(T(L("lblUlozitKamUlozeno")), "");
    cil.clear();
    Stiskni(B("btnUlozitExterni"));
    EXPECT_EQ(Zpravy.size(), 1u);
    EXPECT_EQ(T(L("lblUlozitKamUlozeno")), "");

    ZalozkaUzivatelem(zlReseni);
    ZalozkaUzivatelem(zlUlozit);
    EXPECT_EQ(T(L("lblUlozitPuvodDesky")), "Nelze ukládat desku z řešení...");
    EXPECT_TRUE(E("edtUlozitNazevDesky")->text().isEmpty());
    EXPECT_FALSE(E("edtUlozitNazevDesky")->isEnabled());
    EXPECT_FALSE(B("btnUlozitStandardni")->isEnabled());
    EXPECT_FALSE(B("btnUlozitExterni")->isEnabled());
    ZalozkaUzivatelem(zlHra);
    EXPECT_TRUE(B("btnUlozitExterni")->isEnabled());
}

// The board of each tab that can be saved, into the catalogue and into a file:
// both get the same record, and the catalogue written at the end holds it
// behind the built-in boards.
TEST_F(OknoTest, KazdaZalozkaUkladaDoKataloguIDoSouboruStejnyZaznam)
{
    struct TPripad {
        const char* Soubor;
        std::function<void()> Priprava;   // ends on the tab whose board is saved
        std::function<TZaznamDesky()> Zdroj;
        const char* Puvod;
        QString NovyNazev;                // typed into the save box; empty: kept
        std::string NazevBajty;           // the stored name, Windows-1250
        TTypHry Typ;
    };
    const TPripad pripady[] = {
        {"hra.kav",
         [this] {
             Skoc(3, 3, 3, 1);
             Stiskni(B("btnHraTypHry"));  // the type of the position goes with it
         },
         [this] { return HerniDeska().Zaznam; }, "Uložit rozehranou desku pod názvem...", {},
         "Anglick\xE1 hrac\xED deska", thLeibniz},
        {"nahrana.kav",
         [this] {
             ZalozkaUzivatelem(zlNahrat);
             JdiNaCislo(QStringLiteral("9"));
         },
         // The arrow has no Windows-1250 byte: the box refuses it.
         [] { return StandardniZaznamy()[8]; }, "Uložit nahranou desku pod názvem...", QStringLiteral("Plus → – kopie"),
         "Plus  \x96 kopie", thNormalni},
        {"editovana.kav",
         [this] {
             ZalozkaUzivatelem(zlNahrat);
             JdiNaCislo(QStringLiteral("4"));
             Stiskni(B("btnNahratEditovat"));
             E("edtEditNazevDesky")->selectAll();
             Pis(E("edtEditNazevDesky"), QStringLiteral("Zkouška") + QString(28, QLatin1Char('k')));
         },
         // cut to 30 bytes
         [] { return StandardniZaznamy()[3]; }, "Uložit editovanou desku pod názvem...", {},
         "Zkou\x9Aka" + std::string(23, 'k'), thLeibniz},
        // A random board is a game of the play tab like any other.
    };

    Otevri();
    QString cil;
    NastavVyberSouboru([&](QFileDialog*) { return QDir::current().absoluteFilePath(cil); });
    std::int32_t cislo = PocetChranenychDesek;
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Soubor);
        p.Priprava();
        const TZaznamDesky zdroj = p.Zdroj();
        ZalozkaUzivatelem(zlUlozit);
        EXPECT_EQ(T(L("lblUlozitPuvodDesky")), p.Puvod);
        if (!p.NovyNazev.isEmpty()) {
            E("edtUlozitNazevDesky")->selectAll();
            Pis(E("edtUlozitNazevDesky"), p.NovyNazev);
        }
        Stiskni(B("btnUlozitStandardni"));
        EXPECT_EQ(T(L("lblUlozitKamUlozeno")), "pod číslem " + std::to_string(++cislo));
        cil = QString::fromLatin1(p.Soubor);
        Stiskni(B("btnUlozitExterni"));
        EXPECT_EQ(T(L("lblUlozitKamUlozeno")), "s názvem \"" + std::string(p.Soubor) + "\"");

        const QByteArray bajty = PrectiSoubor(cil);
        ASSERT_EQ(bajty.size(), 275);
        TZaznamDesky ulozena;
        std::memcpy(&ulozena, bajty.constData(), sizeof ulozena);
        EXPECT_EQ(DejNazev(ulozena), p.NazevBajty);
        EXPECT_EQ(ulozena.TypHry, p.Typ);
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y) {
                EXPECT_EQ(ulozena.Pole[x][y].Stav, zdroj.Pole[x][y].Stav) << x << "," << y;
                EXPECT_EQ(ulozena.Pole[x][y].Cilove != 0, zdroj.Pole[x][y].Cilove != 0) << x << "," << y;
            }
        ZalozkaUzivatelem(zlHra);
    }
    EXPECT_TRUE(Zpravy.empty());

    Zavri();
    QByteArray ocekavany = VestavenyKatalog();
    for (const TPripad& p : pripady)
        ocekavany += PrectiSoubor(QString::fromLatin1(p.Soubor));
    EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), ocekavany);
}
