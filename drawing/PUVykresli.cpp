// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Every picture of the graph is made here: a cleared white area with a grey outline,
// edges as one-pixel lines, vertices as dots of diameter 4 drawn over their edges.
#include "drawing/PUVykresli.h"

#include "model/UGraf.h"

#include <algorithm>
#include <cassert>
#include <climits>

std::array<TColor, 12> paleta{};

namespace {

// The observers see the operation even when there is no canvas to draw it on.
void Kresli(const TKresleni& kresleni) {
  Vystup().Kresleni(kresleni);
  if (TCanvas* platno = Vystup().Platno()) Nakresli(*platno, kresleni);
}

// A dot's bounding box reaches 2 pixels past the vertex; far outside the 32-bit
// range it is clamped, which changes nothing that could be seen.
int Posun(std::int32_t souradnice, int o) {
  return int(std::clamp<long long>((long long)souradnice + o, INT_MIN, INT_MAX));
}

}  // namespace

void NastavPlatno(TCanvas* p) {
  Vystup().NastavPlatno(p);
}

void NastavBarvy() {
  paleta = {clBlack, clPurple, clTeal, clGreen, clYellow, clNavy,
            clGray,  clOlive,  clMaroon, clRed,  clSilver, clBlue};
}

void Nakresli(TCanvas& p, const TKresleni& kresleni) {
  switch (kresleni.druh) {
    case TKresleni::Smazani:
      p.Pen.Color = clGray;
      p.Brush.Color = clWhite;
      p.Rectangle(0, 0, kSirkaPlatna, kVyskaPlatna);
      p.Brush.Color = clBlack;
      return;
    case TKresleni::Vrchol:
      p.Brush.Color = kresleni.barva;
      p.Pen.Color = kresleni.barva;
      p.Ellipse(Posun(kresleni.x1, -2), Posun(kresleni.y1, -2), Posun(kresleni.x1, 2), Posun(kresleni.y1, 2));
      return;
    case TKresleni::Hrana:
      p.Pen.Color = kresleni.barva;
      p.Brush.Color = kresleni.barva;
      p.MoveTo(kresleni.x1, kresleni.y1);
      p.LineTo(kresleni.x2, kresleni.y2);
      return;
  }
}

void SmazPlatno() {
  NastavBarvy();
  Kresli({TKresleni::Smazani, 0, 0, kSirkaPlatna, kVyskaPlatna, clWhite, 0, 0});
}

void VykresliVrchol(std::int32_t x, std::int32_t y, TColor c, std::uint8_t vrchol) {
  Kresli({TKresleni::Vrchol, x, y, x, y, c, vrchol, 0});
}

void VykresliHranu(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, TColor c, std::uint8_t odkud,
                   std::uint8_t kam) {
  Kresli({TKresleni::Hrana, x1, y1, x2, y2, c, odkud, kam});
}

void VykresliGraf(TColor v, TColor h) {
  SmazPlatno();
  const std::uint8_t n = graf.GetPocet();
  for (std::uint8_t i = 1; i <= n; ++i) {
    for (std::uint8_t j = i + 1; j <= n; ++j)
      if (graf.GetHrana(j, i) != 0.0) VykresliHranu(graf.GetX(i), graf.GetY(i), graf.GetX(j), graf.GetY(j), h, i, j);
    VykresliVrchol(graf.GetX(i), graf.GetY(i), v, i);
  }
}
