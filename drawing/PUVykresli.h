// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Drawing of the current graph on the main window's canvas, and the colour table
// of the colour numbers.
#pragma once

#include "platform/Graphics.h"

#include <array>
#include <cstdint>
#include <functional>

constexpr int kSirkaPlatna = 569;
constexpr int kVyskaPlatna = 361;

// Colours of the colour numbers 0 to 11; every clear of the canvas refills it.
extern std::array<TColor, 12> paleta;

// The canvas the drawing goes to: the main window's Image1, or a test's own canvas.
void NastavPlatno(TCanvas* platno);
TCanvas* Platno();

void NastavBarvy();
void SmazPlatno();
void VykresliVrchol(std::int32_t x, std::int32_t y, TColor c);
void VykresliHranu(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, TColor c);
void VykresliGraf(TColor v, TColor h);

// One drawing operation as it reaches the canvas: a clear, a vertex's dot at (x1, y1)
// or an edge from (x1, y1) to (x2, y2), in colour barva.
struct TKresleni {
  enum TDruh : std::uint8_t { Smazani, Vrchol, Hrana };
  TDruh druh = Smazani;
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  TColor barva = clWhite;
};
// Draws one operation on the canvas given, exactly as the operations above draw it on
// theirs (a recorded picture is replayed through it).
void Nakresli(TCanvas& platno, const TKresleni& kresleni);
// Sees every operation above, with or without a canvas, before it is drawn (the
// classroom's recorder). Returns the previous observer; an empty one sees nothing.
using TPozorovatelKresleni = std::function<void(const TKresleni&)>;
TPozorovatelKresleni NastavPozorovateleKresleni(TPozorovatelKresleni pozorovatel);
