// SPDX-License-Identifier: GPL-3.0-or-later
// Random boards: their numbers as players write them, and the promise that
// a number is a board.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "KavirelCil.h"
#include "KavirelKresba.h"
#include "KavirelNahodna.h"

namespace {

std::string Kresba(const TCisloDesky& c) { return KresbaDesky(NahodnaDeska(c).Zaznam); }

} // namespace

// These drawings were produced once by the generator and are pinned here on
// purpose: players share board numbers, and a number must give the same
// board in every later version. A change to the generator that breaks this
// test breaks every number ever shared; it is not fixed by updating the
// expected drawings.
TEST(NahodnaDeska, CislaDavajiVzdyTytezDesky)
{
    const struct {
        TCisloDesky Cislo;
        const char* Kresba;
    } pripady[] = {
        {{1, 1}, "typ: leibniz\nnázev: Náhodná 1-1\n"
                 "---------\n---------\n---.-----\n---.-----\n--.o..---\n--o------\n---------\n---------\n---------\n"},
        {{2, 777}, "typ: normální\nnázev: Náhodná 2-777\n"
                   "---------\n---------\n--o------\n--o---o.-\n-.oo.oo--\n----.-.--\n-----.o--\n---------\n---------\n"},
        {{3, 48213}, "typ: leibniz\nnázev: Náhodná 3-48213\n"
                     "---------\n------o--\n--.o..o--\n--o.*----\n--.-.----\n-.o..----\n-o--.----\n----.----\n---------\n"},
        {{4, 999999}, "typ: normální\nnázev: Náhodná 4-999999\n"
                      "---------\n---oo-.--\n---o.oo--\n--.oO.o--\n----oo.--\n---oooo--\n-----oo--\n---------\n---------\n"},
        {{5, 123456}, "typ: leibniz\nnázev: Náhodná 5-123456\n"
                      "---------\n---o-----\n---o-----\n--.o.o---\n-o.....--\n--o..o.--\n--....---\n---.-.---\n---------\n"},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(Kresba(p.Cislo), p.Kresba) << TextCislaDesky(p.Cislo);
}

// The whole record, field numbers and the bytes behind the name included,
// is the same each time, and it is the record a playable board would hold.
TEST(NahodnaDeska, ZaznamBajtZaBajtemAVlastnostiDesky)
{
    for (int d = MinObtiznost; d <= MaxObtiznost; ++d)
        for (std::int32_t s : {1, 2, 500000, MaxSeminko}) {
            const TCisloDesky c{d, s};
            const TNahodnaDeska a = NahodnaDeska(c), b = NahodnaDeska(c);
            EXPECT_EQ(std::memcmp(&a.Zaznam, &b.Zaznam, sizeof a.Zaznam), 0) << TextCislaDesky(c);

            TGameDeska hraci;
            hraci.Nastav(a.Zaznam);
            EXPECT_EQ(std::memcmp(&hraci.Zaznam, &a.Zaznam, sizeof a.Zaznam), 0) << TextCislaDesky(c);
            EXPECT_EQ(hraci.PocetKamenu, a.Kamenu);
            EXPECT_EQ(hraci.PocetKamenu + hraci.PocetPrazdnych, a.Poli);
            EXPECT_EQ(hraci.PocetCilovych, a.Cilovych);
            EXPECT_EQ(a.Zaznam.TypHry, TypHryCisla(c));
            EXPECT_EQ(DejNazev(a.Zaznam), "N\xE1hodn\xE1 " + TextCislaDesky(c));
            // A board to play: a jump to make, the goal not yet reached.
            EXPECT_TRUE(hraci.ExistujeSkok()) << TextCislaDesky(c);
            EXPECT_FALSE(JeCilSplnen(a.Zaznam)) << TextCislaDesky(c);
        }
}

// A board lands in the band of its level, and the share it reports is the
// share its own measurement gives.
TEST(NahodnaDeska, ObtiznostJeZmerena)
{
    int vPasmu = 0, celkem = 0;
    std::vector<int> poli(MaxObtiznost + 1);
    for (int d = MinObtiznost; d <= MaxObtiznost; ++d) {
        const TPasmo pasmo = PasmoObtiznosti(d);
        if (d > MinObtiznost) {
            EXPECT_EQ(pasmo.Do, PasmoObtiznosti(d - 1).Od);
        }
        for (std::int32_t s = 1; s <= 20; ++s) {
            const TNahodnaDeska b = NahodnaDeska({d, s});
            ++celkem;
            if (b.VPasmu) {
                ++vPasmu;
                EXPECT_GE(b.Promile, pasmo.Od);
                EXPECT_LT(b.Promile, pasmo.Do);
            }
            poli[d] += b.Poli;
        }
    }
    EXPECT_GE(vPasmu * 10, celkem * 9);
    // Harder levels are larger boards on the whole.
    for (int d = MinObtiznost + 1; d <= MaxObtiznost; ++d)
        EXPECT_GT(poli[d], poli[d - 1]) << d;
}

// The play-outs: a board whose every line leads to the goal, one where none
// does, and the Leibniz game measured as its mirror image.
TEST(NahodnaDeska, PodilUspesnychHer)
{
    TZaznamDesky z = PrazdnyZaznam();
    TChybaKresby chyba;
    ASSERT_TRUE(CtiKresbu("oo.\n", z, chyba));
    EXPECT_EQ(PromileUspechu(z, 100, 1), 1000);
    ASSERT_TRUE(CtiKresbu("oo.oo\n", z, chyba));
    EXPECT_EQ(PromileUspechu(z, 100, 1), 0);
    // Two first jumps, one of which strands a stone.
    ASSERT_TRUE(CtiKresbu(".oo.o\n", z, chyba));
    const int polovina = PromileUspechu(z, 1000, 7);
    EXPECT_GT(polovina, 400);
    EXPECT_LT(polovina, 600);
    TZaznamDesky l = PrazdnyZaznam();
    ASSERT_TRUE(CtiKresbu("typ: leibniz\no..o.\n", l, chyba));
    EXPECT_EQ(PromileUspechu(l, 1000, 7), polovina);
    // A target field: the one stone left must stand on it.
    ASSERT_TRUE(CtiKresbu("oo*\n", z, chyba));
    EXPECT_EQ(PromileUspechu(z, 10, 1), 1000);
    ASSERT_TRUE(CtiKresbu("Oo.\n", z, chyba));
    EXPECT_EQ(PromileUspechu(z, 10, 1), 0);
}

// A valid number is read and written back alike; every malformed one is
// refused with a reason that names what is wrong, and the number passed in
// stays as it was.
TEST(CisloDesky, CteniSDuvodemOdmitnuti)
{
    const struct {
        const char* Text;
        const char* VDuvodu;  // nullptr: a valid number
        TCisloDesky Cislo{2, 77};
    } pripady[] = {
        {"1-1", nullptr, {1, 1}},
        {"3-48213", nullptr, {3, 48213}},
        {"5-999999", nullptr, {5, 999999}},
        {"2-10", nullptr, {2, 10}},
        {"", "chybí"},
        {"0-5", "obtížnost „0“"},
        {"6-1", "obtížnost „6“"},
        {"13-1", "obtížnost „13“"},
        {"03-1", "obtížnost „03“"},
        {"3-0", "semínko „0“"},
        {"3-1000000", "semínko „1000000“"},
        {"3-99999999999999999999", "semínko"},
        {"3-007", "bez nul"},
        {"3-00", "bez nul"},
        {"3-0000001", "bez nul"},
        {"3-", "tvar"},
        {"-3", "tvar"},
        {"3", "tvar"},
        {"3-4a", "tvar"},
        {" 3-4", "tvar"},
        {"3-4 ", "tvar"},
        {"3--4", "tvar"},
        {"3-+4", "tvar"},
        {"+3-4", "tvar"},
        {"3-4-5", "tvar"},
        {"3–4", "tvar"},
        {"3_4", "tvar"},
        {"٣-٤", "tvar"},
    };
    for (const auto& p : pripady) {
        TCisloDesky c{2, 77};
        std::string chyba;
        EXPECT_EQ(CtiCisloDesky(p.Text, c, chyba), p.VDuvodu == nullptr) << "'" << p.Text << "': " << chyba;
        EXPECT_EQ(c, p.Cislo) << p.Text;
        if (p.VDuvodu) {
            EXPECT_NE(chyba.find(p.VDuvodu), std::string::npos) << "'" << p.Text << "': " << chyba;
        } else {
            EXPECT_EQ(TextCislaDesky(c), p.Text);
        }
    }
}

// The window asks for a number of a type; the numbers it gets are spread
// over the seeds and give distinct boards of that type.
TEST(CisloDesky, CisloPodleTypuHry)
{
    for (TTypHry typ : {thNormalni, thLeibniz}) {
        std::set<std::int32_t> seminka;
        for (std::uint64_t n : {0ULL, 5000ULL, 999998ULL, 777777ULL, 0xFFFFFFFFFFFFFFFFULL, 123456789ULL}) {
            const TCisloDesky c = CisloDesky(4, typ, n);
            EXPECT_EQ(c.Obtiznost, 4);
            EXPECT_GE(c.Seminko, 1);
            EXPECT_LE(c.Seminko, MaxSeminko);
            EXPECT_EQ(TypHryCisla(c), typ) << TextCislaDesky(c);
            seminka.insert(c.Seminko);
        }
        EXPECT_GE(seminka.size(), 4u);
    }
    EXPECT_THROW(CisloDesky(0, thNormalni, 1), ERangeError);
    EXPECT_THROW(NahodnaDeska({3, 0}), ERangeError);
    EXPECT_THROW(NahodnaDeska({6, 1}), ERangeError);
}
