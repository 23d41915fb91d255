// SPDX-License-Identifier: GPL-3.0-or-later
// The dead positions kept between the searches of one owner: every position
// of a game asked in turn, as the game's hints ask them, with boards that
// differ only in their goal or game type asked in between, must get the
// plain search's answer; and the kept table must save work.
#include <thread>

#include "KavirelHledani.h"
#include "KavirelSdileneMrtve.h"
#include "BehPravidel.h"
#include "PomocneDesky.h"

using namespace TestReseni;
using KavirelHledani::TPravidla;

namespace {

TBeh Vyres(const TZaznamDesky& z, const TPravidla& pravidla, KavirelHledani::TSdileneMrtve* sdilene)
{
    TSolveDeska deska;
    deska.Nastav(z);
    return VyresPravidly(deska, zhNejrychlejsi, pravidla, std::size_t(16) << 20, sdilene);
}

// The same fields with another goal: the target fields dropped or the game
// type turned, so that a table of the first must not serve it.
TZaznamDesky JinyCil(TZaznamDesky z, int jak)
{
    if (jak == 0) {
        for (auto& sloupec : z.Pole)
            for (TPole& p : sloupec)
                p.Cilove = 0;
    } else {
        z.TypHry = z.TypHry == thNormalni ? thLeibniz : thNormalni;
    }
    return z;
}

TEST(SdileneMrtve, HryJakoProsteHledani)
{
    struct TNastaveni {
        const char* Nazev;
        bool Urovne;
    };
    // Without the levels the table decides more, and small boards reach it.
    for (const TNastaveni& n : {TNastaveni{"bez urovni", false}, TNastaveni{"s urovnemi", true}}) {
        SCOPED_TRACE(n.Nazev);
        TPravidla sdilet;
        sdilet.PozicBezTabulek = 0;
        sdilet.DruheVlakno = false;
        sdilet.Urovne = n.Urovne;
        TPravidla nesdilet = sdilet;
        nesdilet.SdileneMrtve = false;

        std::mt19937 gen(2501);
        KavirelHledani::TSdileneMrtve sdilene;
        std::uint64_t pozicSdilene = 0, pozicNesdilene = 0;
        int porovnano = 0, nalezeno = 0;
        const int desek = Instrumentovano ? 8 : 24;
        for (int i = 0; i < desek && !HasFailure(); ++i) {
            const TZaznamDesky z = i % 2 ? DeskaZpetnouHrou(gen) : NahodnaDeska(gen);
            // Two games of the board with one of another goal in between.
            std::vector<TZaznamDesky> pozice = NahodnaHra(z, gen);
            for (const TZaznamDesky& p : NahodnaHra(JinyCil(z, i % 3 == 0 ? 0 : 1), gen))
                pozice.push_back(p);
            for (const TZaznamDesky& p : NahodnaHra(z, gen))
                pozice.push_back(p);
            for (std::size_t k = 0; k < pozice.size() && !HasFailure(); ++k) {
                TSolveDeska deska;
                deska.Nastav(pozice[k]);
                const std::optional<Referencni::TVysledek> ref = ProstyVysledek(deska);
                const TBeh s = Vyres(pozice[k], sdilet, &sdilene);
                const TBeh bez = Vyres(pozice[k], nesdilet, &sdilene);
                pozicSdilene += s.Pozic;
                pozicNesdilene += bez.Pozic;
                EXPECT_EQ(Text(Pary(bez.Reseni.Skoky)), Text(Pary(s.Reseni.Skoky))) << i << " " << k;
                if (!ref)
                    continue;
                EXPECT_EQ(static_cast<int>(Stav(s.Reseni.Stav)), static_cast<int>(ref->Stav)) << i << " " << k;
                EXPECT_EQ(Text(Pary(s.Reseni.Skoky)), Text(ref->Skoky)) << i << " " << k;
                ++porovnano;
                nalezeno += ref->Stav == Referencni::TStav::Nalezeno;
            }
        }
        EXPECT_GE(porovnano, desek * 4);
        EXPECT_GT(nalezeno, porovnano / 10);
        if (!n.Urovne) {
            EXPECT_LT(pozicSdilene, pozicNesdilene) << "the kept table never saved a position";
        }
    }
}

// Two searches of one board at once: the second finds the table lent out and
// searches with its own, and both get the plain search's answer.
TEST(SdileneMrtve, PujcenaTabulkaNeniSdilenaDvakrat)
{
    const TZaznamDesky z = Deska({"..xxx....", "..xxx....", "xxxxxxx..", "xxxoxxx..", "xxxxxxx..", "..xxx....",
                                  "..xxx....", ".........", "........."});
    TSolveDeska deska;
    deska.Nastav(z);
    const Referencni::TVysledek ref = Referencni::Vyres(deska, false);
    TPravidla pravidla;
    pravidla.PozicBezTabulek = 0;
    KavirelHledani::TSdileneMrtve sdilene;
    TBeh prvni, druhy;
    std::thread t([&] { prvni = Vyres(z, pravidla, &sdilene); });
    druhy = Vyres(z, pravidla, &sdilene);
    t.join();
    // And a third one after both, with the table handed back.
    const TBeh treti = Vyres(z, pravidla, &sdilene);
    for (const TBeh& b : {prvni, druhy, treti}) {
        EXPECT_EQ(static_cast<int>(Stav(b.Reseni.Stav)), static_cast<int>(ref.Stav));
        EXPECT_EQ(Text(Pary(b.Reseni.Skoky)), Text(ref.Skoky));
    }
}

// A kept table is a cache across requests: in a full line, what the requests
// before stored gives way to what the present one learns, whatever their
// levels (the first hints of a game, high above the goal, kept out the
// later ones' dead positions and left them searching for minutes), while
// within one request the entries further from the goal still win. An old
// entry asked about again joins the present request.
TEST(SdileneMrtve, StarsiPozadavkyUstoupiVPlneRadce)
{
    const KavirelHledani::TPodpisDesky podpis = {1, 2, 3};
    const struct {
        const char* Popis;
        bool NovyPozadavek;
        bool Zeptat;            // asks about old entry 1 before storing
        int Novych;             // stored at level 3 after four at level 50
        bool NoveUlozeny;       // the first new one is in the table
        int StarychZbyva;       // of the four at level 50
        bool PrvniStaryZbyva;
    } pripady[] = {
        {"the same request", false, false, 1, false, 4, true},
        {"a new request", true, false, 1, true, 3, false},
        {"a new request, three new", true, false, 3, true, 1, false},
        {"a new request, an old one asked", true, true, 3, true, 1, true},
        {"a new request, four new", true, false, 4, true, 0, false},
    };
    for (const auto& p : pripady) {
        KavirelHledani::TSdileneMrtve sdilene;
        KavirelHledani::TTabulka tabulka;
        ASSERT_TRUE(tabulka.Vytvor(64));  // one line of four entries
        for (std::uint64_t s = 1; s <= 4; ++s)
            tabulka.UlozMrtvou(s, 50);
        sdilene.Vrat(podpis, 64, std::move(tabulka), false);
        if (p.NovyPozadavek)
            sdilene.NovaEra();
        KavirelHledani::TTabulka pujcena;
        ASSERT_TRUE(sdilene.Vypujc(podpis, 64, pujcena)) << p.Popis;
        if (p.Zeptat) {
            EXPECT_TRUE(pujcena.JeMrtva(std::uint64_t(1))) << p.Popis;
        }
        for (int i = 0; i < p.Novych; ++i)
            pujcena.UlozMrtvou(std::uint64_t(100 + i), 3);
        EXPECT_EQ(pujcena.JeMrtva(std::uint64_t(100)), p.NoveUlozeny) << p.Popis;
        int zbyva = 0;
        for (std::uint64_t s = 1; s <= 4; ++s)
            zbyva += pujcena.JeMrtva(s) ? 1 : 0;
        EXPECT_EQ(zbyva, p.StarychZbyva) << p.Popis;
        EXPECT_EQ(pujcena.JeMrtva(std::uint64_t(1)), p.PrvniStaryZbyva) << p.Popis;
    }
}

}  // namespace
