// SPDX-License-Identifier: GPL-3.0-or-later
// Programming errors of the whole program. They stop the operation that ran
// into them; the user interface catches them at the edge of each event
// handler, shows the text and carries on with the next event.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

class EKavirelChyba : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An index into a fixed array (the 9 x 9 grid, an 81-entry list) out of range.
class ERangeError : public EKavirelChyba {
public:
    ERangeError() : EKavirelChyba("Range check error") {}
};

// A counter passed the range of its type.
class EIntOverflow : public EKavirelChyba {
public:
    EIntOverflow() : EKavirelChyba("Integer overflow") {}
};

// An internal consistency check failed. The text names the unit and line.
class EAssertionFailed : public EKavirelChyba {
public:
    EAssertionFailed(const std::string& zprava, const char* jednotka, int radek);
};

[[noreturn]] void ChybaRozsahu();

// Throws ERangeError unless dolni <= hodnota <= horni.
inline void KontrolaRozsahu(std::int64_t hodnota, std::int64_t dolni, std::int64_t horni)
{
    if (hodnota < dolni || hodnota > horni)
        ChybaRozsahu();
}

// Checked increment and decrement of a signed 32-bit counter.
void Inc(std::int32_t& citac, std::int32_t o = 1);
void Dec(std::int32_t& citac, std::int32_t o = 1);

#define KAVIREL_ASSERT(podminka, zprava, jednotka)                         \
    do {                                                                   \
        if (!(podminka))                                                   \
            throw EAssertionFailed((zprava), (jednotka), __LINE__);        \
    } while (0)
