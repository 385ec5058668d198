// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Random graphs against simple computations of the same results: the least forest and the components
// by union-find, the degrees by counting, the spanning trees by elimination modulo primes.
#include "GrafyTestu.h"
#include "PocetKosterVzor.h"

#include "platform/SysUtils.h"

#include <algorithm>
#include <random>

using Vlastnosti = AlgoritmusTest;

TEST_F(Vlastnosti, RandomGraphsAgreeWithSimpleComputations) {
  NastavPlatno(nullptr);  // the picture is not looked at, and thousands of runs stay quick
  std::mt19937 nahoda(20240611);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  for (int pokus = 0; pokus < 1800; ++pokus) {
    SCOPED_TRACE(pokus);
    // 0 to 10 vertices (11 to 15, from hand-made files only, for the count); lengths with ties or arbitrary.
    const int n = pokus < 1500 ? pokus % 11 : 11 + pokus % 5;
    const double hustota = u(nahoda), delky[] = {-2.0, -1.0, 0.5, 1.0, 2.0, 3.0};
    const bool remizy = nahoda() % 2;
    thranyTestu hrany;
    for (int i = 1; i <= n; ++i)
      for (int j = i + 1; j <= n; ++j)
        if (u(nahoda) < hustota) hrany.push_back({i, j, remizy ? delky[nahoda() % 6] : 20.0 * u(nahoda) - 10.0});
    PostavGraf(n, hrany);
    PocetKoster();
    std::vector<std::pair<int, int>> konce;
    for (const thranaTestu& h : hrany) konce.emplace_back(h.i, h.j);
    ASSERT_EQ(" Pocet koster v grafu je : " + std::to_string(vzor::PocetKoster(n, konce)), plocha.memo);
    if (n > 10) continue;

    std::sort(hrany.begin(), hrany.end(), [](const thranaTestu& a, const thranaTestu& b) { return a.delka < b.delka; });
    std::vector<int> rodic(n + 1), stupne(n + 1);  // rodic 0: the root of its tree
    const std::function<int(int)> koren = [&](int v) { return rodic[v] ? koren(rodic[v]) : v; };
    double les = 0.0;
    int hran = 0;
    for (const thranaTestu& h : hrany) {
      ++stupne[h.i], ++stupne[h.j];
      if (koren(h.i) != koren(h.j)) rodic[koren(h.i)] = koren(h.j), les += h.delka, ++hran;
    }
    std::sort(stupne.begin() + 1, stupne.end());
    std::string skore = "Skore je : " + std::to_string(n ? stupne[1] : 0);
    for (int k = 2; k <= n; ++k) skore += " - " + std::to_string(stupne[k]);
    PocetKomponent();  // the runs read the count from graf
    ASSERT_EQ("Pocet komponent je : " + std::to_string(std::max(1, n - hran)), plocha.memo);
    SkoreGrafu();
    ASSERT_EQ(skore, plocha.memo);
    if (pokus % 2) graf.SetKomponent(1);  // a count too small still gives the whole forest
    for (void (*procedura)() : {Kruskal, JarnikSimulace, Boruvka}) {  // ties included, each finds a least forest
      zpravy.messages.clear();
      procedura();
      ASSERT_NEAR(les, StrToFloat(plocha.memo.substr(plocha.memo.find(':') + 2)), 1e-9);
    }
  }
}
