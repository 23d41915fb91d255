// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelStandardni.h"

#include "KavirelSoubory.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const char* const ZpravaCteni = "Chyba při čtení ze standardního souboru, bude založen nový.";
const char* const ZpravaZapis = "Chyba při zapisování do standardního souboru!";
const char* const ZpravaJinaHra =
    "Standardní soubor právě používá jiná spuštěná hra.\n\r"
    "Změny katalogu se při ukončení této hry neuloží.";
const char* const ZpravaBezZalohy =
    "Chyba při čtení ze standardního souboru, zálohu se nepodařilo vytvořit.\n\r"
    "Katalog se při ukončení neuloží, soubor zůstane beze změny.";
const char* const ZpravaPlny = "Standardní soubor je plný (100000 desek), deska nebyla uložena!";
static_assert(MaxPocetDesek == 100000, "the message names the limit");
const char* const ZpravaBezZamku =
    "Zámek standardního souboru nelze použít, na jeho místě je odkaz nebo cizí soubor.\n\r"
    "Změny katalogu se neuloží.";

// Renames the catalogue to the first free backup name. The rename never
// replaces an existing name, so older backups survive.
bool Zalohuj(const std::string& cil)
{
    for (int i = 0; i < 1000; ++i) {
        const std::string zaloha = cil + ".bak" + (i == 0 ? std::string() : '.' + std::to_string(i));
        int vysledek = -1;
#ifdef RENAME_NOREPLACE
        vysledek = ::renameat2(AT_FDCWD, cil.c_str(), AT_FDCWD, zaloha.c_str(), RENAME_NOREPLACE);
        if (vysledek == 0)
            return true;
        if (errno == EEXIST)
            continue;
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            return false;
#endif
        // A file system without the flag: a new hard link cannot replace a
        // name either.
        vysledek = ::link(cil.c_str(), zaloha.c_str());
        if (vysledek != 0 && errno == EEXIST)
            continue;
        if (vysledek != 0)
            return false;
        if (::unlink(cil.c_str()) == 0)
            return true;
        ::unlink(zaloha.c_str());
        return false;
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------

bool NactiZaznamy(int soubor, TSeznamDesek& seznam)
{
    try {
        std::vector<char> blok(VelikostZaznamu * 256);
        for (;;) {
            const ssize_t precteno = CtiVse(soubor, blok.data(), blok.size());
            if (precteno < 0)
                return false;
            const std::size_t celych = static_cast<std::size_t>(precteno) / VelikostZaznamu;
            for (std::size_t i = 0; i < celych; ++i) {
                TZaznamDesky z;
                std::memcpy(&z, blok.data() + i * VelikostZaznamu, sizeof z);
                if (!JeZaznamPlatny(z) || seznam.PocetDesek >= MaxPocetDesek || !seznam.ZkusPridatDesku(z))
                    return false;
            }
            if (static_cast<std::size_t>(precteno) < blok.size())
                return true;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::unique_ptr<TStandardniSoubor> StandardniSouborHry;

TStandardniSoubor::TStandardniSoubor(std::string jmenoSouboru) : Jmeno(std::move(jmenoSouboru)), Cil(KoncovySoubor(Jmeno))
{
}

TStandardniSoubor::~TStandardniSoubor() = default;

void TStandardniSoubor::Zamkni()
{
    // Without a lock file (a read-only or missing directory) the game runs
    // unlocked: it could not write the catalogue there either. Anything else
    // at the lock's name leaves the catalogue alone: another game may be
    // writing it unlocked because of it.
    switch (Zamek.Zamkni(Cil + ".lock")) {
    case TZamekSouboru::Drzen:
    case TZamekSouboru::NelzeZalozit: break;
    case TZamekSouboru::Obsazen: Zapis = TZapisPriKonci::JinaHra; break;
    case TZamekSouboru::Podvrzen: Zapis = TZapisPriKonci::BezZamku; break;
    }
}

bool TStandardniSoubor::ZamekPlati()
{
    if (Zamek.PlatiStale() || !Zamek.Drzi())
        return true;
    // A file was put in place of the lock: the lock held is no longer the one
    // other games see. Taking the new one keeps them out; a game that got
    // it first now owns the catalogue. A link or a special file there is no
    // lock for anyone, so the one held still keeps new games out.
    TZamekSouboru novy;
    switch (novy.Zamkni(Cil + ".lock")) {
    case TZamekSouboru::Drzen: Zamek.Prevezmi(novy); return true;
    case TZamekSouboru::Obsazen:
        Zamek.Uvolni();
        Zapis = TZapisPriKonci::JinaHra;
        ChybovaZprava(ZpravaJinaHra);
        return false;
    case TZamekSouboru::NelzeZalozit:
    case TZamekSouboru::Podvrzen: break;
    }
    return true;
}

std::unique_ptr<TSeznamDesek> TStandardniSoubor::Nacti(std::unique_ptr<TSeznamDesek> seznam)
{
    if (!seznam)
        seznam = std::make_unique<TSeznamDesek>();

    enum { Chybi, Nacteno, Nelze, Vadny } stav = Nacteno;
    const TDruhSouboru druh = DruhSouboru(Cil);
    if (druh == TDruhSouboru::Chybi)
        stav = Chybi;
    else if (druh != TDruhSouboru::Obycejny)
        stav = Nelze;
    // Nothing is created beside what is no catalogue (a link to a device).
    if (stav != Nelze)
        Zamkni();

    if (stav == Nacteno) {
        int cislo = -1;
        const TOtevreni otevreni = OtevriKeCteni(Cil, cislo);
        TPopisovac fd(cislo);
        struct stat otevreny {};
        if (otevreni != TOtevreni::Otevreno || ::fstat(*fd, &otevreny) != 0)
            stav = otevreni == TOtevreni::Chybi ? Chybi : Nelze;
        else if (otevreny.st_size / static_cast<off_t>(VelikostZaznamu) > MaxPocetDesek)
            stav = Vadny;
        else
            stav = NactiZaznamy(*fd, *seznam) ? Nacteno : Vadny;
    }

    // Only the game that holds the catalogue may move it aside.
    const char* const ciziZamek = Zapis == TZapisPriKonci::JinaHra    ? ZpravaJinaHra
                                  : Zapis == TZapisPriKonci::BezZamku ? ZpravaBezZamku
                                                                      : nullptr;
    if (stav == Nacteno && seznam->PocetDesek > 0) {
        if (ciziZamek)
            ChybovaZprava(ciziZamek);
        return seznam;
    }
    if (ciziZamek) {
        ChybovaZprava(ciziZamek);
    } else if (stav != Chybi && stav != Nacteno) {
        struct stat st {};
        const bool regularni = stav == Vadny || (::lstat(Cil.c_str(), &st) == 0 && S_ISREG(st.st_mode));
        if (regularni && Zalohuj(Cil)) {
            // A file we could not even open is kept aside silently.
            if (stav == Vadny)
                ChybovaZprava(ZpravaCteni);
        } else {
            Zapis = TZapisPriKonci::BezZalohy;
            ChybovaZprava(ZpravaBezZalohy);
        }
    }
    // A missing file, one without a whole record or one that cannot serve:
    // start-up needs a current board.
    seznam.reset();
    seznam = std::make_unique<TSeznamDesek>();
    VytvorStandardniDesky(*seznam);
    return seznam;
}

bool TStandardniSoubor::Uloz(TSeznamDesek& seznam)
{
    if (Zapis != TZapisPriKonci::Povolen || !ZamekPlati())
        return false;
    const bool ok = NahradSoubor(Cil, [&seznam](int fd) {
        std::string blok;
        const bool zapsano = seznam.ProjdiDesky([&](const TZaznamDesky& z) {
            blok.append(reinterpret_cast<const char*>(&z), sizeof z);
            if (blok.size() < 64 * 1024)
                return true;
            const bool ok = ZapisVse(fd, blok.data(), blok.size());
            blok.clear();
            return ok;
        });
        return zapsano && ZapisVse(fd, blok.data(), blok.size());
    });
    if (!ok)
        ChybovaZprava(ZpravaZapis);
    return ok;
}

TZapisPriKonci ZapisKataloguPriKonci()
{
    return StandardniSouborHry ? StandardniSouborHry->ZapisPriKonci() : TZapisPriKonci::Povolen;
}

bool ZapisStandardniSoubor()
{
    return SeznamDesek && StandardniSouborHry && StandardniSouborHry->Uloz(*SeznamDesek);
}

TPridaniDesky PridejDoStandardnihoSouboru(const TZaznamDesky& zaznam)
{
    if (!SeznamDesek)
        return TPridaniDesky::Odmitnuto;
    // The next start would refuse a longer catalogue as unreadable.
    if (SeznamDesek->PocetDesek >= MaxPocetDesek) {
        ChybovaZprava(ZpravaPlny);
        return TPridaniDesky::Odmitnuto;
    }
    const std::int32_t pred = SeznamDesek->PocetDesek;
    SeznamDesek->PridejDesku(zaznam);
    if (SeznamDesek->PocetDesek == pred)
        return TPridaniDesky::Odmitnuto;
    return ZapisStandardniSoubor() ? TPridaniDesky::Ulozeno : TPridaniDesky::JenVKatalogu;
}

void NactiStandardniSoubor(const std::string& jmenoSouboru)
{
    // A second start-up in one run gives up the former lock first.
    StandardniSouborHry.reset();
    SeznamDesek.reset();
    StandardniSouborHry = std::make_unique<TStandardniSoubor>(jmenoSouboru);
    SeznamDesek = StandardniSouborHry->Nacti();
}

void UlozStandardniSoubor(const std::string& jmenoSouboru)
{
    // Both are released on every path out of here, the lock after the write.
    const std::unique_ptr<TSeznamDesek> seznam = std::move(SeznamDesek);
    std::unique_ptr<TStandardniSoubor> soubor = std::move(StandardniSouborHry);
    if (!seznam)
        return;
    if (!soubor || soubor->JmenoSouboru() != jmenoSouboru)
        soubor = std::make_unique<TStandardniSoubor>(jmenoSouboru);
    soubor->Uloz(*seznam);
}
