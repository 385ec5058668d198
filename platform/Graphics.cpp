// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The canvas draws its own pixels instead of asking a paint engine, so that a picture
// is exact to the pixel and the same headless as on screen.
#include "platform/Graphics.h"

#include "platform/WideInt.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::uint32_t ToPixel(TColor c) {
  const std::uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

TColor FromPixel(std::uint32_t p) {
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// Is the pixel at offset (i, j) of a w x h bounding box inside the ellipse inscribed
// in it? The test is made at the pixel's centre, in doubled units to stay integral.
bool InEllipse(long long i, long long j, long long w, long long h) {
  if (i < 0 || j < 0 || i >= w || j >= h) return false;
  const long long dx = 2 * i + 1 - w;
  const long long dy = 2 * j + 1 - h;
  if (w <= (1LL << 30) && h <= (1LL << 30)) {
    // Each factor below is at most 2^60, so each square and their sum stay under 2^128.
    const std::uint64_t ax = std::uint64_t(std::llabs(dx) * h), ay = std::uint64_t(std::llabs(dy) * w);
    const std::uint64_t wh = std::uint64_t(w * h);
    return AddWide(MulWide(ax, ax), MulWide(ay, ay)) <= MulWide(wh, wh);
  }
  const long double fx = (long double)dx / w, fy = (long double)dy / h;
  return fx * fx + fy * fy <= 1.0L;
}

}  // namespace

TCanvas::TCanvas(int width, int height)
    : width(width), height(height), pixels(std::size_t(width) * std::size_t(height), ToPixel(clWhite)) {}

void TCanvas::Changed() {
  if (OnChange) OnChange();
}

TColor TCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return clWhite;
  return FromPixel(pixels[std::size_t(y) * width + x]);
}

void TCanvas::SetPixel(int x, int y, TColor c) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  pixels[std::size_t(y) * width + x] = ToPixel(c);
  Changed();
}

void TCanvas::Fill(TColor c) {
  std::fill(pixels.begin(), pixels.end(), ToPixel(c));
  Changed();
}

void TCanvas::ResetTools() {
  Pen.Color = clBlack;
  Brush.Color = clWhite;
}

void TCanvas::HorizontalRun(long long y, long long xFrom, long long xTo, TColor c) {
  if (y < 0 || y >= height) return;
  xFrom = std::max(xFrom, 0LL);
  xTo = std::min(xTo, (long long)width - 1);
  const std::uint32_t p = ToPixel(c);
  for (long long x = xFrom; x <= xTo; ++x) pixels[std::size_t(y) * width + std::size_t(x)] = p;
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  long long left = std::min(x1, x2), right = std::max(x1, x2) - 1LL;
  long long top = std::min(y1, y2), bottom = std::max(y1, y2) - 1LL;
  if (right < left || bottom < top) return;
  HorizontalRun(top, left, right, Pen.Color);
  HorizontalRun(bottom, left, right, Pen.Color);
  const long long yFrom = std::max(top + 1, 0LL), yTo = std::min(bottom - 1, (long long)height - 1);
  for (long long y = yFrom; y <= yTo; ++y) {
    HorizontalRun(y, left, left, Pen.Color);
    HorizontalRun(y, right, right, Pen.Color);
    HorizontalRun(y, left + 1, right - 1, Brush.Color);
  }
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const long long left = std::min(x1, x2), top = std::min(y1, y2);
  const long long w = (long long)std::max(x1, x2) - left, h = (long long)std::max(y1, y2) - top;
  if (w <= 0 || h <= 0) return;
  const long long yFrom = std::max(top, 0LL), yTo = std::min(top + h, (long long)height) - 1;
  const long long xFrom = std::max(left, 0LL), xTo = std::min(left + w, (long long)width) - 1;
  for (long long y = yFrom; y <= yTo; ++y) {
    for (long long x = xFrom; x <= xTo; ++x) {
      const long long i = x - left, j = y - top;
      if (!InEllipse(i, j, w, h)) continue;
      // A pixel of the shape that touches the outside belongs to the outline.
      const bool inner = InEllipse(i - 1, j, w, h) && InEllipse(i + 1, j, w, h) &&
                         InEllipse(i, j - 1, w, h) && InEllipse(i, j + 1, w, h);
      pixels[std::size_t(y) * width + std::size_t(x)] = ToPixel(inner ? Brush.Color : Pen.Color);
    }
  }
  Changed();
}

void TCanvas::MoveTo(int x, int y) {
  penX = x;
  penY = y;
}

void TCanvas::LineTo(int x, int y) {
  const long long x1 = penX, y1 = penY, x2 = x, y2 = y;
  penX = x;
  penY = y;
  const long long dx = x2 - x1, dy = y2 - y1;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const long long major1 = xMajor ? x1 : y1, minor1 = xMajor ? y1 : x1;
  const long long dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
  const long long steps = std::llabs(dMajor);
  if (steps == 0) return;
  const long long s = dMajor > 0 ? 1 : -1;
  const long long majorSize = xMajor ? width : height;
  // Only the steps whose major coordinate lies on the picture are walked.
  long long tFrom, tTo;
  if (s > 0) {
    tFrom = -major1;
    tTo = majorSize - 1 - major1;
  } else {
    tFrom = major1 - (majorSize - 1);
    tTo = major1;
  }
  tFrom = std::max(tFrom, 0LL);
  tTo = std::min(tTo, steps - 1);
  const std::uint32_t p = ToPixel(Pen.Color);
  const long long absMinor = std::llabs(dMinor);
  const long long minorSign = dMinor < 0 ? -1 : 1;
  if (tFrom > tTo) {
    Changed();
    return;
  }
  // The minor offset at step t is the exact one rounded half away from the start
  // line, (2 t absMinor + steps) / (2 steps) rounded down. Its numerator can pass
  // 2^64 once, at the first step on the picture; from there it grows by 2 absMinor
  // per step, which never passes the divisor, so quotient and remainder follow in
  // 64 bits.
  const std::uint64_t divisor = 2 * std::uint64_t(steps), growth = 2 * std::uint64_t(absMinor);
  const TWideDivision first =
      DivWide(AddWide(MulWide(2 * std::uint64_t(tFrom), std::uint64_t(absMinor)), TWide{0, std::uint64_t(steps)}), divisor);
  long long offset = (long long)first.quotient.lo;
  std::uint64_t remainder = first.remainder;
  for (long long t = tFrom; t <= tTo; ++t) {
    if (t > tFrom) {
      remainder += growth;
      if (remainder >= divisor) {
        remainder -= divisor;
        ++offset;
      }
    }
    const long long major = major1 + s * t;
    const long long minor = minor1 + minorSign * offset;
    const long long px = xMajor ? major : minor, py = xMajor ? minor : major;
    if (px < 0 || py < 0 || px >= width || py >= height) continue;
    pixels[std::size_t(py) * width + std::size_t(px)] = p;
  }
  Changed();
}
