// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The current graph file: its path, the reader and the writer of the graph file format.
#pragma once

#include <string>

class tgraf;

// Path of the current graph file (Windows-1250 text); empty at start.
extern std::string jmenoSouboru;

void SetJmenoSouboru(const std::string& s);
std::string GetJmenoSouboru();
bool ExistujeSoubor(const std::string& s);

// Loads the file jmenoSouboru into graf, which the caller has emptied.
// 0 loaded, 1 not a graph file, 2 no such file (graf untouched in both).
// A field that passes the check but does not convert, or a read failure, throws
// EInOutError; graf then keeps what was read so far.
int NactiGraf();

// Writes g to the file jmeno (Windows-1250 text), replacing it only once the whole new
// file is written. Returns 0; a failure throws EInOutError and leaves the old file as it
// was.
int UlozGraf(const tgraf& g, const std::string& jmeno);
// The same for graf and jmenoSouboru.
int UlozGraf();

// Empties graf.
void ZrusGraf();
