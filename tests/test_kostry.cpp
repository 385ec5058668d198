// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The spanning-tree runs: the narration and the maroon tree of Kruskal, Jarnik and Boruvka
// (their lengths: test_vlastnosti).
#include "GrafyTestu.h"

#include <map>

static const std::string kKomponenty =
    " graf ma vice nez 1 komponentu , proto provedu simulaci algoritmu na vsech jeho komponentach ";
static std::string Hrana(int a, int b, const char* d) { return std::to_string(a) + " " + std::to_string(b) + " s delkou " + d; }
static std::string Prijata(int a, int b, const char* d) { return "barvim hranu - zarazuji do kostry " + Hrana(a, b, d); }
static std::string Vyhozena(int a, int b, const char* d) { return "vyhazuji hranu - nepatri do kostry " + Hrana(a, b, d); }
static std::string Vyrazena(int a, int b) { return " vyrazuji hranu " + std::to_string(a) + " " + std::to_string(b); }

struct tbeh {
  const char* nazev;
  int n, k;  // k: the component count the last count left in graf
  thranyTestu hrany;
  std::vector<std::string> zpravy;
  const char* kresba;  // per edge of hrany, M maroon, s silver
};

class Kostry : public AlgoritmusTest {
protected:
  // vrcholy: the dot colour of the opening picture, seen on the graphs without edges.
  void Over(const std::vector<tbeh>& behy, void (*prikaz)(), TColor vrcholy) {
    for (const tbeh& b : behy) {
      SCOPED_TRACE(b.nazev);
      PostavGraf(b.n, b.hrany);
      graf.SetHrana(2, 2, 0.5);  // a diagonal entry, which no run may take for an edge
      graf.SetKomponent(b.k);
      zpravy.messages.clear();
      prikaz();
      EXPECT_EQ(b.zpravy, zpravy.messages);
      std::string kresba;
      for (const thranaTestu& h : b.hrany)
        kresba += std::map<TColor, char>{{clMaroon, 'M'}, {clSilver, 's'}}[Barva(plocha.canvas, h.i, h.j)];
      EXPECT_EQ(b.kresba, kresba);
      for (int v = 1; v <= b.n && b.hrany.empty(); ++v) EXPECT_EQ(vrcholy, Barva(plocha.canvas, v, v));
    }
  }
};

TEST_F(Kostry, KruskalNarratesUntilTheForestIsComplete) {
  Over({{"triangle: edge 2-3 never announced", 3, 1, {{1, 2, 1}, {1, 3, 2}, {2, 3, 3}},
         {Prijata(1, 2, "1"), Prijata(1, 3, "2")}, "MMs"},
        {"ties by lower odkud; a join relabels", 5, 1, {{2, 3, 1}, {1, 4, 1}, {1, 2, 2}, {3, 4, 3}, {4, 5, 4}},
         {Prijata(1, 4, "1"), Prijata(2, 3, "1"), Prijata(1, 2, "2"), Vyhozena(4, 3, "3"), Prijata(4, 5, "4")}, "MMMsM"},
        {"two components", 4, 2, {{1, 2, 2}, {3, 4, 1}}, {kKomponenty, Prijata(3, 4, "1"), Prijata(1, 2, "2")}, "MM"},
        {"no edges", 3, 3, {}, {kKomponenty, " graf bez hran , uz jsem hotov "}, ""}},
       [] { tsimulace().Prikaz1(); }, clBlack);
}

TEST_F(Kostry, JarnikGrowsOneTreeFromEachStartVertex) {
  std::vector<tbeh> behy = {
      {"path: zbyva reaches 0", 3, 1, {{1, 2, 1}, {2, 3, 2}},
       {Prijata(2, 1, "1"), Vyhozena(1, 2, "1"), Prijata(3, 2, "2")}, "MM"},
      {"triangle: discards while zbyva > 0", 3, 1, {{1, 3, 1}, {1, 2, 2}, {2, 3, 3}},
       {Prijata(3, 1, "1"), Vyhozena(1, 3, "1"), Prijata(2, 1, "2"), Vyhozena(1, 2, "2"), Vyhozena(2, 3, "3"),
        Vyhozena(3, 2, "3")}, "MMs"},
      {"two components: the inner loop ends on list r", 4, 2, {{1, 3, 1}, {2, 4, 1}},
       {kKomponenty, Prijata(3, 1, "1"), Vyhozena(1, 3, "1"), Prijata(4, 2, "1"), Vyhozena(2, 4, "1")}, "MM"},
      {"no edges", 3, 3, {}, {kKomponenty}, ""}};
  Over(behy, [] { tsimulace().Prikaz2(); }, clBlack);
  // The shortest spanning tree draws the same trees and says nothing but the component message.
  for (tbeh& b : behy) b.zpravy.erase(b.zpravy.begin() + (b.k != 1), b.zpravy.end());
  Over(behy, [] { tnajdi().Prikaz2(); }, clBlack);
}

TEST_F(Kostry, BoruvkaJoinsTreesInPhases) {
  Over({{"path: slot 3 keeps its label", 3, 1, {{1, 2, 1}, {2, 3, 2}},
         {Prijata(2, 1, "1"), Vyrazena(1, 2), Prijata(2, 3, "2")}, "MM"},
        {"two components", 4, 2, {{1, 2, 1}, {3, 4, 2}},
         {kKomponenty, Prijata(2, 1, "1"), Vyrazena(1, 2), Prijata(4, 3, "2"), Vyrazena(3, 4)}, "MM"},
        // Phase two has slots {2, 6}, {4, 7}, {1, 3, 5}; slot 1 joins trees 1 and 2 while vertex 1 is in tree 3.
        {"phase two: vertex s in a third tree", 7, 1, {{1, 3, 4}, {1, 4, 19}, {2, 6, 3}, {3, 5, 10}, {4, 7, 1}, {6, 7, 9}},
         {Prijata(3, 1, "4"), Prijata(6, 2, "3"), Vyrazena(1, 3), Prijata(7, 4, "1"), Prijata(3, 5, "10"),
          Vyrazena(2, 6), Vyrazena(4, 7), Prijata(7, 6, "9"), Vyrazena(6, 7), Prijata(1, 4, "19"), Vyrazena(5, 3)},
         "MMMMMM"},
        {"no edges", 3, 3, {}, {kKomponenty}, ""}},
       [] { tsimulace().Prikaz3(); }, clSilver);
}
