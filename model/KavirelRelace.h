// SPDX-License-Identifier: GPL-3.0-or-later
// The game session: the boards of the window's tabs and everything a player
// does to them, without Qt. The window only forwards input and draws what
// the session answers.
//
// How a window drives it
// ----------------------
// One TRelaceHry lives as long as the window. It holds four boards, one per
// kind of tab (TDruhPlochy): the game being played, the solve tab's board
// with its solution and replay, the board being edited, and a plain record
// shown read-only (the load and save tabs).
//
//  - When a tab comes to the front, Zobraz(druh) makes that board the one
//    the board widget shows and sends input to; its answer lists every field.
//  - Mouse, keyboard and timers call one method each and draw the answer:
//      left press / Space / Enter on a field .... Stisk(p)
//      a stone dragged and dropped elsewhere .... Tah(odkud, kam)
//      right press / Backspace / "Krok zpět" .... KrokZpet()
//      "Krok vpřed" / the replay timer .......... KrokVpred()
//      "Typ hry" menu and buttons ............... ZmenTypHry(typ) or PrepniTypHry()
//    They act on the board in front. A drag is decided on release, in one
//    call, Tah; the press that starts it is an ordinary Stisk, so the stone
//    is selected as by a click and stays selected after an illegal drop,
//    which changes nothing else: the stone is simply drawn back. A drop beside the board may pass a
//    position outside the grid. On the edit board Stisk paints the chosen
//    element and Tah(previous field, field entered) paints every field on
//    the way; on the shown record nothing happens.
//  - Actions that belong to one tab are called on its board: Hra()
//    (NovaHra, ZnovuRozestavet, NastavCisla, OznacRadu/ZrusRadu), Reseni()
//    (Prevezmi, PredHledanim, PoHledani, ZrusHledani, ZnovuPrehrat),
//    Editace() (Edituj, Puvodni, NastavPrvek, NastavNazev), Nahled()
//    (Zobraz); boards move between tabs with Hrat, Editovat and Resit.
//  - Every action answers with a TVysledekAkce: the board it concerns
//    (Plocha), what happened (Druh), the fields whose drawn state changed
//    with their new state (Pole), whether the position changed (ZmenaPozice)
//    and the status afterwards (Stav). A window draws Pole when Plocha is
//    the board in front, rewrites its labels from Stav when PrepsatStav, and
//    drops anything it shows about the former position (a hint, "Z této
//    pozice už řešení neexistuje") when ZmenaPozice.
//  - Painting from scratch: DejPole(p) tells for any field what to draw
//    (state, target mark, selection, number and its colour); DejStav() the
//    labels. A test compares the screen with these.
//  - A hint: note Hra().DejVerzi() and search Hra().DejZaznam(); when the
//    answer comes and the version is the same, Hra().OznacRadu(odkud, kam).
//    The marks go by themselves with the next change of position.
//  - A search: Resit(tab) hands the board over; PredHledanim(mode), then
//    the search of a copy; its result goes into the board with
//    PredejReseni(Reseni().DeskaProHledani(), ...) - the solver's only way
//    to the board - and then PoHledani(duration); a start that failed calls
//    ZrusHledani. Automatic replay: KrokVpred on the solve board
//    while Stav.MaDalsiSkok (ZnovuPrehrat first when a replay has ended);
//    "Hrát odsud" is Hrat(dpReseni).
//  - Personal bests: an answer with DosazenCil() gives the moves (Stav.Tahu)
//    of the game that began at Hra().PocatecniPozice().
//  - Statistics: given a record of games (Hra().NastavEvidenci), the play
//    board reports each game at its first jump and each win; the answer of
//    the winning jump carries the summary to show (MaVyhru, Vyhra).
//
// Nothing here shows a message or reads a clock; programming errors (a
// position outside the grid where one must be inside) throw the exceptions
// of KavirelChyby.h, which the window's guard shows.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "KavirelType.h"
#include "KavirelVyhra.h"

// The four boards of a session, one per kind of tab.
enum TDruhPlochy : std::uint8_t {
    dpHra,     // the game being played (play tab)
    dpReseni,  // the board a solution is searched for and replayed on (solve tab)
    dpEdit,    // the board being edited (edit tab)
    dpNahled,  // a record shown as it is (load and save tabs)
};

// Whether and how the number of a field is printed.
enum TZobrazeniCisla : std::uint8_t {
    zcZadne,       // no number (or printed in the field's own colour)
    zcCislo,       // the number in the number colour
    zcZvyraznene,  // the number in the replay colour: the next solution jump, or a hint
};

// What one field looks like. Two fields that compare equal look the same.
struct TVzhledPole {
    TStavPole Stav = spNeexistujici;
    bool Cilove = false;   // the target mark; never on an absent field
    bool Vybrane = false;  // the selected stone: its border in the selection colour
    // Stands in front of the background: it can be pressed and is offered to
    // the keyboard and to assistive technology. Present fields; in the editor
    // every position, so that new fields can be made.
    bool Nabizene = false;
    std::uint8_t Cislo = 0;  // the field's number (stale on the edit board until played)
    TZobrazeniCisla Zobrazeni = zcZadne;
};

bool operator==(const TVzhledPole& a, const TVzhledPole& b);
inline bool operator!=(const TVzhledPole& a, const TVzhledPole& b) { return !(a == b); }

struct TZmenenePole {
    TPozice Pozice;
    TVzhledPole Vzhled;  // as it is to be drawn now
};

// Where the solve tab stands. The status text of each phase is the solve
// board's StavReseni (the solver writes the three texts of a finished
// search); decisions go by the phase, never by the text.
enum TFazeReseni : std::uint8_t {
    frCeka,        // a board was handed over; no search yet: "Vyberte způsob hledání řešení..."
    frHledani,     // a search runs: the board must not change under the solver
    frDokonceno,   // the search has ended, with a solution or without
    frPrehravani,  // a found solution is being replayed: "Přehrávání nalezeného řešení..."
};

// The status of a board, everything its tab's labels and buttons show. The
// first group holds for every board, the second for the playable boards
// (play and solve), the rest for the board their names say.
struct TStavPlochy {
    TDruhPlochy Plocha = dpHra;
    TTypHry Typ = thNormalni;

    std::int32_t Tahu = 0;    // moves played ("Odehraných tahů")
    std::int32_t Zbyva = 0;   // stones left, in Leibniz's game empty fields left
    bool LzeVratit = false;   // "Krok zpět" enabled
    bool LzeVpred = false;    // "Krok vpřed": a jump taken back, or the next solution jump
    // Nothing has been selected or played since the board was taken or its
    // type changed with no stone selected: "Nová hra" rather than "Hra probíhá...".
    bool NovaHra = true;
    bool MaVyber = false;     // a stone is selected, at Vyber
    TPozice Vyber;
    // The play verdict: over or not, and on a board with target fields how
    // they stand at the end (KontrolaCilovych).
    TStavHry Verdikt = shProbiha;
    // The goal of the puzzle (JeCilSplnen): exactly the target fields hold
    // stones (are empty in Leibniz's game), or one stone (hole) is left on a
    // board without targets. It may hold while jumps are still possible.
    bool CilSplnen = false;
    // The verdict says every target is as it should be, the goal is not met.
    bool VerdiktBezVyhry() const;

    TFazeReseni Faze = frCeka;
    bool JeReseni = false;          // a solution is held; the replay may start
    std::int32_t TahuReseni = 0;    // moves the solution needs ("Potřebných tahů")
    bool MaDalsiSkok = false;       // the replay has a next jump, DalsiSkok ("Znovu přehrát" enabled)
    TTahReseni DalsiSkok;
    bool Dokonceno = false;         // a search has just ended: show its duration
    double DobaHledani = 0.0;       // that duration, in days

    TEditPrvek Prvek = epNeexistujici;  // the editor's chosen element
};

// What one action did.
struct TVysledekAkce {
    TDruhPlochy Plocha = dpHra;  // the board it concerns
    TDruhZmeny Druh = dzNic;
    TPozice Odkud, Kam, Pres;    // the jump made (dzSkok) or taken back (dzKrokZpet)
    // Every field whose drawn state differs from what this board's previous
    // answer said, and only those, in reading order; all 81 from Zobraz.
    std::vector<TZmenenePole> Pole;
    // The position or its rules changed (a jump, a step, an edit, a type
    // change, a new game even of the same board): whatever was said about
    // the former position no longer holds.
    bool ZmenaPozice = false;
    // The status labels are to be rewritten from Stav. A selection moved
    // from stone to stone, or marks alone, leave them as they are.
    bool PrepsatStav = false;
    TStavPlochy Stav;

    bool Zmeneno() const { return Druh != dzNic || !Pole.empty(); }
    // A jump in the game being played has just reached the goal: a personal
    // best to record, for the game counted from Hra().PocatecniPozice().
    bool DosazenCil() const { return Plocha == dpHra && Druh == dzSkok && Stav.CilSplnen; }

    // With DosazenCil: what the win says (moves, the best for the board,
    // from the record of games the session was given; see TRelaceHry).
    bool MaVyhru = false;
    TSouhrnVyhry Vyhra;
};

// ---------------------------------------------------------------------------

// One board as a tab shows it. The input methods act on it and answer with
// what changed; a kind of board that has no use for an input ignores it
// (answers dzNic).
class TPlocha {
public:
    virtual ~TPlocha() = default;
    TPlocha(const TPlocha&) = delete;
    TPlocha& operator=(const TPlocha&) = delete;

    TDruhPlochy Druh() const { return DruhPlochy; }
    // What to draw on the field at p (range-checked).
    TVzhledPole DejPole(const TPozice& p) const;
    TStavPlochy DejStav() const;
    // The board as it stands: the position of a game as played so far, the
    // edited board with the name last committed, the record shown.
    const TZaznamDesky& DejZaznam() const { return Deska().Zaznam; }
    // Counts the changes of position (ZmenaPozice) since the session began.
    std::uint64_t DejVerzi() const { return Verze; }

    TVysledekAkce Stisk(const TPozice& p);
    TVysledekAkce Tah(const TPozice& odkud, const TPozice& kam);
    TVysledekAkce KrokZpet();
    TVysledekAkce KrokVpred();
    // Nothing when the type is already typ.
    TVysledekAkce ZmenTypHry(TTypHry typ);
    // Every field, for a board that has just come to the front.
    TVysledekAkce Cela();

protected:
    explicit TPlocha(TDruhPlochy druh) : DruhPlochy(druh) {}

    virtual const TDeska& Deska() const = 0;
    virtual TVzhledPole Vzhled(const TPozice& p) const = 0;
    virtual void DoplnStav(TStavPlochy& stav) const = 0;
    virtual TZmenaDesky PriStisku(const TPozice&) { return {}; }
    virtual TZmenaDesky PriTahu(const TPozice&, const TPozice&) { return {}; }
    virtual TZmenaDesky PriKrokuZpet() { return {}; }
    virtual TZmenaDesky PriKrokuVpred() { return {}; }
    virtual TZmenaDesky PriZmeneTypu(TTypHry) { return {}; }
    // After every action, before its answer is put together.
    virtual void PoAkci(bool zmenaPozice) { (void)zmenaPozice; }
    // The answer as it is about to leave.
    virtual void DoplnVysledek(TVysledekAkce&) {}

    // Runs one action and answers what it changed. Every change of a board
    // goes through here, so the answers never miss a field.
    TVysledekAkce Proved(const std::function<TZmenaDesky()>& akce);

private:
    using TObraz = std::array<TVzhledPole, RozmerDesky * RozmerDesky>;
    TObraz Obraz() const;

    TDruhPlochy DruhPlochy;
    std::uint64_t Verze = 0;
    // What the last answer told the window; the next answer lists the
    // differences, so a change made behind the session's back (the solver's
    // result) shows with the next action.
    TObraz Nahlaseno{};
    bool JeNahlaseno = false;
};

// The playable boards: the game and the solve board.
class TPlochaSkoku : public TPlocha {
public:
    virtual const TGameDeska& HraciDeska() const = 0;

protected:
    using TPlocha::TPlocha;
    // The same board, for the actions that change it.
    virtual TGameDeska& MenenaDeska() = 0;
    // How the number of a present field is printed.
    virtual TZobrazeniCisla ZobrazeniCisla(const TPozice& p) const = 0;

    const TDeska& Deska() const override { return HraciDeska(); }
    TVzhledPole Vzhled(const TPozice& p) const override;
    void DoplnStav(TStavPlochy& stav) const override;
    TZmenaDesky PriStisku(const TPozice& p) override;
    TZmenaDesky PriTahu(const TPozice& odkud, const TPozice& kam) override;
    TZmenaDesky PriKrokuZpet() override;
    TZmenaDesky PriKrokuVpred() override;
};

// The game of the play tab, with undo and redo, the field numbers the
// player chose to see and the marks of a hint.
class TPlochaHry final : public TPlochaSkoku {
public:
    TPlochaHry();

    const TGameDeska& HraciDeska() const override { return Hraci; }
    // The board new games start from; its name is the game's name.
    const TZaznamDesky& ZaznamHry() const { return Start; }
    // The game counted from where its move list began (a new game, or the
    // last change of type): what a personal best belongs to.
    TZaznamDesky PocatecniPozice() const;

    // A new game of zaznam, which restarts return to from now on.
    TVysledekAkce NovaHra(const TZaznamDesky& zaznam);
    // The same board from its start ("Znovu rozestavět", "Nová").
    TVysledekAkce ZnovuRozestavet();
    // "Čísla polí": every field's number, or none.
    TVysledekAkce NastavCisla(bool zobrazit);
    bool JsouCisla() const { return Cisla; }
    // The jump a hint recommends, its two numbers highlighted until the
    // position changes or ZrusRadu.
    TVysledekAkce OznacRadu(const TPozice& odkud, const TPozice& kam);
    TVysledekAkce ZrusRadu();
    bool JeRadaOznacena() const { return Rada; }
    // Where games begun and won are reported; nullptr: nowhere. Not owned.
    // The game under way counts as begun at its next jump.
    void NastavEvidenci(TEvidenceHer* evidence)
    {
        Evidence = evidence;
        HraZapocitana = HraVyhrana = false;
    }

protected:
    TGameDeska& MenenaDeska() override { return Hraci; }
    TZobrazeniCisla ZobrazeniCisla(const TPozice& p) const override;
    TZmenaDesky PriZmeneTypu(TTypHry typ) override;
    void PoAkci(bool zmenaPozice) override;
    void DoplnVysledek(TVysledekAkce& v) override;

private:
    TEvidenceHer* Evidence = nullptr;
    bool HraZapocitana = false;  // the game's first jump has been reported
    bool HraVyhrana = false;     // and its first win
    TGameDeska Hraci;
    TZaznamDesky Start;
    bool Cisla = false;
    bool Rada = false;
    TPozice RadaOdkud, RadaKam;
};

// The solve tab's board: the position handed to it, the search's state and
// the replay of its solution. Only the next solution jump can be made; a
// step forward makes it without a press.
class TPlochaReseni final : public TPlochaSkoku {
public:
    TPlochaReseni();

    const TGameDeska& HraciDeska() const override { return Resena; }
    const TSolveDeska& ResenaDeska() const { return Resena; }
    // The position searches start from and replays return to.
    const TZaznamDesky& ZaznamReseni() const { return Start; }
    TFazeReseni Faze() const { return FazeReseni; }

    // "Řešit": zaznam waits for a search. Refused (dzNic) while one runs.
    TVysledekAkce Prevezmi(const TZaznamDesky& zaznam);
    // A search in mode zpusob (0 fastest, 1 shortest) is about to start:
    // the solution goes, the board returns to its start. Refused while a
    // search runs.
    TVysledekAkce PredHledanim(std::uint8_t zpusob);
    // For the search's result only, between PredHledanim and PoHledani: the
    // solver's result text and solution go into it (PredejReseni).
    TSolveDeska& DeskaProHledani() { return Resena; }
    // The search has ended (its result is in the board) after dobaDni days:
    // the board at its start, the first solution jump marked.
    TVysledekAkce PoHledani(double dobaDni);
    // The search could not start: back to waiting for one.
    TVysledekAkce ZrusHledani();
    // "Znovu přehrát": the start again, the replay at the first jump.
    TVysledekAkce ZnovuPrehrat();

protected:
    TGameDeska& MenenaDeska() override { return Resena; }
    TZobrazeniCisla ZobrazeniCisla(const TPozice& p) const override;
    void DoplnStav(TStavPlochy& stav) const override;
    // The next solution jump, played as the player would play it.
    TZmenaDesky PriKrokuVpred() override;
    void PoAkci(bool zmenaPozice) override;

private:
    // Takes the start again; Reseni stays as it is.
    TZmenaDesky NaZacatek();
    TSolveDeska Resena;
    TZaznamDesky Start;
    TFazeReseni FazeReseni = frCeka;
};

// The edit tab's board. A press puts the chosen element on the field; a
// drag puts it on every field along the way.
class TPlochaEditace final : public TPlocha {
public:
    TPlochaEditace();

    const TEditDeska& EditovanaDeska() const { return Editovana; }
    // The board "Návrat k původní" returns to.
    const TZaznamDesky& ZaznamEditace() const { return Start; }

    // Editing zaznam begins; it is remembered, renamed "Editovaná deska".
    TVysledekAkce Edituj(const TZaznamDesky& zaznam);
    // "Návrat k původní": every change since Edituj goes, type and name too.
    TVysledekAkce Puvodni();
    void NastavPrvek(TEditPrvek prvek);
    TEditPrvek DejPrvek() const { return Prvek; }
    // The name typed in the editor (Windows-1250 bytes, cut to 30) becomes
    // the board's name: when the tab is left and on "Hrát".
    void NastavNazev(const std::string& bajty);

protected:
    const TDeska& Deska() const override { return Editovana; }
    TVzhledPole Vzhled(const TPozice& p) const override;
    void DoplnStav(TStavPlochy& stav) const override;
    TZmenaDesky PriStisku(const TPozice& p) override;
    // Both ends inside the grid: every field on the straight line between
    // them; otherwise nothing.
    TZmenaDesky PriTahu(const TPozice& odkud, const TPozice& kam) override;
    TZmenaDesky PriZmeneTypu(TTypHry typ) override;

private:
    TZmenaDesky Zmen(const std::function<void()>& uprava);
    TEditDeska Editovana;
    TZaznamDesky Start;
    TEditPrvek Prvek = epNeexistujici;
};

// A record shown as it is; nothing changes it but the next one.
class TPlochaNahledu final : public TPlocha {
public:
    TPlochaNahledu();
    TVysledekAkce Zobraz(const TZaznamDesky& zaznam);

protected:
    const TDeska& Deska() const override { return Zobrazena; }
    TVzhledPole Vzhled(const TPozice& p) const override;
    void DoplnStav(TStavPlochy& stav) const override;

private:
    TDeska Zobrazena;
};

// ---------------------------------------------------------------------------

// The session: the four boards and the one in front. At the start every
// board is empty (no field, normal game), the play board is in front, the
// solve board waits for a search and the edit board is named
// "Editovaná deska".
class TRelaceHry {
public:
    TRelaceHry();
    TRelaceHry(const TRelaceHry&) = delete;
    TRelaceHry& operator=(const TRelaceHry&) = delete;

    TPlochaHry& Hra() { return PlochaHry; }
    const TPlochaHry& Hra() const { return PlochaHry; }
    TPlochaReseni& Reseni() { return PlochaReseni; }
    const TPlochaReseni& Reseni() const { return PlochaReseni; }
    TPlochaEditace& Editace() { return PlochaEditace; }
    const TPlochaEditace& Editace() const { return PlochaEditace; }
    TPlochaNahledu& Nahled() { return PlochaNahledu; }
    const TPlochaNahledu& Nahled() const { return PlochaNahledu; }
    TPlocha& Plocha(TDruhPlochy druh);
    const TPlocha& Plocha(TDruhPlochy druh) const;

    // The board in front: the board widget shows it and input goes to it.
    TVysledekAkce Zobraz(TDruhPlochy druh);
    TDruhPlochy Zobrazena() const { return VPredu; }
    TPlocha& Aktivni() { return Plocha(VPredu); }
    const TPlocha& Aktivni() const { return Plocha(VPredu); }

    // Input, to the board in front (see TPlocha).
    TVysledekAkce Stisk(const TPozice& p) { return Aktivni().Stisk(p); }
    TVysledekAkce Tah(const TPozice& odkud, const TPozice& kam) { return Aktivni().Tah(odkud, kam); }
    TVysledekAkce KrokZpet() { return Aktivni().KrokZpet(); }
    TVysledekAkce KrokVpred() { return Aktivni().KrokVpred(); }
    TVysledekAkce ZmenTypHry(TTypHry typ) { return Aktivni().ZmenTypHry(typ); }
    // The other type than the board in front has.
    TVysledekAkce PrepniTypHry();
    TVzhledPole DejPole(const TPozice& p) const { return Aktivni().DejPole(p); }
    TStavPlochy DejStav() const { return Aktivni().DejStav(); }

    // Boards between tabs, each from the board odkud as it stands now.
    // "Hrát" (load, edit) and "Hrát odsud" (solve): a new game of it; from
    // the game itself, its restart.
    TVysledekAkce Hrat(TDruhPlochy odkud);
    // "Editovat" (play, load): editing it begins; from any other board the
    // edit returns to its own start.
    TVysledekAkce Editovat(TDruhPlochy odkud);
    // "Řešit" (play, load, edit): it waits for a search on the solve board
    // (refused while a search runs); from the solve board, its own start.
    TVysledekAkce Resit(TDruhPlochy odkud);

private:
    TPlochaHry PlochaHry;
    TPlochaReseni PlochaReseni;
    TPlochaEditace PlochaEditace;
    TPlochaNahledu PlochaNahledu;
    TDruhPlochy VPredu = dpHra;
};
