// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The undo history of a graph: every change the graph announces becomes one step, whoever
// made it (the mouse, an editor, a colouring), replayed exactly from the graph's state
// before and after. A replaced graph (opened, new, recovered) starts a new history.
#pragma once

#include "model/UGraf.h"

#include <QString>
#include <QUndoStack>

#include <functional>

class THistorie {
public:
  explicit THistorie(tgraf& g);
  ~THistorie();
  THistorie(const THistorie&) = delete;
  THistorie& operator=(const THistorie&) = delete;

  // Names the next change the graph announces ("přesun vrcholu 3"). Changes with the same
  // non-zero spojeni in a row fold into one step (the moves of one drag).
  void Pojmenuj(const QString& nazev, int spojeni = 0);

  void Zpet();
  void Znovu();
  QUndoStack& Zasobnik() { return zasobnik; }
  // A save of the graph as it is now, and whether it changed since the last one or since
  // it was opened, created or recovered.
  void Ulozeno() { zasobnik.setClean(); }
  bool Neulozeno() const { return !zasobnik.isClean(); }

  // Runs after undo or redo has put a state back, so the views show it.
  std::function<void()> PoObnoveni;

private:
  friend class TKrokHistorie;
  void Zmena(TZmenaGrafu druh);
  void Vrat(const TSnimekGrafu& stav);

  tgraf& graf;
  int klic = 0;
  TSnimekGrafu posledni;  // the graph as the last notification left it
  bool vraci = false;     // undo or redo itself is restoring
  QString nazev;
  int spojeni = 0;
  QUndoStack zasobnik;
};
