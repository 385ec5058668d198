// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the algorithm units share: the output line they report on, and arrays
// indexed by vertex number.
#pragma once

#include "model/UGraf.h"

#include <array>
#include <string>

// Puts a result on the output line, the main window's one-line memo (every result replaces
// its whole text), through the output road (platform/Vystup.h): the composition root
// connects Memo1, tests a string; without a receiver the results go nowhere.
void Vypis(const std::string& text);

// Entry 0 unused, room for every vertex the model holds, so that graphs from
// hand-made files fit as well.
template <typename T>
using tpoVrcholech = std::array<T, kMaxVrcholu + 1>;
