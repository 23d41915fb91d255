#include "KavirelHledani.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <memory>
#include <vector>

namespace KavirelHledani {
namespace {

// A position as a set of stones over the present fields, numbered in the
// order of the scan (column by column, top to bottom): at most 81 bits.
__extension__ typedef unsigned __int128 TBity;

inline TBity Bit(int i) { return TBity(1) << i; }
inline std::uint64_t Dolni(TBity x) { return static_cast<std::uint64_t>(x); }
inline std::uint64_t Horni(TBity x) { return static_cast<std::uint64_t>(x >> 64); }
inline int PocetBitu(TBity x) { return __builtin_popcountll(Dolni(x)) + __builtin_popcountll(Horni(x)); }
inline int NejnizsiBit(TBity x)
{
    const std::uint64_t d = Dolni(x);
    return d != 0 ? __builtin_ctzll(d) : 64 + __builtin_ctzll(Horni(x));
}

constexpr int MaxPoli = RozmerDesky * RozmerDesky;

struct TSkokBity {
    TBity Maska = 0;  // the three fields of the jump
    TBity Nutne = 0;  // of those, the ones that must hold a stone before it
    std::uint8_t CisloOdkud = 0;
    std::uint8_t CisloKam = 0;
    std::uint8_t IndexKam = 0;  // bit of the landing field
    bool Svisly = false;
};

// Direction orders: up, down, left, right; or left, right, up, down.
enum { poSvisleNapred = 0, poVodorovneNapred = 1 };

// Everything about the board that stays fixed during a job.
struct TModel {
    int N = 0;                       // present fields (state 1 or 2)
    TPozice Pozice[MaxPoli];         // position of each field
    std::uint8_t Cislo[MaxPoli] = {};
    TBity Pole = 0;                  // all fields
    TBity Obdelnik = 0;              // fields inside the scanned rectangle
    TBity Vzor = 0;                  // stones inside the rectangle at a goal (target fields)
    bool SCilovymi = false;          // CilovychPoli != 0
    int Cilovych = 0;                // CilovychPoli
    int CilPocet = 1;                // the counter at every goal position
    int Start = 0;                   // the counter at the start
    TBity S0 = 0;                    // stones at the start
    std::uint8_t PocetSkoku[MaxPoli][2] = {};
    TSkokBity Skoky[MaxPoli][2][4];  // per scanned field, in both direction orders
    std::vector<TSkokBity> VsechnySkoky;
    // The same jumps by their landing field, for stepping back from a position.
    std::uint8_t PocetDoKam[MaxPoli] = {};
    TSkokBity DoKam[MaxPoli][4];
    // The move bound: fields no jump passes over whose state must change
    // before a goal can be met.
    TBity Rohy = 0;
    int RohyRezerva = 0;             // corners that may keep their state at the goal
};

// The symmetries of a board: the turns and mirrorings of the grid that map
// the fields, the scanned rectangle and the goal positions onto themselves.
// Every jump maps to a jump, so a position can reach a goal exactly when its
// image can; tables of such facts may keep one image per class.
struct TSymetrie {
    int Pocet = 1;
    int Bajtu = 0;
    // Image of each byte of a position under each symmetry but the identity.
    std::vector<TBity> Obrazy;  // [(g - 1) * Bajtu * 256 + bajt * 256 + hodnota]

    TBity Obraz(int g, TBity s) const
    {
        const TBity* t = Obrazy.data() + static_cast<std::size_t>(g - 1) * Bajtu * 256;
        TBity v = 0;
        for (int b = 0; b < Bajtu; ++b, t += 256)
            v |= t[static_cast<unsigned>(s >> (8 * b)) & 0xFF];
        return v;
    }

    // The smallest image.
    TBity Kanon(TBity s) const
    {
        TBity nej = s;
        for (int g = 1; g < Pocet; ++g) {
            const TBity o = Obraz(g, s);
            if (o < nej)
                nej = o;
        }
        return nej;
    }
};

// Finds the symmetries that keep the fields, the rectangle's fields, the goal
// pattern inside it and the given goal positions.
void NajdiSymetrie(const TModel& m, const std::vector<TBity>& cile, TSymetrie& sym)
{
    sym = TSymetrie{};
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
    for (auto& sl : index)
        for (int& i : sl)
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
            if ((x2 & 1) || (y2 & 1) || x2 < 0 || y2 < 0 || x2 > 16 || y2 > 16 || index[x2 / 2][y2 / 2] < 0) {
                platna = false;
                break;
            }
            perm[static_cast<std::size_t>(i)] = index[x2 / 2][y2 / 2];
        }
        if (!platna)
            continue;
        auto obraz = [&](TBity s) {
            TBity v = 0;
            for (TBity x = s; x != 0; x &= x - 1)
                v |= Bit(perm[static_cast<std::size_t>(NejnizsiBit(x))]);
            return v;
        };
        if (obraz(m.Obdelnik) != m.Obdelnik || obraz(m.Vzor) != m.Vzor)
            continue;
        // The continuation of a move compares field numbers; they must name
        // the fields one to one.
        std::vector<TBity> vsechny(cile.begin(), cile.end());
        std::sort(vsechny.begin(), vsechny.end());
        for (TBity c : cile)
            if (!std::binary_search(vsechny.begin(), vsechny.end(), obraz(c)))
                platna = false;
        if (platna)
            permutace.push_back(perm);
    }
    if (permutace.empty())
        return;
    sym.Pocet = static_cast<int>(permutace.size()) + 1;
    sym.Bajtu = (m.N + 7) / 8;
    sym.Obrazy.assign(permutace.size() * static_cast<std::size_t>(sym.Bajtu) * 256, 0);
    for (std::size_t g = 0; g < permutace.size(); ++g)
        for (int b = 0; b < sym.Bajtu; ++b)
            for (int h = 0; h < 256; ++h) {
                TBity v = 0;
                for (int k = 0; k < 8; ++k)
                    if ((h >> k) & 1 && 8 * b + k < m.N)
                        v |= Bit(permutace[g][static_cast<std::size_t>(8 * b + k)]);
                sym.Obrazy[(g * static_cast<std::size_t>(sym.Bajtu) + static_cast<std::size_t>(b)) * 256 + static_cast<std::size_t>(h)] = v;
            }
}

bool JePole(const TPole& p) { return p.Stav == spPrazdne || p.Stav == spPlne; }

void SestavModel(const TUlohaReseni& u, bool leibniz, TModel& m)
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
            m.Pole |= Bit(i);
            if (p.Stav == spPlne)
                m.S0 |= Bit(i);
            const bool vObdelniku = x >= u.MinX && x <= u.MaxX && y >= u.MinY && y <= u.MaxY;
            if (vObdelniku) {
                m.Obdelnik |= Bit(i);
                // Normal game: stones on target fields; Leibniz game: stones
                // on the other fields.
                if ((p.Cilove != 0) != leibniz)
                    m.Vzor |= Bit(i);
            }
        }
    }
    m.Cilovych = u.CilovychPoli;
    m.SCilovymi = u.CilovychPoli != 0;
    m.CilPocet = m.SCilovymi ? u.CilovychPoli : 1;
    m.Start = leibniz ? u.ZbyvaPrazdnych : u.ZbyvaKamenu;

    TBity preskakovana = 0;
    for (int i = 0; i < m.N; ++i) {
        if ((m.Obdelnik & Bit(i)) == 0)
            continue;  // never scanned
        const int x = m.Pozice[i].X;
        const int y = m.Pozice[i].Y;
        struct TSmer { int dx, dy; bool platny; };
        const TSmer nahoru{0, -1, y >= 2}, dolu{0, 1, y <= 6}, vlevo{-1, 0, x >= 2}, vpravo{1, 0, x <= 6};
        const TSmer svisleNapred[4] = {nahoru, dolu, vlevo, vpravo};
        const TSmer vodorovneNapred[4] = {vlevo, vpravo, nahoru, dolu};
        for (int poradi = 0; poradi < 2; ++poradi) {
            const TSmer* smery = poradi == poSvisleNapred ? svisleNapred : vodorovneNapred;
            for (int k = 0; k < 4; ++k) {
                const TSmer& s = smery[k];
                if (!s.platny)
                    continue;
                const int pres = index[x + s.dx][y + s.dy];
                const int kam = index[x + 2 * s.dx][y + 2 * s.dy];
                if (pres < 0 || kam < 0)
                    continue;  // absent fields never take part in a jump
                TSkokBity skok;
                skok.Maska = Bit(i) | Bit(pres) | Bit(kam);
                skok.Nutne = leibniz ? Bit(i) : (Bit(i) | Bit(pres));
                skok.CisloOdkud = m.Cislo[i];
                skok.CisloKam = m.Cislo[kam];
                skok.IndexKam = static_cast<std::uint8_t>(kam);
                skok.Svisly = s.dx == 0;
                m.Skoky[i][poradi][m.PocetSkoku[i][poradi]++] = skok;
                if (poradi == poSvisleNapred) {
                    m.VsechnySkoky.push_back(skok);
                    m.DoKam[kam][m.PocetDoKam[kam]++] = skok;
                    preskakovana |= Bit(pres);
                }
            }
        }
    }

    // A stone on a corner leaves it only by jumping away (normal game); an
    // empty corner gets a stone only as the end of a move (Leibniz game).
    const TBity rohy = m.Pole & ~preskakovana;
    const TBity meniSe = m.SCilovymi ? (leibniz ? m.Vzor : (m.Obdelnik & ~m.Vzor)) : m.Pole;
    m.Rohy = rohy & meniSe;
    m.RohyRezerva = m.SCilovymi ? 0 : 1;
}

// The parity of the stones in the three diagonal classes of both directions:
// every jump, of either game, changes each class count by one.
int Parita(const TModel& m, TBity s)
{
    int vysledek = 0;
    int pocty[2][3] = {};
    for (TBity x = s; x != 0; x &= x - 1) {
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
// Memory of one job. Both tables come from the C allocator zero-filled, so
// the pages are mapped lazily and a small search touches only a few of them.

struct TUvolneni {
    void operator()(void* p) const { std::free(p); }
};

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
        Kose.reset(static_cast<TKos*>(std::calloc(kosu, sizeof(TKos))));
        if (!Kose)
            return false;
        MaxKosu = kosu;
        Maska = std::min<std::size_t>(kosu, 4096) - 1;
        return true;
    }

    bool JeMrtva(TBity s) const { return Najdi(s, KlicMrtve(s)) != nullptr; }

    void UlozMrtvou(TBity s, int uroven) { Uloz(s, KlicMrtve(s), uroven, 0); }

    // The smallest failed move count, or -1.
    int NeuspesnyTah(TBity s, std::uint8_t kam) const
    {
        const std::uint64_t* b = Najdi(s, KlicNeuspechu(s, kam));
        return b == nullptr ? -1 : static_cast<int>((*b >> 33) & 0xFF);
    }

    void UlozNeuspech(TBity s, std::uint8_t kam, int tahy, int uroven)
    {
        Uloz(s, KlicNeuspechu(s, kam), uroven, tahy);
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
        TKos* k = Kose.get();
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

    static std::uint64_t KlicMrtve(TBity s) { return Horni(s) | (std::uint64_t(1) << 63); }
    static std::uint64_t KlicNeuspechu(TBity s, std::uint8_t kam)
    {
        return Horni(s) | (std::uint64_t(kam) << 17) | (std::uint64_t(1) << 25) | (std::uint64_t(1) << 63);
    }

    static std::size_t Hash(std::uint64_t a, std::uint64_t klic)
    {
        std::uint64_t h = a * 0x9E3779B97F4A7C15ULL ^ (klic + 0x632BE59BD9B4E019ULL) * 0xC2B2AE3D27D4EB4FULL;
        h ^= h >> 31;
        h *= 0xD6E8FEB86659FD93ULL;
        h ^= h >> 29;
        return static_cast<std::size_t>(h);
    }

    TKos& Kos(std::uint64_t a, std::uint64_t klic) const { return Kose.get()[Hash(a, klic) & Maska]; }

    const std::uint64_t* Najdi(TBity s, std::uint64_t klic) const
    {
        const std::uint64_t a = Dolni(s);
        const TKos& k = Kos(a, klic);
        for (int i = 0; i < 4; ++i)
            if (k.A[i] == a && (k.B[i] & MaskaKlice) == klic)
                return &k.B[i];
        return nullptr;
    }

    void Uloz(TBity s, std::uint64_t klic, int uroven, int tahy)
    {
        const std::uint64_t a = Dolni(s);
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

    std::unique_ptr<TKos, TUvolneni> Kose;
    std::size_t Maska = 0;
    std::size_t MaxKosu = 0;
    std::size_t Obsazeno = 0;
};

// One level of the positions that can still reach a goal position.
class TMnozina {
public:
    std::uint64_t* Data = nullptr;  // two words per slot; 0 in the upper word marks a free slot
    std::size_t Kapacita = 0;       // power of two
    std::size_t Pocet = 0;

    static std::uint64_t Horni1(TBity s) { return Horni(s) | (std::uint64_t(1) << 63); }

    std::size_t Start(TBity s) const
    {
        std::uint64_t h = Dolni(s) * 0x9E3779B97F4A7C15ULL ^ Horni(s) * 0xC2B2AE3D27D4EB4FULL;
        h ^= h >> 32;
        h *= 0xD6E8FEB86659FD93ULL;
        h ^= h >> 32;
        return static_cast<std::size_t>(h) & (Kapacita - 1);
    }

    bool Obsahuje(TBity s) const
    {
        const std::uint64_t d = Dolni(s), h = Horni1(s);
        for (std::size_t i = Start(s);; i = (i + 1) & (Kapacita - 1)) {
            if (Data[2 * i + 1] == 0)
                return false;
            if (Data[2 * i] == d && Data[2 * i + 1] == h)
                return true;
        }
    }

    void Vloz(TBity s)
    {
        const std::uint64_t d = Dolni(s), h = Horni1(s);
        for (std::size_t i = Start(s);; i = (i + 1) & (Kapacita - 1)) {
            if (Data[2 * i + 1] == 0) {
                Data[2 * i] = d;
                Data[2 * i + 1] = h;
                ++Pocet;
                return;
            }
            if (Data[2 * i] == d && Data[2 * i + 1] == h)
                return;
        }
    }

    bool Preplneno() const { return Pocet * 10 > Kapacita * 7; }
};

constexpr std::size_t MaxCilu = 4096;

// ---------------------------------------------------------------------------

template <bool Leibniz, bool Nejkratsi>
class TPruzkum {
public:
    TPruzkum(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool orezavat)
        : U(uloha), R(rizeni), Orezavat(orezavat)
    {
        SestavModel(U, Leibniz, M);
        Hloubka = M.Start - M.CilPocet;
        for (int i = 0; i <= DelkaCesty; ++i) {
            Tahy[i] = 0;
            Nejlepsi[i] = static_cast<std::uint8_t>(i);  // i jumps make at most i moves
        }
    }

    void Spust()
    {
        if (Orezavat)
            Priprav();
        if (!R.Zastavit.load(std::memory_order_relaxed)) {
            if (Nejkratsi)
                Kratce(M.S0, M.Start, 0, 0, 0, false);
            else
                Rychle(M.S0, M.Start, 0);
        } else {
            Preruseno = true;
        }
        R.PocetPozic.store(Uzly, std::memory_order_relaxed);
        if (std::getenv("KAVIREL_LADENI")) {
            std::fprintf(stderr, "N=%d start=%d cil=%d cile=%zu urovne:", M.N, M.Start, M.CilPocet, Cile.size());
            for (auto& u : Urovne) std::fprintf(stderr, " %zu", u.Pocet);
            std::fprintf(stderr, " arena=%zu/%zu uzly=%llu\n", ArenaPouzito, ArenaSlotu, (unsigned long long)Uzly);
            for (int i = 0; i < 82; ++i) if (PoUrovnich[i]) std::fprintf(stderr, "h%d:%llu ", i, (unsigned long long)PoUrovnich[i]);
            std::fprintf(stderr, "\n");
        }
        U.Preruseno = Preruseno;
        U.Nalezeno = Nalezeno;
        if (Nalezeno) {
            for (int i = 0; i < DelkaCesty; ++i)
                U.Vysledek[i] = Vysledek[i + 1];
        }
    }

private:
    TUlohaReseni& U;
    TRizeniHledani& R;
    const bool Orezavat;
    TModel M;
    int Hloubka = 0;  // jumps of every solution

    std::uint64_t Uzly = 0;
    bool Preruseno = false;
    bool Nalezeno = false;

    // Entries 1..81 as in the rules; entry 0 unused.
    TSkokCesty Cesta[DelkaCesty + 1];
    TSkokCesty Vysledek[DelkaCesty + 1];
    std::uint8_t Tahy[DelkaCesty + 1];
    std::uint8_t Nejlepsi[DelkaCesty + 1];

    TTabulka Tabulka;
    bool MaTabulku = false;

    // Levels 0..Urovni-1 of the positions that can still reach a goal,
    // level j holding those whose counter is CilPocet + j.
    std::unique_ptr<std::uint64_t, TUvolneni> Arena;
    std::size_t ArenaSlotu = 0;
    std::size_t ArenaPouzito = 0;
    std::vector<TBity> Cile;
    TSymetrie Sym;
    std::vector<TMnozina> Urovne;
    bool ZpetneMozne = false;
    bool ZadnyCil = false;  // no goal position of the start's parity exists
    using THodiny = std::chrono::steady_clock;
    THodiny::time_point Zacatek = THodiny::now();
    THodiny::duration CasStaveb{};   // spent on the backward sets so far
    THodiny::duration OdhadStavby{}; // expected cost of the next level

    void Zverejni()
    {
        if ((++Uzly & 4095) == 0) {
            R.PocetPozic.store(Uzly, std::memory_order_relaxed);
            if (Orezavat)
                Udrzba();
        }
    }

    // Every few thousand positions: let the table grow, and extend the
    // backward sets while they have cost less time than the search itself.
    void Udrzba()
    {
        if (MaTabulku && Tabulka.MaRust())
            Tabulka.Rust([this] { return Stop(); });
        if (!ZpetneMozne)
            return;
        const THodiny::duration hledani = THodiny::now() - Zacatek - CasStaveb;
        if (hledani >= CasStaveb + OdhadStavby)
            Postav();
    }

    bool Stop() const { return R.Zastavit.load(std::memory_order_relaxed); }

    void Priprav()
    {
        Cile.clear();
        const bool uplnyVycet = VyctiCile();
        if (uplnyVycet) {
            // Goal positions of another parity class than the start can
            // never be reached.
            const int parita = Parita(M, M.S0);
            Cile.erase(std::remove_if(Cile.begin(), Cile.end(),
                                      [&](TBity c) { return Parita(M, c) != parita; }),
                       Cile.end());
            if (Cile.empty()) {
                ZadnyCil = true;
                return;
            }
            if (!ZdvojenaCisla())
                NajdiSymetrie(M, Cile, Sym);
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

        ArenaSlotu = (limit - proTabulku) / 16;
        Arena.reset(static_cast<std::uint64_t*>(std::calloc(ArenaSlotu, 16)));
        if (!Arena) {
            ArenaSlotu = 0;
            return;
        }
        ZpetneMozne = true;
        // The first levels are cheap and cut the most.
        while (ZpetneMozne && !Stop() && (Urovne.empty() || Urovne.back().Pocet < 512))
            Postav();
    }

    // Two fields with one number: moves could not be told apart by field.
    bool ZdvojenaCisla() const
    {
        bool videno[256] = {};
        for (int i = 0; i < M.N; ++i) {
            if (videno[M.Cislo[i]])
                return true;
            videno[M.Cislo[i]] = true;
        }
        return false;
    }

    // Lists every goal position (as stones over the fields) unless there are
    // too many.
    bool VyctiCile()
    {
        if (!M.SCilovymi) {
            // One stone (normal game) or one empty field (Leibniz game) left.
            for (int i = 0; i < M.N; ++i)
                Cile.push_back(Leibniz ? (M.Pole & ~Bit(i)) : Bit(i));
            return true;
        }
        // Inside the rectangle the goal is fixed; outside it any fields may
        // hold what the counter needs.
        const TBity venku = M.Pole & ~M.Obdelnik;
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
        for (TBity x = venku; x != 0; x &= x - 1)
            pole.push_back(NejnizsiBit(x));
        std::vector<int> vyber(static_cast<std::size_t>(kamenuVenku));
        for (int i = 0; i < kamenuVenku; ++i)
            vyber[static_cast<std::size_t>(i)] = i;
        for (;;) {
            TBity c = M.Vzor;
            for (int v : vyber)
                c |= Bit(pole[static_cast<std::size_t>(v)]);
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

    // Builds the next level of the backward sets. Gives up for good when the
    // arena is full; leaves the level unbuilt when stopped.
    void Postav()
    {
        const THodiny::time_point t0 = THodiny::now();
        const int j = static_cast<int>(Urovne.size());
        if (j > Hloubka) {
            ZpetneMozne = false;
            return;
        }
        std::size_t odhad;
        if (j == 0)
            odhad = Cile.size();
        else if (j == 1)
            odhad = Urovne[0].Pocet * M.VsechnySkoky.size();
        else
            odhad = Urovne[static_cast<std::size_t>(j - 1)].Pocet * 3 + 16;
        std::size_t kapacita = 16;
        while (kapacita < odhad * 2)
            kapacita *= 2;
        for (;;) {
            if (ArenaPouzito + kapacita > ArenaSlotu) {
                ZpetneMozne = false;
                return;
            }
            TMnozina mn;
            mn.Data = Arena.get() + 2 * ArenaPouzito;
            mn.Kapacita = kapacita;
            bool preplneno = false;
            if (j == 0) {
                for (TBity c : Cile) {
                    mn.Vloz(Sym.Kanon(c));
                    if (mn.Preplneno()) {
                        preplneno = true;
                        break;
                    }
                }
            } else {
                const TMnozina& pred = Urovne[static_cast<std::size_t>(j - 1)];
                std::size_t kroku = 0;
                for (std::size_t i = 0; i < pred.Kapacita && !preplneno; ++i) {
                    if (pred.Data[2 * i + 1] == 0)
                        continue;
                    if ((++kroku & 255) == 0 && Stop()) {
                        std::memset(mn.Data, 0, mn.Kapacita * 16);
                        return;
                    }
                    const TBity po = (TBity(pred.Data[2 * i + 1] & ~(std::uint64_t(1) << 63)) << 64)
                                     | pred.Data[2 * i];
                    // Every jump ends with a stone on its landing field.
                    for (TBity x = po; x != 0 && !preplneno; x &= x - 1) {
                        const int kam = NejnizsiBit(x);
                        for (int k = 0; k < M.PocetDoKam[kam]; ++k) {
                            const TSkokBity& s = M.DoKam[kam][k];
                            if ((po & s.Maska) == (s.Maska & ~s.Nutne)) {
                                mn.Vloz(Sym.Kanon(po ^ s.Maska));
                                if (mn.Preplneno()) {
                                    preplneno = true;
                                    break;
                                }
                            }
                        }
                    }
                }
            }
            if (!preplneno) {
                ArenaPouzito += kapacita;
                Urovne.push_back(mn);
                const THodiny::duration trvani = THodiny::now() - t0;
                CasStaveb += trvani;
                const double rust = j == 0 ? 4.0 : static_cast<double>(mn.Pocet)
                                                       / static_cast<double>(std::max<std::size_t>(Urovne[static_cast<std::size_t>(j - 1)].Pocet, 1));
                OdhadStavby = std::chrono::duration_cast<THodiny::duration>(trvani * std::max(rust, 1.0));
                return;
            }
            std::memset(mn.Data, 0, mn.Kapacita * 16);
            kapacita *= 4;
        }
    }

    // The position cannot reach any goal position.
    bool JeMrtva(TBity s, int citac)
    {
        if (citac < M.CilPocet)
            return true;  // the counter only falls
        if (!Orezavat)
            return false;
        if (ZadnyCil)
            return true;
        const std::size_t j = static_cast<std::size_t>(citac - M.CilPocet);
        if (j >= Urovne.size() && !MaTabulku)
            return false;
        const TBity k = Sym.Kanon(s);
        if (j < Urovne.size())
            return !Urovne[j].Obsahuje(k);
        return Tabulka.JeMrtva(k);
    }

    void UlozMrtvou(TBity s, int citac)
    {
        const std::size_t j = static_cast<std::size_t>(citac - M.CilPocet);
        if (Orezavat && MaTabulku && j >= Urovne.size())
            Tabulka.UlozMrtvou(Sym.Kanon(s), citac - M.CilPocet);
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

    bool JeCil(TBity s) const { return (s & M.Obdelnik) == M.Vzor; }

    // Fastest mode: true once the search is to unwind (found or stopped).
    std::uint64_t PoUrovnich[82] = {};
    bool Rychle(TBity s, int citac, int h)
    {
        ++PoUrovnich[h];
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
        if (JeMrtva(s, citac))
            return false;
        constexpr int poradi = Leibniz ? poVodorovneNapred : poSvisleNapred;
        for (TBity x = s & M.Obdelnik; x != 0; x &= x - 1) {
            const int f = NejnizsiBit(x);
            const int pocet = M.PocetSkoku[f][poradi];
            for (int k = 0; k < pocet; ++k) {
                const TSkokBity& skok = M.Skoky[f][poradi][k];
                if ((s & skok.Maska) != skok.Nutne)
                    continue;
                Cesta[h + 1] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
                const bool konec = Rychle(s ^ skok.Maska, citac - 1, h + 1);
                Cesta[h + 1] = TSkokCesty{};
                if (konec)
                    return true;
            }
        }
        UlozMrtvou(s, citac);
        return false;
    }

    // Shortest mode results of one call.
    static constexpr int vZaznam = 1;  // recorded a solution
    static constexpr int vCisty = 2;   // no goal position and no cut below: the position is dead

    int DolniMezTahu(TBity s, int h, std::uint8_t kamIndex) const
    {
        int potreba;
        bool pokracovani;
        if (Leibniz) {
            potreba = PocetBitu(M.Rohy & ~s);
            pokracovani = h != 0;
        } else {
            potreba = PocetBitu(M.Rohy & s);
            pokracovani = h != 0 && (M.Rohy & Bit(kamIndex)) != 0;
        }
        potreba -= M.RohyRezerva + (pokracovani ? 1 : 0);
        return potreba > 0 ? potreba : 0;
    }

    int Kratce(TBity s, int citac, int h, int tahy, std::uint8_t kamIndex, bool svisle)
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
        if (JeMrtva(s, citac))
            return vCisty;
        const std::uint8_t kamCislo = h != 0 ? Cesta[h].CisloKam : 0;
        if (Orezavat) {
            if (h != 0 && MaTabulku) {
                const int neuspech = Tabulka.NeuspesnyTah(s, kamCislo);
                if (neuspech >= 0 && neuspech <= tahy)
                    return 0;
            }
            if (Hloubka >= 1 && Hloubka <= DelkaCesty && tahy + DolniMezTahu(s, h, kamIndex) > Nejlepsi[Hloubka])
                return 0;
        }
        // The normal game turns to left and right first after a vertical jump.
        const int poradi = Leibniz || svisle ? poVodorovneNapred : poSvisleNapred;
        bool zaznam = false;
        bool cisty = true;
        for (TBity x = s & M.Obdelnik; x != 0; x &= x - 1) {
            const int f = NejnizsiBit(x);
            const int pocet = M.PocetSkoku[f][poradi];
            for (int k = 0; k < pocet; ++k) {
                const TSkokBity& skok = M.Skoky[f][poradi][k];
                if ((s & skok.Maska) != skok.Nutne)
                    continue;
                int noveTahy;
                if (h == 0)
                    noveTahy = 1;
                else if (skok.CisloOdkud == kamCislo)
                    noveTahy = tahy;
                else
                    noveTahy = tahy + 1;
                Cesta[h + 1] = TSkokCesty{skok.CisloOdkud, skok.CisloKam};
                Tahy[h + 1] = static_cast<std::uint8_t>(noveTahy);
                const int r = Kratce(s ^ skok.Maska, citac - 1, h + 1, noveTahy, skok.IndexKam, skok.Svisly);
                Tahy[h + 1] = 0;
                Cesta[h + 1] = TSkokCesty{};
                zaznam = zaznam || (r & vZaznam) != 0;
                cisty = cisty && (r & vCisty) != 0;
            }
        }
        if (Preruseno)
            return zaznam ? vZaznam : 0;
        if (zaznam)
            return vZaznam;
        if (cisty) {
            UlozMrtvou(s, citac);
            return vCisty;
        }
        if (Orezavat && MaTabulku && h != 0)
            Tabulka.UlozNeuspech(s, kamCislo, tahy, citac - M.CilPocet);
        return 0;
    }
};

}  // namespace

void Prohledej(TUlohaReseni& uloha, TRizeniHledani& rizeni, bool leibniz, bool nejkratsi, bool orezavat)
{
    if (leibniz) {
        if (nejkratsi)
            std::make_unique<TPruzkum<true, true>>(uloha, rizeni, orezavat)->Spust();
        else
            std::make_unique<TPruzkum<true, false>>(uloha, rizeni, orezavat)->Spust();
    } else {
        if (nejkratsi)
            std::make_unique<TPruzkum<false, true>>(uloha, rizeni, orezavat)->Spust();
        else
            std::make_unique<TPruzkum<false, false>>(uloha, rizeni, orezavat)->Spust();
    }
}

}  // namespace KavirelHledani
