// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The output line shared by the algorithm units.
#include "algorithms/USpolecne.h"

#include "platform/Vystup.h"

void Vypis(const std::string& text) {
  Vystup().Radek(text);
}
