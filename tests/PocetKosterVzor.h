// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// An exact spanning-tree count that shares nothing with the program's: the determinant
// of the reduced Laplace matrix by elimination modulo two primes near 2^31, the two
// remainders joined into one number. No graph of 15 vertices has more trees than the
// complete one, 15^13 < 2^51, far below the product of the primes, so the joined
// remainder is the count itself. Every product stays below 2^62.
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

// The count modulo the prime p; the last row and column of the matrix are left out.
inline std::uint64_t PocetKosterModulo(int n, const std::vector<std::pair<int, int>>& hrany, std::uint64_t p) {
  const std::size_t r = std::size_t(n - 1);
  std::vector<std::vector<std::uint64_t>> m(r, std::vector<std::uint64_t>(r, 0));
  const auto pridej = [&](int i, int j, std::uint64_t d) {
    if (i < n && j < n) m[i - 1][j - 1] = (m[i - 1][j - 1] + d) % p;
  };
  for (const auto& [i, j] : hrany) pridej(i, j, p - 1), pridej(j, i, p - 1), pridej(i, i, 1), pridej(j, j, 1);
  std::uint64_t det = 1;
  for (std::size_t k = 0; k < r; ++k) {
    std::size_t pivot = k;
    while (pivot < r && m[pivot][k] == 0) ++pivot;
    if (pivot == r) return 0;
    if (pivot != k) std::swap(m[pivot], m[k]), det = (p - det) % p;
    det = det * m[k][k] % p;
    const std::uint64_t inverzni = Mocnina(m[k][k], p - 2, p);
    for (std::size_t i = k + 1; i < r; ++i) {
      const std::uint64_t f = m[i][k] * inverzni % p;
      for (std::size_t j = k; j < r; ++j) m[i][j] = (m[i][j] + p - f * m[k][j] % p) % p;
    }
  }
  return det;
}

// Spanning trees of n vertices joined by the given edges (1-based ends, each pair
// once). A graph without vertices has none; a single vertex is its own tree.
inline std::int64_t PocetKoster(int n, const std::vector<std::pair<int, int>>& hrany) {
  if (n == 0) return 0;
  const std::uint64_t p1 = 2147483647, p2 = 2147483629;
  const std::uint64_t z1 = PocetKosterModulo(n, hrany, p1), z2 = PocetKosterModulo(n, hrany, p2);
  // x = z1 + p1 t with x = z2 modulo p2.
  const std::uint64_t t = (z2 + p2 - z1 % p2) % p2 * Mocnina(p1 % p2, p2 - 2, p2) % p2;
  return std::int64_t(z1 + p1 * t);
}

}  // namespace vzor
