// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The exercise's model of right steps: every sequence of right choices ends in a minimum
// spanning forest (checked by brute force and by networkx), questions follow the methods'
// order, and a wrong choice is explained and changes nothing.
#include "cviceni/Kroky.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

namespace {

const TMetodaCviceni kMetody[] = {TMetodaCviceni::Kruskal, TMetodaCviceni::Jarnik, TMetodaCviceni::Boruvka};

struct TGraf {
  int n = 0;
  std::vector<THranaCviceni> hrany;
};

// Small graphs with many ties, some negative lengths and often several components.
TGraf NahodnyGraf(std::uint32_t& stav, int nejvice, int hran) {
  const auto dalsi = [&stav](int pocet) {
    stav = stav * 1664525u + 1013904223u;
    return int((stav >> 8) % std::uint32_t(pocet));
  };
  TGraf g;
  g.n = 1 + dalsi(nejvice);
  for (int u = 1; u <= g.n; ++u)
    for (int v = u + 1; v <= g.n; ++v)
      if (dalsi(100) < hran) g.hrany.push_back({u, v, double(dalsi(4) - 1)});  // -1 to 2
  // A length 0 is no edge in the program; here it stands for a fourth tied value.
  for (THranaCviceni& h : g.hrany)
    if (h.delka == 0.0) h.delka = 0.5;
  return g;
}

int Komponent(const TGraf& g) {
  return TCviceni(g.n, g.hrany, TMetodaCviceni::Kruskal).Komponent();
}

// The least total of n - k edges that form a forest, over every subset of the edges, and
// every subset (as a bit mask of the edges) that reaches it.
double NejmensiLes(const TGraf& g, std::set<std::uint32_t>& lesy) {
  const int k = Komponent(g);
  double nejmene = 1e300;
  const std::size_t m = g.hrany.size();
  for (std::uint32_t maska = 0; maska < (1u << m); ++maska) {
    std::vector<int> les(std::size_t(g.n) + 1);
    for (int v = 1; v <= g.n; ++v) les[std::size_t(v)] = v;
    const std::function<int(int)> koren = [&](int v) { return les[std::size_t(v)] == v ? v : koren(les[std::size_t(v)]); };
    int hran = 0;
    double soucet = 0.0;
    bool kruznice = false;
    for (std::size_t i = 0; i < m && !kruznice; ++i) {
      if (!(maska >> i & 1u)) continue;
      const int a = koren(g.hrany[i].u), b = koren(g.hrany[i].v);
      kruznice = a == b;
      les[std::size_t(a)] = b;
      ++hran;
      soucet += g.hrany[i].delka;
    }
    if (kruznice || hran != g.n - k || soucet > nejmene) continue;
    if (soucet < nejmene) lesy.clear();
    nejmene = soucet;
    lesy.insert(maska);
  }
  return nejmene;
}

// Walks every sequence of right choices; at each step each wrong choice must be refused
// without a change. Calls konec with each finished exercise.
void ProjdiVse(const TCviceni& cviceni, const std::function<void(const TCviceni&)>& konec, int& konecnych) {
  if (cviceni.Hotovo()) {
    ++konecnych;
    konec(cviceni);
    return;
  }
  const std::vector<std::size_t> spravne = cviceni.Spravne();
  EXPECT_FALSE(spravne.empty());
  for (std::size_t i = 0; i < cviceni.Hrany().size(); ++i) {
    if (cviceni.Prijata(i)) continue;
    TCviceni dalsi = cviceni;
    const bool ma = std::find(spravne.begin(), spravne.end(), i) != spravne.end();
    const TPosouzeni p = dalsi.Vyber(i);
    EXPECT_EQ(ma, p.druh == TPosouzeni::Spravne) << "edge " << i;
    if (!ma) {
      EXPECT_EQ(cviceni.Prijatych(), dalsi.Prijatych());
      EXPECT_EQ(cviceni.Spravne(), dalsi.Spravne());
      EXPECT_EQ(cviceni.Otazka(), dalsi.Otazka());
      continue;
    }
    ProjdiVse(dalsi, konec, konecnych);
  }
}

// Every sequence ends in a minimum forest, and every minimum forest is the end of some
// sequence: a method that refused one of two tied edges would miss a forest.
TEST(Kroky, RightChoicesReachExactlyTheMinimumSpanningForests) {
  std::uint32_t stav = 7;
  int grafu = 0;
  for (int pokus = 0; pokus < 60; ++pokus) {
    const TGraf g = NahodnyGraf(stav, 6, 45);
    if (g.hrany.size() > 9) continue;  // keeps the walk through all sequences short
    ++grafu;
    std::set<std::uint32_t> minimalni;
    const double nejmene = NejmensiLes(g, minimalni);
    const int k = Komponent(g);
    for (TMetodaCviceni metoda : kMetody) {
      SCOPED_TRACE("graph " + std::to_string(pokus) + ", method " + std::to_string(int(metoda)));
      int konecnych = 0;
      std::set<std::uint32_t> dosazene;
      ProjdiVse(TCviceni(g.n, g.hrany, metoda),
                [&](const TCviceni& c) {
                  EXPECT_EQ(g.n - k, c.Prijatych());
                  EXPECT_DOUBLE_EQ(nejmene, c.Delka());
                  std::uint32_t maska = 0;
                  for (std::size_t i = 0; i < g.hrany.size(); ++i) maska |= c.Prijata(i) ? 1u << i : 0u;
                  dosazene.insert(maska);
                },
                konecnych);
      EXPECT_GE(konecnych, 1);
      // Tie-aware: every minimum forest is reachable, so no tied choice was counted wrong.
      EXPECT_EQ(minimalni, dosazene);
    }
  }
  EXPECT_GE(grafu, 30);
}

TEST(Kroky, QuestionsFollowEachMethodsOrder) {
  // 1 alone; 2-3-4 a triangle with a tie; 5-6 apart.
  const TGraf g{6, {{2, 3, 4}, {2, 4, 4}, {3, 4, 1}, {5, 6, 2}}};
  const struct {
    const char* nazev;
    TMetodaCviceni metoda;
    std::vector<std::vector<int>> otazky;  // before each right choice (the first right one taken)
    std::vector<int> faze;
  } pripady[] = {
      {"Kruskal asks about no tree", TMetodaCviceni::Kruskal, {{}, {}, {}}, {0, 0, 0}},
      {"Jarník skips vertex 1 without edges, then starts at 5", TMetodaCviceni::Jarnik,
       {{2}, {2, 3}, {5}}, {0, 0, 0}},
      {"Borůvka takes trees by their lowest vertex; a joined one waits for the next phase",
       TMetodaCviceni::Boruvka, {{2}, {4}, {5}}, {1, 1, 1}},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    TCviceni c(g.n, g.hrany, p.metoda);
    for (std::size_t krok = 0; krok < p.otazky.size(); ++krok) {
      EXPECT_EQ(p.otazky[krok], c.Otazka()) << "step " << krok;
      EXPECT_EQ(p.faze[krok], c.Faze()) << "step " << krok;
      ASSERT_FALSE(c.Hotovo());
      c.Vyber(c.Spravne().front());
    }
    EXPECT_TRUE(c.Hotovo());
    EXPECT_EQ(std::vector<int>{}, c.Otazka());
    EXPECT_EQ(3, c.Komponent());
    EXPECT_DOUBLE_EQ(7.0, c.Delka());
  }
}

TEST(Kroky, WrongChoicesSayWhatMakesThemWrong) {
  // A path 1-2-3-4 (lengths 1) and two chords from 1; 5-6 of length 2 apart.
  const TGraf g{6, {{1, 2, 1}, {1, 3, 4}, {1, 4, 5}, {2, 3, 1}, {3, 4, 1}, {5, 6, 2}}};
  const auto hrana = [&](int u, int v) {
    for (std::size_t i = 0; i < g.hrany.size(); ++i)
      if (g.hrany[i].u == u && g.hrany[i].v == v) return i;
    ADD_FAILURE() << u << "-" << v;
    return std::size_t(0);
  };
  const struct {
    const char* nazev;
    TMetodaCviceni metoda;
    int prijmi;  // right choices taken first
    int u, v;
    TPosouzeni::TDruh druh;
    std::vector<int> cesta;
    int kratsiU, kratsiV;
    int prvni, druhy;
  } pripady[] = {
      {"Kruskal: a longer edge", TMetodaCviceni::Kruskal, 0, 5, 6, TPosouzeni::Delsi, {}, 1, 2, 0, 0},
      {"Kruskal: closes a cycle through the tree", TMetodaCviceni::Kruskal, 3, 1, 4, TPosouzeni::Kruznice, {1, 2, 3, 4}, 0, 0, 0, 0},
      {"Kruskal: right, lower end first", TMetodaCviceni::Kruskal, 0, 2, 3, TPosouzeni::Spravne, {}, 0, 0, 2, 3},
      {"Jarník: does not leave the tree", TMetodaCviceni::Jarnik, 1, 3, 4, TPosouzeni::Nevede, {}, 0, 0, 0, 0},
      {"Jarník: longer than the shortest leaving", TMetodaCviceni::Jarnik, 1, 1, 4, TPosouzeni::Delsi, {}, 2, 3, 0, 0},
      {"Jarník: right, the reached vertex first", TMetodaCviceni::Jarnik, 1, 2, 3, TPosouzeni::Spravne, {}, 0, 0, 3, 2},
      {"Jarník: inside the tree", TMetodaCviceni::Jarnik, 2, 1, 3, TPosouzeni::Kruznice, {1, 2, 3}, 0, 0, 0, 0},
      {"Jarník: a spanned tree is done; the next grows from 5", TMetodaCviceni::Jarnik, 3, 1, 4, TPosouzeni::Nevede, {}, 0, 0, 0, 0},
      {"Borůvka: not from the component asked about", TMetodaCviceni::Boruvka, 0, 5, 6, TPosouzeni::Nevede, {}, 0, 0, 0, 0},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    TCviceni c(g.n, g.hrany, p.metoda);
    for (int i = 0; i < p.prijmi; ++i) c.Vyber(c.Spravne().front());
    const TPosouzeni posouzeni = c.Vyber(hrana(p.u, p.v));
    EXPECT_EQ(p.druh, posouzeni.druh);
    EXPECT_EQ(p.cesta, posouzeni.cesta);
    if (p.druh == TPosouzeni::Delsi) {
      EXPECT_EQ(hrana(p.kratsiU, p.kratsiV), posouzeni.kratsi);
    }
    EXPECT_EQ(p.prvni, posouzeni.prvni);
    EXPECT_EQ(p.druhy, posouzeni.druhy);
  }
}

TEST(Kroky, GraphsWithoutEdgesOrWithOneVertexEndAtOnce) {
  for (const TGraf& g : {TGraf{0, {}}, TGraf{1, {}}, TGraf{5, {}}})
    for (TMetodaCviceni metoda : kMetody) {
      const TCviceni c(g.n, g.hrany, metoda);
      EXPECT_TRUE(c.Hotovo());
      EXPECT_EQ(std::vector<std::size_t>{}, c.Spravne());
      EXPECT_EQ(TPosouzeni::Prijata, c.Posud(0).druh);
    }
}

// Random right choices on larger graphs than brute force can take; networkx's forest has
// the same total and the same number of edges.
TEST(Kroky, NetworkxAgreesOnRandomGraphsWithTiesNegativeLengthsAndComponents) {
  std::uint32_t stav = 2026;
  QStringList argumenty{QStringLiteral("-c"),
                        QStringLiteral("import sys, networkx as nx\n"
                                       "for zadani in sys.argv[1:]:\n"
                                       "    hlava, *hrany = zadani.split(';')\n"
                                       "    n, delka, pocet = hlava.split()\n"
                                       "    G = nx.Graph(); G.add_nodes_from(range(1, int(n) + 1))\n"
                                       "    for h in hrany:\n"
                                       "        u, v, d = h.split(); G.add_edge(int(u), int(v), weight=float(d))\n"
                                       "    T = nx.minimum_spanning_tree(G)\n"
                                       "    assert abs(T.size(weight='weight') - float(delka)) < 1e-9, zadani\n"
                                       "    assert T.number_of_edges() == int(pocet), zadani\n")};
  for (int pokus = 0; pokus < 40; ++pokus) {
    const TGraf g = NahodnyGraf(stav, 12, 35);
    for (TMetodaCviceni metoda : kMetody) {
      TCviceni c(g.n, g.hrany, metoda);
      while (!c.Hotovo()) {
        const std::vector<std::size_t> spravne = c.Spravne();
        stav = stav * 1664525u + 1013904223u;
        c.Vyber(spravne[(stav >> 8) % spravne.size()]);
      }
      QString zadani = QStringLiteral("%1 %2 %3").arg(g.n).arg(c.Delka(), 0, 'g', 17).arg(c.Prijatych());
      for (const THranaCviceni& h : g.hrany) zadani += QStringLiteral(";%1 %2 %3").arg(h.u).arg(h.v).arg(h.delka, 0, 'g', 17);
      argumenty << zadani;
    }
  }
  QProcess python;
  python.start(QStringLiteral("python3"), argumenty);
  ASSERT_TRUE(python.waitForFinished(120000));
  EXPECT_EQ(0, python.exitCode()) << python.readAllStandardError().toStdString();
}

}  // namespace
