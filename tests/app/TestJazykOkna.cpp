// SPDX-License-Identifier: GPL-3.0-or-later
// The window in another language: the "Jazyk" menu switches every text at
// once and back to exactly the Czech ones, the choice outlives the run, and
// a window that starts in English shows no Czech but the boards' own names.
#include <QAccessible>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMap>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>

#include "KavirelNastaveni.h"
#include "KavirelPomocnaOkna.h"
#include "KavirelPreklad.h"
#include "KavirelText.h"
#include "OknoTest.h"

namespace {

const char* const TextoveVlastnosti[] = {"text",       "title",          "toolTip",
                                         "statusTip",  "windowTitle",    "accessibleName",
                                         "accessibleDescription", "placeholderText"};

// Every text the window and its windows show or tell assistive technology,
// under a key naming where it is: objects by their and their parents' names
// (an object without one by its class and place among such siblings), tab
// captions, table headers, and what the board's fields are called.
QMap<QString, QString> TextyOkna(QWidget* okno, bool sDialogyQt = true)
{
    QMap<QString, QString> texty;
    const auto klic = [okno](QObject* o) {
        QString k;
        for (QObject* p = o; p != nullptr && p != okno; p = p->parent()) {
            QString jmeno = p->objectName();
            if (jmeno.isEmpty() && p->parent() != nullptr) {
                int poradi = 0;
                for (const QObject* s : p->parent()->children()) {
                    if (s == p)
                        break;
                    if (s->objectName().isEmpty() && s->metaObject() == p->metaObject())
                        ++poradi;
                }
                jmeno = QStringLiteral("%1#%2").arg(QLatin1String(p->metaObject()->className())).arg(poradi);
            }
            k.prepend(QLatin1Char('/') + jmeno);
        }
        return k;
    };
    QList<QObject*> objekty = okno->findChildren<QObject*>();
    objekty.prepend(okno);
    for (QObject* o : objekty) {
        // Qt's file and colour dialogs set their own texts again in their
        // own way (without the mnemonics they were made with).
        const auto jeQt = [](QObject* x) { return qobject_cast<QFileDialog*>(x) || qobject_cast<QColorDialog*>(x); };
        bool vDialoguQt = false;
        for (QObject* p = o; p != nullptr && !vDialoguQt; p = p->parent())
            vDialoguQt = jeQt(p);
        if (vDialoguQt && !sDialogyQt)
            continue;
        for (const char* v : TextoveVlastnosti) {
            const QVariant hodnota = o->property(v);
            if (hodnota.typeId() == QMetaType::QString && !hodnota.toString().isEmpty())
                texty.insert(klic(o) + QLatin1Char('.') + QLatin1String(v), hodnota.toString());
        }
        if (auto* z = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < z->count(); ++i)
                texty.insert(klic(o) + QStringLiteral(".tab%1").arg(i), z->tabText(i));
        if (auto* t = qobject_cast<QTableWidget*>(o))
            for (int i = 0; i < t->columnCount(); ++i)
                if (t->horizontalHeaderItem(i) != nullptr)
                    texty.insert(klic(o) + QStringLiteral(".header%1").arg(i), t->horizontalHeaderItem(i)->text());
    }
    if (QWidget* deska = okno->findChild<QWidget*>(QStringLiteral("PohledDesky")))
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(deska)) {
            texty.insert(QStringLiteral("deska.name"), a->text(QAccessible::Name));
            texty.insert(QStringLiteral("deska.description"), a->text(QAccessible::Description));
            for (int i = 0; i < a->childCount(); ++i)
                texty.insert(QStringLiteral("deska.pole%1").arg(i), a->child(i)->text(QAccessible::Name));
        }
    return texty;
}

QString JmenoPrvnihoPole(QWidget* okno)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(okno->findChild<QWidget*>(QStringLiteral("PohledDesky")));
    return a != nullptr && a->childCount() > 0 ? a->child(0)->text(QAccessible::Name) : QString();
}

class PrekladOkna : public OknoTest {
protected:
    void TearDown() override
    {
        OknoTest::TearDown();
        // The next test starts in the environment's language (Czech).
        NastavVolbuJazyka(std::nullopt);
    }

    void Zvol(const char* polozka)
    {
        A(polozka)->trigger();
        // Qt sends the change of language as a posted event.
        QCoreApplication::processEvents();
    }

    QString Zalozka(int i) const { return Zalozky()->tabText(i); }

    // Every tab in front in turn (some texts are written when a tab comes),
    // each checked whole and uncovered, then the play tab again.
    void ObejdiZalozky()
    {
        for (int i : {zlNahrat, zlUlozit, zlEdit, zlReseni, zlHra}) {
            Zalozky()->setCurrentIndex(i);
            OcekavejVseCeleAViditelne(Okno.get());
        }
    }
};

TEST_F(PrekladOkna, PrepnutiZaBehuAZpetDaPresneCeskeTexty)
{
    ASSERT_NO_FATAL_FAILURE(Otevri());
    // A hint asked for and given up, as below in English.
    for (int i = 0; i < 2; ++i)
        B("btnHraPoradit")->click();
    ObejdiZalozky();
    const QMap<QString, QString> cesky = TextyOkna(Okno.get(), false);
    EXPECT_TRUE(A("mnJazykSystem")->isChecked());

    struct TOcekavani {
        QString Cesky;
        QString Anglicky;
        std::function<QString()> Cti;
    };
    const TOcekavani pripady[] = {
        {QStringLiteral("Hr&a"), QStringLiteral("&Play"), [&] { return Zalozka(zlHra); }},
        {QStringLiteral("Ř&ešení"), QStringLiteral("S&olve"), [&] { return Zalozka(zlReseni); }},
        {QStringLiteral("&Hra"), QStringLiteral("&Game"), [&] { return M("mnHra")->title(); }},
        {QStringLiteral("&Jazyk"), QStringLiteral("&Language"), [&] { return M("mnJazyk")->title(); }},
        {QStringLiteral("&Krok zpět..."), QStringLiteral("&Undo..."), [&] { return B("btnHraKrokZpet")->text(); }},
        {QStringLiteral("Nová hra"), QStringLiteral("New game"), [&] { return L("lblHraPrubeh")->text(); }},
        {QStringLiteral("NORMÁLNÍ"), QStringLiteral("NORMAL"), [&] { return L("lblHraTypHry")->text(); }},
        {QStringLiteral("Vrátit zpět přesunutý kámen"), QStringLiteral("Take the last jump back"),
         [&] { return B("btnHraKrokZpet")->toolTip(); }},
        {QStringLiteral("Možnosti hry"), QStringLiteral("Game options"),
         [&] { return O<QGroupBox>(QStringLiteral("grpHraMoznosti"))->title(); }},
        {QStringLiteral("Hrací deska"), QStringLiteral("Game board"), [&] { return O("PohledDesky")->accessibleName(); }},
    };
    for (const TOcekavani& p : pripady)
        EXPECT_EQ(p.Cti().toStdString(), p.Cesky.toStdString());
    EXPECT_TRUE(JmenoPrvnihoPole(Okno.get()).startsWith(QStringLiteral("Pole ")));
    EXPECT_TRUE(L("lblHraZbyva")->text().startsWith(QStringLiteral("Zbývá kamenů: ")));

    Zvol("mnJazykAnglictina");
    EXPECT_TRUE(A("mnJazykAnglictina")->isChecked());
    EXPECT_FALSE(A("mnJazykSystem")->isChecked());
    for (const TOcekavani& p : pripady)
        EXPECT_EQ(p.Cti().toStdString(), p.Anglicky.toStdString());
    // The labels have fitted their new texts, and the captions after them
    // have made room.
    ObejdiZalozky();
    // What a screen reader reads of a field: its number and a peg or empty.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Field \\d+: (peg|empty)(, target hole)?$"))
                    .match(JmenoPrvnihoPole(Okno.get()))
                    .hasMatch())
        << JmenoPrvnihoPole(Okno.get()).toStdString();
    EXPECT_TRUE(L("lblHraZbyva")->text().startsWith(QStringLiteral("Pegs left: ")));
    // Qt's own dialogs and buttons speak the same language.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    // What changes after the switch is made in English too.
    B("btnHraPoradit")->click();
    EXPECT_EQ(B("btnHraPoradit")->text(), QStringLiteral("Cancel hi&nt"));
    B("btnHraPoradit")->click();
    EXPECT_EQ(B("btnHraPoradit")->text(), QStringLiteral("Hi&nt"));

    Zvol("mnJazykCestina");
    ObejdiZalozky();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Zrušit"));
    const QMap<QString, QString> zpet = TextyOkna(Okno.get(), false);
    for (auto i = cesky.cbegin(); i != cesky.cend(); ++i)
        EXPECT_EQ(zpet.value(i.key()).toStdString(), i.value().toStdString()) << i.key().toStdString();
    for (auto i = zpet.cbegin(); i != zpet.cend(); ++i)
        EXPECT_TRUE(cesky.contains(i.key())) << i.key().toStdString() << ": " << i.value().toStdString();
}

TEST_F(PrekladOkna, VolbaPlatiIPristeAPodleSystemuSeVraci)
{
    ASSERT_NO_FATAL_FAILURE(Otevri());
    Zvol("mnJazykAnglictina");
    Zavri();
    QSettings nastaveni(TNastaveni::VychoziSoubor(), QSettings::IniFormat);
    EXPECT_EQ(nastaveni.value(QStringLiteral("Zobrazeni/Jazyk")).toString(), QStringLiteral("en"));

    // The next run starts in English, whatever the environment says.
    ASSERT_NO_FATAL_FAILURE(Otevri());
    EXPECT_TRUE(A("mnJazykAnglictina")->isChecked());
    EXPECT_EQ(Zalozka(zlNahrat), QStringLiteral("&Load"));
    EXPECT_EQ(JazykOkna(), TJazyk::Anglictina);

    // "podle systému": the environment's language again (Czech here), and
    // nothing kept in the settings.
    Zvol("mnJazykSystem");
    EXPECT_EQ(Zalozka(zlNahrat), QStringLiteral("Nahr&át"));
    Zavri();
    QSettings znovu(TNastaveni::VychoziSoubor(), QSettings::IniFormat);
    EXPECT_FALSE(znovu.contains(QStringLiteral("Zobrazeni/Jazyk")));
}

// The window of a player whose desktop speaks English, everything opened
// that a player can open without a modal box: no letter that only Czech
// writes, except in the catalogue's board names and in the name of the
// Czech language in the "Jazyk" menu.
TEST_F(PrekladOkna, AnglickeOknoNemaCeskyText)
{
    const QByteArray puvodni = qgetenv("LC_ALL");
    qputenv("LC_ALL", "en_US.UTF-8");
    // As the program's start does, before the window exists.
    NastavVolbuJazyka(std::nullopt);
    ASSERT_NO_FATAL_FAILURE(Otevri());
    VytvorPomocnaOkna(Okno.get());
    A("mnRekordy")->trigger();
    A("mnInfo")->trigger();
    QCoreApplication::processEvents();

    QStringList nazvyDesek;
    for (const TZaznamDesky& z : StandardniZaznamy())
        nazvyDesek << NazevDesky(z);
    const QRegularExpression ceskaPismena(QStringLiteral("[ěščřžýáíéůúňťďĚŠČŘŽÝÁÍÉŮÚŇŤĎ]"));
    const auto nazevDesky = [&](const QString& text) {
        return std::any_of(nazvyDesek.begin(), nazvyDesek.end(), [&](const QString& n) { return text.contains(n); });
    };
    int prohledano = 0;
    // Every tab in front in turn: some texts are written when a tab comes.
    for (int i : {zlNahrat, zlUlozit, zlEdit, zlReseni, zlHra}) {
        Zalozky()->setCurrentIndex(i);
        OcekavejVseCeleAViditelne(Okno.get());
        const QMap<QString, QString> texty = TextyOkna(Okno.get());
        for (auto t = texty.cbegin(); t != texty.cend(); ++t) {
            ++prohledano;
            if (QString(t.value()).remove(QLatin1Char('&')) == QStringLiteral("Čeština") || nazevDesky(t.value()))
                continue;
            EXPECT_FALSE(t.value().contains(ceskaPismena)) << t.key().toStdString() << ": " << t.value().toStdString();
        }
    }
    EXPECT_GT(prohledano, 500);
    ASSERT_NE(OknoNapovedy(), nullptr);
    EXPECT_TRUE(OknoNapovedy()->Prohlizec()->source().path().startsWith(QStringLiteral("/napoveda/en/")));

    Zavri();
    qputenv("LC_ALL", puvodni);
}

} // namespace
