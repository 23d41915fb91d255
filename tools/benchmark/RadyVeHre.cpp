// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadyVeHre.h"

#include <chrono>
#include <memory>

#include "KavirelRada.h"
#include "KavirelSluzba.h"

namespace {

using THodiny = std::chrono::steady_clock;

// Runs one request on the given service and waits for its completion,
// stopping it once the limit has passed.
TVysledekUlohy Pockej(TSluzbaReseni& sluzba, TFrontaVolani& fronta, const TPozadavek& pozadavek, double limitSekund)
{
    TVysledekUlohy vysledek;
    bool hotovo = false;
    const THodiny::time_point termin =
        THodiny::now() + std::chrono::duration_cast<THodiny::duration>(std::chrono::duration<double>(limitSekund));
    const std::uint64_t id = sluzba.Spust(pozadavek, [&](const TVysledekUlohy& v) {
        vysledek = v;
        hotovo = true;
    });
    bool zastaveno = false;
    while (!hotovo) {
        if (!fronta.Zpracuj(zastaveno ? THodiny::now() + std::chrono::hours(1) : termin) && !zastaveno) {
            sluzba.Zastav(id);
            zastaveno = true;
        }
    }
    return vysledek;
}

}  // namespace

std::vector<TRadaVeHre> RadyVeHre(const std::vector<TPoziceZeHry>& pozice, bool spolecna, double limitSekund,
                                  std::size_t pamet)
{
    TFrontaVolani fronta;
    std::unique_ptr<TSluzbaReseni> sluzba;
    std::vector<TRadaVeHre> vysledky;
    for (const TPoziceZeHry& p : pozice) {
        if (!spolecna || !sluzba)
            sluzba = std::make_unique<TSluzbaReseni>(fronta.Posta());
        TPozadavek pozadavek;
        pozadavek.Deska = p.Pozice;
        pozadavek.Zpusob = zhRada;
        pozadavek.LimitPameti = pamet;
        const THodiny::time_point zacatek = THodiny::now();
        const TVysledekUlohy v = Pockej(*sluzba, fronta, pozadavek, limitSekund);
        TRadaVeHre r;
        r.Ms = std::chrono::duration<double, std::milli>(THodiny::now() - zacatek).count();
        r.Rozhodnuto = v.Konec == TKonecUlohy::Nalezeno || v.Konec == TKonecUlohy::Neexistuje;
        vysledky.push_back(r);
    }
    return vysledky;
}
