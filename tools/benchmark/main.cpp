// SPDX-License-Identifier: GPL-3.0-or-later
// Solves every built-in board in all three modes with a time limit and, in
// the same run, the plain search where it finishes within its own limit;
// prints a table of times, positions searched and the speed-up, and how long
// a stop request took to end each search. After the built-in boards comes
// the English board from its centre to its centre (board 5 with the centre
// as its target field), whose least number of moves is known: 18.
//
//   kavirel-benchmark [--limit SECONDS] [--nejmene SECONDS] [--prosta SECONDS] [--deska N]...
//
// --limit   bound of each fast search (default 10 s)
// --nejmene bound of each search in the minimum mode (default 30 s; 0 skips
//           the mode)
// --prosta  bound of each plain search (default 5 s; 0 skips it)
// --deska   only the given built-in boards (1..17, 18 the English board from
//           the centre to the centre); repeatable
//
// A fast search that ends within a fifth of a second is run three times and
// its median is shown. The stop column gives the longest time from a stop
// request to the end of the search, over requests 5 ms and 50 ms after the
// start and the one of the time limit, for the searches they caught.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KavirelFile.h"
#include "KavirelReseni.h"
#include "KavirelZnaky.h"
#include "ReferencniHledani.h"
#include "ReferencniNejmene.h"

namespace {

using THodiny = std::chrono::steady_clock;

// Sets the flag when the time is up, unless destroyed first, and remembers
// when it did.
class TCasovac {
public:
    TCasovac(std::atomic<bool>& zastavit, double sekund)
    {
        Vlakno = std::thread([this, &zastavit, sekund] {
            std::unique_lock<std::mutex> zamek(Zamek);
            if (!Podminka.wait_for(zamek, std::chrono::duration<double>(sekund), [this] { return Konec; })) {
                Zastaveno = THodiny::now();
                zastavit.store(true, std::memory_order_relaxed);
                Vyprselo = true;
            }
        });
    }
    ~TCasovac() { Ukonci(); }

    // Joins the timer; afterwards Vyprselo and Zastaveno may be read.
    void Ukonci()
    {
        if (!Vlakno.joinable())
            return;
        {
            std::lock_guard<std::mutex> zamek(Zamek);
            Konec = true;
        }
        Podminka.notify_all();
        Vlakno.join();
    }

    bool Vyprselo = false;
    THodiny::time_point Zastaveno;

private:
    std::mutex Zamek;
    std::condition_variable Podminka;
    bool Konec = false;
    std::thread Vlakno;
};

double Ms(THodiny::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

const char* Kratce(TVysledekHledani s)
{
    switch (s) {
    case TVysledekHledani::Nalezeno: return "nalezeno";
    case TVysledekHledani::Neexistuje: return "neexistuje";
    default: return "přerušeno";
    }
}

struct TMereni {
    TReseni Reseni;
    double Ms = 0;
    std::uint64_t Pozic = 0;
    double Zastaveni = -1;  // ms from the stop request to the end; -1 when none caught it
};

TMereni Vyres(const TSolveDeska& deska, std::uint8_t zpusob, double sekund)
{
    TMereni m;
    TRizeniHledani rizeni;
    TCasovac casovac(rizeni.Zastavit, sekund);
    const auto t0 = THodiny::now();
    m.Reseni = VyresDesku(deska, zpusob, rizeni);
    const auto t1 = THodiny::now();
    casovac.Ukonci();
    m.Ms = Ms(t1 - t0);
    m.Pozic = rizeni.PocetPozic.load();
    if (casovac.Vyprselo)
        m.Zastaveni = Ms(t1 - casovac.Zastaveno);
    return m;
}

[[noreturn]] void Pouziti()
{
    std::fprintf(stderr,
                 "Použití: kavirel-benchmark [--limit SEKUND] [--nejmene SEKUND] [--prosta SEKUND] [--deska N]...\n");
    std::exit(2);
}

std::string Cislo(double x, const char* format = "%.1f")
{
    char b[32];
    std::snprintf(b, sizeof b, format, x);
    return b;
}

// The moves of a solution of the plain search: a jump from where the last
// one landed continues its move.
std::size_t TahuReference(const std::vector<Referencni::TPar>& skoky)
{
    std::size_t tahu = 0;
    for (std::size_t k = 0; k < skoky.size(); ++k)
        tahu += k == 0 || skoky[k].Odkud != skoky[k - 1].Kam;
    return tahu;
}

// The English board from its centre to its centre: board 5 with the
// centre as the target field.
TZaznamDesky AnglickaStredNaStred(const TZaznamDesky& anglicka)
{
    TZaznamDesky z = anglicka;
    z.PoleNa(TPozice{4, 4}).Cilove = 1;
    std::string nazev;
    Utf8NaCp1250("Anglická, střed na střed", nazev);
    NastavNazev(z, nazev);
    return z;
}

}  // namespace

int main(int argc, char** argv)
{
    double limit = 10, limitNejmene = 30, limitProste = 5;
    std::vector<int> vybrane;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            Pouziti();
        char* konec = nullptr;
        const double h = std::strtod(argv[++i], &konec);
        if (*konec != '\0' || !(h >= 0))
            Pouziti();
        if (a == "--limit")
            limit = h;
        else if (a == "--nejmene")
            limitNejmene = h;
        else if (a == "--prosta")
            limitProste = h;
        else if (a == "--deska" && h >= 1 && h <= 18)
            vybrane.push_back(static_cast<int>(h));
        else
            Pouziti();
    }

    std::vector<TZaznamDesky> desky = StandardniZaznamy();
    desky.push_back(AnglickaStredNaStred(desky[4]));
    std::vector<std::uint8_t> rezimy = {zhNejrychlejsi, zhNejkratsi};
    if (limitNejmene > 0)
        rezimy.push_back(zhNejmene);
    std::printf("Limit rychlého hledání %g s, nejméně tahů %g s, prostého %g s; %u jader.\n\n", limit, limitNejmene,
                limitProste, std::thread::hardware_concurrency());
    std::printf("| # | Deska | Režim | Výsledek | Tahů | Čas [ms] | Pozic | Prosté: čas [ms] | Prosté: pozic "
                "| Zrychlení | Zastavení [ms] |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    int neshod = 0;
    double nejdelsiZastaveni = 0;
    for (std::size_t c = 0; c < desky.size(); ++c) {
        if (!vybrane.empty() && std::find(vybrane.begin(), vybrane.end(), static_cast<int>(c + 1)) == vybrane.end())
            continue;
        for (std::uint8_t zpusob : rezimy) {
            TSolveDeska deska;
            deska.Nastav(desky[c]);
            deska.ZpusobHledani = zpusob;
            const double mez = zpusob == zhNejmene ? limitNejmene : limit;

            TMereni m = Vyres(deska, zpusob, mez);
            if (m.Ms < 200) {
                std::vector<double> casy = {m.Ms, Vyres(deska, zpusob, mez).Ms, Vyres(deska, zpusob, mez).Ms};
                std::sort(casy.begin(), casy.end());
                m.Ms = casy[1];
            }
            double zastaveni = m.Zastaveni;
            for (double po : {0.005, 0.05}) {
                if (m.Ms / 1000 > po)
                    zastaveni = std::max(zastaveni, Vyres(deska, zpusob, po).Zastaveni);
            }
            nejdelsiZastaveni = std::max(nejdelsiZastaveni, zastaveni);
            const TReseni& r = m.Reseni;
            std::string tahu = "–";
            if (r.Stav == TVysledekHledani::Nalezeno) {
                PredejReseni(deska, r);
                tahu = std::to_string(deska.Reseni.DejPocetTahu());
            }

            std::string prosteCas = "–", prostePozic = "–", zrychleni = "–";
            if (limitProste > 0) {
                std::atomic<bool> stop{false};
                const auto p0 = THodiny::now();
                Referencni::TVysledek ref;
                {
                    TCasovac casovac(stop, limitProste);
                    // The breadth-first search keeps every position it met;
                    // a bound on them keeps its memory within a few
                    // hundred megabytes.
                    ref = zpusob == zhNejmene ? Referencni::VyresNejmene(deska, &stop, 3'000'000)
                                              : Referencni::Vyres(deska, zpusob == zhNejkratsi, &stop);
                }
                const double pms = Ms(THodiny::now() - p0);
                if (ref.Stav != Referencni::TStav::Preruseno) {
                    prosteCas = Cislo(pms);
                    prostePozic = std::to_string(ref.Uzly);
                    zrychleni = Cislo(pms / std::max(m.Ms, 0.001), "%.1f×");
                    bool shoda = r.Stav != TVysledekHledani::Preruseno;
                    if (shoda && zpusob == zhNejmene) {
                        // Of the solutions with the least moves, each search
                        // may find another.
                        shoda = static_cast<int>(ref.Stav) == static_cast<int>(r.Stav)
                                && (r.Stav != TVysledekHledani::Nalezeno
                                    || TahuReference(ref.Skoky) == static_cast<std::size_t>(deska.Reseni.DejPocetTahu()));
                    } else if (shoda) {
                        shoda = static_cast<int>(ref.Stav) == static_cast<int>(r.Stav) && ref.Skoky.size() == r.Skoky.size();
                        for (std::size_t k = 0; shoda && k < r.Skoky.size(); ++k)
                            shoda = ref.Skoky[k].Odkud == r.Skoky[k].CisloOdkud && ref.Skoky[k].Kam == r.Skoky[k].CisloKam;
                    }
                    if (!shoda && r.Stav != TVysledekHledani::Preruseno) {
                        ++neshod;
                        zrychleni += " NESHODA";
                    }
                } else {
                    prosteCas = ref.Uzly != 0 && zpusob == zhNejmene ? "> " + std::to_string(ref.Uzly) + " pozic"
                                                                     : "> " + Cislo(limitProste * 1000, "%.0f");
                }
            }
            std::printf("| %zu | %s | %s | %s | %s | %s | %llu | %s | %s | %s | %s |\n", c + 1,
                        Cp1250NaUtf8(DejNazev(desky[c])).c_str(),
                        zpusob == zhNejmene ? "nejméně" : zpusob == zhNejkratsi ? "nejkratší" : "nejrychlejší",
                        Kratce(r.Stav), tahu.c_str(), Cislo(m.Ms).c_str(), static_cast<unsigned long long>(m.Pozic),
                        prosteCas.c_str(), prostePozic.c_str(), zrychleni.c_str(),
                        zastaveni < 0 ? "–" : Cislo(zastaveni).c_str());
            std::fflush(stdout);
        }
    }
    std::printf("\nNejdelší odezva na požadavek zastavení: %.1f ms.\n", nejdelsiZastaveni);
    if (neshod != 0) {
        std::printf("\n%d výsledků se liší od prostého hledání!\n", neshod);
        return 1;
    }
    return 0;
}
