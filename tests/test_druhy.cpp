// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The kinds of the narration's rows against an independent reading of each run: its texts and
// the tree as the canvas shows it in maroon.
#include "GrafyTestu.h"

#include "classroom/Druhy.h"
#include "platform/Forms.h"

#include <cstdio>
#include <functional>
#include <numeric>
#include <random>
#include <set>

namespace {

struct tsjednoceni {
  explicit tsjednoceni(int n) : rodic(std::size_t(n) + 1) { std::iota(rodic.begin(), rodic.end(), 0); }
  int Koren(int x) { return rodic[std::size_t(x)] == x ? x : rodic[std::size_t(x)] = Koren(rodic[std::size_t(x)]); }
  void Spoj(int a, int b) { rodic[std::size_t(Koren(a))] = Koren(b); }
  std::vector<int> rodic;
};

class Druhy : public AlgoritmusTest {};

// Every row of the three runs on a few hundred random graphs; a refusal is a second record exactly
// when the edge is in the tree the canvas shows.
TEST_F(Druhy, EveryRowOfTheThreeMethodsHasTheKindItsTreeGivesIt) {
  const struct { const char* nazev; std::function<void()> prikaz; } metody[] = {
      {"Kruskal", [] { tsimulace().Prikaz1(); }}, {"Jarnik", [] { tsimulace().Prikaz2(); }},
      {"Boruvka", [] { tsimulace().Prikaz3(); }}};
  // Lengths from a small set, so ties are everywhere; negative ones too; sparse graphs fall apart
  // into several components.
  static const double delky[] = {-2, -1, 1, 1, 2, 2, 3, 4};
  std::mt19937 nahoda(20261206);
  std::map<TDruhRadku, int> videno;
  for (int pokus = 0; pokus < 300; ++pokus) {
    const int n = 1 + int(nahoda() % 7);
    const unsigned hustota = 1 + nahoda() % 3;  // of 4: sparse to dense
    thranyTestu hrany;
    tsjednoceni komponenty(n);
    for (int i = 1; i <= n; ++i)
      for (int j = i + 1; j <= n; ++j)
        if (nahoda() % 4 < hustota) hrany.push_back({i, j, delky[nahoda() % 8]}), komponenty.Spoj(i, j);
    int k = 0;
    for (int v = 1; v <= n; ++v) k += komponenty.Koren(v) == v;
    for (const auto& m : metody) {
      SCOPED_TRACE(std::string(m.nazev) + ", graph " + std::to_string(pokus));
      PostavGraf(n, hrany);
      graf.SetKomponent(std::uint8_t(k));
      Invoke([&] {
        m.prikaz();
        Zaznamnik().VystupniRadek(plocha.memo);
      });
      const std::vector<TKrok>& kroky = Zaznamnik().Vyklad().kroky;
      const std::vector<TDruhKroku> druhy = RozlisKroky(kroky);
      ASSERT_EQ(kroky.size(), druhy.size());
      std::set<std::pair<int, int>> strom;
      for (const thranaTestu& h : hrany)
        if (Barva(plocha.canvas, h.i, h.j) == clMaroon) strom.insert({h.i, h.j});
      for (std::size_t r = 0; r < kroky.size(); ++r) {
        const std::string& t = kroky[r].text;
        int a = 0, b = 0;
        TDruhRadku cekany = TDruhRadku::Jine;
        if (kroky[r].vysledek)
          cekany = TDruhRadku::Vysledek;
        else if (t.find("komponentu") != std::string::npos)
          cekany = TDruhRadku::Komponenty;
        else if (std::sscanf(t.c_str(), "barvim hranu - zarazuji do kostry %d %d", &a, &b) == 2)
          cekany = TDruhRadku::Zarazeni;
        else if (std::sscanf(t.c_str(), "vyhazuji hranu - nepatri do kostry %d %d", &a, &b) == 2 ||
                 std::sscanf(t.c_str(), " vyrazuji hranu %d %d", &a, &b) == 2)
          cekany = strom.count({std::min(a, b), std::max(a, b)}) ? TDruhRadku::Duplikat : TDruhRadku::Kruznice;
        EXPECT_EQ(KlicDruhu(cekany).toStdString(), KlicDruhu(druhy[r].druh).toStdString()) << "row " << r << ": " << t;
        ++videno[cekany];
        if (b) {  // a row of an edge
          EXPECT_EQ(std::make_pair(a, b), std::make_pair(druhy[r].u, druhy[r].v)) << t;
        }
      }
      EXPECT_EQ(k, KomponentObrazu(Zaznamnik().Vyklad().operace)) << "the forest's trees, read from the picture";
    }
  }
  for (TDruhRadku druh : {TDruhRadku::Zarazeni, TDruhRadku::Kruznice, TDruhRadku::Duplikat, TDruhRadku::Komponenty,
                          TDruhRadku::Vysledek, TDruhRadku::Jine})
    EXPECT_GT(videno[druh], 0) << "the random graphs reach kind " << KlicDruhu(druh).toStdString();
}

// The explanation names the edge and its length as the row does, the second record says the edge
// stays in the tree, and the result of a forest names how many trees it has.
TEST_F(Druhy, ExplanationsNameWhatTheRowIsAbout) {
  const struct { const char* nazev; TKrok krok; int stromu; const char* obsahuje; } pripady[] = {
      {"acceptance", {"barvim hranu - zarazuji do kostry 3 12 s delkou -1.5"}, 1, "hrana 3 – 12 (délka -1.5)"},
      {"Boruvka's refusal has no length", {" vyrazuji hranu 4 2"}, 1, "hrany 4 – 2 už leží v jednom stromu"},
      {"forest of three trees", {"Nejkratsi kostra ma delku : 7", 0, true}, 3, "o 3 stromech"},
      {"one tree", {"Nejkratsi kostra ma delku : 7", 0, true}, 1, "minimální kostry"},
      {"another command's result", {"Pocet koster : 3", 0, true}, 2, "výstupního řádku"},
      {"no edges", {" graf bez hran , uz jsem hotov "}, 3, "nemá žádnou hranu"},
      {"a text that only looks like a step", {"barvim hranu - zarazuji do kostry x"}, 1, "Zpráva programu"},
  };
  for (const auto& p : pripady) {
    const QString text = VysvetleniKroku(RozlisKroky({p.krok}).at(0), p.krok, p.stromu);
    EXPECT_TRUE(text.contains(QString::fromUtf8(p.obsahuje))) << p.nazev << ": " << text.toStdString();
  }
  const std::vector<TKrok> dvakrat = {{"barvim hranu - zarazuji do kostry 2 1 s delkou 4"},
                                      {"vyhazuji hranu - nepatri do kostry 1 2 s delkou 4"}};
  EXPECT_TRUE(VysvetleniKroku(RozlisKroky(dvakrat).at(1), dvakrat[1], 1).contains(QStringLiteral("v kostře zůstává")));
}

}  // namespace
