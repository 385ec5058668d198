// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Drawing of the current graph on the main window's canvas, and the colour table
// of the colour numbers.
#pragma once

#include "platform/Graphics.h"
#include "platform/Vystup.h"

#include <array>
#include <cstdint>

constexpr int kSirkaPlatna = 569;
constexpr int kVyskaPlatna = 361;

// Colours of the colour numbers 0 to 11; every clear of the canvas refills it.
extern std::array<TColor, 12> paleta;

// The canvas the drawing goes to: the main window's Image1, or a test's own canvas (the
// output road's, platform/Vystup.h, whose observers see every operation, with or without
// a canvas, before it is drawn).
void NastavPlatno(TCanvas* platno);

void NastavBarvy();
void SmazPlatno();
// The vertex drawn, and an edge's ends, go with the operation to the road's observers.
void VykresliVrchol(std::int32_t x, std::int32_t y, TColor c, std::uint8_t vrchol = 0);
void VykresliHranu(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, TColor c,
                   std::uint8_t odkud = 0, std::uint8_t kam = 0);
void VykresliGraf(TColor v, TColor h);

// Draws one operation on the canvas given, exactly as the operations above draw it on
// theirs (a recorded picture is replayed through it).
void Nakresli(TCanvas& platno, const TKresleni& kresleni);
