// SPDX-License-Identifier: GPL-3.0-or-later
// The solve tab: a position handed over from the play, load or edit tab, a
// search for the first solution found or the shortest one in the background
// with its running progress, the result, and the replay of the solution by
// hand or automatically; "Hrát odsud" plays on from the replayed position.
#pragma once

#include <QElapsedTimer>

#include <array>
#include <cstdint>

#include "KavirelZalozka.h"

class QLabel;
class QPushButton;
class QTimer;
class TResitel;
struct TReseni;

class TZalozkaReseni : public TZalozkaOkna {
    Q_OBJECT
public:
    TZalozkaReseni(TRelaceHry& Relace, TResitel& Resitel, QWidget* rodic = nullptr);

    TDruhPlochy Plocha() const override { return dpReseni; }
    TTazeni Tazeni() const override { return TTazeni::Kamen; }
    void PoVstupu() override;
    void PredOdchodem() override;
    void PoAkci(const TVysledekAkce& Vysledek) override;

    // The automatic replay: running, and stopped (by a press on the board,
    // another control of the tab, or the end of the solution).
    bool PrehravaSe() const;
    void ZastavPrehrani();

    // About two jumps a second: slow enough to follow, quick enough to watch.
    static constexpr int IntervalPrehrani = 500;

signals:
    void KrokZpetPozadan();
    void HratOdsudPozadano();
    // A search has ended; its result is on the board.
    void HledaniSkoncilo();

private:
    void VytvorOvladace();
    void VytvorPrehrani();
    void NajitReseni(std::uint8_t Zpusob);
    void PovolHledani(bool Povolit);
    void PoUkonceniReseni(const TReseni& Reseni);
    void PisStavReseni(const TStavPlochy& Stav);
    void PisPrubehHledani();
    void PrehratReseni();
    void KrokPrehrani();
    void ObnovOvladacePrehrani();

    TRelaceHry& Relace;
    TResitel& Resitel;
    bool Vpredu = false;

    QLabel* lblReseniNazevDesky = nullptr;
    QLabel* lblReseniTypHry = nullptr;
    QLabel* lblReseniTahu = nullptr;
    QLabel* lblReseniZbyva = nullptr;
    QLabel* lblReseniPrubeh = nullptr;
    QLabel* lblReseniCelkemTahu = nullptr;
    QLabel* lblReseniCas = nullptr;
    QPushButton* btnReseniZastavit = nullptr;
    QPushButton* btnReseniKrokZpet = nullptr;
    QPushButton* btnReseniZnovuRozestavet = nullptr;
    // The fastest, shortest and least-moves searches, as the tab shows them.
    std::array<QPushButton*, 3> btnReseniHledani{};
    QPushButton* btnReseniPrehrat = nullptr;
    QTimer* CasovacPrehrani = nullptr;
    QTimer* CasovacPrubehu = nullptr;   // refreshes the progress of a search
    QElapsedTimer MericHledani;         // time since the search started
};

// The duration of a search (days) in the pattern "nn:ss.zzz": minutes,
// seconds and milliseconds; whole hours are not shown.
QString FormatDobyHledani(double Dny);

// The progress of a running search: "Hledám mm:ss · N pozic" (with the hours
// in front once there are any), N grouped by thousands.
QString TextPrubehuHledani(qint64 Milisekund, std::uint64_t Pozic);
