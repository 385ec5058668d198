// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// One vertex of the graph: drawing position, comment, value, colour number and its
// row of edge lengths to every other vertex.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class tvrchol {
public:
  // A new vertex: colour 0, empty comment, value 0, all lengths 0, and a drawing
  // position drawn from the vertex generator (x from 0 to 299, then y from 0 to 159).
  tvrchol();
  // A vertex at a position of the caller's, drawing nothing from the vertex generator:
  // graphs built aside (the exercise's, the generated examples) leave the positions of
  // the user's later new vertices as they would have been.
  tvrchol(std::int32_t x, std::int32_t y) : x(x), y(y) {}

  std::int32_t GetX() const { return x; }
  void SetX(std::int32_t v) { x = v; }
  std::int32_t GetY() const { return y; }
  void SetY(std::int32_t v) { y = v; }
  std::string GetText() const { return text; }
  void SetText(const std::string& s) { text = s; }
  double GetHodnota() const { return hodnota; }
  void SetHodnota(double d) { hodnota = d; }
  std::uint8_t GetBarva() const { return barva; }
  void SetBarva(std::uint8_t c) { barva = c; }
  // Entry j (1 to 15) of the row: the length of the edge to vertex j, 0 for none.
  double GetHrana(std::uint8_t j) const;
  void SetHrana(std::uint8_t j, double d);

  // Same position, comment, value, colour and row, for snapshots of a graph.
  bool operator==(const tvrchol& o) const {
    return x == o.x && y == o.y && text == o.text && hodnota == o.hodnota &&
           barva == o.barva && hrany == o.hrany;
  }
  bool operator!=(const tvrchol& o) const { return !(*this == o); }

private:
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::string text;  // Windows-1250 bytes
  double hodnota = 0.0;
  std::uint8_t barva = 0;
  std::array<double, 16> hrany{};  // entries 1 to 15; entry 0 unused
};

// Restarts the generator of vertex positions from its fixed seed, as at program
// start, so that the k-th vertex created afterwards gets the k-th position again.
void ZacniNahodneSouradnice();
