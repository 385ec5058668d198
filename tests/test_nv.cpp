// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph editor driven as a user drives it: focus moves between its boxes, typed
// texts, message boxes answered, and the highlight read off the main canvas.
#include "windows/nv.h"

#include "support/ProgramWindow.h"

namespace {

const std::string kSpatne = "Chyba , zadal jsi spatne cislo vrcholu ";
const std::string kNecislo = " zadal jsi necislo ";
// Slots 1 to 8: the left column top down, then the right one.
constexpr TColor kSlot[] = {clMaroon, clGreen, clNavy, clPurple, clOlive, clTeal, clYellow, clGray};

class EditorGrafu : public ProgramWindow {
protected:
  // Opens the graph in the main window and shows the editor over it.
  void Edituj(const std::vector<TestVrchol>& vrcholy, const std::vector<TestHrana>& hrany = {}) {
    ZapisGraf(Soubor("g.grf"), vrcholy, hrany);
    Otevri(Soubor("g.grf"));
    ShowActive(Form4);
  }
  // Types into a box and leaves it for the OK button, as a click there would.
  static void Zadej(TEdit* edit, const QString& text) { TypeInto(edit, text); FocusOn(Form4->BitBtn2); }
  static const tslot& Slot(int cislo) { return Form4->sloty[std::size_t(cislo - 1)]; }
  // The colour of a vertex's dot below left of its centre, where no segment here crosses it.
  TColor Vrchol(int x, int y) const { return Bod(x - 1, y + 1); }
  // The editor's face in one line: examined vertex, value, comment | each slot's vertex:length.
  static std::string Tvar() {
    std::string s = Form4->Edit7->GetText() + " " + Form4->Edit6->GetText() + " " + Form4->Edit28->GetText() + " |";
    for (const tslot& slot : Form4->sloty) s += " " + slot.soused->GetText() + ":" + slot.delka->GetText();
    return s;
  }
};

TEST_F(EditorGrafu, ShowingListsVerticesTwoToNineAndTheExaminedVertexRefreshesTheSlots) {
  std::vector<TestVrchol> v;
  for (int k = 0; k < 10; ++k) v.push_back({50 + 100 * (k % 5), k < 5 ? 50 : 200, ""});
  v[0].text = "prvni", v[0].hodnota = -1.5, v[5].text = "sesty", v[5].hodnota = 12.75;
  Edituj(v, {{1, 6, 2.5}, {6, 7, 1}});
  EXPECT_EQ("10", Form4->Edit4->GetText());
  EXPECT_EQ("1 -1.5 prvni | 2:0 3:0 4:0 5:0 6:2.5 7:0 8:0 9:0", Tvar());
  for (int s = 1; s <= 8; ++s) EXPECT_EQ(kSlot[s - 1], Vrchol(v[s].x, v[s].y)) << s;
  EXPECT_EQ(clBlue, Vrchol(50, 50));
  EXPECT_EQ(kSlot[4], Bod(50, 125)) << "the edge 1-6 in the colour of vertex 6's slot";

  // Slot 1 names vertex 1; the slots keep their vertices, the rest follows the examined vertex.
  Zadej(Slot(1).soused, "1");
  Zadej(Form4->Edit7, "6");
  EXPECT_EQ("6 12.75 sesty | 1:2.5 3:0 4:0 5:0 6:0 7:1 8:0 9:0", Tvar());
  EXPECT_EQ(clBlue, Vrchol(50, 200)) << "slot 5 names the examined vertex, which is not highlighted";
  EXPECT_EQ(kSlot[0], Bod(50, 125)) << "the edge 6-1 in slot 1's colour";
  Zadej(Form4->Edit28, "novy");
  EXPECT_EQ("novy", graf.GetText(6));
}

// A length reaches the slots with the same text too; a refusal leaves the graph as it was.
TEST_F(EditorGrafu, LengthsGoToBothRowsAndRefusalsGetBackTheirOwnTextAlsoUnderAGraphLoadedSince) {
  ZapisGraf(Soubor("maly.grf"), {{120, 45, "start"}, {200, 90, "", 2.5}}, {{1, 2, 5}});
  // Vertex 3 lies on the edge 1-2, so its white segment shows over that edge.
  Edituj({{100, 50, "", 7.25}, {300, 50, ""}, {200, 50, ""}, {200, 150, ""}}, {{1, 2, 5}, {1, 3, 4}});
  Zadej(Slot(2).delka, "0");
  EXPECT_EQ(std::make_pair(0.0, 0.0), std::make_pair(graf.GetHrana(3, 1), graf.GetHrana(1, 3)));
  EXPECT_EQ(clWhite, Bod(150, 50));

  Zadej(Slot(2).soused, "2");
  Zadej(Slot(1).delka, "7.5");
  EXPECT_EQ("7.5", Slot(2).delka->GetText());
  Zadej(Slot(2).soused, "02");
  Zadej(Slot(1).delka, "9");
  EXPECT_EQ("7.5", Slot(2).delka->GetText()) << "\"02\" is not the text \"2\"";

  Zadej(Slot(1).soused, "99999999999");  // the conversion error, in the refresh of slot 2 below too
  Zadej(Slot(2).soused, "3");
  Zadej(Slot(1).soused, "2");
  EXPECT_EQ(kSlot[0], Vrchol(300, 50)) << "that error must not leave the refresh of the slots off";

  const auto obsah = [] { UlozGraf(); return ReadBytes(ToQt(GetJmenoSouboru())); };  // the graph as its file holds it
  struct tpripad { const char* jmeno; TEdit* edit; const char* text; std::vector<std::string> zpravy; };
  const auto odmitni = [&](const std::vector<tpripad>& pripady) {
    const std::string model = obsah();
    for (const tpripad& p : pripady) {
      const std::string puvodni = p.edit->GetText();
      // Another box with another text is entered first; its text must not come back.
      FocusOn(p.edit == Form4->Edit6 ? Form4->Edit7 : Form4->Edit6);
      FocusOn(p.edit);
      answerer.messages.clear();
      Zadej(p.edit, p.text);
      EXPECT_EQ(puvodni, p.edit->GetText()) << p.jmeno;
      EXPECT_EQ(p.zpravy, answerer.messages) << p.jmeno << ": one box per exit, answered once";
      EXPECT_EQ(model, obsah()) << p.jmeno;
    }
  };
  odmitni({
      {"ExaminedZero", Form4->Edit7, "0", {kSpatne}},
      {"ExaminedLetters", Form4->Edit7, "x", {kNecislo}},
      {"ValueWithComma", Form4->Edit6, "1,5", {kNecislo}},
      {"NeighbourAboveCount", Slot(2).soused, "9", {kSpatne}},
      {"NeighbourWrappingToAByte", Slot(1).soused, "258", {kSpatne}},
      {"NeighbourOfTheSlotCheckingTheExaminedVertexFirst", Slot(3).soused, "a", {kNecislo}},
      {"NeighbourEmpty", Slot(2).soused, "", {}},
      {"LengthLetters", Slot(1).delka, "abc", {kNecislo}},
  });

  // The main window opens a smaller graph while the editor stays open: vertex 4, examined, is gone.
  Zadej(Form4->Edit7, "4");
  Otevri(Soubor("maly.grf"));
  ShowActive(Form4);
  odmitni({
      {"ValueOfAVertexGone", Form4->Edit6, "9", {kSpatne}},
      {"LengthToAVertexGone", Slot(1).delka, "3", {kSpatne}},
      {"NeighbourOfAVertexGone", Slot(1).soused, "1", {kSpatne}},
      {"ExaminedVertexGone", Form4->Edit7, "3", {kSpatne}},
  });
  const std::string nacteno = obsah();
  Zadej(Form4->Edit28, "nikam");
  EXPECT_EQ(nacteno, obsah()) << "the comment has no vertex to go to";

  // Accepting vertex 2 refuses the slots naming vertices gone and draws what is left.
  answerer.messages.clear();
  Zadej(Form4->Edit7, "2");
  EXPECT_EQ(std::vector<std::string>(4, kSpatne), answerer.messages) << "slots 2 and 3, each refreshed twice";
  EXPECT_EQ(clBlue, Vrchol(200, 90));
}

}  // namespace
