// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// An exact spanning-tree count that shares nothing with the program's: the
// determinant of the reduced Laplace matrix by elimination modulo two primes, the
// two remainders joined into one number. No graph of 15 vertices has more trees
// than the complete one, 15^13 < 2^51, far below the product of the primes, so the
// joined remainder is the count itself. Every product stays below 2^62.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace vzor {

inline std::uint64_t Mocnina(std::uint64_t a, std::uint64_t e, std::uint64_t p) {
  std::uint64_t vysledek = 1;
  for (a %= p; e != 0; e >>= 1, a = a * a % p)
    if (e & 1) vysledek = vysledek * a % p;
  return vysledek;
}

// The determinant of a modulo the prime p (below 2^31), by Gaussian elimination.
inline std::uint64_t DeterminantModulo(const std::vector<std::vector<std::int64_t>>& a, std::int64_t p) {
  const std::size_t n = a.size();
  std::vector<std::vector<std::uint64_t>> m(n, std::vector<std::uint64_t>(n));
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) m[i][j] = std::uint64_t((a[i][j] % p + p) % p);
  const auto q = std::uint64_t(p);
  std::uint64_t det = 1;
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t pivot = k;
    while (pivot < n && m[pivot][k] == 0) ++pivot;
    if (pivot == n) return 0;
    if (pivot != k) {
      std::swap(m[pivot], m[k]);
      det = (q - det) % q;
    }
    det = det * m[k][k] % q;
    const std::uint64_t inverzni = Mocnina(m[k][k], q - 2, q);
    for (std::size_t i = k + 1; i < n; ++i) {
      const std::uint64_t f = m[i][k] * inverzni % q;
      for (std::size_t j = k; j < n; ++j) m[i][j] = (m[i][j] + q - f * m[k][j] % q) % q;
    }
  }
  return det;
}

// Spanning trees of n vertices joined by the given edges (1-based ends, each pair
// once). A graph without vertices has none; a single vertex is its own tree.
inline std::int64_t PocetKoster(int n, const std::vector<std::pair<int, int>>& hrany) {
  if (n == 0) return 0;
  std::vector<std::vector<std::int64_t>> a(n - 1, std::vector<std::int64_t>(n - 1, 0));
  const auto pridej = [&](int i, int j, std::int64_t d) {
    if (i < n && j < n) a[i - 1][j - 1] += d;  // the last row and column are left out
  };
  for (const auto& [i, j] : hrany) {
    pridej(i, j, -1);
    pridej(j, i, -1);
    pridej(i, i, 1);
    pridej(j, j, 1);
  }
  const std::int64_t p1 = 2147483647, p2 = 2147483629;
  const std::uint64_t z1 = DeterminantModulo(a, p1), z2 = DeterminantModulo(a, p2);
  // x = z1 + p1 t with x = z2 modulo p2.
  const auto q2 = std::uint64_t(p2);
  const std::uint64_t t = (z2 + q2 - z1 % q2) % q2 * Mocnina(std::uint64_t(p1) % q2, q2 - 2, q2) % q2;
  return std::int64_t(z1 + std::uint64_t(p1) * t);
}

}  // namespace vzor
