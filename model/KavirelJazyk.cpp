// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelJazyk.h"

#include <libintl.h>

#include <atomic>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>

// The C library's counter of catalogue changes: raising it makes gettext
// forget the translations it looked up, as the gettext manual has it for a
// program that changes its language while it runs.
extern "C" int _nl_msg_cat_cntr;

const char* const DomenaZprav = "kavirel";

namespace {

namespace fs = std::filesystem;

// The languages with texts of their own, by the code a locale starts with.
struct TZnamyJazyk {
    const char* Kod;
    TJazyk Jazyk;
};
const TZnamyJazyk ZnameJazyky[] = {{"cs", TJazyk::Cestina}, {"en", TJazyk::Anglictina}};

std::atomic<bool> Prekladat{false};

const char* CtiSystem(const char* jmeno) { return std::getenv(jmeno); }

bool Nastaveno(const char* hodnota) { return hodnota != nullptr && *hodnota != '\0'; }

// "cs" of "cs_CZ.UTF-8@euro", in lower case.
std::string KodLocale(const std::string& locale)
{
    std::string kod = locale.substr(0, locale.find_first_of("_.@"));
    for (char& c : kod)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return kod;
}

bool JeLocaleC(const std::string& locale)
{
    const std::string zaklad = locale.substr(0, locale.find_first_of(".@"));
    return zaklad.empty() || zaklad == "C" || zaklad == "POSIX";
}

const TZnamyJazyk* Najdi(const std::string& kod)
{
    for (const TZnamyJazyk& j : ZnameJazyky)
        if (kod == j.Kod)
            return &j;
    return nullptr;
}

} // namespace

const char* KodJazyka(TJazyk jazyk)
{
    for (const TZnamyJazyk& j : ZnameJazyky)
        if (j.Jazyk == jazyk)
            return j.Kod;
    return "cs";
}

TJazyk JazykProstredi(TCteniProstredi cti)
{
    if (cti == nullptr)
        cti = CtiSystem;
    std::string locale;
    for (const char* jmeno : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* h = cti(jmeno); Nastaveno(h)) {
            locale = h;
            break;
        }
    }
    if (JeLocaleC(locale))
        return TJazyk::Cestina;
    if (const char* seznam = cti("LANGUAGE"); Nastaveno(seznam)) {
        const std::string s = seznam;
        for (std::size_t zacatek = 0; zacatek <= s.size();) {
            std::size_t konec = s.find(':', zacatek);
            if (konec == std::string::npos)
                konec = s.size();
            if (const TZnamyJazyk* j = Najdi(KodLocale(s.substr(zacatek, konec - zacatek))))
                return j->Jazyk;
            zacatek = konec + 1;
        }
    }
    const TZnamyJazyk* j = Najdi(KodLocale(locale));
    return j != nullptr ? j->Jazyk : TJazyk::Anglictina;
}

const char* Preloz(const char* text)
{
    return Prekladat ? dgettext(DomenaZprav, text) : text;
}

const char* PrelozPocet(const char* jedno, const char* vice, unsigned long n)
{
    if (Prekladat)
        return dngettext(DomenaZprav, jedno, vice, n);
    return n == 1 ? jedno : vice;
}

std::string NajdiKatalogy(TJazyk jazyk, const std::vector<std::string>& kandidati, TCteniProstredi cti)
{
    if (cti == nullptr)
        cti = CtiSystem;
    if (const char* adresar = cti("KAVIREL_LOCALEDIR"); Nastaveno(adresar))
        return adresar;
    if (jazyk == TJazyk::Cestina)
        return {};
    std::error_code chyba;
    const fs::path program = fs::read_symlink("/proc/self/exe", chyba);
    const fs::path soubor = fs::path(KodJazyka(jazyk)) / "LC_MESSAGES" / (std::string(DomenaZprav) + ".mo");
    for (const std::string& k : kandidati) {
        fs::path adresar(k);
        if (adresar.is_relative()) {
            if (program.empty())
                continue;
            adresar = program.parent_path() / adresar;
        }
        if (fs::is_regular_file(adresar / soubor, chyba))
            return adresar.lexically_normal().string();
    }
    return {};
}

void NastavPreklad(TJazyk jazyk, const std::string& adresar)
{
    if (jazyk == TJazyk::Cestina) {
        Prekladat = false;
        return;
    }
    if (!adresar.empty())
        bindtextdomain(DomenaZprav, adresar.c_str());
    // The programs write UTF-8 whatever the terminal's locale says.
    bind_textdomain_codeset(DomenaZprav, "UTF-8");
    // gettext reads no catalogue in the C locale of messages, and the user's
    // locale need not be generated on this machine: then the messages get
    // the C locale in UTF-8, which every glibc system has.
    const char* zpravy = std::setlocale(LC_MESSAGES, "");
    if (zpravy == nullptr || JeLocaleC(zpravy)) {
        for (const char* nahradni : {"C.UTF-8", "C.utf8"})
            if (std::setlocale(LC_MESSAGES, nahradni) != nullptr)
                break;
    }
    // With a locale of messages set, LANGUAGE picks the catalogue.
    ::setenv("LANGUAGE", KodJazyka(jazyk), 1);
    ++_nl_msg_cat_cntr;
    Prekladat = true;
}
