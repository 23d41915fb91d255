// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line solver.
//
//   kavirel-resit [--nejkratsi] [--limit SECONDS] [--deska N] [--statistika] FILE
//
// Solves the first board of an external board file, or board N of a
// catalogue file, with the solver's own job facility: the search runs on its
// worker thread and hands its completion to this program's main thread.
//
// stdout (UTF-8): the result text; for a solution then "Potřebných tahů: M"
// and the jumps as "a-b" pairs separated by spaces.
// Exit status: 0 found, 1 no solution, 3 stopped by --limit, 2 unusable
// arguments or file.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>

#include "KavirelFile.h"
#include "KavirelReseni.h"

namespace {

constexpr int kodNalezeno = 0;
constexpr int kodNeexistuje = 1;
constexpr int kodChyba = 2;
constexpr int kodPreruseno = 3;

const char* const Pouziti =
    "Použití: kavirel-resit [--nejkratsi] [--limit SEKUND] [--deska N] [--statistika] SOUBOR\n";

[[noreturn]] void Chyba(const std::string& zprava)
{
    std::fprintf(stderr, "kavirel-resit: %s\n", zprava.c_str());
    std::exit(kodChyba);
}

// Calls posted by the solver, run on the main thread.
class TFrontaVolani {
public:
    void Vloz(std::function<void()> volani)
    {
        {
            std::lock_guard<std::mutex> zamek(Zamek);
            Fronta.push_back(std::move(volani));
        }
        Podminka.notify_one();
    }

    // Runs the calls that arrive until the deadline; false when none came.
    bool Zpracuj(std::chrono::steady_clock::time_point doKdy)
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

private:
    std::mutex Zamek;
    std::condition_variable Podminka;
    std::deque<std::function<void()>> Fronta;
};

bool NactiZaznam(const std::string& jmeno, long deska, TZaznamDesky& zaznam)
{
    std::error_code chyba;
    if (std::filesystem::is_directory(jmeno, chyba))
        Chyba("\"" + jmeno + "\" je adresář, ne soubor s deskou");
    std::ifstream soubor(jmeno, std::ios::binary);
    if (!soubor)
        Chyba("soubor \"" + jmeno + "\" se nepodařilo otevřít");
    soubor.seekg(0, std::ios::end);
    const std::streamoff velikost = soubor.tellg();
    const long desek = velikost > 0 ? static_cast<long>(velikost / static_cast<std::streamoff>(VelikostZaznamu)) : 0;
    if (desek == 0)
        Chyba("soubor \"" + jmeno + "\" neobsahuje celou desku");
    if (deska > desek)
        Chyba("soubor \"" + jmeno + "\" má jen " + std::to_string(desek) + " desek");
    soubor.seekg(static_cast<std::streamoff>(deska - 1) * static_cast<std::streamoff>(VelikostZaznamu));
    soubor.read(reinterpret_cast<char*>(&zaznam), static_cast<std::streamsize>(VelikostZaznamu));
    if (!soubor)
        Chyba("chyba při čtení ze souboru \"" + jmeno + "\"");
    return JeZaznamPlatny(zaznam);
}

}  // namespace

int main(int argc, char** argv)
{
    bool nejkratsi = false, statistika = false;
    double limit = -1;
    long cisloDesky = 0;
    std::string jmeno;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--nejkratsi") {
            nejkratsi = true;
        } else if (a == "--statistika") {
            statistika = true;
        } else if (a == "--limit" || a == "--deska") {
            if (i + 1 >= argc)
                Chyba("u " + a + " chybí hodnota\n" + Pouziti);
            const std::string h = argv[++i];
            char* konec = nullptr;
            if (a == "--limit") {
                limit = std::strtod(h.c_str(), &konec);
                if (h.empty() || *konec != '\0' || !(limit >= 0) || limit > 1e9)
                    Chyba("neplatný limit \"" + h + "\"\n" + Pouziti);
            } else {
                cisloDesky = std::strtol(h.c_str(), &konec, 10);
                if (h.empty() || *konec != '\0' || cisloDesky < 1 || cisloDesky > 1000000)
                    Chyba("neplatné číslo desky \"" + h + "\"\n" + Pouziti);
            }
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            Chyba("neznámý přepínač \"" + a + "\"\n" + Pouziti);
        } else if (jmeno.empty()) {
            jmeno = a;
        } else {
            Chyba(std::string("zadejte jediný soubor\n") + Pouziti);
        }
    }
    if (jmeno.empty())
        Chyba(std::string("chybí soubor\n") + Pouziti);

    TZaznamDesky zaznam = PrazdnyZaznam();
    if (!NactiZaznam(jmeno, cisloDesky == 0 ? 1 : cisloDesky, zaznam))
        Chyba("soubor \"" + jmeno + "\" neobsahuje platnou desku");

    TSolveDeska deska;
    deska.Nastav(zaznam);
    deska.ZpusobHledani = nejkratsi ? zhNejkratsi : zhNejrychlejsi;
    deska.Reseni.Vymaz();

    TFrontaVolani fronta;
    NastavVolaniNaHlavnimVlakne([&fronta](std::function<void()> volani) { fronta.Vloz(std::move(volani)); });
    bool hotovo = false;
    const auto zacatek = std::chrono::steady_clock::now();
    auto konec = zacatek;
    SpustReseni(deska, [&] {
        hotovo = true;
        konec = std::chrono::steady_clock::now();
    });
    const auto termin = limit < 0 ? std::chrono::steady_clock::time_point::max()
                                  : zacatek + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                        std::chrono::duration<double>(limit));
    bool zastaveno = false;
    while (!hotovo) {
        const auto doKdy = zastaveno ? std::chrono::steady_clock::now() + std::chrono::hours(1) : termin;
        if (!fronta.Zpracuj(doKdy) && !zastaveno && std::chrono::steady_clock::now() >= termin) {
            PrerusReseni();
            zastaveno = true;
        }
    }
    UkonciReseni();

    std::printf("%s\n", deska.StavReseni.c_str());
    int kod = kodNeexistuje;
    if (deska.StavReseni == TextReseniPreruseno) {
        kod = kodPreruseno;
    } else if (deska.StavReseni == TextReseniNalezeno) {
        kod = kodNalezeno;
        std::printf("Potřebných tahů: %d\n", deska.Reseni.DejPocetTahu());
        std::string skoky;
        for (std::int32_t i = 1; i <= deska.Reseni.DejPocet(); ++i) {
            const TTahReseni& t = deska.Reseni.Skok(i);
            if (!skoky.empty())
                skoky += ' ';
            skoky += std::to_string(t.CisloOdkud) + "-" + std::to_string(t.CisloKam);
        }
        std::printf("%s\n", skoky.c_str());
    }
    if (statistika) {
        const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(konec - zacatek).count();
        std::fprintf(stderr, "Prohledaných pozic: %llu\nDoba hledání: %lld ms\n",
                     static_cast<unsigned long long>(DejPocetPozic()), ms);
    }
    std::fflush(stdout);
    return kod;
}
