// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Pictures of the graph pixel by pixel: the cleared canvas, dots, lines, drawing order, clipping.
#include "drawing/PUVykresli.h"

#include "Pixely.h"
#include "model/UGraf.h"
#include "support/TestSupport.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

TEST(Drawing, ClearRestoresTheColourTableAndDotsAndLinesTakeTheirExactPixels) {
  TestSurface surface;
  surface.canvas.Fill(clRed);
  paleta.fill(clWhite);
  SmazPlatno();
  EXPECT_EQ((std::array{clBlack, clPurple, clTeal, clGreen, clYellow, clNavy, clGray, clOlive, clMaroon, clRed,
                        clSilver, clBlue}), paleta) << "colour number i is drawn in paleta[i]";
  Pixels outline;
  for (int x = 0; x < kSirkaPlatna; ++x) outline.insert({{x, 0}, {x, kVyskaPlatna - 1}});
  for (int y = 0; y < kVyskaPlatna; ++y) outline.insert({{0, y}, {kSirkaPlatna - 1, y}});
  EXPECT_EQ(outline, PixelsOf(surface.canvas, clGray));
  EXPECT_EQ(std::size_t(kSirkaPlatna * kVyskaPlatna) - outline.size(), PixelsOf(surface.canvas, clWhite).size());
  VykresliVrchol(300, 200, clRed);
  EXPECT_EQ((Pixels{{299, 198}, {300, 198}, {298, 199}, {299, 199}, {300, 199}, {301, 199},
                    {298, 200}, {299, 200}, {300, 200}, {301, 200}, {299, 201}, {300, 201}}),
            PixelsOf(surface.canvas, clRed)) << "the 4 x 4 box from (298, 198) without its corners";
  VykresliHranu(10, 20, 100, 50, clBlue);  // the canvas's tests check its pixels; here, that it runs from the first end
  EXPECT_EQ(std::pair(clBlue, clWhite), std::pair(surface.canvas.Pixel(10, 20), surface.canvas.Pixel(100, 50)));
}

// Two vertices: the dots go over the line (of its 90 pixels each dot covers two), only a zero entry in
// the lower vertex's row means no edge, and a dot far out is clipped, not wrapped round.
TEST(Drawing, GraphDrawsEdgesUnderTheDotsAndClipsFarShapes) {
  TestSurface surface;
  const struct { const char* name; int x[2], y[2]; double entry[2]; std::size_t dots, line; } cases[] = {
      {"negative length", {10, 100}, {20, 50}, {-3, -3}, 24, 86},
      {"lower vertex's row only", {10, 100}, {20, 50}, {2, 0}, 24, 86},
      {"higher vertex's row only", {10, 100}, {20, 50}, {0, 2}, 24, 0},
      {"far crossing", {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, {1, 1}, 0, 0},
  };
  for (const auto& c : cases) {
    graf.Clear();
    graf.Init(2);
    for (std::uint8_t i = 1; i <= 2; ++i) {
      graf.SetX(i, c.x[i - 1]);
      graf.SetY(i, c.y[i - 1]);
      graf.SetHrana(i, 3 - i, c.entry[i - 1]);
    }
    VykresliGraf(clRed, clBlue);
    EXPECT_EQ(c.dots, PixelsOf(surface.canvas, clRed).size()) << c.name;
    EXPECT_EQ(c.line, PixelsOf(surface.canvas, clBlue).size()) << c.name;
  }
}

}  // namespace
