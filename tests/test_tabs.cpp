// The tab strip of the main window as its user meets it: the face and the mode object
// of each tab, the component count refreshed on entering "Najdi" and "Simulace", the
// command buttons running the mode object's operations, and tabs that do nothing while
// the path box names no graph file.
#include "windows/main.h"

#include "algorithms/UMetody.h"
#include "model/UGraf.h"
#include "support/ProgramWindow.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using Messages = std::vector<std::string>;

enum { kVyberGrafu, kNajdi, kSimulace, kPocet };

// Two components: the path 1-2-3 and the edge 4-5.
const std::vector<TestVrchol> kVrcholy = {{40, 40, ""}, {140, 40, ""}, {140, 140, ""}, {300, 60, ""}, {400, 60, ""}};
const std::vector<TestHrana> kHrany = {{1, 2, 3.0}, {2, 3, 1.5}, {4, 5, 2.0}};

const Names kPrikazy = Serazene({"BitBtn1", "BitBtn2", "Button10", "Button4", "Button6", "Button7", "Button9",
                                 "Edit1", "Image1", "Memo1", "TabControl1"});
const Names kPrikazySTretim = Serazene({"BitBtn1", "BitBtn2", "Button10", "Button4", "Button6", "Button7", "Button8",
                                        "Button9", "Edit1", "Image1", "Memo1", "TabControl1"});
const Names kVyberGrafuTvar = Serazene({"BitBtn1", "BitBtn2", "Button1", "Button10", "Button11", "Button2", "Button3",
                                        "Button4", "Button5", "Button9", "Edit1", "Image1", "TabControl1"});

class Tabs : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    cesta = Soubor("komponenty.grf");
    ZapisGraf(cesta, kVrcholy, kHrany);
    Otevri(cesta);
    ASSERT_EQ(5, graf.GetPocet());
  }

  // The graph drawn in black: vertices and the middles of the edges.
  bool CernyGraf() const {
    const TCanvas& c = Platno();
    for (const TestVrchol& v : kVrcholy)
      if (c.Pixel(v.x, v.y) != clBlack) return false;
    for (const TestHrana& h : kHrany) {
      const TestVrchol &a = kVrcholy[h.a - 1], &b = kVrcholy[h.b - 1];
      if (Uprostred(c, a.x, a.y, b.x, b.y) != clBlack) return false;
    }
    return true;
  }

  QString cesta;
};

TEST_F(Tabs, EachTabShowsItsCommandsAndCreatesItsModeObject) {
  struct Row {
    const char* name;
    int tab;
    const char *button6, *button7, *button8;
    Names face;
    const std::type_info* mode;  // nullptr: none
  };
  const Row rows[] = {
      {"Najdi", kNajdi, " Skore ", " Nejkratsi kostra ", " K - Souvislost ", kPrikazy, &typeid(tnajdi)},
      {"Simulace", kSimulace, " Kruskal ", " Jarnik ", " Boruvka", kPrikazySTretim, &typeid(tsimulace)},
      {"Pocet", kPocet, " Koster ", " Komponent ", " Barev ", kPrikazy, &typeid(tpocet)},
      {"Simulace again", kSimulace, " Kruskal ", " Jarnik ", " Boruvka", kPrikazySTretim, &typeid(tsimulace)},
      {"Vyber Grafu", kVyberGrafu, " Kruskal ", " Jarnik ", " Boruvka", kVyberGrafuTvar, nullptr},
      {"Pocet from Vyber Grafu", kPocet, " Koster ", " Komponent ", " Barev ", kPrikazy, &typeid(tpocet)},
  };
  for (const Row& row : rows) {
    VyberZalozku(row.tab);

    EXPECT_EQ(row.tab, Form1->TabControl1->GetTabIndex()) << row.name;
    EXPECT_EQ(row.face, Viditelne(Form1)) << row.name;
    EXPECT_EQ(row.button6, Form1->Button6->GetCaption()) << row.name;
    EXPECT_EQ(row.button7, Form1->Button7->GetCaption()) << row.name;
    EXPECT_EQ(row.button8, Form1->Button8->GetCaption()) << row.name;
    if (!row.mode) {
      EXPECT_EQ(nullptr, metoda.get()) << row.name;
      continue;
    }
    ASSERT_NE(nullptr, metoda.get()) << row.name;
    EXPECT_EQ(*row.mode, typeid(*metoda)) << row.name;
  }
  EXPECT_EQ(Messages(), answerer.messages);
}

// The spanning-tree commands read komponent, so entering these tabs counts the
// components; the count's own output line is wiped before the user sees it.
TEST_F(Tabs, NajdiAndSimulaceCountTheComponentsAndClearTheOutput) {
  for (int tab : {kNajdi, kSimulace}) {
    VyberZalozku(kVyberGrafu);
    Klikni(Form1->Button10);  // identification colours
    ASSERT_FALSE(CernyGraf());
    graf.SetKomponent(0);
    Form1->Memo1->SetText("stary vysledek");

    VyberZalozku(tab);

    EXPECT_EQ(2, graf.GetKomponent()) << tab;
    EXPECT_EQ(QString(), Form1->Memo1->toPlainText()) << tab;
    EXPECT_FALSE(Form1->Memo1->isHidden()) << tab;
    EXPECT_TRUE(CernyGraf()) << tab;
  }
}

TEST_F(Tabs, PocetLeavesTheComponentCountAndThePictureAlone) {
  VyberZalozku(kNajdi);
  Klikni(Form1->Button10);
  const std::vector<TColor> picture = Snimek(Platno());
  graf.SetKomponent(7);
  Form1->Memo1->SetText("stary vysledek");

  VyberZalozku(kPocet);

  EXPECT_EQ(7, graf.GetKomponent());
  EXPECT_TRUE(picture == Snimek(Platno()));
  EXPECT_EQ(QString(), Form1->Memo1->toPlainText());

  // Its commands: the spanning-tree count and the component count.
  Klikni(Form1->Button6);
  EXPECT_EQ(QStringLiteral(" Pocet koster v grafu je : 0"), Form1->Memo1->toPlainText());
  Klikni(Form1->Button7);
  EXPECT_EQ(QStringLiteral("Pocet komponent je : 2"), Form1->Memo1->toPlainText());
  EXPECT_EQ(2, graf.GetKomponent());
}

TEST_F(Tabs, NajdiRunsTheScoreAndTheShortestSpanningTreeWithTheSameModeObject) {
  VyberZalozku(kNajdi);
  const tmetoda* mode = metoda.get();

  for (int run = 0; run < 2; ++run) {
    Klikni(Form1->Button6);
    EXPECT_EQ(QStringLiteral("Skore je : 1 - 1 - 1 - 1 - 2"), Form1->Memo1->toPlainText()) << run;
  }
  Klikni(Form1->Button7);
  EXPECT_EQ(QStringLiteral("Nejkratsi kostra ma delku : 6.5"), Form1->Memo1->toPlainText());
  EXPECT_EQ(Messages({" graf ma vice nez 1 komponentu , proto provedu simulaci algoritmu na vsech jeho "
                      "komponentach "}),
            answerer.messages);
  EXPECT_EQ(mode, metoda.get());
}

// While the path box names no graph file the tab strip changes nothing but the
// selected tab: the mode object, the buttons and their captions stay.
TEST_F(Tabs, TabsDoNothingWhileThePathBoxNamesNoGraphFile) {
  struct Row {
    const char* name;
    std::function<void()> spoil;
  };
  const Row rows[] = {
      {"file deleted", [this] { QFile::remove(cesta); }},
      {"file no longer a graph", [this] { WriteBytes(cesta, "5\r\nnic\r\n"); }},
      // The new-graph dialog can show the tab strip while the box still has its text.
      {"no graph opened",
       [] {
         Form1->Edit1->SetText("Zadny graf otevren");
         Form1->TabControl1->SetVisible(true);
       }},
  };
  for (const Row& row : rows) {
    Restart();
    ZapisGraf(cesta, kVrcholy, kHrany);
    Otevri(cesta);
    VyberZalozku(kSimulace);
    const tmetoda* mode = metoda.get();
    ASSERT_NE(nullptr, mode) << row.name;
    row.spoil();
    const Names face = Viditelne(Form1);

    for (int tab : {kPocet, kVyberGrafu, kNajdi}) {
      VyberZalozku(tab);
      EXPECT_EQ(tab, Form1->TabControl1->GetTabIndex()) << row.name;
      EXPECT_EQ(mode, metoda.get()) << row.name << " tab " << tab;
      EXPECT_EQ(face, Viditelne(Form1)) << row.name << " tab " << tab;
      EXPECT_EQ(" Kruskal ", Form1->Button6->GetCaption()) << row.name << " tab " << tab;
    }
  }
}

TEST_F(Tabs, KruskalNarratesEveryStepAndDrawsTheTreeInMaroon) {
  // 1 (50,50) - 2 (250,50) - 3 (250,200) - 4 (450,200), and the diagonal 1-3.
  const QString path = Soubor("kruskal.grf");
  Restart();
  ZapisGraf(path, {{50, 50, ""}, {250, 50, ""}, {250, 200, ""}, {450, 200, ""}},
            {{1, 2, 1.0}, {2, 3, 1.0}, {1, 3, 2.0}, {3, 4, 3.0}});
  Otevri(path);
  VyberZalozku(kSimulace);
  ASSERT_EQ(1, graf.GetKomponent());

  for (int run = 0; run < 2; ++run) {
    answerer.messages.clear();
    Klikni(Form1->Button6);

    EXPECT_EQ(Messages({"barvim hranu - zarazuji do kostry 1 2 s delkou 1",
                        "barvim hranu - zarazuji do kostry 2 3 s delkou 1",
                        "vyhazuji hranu - nepatri do kostry 3 1 s delkou 2",
                        "barvim hranu - zarazuji do kostry 3 4 s delkou 3"}),
              answerer.messages)
        << run;
    EXPECT_EQ(QStringLiteral("Nejkratsi kostra ma delku : 5"), Form1->Memo1->toPlainText()) << run;
    EXPECT_EQ(clMaroon, Uprostred(Platno(), 50, 50, 250, 50)) << run;
    EXPECT_EQ(clMaroon, Uprostred(Platno(), 250, 50, 250, 200)) << run;
    EXPECT_EQ(clMaroon, Uprostred(Platno(), 250, 200, 450, 200)) << run;
    EXPECT_EQ(clSilver, Uprostred(Platno(), 50, 50, 250, 200)) << run << ": the discarded edge";
    EXPECT_EQ(clBlack, Platno().Pixel(450, 200)) << run;
  }
}

}  // namespace
