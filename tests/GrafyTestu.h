// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the tests of the algorithms share: graphs built straight into graf with their
// vertices at fixed places, and the colours read off the canvas at those places.
#pragma once

#include "algorithms/UMetody.h"
#include "drawing/PUVykresli.h"
#include "model/UGraf.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

struct thranaTestu { int i, j; double delka; };
using thranyTestu = std::vector<thranaTestu>;

// Vertex k's place on an ellipse, 0.95 radians on from k - 1's. Even coordinates put an edge's
// middle pixel on its line whichever end it is drawn from, and among vertices 1 to 7 that
// pixel lies 10 pixels or more from every other edge and dot: its colour is the edge's own.
inline int MistoX(int k) { return 2 * int(std::lround(142.0 + 125.0 * std::cos(0.95 * k - 0.25))); }
inline int MistoY(int k) { return 2 * int(std::lround(90.0 + 80.0 * std::sin(0.95 * k - 0.25))); }

// Empties graf and gives it n vertices at their places and the edges, each in both rows.
inline void PostavGraf(int n, const thranyTestu& hrany) {
  graf.Clear();
  graf.Init(n);
  for (int k = 1; k <= n; ++k) graf.SetX(k, MistoX(k)), graf.SetY(k, MistoY(k));
  for (const thranaTestu& h : hrany) graf.SetHrana(h.i, h.j, h.delka), graf.SetHrana(h.j, h.i, h.delka);
}

// The colour at the middle of edge i-j, or of vertex i's dot when j is i.
inline TColor Barva(const TCanvas& c, int i, int j) { return c.Pixel((MistoX(i) + MistoX(j)) / 2, (MistoY(i) + MistoY(j)) / 2); }

// A freshly started program drawing on a test canvas, its output line and messages recorded.
class AlgoritmusTest : public ::testing::Test {
protected:
  void SetUp() override { ResetProgramState(); }
  TestSurface plocha;
  MessageRecorder zpravy;
};
