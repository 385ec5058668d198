// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// An exact spanning-tree count that shares nothing with the program's: the determinant
// of the reduced Laplace matrix by fraction-free (Bareiss) elimination.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace vzor {

// Spanning trees of n vertices joined by the given edges (1-based ends, each pair once).
// A graph without vertices has none; a single vertex is its own tree. Every entry the
// elimination makes is a minor, below 2^55 for 15 vertices, and a product of two fits.
inline std::int64_t PocetKoster(int n, const std::vector<std::pair<int, int>>& hrany) {
  if (n == 0) return 0;
  __extension__ typedef __int128 cislo;
  std::vector<std::vector<cislo>> a(n, std::vector<cislo>(n, 0));
  for (const auto& [i, j] : hrany) --a[i - 1][j - 1], --a[j - 1][i - 1], ++a[i - 1][i - 1], ++a[j - 1][j - 1];
  const int m = n - 1;  // the last row and column are left out
  cislo predchozi = 1, znamenko = 1;
  for (int k = 0; k < m; ++k) {
    int pivot = k;
    while (pivot < m && a[pivot][k] == 0) ++pivot;
    if (pivot == m) return 0;
    if (pivot != k) std::swap(a[pivot], a[k]), znamenko = -znamenko;
    for (int i = k + 1; i < m; ++i)
      for (int j = k + 1; j < m; ++j) a[i][j] = (a[i][j] * a[k][k] - a[i][k] * a[k][j]) / predchozi;
    predchozi = a[k][k];
  }
  return std::int64_t(znamenko * predchozi);
}

}  // namespace vzor
