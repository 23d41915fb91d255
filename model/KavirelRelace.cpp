// SPDX-License-Identifier: GPL-3.0-or-later
// The session's common part: how an action becomes an answer, the shown
// record, and the session that routes input to the board in front.
#include "KavirelRelace.h"

#include "KavirelCil.h"
#include "KavirelRelaceVnitrni.h"

bool operator==(const TVzhledPole& a, const TVzhledPole& b)
{
    return a.Stav == b.Stav && a.Cilove == b.Cilove && a.Vybrane == b.Vybrane && a.Nabizene == b.Nabizene &&
           a.Cislo == b.Cislo && a.Zobrazeni == b.Zobrazeni;
}

bool TStavPlochy::VerdiktBezVyhry() const { return JeVerdiktBezVyhry(Verdikt, CilSplnen); }

TZmenaDesky ZmenaDruhu(TDruhZmeny druh)
{
    TZmenaDesky z;
    z.Druh = druh;
    return z;
}

bool JeVMrizce(const TPozice& p)
{
    return p.X >= 0 && p.X < RozmerDesky && p.Y >= 0 && p.Y < RozmerDesky;
}

TVzhledPole VzhledZaznamu(const TPole& pole)
{
    TVzhledPole v;
    v.Stav = pole.Stav;
    if (pole.Stav != spPrazdne && pole.Stav != spPlne)
        return v;
    v.Cilove = pole.Cilove != 0;
    v.Nabizene = true;
    v.Cislo = pole.Cislo;
    return v;
}

namespace {

// The same fields with the same stones and targets under the same rules;
// numbers and names do not make a position.
bool StejnaPozice(const TZaznamDesky& a, const TZaznamDesky& b)
{
    if (a.TypHry != b.TypHry)
        return false;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            if (a.Pole[x][y].Stav != b.Pole[x][y].Stav || a.Pole[x][y].Cilove != b.Pole[x][y].Cilove)
                return false;
    return true;
}

bool PrepisujeStav(TDruhZmeny druh)
{
    switch (druh) {
    case dzVyber:
    case dzSkok:
    case dzKrokZpet:
    case dzNovaPozice:
    case dzTyp:
        return true;
    case dzNic:
    case dzPrevyber:
    case dzUprava:
    case dzZnacky:
        break;
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------

TVzhledPole TPlocha::DejPole(const TPozice& p) const
{
    KontrolaRozsahu(p.X, 0, RozmerDesky - 1);
    KontrolaRozsahu(p.Y, 0, RozmerDesky - 1);
    return Vzhled(p);
}

TStavPlochy TPlocha::DejStav() const
{
    TStavPlochy stav;
    stav.Plocha = DruhPlochy;
    stav.Typ = Deska().Zaznam.TypHry;
    DoplnStav(stav);
    return stav;
}

TVysledekAkce TPlocha::Stisk(const TPozice& p)
{
    KontrolaRozsahu(p.X, 0, RozmerDesky - 1);
    KontrolaRozsahu(p.Y, 0, RozmerDesky - 1);
    return Proved([&] { return PriStisku(p); });
}

TVysledekAkce TPlocha::Tah(const TPozice& odkud, const TPozice& kam)
{
    // A stone dropped beside the board goes back where it was.
    if (!JeVMrizce(odkud) || !JeVMrizce(kam))
        return Proved([] { return TZmenaDesky{}; });
    return Proved([&] { return PriTahu(odkud, kam); });
}

TVysledekAkce TPlocha::KrokZpet()
{
    return Proved([&] { return PriKrokuZpet(); });
}

TVysledekAkce TPlocha::KrokVpred()
{
    return Proved([&] { return PriKrokuVpred(); });
}

TVysledekAkce TPlocha::ZmenTypHry(TTypHry typ)
{
    return Proved([&] { return PriZmeneTypu(typ); });
}

TVysledekAkce TPlocha::Cela()
{
    JeNahlaseno = false;
    TVysledekAkce v = Proved([] { return TZmenaDesky{}; });
    v.PrepsatStav = true;
    return v;
}

TPlocha::TObraz TPlocha::Obraz() const
{
    TObraz obraz;
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            obraz[static_cast<std::size_t>(x * RozmerDesky + y)] = Vzhled(TPozice{x, y});
    return obraz;
}

TVysledekAkce TPlocha::Proved(const std::function<TZmenaDesky()>& akce)
{
    const TZaznamDesky pred = Deska().Zaznam;
    // An action that fails leaves Nahlaseno as it was, so the next answer
    // still lists whatever it changed before failing.
    const TZmenaDesky zmena = akce();

    TVysledekAkce v;
    v.Plocha = DruhPlochy;
    v.Druh = zmena.Druh;
    if (zmena.Druh == dzSkok || zmena.Druh == dzKrokZpet) {
        v.Odkud = zmena.Odkud;
        v.Kam = zmena.Kam;
        v.Pres = zmena.Pres;
    }
    v.ZmenaPozice = zmena.Druh == dzNovaPozice || zmena.Druh == dzTyp || !StejnaPozice(pred, Deska().Zaznam);
    if (v.ZmenaPozice)
        ++Verze;
    PoAkci(v.ZmenaPozice);

    const TObraz ted = Obraz();
    for (int y = 0; y < RozmerDesky; ++y) {
        for (int x = 0; x < RozmerDesky; ++x) {
            const std::size_t i = static_cast<std::size_t>(x * RozmerDesky + y);
            if (!JeNahlaseno || Nahlaseno[i] != ted[i])
                v.Pole.push_back(TZmenenePole{TPozice{x, y}, ted[i]});
        }
    }
    Nahlaseno = ted;
    JeNahlaseno = true;
    v.PrepsatStav = PrepisujeStav(zmena.Druh);
    v.Stav = DejStav();
    DoplnVysledek(v);
    return v;
}

// ---------------------------------------------------------------------------

TPlochaNahledu::TPlochaNahledu() : TPlocha(dpNahled) {}

TVysledekAkce TPlochaNahledu::Zobraz(const TZaznamDesky& zaznam)
{
    return Proved([&] {
        Zobrazena.Nastav(zaznam);
        return ZmenaDruhu(dzNovaPozice);
    });
}

TVzhledPole TPlochaNahledu::Vzhled(const TPozice& p) const { return VzhledZaznamu(Zobrazena.Zaznam.PoleNa(p)); }

void TPlochaNahledu::DoplnStav(TStavPlochy&) const {}

// ---------------------------------------------------------------------------

TRelaceHry::TRelaceHry() = default;

TPlocha& TRelaceHry::Plocha(TDruhPlochy druh)
{
    return const_cast<TPlocha&>(static_cast<const TRelaceHry*>(this)->Plocha(druh));
}

const TPlocha& TRelaceHry::Plocha(TDruhPlochy druh) const
{
    switch (druh) {
    case dpHra: return PlochaHry;
    case dpReseni: return PlochaReseni;
    case dpEdit: return PlochaEditace;
    case dpNahled: return PlochaNahledu;
    }
    ChybaRozsahu();
}

TVysledekAkce TRelaceHry::Zobraz(TDruhPlochy druh)
{
    TPlocha& plocha = Plocha(druh);
    VPredu = druh;
    return plocha.Cela();
}

TVysledekAkce TRelaceHry::PrepniTypHry()
{
    return ZmenTypHry(Aktivni().DejZaznam().TypHry == thNormalni ? thLeibniz : thNormalni);
}

TVysledekAkce TRelaceHry::Hrat(TDruhPlochy odkud)
{
    if (odkud == dpHra)
        return PlochaHry.ZnovuRozestavet();
    return PlochaHry.NovaHra(Plocha(odkud).DejZaznam());
}

TVysledekAkce TRelaceHry::Editovat(TDruhPlochy odkud)
{
    if (odkud == dpHra || odkud == dpNahled)
        return PlochaEditace.Edituj(Plocha(odkud).DejZaznam());
    Plocha(odkud);  // a kind that does not exist is a range error here too
    return PlochaEditace.Puvodni();
}

TVysledekAkce TRelaceHry::Resit(TDruhPlochy odkud)
{
    // A copy: the solve board's own start is about to be replaced by itself.
    const TZaznamDesky zaznam = odkud == dpReseni ? PlochaReseni.ZaznamReseni() : Plocha(odkud).DejZaznam();
    return PlochaReseni.Prevezmi(zaznam);
}
