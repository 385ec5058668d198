// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The generated examples: example number N with V vertices is one connected graph, the
// same byte for byte on every platform and compiler, laid out to be read from afar and
// with lengths that tie where a student has to choose.
#pragma once

#include "cviceni/Kroky.h"
#include "model/UGraf.h"

#include <string>
#include <vector>

constexpr int kNejmeneVrcholuPrikladu = 4;
constexpr int kNejviceVrcholuPrikladu = 10;
constexpr int kVychoziVrcholuPrikladu = 7;
constexpr int kNejvetsiCisloPrikladu = 999999;
// The layout rules, in canvas pixels: the distance of a dot from the canvas's edge, between
// two dots, and between an edge and a dot it does not end at.
constexpr int kOkrajPrikladu = 36;
constexpr int kRozestupTecek = 40;
constexpr int kOdstupHrany = 10;

struct TPriklad {
  std::vector<int> x;  // vertex k at (x[k - 1], y[k - 1])
  std::vector<int> y;
  std::vector<THranaCviceni> hrany;  // ordered by u, then v; lengths 1 to 9
};

// Example cislo (1 to kNejvetsiCisloPrikladu) with vrcholu vertices (kNejmeneVrcholuPrikladu
// to kNejviceVrcholuPrikladu); the caller keeps both in range.
TPriklad VytvorPriklad(int cislo, int vrcholu);
// The example as a graph: every vertex with value 0, colour 0 and no comment.
TSnimekGrafu SnimekPrikladu(const TPriklad& priklad);
// A plain text of the example ("x y" per vertex, then "u v length" per edge), the bytes
// that must come out the same everywhere.
std::string TextPrikladu(const TPriklad& priklad);
