// SPDX-License-Identifier: GPL-3.0-or-later
// Positions of the search as bit sets over the present fields, the fixed
// model of the board (its jumps in both direction orders, its corners), the
// symmetries that keep the goal, and the parity classes every jump keeps.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "KavirelReseni.h"

namespace KavirelHledani {

// ---------------------------------------------------------------------------
// Positions: a set of stones over the present fields, numbered in the order
// of the scan (column by column, top to bottom). Boards of at most 64 fields
// use one machine word, larger ones two.

__extension__ typedef unsigned __int128 TBity128;

inline std::uint64_t Dolni(std::uint64_t x) { return x; }
inline std::uint64_t Horni(std::uint64_t) { return 0; }
inline std::uint64_t Dolni(TBity128 x) { return static_cast<std::uint64_t>(x); }
inline std::uint64_t Horni(TBity128 x) { return static_cast<std::uint64_t>(x >> 64); }
// Without the instruction (a baseline x86-64 build) the builtin becomes a
// library call; the same count inline is cheaper.
inline int PocetBitu(std::uint64_t x)
{
#if defined(__POPCNT__) || !defined(__x86_64__)
    return __builtin_popcountll(x);
#else
    x -= (x >> 1) & 0x5555555555555555ULL;
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
#endif
}
inline int PocetBitu(TBity128 x) { return PocetBitu(Dolni(x)) + PocetBitu(Horni(x)); }
inline int NejnizsiBit(std::uint64_t x) { return __builtin_ctzll(x); }
inline int NejnizsiBit(TBity128 x)
{
    const std::uint64_t d = Dolni(x);
    return d != 0 ? __builtin_ctzll(d) : 64 + __builtin_ctzll(Horni(x));
}
template <class K>
inline K Bit(int i)
{
    return K(1) << i;
}

inline std::uint64_t Promichej(std::uint64_t x)
{
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDULL;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ULL;
    x ^= x >> 33;
    return x;
}
inline std::uint64_t Otisk(std::uint64_t x) { return Promichej(x); }
inline std::uint64_t Otisk(TBity128 x) { return Promichej(Dolni(x) ^ Promichej(Horni(x) + 0x9E3779B97F4A7C15ULL)); }

constexpr int MaxPoli = RozmerDesky * RozmerDesky;
constexpr int MaxObrazu = 7;  // turns and mirrorings besides the identity

template <class K>
struct TSkok {
    K Maska = 0;  // the three fields of the jump
    K Nutne = 0;  // of those, the ones that hold a stone before it
    K Potom = 0;  // of those, the ones that hold a stone after it
    std::uint8_t CisloOdkud = 0;
    std::uint8_t CisloKam = 0;
    std::uint8_t IndexKam = 0;  // bit of the landing field
    bool Svisly = false;
};

// Direction orders: up, down, left, right; or left, right, up, down.
enum { poSvisleNapred = 0, poVodorovneNapred = 1 };

inline bool JePole(const TPole& p) { return p.Stav == spPrazdne || p.Stav == spPlne; }

// Everything about the board that stays fixed during a job.
template <class K>
struct TModel {
    int N = 0;                // present fields (state 1 or 2)
    TPozice Pozice[MaxPoli];  // position of each field
    std::uint8_t Cislo[MaxPoli] = {};
    K Pole = 0;               // all fields
    K Obdelnik = 0;           // fields inside the scanned rectangle
    K Vzor = 0;               // stones inside the rectangle at a goal
    bool SCilovymi = false;   // CilovychPoli != 0
    int Cilovych = 0;         // CilovychPoli
    int CilPocet = 1;         // the counter at every goal position
    int Start = 0;            // the counter at the start
    K S0 = 0;                 // stones at the start
    std::vector<TSkok<K>> Skoky;
    // Per scanned field, its jumps in both direction orders.
    std::uint8_t PocetSkoku[MaxPoli][2] = {};
    std::uint16_t SkokyPole[MaxPoli][2][4] = {};
    // The move bound: fields no jump passes over whose state must change
    // before a goal can be met.
    K Rohy = 0;
    int RohyRezerva = 0;  // corners that may keep their state at the goal
};

template <class K>
void SestavModel(const TUlohaReseni& u, bool leibniz, TModel<K>& m)
{
    int index[RozmerDesky][RozmerDesky];
    for (int x = 0; x < RozmerDesky; ++x) {
        for (int y = 0; y < RozmerDesky; ++y) {
            index[x][y] = -1;
            const TPole& p = u.PoleHledani[x][y];
            if (!JePole(p))
                continue;
            const int i = m.N++;
            index[x][y] = i;
            m.Pozice[i] = TPozice{x, y};
            m.Cislo[i] = p.Cislo;
            m.Pole |= Bit<K>(i);
            if (p.Stav == spPlne)
                m.S0 |= Bit<K>(i);
            if (x >= u.MinX && x <= u.MaxX && y >= u.MinY && y <= u.MaxY) {
                m.Obdelnik |= Bit<K>(i);
                // Normal game: stones on target fields; Leibniz game: stones
                // on the other fields.
                if ((p.Cilove != 0) != leibniz)
                    m.Vzor |= Bit<K>(i);
            }
        }
    }
    m.Cilovych = u.CilovychPoli;
    m.SCilovymi = u.CilovychPoli != 0;
    m.CilPocet = m.SCilovymi ? u.CilovychPoli : 1;
    m.Start = leibniz ? u.ZbyvaPrazdnych : u.ZbyvaKamenu;

    K preskakovana = 0;
    for (int i = 0; i < m.N; ++i) {
        if ((m.Obdelnik & Bit<K>(i)) == 0)
            continue;  // never scanned
        const int x = m.Pozice[i].X;
        const int y = m.Pozice[i].Y;
        // up, down, left, right
        const int dx[4] = {0, 0, -1, 1}, dy[4] = {-1, 1, 0, 0};
        const bool platny[4] = {y >= 2, y <= 6, x >= 2, x <= 6};
        int cislo[4] = {-1, -1, -1, -1};
        for (int d = 0; d < 4; ++d) {
            if (!platny[d])
                continue;
            const int pres = index[x + dx[d]][y + dy[d]];
            const int kam = index[x + 2 * dx[d]][y + 2 * dy[d]];
            if (pres < 0 || kam < 0)
                continue;  // absent fields never take part in a jump
            TSkok<K> skok;
            skok.Maska = Bit<K>(i) | Bit<K>(pres) | Bit<K>(kam);
            skok.Nutne = leibniz ? Bit<K>(i) : (Bit<K>(i) | Bit<K>(pres));
            skok.Potom = skok.Maska & ~skok.Nutne;
            skok.CisloOdkud = m.Cislo[i];
            skok.CisloKam = m.Cislo[kam];
            skok.IndexKam = static_cast<std::uint8_t>(kam);
            skok.Svisly = dx[d] == 0;
            cislo[d] = static_cast<int>(m.Skoky.size());
            m.Skoky.push_back(skok);
            preskakovana |= Bit<K>(pres);
        }
        const int poradi[2][4] = {{0, 1, 2, 3}, {2, 3, 0, 1}};
        for (int p = 0; p < 2; ++p)
            for (int d : poradi[p])
                if (cislo[d] >= 0)
                    m.SkokyPole[i][p][m.PocetSkoku[i][p]++] = static_cast<std::uint16_t>(cislo[d]);
    }

    // A stone on a corner leaves it only by jumping away (normal game); an
    // empty corner gets a stone for good only as the end of a move (Leibniz
    // game).
    const K rohy = m.Pole & ~preskakovana;
    const K meniSe = m.SCilovymi ? (leibniz ? m.Vzor : (m.Obdelnik & ~m.Vzor)) : m.Pole;
    m.Rohy = rohy & meniSe;
    m.RohyRezerva = m.SCilovymi ? 0 : 1;
}

// Whether a path ends at s, by its counter: -1 not yet, 1 at a goal
// position, 0 at a position that has the goal's counter but is no goal.
// Without target fields any position with one stone (normal game) or one
// empty field (Leibniz game) is a goal; with them, the fields inside the
// rectangle must be exactly as the targets say.
template <class K>
int KonecCesty(const TModel<K>& m, K s, int citac)
{
    if (citac != m.CilPocet)
        return -1;
    return !m.SCilovymi || (s & m.Obdelnik) == m.Vzor ? 1 : 0;
}

// Lists every goal position (as stones over the fields) into `cile`; false,
// with `cile` incomplete, when there are more than `nejvic` of them.
template <class K>
bool VyctiCile(const TModel<K>& m, bool leibniz, std::size_t nejvic, std::vector<K>& cile)
{
    if (!m.SCilovymi) {
        // One stone (normal game) or one empty field (Leibniz game) left.
        for (int i = 0; i < m.N; ++i)
            cile.push_back(leibniz ? (m.Pole & ~Bit<K>(i)) : Bit<K>(i));
        return true;
    }
    // Inside the rectangle the goal is fixed; outside it any fields may
    // hold what the counter needs.
    const K venku = m.Pole & ~m.Obdelnik;
    const int nVenku = PocetBitu(venku);
    const int vUvnitr = PocetBitu(m.Vzor);
    const int citacUvnitr = leibniz ? PocetBitu(m.Obdelnik) - vUvnitr : vUvnitr;
    const int citacVenku = m.Cilovych - citacUvnitr;
    if (citacVenku < 0 || citacVenku > nVenku)
        return true;  // no goal position at all
    const int kamenuVenku = leibniz ? nVenku - citacVenku : citacVenku;
    double kombinaci = 1;
    for (int i = 0; i < kamenuVenku; ++i)
        kombinaci = kombinaci * (nVenku - i) / (i + 1);
    if (kombinaci > static_cast<double>(nejvic))
        return false;
    std::vector<int> pole;
    for (K x = venku; x != 0; x &= x - 1)
        pole.push_back(NejnizsiBit(x));
    std::vector<int> vyber(static_cast<std::size_t>(kamenuVenku));
    for (int i = 0; i < kamenuVenku; ++i)
        vyber[static_cast<std::size_t>(i)] = i;
    for (;;) {
        K c = m.Vzor;
        for (int v : vyber)
            c |= Bit<K>(pole[static_cast<std::size_t>(v)]);
        cile.push_back(c);
        int k = kamenuVenku - 1;
        while (k >= 0 && vyber[static_cast<std::size_t>(k)] == nVenku - kamenuVenku + k)
            --k;
        if (k < 0)
            break;
        ++vyber[static_cast<std::size_t>(k)];
        for (int j = k + 1; j < kamenuVenku; ++j)
            vyber[static_cast<std::size_t>(j)] = vyber[static_cast<std::size_t>(j - 1)] + 1;
    }
    return true;
}

// Whether `skoku` jumps can follow in position s, each starting where the
// last one landed, the first on `pole`: a move continued that far.
template <class K>
bool MuzePokracovat(const TModel<K>& m, K s, int pole, int skoku)
{
    const int pocet = m.PocetSkoku[pole][poSvisleNapred];
    for (int d = 0; d < pocet; ++d) {
        const TSkok<K>& skok = m.Skoky[m.SkokyPole[pole][poSvisleNapred][d]];
        if ((s & skok.Maska) == skok.Nutne
            && (skoku <= 1 || MuzePokracovat(m, s ^ skok.Maska, skok.IndexKam, skoku - 1)))
            return true;
    }
    return false;
}

// Whether a jump may start on `pole` in position s.
template <class K>
bool MuzeSkocit(const TModel<K>& m, K s, int pole)
{
    return MuzePokracovat(m, s, pole, 1);
}

// Moves still needed for the corners. Only the moving stone leaves a
// field, and no jump passes over a corner, so a move empties at most one
// corner: the one it starts from (a corner it lands on midway was empty
// before and is left empty again). In the Leibniz game a corner gets a
// stone only by a landing, and only the last landing of a move keeps it,
// so a move fills at most one empty corner for good. The move in progress
// (after jump h of the path, landed on kamIndex) may still take care of
// one: its stone stands on a corner (normal game) or may still land on one
// (Leibniz game).
template <bool Leibniz, class K>
int DolniMezTahu(const TModel<K>& m, K s, int h, int kamIndex)
{
    int potreba;
    bool pokracovani;
    if (Leibniz) {
        potreba = PocetBitu(K(m.Rohy & ~s));
        pokracovani = h != 0;
    } else {
        potreba = PocetBitu(K(m.Rohy & s));
        pokracovani = h != 0 && (m.Rohy & Bit<K>(kamIndex)) != 0;
    }
    potreba -= m.RohyRezerva + (pokracovani ? 1 : 0);
    return potreba > 0 ? potreba : 0;
}

// The jumps that may have led to a position, for the steps back from the
// goal. Jumps whose jumped and landing fields lie at the same distances in
// the numbering from their start field form a group, and a group is tested
// at once over all its start fields with two shifts of the position: no
// branch per field or jump, which a field by field scan mispredicts often.
template <class K>
struct TZpetneSkoky {
    struct TSkupina {
        K Odkud = 0;            // start fields of the group's jumps
        int Pres = 0;           // index of the jumped field minus the start field's
        int Kam = 0;            // the same for the landing field
        bool PresPlne = false;  // the jumped field holds a stone after the jump (Leibniz game)
    };
    std::vector<TSkupina> Skupiny;
    std::vector<std::uint16_t> Skoky;  // [group][start field]: the jump's number

    // Bit i of the result is bit i + d of p; no branch on the sign.
    static K Posun(K p, int d) { return K(K(p >> (d > 0 ? d : 0)) << (d < 0 ? -d : 0)); }

    // Stores the numbers of the jumps after which the stones on their three
    // fields are as in p; returns how many.
    int Najdi(K p, std::uint16_t* skoky) const
    {
        int n = 0;
        const std::uint16_t* cisla = Skoky.data();
        for (const TSkupina& g : Skupiny) {
            const K pres = Posun(p, g.Pres);
            for (K x = g.Odkud & ~p & Posun(p, g.Kam) & (g.PresPlne ? pres : K(~pres)); x != 0; x &= x - 1)
                skoky[n++] = cisla[NejnizsiBit(x)];
            cisla += MaxPoli;
        }
        return n;
    }
};

template <class K>
void SestavZpetneSkoky(const TModel<K>& m, TZpetneSkoky<K>& z)
{
    z = TZpetneSkoky<K>{};
    for (std::size_t k = 0; k < m.Skoky.size(); ++k) {
        const TSkok<K>& skok = m.Skoky[k];
        const int kam = skok.IndexKam;
        // Of the other two fields, the jumped one lies midway.
        const K zbyle = skok.Maska & ~Bit<K>(kam);
        const int a = NejnizsiBit(zbyle);
        const int b = NejnizsiBit(K(zbyle & ~Bit<K>(a)));
        const bool aPres = 2 * m.Pozice[a].X == m.Pozice[b].X + m.Pozice[kam].X
                           && 2 * m.Pozice[a].Y == m.Pozice[b].Y + m.Pozice[kam].Y;
        const int odkud = aPres ? b : a;
        const int pres = aPres ? a : b;
        typename TZpetneSkoky<K>::TSkupina klic;
        klic.Pres = pres - odkud;
        klic.Kam = kam - odkud;
        klic.PresPlne = (skok.Potom & Bit<K>(pres)) != 0;
        std::size_t g = 0;
        while (g < z.Skupiny.size()
               && (z.Skupiny[g].Pres != klic.Pres || z.Skupiny[g].Kam != klic.Kam
                   || z.Skupiny[g].PresPlne != klic.PresPlne))
            ++g;
        if (g == z.Skupiny.size()) {
            z.Skupiny.push_back(klic);
            z.Skoky.resize(z.Skupiny.size() * MaxPoli, 0);
        }
        z.Skupiny[g].Odkud |= Bit<K>(odkud);
        z.Skoky[g * MaxPoli + static_cast<std::size_t>(odkud)] = static_cast<std::uint16_t>(k);
    }
}

// The symmetries of a board: the turns and mirrorings of the grid that map
// the fields, the scanned rectangle and the goal pattern inside it onto
// themselves. Every jump maps to a jump and every goal position to a goal
// position, so a position can reach a goal exactly when its image can; tables
// of such facts keep the smallest image (the canonical one) of each class.
template <class K>
struct TSymetrie {
    int Pocet = 0;  // images besides the identity
    int Bajtu = 0;
    std::vector<K> Tabulky;      // [g][byte][value]: image of one byte of a position
    std::vector<K> ObrazySkoku;  // [jump][g]: image of the jump's three fields
    std::vector<std::uint8_t> Pole;  // [g][field]: the field's image

    void Obrazy(K s, K* vysledek) const
    {
        const K* t = Tabulky.data();
        for (int g = 0; g < Pocet; ++g) {
            K v = 0;
            for (int b = 0; b < Bajtu; ++b, t += 256)
                v |= t[static_cast<unsigned>(s >> (8 * b)) & 0xFF];
            vysledek[g] = v;
        }
    }

    K Kanon(K s) const
    {
        K obrazy[MaxObrazu];
        Obrazy(s, obrazy);
        K nej = s;
        for (int g = 0; g < Pocet; ++g)
            nej = std::min(nej, obrazy[g]);
        return nej;
    }

    // The canonical form of s ^ Maska of jump k, given the images of s.
    K KanonPoSkoku(K s, const K* obrazy, int k) const
    {
        K nej = s;
        const K* o = ObrazySkoku.data() + static_cast<std::size_t>(k) * static_cast<std::size_t>(Pocet);
        for (int g = 0; g < Pocet; ++g)
            nej = std::min(nej, obrazy[g] ^ o[g]);
        return nej;
    }

    // The same, and which image it is: -1 the position itself, else g.
    K KanonPoSkoku(K s, const K* obrazy, int k, int& obraz) const
    {
        K nej = s;
        obraz = -1;
        const K* o = ObrazySkoku.data() + static_cast<std::size_t>(k) * static_cast<std::size_t>(Pocet);
        for (int g = 0; g < Pocet; ++g) {
            const K v = obrazy[g] ^ o[g];
            if (v < nej) {
                nej = v;
                obraz = g;
            }
        }
        return nej;
    }

    // The same, and in `obrazyPole` field `pole` of s ^ Maska (given as s)
    // as it lies in the canonical form: under every image that gives that
    // form, so that the set is closed under the canonical position's own
    // symmetries.
    K KanonSPolem(K s, const K* obrazy, int k, int pole, K& obrazyPole) const
    {
        K nej = s;
        obrazyPole = Bit<K>(pole);
        const K* o = ObrazySkoku.data() + static_cast<std::size_t>(k) * static_cast<std::size_t>(Pocet);
        for (int g = 0; g < Pocet; ++g) {
            const K v = obrazy[g] ^ o[g];
            if (v <= nej) {
                const K b = Bit<K>(Pole[static_cast<std::size_t>(g) * MaxPoli + static_cast<std::size_t>(pole)]);
                obrazyPole = v < nej ? b : (obrazyPole | b);
                nej = v;
            }
        }
        return nej;
    }

    // The field that field i becomes in image g (-1: itself).
    int ObrazPole(int g, int i) const
    {
        return g < 0 ? i : Pole[static_cast<std::size_t>(g) * MaxPoli + static_cast<std::size_t>(i)];
    }

    void ObrazyPoSkoku(const K* obrazy, int k, K* vysledek) const
    {
        const K* o = ObrazySkoku.data() + static_cast<std::size_t>(k) * static_cast<std::size_t>(Pocet);
        for (int g = 0; g < Pocet; ++g)
            vysledek[g] = obrazy[g] ^ o[g];
    }
};

// The turns and mirrorings of the grid about the centre of the fields'
// bounding box that map the n fields at `pozice` onto themselves, each as
// the index of every field's image.
inline std::vector<std::vector<int>> PrevodyPoli(int n, const TPozice* pozice)
{
    std::vector<std::vector<int>> prevody;
    if (n == 0)
        return prevody;
    int x0 = 8, x1 = 0, y0 = 8, y1 = 0;
    for (int i = 0; i < n; ++i) {
        x0 = std::min(x0, pozice[i].X);
        x1 = std::max(x1, pozice[i].X);
        y0 = std::min(y0, pozice[i].Y);
        y1 = std::max(y1, pozice[i].Y);
    }
    int index[RozmerDesky][RozmerDesky];
    for (auto& sloupec : index)
        for (int& i : sloupec)
            i = -1;
    for (int i = 0; i < n; ++i)
        index[pozice[i].X][pozice[i].Y] = i;
    const int cx = x0 + x1, cy = y0 + y1;  // twice the centre
    for (int t = 1; t < 8; ++t) {
        std::vector<int> perm(static_cast<std::size_t>(n));
        bool platna = true;
        for (int i = 0; i < n && platna; ++i) {
            const int u = 2 * pozice[i].X - cx, v = 2 * pozice[i].Y - cy;
            int u2 = (t & 4) ? v : u, v2 = (t & 4) ? u : v;
            if (t & 1)
                u2 = -u2;
            if (t & 2)
                v2 = -v2;
            const int x2 = u2 + cx, y2 = v2 + cy;
            if ((x2 & 1) || (y2 & 1) || x2 < 0 || y2 < 0 || x2 > 16 || y2 > 16 || index[x2 / 2][y2 / 2] < 0)
                platna = false;
            else
                perm[static_cast<std::size_t>(i)] = index[x2 / 2][y2 / 2];
        }
        if (platna)
            prevody.push_back(std::move(perm));
    }
    return prevody;
}

template <class K>
void NajdiSymetrie(const TModel<K>& m, TSymetrie<K>& sym)
{
    sym = TSymetrie<K>{};
    std::vector<std::vector<int>> permutace;
    for (std::vector<int>& perm : PrevodyPoli(m.N, m.Pozice)) {
        auto obraz = [&](K s) {
            K v = 0;
            for (K x = s; x != 0; x &= x - 1)
                v |= Bit<K>(perm[static_cast<std::size_t>(NejnizsiBit(x))]);
            return v;
        };
        // The scan starts jumps only inside the rectangle, and the goal looks
        // only inside it.
        if (obraz(m.Obdelnik) == m.Obdelnik && obraz(m.Vzor) == m.Vzor)
            permutace.push_back(std::move(perm));
    }
    sym.Pocet = static_cast<int>(permutace.size());
    if (sym.Pocet == 0)
        return;
    sym.Bajtu = (m.N + 7) / 8;
    sym.Tabulky.assign(permutace.size() * static_cast<std::size_t>(sym.Bajtu) * 256, 0);
    K* t = sym.Tabulky.data();
    for (const std::vector<int>& perm : permutace)
        for (int b = 0; b < sym.Bajtu; ++b)
            for (int h = 0; h < 256; ++h, ++t)
                for (int k = 0; k < 8; ++k)
                    if ((h >> k) & 1 && 8 * b + k < m.N)
                        *t |= Bit<K>(perm[static_cast<std::size_t>(8 * b + k)]);
    sym.Pole.assign(permutace.size() * MaxPoli, 0);
    for (std::size_t g = 0; g < permutace.size(); ++g)
        for (int i = 0; i < m.N; ++i)
            sym.Pole[g * MaxPoli + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(permutace[g][static_cast<std::size_t>(i)]);
    sym.ObrazySkoku.resize(m.Skoky.size() * permutace.size());
    for (std::size_t k = 0; k < m.Skoky.size(); ++k)
        sym.Obrazy(m.Skoky[k].Maska, sym.ObrazySkoku.data() + k * permutace.size());
}

// The parity of the stones in the three diagonal classes of both directions:
// every jump, of either game, changes each class count by one.
template <class K>
int Parita(const TModel<K>& m, K s)
{
    int vysledek = 0;
    int pocty[2][3] = {};
    for (K x = s; x != 0; x &= x - 1) {
        const TPozice& p = m.Pozice[NejnizsiBit(x)];
        ++pocty[0][(p.X + p.Y) % 3];
        ++pocty[1][(p.X - p.Y + 9) % 3];
    }
    for (int t = 0; t < 2; ++t) {
        vysledek |= ((pocty[t][0] + pocty[t][1]) & 1) << (2 * t);
        vysledek |= ((pocty[t][1] + pocty[t][2]) & 1) << (2 * t + 1);
    }
    return vysledek;
}

}  // namespace KavirelHledani
