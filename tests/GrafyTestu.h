// What the tests of the algorithms share: graphs built straight into graf with their
// vertices at fixed places, and the reading of the maroon tree edges off the canvas.
#pragma once

#include "algorithms/UMetody.h"
#include "drawing/PUVykresli.h"
#include "model/UGraf.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

struct thranaTestu {
  int i;
  int j;
  double delka;
};
using thranyTestu = std::vector<thranaTestu>;

// Vertex k's place: on an ellipse filling the canvas, so that edges are long.
inline std::pair<int, int> MistoVrcholu(int k) {
  const double uhel = 2.0 * M_PI * (k - 1) / kMaxVrcholu + 0.15 * std::sin(1.7 * k);
  return {int(std::lround(284.0 + 250.0 * std::cos(uhel))), int(std::lround(180.0 + 160.0 * std::sin(uhel)))};
}

// Empties graf and gives it n vertices at their places and the edges, each written
// in both directions.
inline void PostavGraf(int n, const thranyTestu& hrany) {
  graf.Clear();
  graf.Init(std::uint8_t(n));
  for (int k = 1; k <= n; ++k) {
    graf.SetX(std::uint8_t(k), MistoVrcholu(k).first);
    graf.SetY(std::uint8_t(k), MistoVrcholu(k).second);
  }
  for (const thranaTestu& h : hrany) {
    graf.SetHrana(std::uint8_t(h.i), std::uint8_t(h.j), h.delka);
    graf.SetHrana(std::uint8_t(h.j), std::uint8_t(h.i), h.delka);
  }
}

// A pixel of edge i-j of graf, as near its middle as can be, that the edge covers
// whichever end it is drawn from and that no other edge of graf and no dot touches:
// its colour is the colour the edge was last drawn in.
inline std::pair<int, int> BodHrany(int i, int j) {
  const auto cara = [](TCanvas& platno, int a, int b) {
    platno.MoveTo(MistoVrcholu(a).first, MistoVrcholu(a).second);
    platno.LineTo(MistoVrcholu(b).first, MistoVrcholu(b).second);
  };
  TCanvas tam(kSirkaPlatna, kVyskaPlatna), zpet(kSirkaPlatna, kVyskaPlatna), jine(kSirkaPlatna, kVyskaPlatna);
  for (TCanvas* platno : {&tam, &zpet, &jine}) {
    platno->Fill(clWhite);
    platno->Pen.Color = clBlack;
    platno->Brush.Color = clBlack;
  }
  cara(tam, i, j);
  cara(zpet, j, i);
  const int n = graf.GetPocet();
  for (int a = 1; a <= n; ++a) {
    const auto [x, y] = MistoVrcholu(a);
    jine.Rectangle(x - 4, y - 4, x + 4, y + 4);
    for (int b = 1; b <= n; ++b)
      if (a != b && !(a == i && b == j) && !(a == j && b == i) && graf.GetHrana(std::uint8_t(b), std::uint8_t(a)) != 0.0)
        cara(jine, a, b);
  }
  const double sx = (MistoVrcholu(i).first + MistoVrcholu(j).first) / 2.0;
  const double sy = (MistoVrcholu(i).second + MistoVrcholu(j).second) / 2.0;
  std::pair<int, int> nejlepsi{-1, -1};
  double vzdalenost = 1e18;
  for (int y = 0; y < kVyskaPlatna; ++y)
    for (int x = 0; x < kSirkaPlatna; ++x) {
      if (tam.Pixel(x, y) != clBlack || zpet.Pixel(x, y) != clBlack || jine.Pixel(x, y) != clWhite) continue;
      const double d = (x - sx) * (x - sx) + (y - sy) * (y - sy);
      if (d < vzdalenost) nejlepsi = {x, y}, vzdalenost = d;
    }
  EXPECT_NE(-1, nejlepsi.first) << "edge " << i << "-" << j << " has no pixel of its own";
  return nejlepsi;
}

inline TColor BarvaHrany(const TCanvas& platno, int i, int j) {
  const auto [x, y] = BodHrany(i, j);
  return platno.Pixel(x, y);
}

// The edges of graf drawn maroon, as "i-j" with i < j, ascending.
inline std::vector<std::string> KastanoveHrany(const TCanvas& platno) {
  std::vector<std::string> hrany;
  const int n = graf.GetPocet();
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (graf.GetHrana(std::uint8_t(j), std::uint8_t(i)) != 0.0 && BarvaHrany(platno, i, j) == clMaroon)
        hrany.push_back(std::to_string(i) + "-" + std::to_string(j));
  return hrany;
}

// A freshly started program whose drawing goes to a test canvas, whose output line
// is a string and whose message boxes are recorded.
class AlgoritmusTest : public ::testing::Test {
protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }

  TestSurface plocha;
  MessageRecorder zpravy;
};
