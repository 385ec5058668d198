// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph algorithms as the windows see them: the output line, the spanning
// trees, the colourings, the score and the counts, and the mode objects of the main
// window's tabs whose commands run them.
#pragma once

#include "algorithms/UBarveni.h"
#include "algorithms/UKostry.h"
#include "algorithms/UPocty.h"
#include "algorithms/USpolecne.h"

#include <memory>

// The commands of one tab, run by Button6, Button7 and Button8.
class tmetoda {
public:
  virtual ~tmetoda() = default;
  virtual void Prikaz1() = 0;
  virtual void Prikaz2() = 0;
  // A tab that hides Button8 has no third command.
  virtual void Prikaz3() {}
};

// "Najdi": score, shortest spanning tree.
class tnajdi : public tmetoda {
public:
  void Prikaz1() override;
  void Prikaz2() override;
};

// "Simulace": Kruskal, Jarnik, Boruvka.
class tsimulace : public tmetoda {
public:
  void Prikaz1() override;
  void Prikaz2() override;
  void Prikaz3() override;
};

// "Pocet": spanning trees, components, colours.
class tpocet : public tmetoda {
public:
  void Prikaz1() override;
  void Prikaz2() override;
  void Prikaz3() override;
};

// The current tab's mode object; none on "Vyber Grafu".
extern std::unique_ptr<tmetoda> metoda;
