// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelRada.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "KavirelHledani.h"
#include "KavirelPozice.h"
#include "KavirelSdileneMrtve.h"
#include "KavirelSdileneUrovne.h"
#include "KavirelSluzba.h"

namespace {

// A turn or mirroring of the job, searched on the job itself in the order
// the image's own search would take (TPravidla::ObrazPoli), so that all
// images share the goal and with it the dead positions and levels.
struct TObrazUlohy {
    std::vector<std::uint8_t> Pole;  // field i of the scan to Pole[i]; empty: the job itself
    TUlohaReseni Rozlozeni;          // stones and target flags moved with the image, to tell images apart
};

bool StejnePolozeno(const TUlohaReseni& a, const TUlohaReseni& b)
{
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            if (a.PoleHledani[x][y].Stav != b.PoleHledani[x][y].Stav
                || (a.PoleHledani[x][y].Cilove != 0) != (b.PoleHledani[x][y].Cilove != 0))
                return false;
    return true;
}

// The job itself first, then its distinct images under the turns and
// mirrorings that map the fields and the scanned rectangle onto themselves.
std::vector<TObrazUlohy> ObrazyUlohy(const TUlohaReseni& u)
{
    TPozice pozice[KavirelHledani::MaxPoli];
    const int n = PoleUlohy(u, pozice);
    std::vector<TObrazUlohy> obrazy(1);
    obrazy[0].Rozlozeni = u;
    for (const std::vector<int>& perm : KavirelHledani::PrevodyPoli(n, pozice)) {
        TObrazUlohy o;
        if (!OtocUlohu(u, pozice, n, perm, o.Rozlozeni))
            continue;
        const bool nove = std::none_of(obrazy.begin(), obrazy.end(), [&](const TObrazUlohy& d) {
            return StejnePolozeno(d.Rozlozeni, o.Rozlozeni);
        });
        if (nove) {
            o.Pole.assign(perm.begin(), perm.end());
            obrazy.push_back(std::move(o));
        }
    }
    return obrazy;
}

// `vRohovem`: the positions of the corner order (its share of the job's
// limit, the pass without tables included) before the scan order takes the
// rest; 0: the one order only.
void Zkus(TUlohaReseni& uloha, TRizeniHledani& rizeni, const TObrazUlohy& obraz, bool rohyNapred,
          std::uint64_t vRohovem = 0)
{
    KavirelHledani::TPravidla pravidla;
    pravidla.ObrazPoli = obraz.Pole;
    pravidla.RohyNapred = rohyNapred;
    pravidla.PozicVRohovemPoradi = vRohovem;
    // The job's own attempt dives first (up to two discrepancies): that
    // decides most hard positions of play within a few hundred thousand
    // positions. The other images' attempts gained nothing from it.
    if (vRohovem != 0)
        pravidla.Odchylek = 2;
    KavirelHledani::Prohledej(uloha, rizeni, uloha.Typ != thNormalni, false, pravidla);
}

}  // namespace

int PoleUlohy(const TUlohaReseni& u, TPozice* pozice)
{
    int n = 0;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            if (KavirelHledani::JePole(u.PoleHledani[x][y]))
                pozice[n++] = TPozice{x, y};
    return n;
}

bool OtocUlohu(const TUlohaReseni& u, const TPozice* pozice, int n, const std::vector<int>& perm,
               TUlohaReseni& obraz)
{
    const auto vObdelniku = [&u](TPozice p) {
        return p.X >= u.MinX && p.X <= u.MaxX && p.Y >= u.MinY && p.Y <= u.MaxY;
    };
    obraz = u;
    for (int i = 0; i < n; ++i) {
        const TPozice a = pozice[i], b = pozice[perm[static_cast<std::size_t>(i)]];
        if (vObdelniku(a) != vObdelniku(b))
            return false;
        const TPole& z = u.PoleHledani[a.X][a.Y];
        TPole& na = obraz.PoleHledani[b.X][b.Y];
        na.Stav = z.Stav;
        na.Cilove = z.Cilove;
    }
    return true;
}

int HledejRadu(TUlohaReseni& uloha, TRizeniHledani& rizeni, std::uint64_t rozpocet)
{
    std::vector<TObrazUlohy> obrazy = ObrazyUlohy(uloha);
    // Each image in two orders: the corners first, which is faster in play,
    // and the scan order, which is what some images need. The job itself
    // comes first in both (its scan order is the fastest mode's), in one
    // search that dives first (TPravidla::Odchylek) and goes over to the
    // scan order when the corner order has used its share, so that the
    // second order finds the levels built and the dead positions of the
    // first (a proof that there is no solution is often just beyond one
    // share). Then the other images in the corner order, which is the one
    // that decides positions in play, and last, from the second round on,
    // their scan orders, which rescue some of the single-vacancy problems
    // of the large boards. In the first round they would only take time
    // from the levels that the second round's corner orders find their
    // solutions on.
    std::vector<std::pair<std::size_t, bool>> pokusy = {{0, true}};
    for (const bool rohyNapred : {true, false})
        for (std::size_t i = 1; i < obrazy.size(); ++i)
            pokusy.emplace_back(i, rohyNapred);
    // The images keep the job's goal, so they take over the kept dead
    // positions and backward levels from each other; without an owner's
    // table the attempts keep one of their own.
    KavirelHledani::TSdileneMrtve vlastni;
    KavirelHledani::TSdileneMrtve* const vlastnika = rizeni.SdileneMrtve;
    KavirelHledani::TSdileneMrtve* const sdilene = vlastnika != nullptr ? vlastnika : &vlastni;
    KavirelHledani::TSdileneUrovne urovne;
    // The control block leaves as it came, also when a search throws.
    struct TObnova {
        TRizeniHledani& R;
        KavirelHledani::TSdileneMrtve* Mrtve;
        KavirelHledani::TSdileneUrovne* Urovne;
        ~TObnova()
        {
            R.SdileneMrtve = Mrtve;
            R.SdileneUrovne = Urovne;
            R.LimitPozic = 0;
        }
    } obnova{rizeni, vlastnika, rizeni.SdileneUrovne};
    std::uint64_t pozic = 0;
    const std::uint64_t prvni = std::max<std::uint64_t>(rozpocet, 1);
    for (std::uint64_t limit = prvni;; limit = limit > UINT64_MAX / 2 ? 0 : 2 * limit) {
        const bool prvniKolo = limit == prvni;
        for (const auto& [i, rohyNapred] : pokusy) {
            if (i != 0 && !rohyNapred && prvniKolo)
                continue;
            TUlohaReseni o = uloha;
            const bool obe = i == 0 && limit != 0 && limit <= UINT64_MAX / 2;
            // In the first round the scan order gets half the corner order's
            // share: there it only has to finish the proofs the corner order
            // nearly reached, and a position of play that neither decides is
            // decided sooner by another image's corner order. Later rounds
            // give it as much as the corner order, which the single-vacancy
            // problems of the large boards need. The other images get a
            // quarter of the share in the first round: what decides the hard
            // positions of play is mostly the deeper levels of the second.
            if (obe)
                rizeni.LimitPozic = limit + (prvniKolo ? limit / 2 : limit);
            else
                rizeni.LimitPozic = prvniKolo ? std::max<std::uint64_t>(limit / 4, 1) : limit;
            rizeni.SdileneMrtve = sdilene;
            rizeni.SdileneUrovne = &urovne;
            Zkus(o, rizeni, obrazy[i], rohyNapred, obe ? limit : 0);
            pozic += rizeni.PocetPozic.load(std::memory_order_relaxed);
            const bool vycerpano = o.Preruseno && !rizeni.Zastavit.load(std::memory_order_relaxed);
            if (vycerpano && limit != 0)
                continue;
            rizeni.PocetPozic.store(pozic, std::memory_order_relaxed);
            urovne.Dokonci();
            uloha.Nalezeno = o.Nalezeno;
            uloha.Preruseno = o.Preruseno;
            if (o.Nalezeno && !o.Preruseno)
                for (int k = 0; k < DelkaCesty; ++k)
                    uloha.Vysledek[k] = o.Vysledek[k];
            return o.Preruseno ? 0 : static_cast<int>(i);
        }
    }
}

TRadaTahu DejRadu(const TZaznamDesky& pozice, TRizeniHledani& rizeni)
{
    TPozadavek pozadavek;
    pozadavek.Deska = pozice;
    pozadavek.Zpusob = zhRada;
    pozadavek.LimitPameti = rizeni.LimitPameti;
    return RadaZVysledku(pozice, VyresPozadavek(pozadavek, rizeni));
}

TRadaTahu RadaZVysledku(const TZaznamDesky& pozice, const TVysledekUlohy& v)
{
    TRadaTahu rada;
    rada.Stav = JakoReseni(v).Stav;
    if (rada.Stav != TVysledekHledani::Nalezeno)
        return rada;
    if (v.Skoky.empty()) {
        rada.BezSkoku = true;
        return rada;
    }
    // The jumps are numbers of the board that took the record over.
    TSolveDeska deska;
    deska.Nastav(pozice);
    deska.PridejSkokReseni(v.Skoky.front().CisloOdkud, v.Skoky.front().CisloKam);
    const TTahReseni& prvni = deska.Reseni.Skok(1);
    rada.Odkud = prvni.Odkud;
    rada.Kam = prvni.Kam;
    return rada;
}
