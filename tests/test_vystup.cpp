// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The output road: an observer hears every drawing operation with the vertices it draws, the
// output line, each box text and the bounds of a command, in order, whoever receives them.
#include "GrafyTestu.h"

#include "classroom/Trida.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Vystup.h"

#include <functional>

namespace {

// Every event as one line, so a whole run compares at once.
class Posluchac : public TPozorovatelVystupu {
public:
  Posluchac() { Vystup().Pozoruj(this); }
  ~Posluchac() override { Vystup().Nepozoruj(this); }
  void Kresleni(const TKresleni& k) override {  // a clear, a dot or an edge as c, d or e
    udalosti.push_back(std::string(1, "cde"[k.druh]) + " " + std::to_string(k.u) + " " + std::to_string(k.v));
  }
  void Zprava(const std::string& text) override { udalosti.push_back("box " + text); }
  void VystupniRadek(const std::string& text) override { udalosti.push_back("line " + text); }
  void Prikaz(bool zacina) override { udalosti.push_back(zacina ? "start" : "end"); }
  std::vector<std::string> udalosti;
};

class Vystupy : public AlgoritmusTest {};

TEST_F(Vystupy, ObserversHearEverythingInOrderWithTheVerticesDrawn) {
  const struct { const char* nazev; std::function<void()> akce; std::vector<std::string> udalosti; } pripady[] = {
      {"the graph drawn", [] { PostavGraf(3, {{1, 3, 2}}); VykresliGraf(clBlack, clBlack); },
       {"c 0 0", "e 1 3", "d 1 0", "d 2 0", "d 3 0"}},
      {"a drawing of no vertex", [] { VykresliHranu(0, 0, 10, 10, clRed); }, {"e 0 0"}},
      {"a command with a box and a nested one",
       [] { Invoke([] { ShowMessage("a"); Invoke([] { Vypis("b"); }); }); },
       {"start", "box a", "line b", "end"}},
      {"a colouring, vertex by vertex", [] { PostavGraf(2, {{1, 2, 1}}); ObarviVrcholy(); }, {"d 1 0", "d 2 0"}},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    Posluchac posluchac;
    p.akce();
    EXPECT_EQ(p.udalosti, posluchac.udalosti);
  }
}

// A picture outlives its graph: hover over a vertex that is gone says nothing; an edge keeps what it showed.
TEST_F(Vystupy, HoverOverAVertexTheGraphNoLongerHasSaysNothing) {
  PostavGraf(3, {{2, 3, 4}});
  VykresliGraf(clBlack, clBlack);
  const std::vector<TOperace> obraz = Zaznamnik().Obraz();
  graf.Clear();
  graf.Init(1);
  const struct { const char* nazev; QPoint bod; const char* popis; } pripady[] = {
      {"vertex gone", {MistoX(3), MistoY(3)}, ""},
      {"edge as drawn", {(MistoX(2) + MistoX(3)) / 2, (MistoY(2) + MistoY(3)) / 2}, "Hrana 2 – 3 · délka 4"},
  };
  for (const auto& p : pripady)
    EXPECT_EQ(QString::fromUtf8(p.popis).toStdString(), PopisMista(obraz, p.bod).toStdString()) << p.nazev;
}

}  // namespace
