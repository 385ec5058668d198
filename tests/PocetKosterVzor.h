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
  std::vector<std::vector<cislo>> a(n - 1, std::vector<cislo>(n - 1, 0));  // without the last row and column
  const auto pridej = [&](int r, int s, int d) {
    if (r < n && s < n) a[r - 1][s - 1] += d;
  };
  for (const auto& [i, j] : hrany) pridej(i, j, -1), pridej(j, i, -1), pridej(i, i, 1), pridej(j, j, 1);
  cislo predchozi = 1, znamenko = 1;
  for (int k = 0; k < n - 1; ++k) {
    int pivot = k;
    while (pivot < n - 1 && a[pivot][k] == 0) ++pivot;
    if (pivot == n - 1) return 0;
    if (pivot != k) std::swap(a[pivot], a[k]), znamenko = -znamenko;
    for (int i = k + 1; i < n - 1; ++i)
      for (int j = k + 1; j < n - 1; ++j) a[i][j] = (a[i][j] * a[k][k] - a[i][k] * a[k][j]) / predchozi;
    predchozi = a[k][k];
  }
  return std::int64_t(znamenko * predchozi);
}

}  // namespace vzor
