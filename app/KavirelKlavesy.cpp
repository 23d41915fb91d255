// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard and for assistive technology: menu
// mnemonics and shortcuts, Enter on buttons, the element keys of the board,
// and the announcement of the game's verdicts and the solver's result.
#include "KavirelForm.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>

#include <utility>

#include "KavirelPristupnost.h"
#include "KavirelOvladace.h"
#include "KavirelText.h"

namespace {

const char* const VlastnostOznameni = "KavirelOznameni";

// A push button answers Enter as it answers Space. Qt leaves Enter to the
// default button of a dialog, and the main window has none.
class TEnterNaTlacitku : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override
    {
        if (udalost->type() != QEvent::KeyPress)
            return false;
        const auto* k = static_cast<QKeyEvent*>(udalost);
        if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) ||
            (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* tlacitko = qobject_cast<QPushButton*>(objekt);
        if (tlacitko == nullptr || !tlacitko->isEnabled() || !tlacitko->isVisible())
            return false;
        tlacitko->click();
        return true;
    }
};

// A label whose changes are news (the end of a game, the target verdict, the
// solver's state): a notification for assistive technology, which screen
// readers read out when it shows.
class TOznamovaciPopisek : public QAccessibleWidget {
public:
    explicit TOznamovaciPopisek(QLabel* popisek) : QAccessibleWidget(popisek, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* TovarnaOznameni(const QString& trida, QObject* objekt)
{
    if (trida != QLatin1String("QLabel") || objekt == nullptr || !objekt->property(VlastnostOznameni).toBool())
        return nullptr;
    return new TOznamovaciPopisek(static_cast<QLabel*>(objekt));
}

// The menu captions with their mnemonic letters (Alt+letter).
struct TMnemonika {
    QAction* TMainForm::*Polozka;
    const char* Text;
};

} // namespace

void TMainForm::OznamZmenu(QLabel* Popisek)
{
    if (Popisek == nullptr || Popisek->isHidden())
        return;
    // A new text of a label already shown is shown anew, so that it is read
    // out like a label that has just appeared.
    for (QAccessible::Event druh : {QAccessible::NameChanged, QAccessible::ObjectShow, QAccessible::Alert}) {
        QAccessibleEvent e(Popisek, druh);
        OznamPristupnosti(e);
    }
}

void TMainForm::VolbaPrvku(int CisloPrvku)
{
    Chranene_([this, CisloPrvku] {
        if (Zalozky->currentWidget() != tabEdit || CisloPrvku < 0 || CisloPrvku >= grpEditVyber->PocetPolozek())
            return;
        // As the radio group does, without taking the focus off the board.
        grpEditVyber->SetItemIndex(CisloPrvku);
    });
}

void TMainForm::NastavKlavesnici()
{
    static const bool tovarna = [] {
        QAccessible::installFactory(TovarnaOznameni);
        return true;
    }();
    (void)tovarna;
    for (QLabel* l : {lblHraKonec, lblHraCilova, lblHraPrubeh, lblReseniPrubeh, lblReseniCelkemTahu}) {
        l->setProperty(VlastnostOznameni, true);
        ZapomenRozhrani(l);
    }

    // Mnemonics: Alt+H opens "Hra" and so on; the items' letters work
    // inside an open menu.
    mnHra->setTitle(QStringLiteral("&Hra"));
    mnTypHry->setTitle(QStringLiteral("&Typ hry"));
    mnNastaveni->setTitle(QStringLiteral("&Nastavení"));
    mnNapoveda->setTitle(QStringLiteral("Nápo&věda"));
    const TMnemonika polozky[] = {
        {&TMainForm::mnNovaHra, "&Nová"},           {&TMainForm::mnKonec, "&Konec"},
        {&TMainForm::mnNormalni, "&Normální Kavirel"}, {&TMainForm::mnLeibniz, "&Leibnizuv Kavirel"},
        {&TMainForm::mnBarvy, "&Barvy"},            {&TMainForm::mnCislaPoli, "Čí&sla polí"},
        {&TMainForm::mnLegenda, "&Legenda"},        {&TMainForm::mnInfo, "&Nápověda ke hře"},
        {&TMainForm::mnOaplikaci, "&O aplikaci Kavirel"},
    };
    for (const TMnemonika& m : polozky)
        (this->*m.Polozka)->setText(QString::fromUtf8(m.Text));

    mnKonec->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnKonec->setShortcutContext(Qt::WindowShortcut);

    // Ctrl+Z takes a jump back on the play and solve tabs (the press routine
    // decides by the tab in front); an edit box keeps its own Ctrl+Z.
    KrokZpetKlavesou = new QAction(this);
    KrokZpetKlavesou->setObjectName(QStringLiteral("KrokZpetKlavesou"));
    KrokZpetKlavesou->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    KrokZpetKlavesou->setShortcutContext(Qt::WindowShortcut);
    addAction(KrokZpetKlavesou);
    connect(KrokZpetKlavesou, &QAction::triggered, this, [this] { KrokZpet(); });

    // Ctrl+G goes to "Jdi na číslo", which is no tab stop.
    JdiNaCislo = new QAction(this);
    JdiNaCislo->setObjectName(QStringLiteral("JdiNaCislo"));
    JdiNaCislo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    JdiNaCislo->setShortcutContext(Qt::WindowShortcut);
    addAction(JdiNaCislo);
    connect(JdiNaCislo, &QAction::triggered, this, Obsluha([this] {
                if (Zalozky->currentWidget() != tabNahrat)
                    PrepniZalozku(zlNahrat);
                edtNahratCislo->setFocus(Qt::ShortcutFocusReason);
                edtNahratCislo->selectAll();
            }));

    // Ctrl+PgDown and Ctrl+PgUp turn the tabs from anywhere in the window,
    // as a click on a tab does: the tab row takes the focus first, so that an
    // edit box finishes its input before the page changes.
    for (const auto& [klavesa, krok] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto* listovani = new QAction(this);
        listovani->setShortcut(QKeySequence(Qt::CTRL | klavesa));
        listovani->setShortcutContext(Qt::WindowShortcut);
        addAction(listovani);
        connect(listovani, &QAction::triggered, this, Obsluha([this, krok = krok] {
                    const int pocet = Zalozky->count();
                    Zalozky->tabBar()->setFocus(Qt::ShortcutFocusReason);
                    Zalozky->setCurrentIndex((Zalozky->currentIndex() + krok + pocet) % pocet);
                }));
    }

    // A name box refuses characters it cannot store; the user is told so.
    for (QLineEdit* e : {edtUlozitNazevDesky, edtEditNazevDesky})
        if (const auto* v = qobject_cast<const TValidatorNazvu*>(e->validator())) {
            auto* poznamka = new TPoznamkaOdmitnuti(e);
            connect(v, &TValidatorNazvu::Odmitnuto, poznamka, &TPoznamkaOdmitnuti::Ukaz);
        }

    auto* enter = new TEnterNaTlacitku(this);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->installEventFilter(enter);

    // The board is where the game starts.
    PohledDesky->setFocus(Qt::OtherFocusReason);
}
