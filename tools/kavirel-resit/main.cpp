// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line solver.
//
//   kavirel-resit [--nejkratsi | --nejmene | --rada] [--limit SECONDS] [--deska N]
//                 [--statistika] [--json | --kresba] FILE
//   kavirel-resit --nahodna NUMBER
//
// Solves the first board of an external board file or a text drawing, or
// board N of a catalogue file, with the solver service: the search runs on
// its worker thread and posts its completion to this program's main thread.
// FILE "-" is standard input; any input is read front to back, so pipes and
// FIFOs work.
//
// stdout (UTF-8): the result text; for a solution then "Potřebných tahů: M"
// (these and all messages in the language of the environment, KavirelJazyk.h)
// and the jumps as "a-b" pairs separated by spaces; a hint (--rada) gives
// the jumps of the first move and those of the rest on two lines. --json
// prints one JSON object instead, --kresba the board as a drawing without
// solving it; --nahodna (--random) the drawing of a random board.
// Exit status: 0 found, 1 no solution, 3 stopped by --limit, 2 unusable
// arguments or file.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "KavirelJazyk.h"
#include "KavirelKresba.h"
#include "KavirelRada.h"
#include "KavirelSluzba.h"
#include "KavirelVstup.h"
#include "KavirelZnaky.h"
#include "Volby.h"
#include "Vystup.h"

#ifndef KAVIREL_VERSION
#define KAVIREL_VERSION "?"
#endif
#ifndef KAVIREL_KATALOGY
#define KAVIREL_KATALOGY "/usr/share/locale"
#define KAVIREL_KATALOGY_VEDLE "../share/locale"
#define KAVIREL_KATALOGY_SESTAVENI "../../locale"
#endif

namespace {

constexpr int kodNalezeno = 0;
constexpr int kodNeexistuje = 1;
constexpr int kodChyba = 2;
constexpr int kodPreruseno = 3;

[[noreturn]] void Chyba(const std::string& zprava)
{
    std::fprintf(stderr, "kavirel-resit: %s\n", zprava.c_str());
    std::exit(kodChyba);
}

std::string Popis(const std::string& jmeno)
{
    return jmeno == "-" ? std::string(Preloz("standardní vstup")) : Formatuj(Preloz("soubor \"%s\""), jmeno);
}

TZaznamDesky NactiDesku(const std::string& jmeno, long cisloDesky)
{
    std::FILE* soubor = stdin;
    if (jmeno != "-") {
        std::error_code chyba;
        if (std::filesystem::is_directory(jmeno, chyba))
            Chyba(Formatuj(Preloz("\"%s\" je adresář, ne soubor s deskou"), jmeno));
        // A FIFO blocks here until its writer comes, as with other tools.
        soubor = std::fopen(jmeno.c_str(), "rb");
        if (soubor == nullptr)
            Chyba(Formatuj(Preloz("soubor \"%s\" se nepodařilo otevřít"), jmeno));
    }
    const TNactenaDeska d = NactiDeskuZProudu(soubor, cisloDesky == 0 ? 1 : cisloDesky);
    if (soubor != stdin)
        std::fclose(soubor);

    const std::string kdo = Popis(jmeno);
    switch (d.Chyba) {
    case TChybaVstupu::Zadna:
        return d.Zaznam;
    case TChybaVstupu::Cteni:
        Chyba(Formatuj(Preloz("chyba při čtení: %s"), kdo));
    case TChybaVstupu::NeniCelaDeska:
        Chyba(Formatuj(Preloz("%s neobsahuje celou desku"), kdo));
    case TChybaVstupu::MaloDesek:
        Chyba(Formatuj(PrelozPocet("%s má jen %s desek", "%s má jen %s desek", static_cast<unsigned long>(d.PocetDesek)),
                      kdo, std::to_string(d.PocetDesek)));
    case TChybaVstupu::NeplatnaDeska:
        Chyba(Formatuj(Preloz("%s neobsahuje platnou desku"), kdo));
    case TChybaVstupu::Kresba:
        if (d.ChybaKresby.Radek > 0)
            Chyba(Formatuj(Preloz("%s, řádek %s: %s"), kdo, std::to_string(d.ChybaKresby.Radek), d.ChybaKresby.Zprava));
        Chyba(kdo + ": " + d.ChybaKresby.Zprava);
    case TChybaVstupu::JedinaKresba:
        Chyba(Formatuj(Preloz("%s je kresba jediné desky, --deska %s nelze"), kdo, std::to_string(cisloDesky)));
    case TChybaVstupu::DlouhaKresba:
        Chyba(Formatuj(Preloz("%s je na kresbu desky příliš dlouhý"), kdo));
    }
    Chyba(Formatuj(Preloz("%s nelze přečíst"), kdo));
}

}  // namespace

int main(int argc, char** argv)
{
    // Czech unless the environment asks for another language; the
    // catalogues lie beside an installed program or in the build tree.
    const TJazyk jazyk = JazykProstredi();
    NastavPreklad(jazyk, NajdiKatalogy(jazyk, {KAVIREL_KATALOGY_VEDLE, KAVIREL_KATALOGY_SESTAVENI,
                                               KAVIREL_KATALOGY}));

    TVolby volby;
    TAkce akce = TAkce::Resit;
    std::string chybaVoleb;
    if (!RozeberVolby(argc, argv, volby, akce, chybaVoleb))
        Chyba(chybaVoleb + "\n" + TextPouziti());
    if (akce == TAkce::Napoveda) {
        std::fputs(TextNapovedy().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : kodChyba;
    }
    if (akce == TAkce::Verze) {
        std::printf("kavirel-resit %s\n", KAVIREL_VERSION);
        return std::fflush(stdout) == 0 ? 0 : kodChyba;
    }

    if (volby.Nahodna) {
        std::fputs(KresbaDesky(NahodnaDeska(volby.CisloNahodne).Zaznam).c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : kodChyba;
    }
    const TZaznamDesky zaznam = NactiDesku(volby.Soubor, volby.CisloDesky);
    if (volby.Kresba) {
        std::fputs(KresbaDesky(zaznam).c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : kodChyba;
    }

    TPozadavek pozadavek;
    pozadavek.Deska = zaznam;
    pozadavek.Zpusob = volby.Rada        ? zhRada
                       : volby.Nejmene   ? zhNejmene
                       : volby.Nejkratsi ? zhNejkratsi
                                         : zhNejrychlejsi;

    TFrontaVolani fronta;
    TSluzbaReseni sluzba(fronta.Posta());
    TVysledekUlohy konecUlohy;
    bool hotovo = false;
    // The limit counts from here, once the board has been read: a pipe or a
    // FIFO may keep the program waiting for its writer for any time before.
    const auto zacatek = std::chrono::steady_clock::now();
    auto konec = zacatek;
    const std::uint64_t uloha = sluzba.Spust(pozadavek, [&](const TVysledekUlohy& v) {
        konecUlohy = v;
        hotovo = true;
        konec = std::chrono::steady_clock::now();
    });
    const auto termin = volby.Limit < 0 ? std::chrono::steady_clock::time_point::max()
                                        : zacatek + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                                        std::chrono::duration<double>(volby.Limit));
    bool zastaveno = false;
    while (!hotovo) {
        const auto doKdy = zastaveno ? std::chrono::steady_clock::now() + std::chrono::hours(1) : termin;
        if (!fronta.Zpracuj(doKdy) && !zastaveno && std::chrono::steady_clock::now() >= termin) {
            sluzba.Zastav(uloha);
            zastaveno = true;
        }
    }
    if (konecUlohy.Konec == TKonecUlohy::Chyba) {
        try {
            std::rethrow_exception(konecUlohy.Chyba);
        } catch (const std::exception& e) {
            Chyba(Formatuj(Preloz("hledání selhalo: %s"), std::string(e.what())));
        } catch (...) {
            Chyba(Preloz("hledání selhalo"));
        }
    }

    // The solve board counts the moves as the game does.
    TSolveDeska deska;
    deska.Nastav(zaznam);
    PredejReseni(deska, JakoReseni(konecUlohy));

    TVysledekBehu vysledek;
    vysledek.Nazev = Cp1250NaUtf8(DejNazev(zaznam));
    vysledek.Typ = zaznam.TypHry;
    vysledek.Nejkratsi = volby.Nejkratsi;
    vysledek.Nejmene = volby.Nejmene;
    vysledek.Rada = volby.Rada;
    vysledek.Konec = konecUlohy.Konec;
    vysledek.Deska = &deska;
    vysledek.Pozic = konecUlohy.Pozic;
    vysledek.Milisekund = std::chrono::duration_cast<std::chrono::milliseconds>(konec - zacatek).count();
    std::fputs((volby.Json ? JsonVystup(vysledek) : TextovyVystup(vysledek)).c_str(), stdout);

    const int kod = konecUlohy.Konec == TKonecUlohy::Nalezeno     ? kodNalezeno
                    : konecUlohy.Konec == TKonecUlohy::Neexistuje ? kodNeexistuje
                                                                   : kodPreruseno;
    if (volby.Statistika)
        std::fprintf(stderr, "%s\n%s\n",
                     Formatuj(Preloz("Prohledaných pozic: %s"), std::to_string(vysledek.Pozic)).c_str(),
                     Formatuj(Preloz("Doba hledání: %s ms"), std::to_string(vysledek.Milisekund)).c_str());
    if (std::fflush(stdout) != 0)
        return kodChyba;
    return kod;
}
