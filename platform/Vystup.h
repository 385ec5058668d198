// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The program's one road out: what it draws, its output line, the texts of its message boxes
// and where each command starts and ends. The composition root connects the receivers (the
// main window's canvas and output line) and the observers (the classroom's recorder); a test
// puts its own in their place. Plain C++, so the algorithms send through it knowing no window.
#pragma once

#include "platform/Graphics.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// One drawing operation as it reaches the canvas: a clear, a vertex's dot at (x1, y1) or an
// edge from (x1, y1) to (x2, y2), in colour barva. u is the dot's vertex or one end of the
// edge, v the edge's other end: 0 where the caller drew no vertex of the graph.
struct TKresleni {
  enum TDruh : std::uint8_t { Smazani, Vrchol, Hrana };
  TDruh druh = Smazani;
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  TColor barva = clWhite;
  std::uint8_t u = 0, v = 0;
};

// Sees everything that goes out, in order, whoever receives it and whether it is shown at all.
class TPozorovatelVystupu {
public:
  virtual ~TPozorovatelVystupu() = default;
  virtual void Kresleni(const TKresleni&) {}
  virtual void Zprava(const std::string&) {}
  virtual void VystupniRadek(const std::string&) {}
  // A command is the outermost event handler running (platform/Dialogs.h, TCommand).
  virtual void Prikaz(bool /*zacina*/) {}
};

class TVystup {
public:
  using TText = std::function<void(const std::string&)>;
  using TUmisteni = std::function<void(QWidget* box)>;

  // The canvas the drawing goes to; without one only the observers see it.
  void NastavPlatno(TCanvas* p) { platno = p; }
  TCanvas* Platno() const { return platno; }
  // The output line; without one the results go nowhere.
  void NastavRadek(TText r) { radek = std::move(r); }
  // Who gets the box texts instead of boxes (a test, the command line); empty brings the
  // boxes back. Returns the previous receiver.
  TText NastavPrijemceZprav(TText prijemce);
  const TText& PrijemceZprav() const { return prijemceZprav; }
  // With boxes off no box opens; the observers and a receiver still get the texts.
  void NastavOkna(bool zobrazit) { okna = zobrazit; }
  bool Okna() const { return okna; }
  // Moves each box, sized already, before it appears (beside the canvas rather than over it).
  void NastavUmisteni(TUmisteni u) { umisteni = std::move(u); }
  const TUmisteni& Umisteni() const { return umisteni; }

  // An observer sees from now on; adding one twice changes nothing.
  void Pozoruj(TPozorovatelVystupu* pozorovatel);
  void Nepozoruj(TPozorovatelVystupu* pozorovatel);

  // What goes out. The observers hear of it first; the drawing unit draws on Platno() and
  // ShowMessage opens the box.
  void Kresleni(const TKresleni& kresleni) const;
  void Radek(const std::string& text) const;
  void Zprava(const std::string& text) const;
  void Prikaz(bool zacina) const;

private:
  TCanvas* platno = nullptr;
  TText radek;
  TText prijemceZprav;
  bool okna = true;
  TUmisteni umisteni;
  std::vector<TPozorovatelVystupu*> pozorovatele;
};

// The one road of the process.
TVystup& Vystup();
