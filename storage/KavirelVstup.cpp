// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelVstup.h"

#include <cstring>

#include "KavirelFile.h"

namespace {

// Reads up to n bytes, however the stream hands them out (a pipe gives them
// in pieces); fewer only at the end or on an error.
std::size_t CtiAz(std::FILE* proud, char* cil, std::size_t n)
{
    std::size_t precteno = 0;
    while (precteno < n) {
        const std::size_t kus = std::fread(cil + precteno, 1, n - precteno, proud);
        if (kus == 0)
            break;
        precteno += kus;
    }
    return precteno;
}

} // namespace

TNactenaDeska NactiDeskuZProudu(std::FILE* proud, std::int64_t cisloDesky)
{
    TNactenaDeska vysledek;
    char zaznam[VelikostZaznamu];
    std::size_t n = CtiAz(proud, zaznam, sizeof zaznam);
    if (std::ferror(proud)) {
        vysledek.Chyba = TChybaVstupu::Cteni;
        return vysledek;
    }

    const std::string zacatek(zaznam, n);
    if (VypadaJakoKresba(zacatek)) {
        vysledek.Kresba = true;
        if (cisloDesky > 1) {
            vysledek.Chyba = TChybaVstupu::JedinaKresba;
            return vysledek;
        }
        std::string text = zacatek;
        char kus[4096];
        while (text.size() <= NejdelsiKresba) {
            const std::size_t k = std::fread(kus, 1, sizeof kus, proud);
            if (k == 0)
                break;
            text.append(kus, k);
        }
        if (std::ferror(proud)) {
            vysledek.Chyba = TChybaVstupu::Cteni;
        } else if (text.size() > NejdelsiKresba) {
            vysledek.Chyba = TChybaVstupu::DlouhaKresba;
        } else if (!CtiKresbu(text, vysledek.Zaznam, vysledek.ChybaKresby)) {
            vysledek.Chyba = TChybaVstupu::Kresba;
        }
        return vysledek;
    }

    // Records: skip to the one asked for.
    for (std::int64_t cislo = 1;; ++cislo) {
        if (n < sizeof zaznam) {
            vysledek.Chyba = cislo == 1 ? TChybaVstupu::NeniCelaDeska : TChybaVstupu::MaloDesek;
            if (std::ferror(proud))
                vysledek.Chyba = TChybaVstupu::Cteni;
            return vysledek;
        }
        vysledek.PocetDesek = cislo;
        if (cislo >= cisloDesky)
            break;
        n = CtiAz(proud, zaznam, sizeof zaznam);
    }
    std::memcpy(&vysledek.Zaznam, zaznam, sizeof zaznam);
    if (!JeZaznamPlatny(vysledek.Zaznam))
        vysledek.Chyba = TChybaVstupu::NeplatnaDeska;
    return vysledek;
}
