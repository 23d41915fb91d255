// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus and keys, and the settings it keeps between runs:
// the colours, the play tab's field numbers, the board played last and where
// the window stood.
#include "KavirelForm.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>

#include "KavirelFile.h"
#include "KavirelNahodnaForm.h"
#include "KavirelNabidky.h"
#include "KavirelNapoveda.h"
#include "KavirelNastaveni.h"
#include "KavirelOknaNabidek.h"
#include "KavirelOvladace.h"
#include "KavirelPreklad.h"
#include "KavirelZalozkaEdit.h"
#include "KavirelZalozkaHra.h"
#include "KavirelZalozkaNahrat.h"
#include "KavirelZalozkaUlozit.h"
#include "KavirelTexty.h"

void TMainForm::PoVolbe(TPolozka Polozka)
{
    switch (Polozka) {
    case TPolozka::NovaHra:
        PrepniZalozku(zlHra);
        tabHra->ZnovuRozestavet();
        break;
    case TPolozka::NahodnaDeska:
        if (const std::optional<TCisloDesky> cislo = ZvolNahodnouDesku(this, Nabidky->ZaskrtnutyTyp()))
            HratNahodnou(*cislo);
        break;
    case TPolozka::CisloDesky:
        if (const std::optional<TCisloDesky> cislo = ZadejCisloDesky(this))
            HratNahodnou(*cislo);
        break;
    case TPolozka::KrokZpet:
        KrokZpet();
        break;
    case TPolozka::KrokVpred:
        if (ZalozkaVpredu == zlHra)
            tabHra->KrokVpred();
        break;
    case TPolozka::Poradit:
        if (ZalozkaVpredu != zlHra)
            PrepniZalozku(zlHra);
        tabHra->PoradTah();
        break;
    case TPolozka::Rekordy:
        Okna->UkazRekordy(Nastaveni ? Nastaveni->Rekordy : std::vector<TOsobniRekord>{});
        break;
    case TPolozka::Statistika:
        Okna->UkazStatistiku(Nastaveni ? Nastaveni->Statistiky.Desky() : std::vector<TStatistikaDesky>{});
        break;
    case TPolozka::Konec:
        UkonceniAplikace();
        break;
    case TPolozka::Barvy:
        Okna->UkazBarvy();
        break;
    case TPolozka::CislaPoli:
        UkazVysledek(Relace->Hra().NastavCisla(!Relace->Hra().JsouCisla()));
        Nabidky->NastavCislaPoli(Relace->Hra().JsouCisla());
        break;
    case TPolozka::Animace:
        Nabidky->NastavAnimaci(!Nabidky->Animace());
        PohledDesky->NastavAnimaci(Nabidky->Animace());
        if (Nastaveni)
            Nastaveni->Animace = Nabidky->Animace();
        break;
    case TPolozka::Legenda:
        Okna->UkazLegendu();
        break;
    case TPolozka::Info:
        Okna->UkazNapovedu(KontextNapovedyUvod);
        break;
    case TPolozka::Oaplikaci:
        Okna->UkazAbout();
        break;
    case TPolozka::KontextovaNapoveda: {
        const int kontext = Zalozky->currentWidget()->property("HelpContext").toInt();
        Okna->UkazNapovedu(kontext != 0 ? kontext : KontextNapovedyUvod);
        break;
    }
    case TPolozka::JdiNaCislo:
        if (ZalozkaVpredu != zlNahrat)
            PrepniZalozku(zlNahrat);
        tabNahrat->JdiNaCislo();
        break;
    case TPolozka::DalsiZalozka:
    case TPolozka::PredchoziZalozka: {
        // As a click on a tab does: the tab row takes the focus first, so
        // that an edit box finishes its input before the page changes.
        const int pocet = Zalozky->count();
        const int krok = Polozka == TPolozka::DalsiZalozka ? 1 : -1;
        Zalozky->tabBar()->setFocus(Qt::ShortcutFocusReason);
        Zalozky->setCurrentIndex((Zalozky->currentIndex() + krok + pocet) % pocet);
        break;
    }
    }
}

void TMainForm::HratNahodnou(const TCisloDesky& Cislo)
{
    // Well under a second; the cursor says the game is busy meanwhile.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TNahodnaDeska deska = NahodnaDeska(Cislo);
    QApplication::restoreOverrideCursor();
    PrepniZalozku(zlHra);
    UkazVysledek(Relace->Hra().NovaHra(deska.Zaznam));
    PohledDesky->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------
// Settings

void TMainForm::NactiNastaveni()
{
    Nastaveni = std::make_unique<TNastaveni>();
    Nastaveni->Nacti();
    // The window takes its language before its least size is measured; the
    // texts made so far are set again at once, not at Qt's later event.
    const QString& kod = Nastaveni->Jazyk;
    const std::optional<TJazyk> jazyk = kod == QLatin1String("cs")   ? std::optional<TJazyk>(TJazyk::Cestina)
                                        : kod == QLatin1String("en") ? std::optional<TJazyk>(TJazyk::Anglictina)
                                                                     : std::nullopt;
    Nabidky->ZaskrtniJazyk(jazyk);
    if (NastavVolbuJazyka(jazyk)) {
        PrelozZnovu(this);
        KavirelTvorba::SrovnejZaPopisky(this);
    }
    NastavBarvyDesky(Nastaveni->Barvy);
    NastavBarvyPalety(Nastaveni->Barvy);
    Relace->Hra().NastavCisla(Nastaveni->CislaPoli);
    Relace->Hra().NastavEvidenci(&Nastaveni->Statistiky);
    Nabidky->NastavAnimaci(Nastaveni->Animace);
    PohledDesky->NastavAnimaci(Nastaveni->Animace);
    Nabidky->NastavCislaPoli(Nastaveni->CislaPoli);
    tabHra->NastavNastaveni(Nastaveni.get());
    tabNahrat->NastavNastaveni(Nastaveni.get());
    tabUlozit->NastavNastaveni(Nastaveni.get());
    // A number the catalogue no longer has leaves its first board current.
    if (Nastaveni->PosledniDeska > 0 && !(SeznamDesek && SeznamDesek->NaDeskuCislo(Nastaveni->PosledniDeska)))
        Nastaveni->PosledniDeska = 0;

    // The default size is the least; the window comes back where it stood
    // as long as a screen still shows most of it, else centred.
    resize(minimumSizeHint().expandedTo(sizeHint()));
    const QSize nejmensi = size();
    setMinimumSize(nejmensi);
    QRect ram(QPoint(0, 0), nejmensi);
    const QRect ulozene = Nastaveni->Okno;
    const QScreen* obrazovka = ulozene.isValid() ? QGuiApplication::screenAt(ulozene.center()) : nullptr;
    if (obrazovka != nullptr && obrazovka->availableGeometry().intersects(ulozene)) {
        ram = QRect(ulozene.topLeft(), ulozene.size().expandedTo(nejmensi));
        setGeometry(ram);
    } else if (const QScreen* hlavni = QGuiApplication::primaryScreen()) {
        ram = frameGeometry();
        ram.moveCenter(hlavni->availableGeometry().center());
        move(ram.topLeft());
    }
    if (Nastaveni->Maximalizovane)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::ZvolJazyk(std::optional<TJazyk> Volba)
{
    Nastaveni->Jazyk = Volba ? QString::fromLatin1(KodJazyka(*Volba)) : QString();
    Nabidky->ZaskrtniJazyk(Volba);
    NastavVolbuJazyka(Volba);
}

void TMainForm::UlozNastaveni()
{
    if (!Nastaveni)
        return;
    Nastaveni->Barvy = DejBarvy();
    Nastaveni->CislaPoli = Relace->Hra().JsouCisla();
    Nastaveni->Okno = normalGeometry().isValid() ? normalGeometry() : geometry();
    Nastaveni->Maximalizovane = isMaximized();
    if (!Nastaveni->Uloz())
        qWarning("%s", qUtf8Printable(tr("Kavirel: nastavení nelze uložit do %1").arg(Nastaveni->Soubor())));
}
