// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph container and the one current graph of the program. It owns its
// vertices; vertices are numbered 1 to the vertex count (at most 15).
#pragma once

#include "model/UVrchol.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

constexpr std::uint8_t kMaxVrcholu = 15;

// How a graph changed: replaced as a whole (opened, new, cleared) or edited in place
// (a value, a comment, a position, a length, a colour, a stored count).
enum class TZmenaGrafu : std::uint8_t { Upraven, Nahrazen };

// A graph's whole state as a value: its counts and a copy of every vertex, vertex 1
// first. Undo, the recovery copies and the exercise's own graph keep graphs this way.
struct TSnimekGrafu {
  std::uint8_t komponent = 0;
  std::uint8_t barev = 0;
  std::vector<tvrchol> vrcholy;
  bool operator==(const TSnimekGrafu& o) const {
    return komponent == o.komponent && barev == o.barev && vrcholy == o.vrcholy;
  }
  bool operator!=(const TSnimekGrafu& o) const { return !(*this == o); }
};

class tgraf {
public:
  tgraf() = default;
  tgraf(const tgraf&) = delete;
  tgraf& operator=(const tgraf&) = delete;

  // Fills the empty container with n (at most 15) new vertices, vertex 1 first.
  // komponent and barev keep their values.
  void Init(std::uint8_t n);
  // Destroys every vertex and sets all counters to 0.
  void Clear();

  std::uint8_t GetPocet() const { return pocet; }
  void SetPocet(std::uint8_t n);
  std::uint8_t GetKomponent() const { return komponent; }
  void SetKomponent(std::uint8_t k);
  std::uint8_t GetBarev() const { return barev; }
  void SetBarev(std::uint8_t b);

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

  // The graph's state as a value, and the way back: Obnov replaces every vertex and
  // count by the snapshot's in one change of the kind given. Neither draws positions
  // from the vertex generator, so undo and recovery leave later new vertices where
  // they would have been.
  TSnimekGrafu Snimek() const;
  void Obnov(const TSnimekGrafu& snimek, TZmenaGrafu druh);

  // Change notification. Every operation that changes the graph (Init and Clear always,
  // a setter only when the value differs) counts one revision and tells every listener
  // after the change, unless a TDavkaZmen is open: then the listeners hear once, when
  // the outermost batch ends, with Nahrazen if anything in it replaced the graph.
  using TPosluchac = std::function<void(TZmenaGrafu)>;
  int Poslouchej(TPosluchac posluchac);  // returns the key for Neposlouchej
  void Neposlouchej(int klic);
  std::uint64_t Revize() const { return revize; }

private:
  friend class TDavkaZmen;
  tvrchol& Vrchol(std::uint8_t i) const;
  void Zmena(TZmenaGrafu druh);
  void Oznam(TZmenaGrafu druh);

  std::uint8_t pocet = 0;
  std::uint8_t komponent = 0;
  std::uint8_t barev = 0;
  std::array<std::unique_ptr<tvrchol>, kMaxVrcholu + 1> vrcholy;  // slots 1 to 15

  std::uint64_t revize = 0;
  std::vector<std::pair<int, TPosluchac>> posluchaci;
  int dalsiKlic = 1;
  int davek = 0;               // open batches
  bool davkaZmenila = false;   // anything changed inside them
  TZmenaGrafu davkaDruh = TZmenaGrafu::Upraven;
};

// Groups the changes one action makes (reading a file, one editor change, a colouring)
// into one notification. Batches nest; only the outermost one notifies.
class TDavkaZmen {
public:
  explicit TDavkaZmen(tgraf& g);
  ~TDavkaZmen();
  TDavkaZmen(const TDavkaZmen&) = delete;
  TDavkaZmen& operator=(const TDavkaZmen&) = delete;

private:
  tgraf& g;
};

// The current graph.
extern tgraf graf;
