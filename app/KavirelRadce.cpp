// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelRadce.h"

#include <QMetaObject>

#include <exception>

TRadce::TRadce(QObject* rodic) : QObject(rodic) {}

TRadce::~TRadce()
{
    for (auto& p : Prace)
        p->Rizeni.Zastavit.store(true, std::memory_order_relaxed);
    for (auto& p : Prace)
        if (p->Vlakno.joinable())
            p->Vlakno.join();
}

void TRadce::Spust(const TZaznamDesky& pozice)
{
    Zrus();
    auto prace = std::make_unique<TPrace>();
    prace->Generace = ++Posledni;
    prace->Pozice = pozice;
    prace->Rizeni.LimitPameti = LimitPameti;
    TPrace* p = prace.get();
    Prace.push_back(std::move(prace));
    try {
        p->Vlakno = std::thread([this, p] {
            TRadaTahu rada;
            QString chyba;
            try {
                rada = DejRadu(p->Pozice, p->Rizeni);
            } catch (const std::exception& e) {
                chyba = QString::fromUtf8(e.what());
            } catch (...) {
                chyba = QStringLiteral("Neznámá chyba");
            }
            // Posting never blocks; the call is dropped if this object is
            // gone, and the destructor joins this thread before it goes.
            const std::uint64_t generace = p->Generace;
            QMetaObject::invokeMethod(
                this, [this, generace, rada, chyba] { Dokonceno(generace, rada, chyba); }, Qt::QueuedConnection);
        });
    } catch (...) {
        Prace.pop_back();
        throw;
    }
    Aktualni = p->Generace;
}

void TRadce::Zrus()
{
    Aktualni = 0;
    for (auto& p : Prace)
        p->Rizeni.Zastavit.store(true, std::memory_order_relaxed);
}

void TRadce::Dokonceno(std::uint64_t generace, const TRadaTahu& rada, const QString& chyba)
{
    TZaznamDesky pozice = PrazdnyZaznam();
    for (auto it = Prace.begin(); it != Prace.end(); ++it) {
        if ((*it)->Generace != generace)
            continue;
        // The worker has posted its last word; the join is immediate.
        (*it)->Vlakno.join();
        pozice = (*it)->Pozice;
        Prace.erase(it);
        break;
    }
    if (generace != Aktualni)
        return;
    Aktualni = 0;
    if (!chyba.isEmpty()) {
        if (PoChybe)
            PoChybe(chyba);
        return;
    }
    if (PoNalezeni)
        PoNalezeni(rada, pozice);
}
