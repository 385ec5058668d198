// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Colours and the drawing canvas: a fixed-size picture with a pen and a brush, drawn
// pixel by pixel the same way on every machine, headless or on screen.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// 24-bit colour with red in the low byte and blue in the high byte.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// Colour from its red, green and blue parts.
constexpr TColor RGB(int r, int g, int b) {
  return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

struct TPen {
  TColor Color = clBlack;
};

struct TBrush {
  TColor Color = clWhite;
};

// A picture of Width x Height pixels, origin at the top left, x to the right, y down.
// Coordinates may lie anywhere in the 32-bit range: what falls outside is clipped,
// and no shape costs more than the pixels it can touch.
class TCanvas {
public:
  TCanvas(int width, int height);

  TPen Pen;
  TBrush Brush;

  int Width() const { return width; }
  int Height() const { return height; }

  // Outlined with the pen, filled with the brush; the right and bottom edges
  // (x2 and y2) are not part of the shape.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Ellipse(int x1, int y1, int x2, int y2);

  // A one-pixel solid line in the pen colour from the current position; the end
  // point itself is not set and becomes the current position.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);

  // Colour of one pixel; clWhite outside the picture.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor c);
  void Fill(TColor c);

  // Back to the toolkit defaults: solid black one-pixel pen, solid white brush.
  void ResetTools();

  // Pixels as 0xFFRRGGBB words, row after row, ready for a screen image.
  const std::uint32_t* Bits() const { return pixels.data(); }

  // Runs after every change of the picture (the image control repaints).
  std::function<void()> OnChange;

private:
  void Changed();
  void HorizontalRun(long long y, long long xFrom, long long xTo, TColor c);

  int width;
  int height;
  std::vector<std::uint32_t> pixels;
  int penX = 0;
  int penY = 0;
};
