// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: creation and destruction, the bindings of its
// handlers, the tab-change rules, the menus, the status routines and the
// dispatch of presses on the board by the tab in front.
#include "KavirelForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include "KavirelBarvy.h"
#include "KavirelFile.h"
#include "KavirelHlaseniSouboru.h"
#include "KavirelNapoveda.h"
#include "KavirelNastaveni.h"
#include "KavirelOkna.h"
#include "KavirelOvladace.h"
#include "KavirelRadce.h"
#include "KavirelReseni.h"
#include "KavirelText.h"
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
} // namespace

// ---------------------------------------------------------------------------
// FormCreate, FormDestroy

TMainForm::TMainForm(QWidget* rodic)
    : QMainWindow(rodic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ZaznamHry(PrazdnyZaznam()),
      ZaznamEditace(PrazdnyZaznam()),
      ZaznamNahrany(PrazdnyZaznam()),
      ZaznamUkladany(PrazdnyZaznam()),
      ZaznamReseni(PrazdnyZaznam())
{
    InicializujZdroje();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kavirel"));
    setFont(PismoOkna());
    PripojHlaseniSouboru(this);
    SpustDialog = [](QFileDialog* d) {
        return d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty() ? d->selectedFiles().first()
                                                                                : QString();
    };
    VytvorOvladace();
    PripojObsluhy();

    setWindowIcon(NactiIkonu("ICON"));
    edtUlozitNazevDesky->setMaxLength(MaxDelkaNazvu);
    CislaPoliHry = mnCislaPoli->isChecked();

    HerniDeska = std::make_unique<TGameDeska>();
    ResenaDeska = std::make_unique<TSolveDeska>();
    EditovanaDeska = std::make_unique<TEditDeska>();

    PohledDesky = new TGraphGameDeska(ProstorGraphDesky);
    PohledDesky->setGeometry(6, 12, TGraphGameDeska::StranaDesky, TGraphGameDeska::StranaDesky);
    connect(PohledDesky, &TGraphGameDeska::Stisknuto, this, &TMainForm::KlikNaPole);
    connect(PohledDesky, &TGraphGameDeska::KrokZpetPozadan, this, &TMainForm::KrokZpet);
    connect(PohledDesky, &TGraphGameDeska::PrvekZvolen, this, &TMainForm::VolbaPrvku);
    PohledPalety = std::make_unique<TGraphEditDeska>(ProstorEditDesky, 2, 8, 6, 6);
    PohledPalety->NastavPrijemce(this);

    NactiStandardniSoubor();
    NactiNastaveni();
    std::int32_t cislo = 0;
    // The storage always leaves a current board; without one the tabs start
    // from an empty board rather than from an assertion.
    if (!SeznamDesek || SeznamDesek->PocetDesek == 0 || !SeznamDesek->VratAktualniDesku(ZaznamNahrany, cislo))
        ZaznamNahrany = PrazdnyZaznam();
    VykresleniDeskyPriNahravani(cislo, QString());
    ZaznamReseni = ZaznamNahrany;
    ResenaDeska->StavReseni = "Vyberte způsob hledání řešení...";
    NovePrehrati(true);
    ZaznamHry = ZaznamNahrany;
    NovaHra();

    NastavNazev(ZaznamEditace, NazevEditovaneDesky);
    EditovanaDeska->Nastav(ZaznamEditace);
    PohledPalety->KresliPaletu();

    NastavKlavesnici();
    setFixedSize(sizeHint());
    if (const QScreen* obrazovka = QGuiApplication::primaryScreen()) {
        QRect ram = frameGeometry();
        ram.moveCenter(obrazovka->availableGeometry().center());
        move(ram.topLeft());
    }
}

TMainForm::~TMainForm()
{
    // From here on no handler may run: Qt may still send focus and page
    // changes while it takes the controls down.
    Zavirani = true;
    for (QLineEdit* e : {edtNahratCislo, edtUlozitNazevDesky, edtEditNazevDesky})
        e->removeEventFilter(this);

    Chranene(this, [this] { UlozNastaveni(); });
    delete Radce;  // stops and joins the hint's searches
    Radce = nullptr;
    Chranene(this, [this] { ZastaveniReseni(); });
    // The worker writes its result into the solve board: wait for it (the
    // stop request ends it within one search step) before the board goes.
    UkonciReseni();
    PohledPalety.reset();
    HerniDeska.reset();
    ResenaDeska.reset();
    EditovanaDeska.reset();
    UlozStandardniSoubor();
}

void TMainForm::closeEvent(QCloseEvent* udalost)
{
    udalost->accept();
    QCoreApplication::quit();
}

void TMainForm::Chranene_(const std::function<void()>& telo)
{
    if (Zavirani)
        return;
    Chranene(this, telo);
}

void TMainForm::NastavPomocnaOkna(QDialog* about, QDialog* legenda, QDialog* barvy)
{
    AboutBox = about;
    LegendaForm = legenda;
    BarvyForm = barvy;
    // The colours kept from the last run are the colour window's start too.
    if (auto* okno = qobject_cast<TBarvyForm*>(barvy); okno && okno->DejUkazku())
        okno->DejUkazku()->NastavBarvy(PohledDesky->DejBarvy());
}

// ---------------------------------------------------------------------------
// Bindings

void TMainForm::PripojObsluhy()
{
    auto klik = [this](QPushButton* b, auto telo) { connect(b, &QPushButton::clicked, this, Obsluha(telo)); };
    auto volba = [this](QAction* a, auto telo) { connect(a, &QAction::triggered, this, Obsluha(telo)); };

    klik(btnHraKrokZpet, [this] { btnHraKrokZpetClick(); });
    klik(btnHraZnovuRozestavet, [this] { NovaHraClick(btnHraZnovuRozestavet); });
    klik(btnHraTypHry, [this] { ZmenaTypuHry(btnHraTypHry); });
    klik(btnHraEditovat, [this] { EditovatDesku(); });
    klik(btnHraResit, [this] { ResitDesku(); });

    klik(btnNahratPredchozi, [this] { PohybVSeznamuDesek(btnNahratPredchozi); });
    klik(btnNahratDalsi, [this] { PohybVSeznamuDesek(btnNahratDalsi); });
    klik(btnNahratSmazat, [this] { btnNahratSmazatClick(); });
    klik(btnNahratOtevrit, [this] { OtevritExterniSoubor(); });
    klik(btnNahratHrat, [this] { btnNahratHratClick(); });
    klik(btnNahratEditovat, [this] { EditovatDesku(); });
    klik(Button1, [this] { ResitDesku(); });

    klik(btnUlozitStandardni, [this] { btnUlozitStandardniClick(); });
    klik(btnUlozitExterni, [this] { btnUlozitExterniClick(); });

    klik(btnEditTypHry, [this] { ZmenaTypuHry(btnEditTypHry); });
    klik(btnEditHrat, [this] { btnEditHratClick(); });
    klik(btnEditPuvodni, [this] { btnEditPuvodniClick(); });
    klik(btnEditResit, [this] { ResitDesku(); });

    klik(btnReseniZastavit, [this] { ZastaveniReseni(); });
    klik(btnReseniKrokZpet, [this] { btnHraKrokZpetClick(); });
    klik(btnReseniZnovuRozestavet, [this] { ZnovuPrehratReseni(); });
    klik(btnReseniNejrychlejsi, [this] { NajitReseni(btnReseniNejrychlejsi); });
    klik(btnReseniNejkratsi, [this] { NajitReseni(btnReseniNejkratsi); });

    volba(mnNovaHra, [this] { NovaHraClick(mnNovaHra); });
    volba(mnKonec, [this] { UkonceniAplikace(); });
    // Qt has already checked the clicked item; the handler must see the
    // check as it was.
    volba(mnNormalni, [this] {
        ObnovTypVMenu();
        ZmenaTypuHryZMenu(mnNormalni);
    });
    volba(mnLeibniz, [this] {
        ObnovTypVMenu();
        ZmenaTypuHryZMenu(mnLeibniz);
    });
    volba(mnBarvy, [this] { mnBarvyClick(); });
    volba(mnCislaPoli, [this] {
        mnCislaPoli->setChecked(!mnCislaPoli->isChecked());  // the handler inverts it itself
        mnCislaPoliClick();
    });
    volba(mnLegenda, [this] { mnLegendaClick(); });
    volba(mnInfo, [this] { mnInfoClick(); });
    volba(mnOaplikaci, [this] { mnOaplikaciClick(); });
    volba(KontextovaNapoveda, [this] {
        const int kontext = Zalozky->currentWidget()->property("HelpContext").toInt();
        ZobrazNapovedu(kontext != 0 ? kontext : KontextNapovedyUvod);
    });

    connect(Zalozky, &QTabWidget::currentChanged, this, &TMainForm::PoZmeneZalozkyUzivatelem);

    for (QLineEdit* e : {edtNahratCislo, edtUlozitNazevDesky, edtEditNazevDesky})
        e->installEventFilter(this);
    PripojObsluhyNavic();

    for (int i = 0; i < grpEditVyber->PocetPolozek(); ++i)
        connect(grpEditVyber->Polozka(i), &QAbstractButton::toggled, this, [this](bool zapnuto) {
            if (zapnuto)
                Chranene_([this] { OznacVybranyPrvek(); });
        });
}

bool TMainForm::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (Zavirani)
        return false;
    switch (udalost->type()) {
    case QEvent::KeyPress: {
        const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter)
            Chranene_([this, objekt] { ZadavaniTextu(objekt, 13); });
        break;
    }
    case QEvent::FocusOut: {
        // Only a move of the focus within the window ends the input; another
        // window coming up (a message box) does not.
        const Qt::FocusReason duvod = static_cast<QFocusEvent*>(udalost)->reason();
        if (objekt == edtNahratCislo && duvod != Qt::ActiveWindowFocusReason && duvod != Qt::PopupFocusReason)
            Chranene_([this] { UkonceniZadavaniCisla(); });
        break;
    }
    case QEvent::FocusIn:
        if (objekt == edtUlozitNazevDesky)
            Chranene_([this] { edtUlozitNazevDeskyEnter(); });
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(objekt, udalost);
}

// ---------------------------------------------------------------------------
// Tab changes

void TMainForm::PoZmeneZalozkyUzivatelem(int)
{
    if (PrepinamZKodu || Zavirani)
        return;
    Chranene_([this] {
        PredZmenouZalozky(Zalozky);
        PoZmeneZalozky(Zalozky);
    });
}

void TMainForm::PrepniZalozku(int Index)
{
    PredZmenouZalozky(Zalozky);
    PrepinamZKodu = true;
    Zalozky->setCurrentIndex(Index);
    PrepinamZKodu = false;
    PoZmeneZalozky(Zalozky);
}

void TMainForm::ZvyrazniZalozku(int Index, bool Zvyraznit) { Zalozky->Zvyrazni(Index, Zvyraznit); }

bool TMainForm::JeZalozkaZvyraznena(int Index) const { return Zalozky->JeZvyraznena(Index); }

void TMainForm::PredZmenouZalozky(QObject*)
{
    PredchoziZalozka = ZalozkaVpredu;
    switch (PredchoziZalozka) {
    case zlHra:
        HerniDeska->DejZaznam(ZaznamUkladany);
        CislaPoliHry = mnCislaPoli->isChecked();
        break;
    case zlNahrat:
        mnCislaPoli->setEnabled(true);
        PovolTypHry(true);
        ZaznamUkladany = ZaznamNahrany;
        break;
    case zlUlozit:
        mnCislaPoli->setEnabled(true);
        PovolTypHry(true);
        edtUlozitNazevDesky->setPalette(QPalette());
        edtUlozitNazevDesky->setEnabled(true);
        btnUlozitStandardni->setEnabled(true);
        btnUlozitExterni->setEnabled(true);
        break;
    case zlEdit:
        mnCislaPoli->setEnabled(true);
        NastavNazevDesky(EditovanaDeska->Zaznam, edtEditNazevDesky->text());
        EditovanaDeska->DejZaznam(ZaznamUkladany);
        break;
    case zlReseni:
        mnCislaPoli->setEnabled(true);
        PovolTypHry(true);
        break;
    default:
        break;
    }
}

void TMainForm::PoZmeneZalozky(QObject*)
{
    ZalozkaVpredu = Zalozky->currentIndex();
    switch (ZalozkaVpredu) {
    case zlHra:
        mnCislaPoli->setChecked(CislaPoliHry);
        ZobrazDesku();
        break;
    case zlNahrat:
        mnCislaPoli->setEnabled(false);
        PovolTypHry(false);
        ZobrazDesku();
        break;
    case zlUlozit:
        VstupNaZalozkuUlozit();
        mnCislaPoli->setEnabled(false);
        PovolTypHry(false);
        ZobrazDesku();
        break;
    case zlEdit:
        mnCislaPoli->setEnabled(false);
        VykresleniDeskyPriEditaci();
        PohledPalety->KresliPaletu();
        OznacVybranyPrvek();
        break;
    case zlReseni:
        if (JeZalozkaZvyraznena(zlReseni))
            ZvyrazniZalozku(zlReseni, false);
        mnCislaPoli->setEnabled(false);
        mnCislaPoli->setChecked(true);
        PovolTypHry(false);
        VykresleniDeskyPriReseni();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Menus

void TMainForm::ZaskrtniTyp(QAction* Polozka)
{
    ZaskrtnutyTyp = Polozka;
    mnNormalni->setChecked(Polozka == mnNormalni);
    mnLeibniz->setChecked(Polozka == mnLeibniz);
}

void TMainForm::ObnovTypVMenu() { ZaskrtniTyp(ZaskrtnutyTyp); }

void TMainForm::PovolTypHry(bool Povolit)
{
    mnTypHry->menuAction()->setEnabled(Povolit);
    mnNormalni->setEnabled(Povolit);
    mnLeibniz->setEnabled(Povolit);
}

void TMainForm::UkonceniAplikace() { close(); }

void TMainForm::mnCislaPoliClick()
{
    mnCislaPoli->setChecked(!mnCislaPoli->isChecked());
    ZobrazDesku();
}

void TMainForm::mnBarvyClick()
{
    if (BarvyForm)
        BarvyForm->exec();
}

void TMainForm::mnLegendaClick()
{
    if (LegendaForm)
        LegendaForm->exec();
}

void TMainForm::mnOaplikaciClick()
{
    if (AboutBox)
        AboutBox->exec();
}

void TMainForm::mnInfoClick() { ZobrazNapovedu(KontextNapovedyUvod); }

void TMainForm::ZobrazNapovedu(int Kontext)
{
    if (!OknoNapovedy)
        OknoNapovedy = new TNapovedaOkno(this);
    OknoNapovedy->ZobrazKontext(Kontext);
}

// ---------------------------------------------------------------------------
// Status routines

void TMainForm::PisNazevDesky(QLabel* Popisek, const TZaznamDesky& Zaznam) { Napis(Popisek, NazevDesky(Zaznam)); }

void TMainForm::PisTypHry(QLabel* Popisek, const TZaznamDesky& Zaznam)
{
    switch (Zaznam.TypHry) {
    case thNormalni:
        Napis(Popisek, QStringLiteral("NORMÁLNÍ"));
        ZaskrtniTyp(mnNormalni);
        break;
    case thLeibniz:
        Napis(Popisek, QStringLiteral("LEIBNIZŮV KAVIREL"));
        ZaskrtniTyp(mnLeibniz);
        break;
    default:
        break;
    }
}

void TMainForm::PisZbyvajici(QLabel* Popisek, const TGameDeska& Deska)
{
    // Any type other than normal plays by the Leibniz rule, so it counts holes.
    if (Deska.Zaznam.TypHry == thNormalni)
        Napis(Popisek, QStringLiteral("Zbývá kamenů: %1").arg(Deska.PocetKamenu));
    else
        Napis(Popisek, QStringLiteral("Zbývá polí: %1").arg(Deska.PocetPrazdnych));
}

void TMainForm::PisTahy(QLabel* Popisek, QPushButton* KrokZpetTlacitko, const TGameDeska& Deska)
{
    Napis(Popisek, QString::number(Deska.Tahy.DejPocetTahu()));
    KrokZpetTlacitko->setEnabled(Deska.Tahy.LzeVratit());
    if (KrokZpetTlacitko == btnHraKrokZpet)
        PoZmeneHry();
}

void TMainForm::PisPrubeh(QLabel* Prubeh, QLabel* Konec, QLabel* Cilova, const QString& Text,
                          const TGameDeska& Deska)
{
    const TStavHry stav = Deska.DejStavHry();
    if (stav == shProbiha) {
        Napis(Prubeh, Text);
        Prubeh->show();
        Konec->hide();
        Cilova->hide();
        return;
    }
    Prubeh->hide();
    Konec->show();
    OznamZmenu(Konec);
    // A board without target fields has no target verdict: the one of an
    // earlier game must not stay on screen.
    Cilova->hide();
    if (stav != shKonec) {
        const bool normalni = Deska.Zaznam.TypHry == thNormalni;
        QString text;
        if (stav == shKonecCileNesplneny)
            text = normalni ? QStringLiteral("Prázdná cílová pole") : QStringLiteral("Plná cílová pole");
        else
            text = normalni ? QStringLiteral("Všechna cílová pole obsazena") : QStringLiteral("Všechna cílová pole prázdná");
        Napis(Cilova, text);
        Cilova->show();
        OznamZmenu(Cilova);
    }
}

void TMainForm::PisPuvodDesky(QLabel* Popisek, const QString& PrvniText, const QString& DruhyText)
{
    const QString cely = PrvniText + QLatin1Char(' ') + DruhyText;
    Napis(Popisek, PrvniText);
    const QWidget* rodic = Popisek->parentWidget();
    const QFontMetrics m(Popisek->font());
    const int sirka = rodic != nullptr ? rodic->width() - 6 - Popisek->x() - 2 : m.horizontalAdvance(cely);
    Popisek->setAccessibleName(QString());
    if (DruhyText.isEmpty() || m.horizontalAdvance(cely) <= sirka) {
        Napis(Popisek, cely);
        return;
    }
    // A long file name keeps the label's font: it takes the second line and
    // loses its middle, the whole name stays in the hint.
    Popisek->setText(PrvniText + QLatin1Char('\n') + m.elidedText(DruhyText, Qt::ElideMiddle, sirka));
    Popisek->adjustSize();
    Popisek->setAccessibleName(cely);
}

void TMainForm::PisCisloDesky(QLabel* Popisek, std::int32_t Cislo)
{
    lblNahratCisloDeskyPevna->show();
    Popisek->show();
    Napis(Popisek, QString::number(Cislo));
}

void TMainForm::PisEditNazevDesky(QLineEdit* Editor, const QString& Text)
{
    Editor->setText(Text);
    Editor->selectAll();
    Editor->setFocus();
}

// ---------------------------------------------------------------------------
// Presses on the board, by the page in front

void TMainForm::KlikNaPole(const TPozice& Pole)
{
    Chranene_([&] {
        if (!PredStiskem())
            return;
        const QWidget* stranka = Zalozky->currentWidget();
        if (stranka == tabHra)
            KlikNaPoleHra(Pole);
        else if (stranka == tabEdit)
            KlikNaPoleEdit(Pole);
        else if (stranka == tabReseni)
            KlikNaPoleReseni(Pole);
    });
}

void TMainForm::KrokZpet()
{
    Chranene_([this] {
        if (!PredStiskem())
            return;
        const QWidget* stranka = Zalozky->currentWidget();
        if (stranka == tabHra)
            KrokZpetHra();
        else if (stranka == tabReseni)
            KrokZpetReseni();
    });
}

TObrazDesky TMainForm::ObrazDesky() const
{
    TObrazDesky o;
    TPozice vybrany;
    switch (ZalozkaVpredu) {
    case zlHra:
        o.Zaznam = HerniDeska->Zaznam;
        o.Cisla = mnCislaPoli->isChecked();
        if (HerniDeska->Tahy.DejOdkud(vybrany))
            o.Vyber = vybrany;
        if (RadaVyznacena)
            o.Zvyraznena = {RadaOdkud, RadaKam};
        o.Tazeni = TTazeni::Kamen;
        break;
    case zlNahrat:
        o.Zaznam = ZaznamNahrany;
        break;
    case zlUlozit:
        o.Zaznam = ZaznamUkladany;
        break;
    case zlEdit:
        o.Zaznam = EditovanaDeska->Zaznam;
        // Every position framed and in front, absent ones too: they are
        // what the user turns into new fields.
        o.VsechnaPole = true;
        o.Tazeni = TTazeni::Malovani;
        break;
    case zlReseni: {
        o.Zaznam = ResenaDeska->Zaznam;
        o.Cisla = mnCislaPoli->isChecked();
        if (ResenaDeska->Tahy.DejOdkud(vybrany))
            o.Vyber = vybrany;
        TTahReseni dalsi;
        if (ResenaDeska->Reseni.DejAktualni(dalsi))
            o.Zvyraznena = {dalsi.Odkud, dalsi.Kam};
        o.Tazeni = TTazeni::Kamen;
        break;
    }
    default:
        break;
    }
    return o;
}

void TMainForm::ZobrazDesku() { PohledDesky->Zobraz(ObrazDesky()); }
