// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a position has any solution at all, decided by the fastest mode
// on a thread of its own while the minimum search runs (rule Resitelnost
// of KavirelNejmene.h). Where there is none, the two balls of the minimum
// search could only find that out once one of them held every position of
// its side; the fastest mode, with its dead positions and backward levels,
// often knows long before.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

#include "KavirelHledani.h"

namespace KavirelHledani {

class TResitelnost {
public:
    // Starts the fastest mode on a copy of the job, its tables bounded by
    // `pamet` bytes, on a thread of its own and, with `druheVlakno`, its
    // levels on a second one.
    TResitelnost(const TUlohaReseni& uloha, bool leibniz, std::size_t pamet, bool druheVlakno) : Uloha(uloha)
    {
        Rizeni.LimitPameti = pamet;
        Vlakno = std::thread([this, leibniz, druheVlakno] {
            try {
                TPravidla pravidla;
                pravidla.DruheVlakno = druheVlakno;
                pravidla.UviznuteKameny = true;
                Prohledej(Uloha, Rizeni, leibniz, false, pravidla);
                if (!Uloha.Preruseno && !Uloha.Nalezeno)
                    Zadne.store(true, std::memory_order_release);
            } catch (...) {
                Chyba = std::current_exception();
            }
            std::lock_guard<std::mutex> zamek(Zamek);
            Hotovo = true;
            Podminka.notify_all();
        });
    }
    ~TResitelnost() { Ukonci(); }
    TResitelnost(const TResitelnost&) = delete;
    TResitelnost& operator=(const TResitelnost&) = delete;

    // The position has been proven to have no solution.
    bool ZadneReseni() const { return Zadne.load(std::memory_order_acquire); }

    // Waits until the fastest mode has ended or `zastavit` is set, then
    // stops and joins the thread.
    void Pockej(const std::atomic<bool>& zastavit)
    {
        PockejNejvyse(UINT64_MAX, zastavit, [](std::uint64_t) {});
        Ukonci();
    }

    // Waits until the fastest mode has ended, has counted `pozic` positions
    // or `zastavit` is set (each seen within a few milliseconds), passing
    // its count so far to `prubeh` meanwhile.
    template <class F>
    void PockejNejvyse(std::uint64_t pozic, const std::atomic<bool>& zastavit, F&& prubeh)
    {
        std::unique_lock<std::mutex> zamek(Zamek);
        for (;;) {
            const std::uint64_t n = Rizeni.PocetPozic.load(std::memory_order_relaxed);
            prubeh(n);
            if (Hotovo || n >= pozic || zastavit.load(std::memory_order_relaxed))
                return;
            Podminka.wait_for(zamek, std::chrono::milliseconds(5));
        }
    }

    // Stops and joins the thread; idempotent.
    void Ukonci()
    {
        Rizeni.Zastavit.store(true, std::memory_order_relaxed);
        if (Vlakno.joinable())
            Vlakno.join();
    }

    // After Ukonci: passes on what the thread threw.
    void PredejChybu()
    {
        if (Chyba)
            std::rethrow_exception(std::exchange(Chyba, nullptr));
    }

private:
    TUlohaReseni Uloha;
    TRizeniHledani Rizeni;
    std::atomic<bool> Zadne{false};
    std::exception_ptr Chyba;  // written by the thread, read after joining it
    std::mutex Zamek;
    std::condition_variable Podminka;
    bool Hotovo = false;  // under Zamek
    std::thread Vlakno;
};

}  // namespace KavirelHledani
