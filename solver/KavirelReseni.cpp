// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelReseni.h"

#if defined(__has_include)
#if __has_include(<unistd.h>)
#include <unistd.h>
#define KAVIREL_MA_SYSCONF 1
#endif
#endif

#include "KavirelHledani.h"
#include "KavirelJazyk.h"
#include "KavirelNejmene.h"

// Translated where they are shown (Preloz); the board keeps them in Czech.
const char* const TextReseniNalezeno = N_("Řešení nalezeno");
const char* const TextReseniNeexistuje = N_("Řešení neexistuje");
const char* const TextReseniPreruseno = N_("Řešení přerušeno uživatelem");

void PripravUlohu(TUlohaReseni& u, const TSolveDeska& deska)
{
    u.ZbyvaKamenu = 0;
    u.PocetPoli = 0;
    u.CilovychPoli = 0;
    u.ZbyvaPrazdnych = 0;
    u.Nalezeno = false;
    u.Preruseno = false;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            u.PoleHledani[x][y] = deska.Zaznam.Pole[x][y];
    // The counters come from the board, which counted them when it took the
    // record over; a 9 x 9 board keeps every one of them below 82.
    u.PocetPoli = static_cast<std::uint8_t>(deska.PocetKamenu + deska.PocetPrazdnych);
    u.ZbyvaPrazdnych = static_cast<std::uint8_t>(deska.PocetPrazdnych);
    u.ZbyvaKamenu = static_cast<std::uint8_t>(deska.PocetKamenu);
    u.CilovychPoli = static_cast<std::uint8_t>(deska.PocetCilovych);
    u.Zpusob = deska.ZpusobHledani;
    u.Typ = deska.Zaznam.TypHry;

    // The rectangle from the field numbers: field 1 lies in the top row of
    // fields and field PocetPoli in the bottom one, since fields are numbered
    // row by row.
    u.MinX = 8;
    u.MinY = 0;
    u.MaxX = 0;
    u.MaxY = 0;
    for (int x = 0; x < RozmerDesky; ++x) {
        for (int y = 0; y < RozmerDesky; ++y) {
            const std::uint8_t n = u.PoleHledani[x][y].Cislo;
            if (n == 1)
                u.MinY = y;
            if (n == u.PocetPoli)
                u.MaxY = y;
            if (n != 0) {
                if (x < u.MinX)
                    u.MinX = x;
                if (x > u.MaxX)
                    u.MaxX = x;
            }
        }
    }
}

std::size_t VychoziLimitPameti(std::size_t strop)
{
    std::size_t limit = strop;
#ifdef KAVIREL_MA_SYSCONF
    const long stranek = sysconf(_SC_PHYS_PAGES);
    const long stranka = sysconf(_SC_PAGE_SIZE);
    if (stranek > 0 && stranka > 0) {
        const double ctvrtina = static_cast<double>(stranek) * static_cast<double>(stranka) / 4;
        if (ctvrtina < static_cast<double>(limit))
            limit = static_cast<std::size_t>(ctvrtina);
    }
#endif
    return limit;
}

void HledejNejrychlejsi(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    KavirelHledani::Prohledej(uloha, rizeni, false, false);
}

void HledejNejrychlejsiLeibniz(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    KavirelHledani::Prohledej(uloha, rizeni, true, false);
}

void HledejNejkratsi(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    KavirelHledani::Prohledej(uloha, rizeni, false, true);
}

void HledejNejkratsiLeibniz(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    KavirelHledani::Prohledej(uloha, rizeni, true, true);
}

void HledejNejmene(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    KavirelHledani::ProhledejNejmene(uloha, rizeni, false);
}

void HledejNejmeneLeibniz(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    KavirelHledani::ProhledejNejmene(uloha, rizeni, true);
}

void Hledej(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    const bool leibniz = uloha.Typ != thNormalni;
    if (uloha.Zpusob == zhNejmene) {
        if (leibniz)
            HledejNejmeneLeibniz(uloha, rizeni);
        else
            HledejNejmene(uloha, rizeni);
    } else if (uloha.Zpusob == zhNejrychlejsi) {
        if (leibniz)
            HledejNejrychlejsiLeibniz(uloha, rizeni);
        else
            HledejNejrychlejsi(uloha, rizeni);
    } else {
        if (leibniz)
            HledejNejkratsiLeibniz(uloha, rizeni);
        else
            HledejNejkratsi(uloha, rizeni);
    }
}

TReseni DejReseni(const TUlohaReseni& uloha)
{
    TReseni r;
    if (uloha.Preruseno) {
        r.Stav = TVysledekHledani::Preruseno;
    } else if (!uloha.Nalezeno) {
        r.Stav = TVysledekHledani::Neexistuje;
    } else {
        r.Stav = TVysledekHledani::Nalezeno;
        for (int i = 0; i < DelkaCesty && uloha.Vysledek[i].CisloOdkud != 0; ++i)
            r.Skoky.push_back(uloha.Vysledek[i]);
    }
    return r;
}

const char* TextVysledku(TVysledekHledani stav)
{
    switch (stav) {
    case TVysledekHledani::Nalezeno:
        return TextReseniNalezeno;
    case TVysledekHledani::Neexistuje:
        return TextReseniNeexistuje;
    case TVysledekHledani::Preruseno:
        break;
    }
    return TextReseniPreruseno;
}

void PredejReseni(TSolveDeska& deska, const TReseni& reseni)
{
    deska.StavReseni = TextVysledku(reseni.Stav);
    if (reseni.Stav != TVysledekHledani::Nalezeno)
        return;
    deska.Reseni.Vymaz();
    for (const TSkokCesty& s : reseni.Skoky)
        deska.PridejSkokReseni(s.CisloOdkud, s.CisloKam);
}

TReseni VyresDesku(const TSolveDeska& deska, std::uint8_t zpusob, TRizeniHledani& rizeni)
{
    TUlohaReseni uloha;
    PripravUlohu(uloha, deska);
    uloha.Zpusob = zpusob;
    Hledej(uloha, rizeni);
    return DejReseni(uloha);
}

