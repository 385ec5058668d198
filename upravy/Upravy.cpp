// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Structural edits go through a snapshot of the graph, so that removing or adding a vertex
// is one change and never draws a position from the vertex generator but for a first vertex.
#include "upravy/Upravy.h"

#include "drawing/PUVykresli.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDosahTecky = 5.0;
constexpr double kDosahHrany = 4.0;

double Vzdalenost(double x1, double y1, double x2, double y2) {
  return std::hypot(x1 - x2, y1 - y2);
}

double OdUsecky(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay, delka2 = dx * dx + dy * dy;
  if (delka2 == 0.0) return Vzdalenost(px, py, ax, ay);
  const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / delka2, 0.0, 1.0);
  return Vzdalenost(px, py, ax + t * dx, ay + t * dy);
}

// A vertex with nothing of its own: the model's vertices are only made whole, so a new one
// is a copy of an existing one wiped clean.
tvrchol CistyVrchol(const TSnimekGrafu& s, int x, int y) {
  tvrchol novy = s.vrcholy.empty() ? tvrchol() : s.vrcholy.front();
  novy.SetX(x);
  novy.SetY(y);
  novy.SetText("");
  novy.SetHodnota(0.0);
  novy.SetBarva(0);
  for (std::uint8_t j = 1; j <= kMaxVrcholu; ++j) novy.SetHrana(j, 0.0);
  return novy;
}

}  // namespace

TMisto KdeJe(const tgraf& g, int x, int y) {
  const int n = g.GetPocet();
  TMisto misto;
  double nejmene = kDosahTecky;
  for (int i = 1; i <= n; ++i) {
    const auto v = std::uint8_t(i);
    const double d = Vzdalenost(x, y, g.GetX(v), g.GetY(v));
    if (d <= nejmene) nejmene = d, misto.vrchol = v;
  }
  if (misto.vrchol) return misto;
  nejmene = kDosahHrany;
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      const auto a = std::uint8_t(i), b = std::uint8_t(j);
      if (g.GetHrana(b, a) == 0.0) continue;
      const double d = OdUsecky(x, y, g.GetX(a), g.GetY(a), g.GetX(b), g.GetY(b));
      if (d > nejmene) continue;
      // Near a dot a press means the vertex, even when the dot itself is just out of reach.
      if (Vzdalenost(x, y, g.GetX(a), g.GetY(a)) <= kDosahTecky || Vzdalenost(x, y, g.GetX(b), g.GetY(b)) <= kDosahTecky)
        continue;
      nejmene = d, misto.u = a, misto.v = b;
    }
  }
  return misto;
}

int NaSirkuPlatna(int x) {
  return std::clamp(x, 0, kSirkaPlatna - 1);
}

int NaVyskuPlatna(int y) {
  return std::clamp(y, 0, kVyskaPlatna - 1);
}

bool PridejVrchol(tgraf& g, int x, int y) {
  if (g.GetPocet() >= kMaxVrcholu) return false;
  TSnimekGrafu s = g.Snimek();
  s.vrcholy.push_back(CistyVrchol(s, NaSirkuPlatna(x), NaVyskuPlatna(y)));
  // A new vertex makes the stored colour count wrong; 0 has it counted again when asked.
  s.barev = 0;
  g.Obnov(s, TZmenaGrafu::Upraven);
  return true;
}

void PresunVrchol(tgraf& g, std::uint8_t v, int x, int y) {
  TDavkaZmen davka(g);
  g.SetX(v, NaSirkuPlatna(x));
  g.SetY(v, NaVyskuPlatna(y));
}

void NastavHranu(tgraf& g, std::uint8_t u, std::uint8_t v, double d) {
  TDavkaZmen davka(g);
  if ((g.GetHrana(u, v) != 0.0) != (d != 0.0)) g.SetBarev(0);
  g.SetHrana(u, v, d);
  g.SetHrana(v, u, d);
}

void SmazVrchol(tgraf& g, std::uint8_t v) {
  TSnimekGrafu s = g.Snimek();
  if (v < 1 || v > s.vrcholy.size()) return;
  s.vrcholy.erase(s.vrcholy.begin() + (v - 1));
  for (tvrchol& w : s.vrcholy) {
    for (std::uint8_t j = v; j < kMaxVrcholu; ++j) w.SetHrana(j, w.GetHrana(std::uint8_t(j + 1)));
    w.SetHrana(kMaxVrcholu, 0.0);
  }
  s.barev = 0;
  g.Obnov(s, TZmenaGrafu::Upraven);
}
