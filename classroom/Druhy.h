// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Why each row of a narration happens: its kind, read from the program's own texts and
// from what the rows before it accepted, and a short Czech explanation beside the text.
// No window is needed, so a whole run can be checked headless.
#pragma once

#include "classroom/Zaznam.h"

#include <QString>

#include <vector>

enum class TDruhRadku { Zarazeni, Kruznice, Duplikat, Komponenty, Vysledek, Jine };

struct TDruhKroku {
  TDruhRadku druh = TDruhRadku::Jine;
  int u = 0;  // the edge a row names, in the order the text names its ends
  int v = 0;
  QString delka;  // its length as the text writes it; empty when the text gives none
};

// The kinds of a narration's rows, in order. A refusal that names an edge accepted earlier
// in the same narration is its second record (Jarnik reads every edge from both ends,
// Boruvka's trees may pick the edge another tree has just taken); any other refusal
// would close a cycle.
std::vector<TDruhKroku> RozlisKroky(const std::vector<TKrok>& kroky);

// The name a row carries as data: "zarazeni", "kruznice", "duplikat", "komponenty",
// "vysledek", "jine".
QString KlicDruhu(TDruhRadku druh);

// The explanation shown beside a row's own text. stromu is the number of trees of the
// graph's spanning forest (its component count), which the result row names when it is
// more than one.
QString VysvetleniKroku(const TDruhKroku& druh, const TKrok& krok, int stromu);

// The components of the graph drawn last in operace: its vertices' dots joined by its
// edges, as the recording tells them apart. 0 when no vertex is drawn.
int KomponentObrazu(const std::vector<TOperace>& operace);
