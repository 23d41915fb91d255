// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelZnaky.h"

#include <cstdint>

namespace {

// Characters of bytes 0x80..0xFF; 0 where the code page assigns none.
const char16_t Horni[128] = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void PridejUtf8(std::string& cil, char32_t znak)
{
    if (znak < 0x80) {
        cil += static_cast<char>(znak);
    } else if (znak < 0x800) {
        cil += static_cast<char>(0xC0 | (znak >> 6));
        cil += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        cil += static_cast<char>(0xE0 | (znak >> 12));
        cil += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        cil += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

// Decodes one character at i and moves past it; false on a malformed,
// overlong or surrogate sequence.
bool CtiUtf8(const std::string& s, std::size_t& i, char32_t& znak)
{
    const auto bajt = [&s](std::size_t j) { return static_cast<unsigned char>(s[j]); };
    const unsigned char b = bajt(i);
    int pokracovani = 0;
    char32_t minimum = 0;
    if (b < 0x80) {
        znak = b;
    } else if ((b & 0xE0) == 0xC0) {
        znak = b & 0x1F, pokracovani = 1, minimum = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        znak = b & 0x0F, pokracovani = 2, minimum = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        znak = b & 0x07, pokracovani = 3, minimum = 0x10000;
    } else {
        return false;
    }
    if (s.size() - i - 1 < static_cast<std::size_t>(pokracovani))
        return false;
    for (int k = 1; k <= pokracovani; ++k) {
        const unsigned char c = bajt(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80)
            return false;
        znak = (znak << 6) | (c & 0x3F);
    }
    if (znak < minimum || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF))
        return false;
    i += static_cast<std::size_t>(pokracovani) + 1;
    return true;
}

} // namespace

std::string Cp1250NaUtf8(const std::string& bajty)
{
    std::string vysledek;
    for (const char c : bajty) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80)
            vysledek += c;
        else if (Horni[b - 0x80] == 0)
            vysledek += '?';
        else
            PridejUtf8(vysledek, Horni[b - 0x80]);
    }
    return vysledek;
}

bool Utf8NaCp1250(const std::string& utf8, std::string& bajty)
{
    bajty.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t znak = 0;
        if (!CtiUtf8(utf8, i, znak))
            return false;
        if (znak < 0x80) {
            bajty += static_cast<char>(znak);
            continue;
        }
        bool nalezeno = false;
        for (int k = 0; k < 128 && !nalezeno; ++k) {
            if (Horni[k] != 0 && Horni[k] == znak) {
                bajty += static_cast<char>(0x80 + k);
                nalezeno = true;
            }
        }
        if (!nalezeno)
            return false;
    }
    return true;
}
