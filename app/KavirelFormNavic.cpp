// SPDX-License-Identifier: GPL-3.0-or-later
// The play tab's additions: playing taken-back jumps again ("Krok vpřed"),
// a hint from the solver ("Poradit tah") and personal bests; their controls,
// menu items and bindings, and what every press on the board does first.
#include "KavirelForm.h"

#include <QAction>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <cstring>

#include "KavirelCil.h"
#include "KavirelNastaveni.h"
#include "KavirelOvladace.h"
#include "KavirelRadce.h"
#include "KavirelRekordyForm.h"
#include "KavirelText.h"
#include "KavirelZpravy.h"

namespace {

QPushButton* NoveTlacitko(QWidget* rodic, const char* jmeno, const QRect& poloha, const QString& text,
                          const QString& napoveda)
{
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setGeometry(poloha);
    b->setToolTip(napoveda);
    b->setAutoDefault(false);
    return b;
}

QLabel* NovyPopisek(QWidget* rodic, const char* jmeno, const QRect& poloha)
{
    auto* p = new QLabel(rodic);
    p->setObjectName(QString::fromLatin1(jmeno));
    p->setGeometry(poloha);
    p->hide();
    return p;
}

bool StejnaPozice(const TZaznamDesky& a, const TZaznamDesky& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

// ---------------------------------------------------------------------------
// Controls, menu items, bindings

void TMainForm::VytvorOvladaceNavic()
{
    // Below the play tab's last group, in the room the tab leaves free.
    grpHraPomoc = new QGroupBox(QStringLiteral("Pomoc při hře"), tabHra);
    grpHraPomoc->setObjectName(QStringLiteral("grpHraPomoc"));
    grpHraPomoc->setGeometry(8, 440, 209, 77);
    btnHraKrokVpred = NoveTlacitko(grpHraPomoc, "btnHraKrokVpred", QRect(8, 18, 93, 25),
                                   QStringLiteral("Krok vpřed"), QStringLiteral("Znovu zahrát vrácený tah"));
    btnHraKrokVpred->setEnabled(false);
    btnHraPoradit = NoveTlacitko(grpHraPomoc, "btnHraPoradit", QRect(108, 18, 93, 25), QStringLiteral("Poradit tah"),
                                 QStringLiteral("Najít v pozadí tah, který vede k vyřešení desky"));
    lblHraRada = NovyPopisek(grpHraPomoc, "lblHraRada", QRect(8, 46, 193, 13));
    lblHraRada->setToolTip(QStringLiteral("Doporučený tah - jeho pole jsou označena čísly"));
    lblHraRekord = NovyPopisek(grpHraPomoc, "lblHraRekord", QRect(8, 60, 193, 13));
    QFont tucne = font();
    tucne.setBold(true);
    lblHraRekord->setFont(tucne);
    lblHraRekord->setToolTip(QStringLiteral("Nejmenší počet tahů, kterým jste tuto desku vyřešili"));

    grpReseniPrehrani = new QGroupBox(QStringLiteral("Automatické přehrání"), tabReseni);
    grpReseniPrehrani->setObjectName(QStringLiteral("grpReseniPrehrani"));
    grpReseniPrehrani->setGeometry(8, 432, 209, 57);
    btnReseniPrehrat = NoveTlacitko(grpReseniPrehrani, "btnReseniPrehrat", QRect(8, 22, 93, 25),
                                    QStringLiteral("Přehrát"), QStringLiteral("Přehrát nalezené řešení tah po tahu"));
    btnReseniPrehrat->setEnabled(false);
    btnReseniHratOdsud =
        NoveTlacitko(grpReseniPrehrani, "btnReseniHratOdsud", QRect(108, 22, 93, 25), QStringLiteral("Hrát odsud"),
                     QStringLiteral("Hrát dál od aktuální pozice přehrávaného řešení jako novou hru"));

    Radce = new TRadce(this);
    Radce->PoNalezeni = [this](const TRadaTahu& rada, const TZaznamDesky& pozice) {
        Chranene_([&] { PoRade(rada, pozice); });
    };
    Radce->PoChybe = [this](const QString& text) {
        lblHraRada->hide();
        ObnovTlacitkoRady();
        ZobrazZpravu(this, TDruhZpravy::ChybaProgramu, text);
    };
    CasovacPrehrani = new QTimer(this);
    CasovacPrehrani->setObjectName(QStringLiteral("CasovacPrehrani"));
    CasovacPrehrani->setInterval(IntervalPrehrani);
}

void TMainForm::VytvorNabidkuNavic()
{
    auto polozka = [this](const char* jmeno, const QString& text) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(jmeno));
        mnHra->insertAction(mnKonec, a);
        return a;
    };
    mnKrokVpred = polozka("mnKrokVpred", QStringLiteral("Krok vpřed"));
    mnKrokVpred->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnKrokVpred->setShortcutContext(Qt::WindowShortcut);
    mnKrokVpred->setEnabled(false);
    mnPoradit = polozka("mnPoradit", QStringLiteral("Poradit tah"));
    mnRekordy = polozka("mnRekordy", QStringLiteral("Osobní rekordy"));
    mnHra->insertSeparator(mnKonec);
}

void TMainForm::PripojObsluhyNavic()
{
    connect(btnHraKrokVpred, &QPushButton::clicked, this, Obsluha([this] { KrokVpred(); }));
    connect(mnKrokVpred, &QAction::triggered, this, Obsluha([this] { KrokVpred(); }));
    connect(btnHraPoradit, &QPushButton::clicked, this, Obsluha([this] { PoradTah(); }));
    connect(mnPoradit, &QAction::triggered, this, Obsluha([this] { PoradTah(); }));
    connect(mnRekordy, &QAction::triggered, this, Obsluha([this] { mnRekordyClick(); }));
    connect(btnReseniPrehrat, &QPushButton::clicked, this, Obsluha([this] { PrehratReseni(); }));
    connect(btnReseniHratOdsud, &QPushButton::clicked, this, Obsluha([this] { HratOdsud(); }));
    connect(CasovacPrehrani, &QTimer::timeout, this, Obsluha([this] { KrokPrehrani(); }));
    // The solve tab's other controls take the board out of the replay's hands.
    for (QPushButton* b : {btnReseniZnovuRozestavet, btnReseniNejrychlejsi, btnReseniNejkratsi})
        connect(b, &QPushButton::clicked, this, Obsluha([this] { ZastavPrehrani(); }));
}

// ---------------------------------------------------------------------------
// Presses

bool TMainForm::PredStiskem()
{
    ZrusRadu();
    if (PrehravaSe()) {
        ZastavPrehrani();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Redo

bool TMainForm::LzeKrokVpred() const { return HerniDeska && HerniDeska->LzeVpred(); }

void TMainForm::KrokVpred()
{
    if (Zalozky->currentWidget() != tabHra || !HerniDeska->LzeVpred())
        return;
    ZrusRadu();
    UkazZmenuHry(HerniDeska->KrokVpred());
    PoZmeneHry();  // a list that turned out stale is gone now
}

void TMainForm::PoZmeneHry()
{
    // A hint belongs to the position and the rules it was asked for.
    ZrusRadu();
    const bool vpred = LzeKrokVpred();
    btnHraKrokVpred->setEnabled(vpred);
    mnKrokVpred->setEnabled(vpred);
    lblHraRekord->hide();
    // Every jump ends up here, whatever made it (a press, a key, a step
    // forward); a game without a jump has won nothing.
    if (HerniDeska->Tahy.LzeVratit())
        OverVyhru();
}

// ---------------------------------------------------------------------------
// Hint

void TMainForm::PoradTah()
{
    // A position without a solution may take long to prove so; the same
    // control then gives the search up.
    if (Radce->Hleda()) {
        ZrusRadu();
        return;
    }
    if (Zalozky->currentWidget() != tabHra)
        PrepniZalozku(zlHra);
    ZrusRadu();
    Napis(lblHraRada, QStringLiteral("Hledám vhodný tah..."));
    lblHraRada->show();
    Radce->Spust(HerniDeska->Zaznam);
    ObnovTlacitkoRady();
}

void TMainForm::ObnovTlacitkoRady()
{
    const bool hleda = Radce->Hleda();
    const QString text = hleda ? QStringLiteral("Zrušit radu") : QStringLiteral("Poradit tah");
    btnHraPoradit->setText(text);
    btnHraPoradit->setToolTip(hleda ? QStringLiteral("Zrušit hledání doporučeného tahu")
                                    : QStringLiteral("Najít v pozadí tah, který vede k vyřešení desky"));
    mnPoradit->setText(text);
}

void TMainForm::ZrusRadu()
{
    if (Radce->Hleda()) {
        Radce->Zrus();
        lblHraRada->hide();
        ObnovTlacitkoRady();
    }
    if (!RadaVyznacena)
        return;
    RadaVyznacena = false;
    lblHraRada->hide();
    // Another tab redraws the whole board when the play tab comes back.
    if (Zalozky->currentWidget() != tabHra)
        return;
    const TBarvy& barvy = PohledDesky->Barvy;
    const TBarva barva = mnCislaPoli->isChecked() ? barvy.BarvaCislo : barvy.BarvaPole;
    for (const TPozice& p : {RadaOdkud, RadaKam})
        if (HerniDeska->Zaznam.PoleNa(p).Stav != spNeexistujici)
            PohledDesky->KresliCisloNa(p, barva, HerniDeska->Zaznam.PoleNa(p).Cislo);
}

void TMainForm::PoRade(const TRadaTahu& Rada, const TZaznamDesky& Pozice)
{
    ObnovTlacitkoRady();
    // Only a press or another tab changes the position, and both cancel the
    // request; this guards the marks against anything else.
    if (Zalozky->currentWidget() != tabHra || !StejnaPozice(Pozice, HerniDeska->Zaznam)) {
        lblHraRada->hide();
        return;
    }
    QString text;
    switch (Rada.Stav) {
    case TVysledekHledani::Nalezeno:
        if (Rada.BezSkoku) {
            text = QStringLiteral("Cíl hry je už splněn");
            break;
        }
        RadaOdkud = Rada.Odkud;
        RadaKam = Rada.Kam;
        RadaVyznacena = true;
        for (const TPozice& p : {RadaOdkud, RadaKam})
            PohledDesky->KresliCisloNa(p, PohledDesky->Barvy.BarvaCisloPrubeh, HerniDeska->Zaznam.PoleNa(p).Cislo);
        text = QStringLiteral("Táhněte z pole %1 na pole %2")
                   .arg(HerniDeska->Zaznam.PoleNa(RadaOdkud).Cislo)
                   .arg(HerniDeska->Zaznam.PoleNa(RadaKam).Cislo);
        break;
    case TVysledekHledani::Neexistuje:
        text = QStringLiteral("Z této pozice už řešení neexistuje");
        break;
    case TVysledekHledani::Preruseno:
        lblHraRada->hide();
        return;
    }
    Napis(lblHraRada, text);
    lblHraRada->show();
}

// ---------------------------------------------------------------------------
// Personal bests

void TMainForm::OverVyhru()
{
    if (!Nastaveni || !JeCilSplnen(HerniDeska->Zaznam))
        return;
    // The game counted from where its move list began: a new game, or the
    // last change of game type.
    const TZaznamDesky start = PocatecniPozice(*HerniDeska);
    const int tahu = HerniDeska->Tahy.DejPocetTahu();
    const TVysledekRekordu v = Nastaveni->ZapisVyhru(IdentitaDesky(start), NazevDesky(start), start.TypHry, tahu,
                                                    QDateTime::currentDateTimeUtc());
    Napis(lblHraRekord, v.Novy ? QStringLiteral("Nový osobní rekord: ") + TextTahu(tahu)
                               : QStringLiteral("Osobní rekord: ") + TextTahu(v.Rekord));
    lblHraRekord->show();
    // A best is kept at once, not only at the end of the run.
    if (v.Novy)
        UlozNastaveni();
    if (RekordyForm && RekordyForm->isVisible())
        static_cast<TRekordyForm*>(RekordyForm)->Napln(Nastaveni->Rekordy);
}

void TMainForm::mnRekordyClick()
{
    if (!RekordyForm)
        RekordyForm = new TRekordyForm(this);
    static_cast<TRekordyForm*>(RekordyForm)->Napln(Nastaveni ? Nastaveni->Rekordy : std::vector<TOsobniRekord>{});
    RekordyForm->show();
    RekordyForm->raise();
    RekordyForm->activateWindow();
}
