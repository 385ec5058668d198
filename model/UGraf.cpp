// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph container and the current graph.
#include "model/UGraf.h"

#include <cassert>

tgraf graf;

void tgraf::Init(std::uint8_t n) {
  assert(n <= kMaxVrcholu && "more vertices than the model holds");
  assert(pocet == 0 && "Init on a graph that still holds vertices");
  pocet = n;
  for (std::uint8_t k = 1; k <= n; ++k) vrcholy[k] = std::make_unique<tvrchol>();
  for (std::uint8_t k = n + 1; k <= kMaxVrcholu; ++k) vrcholy[k].reset();
  pocet = n;
}

void tgraf::Clear() {
  for (auto& vrchol : vrcholy) vrchol.reset();
  pocet = 0;
  komponent = 0;
  barev = 0;
}

tvrchol& tgraf::Vrchol(std::uint8_t i) const {
  assert(i >= 1 && i <= pocet && vrcholy[i] && "vertex outside 1..pocet");
  return *vrcholy[i];
}

void tgraf::SetBarva(std::uint8_t i, std::uint8_t c) { Vrchol(i).SetBarva(c); }
void tgraf::SetX(std::uint8_t i, std::int32_t v) { Vrchol(i).SetX(v); }
void tgraf::SetY(std::uint8_t i, std::int32_t v) { Vrchol(i).SetY(v); }
void tgraf::SetText(std::uint8_t i, const std::string& s) { Vrchol(i).SetText(s); }
void tgraf::SetHodnota(std::uint8_t i, double d) { Vrchol(i).SetHodnota(d); }
void tgraf::SetHrana(std::uint8_t i, std::uint8_t j, double d) { Vrchol(i).SetHrana(j, d); }
std::uint8_t tgraf::GetBarva(std::uint8_t i) const { return Vrchol(i).GetBarva(); }
std::string tgraf::GetText(std::uint8_t i) const { return Vrchol(i).GetText(); }
std::int32_t tgraf::GetX(std::uint8_t i) const { return Vrchol(i).GetX(); }
std::int32_t tgraf::GetY(std::uint8_t i) const { return Vrchol(i).GetY(); }
double tgraf::GetHodnota(std::uint8_t i) const { return Vrchol(i).GetHodnota(); }
double tgraf::GetHrana(std::uint8_t j, std::uint8_t i) const { return Vrchol(i).GetHrana(j); }
