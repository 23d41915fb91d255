// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: creation and destruction, the layout, the
// bindings of the board, the tabs and the menus, and the session's answers.
#include "KavirelForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>

#include "KavirelBarvy.h"
#include "KavirelFile.h"
#include "KavirelHlaseniSouboru.h"
#include "KavirelKlavesy.h"
#include "KavirelNabidky.h"
#include "KavirelNapoveda.h"
#include "KavirelNastaveni.h"
#include "KavirelNastaveniOkna.h"
#include "KavirelOkna.h"
#include "KavirelOknaNabidek.h"
#include "KavirelOvladace.h"
#include "KavirelPravidlaZalozek.h"
#include "KavirelPredavaniDesek.h"
#include "KavirelPribehVyhry.h"
#include "KavirelResitel.h"
#include "KavirelVstupDesky.h"
#include "KavirelZalozkaEdit.h"
#include "KavirelZalozkaHra.h"
#include "KavirelZalozkaNahrat.h"
#include "KavirelZalozkaReseni.h"
#include "KavirelZalozkaUlozit.h"
#include "KavirelTexty.h"
#include "KavirelZpravy.h"

static void InicializujZdroje()
{
    // The help text lives in a static library's resources; without this
    // reference the linker would leave them out of the program.
    Q_INIT_RESOURCE(kavirel);
}

namespace {

// The platform's small dialog font: a narrow sans-serif at 8 points.
QFont PismoOkna()
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                   QStringLiteral("Arial"), QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(8);
    return f;
}

// The client area at the window's default size, which is also its least.
constexpr int SirkaPlochy = 792;
constexpr int VyskaPlochy = 554;

} // namespace

// ---------------------------------------------------------------------------
// FormCreate, FormDestroy

TMainForm::TMainForm(QWidget* rodic)
    : QMainWindow(rodic), Relace(std::make_unique<TRelaceHry>()), Okna(std::make_unique<TOknaNabidek>(this))
{
    InicializujZdroje();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kavirel"));
    setFont(PismoOkna());
    PripojHlaseniSouboru(this);
    Resitel = new TResitel(this);
    VytvorOkno();
    // Only now: each is given controls that VytvorOkno has just made.
    Vstup = std::make_unique<TVstupDesky>(*Relace, *tabHra, *tabReseni);
    Predavani = std::make_unique<TPredavaniDesek>(*Relace, *Pravidla, *Resitel, *PohledDesky, this);
    Nastaveni = std::make_unique<TNastaveniOkna>(*this, *Relace, *Nabidky, *PohledDesky, *tabEdit);
    PripojZalozky();
    setWindowIcon(NactiIkonu("ICON"));

    Start();

    PridejEnterNaTlacitka(this);
    PridejPoznamkyOdmitnuti(this);
    // The board is where the game starts.
    PohledDesky->setFocus(Qt::OtherFocusReason);
}

TMainForm::~TMainForm()
{
    // From here on no handler may run: Qt may still send focus and page
    // changes while it takes the controls down.
    Zavirani = true;
    for (TZalozkaOkna* z : {static_cast<TZalozkaOkna*>(tabHra), static_cast<TZalozkaOkna*>(tabNahrat),
                            static_cast<TZalozkaOkna*>(tabUlozit), static_cast<TZalozkaOkna*>(tabEdit),
                            static_cast<TZalozkaOkna*>(tabReseni)})
        for (QObject* o : z->findChildren<QObject*>())
            o->removeEventFilter(z);
    Chranene(this, [this] { UlozNastaveni(); });
    // The searches work on copies of their positions; they are asked to stop
    // now and joined when the solver's adapter goes with the window.
    Resitel->Zastav();
    Resitel->ZrusRadu();
    Pribeh->Zrus();
    UlozStandardniSoubor();
}

void TMainForm::closeEvent(QCloseEvent* udalost)
{
    udalost->accept();
    QCoreApplication::quit();
}

void TMainForm::UkonceniAplikace() { close(); }

void TMainForm::UlozNastaveni() { Nastaveni->Uloz(); }

void TMainForm::HratDeskuZeSouboru(const QString& Soubor)
{
    Chranene_([this, &Soubor] {
        if (tabNahrat->NactiSoubor(Soubor))
            Predavani->Hrat(dpNahled);
    });
}

void TMainForm::changeEvent(QEvent* udalost)
{
    if (udalost->type() == QEvent::LanguageChange) {
        PrelozZnovu(this);
        KavirelTvorba::SrovnejZaPopisky(this);
    }
    QMainWindow::changeEvent(udalost);
}

void TMainForm::Chranene_(const std::function<void()>& telo)
{
    if (Zavirani)
        return;
    Chranene(this, telo);
}

void TMainForm::VytvorOkno()
{
    // The board on the left takes whatever room the window has; the tabs
    // keep their width and take the height.
    auto* plocha = new QWidget(this);
    plocha->setObjectName(QStringLiteral("KlientskaPlocha"));
    plocha->setMinimumSize(SirkaPlochy, VyskaPlochy);
    setCentralWidget(plocha);
    auto* mrizka = new QGridLayout(plocha);
    mrizka->setContentsMargins(1, 0, 4, 1);
    mrizka->setHorizontalSpacing(5);
    mrizka->setVerticalSpacing(0);

    auto* ramDesky = new QGroupBox(plocha);
    ramDesky->setObjectName(QStringLiteral("ProstorGraphDesky"));
    // The board stands where the field controls always stood: 6 and 12
    // pixels from the box's corner, whatever room the style's frame takes.
    ramDesky->ensurePolished();
    const QMargins ram = ramDesky->contentsMargins();
    auto* prostor = new QVBoxLayout(ramDesky);
    prostor->setContentsMargins(std::max(0, 6 - ram.left()), std::max(0, 12 - ram.top()), std::max(0, 7 - ram.right()),
                                std::max(0, 8 - ram.bottom()));
    PohledDesky = new TGraphGameDeska(ramDesky);
    prostor->addWidget(PohledDesky);
    Pribeh = new TPribehVyhry(*Resitel, PohledDesky);
    mrizka->addWidget(ramDesky, 0, 0, 3, 1);

    auto* zalozky = new TZalozky(plocha);
    zalozky->setObjectName(QStringLiteral("Zalozky"));
    zalozky->NastavSirkuZalozky(46);
    zalozky->setFixedWidth(236);
    mrizka->addItem(new QSpacerItem(0, 4, QSizePolicy::Fixed, QSizePolicy::Fixed), 0, 1);
    mrizka->addWidget(zalozky, 1, 1);
    mrizka->addItem(new QSpacerItem(0, 1, QSizePolicy::Fixed, QSizePolicy::Fixed), 2, 1);
    mrizka->setRowStretch(1, 1);
    mrizka->setColumnStretch(0, 1);

    // Made inside the tab control, so that their controls are measured in
    // the window's font from the start.
    tabHra = new TZalozkaHra(*Relace, *Resitel, zalozky);
    tabNahrat = new TZalozkaNahrat(*Relace, zalozky);
    tabUlozit = new TZalozkaUlozit(*Relace, zalozky);
    tabEdit = new TZalozkaEdit(*Relace, zalozky);
    tabReseni = new TZalozkaReseni(*Relace, *Resitel, zalozky);
    const std::pair<TZalozkaOkna*, int> stranky[] = {
        {tabHra, KontextNapovedyHra},       {tabNahrat, KontextNapovedyNahrat}, {tabUlozit, KontextNapovedyUlozit},
        {tabEdit, KontextNapovedyEdit},     {tabReseni, KontextNapovedyReseni},
    };
    // Alt with the marked letter brings a tab to the front; the letters
    // stay clear of the menus' and of every button's of the tabs.
    const TText titulky[] = {T_("Hr&a"), T_("Nahr&át"), T_("&Uložit"), T_("E&ditovat"), T_("Ř&ešení")};
    for (int i = 0; i < 5; ++i) {
        zalozky->addTab(stranky[i].first, QString());
        NastavTitulekStranky(stranky[i].first, titulky[i]);
        stranky[i].first->setProperty("HelpContext", stranky[i].second);
    }
    zalozky->setCurrentIndex(zlHra);

    Nabidky = new TNabidky(this);
    Pravidla = std::make_unique<TPravidlaZalozek>(*zalozky, *Relace, *Nabidky, *Pribeh, *PohledDesky, *tabNahrat,
                                                  *tabUlozit);
}

void TMainForm::PripojZalozky()
{
    connect(PohledDesky, &TGraphGameDeska::Stisknuto, this,
            [this](TPozice pole) { Chranene_([this, pole] { Vstup->Stisk(pole); }); });
    connect(PohledDesky, &TGraphGameDeska::Pretazeno, this,
            [this](TPozice odkud, TPozice kam) { Chranene_([this, odkud, kam] { Vstup->Tah(odkud, kam); }); });
    connect(PohledDesky, &TGraphGameDeska::KrokZpetPozadan, this, Obsluha([this] { Vstup->KrokZpet(); }));
    connect(PohledDesky, &TGraphGameDeska::PrvekZvolen, this, [this](int prvek) {
        Chranene_([this, prvek] {
            if (Pravidla->Vpredu() == zlEdit)
                tabEdit->VolbaPrvku(prvek);
        });
    });
    // The session's answers are drawn in one place, whoever asked.
    const auto ukaz = [this](const TVysledekAkce& v) { UkazVysledek(v); };
    connect(Vstup.get(), &TVstupDesky::Akce, this, ukaz);
    connect(Predavani.get(), &TPredavaniDesek::Akce, this, ukaz);
    for (int i = 0; i < Pravidla->Stranky().count(); ++i) {
        TZalozkaOkna* z = Pravidla->Zalozka(i);
        connect(z, &TZalozkaOkna::Akce, this, ukaz);
        connect(z, &TZalozkaOkna::TypZobrazen, Nabidky, &TNabidky::ZaskrtniTyp);
    }
    connect(tabHra, &TZalozkaHra::KrokZpetPozadan, this, Obsluha([this] { Vstup->KrokZpet(); }));
    connect(tabHra, &TZalozkaHra::EditovatPozadano, this, Obsluha([this] { Predavani->Editovat(dpHra); }));
    connect(tabHra, &TZalozkaHra::ResitPozadano, this, Obsluha([this] { Predavani->Resit(dpHra); }));
    connect(tabHra, &TZalozkaHra::ZmenaTypuPozadana, this, Obsluha([this] { ZmenaTypuHry(); }));
    connect(tabHra, &TZalozkaHra::KrokVpredMozny, Nabidky, &TNabidky::PovolKrokVpred);
    connect(tabHra, &TZalozkaHra::HledaniRady, Nabidky, &TNabidky::NastavHledaniRady);
    connect(tabHra, &TZalozkaHra::VyhraZapsana, this, [this](bool Novy) {
        // A best is kept at once, not only at the end of the run.
        if (Novy)
            UlozNastaveni();
        if (const TNastaveni* n = Nastaveni->Hodnoty())
            Okna->ObnovRekordy(n->Rekordy);
    });
    connect(tabNahrat, &TZalozkaNahrat::HratPozadano, this, Obsluha([this] {
                // The board played last from the catalogue is the next run's first.
                if (TNastaveni* n = Nastaveni->Hodnoty(); n && tabNahrat->DejCislo() > 0)
                    n->PosledniDeska = tabNahrat->DejCislo();
                Predavani->Hrat(dpNahled);
            }));
    connect(tabNahrat, &TZalozkaNahrat::EditovatPozadano, this, Obsluha([this] { Predavani->Editovat(dpNahled); }));
    connect(tabNahrat, &TZalozkaNahrat::ResitPozadano, this, Obsluha([this] { Predavani->Resit(dpNahled); }));
    connect(tabEdit, &TZalozkaEdit::HratPozadano, this, Obsluha([this] { Predavani->Hrat(dpEdit); }));
    connect(tabEdit, &TZalozkaEdit::ResitPozadano, this, Obsluha([this] { Predavani->Resit(dpEdit); }));
    connect(tabEdit, &TZalozkaEdit::ZmenaTypuPozadana, this, Obsluha([this] { ZmenaTypuHry(); }));
    connect(tabReseni, &TZalozkaReseni::KrokZpetPozadan, this, Obsluha([this] { Vstup->KrokZpet(); }));
    connect(tabReseni, &TZalozkaReseni::HratOdsudPozadano, this, Obsluha([this] { Predavani->Hrat(dpReseni); }));
    connect(tabReseni, &TZalozkaReseni::HledaniSkoncilo, this, Obsluha([this] {
                // The result is news on another tab; on its own the board is
                // where play goes on.
                if (Pravidla->Vpredu() == zlReseni)
                    PohledDesky->setFocus(Qt::OtherFocusReason);
                else
                    Pravidla->Stranky().Zvyrazni(zlReseni, true);
            }));
    connect(Resitel, &TResitel::Selhalo, this,
            [this](const QString& chyba) { ZobrazZpravu(this, TDruhZpravy::ChybaProgramu, chyba); });
    connect(&Pravidla->Stranky(), &QTabWidget::currentChanged, this, Obsluha([this] { Pravidla->PoZmeneStranky(); }));
    connect(Nabidky, &TNabidky::Zvoleno, this, [this](TPolozka p) { Chranene_([this, p] { PoVolbe(p); }); });
    connect(Nabidky, &TNabidky::TypZvolen, this, Obsluha([this] { ZmenaTypuHry(); }));
    connect(Nabidky, &TNabidky::JazykZvolen, this,
            [this](std::optional<TJazyk> v) { Chranene_([this, v] { Nastaveni->ZvolJazyk(v); }); });
}

// FormCreate's order: the catalogue's first board (or the one played last)
// on the load tab, the solve tab and the play tab, which is in front.
void TMainForm::Start()
{
    NactiStandardniSoubor();
    Nastaveni->Nacti(*tabHra, *tabNahrat, *tabUlozit);
    tabNahrat->UkazAktualni();
    UkazVysledek(Relace->Resit(dpNahled));
    Pravidla->Prepni(zlReseni);
    Predavani->Hrat(dpNahled);
}

// ---------------------------------------------------------------------------
// The session's answers

void TMainForm::UkazVysledek(const TVysledekAkce& Vysledek)
{
    if (Vysledek.Plocha == Relace->Zobrazena()) {
        PohledDesky->ZmenPole(Vysledek.Pole);
        if (Vysledek.Plocha == dpHra && Vysledek.Druh == dzSkok)
            PohledDesky->AnimujSkok(Vysledek.Odkud, Vysledek.Kam);
    }
    switch (Vysledek.Plocha) {
    case dpHra:
        tabHra->PoAkci(Vysledek);
        Pribeh->PoAkci(Vysledek, Relace->Hra().PocatecniPozice());
        // Games counted are kept when one is won or another begins; the
        // rest at the end.
        if (const TNastaveni* n = Nastaveni->Hodnoty();
            n && n->Statistiky.MaZmeny() && (Vysledek.MaVyhru || Vysledek.Druh == dzNovaPozice))
            UlozNastaveni();
        // An open statistics window follows, without taking the focus.
        if (const TNastaveni* n = Nastaveni->Hodnoty(); Vysledek.MaVyhru && n)
            Okna->ObnovStatistiku(n->Statistiky.Desky());
        break;
    case dpReseni:
        tabReseni->PoAkci(Vysledek);
        break;
    case dpEdit:
        tabEdit->PoAkci(Vysledek);
        break;
    case dpNahled:
        break;
    }
}

void TMainForm::ZmenaTypuHry()
{
    // The new type is the other one than the menu shows checked; the menu
    // follows whatever happens next. A board that has that type already
    // stays as it is: the first change after another tab showed a board of
    // the other type only moves the check.
    const TTypHry novy = Nabidky->ZaskrtnutyTyp() == thNormalni ? thLeibniz : thNormalni;
    Nabidky->ZaskrtniTyp(novy);
    if (Pravidla->Vpredu() == zlHra || Pravidla->Vpredu() == zlEdit)
        UkazVysledek(Relace->ZmenTypHry(novy));
}

// ---------------------------------------------------------------------------
// Colours

void TMainForm::NastavPomocnaOkna(QDialog* about, QDialog* legenda, QDialog* barvy)
{
    Okna->NastavPomocna(about, legenda, barvy);
    // The colours kept from the last run are the colour window's start too.
    if (auto* okno = qobject_cast<TBarvyForm*>(barvy); okno && okno->DejUkazku())
        okno->DejUkazku()->NastavBarvy(DejBarvy());
}

void TMainForm::NastavBarvyDesky(const TBarvy& Barvy) { PohledDesky->NastavBarvy(Barvy); }

void TMainForm::NastavBarvyPalety(const TBarvy& Barvy) { tabEdit->NastavBarvyPalety(Barvy); }

const TBarvy& TMainForm::DejBarvy() const { return PohledDesky->DejBarvy(); }

void TMainForm::Prekresli() { Pravidla->Prekresli(); }
