// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the algorithm units share: the output line they report on, and arrays
// indexed by vertex number.
#pragma once

#include "model/UGraf.h"

#include <array>
#include <functional>
#include <string>

// The main window's one-line output memo: every result replaces its whole text.
// The main window connects it to Memo1; tests connect it to a string. While it is
// empty the results go nowhere.
extern std::function<void(const std::string&)> VypisDoMemo;

// Puts a result on the output line, if one is connected.
void Vypis(const std::string& text);

// Entry 0 unused, room for every vertex the model holds, so that graphs from
// hand-made files fit as well.
template <typename T>
using tpoVrcholech = std::array<T, kMaxVrcholu + 1>;
