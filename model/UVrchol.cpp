// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Vertex records. New vertices take their drawing positions from a generator of
// their own that always starts from the same seed, so a new graph of n vertices is
// laid out the same way in every run.
#include "model/UVrchol.h"

#include <cassert>
#include <random>

namespace {

constexpr std::mt19937::result_type kSeminko = 20011;

std::mt19937& Generator() {
  static std::mt19937 generator(kSeminko);
  return generator;
}

int Nahodne(int od, int po) {
  return std::uniform_int_distribution<int>(od, po)(Generator());
}

}  // namespace

void ZacniNahodneSouradnice() {
  Generator().seed(kSeminko);
}

tvrchol::tvrchol() {
  x = Nahodne(0, 299);
  y = Nahodne(0, 159);
}

double tvrchol::GetHrana(std::uint8_t j) const {
  assert(j >= 1 && j < hrany.size() && "edge entry outside 1..15");
  return hrany[j];
}

void tvrchol::SetHrana(std::uint8_t j, double d) {
  assert(j >= 1 && j < hrany.size() && "edge entry outside 1..15");
  hrany[j] = d;
}
