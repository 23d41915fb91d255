// SPDX-License-Identifier: GPL-3.0-or-later
// The solve tab. The search runs on a worker of the window's solver
// (KavirelResitel.h) on a copy of the position; its result is written into
// the solve board on this thread, when the solver reports the end.
#include "KavirelZalozkaReseni.h"

#include <QGroupBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <tuple>

#include "KavirelOvladace.h"
#include "KavirelReseni.h"
#include "KavirelResitel.h"
#include "KavirelText.h"
#include "KavirelTextyJadra.h"

using namespace KavirelTvorba;

namespace {

// Often enough for a running clock, seldom enough to cost the search nothing
// it could measure: one relaxed load and one label per tick.
constexpr int IntervalPrubehu = 250;

constexpr double MilisekundDne = 86400000.0;

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
    // English tells one position from 2 to 4, which Czech writes alike.
    const QString text = Pozic == 1  ? QCoreApplication::translate("TZalozkaReseni", "Hledám %1 · %2 pozice", "1")
                         : Pozic >= 2 && Pozic <= 4 ? QCoreApplication::translate("TZalozkaReseni", "Hledám %1 · %2 pozice")
                                      : QCoreApplication::translate("TZalozkaReseni", "Hledám %1 · %2 pozic");
    return text.arg(cas, SeskupeneCislo(Pozic));
}

// ---------------------------------------------------------------------------

TZalozkaReseni::TZalozkaReseni(TRelaceHry& Relace_, TResitel& Resitel_, QWidget* rodic)
    : TZalozkaOkna("tabReseni", rodic), Relace(Relace_), Resitel(Resitel_)
{
    VytvorOvladace();
    connect(&Resitel, &TResitel::HledaniSkoncilo, this, &TZalozkaReseni::PoUkonceniReseni);
    CasovacPrubehu = new QTimer(this);
    CasovacPrubehu->setInterval(IntervalPrubehu);
    connect(CasovacPrubehu, &QTimer::timeout, this, &TZalozkaReseni::PisPrubehHledani);
}

void TZalozkaReseni::VytvorOvladace()
{
    const TText hintTyp = T_("Typ hry desky určené pro řešení (normální nebo Leibnizův kavirel)");
    const QFont tucne = Tucne(font());

    auto* grpReseniInfo = Skupina(this, "grpReseniInfo", 8, 8, 209, 113);
    lblReseniNazevDesky = Popisek(grpReseniInfo, "lblReseniNazevDesky", 8, 16, 131, 16, {}, HintJmeno);
    lblReseniNazevDesky->setFont(PismoNazvu(font()));
    auto* lblReseniTypHryPevna =
        Popisek(grpReseniInfo, "lblReseniTypHryPevna", 8, 48, 49, 13, T_("Typ hry:"), hintTyp);
    lblReseniTypHry = Popisek(grpReseniInfo, "lblReseniTypHry", 56, 48, 14, 13, {}, hintTyp);
    ZaPopiskem(lblReseniTypHry, lblReseniTypHryPevna);
    auto* lblReseniTahuPevna =
        Popisek(grpReseniInfo, "lblReseniTahuPevna", 8, 72, 88, 13, T_("Odehraných tahů: "));
    lblReseniZbyva = Popisek(grpReseniInfo, "lblReseniZbyva", 8, 88, 73, 13, {});
    lblReseniTahu = Popisek(grpReseniInfo, "lblReseniTahu", 96, 72, 14, 13, {});
    ZaPopiskem(lblReseniTahu, lblReseniTahuPevna);

    auto* grpReseniPrubeh = Skupina(this, "grpReseniPrubeh", 8, 128, 209, 89);
    lblReseniPrubeh = Popisek(grpReseniPrubeh, "lblReseniPrubeh", 8, 15, 93, 13, {});
    lblReseniPrubeh->setFont(tucne);
    lblReseniCelkemTahu = Popisek(grpReseniPrubeh, "lblReseniCelkemTahu", 8, 39, 123, 13, {},
                                  T_("Celkový počet tahů potřebných pro přehrání celé desky"));
    lblReseniCelkemTahu->setFont(tucne);
    lblReseniCas = Popisek(grpReseniPrubeh, "lblReseniCas", 8, 63, 61, 13, {});
    btnReseniZastavit = Tlacitko(grpReseniPrubeh, "btnReseniZastavit", 48, 46, 113, 25, T_("&Zastavit"),
                                 T_("Zastavit vyhledávání řešení"));
    btnReseniZastavit->hide();

    auto* grpReseniMoznosti = Skupina(this, "grpReseniMoznosti", 8, 328, 209, 97,
                                      T_("Možnosti přehrání nalezeného řešení"));
    btnReseniKrokZpet = Tlacitko(grpReseniMoznosti, "btnReseniKrokZpet", 48, 27, 113, 25,
                                 T_("&Krok zpět..."), HintKrokZpet);
    btnReseniZnovuRozestavet = Tlacitko(grpReseniMoznosti, "btnReseniZnovuRozestavet", 48, 59, 113, 25,
                                        T_("Zn&ovu přehrát"), HintRozestavet);

    auto* grpReseniNalezeni = Skupina(this, "grpReseniNalezeni", 8, 224, 209, 97, T_("Nalézt..."));
    // Three modes in the group's old height: the buttons a little lower
    // than elsewhere, so that the tab keeps its size.
    const struct {
        const char* Jmeno;
        int Y;
        TText Text, Hint;
        std::uint8_t Zpusob;
    } hledani[] = {
        {"btnReseniNejrychlejsi", 19, T_("Nejr&ychlejší řešení"),
         T_("Nalezení prvního správného řešení aktuální desky"), zhNejrychlejsi},
        {"btnReseniNejkratsi", 45, T_("Ne&jkratší řešení"), T_("Nalezení řešení s nejmenším potřebným počtem tahů"),
         zhNejkratsi},
        {"btnReseniNejmene", 71, T_("Nej&méně tahů"),
         T_("Nalezení řešení s nejmenším možným počtem tahů; hledá déle než nejkratší řešení"), zhNejmene},
    };
    static_assert(std::size(hledani) == std::tuple_size_v<decltype(btnReseniHledani)>);
    for (std::size_t i = 0; i < btnReseniHledani.size(); ++i) {
        btnReseniHledani[i] =
            Tlacitko(grpReseniNalezeni, hledani[i].Jmeno, 48, hledani[i].Y, 113, 23, hledani[i].Text, hledani[i].Hint);
        connect(btnReseniHledani[i], &QPushButton::clicked, this,
                [this, zpusob = hledani[i].Zpusob] { NajitReseni(zpusob); });
    }
    VytvorPrehrani();

    SloupecSkupin(this, {grpReseniInfo, grpReseniPrubeh, grpReseniNalezeni, grpReseniMoznosti,
                         findChild<QWidget*>(QStringLiteral("grpReseniPrehrani"))});

    connect(btnReseniZastavit, &QPushButton::clicked, this, [this] { Resitel.Zastav(); });
    connect(btnReseniKrokZpet, &QPushButton::clicked, this, &TZalozkaReseni::KrokZpetPozadan);
    connect(btnReseniZnovuRozestavet, &QPushButton::clicked, this, [this] {
        ZastavPrehrani();
        emit Akce(Relace.Reseni().ZnovuPrehrat());
    });
    for (QLabel* l : {lblReseniPrubeh, lblReseniCelkemTahu})
        OznamujeZmeny(l);
}

void TZalozkaReseni::PoVstupu() { Vpredu = true; }

void TZalozkaReseni::PredOdchodem() { Vpredu = false; }

void TZalozkaReseni::PoAkci(const TVysledekAkce& Vysledek)
{
    const TStavPlochy& stav = Vysledek.Stav;
    if (Vysledek.Druh == dzNovaPozice) {
        // The board anew from its start: every label, and "Znovu přehrát"
        // while there is a solution jump to replay.
        PisNazevDesky(lblReseniNazevDesky, Relace.Reseni().DejZaznam());
        PisTypHry(lblReseniTypHry, stav.Typ);
        btnReseniZnovuRozestavet->setEnabled(stav.MaDalsiSkok);
    }
    if (Vysledek.PrepsatStav) {
        PisTahy(lblReseniTahu, btnReseniKrokZpet, stav);
        PisZbyvajici(lblReseniZbyva, stav);
        PisStavReseni(stav);
    }
}

void TZalozkaReseni::PisStavReseni(const TStavPlochy& Stav)
{
    Napis(lblReseniPrubeh, TextJadra(Relace.Reseni().ResenaDeska().StavReseni));
    if (Stav.TahuReseni != 0) {
        Napis(lblReseniCelkemTahu, T_("Potřebných tahů: %1").arg(Stav.TahuReseni));
        lblReseniCelkemTahu->show();
    } else {
        lblReseniCelkemTahu->hide();
    }
    if (Stav.Dokonceno) {
        PolozCasReseni(lblReseniCas, lblReseniPrubeh, btnReseniZastavit, false);
        Napis(lblReseniCas, T_("Doba trvání hledání: %1").arg(FormatDobyHledani(Stav.DobaHledani)));
        lblReseniCas->show();
        // The search has ended: its result is news.
        OznamZmenu(lblReseniPrubeh);
        OznamZmenu(lblReseniCelkemTahu);
    } else if (Resitel.Hleda()) {
        // The same label carries the running clock while the search lasts.
        PisPrubehHledani();
    } else {
        lblReseniCas->hide();
    }
    ObnovOvladacePrehrani();
}

void TZalozkaReseni::PisPrubehHledani()
{
    if (!Resitel.Hleda())
        return;
    Napis(lblReseniCas, TextPrubehuHledani(MericHledani.elapsed(), Resitel.PocetPozic()));
    PolozCasReseni(lblReseniCas, lblReseniPrubeh, btnReseniZastavit, true);
    lblReseniCas->show();
}

// ---------------------------------------------------------------------------
// The search

void TZalozkaReseni::PovolHledani(bool Povolit)
{
    for (QPushButton* b : btnReseniHledani)
        b->setEnabled(Povolit);
}

void TZalozkaReseni::NajitReseni(std::uint8_t Zpusob)
{
    ZastavPrehrani();
    if (Resitel.Hleda())
        return;
    const TVysledekAkce v = Relace.Reseni().PredHledanim(Zpusob);
    btnReseniZastavit->show();
    PovolHledani(false);
    // The duration is measured on a monotonic clock, so that a change of the
    // system time during a search cannot make it negative or absurd.
    MericHledani.start();
    // A worker that could not start must not leave the tab waiting for an
    // end that never comes.
    bool spusteno = false;
    try {
        spusteno = Resitel.Hledej(Relace.Reseni().ZaznamReseni(), Zpusob);
    } catch (...) {
        PovolHledani(true);
        btnReseniZastavit->hide();
        emit Akce(Relace.Reseni().ZrusHledani());
        throw;
    }
    if (!spusteno) {
        PovolHledani(true);
        btnReseniZastavit->hide();
        emit Akce(Relace.Reseni().ZrusHledani());
        return;
    }
    emit Akce(v);
    window()->repaint();
    CasovacPrubehu->start();
    PisPrubehHledani();
}

void TZalozkaReseni::PoUkonceniReseni(const TReseni& Reseni)
{
    CasovacPrubehu->stop();
    PredejReseni(Relace.Reseni().DeskaProHledani(), Reseni);
    PovolHledani(true);
    btnReseniZastavit->hide();
    emit Akce(Relace.Reseni().PoHledani(static_cast<double>(MericHledani.elapsed()) / MilisekundDne));
    emit HledaniSkoncilo();
}

// ---------------------------------------------------------------------------
// Automatic replay

void TZalozkaReseni::VytvorPrehrani()
{
    auto* grpReseniPrehrani =
        Skupina(this, "grpReseniPrehrani", 8, 432, 209, 57, T_("Automatické přehrání"));
    btnReseniPrehrat = Tlacitko(grpReseniPrehrani, "btnReseniPrehrat", 8, 22, 93, 25, T_("&Přehrát"),
                                T_("Přehrát nalezené řešení tah po tahu"));
    btnReseniPrehrat->setEnabled(false);
    auto* btnReseniHratOdsud =
        Tlacitko(grpReseniPrehrani, "btnReseniHratOdsud", 108, 22, 93, 25, T_("H&rát odsud"),
                 T_("Hrát dál od aktuální pozice přehrávaného řešení jako novou hru"));
    CasovacPrehrani = new QTimer(this);
    CasovacPrehrani->setObjectName(QStringLiteral("CasovacPrehrani"));
    CasovacPrehrani->setInterval(IntervalPrehrani);
    connect(btnReseniPrehrat, &QPushButton::clicked, this, &TZalozkaReseni::PrehratReseni);
    connect(btnReseniHratOdsud, &QPushButton::clicked, this, [this] {
        ZastavPrehrani();
        emit HratOdsudPozadano();
    });
    connect(CasovacPrehrani, &QTimer::timeout, this, &TZalozkaReseni::KrokPrehrani);
}

bool TZalozkaReseni::PrehravaSe() const { return CasovacPrehrani->isActive(); }

void TZalozkaReseni::PrehratReseni()
{
    if (PrehravaSe()) {
        ZastavPrehrani();
        return;
    }
    const TStavPlochy stav = Relace.Reseni().DejStav();
    if (Resitel.Hleda() || !stav.JeReseni)
        return;
    // A solution played to its end is played again from its start.
    if (!stav.MaDalsiSkok)
        emit Akce(Relace.Reseni().ZnovuPrehrat());
    CasovacPrehrani->start();
    ObnovOvladacePrehrani();
}

void TZalozkaReseni::ZastavPrehrani()
{
    if (!PrehravaSe())
        return;
    CasovacPrehrani->stop();
    ObnovOvladacePrehrani();
}

void TZalozkaReseni::KrokPrehrani()
{
    if (!Vpredu || Resitel.Hleda() || !Relace.Reseni().DejStav().MaDalsiSkok) {
        ZastavPrehrani();
        return;
    }
    // The next solution jump, made as a player makes it.
    const TVysledekAkce v = Relace.Reseni().KrokVpred();
    emit Akce(v);
    if (v.Druh != dzSkok || !v.Stav.MaDalsiSkok)
        ZastavPrehrani();
}

void TZalozkaReseni::ObnovOvladacePrehrani()
{
    const bool hraje = PrehravaSe();
    Nastav(btnReseniPrehrat, "text", hraje ? T_("Za&stavit") : T_("&Přehrát"));
    Nastav(btnReseniPrehrat, "toolTip",
           hraje ? T_("Zastavit automatické přehrávání řešení") : T_("Přehrát nalezené řešení tah po tahu"));
    btnReseniPrehrat->setEnabled(hraje || (Relace.Reseni().DejStav().JeReseni && !Resitel.Hleda()));
}
