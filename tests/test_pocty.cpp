// The score, the spanning-tree count, the component count and the colour count, and
// the mode objects of the tabs that run them and the spanning-tree procedures.
#include "GrafyTestu.h"

#include <functional>
#include <random>

namespace {

thranyTestu Uplny(int n) {
  thranyTestu hrany;
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j) hrany.push_back({i, j, 1.0});
  return hrany;
}

thranyTestu Cesta(int n) {
  thranyTestu hrany;
  for (int i = 1; i < n; ++i) hrany.push_back({i, i + 1, 1.0});
  return hrany;
}

thranyTestu Kruh(int n) {
  thranyTestu hrany = Cesta(n);
  hrany.push_back({n, 1, 1.0});
  return hrany;
}

struct tpocetPripad {
  const char* nazev;
  int n;
  thranyTestu hrany;
  std::string vystup;
};

using Pocty = AlgoritmusTest;

}  // namespace

TEST_F(Pocty, SkoreGrafuListsTheDegreesInAscendingOrder) {
  const std::vector<tpocetPripad> pripady = {
      {"no vertex: counter 1 is still written", 0, {}, "Skore je : 0"},
      {"one vertex", 1, {}, "Skore je : 0"},
      {"two apart", 2, {}, "Skore je : 0 - 0"},
      {"two joined", 2, {{1, 2, 1}}, "Skore je : 1 - 1"},
      {"star around vertex 1", 5, {{1, 2, 1}, {1, 3, 1}, {1, 4, 1}, {1, 5, 1}}, "Skore je : 1 - 1 - 1 - 1 - 4"},
      {"triangle with a tail", 4, {{1, 2, 1}, {2, 3, 1}, {1, 3, 1}, {3, 4, 1}}, "Skore je : 1 - 2 - 2 - 3"},
      {"negative lengths are edges", 3, {{1, 2, -1}, {2, 3, -0.5}}, "Skore je : 1 - 1 - 2"},
      {"degrees falling with the vertex number", 5, {{1, 2, 1}, {1, 3, 1}, {1, 4, 1}, {2, 3, 1}}, "Skore je : 0 - 1 - 2 - 2 - 3"},
  };
  for (const tpocetPripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    PostavGraf(p.n, p.hrany);
    SkoreGrafu();
    EXPECT_EQ(p.vystup, plocha.memo);
  }

  PostavGraf(2, {});
  graf.SetHrana(2, 2, 3.0);
  SkoreGrafu();
  EXPECT_EQ("Skore je : 0 - 0", plocha.memo) << "the diagonal raises no degree";
}

TEST_F(Pocty, PocetKosterCountsSpanningTreesExactly) {
  const std::vector<tpocetPripad> pripady = {
      {"no vertex", 0, {}, " Pocet koster v grafu je : 0"},
      {"one vertex", 1, {}, " Pocet koster v grafu je : 1"},
      {"two joined", 2, {{1, 2, 1}}, " Pocet koster v grafu je : 1"},
      {"two apart", 2, {}, " Pocet koster v grafu je : 0"},
      {"triangle", 3, Kruh(3), " Pocet koster v grafu je : 3"},
      {"cycle of 5", 5, Kruh(5), " Pocet koster v grafu je : 5"},
      {"cycle of 9", 9, Kruh(9), " Pocet koster v grafu je : 9"},
      {"path of 7", 7, Cesta(7), " Pocet koster v grafu je : 1"},
      {"a tree", 6, {{1, 2, 1}, {1, 3, 1}, {3, 4, 1}, {3, 5, 1}, {5, 6, 1}}, " Pocet koster v grafu je : 1"},
      {"K4", 4, Uplny(4), " Pocet koster v grafu je : 16"},
      {"K4 without an edge", 4, {{1, 2, 1}, {1, 3, 1}, {1, 4, 1}, {2, 3, 1}, {2, 4, 1}}, " Pocet koster v grafu je : 8"},
      {"K5", 5, Uplny(5), " Pocet koster v grafu je : 125"},
      {"K6", 6, Uplny(6), " Pocet koster v grafu je : 1296"},
      {"K10", 10, Uplny(10), " Pocet koster v grafu je : 100000000"},
      {"K15", 15, Uplny(15), " Pocet koster v grafu je : 1946195068359375"},
      {"two components", 4, {{1, 2, 1}, {3, 4, 1}}, " Pocet koster v grafu je : 0"},
      {"an isolated last vertex", 5, Kruh(4), " Pocet koster v grafu je : 0"},
      {"an isolated first vertex", 5, {{2, 3, 1}, {3, 4, 1}, {4, 5, 1}, {5, 2, 1}}, " Pocet koster v grafu je : 0"},
      {"lengths do not matter",
       4,
       {{1, 2, -3}, {1, 3, 0.25}, {1, 4, 100}, {2, 3, 7}, {2, 4, -1e-6}, {3, 4, 2}},
       " Pocet koster v grafu je : 16"},
  };
  for (const tpocetPripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    PostavGraf(p.n, p.hrany);
    PocetKoster();
    EXPECT_EQ(p.vystup, plocha.memo);
  }
}

TEST_F(Pocty, PocetKomponentCountsAndStoresComponents) {
  struct tpripad {
    const char* nazev;
    int n;
    thranyTestu hrany;
    int k;
  };
  const std::vector<tpripad> pripady = {
      {"no vertex counts one", 0, {}, 1},
      {"one vertex", 1, {}, 1},
      {"five apart", 5, {}, 5},
      {"fifteen apart", 15, {}, 15},
      {"connected, any lengths", 4, {{1, 2, -2}, {2, 3, 0.5}, {3, 4, 9}}, 1},
      {"pair, single, pair", 5, {{1, 2, 1}, {4, 5, 1}}, 3},
      {"vertex 1 alone", 4, {{2, 3, 1}, {3, 4, 1}}, 2},
      {"reached only through later vertices", 6, {{1, 6, 1}, {6, 2, 1}, {2, 5, 1}, {3, 4, 1}}, 2},
  };
  for (const tpripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    PostavGraf(p.n, p.hrany);
    graf.SetKomponent(0);
    PocetKomponent();
    EXPECT_EQ("Pocet komponent je : " + std::to_string(p.k), plocha.memo);
    EXPECT_EQ(p.k, graf.GetKomponent());
  }
}

TEST_F(Pocty, PocetBarevColoursOnlyWhenNoColouringIsKnown) {
  struct tpripad {
    const char* nazev;
    int n;
    thranyTestu hrany;
    std::string vystup;
  };
  const std::vector<tpripad> pripady = {
      {"triangle", 3, Kruh(3), " Graf je 3 barevny "},
      {"no edges", 4, {}, " Graf je 1 barevny "},
      {"no vertex", 0, {}, " Graf je 1 barevny "},
  };
  for (const tpripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    PostavGraf(p.n, p.hrany);
    SmazPlatno();
    PocetBarev();
    EXPECT_EQ(p.vystup, plocha.memo);
    EXPECT_TRUE(zpravy.messages.empty());

    // The second run reuses the count and draws nothing.
    int zmeny = 0;
    plocha.canvas.OnChange = [&] { ++zmeny; };
    plocha.memo.clear();
    PocetBarev();
    plocha.canvas.OnChange = nullptr;
    EXPECT_EQ(p.vystup, plocha.memo);
    EXPECT_EQ(0, zmeny);
  }

  // Editing the graph does not reset the count; only a new graph does.
  PostavGraf(3, Kruh(3));
  PocetBarev();
  for (const auto& [i, j] : {std::pair(1, 3), std::pair(3, 1), std::pair(2, 3), std::pair(3, 2)})
    graf.SetHrana(std::uint8_t(i), std::uint8_t(j), 0.0);
  PocetBarev();
  EXPECT_EQ(" Graf je 3 barevny ", plocha.memo);
}

TEST_F(Pocty, ModeObjectsRunTheOperationsOfTheirTab) {
  struct tpripad {
    const char* nazev;
    std::function<std::unique_ptr<tmetoda>()> vytvor;
    std::function<void(tmetoda&)> prikaz;
    std::string vystup;  // "" when the operation does nothing
    std::string prvniZprava;
    bool kresli;
  };
  const auto najdi = [] { return std::make_unique<tnajdi>(); };
  const auto simulace = [] { return std::make_unique<tsimulace>(); };
  const auto pocet = [] { return std::make_unique<tpocet>(); };
  const auto p1 = [](tmetoda& m) { m.Prikaz1(); };
  const auto p2 = [](tmetoda& m) { m.Prikaz2(); };
  const auto p3 = [](tmetoda& m) { m.Prikaz3(); };
  const auto p4 = [](tmetoda& m) { m.Prikaz4(); };
  const auto p5 = [](tmetoda& m) { m.Prikaz5(); };
  const std::string kostra = "Nejkratsi kostra ma delku : 3";
  const std::vector<tpripad> pripady = {
      {"find 1: score", najdi, p1, "Skore je : 1 - 2 - 2 - 3", "", false},
      {"find 2: shortest spanning tree, silent", najdi, p2, kostra, "", true},
      {"find 3", najdi, p3, "", "", false},
      {"find 4", najdi, p4, "", "", false},
      {"find 5", najdi, p5, "", "", false},
      {"simulate 1: Kruskal", simulace, p1, kostra, "barvim hranu - zarazuji do kostry 1 2 s delkou 0.5", true},
      {"simulate 2: Jarnik", simulace, p2, kostra, "barvim hranu - zarazuji do kostry 2 1 s delkou 0.5", true},
      {"simulate 3: Boruvka", simulace, p3, kostra, "barvim hranu - zarazuji do kostry 2 1 s delkou 0.5", true},
      {"simulate 4", simulace, p4, "", "", false},
      {"simulate 5: narrated colouring", simulace, p5, "", " Barvim vrchol c. 1 barvou c. 1", true},
      {"count 1: spanning trees", pocet, p1, " Pocet koster v grafu je : 3", "", false},
      {"count 2: components", pocet, p2, "Pocet komponent je : 1", "", false},
      {"count 3: colours", pocet, p3, " Graf je 3 barevny ", "", true},
      {"count 4", pocet, p4, "", "", false},
      {"count 5", pocet, p5, "", "", false},
  };
  for (const tpripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    PostavGraf(4, {{1, 2, 0.5}, {2, 3, 1}, {1, 3, 2}, {3, 4, 1.5}});
    graf.SetKomponent(1);
    zpravy.messages.clear();
    plocha.memo.clear();
    int zmeny = 0;
    plocha.canvas.OnChange = [&] { ++zmeny; };
    metoda = p.vytvor();
    p.prikaz(*metoda);
    plocha.canvas.OnChange = nullptr;
    EXPECT_EQ(p.vystup, plocha.memo);
    EXPECT_EQ(p.prvniZprava, zpravy.messages.empty() ? "" : zpravy.messages.front());
    EXPECT_EQ(p.kresli, zmeny > 0);
  }
}
