// SPDX-License-Identifier: GPL-3.0-or-later
// The solver: the four searches, and how a solve board hands its position to
// them and takes their result back.
//
// Two search modes, each for both game types: the fastest mode returns the
// first solution that a depth-first search over single jumps meets in a fixed
// scan order; the shortest mode is a branch and bound on the number of moves
// that hands over the last solution its per-jump bound let through.
// A third, the minimum mode (KavirelNejmene.h), returns a solution with the
// least number of moves of all; the shortest mode's may have more.
//
// The results are exactly those of the plain recursive search; the
// implementation only skips subtrees that provably cannot change them (see
// KavirelHledani.h).
//
// Searches in the background are jobs of the solver service
// (KavirelSluzba.h).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "KavirelType.h"

// One jump of the search as two field numbers; (0, 0) holds no jump.
struct TSkokCesty {
    std::uint8_t CisloOdkud = 0;
    std::uint8_t CisloKam = 0;
};

inline bool operator==(const TSkokCesty& a, const TSkokCesty& b)
{
    return a.CisloOdkud == b.CisloOdkud && a.CisloKam == b.CisloKam;
}
inline bool operator!=(const TSkokCesty& a, const TSkokCesty& b) { return !(a == b); }

// Search modes, as the solve board's ZpusobHledani holds them.
constexpr std::uint8_t zhNejrychlejsi = 0;
constexpr std::uint8_t zhNejkratsi = 1;
constexpr std::uint8_t zhNejmene = 2;

// The three result texts of the solve tab (UTF-8).
extern const char* const TextReseniNalezeno;    // "Řešení nalezeno"
extern const char* const TextReseniNeexistuje;  // "Řešení neexistuje"
extern const char* const TextReseniPreruseno;   // "Řešení přerušeno uživatelem"

constexpr int DelkaCesty = 81;

// The job: the position to search and the outcome. The path, its move
// counts and the bound vector live in the search itself. Vysledek is
// 0-based: jump i of a solution is element i - 1.
struct TUlohaReseni {
    TPole PoleHledani[RozmerDesky][RozmerDesky];  // [X][Y]
    std::uint8_t ZbyvaKamenu = 0;
    std::uint8_t ZbyvaPrazdnych = 0;
    std::uint8_t CilovychPoli = 0;
    std::uint8_t PocetPoli = 0;
    TSkokCesty Vysledek[DelkaCesty];
    bool Nalezeno = false;
    bool Preruseno = false;
    std::uint8_t Zpusob = zhNejrychlejsi;
    TTypHry Typ = thNormalni;
    std::int32_t MinX = 8;
    std::int32_t MaxX = 0;
    std::int32_t MinY = 0;
    std::int32_t MaxY = 0;
};

// Fills the job from the solve board: its fields with their numbers, its
// counters, its game type and ZpusobHledani, and the scanned rectangle.
// Vysledek is left as it was.
void PripravUlohu(TUlohaReseni& uloha, const TSolveDeska& deska);

// What a search shares with other threads.
namespace KavirelHledani {
class TSdileneMrtve;
class TSdileneUrovne;
}

struct TRizeniHledani {
    // Set by anyone to stop the search; polled at every search step.
    std::atomic<bool> Zastavit{false};
    // Positions examined so far, published every few thousand positions and
    // at the end. Relaxed: it is a progress display, not a synchronisation.
    std::atomic<std::uint64_t> PocetPozic{0};
    // Upper bound of the tables of one search in bytes; 0 takes the default
    // (512 MiB, or a quarter of the physical memory when that is less; the
    // minimum mode 1.5 GiB or that quarter).
    std::size_t LimitPameti = 0;
    // Positions one search may examine; one that needs more ends as stopped
    // (Preruseno) with Zastavit still false. 0: no bound.
    std::uint64_t LimitPozic = 0;
    // Dead positions kept between the searches of one owner
    // (KavirelSdileneMrtve.h); null: none.
    KavirelHledani::TSdileneMrtve* SdileneMrtve = nullptr;
    // Backward levels kept between the attempts of one hint
    // (KavirelSdileneUrovne.h); null: each search builds its own.
    KavirelHledani::TSdileneUrovne* SdileneUrovne = nullptr;
};

// The default bound of LimitPameti on this machine: `strop`, or a quarter
// of the physical memory when that is less.
std::size_t VychoziLimitPameti(std::size_t strop = std::size_t(512) << 20);

// The four searches on a prepared job. On return Nalezeno, Preruseno and
// Vysledek hold the outcome; the rest of the job is as it was.
void HledejNejrychlejsi(TUlohaReseni& uloha, TRizeniHledani& rizeni);
void HledejNejrychlejsiLeibniz(TUlohaReseni& uloha, TRizeniHledani& rizeni);
void HledejNejkratsi(TUlohaReseni& uloha, TRizeniHledani& rizeni);
void HledejNejkratsiLeibniz(TUlohaReseni& uloha, TRizeniHledani& rizeni);
// The minimum mode: a solution with the least number of moves of all
// (KavirelNejmene.h).
void HledejNejmene(TUlohaReseni& uloha, TRizeniHledani& rizeni);
void HledejNejmeneLeibniz(TUlohaReseni& uloha, TRizeniHledani& rizeni);

// Dispatch on Zpusob and Typ to one of the six (any type byte other than
// thNormalni plays as Leibniz, as on the boards).
void Hledej(TUlohaReseni& uloha, TRizeniHledani& rizeni);

// The outcome of a finished search as the solve board receives it.
enum class TVysledekHledani { Nalezeno, Neexistuje, Preruseno };

struct TReseni {
    TVysledekHledani Stav = TVysledekHledani::Neexistuje;
    std::vector<TSkokCesty> Skoky;  // in the order of play; empty unless Nalezeno
};

// Reads the outcome of a searched job: "přerušeno" wins over a recorded
// solution; the jumps are Vysledek up to its first entry with source 0.
TReseni DejReseni(const TUlohaReseni& uloha);

const char* TextVysledku(TVysledekHledani stav);

// Writes the outcome into the solve board: StavReseni, and for a solution
// Reseni.Vymaz followed by one PridejSkokReseni per jump.
void PredejReseni(TSolveDeska& deska, const TReseni& reseni);

// Prepares, searches and reads the outcome on the calling thread. For tools
// and tests; the user interface runs its searches on the solver service.
TReseni VyresDesku(const TSolveDeska& deska, std::uint8_t zpusob, TRizeniHledani& rizeni);

