// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The pixels of one colour on a canvas, as a set a test compares with the pixels a
// shape must take. Plain C++, so that the tests built for Windows use it too.
#pragma once

#include "platform/Graphics.h"

#include <set>
#include <utility>

using Pixels = std::set<std::pair<long long, long long>>;

inline Pixels PixelsOf(const TCanvas& canvas, TColor c) {
  Pixels pixels;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.Pixel(x, y) == c) pixels.emplace(x, y);
  return pixels;
}
