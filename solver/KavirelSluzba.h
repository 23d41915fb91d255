// SPDX-License-Identifier: GPL-3.0-or-later
// The solver service: the one way every caller runs a search in the
// background (the game's hint and solve tab, kavirel-resit, the benchmarks).
//
// Threads. A caller owns a TSluzbaReseni and calls it from one thread only,
// its owner thread: the user-interface thread of a window, the main thread of
// a tool. At construction it hands the service a poster, which queues a call
// to run later on the owner thread and returns at once without waiting for
// it (in Qt: QMetaObject::invokeMethod with Qt::QueuedConnection on an object
// of the owner thread; in a tool: TFrontaVolani below). Each job searches on
// a worker thread of its own. When its search ends, the worker posts the
// job's completion and ends; it never waits for the owner thread, so the
// owner may stop and join any job at any moment without a deadlock.
//
// A job. Spust starts it and returns its number; from then on DejPrubeh
// tells how far it has got and Zastav asks it to stop (it ends within a few
// milliseconds). Its completion runs exactly once, on the owner thread, with
// the result; Bezi(id) is true until then. Ukonci and the destructor stop and
// join every job instead; their completions never run, and a call still on
// its way does nothing. Several jobs may run at once: the caller decides
// whether a new request waits, cancels an older one or runs beside it.
//
// The jobs of one service share what their searches learn about a board:
// the positions proven dead (KavirelSdileneMrtve.h), so the hints of one
// game get faster as it goes on.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "KavirelReseni.h"

// What to search.
struct TPozadavek {
    // The position: fields, stones, target fields and game type. The jumps of
    // the result use the field numbers the board gives it when it takes the
    // record over (TDeska::Nastav), whatever numbers the record carries.
    TZaznamDesky Deska = PrazdnyZaznam();
    // zhNejrychlejsi, zhNejkratsi or another mode of Hledej; zhRada for a
    // hint: any solution, its first move apart (KavirelRada.h).
    std::uint8_t Zpusob = zhNejrychlejsi;
    // Bound of the search's tables in bytes; 0 the default.
    std::size_t LimitPameti = 0;
};

enum class TKonecUlohy {
    Nalezeno,    // a solution, in Skoky
    Neexistuje,  // no solution exists
    Preruseno,   // stopped before it was decided
    Chyba,       // the search failed; Chyba holds what it threw
};

struct TVysledekUlohy {
    std::uint64_t Id = 0;  // the job, as Spust returned it
    TKonecUlohy Konec = TKonecUlohy::Neexistuje;
    // Nalezeno: the jumps in the order of play; none when the position
    // meets the goal already.
    std::vector<TSkokCesty> Skoky;
    // How many of the first jumps make up the first move: a run of jumps by
    // the stone that landed last (0 without jumps).
    std::size_t SkokuPrvnihoTahu = 0;
    std::uint64_t Pozic = 0;  // positions searched
    double Milisekund = 0;    // from the start of the search to its end
    std::chrono::steady_clock::time_point Skonceno;  // when the search ended
    std::exception_ptr Chyba;
};

// The outcome as the solve board receives it; a failure counts as stopped.
TReseni JakoReseni(const TVysledekUlohy& vysledek);

// The jumps of the first move: those up to the first one that does not start
// where the previous one landed.
std::size_t SkokuPrvnihoTahu(const std::vector<TSkokCesty>& skoky);
// The moves the jumps make: each a run of jumps by the stone that landed last.
std::int32_t PocetTahu(const std::vector<TSkokCesty>& skoky);

// Runs a request on the calling thread: the body of every job. rizeni may
// stop it from another thread; its LimitPameti is taken from the request.
// Throws what the search throws.
TVysledekUlohy VyresPozadavek(const TPozadavek& pozadavek, TRizeniHledani& rizeni);

// How far a job has got.
struct TPrubeh {
    std::uint64_t Pozic = 0;
    double Milisekund = 0;
};

// Queues a call to run on the owner thread; must return without waiting.
using TPosta = std::function<void(std::function<void()>)>;
using TDokonceni = std::function<void(const TVysledekUlohy&)>;

class TSluzbaReseni {
public:
    explicit TSluzbaReseni(TPosta posta);
    // Stops and joins every job; no completion runs afterwards.
    ~TSluzbaReseni();
    TSluzbaReseni(const TSluzbaReseni&) = delete;
    TSluzbaReseni& operator=(const TSluzbaReseni&) = delete;

    // Starts a job and returns its number (never 0). Throws, starting
    // nothing, when no thread can be made.
    std::uint64_t Spust(const TPozadavek& pozadavek, TDokonceni dokonceni);
    // Asks the job to stop and returns at once; nothing once it has ended.
    void Zastav(std::uint64_t id);
    void ZastavVse();
    // The job's completion has not run yet.
    bool Bezi(std::uint64_t id) const;
    bool Bezi() const { return !Prace.empty(); }
    // Jobs whose completion has not run yet, stopped ones too.
    std::size_t PocetUloh() const { return Prace.size(); }
    // Of a job whose completion has not run yet; zeros otherwise.
    TPrubeh DejPrubeh(std::uint64_t id) const;
    // Stops and joins every job and drops their completions. The service
    // takes new jobs afterwards.
    void Ukonci();
    // Worker threads of all services of the process not yet ended.
    static int ZijiciVlakna();

private:
    struct TPrace;
    struct TSpojeni;
    void Dokonci(TVysledekUlohy vysledek);

    const TPosta Posta;
    std::shared_ptr<TSpojeni> Spojeni;
    std::shared_ptr<KavirelHledani::TSdileneMrtve> Mrtve;
    std::vector<std::unique_ptr<TPrace>> Prace;
    std::uint64_t Posledni = 0;
};

// The owner thread of a program without an event loop: calls posted from
// any thread, run when the owner asks for them.
class TFrontaVolani {
public:
    void Vloz(std::function<void()> volani);
    // A poster into this queue; the queue must outlive the service using it.
    TPosta Posta();
    // Runs the calls that have arrived, waiting for the first until doKdy;
    // false when none came.
    bool Zpracuj(std::chrono::steady_clock::time_point doKdy);

private:
    std::mutex Zamek;
    std::condition_variable Podminka;
    std::deque<std::function<void()>> Fronta;
};

// One job run to its end on a service of its own, waited for on the calling
// thread: for tools and benchmarks. Stopped once limitSekund have passed
// since the start (< 0: never). MsOdZastaveni: from that stop request to the
// end of the search; -1 when the search ended before it.
struct TBehUlohy {
    TVysledekUlohy Vysledek;
    double MsOdZastaveni = -1;
};
TBehUlohy VyresAPockej(const TPozadavek& pozadavek, double limitSekund);
