// SPDX-License-Identifier: GPL-3.0-or-later
// Records with noise in their insignificant bytes, and a fresh temporary
// directory per test with the storage messages recorded.
#pragma once

#include "KavirelFile.h"
#include "KavirelStandardni.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <new>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using Texty = std::vector<std::string>;


inline std::string Bajty(const TZaznamDesky& z) { return std::string(reinterpret_cast<const char*>(&z), sizeof z); }

// A valid record whose insignificant bytes (Cislo, name tail) are not zero.
inline TZaznamDesky Zaznam(int seminko)
{
    TZaznamDesky z;
    auto* b = reinterpret_cast<unsigned char*>(&z);
    for (std::size_t i = 0; i < sizeof z; ++i)
        b[i] = static_cast<unsigned char>(i * 7 + seminko);
    for (auto& sloupec : z.Pole)
        for (TPole& p : sloupec)
            p.Stav = static_cast<TStavPole>((p.Cislo + seminko) % 3);
    z.Nazev.Delka = static_cast<std::uint8_t>(seminko % 31);
    z.TypHry = static_cast<TTypHry>(seminko % 2);
    return z;
}

inline std::string Zaznamy(int pocet)
{
    std::string s;
    for (int i = 1; i <= pocet; ++i)
        s += Bajty(Zaznam(i));
    return s;
}

inline std::string VestaveneBajty()
{
    std::string s;
    for (const TZaznamDesky& z : StandardniZaznamy())
        s += Bajty(z);
    return s;
}

// The current board's number and bytes.
inline std::pair<std::int32_t, std::string> Aktualni(const TSeznamDesek& s)
{
    TZaznamDesky z;
    std::int32_t c = 0;
    s.VratAktualniDesku(z, c);
    return {c, Bajty(z)};
}

// A list that runs out of memory after `zbyva` more elements, by a null
// element or by an exception.
class SeznamBezPameti : public TSeznamDesek {
public:
    explicit SeznamBezPameti(int zbyva, bool vyjimka = false) : Zbyva(zbyva), Vyjimka(vyjimka) {}

private:
    int Zbyva;
    bool Vyjimka;
    TPrvekSeznamu* NovyPrvek() override
    {
        if (Zbyva-- > 0)
            return TSeznamDesek::NovyPrvek();
        if (Vyjimka)
            throw std::bad_alloc();
        return nullptr;
    }
};

inline const std::string ChybaCteniStd = "Chyba při čtení ze standardního souboru, bude založen nový.";
inline const std::string ChybaZapisStd = "Chyba při zapisování do standardního souboru!";
// Offsets and values of the three checks made on records from outside.
inline const std::pair<std::size_t, char> VadneBajty[] = {{OffsetPole(4, 4), 3}, {243, 31}, {274, 2}};

// Runs akce with files limited to `bajtu` bytes: a write past the limit
// fails the way a full disk makes it fail, without the signal.
inline void SOmezenouVelikosti(rlim_t bajtu, const std::function<void()>& akce)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit r {};
    getrlimit(RLIMIT_FSIZE, &r);
    const rlim_t bezLimitu = r.rlim_cur;
    r.rlim_cur = bajtu;
    setrlimit(RLIMIT_FSIZE, &r);
    akce();
    r.rlim_cur = bezLimitu;
    setrlimit(RLIMIT_FSIZE, &r);
}

class Soubory : public ::testing::Test {
protected:
    fs::path Adresar;
    Texty Zpravy;
    std::string Std;

    void SetUp() override
    {
        char vzor[] = "/tmp/kavirel_storage_XXXXXX";
        ASSERT_NE(mkdtemp(vzor), nullptr);
        Adresar = vzor;
        Std = Cesta(StandardniSoubor);
        NastavHlaseniChyby([this](const std::string& t) { Zpravy.push_back(t); });
    }
    void TearDown() override
    {
        NastavHlaseniChyby(nullptr);
        SeznamDesek.reset();
        StandardniSouborHry.reset();
        fs::permissions(Adresar, fs::perms::owner_all);
        fs::remove_all(Adresar);
    }
    std::string Cesta(const std::string& jmeno) const { return (Adresar / jmeno).string(); }
    static std::string Cti(const std::string& p)
    {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    static void Zapis(const std::string& p, const std::string& obsah) { std::ofstream(p, std::ios::binary) << obsah; }
    // The names in the directory, lock files left out (they stay by design).
    std::set<std::string> Polozky(const fs::path& adresar = {}) const
    {
        std::set<std::string> jmena;
        for (const auto& p : fs::directory_iterator(adresar.empty() ? Adresar : adresar))
            if (p.path().extension() != ".lock")
                jmena.insert(p.path().filename().string());
        return jmena;
    }
    static unsigned Prava(const std::string& p)
    {
        struct stat st {};
        return stat(p.c_str(), &st) == 0 ? st.st_mode & 07777u : 0u;
    }
    // Reads the standard file, runs `mezitim`, writes it back; returns the number of boards read.
    int CtiAZapis(const std::function<void()>& mezitim = [] {})
    {
        NactiStandardniSoubor(Std);
        const int pocet = SeznamDesek->PocetDesek;
        mezitim();
        UlozStandardniSoubor(Std);
        EXPECT_FALSE(SeznamDesek);
        return pocet;
    }
};

