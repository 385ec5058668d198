// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The output line shared by the algorithm units.
#include "algorithms/USpolecne.h"

std::function<void(const std::string&)> VypisDoMemo;

void Vypis(const std::string& text) {
  if (VypisDoMemo) VypisDoMemo(text);
}
