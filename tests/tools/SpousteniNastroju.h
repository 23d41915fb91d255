// SPDX-License-Identifier: GPL-3.0-or-later
// Running the programs as a user or a script would: each test in a fresh
// temporary directory, output and status captured.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "KavirelFile.h"
#include "PomocneDesky.h"

namespace TestNastroju {

namespace fs = std::filesystem;
using namespace TestReseni;

struct TBeh {
    int Kod = -1;
    std::string Vystup, Chyby;
};

inline std::string Precti(const fs::path& cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline std::string VUvozovkach(const std::string& s)
{
    std::string v = "'";
    for (const char c : s)
        v += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return v + "'";
}

inline std::string Bajty(const std::vector<TZaznamDesky>& desky)
{
    std::string s;
    for (const TZaznamDesky& z : desky)
        s.append(reinterpret_cast<const char*>(&z), VelikostZaznamu);
    return s;
}

class Nastroje : public ::testing::Test {
protected:
    fs::path Koren;     // the test's own; captured output lies here, apart from Adresar
    fs::path Adresar;   // where the tests' files lie

    void SetUp() override
    {
        Koren = fs::temp_directory_path() / ("kavirel-nastroje-" + std::to_string(::getpid()) + "-"
                                             + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        Adresar = Koren / "soubory";
        fs::remove_all(Koren);
        fs::create_directories(Adresar);
    }
    void TearDown() override { fs::remove_all(Koren); }

    fs::path ZapisText(const std::string& jmeno, const std::string& text)
    {
        const fs::path cesta = Adresar / jmeno;
        std::ofstream(cesta, std::ios::binary) << text;
        return cesta;
    }
    fs::path Zapis(const std::string& jmeno, const std::vector<TZaznamDesky>& desky)
    {
        return ZapisText(jmeno, Bajty(desky));
    }

    // Runs a shell command line in Adresar; its own redirections of stdin
    // and of the program's input are the caller's.
    TBeh SpustShell(const std::string& prikaz)
    {
        const fs::path out = Koren / "stdout", err = Koren / "stderr";
        const std::string cely = "cd " + VUvozovkach(Adresar.string()) + " && { " + prikaz + " ; } >"
                                 + VUvozovkach(out.string()) + " 2>" + VUvozovkach(err.string());
        const int stav = std::system(cely.c_str());
        TBeh b;
        b.Kod = WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
        b.Vystup = Precti(out);
        b.Chyby = Precti(err);
        return b;
    }

    static std::string Prikaz(const std::string& program, const std::vector<std::string>& argumenty)
    {
        std::string p = VUvozovkach(program);
        for (const std::string& a : argumenty)
            p += " " + VUvozovkach(a);
        return p;
    }

    // kavirel-resit with the arguments; stdin from vstup unless empty.
    TBeh Spust(const std::vector<std::string>& argumenty, const std::string& vstup = "")
    {
        return SpustShell(Prikaz(KAVIREL_RESIT, argumenty) + (vstup.empty() ? "" : " <" + VUvozovkach(vstup)));
    }
};

// What the tool must print for a board: the library's own result, handed
// over to a solve board as the solve tab does it.
inline std::string OcekavanyVystup(const TZaznamDesky& z, std::uint8_t zpusob)
{
    TSolveDeska deska;
    NastavDesku(deska, z, zpusob);
    TRizeniHledani rizeni;
    const TReseni r = VyresDesku(deska, zpusob, rizeni);
    PredejReseni(deska, r);
    std::string t = deska.StavReseni + "\n";
    if (r.Stav == TVysledekHledani::Nalezeno) {
        t += "Potřebných tahů: " + std::to_string(deska.Reseni.DejPocetTahu()) + "\n";
        std::string skoky;
        for (const TSkokCesty& s : r.Skoky)
            skoky += (skoky.empty() ? "" : " ") + std::to_string(s.CisloOdkud) + "-" + std::to_string(s.CisloKam);
        t += skoky + "\n";
    }
    return t;
}

// Windows-1250 to UTF-8 by the C library, apart from the program's own table.
inline std::string IconvNaUtf8(const std::string& bajty)
{
    iconv_t cd = iconv_open("UTF-8", "WINDOWS-1250");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "<iconv bez WINDOWS-1250>";
    std::string vstup = bajty, vystup(bajty.size() * 4 + 4, '\0');
    char* in = vstup.data();
    char* out = vystup.data();
    std::size_t zbyvaIn = vstup.size(), zbyvaOut = vystup.size();
    const std::size_t r = iconv(cd, &in, &zbyvaIn, &out, &zbyvaOut);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1))
        return "<iconv odmítl>";
    vystup.resize(vystup.size() - zbyvaOut);
    return vystup;
}

}  // namespace TestNastroju
