// SPDX-License-Identifier: GPL-3.0-or-later
// The children of a position in TPruzkum: how they are generated and judged
// all at once, before any of them is searched. Part of KavirelPruzkum.h,
// which includes it at its end: include that one.
#pragma once

namespace KavirelHledani {

template <bool Leibniz, bool Nejkratsi, class K>
inline int TPruzkum<Leibniz, Nejkratsi, K>::RozvinDeti(K s, int h, int poradi, int citacDite, TDite* deti, int tahy)
{
    if (!Nejkratsi && PoradiObrazu)
        return RozvinDetiObrazu(s, h, citacDite, deti);
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
            const int tahyDite = Nejkratsi ? Mez.NoveTahy(h, tahy, skok) : 0;
            if (Nejkratsi
                && (Mez.NadMezi(h, tahyDite)
                    || Mez.BezTahuVMezi(s ^ skok.Maska, h, tahyDite, citacDite, skok.IndexKam))) {
                deti[n].Skok = static_cast<std::uint16_t>(k);
                deti[n].Soud = sdNadMezi;
                ++n;
                continue;
            }
            int obraz = -1;
            const K kanon = Nejkratsi ? Sym.KanonPoSkoku(s ^ skok.Maska, obrazy, k, obraz)
                                      : Sym.KanonPoSkoku(s ^ skok.Maska, obrazy, k);
            KeZkouseni(deti[n++], kanon, k, obraz, predtahnout, citacDite);
        }
    }
    return n;
}

// The fastest mode's children in an image's order (TPravidla::ObrazPoli),
// apart from the scan order's loop, which stays as lean as it was.
template <bool Leibniz, bool Nejkratsi, class K>
int TPruzkum<Leibniz, Nejkratsi, K>::RozvinDetiObrazu(K s, int h, int citacDite, TDite* deti)
{
    int n = 0;
    const bool predtahnout = citacDite != M.CilPocet;
    const K kameny = s & M.Obdelnik;
    for (int j = 0; j < M.N; ++j) {
        const int f = PoradiObrazu->Pole[j];
        if ((kameny & Bit<K>(f)) == 0)
            continue;
        for (int d = 0; d < PoradiObrazu->Pocet[f]; ++d) {
            const int k = PoradiObrazu->Skoky[f][d];
            const TSkok<K>& skok = M.Skoky[static_cast<std::size_t>(k)];
            if ((s & skok.Maska) != skok.Nutne)
                continue;
            const K kanon = Sym.KanonPoSkoku(s ^ skok.Maska, Obrazy[h], k);
            KeZkouseni(deti[n++], kanon, k, -1, predtahnout, citacDite);
        }
    }
    return n;
}

template <bool Leibniz, bool Nejkratsi, class K>
inline void TPruzkum<Leibniz, Nejkratsi, K>::PosudDeti(K s, int h, int tahy, int citacDite, TDite* deti, int n)
{
    if (citacDite == M.CilPocet)
        return;
    const bool neuspechy = P.Neuspechy && Mrtve.MaTabulku();
    for (int i = 0; i < n; ++i) {
        TDite& d = deti[i];
        if (d.Soud != sdZkusit)
            continue;
        if (Mrtve.JeMrtva(d.Kanon, d.Otisk, citacDite)) {
            d.Soud = sdMrtve;
            continue;
        }
        const TSkok<K>& skok = M.Skoky[d.Skok];
        const K dite = s ^ skok.Maska;
        const bool pokracuje = MuzeSkocit(M, dite, skok.IndexKam);
        d.Pokracuje = pokracuje;
        if (neuspechy) {
            // Unless its line is on its way already for the question
            // whether it is dead.
            const auto klic = Mez.KlicNavstevy(dite, d.Kanon, skok.IndexKam, d.Obraz, pokracuje);
            if (klic.Pozice != d.Kanon || !Mrtve.NadUrovnemi(citacDite))
                Mrtve.DejTabulku().Predtahni(klic.Pozice);
        }
        if (Mez.MaUspechy())
            Mez.PredtahniUspech(dite, Mez.KlicUspechu(h + 1, skok.IndexKam, pokracuje, skok.Svisly), h);
    }
    PosudVnoucata(s, h, citacDite, deti, n);
    if (!neuspechy)
        return;
    for (int i = 0; i < n; ++i) {
        TDite& d = deti[i];
        if (d.Soud != sdZkusit)
            continue;
        const TSkok<K>& skok = M.Skoky[d.Skok];
        const K dite = s ^ skok.Maska;
        const int noveTahy = Mez.NoveTahy(h, tahy, skok);
        const auto klic = Mez.KlicNavstevy(dite, d.Kanon, skok.IndexKam, d.Obraz, d.Pokracuje);
        if (Mez.NeuspelaDriv(klic, noveTahy) || Mez.NeuspelaBezPokracovani(klic, noveTahy))
            d.Soud = sdNeuspech;
    }
}

template <bool Leibniz, bool Nejkratsi, class K>
inline void TPruzkum<Leibniz, Nejkratsi, K>::PosudVnoucata(K s, int h, int citacDite, TDite* deti, int n)
{
    const std::size_t vrchol = Mrtve.DejUrovne().Pocet();
    if (!P.Vnoucata || vrchol == 0 || citacDite - 1 <= M.CilPocet
        || static_cast<std::size_t>(citacDite - M.CilPocet) != vrchol)
        return;
    Mrtve.DejUrovne().NajdiMrtveDeti(
        s, Obrazy[h], vrchol - 1, n, Vnoucata.get(),
        [deti](int i) { return deti[i].Soud == sdZkusit ? static_cast<int>(deti[i].Skok) : -1; },
        [this, deti, citacDite](int i) {
            deti[i].Soud = sdMrtve;
            Mrtve.UlozMrtvou(deti[i].Kanon, citacDite);
        });
}

}  // namespace KavirelHledani
