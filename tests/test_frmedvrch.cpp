// The coordinate editor driven as a user drives it, one scenario per behaviour, each from
// the same three-vertex graph: messages, boxes, the graph and the canvas checked.
#include "support/ProgramWindow.h"
#include "windows/frmedvrch.h"

namespace {

const char* const kNecislo = " zadal jsi nekde necislo ";
const char* const kSpatne = "Chyba , zadal jsi spatne cislo vrcholu ";
using Zpravy = std::vector<std::string>;
using Body = std::vector<std::tuple<int, int, TColor>>;

class FormXYTest : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    ZapisGraf(Soubor("tri.grf"), {{50, 50, ""}, {150, 50, ""}, {100, 200, ""}}, {{1, 2, 1.0}});
    ZapisGraf(Soubor("dva.grf"), {{200, 100, ""}, {300, 200, ""}}, {});
    Otevri(Soubor("tri.grf"));
    ShowActive(FormXY);
  }
  // Types into EditN and leaves it for a caption box, which has no handlers; returns the messages.
  Zpravy Zadej(int cislo, const char* text) {
    // After a message box the offscreen platform leaves the window inactive.
    if (!FormXY->isActiveWindow()) ShowActive(FormXY);
    answerer.messages.clear();
    TypeInto(FormXY->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(cislo)), text);
    FocusOn(FormXY->Edit1);
    return answerer.messages;
  }
  void OcekavejBody(const Body& body) {
    for (const auto& [x, y, barva] : body) EXPECT_EQ(barva, Bod(x, y)) << x << ", " << y;
  }
};

// The texts of Edit4 to Edit15, then the places of the vertices.
std::string Stav() {
  QString stav;
  for (int i = 4; i <= 15; ++i) stav += FormXY->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i))->text() + '|';
  for (int i = 1; i <= graf.GetPocet(); ++i) stav += QStringLiteral(" %1,%2").arg(graf.GetX(i)).arg(graf.GetY(i));
  return stav.toStdString();
}

TEST_F(FormXYTest, ShowingListsTheFirstVerticesAndAnEntryMovesOne) {
  EXPECT_EQ("1|50|50|2|150|50|3|100|200|||| 50,50 150,50 100,200", Stav());
  OcekavejBody({{50, 50, clPurple}, {150, 50, clOlive}, {100, 200, clTeal}, {100, 50, clGray}});
  EXPECT_EQ(Zpravy{}, Zadej(6, "100"));
  EXPECT_EQ("1|50|100|2|150|50|3|100|200|||| 50,100 150,50 100,200", Stav());
  OcekavejBody({{50, 100, clPurple}, {100, 75, clGray}, {50, 50, clWhite}, {100, 50, clWhite}});
  // Coordinates off the canvas are stored and drawn where they fall.
  Zadej(6, "50");
  Zadej(5, "-100");
  OcekavejBody({{24, 50, clGray}});
  Zadej(9, "5000");
  EXPECT_EQ("1|-100|50|2|150|5000|3|100|200|||| -100,50 150,5000 100,200", Stav());
  OcekavejBody({{24, 50, clWhite}, {150, 50, clWhite}});
}

// A refusal gives back the text the box held on entering, which is not the text typed
// into another box before it.
TEST_F(FormXYTest, RefusedEntryGetsBackItsTextAndStoresNothing) {
  const struct { const char* jmeno; int edit; const char* text; Zpravy zpravy; } pripady[] = {
      {"VertexLetters", 4, "ab", {kNecislo}},     {"VertexZero", 7, "0", {kSpatne}},
      {"VertexAboveCount", 10, "4", {kSpatne}},   {"VertexEmpty", 7, "", {}},
      {"CoordinateLetters", 5, "1x", {kNecislo}}, {"CoordinateEmpty", 11, "", {}},
      {"CoordinateReal", 6, "2.5", {kNecislo}},
  };
  for (const auto& p : pripady) {
    Zadej(12, "200");  // another box, entered and accepted first
    const std::string pred = Stav();
    EXPECT_EQ(p.zpravy, Zadej(p.edit, p.text)) << p.jmeno;
    EXPECT_EQ(pred, Stav()) << p.jmeno;
  }
}

// A failed conversion stops the handler: the box keeps its text, the graph its places, and
// a vertex text too long to convert names no vertex for the marks of the other rows.
TEST_F(FormXYTest, ConversionErrorStoresNothingAndTheOtherRowsGoOn) {
  EXPECT_EQ(Zpravy{"'' neni platne cele cislo"}, Zadej(14, "50"));
  EXPECT_EQ("1|50|50|2|150|50|3|100|200||50|| 50,50 150,50 100,200", Stav());
  EXPECT_EQ(Zpravy{"'9999999999' neni platne cele cislo"}, Zadej(4, "9999999999"));
  EXPECT_EQ(Zpravy{}, Zadej(9, "70"));
  EXPECT_EQ("9999999999|50|50|2|150|70|3|100|200||50|| 50,50 150,70 100,200", Stav());
  OcekavejBody({{150, 70, clOlive}, {50, 50, clGray}});
}

// Rows whose vertex texts are equal show the same place and the mark of the upper row;
// "02" is another text, so its row neither copies nor is copied.
TEST_F(FormXYTest, RowsNamingTheSameVertexTextFollowEachOther) {
  Zadej(10, "2");
  EXPECT_EQ("1|50|50|2|150|50|2|150|50|||| 50,50 150,50 100,200", Stav());
  OcekavejBody({{150, 50, clOlive}, {100, 200, clGray}});
  Zadej(11, "200");
  EXPECT_EQ("1|50|50|2|200|50|2|200|50|||| 50,50 200,50 100,200", Stav());
  Zadej(13, "02");
  OcekavejBody({{200, 50, clNavy}});
  Zadej(15, "150");
  EXPECT_EQ("1|50|50|2|200|50|2|200|50|02|200|150| 50,50 200,150 100,200", Stav());
  Zadej(8, "210");
  EXPECT_EQ("1|50|50|2|210|50|2|210|50|02|200|150| 50,50 210,150 100,200", Stav());
}

// The close box keeps the gray picture with its marks; showing again lists the first
// vertices anew; OK draws the graph black.
TEST_F(FormXYTest, CloseKeepsTheMarksAndOkDrawsTheGraphBlack) {
  Zadej(7, "3");
  FormXY->close();
  OcekavejBody({{100, 200, clOlive}, {150, 50, clGray}});
  ShowActive(FormXY);
  EXPECT_EQ("1|50|50|2|150|50|3|100|200|||| 50,50 150,50 100,200", Stav());
  Klikni(FormXY->BitBtn2);
  EXPECT_FALSE(FormXY->isVisible());
  OcekavejBody({{50, 50, clBlack}, {100, 200, clBlack}, {100, 50, clBlack}});
}

// A smaller graph opened in the main window meanwhile is checked at every entry; the
// rows keep their texts.
TEST_F(FormXYTest, GraphOpenedMeanwhileIsCheckedAtEveryEntry) {
  ShowActive(Form1);
  Otevri(Soubor("dva.grf"));
  EXPECT_EQ("1|50|50|2|150|50|3|100|200|||| 200,100 300,200", Stav());
  EXPECT_EQ(Zpravy{kSpatne}, Zadej(10, "3"));
  EXPECT_EQ(Zpravy{kSpatne}, Zadej(12, "10"));
  EXPECT_EQ(Zpravy{}, Zadej(8, "250"));
  EXPECT_EQ("1|50|50|2|250|50|3|100|200|||| 200,100 250,200", Stav());
  OcekavejBody({{200, 100, clPurple}, {250, 200, clOlive}});
}

}  // namespace
