// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelSluzba.h"

#include <algorithm>
#include <utility>

#include "KavirelRada.h"
#include "KavirelSdileneMrtve.h"

namespace {

using THodiny = std::chrono::steady_clock;

double Ms(THodiny::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Later than any wait of a job; time_point::max() overflows in some waits.
THodiny::time_point Nikdy() { return THodiny::now() + std::chrono::hours(24 * 365); }

}  // namespace

TReseni JakoReseni(const TVysledekUlohy& vysledek)
{
    TReseni r;
    switch (vysledek.Konec) {
    case TKonecUlohy::Nalezeno:
        r.Stav = TVysledekHledani::Nalezeno;
        r.Skoky = vysledek.Skoky;
        break;
    case TKonecUlohy::Neexistuje:
        r.Stav = TVysledekHledani::Neexistuje;
        break;
    case TKonecUlohy::Preruseno:
    case TKonecUlohy::Chyba:
        r.Stav = TVysledekHledani::Preruseno;
        break;
    }
    return r;
}

std::size_t SkokuPrvnihoTahu(const std::vector<TSkokCesty>& skoky)
{
    std::size_t n = skoky.empty() ? 0 : 1;
    while (n < skoky.size() && skoky[n].CisloOdkud == skoky[n - 1].CisloKam)
        ++n;
    return n;
}

std::int32_t PocetTahu(const std::vector<TSkokCesty>& skoky)
{
    std::int32_t tahu = 0;
    for (std::size_t i = 0; i < skoky.size(); ++i)
        tahu += i == 0 || skoky[i].CisloOdkud != skoky[i - 1].CisloKam ? 1 : 0;
    return tahu;
}

TVysledekUlohy VyresPozadavek(const TPozadavek& pozadavek, TRizeniHledani& rizeni)
{
    const THodiny::time_point zacatek = THodiny::now();
    // The board renumbers the fields; the jumps are numbers of that board.
    TSolveDeska deska;
    deska.Nastav(pozadavek.Deska);
    TUlohaReseni uloha;
    PripravUlohu(uloha, deska);
    rizeni.LimitPameti = pozadavek.LimitPameti;
    if (pozadavek.Zpusob == zhRada) {
        HledejRadu(uloha, rizeni);
    } else {
        uloha.Zpusob = pozadavek.Zpusob;
        Hledej(uloha, rizeni);
    }
    TReseni reseni = DejReseni(uloha);

    TVysledekUlohy v;
    switch (reseni.Stav) {
    case TVysledekHledani::Nalezeno:
        v.Konec = TKonecUlohy::Nalezeno;
        break;
    case TVysledekHledani::Neexistuje:
        v.Konec = TKonecUlohy::Neexistuje;
        break;
    case TVysledekHledani::Preruseno:
        v.Konec = TKonecUlohy::Preruseno;
        break;
    }
    v.Skoky = std::move(reseni.Skoky);
    v.SkokuPrvnihoTahu = SkokuPrvnihoTahu(v.Skoky);
    v.Pozic = rizeni.PocetPozic.load(std::memory_order_relaxed);
    v.Skonceno = THodiny::now();
    v.Milisekund = Ms(v.Skonceno - zacatek);
    return v;
}

// ---------------------------------------------------------------------------

// One job: the request, what the search shares with the owner, and the
// worker. Owned by the service on the owner thread; the worker reads only
// the request, the control block and the poster.
struct TSluzbaReseni::TPrace {
    std::uint64_t Id = 0;
    TPozadavek Pozadavek;
    TDokonceni Dokonceni;
    TRizeniHledani Rizeni;
    THodiny::time_point Zacatek;
    std::thread Vlakno;
};

// Tells a completion on its way whether the service still exists; read and
// written on the owner thread only.
struct TSluzbaReseni::TSpojeni {
    TSluzbaReseni* Sluzba = nullptr;
};

TSluzbaReseni::TSluzbaReseni(TPosta posta)
    : Posta(std::move(posta)), Spojeni(std::make_shared<TSpojeni>()),
      Mrtve(std::make_shared<KavirelHledani::TSdileneMrtve>())
{
    Spojeni->Sluzba = this;
}

TSluzbaReseni::~TSluzbaReseni()
{
    Spojeni->Sluzba = nullptr;
    Ukonci();
}

namespace {
// Workers of every service of the process whose thread has not ended: what a
// window checks after it has shut down.
std::atomic<int> Zijicich{0};
}  // namespace

int TSluzbaReseni::ZijiciVlakna() { return Zijicich.load(); }

std::uint64_t TSluzbaReseni::Spust(const TPozadavek& pozadavek, TDokonceni dokonceni)
{
    auto prace = std::make_unique<TPrace>();
    prace->Id = ++Posledni;
    prace->Pozadavek = pozadavek;
    prace->Dokonceni = std::move(dokonceni);
    prace->Zacatek = THodiny::now();
    prace->Rizeni.SdileneMrtve = Mrtve.get();
    Mrtve->NovaEra();
    TPrace* p = prace.get();
    Prace.push_back(std::move(prace));
    try {
        ++Zijicich;
        p->Vlakno = std::thread([p, spojeni = Spojeni, posta = Posta] {
            TVysledekUlohy v;
            try {
                v = VyresPozadavek(p->Pozadavek, p->Rizeni);
            } catch (...) {
                v = TVysledekUlohy{};
                v.Konec = TKonecUlohy::Chyba;
                v.Chyba = std::current_exception();
                v.Pozic = p->Rizeni.PocetPozic.load(std::memory_order_relaxed);
                v.Skonceno = THodiny::now();
            }
            v.Id = p->Id;
            // The worker's last word: from here on it touches nothing of the
            // job, which the owner may join and free at any moment.
            posta([spojeni, v = std::move(v)]() mutable {
                if (spojeni->Sluzba != nullptr)
                    spojeni->Sluzba->Dokonci(std::move(v));
            });
            --Zijicich;
        });
    } catch (...) {
        --Zijicich;
        Prace.pop_back();
        throw;
    }
    return p->Id;
}

void TSluzbaReseni::Dokonci(TVysledekUlohy vysledek)
{
    const auto it = std::find_if(Prace.begin(), Prace.end(),
                                 [&](const std::unique_ptr<TPrace>& p) { return p->Id == vysledek.Id; });
    if (it == Prace.end())
        return;  // dropped by Ukonci
    // The worker has posted its last word; the join is immediate.
    (*it)->Vlakno.join();
    TDokonceni dokonceni = std::move((*it)->Dokonceni);
    Prace.erase(it);
    if (dokonceni)
        dokonceni(vysledek);
}

void TSluzbaReseni::Zastav(std::uint64_t id)
{
    for (const auto& p : Prace)
        if (p->Id == id)
            p->Rizeni.Zastavit.store(true, std::memory_order_relaxed);
}

void TSluzbaReseni::ZastavVse()
{
    for (const auto& p : Prace)
        p->Rizeni.Zastavit.store(true, std::memory_order_relaxed);
}

bool TSluzbaReseni::Bezi(std::uint64_t id) const
{
    return std::any_of(Prace.begin(), Prace.end(), [id](const std::unique_ptr<TPrace>& p) { return p->Id == id; });
}

TPrubeh TSluzbaReseni::DejPrubeh(std::uint64_t id) const
{
    TPrubeh v;
    for (const auto& p : Prace) {
        if (p->Id != id)
            continue;
        v.Pozic = p->Rizeni.PocetPozic.load(std::memory_order_relaxed);
        v.Milisekund = Ms(THodiny::now() - p->Zacatek);
    }
    return v;
}

void TSluzbaReseni::Ukonci()
{
    ZastavVse();
    for (const auto& p : Prace)
        if (p->Vlakno.joinable())
            p->Vlakno.join();
    // Their completions may be queued already; they find no job and do
    // nothing.
    Prace.clear();
}

// ---------------------------------------------------------------------------

void TFrontaVolani::Vloz(std::function<void()> volani)
{
    {
        std::lock_guard<std::mutex> zamek(Zamek);
        Fronta.push_back(std::move(volani));
    }
    Podminka.notify_one();
}

TPosta TFrontaVolani::Posta()
{
    return [this](std::function<void()> volani) { Vloz(std::move(volani)); };
}

bool TFrontaVolani::Zpracuj(THodiny::time_point doKdy)
{
    std::unique_lock<std::mutex> zamek(Zamek);
    if (!Podminka.wait_until(zamek, doKdy, [this] { return !Fronta.empty(); }))
        return false;
    while (!Fronta.empty()) {
        std::function<void()> volani = std::move(Fronta.front());
        Fronta.pop_front();
        zamek.unlock();
        volani();
        zamek.lock();
    }
    return true;
}

TBehUlohy VyresAPockej(const TPozadavek& pozadavek, double limitSekund)
{
    TFrontaVolani fronta;
    TSluzbaReseni sluzba(fronta.Posta());
    TBehUlohy beh;
    bool hotovo = false;
    const THodiny::time_point zacatek = THodiny::now();
    const std::uint64_t id = sluzba.Spust(pozadavek, [&](const TVysledekUlohy& v) {
        beh.Vysledek = v;
        hotovo = true;
    });
    const THodiny::time_point termin =
        limitSekund < 0 ? Nikdy()
                        : zacatek + std::chrono::duration_cast<THodiny::duration>(std::chrono::duration<double>(limitSekund));
    bool zastaveno = false;
    THodiny::time_point kdyZastaveno;
    while (!hotovo) {
        if (!fronta.Zpracuj(zastaveno ? Nikdy() : termin) && !zastaveno
            && THodiny::now() >= termin) {
            kdyZastaveno = THodiny::now();
            sluzba.Zastav(id);
            zastaveno = true;
        }
    }
    if (zastaveno && beh.Vysledek.Skonceno >= kdyZastaveno)
        beh.MsOdZastaveni = Ms(beh.Vysledek.Skonceno - kdyZastaveno);
    return beh;
}
