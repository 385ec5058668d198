// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The coordinate editor driven as a user drives it: each scenario starts from the same
// three-vertex graph, and its messages, boxes, graph and canvas are checked.
#include "support/ProgramWindow.h"
#include "windows/frmedvrch.h"

namespace {

const char* const kNecislo = " zadal jsi nekde necislo ";
const char* const kSpatne = "Chyba , zadal jsi spatne cislo vrcholu ";

// A step: EditN typed and left, "zavri" (the close box), "ukaz", "OK" or a graph file opened; its message.
struct tkrok { const char *kde, *napsano = "", *zprava = ""; };

// The texts of Edit4 to Edit15, then the places of the vertices.
std::string Stav() {
  QString stav;
  for (int i = 4; i <= 15; ++i) stav += FormXY->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i))->text() + '|';
  for (int i = 1; i <= graf.GetPocet(); ++i) stav += QStringLiteral(" %1,%2").arg(graf.GetX(i)).arg(graf.GetY(i));
  return stav.toStdString();
}

using FormXYTest = ProgramWindow;

TEST_F(FormXYTest, ScenariosFromAFreshEditor) {
  ZapisGraf(Soubor("tri.grf"), {{50, 50, ""}, {150, 50, ""}, {100, 200, ""}}, {{1, 2, 1.0}});
  ZapisGraf(Soubor("dva.grf"), {{200, 100, ""}, {300, 200, ""}}, {});
  using tbody = std::vector<std::tuple<int, int, TColor>>;
  const struct { const char* jmeno; std::vector<tkrok> kroky; const char* stav; tbody body = {}; } scenare[] = {
      {"ShowingAgainListsAndMarksTheFirstVertices", {{"Edit7", "3"}, {"OK"}, {"ukaz"}},
       "1|50|50|2|150|50|3|100|200|||| 50,50 150,50 100,200",
       {{50, 50, clPurple}, {150, 50, clOlive}, {100, 200, clTeal}, {100, 50, clGray}}},
      {"EntriesMoveVerticesOffTheCanvasTooAndOkDrawsBlack", {{"Edit6", "100"}, {"Edit8", "-100"}, {"OK"}},
       "1|50|100|2|-100|50|3|100|200|||| 50,100 -100,50 100,200",
       {{50, 100, clBlack}, {20, 90, clBlack}, {50, 50, clWhite}, {100, 50, clWhite}}},
      // Each refused box gets back its own text, not the one of the box accepted before it.
      {"RefusalsRestoreAndStoreNothing",
       {{"Edit12", "210"}, {"Edit4", "ab", kNecislo}, {"Edit7", "0", kSpatne}, {"Edit6", "2.5", kNecislo}, {"Edit11", ""}},
       "1|50|50|2|150|50|3|100|210|||| 50,50 150,50 100,210"},
      // A failed conversion stores nothing; a vertex text too long to convert names no vertex.
      {"ConversionErrorsStopOnlyTheirOwnEntry",
       {{"Edit14", "50", "'' neni platne cele cislo"}, {"Edit4", "9999999999", "'9999999999' neni platne cele cislo"},
        {"Edit9", "70"}},
       "9999999999|50|50|2|150|70|3|100|200||50|| 50,50 150,70 100,200", {{150, 70, clOlive}, {50, 50, clGray}}},
      // Equal vertex texts show the same place and the upper row's mark; "02" is another text.
      {"RowsWithTheSameVertexTextFollowEachOther",
       {{"Edit10", "2"}, {"Edit11", "200"}, {"Edit13", "02"}, {"Edit15", "150"}, {"Edit8", "210"}},
       "1|50|50|2|210|50|2|210|50|02|200|150| 50,50 210,150 100,200", {{210, 150, clNavy}, {100, 200, clGray}}},
      // The rows keep their texts, checked against the graph as it is now; closing keeps the marks.
      {"GraphOpenedMeanwhile",
       {{"dva.grf"}, {"Edit10", "3", kSpatne}, {"Edit12", "10", kSpatne}, {"Edit8", "250"}, {"zavri"}},
       "1|50|50|2|250|50|3|100|200|||| 200,100 250,200", {{200, 100, clPurple}, {250, 200, clOlive}}},
  };
  for (const auto& scenar : scenare) {
    SCOPED_TRACE(scenar.jmeno);
    TearDown();  // a fresh program
    SetUp();
    Otevri(Soubor("tri.grf"));
    ShowActive(FormXY);
    for (const tkrok& krok : scenar.kroky) {
      const std::string kde = krok.kde;
      answerer.messages.clear();
      // After a message box the offscreen platform leaves the window inactive.
      if (kde == "ukaz" || (kde[0] == 'E' && !FormXY->isActiveWindow())) ShowActive(FormXY);
      if (kde == "OK") Klikni(FormXY->BitBtn2);
      if (kde == "zavri") FormXY->close();
      if (kde.find(".grf") != std::string::npos) Otevri(Soubor(krok.kde));
      if (kde[0] == 'E') TypeInto(FormXY->findChild<QLineEdit*>(krok.kde), krok.napsano);
      if (kde[0] == 'E') FocusOn(FormXY->Edit1);  // a caption box, which has no handlers
      EXPECT_EQ(std::vector<std::string>(*krok.zprava ? 1 : 0, krok.zprava), answerer.messages) << kde;
    }
    EXPECT_EQ(scenar.stav, Stav());
    for (const auto& [x, y, barva] : scenar.body) EXPECT_EQ(barva, Bod(x, y)) << x << ", " << y;
  }
}

}  // namespace
