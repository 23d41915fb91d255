// SPDX-License-Identifier: GPL-3.0-or-later
// Board files from outside the window: the one argument of the command line
// (as the file manager passes it), played at once or refused with the load
// tab's own message; and where the file dialogs start.
#include <QFileDialog>
#include <QStandardPaths>
#include <QTabWidget>

#include "KavirelNastaveni.h"
#include "KavirelPrikazovaRadka.h"
#include "OknoTest.h"

namespace {

// The controls as a player (and a screen reader) finds them: by name.
QString Text(const QWidget* okno, const char* jmeno)
{
    const auto* popisek = okno->findChild<QLabel*>(QString::fromLatin1(jmeno));
    return popisek ? popisek->text() : QStringLiteral("<%1 missing>").arg(QString::fromLatin1(jmeno));
}

int Vpredu(const QWidget* okno) { return okno->findChild<QTabWidget*>(QStringLiteral("Zalozky"))->currentIndex(); }

TEST(PrikazovaRadka, JedinyArgumentJeSouborDesky)
{
    struct TPripad {
        QStringList Argumenty;  // after the program's name, the toolkit's options taken out
        int Kod;                // -1: the game starts
        QString Deska;
    };
    const TPripad pripady[] = {
        {{}, -1, {}},
        {{QStringLiteral("deska.kav")}, -1, QStringLiteral("deska.kav")},
        {{QStringLiteral("/home/hráč/Desky/můj kříž.kav")}, -1, QStringLiteral("/home/hráč/Desky/můj kříž.kav")},
        // Any name, as the load tab's routines take any name.
        {{QStringLiteral("deska")}, -1, QStringLiteral("deska")},
        {{QStringLiteral("--"), QStringLiteral("-pomlcka.kav")}, -1, QStringLiteral("-pomlcka.kav")},
        {{QStringLiteral("a.kav"), QStringLiteral("b.kav")}, 2, {}},
        {{QString()}, 2, {}},
        {{QStringLiteral("--bogus"), QStringLiteral("a.kav")}, 2, {}},
        {{QStringLiteral("a.kav"), QStringLiteral("-x")}, 2, {}},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Argumenty.join(QLatin1Char(' ')).toStdString());
        QString deska = QStringLiteral("předtím");
        EXPECT_EQ(PrikazovaRadkaPoSpusteni(QStringList{QStringLiteral("kavirel")} + p.Argumenty, deska), p.Kod);
        if (p.Kod < 0) {
            EXPECT_EQ(deska, p.Deska);
        }
    }
}

// A board file given at start: played on the play tab and shown on the load
// tab as "Otevřít…" shows it; a file that cannot be read gives that button's
// message and leaves the window as it starts without a file.
TEST_F(OknoTest, DeskaZPrikazoveRadkyHrajeNeboHlasiAZacneJakoObvykle)
{
    TZaznamDesky kriz = StandardniZaznamy()[6];
    ZapisSoubor(QStringLiteral("kriz.kav"), Bajty(kriz));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("slozka.kav")));

    const QString zeSouboru = QStringLiteral("Nahráno ze souboru \"kriz.kav\"");
    const QString zeStandardniho = QStringLiteral("Nahráno ze standardního souboru ");
    const QString otevreni = QStringLiteral("Soubor se nepodařilo otevřít!");
    struct TPripad {
        QString Soubor;
        QString Chyba;  // empty: none
        QString Deska;  // on the play and load tabs
        QString Zbyva;
        QString Puvod;  // on the load tab
    };
    const TPripad pripady[] = {
        {QStringLiteral("kriz.kav"), {}, QStringLiteral("Kříž"), QStringLiteral("Zbývá kamenů: 15"), zeSouboru},
        {Adresar.filePath(QStringLiteral("kriz.kav")), {}, QStringLiteral("Kříž"), QStringLiteral("Zbývá kamenů: 15"),
         zeSouboru},
        {QStringLiteral("chybi.kav"), otevreni, QStringLiteral("Anglická hrací deska"),
         QStringLiteral("Zbývá kamenů: 32"), zeStandardniho},
        {QStringLiteral("slozka.kav"), otevreni, QStringLiteral("Anglická hrací deska"),
         QStringLiteral("Zbývá kamenů: 32"), zeStandardniho},
        // Files that open but do not read: as on the load tab, in its test.
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Soubor.toStdString());
        Zpravy.clear();
        Otevri();
        Okno->HratDeskuZeSouboru(p.Soubor);
        EXPECT_TRUE(Zprava(TDruhZpravy::ChybaSouboru, p.Chyba));
        EXPECT_EQ(Vpredu(Okno.get()), zlHra);
        EXPECT_EQ(Text(Okno.get(), "lblHraNazevDesky"), p.Deska);
        EXPECT_EQ(Text(Okno.get(), "lblHraZbyva"), p.Zbyva);
        EXPECT_EQ(Text(Okno.get(), "lblHraTahu"), QStringLiteral("0"));
        EXPECT_EQ(Text(Okno.get(), "lblNahratNazevDesky"), p.Deska);
        EXPECT_EQ(Text(Okno.get(), "lblNahratPuvodDesky"), p.Puvod);
        Zavri();
        // The catalogue is the catalogue still: the file's board is not in it.
        EXPECT_EQ(PrectiSoubor(QStringLiteral("Kavirel.dat")), VestavenyKatalog());
    }
}

// The open and the save dialog start in the folder of the file last chosen
// with either of them, in this run or in an earlier one, while that folder
// exists; else in the user's documents folder, else at home. Never in the
// working directory, which is the game's hidden data folder from the menu.
TEST_F(OknoTest, DialogyZacinajiVPosledniSlozceNeboVDokumentech)
{
    const QString dokumenty = Adresar.filePath(QStringLiteral("Dokumenty"));
    const QString jinde = Adresar.filePath(QStringLiteral("desky/jinde"));
    const QString druha = Adresar.filePath(QStringLiteral("desky/druha"));
    ASSERT_TRUE(QDir().mkpath(jinde));
    ASSERT_TRUE(QDir().mkpath(druha));
    ZapisSoubor(jinde + QStringLiteral("/kriz.kav"), Bajty(StandardniZaznamy()[6]));
    // The documents folder as the desktop names it (xdg-user-dirs).
    ASSERT_TRUE(QDir().mkpath(Adresar.filePath(QStringLiteral("config"))));
    ZapisSoubor(Adresar.filePath(QStringLiteral("config/user-dirs.dirs")),
                "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(dokumenty) + "\"\n");
    ASSERT_EQ(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), dokumenty);

    enum TKrok { Otevrit, Ulozit, Znovu, Smazat, Vytvorit };
    struct TPripad {
        const char* Popis;
        TKrok Krok;
        QString Vyber;    // the file chosen in the dialog; empty: cancelled
        QString Zacatek;  // where the dialog started
    };
    const QString domov = QDir::homePath();
    const TPripad pripady[] = {
        {"no documents folder yet: home", Otevrit, {}, domov},
        {"documents folder", Vytvorit, {}, {}},
        {"cancelled: nothing learnt", Otevrit, {}, dokumenty},
        {"a file chosen elsewhere", Otevrit, jinde + QStringLiteral("/kriz.kav"), dokumenty},
        {"the save dialog follows", Ulozit, {}, jinde},
        {"kept across runs", Znovu, {}, {}},
        {"after a restart", Otevrit, {}, jinde},
        {"saved somewhere else", Ulozit, druha + QStringLiteral("/nova.kav"), jinde},
        {"the open dialog follows", Otevrit, {}, druha},
        {"a folder that is gone", Smazat, {}, {}},
        {"a folder that is gone", Otevrit, {}, dokumenty},
    };
    QString zacatek;
    QString vyber;
    auto nastavDialog = [&] {
        NastavVyberSouboru([&](QFileDialog* d) {
            zacatek = d->directory().absolutePath();
            return vyber;
        });
    };
    Otevri();
    nastavDialog();
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.Popis);
        switch (p.Krok) {
        case Vytvorit:
            ASSERT_TRUE(QDir().mkpath(dokumenty));
            continue;
        case Smazat:
            ASSERT_TRUE(QDir(druha).removeRecursively());
            continue;
        case Znovu:
            Zavri();
            Otevri();
            nastavDialog();
            continue;
        case Otevrit:
        case Ulozit:
            break;
        }
        zacatek.clear();
        vyber = p.Vyber;
        ZalozkaUzivatelem(p.Krok == Otevrit ? zlNahrat : zlUlozit);
        Stiskni(Okno->findChild<QPushButton*>(p.Krok == Otevrit ? QStringLiteral("btnNahratOtevrit")
                                                                 : QStringLiteral("btnUlozitExterni")));
        EXPECT_EQ(QDir(zacatek), QDir(p.Zacatek)) << zacatek.toStdString();
        EXPECT_NE(QDir(zacatek), QDir(QDir::currentPath()));
    }
    EXPECT_EQ(QDir::currentPath(), QDir(Adresar.path()).canonicalPath());
}

} // namespace
