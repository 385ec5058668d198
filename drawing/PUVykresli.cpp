// Every picture of the graph is made here: a cleared white area with a grey outline,
// edges as one-pixel lines, vertices as dots of diameter 4 drawn over their edges.
#include "drawing/PUVykresli.h"

#include "model/UGraf.h"

#include <algorithm>
#include <cassert>
#include <climits>

std::array<TColor, 12> paleta{};

namespace {

TCanvas* platno = nullptr;

// A dot's bounding box reaches 2 pixels past the vertex; far outside the 32-bit
// range it is clamped, which changes nothing that could be seen.
int Posun(std::int32_t souradnice, int o) {
  return int(std::clamp<long long>((long long)souradnice + o, INT_MIN, INT_MAX));
}

}  // namespace

void NastavPlatno(TCanvas* p) {
  platno = p;
}

TCanvas* Platno() {
  return platno;
}

void NastavBarvy() {
  paleta = {clBlack, clPurple, clTeal, clGreen, clYellow, clNavy,
            clGray,  clOlive,  clMaroon, clRed,  clSilver, clBlue};
}

void SmazPlatno() {
  NastavBarvy();
  if (!platno) return;
  platno->Pen.Color = clGray;
  platno->Brush.Color = clWhite;
  platno->Rectangle(0, 0, kSirkaPlatna, kVyskaPlatna);
  platno->Brush.Color = clBlack;
}

void VykresliVrchol(std::int32_t x, std::int32_t y, TColor c) {
  if (!platno) return;
  platno->Brush.Color = c;
  platno->Pen.Color = c;
  platno->Ellipse(Posun(x, -2), Posun(y, -2), Posun(x, 2), Posun(y, 2));
}

void VykresliHranu(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, TColor c) {
  if (!platno) return;
  platno->Pen.Color = c;
  platno->Brush.Color = c;
  platno->MoveTo(x1, y1);
  platno->LineTo(x2, y2);
}

void VykresliGraf(TColor v, TColor h) {
  SmazPlatno();
  const std::uint8_t n = graf.GetPocet();
  for (std::uint8_t i = 1; i <= n; ++i) {
    for (std::uint8_t j = i + 1; j <= n; ++j)
      if (graf.GetHrana(j, i) != 0.0) VykresliHranu(graf.GetX(i), graf.GetY(i), graf.GetX(j), graf.GetY(j), h);
    VykresliVrchol(graf.GetX(i), graf.GetY(i), v);
  }
}
