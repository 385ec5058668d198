// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The degrees, the score and the spanning-tree, component and colour counts, run as the
// commands of their tabs.
#include "GrafyTestu.h"

#include <tuple>

static thranyTestu Uplny(int n) {
  thranyTestu hrany;
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j) hrany.push_back({i, j, 1.0});
  return hrany;
}
static void Koster() { tpocet().Prikaz1(); }
static void Komponent() { tpocet().Prikaz2(); }

using Pocty = AlgoritmusTest;

// The counts themselves are checked on random graphs (test_vlastnosti). Here each command writes its
// line without drawing or a message, and the rows are what random graphs do not make: a diagonal
// entry and the largest count of a 15-vertex file.
TEST_F(Pocty, OutputLinesOfTheScoreAndTheCounts) {
  const std::string koster = " Pocet koster v grafu je : ", komponent = "Pocet komponent je : ";
  const std::vector<std::tuple<const char*, void (*)(), int, thranyTestu, std::string>> pripady = {
      {"score without the diagonal", [] { tnajdi().Prikaz1(); }, 2, {{2, 2, 3}}, "Skore je : 0 - 0"},
      {"trees of K15", Koster, 15, Uplny(15), koster + "1946195068359375"},
      {"trees without the diagonal", Koster, 3, {{1, 2, 1}, {2, 2, 2}, {2, 3, 1}}, koster + "1"},
      {"components with vertex 1 alone", Komponent, 4, {{2, 3, 1}, {3, 4, 1}}, komponent + "2"}};
  for (const auto& [nazev, prikaz, n, hrany, vystup] : pripady) {
    PostavGraf(n, hrany);
    plocha.memo.clear();
    plocha.canvas.OnChange = [] { ADD_FAILURE() << "drawn"; };
    prikaz();
    EXPECT_EQ(vystup, plocha.memo) << nazev;
    EXPECT_TRUE(zpravy.messages.empty()) << nazev;
    EXPECT_EQ(prikaz == Komponent ? vystup.back() - '0' : 0, graf.GetKomponent()) << nazev;  // for the runs
  }
}

// A hand-made file may give an edge in one row only; the degree counts the vertex's own row.
TEST_F(Pocty, StupenVrcholuCountsTheVertexsOwnRow) {
  PostavGraf(4, {{1, 2, 1}, {1, 3, -2}, {2, 2, 5}});
  graf.SetHrana(4, 1, 0.5);  // vertex 4's row only
  const std::pair<int, int> stupne[] = {{1, 2}, {2, 1}, {3, 1}, {4, 1}, {0, 0}, {5, 0}, {-1, 0}, {16, 0}};
  for (const auto& [vrchol, stupen] : stupne) EXPECT_EQ(stupen, StupenVrcholu(vrchol)) << vrchol;
}

TEST_F(Pocty, PocetBarevColoursSilentlyOnlyWhileNoColouringIsKnown) {
  PostavGraf(3, Uplny(3));
  tpocet().Prikaz3();
  EXPECT_EQ(" Graf je 3 barevny ", plocha.memo);
  EXPECT_EQ(paleta[3], Barva(plocha.canvas, 3, 3));
  EXPECT_TRUE(zpravy.messages.empty());
  // Editing keeps the count of the last colouring; the run reports it and draws nothing.
  for (const thranaTestu& h : Uplny(3)) graf.SetHrana(h.i, h.j, 0.0), graf.SetHrana(h.j, h.i, 0.0);
  plocha.canvas.OnChange = [] { ADD_FAILURE() << "drawn"; };
  tpocet().Prikaz3();
  EXPECT_EQ(" Graf je 3 barevny ", plocha.memo);
}
