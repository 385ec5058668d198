// The graph editor driven as a user drives it: focus moves between its boxes, typed
// texts, message boxes answered, and the highlight read off the main canvas.
#include "windows/nv.h"

#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Controls.h"
#include "platform/Cp1250.h"
#include "platform/Graphics.h"
#include "support/TestSupport.h"
#include "windows/main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string kSpatne = "Chyba , zadal jsi spatne cislo vrcholu ";
const std::string kNecislo = " zadal jsi necislo ";

constexpr TColor kStribrna = RGB(192, 192, 192);
constexpr TColor kModra = RGB(0, 0, 255);
constexpr TColor kBila = RGB(255, 255, 255);
// The slots' colours in slot order.
constexpr std::array<TColor, 8> kBarvySlotu = {RGB(128, 0, 0),   RGB(0, 128, 0),     RGB(0, 0, 128),
                                               RGB(128, 0, 128), RGB(128, 128, 0),   RGB(0, 128, 128),
                                               RGB(255, 255, 0), RGB(128, 128, 128)};

struct tbod {
  int x, y;
};
struct thranaGrafu {
  int a, b;
  double d;
};

class EditorGrafu : public ::testing::Test {
protected:
  void SetUp() override { CreateProgramWindows(); }
  void TearDown() override { FreeProgramWindows(); }

  // Puts a graph with these vertex positions and edges into graf.
  static void Postav(std::initializer_list<tbod> body, std::initializer_list<thranaGrafu> hrany = {}) {
    graf.Clear();
    graf.Init(std::uint8_t(body.size()));
    std::uint8_t i = 1;
    for (const tbod& bod : body) {
      graf.SetX(i, bod.x);
      graf.SetY(i, bod.y);
      ++i;
    }
    for (const thranaGrafu& h : hrany) {
      graf.SetHrana(std::uint8_t(h.a), std::uint8_t(h.b), h.d);
      graf.SetHrana(std::uint8_t(h.b), std::uint8_t(h.a), h.d);
    }
    SetJmenoSouboru("C:/grafy/pokus.grf");
  }

  static void Otevri(std::initializer_list<tbod> body, std::initializer_list<thranaGrafu> hrany = {}) {
    Postav(body, hrany);
    ShowActive(Form4);
  }

  // Types into a box and leaves it for the OK button, as a click there would.
  static void Zadej(TEdit* edit, const QString& text) {
    FocusOn(edit);
    TypeInto(edit, text);
    FocusOn(Form4->BitBtn2);
  }

  static TColor Bod(int x, int y) { return Form1->Image1->GetCanvas()->Pixel(x, y); }

  // The colour of the dot of the vertex at (x, y): the colour of most of its twelve
  // pixels, since the segments that start at a vertex cross its dot.
  static TColor Vrchol(int x, int y) {
    std::map<TColor, int> pocty;
    for (int dx = -2; dx <= 1; ++dx)
      for (int dy = -2; dy <= 1; ++dy) {
        const bool roh = (dx == -2 || dx == 1) && (dy == -2 || dy == 1);
        if (!roh) ++pocty[Bod(x + dx, y + dy)];
      }
    return std::max_element(pocty.begin(), pocty.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
  }
  static TEdit* Soused(int slot) { return Form4->sloty[std::size_t(slot - 1)].soused; }
  static TEdit* Delka(int slot) { return Form4->sloty[std::size_t(slot - 1)].delka; }

  // Every value, comment and edge entry of graf, to see that nothing changed.
  static std::vector<std::string> Snimek() {
    std::vector<std::string> snimek;
    for (std::uint8_t i = 1; i <= graf.GetPocet(); ++i) {
      std::string radek = std::to_string(graf.GetHodnota(i)) + "|" + graf.GetText(i);
      for (std::uint8_t j = 1; j <= kMaxVrcholu; ++j) radek += "|" + std::to_string(graf.GetHrana(j, i));
      snimek.push_back(radek);
    }
    return snimek;
  }

  ModalAnswerer odpovidac;
};

TEST_F(EditorGrafu, ShowingListsVerticesTwoToNineAndHighlightsTheFirst) {
  Postav({{50, 50}, {150, 50}, {250, 50}, {350, 50}, {450, 50}, {50, 200}, {150, 200}, {250, 200}, {350, 200},
          {450, 200}},
         {{1, 6, 2.5}, {6, 7, 1}});
  graf.SetHodnota(1, -1.5);
  graf.SetText(1, "prvni");
  ShowActive(Form4);

  EXPECT_EQ("C:/grafy/pokus.grf", Form4->Edit2->GetText());
  EXPECT_EQ("10", Form4->Edit4->GetText());
  EXPECT_EQ("1", Form4->Edit7->GetText());
  EXPECT_EQ("-1.5", Form4->Edit6->GetText());
  EXPECT_EQ("prvni", Form4->Edit28->GetText());
  for (int slot = 1; slot <= 8; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(std::to_string(slot + 1), Soused(slot)->GetText());
    EXPECT_EQ(slot + 1 == 6 ? "2.5" : "0", Delka(slot)->GetText());
    const tbod vrchol = slot < 5 ? tbod{50 + 100 * slot, 50} : tbod{50 + 100 * (slot - 5), 200};
    EXPECT_EQ(kBarvySlotu[std::size_t(slot - 1)], Vrchol(vrchol.x, vrchol.y));
  }
  EXPECT_EQ(kModra, Vrchol(50, 50));
  EXPECT_EQ(kStribrna, Vrchol(450, 200)) << "vertex 10 is listed by no slot";
  EXPECT_EQ(kBarvySlotu[4], Bod(50, 125)) << "the edge 1-6 in the colour of vertex 6's slot";
  EXPECT_EQ(kStribrna, Bod(100, 200)) << "the edge 6-7 does not touch vertex 1";
  EXPECT_EQ(kBila, Bod(100, 50)) << "the first showing draws no segment where there is no edge";

  // Vertex 10 is reached only by typing it into a slot.
  Zadej(Soused(8), "10");
  EXPECT_EQ(kBarvySlotu[7], Vrchol(450, 200));
  EXPECT_TRUE(odpovidac.messages.empty());
}

TEST_F(EditorGrafu, OkHidesWithoutRedrawAndTheNextShowingStartsOver) {
  Otevri({{50, 50}, {150, 50}, {250, 50}});
  Zadej(Form4->Edit7, "3");
  ASSERT_EQ(kModra, Vrchol(250, 50));

  QTest::mouseClick(Form4->BitBtn2, Qt::LeftButton);
  EXPECT_FALSE(Form4->isVisible());
  EXPECT_EQ(kModra, Vrchol(250, 50)) << "the highlight stays until something else draws";

  ShowActive(Form4);
  EXPECT_EQ("1", Form4->Edit7->GetText());
  EXPECT_EQ("2", Soused(1)->GetText());
  EXPECT_EQ("3", Soused(2)->GetText());
  EXPECT_EQ(kModra, Vrchol(50, 50));
  EXPECT_EQ(kBarvySlotu[1], Vrchol(250, 50));
}

TEST_F(EditorGrafu, RejectedEntryRestoresTheTextOfTheBoxLastEntered) {
  Postav({{50, 50}, {150, 50}, {250, 50}, {350, 50}}, {{1, 2, 3}});
  graf.SetHodnota(1, 7.25);
  ShowActive(Form4);
  const std::vector<std::string> predtim = Snimek();

  struct {
    const char* jmeno;
    TEdit* edit;
    const char* text;
    std::vector<std::string> zpravy;
  } const pripady[] = {
      {"ExaminedZero", Form4->Edit7, "0", {kSpatne}},
      {"ExaminedAboveCount", Form4->Edit7, "5", {kSpatne}},
      {"ExaminedWrappingToAByte", Form4->Edit7, "258", {kSpatne}},
      {"ExaminedLetters", Form4->Edit7, "x", {kNecislo}},
      {"ExaminedEmpty", Form4->Edit7, "", {}},
      {"ValueWithComma", Form4->Edit6, "1,5", {kNecislo}},
      {"ValueEmpty", Form4->Edit6, "", {}},
      {"NeighbourZero", Soused(1), "0", {kSpatne}},
      {"NeighbourAboveCount", Soused(2), "9", {kSpatne}},
      {"NeighbourWrappingToAByte", Soused(1), "258", {kSpatne}},
      {"NeighbourNegative", Soused(1), "-2", {kNecislo}},
      {"NeighbourOfTheSlotCheckingTheExaminedVertexFirst", Soused(3), "a", {kNecislo}},
      {"NeighbourEmpty", Soused(2), "", {}},
      {"LengthLetters", Delka(1), "abc", {kNecislo}},
      {"LengthTwoPoints", Delka(2), "1.2.3", {kNecislo}},
      {"LengthEmpty", Delka(1), "", {}},
  };
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.jmeno);
    const std::string puvodni = pripad.edit->GetText();
    // Another box with another text is entered first; its text must not come back.
    TEdit* jiny = pripad.edit == Form4->Edit6 ? Form4->Edit7 : Form4->Edit6;
    ASSERT_NE(puvodni, jiny->GetText());
    FocusOn(jiny);
    odpovidac.messages.clear();
    Zadej(pripad.edit, pripad.text);
    EXPECT_EQ(puvodni, pripad.edit->GetText());
    EXPECT_EQ(pripad.zpravy, odpovidac.messages) << "one message per exit, answered";
    EXPECT_EQ(predtim, Snimek());
  }
}

TEST_F(EditorGrafu, ChangingTheExaminedVertexKeepsTheNeighboursAndRefreshesTheRest) {
  Postav({{50, 50}, {50, 250}, {250, 150}, {450, 50}, {450, 250}},
         {{3, 1, 4}, {3, 2, 6}, {3, 5, 8.5}, {1, 2, 1}});
  graf.SetHodnota(3, 12.75);
  graf.SetText(3, "treti");
  graf.SetText(1, "prvni");
  ShowActive(Form4);

  Zadej(Soused(1), "5");
  EXPECT_EQ("0", Delka(1)->GetText());
  Zadej(Form4->Edit7, "3");

  EXPECT_EQ("12.75", Form4->Edit6->GetText());
  EXPECT_EQ("treti", Form4->Edit28->GetText());
  const std::array<const char*, 4> sousede = {"5", "3", "4", "5"};
  const std::array<const char*, 4> delky = {"8.5", "0", "0", "8.5"};
  for (int slot = 1; slot <= 4; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(sousede[std::size_t(slot - 1)], Soused(slot)->GetText());
    EXPECT_EQ(delky[std::size_t(slot - 1)], Delka(slot)->GetText());
  }
  EXPECT_EQ(kModra, Vrchol(250, 150)) << "the slot naming the examined vertex is not drawn";
  EXPECT_EQ(kBarvySlotu[3], Vrchol(450, 250)) << "vertex 5 is in slots 1 and 4: the later one wins";
  EXPECT_EQ(kBarvySlotu[3], Bod(350, 200));
  EXPECT_EQ(kStribrna, Bod(150, 200)) << "vertex 2 is listed no more";

  Zadej(Form4->Edit28, "novy komentar");
  EXPECT_EQ("novy komentar", graf.GetText(3));
  EXPECT_EQ("prvni", graf.GetText(1));
  EXPECT_TRUE(odpovidac.messages.empty());
}

TEST_F(EditorGrafu, SlotsNamingTheSameVertexShareALengthOnlyWhenTheirTextsMatch) {
  Otevri({{50, 50}, {150, 50}, {250, 50}, {350, 50}}, {{1, 2, 5}});
  Zadej(Soused(2), "2");
  EXPECT_EQ("5", Delka(2)->GetText());

  Zadej(Delka(1), "7.5");
  EXPECT_EQ(7.5, graf.GetHrana(2, 1));
  EXPECT_EQ(7.5, graf.GetHrana(1, 2));
  EXPECT_EQ("7.5", Delka(2)->GetText());

  Zadej(Soused(2), "02");
  EXPECT_EQ("7.5", Delka(2)->GetText());
  Zadej(Delka(1), "9");
  EXPECT_EQ(9.0, graf.GetHrana(2, 1));
  EXPECT_EQ("7.5", Delka(2)->GetText()) << "\"02\" is not the text \"2\"";
  EXPECT_EQ(kBarvySlotu[1], Vrchol(150, 50)) << "the later slot names vertex 2 too";
  EXPECT_TRUE(odpovidac.messages.empty());
}

TEST_F(EditorGrafu, ZeroLengthRemovesTheEdgeFromBothRowsAndLeavesAWhiteSegment) {
  // Vertex 3 lies on the edge 1-2, so its white segment shows over that edge.
  Otevri({{100, 50}, {300, 50}, {200, 50}}, {{1, 2, 5}, {1, 3, 4}});
  ASSERT_EQ(kBarvySlotu[1], Bod(150, 50));

  Zadej(Delka(2), "0");
  EXPECT_EQ(0.0, graf.GetHrana(3, 1));
  EXPECT_EQ(0.0, graf.GetHrana(1, 3));
  EXPECT_EQ(kBila, Bod(150, 50));
  EXPECT_EQ(kBarvySlotu[0], Bod(250, 50));
  EXPECT_EQ(kBarvySlotu[1], Vrchol(200, 50));

  Zadej(Delka(1), "-2");
  EXPECT_EQ(-2.0, graf.GetHrana(2, 1));
  EXPECT_EQ(-2.0, graf.GetHrana(1, 2));
  EXPECT_EQ(kBarvySlotu[0], Bod(250, 50)) << "a negative length is an edge";
  EXPECT_TRUE(odpovidac.messages.empty());
}

TEST_F(EditorGrafu, SlotNamingTheExaminedVertexEditsTheDiagonalAndIsNotHighlighted) {
  Otevri({{100, 100}, {200, 100}}, {{1, 2, 1}});
  Zadej(Soused(1), "1");
  EXPECT_EQ("0", Delka(1)->GetText());

  Zadej(Delka(1), "3");
  EXPECT_EQ(3.0, graf.GetHrana(1, 1));
  EXPECT_EQ(1.0, graf.GetHrana(2, 1));
  EXPECT_EQ(kModra, Vrchol(100, 100));
  EXPECT_EQ(kStribrna, Vrchol(200, 100));
  EXPECT_EQ(kStribrna, Bod(150, 100));

  // "01" is not Edit7's text, so the slot is drawn over the examined vertex.
  Zadej(Soused(1), "01");
  EXPECT_EQ(kBarvySlotu[0], Vrchol(100, 100));
  EXPECT_TRUE(odpovidac.messages.empty());
}

TEST_F(EditorGrafu, EmptyGraphOffersNothingToEdit) {
  Otevri({{50, 50}});
  EXPECT_EQ("1", Form4->Edit7->GetText());
  for (int slot = 1; slot <= 8; ++slot) EXPECT_EQ("", Soused(slot)->GetText()) << slot;

  Form4->Close();
  graf.Clear();
  ShowActive(Form4);
  EXPECT_EQ("0", Form4->Edit4->GetText());
  EXPECT_EQ("", Form4->Edit7->GetText());
  EXPECT_EQ("", Form4->Edit6->GetText());
  EXPECT_EQ("", Form4->Edit28->GetText());
  EXPECT_EQ(Utf8ToCp1250("délka hrany"), Form4->Edit13->GetText());

  struct {
    const char* jmeno;
    TEdit* edit;
    const char* text;
    const char* zbude;
    std::vector<std::string> zpravy;
  } const pripady[] = {
      {"Examined", Form4->Edit7, "1", "", {kSpatne}},
      {"Value", Form4->Edit6, "5", "", {kSpatne}},
      {"Comment", Form4->Edit28, "nikam", "nikam", {}},
      {"Neighbour", Soused(1), "1", "", {}},
      {"NeighbourLetters", Soused(1), "x", "", {kNecislo}},
      // This slot looks at the examined vertex first and leaves its own text alone.
      {"NeighbourOfTheSlotCheckingTheExaminedVertexFirst", Soused(3), "x", "x", {}},
      {"Length", Delka(1), "2", "", {}},
  };
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.jmeno);
    odpovidac.messages.clear();
    Zadej(pripad.edit, pripad.text);
    EXPECT_EQ(pripad.zbude, pripad.edit->GetText());
    EXPECT_EQ(pripad.zpravy, odpovidac.messages);
    EXPECT_EQ(0, graf.GetPocet());
  }
}

TEST_F(EditorGrafu, SmallerGraphLoadedWhileTheEditorIsOpenIsNeverReadBeyondItsCount) {
  QTemporaryDir adresar;
  ASSERT_TRUE(adresar.isValid());
  const QString maly = adresar.filePath("maly.grf");
  const QString prazdny = adresar.filePath("prazdny.grf");
  WriteBytes(maly,
             "2\r\n"
             " 0.00000000000000E+0000 120 45  0.00000000000000E+0000  5.00000000000000E+0000 start\r\n"
             " 2.50000000000000E+0000 200 90  5.00000000000000E+0000  0.00000000000000E+0000 \r\n");
  WriteBytes(prazdny, "0\r\n");

  Otevri({{50, 50}, {150, 50}, {250, 50}, {350, 50}, {450, 50}});
  Zadej(Form4->Edit7, "4");
  ASSERT_EQ("4", Form4->Edit7->GetText());

  ShowActive(Form1);
  odpovidac.ChooseFile(maly);
  QTest::mouseClick(Form1->Button2, Qt::LeftButton);
  ASSERT_EQ(2, graf.GetPocet());
  ShowActive(Form4);
  EXPECT_EQ("4", Form4->Edit7->GetText()) << "the editor was not shown anew";
  const std::vector<std::string> nacteno = Snimek();

  struct {
    const char* jmeno;
    TEdit* edit;
    const char* text;
    const char* zbude;
  } const pripady[] = {
      {"ValueOfAVertexGone", Form4->Edit6, "9", "0"},
      {"LengthToAVertexGone", Delka(1), "3", "0"},
      {"NeighbourOfAVertexGone", Soused(1), "1", "2"},
      {"ExaminedVertexGone", Form4->Edit7, "3", "4"},
  };
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.jmeno);
    odpovidac.messages.clear();
    Zadej(pripad.edit, pripad.text);
    EXPECT_EQ(pripad.zbude, pripad.edit->GetText());
    EXPECT_EQ(std::vector<std::string>{kSpatne}, odpovidac.messages);
    EXPECT_EQ(nacteno, Snimek());
  }
  Zadej(Form4->Edit28, "nikam");
  EXPECT_EQ(nacteno, Snimek()) << "vertex 4 is gone: the comment is not stored";

  // Accepting vertex 2 refuses the slots that name vertices gone, and draws only
  // what both graphs have.
  odpovidac.messages.clear();
  Zadej(Form4->Edit7, "2");
  EXPECT_EQ("2", Form4->Edit7->GetText());
  EXPECT_EQ("2.5", Form4->Edit6->GetText());
  EXPECT_EQ("", Form4->Edit28->GetText());
  EXPECT_FALSE(odpovidac.messages.empty());
  for (const std::string& zprava : odpovidac.messages) EXPECT_EQ(kSpatne, zprava);
  EXPECT_EQ(kModra, Vrchol(200, 90));
  EXPECT_EQ(nacteno, Snimek());

  ShowActive(Form1);
  odpovidac.ChooseFile(prazdny);
  QTest::mouseClick(Form1->Button2, Qt::LeftButton);
  ASSERT_EQ(0, graf.GetPocet());
  ShowActive(Form4);
  odpovidac.messages.clear();
  for (TEdit* edit : {Form4->Edit6, Delka(1), Soused(2), Form4->Edit7, Form4->Edit28}) {
    SCOPED_TRACE(edit->objectName().toStdString());
    Zadej(edit, "1");
  }
  EXPECT_EQ(0, graf.GetPocet());
  for (const std::string& zprava : odpovidac.messages) EXPECT_EQ(kSpatne, zprava);
}

TEST_F(EditorGrafu, ConversionErrorInsideACascadeLeavesLaterCascadesWorking) {
  Otevri({{50, 50}, {150, 50}, {250, 50}, {350, 50}});
  Zadej(Soused(1), "99999999999");
  ASSERT_EQ(1u, odpovidac.messages.size());
  EXPECT_NE(std::string::npos, odpovidac.messages[0].find("99999999999"));
  EXPECT_EQ("99999999999", Soused(1)->GetText());

  // The cascade from slot 2 stops at slot 1's number.
  Zadej(Soused(2), "4");
  ASSERT_EQ(2u, odpovidac.messages.size());
  EXPECT_NE(std::string::npos, odpovidac.messages[1].find("99999999999"));

  Zadej(Soused(1), "3");
  EXPECT_EQ(2u, odpovidac.messages.size());
  EXPECT_EQ(kBarvySlotu[0], Vrchol(250, 50)) << "the highlight follows again";
  EXPECT_EQ(kBarvySlotu[2], Vrchol(350, 50));
}

TEST_F(EditorGrafu, TabVisitsTheValueBeforeTheExaminedVertexAndSkipsTheColourBoxes) {
  Otevri({{50, 50}, {150, 50}, {250, 50}});
  const std::vector<std::string> ocekavane = {
      "BitBtn2", "Edit1",  "Edit2",  "Edit3",  "Edit4",  "Edit5",  "Edit6",  "Edit7",  "Edit8",  "Edit9",
      "Edit11",  "Edit12", "Edit14", "Edit15", "Edit17", "Edit18", "Edit20", "Edit21", "Edit10", "Edit13",
      "Edit16",  "Edit19", "Edit22", "Edit23", "Edit24", "Edit25", "Edit26", "Edit27", "Edit28", "Edit38",
      "BitBtn2"};
  FocusOn(Form4->BitBtn2);
  std::vector<std::string> navstivene = {QApplication::focusWidget()->objectName().toStdString()};
  for (std::size_t k = 1; k < ocekavane.size(); ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    navstivene.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  EXPECT_EQ(ocekavane, navstivene);
  EXPECT_TRUE(odpovidac.messages.empty());
}

}  // namespace
