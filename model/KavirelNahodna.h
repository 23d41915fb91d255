// SPDX-License-Identifier: GPL-3.0-or-later
// Random boards with shareable numbers.
//
// A board number is a difficulty, a dash and a decimal seed: "3-48213". The
// number alone decides the board, byte for byte, on every machine and in
// every version that knows random boards: a player who shares a number
// shares a board. So the generator draws from a generator of its own (no
// standard distribution, whose output the library may change), computes
// only with integers, and whatever changes it would make to a board of an
// existing number is a change of the promise, not an improvement.
//
// Every board is solvable by construction: it is the goal position played
// backwards (a stone jumps back over an empty field, which fills), and any
// empty field added afterwards only offers more jumps. The difficulty is
// measured: the share of random play-outs, each jump drawn among the legal
// ones, that reach the goal. A number keeps drawing candidates, fewer stones
// when they are too hard and more when too easy, until one lands in the band
// of its level; after a bounded number of tries it takes the closest one.
#pragma once

#include <cstdint>
#include <string>

#include "KavirelType.h"

constexpr int MinObtiznost = 1;
constexpr int MaxObtiznost = 5;
constexpr std::int32_t MaxSeminko = 999999;

struct TCisloDesky {
    int Obtiznost = MinObtiznost;  // 1 easiest .. 5 hardest
    std::int32_t Seminko = 1;      // 1 .. 999999
};

inline bool operator==(const TCisloDesky& a, const TCisloDesky& b)
{
    return a.Obtiznost == b.Obtiznost && a.Seminko == b.Seminko;
}
inline bool operator!=(const TCisloDesky& a, const TCisloDesky& b) { return !(a == b); }

// Reads a number as it is written: one digit 1..5, a dash, the seed without
// a leading zero; nothing around it, no sign, no blank. Each number has just
// one spelling, so that a number compared as text is the board compared.
// False with the reason (UTF-8, in the language of the messages) otherwise.
bool CtiCisloDesky(const std::string& text, TCisloDesky& cislo, std::string& chyba);
std::string TextCislaDesky(const TCisloDesky& cislo);

// The game type of the number's board, without building it: the window
// looks for a number of the type the player asked for.
TTypHry TypHryCisla(const TCisloDesky& cislo);

// A number of the difficulty and type from nahoda, a value the caller draws
// from any source: the seed it gives, or the first after it (wrapping round)
// whose board has the type.
TCisloDesky CisloDesky(int obtiznost, TTypHry typ, std::uint64_t nahoda);

// How many of the play-outs a measurement runs, and how the share of
// successful ones is written: in thousandths.
constexpr int HerMereni = 500;

struct TNahodnaDeska {
    TCisloDesky Cislo;
    // Fields, stones, target fields, type and the name "Náhodná 3-48213"
    // (Windows-1250; a record's name is data, like the built-in boards'
    // names, so it does not follow the language); field numbers in reading
    // order, every other byte zero.
    TZaznamDesky Zaznam = PrazdnyZaznam();
    int Poli = 0;
    int Kamenu = 0;
    int Cilovych = 0;
    int Promile = 0;       // play-outs that reached the goal, per mille of HerMereni
    int Kandidatu = 0;     // boards drawn until this one
    bool VPasmu = false;   // the share lies in the band of the difficulty
};

// The board of a number (the number must be in range: CtiCisloDesky).
TNahodnaDeska NahodnaDeska(const TCisloDesky& cislo);

// The band of a difficulty in thousandths: a board belongs to it when its
// share s satisfies od <= s < do_ (the easiest level's band ends above 1000).
struct TPasmo {
    int Od = 0;
    int Do = 0;
};
TPasmo PasmoObtiznosti(int obtiznost);

// The share, per mille, of `her` random play-outs of the position that reach
// its goal (KavirelCil.h), each jump drawn with the generator seeded by
// seminko among all legal jumps. Either game type.
int PromileUspechu(const TZaznamDesky& zaznam, int her, std::uint64_t seminko);
