// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelChyby.h"

#include <cstdio>

namespace {
std::string FormatujAssert(const std::string& zprava, const char* jednotka, int radek)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, ", line %d)", radek);
    return zprava + " (" + jednotka + buf;
}
} // namespace

EAssertionFailed::EAssertionFailed(const std::string& zprava, const char* jednotka, int radek)
    : EKavirelChyba(FormatujAssert(zprava, jednotka, radek))
{
}

void ChybaRozsahu()
{
    throw ERangeError();
}

void Inc(std::int32_t& citac, std::int32_t o)
{
    std::int32_t vysledek;
    if (__builtin_add_overflow(citac, o, &vysledek))
        throw EIntOverflow();
    citac = vysledek;
}

void Dec(std::int32_t& citac, std::int32_t o)
{
    std::int32_t vysledek;
    if (__builtin_sub_overflow(citac, o, &vysledek))
        throw EIntOverflow();
    citac = vysledek;
}
