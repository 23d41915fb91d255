// SPDX-License-Identifier: GPL-3.0-or-later
// The game session played as a window plays it: every action goes through
// Zkus, which also checks that the answer lists exactly the fields whose
// drawn state changed.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "KavirelCil.h"
#include "KavirelRelace.h"
#include "KreslenaDeska.h"

namespace {

using TObraz = std::vector<TVzhledPole>;  // reading order

TObraz Obraz(const TPlocha& plocha)
{
    TObraz obraz;
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            obraz.push_back(plocha.DejPole({x, y}));
    return obraz;
}

// Runs one action of plocha and compares its list of changed fields with
// the board drawn before and after it.
template <class F>
TVysledekAkce Zkus(const TPlocha& plocha, F akce)
{
    const TObraz pred = Obraz(plocha);
    const std::uint64_t verze = plocha.DejVerzi();
    const TVysledekAkce v = akce();
    const TObraz po = Obraz(plocha);
    std::vector<TPozice> ocekavane;
    for (std::size_t i = 0; i < po.size(); ++i)
        if (pred[i] != po[i])
            ocekavane.push_back(TPozice{static_cast<int>(i) % RozmerDesky, static_cast<int>(i) / RozmerDesky});
    std::vector<TPozice> hlasene;
    for (const TZmenenePole& z : v.Pole) {
        hlasene.push_back(z.Pozice);
        EXPECT_EQ(z.Vzhled, plocha.DejPole(z.Pozice)) << z.Pozice.X << "," << z.Pozice.Y;
    }
    EXPECT_EQ(hlasene, ocekavane);
    EXPECT_EQ(v.Plocha, plocha.Druh());
    EXPECT_EQ(plocha.DejVerzi(), verze + (v.ZmenaPozice ? 1 : 0));
    return v;
}

bool StejnyZaznam(const TZaznamDesky& a, const TZaznamDesky& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Stones, targets and rules; a board taken over renumbers its fields.
bool StejnaPozice(const TZaznamDesky& a, const TZaznamDesky& b)
{
    for (int x = 0; x < RozmerDesky; ++x)
        for (int y = 0; y < RozmerDesky; ++y)
            if (a.Pole[x][y].Stav != b.Pole[x][y].Stav || a.Pole[x][y].Cilove != b.Pole[x][y].Cilove)
                return false;
    return a.TypHry == b.TypHry;
}

std::vector<TPozice> Zvyraznene(const TPlocha& plocha)
{
    std::vector<TPozice> pole;
    for (int y = 0; y < RozmerDesky; ++y)
        for (int x = 0; x < RozmerDesky; ++x)
            if (plocha.DejPole({x, y}).Zobrazeni == zcZvyraznene)
                pole.push_back({x, y});
    return pole;
}

// One step of a game: a press, a drag, a step back or forward.
struct TKrok {
    enum { Stisk, Tah, Zpet, Vpred } Co;
    TPozice A, B;
    TDruhZmeny Druh;
    std::int32_t Tahu;
};

void Hraj(TRelaceHry& r, const std::vector<TKrok>& kroky, const char* nazev)
{
    for (std::size_t i = 0; i < kroky.size(); ++i) {
        const TKrok& k = kroky[i];
        const TVysledekAkce v = Zkus(r.Aktivni(), [&] {
            switch (k.Co) {
            case TKrok::Stisk: return r.Stisk(k.A);
            case TKrok::Tah: return r.Tah(k.A, k.B);
            case TKrok::Zpet: return r.KrokZpet();
            case TKrok::Vpred: break;
            }
            return r.KrokVpred();
        });
        EXPECT_EQ(v.Druh, k.Druh) << nazev << ", step " << i;
        EXPECT_EQ(v.Stav.Tahu, k.Tahu) << nazev << ", step " << i;
        EXPECT_EQ(v.ZmenaPozice, k.Druh == dzSkok || k.Druh == dzKrokZpet) << nazev << ", step " << i;
    }
}

} // namespace

// A game of each type from its start to its goal, with presses and drags,
// a multi-jump, and steps back and forward in between.
TEST(Relace, WholeGamesOfBothTypesReachTheirGoal)
{
    struct Pripad {
        const char* nazev;
        std::vector<std::string> deska;
        TTypHry typ;
        std::vector<TKrok> kroky;
        std::int32_t zbyva;
    };
    const Pripad pripady[] = {
        {"normal: two moves onto the target",
         {"xxo", "..oxx", "..O"},
         thNormalni,
         {{TKrok::Stisk, {4, 1}, {}, dzVyber, 0},
          {TKrok::Stisk, {2, 1}, {}, dzSkok, 1},
          {TKrok::Tah, {0, 0}, {2, 0}, dzSkok, 2},
          {TKrok::Zpet, {}, {}, dzKrokZpet, 1},
          {TKrok::Zpet, {}, {}, dzKrokZpet, 0},
          {TKrok::Zpet, {}, {}, dzNic, 0},
          {TKrok::Vpred, {}, {}, dzSkok, 1},
          {TKrok::Vpred, {}, {}, dzSkok, 2},
          {TKrok::Stisk, {2, 2}, {}, dzSkok, 2}},  // the landed stone runs on: still two moves
         1},
        {"Leibniz: a hole on every target",
         {"XoO", "..o", "..o", "", "Xoo"},
         thLeibniz,
         {{TKrok::Tah, {0, 4}, {2, 4}, dzSkok, 1},
          {TKrok::Stisk, {0, 0}, {}, dzPrevyber, 1},
          {TKrok::Stisk, {2, 0}, {}, dzSkok, 2},
          {TKrok::Zpet, {}, {}, dzKrokZpet, 1},
          {TKrok::Zpet, {}, {}, dzKrokZpet, 0},
          {TKrok::Vpred, {}, {}, dzSkok, 1},
          {TKrok::Vpred, {}, {}, dzSkok, 2},
          {TKrok::Tah, {2, 0}, {2, 2}, dzSkok, 2}},
         3},
    };
    for (const Pripad& c : pripady) {
        TRelaceHry r;
        r.Hra().NovaHra(Nakresli(c.deska, c.typ));
        Hraj(r, c.kroky, c.nazev);
        const TStavPlochy s = r.DejStav();
        EXPECT_EQ(s.Zbyva, c.zbyva) << c.nazev;
        EXPECT_EQ(s.Verdikt, shKonecCileSplneny) << c.nazev;
        EXPECT_TRUE(s.CilSplnen) << c.nazev;
        EXPECT_FALSE(s.VerdiktBezVyhry()) << c.nazev;
        EXPECT_FALSE(s.LzeVpred) << c.nazev;
        // The personal best belongs to the board as the game began.
        EXPECT_TRUE(StejnaPozice(r.Hra().PocatecniPozice(), r.Hra().ZaznamHry())) << c.nazev;
    }
}

TEST(Relace, DragsMakeOnlyLegalJumpsAndLeaveTheSelectionAlone)
{
    // (0,0) x, (1,0) x, (2,0) o, (3,0) x, (4,0) o; (4,1) x; (4,2) o.
    const std::vector<std::string> deska = {"xxoxo", "....x", "....o"};
    struct Pripad {
        const char* nazev;
        std::vector<TKrok> pred;  // played first
        TPozice odkud, kam;
        bool skok;
        std::size_t zmenenych;  // fields redrawn: the jump's three and a selection left elsewhere
        std::int32_t tahu;
        TPozice vybrany;  // after the drag; (-1,-1) for none
    };
    const TPozice nic{-1, -1};
    const Pripad pripady[] = {
        {"a legal jump", {}, {0, 0}, {2, 0}, true, 3, 1, {2, 0}},
        {"a legal jump while another stone is selected", {{TKrok::Stisk, {3, 0}, {}, dzVyber, 0}}, {0, 0}, {2, 0},
         true, 4, 1, {2, 0}},
        {"the landed stone dragged on continues its move", {{TKrok::Tah, {0, 0}, {2, 0}, dzSkok, 1}}, {2, 0},
         {4, 0}, true, 3, 1, {4, 0}},
        {"...also after another stone was selected",
         {{TKrok::Tah, {0, 0}, {2, 0}, dzSkok, 1}, {TKrok::Stisk, {4, 1}, {}, dzPrevyber, 1}}, {2, 0}, {4, 0}, true,
         4, 1, {4, 0}},
        {"another stone starts a new move", {{TKrok::Tah, {0, 0}, {2, 0}, dzSkok, 1}}, {3, 0}, {1, 0}, true, 3, 2,
         {1, 0}},
        {"onto an absent field", {}, {4, 1}, {4, 3}, false, 0, 0, nic},
        {"from an empty field", {{TKrok::Stisk, {3, 0}, {}, dzVyber, 0}}, {2, 0}, {0, 0}, false, 0, 0, {3, 0}},
        {"one field far", {}, {0, 0}, {1, 0}, false, 0, 0, nic},
        {"three fields far", {}, {0, 0}, {3, 0}, false, 0, 0, nic},
        {"onto itself", {{TKrok::Stisk, {0, 0}, {}, dzVyber, 0}}, {0, 0}, {0, 0}, false, 0, 0, {0, 0}},
        {"off the board", {{TKrok::Stisk, {1, 0}, {}, dzVyber, 0}}, {0, 0}, {-2, 0}, false, 0, 0, {1, 0}},
        {"from off the board", {}, {9, 0}, {7, 0}, false, 0, 0, nic},
    };
    for (const Pripad& c : pripady) {
        TRelaceHry r;
        r.Hra().NovaHra(Nakresli(deska));
        Hraj(r, c.pred, c.nazev);
        const TZaznamDesky pred = r.Hra().DejZaznam();
        const TVysledekAkce v = Zkus(r.Hra(), [&] { return r.Tah(c.odkud, c.kam); });
        EXPECT_EQ(v.Druh, c.skok ? dzSkok : dzNic) << c.nazev;
        EXPECT_EQ(v.Pole.size(), c.zmenenych) << c.nazev;
        EXPECT_EQ(v.Stav.Tahu, c.tahu) << c.nazev;
        EXPECT_EQ(v.Stav.MaVyber, c.vybrany != nic) << c.nazev;
        if (c.vybrany != nic) {
            EXPECT_EQ(v.Stav.Vyber, c.vybrany) << c.nazev;
        }
        if (c.skok) {
            EXPECT_EQ(v.Pres, StredSkoku(c.odkud, c.kam)) << c.nazev;
        } else {
            EXPECT_TRUE(StejnyZaznam(pred, r.Hra().DejZaznam())) << c.nazev;
            EXPECT_FALSE(v.Zmeneno()) << c.nazev;
        }
    }
}

// The verdict at the end of a game and the goal test of a won one (which
// asks for one stone, or one hole in Leibniz's game, when there are no
// targets) are two questions, asked of the rules and of the session alike.
TEST(Relace, VerdictAndGoalAreTwoQuestions)
{
    struct Pripad {
        const char* nazev;
        std::vector<std::string> deska;
        TTypHry typ;
        bool konec, maCilove, nesplneno;
        TStavHry verdikt;
        bool cil;
        bool bezVyhry;
        bool staryCil = false;  // a stale target flag on an absent position
    };
    const Pripad pripady[] = {
        {"one stone, no targets", {"x"}, thNormalni, true, false, false, shKonec, true, false},
        {"no targets, one stone and a hole", {"x.o"}, thNormalni, true, false, false, shKonec, true, false},
        {"no targets, two stones", {"x.x"}, thNormalni, true, false, false, shKonec, false, false},
        {"jump left", {"xxo"}, thNormalni, false, false, false, shProbiha, false, false},
        {"a jump left, a target empty", {"xxO"}, thNormalni, false, true, true, shProbiha, false, false},
        {"goal met with a jump left", {"XXo"}, thNormalni, false, true, false, shProbiha, true, false},
        {"every target full, nothing else", {"X.o", "..X"}, thNormalni, true, true, false, shKonecCileSplneny, true,
         false},
        {"a target empty", {"X.O", "..x"}, thNormalni, true, true, true, shKonecCileNesplneny, false, false},
        {"every target full and a stone elsewhere", {"X.x"}, thNormalni, true, true, false, shKonecCileSplneny, false,
         true},
        {"Leibniz: all targets empty", {"O.x", "..O"}, thLeibniz, true, true, false, shKonecCileSplneny, true, false},
        {"Leibniz: every target empty, nothing else", {"O.x", "..x"}, thLeibniz, true, true, false,
         shKonecCileSplneny, true, false},
        {"Leibniz: every target empty and a hole elsewhere", {"O.o", "..x"}, thLeibniz, true, true, false,
         shKonecCileSplneny, false, true},
        {"Leibniz: a target full", {"O.X", "..o"}, thLeibniz, true, true, true, shKonecCileNesplneny, false, false},
        {"Leibniz: one hole", {"xox", "xxx"}, thLeibniz, true, false, false, shKonec, true, false},
        {"Leibniz: two holes", {"xoo", "xxx"}, thLeibniz, false, false, false, shProbiha, false, false},
        // A stale flag counts as a target but never loses; the goal (one
        // stone, there being no target) is another matter.
        {"stale target, one stone", {"x"}, thNormalni, true, true, false, shKonecCileSplneny, true, false, true},
        {"stale target, two stones", {"x.x"}, thNormalni, true, true, false, shKonecCileSplneny, false, true, true},
    };
    for (const Pripad& c : pripady) {
        TZaznamDesky z = Nakresli(c.deska, c.typ);
        if (c.staryCil)
            z.Pole[6][6].Cilove = 1;
        TGameDeska d;
        d.Nastav(z);
        EXPECT_EQ(!d.ExistujeSkok(), c.konec) << c.nazev;
        bool nesplneno = true;
        EXPECT_EQ(d.KontrolaCilovych(nesplneno), c.maCilove) << c.nazev;
        EXPECT_EQ(nesplneno, c.nesplneno) << c.nazev;
        EXPECT_EQ(d.DejStavHry(), c.verdikt) << c.nazev;
        EXPECT_EQ(JeCilSplnen(d.Zaznam), c.cil) << c.nazev;
        if (c.staryCil) {
            EXPECT_EQ(d.PocetCilovych, 1) << c.nazev;
        }

        TRelaceHry r;
        const TStavPlochy s = r.Hra().NovaHra(z).Stav;
        EXPECT_EQ(s.Verdikt, c.verdikt) << c.nazev;
        EXPECT_EQ(s.CilSplnen, c.cil) << c.nazev;
        EXPECT_EQ(s.VerdiktBezVyhry(), c.bezVyhry) << c.nazev;
    }

    TRelaceHry r;
    // A jump into the differing case reports no win; one onto the goal does.
    r.Hra().NovaHra(Nakresli({"Xxxo"}));
    const TVysledekAkce v = r.Tah({1, 0}, {3, 0});
    ASSERT_EQ(v.Druh, dzSkok);
    EXPECT_TRUE(v.Stav.VerdiktBezVyhry());
    EXPECT_FALSE(v.DosazenCil());
    r.Hra().NovaHra(Nakresli({"xxO"}));
    EXPECT_TRUE(r.Tah({0, 0}, {2, 0}).DosazenCil());
}

TEST(Relace, MarksSelectionAndNumbersAreDrawnFromTheSession)
{
    TRelaceHry r;
    const TVysledekAkce cela = r.Zobraz(dpHra);
    EXPECT_EQ(cela.Pole.size(), 81u);
    EXPECT_TRUE(cela.PrepsatStav);
    Zkus(r.Hra(), [&] { return r.Hra().NovaHra(Nakresli({"xxoX"})); });
    EXPECT_EQ(r.DejPole({3, 0}), (TVzhledPole{spPlne, true, false, true, 4, zcZadne}));
    EXPECT_EQ(r.DejPole({4, 0}), TVzhledPole{});

    // Numbers and hints are marks: the position and its counter stay.
    EXPECT_EQ(Zkus(r.Hra(), [&] { return r.Hra().NastavCisla(true); }).Pole.size(), 4u);
    EXPECT_EQ(r.DejPole({1, 0}).Zobrazeni, zcCislo);
    const TVysledekAkce rada = Zkus(r.Hra(), [&] { return r.Hra().OznacRadu({0, 0}, {2, 0}); });
    EXPECT_EQ(rada.Pole.size(), 2u);
    EXPECT_FALSE(rada.ZmenaPozice);
    EXPECT_FALSE(rada.PrepsatStav);
    EXPECT_EQ(Zvyraznene(r.Hra()), (std::vector<TPozice>{{0, 0}, {2, 0}}));

    // A selection is no change of position: the hint stays.
    const TVysledekAkce vyber = Zkus(r.Hra(), [&] { return r.Stisk({0, 0}); });
    EXPECT_FALSE(vyber.ZmenaPozice);
    EXPECT_TRUE(r.DejPole({0, 0}).Vybrane);
    EXPECT_TRUE(r.Hra().JeRadaOznacena());

    // A type change is: the hint goes with the rules it was found under,
    // and so do the moves; the fields and the selection stay.
    r.Tah({0, 0}, {2, 0});
    r.Hra().OznacRadu({3, 0}, {1, 0});
    r.Stisk({3, 0});
    ASSERT_TRUE(r.Hra().JeRadaOznacena());
    const TZaznamDesky pred = r.Hra().DejZaznam();
    const TVysledekAkce typ = Zkus(r.Hra(), [&] { return r.PrepniTypHry(); });
    EXPECT_EQ(typ.Druh, dzTyp);
    EXPECT_TRUE(typ.ZmenaPozice);
    EXPECT_TRUE(typ.PrepsatStav);
    EXPECT_FALSE(r.Hra().JeRadaOznacena());
    EXPECT_TRUE(typ.Stav.MaVyber && typ.Stav.Vyber == (TPozice{3, 0}));
    EXPECT_EQ(typ.Stav.Tahu, 0);
    EXPECT_EQ(std::memcmp(pred.Pole, r.Hra().DejZaznam().Pole, sizeof pred.Pole), 0);
    EXPECT_EQ(typ.Stav.Typ, thLeibniz);

    // So is a new game of the same board.
    r.Hra().OznacRadu({0, 0}, {2, 0});
    EXPECT_TRUE(Zkus(r.Hra(), [&] { return r.Hra().ZnovuRozestavet(); }).ZmenaPozice);
    EXPECT_TRUE(Zvyraznene(r.Hra()).empty());
    EXPECT_TRUE(r.DejStav().NovaHra);
    EXPECT_THROW(r.Hra().OznacRadu({0, 9}, {0, 0}), ERangeError);
    EXPECT_THROW(r.Stisk({-1, 0}), ERangeError);
}

// A solution of two jumps by one stone, handed over as the solver hands it.
TEST(Relace, ReplayForwardBackRestartAndPlayOn)
{
    TRelaceHry r;
    r.Zobraz(dpReseni);
    TPlochaReseni& p = r.Reseni();
    r.Hra().NovaHra(Nakresli({"xxoxo", "...x", "...o"}));
    Zkus(p, [&] { return r.Resit(dpHra); });
    EXPECT_EQ(p.Faze(), frCeka);
    EXPECT_EQ(r.Stisk({0, 0}).Druh, dzNic);  // nothing to replay yet
    EXPECT_EQ(r.Tah({0, 0}, {2, 0}).Druh, dzNic);

    EXPECT_EQ(p.PredHledanim(1).Stav.Faze, frHledani);
    EXPECT_EQ(p.ResenaDeska().StavReseni, "Vyhledávám nejkratší řešení...");
    EXPECT_EQ(r.Resit(dpHra).Druh, dzNic);  // the solver holds the board
    EXPECT_EQ(p.ZnovuPrehrat().Druh, dzNic);
    // The solver's part: fields numbered 1..5 along the row, 6 and 7 below.
    p.DeskaProHledani().StavReseni = "Řešení nalezeno";
    p.DeskaProHledani().PridejSkokReseni(1, 3);
    p.DeskaProHledani().PridejSkokReseni(3, 5);
    TVysledekAkce v = p.PoHledani(0.25);
    EXPECT_EQ(v.Pole.size(), 2u);  // the first jump's numbers, changed behind the session's back
    EXPECT_EQ(v.Stav.Faze, frDokonceno);
    EXPECT_TRUE(v.Stav.Dokonceno);
    EXPECT_EQ(v.Stav.TahuReseni, 1);
    EXPECT_EQ(Zvyraznene(p), (std::vector<TPozice>{{0, 0}, {2, 0}}));
    EXPECT_EQ(r.DejPole({3, 0}).Zobrazeni, zcCislo);

    // Only the solution's jump is a jump here, however it is made; any stone
    // may be selected.
    EXPECT_EQ(Zkus(p, [&] { return r.Tah({3, 0}, {3, 2}); }).Druh, dzNic);
    EXPECT_EQ(Zkus(p, [&] { return r.Stisk({3, 0}); }).Druh, dzVyber);
    v = Zkus(p, [&] { return r.KrokVpred(); });
    EXPECT_EQ(v.Druh, dzSkok);
    EXPECT_EQ(v.Stav.Faze, frPrehravani);
    EXPECT_FALSE(v.Stav.Dokonceno);
    EXPECT_EQ(p.ResenaDeska().StavReseni, TextPrehravaniReseni);
    EXPECT_EQ(Zvyraznene(p), (std::vector<TPozice>{{2, 0}, {4, 0}}));
    EXPECT_EQ(Zkus(p, [&] { return r.Stisk({4, 0}); }).Druh, dzSkok);
    EXPECT_TRUE(Zvyraznene(p).empty());
    EXPECT_FALSE(r.DejStav().LzeVpred);
    EXPECT_EQ(Zkus(p, [&] { return r.KrokVpred(); }).Druh, dzNic);

    EXPECT_EQ(Zkus(p, [&] { return r.KrokZpet(); }).Druh, dzKrokZpet);
    EXPECT_EQ(Zvyraznene(p), (std::vector<TPozice>{{2, 0}, {4, 0}}));

    // "Hrát odsud": the replayed position becomes a game by the plain rules.
    const TVysledekAkce odsud = r.Hrat(dpReseni);
    EXPECT_EQ(odsud.Plocha, dpHra);
    EXPECT_TRUE(StejnyZaznam(r.Hra().ZaznamHry(), p.DejZaznam()));
    r.Zobraz(dpHra);
    EXPECT_EQ(r.Tah({3, 0}, {1, 0}).Druh, dzSkok);
    r.Hra().ZnovuRozestavet();  // back to the position played from
    EXPECT_TRUE(StejnaPozice(r.Hra().DejZaznam(), p.DejZaznam()));

    // "Znovu přehrát": the start, the first jump marked, the phase kept.
    r.Zobraz(dpReseni);
    v = Zkus(p, [&] { return p.ZnovuPrehrat(); });
    EXPECT_TRUE(StejnyZaznam(p.DejZaznam(), p.ZaznamReseni()));
    EXPECT_EQ(Zvyraznene(p), (std::vector<TPozice>{{0, 0}, {2, 0}}));
    EXPECT_EQ(v.Stav.Faze, frPrehravani);
    EXPECT_EQ(v.Stav.Tahu, 0);

    // A search that could not start leaves the tab waiting again.
    p.PredHledanim(0);
    EXPECT_EQ(p.ZrusHledani().Stav.Faze, frCeka);
    EXPECT_EQ(p.ResenaDeska().StavReseni, "Vyberte způsob hledání řešení...");
}

TEST(Relace, EditorElementsPressesAndStrokes)
{
    struct Pripad {
        TEditPrvek prvek;
        TStavPole stav;
        bool cilove;
    };
    const Pripad pripady[] = {
        {epNeexistujici, spNeexistujici, false}, {epPrazdne, spPrazdne, false}, {epPlne, spPlne, false},
        {epPrazdneCilove, spPrazdne, true},      {epPlneCilove, spPlne, true},
    };
    // Absent, empty, full, empty target, full target: each becomes each element.
    const std::vector<std::string> deska = {".oxOX"};
    for (const Pripad& c : pripady) {
        TRelaceHry r;
        r.Nahled().Zobraz(Nakresli(deska));
        r.Zobraz(dpEdit);
        r.Editovat(dpNahled);
        r.Editace().NastavPrvek(c.prvek);
        EXPECT_EQ(r.DejStav().Prvek, c.prvek);
        for (int x = 0; x < 5; ++x) {
            const TVysledekAkce v = Zkus(r.Editace(), [&] { return r.Stisk({x, 0}); });
            EXPECT_EQ(v.Druh, v.Pole.empty() ? dzNic : dzUprava) << c.prvek << " on " << x;
            const TVzhledPole pole = r.DejPole({x, 0});
            EXPECT_EQ(pole.Stav, c.stav) << c.prvek << " on " << x;
            EXPECT_EQ(pole.Cilove, c.cilove) << c.prvek << " on " << x;
            EXPECT_EQ(r.Editace().DejZaznam().Pole[x][0].Cilove != 0, c.cilove) << c.prvek << " on " << x;
            EXPECT_TRUE(pole.Nabizene);
        }
    }
    EXPECT_THROW(TRelaceHry().Editace().NastavPrvek(static_cast<TEditPrvek>(5)), ERangeError);
    TEditDeska mimo;
    EXPECT_THROW(PouzijPrvek(mimo, epPlne, {0, 9}), ERangeError);

    // A stroke paints every field on its way, both ends included.
    TRelaceHry r;
    r.Zobraz(dpEdit);
    r.Editace().NastavPrvek(epPlne);
    const TVysledekAkce tah = Zkus(r.Editace(), [&] { return r.Tah({0, 0}, {4, 2}); });
    std::vector<TPozice> cara;
    for (const TZmenenePole& z : tah.Pole)
        cara.push_back(z.Pozice);
    EXPECT_EQ(cara, (std::vector<TPozice>{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}));
    EXPECT_TRUE(tah.ZmenaPozice);
    EXPECT_EQ(Zkus(r.Editace(), [&] { return r.Tah({4, 2}, {4, 9}); }).Druh, dzNic);

    // Type and name; "Návrat k původní" drops both, "Hrát" takes them.
    EXPECT_EQ(Zkus(r.Editace(), [&] { return r.PrepniTypHry(); }).Druh, dzTyp);
    r.Editace().NastavNazev(std::string(35, 'n'));
    r.Hrat(dpEdit);
    EXPECT_EQ(DejNazev(r.Hra().ZaznamHry()), std::string(30, 'n'));
    EXPECT_EQ(r.Hra().DejStav().Typ, thLeibniz);
    EXPECT_EQ(r.Hra().DejStav().Zbyva, 0);
    Zkus(r.Editace(), [&] { return r.Editace().Puvodni(); });
    EXPECT_EQ(DejNazev(r.Editace().DejZaznam()), NazevEditovaneDesky);
    EXPECT_EQ(r.DejStav().Typ, thNormalni);
    EXPECT_EQ(r.DejPole({0, 0}).Stav, spNeexistujici);

    // Editing a game edits its position as played so far.
    r.Hra().NovaHra(Nakresli({"xxo"}));
    r.Zobraz(dpHra);
    r.Tah({0, 0}, {2, 0});
    r.Editovat(dpHra);
    EXPECT_EQ(r.Editace().DejZaznam().Pole[2][0].Stav, spPlne);
    EXPECT_EQ(r.Editace().DejZaznam().Pole[0][0].Stav, spPrazdne);
}

// Presses on the shown record, and inputs a board has no use for, do nothing.
TEST(Relace, InputsABoardHasNoUseForChangeNothing)
{
    TRelaceHry r;
    r.Nahled().Zobraz(Nakresli({"xxo"}));
    r.Reseni().Prevezmi(Nakresli({"xxo"}));  // no solution: nothing to replay
    for (const TDruhPlochy druh : {dpNahled, dpReseni}) {
        r.Zobraz(druh);
        const TZaznamDesky pred = r.Aktivni().DejZaznam();
        for (const TVysledekAkce& v :
             {r.Stisk({0, 0}), r.Tah({0, 0}, {2, 0}), r.KrokZpet(), r.KrokVpred(), r.PrepniTypHry()})
            EXPECT_FALSE(v.Zmeneno()) << int(druh);
        EXPECT_TRUE(StejnyZaznam(pred, r.Aktivni().DejZaznam()));
    }
    EXPECT_TRUE(r.Nahled().DejPole({0, 0}).Nabizene);
    EXPECT_FALSE(r.Nahled().DejPole({3, 0}).Nabizene);
    r.Zobraz(dpEdit);
    EXPECT_FALSE(r.KrokZpet().Zmeneno());
    EXPECT_FALSE(r.KrokVpred().Zmeneno());
}
