// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board on the left, five tabs on the right (play,
// load, save, edit, solve), the menus, and the game session all of them
// play through.
//
// The window owns the session (KavirelRelace.h), the board widget, the tab
// widgets, the solver's adapter and the windows its menus open
// (KavirelOknaNabidek.h). It forwards what the board reports to
// the session, draws the session's answers, keeps the tab-change rules and
// the menus, and hands boards from one tab to another. Each tab keeps its own
// controls and labels (KavirelZalozka*.h); nobody reaches into another's.
//
// Source files: KavirelForm.cpp (start-up, shutdown, board input, the
// answers of the session, the tab-change rules), KavirelFormAkce.cpp (menus,
// boards handed between tabs, settings).
//
// Every handler that Qt calls runs inside Chranene (KavirelZpravy.h), so a
// programming error ends that handler only.
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

#include "KavirelGraph.h"
#include "KavirelJazyk.h"
#include "KavirelRelace.h"
#include "KavirelZalozka.h"

class QDialog;
class QGroupBox;
class TGraphGameDeska;
class TNabidky;
class TNastaveni;
class TOknaNabidek;
class TPribehVyhry;
class TResitel;
class TZalozky;
class TZalozkaEdit;
class TZalozkaHra;
class TZalozkaNahrat;
class TZalozkaReseni;
class TZalozkaUlozit;
enum class TPolozka;
struct TCisloDesky;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // FormCreate: builds the window and its tabs, loads the catalogue from
    // "Kavirel.dat" in the current directory (or the built-in boards) and
    // starts a game of its first board.
    explicit TMainForm(QWidget* rodic = nullptr);
    // FormDestroy: stops the searches, writes the settings and the catalogue.
    ~TMainForm() override;

    // The game session, read only (for the windows of the menus and tests).
    const TRelaceHry& DejRelaci() const { return *Relace; }

    // The auxiliary windows shown modally from the menus; they are created
    // after the main window (start-up order), so they are handed over here.
    void NastavPomocnaOkna(QDialog* about, QDialog* legenda, QDialog* barvy);
    // The board colours, for the colour window: the board and the editor's
    // palette take them; Prekresli redraws the tab in front.
    void NastavBarvyDesky(const TBarvy& Barvy);
    void NastavBarvyPalety(const TBarvy& Barvy);
    const TBarvy& DejBarvy() const;
    void Prekresli();

    // "Konec": the window closes and the program ends.
    void UkonceniAplikace();
    // Writes the settings now (also on the way out when the display is lost).
    void UlozNastaveni();
    // A board file named on the command line (the file manager opens board
    // files so): loaded as "Otevřít…" loads it, then played as "Hrát" plays
    // it. A file that cannot be read shows that path's message and leaves the
    // window as it started.
    void HratDeskuZeSouboru(const QString& Soubor);

protected:
    void closeEvent(QCloseEvent* udalost) override;
    // A new language: every text the window remembers is set again.
    void changeEvent(QEvent* udalost) override;

private:
    void VytvorOkno();
    void PripojZalozky();
    void Start();

    // The tab-change rules; PrepniZalozku brings a tab to the front from
    // code, with both rules around the change.
    void PredZmenouZalozky();
    void PoZmeneZalozky();
    void PrepniZalozku(int Index);
    TZalozkaOkna* Zalozka(int Index) const;

    // Board input and the answers of the session.
    void Stisk(const TPozice& Pole);
    void Tah(const TPozice& Odkud, const TPozice& Kam);
    void KrokZpet();
    bool PredStiskem();
    void UkazVysledek(const TVysledekAkce& Vysledek);
    void ZmenaTypuHry();
    void ZmenaTypuHryNa(TTypHry Typ);

    // Boards handed between tabs.
    void Hrat(TDruhPlochy Odkud);
    void Editovat(TDruhPlochy Odkud);
    void Resit(TDruhPlochy Odkud);

    // Menus (KavirelFormAkce.cpp).
    void PoVolbe(TPolozka Polozka);
    // A random board by its number: built, named by it, played.
    void HratNahodnou(const TCisloDesky& Cislo);
    void NactiNastaveni();
    void ZvolJazyk(std::optional<TJazyk> Volba);

    // Wraps a handler body for connect(): runs it inside Chranene.
    template <class F>
    auto Obsluha(F telo)
    {
        return [this, telo]() { Chranene_(telo); };
    }
    void Chranene_(const std::function<void()>& telo);

    std::unique_ptr<TRelaceHry> Relace;
    std::unique_ptr<TNastaveni> Nastaveni;
    TResitel* Resitel = nullptr;
    TNabidky* Nabidky = nullptr;
    TPribehVyhry* Pribeh = nullptr;
    QGroupBox* ProstorGraphDesky = nullptr;
    TGraphGameDeska* PohledDesky = nullptr;
    TZalozky* Zalozky = nullptr;
    TZalozkaHra* tabHra = nullptr;
    TZalozkaNahrat* tabNahrat = nullptr;
    TZalozkaUlozit* tabUlozit = nullptr;
    TZalozkaEdit* tabEdit = nullptr;
    TZalozkaReseni* tabReseni = nullptr;

    std::unique_ptr<TOknaNabidek> Okna;

    int ZalozkaVpredu = zlHra;    // the page in front as the rules last saw it
    bool PrepinamZKodu = false;   // a switch from code is in progress
    bool Zavirani = false;        // FormDestroy has begun
};
