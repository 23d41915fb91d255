// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board on the left, five tabs on the right (play,
// load, save, edit, solve), the menus, and the game session all of them
// play through.
//
// The window owns the session (KavirelRelace.h), the board widget, the tab
// widgets, the solver's adapter and the windows its menus open
// (KavirelOknaNabidek.h). It connects what the board and the tabs report,
// draws the session's answers and answers the menus. Each tab keeps its own
// controls and labels (KavirelZalozka*.h); nobody reaches into another's.
// Four units of their own do the rest, each given only the controls it
// works on: the player's moves on their way to the session
// (KavirelVstupDesky.h), the tab-change rules (KavirelPravidlaZalozek.h),
// the boards handed between tabs (KavirelPredavaniDesek.h) and the settings
// kept between runs (KavirelNastaveniOkna.h).
//
// Source files: KavirelForm.cpp (start-up, shutdown, the bindings, the
// answers of the session, the colours), KavirelFormAkce.cpp (menus).
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
class TGraphGameDeska;
class TNabidky;
class TNastaveniOkna;
class TOknaNabidek;
class TPravidlaZalozek;
class TPredavaniDesek;
class TPribehVyhry;
class TResitel;
class TVstupDesky;
class TZalozkaEdit;
class TZalozkaHra;
class TZalozkaNahrat;
class TZalozkaReseni;
class TZalozkaUlozit;
enum class TPolozka;

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

    // The session's answers drawn: the board, the tab the board belongs to,
    // the story of a won game, the statistics kept.
    void UkazVysledek(const TVysledekAkce& Vysledek);
    void ZmenaTypuHry();

    // Menus (KavirelFormAkce.cpp).
    void PoVolbe(TPolozka Polozka);

    // Wraps a handler body for connect(): runs it inside Chranene.
    template <class F>
    auto Obsluha(F telo)
    {
        return [this, telo]() { Chranene_(telo); };
    }
    void Chranene_(const std::function<void()>& telo);

    std::unique_ptr<TRelaceHry> Relace;
    TResitel* Resitel = nullptr;
    TNabidky* Nabidky = nullptr;
    TPribehVyhry* Pribeh = nullptr;
    TGraphGameDeska* PohledDesky = nullptr;
    TZalozkaHra* tabHra = nullptr;
    TZalozkaNahrat* tabNahrat = nullptr;
    TZalozkaUlozit* tabUlozit = nullptr;
    TZalozkaEdit* tabEdit = nullptr;
    TZalozkaReseni* tabReseni = nullptr;

    std::unique_ptr<TOknaNabidek> Okna;
    std::unique_ptr<TPravidlaZalozek> Pravidla;
    std::unique_ptr<TVstupDesky> Vstup;
    std::unique_ptr<TPredavaniDesek> Predavani;
    std::unique_ptr<TNastaveniOkna> Nastaveni;

    bool Zavirani = false;  // FormDestroy has begun
};
