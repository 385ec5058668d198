// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph container and the current graph.
#include "model/UGraf.h"

#include <algorithm>
#include <cassert>
#include <cstring>

tgraf graf;

void tgraf::Init(std::uint8_t n) {
  assert(n <= kMaxVrcholu && "more vertices than the model holds");
  assert(pocet == 0 && "Init on a graph that still holds vertices");
  pocet = n;
  for (std::uint8_t k = 1; k <= n; ++k) vrcholy[k] = std::make_unique<tvrchol>();
  for (std::uint8_t k = n + 1; k <= kMaxVrcholu; ++k) vrcholy[k].reset();
  Zmena(TZmenaGrafu::Nahrazen);
}

void tgraf::Clear() {
  for (auto& vrchol : vrcholy) vrchol.reset();
  pocet = 0;
  komponent = 0;
  barev = 0;
  Zmena(TZmenaGrafu::Nahrazen);
}

tvrchol& tgraf::Vrchol(std::uint8_t i) const {
  assert(i >= 1 && i <= pocet && vrcholy[i] && "vertex outside 1..pocet");
  return *vrcholy[i];
}

namespace {

// Setters change and announce only a value that differs, so a listener hears real
// changes only.
template <typename T>
bool Zmen(T& pole, const T& hodnota) {
  if (pole == hodnota) return false;
  pole = hodnota;
  return true;
}

}  // namespace

void tgraf::SetPocet(std::uint8_t n) {
  if (Zmen(pocet, n)) Zmena(TZmenaGrafu::Upraven);
}
void tgraf::SetKomponent(std::uint8_t k) {
  if (Zmen(komponent, k)) Zmena(TZmenaGrafu::Upraven);
}
void tgraf::SetBarev(std::uint8_t b) {
  if (Zmen(barev, b)) Zmena(TZmenaGrafu::Upraven);
}

void tgraf::SetBarva(std::uint8_t i, std::uint8_t c) {
  if (Vrchol(i).GetBarva() == c) return;
  Vrchol(i).SetBarva(c);
  Zmena(TZmenaGrafu::Upraven);
}
void tgraf::SetX(std::uint8_t i, std::int32_t v) {
  if (Vrchol(i).GetX() == v) return;
  Vrchol(i).SetX(v);
  Zmena(TZmenaGrafu::Upraven);
}
void tgraf::SetY(std::uint8_t i, std::int32_t v) {
  if (Vrchol(i).GetY() == v) return;
  Vrchol(i).SetY(v);
  Zmena(TZmenaGrafu::Upraven);
}
void tgraf::SetText(std::uint8_t i, const std::string& s) {
  if (Vrchol(i).GetText() == s) return;
  Vrchol(i).SetText(s);
  Zmena(TZmenaGrafu::Upraven);
}
void tgraf::SetHodnota(std::uint8_t i, double d) {
  // Compared bit for bit: 0.0 and -0.0 are different texts in the file.
  const double stara = Vrchol(i).GetHodnota();
  if (std::memcmp(&stara, &d, sizeof d) == 0) return;
  Vrchol(i).SetHodnota(d);
  Zmena(TZmenaGrafu::Upraven);
}
void tgraf::SetHrana(std::uint8_t i, std::uint8_t j, double d) {
  const double stara = Vrchol(i).GetHrana(j);
  if (std::memcmp(&stara, &d, sizeof d) == 0) return;
  Vrchol(i).SetHrana(j, d);
  Zmena(TZmenaGrafu::Upraven);
}

std::uint8_t tgraf::GetBarva(std::uint8_t i) const { return Vrchol(i).GetBarva(); }
std::string tgraf::GetText(std::uint8_t i) const { return Vrchol(i).GetText(); }
std::int32_t tgraf::GetX(std::uint8_t i) const { return Vrchol(i).GetX(); }
std::int32_t tgraf::GetY(std::uint8_t i) const { return Vrchol(i).GetY(); }
double tgraf::GetHodnota(std::uint8_t i) const { return Vrchol(i).GetHodnota(); }
double tgraf::GetHrana(std::uint8_t j, std::uint8_t i) const { return Vrchol(i).GetHrana(j); }

TSnimekGrafu tgraf::Snimek() const {
  TSnimekGrafu snimek;
  snimek.komponent = komponent;
  snimek.barev = barev;
  for (std::uint8_t k = 1; k <= pocet; ++k) snimek.vrcholy.push_back(Vrchol(k));
  return snimek;
}

void tgraf::Obnov(const TSnimekGrafu& snimek, TZmenaGrafu druh) {
  assert(snimek.vrcholy.size() <= kMaxVrcholu && "snapshot larger than the model");
  pocet = std::uint8_t(snimek.vrcholy.size());
  komponent = snimek.komponent;
  barev = snimek.barev;
  for (std::uint8_t k = 1; k <= kMaxVrcholu; ++k) {
    if (k <= pocet)
      vrcholy[k] = std::make_unique<tvrchol>(snimek.vrcholy[k - 1]);
    else
      vrcholy[k].reset();
  }
  Zmena(druh);
}

int tgraf::Poslouchej(TPosluchac posluchac) {
  posluchaci.emplace_back(dalsiKlic, std::move(posluchac));
  return dalsiKlic++;
}

void tgraf::Neposlouchej(int klic) {
  posluchaci.erase(std::remove_if(posluchaci.begin(), posluchaci.end(),
                                  [klic](const auto& p) { return p.first == klic; }),
                   posluchaci.end());
}

void tgraf::Zmena(TZmenaGrafu druh) {
  ++revize;
  if (davek == 0) {
    Oznam(druh);
    return;
  }
  davkaZmenila = true;
  if (druh == TZmenaGrafu::Nahrazen) davkaDruh = druh;
}

void tgraf::Oznam(TZmenaGrafu druh) {
  // A listener may add or remove listeners while it is told: tell a copy.
  const auto kopie = posluchaci;
  for (const auto& p : kopie) p.second(druh);
}

TDavkaZmen::TDavkaZmen(tgraf& graf) : g(graf) {
  if (g.davek++ > 0) return;
  g.davkaZmenila = false;
  g.davkaDruh = TZmenaGrafu::Upraven;
}

TDavkaZmen::~TDavkaZmen() {
  if (--g.davek == 0 && g.davkaZmenila) g.Oznam(g.davkaDruh);
}
