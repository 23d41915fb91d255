// SPDX-License-Identifier: GPL-3.0-or-later
// The session's edit board: the chosen element put on fields by presses and
// drags, the type, the name and the way back to the board editing began with.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "KavirelRelace.h"
#include "KavirelRelaceVnitrni.h"

namespace {

// The fields a straight stroke from a to b passes, both ends included, each
// once: as many steps as the longer side, so neighbouring fields of the
// stroke always touch (at least by a corner) and a quick mouse leaves no gap.
std::vector<TPozice> PoleNaPrimce(const TPozice& a, const TPozice& b)
{
    const int dx = b.X - a.X;
    const int dy = b.Y - a.Y;
    const int kroku = std::max(std::abs(dx), std::abs(dy));
    std::vector<TPozice> pole;
    for (int i = 0; i <= kroku; ++i) {
        const double t = kroku == 0 ? 0.0 : static_cast<double>(i) / kroku;
        pole.push_back(TPozice{a.X + static_cast<int>(std::lround(dx * t)), a.Y + static_cast<int>(std::lround(dy * t))});
    }
    return pole;
}

} // namespace

TPlochaEditace::TPlochaEditace() : TPlocha(dpEdit), Start(PrazdnyZaznam())
{
    ::NastavNazev(Start, NazevEditovaneDesky);
    Editovana.Nastav(Start);
}

TVysledekAkce TPlochaEditace::Edituj(const TZaznamDesky& zaznam)
{
    Start = zaznam;
    ::NastavNazev(Start, NazevEditovaneDesky);
    return Puvodni();
}

TVysledekAkce TPlochaEditace::Puvodni()
{
    return Proved([this] {
        Editovana.Nastav(Start);
        return ZmenaDruhu(dzNovaPozice);
    });
}

void TPlochaEditace::NastavPrvek(TEditPrvek prvek)
{
    KontrolaRozsahu(prvek, epNeexistujici, epPlneCilove);
    Prvek = prvek;
}

void TPlochaEditace::NastavNazev(const std::string& bajty) { ::NastavNazev(Editovana.Zaznam, bajty); }

TVzhledPole TPlochaEditace::Vzhled(const TPozice& p) const
{
    TVzhledPole v = VzhledZaznamu(Editovana.Zaznam.PoleNa(p));
    // Absent positions are pressed too: they are what new fields are made of.
    v.Nabizene = true;
    return v;
}

void TPlochaEditace::DoplnStav(TStavPlochy& stav) const { stav.Prvek = Prvek; }

TZmenaDesky TPlochaEditace::Zmen(const std::function<void()>& uprava)
{
    const TZaznamDesky pred = Editovana.Zaznam;
    uprava();
    return ZmenaDruhu(std::memcmp(&pred, &Editovana.Zaznam, sizeof pred) != 0 ? dzUprava : dzNic);
}

TZmenaDesky TPlochaEditace::PriStisku(const TPozice& p)
{
    return Zmen([&] { PouzijPrvek(Editovana, Prvek, p); });
}

TZmenaDesky TPlochaEditace::PriTahu(const TPozice& odkud, const TPozice& kam)
{
    return Zmen([&] {
        for (const TPozice& p : PoleNaPrimce(odkud, kam))
            PouzijPrvek(Editovana, Prvek, p);
    });
}

TZmenaDesky TPlochaEditace::PriZmeneTypu(TTypHry typ)
{
    if (Editovana.Zaznam.TypHry == typ)
        return {};
    Editovana.Zaznam.TypHry = typ;
    return ZmenaDruhu(dzTyp);
}
