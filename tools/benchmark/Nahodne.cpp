// SPDX-License-Identifier: GPL-3.0-or-later
#include "Nahodne.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>

#include "KavirelKresba.h"
#include "KavirelNahodna.h"
#include "KavirelSluzba.h"
#include "KavirelStatistika.h"

namespace {

// CPU time of the calling thread: the generator runs there alone, so this is
// its own cost, whatever else the machine is doing.
double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::string Zatizeni()
{
    double z[3] = {};
    if (getloadavg(z, 3) != 3)
        return "?";
    char b[64];
    std::snprintf(b, sizeof b, "%.2f %.2f %.2f", z[0], z[1], z[2]);
    return b;
}

struct TRozsah {
    long long Soucet = 0;
    int Min = 1 << 30, Max = -1, Pocet = 0;
    void Pridej(int x)
    {
        Soucet += x;
        Min = std::min(Min, x);
        Max = std::max(Max, x);
        ++Pocet;
    }
    std::string Text() const
    {
        if (Pocet == 0)
            return "–";
        char b[64];
        std::snprintf(b, sizeof b, "%.1f (%d–%d)", static_cast<double>(Soucet) / Pocet, Min, Max);
        return b;
    }
};

// The moves of a solution as the game counts them.
int Tahu(const TZaznamDesky& z, const TVysledekUlohy& v)
{
    TSolveDeska deska;
    deska.Nastav(z);
    PredejReseni(deska, JakoReseni(v));
    return deska.Reseni.DejPocetTahu();
}

} // namespace

int ZmerNahodneDesky(int naUroven, double limitReseni, double limitTahu)
{
    std::printf("\nNáhodné desky: %d čísel na obtížnost (semínka rozložená po celém rozsahu), přesné hledání "
                "s limitem %g s, nejmenší počet tahů s limitem %g s; zatížení na začátku %s.\n\n",
                naUroven, limitReseni, limitTahu, Zatizeni().c_str());
    std::printf("| Obtížnost | Pásmo úspěšných her [‰] | Polí | Kamenů | S cílovými poli | Leibniz | Úspěšných "
                "náhodných her [‰] | V pásmu | Nejméně tahů (přesně) | Tahů prvního nalezeného řešení "
                "| Řešitelné (přesně) | Nerozhodnuto | Generování: průměr / nejhorší [ms CPU] | Nejhorší [ms] "
                "| Hledání nejhorší [ms] | Stejné číslo = stejná deska | Různých desek |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    int chyb = 0;
    for (int d = MinObtiznost; d <= MaxObtiznost; ++d) {
        TRozsah poli, kamenu, promile, nejmene, prvni;
        int sCili = 0, leibniz = 0, vPasmu = 0, reseno = 0, nerozhodnuto = 0, stejnych = 0;
        double cpuSoucet = 0, cpuNejhorsi = 0, nejhorsi = 0, hledaniNejhorsi = 0;
        std::string nejhorsiCislo;
        std::set<std::string> ruzne;
        for (int k = 0; k < naUroven; ++k) {
            // Seeds spread over 1..999999 (104729 is prime to 999999).
            const TCisloDesky c{d, static_cast<std::int32_t>(1 + (static_cast<long long>(k) * 104729) % MaxSeminko)};
            const double cpu0 = CpuMs();
            const auto t0 = std::chrono::steady_clock::now();
            const TNahodnaDeska b = NahodnaDeska(c);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
            const double cpu = CpuMs() - cpu0;
            cpuSoucet += cpu;
            if (cpu > cpuNejhorsi) {
                cpuNejhorsi = cpu;
                nejhorsiCislo = TextCislaDesky(c);
            }
            nejhorsi = std::max(nejhorsi, ms);
            const TNahodnaDeska znovu = NahodnaDeska(c);
            if (std::memcmp(&b.Zaznam, &znovu.Zaznam, sizeof b.Zaznam) == 0
                && KresbaDesky(b.Zaznam) == KresbaDesky(znovu.Zaznam))
                ++stejnych;
            ruzne.insert(IdentitaZaznamu(b.Zaznam));
            poli.Pridej(b.Poli);
            kamenu.Pridej(b.Kamenu);
            promile.Pridej(b.Promile);
            sCili += b.Cilovych > 0 ? 1 : 0;
            leibniz += b.Zaznam.TypHry == thLeibniz ? 1 : 0;
            vPasmu += b.VPasmu ? 1 : 0;

            TPozadavek p;
            p.Deska = b.Zaznam;
            p.Zpusob = zhNejrychlejsi;
            const TBehUlohy r = VyresAPockej(p, limitReseni);
            hledaniNejhorsi = std::max(hledaniNejhorsi, r.Vysledek.Milisekund);
            if (r.Vysledek.Konec == TKonecUlohy::Nalezeno) {
                ++reseno;
                prvni.Pridej(Tahu(b.Zaznam, r.Vysledek));
            } else if (r.Vysledek.Konec == TKonecUlohy::Preruseno) {
                ++nerozhodnuto;
            } else {
                std::printf("CHYBA: %s nemá řešení\n%s", TextCislaDesky(c).c_str(), KresbaDesky(b.Zaznam).c_str());
            }
            if (limitTahu > 0) {
                // The true least number of moves, not the shortest mode's bound.
                p.Zpusob = zhNejmene;
                const TBehUlohy n = VyresAPockej(p, limitTahu);
                if (n.Vysledek.Konec == TKonecUlohy::Nalezeno)
                    nejmene.Pridej(Tahu(b.Zaznam, n.Vysledek));
            }
        }
        chyb += (naUroven - reseno) + (naUroven - stejnych);
        const TPasmo pasmo = PasmoObtiznosti(d);
        char pasmoText[32];
        std::snprintf(pasmoText, sizeof pasmoText, d == MinObtiznost ? "≥ %d" : "%d–%d", pasmo.Od, pasmo.Do - 1);
        std::string nejmeneText = nejmene.Text();
        if (limitTahu > 0 && nejmene.Pocet < naUroven)
            nejmeneText += " z " + std::to_string(nejmene.Pocet) + " desek";
        std::printf("| %d | %s | %s | %s | %d | %d | %s | %d | %s | %s | %d | %d | %.1f / %.1f (%s) | %.1f | %.1f | %d "
                    "| %zu |\n",
                    d, pasmoText, poli.Text().c_str(), kamenu.Text().c_str(), sCili, leibniz, promile.Text().c_str(),
                    vPasmu, limitTahu > 0 ? nejmeneText.c_str() : "–", prvni.Text().c_str(), reseno, nerozhodnuto,
                    cpuSoucet / std::max(naUroven, 1), cpuNejhorsi, nejhorsiCislo.c_str(), nejhorsi, hledaniNejhorsi,
                    stejnych, ruzne.size());
        std::fflush(stdout);
    }
    std::printf("\nZatížení na konci %s.\n", Zatizeni().c_str());
    return chyb;
}
