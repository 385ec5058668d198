// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The exercise's model of right steps: every sequence of right choices ends in a minimum
// spanning forest (checked by brute force and by networkx), Jarník's trees start where the
// method starts them, and a wrong choice is explained and changes nothing.
#include "cviceni/Kroky.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <tuple>

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
      if (dalsi(100) < hran) {
        const int d = dalsi(4) - 1;  // -1 to 2; a length 0 is no edge, 0.5 stands for it
        g.hrany.push_back({u, v, d == 0 ? 0.5 : d});
      }
  return g;
}

// Every subset of the edges (as a bit mask) that is a forest of n - k edges with the least total.
std::set<std::uint32_t> NejmensiLesy(const TGraf& g) {
  std::set<std::uint32_t> lesy;
  const int k = TCviceni(g.n, g.hrany, TMetodaCviceni::Kruskal).Komponent();
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
      ++hran, soucet += g.hrany[i].delka;
    }
    if (kruznice || hran != g.n - k || soucet > nejmene) continue;
    if (soucet < nejmene) lesy.clear();
    nejmene = soucet;
    lesy.insert(maska);
  }
  return lesy;
}

// Every sequence of right choices ends in a minimum forest, and every minimum forest is the
// end of some sequence (a method that refused one of two tied edges would miss a forest); on
// the way, each wrong choice is refused without a change.
TEST(Kroky, RightChoicesReachExactlyTheMinimumSpanningForests) {
  std::uint32_t stav = 7;
  for (int pokus = 0; pokus < 60; ++pokus) {
    const TGraf g = NahodnyGraf(stav, 6, 45);
    if (g.hrany.size() > 9) continue;  // keeps the walk through all sequences short
    const std::set<std::uint32_t> minimalni = NejmensiLesy(g);
    for (TMetodaCviceni metoda : kMetody) {
      SCOPED_TRACE("graph " + std::to_string(pokus) + ", method " + std::to_string(int(metoda)));
      std::set<std::uint32_t> dosazene;
      const std::function<void(const TCviceni&)> projdi = [&](const TCviceni& c) {
        std::uint32_t maska = 0;
        const std::vector<std::size_t> spravne = c.Spravne();
        for (std::size_t i = 0; i < c.Hrany().size(); ++i) {
          maska |= c.Prijata(i) ? 1u << i : 0u;
          if (c.Prijata(i) || c.Hotovo()) continue;
          TCviceni dalsi = c;
          const bool ma = std::find(spravne.begin(), spravne.end(), i) != spravne.end();
          EXPECT_EQ(ma, dalsi.Vyber(i).druh == TPosouzeni::Spravne) << "edge " << i;
          if (ma)
            projdi(dalsi);
          else
            EXPECT_EQ(std::make_tuple(c.Prijatych(), spravne, c.Otazka()),
                      std::make_tuple(dalsi.Prijatych(), dalsi.Spravne(), dalsi.Otazka()));
        }
        if (c.Hotovo()) dosazene.insert(maska);
      };
      projdi(TCviceni(g.n, g.hrany, metoda));
      EXPECT_EQ(minimalni, dosazene);
    }
  }
}

// Jarník skips vertex 1, which has no edge, and starts the next tree at 5; 2-3-4 is a
// triangle with a tie, 5-6 apart.
TEST(Kroky, JarnikSkipsVerticesWithoutEdges) {
  TCviceni c(6, {{2, 3, 4}, {2, 4, 4}, {3, 4, 1}, {5, 6, 2}}, TMetodaCviceni::Jarnik);
  for (const std::vector<int>& otazka : {std::vector<int>{2}, {2, 3}, {5}, {}}) {
    EXPECT_EQ(otazka, c.Otazka());
    if (!c.Hotovo()) c.Vyber(c.Spravne().front());
  }
  EXPECT_TRUE(c.Hotovo());
}

// The window's test reads the other explanations; these are the ones its graph cannot show.
TEST(Kroky, WrongChoicesSayWhatMakesThemWrong) {
  // A path 1-2-3-4 (lengths 1) and two chords from 1; 5-6 of length 2 apart.
  const TGraf g{6, {{1, 2, 1}, {1, 3, 4}, {1, 4, 5}, {2, 3, 1}, {3, 4, 1}, {5, 6, 2}}};
  // Some right choices taken first, then the edge chosen: what is said of it.
  const struct { const char* nazev; TMetodaCviceni metoda; int prijmi; std::size_t hrana; TPosouzeni::TDruh druh;
                 std::vector<int> cesta; std::size_t kratsi; } pripady[] = {
      {"Kruskal: closes a cycle through the tree", TMetodaCviceni::Kruskal, 3, 2, TPosouzeni::Kruznice, {1, 2, 3, 4}, 0},
      {"Jarník: longer than the shortest leaving", TMetodaCviceni::Jarnik, 1, 2, TPosouzeni::Delsi, {}, 3},
      {"Jarník: a spanned tree is done; the next grows from 5", TMetodaCviceni::Jarnik, 3, 2, TPosouzeni::Nevede, {}, 0},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    TCviceni c(g.n, g.hrany, p.metoda);
    for (int i = 0; i < p.prijmi; ++i) c.Vyber(c.Spravne().front());
    const TPosouzeni posouzeni = c.Vyber(p.hrana);
    EXPECT_EQ(p.druh, posouzeni.druh);
    EXPECT_EQ(p.cesta, posouzeni.cesta);
    if (p.druh == TPosouzeni::Delsi) { EXPECT_EQ(p.kratsi, posouzeni.kratsi); }
  }
}

TEST(Kroky, GraphsWithoutEdgesOrWithOneVertexEndAtOnce) {
  for (int n : {0, 1, 5})
    for (TMetodaCviceni metoda : kMetody) {
      const TCviceni c(n, {}, metoda);
      EXPECT_EQ(std::make_tuple(true, std::vector<std::size_t>{}, int(TPosouzeni::Prijata)),
                std::make_tuple(c.Hotovo(), c.Spravne(), int(c.Posud(0).druh)));
    }
}

// Random right choices on larger graphs than brute force can take; networkx's forest has
// the same total and the same number of edges.
TEST(Kroky, NetworkxAgreesOnRandomGraphsWithTiesNegativeLengthsAndComponents) {
  std::uint32_t stav = 2026;
  QStringList argumenty{QStringLiteral("-c"),
                        QStringLiteral("import sys, networkx as nx\n"
                                       "for zadani in sys.argv[1:]:\n"
                                       "    hlava, *hrany = zadani.split(';'); n, delka, pocet = hlava.split()\n"
                                       "    G = nx.Graph(); G.add_nodes_from(range(1, int(n) + 1))\n"
                                       "    G.add_weighted_edges_from((int(u), int(v), float(d)) for u, v, d in map(str.split, hrany))\n"
                                       "    T = nx.minimum_spanning_tree(G)\n"
                                       "    assert abs(T.size(weight='weight') - float(delka)) < 1e-9 and T.size() == int(pocet), zadani\n")};
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
