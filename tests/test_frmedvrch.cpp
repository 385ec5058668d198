// The coordinate editor driven step by step, with the messages, the boxes, the graph and the canvas checked.
#include "support/ProgramWindow.h"
#include "windows/frmedvrch.h"

namespace {

const char* const kNecislo = " zadal jsi nekde necislo ";
const char* const kSpatne = "Chyba , zadal jsi spatne cislo vrcholu ";

// A step: a box typed into and left, "ukaz", "OK", "zavri" or a graph file opened; the text typed; the one
// message expected; Stav() afterwards (nullptr: as before); pixels and their colours.
struct tkrok {
  const char *kde, *napsano = "", *zprava = "", *stav = nullptr;
  std::vector<std::tuple<int, int, TColor>> body = {};
};

// The texts of Edit4 to Edit15, then the places of the vertices.
std::string Stav() {
  QString stav;
  for (int i = 4; i <= 15; ++i) stav += FormXY->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i))->text() + '|';
  for (int i = 1; i <= graf.GetPocet(); ++i) stav += QStringLiteral(" %1,%2").arg(graf.GetX(i)).arg(graf.GetY(i));
  return stav.toStdString();
}

using FormXYTest = ProgramWindow;

TEST_F(FormXYTest, EntriesMoveVerticesAndRefusalsStoreNothing) {
  ZapisGraf(Soubor("tri.grf"), {{50, 50, ""}, {150, 50, ""}, {100, 200, ""}}, {{1, 2, 1.0}});
  ZapisGraf(Soubor("dva.grf"), {{200, 100, ""}, {300, 200, ""}}, {});
  const tkrok kroky[] = {
      {"tri.grf", "", "", "|||||||||||| 50,50 150,50 100,200"},
      {"ukaz", "", "", "1|50|50|2|150|50|3|100|200|||| 50,50 150,50 100,200",
       {{50, 50, clPurple}, {150, 50, clOlive}, {100, 200, clTeal}, {100, 50, clGray}}},
      {"Edit6", "100", "", "1|50|100|2|150|50|3|100|200|||| 50,100 150,50 100,200",
       {{50, 100, clPurple}, {100, 75, clGray}, {50, 50, clWhite}, {100, 50, clWhite}}},
      // A refusal gives back the text the box held on entering; a failed conversion stores nothing.
      {"Edit4", "ab", kNecislo}, {"Edit7", "0", kSpatne}, {"Edit10", "4", kSpatne}, {"Edit5", "1x", kNecislo},
      {"Edit14", "50", "'' neni platne cele cislo", "1|50|100|2|150|50|3|100|200||50|| 50,100 150,50 100,200"},
      {"Edit4", "9999999999", "'9999999999' neni platne cele cislo",
       "9999999999|50|100|2|150|50|3|100|200||50|| 50,100 150,50 100,200"},
      // A vertex text too long to convert names no vertex; the other rows go on.
      {"Edit9", "70", "", "9999999999|50|100|2|150|70|3|100|200||50|| 50,100 150,70 100,200",
       {{150, 70, clOlive}, {50, 100, clGray}}},
      // Rows naming the same vertex: copies, the upper row's mark; "02" is another text.
      {"Edit10", "2", "", "9999999999|50|100|2|150|70|2|150|70||50|| 50,100 150,70 100,200",
       {{150, 70, clOlive}, {100, 200, clGray}}},
      {"Edit11", "200", "", "9999999999|50|100|2|200|70|2|200|70||50|| 50,100 200,70 100,200"},
      {"Edit13", "02", "", "9999999999|50|100|2|200|70|2|200|70|02|200|70| 50,100 200,70 100,200", {{200, 70, clNavy}}},
      {"Edit15", "150", "", "9999999999|50|100|2|200|70|2|200|70|02|200|150| 50,100 200,150 100,200"},
      {"Edit8", "210", "", "9999999999|50|100|2|210|70|2|210|70|02|200|150| 50,100 210,150 100,200"},
      // The close box keeps the gray picture with its marks, OK draws it black.
      {"zavri", "", "", nullptr, {{210, 150, clNavy}, {100, 200, clGray}}},
      {"ukaz", "", "", "1|50|100|2|210|150|3|100|200|||| 50,100 210,150 100,200"},
      {"OK", "", "", nullptr, {{50, 100, clBlack}, {100, 200, clBlack}}}, {"ukaz"},
      // Coordinates off the canvas are stored and drawn where they fall.
      {"Edit5", "-100", "", "1|-100|100|2|210|150|3|100|200|||| -100,100 210,150 100,200", {{24, 120, clGray}}},
      {"Edit9", "5000", "", "1|-100|100|2|210|5000|3|100|200|||| -100,100 210,5000 100,200", {{210, 150, clWhite}}},
      // A graph opened meanwhile is checked at every entry; the rows keep their texts.
      {"dva.grf", "", "", "1|-100|100|2|210|5000|3|100|200|||| 200,100 300,200"},
      {"Edit10", "3", kSpatne}, {"Edit12", "10", kSpatne},
      {"Edit8", "250", "", "1|-100|100|2|250|5000|3|100|200|||| 200,100 250,200",
       {{200, 100, clPurple}, {250, 200, clOlive}}},
  };
  for (const tkrok& krok : kroky) {
    const std::string kde = krok.kde, stav = Stav();
    SCOPED_TRACE(kde + " '" + krok.napsano + "'");
    answerer.messages.clear();
    // After a message box the offscreen platform leaves the window inactive.
    if (kde == "ukaz" || (kde[0] == 'E' && !FormXY->isActiveWindow())) ShowActive(FormXY);
    if (kde == "OK") Klikni(FormXY->BitBtn2);
    if (kde == "zavri") FormXY->close();
    if (kde.find(".grf") != std::string::npos) Otevri(Soubor(krok.kde));
    if (kde[0] == 'E') TypeInto(FormXY->findChild<QLineEdit*>(krok.kde), krok.napsano);
    FocusOn(FormXY->Edit1);  // leaves the box for a caption box, which has no handlers
    EXPECT_EQ(answerer.messages, std::vector<std::string>(*krok.zprava ? 1 : 0, krok.zprava));
    EXPECT_EQ(Stav(), krok.stav ? krok.stav : stav);
    for (const auto& [x, y, barva] : krok.body) EXPECT_EQ(Platno().Pixel(x, y), barva) << x << ", " << y;
  }
}

}  // namespace
