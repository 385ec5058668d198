// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The colouring legend: a row per vertex up to ten, with colour, value, degree and comment.
#include "GrafyTestu.h"
#include "support/ProgramWindow.h"
#include "windows/frminfo.h"
#include "windows/main.h"

namespace {

using Form2Test = ProgramWindow;

// Graphs in turn, so rows shown for one are hidden again for the next; skore: the degrees shown.
// The colours are written as the screen shows them, so a red-blue swap fails too.
TEST_F(Form2Test, ShowsARowForEachVertexUpToTen) {
  const QColor barvy[] = {{128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 255}, {0, 0, 128},
                          {0, 128, 128}, {128, 0, 128}, {128, 128, 128}, {0, 0, 0}, {255, 0, 0}};
  const struct { const char* nazev; int vrcholu; thranyTestu hrany; const char* skore; } pripady[] = {
      {"empty", 0, {}, ""}, {"ten, edge < 0, a loop", 10, {{1, 9, 0.5}, {9, 10, -2.0}, {4, 4, 1.0}}, "1000000021"},
      {"three", 3, {{1, 2, 1.0}}, "110"}, {"twelve, hand-made", 12, {{1, 12, 1.0}, {2, 11, 1.0}}, "1100000000"}};
  const auto box = [](int cislo) { return Form2->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(cislo)); };
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.nazev);
    PostavGraf(pripad.vrcholu, pripad.hrany);
    const int radku = std::min(pripad.vrcholu, 10);
    if (radku >= 3) graf.SetHodnota(2, -1.5), graf.SetText(3, " uzel 3 ");
    Form1->Button9->click();
    for (int k = 1; k <= 10; ++k) {
      std::vector<std::string> texty;  // number, colour, value, degree, comment
      for (int cislo : {4 * k, 4 * k + 3, 4 * k + 1, 44 + k, 4 * k + 2}) {
        EXPECT_EQ(box(cislo)->isHidden(), k > radku) << cislo;
        texty.push_back(box(cislo)->text().toStdString());
      }
      if (k > radku) continue;
      EXPECT_EQ(texty, (std::vector<std::string>{std::to_string(k), "", k == 2 ? "-1.5" : "0", {pripad.skore[k - 1]},
                                                 k == 3 ? " uzel 3 " : ""}));
      EXPECT_EQ(barvy[k - 1], box(4 * k + 3)->palette().color(QPalette::Base)) << k;
    }
    for (const QLineEdit* edit : Form2->findChildren<QLineEdit*>()) EXPECT_TRUE(edit->isReadOnly());
    Form2->BitBtn1->click();
  }
}

}  // namespace
