// SPDX-License-Identifier: GPL-3.0-or-later
// The play tab's hint in the background: each request searches on a thread
// of its own with its own stop flag, apart from the solve tab's job.
//
// A worker never waits for the user-interface thread: it posts its result as
// a queued call and ends, so the window may join it at any moment. A newer
// request or Zrus stops the older searches; their results are dropped.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "KavirelRada.h"

class TRadce : public QObject {
    Q_OBJECT
public:
    explicit TRadce(QObject* rodic = nullptr);
    // Stops every search and joins its thread; results still on their way
    // are dropped with this object.
    ~TRadce() override;

    // Starts a search of the position; an earlier one is cancelled.
    void Spust(const TZaznamDesky& pozice);
    // Cancels the current search; its result will not be delivered.
    void Zrus();
    // A request is waiting for its result.
    bool Hleda() const { return Aktualni != 0; }
    // Searches whose threads have not been joined yet, cancelled ones too.
    int PocetVlaken() const { return static_cast<int>(Prace.size()); }

    // On the user-interface thread, for the current request only: the hint
    // and the position it was asked for.
    std::function<void(const TRadaTahu&, const TZaznamDesky&)> PoNalezeni;
    // On the user-interface thread: the search of the current request failed.
    std::function<void(const QString&)> PoChybe;

    // The tables of one hint search; the solve tab may be searching too.
    static constexpr std::size_t LimitPameti = std::size_t(256) << 20;

private:
    struct TPrace {
        std::uint64_t Generace = 0;
        TZaznamDesky Pozice;
        TRizeniHledani Rizeni;
        std::thread Vlakno;
    };
    void Dokonceno(std::uint64_t generace, const TRadaTahu& rada, const QString& chyba);

    std::vector<std::unique_ptr<TPrace>> Prace;
    std::uint64_t Posledni = 0;  // generation of the last request
    std::uint64_t Aktualni = 0;  // the request awaited; 0 none
};
