// SPDX-License-Identifier: GPL-3.0-or-later
#include "Volby.h"

#include <cstdlib>

#include "KavirelJazyk.h"

namespace {

// The help in pieces, so that a new option or a changed paragraph leaves the
// translations of the rest as they are; "\n" is a blank line.
const char* const CastiNapovedy[] = {
    N_("Použití: kavirel-resit [PŘEPÍNAČE] SOUBOR\n"),
    N_("   nebo: kavirel-resit --nahodna ČÍSLO\n"),
    N_("Vyřeší desku hry Kavirel. SOUBOR je soubor desky (.kav), katalog desek\n"
       "(Kavirel.dat) nebo textová kresba desky; „-“ čte standardní vstup.\n"),
    "\n",
    N_("  --nejkratsi      hledá krátké řešení: mez tahů dává poslední nalezené\n"
       "                   řešení, skok po skoku; počet tahů může být vyšší než\n"
       "                   nejmenší možný\n"),
    N_("  --nejmene, --minimum\n"
       "                   hledá řešení s nejmenším možným počtem tahů (tah je řada\n"
       "                   skoků jednoho kamene); trvá déle a potřebuje více paměti\n"),
    N_("  --rada, --hint   poradí tah: první tah některého řešení z dané pozice\n"
       "                   a zbytek toho řešení\n"),
    N_("                   bez těchto tří přepínačů hledá nejrychleji: první\n"
       "                   nalezené řešení, bez ohledu na počet tahů\n"),
    N_("  --limit SEKUND   zastaví hledání po tolika sekundách od načtení desky\n"),
    N_("  --deska N        vezme N-tou desku souboru (výchozí je první)\n"),
    N_("  --statistika     vypíše počet prohledaných pozic a dobu hledání\n"
       "                   na chybový výstup\n"),
    N_("  --json           vypíše výsledek jako jeden objekt JSON\n"),
    N_("  --kresba         nic neřeší, jen vypíše desku jako textovou kresbu\n"),
    N_("  --nahodna, --random ČÍSLO\n"
       "                   nic neřeší, vypíše jako kresbu náhodnou desku s tímto\n"
       "                   číslem: obtížnost 1 až 5, pomlčka a semínko 1 až 999999\n"
       "                   (např. 3-48213); totéž číslo dá vždy tutéž desku\n"),
    N_("  -h, --help       vypíše tuto nápovědu\n"),
    N_("  -v, -V, --version\n"
       "                   vypíše verzi programu\n"),
    "\n",
    N_("Kresba: nepovinné řádky „typ: normální“ nebo „typ: leibniz“ a „název: …“,\n"
       "komentáře začínající „#“, potom nejvýše 9 řádků po nejvýše 9 znacích:\n"
       "o kámen, . prázdné pole, O kámen na cílovém poli, * prázdné cílové pole,\n"
       "mezera nebo - žádné pole.\n"),
    "\n",
    N_("Návratový kód: 0 řešení nalezeno, 1 řešení neexistuje, 2 chybné argumenty\n"
       "nebo vstup, 3 hledání zastaveno limitem.\n"),
    N_("Podrobnosti: man kavirel-resit\n"),
};

// A random board is only printed: an option that asks for a search or for
// another board would be ignored, so it is refused instead.
bool PlatiNahodna(const TVolby& volby, std::string& chyba)
{
    const char* jina = !volby.Soubor.empty() ? Preloz("SOUBOR")
                       : volby.CisloDesky != 0 ? "--deska"
                       : volby.Nejkratsi       ? "--nejkratsi"
                       : volby.Rada            ? "--rada"
                       : volby.Limit >= 0      ? "--limit"
                       : volby.Statistika      ? "--statistika"
                       : volby.Json            ? "--json"
                                               : nullptr;
    if (jina == nullptr)
        return true;
    chyba = Formatuj(Preloz("--nahodna jen vypíše kresbu desky, %s s ní nelze použít"), jina);
    return false;
}

} // namespace

std::string TextPouziti()
{
    return Preloz("Použití: kavirel-resit [--nejkratsi | --nejmene | --rada] [--limit SEKUND] [--deska N] "
                  "[--statistika] "
                  "[--json | --kresba] SOUBOR\n");
}

std::string TextNapovedy()
{
    std::string text;
    for (const char* cast : CastiNapovedy)
        text += Preloz(cast);
    return text;
}

bool RozeberVolby(int argc, char** argv, TVolby& volby, TAkce& akce, std::string& chyba)
{
    akce = TAkce::Resit;
    bool konecVoleb = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (!konecVoleb && a.size() > 1 && a[0] == '-') {
            if (a == "--") {
                konecVoleb = true;
                continue;
            }
            // --limit=5 and --limit 5 alike
            std::string hodnota;
            bool maHodnotu = false;
            const std::size_t rovnitko = a.find('=');
            if (a.compare(0, 2, "--") == 0 && rovnitko != std::string::npos) {
                hodnota = a.substr(rovnitko + 1);
                a = a.substr(0, rovnitko);
                maHodnotu = true;
            }
            if (a == "--random")
                a = "--nahodna";
            const bool sHodnotou = a == "--limit" || a == "--deska" || a == "--nahodna";
            if (maHodnotu && !sHodnotou) {
                chyba = Formatuj(Preloz("přepínač %s nemá hodnotu"), a);
                return false;
            }
            if (a == "-h" || a == "--help") {
                akce = TAkce::Napoveda;
                return true;
            }
            if (a == "-v" || a == "-V" || a == "--version") {
                akce = TAkce::Verze;
                return true;
            }
            if (a == "--nejkratsi") {
                volby.Nejkratsi = true;
            } else if (a == "--nejmene" || a == "--minimum") {
                volby.Nejmene = true;
            } else if (a == "--rada" || a == "--hint") {
                volby.Rada = true;
            } else if (a == "--statistika") {
                volby.Statistika = true;
            } else if (a == "--json") {
                volby.Json = true;
            } else if (a == "--kresba") {
                volby.Kresba = true;
            } else if (sHodnotou) {
                if (!maHodnotu) {
                    if (i + 1 >= argc) {
                        chyba = Formatuj(Preloz("u %s chybí hodnota"), a);
                        return false;
                    }
                    hodnota = argv[++i];
                }
                char* konec = nullptr;
                if (a == "--nahodna") {
                    std::string proc;
                    if (!CtiCisloDesky(hodnota, volby.CisloNahodne, proc)) {
                        chyba = Formatuj(Preloz("neplatné číslo náhodné desky: %s"), proc);
                        return false;
                    }
                    volby.Nahodna = true;
                } else if (a == "--limit") {
                    volby.Limit = std::strtod(hodnota.c_str(), &konec);
                    if (hodnota.empty() || *konec != '\0' || !(volby.Limit >= 0) || volby.Limit > 1e9) {
                        chyba = Formatuj(Preloz("neplatný limit \"%s\""), hodnota);
                        return false;
                    }
                } else {
                    volby.CisloDesky = std::strtol(hodnota.c_str(), &konec, 10);
                    if (hodnota.empty() || *konec != '\0' || volby.CisloDesky < 1 || volby.CisloDesky > 1000000) {
                        chyba = Formatuj(Preloz("neplatné číslo desky \"%s\""), hodnota);
                        return false;
                    }
                }
            } else {
                chyba = Formatuj(Preloz("neznámý přepínač \"%s\""), a);
                return false;
            }
        } else if (volby.Soubor.empty()) {
            volby.Soubor = a;
        } else {
            chyba = Preloz("zadejte jediný soubor");
            return false;
        }
    }
    if (volby.Rada && volby.Nejkratsi) {
        chyba = Preloz("--rada a --nejkratsi nelze použít spolu");
        return false;
    }
    if (volby.Rada && volby.Nejmene) {
        chyba = Preloz("--rada a --nejmene nelze použít spolu");
        return false;
    }
    if (volby.Nejkratsi && volby.Nejmene) {
        chyba = Preloz("--nejkratsi a --nejmene nelze použít spolu");
        return false;
    }
    if (volby.Json && volby.Kresba) {
        chyba = Preloz("--json a --kresba nelze použít spolu");
        return false;
    }
    if (volby.Nahodna)
        return PlatiNahodna(volby, chyba);
    if (volby.Soubor.empty()) {
        chyba = Preloz("chybí soubor");
        return false;
    }
    return true;
}
