// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph container and the one current graph of the program. It owns its
// vertices; vertices are numbered 1 to the vertex count (at most 15).
#pragma once

#include "model/UVrchol.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

constexpr std::uint8_t kMaxVrcholu = 15;

class tgraf {
public:
  // Fills the empty container with n (at most 15) new vertices, vertex 1 first.
  // komponent and barev keep their values.
  void Init(std::uint8_t n);
  // Destroys every vertex and sets all counters to 0.
  void Clear();

  std::uint8_t GetPocet() const { return pocet; }
  void SetPocet(std::uint8_t n) { pocet = n; }
  std::uint8_t GetKomponent() const { return komponent; }
  void SetKomponent(std::uint8_t k) { komponent = k; }
  std::uint8_t GetBarev() const { return barev; }
  void SetBarev(std::uint8_t b) { barev = b; }

  // Vertex accessors: i is a vertex 1 to GetPocet(), j an entry 1 to 15. Indices
  // are not checked in release builds; callers keep them in range.
  void SetBarva(std::uint8_t i, std::uint8_t c);
  void SetX(std::uint8_t i, std::int32_t v);
  void SetY(std::uint8_t i, std::int32_t v);
  void SetText(std::uint8_t i, const std::string& s);
  void SetHodnota(std::uint8_t i, double d);
  // Writes entry j of vertex i's row only; callers write both directions.
  void SetHrana(std::uint8_t i, std::uint8_t j, double d);
  std::uint8_t GetBarva(std::uint8_t i) const;
  std::string GetText(std::uint8_t i) const;
  std::int32_t GetX(std::uint8_t i) const;
  std::int32_t GetY(std::uint8_t i) const;
  double GetHodnota(std::uint8_t i) const;
  // Entry j of vertex i's row: note the order, entry first.
  double GetHrana(std::uint8_t j, std::uint8_t i) const;

private:
  tvrchol& Vrchol(std::uint8_t i) const;

  std::uint8_t pocet = 0;
  std::uint8_t komponent = 0;
  std::uint8_t barev = 0;
  std::array<std::unique_ptr<tvrchol>, kMaxVrcholu + 1> vrcholy;  // slots 1 to 15
};

// The current graph.
extern tgraf graf;
