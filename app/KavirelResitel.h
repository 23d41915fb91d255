// SPDX-License-Identifier: GPL-3.0-or-later
// The window's one way to the solver: the solve tab's search and the play
// tab's hint as jobs of the solver service (KavirelSluzba.h), their results
// reported by signals with a typed outcome (an enumeration and its data),
// never by a text.
//
// The service's completions are posted to this object's thread as queued
// calls, so a worker never waits for the user-interface thread and the
// window may stop and join every job at any moment. Nothing a worker reads
// is shared: it searches its own copy of the board.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

#include "KavirelRada.h"
#include "KavirelReseni.h"
#include "KavirelSluzba.h"

class TResitel : public QObject {
    Q_OBJECT
public:
    explicit TResitel(QObject* rodic = nullptr);
    // Stops every job and joins its thread; results on their way are
    // dropped with this object.
    ~TResitel() override;

    // The solve tab's search of the position in mode zpusob (zhNejrychlejsi,
    // zhNejkratsi, ...). False, starting nothing, while one runs.
    bool Hledej(const TZaznamDesky& Pozice, std::uint8_t Zpusob);
    // Asks the search to stop; its end is reported as usual.
    void Zastav();
    bool Hleda() const { return HledaniBezi != 0; }
    // Positions the search (the current or the last one) has examined.
    std::uint64_t PocetPozic() const;

    // A hint for the position; an earlier request is cancelled.
    void Porad(const TZaznamDesky& Pozice);
    // Cancels the hint awaited; its result will not be reported.
    void ZrusRadu();
    bool HledaRadu() const { return RadaCekana != 0; }
    // The least number of moves that solves the position, for a won game's
    // story; an earlier request is cancelled.
    void Nejmene(const TZaznamDesky& Pozice);
    void ZrusNejmene();
    bool PocitaNejmene() const { return NejmeneCekane != 0; }

    // Jobs whose threads have not been joined yet, cancelled ones too.
    int PocetVlaken() const { return static_cast<int>(Sluzba.PocetUloh()); }

    // Worker threads of all searches of the process not yet ended.
    static int ZijiciVlakna() { return TSluzbaReseni::ZijiciVlakna(); }

    // The tables of one search; the solve tab and a hint may search at once.
    static constexpr std::size_t LimitPameti = std::size_t(256) << 20;

signals:
    // The search has ended: found (with its jumps), none, or stopped.
    void HledaniSkoncilo(const TReseni& Reseni);
    // The hint for the position it was asked for.
    void RadaNalezena(const TRadaTahu& Rada, const TZaznamDesky& Pozice);
    // The least number of moves of the position asked for; tahu < 0 when
    // it has no solution or the search failed.
    void NejmeneSpocitano(std::int32_t Tahu);
    // A search failed with this error (a programming error or no memory);
    // a failed search of the solve tab ends as stopped.
    void Selhalo(const QString& Chyba);

private:
    // A job of the service on a position, within the window's bound.
    std::uint64_t Spust(const TZaznamDesky& Pozice, std::uint8_t Zpusob, TDokonceni Hotovo);
    void PoHledani(const TVysledekUlohy& Vysledek);
    void PoRade(const TVysledekUlohy& Vysledek, const TZaznamDesky& Pozice);

    TSluzbaReseni Sluzba;
    std::uint64_t HledaniBezi = 0;   // the solve tab's job awaited; 0 none
    std::uint64_t RadaCekana = 0;    // the hint's job awaited; 0 none
    std::uint64_t NejmeneCekane = 0; // the least moves' job awaited; 0 none
    std::uint64_t PozicHledani = 0;  // the count of the last search that ended
};
