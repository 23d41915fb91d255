// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNabidky.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "KavirelTexty.h"

namespace {

QMenu* Nabidka(QMainWindow* Okno, const char* Jmeno, const TText& Text)
{
    QMenu* m = Okno->menuBar()->addMenu(QString());
    Nastav(m, "title", Text);
    m->setObjectName(QString::fromLatin1(Jmeno));
    m->menuAction()->setObjectName(QString::fromLatin1(Jmeno));
    return m;
}

} // namespace

TNabidky::TNabidky(QMainWindow* Okno) : QObject(Okno)
{
    setObjectName(QStringLiteral("Nabidky"));
    VytvorHru(Okno);
    VytvorOstatni(Okno);
}

QAction* TNabidky::Polozka(QMenu* Menu, const char* Jmeno, const TText& Text, TPolozka Co)
{
    auto* a = new QAction(parent());
    Nastav(a, "text", Text);
    a->setObjectName(QString::fromLatin1(Jmeno));
    if (Menu != nullptr)
        Menu->addAction(a);
    connect(a, &QAction::triggered, this, [this, Co] { emit Zvoleno(Co); });
    return a;
}

QAction* TNabidky::Zaskrtavaci(QMenu* Menu, const char* Jmeno, const TText& Text, TPolozka Co)
{
    auto* a = new QAction(parent());
    Nastav(a, "text", Text);
    a->setObjectName(QString::fromLatin1(Jmeno));
    a->setCheckable(true);
    Menu->addAction(a);
    // The window inverts the flag itself; Qt's own toggle is taken back.
    connect(a, &QAction::triggered, this, [this, a, Co] {
        a->setChecked(!a->isChecked());
        emit Zvoleno(Co);
    });
    return a;
}

QAction* TNabidky::Klavesa(QMainWindow* Okno, const char* Jmeno, const QKeySequence& Klavesa, TPolozka Co)
{
    QAction* a = Polozka(nullptr, Jmeno, TText(), Co);
    a->setShortcut(Klavesa);
    a->setShortcutContext(Qt::WindowShortcut);
    Okno->addAction(a);
    return a;
}

void TNabidky::VytvorHru(QMainWindow* Okno)
{
    // Mnemonics: Alt+H opens "Hra" and so on; the items' letters work
    // inside an open menu.
    QMenu* mnHra = Nabidka(Okno, "mnHra", T_("&Hra"));
    Polozka(mnHra, "mnNovaHra", T_("&Nová"), TPolozka::NovaHra);
    Polozka(mnHra, "mnNahodnaDeska", T_("Nová ná&hodná deska…"), TPolozka::NahodnaDeska);
    Polozka(mnHra, "mnCisloDesky", T_("Zadat &číslo desky…"), TPolozka::CisloDesky);
    // Ctrl+Z takes a jump back on the play and solve tabs (the window
    // decides by the tab in front); an edit box keeps its own Ctrl+Z.
    QAction* zpet = Polozka(mnHra, "mnKrokZpet", T_("Krok &zpět"), TPolozka::KrokZpet);
    zpet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    zpet->setShortcutContext(Qt::WindowShortcut);
    mnKrokVpred = Polozka(mnHra, "mnKrokVpred", T_("Krok &vpřed"), TPolozka::KrokVpred);
    mnKrokVpred->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnKrokVpred->setShortcutContext(Qt::WindowShortcut);
    mnKrokVpred->setEnabled(false);
    mnPoradit = Polozka(mnHra, "mnPoradit", TText(), TPolozka::Poradit);
    NastavHledaniRady(false);
    Polozka(mnHra, "mnRekordy", T_("&Osobní rekordy"), TPolozka::Rekordy);
    Polozka(mnHra, "mnStatistika", T_("&Statistika…"), TPolozka::Statistika);
    mnHra->addSeparator();
    QAction* konec = Polozka(mnHra, "mnKonec", T_("&Konec"), TPolozka::Konec);
    konec->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    konec->setShortcutContext(Qt::WindowShortcut);

    mnTypHry = Nabidka(Okno, "mnTypHry", T_("&Typ hry"));
    mnTypHry->setToolTipsVisible(true);
    // Radio items; their check is set here only: Qt would check a clicked
    // item before the window could look at it.
    auto* skupina = new QActionGroup(this);
    skupina->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    mnNormalni = new QAction(Okno);
    Nastav(mnNormalni, "text", T_("&Normální Kavirel"));
    mnNormalni->setObjectName(QStringLiteral("mnNormalni"));
    Nastav(mnNormalni, "toolTip", T_("Klasická verze Kavirelu"));
    Nastav(mnNormalni, "statusTip", T_("Klasická verze Kavirelu"));
    mnLeibniz = new QAction(Okno);
    Nastav(mnLeibniz, "text", T_("&Leibnizuv Kavirel"));
    mnLeibniz->setObjectName(QStringLiteral("mnLeibniz"));
    for (QAction* a : {mnNormalni, mnLeibniz}) {
        a->setCheckable(true);
        skupina->addAction(a);
        mnTypHry->addAction(a);
        const TTypHry typ = a == mnNormalni ? thNormalni : thLeibniz;
        connect(a, &QAction::triggered, this, [this, typ] {
            const bool uzZaskrtnuty = Typ == typ;
            ZaskrtniTyp(Typ);
            if (!uzZaskrtnuty)
                emit TypZvolen(typ);
        });
    }
    ZaskrtniTyp(thNormalni);
}

void TNabidky::VytvorOstatni(QMainWindow* Okno)
{
    QMenu* mnNastaveni = Nabidka(Okno, "mnNastaveni", T_("&Nastavení"));
    Polozka(mnNastaveni, "mnBarvy", T_("&Barvy"), TPolozka::Barvy);
    mnCislaPoli = Zaskrtavaci(mnNastaveni, "mnCislaPoli", T_("Čí&sla polí"), TPolozka::CislaPoli);
    mnAnimace = Zaskrtavaci(mnNastaveni, "mnAnimace", T_("&Animace skoků"), TPolozka::Animace);
    mnAnimace->setChecked(true);
    VytvorJazyky(mnNastaveni);

    QMenu* mnNapoveda = Nabidka(Okno, "mnNapoveda", T_("Nápo&věda"));
    Polozka(mnNapoveda, "mnLegenda", T_("&Legenda"), TPolozka::Legenda);
    QAction* info = Polozka(mnNapoveda, "mnInfo", T_("&Nápověda ke hře"), TPolozka::Info);
    info->setShortcut(QKeySequence(Qt::Key_F1));
    info->setShortcutContext(Qt::WindowShortcut);
    Polozka(mnNapoveda, "mnOaplikaci", T_("&O aplikaci Kavirel"), TPolozka::Oaplikaci);

    // Shift+F1: the help section of the page in front; Ctrl+G: "Jdi na
    // číslo", which is no tab stop; Ctrl+PgDown and Ctrl+PgUp turn the tabs.
    Klavesa(Okno, "KontextovaNapoveda", QKeySequence(Qt::SHIFT | Qt::Key_F1), TPolozka::KontextovaNapoveda);
    Klavesa(Okno, "JdiNaCislo", QKeySequence(Qt::CTRL | Qt::Key_G), TPolozka::JdiNaCislo);
    Klavesa(Okno, "DalsiZalozka", QKeySequence(Qt::CTRL | Qt::Key_PageDown), TPolozka::DalsiZalozka);
    Klavesa(Okno, "PredchoziZalozka", QKeySequence(Qt::CTRL | Qt::Key_PageUp), TPolozka::PredchoziZalozka);
}

void TNabidky::ZaskrtniTyp(TTypHry Novy)
{
    Typ = Novy;
    mnNormalni->setChecked(Typ == thNormalni);
    mnLeibniz->setChecked(Typ == thLeibniz);
}

void TNabidky::PovolTypHry(bool Povolit)
{
    mnTypHry->menuAction()->setEnabled(Povolit);
    mnNormalni->setEnabled(Povolit);
    mnLeibniz->setEnabled(Povolit);
}

void TNabidky::NastavCislaPoli(bool Zaskrtnuto) { mnCislaPoli->setChecked(Zaskrtnuto); }

bool TNabidky::CislaPoli() const { return mnCislaPoli->isChecked(); }

void TNabidky::PovolCislaPoli(bool Povolit) { mnCislaPoli->setEnabled(Povolit); }

void TNabidky::NastavAnimaci(bool Zaskrtnuto) { mnAnimace->setChecked(Zaskrtnuto); }

bool TNabidky::Animace() const { return mnAnimace->isChecked(); }

void TNabidky::PovolKrokVpred(bool Povolit) { mnKrokVpred->setEnabled(Povolit); }

void TNabidky::NastavHledaniRady(bool Hleda)
{
    // Its letter stays clear of "Krok zpět" in the same menu.
    Nastav(mnPoradit, "text", Hleda ? T_("Zrušit &radu") : T_("&Poradit tah"));
}

void TNabidky::VytvorJazyky(QMenu* mnNastaveni)
{
    // The languages' own names: whoever does not read the language the
    // window speaks still finds their own.
    QMenu* mnJazyk = mnNastaveni->addMenu(QString());
    mnJazyk->setObjectName(QStringLiteral("mnJazyk"));
    mnJazyk->menuAction()->setObjectName(QStringLiteral("mnJazyk"));
    Nastav(mnJazyk, "title", T_("&Jazyk"));
    auto* skupina = new QActionGroup(this);
    const struct {
        const char* Jmeno;
        TText Text;
        std::optional<TJazyk> Volba;
    } polozky[] = {
        {"mnJazykCestina", TText::Doslova(QStringLiteral("&Čeština")), TJazyk::Cestina},
        {"mnJazykAnglictina", TText::Doslova(QStringLiteral("&English")), TJazyk::Anglictina},
        {"mnJazykSystem", T_("podle &systému"), std::nullopt},
    };
    for (const auto& p : polozky) {
        auto* a = new QAction(parent());
        a->setObjectName(QString::fromLatin1(p.Jmeno));
        Nastav(a, "text", p.Text);
        a->setCheckable(true);
        a->setData(p.Volba ? QString::fromLatin1(KodJazyka(*p.Volba)) : QString());
        skupina->addAction(a);
        mnJazyk->addAction(a);
        const std::optional<TJazyk> volba = p.Volba;
        connect(a, &QAction::triggered, this, [this, volba] { emit JazykZvolen(volba); });
    }
    ZaskrtniJazyk(std::nullopt);
}

void TNabidky::ZaskrtniJazyk(std::optional<TJazyk> Volba)
{
    const QString kod = Volba ? QString::fromLatin1(KodJazyka(*Volba)) : QString();
    for (QAction* a : parent()->findChildren<QAction*>())
        if (a->objectName().startsWith(QLatin1String("mnJazyk")) && a->isCheckable())
            a->setChecked(a->data().toString() == kod);
}
