// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// libFuzzer target of the import readers: any bytes go through the GraphML reader and
// the edge-list reader, and what either accepts through the import's check. A graph
// that passes must be one the program can hold: at most 15 vertices, lengths finite,
// symmetric and off the diagonal, comments on one line, positions on the canvas.
#include "drawing/PUVykresli.h"
#include "exchange/Cteni.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Over(bool podminka) {
  if (!podminka) std::abort();
}

void Zkus(QString (*cteni)(const QByteArray&, tciziGraf&), const QByteArray& data) {
  tciziGraf cizi;
  if (!cteni(data, cizi).isEmpty()) return;
  tnovyGraf g;
  QStringList varovani;
  if (!PrevedCiziGraf(cizi, g, varovani).isEmpty()) return;
  Over(g.n >= 1 && g.n <= kNejviceVrcholu);
  Over(int(g.komentare.size()) == g.n && int(g.hodnoty.size()) == g.n);
  Over(g.x.size() == g.y.size() && (g.x.empty() || int(g.x.size()) == g.n));
  for (std::size_t k = 0; k < g.x.size(); ++k) {
    Over(g.x[k] >= 0 && g.x[k] <= kSirkaPlatna - 1 && g.x[k] == std::round(g.x[k]));
    Over(g.y[k] >= 0 && g.y[k] <= kVyskaPlatna - 1 && g.y[k] == std::round(g.y[k]));
  }
  for (int i = 1; i <= g.n; ++i) {
    Over(std::isfinite(g.hodnoty[std::size_t(i - 1)]));
    Over(g.komentare[std::size_t(i - 1)].find_first_of("\r\n") == std::string::npos);
    Over(g.delky[std::size_t(i)][std::size_t(i)] == 0.0);
    for (int j = 1; j <= kNejviceVrcholu; ++j) {
      const double d = g.delky[std::size_t(i)][std::size_t(j)];
      Over(std::isfinite(d) && d == g.delky[std::size_t(j)][std::size_t(i)]);
      Over(j <= g.n || d == 0.0);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bajty(reinterpret_cast<const char*>(data), int(size));
  Zkus(CtiGraphML, bajty);
  Zkus(CtiSeznamHran, bajty);
  return 0;
}
