// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Texts of the program are Windows-1250 byte strings (the graph files, the vertex
// comments, the paths); the screen and the file system speak Unicode.
#pragma once

#include <string>

// The Unicode code point of one Windows-1250 byte. The five bytes that the code
// page leaves undefined map to the control points of the same number, so that
// every byte string survives a trip through Unicode unchanged.
char32_t Cp1250ToUnicode(unsigned char byte);

// The Windows-1250 byte of a code point, or -1 when the code page has none.
int UnicodeToCp1250(char32_t code);

std::string Cp1250ToUtf8(const std::string& text);
// Characters that Windows-1250 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp1250(const std::string& text);
