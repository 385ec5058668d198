// Drawing of the current graph on the main window's canvas, and the colour table
// of the colour numbers.
#pragma once

#include "platform/Graphics.h"

#include <array>
#include <cstdint>

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
