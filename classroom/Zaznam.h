// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The recorder of the lesson: every operation of the drawing unit and every box text, in
// order. The canvas picture, the overlays, the step window and the saved pictures are all
// rebuilt from it; it needs no window, so it records headless runs as well.
#pragma once

#include "drawing/PUVykresli.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A drawing operation with what it showed of the graph when it was drawn: the vertex of a
// dot, the two vertices an edge joins (u < v) and the edge's length. 0 where the operation
// drew no vertex the graph had then, so later edits of the graph change no recorded picture.
struct TOperace {
  TKresleni kresleni;
  std::uint8_t u = 0;
  std::uint8_t v = 0;
  double delka = 0.0;
};

// One row of the narration: a box text, or (last, vysledek set) the output line's text.
// operaci is how much of the recording had been drawn when it appeared.
struct TKrok {
  std::string text;  // Windows-1250, as every text of the program
  std::size_t operaci = 0;
  bool vysledek = false;
};

// The narration of the last command that showed boxes or wrote the output line, with the
// operations from the picture it started on to its end.
struct TVyklad {
  std::vector<TOperace> operace;
  std::vector<TKrok> kroky;
};

class TZaznamnik : public TPozorovatelVystupu {
public:
  // The picture as the drawing unit last left it: the operations since the last clear,
  // or all of them over a white canvas while nothing has been cleared yet.
  const std::vector<TOperace>& Obraz() const { return obraz; }
  const TVyklad& Vyklad() const { return vyklad; }
  // The memory the recording takes, for the benchmarks.
  std::size_t Bajtu() const;
  // Another graph: the narration of the last one no longer fits it.
  void SmazVyklad();

  // The recording's changes, for the windows that show it: rows replaced or added, and the
  // end of a command (with whether it recorded a narration: box texts or the output line).
  std::function<void()> PriZmeneVykladu;
  std::function<void(bool vypravel)> PoPrikazu;

  // What the output road reports.
  void Kresleni(const TKresleni& kresleni) override;
  void Zprava(const std::string& text) override;
  void VystupniRadek(const std::string& text) override;
  void Prikaz(bool zacina) override;

private:
  void ZacniVyklad();
  void Zmena();

  std::vector<TOperace> obraz;
  TVyklad vyklad;
  // The running command: the picture it started on and what it has drawn since, kept
  // aside until it narrates, so that a command that only redraws (an editor's change)
  // leaves the last narration for the class to go on browsing.
  bool bezi = false;
  bool vypravi = false;
  std::vector<TOperace> behem;
  bool vystupPsan = false;
  std::string vystup;
};

// The one recorder; the composition root puts it on the output road.
TZaznamnik& Zaznamnik();

// Where the picture of the operations from..to starts: after the last clear before to
// (from when there is none), so that a replay need not go further back.
std::size_t ZacatekObrazu(const std::vector<TOperace>& operace, std::size_t od, std::size_t po);
