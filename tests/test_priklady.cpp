// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The generated examples: the same bytes for the same number everywhere (the Windows
// build runs this too), and every example keeps the layout and tie rules.
#include "cviceni/Priklady.h"

#include "drawing/PUVykresli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

// FNV-1a over every text, so one stored number covers thousands of examples.
std::uint64_t Otisk(int od, int po) {
  std::uint64_t otisk = 0xcbf29ce484222325ull;
  for (int cislo = od; cislo <= po; ++cislo)
    for (int vrcholu = kNejmeneVrcholuPrikladu; vrcholu <= kNejviceVrcholuPrikladu; ++vrcholu)
      for (unsigned char c : TextPrikladu(VytvorPriklad(cislo, vrcholu))) otisk = (otisk ^ c) * 0x100000001b3ull;
  return otisk;
}

// One readable example beside the fingerprint: the largest number at the largest size.
TEST(Priklady, SameNumberGivesTheStoredBytes) {
  EXPECT_EQ("106 137\n116 42\n117 253\n199 157\n224 268\n236 66\n314 90\n421 117\n428 275\n524 103\n"
            "1 7 6\n2 6 2\n3 4 1\n3 5 7\n3 10 5\n4 7 9\n4 8 5\n5 9 2\n5 10 3\n6 7 5\n7 8 7\n7 10 1\n8 10 2\n9 10 2\n",
            TextPrikladu(VytvorPriklad(999999, 10)));
  EXPECT_EQ(0x73c0e123f8bd275eull, Otisk(1, 300));
}

// The distance from p to segment ab, squared, compared in doubles: independent of the
// generator's exact integer test.
double Odstup2(int ax, int ay, int bx, int by, int px, int py) {
  const double dx = bx - ax, dy = by - ay;
  double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  const double qx = ax + t * dx - px, qy = ay + t * dy - py;
  return qx * qx + qy * qy;
}

TEST(Priklady, EveryExampleKeepsTheLayoutAndTieRules) {
  for (int vrcholu = kNejmeneVrcholuPrikladu; vrcholu <= kNejviceVrcholuPrikladu; ++vrcholu)
    for (int cislo = 1; cislo <= 150; ++cislo) {
      SCOPED_TRACE(std::to_string(cislo) + " with " + std::to_string(vrcholu));
      const TPriklad p = VytvorPriklad(cislo, vrcholu);
      ASSERT_EQ(std::size_t(vrcholu), p.x.size());
      const int m = int(p.hrany.size());
      EXPECT_TRUE(m >= vrcholu && m <= vrcholu - 1 + 2 + vrcholu / 3) << m;  // a handful more than a tree
      for (int k = 0; k < vrcholu; ++k) {
        const int x = p.x[std::size_t(k)], y = p.y[std::size_t(k)];
        EXPECT_TRUE(x >= kOkrajPrikladu && x <= kSirkaPlatna - kOkrajPrikladu && y >= kOkrajPrikladu &&
                    y <= kVyskaPlatna - kOkrajPrikladu) << x << "," << y;
        for (int j = 0; j < k; ++j)
          EXPECT_GE(std::hypot(x - p.x[std::size_t(j)], y - p.y[std::size_t(j)]),
                    double(kRozestupTecek));
      }
      for (const THranaCviceni& h : p.hrany) {
        EXPECT_LT(h.u, h.v);
        EXPECT_TRUE(h.delka >= 1 && h.delka <= 9 && h.delka == double(int(h.delka))) << h.delka;
        for (int w = 1; w <= vrcholu; ++w) {
          if (w == h.u || w == h.v) continue;
          const auto i = [](int v) { return std::size_t(v - 1); };
          EXPECT_GE(Odstup2(p.x[i(h.u)], p.y[i(h.u)], p.x[i(h.v)], p.y[i(h.v)], p.x[i(w)], p.y[i(w)]),
                    double(kOdstupHrany * kOdstupHrany))
              << h.u << "-" << h.v << " near " << w;
        }
      }
      // Connected, and a tie that matters: leaving out some edge of one minimum tree still
      // leaves a tree of the same total.
      TCviceni kruskal(vrcholu, p.hrany, TMetodaCviceni::Kruskal);
      while (!kruskal.Hotovo()) kruskal.Vyber(kruskal.Spravne().front());
      EXPECT_EQ(1, kruskal.Komponent());
      bool remiza = false;
      for (std::size_t vynech = 0; vynech < p.hrany.size() && !remiza; ++vynech) {
        if (!kruskal.Prijata(vynech)) continue;
        std::vector<THranaCviceni> bez = p.hrany;
        bez.erase(bez.begin() + std::ptrdiff_t(vynech));
        TCviceni jiny(vrcholu, bez, TMetodaCviceni::Kruskal);
        while (!jiny.Hotovo()) jiny.Vyber(jiny.Spravne().front());
        remiza = jiny.Komponent() == 1 && jiny.Delka() == kruskal.Delka();
      }
      EXPECT_TRUE(remiza);
    }
}

TEST(Priklady, SnapshotHoldsTheExampleInBothRows) {
  const TPriklad p = VytvorPriklad(5, 6);
  const TSnimekGrafu s = SnimekPrikladu(p);
  TPriklad zpet{{}, {}, HranySnimku(s)};
  for (const tvrchol& v : s.vrcholy) zpet.x.push_back(v.GetX()), zpet.y.push_back(v.GetY());
  EXPECT_EQ(TextPrikladu(p), TextPrikladu(zpet));
  for (const THranaCviceni& h : p.hrany) EXPECT_EQ(h.delka, s.vrcholy[std::size_t(h.v - 1)].GetHrana(std::uint8_t(h.u)));
}

}  // namespace
