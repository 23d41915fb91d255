// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelVpred.h"

#include <cstring>

void TKrokyVpred::PoKrokuZpet(const TTah& skok, const TGameDeska& deska)
{
    // A step back from a position the list does not know starts afresh: the
    // board before this step is the board now with the jump played again.
    if (!Skoky.empty()) {
        TGameDeska pred;
        pred.Nastav(deska.Zaznam);
        pred.ProvedSkok(skok.Odkud, skok.Kam, StredSkoku(skok.Odkud, skok.Kam));
        if (deska.Tahy.DejAktualni() + 1 != Aktualni || std::memcmp(&pred.Zaznam, &Stav, sizeof Stav) != 0)
            Skoky.clear();
    }
    Skoky.push_back(skok);
    Zapamatuj(deska);
}

bool TKrokyVpred::Dalsi(const TGameDeska& deska, TTah& skok) const
{
    if (Skoky.empty() || !Patri(deska))
        return false;
    skok = Skoky.back();
    return true;
}

void TKrokyVpred::PoKrokuVpred(const TGameDeska& deska)
{
    if (!Skoky.empty())
        Skoky.pop_back();
    Zapamatuj(deska);
}

void TKrokyVpred::Zapomen()
{
    Skoky.clear();
    Aktualni = 0;
}

bool TKrokyVpred::Patri(const TGameDeska& deska) const
{
    // The record has no padding (its size is fixed to the byte), so a byte
    // comparison is a comparison of every field, the name and the type.
    return deska.Tahy.DejAktualni() == Aktualni && std::memcmp(&deska.Zaznam, &Stav, sizeof Stav) == 0;
}

void TKrokyVpred::Zapamatuj(const TGameDeska& deska)
{
    Stav = deska.Zaznam;
    Aktualni = deska.Tahy.DejAktualni();
}
