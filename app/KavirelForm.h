// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board area on the left, five tabs on the right (play,
// load, save, edit, solve), the menus, the boards and views it owns and the
// records that carry boards between its tabs.
//
// Source files: KavirelForm.cpp (start-up, shutdown, tab-change rules, menus,
// status routines, press dispatch), KavirelFormRozlozeni.cpp (controls and
// layout), KavirelFormHra.cpp (play tab), KavirelFormNahrat.cpp (load tab),
// KavirelFormUlozit.cpp (save tab), KavirelFormEdit.cpp (edit tab),
// KavirelFormReseni.cpp (solve tab).
//
// Several handlers are shared by controls of several tabs and decide by the
// object name of the sender or of the page in front; those names are part of
// the window's contract. Every handler that Qt calls runs inside Chranene
// (KavirelZpravy.h), so a programming error ends that handler only.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

#include "KavirelGraph.h"
#include "KavirelType.h"

class QAction;
class QActionGroup;
class QDialog;
class QFileDialog;
class QFrame;
class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class TNapovedaOkno;
class TNastaveni;
class TRadce;
struct TRadaTahu;
class TRadioGroup;
class TZalozky;

// Tab indices; the window switches by them.
enum TZalozka : int {
    zlHra = 0,
    zlNahrat = 1,
    zlUlozit = 2,
    zlEdit = 3,
    zlReseni = 4,
};

class TMainForm : public QMainWindow, public IPrijemceKliku, public IPrijemceVyberu {
    Q_OBJECT
public:
    // FormCreate: builds the window, the boards and the views, loads the
    // catalogue from "Kavirel.dat" in the current directory (or the built-in
    // boards) and starts a game of its first board.
    explicit TMainForm(QWidget* rodic = nullptr);
    // FormDestroy: stops a search, releases views and boards, writes the
    // catalogue back to "Kavirel.dat".
    ~TMainForm() override;

    // --- state shared by the tabs ---------------------------------------------
    std::unique_ptr<TGameDeska> HerniDeska;
    std::unique_ptr<TSolveDeska> ResenaDeska;
    std::unique_ptr<TEditDeska> EditovanaDeska;
    std::unique_ptr<TGraphGameDeska> PohledDesky;
    std::unique_ptr<TGraphEditDeska> PohledPalety;

    TZaznamDesky ZaznamHry;
    TZaznamDesky ZaznamEditace;
    TZaznamDesky ZaznamNahrany;
    TZaznamDesky ZaznamUkladany;
    TZaznamDesky ZaznamReseni;

    std::int32_t PredchoziZalozka = 0;
    bool CislaPoliHry = false;

    // --- controls ---------------------------------------------------------
    QGroupBox* ProstorGraphDesky = nullptr;
    TZalozky* Zalozky = nullptr;
    QWidget* tabHra = nullptr;
    QWidget* tabNahrat = nullptr;
    QWidget* tabUlozit = nullptr;
    QWidget* tabEdit = nullptr;
    QWidget* tabReseni = nullptr;

    // play tab
    QGroupBox* grpHraPrubeh = nullptr;
    QLabel* lblHraKonec = nullptr;
    QLabel* lblHraCilova = nullptr;
    QLabel* lblHraPrubeh = nullptr;
    QGroupBox* grpHraInfo = nullptr;
    QLabel* lblHraNazevDesky = nullptr;
    QLabel* lblHraTypHryPevny = nullptr;
    QLabel* lblHraTypHry = nullptr;
    QLabel* lblHraTahuPevny = nullptr;
    QLabel* lblHraZbyva = nullptr;
    QLabel* lblHraTahu = nullptr;
    QGroupBox* grpHraMoznosti = nullptr;
    QPushButton* btnHraKrokZpet = nullptr;
    QPushButton* btnHraZnovuRozestavet = nullptr;
    QPushButton* btnHraTypHry = nullptr;
    QGroupBox* grpHraAkce = nullptr;
    QPushButton* btnHraEditovat = nullptr;
    QPushButton* btnHraResit = nullptr;

    // load tab
    QGroupBox* grpNahratInfo = nullptr;
    QLabel* lblNahratNazevDesky = nullptr;
    QLabel* lblNahratTypHryPevna = nullptr;
    QLabel* lblNahratTypHry = nullptr;
    QLabel* lblNahratPuvodDesky = nullptr;
    QLabel* lblNahratCisloDeskyPevna = nullptr;
    QLabel* lblNahratCisloDesky = nullptr;
    QGroupBox* grpNahratStandard = nullptr;
    QLabel* lblNahratCislo = nullptr;
    QPushButton* btnNahratPredchozi = nullptr;
    QPushButton* btnNahratDalsi = nullptr;
    QLineEdit* edtNahratCislo = nullptr;
    QPushButton* btnNahratSmazat = nullptr;
    QGroupBox* grpNahratExterni = nullptr;
    QPushButton* btnNahratOtevrit = nullptr;
    QGroupBox* grpNahratAkce = nullptr;
    QPushButton* btnNahratHrat = nullptr;
    QPushButton* btnNahratEditovat = nullptr;
    QPushButton* Button1 = nullptr;

    // save tab
    QGroupBox* grpUlozitInfo = nullptr;
    QLabel* lblUlozitPuvodDesky = nullptr;
    QLabel* lblUlozitJakUlozeno = nullptr;
    QLabel* lblUlozitKamUlozeno = nullptr;
    QLineEdit* edtUlozitNazevDesky = nullptr;
    QGroupBox* grpUlozitKam = nullptr;
    QPushButton* btnUlozitStandardni = nullptr;
    QPushButton* btnUlozitExterni = nullptr;

    // edit tab
    QGroupBox* grpEditInfo = nullptr;
    QLabel* lblEditTypHry = nullptr;
    QLineEdit* edtEditNazevDesky = nullptr;
    QPushButton* btnEditTypHry = nullptr;
    TRadioGroup* grpEditVyber = nullptr;
    QFrame* ProstorEditDesky = nullptr;
    QGroupBox* grpEditAkce = nullptr;
    QPushButton* btnEditHrat = nullptr;
    QPushButton* btnEditPuvodni = nullptr;
    QPushButton* btnEditResit = nullptr;

    // solve tab
    QGroupBox* grpReseniInfo = nullptr;
    QLabel* lblReseniNazevDesky = nullptr;
    QLabel* lblReseniTypHryPevna = nullptr;
    QLabel* lblReseniTypHry = nullptr;
    QLabel* lblReseniTahuPevna = nullptr;
    QLabel* lblReseniZbyva = nullptr;
    QLabel* lblReseniTahu = nullptr;
    QGroupBox* grpReseniPrubeh = nullptr;
    QLabel* lblReseniPrubeh = nullptr;
    QLabel* lblReseniCelkemTahu = nullptr;
    QLabel* lblReseniCas = nullptr;
    QPushButton* btnReseniZastavit = nullptr;
    QGroupBox* grpReseniMoznosti = nullptr;
    QPushButton* btnReseniKrokZpet = nullptr;
    QPushButton* btnReseniZnovuRozestavet = nullptr;
    QGroupBox* grpReseniNalezeni = nullptr;
    QPushButton* btnReseniNejrychlejsi = nullptr;
    QPushButton* btnReseniNejkratsi = nullptr;

    // menus
    QMenu* mnHra = nullptr;
    QAction* mnNovaHra = nullptr;
    QAction* mnKonec = nullptr;
    QMenu* mnTypHry = nullptr;
    QActionGroup* SkupinaTypuHry = nullptr;
    QAction* mnNormalni = nullptr;
    QAction* mnLeibniz = nullptr;
    QMenu* mnNastaveni = nullptr;
    QAction* mnBarvy = nullptr;
    QAction* mnCislaPoli = nullptr;
    QMenu* mnNapoveda = nullptr;
    QAction* mnLegenda = nullptr;
    QAction* mnInfo = nullptr;
    QAction* mnOaplikaci = nullptr;
    // Shift+F1: the help section of the page in front (its help context).
    QAction* KontextovaNapoveda = nullptr;
    // Ctrl+Z: a jump back on the play and solve tabs; Ctrl+G: "Jdi na číslo".
    QAction* KrokZpetKlavesou = nullptr;
    QAction* JdiNaCislo = nullptr;

    QFileDialog* OpenFileDialog = nullptr;
    QFileDialog* SaveFileDialog = nullptr;

    // A board file named on the command line (the file manager opens board
    // files so): loaded as "Otevřít…" loads it, then played as "Hrát" plays
    // it. A file that cannot be read shows that path's message and leaves the
    // window as it started.
    void HratDeskuZeSouboru(const QString& Soubor);

    // Shows a file dialog and returns the chosen full file name, or an empty
    // text when the user cancelled. Tests replace it.
    std::function<QString(QFileDialog*)> SpustDialog;

    // The auxiliary windows shown modally from the menus; they are created
    // after the main window (start-up order), so they are handed over here.
    void NastavPomocnaOkna(QDialog* about, QDialog* legenda, QDialog* barvy);
    QDialog* AboutBox = nullptr;
    QDialog* LegendaForm = nullptr;
    QDialog* BarvyForm = nullptr;

    TNapovedaOkno* OknoNapovedy = nullptr;  // created on first use

    // --- frame: tabs, menus, status texts -------------------------------------
    void PredZmenouZalozky(QObject* Sender);
    void PoZmeneZalozky(QObject* Sender);
    // Brings a tab to the front from code: PredZmenouZalozky, the page, then
    // PoZmeneZalozky, each with Zalozky as sender.
    void PrepniZalozku(int Index);
    // The page highlight (solve tab when a search ends elsewhere).
    void ZvyrazniZalozku(int Index, bool Zvyraznit);
    bool JeZalozkaZvyraznena(int Index) const;

    void UkonceniAplikace();
    // Writes the settings now (also on the way out when the display is lost).
    void UlozNastaveni();
    void mnCislaPoliClick();
    void mnBarvyClick();
    void mnLegendaClick();
    void mnOaplikaciClick();
    void mnInfoClick();
    void ZobrazNapovedu(int Kontext);

    // Status routines: each writes the controls its caller passes.
    void PisNazevDesky(QLabel* Popisek, const TZaznamDesky& Zaznam);
    void PisTypHry(QLabel* Popisek, const TZaznamDesky& Zaznam);
    void PisZbyvajici(QLabel* Popisek, const TGameDeska& Deska);
    void PisTahy(QLabel* Popisek, QPushButton* KrokZpetTlacitko, const TGameDeska& Deska);
    void PisPrubeh(QLabel* Prubeh, QLabel* Konec, QLabel* Cilova, const QString& Text, const TGameDeska& Deska);
    void PisPuvodDesky(QLabel* Popisek, const QString& PrvniText, const QString& DruhyText);
    void PisCisloDesky(QLabel* Popisek, std::int32_t Cislo);
    void PisEditNazevDesky(QLineEdit* Editor, const QString& Text);
    void PisStavReseni(bool ZobrazitDobu);

    // Press reports of the field controls, by the tab in front.
    void KlikNaPole(THraciPole* Prvek, int X, int Y) override;
    void KrokZpet() override;
    // Keys 1 to 5 on the board choose the editor's element on the edit tab.
    void VolbaPrvku(int CisloPrvku) override;
    // Tells assistive technology that a news label changed (KavirelKlavesy.cpp).
    void OznamZmenu(QLabel* Popisek);

    // --- play tab -------------------------------------------------------------
    void NovaHraClick(QObject* Sender);
    void NovaHra();
    void btnHraKrokZpetClick();
    void ZmenaTypuHry(QObject* Sender);
    void ZmenaTypuHryZMenu(QObject* Sender);

    // --- load and save tabs ---------------------------------------------------
    void PohybVSeznamuDesek(QObject* Sender);
    void UkonceniZadavaniCisla();
    void ZadavaniTextu(QObject* Sender, int Klavesa);
    void btnNahratSmazatClick();
    void OtevritExterniSoubor();
    void btnNahratHratClick();
    void VykresleniDeskyPriNahravani(std::int32_t Cislo, const QString& Soubor);
    void btnUlozitStandardniClick();
    void btnUlozitExterniClick();
    void edtUlozitNazevDeskyEnter();

    // --- edit tab -------------------------------------------------------------
    void EditovatDesku();
    void VykresleniDeskyPriEditaci();
    void btnEditHratClick();
    void btnEditPuvodniClick();
    void VyberPrvku(int CisloPrvku) override;
    // Marks the element chosen in grpEditVyber on the palette.
    void OznacVybranyPrvek();

    // --- solve tab ------------------------------------------------------------
    void ResitDesku();
    void NajitReseni(QObject* Sender);
    void PredZapocetimReseni();
    void PoUkonceniReseni();
    void ZastaveniReseni();
    void ZnovuPrehratReseni();
    void NovePrehrati(bool Prepnout);
    void VykresleniDeskyPriReseni();
    // Whether a search is running (the solver's flag).
    bool ProbihaReseni() const;
    // The running clock and the positions searched so far, in lblReseniCas.
    void PisPrubehHledani();

    // --- redo, hint, automatic replay, playing on, personal bests, settings
    // (KavirelFormNavic.cpp, KavirelFormPrehrani.cpp)
    QGroupBox* grpHraPomoc = nullptr;
    QPushButton* btnHraKrokVpred = nullptr;
    QPushButton* btnHraPoradit = nullptr;
    QLabel* lblHraRada = nullptr;
    QLabel* lblHraRekord = nullptr;
    QGroupBox* grpReseniPrehrani = nullptr;
    QPushButton* btnReseniPrehrat = nullptr;
    QPushButton* btnReseniHratOdsud = nullptr;
    QAction* mnKrokVpred = nullptr;
    QAction* mnPoradit = nullptr;
    QAction* mnRekordy = nullptr;
    QDialog* RekordyForm = nullptr;  // created on first use
    std::unique_ptr<TNastaveni> Nastaveni;
    TRadce* Radce = nullptr;
    QTimer* CasovacPrehrani = nullptr;
    // About two jumps a second: slow enough to follow, quick enough to watch.
    static constexpr int IntervalPrehrani = 500;

    void KrokVpred();
    bool LzeKrokVpred() const;
    void PoradTah();
    void PrehratReseni();  // "Přehrát", or "Zastavit" while it plays
    void ZastavPrehrani();
    bool PrehravaSe() const;
    void HratOdsud();
    void mnRekordyClick();

protected:
    void closeEvent(QCloseEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void VytvorOvladace();
    void VytvorZalozkuHra();
    void VytvorZalozkuNahrat();
    void VytvorZalozkuUlozit();
    void VytvorZalozkuEdit();
    void VytvorZalozkuReseni();
    void VytvorNabidku();
    void PripojObsluhy();
    void NastavKlavesnici();
    void PoZmeneZalozkyUzivatelem(int Index);
    // The radio items of the "Typ hry" menu change only through these: Qt
    // would check a clicked item before its handler could look at it.
    void ZaskrtniTyp(QAction* Polozka);
    void ObnovTypVMenu();
    void PovolTypHry(bool Povolit);

    // Tab branches of the shared press routines.
    void KlikNaPoleHra(THraciPole* Prvek);
    void KrokZpetHra();
    void KlikNaPoleEdit(THraciPole* Prvek);
    void KlikNaPoleReseni(THraciPole* Prvek);
    void KrokZpetReseni();
    // Shows on the play tab what a press or step changed on HerniDeska.
    void UkazZmenuHry(const TZmenaDesky& Zmena);
    // Shows on the solve tab what a press or step changed on ResenaDeska.
    void UkazZmenuReseni(const TZmenaDesky& Zmena);
    // Redraws the fields a press or step changed; shared by both tabs.
    void KresliZmenu(const TZmenaDesky& Zmena, const TZaznamDesky& Zaznam);
    // Part of PoZmeneZalozky for the save tab.
    void VstupNaZalozkuUlozit();
    // The name of the board of the save tab, from its box, cut to 30.
    void PrevezmiNazevUkladane();
    QString VyberSoubor(QFileDialog* Dialog);
    // Reads an external board file into the load tab; false (the message
    // shown, the tab unchanged) when it cannot be read.
    bool NactiDoNahrat(const QString& Soubor);

    void VytvorOvladaceNavic();
    void VytvorNabidkuNavic();
    void PripojObsluhyNavic();
    void NactiNastaveni();
    // Every press on the board first cancels a hint; one that stops the
    // automatic replay does nothing else (false).
    bool PredStiskem();
    // A game that has just reached its goal goes to the personal bests.
    void OverVyhru();
    // The play tab's history changed (from PisTahy): the redo control; the
    // hint and the record line go.
    void PoZmeneHry();
    void ZrusRadu();
    void ObnovTlacitkoRady();  // "Poradit tah", or "Zrušit radu" while it searches
    void PoRade(const TRadaTahu& Rada, const TZaznamDesky& Pozice);
    void KrokPrehrani();
    void ObnovOvladacePrehrani();
    bool RadaVyznacena = false;
    TPozice RadaOdkud;
    TPozice RadaKam;
    bool VyhraPrave = false;  // the record line belongs to the jump just made
    std::int32_t CisloNahraneDesky = 0;  // of the load tab's board; 0 from a file

    // Wraps a handler body for connect(): runs it inside Chranene.
    template <class F>
    auto Obsluha(F telo)
    {
        return [this, telo]() { Chranene_(telo); };
    }
    void Chranene_(const std::function<void()>& telo);

    QAction* ZaskrtnutyTyp = nullptr;
    int ZalozkaVpredu = 0;        // the page in front as the rules last saw it
    bool PrepinamZKodu = false;   // a switch from code is in progress
    bool Zavirani = false;        // FormDestroy has begun
    QTimer* CasovacPrubehu = nullptr;  // refreshes the progress of a search
    QElapsedTimer MericHledani;        // time since the search started
};

// The duration of a search (days) in the pattern "nn:ss.zzz": minutes,
// seconds and milliseconds; whole hours are not shown.
QString FormatDobyHledani(double Dny);

// The progress of a running search: "Hledám mm:ss · N pozic" (with the hours
// in front once there are any), N grouped by thousands.
QString TextPrubehuHledani(qint64 Milisekund, std::uint64_t Pozic);
