// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The two colourings: identification colours per vertex, and the colour numbers of the
// single pass with the dots it redraws.
#include "GrafyTestu.h"

#include <algorithm>
#include <tuple>

using Barveni = AlgoritmusTest;

// Narrated: the final numbers, which vertex v's narration
// shows, and each redraw as (vertex, entry of paleta). The silent run is the colour count's.
TEST_F(Barveni, ObarviGrafGivesNumbersInOnePass) {
  const std::vector<std::tuple<const char*, int, thranyTestu, std::vector<int>, std::vector<std::pair<int, long>>>> pripady = {
      {"no edges, only a diagonal entry", 3, {{2, 2, 5}}, {1, 1, 1}, {}},
      {"triangle draws vertex 3 twice", 3, {{1, 2, 1}, {2, 3, 1}, {1, 3, 1}}, {1, 2, 3}, {{2, 2}, {3, 2}, {3, 3}}},
      {"one pass leaves neighbours 3 and 6 alike", 6, {{1, 2, 1}, {1, 3, 1}, {1, 4, 1}, {2, 3, 1}, {3, 6, 1}, {4, 6, 1}, {5, 6, 1}},
       {1, 2, 3, 2, 1, 3}, {{2, 2}, {3, 2}, {4, 2}, {3, 3}, {6, 2}, {6, 3}}}};
  for (const auto& [nazev, n, hrany, barvy, kresby] : pripady) {
    SCOPED_TRACE(nazev);
    PostavGraf(n, hrany);
    for (int v = 1; v <= n; ++v) graf.SetBarva(v, 7);  // a run starts afresh
    graf.SetBarev(9);
    SmazPlatno();
    zpravy.messages.clear();
    std::vector<std::pair<int, long>> nakresleno;
    std::vector<TColor> naposled(16, clWhite);
    plocha.canvas.OnChange = [&, n = n] {
      for (int v = 1; v <= n; ++v) {
        const TColor c = Barva(plocha.canvas, v, v);
        if (c != naposled[v]) nakresleno.emplace_back(v, std::find(paleta.begin(), paleta.end(), c) - paleta.begin());
        naposled[v] = c;
      }
    };
    ObarviGraf('b');
    plocha.canvas.OnChange = nullptr;
    std::vector<std::string> ocekavane;
    for (int v = 1; v <= n; ++v) {
      EXPECT_EQ(barvy[v - 1], graf.GetBarva(v)) << v;
      ocekavane.push_back(" Barvim vrchol c. " + std::to_string(v) + " barvou c. " + std::to_string(barvy[v - 1]));
    }
    EXPECT_EQ(*std::max_element(barvy.begin(), barvy.end()), graf.GetBarev());
    EXPECT_EQ(ocekavane, zpravy.messages);
    EXPECT_EQ(kresby, nakresleno);
  }
}

TEST_F(Barveni, ObarviVrcholyDrawsEachVertexInItsOwnColour) {
  const TColor barvy[] = {clMaroon, clGreen, clOlive, clBlue, clNavy, clTeal, clPurple, clGray, clBlack, clRed};
  PostavGraf(15, {});
  VykresliGraf(clSilver, clSilver);
  ObarviVrcholy();
  // Past the table, vertices from a hand-made file keep the colour they were drawn in.
  for (int v = 1; v <= 15; ++v) EXPECT_EQ(v <= 10 ? barvy[v - 1] : clSilver, Barva(plocha.canvas, v, v)) << v;
}
