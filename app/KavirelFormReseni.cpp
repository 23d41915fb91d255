// SPDX-License-Identifier: GPL-3.0-or-later
// The solve tab: handing a board to the tab, starting and stopping a search,
// its live progress, taking over its result, and the playback of a found
// solution.
//
// The search runs on the solver's worker thread. The window reads the
// running flag and the published position count, and nothing else of the
// job, until the solver's completion has written the result into the solve
// board on this thread.
#include "KavirelForm.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <exception>

#include "KavirelOvladace.h"
#include "KavirelReseni.h"
#include "KavirelText.h"
#include "KavirelZpravy.h"

namespace {

const char* const TextVyberte = "Vyberte způsob hledání řešení...";
const char* const TextHledamNejrychlejsi = "Vyhledávám nejrychlejší řešení...";
const char* const TextHledamNejkratsi = "Vyhledávám nejkratší řešení...";

// Often enough for a running clock, seldom enough to cost the search nothing
// it could measure: one relaxed load and one label per tick.
constexpr int IntervalPrubehu = 250;

constexpr double MilisekundDne = 86400000.0;

// The carrier of the solver's completion, installed once before the first
// start: it depends on nothing but the application object. It only posts:
// the worker must never wait for this thread, which joins it when the window
// goes.
void NastavNoseniNaHlavniVlakno()
{
    NastavVolaniNaHlavnimVlakne([](std::function<void()> volani) {
        QMetaObject::invokeMethod(
            qApp,
            // Nothing may leave a queued call into Qt's event loop.
            [volani = std::move(volani)] { Chranene(nullptr, volani); },
            Qt::QueuedConnection);
    });
}

// Now as a date-time value: days since 30 December 1899 with the time of day
// as the fraction.
double TedDny()
{
    return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / MilisekundDne + 25569.0;
}

QString Dvojmistne(long long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// 1234567 as "1 234 567".
QString SeskupeneCislo(std::uint64_t n)
{
    QString cislice = QString::number(n);
    for (int i = static_cast<int>(cislice.size()) - 3; i > 0; i -= 3)
        cislice.insert(i, QLatin1Char(' '));
    return cislice;
}

// lblReseniCas lies where "Zastavit" appears during a search. While it
// carries the progress it moves into the gap between the status text and
// the button, and back home afterwards.
void PolozCasReseni(QLabel* Cas, const QLabel* Stav, const QWidget* Zastavit, bool Prubeh)
{
    static const char* const Domov = "PolohaMimoHledani";
    if (!Cas->property(Domov).isValid())
        Cas->setProperty(Domov, Cas->pos());
    if (!Prubeh) {
        Cas->move(Cas->property(Domov).toPoint());
        return;
    }
    const int podStavem = Stav->geometry().bottom() + 1;
    Cas->move(Cas->x(), std::max(podStavem, (podStavem + Zastavit->y() - Cas->height()) / 2));
}

} // namespace

QString FormatDobyHledani(double Dny)
{
    const double ms = std::round(Dny * MilisekundDne);
    const long long celkem = ms > 0 ? static_cast<long long>(ms) : 0;
    return QStringLiteral("%1:%2.%3")
        .arg(Dvojmistne((celkem / 60000) % 60), Dvojmistne((celkem / 1000) % 60))
        .arg(celkem % 1000, 3, 10, QLatin1Char('0'));
}

QString TextPrubehuHledani(qint64 Milisekund, std::uint64_t Pozic)
{
    const long long sekund = Milisekund > 0 ? Milisekund / 1000 : 0;
    // A long search shows its hours; the final duration keeps its own
    // pattern without them.
    QString cas = Dvojmistne((sekund / 60) % 60) + QLatin1Char(':') + Dvojmistne(sekund % 60);
    if (sekund >= 3600)
        cas = QString::number(sekund / 3600) + QLatin1Char(':') + cas;
    // Czech plural: 1 to 4 take "pozice", every other count "pozic".
    const QString slovo = Pozic >= 1 && Pozic <= 4 ? QStringLiteral("pozice") : QStringLiteral("pozic");
    return QStringLiteral("Hledám %1 · %2 %3").arg(cas, SeskupeneCislo(Pozic), slovo);
}

bool TMainForm::ProbihaReseni() const { return ::ProbihaReseni(); }

void TMainForm::PisStavReseni(bool ZobrazitDobu)
{
    Napis(lblReseniPrubeh, TextZUtf8(ResenaDeska->StavReseni));
    const std::int32_t tahu = ResenaDeska->Reseni.DejPocetTahu();
    if (tahu != 0) {
        Napis(lblReseniCelkemTahu, QStringLiteral("Potřebných tahů: %1").arg(tahu));
        lblReseniCelkemTahu->show();
    } else {
        lblReseniCelkemTahu->hide();
    }
    if (ZobrazitDobu) {
        PolozCasReseni(lblReseniCas, lblReseniPrubeh, btnReseniZastavit, false);
        Napis(lblReseniCas, QStringLiteral("Doba trvání hledání: ") + FormatDobyHledani(ResenaDeska->DobaHledani));
        lblReseniCas->show();
        // The search has ended: its result is news.
        OznamZmenu(lblReseniPrubeh);
        OznamZmenu(lblReseniCelkemTahu);
    } else if (ProbihaReseni()) {
        // The same label carries the running clock while the search lasts.
        PisPrubehHledani();
    } else {
        lblReseniCas->hide();
    }
    ObnovOvladacePrehrani();
}

void TMainForm::PisPrubehHledani()
{
    if (!ProbihaReseni())
        return;
    Napis(lblReseniCas, TextPrubehuHledani(MericHledani.elapsed(), DejPocetPozic()));
    PolozCasReseni(lblReseniCas, lblReseniPrubeh, btnReseniZastavit, true);
    lblReseniCas->show();
}

void TMainForm::ResitDesku()
{
    if (ProbihaReseni()) {
        PrepniZalozku(zlReseni);
        ZobrazZpravu(this, TDruhZpravy::Informace,
                     QStringLiteral("Momentálně probíhá řešení jiné desky. \n\rChcete-li výpočet přerušit, klikněte "
                                    "na tlačítko \"Zastavit\" a poté znovu vyberte desku pro řešení."));
        return;
    }
    const QWidget* stranka = Zalozky->currentWidget();
    if (stranka == tabHra)
        HerniDeska->DejZaznam(ZaznamReseni);
    else if (stranka == tabNahrat)
        ZaznamReseni = ZaznamNahrany;
    else if (stranka == tabEdit)
        EditovanaDeska->DejZaznam(ZaznamReseni);
    ResenaDeska->StavReseni = TextVyberte;
    ResenaDeska->Reseni.Vymaz();
    ResenaDeska->Dokonceno = false;
    NovePrehrati(true);
}

void TMainForm::NovePrehrati(bool Prepnout)
{
    ResenaDeska->Nastav(ZaznamReseni);
    PisNazevDesky(lblReseniNazevDesky, ResenaDeska->Zaznam);
    PisTahy(lblReseniTahu, btnReseniKrokZpet, *ResenaDeska);
    PisStavReseni(ResenaDeska->Dokonceno);
    PisZbyvajici(lblReseniZbyva, *ResenaDeska);
    PisTypHry(lblReseniTypHry, ResenaDeska->Zaznam);
    if (Prepnout)
        PrepniZalozku(zlReseni);
    else if (Zalozky->currentWidget() != tabReseni)
        ZvyrazniZalozku(zlReseni, true);
    else
        VykresleniDeskyPriReseni();
}

void TMainForm::VykresleniDeskyPriReseni()
{
    ZobrazDesku();
    PisStavReseni(ResenaDeska->Dokonceno);
    TTahReseni dalsi;
    btnReseniZnovuRozestavet->setEnabled(ResenaDeska->Reseni.DejAktualni(dalsi));
}

// ---------------------------------------------------------------------------
// The search

void TMainForm::NajitReseni(QObject* Sender)
{
    if (ProbihaReseni())
        return;
    if (Sender == btnReseniNejrychlejsi) {
        ResenaDeska->StavReseni = TextHledamNejrychlejsi;
        ResenaDeska->ZpusobHledani = zhNejrychlejsi;
    } else if (Sender == btnReseniNejkratsi) {
        ResenaDeska->StavReseni = TextHledamNejkratsi;
        ResenaDeska->ZpusobHledani = zhNejkratsi;
    }
    PredZapocetimReseni();
    static const bool nosicNastaven = (NastavNoseniNaHlavniVlakno(), true);
    (void)nosicNastaven;
    // A worker that could not start must not leave the tab waiting for an
    // end that never comes.
    auto nespusteno = [this] {
        btnReseniNejkratsi->setEnabled(true);
        btnReseniNejrychlejsi->setEnabled(true);
        btnReseniZastavit->hide();
    };
    try {
        if (!SpustReseni(*ResenaDeska, [this] { Chranene_([this] { PoUkonceniReseni(); }); })) {
            nespusteno();
            return;
        }
    } catch (...) {
        nespusteno();
        throw;
    }
    if (!CasovacPrubehu) {
        CasovacPrubehu = new QTimer(this);
        CasovacPrubehu->setInterval(IntervalPrubehu);
        connect(CasovacPrubehu, &QTimer::timeout, this, Obsluha([this] { PisPrubehHledani(); }));
    }
    CasovacPrubehu->start();
    PisPrubehHledani();
}

void TMainForm::PredZapocetimReseni()
{
    ResenaDeska->Reseni.Vymaz();
    ResenaDeska->Dokonceno = false;
    NovePrehrati(true);
    btnReseniZastavit->show();
    btnReseniNejkratsi->setEnabled(false);
    btnReseniNejrychlejsi->setEnabled(false);
    repaint();
    ResenaDeska->DobaHledani = TedDny();
    // The duration is measured on a monotonic clock, so that a change of the
    // system time during a search cannot make it negative or absurd.
    MericHledani.start();
}

void TMainForm::PoUkonceniReseni()
{
    if (CasovacPrubehu)
        CasovacPrubehu->stop();
    ResenaDeska->Dokonceno = true;
    ResenaDeska->DobaHledani = static_cast<double>(MericHledani.elapsed()) / MilisekundDne;
    btnReseniNejkratsi->setEnabled(true);
    btnReseniNejrychlejsi->setEnabled(true);
    btnReseniZastavit->hide();
    NovePrehrati(false);
    // The solver has cleared its running flag before this handler runs.
}

void TMainForm::ZastaveniReseni()
{
    if (ProbihaReseni())
        PrerusReseni();
}

void TMainForm::ZnovuPrehratReseni()
{
    ResenaDeska->Reseni.NaZacatek();
    ResenaDeska->Dokonceno = false;
    NovePrehrati(true);
}

// ---------------------------------------------------------------------------
// Playback

void TMainForm::KlikNaPoleReseni(const TPozice& Pole) { UkazZmenuReseni(ResenaDeska->Stisk(Pole)); }

void TMainForm::KrokZpetReseni() { UkazZmenuReseni(ResenaDeska->KrokZpet()); }

void TMainForm::UkazZmenuReseni(const TZmenaDesky& Zmena)
{
    if (!Zmena.Zmeneno())
        return;
    ZobrazDesku();
    if (!Zmena.PrepsatStav())
        return;
    PisTahy(lblReseniTahu, btnReseniKrokZpet, *ResenaDeska);
    PisZbyvajici(lblReseniZbyva, *ResenaDeska);
    // The first selection of a replay has cleared Dokonceno: the duration
    // of the search gives way to the replay.
    PisStavReseni(ResenaDeska->Dokonceno);
}
