// SPDX-License-Identifier: GPL-3.0-or-later
// Solves every built-in board in all three modes with a time limit and, in
// the same run, the plain search where it finishes within its own limit;
// prints a table of times, positions searched and the speed-up, and how long
// a stop request took to end each search. After the built-in boards comes
// row 18, the English board from its centre to its centre (board 5 with the
// centre as its target field), whose least number of moves is known: 18.
// Then the slowest of the single-vacancy problems of the French board, the
// hint on positions reached by play of every built-in board, and the
// minimum mode on random single-vacancy boards of 25 to 30 fields. Every
// search is a job of the solver service.
//
//   kavirel-benchmark [--limit SECONDS] [--nejmene SECONDS] [--prosta SECONDS]
//                     [--deska N]... [--francouzska SECONDS] [--rady N]
//                     [--nahodne N] [--vse 0|1] [--vestavene 0|1]
//                     [--obtiznost N] [--obtiznost-tahy SECONDS] [--hry N]
//
// --limit        bound of each fast search (default 10 s)
// --nejmene      bound of each search in the minimum mode (default 30 s; 0
//                skips the mode and the random boards)
// --prosta       bound of each plain search (default 5 s; 0 skips it)
// --deska        only the given boards (1..17, 18 the English board from the
//                centre to the centre); repeatable
// --francouzska  bound of each French problem, in the fastest mode and as a
//                hint (default 10 s; 0 skips them)
// --rady         positions from play per built-in board for the hint
//                (default 30; 0 skips them), each bounded by --limit
// --nahodne      random boards of 25 to 30 fields with a solution, for the
//                minimum mode (default 200; 0 skips them); those without
//                one that turn up on the way are measured too
// --vse 1        lists every French problem, hint position and random board
// --vestavene 0  skips the built-in boards
// --obtiznost N  N random boards per difficulty of the game's generator
//                (default 0: none), each solved exactly within --limit;
//                with --obtiznost-tahy S also by the least-moves mode within S
//                seconds (default 2; 0 skips)
// --hry          games per built-in board whose every position asks for a
//                hint in turn, once on one service (as the game asks) and
//                once each on a service of its own (default 0: none)
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
#include "KavirelRada.h"
#include "KavirelSluzba.h"
#include "KavirelZnaky.h"
#include "KavirelKresba.h"
#include "Nahodne.h"
#include "RadyVeHre.h"
#include "ReferencniHledani.h"
#include "ReferencniNejmene.h"
#include "Ulohy.h"

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

const char* Kratce(TKonecUlohy s)
{
    switch (s) {
    case TKonecUlohy::Nalezeno: return "nalezeno";
    case TKonecUlohy::Neexistuje: return "neexistuje";
    case TKonecUlohy::Preruseno: return "přerušeno";
    case TKonecUlohy::Chyba: break;
    }
    return "CHYBA";
}

struct TMereni {
    TVysledekUlohy Reseni;
    double Ms = 0;
    std::uint64_t Pozic = 0;
    double Zastaveni = -1;  // ms from the stop request to the end; -1 when none caught it
};

TMereni Vyres(const TZaznamDesky& deska, std::uint8_t zpusob, double sekund, std::size_t pamet = 0)
{
    TPozadavek pozadavek;
    pozadavek.Deska = deska;
    pozadavek.Zpusob = zpusob;
    pozadavek.LimitPameti = pamet;
    const TBehUlohy beh = VyresAPockej(pozadavek, sekund);
    TMereni m;
    m.Reseni = beh.Vysledek;
    m.Ms = beh.Vysledek.Milisekund;
    m.Pozic = beh.Vysledek.Pozic;
    m.Zastaveni = beh.MsOdZastaveni;
    return m;
}

struct TSouhrn {
    double Median = 0;
    std::size_t Nejhorsi = 0;  // index of the slowest
};

TSouhrn Souhrn(const std::vector<TMereni>& m)
{
    TSouhrn s;
    if (m.empty())
        return s;
    std::vector<double> casy;
    for (std::size_t i = 0; i < m.size(); ++i) {
        casy.push_back(m[i].Ms);
        if (m[i].Ms > m[s.Nejhorsi].Ms)
            s.Nejhorsi = i;
    }
    std::sort(casy.begin(), casy.end());
    const std::size_t n = casy.size();
    s.Median = n % 2 ? casy[n / 2] : (casy[n / 2 - 1] + casy[n / 2]) / 2;
    return s;
}

[[noreturn]] void Pouziti()
{
    std::fprintf(stderr, "Použití: kavirel-benchmark [--limit SEKUND] [--nejmene SEKUND] [--prosta SEKUND] "
                         "[--deska N]... [--francouzska SEKUND] [--rady N] [--nahodne N] [--vse 0|1] "
                         "[--vestavene 0|1] [--obtiznost N] [--obtiznost-tahy SEKUND] [--hry N]\n");
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

// The moves of a result on its board; -1 without a solution.
int Tahu(const TZaznamDesky& z, const TVysledekUlohy& v)
{
    if (v.Konec != TKonecUlohy::Nalezeno)
        return -1;
    TSolveDeska deska;
    deska.Nastav(z);
    PredejReseni(deska, JakoReseni(v));
    return deska.Reseni.DejPocetTahu();
}

int PocetPoli(const TZaznamDesky& z)
{
    int n = 0;
    for (const auto& sloupec : z.Pole)
        for (const auto& pole : sloupec)
            n += pole.Stav != spNeexistujici;
    return n;
}

// The minimum mode on random single-vacancy boards of 25 to 30 fields, the
// two game types in turn, until `naReseni` of them have a solution; those
// without one met on the way are measured too. Prints the worst time and
// returns how many results disagree with the plain search over moves.
int MerNahodne(int naReseni, double limitNejmene, double limitProste, bool vse)
{
    std::mt19937 nahoda(1);
    std::vector<TMereni> mereni;
    std::vector<TZaznamDesky> desky;
    int reseni = 0, neshod = 0, porovnano = 0, pocty[4] = {};
    if (vse)
        std::printf("\n| # | Polí | Typ | Výsledek | Tahů | Čas [ms] | Pozic |\n|---|---|---|---|---|---|---|\n");
    // Most single-vacancy boards have no solution; a bound keeps a seed that
    // gives few from running on forever.
    for (int i = 0; reseni < naReseni && i < 100 * naReseni; ++i) {
        desky.push_back(NahodnaDeska(nahoda, 25, 30, i % 2 == 1));
        const TZaznamDesky& z = desky.back();
        mereni.push_back(Vyres(z, zhNejmene, limitNejmene));
        const TMereni& m = mereni.back();
        ++pocty[static_cast<int>(m.Reseni.Konec)];
        reseni += m.Reseni.Konec == TKonecUlohy::Nalezeno;
        const int tahu = Tahu(z, m.Reseni);
        if (limitProste > 0 && m.Reseni.Konec != TKonecUlohy::Preruseno) {
            std::atomic<bool> stop{false};
            TSolveDeska deska;
            deska.Nastav(z);
            Referencni::TVysledek ref;
            {
                TCasovac casovac(stop, limitProste);
                ref = Referencni::VyresNejmene(deska, &stop, 3'000'000);
            }
            if (ref.Stav != Referencni::TStav::Preruseno) {
                ++porovnano;
                const bool nalezeno = ref.Stav == Referencni::TStav::Nalezeno;
                if (nalezeno != (tahu >= 0)
                    || (nalezeno && TahuReference(ref.Skoky) != static_cast<std::size_t>(tahu))) {
                    ++neshod;
                    std::printf("NESHODA na náhodné desce %zu:\n%s", desky.size(), KresbaDesky(z).c_str());
                }
            }
        }
        if (vse)
            std::printf("| %zu | %d | %s | %s | %d | %.1f | %llu |\n", desky.size(), PocetPoli(z),
                        z.TypHry == thNormalni ? "normální" : "leibniz", Kratce(m.Reseni.Konec), tahu, m.Ms,
                        static_cast<unsigned long long>(m.Pozic));
    }
    if (mereni.empty())
        return neshod;
    const TSouhrn s = Souhrn(mereni);
    const TMereni& n = mereni[s.Nejhorsi];
    std::printf("\nNejméně tahů na %zu náhodných deskách o 25 až 30 polích (jedna díra, semínko 1, limit %g s): "
                "nalezeno %d, neexistuje %d, přerušeno %d; medián %.2f ms; s prostým hledáním porovnáno %d\n",
                mereni.size(), limitNejmene, pocty[0], pocty[1], pocty[2], s.Median, porovnano);
    std::printf("| Nejméně tahů, náhodné desky ≤ 30 polí: nejhorší | %.1f ms (%d polí, %s, %s, %llu pozic) |\n", n.Ms,
                PocetPoli(desky[s.Nejhorsi]), desky[s.Nejhorsi].TypHry == thNormalni ? "normální" : "leibniz",
                Kratce(n.Reseni.Konec), static_cast<unsigned long long>(n.Pozic));
    std::printf("\nNejpomalejší z nich:\n%s", KresbaDesky(desky[s.Nejhorsi]).c_str());
    std::fflush(stdout);
    return neshod;
}

void MerFrancouzske(std::uint8_t zpusob, double limit, bool vse)
{
    // Most problems are decided at once by the parity of their classes.
    const std::vector<TFrancouzskaUloha> ulohy = FrancouzskeUlohy();
    const char* const nazev = zpusob == zhRada ? "rada (libovolné řešení)" : "nejrychlejší";
    std::vector<TMereni> mereni;
    int pocty[4] = {};
    if (vse)
        std::printf("\n| Úloha (%s) | Výsledek | Čas [ms] | Pozic |\n|---|---|---|---|\n", nazev);
    for (const TFrancouzskaUloha& u : ulohy) {
        mereni.push_back(Vyres(u.Deska, zpusob, limit));
        ++pocty[static_cast<int>(mereni.back().Reseni.Konec)];
        if (vse)
            std::printf("| %s | %s | %.1f | %llu |\n", u.Nazev.c_str(), Kratce(mereni.back().Reseni.Konec),
                        mereni.back().Ms, static_cast<unsigned long long>(mereni.back().Pozic));
    }
    const TSouhrn s = Souhrn(mereni);
    std::vector<double> casy;
    for (const TMereni& m : mereni)
        casy.push_back(m.Ms);
    std::sort(casy.begin(), casy.end());
    auto nad = [&](double ms) { return static_cast<long>(casy.end() - std::upper_bound(casy.begin(), casy.end(), ms)); };
    std::printf("\nFrancouzská deska, jedna díra → jeden kámen na cílovém poli, %s, limit %g s: %zu úloh, "
                "nalezeno %d, neexistuje %d, přerušeno %d; medián %.2f ms; nad 0,1 s %ld, nad 1 s %ld, nad 5 s %ld\n",
                nazev, limit, ulohy.size(), pocty[0], pocty[1], pocty[2], s.Median, nad(100), nad(1000), nad(5000));
    const TMereni& n = mereni[s.Nejhorsi];
    std::printf("| Nejpomalejší francouzská úloha, %s | %s | %s | %.1f ms | %llu pozic |\n", nazev,
                ulohy[s.Nejhorsi].Nazev.c_str(), Kratce(n.Reseni.Konec), n.Ms, static_cast<unsigned long long>(n.Pozic));
    std::fflush(stdout);
}

void VypisRadyVeHre(int her, double limit)
{
    const std::vector<TPoziceZeHry> pozice = PoziceCelychHer(her, 1);
    std::printf("\nRada v každé pozici %d her na desku (semínko 1, limit %g s, tabulky do 256 MiB), %zu pozic:\n"
                "| Služba | Medián [ms] | Nejhorší [ms] | Celkem [s] | Nerozhodnuto |\n|---|---|---|---|---|\n",
                her, limit, pozice.size());
    for (bool spolecna : {false, true}) {
        const std::vector<TRadaVeHre> rady = RadyVeHre(pozice, spolecna, limit, std::size_t(256) << 20);
        std::vector<double> casy;
        int nerozhodnuto = 0;
        for (const TRadaVeHre& r : rady) {
            casy.push_back(r.Ms);
            nerozhodnuto += r.Rozhodnuto ? 0 : 1;
        }
        std::sort(casy.begin(), casy.end());
        double celkem = 0;
        for (double c : casy)
            celkem += c;
        std::printf("| %s | %.2f | %.1f | %.1f | %d |\n", spolecna ? "jedna pro celou hru" : "nová pro každou radu",
                    casy.empty() ? 0.0 : casy[casy.size() / 2], casy.empty() ? 0.0 : casy.back(), celkem / 1000,
                    nerozhodnuto);
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    double limit = 10, limitNejmene = 30, limitProste = 5, limitFrancouzske = 10;
    int rad = 30, nahodnych = 200, zObtiznosti = 0, her = 0;
    double limitTahu = 2;
    bool vse = false, vestavene = true;
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
        else if (a == "--francouzska")
            limitFrancouzske = h;
        else if (a == "--rady" && h <= 100000)
            rad = static_cast<int>(h);
        else if (a == "--nahodne" && h <= 100000)
            nahodnych = static_cast<int>(h);
        else if (a == "--hry" && h <= 1000)
            her = static_cast<int>(h);
        else if (a == "--vse")
            vse = h != 0;
        else if (a == "--vestavene")
            vestavene = h != 0;
        else if (a == "--obtiznost" && h <= 100000)
            zObtiznosti = static_cast<int>(h);
        else if (a == "--obtiznost-tahy")
            limitTahu = h;
        else
            Pouziti();
    }

    std::vector<TZaznamDesky> desky = StandardniZaznamy();
    desky.push_back(AnglickaStredNaStred());
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
        if (!vestavene
            || (!vybrane.empty() && std::find(vybrane.begin(), vybrane.end(), static_cast<int>(c + 1)) == vybrane.end()))
            continue;
        for (std::uint8_t zpusob : rezimy) {
            TSolveDeska deska;
            deska.Nastav(desky[c]);
            deska.ZpusobHledani = zpusob;
            const double mez = zpusob == zhNejmene ? limitNejmene : limit;

            TMereni m = Vyres(desky[c], zpusob, mez);
            if (m.Ms < 200) {
                std::vector<double> casy = {m.Ms, Vyres(desky[c], zpusob, mez).Ms, Vyres(desky[c], zpusob, mez).Ms};
                std::sort(casy.begin(), casy.end());
                m.Ms = casy[1];
            }
            double zastaveni = m.Zastaveni;
            for (double po : {0.005, 0.05}) {
                if (m.Ms / 1000 > po)
                    zastaveni = std::max(zastaveni, Vyres(desky[c], zpusob, po).Zastaveni);
            }
            nejdelsiZastaveni = std::max(nejdelsiZastaveni, zastaveni);
            const TReseni r = JakoReseni(m.Reseni);
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
                        Kratce(m.Reseni.Konec), tahu.c_str(), Cislo(m.Ms).c_str(), static_cast<unsigned long long>(m.Pozic),
                        prosteCas.c_str(), prostePozic.c_str(), zrychleni.c_str(),
                        zastaveni < 0 ? "–" : Cislo(zastaveni).c_str());
            std::fflush(stdout);
        }
    }
    std::printf("\nNejdelší odezva na požadavek zastavení: %.1f ms.\n", nejdelsiZastaveni);

    if (limitFrancouzske > 0) {
        // The fastest mode's order is fixed; the hint may take any solution.
        MerFrancouzske(zhNejrychlejsi, limitFrancouzske, vse);
        MerFrancouzske(zhRada, limitFrancouzske, vse);
    }

    if (rad > 0) {
        const std::vector<TPoziceZeHry> pozice = PoziceZeHry(rad, 1);
        std::vector<TMereni> mereni;
        int pocty[4] = {};
        if (vse)
            std::printf("\n| # | Skoků | Výsledek | Čas [ms] | Pozic |\n|---|---|---|---|---|\n");
        for (const TPoziceZeHry& p : pozice) {
            // As the game asks: tables of at most 256 MiB.
            mereni.push_back(Vyres(p.Pozice, zhRada, limit, std::size_t(256) << 20));
            ++pocty[static_cast<int>(mereni.back().Reseni.Konec)];
            if (vse)
                std::printf("| %d | %d | %s | %.2f | %llu |\n", p.Deska, p.Skoku, Kratce(mereni.back().Reseni.Konec),
                            mereni.back().Ms, static_cast<unsigned long long>(mereni.back().Pozic));
        }
        const TSouhrn s = Souhrn(mereni);
        const TMereni& n = mereni[s.Nejhorsi];
        std::printf("\nRada z %zu pozic ze hry (%d na desku, semínko 1, limit %g s): nalezeno %d, neexistuje %d, "
                    "přerušeno %d\n",
                    pozice.size(), rad, limit, pocty[0], pocty[1], pocty[2]);
        std::printf("| Rada: medián | %.2f ms |\n| Rada: nejhorší | %.1f ms (deska %d po %d skocích, %s, %llu pozic) |\n",
                    s.Median, n.Ms, pozice[s.Nejhorsi].Deska, pozice[s.Nejhorsi].Skoku, Kratce(n.Reseni.Konec),
                    static_cast<unsigned long long>(n.Pozic));
        std::printf("\nNejpomalejší pozice:\n%s", KresbaDesky(pozice[s.Nejhorsi].Pozice).c_str());
    }
    if (limitNejmene > 0 && nahodnych > 0)
        neshod += MerNahodne(nahodnych, limitNejmene, limitProste, vse);
    const int chybNahodnych = zObtiznosti > 0 ? ZmerNahodneDesky(zObtiznosti, limit, limitTahu) : 0;
    if (her > 0)
        VypisRadyVeHre(her, limit);
    if (neshod != 0) {
        std::printf("\n%d výsledků se liší od prostého hledání!\n", neshod);
        return 1;
    }
    if (chybNahodnych != 0) {
        std::printf("\n%d náhodných desek bez řešení, nerozhodnutých nebo různých při druhém sestavení!\n", chybNahodnych);
        return 1;
    }
    return 0;
}
