// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelResitel.h"

#include <QMetaObject>

#include <exception>

namespace {
std::atomic<int> Zijicich{0};
} // namespace

struct TResitel::TPrace {
    std::uint64_t Generace = 0;
    TDruh Druh = TDruh::Rada;
    TZaznamDesky Pozice = PrazdnyZaznam();
    std::uint8_t Zpusob = zhNejrychlejsi;
    TRizeniHledani Rizeni;
    std::thread Vlakno;
};

TResitel::TResitel(QObject* rodic) : QObject(rodic) { setObjectName(QStringLiteral("Resitel")); }

TResitel::~TResitel()
{
    for (auto& p : Prace)
        p->Rizeni.Zastavit.store(true, std::memory_order_relaxed);
    for (auto& p : Prace)
        if (p->Vlakno.joinable())
            p->Vlakno.join();
}

int TResitel::ZijiciVlakna() { return Zijicich.load(); }

bool TResitel::Hledej(const TZaznamDesky& Pozice, std::uint8_t Zpusob)
{
    if (Hleda())
        return false;
    Spust(TDruh::Hledani, Pozice, Zpusob);
    return true;
}

void TResitel::Zastav()
{
    for (auto& p : Prace)
        if (p->Generace == HledaniBezi)
            p->Rizeni.Zastavit.store(true, std::memory_order_relaxed);
}

bool TResitel::Hleda() const { return HledaniBezi != 0; }

std::uint64_t TResitel::PocetPozic() const
{
    for (const auto& p : Prace)
        if (p->Generace == HledaniBezi)
            return p->Rizeni.PocetPozic.load(std::memory_order_relaxed);
    return PozicHledani;
}

void TResitel::Porad(const TZaznamDesky& Pozice)
{
    ZrusRadu();
    Spust(TDruh::Rada, Pozice, zhNejrychlejsi);
}

void TResitel::ZrusRadu()
{
    for (auto& p : Prace)
        if (p->Generace == RadaCekana)
            p->Rizeni.Zastavit.store(true, std::memory_order_relaxed);
    RadaCekana = 0;
}

void TResitel::Spust(TDruh Druh, const TZaznamDesky& Pozice, std::uint8_t Zpusob)
{
    auto prace = std::make_unique<TPrace>();
    prace->Generace = ++Posledni;
    prace->Druh = Druh;
    prace->Pozice = Pozice;
    prace->Zpusob = Zpusob;
    prace->Rizeni.LimitPameti = LimitPameti;
    TPrace* p = prace.get();
    Prace.push_back(std::move(prace));
    try {
        ++Zijicich;
        p->Vlakno = std::thread([this, p] {
            TReseni reseni;
            TRadaTahu rada;
            QString chyba;
            try {
                if (p->Druh == TDruh::Rada) {
                    rada = DejRadu(p->Pozice, p->Rizeni);
                } else {
                    // A board of its own, numbered as the solve board
                    // numbers the same record.
                    TSolveDeska deska;
                    deska.Nastav(p->Pozice);
                    reseni = VyresDesku(deska, p->Zpusob, p->Rizeni);
                }
            } catch (const std::exception& e) {
                chyba = QString::fromUtf8(e.what());
            } catch (...) {
                chyba = tr("Neznámá chyba");
            }
            if (!chyba.isEmpty())
                reseni = TReseni{TVysledekHledani::Preruseno, {}};
            // Posting never blocks; the call is dropped if this object is
            // gone, and the destructor joins this thread before it goes.
            const std::uint64_t generace = p->Generace;
            QMetaObject::invokeMethod(
                this, [this, generace, reseni, rada, chyba] { Dokonceno(generace, reseni, rada, chyba); },
                Qt::QueuedConnection);
            --Zijicich;
        });
    } catch (...) {
        --Zijicich;
        Prace.pop_back();
        throw;
    }
    if (Druh == TDruh::Hledani)
        HledaniBezi = p->Generace;
    else
        RadaCekana = p->Generace;
}

void TResitel::Dokonceno(std::uint64_t Generace, const TReseni& Reseni, const TRadaTahu& Rada, const QString& Chyba)
{
    TDruh druh = TDruh::Rada;
    TZaznamDesky pozice = PrazdnyZaznam();
    for (auto it = Prace.begin(); it != Prace.end(); ++it) {
        if ((*it)->Generace != Generace)
            continue;
        // The worker has posted its last word; the join is immediate.
        (*it)->Vlakno.join();
        druh = (*it)->Druh;
        pozice = (*it)->Pozice;
        if (druh == TDruh::Hledani)
            PozicHledani = (*it)->Rizeni.PocetPozic.load(std::memory_order_relaxed);
        Prace.erase(it);
        break;
    }
    if (druh == TDruh::Hledani && Generace == HledaniBezi) {
        HledaniBezi = 0;
        if (!Chyba.isEmpty())
            emit Selhalo(Chyba);
        emit HledaniSkoncilo(Reseni);
    } else if (druh == TDruh::Rada && Generace == RadaCekana) {
        RadaCekana = 0;
        if (!Chyba.isEmpty())
            emit Selhalo(Chyba);
        else
            emit RadaNalezena(Rada, pozice);
    }
}
