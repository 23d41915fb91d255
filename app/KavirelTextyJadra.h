// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the Qt-free core hands the window (the solve tab's state, the
// file layer's messages): Czech strings of its own, translated here under
// the context "KavirelJadro". KavirelTextyJadra.cpp lists them for lupdate;
// a text missing there stays Czech.
#pragma once

#include <QString>

#include <string>

#include "KavirelTexty.h"

TText TextJadra(const std::string& text);
