// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelHledani.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace KavirelHledani {
namespace {

// ---------------------------------------------------------------------------
// Positions: a set of stones over the present fields, numbered in the order
// of the scan (column by column, top to bottom). Boards of at most 64 fields
// use one machine word, larger ones two.

__extension__ typedef unsigned __int128 TBity128;

inline std::uint64_t Dolni(std::uint64_t x) { return x; }
inline std::uint64_t Horni(std::uint64_t) { return 0; }
inline std::uint64_t Dolni(TBity128 x) { return static_cast<std::uint64_t>(x); }
inline std::uint64_t Horni(TBity128 x) { return static_cast<std::uint64_t>(x >> 64); }
inline int PocetBitu(std::uint64_t x) { return __builtin_popcountll(x); }
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

bool JePole(const TPole& p) { return p.Stav == spPrazdne || p.Stav == spPlne; }

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
    // The same jumps by their landing field, for stepping back.
    std::uint8_t PocetDoKam[MaxPoli] = {};
    std::uint16_t DoKam[MaxPoli][4] = {};
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
            m.DoKam[kam][m.PocetDoKam[kam]++] = static_cast<std::uint16_t>(cislo[d]);
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

    void ObrazyPoSkoku(const K* obrazy, int k, K* vysledek) const
    {
        const K* o = ObrazySkoku.data() + static_cast<std::size_t>(k) * static_cast<std::size_t>(Pocet);
        for (int g = 0; g < Pocet; ++g)
            vysledek[g] = obrazy[g] ^ o[g];
    }
};

template <class K>
void NajdiSymetrie(const TModel<K>& m, TSymetrie<K>& sym)
{
    sym = TSymetrie<K>{};
    if (m.N == 0)
        return;
    int x0 = 8, x1 = 0, y0 = 8, y1 = 0;
    for (int i = 0; i < m.N; ++i) {
        x0 = std::min(x0, m.Pozice[i].X);
        x1 = std::max(x1, m.Pozice[i].X);
        y0 = std::min(y0, m.Pozice[i].Y);
        y1 = std::max(y1, m.Pozice[i].Y);
    }
    int index[RozmerDesky][RozmerDesky];
    for (auto& sloupec : index)
        for (int& i : sloupec)
            i = -1;
    for (int i = 0; i < m.N; ++i)
        index[m.Pozice[i].X][m.Pozice[i].Y] = i;
    const int cx = x0 + x1, cy = y0 + y1;  // twice the centre
    std::vector<std::vector<int>> permutace;
    for (int t = 1; t < 8; ++t) {
        std::vector<int> perm(static_cast<std::size_t>(m.N));
        bool platna = true;
        for (int i = 0; i < m.N && platna; ++i) {
            const int u = 2 * m.Pozice[i].X - cx, v = 2 * m.Pozice[i].Y - cy;
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
        if (!platna)
            continue;
        auto obraz = [&](K s) {
            K v = 0;
            for (K x = s; x != 0; x &= x - 1)
                v |= Bit<K>(perm[static_cast<std::size_t>(NejnizsiBit(x))]);
            return v;
        };
        // The scan starts jumps only inside the rectangle, and the goal looks
        // only inside it.
        if (obraz(m.Obdelnik) == m.Obdelnik && obraz(m.Vzor) == m.Vzor)
            permutace.push_back(perm);
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

// ---------------------------------------------------------------------------
// Memory of one job. Both blocks come from the C allocator zero-filled, so
// the pages are mapped lazily and a small search touches only a few of them.

// A zero-filled block aligned to a cache line.
class TBlok {
public:
    bool Ziskej(std::size_t bajty)
    {
        Surovy.reset(std::calloc(bajty + 64, 1));
        return Surovy != nullptr;
    }
    unsigned char* get() const
    {
        const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(Surovy.get());
        return reinterpret_cast<unsigned char*>((a + 63) & ~std::uintptr_t(63));
    }
    explicit operator bool() const { return Surovy != nullptr; }

private:
    struct TUvolneni {
        void operator()(void* p) const { std::free(p); }
    };
    std::unique_ptr<void, TUvolneni> Surovy;
};

// Once a table has grown large, huge pages mean fewer page faults and TLB
// misses for its random accesses; a small search is better off without them,
// since each one is zeroed whole when first touched.
constexpr std::size_t MezVelkychStranek = std::size_t(8) << 20;

void PouzijVelkeStranky(void* p, std::size_t bajty)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const std::size_t stranka = std::size_t(2) << 20;
    const std::uintptr_t od = (reinterpret_cast<std::uintptr_t>(p) + stranka - 1) & ~(stranka - 1);
    const std::uintptr_t po = (reinterpret_cast<std::uintptr_t>(p) + bajty) & ~(stranka - 1);
    if (po > od)
        madvise(reinterpret_cast<void*>(od), po - od, MADV_HUGEPAGE);
#else
    (void)p;
    (void)bajty;
#endif
}

// Positions proven dead, and for the shortest mode the smallest move count
// of a failed visit per (position, landing field). Four entries share a cache
// line; a full line gives up its least valuable entry, so a full table
// behaves as a cache. The whole table is reserved at the start of the job but
// used from a small prefix that doubles as it fills, so that a short search
// touches only a few pages.
class TTabulka {
public:
    bool Vytvor(std::size_t bajty)
    {
        std::size_t kosu = 1;
        while (kosu * 2 * sizeof(TKos) <= bajty)
            kosu *= 2;
        if (kosu * sizeof(TKos) > bajty)
            return false;
        if (!Pamet.Ziskej(kosu * sizeof(TKos)))
            return false;
        Kose = reinterpret_cast<TKos*>(Pamet.get());
        MaxKosu = kosu;
        Maska = std::min<std::size_t>(kosu, 256) - 1;
        return true;
    }

    template <class K>
    void PredtahniMrtvou(K s) const
    {
        __builtin_prefetch(&Kos(Dolni(s), KlicMrtve(Horni(s))));
    }

    template <class K>
    bool JeMrtva(K s) const
    {
        return Najdi(Dolni(s), KlicMrtve(Horni(s))) != nullptr;
    }

    template <class K>
    void UlozMrtvou(K s, int uroven)
    {
        Uloz(Dolni(s), KlicMrtve(Horni(s)), uroven, 0);
    }

    // The smallest failed move count, or -1.
    template <class K>
    int NeuspesnyTah(K s, std::uint8_t kam) const
    {
        const std::uint64_t* b = Najdi(Dolni(s), KlicNeuspechu(Horni(s), kam));
        return b == nullptr ? -1 : static_cast<int>((*b >> 33) & 0xFF);
    }

    template <class K>
    void UlozNeuspech(K s, std::uint8_t kam, int tahy, int uroven)
    {
        Uloz(Dolni(s), KlicNeuspechu(Horni(s), kam), uroven, tahy);
    }

    bool MaRust() const { return Obsazeno * 2 >= (Maska + 1) * 4 && (Maska + 1) * 2 <= MaxKosu; }

    // Doubles the part in use. Each entry either stays or moves to the new
    // twin of its line; a stop request leaves the remaining lines unsplit,
    // which only loses entries, as a cache may.
    template <class TStop>
    void Rust(const TStop& stop)
    {
        const std::size_t kosu = Maska + 1;
        const std::size_t novaMaska = 2 * kosu - 1;
        TKos* k = Kose;
        for (std::size_t b = 0; b < kosu; ++b) {
            if ((b & 1023) == 0 && stop())
                break;
            for (int i = 0; i < 4; ++i) {
                if (k[b].B[i] == 0)
                    continue;
                const std::size_t cil = Hash(k[b].A[i], k[b].B[i] & MaskaKlice) & novaMaska;
                if (cil != b) {
                    k[cil].A[i] = k[b].A[i];
                    k[cil].B[i] = k[b].B[i];
                    k[b].A[i] = 0;
                    k[b].B[i] = 0;
                }
            }
        }
        Maska = novaMaska;
        if (!VelkeStranky && (Maska + 1) * sizeof(TKos) >= MezVelkychStranek) {
            PouzijVelkeStranky(Kose, MaxKosu * sizeof(TKos));
            VelkeStranky = true;
        }
    }

private:
    struct alignas(64) TKos {
        std::uint64_t A[4];  // lower 64 bits of the position
        std::uint64_t B[4];  // see below; 0 for a free entry
    };
    // B: bits 0..16 the upper bits of the position, 17..24 the landing
    // field's number, 25 the kind, 26..32 the level, 33..40 the move count,
    // 63 set in every used entry. Bits 0..25 and 63 form the key.
    static constexpr std::uint64_t MaskaKlice = ((std::uint64_t(1) << 26) - 1) | (std::uint64_t(1) << 63);

    static std::uint64_t KlicMrtve(std::uint64_t horni) { return horni | (std::uint64_t(1) << 63); }
    static std::uint64_t KlicNeuspechu(std::uint64_t horni, std::uint8_t kam)
    {
        return horni | (std::uint64_t(kam) << 17) | (std::uint64_t(1) << 25) | (std::uint64_t(1) << 63);
    }

    static std::size_t Hash(std::uint64_t a, std::uint64_t klic)
    {
        return static_cast<std::size_t>(Promichej(a * 0x9E3779B97F4A7C15ULL ^ (klic + 0x632BE59BD9B4E019ULL)));
    }

    TKos& Kos(std::uint64_t a, std::uint64_t klic) const { return Kose[Hash(a, klic) & Maska]; }

    const std::uint64_t* Najdi(std::uint64_t a, std::uint64_t klic) const
    {
        const TKos& k = Kos(a, klic);
        for (int i = 0; i < 4; ++i)
            if (k.A[i] == a && (k.B[i] & MaskaKlice) == klic)
                return &k.B[i];
        return nullptr;
    }

    void Uloz(std::uint64_t a, std::uint64_t klic, int uroven, int tahy)
    {
        TKos& k = Kos(a, klic);
        const std::uint64_t hodnota = klic | (std::uint64_t(std::min(uroven, 127)) << 26)
                                      | (std::uint64_t(tahy & 0xFF) << 33);
        int obet = 0;
        int nejmene = 1 << 30;
        for (int i = 0; i < 4; ++i) {
            if (k.A[i] == a && (k.B[i] & MaskaKlice) == klic) {
                // A failed visit with fewer moves says more.
                const int stare = static_cast<int>((k.B[i] >> 33) & 0xFF);
                if (tahy < stare)
                    k.B[i] = hodnota;
                return;
            }
            const int u = k.B[i] == 0 ? -1 : static_cast<int>((k.B[i] >> 26) & 0x7F);
            if (u < nejmene) {
                nejmene = u;
                obet = i;
            }
        }
        // A position further from the goal stands for a larger subtree.
        if (nejmene > uroven)
            return;
        if (nejmene < 0)
            ++Obsazeno;
        k.A[obet] = a;
        k.B[obet] = hodnota;
    }

    TBlok Pamet;
    TKos* Kose = nullptr;
    std::size_t Maska = 0;
    std::size_t MaxKosu = 0;
    std::size_t Obsazeno = 0;
    bool VelkeStranky = false;
};

// The positions of one level being built, or of the last level built, from
// which the next one is built: an open addressing set, 0 marking a free slot
// (the position without stones has a flag of its own).
template <class K>
struct TMnozina {
    K* Data = nullptr;
    std::size_t Maska = 0;  // slots - 1, slots a power of two
    std::size_t Pocet = 0;
    bool Nula = false;

    std::size_t Bajtu() const { return (Maska + 1) * sizeof(K); }

    void VlozOd(K k, std::size_t i)
    {
        for (;; i = (i + 1) & Maska) {
            if (Data[i] == 0) {
                Data[i] = k;
                ++Pocet;
                return;
            }
            if (Data[i] == k)
                return;
        }
    }

    bool Plna() const { return Pocet + 16 > (Maska + 1) / 4 * 3; }
};

// What the search asks of a level: a blocked filter over the positions'
// fingerprints, a cache line per position. It may answer "perhaps" for a
// position that is not there, which only costs a visit, but never misses
// one that is; at about 12 bits per position the filter is small enough to
// stay in the processor's caches, where an exact set would not.
struct TFiltr {
    std::uint64_t* Slova = nullptr;  // 8 per block
    std::size_t Bloku = 0;
    std::size_t Pocet = 0;  // positions of the level

    static constexpr int Sond = 7;

    static std::size_t BlokuPro(std::size_t pozic) { return std::max<std::size_t>((pozic * 12 + 511) / 512, 1); }

    const std::uint64_t* Blok(std::uint64_t otisk) const
    {
        return Slova + 8 * static_cast<std::size_t>(((otisk >> 32) * Bloku) >> 32);
    }
    static std::uint64_t Sondy(std::uint64_t otisk) { return (otisk ^ (otisk >> 29)) * 0xBF58476D1CE4E5B9ULL; }

    void Predtahni(std::uint64_t otisk) const { __builtin_prefetch(Blok(otisk)); }

    bool MoznaObsahuje(std::uint64_t otisk) const
    {
        const std::uint64_t* b = Blok(otisk);
        const std::uint64_t g = Sondy(otisk);
        for (int i = 0; i < Sond; ++i) {
            const unsigned bit = static_cast<unsigned>(g >> (9 * i)) & 511;
            if (((b[bit >> 6] >> (bit & 63)) & 1) == 0)
                return false;
        }
        return true;
    }

    void Vloz(std::uint64_t otisk)
    {
        std::uint64_t* b = Slova + (Blok(otisk) - Slova);
        const std::uint64_t g = Sondy(otisk);
        for (int i = 0; i < Sond; ++i) {
            const unsigned bit = static_cast<unsigned>(g >> (9 * i)) & 511;
            b[bit >> 6] |= std::uint64_t(1) << (bit & 63);
        }
    }
};

constexpr std::size_t MaxCilu = 4096;

// A position searched costs about as much as this many steps back while a
// level is built (measured on the built-in boards). The next level is built
// once the search's work, times the share below, has reached the work of the
// levels so far and of the next one. The fastest search gains more from a
// further level: below the levels it only proves positions dead, which the
// levels do faster.
constexpr double CenaPozice = 10;
constexpr double PodilStavebNejrychlejsi = 0.3;
constexpr double PodilStavebNejkratsi = 1.0;

// ---------------------------------------------------------------------------

template <bool Leibniz, bool Nejkratsi, class K>
class TPruzkum {
public:
    // `limitUzlu` not 0: a search without any tables or precomputation that
    // gives up after so many positions. `uzlyPredtim`: positions searched
    // before, for the published count.
    TPruzkum(TUlohaReseni& uloha, TRizeniHledani& rizeni, std::uint64_t limitUzlu, std::uint64_t uzlyPredtim)
        : U(uloha), R(rizeni), LimitUzlu(limitUzlu), UzlyPredtim(uzlyPredtim)
    {
        SestavModel(U, Leibniz, M);
        Hloubka = M.Start - M.CilPocet;
        for (int i = 0; i <= DelkaCesty; ++i) {
            Tahy[i] = 0;
            Nejlepsi[i] = static_cast<std::uint8_t>(i);  // i jumps make at most i moves
        }
        MaxDeti = std::max<std::size_t>(M.Skoky.size(), 1);
        Deti.reset(new TDite[MaxDeti * (DelkaCesty + 1)]);
    }

    // Searches and writes the outcome into the job; false, and nothing
    // written, when a search without tables ran out of its positions.
    bool Spust()
    {
        if (LimitUzlu == 0)
            Priprav();
        if (!Stop()) {
            Sym.Obrazy(M.S0, Obrazy[0]);
            const K kanon = Sym.Kanon(M.S0);
            if (Nejkratsi)
                Kratce(M.S0, kanon, M.Start, 0, 0, 0, false);
            else
                Rychle(M.S0, kanon, M.Start, 0);
        } else {
            Preruseno = true;
        }
        R.PocetPozic.store(UzlyPredtim + Uzly, std::memory_order_relaxed);
        if (Vycerpano)
            return false;
        U.Preruseno = Preruseno;
        U.Nalezeno = Nalezeno;
        if (Nalezeno) {
            for (int i = 0; i < DelkaCesty; ++i)
                U.Vysledek[i] = Vysledek[i + 1];
        }
        return true;
    }

    std::uint64_t DejUzly() const { return UzlyPredtim + Uzly; }

private:
    struct TDite {
        K Kanon;
        std::uint64_t Otisk;
        std::uint16_t Skok;
    };

    TUlohaReseni& U;
    TRizeniHledani& R;
    TModel<K> M;
    int Hloubka = 0;  // jumps of every solution

    const std::uint64_t LimitUzlu;
    const std::uint64_t UzlyPredtim;
    std::uint64_t Uzly = 0;
    bool Vycerpano = false;
    bool Preruseno = false;
    bool Nalezeno = false;

    // Entries 1..81 as in the rules; entry 0 unused.
    TSkokCesty Cesta[DelkaCesty + 1];
    TSkokCesty Vysledek[DelkaCesty + 1];
    std::uint8_t Tahy[DelkaCesty + 1];
    std::uint8_t Nejlepsi[DelkaCesty + 1];

    // Per depth: the images of the position under the symmetries, and the
    // legal jumps with the canonical positions they lead to.
    K Obrazy[DelkaCesty + 1][MaxObrazu];
    std::size_t MaxDeti = 1;
    std::unique_ptr<TDite[]> Deti;

    TTabulka Tabulka;
    bool MaTabulku = false;

    // Level j tells which canonical positions with counter CilPocet + j can
    // still reach a goal position. The arena holds their filters from the
    // bottom up and, at its top, the exact set of the last level, from which
    // the next one is built (below it).
    TBlok Arena;
    std::size_t ArenaBajtu = 0;
    std::size_t Dole = 0;    // bytes of the filters
    std::size_t Nahore = 0;  // bytes of the last level's exact set
    bool ArenaVelkeStranky = false;
    TMnozina<K> Posledni;
    std::vector<K> Cile;
    TSymetrie<K> Sym;
    std::vector<TFiltr> Urovne;
    bool ZpetneMozne = false;
    bool ZadnyCil = false;  // no goal position of the start's parity exists
    // The work of the levels and of the search, in steps back over a jump
    // (one level's entry and its predecessors) and in positions searched.
    // Counted rather than timed, so that a search takes the same course on
    // every run and every machine.
    double PraceStaveb = 0;   // spent on the levels so far
    double OdhadStavby = 0;   // expected for the next level
    std::size_t KrokuZpet = 0;

    // A search without tables unwinds as if stopped once it has run out.
    bool Stop() const { return Vycerpano || R.Zastavit.load(std::memory_order_relaxed); }

    void Zverejni()
    {
        if (++Uzly > LimitUzlu && LimitUzlu != 0)
            Vycerpano = true;
        if ((Uzly & 4095) == 0) {
            R.PocetPozic.store(UzlyPredtim + Uzly, std::memory_order_relaxed);
            Udrzba();
        }
    }

    // The table grows as soon as it fills up.
    void PoUlozeni()
    {
        if (Tabulka.MaRust())
            Tabulka.Rust([this] { return Stop(); });
    }

    // Every few thousand positions: add a level while the levels have cost
    // less than the search itself.
    void Udrzba()
    {
        if (!ZpetneMozne)
            return;
        constexpr double podil = Nejkratsi ? PodilStavebNejkratsi : PodilStavebNejrychlejsi;
        if (static_cast<double>(Uzly) * CenaPozice >= podil * (PraceStaveb + OdhadStavby))
            Postav();
    }

    void Priprav()
    {
        const bool uplnyVycet = VyctiCile();
        if (uplnyVycet) {
            // Goal positions of another parity class than the start can
            // never be reached.
            const int parita = Parita(M, M.S0);
            Cile.erase(std::remove_if(Cile.begin(), Cile.end(), [&](K c) { return Parita(M, c) != parita; }),
                       Cile.end());
            if (Cile.empty()) {
                ZadnyCil = true;
                return;
            }
            NajdiSymetrie(M, Sym);
        }

        std::size_t limit = R.LimitPameti != 0 ? R.LimitPameti : VychoziLimitPameti();
        limit = std::max<std::size_t>(limit, 4096);
        std::size_t proTabulku = uplnyVycet ? limit / 2 : limit;
        // No more than the positions there are (and, in the shortest mode, a
        // failed visit per landing field).
        const double pozic = std::ldexp(1.0, M.N) * (Nejkratsi ? 9.0 : 1.0);
        const double potreba = pozic * 32.0;
        if (potreba < static_cast<double>(proTabulku))
            proTabulku = std::max<std::size_t>(static_cast<std::size_t>(potreba), 256);
        MaTabulku = Tabulka.Vytvor(proTabulku);
        if (!uplnyVycet)
            return;

        // A multiple of the huge page size, so that the whole block may use
        // them; for a small board no more than its positions can fill (the
        // sets being built and their filters).
        ArenaBajtu = (limit - proTabulku) & ~((std::size_t(1) << 21) - 1);
        const double potrebaAreny = std::max(std::ldexp(1.0, M.N) * 80.0, 1048576.0);
        if (potrebaAreny < static_cast<double>(ArenaBajtu))
            ArenaBajtu = static_cast<std::size_t>(potrebaAreny) & ~std::size_t(63);
        if (ArenaBajtu == 0)
            ArenaBajtu = (limit - proTabulku) & ~std::size_t(63);
        if (!Arena.Ziskej(ArenaBajtu)) {
            ArenaBajtu = 0;
            return;
        }
        Urovne.reserve(static_cast<std::size_t>(std::max(Hloubka, 0)) + 1);
        ZpetneMozne = true;
        // The first levels are cheap and cut the most.
        while (ZpetneMozne && !Stop() && (Urovne.empty() || Urovne.back().Pocet < 512))
            Postav();
    }

    // Lists every goal position (as stones over the fields) unless there are
    // too many.
    bool VyctiCile()
    {
        if (!M.SCilovymi) {
            // One stone (normal game) or one empty field (Leibniz game) left.
            for (int i = 0; i < M.N; ++i)
                Cile.push_back(Leibniz ? (M.Pole & ~Bit<K>(i)) : Bit<K>(i));
            return true;
        }
        // Inside the rectangle the goal is fixed; outside it any fields may
        // hold what the counter needs.
        const K venku = M.Pole & ~M.Obdelnik;
        const int nVenku = PocetBitu(venku);
        const int vUvnitr = PocetBitu(M.Vzor);
        const int citacUvnitr = Leibniz ? PocetBitu(M.Obdelnik) - vUvnitr : vUvnitr;
        const int citacVenku = M.Cilovych - citacUvnitr;
        if (citacVenku < 0 || citacVenku > nVenku)
            return true;  // no goal position at all
        const int kamenuVenku = Leibniz ? nVenku - citacVenku : citacVenku;
        double kombinaci = 1;
        for (int i = 0; i < kamenuVenku; ++i)
            kombinaci = kombinaci * (nVenku - i) / (i + 1);
        if (kombinaci > MaxCilu)
            return false;
        std::vector<int> pole;
        for (K x = venku; x != 0; x &= x - 1)
            pole.push_back(NejnizsiBit(x));
        std::vector<int> vyber(static_cast<std::size_t>(kamenuVenku));
        for (int i = 0; i < kamenuVenku; ++i)
            vyber[static_cast<std::size_t>(i)] = i;
        for (;;) {
            K c = M.Vzor;
            for (int v : vyber)
                c |= Bit<K>(pole[static_cast<std::size_t>(v)]);
            Cile.push_back(c);
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

    // Long clears and copies of the arena go by pieces, so that a stop
    // request is seen within a few milliseconds even while fresh pages are
    // being mapped.
    static constexpr std::size_t Kus = std::size_t(1) << 20;

    bool Vynuluj(void* p, std::size_t bajtu) const
    {
        unsigned char* b = static_cast<unsigned char*>(p);
        for (std::size_t od = 0; od < bajtu; od += Kus) {
            if (Stop())
                return false;
            std::memset(b + od, 0, std::min(Kus, bajtu - od));
        }
        return true;
    }

    // Moves a block to a higher address, from its top down.
    bool PresunNahoru(void* kam, const void* odkud, std::size_t bajtu) const
    {
        for (std::size_t zbyva = bajtu; zbyva > 0;) {
            if (Stop())
                return false;
            const std::size_t kus = std::min(Kus, zbyva);
            zbyva -= kus;
            std::memmove(static_cast<unsigned char*>(kam) + zbyva, static_cast<const unsigned char*>(odkud) + zbyva,
                         kus);
        }
        return true;
    }

    // A zeroed block of the arena just below the last level's exact set and
    // `pod` further bytes, or nullptr when it does not fit or a stop request
    // came.
    K* VyhradPod(std::size_t pod, std::size_t bajtu)
    {
        const std::size_t nahore = Nahore + pod;
        if (nahore > ArenaBajtu || bajtu > ArenaBajtu - nahore - Dole)
            return nullptr;
        unsigned char* p = Arena.get() + (ArenaBajtu - nahore - bajtu);
        if (!ArenaVelkeStranky && bajtu >= MezVelkychStranek / 2) {
            PouzijVelkeStranky(Arena.get(), ArenaBajtu);
            ArenaVelkeStranky = true;
        }
        return Vynuluj(p, bajtu) ? reinterpret_cast<K*>(p) : nullptr;
    }

    // Inserts into a level being built a few positions behind their
    // prefetch, so that the cache misses of the random slots overlap.
    struct TVkladani {
        static constexpr int Delka = 16;
        K Klic[Delka];
        std::size_t Misto[Delka];
        int Pocet = 0;
        int Hlava = 0;
    };

    static void Vyprazdni(TMnozina<K>& u, TVkladani& v)
    {
        for (int i = 0; i < v.Pocet; ++i) {
            const int k = (v.Hlava + i) % TVkladani::Delka;
            u.VlozOd(v.Klic[k], v.Misto[k]);
        }
        v.Pocet = 0;
        v.Hlava = 0;
    }

    // Doubles the set being built, which lies just below the last level's:
    // rehashes it into a block below itself and moves that block up.
    bool Zvetsi(TMnozina<K>& u)
    {
        const std::size_t stare = u.Maska + 1;
        K* nova = VyhradPod(stare * sizeof(K), 2 * stare * sizeof(K));
        if (nova == nullptr)
            return false;
        TMnozina<K> v;
        v.Data = nova;
        v.Maska = 2 * stare - 1;
        for (std::size_t i = 0; i < stare; ++i) {
            if ((i & 0xFFFF) == 0 && Stop())
                return false;
            if (u.Data[i] != 0)
                v.VlozOd(u.Data[i], static_cast<std::size_t>(Otisk(u.Data[i])) & v.Maska);
        }
        K* cil = reinterpret_cast<K*>(Arena.get() + (ArenaBajtu - Nahore - 2 * stare * sizeof(K)));
        if (!PresunNahoru(cil, nova, 2 * stare * sizeof(K)))
            return false;
        u.Data = cil;
        u.Maska = v.Maska;
        u.Pocet = v.Pocet + (u.Nula ? 1 : 0);
        return true;
    }

    bool Pridej(TMnozina<K>& u, TVkladani& v, K k)
    {
        if (k == 0) {
            if (!u.Nula) {
                u.Nula = true;
                ++u.Pocet;
            }
        } else {
            const std::size_t misto = static_cast<std::size_t>(Otisk(k)) & u.Maska;
            __builtin_prefetch(&u.Data[misto], 1);
            if (v.Pocet == TVkladani::Delka) {
                u.VlozOd(v.Klic[v.Hlava], v.Misto[v.Hlava]);
                v.Klic[v.Hlava] = k;
                v.Misto[v.Hlava] = misto;
                v.Hlava = (v.Hlava + 1) % TVkladani::Delka;
            } else {
                const int i = (v.Hlava + v.Pocet++) % TVkladani::Delka;
                v.Klic[i] = k;
                v.Misto[i] = misto;
            }
        }
        if (u.Plna()) {
            Vyprazdni(u, v);
            return Zvetsi(u);
        }
        return true;
    }

    // Builds the next level. Gives up for good when the arena is full;
    // leaves the level unbuilt when stopped.
    void Postav()
    {
        const std::size_t j = Urovne.size();
        KrokuZpet = 0;
        if (static_cast<int>(j) > Hloubka) {
            ZpetneMozne = false;
            return;
        }
        double odhad;
        if (j == 0) {
            odhad = static_cast<double>(Cile.size());
        } else if (j == 1) {
            odhad = static_cast<double>(Urovne[0].Pocet) * 4.0;
        } else {
            const double rust = static_cast<double>(Urovne[j - 1].Pocet)
                                / static_cast<double>(std::max<std::size_t>(Urovne[j - 2].Pocet, 1));
            odhad = static_cast<double>(Urovne[j - 1].Pocet) * std::max(rust, 1.0) * 1.1;
        }
        std::size_t kapacita = 64;
        while (static_cast<double>(kapacita) * 0.7 < odhad)
            kapacita *= 2;
        TMnozina<K> nova;
        nova.Data = VyhradPod(0, kapacita * sizeof(K));
        if (nova.Data == nullptr) {
            ZpetneMozne = Stop();
            return;
        }
        nova.Maska = kapacita - 1;
        TVkladani vkladani;
        if (j == 0) {
            for (K c : Cile) {
                if (!Pridej(nova, vkladani, Sym.Kanon(c))) {
                    ZpetneMozne = false;
                    return;
                }
            }
        } else {
            // Stepping back over a jump: its landing field held a stone and
            // the three fields were as after the jump.
            K obrazy[MaxObrazu];
            std::uint16_t skoky[4 * MaxPoli];
            std::size_t kroku = 0;
            for (std::size_t i = 0; i <= Posledni.Maska; ++i) {
                const K p = Posledni.Data[i];
                if (p == 0)
                    continue;
                if ((++kroku & 255) == 0 && Stop())
                    return;
                // Such a jump lands on a stone and starts from an empty
                // field: look from the fewer of the two.
                int n = 0;
                const K prazdna = M.Pole & ~p;
                if (PocetBitu(p) <= PocetBitu(prazdna)) {
                    for (K x = p; x != 0; x &= x - 1) {
                        const int kam = NejnizsiBit(x);
                        for (int d = 0; d < M.PocetDoKam[kam]; ++d) {
                            const int k = M.DoKam[kam][d];
                            skoky[n] = static_cast<std::uint16_t>(k);
                            n += (p & M.Skoky[static_cast<std::size_t>(k)].Maska) == M.Skoky[static_cast<std::size_t>(k)].Potom;
                        }
                    }
                } else {
                    for (K x = prazdna & M.Obdelnik; x != 0; x &= x - 1) {
                        const int odkud = NejnizsiBit(x);
                        for (int d = 0; d < M.PocetSkoku[odkud][poSvisleNapred]; ++d) {
                            const int k = M.SkokyPole[odkud][poSvisleNapred][d];
                            skoky[n] = static_cast<std::uint16_t>(k);
                            n += (p & M.Skoky[static_cast<std::size_t>(k)].Maska) == M.Skoky[static_cast<std::size_t>(k)].Potom;
                        }
                    }
                }
                KrokuZpet += static_cast<std::size_t>(n);
                if (n == 0)
                    continue;
                Sym.Obrazy(p, obrazy);
                for (int d = 0; d < n; ++d) {
                    const TSkok<K>& s = M.Skoky[skoky[d]];
                    if (!Pridej(nova, vkladani, Sym.KanonPoSkoku(p ^ s.Maska, obrazy, skoky[d]))) {
                        ZpetneMozne = false;
                        return;
                    }
                }
            }
        }
        Vyprazdni(nova, vkladani);

        // The new set replaces the last one at the top of the arena; the
        // filter goes to the bottom. A stop from here on loses the level,
        // which no longer matters then.
        K* vrchol = reinterpret_cast<K*>(Arena.get() + (ArenaBajtu - nova.Bajtu()));
        if (!PresunNahoru(vrchol, nova.Data, nova.Bajtu())) {
            ZpetneMozne = false;
            return;
        }
        nova.Data = vrchol;
        Nahore = nova.Bajtu();
        Posledni = nova;
        TFiltr filtr;
        filtr.Pocet = nova.Pocet;
        filtr.Bloku = TFiltr::BlokuPro(nova.Pocet);
        const std::size_t bajtuFiltru = filtr.Bloku * 64;
        if (bajtuFiltru > ArenaBajtu - Nahore - Dole) {
            ZpetneMozne = false;
            return;
        }
        filtr.Slova = reinterpret_cast<std::uint64_t*>(Arena.get() + Dole);
        if (!Vynuluj(filtr.Slova, bajtuFiltru)) {
            ZpetneMozne = false;
            return;
        }
        Dole += bajtuFiltru;
        for (std::size_t i = 0; i <= nova.Maska; ++i) {
            if ((i & 0xFFFF) == 0 && Stop()) {
                ZpetneMozne = false;
                return;
            }
            if (nova.Data[i] != 0)
                filtr.Vloz(Otisk(nova.Data[i]));
        }
        if (nova.Nula)
            filtr.Vloz(Otisk(K(0)));
        Urovne.push_back(filtr);

        const double prace = static_cast<double>(KrokuZpet + nova.Pocet);
        PraceStaveb += prace;
        const double rust = j == 0 ? 4.0
                                   : static_cast<double>(nova.Pocet)
                                         / static_cast<double>(std::max<std::size_t>(Urovne[j - 1].Pocet, 1));
        OdhadStavby = prace * std::max(rust, 1.0);
    }

    // The position (canonical, with its fingerprint) cannot reach any goal
    // position.
    bool JeMrtva(K kanon, std::uint64_t otisk, int citac) const
    {
        if (citac < M.CilPocet || ZadnyCil)
            return true;  // the counter only falls
        const std::size_t j = static_cast<std::size_t>(citac - M.CilPocet);
        if (j < Urovne.size())
            return !Urovne[j].MoznaObsahuje(otisk);
        return MaTabulku && Tabulka.JeMrtva(kanon);
    }

    void Predtahni(K kanon, std::uint64_t otisk, int citac) const
    {
        const std::size_t j = static_cast<std::size_t>(citac - M.CilPocet);
        if (j < Urovne.size())
            Urovne[j].Predtahni(otisk);
        else if (MaTabulku)
            Tabulka.PredtahniMrtvou(kanon);
    }

    void UlozMrtvou(K kanon, int citac)
    {
        const std::size_t j = static_cast<std::size_t>(citac - M.CilPocet);
        if (MaTabulku && j >= Urovne.size()) {
            Tabulka.UlozMrtvou(kanon, citac - M.CilPocet);
            PoUlozeni();
        }
    }

    // The legal jumps from s in the order of the scan, with the canonical
    // positions they lead to, whose table entries are fetched meanwhile.
    // Returns their number.
    int RozvinDeti(K s, int h, int poradi, int citacDite, TDite* deti)
    {
        int n = 0;
        const bool predtahnout = citacDite != M.CilPocet;
        const K* obrazy = Obrazy[h];
        for (K x = s & M.Obdelnik; x != 0; x &= x - 1) {
            const int f = NejnizsiBit(x);
            const int pocet = M.PocetSkoku[f][poradi];
            for (int d = 0; d < pocet; ++d) {
                const int k = M.SkokyPole[f][poradi][d];
                const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
                if ((s & skok.Maska) != skok.Nutne)
                    continue;
                const K kanon = Sym.KanonPoSkoku(s ^ skok.Maska, obrazy, k);
                const std::uint64_t otisk = Otisk(kanon);
                if (predtahnout)
                    Predtahni(kanon, otisk, citacDite);
                deti[n].Kanon = kanon;
                deti[n].Otisk = otisk;
                deti[n].Skok = static_cast<std::uint16_t>(k);
                ++n;
            }
        }
        return n;
    }

    // A goal position is tested by the child itself.
    bool JeDiteMrtve(const TDite& d, int citacDite) const
    {
        return citacDite != M.CilPocet && JeMrtva(d.Kanon, d.Otisk, citacDite);
    }

    void Zaznamenej()
    {
        Nalezeno = true;
        for (int i = 1; i <= DelkaCesty; ++i)
            Vysledek[i] = Cesta[i];
        if (Nejkratsi)
            for (int i = 1; i <= DelkaCesty; ++i)
                Nejlepsi[i] = Tahy[i];
    }

    bool JeCil(K s) const { return (s & M.Obdelnik) == M.Vzor; }

    // Fastest mode: true once the search is to unwind (found or stopped).
    bool Rychle(K s, K kanon, int citac, int h)
    {
        Zverejni();
        if (Stop()) {
            Preruseno = true;
            return true;
        }
        if (M.SCilovymi) {
            if (citac == M.Cilovych) {
                if (!JeCil(s))
                    return false;
                Zaznamenej();
                return true;
            }
        } else if (citac == 1) {
            Zaznamenej();
            return true;
        }
        if (h == 0 && JeMrtva(kanon, Otisk(kanon), citac))
            return false;  // the parent tests its children itself
        constexpr int poradi = Leibniz ? poVodorovneNapred : poSvisleNapred;
        TDite* deti = Deti.get() + static_cast<std::size_t>(h) * MaxDeti;
        const int n = RozvinDeti(s, h, poradi, citac - 1, deti);
        for (int i = 0; i < n; ++i) {
            if (JeDiteMrtve(deti[i], citac - 1))
                continue;
            const int k = deti[i].Skok;
            const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
            Cesta[h + 1] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
            Sym.ObrazyPoSkoku(Obrazy[h], k, Obrazy[h + 1]);
            const bool konec = Rychle(s ^ skok.Maska, deti[i].Kanon, citac - 1, h + 1);
            Cesta[h + 1] = TSkokCesty{};
            if (konec)
                return true;
        }
        UlozMrtvou(kanon, citac);
        return false;
    }

    // Shortest mode results of one call.
    static constexpr int vZaznam = 1;  // recorded a solution
    static constexpr int vCisty = 2;   // no goal position and no cut below: the position is dead

    int DolniMezTahu(K s, int h, int kamIndex) const
    {
        int potreba;
        bool pokracovani;
        if (Leibniz) {
            potreba = PocetBitu(K(M.Rohy & ~s));
            pokracovani = h != 0;
        } else {
            potreba = PocetBitu(K(M.Rohy & s));
            pokracovani = h != 0 && (M.Rohy & Bit<K>(kamIndex)) != 0;
        }
        potreba -= M.RohyRezerva + (pokracovani ? 1 : 0);
        return potreba > 0 ? potreba : 0;
    }

    int Kratce(K s, K kanon, int citac, int h, int tahy, int kamIndex, bool svisle)
    {
        Zverejni();
        if (Stop()) {
            Preruseno = true;
            return 0;
        }
        if (h != 0 && tahy > Nejlepsi[h])
            return 0;
        if (M.SCilovymi) {
            if (citac == M.Cilovych) {
                if (!JeCil(s))
                    return vCisty;
                Zaznamenej();
                return vZaznam;
            }
        } else if (citac == 1) {
            Zaznamenej();
            return vZaznam;
        }
        if (h == 0 && JeMrtva(kanon, Otisk(kanon), citac))
            return vCisty;
        const std::uint8_t kamCislo = h != 0 ? Cesta[h].CisloKam : 0;
        if (h != 0 && MaTabulku) {
            const int neuspech = Tabulka.NeuspesnyTah(s, kamCislo);
            if (neuspech >= 0 && neuspech <= tahy)
                return 0;
        }
        if (Hloubka >= 1 && Hloubka <= DelkaCesty && tahy + DolniMezTahu(s, h, kamIndex) > Nejlepsi[Hloubka])
            return 0;
        // The normal game turns to left and right first after a vertical jump.
        const int poradi = Leibniz || svisle ? poVodorovneNapred : poSvisleNapred;
        TDite* deti = Deti.get() + static_cast<std::size_t>(h) * MaxDeti;
        const int n = RozvinDeti(s, h, poradi, citac - 1, deti);
        bool zaznam = false;
        bool cisty = true;
        for (int i = 0; i < n; ++i) {
            if (JeDiteMrtve(deti[i], citac - 1))
                continue;
            const int k = deti[i].Skok;
            const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
            int noveTahy;
            if (h == 0)
                noveTahy = 1;
            else if (skok.CisloOdkud == kamCislo)
                noveTahy = tahy;
            else
                noveTahy = tahy + 1;
            Cesta[h + 1] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
            Tahy[h + 1] = static_cast<std::uint8_t>(noveTahy);
            Sym.ObrazyPoSkoku(Obrazy[h], k, Obrazy[h + 1]);
            const int r = Kratce(s ^ skok.Maska, deti[i].Kanon, citac - 1, h + 1, noveTahy, skok.IndexKam,
                                 skok.Svisly);
            Tahy[h + 1] = 0;
            Cesta[h + 1] = TSkokCesty{};
            zaznam = zaznam || (r & vZaznam) != 0;
            cisty = cisty && (r & vCisty) != 0;
        }
        if (Preruseno)
            return zaznam ? vZaznam : 0;
        if (zaznam)
            return vZaznam;
        if (cisty) {
            UlozMrtvou(kanon, citac);
            return vCisty;
        }
        if (MaTabulku && h != 0) {
            Tabulka.UlozNeuspech(s, kamCislo, tahy, citac - M.CilPocet);
            PoUlozeni();
        }
        return 0;
    }
};

// Small searches are over before tables would pay for themselves: first a
// search without them, and only when that runs out of its positions the
// full one, from the start again.
constexpr std::uint64_t PozicBezTabulek = 100000;

template <bool Leibniz, bool Nejkratsi, class K>
void ProhledejS(TUlohaReseni& uloha, TRizeniHledani& rizeni)
{
    std::uint64_t uzly;
    {
        const auto lehce = std::make_unique<TPruzkum<Leibniz, Nejkratsi, K>>(uloha, rizeni, PozicBezTabulek, 0);
        if (lehce->Spust())
            return;
        uzly = lehce->DejUzly();
    }
    std::make_unique<TPruzkum<Leibniz, Nejkratsi, K>>(uloha, rizeni, 0, uzly)->Spust();
}

template <class K>
void ProhledejS(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, bool nejkratsi)
{
    if (leibniz) {
        if (nejkratsi)
            ProhledejS<true, true, K>(uloha, rizeni);
        else
            ProhledejS<true, false, K>(uloha, rizeni);
    } else {
        if (nejkratsi)
            ProhledejS<false, true, K>(uloha, rizeni);
        else
            ProhledejS<false, false, K>(uloha, rizeni);
    }
}

}  // namespace

void Prohledej(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, bool nejkratsi)
{
    int poli = 0;
    for (const auto& sloupec : uloha.PoleHledani)
        for (const TPole& p : sloupec)
            poli += JePole(p) ? 1 : 0;
    if (poli <= 64)
        ProhledejS<std::uint64_t>(uloha, rizeni, leibniz, nejkratsi);
    else
        ProhledejS<TBity128>(uloha, rizeni, leibniz, nejkratsi);
}

}  // namespace KavirelHledani
