// SPDX-License-Identifier: GPL-3.0-or-later
// Boards, fields, move lists and the rules of both game types.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "KavirelChyby.h"

constexpr int RozmerDesky = 9;   // the grid is 9 x 9 positions
constexpr int MaxDelkaNazvu = 30;
constexpr int KapacitaTahu = 81;

// A field position: X the column (0..8 from the left), Y the row (0..8 from the top).
struct TPozice {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

inline bool operator==(const TPozice& a, const TPozice& b) { return a.X == b.X && a.Y == b.Y; }
inline bool operator!=(const TPozice& a, const TPozice& b) { return !(a == b); }

// Values other than these three may arrive from a foreign file; a byte-sized
// enumeration keeps them representable.
enum TStavPole : std::uint8_t { spNeexistujici = 0, spPrazdne = 1, spPlne = 2 };
enum TTypHry : std::uint8_t { thNormalni = 0, thLeibniz = 1 };

struct TPole {
    TStavPole Stav;
    std::uint8_t Cislo;   // field number, 1.. in reading order; 0 for an absent field
    std::uint8_t Cilove;  // nonzero marks a target field
};

// A name as stored in the record: a length byte and up to 30 Windows-1250 bytes.
struct TNazevDesky {
    std::uint8_t Delka;
    char Znaky[MaxDelkaNazvu];
};

// The board record: the unit of copying between boards and the record of both
// file formats, so its layout is fixed to the byte.
struct TZaznamDesky {
    TPole Pole[RozmerDesky][RozmerDesky];  // [X][Y], column-major
    TNazevDesky Nazev;
    TTypHry TypHry;

    // Range-checked access to the field at (X, Y).
    TPole& PoleNa(const TPozice& p);
    const TPole& PoleNa(const TPozice& p) const;
};

static_assert(sizeof(TPole) == 3, "a field record is three bytes");
static_assert(sizeof(TZaznamDesky) == 275, "the board record is 275 bytes");
static_assert(offsetof(TZaznamDesky, Nazev) == 243, "name at offset 243");
static_assert(offsetof(TZaznamDesky, TypHry) == 274, "game type at offset 274");

constexpr std::size_t OffsetPole(int x, int y) { return static_cast<std::size_t>(27 * x + 3 * y); }

// The fields lie column by column, each as state, number, target flag; the
// name as its length byte, then the characters.
static_assert(offsetof(TZaznamDesky, Pole[8][0]) == OffsetPole(8, 0), "columns one after another");
static_assert(offsetof(TZaznamDesky, Pole[0][8]) == OffsetPole(0, 8), "rows within a column");
static_assert(offsetof(TZaznamDesky, Pole[4][4]) == OffsetPole(4, 4), "fields in column-major order");
static_assert(offsetof(TPole, Cislo) == 1 && offsetof(TPole, Cilove) == 2, "state, number, target flag");
static_assert(offsetof(TNazevDesky, Znaky) == 1, "the length byte first");

// The one place where a name enters or leaves a record. The bytes are
// Windows-1250; the user interface converts them to and from its own text.
// A longer name is cut to its first 30 bytes; bytes past the new length keep
// whatever they held.
void NastavNazev(TZaznamDesky& zaznam, const std::string& bajty);
std::string DejNazev(const TZaznamDesky& zaznam);

// A record with every position absent, an empty name and the normal game,
// all bytes zero.
TZaznamDesky PrazdnyZaznam();

// The name every edited board carries, in Windows-1250.
extern const char* const NazevEditovaneDesky;

// ---------------------------------------------------------------------------

class TDeska {
public:
    TZaznamDesky Zaznam;

    TDeska();
    virtual ~TDeska() = default;
    TDeska(const TDeska&) = delete;
    TDeska& operator=(const TDeska&) = delete;

    virtual void Nastav(const TZaznamDesky& zaznam);
    void DejZaznam(TZaznamDesky& zaznam) const;
    bool JeStav(TStavPole stav, const TPozice& p) const;
};

// ---------------------------------------------------------------------------

struct TTah {
    TPozice Odkud;
    TPozice Kam;
};

// The history of one game: completed jumps, the selected stone and the number
// of moves (a run of jumps by the same stone is one move).
class TTahy {
public:
    TTahy();

    void Vymaz();
    void PridejOdkud(const TPozice& p);
    void PridejCilovyTah(const TPozice& p);
    bool DejOdkud(TPozice& p) const;
    bool DejPosledniKam(TPozice& p) const;
    void OdeberPosledni();
    bool LzeVratit() const { return Aktualni > 1; }
    std::int32_t DejPocetTahu() const { return PocetTahu; }
    std::int32_t DejAktualni() const { return Aktualni; }

    // Entry i, 1..81, range-checked.
    TTah& Skok(std::int32_t i);
    const TTah& Skok(std::int32_t i) const;

private:
    TTah Skoky[KapacitaTahu];
    std::int32_t Aktualni;
    std::int32_t PocetTahu;
};

struct TTahReseni {
    TPozice Odkud;
    TPozice Kam;
    std::int32_t CisloOdkud = 0;
    std::int32_t CisloKam = 0;
};

// A solution with its replay position.
class TTahyReseni {
public:
    TTahyReseni();

    void Vymaz();
    void Pridej(const TTahReseni& t);
    bool DejAktualni(TTahReseni& t) const;
    void Dalsi();
    void Predchozi();
    void NaZacatek();
    bool JeReseni() const { return Pocet != 0; }
    std::int32_t DejPocetTahu() const { return PocetTahu; }
    std::int32_t DejPocet() const { return Pocet; }
    std::int32_t DejPozici() const { return Pozice; }

    // Entry i, 1..81, range-checked.
    TTahReseni& Skok(std::int32_t i);
    const TTahReseni& Skok(std::int32_t i) const;

private:
    TTahReseni Skoky[KapacitaTahu];
    std::int32_t Pozice;
    std::int32_t Pocet;
    std::int32_t PocetTahu;
};

// ---------------------------------------------------------------------------

// How a game stands: still running, or over with the verdict on its target
// fields. The verdict is given only once no jump is left.
enum TStavHry : std::uint8_t {
    shProbiha,             // a legal jump is left
    shKonec,               // no jump left; the board has no target field
    shKonecCileSplneny,    // no jump left; every target field as it should be
    shKonecCileNesplneny,  // no jump left; a target field in the losing state
};

enum TDruhZmeny : std::uint8_t {
    dzNic,       // ignored: nothing changed
    dzVyber,     // a stone became selected where none was
    dzPrevyber,  // the selection moved to another stone
    dzSkok,      // a jump was made, by a press, a drag or a step forward
    dzKrokZpet,  // the last jump was taken back
    // Only the game session (KavirelRelace.h) reports these.
    dzNovaPozice,  // the board took a whole position: a new game, a restart, a board handed over
    dzTyp,         // the game type changed; the position stays
    dzUprava,      // the editor changed fields
    dzZnacky,      // only marks changed: field numbers shown or hidden, a hint marked or cleared
};

// What one press, step back or step forward did to a playable board, so
// that the window only has to show it. The counters are those afterwards.
struct TZmenaDesky {
    TDruhZmeny Druh = dzNic;
    bool ZrusenVyber = false;  // DrivejsiVyber was selected and is no longer marked
    TPozice DrivejsiVyber;
    TPozice Vyber;             // the selected stone afterwards, unless dzNic
    TPozice Odkud, Kam, Pres;  // the jump made or taken back

    // The solve board's replay marks, in the order they are to be drawn:
    // first the jump whose numbers return to the plain colour, then the
    // jump whose numbers are highlighted.
    bool OdznacitReseni = false;
    TTahReseni Odznacit;
    bool OznacitReseni = false;
    TTahReseni Oznacit;

    std::int32_t Tahu = 0;
    std::int32_t Zbyva = 0;
    bool LzeVratit = false;
    bool LzeVpred = false;
    TStavHry Stav = shProbiha;

    bool Zmeneno() const { return Druh != dzNic; }
    // A change of selection alone leaves the status texts as they are.
    bool PrepsatStav() const { return Druh == dzVyber || Druh == dzSkok || Druh == dzKrokZpet; }
};

// A playable board: the rules of both game types, running counts and the
// move list of the game.
class TGameDeska : public TDeska {
public:
    TTahy Tahy;
    std::int32_t PocetKamenu = 0;
    std::int32_t PocetPrazdnych = 0;
    std::int32_t PocetCilovych = 0;

    TGameDeska() = default;

    // What the player does, in one place for every tab and input device: a
    // press on the field at p selects a stone, jumps with the selected one
    // (the landed stone stays selected, so a further press continues the
    // move) or moves the selection; a step back takes back the last jump; a
    // step forward replays the last jump taken back. A jump other than the
    // one a step forward would replay forgets the jumps taken back.
    TZmenaDesky Stisk(const TPozice& p);
    // A stone picked up at odkud and put down at kam: a legal jump is made
    // as if the stone had been selected and kam pressed (a jump from where
    // the last one landed continues its move); anything else changes
    // nothing, the selection included.
    TZmenaDesky Tah(const TPozice& odkud, const TPozice& kam);
    TZmenaDesky KrokZpet();
    TZmenaDesky KrokVpred();
    bool LzeVpred() const { return !Vpred.empty(); }

    // Continues the position under the other rules with an empty history;
    // a selected stone stays selected. False when the type was already set.
    bool ZmenTypHry(TTypHry typ);

    TStavHry DejStavHry() const;

    void Nastav(const TZaznamDesky& zaznam) override;
    void Precisluj();
    virtual bool JeSkokPlatny(const TPozice& odkud, const TPozice& kam) const;
    bool ExistujeSkok() const;
    bool KontrolaCilovych(bool& nesplneno) const;
    void PolozKamen(const TPozice& p);
    void OdeberKamen(const TPozice& p);
    void ProvedSkok(const TPozice& odkud, const TPozice& kam, const TPozice& pres);
    void VratSkok(const TPozice& kam, const TPozice& odkud, const TPozice& pres);

    // What the remaining-count label shows: stones in the normal game,
    // empty fields in the Leibniz game.
    std::int32_t DejZbyvajici() const;

protected:
    // The rule of this class, which the solve board narrows.
    bool JeSkokPlatnyObecne(const TPozice& odkud, const TPozice& kam) const;

    // The solve board's part of a press: whether a first stone may be
    // selected, and what a first selection, a jump and a step back do to
    // its replay.
    virtual bool LzeZacit() const { return true; }
    virtual void PoZacatku() {}
    virtual void PredSkokem(TZmenaDesky&) {}
    virtual void PredKrokemZpet(TZmenaDesky&) {}

private:
    // Jumps taken back, the most recent last.
    std::vector<TTah> Vpred;

    void Skoc(const TPozice& odkud, const TPozice& kam, TZmenaDesky& zmena);
    void VyberASkoc(const TPozice& odkud, const TPozice& kam, TZmenaDesky& zmena);
    void Souhrn(TZmenaDesky& zmena) const;
};

// The field jumped over: S + (P - S) / 2 per coordinate, truncating toward zero.
TPozice StredSkoku(const TPozice& odkud, const TPozice& kam);

// ---------------------------------------------------------------------------

// The board of the solve tab: a playable board that holds the last search's
// state and its solution, and accepts only the next solution jump.
class TSolveDeska : public TGameDeska {
public:
    TTahyReseni Reseni;
    std::uint8_t ZpusobHledani = 0;   // 0 fastest, 1 shortest, 2 fewest moves
    std::string StavReseni;           // UTF-8
    double DobaHledani = 0.0;         // days: start time while searching, duration afterwards
    bool Dokonceno = false;

    TSolveDeska() = default;

    bool JeSkokPlatny(const TPozice& odkud, const TPozice& kam) const override;
    void PridejSkokReseni(std::int32_t cisloOdkud, std::int32_t cisloKam);

protected:
    bool LzeZacit() const override { return Reseni.JeReseni(); }
    void PoZacatku() override;
    void PredSkokem(TZmenaDesky& zmena) override;
    void PredKrokemZpet(TZmenaDesky& zmena) override;
};

// The solve board's status while a found solution is replayed, UTF-8.
extern const char* const TextPrehravaniReseni;

// The board of the edit tab.
class TEditDeska : public TDeska {
public:
    TEditDeska() = default;

    void Nastav(const TZaznamDesky& zaznam) override;
    void NastavNeexistujici(const TPozice& p);
    void NastavPrazdne(const TPozice& p, std::uint8_t cilove);
    void NastavPlne(const TPozice& p, std::uint8_t cilove);
};

// The five elements of the editor, in the order of its radio group.
enum TEditPrvek : int {
    epNeexistujici = 0,
    epPrazdne = 1,
    epPlne = 2,
    epPrazdneCilove = 3,
    epPlneCilove = 4,
};
void PouzijPrvek(TEditDeska& deska, TEditPrvek prvek, const TPozice& p);
