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
  void Kresleni(const TKresleni& k) override {
    const char* druhy[] = {"clear", "dot", "edge"};
    udalosti.push_back(std::string(druhy[k.druh]) + " " + std::to_string(k.u) + " " + std::to_string(k.v));
  }
  void Zprava(const std::string& text) override { udalosti.push_back("box " + text); }
  void VystupniRadek(const std::string& text) override { udalosti.push_back("line " + text); }
  void Prikaz(bool zacina) override { udalosti.push_back(zacina ? "start" : "end"); }
  std::vector<std::string> udalosti;
};

class Vystupy : public AlgoritmusTest {};

TEST_F(Vystupy, ObserversHearEverythingInOrderWithTheVerticesDrawn) {
  const struct {
    const char* nazev;
    std::function<void()> akce;
    std::vector<std::string> udalosti;
  } pripady[] = {
      {"the graph drawn", [] { PostavGraf(3, {{1, 3, 2}}); VykresliGraf(clBlack, clBlack); },
       {"clear 0 0", "edge 1 3", "dot 1 0", "dot 2 0", "dot 3 0"}},
      {"a drawing of no vertex", [] { VykresliHranu(0, 0, 10, 10, clRed); }, {"edge 0 0"}},
      {"a count", [] { PostavGraf(2, {}); PocetKomponent(); }, {"line Pocet komponent je : 2"}},
      {"a command with a box and a nested one",
       [] {
         Invoke([] {
           ShowMessage("a");
           Invoke([] { Vypis("b"); });
         });
       },
       {"start", "box a", "line b", "end"}},
      {"a colouring, vertex by vertex", [] { PostavGraf(2, {{1, 2, 1}}); ObarviVrcholy(); }, {"dot 1 0", "dot 2 0"}},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    Posluchac posluchac;
    p.akce();
    EXPECT_EQ(p.udalosti, posluchac.udalosti);
  }
  EXPECT_EQ("b", plocha.memo) << "the receiver gets the line too";
  EXPECT_EQ(std::vector<std::string>({"a"}), zpravy.messages) << "and the box texts";
}

// A picture outlives its graph: over a dot of a vertex the graph no longer has, hover says
// nothing rather than reading a vertex that is gone; the recorded edge keeps what it showed.
TEST_F(Vystupy, HoverOverAVertexTheGraphNoLongerHasSaysNothing) {
  PostavGraf(3, {{2, 3, 4}});
  VykresliGraf(clBlack, clBlack);
  const std::vector<TOperace> obraz = Zaznamnik().Obraz();
  graf.Clear();
  graf.Init(1);
  const struct { const char* nazev; QPoint bod; const char* popis; } pripady[] = {
      {"vertex gone", {MistoX(3), MistoY(3)}, ""},
      {"vertex kept", {MistoX(1), MistoY(1)}, "Vrchol 1 · hodnota 0 · stupeň 0"},
      {"edge as drawn", {(MistoX(2) + MistoX(3)) / 2, (MistoY(2) + MistoY(3)) / 2}, "Hrana 2 – 3 · délka 4"},
  };
  for (const auto& p : pripady)
    EXPECT_EQ(QString::fromUtf8(p.popis).toStdString(), PopisMista(obraz, p.bod).toStdString()) << p.nazev;
}

}  // namespace
