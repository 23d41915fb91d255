// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelNahodna.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "KavirelJazyk.h"

namespace {

// ---------------------------------------------------------------------------
// The generator. Any change to it, its seeding or the order of its draws
// changes the boards of existing numbers.

std::uint64_t SplitMix(std::uint64_t& stav)
{
    std::uint64_t z = (stav += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t Otoc(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

// xoshiro256**, seeded through SplitMix.
class TGenerator {
public:
    explicit TGenerator(std::uint64_t seminko)
    {
        for (std::uint64_t& s : Stav)
            s = SplitMix(seminko);
    }

    std::uint64_t Dalsi()
    {
        const std::uint64_t vysledek = Otoc(Stav[1] * 5, 7) * 9;
        const std::uint64_t t = Stav[1] << 17;
        Stav[2] ^= Stav[0];
        Stav[3] ^= Stav[1];
        Stav[1] ^= Stav[2];
        Stav[0] ^= Stav[3];
        Stav[2] ^= t;
        Stav[3] = Otoc(Stav[3], 45);
        return vysledek;
    }

    // 0 .. n-1, every value equally likely: draws below 2^64 mod n are
    // thrown away, so the rest divides evenly into n classes.
    int Rozsah(int n)
    {
        const std::uint64_t m = static_cast<std::uint64_t>(n);
        const std::uint64_t odpad = (0 - m) % m;
        std::uint64_t x = Dalsi();
        while (x < odpad)
            x = Dalsi();
        return static_cast<int>(x % m);
    }

private:
    std::uint64_t Stav[4];
};

std::uint64_t Smichej(std::uint64_t domena, const TCisloDesky& cislo)
{
    std::uint64_t s = domena ^ (static_cast<std::uint64_t>(cislo.Obtiznost) << 32)
                      ^ static_cast<std::uint64_t>(cislo.Seminko);
    SplitMix(s);
    return SplitMix(s);
}

constexpr std::uint64_t DomenaDesky = 0x4B61766972656C31ULL;  // "Kavirel1"
constexpr std::uint64_t DomenaTypu = 0x4B61766972656C54ULL;   // "KavirelT"

// ---------------------------------------------------------------------------
// A board under construction, always in the normal game: the Leibniz game is
// the normal game with stones and holes exchanged (a stone jumping over a
// hole into a hole is a stone jumping back over a stone into a hole there),
// so its boards are normal boards turned over at the end.

constexpr int PocetPozic = RozmerDesky * RozmerDesky;
constexpr std::uint8_t Zadne = 0, Prazdne = 1, Plne = 2;

int Index(int x, int y) { return x * RozmerDesky + y; }
bool VMrizce(int x, int y) { return x >= 0 && y >= 0 && x < RozmerDesky && y < RozmerDesky; }

const int SmerX[4] = {0, 1, 0, -1};
const int SmerY[4] = {-1, 0, 1, 0};

struct TPlan {
    std::uint8_t Stav[PocetPozic] = {};
    std::uint8_t Cil[PocetPozic] = {};
};

// A jump of a stone at A over B into C.
struct TTrojice {
    std::uint8_t A, B, C;
};

class TMereni {
public:
    explicit TMereni(const TPlan& plan) : Plan(plan)
    {
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y) {
                const int a = Index(x, y);
                if (Plan.Stav[a] == Zadne)
                    continue;
                Kamenu += Plan.Stav[a] == Plne ? 1 : 0;
                Cilovych += Plan.Cil[a] != 0 ? 1 : 0;
                for (int s = 0; s < 4; ++s) {
                    const int bx = x + SmerX[s], by = y + SmerY[s], cx = bx + SmerX[s], cy = by + SmerY[s];
                    if (VMrizce(cx, cy) && Plan.Stav[Index(bx, by)] != Zadne && Plan.Stav[Index(cx, cy)] != Zadne)
                        Trojice.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(Index(bx, by)),
                                           static_cast<std::uint8_t>(Index(cx, cy))});
                }
            }
        Volne.resize(Trojice.size());
    }

    int Promile(int her, std::uint64_t seminko)
    {
        TGenerator g(seminko);
        int uspechu = 0;
        for (int i = 0; i < her; ++i)
            uspechu += Hraj(g) ? 1 : 0;
        return her > 0 ? static_cast<int>(static_cast<long long>(uspechu) * 1000 / her) : 0;
    }

private:
    bool Cil(const std::uint8_t* stav, int kamenu) const
    {
        if (Cilovych == 0)
            return kamenu == 1;
        if (kamenu != Cilovych)
            return false;
        for (int i = 0; i < PocetPozic; ++i)
            if (Plan.Cil[i] != 0 && Plan.Stav[i] != Zadne && stav[i] != Plne)
                return false;
        return true;
    }

    bool Hraj(TGenerator& g)
    {
        std::uint8_t stav[PocetPozic];
        std::memcpy(stav, Plan.Stav, sizeof stav);
        int kamenu = Kamenu;
        for (;;) {
            if (Cil(stav, kamenu))
                return true;
            std::size_t n = 0;
            for (const TTrojice& t : Trojice)
                if (stav[t.A] == Plne && stav[t.B] == Plne && stav[t.C] == Prazdne)
                    Volne[n++] = t;
            if (n == 0)
                return false;
            const TTrojice& t = Volne[static_cast<std::size_t>(g.Rozsah(static_cast<int>(n)))];
            stav[t.A] = Prazdne;
            stav[t.B] = Prazdne;
            stav[t.C] = Plne;
            --kamenu;
        }
    }

    const TPlan& Plan;
    std::vector<TTrojice> Trojice, Volne;
    int Kamenu = 0;
    int Cilovych = 0;
};

// How the boards of a level are drawn; the bands decide where they land.
struct TParametry {
    int SkokuMin, SkokuMax;   // backward jumps of the first candidate
    int NavicMin, NavicMax;   // empty fields added around the shape
    int Hustota;              // of 8: how often a backward jump keeps to fields there are
};

const TParametry Parametry[MaxObtiznost] = {
    {3, 6, 0, 2, 4},
    {6, 10, 1, 4, 5},
    {9, 14, 2, 6, 6},
    {11, 16, 2, 6, 6},
    {14, 20, 2, 5, 7},
};

const TPasmo Pasma[MaxObtiznost] = {
    {350, 1001}, {120, 350}, {30, 120}, {8, 30}, {0, 8},
};

constexpr int MaxKandidatu = 60;
constexpr int MaxSkoku = 40;

// A stone jumps back: from C over the empty or new field B into the empty
// or new field A, which both then hold stones, C empty.
void SkokZpet(TPlan& p, const TTrojice& t)
{
    p.Stav[t.C] = Prazdne;
    p.Stav[t.B] = Plne;
    p.Stav[t.A] = Plne;
}

TPlan Postav(TGenerator& g, int skoku, int navic, int hustota, int cilu)
{
    TPlan p;
    int x0 = 2 + g.Rozsah(5), y0 = 2 + g.Rozsah(5);
    p.Stav[Index(x0, y0)] = Plne;
    p.Cil[Index(x0, y0)] = cilu > 0 ? 1 : 0;
    for (int k = 1; k < cilu; ++k) {
        // Another target near the first, one or two fields away.
        const int s = g.Rozsah(4), d = 1 + g.Rozsah(2);
        const int x = x0 + d * SmerX[s], y = y0 + d * SmerY[s];
        if (VMrizce(x, y) && p.Stav[Index(x, y)] == Zadne) {
            p.Stav[Index(x, y)] = Plne;
            p.Cil[Index(x, y)] = 1;
        }
    }

    std::vector<TTrojice> moznosti[3];
    for (int krok = 0; krok < skoku; ++krok) {
        for (auto& m : moznosti)
            m.clear();
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y) {
                if (p.Stav[Index(x, y)] != Plne)
                    continue;
                for (int s = 0; s < 4; ++s) {
                    const int bx = x + SmerX[s], by = y + SmerY[s], ax = bx + SmerX[s], ay = by + SmerY[s];
                    if (!VMrizce(ax, ay))
                        continue;
                    const int a = Index(ax, ay), b = Index(bx, by);
                    if (p.Stav[a] == Plne || p.Stav[b] == Plne)
                        continue;
                    const int novych = (p.Stav[a] == Zadne ? 1 : 0) + (p.Stav[b] == Zadne ? 1 : 0);
                    moznosti[novych].push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                                static_cast<std::uint8_t>(Index(x, y))});
                }
            }
        // Mostly the fields there are, which packs the stones and lets
        // their jumps cross; otherwise any, which lets the board grow.
        std::vector<TTrojice> vse;
        const std::vector<TTrojice>* vyber = &vse;
        if (g.Rozsah(8) < hustota) {
            for (const auto& m : moznosti)
                if (!m.empty()) {
                    vyber = &m;
                    break;
                }
        } else {
            for (const auto& m : moznosti)
                vse.insert(vse.end(), m.begin(), m.end());
        }
        if (vyber->empty())
            break;
        SkokZpet(p, (*vyber)[static_cast<std::size_t>(g.Rozsah(static_cast<int>(vyber->size())))]);
    }

    for (int e = 0; e < navic; ++e) {
        std::vector<int> okraj;
        for (int x = 0; x < RozmerDesky; ++x)
            for (int y = 0; y < RozmerDesky; ++y) {
                if (p.Stav[Index(x, y)] != Zadne)
                    continue;
                bool soused = false;
                for (int s = 0; s < 4; ++s) {
                    const int sx = x + SmerX[s], sy = y + SmerY[s];
                    soused = soused || (VMrizce(sx, sy) && p.Stav[Index(sx, sy)] != Zadne);
                }
                if (soused)
                    okraj.push_back(Index(x, y));
            }
        if (okraj.empty())
            break;
        p.Stav[okraj[static_cast<std::size_t>(g.Rozsah(static_cast<int>(okraj.size())))]] = Prazdne;
    }

    // In the middle of the grid, as a player lays out a board.
    int minX = RozmerDesky, maxX = -1, minY = RozmerDesky, maxY = -1;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            if (p.Stav[Index(x, y)] != Zadne) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    const int dx = (RozmerDesky - 1 - (maxX - minX)) / 2 - minX;
    const int dy = (RozmerDesky - 1 - (maxY - minY)) / 2 - minY;
    TPlan posunuty;
    for (int x = minX; x <= maxX; ++x)
        for (int y = minY; y <= maxY; ++y) {
            posunuty.Stav[Index(x + dx, y + dy)] = p.Stav[Index(x, y)];
            posunuty.Cil[Index(x + dx, y + dy)] = p.Cil[Index(x, y)];
        }
    return posunuty;
}

TPlan PlanZaznamu(const TZaznamDesky& zaznam)
{
    TPlan p;
    const bool otocit = zaznam.TypHry != thNormalni;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y) {
            const TPole& pole = zaznam.Pole[x][y];
            if (pole.Stav != spPrazdne && pole.Stav != spPlne)
                continue;
            const bool plne = (pole.Stav == spPlne) != otocit;
            p.Stav[Index(x, y)] = plne ? Plne : Prazdne;
            p.Cil[Index(x, y)] = pole.Cilove != 0 ? 1 : 0;
        }
    return p;
}

int Vzdalenost(int promile, const TPasmo& pasmo)
{
    if (promile < pasmo.Od)
        return pasmo.Od - promile;
    if (promile >= pasmo.Do)
        return promile - pasmo.Do + 1;
    return 0;
}

void KontrolaCisla(const TCisloDesky& cislo)
{
    KontrolaRozsahu(cislo.Obtiznost, MinObtiznost, MaxObtiznost);
    KontrolaRozsahu(cislo.Seminko, 1, MaxSeminko);
}

bool JeCislice(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool CtiCisloDesky(const std::string& text, TCisloDesky& cislo, std::string& chyba)
{
    if (text.empty()) {
        chyba = Preloz("číslo desky chybí");
        return false;
    }
    const std::size_t pomlcka = text.find('-');
    const std::string obtiznost = text.substr(0, pomlcka);
    const std::string seminko = pomlcka == std::string::npos ? std::string() : text.substr(pomlcka + 1);
    const bool tvar = pomlcka != std::string::npos && !obtiznost.empty() && !seminko.empty()
                      && std::all_of(obtiznost.begin(), obtiznost.end(), JeCislice)
                      && std::all_of(seminko.begin(), seminko.end(), JeCislice);
    if (!tvar) {
        chyba = Formatuj(Preloz("„%s“ není číslo desky: číslo má tvar OBTÍŽNOST-SEMÍNKO, například 3-48213"), text);
        return false;
    }
    if (obtiznost.size() != 1 || obtiznost[0] < '0' + MinObtiznost || obtiznost[0] > '0' + MaxObtiznost) {
        chyba = Formatuj(Preloz("obtížnost „%s“ není 1 až 5"), obtiznost);
        return false;
    }
    if (seminko.size() > 1 && seminko[0] == '0') {
        chyba = Formatuj(Preloz("semínko „%s“ se píše bez nul na začátku"), seminko);
        return false;
    }
    if (seminko.size() > 6 || seminko == "0") {
        chyba = Formatuj(Preloz("semínko „%s“ není 1 až 999999"), seminko);
        return false;
    }
    cislo.Obtiznost = obtiznost[0] - '0';
    cislo.Seminko = std::stoi(seminko);
    return true;
}

std::string TextCislaDesky(const TCisloDesky& cislo)
{
    return std::to_string(cislo.Obtiznost) + "-" + std::to_string(cislo.Seminko);
}

TTypHry TypHryCisla(const TCisloDesky& cislo)
{
    KontrolaCisla(cislo);
    return (Smichej(DomenaTypu, cislo) >> 40) & 1 ? thLeibniz : thNormalni;
}

TCisloDesky CisloDesky(int obtiznost, TTypHry typ, std::uint64_t nahoda)
{
    TCisloDesky c;
    c.Obtiznost = obtiznost;
    c.Seminko = static_cast<std::int32_t>(nahoda % static_cast<std::uint64_t>(MaxSeminko)) + 1;
    KontrolaCisla(c);
    const TTypHry hledany = typ == thNormalni ? thNormalni : thLeibniz;
    for (std::int32_t i = 0; i < MaxSeminko && TypHryCisla(c) != hledany; ++i)
        c.Seminko = c.Seminko % MaxSeminko + 1;
    return c;
}

TPasmo PasmoObtiznosti(int obtiznost)
{
    KontrolaRozsahu(obtiznost, MinObtiznost, MaxObtiznost);
    return Pasma[obtiznost - 1];
}

int PromileUspechu(const TZaznamDesky& zaznam, int her, std::uint64_t seminko)
{
    const TPlan plan = PlanZaznamu(zaznam);
    return TMereni(plan).Promile(her, seminko);
}

TNahodnaDeska NahodnaDeska(const TCisloDesky& cislo)
{
    KontrolaCisla(cislo);
    TGenerator g(Smichej(DomenaDesky, cislo));
    const TParametry& par = Parametry[cislo.Obtiznost - 1];
    const TPasmo pasmo = Pasma[cislo.Obtiznost - 1];

    // Half the boards have target fields: mostly one, now and then two.
    const int los = g.Rozsah(6);
    const int cilu = los < 3 ? 0 : los < 5 ? 1 : 2;

    TNahodnaDeska vysledek;
    vysledek.Cislo = cislo;
    TPlan nejlepsi;
    int nejlepsiVzdalenost = -1;
    int skoku = par.SkokuMin + g.Rozsah(par.SkokuMax - par.SkokuMin + 1);
    for (int k = 1; k <= MaxKandidatu; ++k) {
        const int navic = par.NavicMin + g.Rozsah(par.NavicMax - par.NavicMin + 1);
        const TPlan plan = Postav(g, skoku, navic, par.Hustota, cilu);
        const int promile = TMereni(plan).Promile(HerMereni, g.Dalsi());
        const int vzdalenost = Vzdalenost(promile, pasmo);
        if (nejlepsiVzdalenost < 0 || vzdalenost < nejlepsiVzdalenost) {
            nejlepsi = plan;
            nejlepsiVzdalenost = vzdalenost;
            vysledek.Promile = promile;
            vysledek.Kandidatu = k;
        }
        if (vzdalenost == 0)
            break;
        skoku = promile >= pasmo.Do ? std::min(skoku + 1, MaxSkoku) : std::max(skoku - 1, 1);
    }
    vysledek.VPasmu = nejlepsiVzdalenost == 0;

    const TTypHry typ = TypHryCisla(cislo);
    TZaznamDesky& z = vysledek.Zaznam;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y) {
            const int i = Index(x, y);
            if (nejlepsi.Stav[i] == Zadne)
                continue;
            const bool plne = (nejlepsi.Stav[i] == Plne) != (typ != thNormalni);
            z.Pole[x][y].Stav = plne ? spPlne : spPrazdne;
            z.Pole[x][y].Cilove = nejlepsi.Cil[i];
            ++vysledek.Poli;
            vysledek.Kamenu += plne ? 1 : 0;
            vysledek.Cilovych += nejlepsi.Cil[i] != 0 ? 1 : 0;
        }
    z.TypHry = typ;
    NastavNazev(z, "N\xE1hodn\xE1 " + TextCislaDesky(cislo));
    // Numbered as a playable board numbers them, so that the record is the
    // one any board of the game would hold.
    TGameDeska deska;
    deska.Nastav(z);
    z = deska.Zaznam;
    return vysledek;
}
