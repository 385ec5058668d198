// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The colourings of the current graph, drawn dot by dot on the canvas.
#include "algorithms/UBarveni.h"

#include "drawing/PUVykresli.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

const std::array<TColor, 11> barvyVrcholu = {clBlack, clMaroon, clGreen, clOlive, clBlue, clNavy,
                                             clTeal,  clPurple, clGray,  clBlack, clRed};

namespace {

void ZvysBarvu(std::uint8_t v) {
  const std::uint8_t barva = graf.GetBarva(v) + 1;
  graf.SetBarva(v, barva);
  if (barva > graf.GetBarev()) graf.SetBarev(barva);
  // paleta ends at number 11. A higher number, which only a hand-made graph of 12 or
  // more vertices reaches, is counted but not drawn: the dot keeps its last colour.
  if (barva < paleta.size()) VykresliVrchol(graf.GetX(v), graf.GetY(v), paleta[barva], v);
}

}  // namespace

void ObarviVrcholy() {
  const int n = graf.GetPocet();
  // The table ends at vertex 10, the most the dialogs create; vertices above it,
  // from hand-made files, are left as they are drawn.
  for (int k = 1; k <= n && k < int(barvyVrcholu.size()); ++k)
    VykresliVrchol(graf.GetX(std::uint8_t(k)), graf.GetY(std::uint8_t(k)), barvyVrcholu[k], std::uint8_t(k));
}

void ObarviGraf(char rezim) {
  const TDavkaZmen davka(graf);
  const int n = graf.GetPocet();
  graf.SetBarev(1);
  for (int k = 1; k <= n; ++k) graf.SetBarva(std::uint8_t(k), 1);

  // One pass: a raise is not compared again with the pairs already examined, so two
  // neighbours may end with the same number.
  for (int i = 1; i <= n; ++i) {
    const auto vi = std::uint8_t(i);
    for (int j = 1; j <= n; ++j) {
      const auto vj = std::uint8_t(j);
      if (j == i || graf.GetHrana(vj, vi) == 0.0 || graf.GetBarva(vi) != graf.GetBarva(vj)) continue;
      ZvysBarvu(i > j ? vi : vj);
    }
    if (rezim == 'b') ShowMessage(" Barvim vrchol c. " + IntToStr(i) + " barvou c. " + IntToStr(graf.GetBarva(vi)));
  }
}
