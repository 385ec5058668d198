// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Each user action that changes the graph is heard once, as a replacement or an edit, and
// the narration goes only when another graph takes the place of the one it was told on.
#include "support/ProgramWindow.h"

#include "classroom/Zaznam.h"
#include "windows/novy.h"
#include "windows/nv.h"

#include <QAction>

#include <functional>

namespace {

class ZmenyGrafu : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    ZapisGraf(Soubor("g.grf"), {{40, 40, "a"}, {200, 60, ""}, {120, 200, ""}}, {{1, 2, 2}, {2, 3, 1}});
    ZapisGraf(Soubor("h.grf"), {{100, 100, ""}}, {});
    Otevri(Soubor("g.grf"));
    klic = graf.Poslouchej([this](TZmenaGrafu druh) { slyseno.push_back(druh); });
  }
  void TearDown() override {
    graf.Neposlouchej(klic);
    ProgramWindow::TearDown();
  }
  // The graph editor sets the first slot's length of vertex 1, as a user types it.
  void UpravDelku(const QString& delka) {
    Klikni(Form1->Button5);
    ShowActive(Form4);
    TypeInto(Form4->sloty[0].delka, delka);
    FocusOn(Form4->BitBtn2);
    Form4->Close();
  }
  static std::vector<std::string> Texty() {
    std::vector<std::string> texty;
    for (const TKrok& krok : Zaznamnik().Vyklad().kroky) texty.push_back(krok.text);
    return texty;
  }
  std::vector<TZmenaGrafu> slyseno;
  int klic = 0;
};

using Z = TZmenaGrafu;

TEST_F(ZmenyGrafu, EachActionIsHeardOnceWithItsKind) {
  const struct { const char* nazev; std::function<void()> akce; std::vector<Z> ocekavano; } pripady[] = {
      {"open another file", [this] { Otevri(Soubor("h.grf")); }, {Z::Nahrazen}},
      {"open the same file again", [this] { Otevri(Soubor("g.grf")); }, {Z::Nahrazen}},
      {"open a missing file", [this] { Otevri(Soubor("chybi.grf")); }, {Z::Nahrazen}},
      {"new graph dialog",
       [this] {
         Klikni(Form1->Button1);
         ShowActive(Form3);
         TypeInto(Form3->Edit2, "4");
         answerer.ChooseFile(Soubor("novy.grf"));
         Klikni(Form3->BitBtn1);
         Form4->Close();
       },
       {Z::Nahrazen}},
      {"editor: one edge length", [this] { UpravDelku("7.5"); }, {Z::Upraven}},
      {"editor: a length it already has", [this] { UpravDelku("2"); }, {}},
      {"count of components", [this] { Zalozka(3); Klikni(Form1->Button7); }, {Z::Upraven}},
      {"colouring, without a window", [] { PocetBarev(); }, {Z::Upraven}},
      {"exit", [this] { Zalozka(3); Klikni(Form1->BitBtn1); }, {Z::Nahrazen}},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    FocusOn(Form1->Edit1);
    ShowActive(Form1);
    Zalozka(0);
    Otevri(Soubor("g.grf"));
    slyseno.clear();
    p.akce();
    EXPECT_EQ(p.ocekavano, slyseno);
  }
}

// The narration belongs to a graph: the same file opened again, or an edit, keeps it; another
// graph in its place drops it (a failed open leaves no graph, only its own message).
TEST_F(ZmenyGrafu, NarrationGoesOnlyWithAnotherGraph) {
  Form1->findChild<QAction*>(QStringLiteral("ActionBezZprav"))->setChecked(true);
  const struct { const char* nazev; std::function<void()> akce; bool zustava; } pripady[] = {
      {"same file again", [this] { Otevri(Soubor("g.grf")); }, true},
      {"an edge length edited", [this] { UpravDelku("7.5"); }, true},
      {"another file", [this] { Otevri(Soubor("h.grf")); }, false},
      {"a missing file", [this] { Otevri(Soubor("chybi.grf")); }, false},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    Zalozka(0);
    Otevri(Soubor("g.grf"));
    Zalozka(2);
    Klikni(Form1->Button6);
    const std::vector<std::string> kruskal = Texty();
    ASSERT_GT(kruskal.size(), 2u);
    Zalozka(0);
    p.akce();
    EXPECT_EQ(p.zustava, Texty() == kruskal);
  }
}

}  // namespace
