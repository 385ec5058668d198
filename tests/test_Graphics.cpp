// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The canvas's exact arithmetic: the 128-bit helper at its edges, and lines and
// ellipses, far ones included, against a direct formula worked out per pixel.
#include "platform/Graphics.h"
#include "platform/WideInt.h"
#include "Pixely.h"

#include <climits>
#include <cstdint>

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t kMax = ~std::uint64_t(0);

// A product plus a remainder, divided again, gives back the factor and the remainder for values at the
// edges of the halves and divisors above 2^63; a few exact results pin the halves themselves.
TEST(WideInt, ProductsSumsAndQuotientsAreExactAtTheEdges) {
  const std::uint64_t edges[] = {1, 0xFFFFFFFF, std::uint64_t(1) << 32, 0x1F2E3D4C, (std::uint64_t(1) << 63) + 1, kMax};
  for (const std::uint64_t a : edges)
    for (const std::uint64_t b : edges)
      for (const std::uint64_t r : {std::uint64_t(0), b - 1}) {
        const TWideDivision division = DivWide(AddWide(MulWide(a, b), {0, r}), b);
        EXPECT_EQ((TWide{0, a}), division.quotient) << std::hex << a << " * " << b << " + " << r;
        EXPECT_EQ(r, division.remainder) << std::hex << a << " * " << b << " + " << r;
      }
  EXPECT_EQ((TWide{0xFFFFFFFFFFFFFFFE, 1}), MulWide(kMax, kMax));
  EXPECT_EQ((TWide{0x100000000, 0xFFFFFFFEFFFFFFFF}), MulWide(kMax, 0x100000001)) << "carry out of the middle column";
  EXPECT_EQ((TWide{8, kMax - 1}), AddWide({5, kMax}, {2, kMax})) << "carry beside high parts";
  EXPECT_EQ((TWide{kMax, 3}), DivWide({kMax, 3}, 1).quotient) << "a quotient above 2^64";

  EXPECT_FALSE((TWide{1, 0}) <= (TWide{0, kMax})) << "the high half decides";
  EXPECT_TRUE((TWide{7, 1}) < (TWide{7, 2})) << "then the low half";
  EXPECT_FALSE((TWide{7, 2}) < (TWide{7, 2}));
  EXPECT_TRUE((TWide{7, 2}) <= (TWide{7, 2}));
}

// The pixels on the picture, found by walking its columns (or rows) rather than the line: at step t the
// minor offset is (2 t |minor| + steps) / (2 steps) rounded down, worked out afresh for every step.
Pixels LinePixels(long long x1, long long y1, long long x2, long long y2, int width, int height) {
  const long long dx = x2 - x1, dy = y2 - y1;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const long long steps = std::llabs(xMajor ? dx : dy), minorDiff = xMajor ? dy : dx;
  const long long sign = (xMajor ? dx : dy) > 0 ? 1 : -1, minorSign = minorDiff < 0 ? -1 : 1;
  Pixels pixels;
  for (long long m = 0; m < (xMajor ? width : height); ++m) {
    const long long t = (m - (xMajor ? x1 : y1)) * sign;
    if (t < 0 || t >= steps) continue;
    const TWide twice = MulWide(2 * std::uint64_t(t), std::uint64_t(std::llabs(minorDiff)));
    const TWideDivision offset = DivWide(AddWide(twice, {0, std::uint64_t(steps)}), 2 * std::uint64_t(steps));
    const long long minor = (xMajor ? y1 : x1) + minorSign * (long long)offset.quotient.lo;
    const long long x = xMajor ? m : minor, y = xMajor ? minor : m;
    if (x >= 0 && y >= 0 && x < width && y < height) pixels.emplace(x, y);
  }
  return pixels;
}

TEST(Canvas, LinesTakeTheExactlyRoundedPixelsNearAndFar) {
  const struct { const char* name; int x1, y1, x2, y2; std::size_t atLeast; } lines[] = {
      {"shallow to the right", 10, 20, 100, 50, 90},
      {"ties round away from the start", 0, 0, 8, 2, 8},
      {"ties backwards", 8, 2, 0, 0, 8},
      {"starts far to the left", -1000003, 5, 600, 200, 569},
      {"starts far below", 50, 2000000011, 60, 0, 360},
      {"corner to corner of the integers", INT_MIN, INT_MIN, INT_MAX, INT_MAX - 400, 300},
      {"back the other way", INT_MAX, INT_MAX, INT_MIN, INT_MIN + 399, 150},
      {"steep through the picture", INT_MAX - 100, INT_MIN, INT_MIN + 661, INT_MAX, 250},
  };
  for (const auto& c : lines) {
    TCanvas canvas(569, 361);
    canvas.Pen.Color = clRed;
    canvas.MoveTo(c.x1, c.y1);
    canvas.LineTo(c.x2, c.y2);
    const Pixels drawn = PixelsOf(canvas, clRed);
    EXPECT_EQ(LinePixels(c.x1, c.y1, c.x2, c.y2, 569, 361), drawn) << c.name;
    EXPECT_GE(drawn.size(), c.atLeast) << c.name << ": the line must cross the picture";
  }
}

// Circles only: dividing by the size once leaves squares that fit in 64 bits.
TEST(Canvas, CirclesCoverThePixelsWhoseCentresLieInside) {
  const long long big = 1LL << 30;
  const struct { const char* name; long long left, top, size; } circles[] = {
      {"odd size", 10, 20, 101},
      {"cut by the corner", -50, -70, 200},
      {"largest exact, its right side on the picture", -big + 300, -big / 2 + 180, big},
  };
  for (const auto& c : circles) {
    TCanvas canvas(569, 361);
    canvas.Pen.Color = clRed;
    canvas.Brush.Color = clRed;
    canvas.Ellipse(int(c.left), int(c.top), int(c.left + c.size), int(c.top + c.size));
    const auto square = [](long long v) { return std::uint64_t(v) * std::uint64_t(v); };  // exact while |v| < 2^31
    Pixels inside;
    for (long long y = 0; y < 361; ++y)
      for (long long x = 0; x < 569; ++x)
        if (square(2 * (x - c.left) + 1 - c.size) + square(2 * (y - c.top) + 1 - c.size) <= square(c.size))
          inside.emplace(x, y);
    const Pixels drawn = PixelsOf(canvas, clRed);
    EXPECT_EQ(inside, drawn) << c.name;
    EXPECT_FALSE(drawn.empty()) << c.name;
  }
}

}  // namespace
