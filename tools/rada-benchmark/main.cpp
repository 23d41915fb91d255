// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long the play tab's hint takes: one fastest search from the
// position, as the hint runs it, on the start position of every built-in
// board and on positions reached by random play from them; prints each
// built-in board's time, then the median and the worst of both sets (the
// random positions also split by outcome) and the slowest random positions.
//
//   kavirel-rada-benchmark [--nahodnych N] [--seminko S] [--limit SECONDS]
//
// --nahodnych  positions reached by random play (default 200)
// --seminko    seed of the random play (default 1)
// --limit      stop a search after this long (default 60 s); a stopped
//              search counts with its time and is reported
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "KavirelFile.h"
#include "KavirelRada.h"

namespace {

using THodiny = std::chrono::steady_clock;

struct TMereni {
    double Ms = 0;
    TRadaTahu Rada;
};

TMereni Zmer(const TZaznamDesky& pozice, double limitSekund)
{
    TRizeniHledani rizeni;
    rizeni.LimitPameti = std::size_t(256) << 20;  // as in the game
    std::mutex zamek;
    std::condition_variable podminka;
    bool konec = false;
    std::thread hlidac([&] {
        std::unique_lock<std::mutex> z(zamek);
        if (!podminka.wait_for(z, std::chrono::duration<double>(limitSekund), [&] { return konec; }))
            rizeni.Zastavit.store(true, std::memory_order_relaxed);
    });
    TMereni m;
    const auto start = THodiny::now();
    m.Rada = DejRadu(pozice, rizeni);
    m.Ms = std::chrono::duration<double, std::milli>(THodiny::now() - start).count();
    {
        std::lock_guard<std::mutex> z(zamek);
        konec = true;
    }
    podminka.notify_all();
    hlidac.join();
    return m;
}

const char* Popis(const TRadaTahu& r)
{
    switch (r.Stav) {
    case TVysledekHledani::Nalezeno:
        return r.BezSkoku ? "cíl" : "tah";
    case TVysledekHledani::Neexistuje:
        return "bez řešení";
    case TVysledekHledani::Preruseno:
        return "PŘERUŠENO";
    }
    return "?";
}

// The legal jumps of the position by the board's own rule.
std::vector<std::pair<TPozice, TPozice>> Skoky(const TGameDeska& d)
{
    std::vector<std::pair<TPozice, TPozice>> v;
    const int smery[4][2] = {{0, -2}, {0, 2}, {-2, 0}, {2, 0}};
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            for (const auto& s : smery) {
                const TPozice a{x, y};
                const TPozice b{x + s[0], y + s[1]};
                if (b.X < 0 || b.Y < 0 || b.X >= RozmerDesky || b.Y >= RozmerDesky)
                    continue;
                if (d.JeSkokPlatny(a, b))
                    v.emplace_back(a, b);
            }
    return v;
}

struct TSouhrn {
    double Median = 0;
    double Nejhorsi = 0;
};

TSouhrn Souhrn(std::vector<double> casy)
{
    TSouhrn s;
    if (casy.empty())
        return s;
    std::sort(casy.begin(), casy.end());
    const std::size_t n = casy.size();
    s.Median = n % 2 ? casy[n / 2] : (casy[n / 2 - 1] + casy[n / 2]) / 2;
    s.Nejhorsi = casy.back();
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    int nahodnych = 200;
    unsigned seminko = 1;
    double limit = 60;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--nahodnych"))
            nahodnych = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--seminko"))
            seminko = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (!std::strcmp(argv[i], "--limit"))
            limit = std::atof(argv[i + 1]);
        else {
            std::fprintf(stderr, "neznámý přepínač %s\n", argv[i]);
            return 2;
        }
    }

    const std::vector<TZaznamDesky> desky = StandardniZaznamy();
    std::vector<double> casyStart;
    int preruseno = 0;
    // Names are Windows-1250 bytes; the number says which board it is.
    std::printf("| # | Výsledek | Čas [ms] |\n|---|---|---|\n");
    for (std::size_t i = 0; i < desky.size(); ++i) {
        const TMereni m = Zmer(desky[i], limit);
        casyStart.push_back(m.Ms);
        preruseno += m.Rada.Stav == TVysledekHledani::Preruseno;
        std::printf("| %zu | %s | %.1f |\n", i + 1, Popis(m.Rada), m.Ms);
        std::fflush(stdout);
    }

    // Random play: a random built-in board, then a random number of random
    // legal jumps (at most until no jump is left).
    std::mt19937 nahoda(seminko);
    std::vector<double> casyNahodne, casyNalezeno, casyBezReseni;
    struct TPomala {
        double Ms;
        std::size_t Deska;
        int Skoku;
        const char* Vysledek;
    };
    std::vector<TPomala> pomale;
    int nalezeno = 0, bezReseni = 0, cil = 0;
    for (int n = 0; n < nahodnych; ++n) {
        TGameDeska d;
        const std::size_t deska = std::uniform_int_distribution<std::size_t>(0, desky.size() - 1)(nahoda);
        d.Nastav(desky[deska]);
        const int delka = std::uniform_int_distribution<int>(1, 40)(nahoda);
        int skoku = 0;
        for (int k = 0; k < delka; ++k, ++skoku) {
            const auto moznosti = Skoky(d);
            if (moznosti.empty())
                break;
            const auto& s = moznosti[std::uniform_int_distribution<std::size_t>(0, moznosti.size() - 1)(nahoda)];
            d.ProvedSkok(s.first, s.second, StredSkoku(s.first, s.second));
        }
        const TMereni m = Zmer(d.Zaznam, limit);
        casyNahodne.push_back(m.Ms);
        pomale.push_back({m.Ms, deska + 1, skoku, Popis(m.Rada)});
        switch (m.Rada.Stav) {
        case TVysledekHledani::Nalezeno:
            (m.Rada.BezSkoku ? cil : nalezeno)++;
            casyNalezeno.push_back(m.Ms);
            break;
        case TVysledekHledani::Neexistuje:
            bezReseni++;
            casyBezReseni.push_back(m.Ms);
            break;
        case TVysledekHledani::Preruseno:
            preruseno++;
            break;
        }
    }

    const TSouhrn s1 = Souhrn(casyStart);
    const TSouhrn s2 = Souhrn(casyNahodne);
    std::printf("\nZačátky vestavěných desek (%zu): medián %.2f ms, nejhorší %.1f ms\n", casyStart.size(), s1.Median,
                s1.Nejhorsi);
    std::printf("Náhodné pozice (%d, semínko %u): medián %.2f ms, nejhorší %.1f ms; tah %d, bez řešení %d, cíl %d\n",
                nahodnych, seminko, s2.Median, s2.Nejhorsi, nalezeno, bezReseni, cil);
    const TSouhrn s3 = Souhrn(casyNalezeno);
    const TSouhrn s4 = Souhrn(casyBezReseni);
    std::printf("  s řešením: medián %.2f ms, nejhorší %.1f ms; bez řešení: medián %.2f ms, nejhorší %.1f ms\n",
                s3.Median, s3.Nejhorsi, s4.Median, s4.Nejhorsi);
    std::printf("Přerušeno limitem %.0f s: %d\n", limit, preruseno);
    std::sort(pomale.begin(), pomale.end(), [](const TPomala& a, const TPomala& b) { return a.Ms > b.Ms; });
    std::printf("Nejpomalejší náhodné pozice:\n");
    for (std::size_t i = 0; i < pomale.size() && i < 8; ++i)
        std::printf("  deska %zu po %d skocích: %s, %.1f ms\n", pomale[i].Deska, pomale[i].Skoku, pomale[i].Vysledek,
                    pomale[i].Ms);
    return 0;
}
