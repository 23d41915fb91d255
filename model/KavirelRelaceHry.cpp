// SPDX-License-Identifier: GPL-3.0-or-later
// The session's playable boards: the game of the play tab and the solve
// tab's board with its search and replay. What a press, a drag or a step
// does is the board's own (KavirelStisk.cpp); here only what is drawn and
// shown of it, and the phases of a search.
#include "KavirelCil.h"
#include "KavirelRelace.h"
#include "KavirelRelaceVnitrni.h"

namespace {
// The solve board's status texts that no search writes (UTF-8).
const char* const TextVyberteZpusob = "Vyberte způsob hledání řešení...";
const char* const TextHledamNejrychlejsi = "Vyhledávám nejrychlejší řešení...";
const char* const TextHledamNejkratsi = "Vyhledávám nejkratší řešení...";
const char* const TextHledamNejmene = "Vyhledávám řešení s nejméně tahy...";
} // namespace

TVzhledPole TPlochaSkoku::Vzhled(const TPozice& p) const
{
    const TGameDeska& deska = HraciDeska();
    TVzhledPole v = VzhledZaznamu(deska.Zaznam.PoleNa(p));
    TPozice vybrany;
    v.Vybrane = deska.Tahy.DejOdkud(vybrany) && vybrany == p;
    if (v.Nabizene)
        v.Zobrazeni = ZobrazeniCisla(p);
    return v;
}

void TPlochaSkoku::DoplnStav(TStavPlochy& stav) const
{
    const TGameDeska& deska = HraciDeska();
    stav.Tahu = deska.Tahy.DejPocetTahu();
    stav.Zbyva = deska.DejZbyvajici();
    stav.LzeVratit = deska.Tahy.LzeVratit();
    stav.LzeVpred = deska.LzeVpred();
    stav.NovaHra = deska.Tahy.DejAktualni() == 0;
    stav.MaVyber = deska.Tahy.DejOdkud(stav.Vyber);
    stav.Verdikt = deska.DejStavHry();
    stav.CilSplnen = JeCilSplnen(deska.Zaznam);
}

TZmenaDesky TPlochaSkoku::PriStisku(const TPozice& p) { return MenenaDeska().Stisk(p); }

TZmenaDesky TPlochaSkoku::PriTahu(const TPozice& odkud, const TPozice& kam)
{
    return MenenaDeska().Tah(odkud, kam);
}

TZmenaDesky TPlochaSkoku::PriKrokuZpet() { return MenenaDeska().KrokZpet(); }

TZmenaDesky TPlochaSkoku::PriKrokuVpred() { return MenenaDeska().KrokVpred(); }

// ---------------------------------------------------------------------------

TPlochaHry::TPlochaHry() : TPlochaSkoku(dpHra), Start(PrazdnyZaznam()) {}

TZaznamDesky TPlochaHry::PocatecniPozice() const { return ::PocatecniPozice(Hraci); }

TVysledekAkce TPlochaHry::NovaHra(const TZaznamDesky& zaznam)
{
    Start = zaznam;
    return ZnovuRozestavet();
}

TVysledekAkce TPlochaHry::ZnovuRozestavet()
{
    return Proved([this] {
        Hraci.Nastav(Start);
        return ZmenaDruhu(dzNovaPozice);
    });
}

TVysledekAkce TPlochaHry::NastavCisla(bool zobrazit)
{
    return Proved([this, zobrazit] {
        if (Cisla == zobrazit)
            return TZmenaDesky{};
        Cisla = zobrazit;
        return ZmenaDruhu(dzZnacky);
    });
}

TVysledekAkce TPlochaHry::OznacRadu(const TPozice& odkud, const TPozice& kam)
{
    Hraci.Zaznam.PoleNa(odkud);
    Hraci.Zaznam.PoleNa(kam);
    return Proved([&] {
        Rada = true;
        RadaOdkud = odkud;
        RadaKam = kam;
        return ZmenaDruhu(dzZnacky);
    });
}

TVysledekAkce TPlochaHry::ZrusRadu()
{
    return Proved([this] {
        if (!Rada)
            return TZmenaDesky{};
        Rada = false;
        return ZmenaDruhu(dzZnacky);
    });
}

TZobrazeniCisla TPlochaHry::ZobrazeniCisla(const TPozice& p) const
{
    if (Rada && (p == RadaOdkud || p == RadaKam))
        return zcZvyraznene;
    return Cisla ? zcCislo : zcZadne;
}

TZmenaDesky TPlochaHry::PriZmeneTypu(TTypHry typ)
{
    return ZmenaDruhu(Hraci.ZmenTypHry(typ) ? dzTyp : dzNic);
}

void TPlochaHry::PoAkci(bool zmenaPozice)
{
    // A hint belongs to the position and the rules it was asked for.
    if (zmenaPozice)
        Rada = false;
}

void TPlochaHry::DoplnVysledek(TVysledekAkce& v)
{
    // A new game, a restart and a change of type each begin a game; it
    // counts once it has been played, from its first jump.
    if (v.Druh == dzNovaPozice || v.Druh == dzTyp) {
        HraZapocitana = false;
        HraVyhrana = false;
    }
    if (v.Druh != dzSkok)
        return;
    const bool zacatek = !HraZapocitana;
    HraZapocitana = true;
    if (Evidence != nullptr && (zacatek || v.DosazenCil())) {
        const TZaznamDesky pocatek = PocatecniPozice();
        if (zacatek)
            Evidence->HraZacala(pocatek);
        if (v.DosazenCil())
            v.Vyhra = Evidence->Vyhra(pocatek, v.Stav.Tahu, !HraVyhrana);
    }
    if (v.DosazenCil()) {
        v.MaVyhru = true;
        v.Vyhra.Tahu = v.Stav.Tahu;
        HraVyhrana = true;
    }
}

// ---------------------------------------------------------------------------

TPlochaReseni::TPlochaReseni() : TPlochaSkoku(dpReseni), Start(PrazdnyZaznam())
{
    Resena.StavReseni = TextVyberteZpusob;
}

TZmenaDesky TPlochaReseni::NaZacatek()
{
    Resena.Nastav(Start);
    return ZmenaDruhu(dzNovaPozice);
}

// While a search runs the solver holds the board by its field numbers:
// nothing may take another position or empty the solution under it.
TVysledekAkce TPlochaReseni::Prevezmi(const TZaznamDesky& zaznam)
{
    return Proved([&] {
        if (FazeReseni == frHledani)
            return TZmenaDesky{};
        Start = zaznam;
        Resena.StavReseni = TextVyberteZpusob;
        Resena.Reseni.Vymaz();
        Resena.Dokonceno = false;
        FazeReseni = frCeka;
        return NaZacatek();
    });
}

TVysledekAkce TPlochaReseni::PredHledanim(std::uint8_t zpusob)
{
    return Proved([this, zpusob] {
        if (FazeReseni == frHledani)
            return TZmenaDesky{};
        Resena.ZpusobHledani = zpusob;
        Resena.StavReseni = zpusob == 0   ? TextHledamNejrychlejsi
                            : zpusob == 1 ? TextHledamNejkratsi
                                          : TextHledamNejmene;
        Resena.Reseni.Vymaz();
        Resena.Dokonceno = false;
        FazeReseni = frHledani;
        return NaZacatek();
    });
}

TVysledekAkce TPlochaReseni::PoHledani(double dobaDni)
{
    return Proved([this, dobaDni] {
        Resena.Dokonceno = true;
        Resena.DobaHledani = dobaDni;
        FazeReseni = frDokonceno;
        return NaZacatek();
    });
}

TVysledekAkce TPlochaReseni::ZrusHledani()
{
    return Proved([this] {
        if (FazeReseni != frHledani)
            return TZmenaDesky{};
        Resena.StavReseni = TextVyberteZpusob;
        FazeReseni = frCeka;
        return NaZacatek();
    });
}

TVysledekAkce TPlochaReseni::ZnovuPrehrat()
{
    return Proved([this] {
        if (FazeReseni == frHledani)
            return TZmenaDesky{};
        // The status text stays: a replay under way stays one.
        Resena.Reseni.NaZacatek();
        Resena.Dokonceno = false;
        return NaZacatek();
    });
}

TZobrazeniCisla TPlochaReseni::ZobrazeniCisla(const TPozice& p) const
{
    TTahReseni dalsi;
    if (Resena.Reseni.DejAktualni(dalsi) && (p == dalsi.Odkud || p == dalsi.Kam))
        return zcZvyraznene;
    return zcCislo;
}

void TPlochaReseni::DoplnStav(TStavPlochy& stav) const
{
    TPlochaSkoku::DoplnStav(stav);
    stav.Faze = FazeReseni;
    stav.JeReseni = Resena.Reseni.JeReseni();
    stav.TahuReseni = Resena.Reseni.DejPocetTahu();
    stav.MaDalsiSkok = Resena.Reseni.DejAktualni(stav.DalsiSkok);
    stav.LzeVpred = stav.MaDalsiSkok;
    stav.Dokonceno = Resena.Dokonceno;
    stav.DobaHledani = Resena.DobaHledani;
}

TZmenaDesky TPlochaReseni::PriKrokuVpred()
{
    TTahReseni dalsi;
    if (!Resena.Reseni.DejAktualni(dalsi))
        return {};
    return Resena.Tah(dalsi.Odkud, dalsi.Kam);
}

void TPlochaReseni::PoAkci(bool)
{
    // A stone selected on this board means a solution is being replayed:
    // none can be selected without one (TSolveDeska::LzeZacit).
    if (FazeReseni != frHledani && Resena.Tahy.DejAktualni() > 0)
        FazeReseni = frPrehravani;
}
