// SPDX-License-Identifier: GPL-3.0-or-later
// Board names between the records' Windows-1250 bytes and the UTF-8 of text
// files and terminals, for the tools that have no Qt to do it.
#pragma once

#include <string>

// Every byte becomes its character; the five bytes the code page leaves
// unassigned become '?', so the text can always be read back.
std::string Cp1250NaUtf8(const std::string& bajty);

// False, with bajty left partly filled, when utf8 is not well-formed UTF-8 or holds a
// character the code page lacks.
bool Utf8NaCp1250(const std::string& utf8, std::string& bajty);
