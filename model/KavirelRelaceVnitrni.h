// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers the session's source files share; not part of its interface.
#pragma once

#include "KavirelRelace.h"

// An answer of a board that says only what kind of change it made.
TZmenaDesky ZmenaDruhu(TDruhZmeny druh);

bool JeVMrizce(const TPozice& p);

// A field as its record holds it: state, target mark and number of a
// present field, in front; nothing of an absent one.
TVzhledPole VzhledZaznamu(const TPole& pole);
