// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Unsigned 128-bit numbers from two 64-bit halves: the canvas needs a few exact
// products beyond 64 bits, and no compiler offers a portable 128-bit type.
#pragma once

#include <cstdint>

struct TWide {
  std::uint64_t hi = 0;
  std::uint64_t lo = 0;
};

constexpr bool operator==(TWide a, TWide b) {
  return a.hi == b.hi && a.lo == b.lo;
}

constexpr bool operator<(TWide a, TWide b) {
  return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo;
}

constexpr bool operator<=(TWide a, TWide b) {
  return !(b < a);
}

// The exact product; it always fits.
constexpr TWide MulWide(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kHalf = 0xFFFFFFFFu;
  const std::uint64_t aLo = a & kHalf, aHi = a >> 32, bLo = b & kHalf, bHi = b >> 32;
  const std::uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
  // The three 32-bit pieces of the middle column add up to less than 2^34.
  const std::uint64_t middle = (ll >> 32) + (lh & kHalf) + (hl & kHalf);
  return {hh + (lh >> 32) + (hl >> 32) + (middle >> 32), (middle << 32) | (ll & kHalf)};
}

// The sum modulo 2^128; callers keep their sums below that.
constexpr TWide AddWide(TWide a, TWide b) {
  const std::uint64_t lo = a.lo + b.lo;
  return {a.hi + b.hi + (lo < a.lo ? 1u : 0u), lo};
}

struct TWideDivision {
  TWide quotient;
  std::uint64_t remainder = 0;
};

// Long division, one bit at a time; d must not be 0. It runs once per drawn line,
// never per pixel.
constexpr TWideDivision DivWide(TWide n, std::uint64_t d) {
  TWideDivision result;
  std::uint64_t r = 0;
  for (int bit = 127; bit >= 0; --bit) {
    const std::uint64_t next = bit >= 64 ? (n.hi >> (bit - 64)) & 1u : (n.lo >> bit) & 1u;
    // The remainder stays below d, so doubling it overflows only when d is over 2^63;
    // the bit that falls out then makes the value certainly at least d.
    const bool overflow = (r >> 63) != 0;
    r = (r << 1) | next;
    if (!overflow && r < d) continue;
    r -= d;
    if (bit >= 64) {
      result.quotient.hi |= std::uint64_t(1) << (bit - 64);
    } else {
      result.quotient.lo |= std::uint64_t(1) << bit;
    }
  }
  result.remainder = r;
  return result;
}
