// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The main window as its user meets it: graph files, the path box, the tabs, the file argument,
// saving; and long random sessions begun there.
#include "support/ProgramWindow.h"
#include "windows/frmedvrch.h"
#include "windows/novy.h"
#include "windows/nv.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QScopeGuard>

#include <random>
#include <regex>
#include <typeinfo>

namespace {

const char* const kUvodniTvar = "BitBtn1 BitBtn2 Button1 Button2 Button4 Edit1 Image1 Memo1";
const char* const kSGrafem =
    "BitBtn1 BitBtn2 Button1 Button10 Button11 Button2 Button3 Button4 Button5 Button9 Edit1 Image1 Memo1 TabControl1";

class MainWindow : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    ZapisGraf(Soubor("g.grf"), {{40, 40, ""}, {140, 40, ""}, {140, 140, ""}, {300, 60, ""}, {400, 60, ""}},
              {{1, 2, 3}, {2, 3, 1.5}, {4, 5, 2}});  // two components: the path 1-2-3 and the edge 4-5
    ZapisGraf(Soubor("b.grf"), {{300, 200, "b"}}, {});
  }
  void OcekavejG(TColor barva, const std::string& kdy) {  // vertex 1 and the middle of the edge 1-2 of g
    EXPECT_EQ(std::make_pair(barva, barva), std::make_pair(Bod(40, 40), Bod(90, 40))) << kdy;
  }
};

// At start only the file commands show; the argument, relative here, opens as by "Otevri" once the
// window is shown. A failed open empties graf, hides the tabs and saving, and the box keeps its path.
TEST_F(MainWindow, OpensTheArgumentAndGraphFilesAndReportsTheOthersWithAnEmptyCanvas) {
  EXPECT_TRUE(PrazdnePlatno());
  const QString kun = QString::fromUtf8(u8"žluťoučký kůň.grf");
  ASSERT_TRUE(QFile::copy(Soubor("g.grf"), Soubor(kun)));
  // The folder goes back however the test ends, before the temporary one is removed.
  const auto zpet = qScopeGuard([puvodni = QDir::currentPath()] { QDir::setCurrent(puvodni); });
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  FreeProgramWindows();
  CreateProgramWindows();
  OtevriPriStartu(QFile::encodeName(kun).constData());
  EXPECT_EQ(kUvodniTvar, Viditelne());
  EXPECT_EQ("Zadny graf otevren", Form1->Edit1->GetText()) << "nothing opens before the window is shown";
  ShowActive(Form1);
  QTRY_COMPARE(int(graf.GetPocet()), 5);
  EXPECT_EQ(FromQt(Soubor(kun)), Form1->Edit1->GetText());
  EXPECT_EQ(kSGrafem, Viditelne());
  OcekavejG(clBlack, "argument");

  WriteBytes(Soubor("text.grf"), "graf\r\n");
  Otevri(Soubor("nic.grf"));
  EXPECT_TRUE(PrazdnePlatno()) << "graf emptied";
  Otevri(Soubor("text.grf"));
  EXPECT_EQ((std::vector<std::string>{" vami vybrany soubor neexistuje ", " vami vybrany soubor obsahuje data negrafu "}),
            answerer.messages);
  // The commands of the graph file the box still names, less the tabs and saving.
  EXPECT_EQ("BitBtn1 BitBtn2 Button1 Button10 Button11 Button2 Button4 Button5 Button9 Edit1 Image1 Memo1", Viditelne());
}

// The box offers the commands of whatever graph file it names and redraws the open graph silver,
// loading nothing, after "Uloz Jako" too, which writes the graph under the name chosen with the
// extension added. A tab changes nothing, a cancelled save or open redraws; Exit leaves no graph.
TEST_F(MainWindow, TypedPathAndSaveAsDecideTheCommandsButLoadNothing) {
  Otevri(Soubor("g.grf"));
  TypeInto(Form1->Edit1, Soubor("b.grf"));
  OcekavejG(clSilver, "path of b typed");
  answerer.ChooseFile(Soubor("kopie"));
  Klikni(Form1->Button3);
  EXPECT_EQ(QString("Zadejte adresu souboru ve kterem bude graf ulozen"), answerer.dialogTitles.back());
  EXPECT_EQ(ReadBytes(Soubor("g.grf")), ReadBytes(Soubor("kopie.grf")));
  OcekavejG(clSilver, "saved");
  ASSERT_TRUE(QFile::remove(Soubor("kopie.grf")));
  Zalozka(1);
  EXPECT_EQ(kSGrafem, Viditelne()) << "the box names no graph file now: a tab changes nothing";
  Klikni(Form1->Button3);  // no file planned: the dialog is cancelled
  EXPECT_EQ(kUvodniTvar, Viditelne()) << "save cancelled, the box naming the copy now gone";
  EXPECT_TRUE(PrazdnePlatno());
  Klikni(Form1->Button2);
  OcekavejG(clBlack, "open cancelled");
  Klikni(Form1->BitBtn1);
  EXPECT_EQ(0, graf.GetPocet());
}

// Najdi and Simulace count the components for their spanning-tree commands, wiping the
// count's output and redrawing; Pocet leaves komponent and the picture alone.
TEST_F(MainWindow, EachTabShowsItsCommandsAndCreatesItsModeObject) {
  const std::string kPrikazy = "BitBtn1 BitBtn2 Button10 Button4 Button6 Button7 ", kKonec = "Button9 Edit1 Image1";
  const std::string kVyber = "BitBtn1 BitBtn2 Button1 Button10 Button11 Button2 Button3 Button4 Button5 " + kKonec;
  const struct { int tab; const char *captions, *mode; std::string face; int komponent; } rows[] = {
      {1, " Skore | Nejkratsi kostra | K - Souvislost ", typeid(tnajdi).name(), kPrikazy + kKonec + " Memo1", 2},
      {3, " Koster | Komponent | Barev ", typeid(tpocet).name(), kPrikazy + kKonec + " Memo1", 7},
      {0, " Koster | Komponent | Barev ", "none", kVyber, 7},
      {2, " Kruskal | Jarnik | Boruvka", typeid(tsimulace).name(), kPrikazy + "Button8 " + kKonec + " Memo1", 2},
  };
  Otevri(Soubor("g.grf"));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.tab);
    Klikni(Form1->Button10);  // the identification colours, so that a redraw shows
    graf.SetKomponent(7);
    Form1->Memo1->SetText("stary");
    const QImage pred = Form1->Image1->grab().toImage();
    Zalozka(row.tab);
    EXPECT_EQ(row.face + " TabControl1", Viditelne());
    EXPECT_EQ(row.captions, Form1->Button6->GetCaption() + "|" + Form1->Button7->GetCaption() + "|" +
                                Form1->Button8->GetCaption());
    const tmetoda* mode = metoda.get();
    EXPECT_STREQ(row.mode, mode ? typeid(*mode).name() : "none");
    EXPECT_EQ(row.komponent, graf.GetKomponent());
    EXPECT_EQ(row.tab == 0 ? "stary" : "", Form1->Memo1->GetText());
    if (row.tab == 3) EXPECT_EQ(pred, Form1->Image1->grab().toImage()) << "not redrawn";
    else OcekavejG(clBlack, "redrawn");
  }
}

// Texts typed, Tab and buttons pressed, graphs opened underneath: graf stays a graph and every
// message is one the program knows. TRIVEX_ROBUSTNESS_STEPS and TRIVEX_ROBUSTNESS_SEED (> 0).
TEST_F(MainWindow, RandomSessionKeepsTheGraphWholeAndSaysOnlyKnownTexts) {
  const std::regex zname(" zadal jsi (nekde )?necislo | nezadal jsi cislo |Chyba , zadal jsi spatne cislo vrcholu |"
                         " Program trivex pracuje s grafy s nejvyse 10 vrcholu | vami vybrany soubor neexistuje |"
                         " vami vybrany soubor obsahuje data negrafu |'[^']*' neni platne (cele|realne) cislo");
  Otevri(Soubor("g.grf"));
  std::vector<QWidget*> cile = {Form4->Edit6, Form4->Edit7, Form4->Edit28, Form4->Edit38, Form3->Edit2,
                                Form4->BitBtn2, FormXY->BitBtn2, Form3->BitBtn1, Form3->BitBtn2};
  for (const tslot& s : Form4->sloty) cile.insert(cile.end(), {s.soused, s.delka});
  for (const auto& r : FormXY->radky) cile.insert(cile.end(), {r.vrchol, r.x, r.y});
  const QString kousky[] = {"0", "3", "10", "11", "258", "-1", "2.5", "-0.75", ".", "-", "1e5", "1,5", "abc", " ",
                            "", "007", "99999999999999999999", QString::fromUtf8(u8"kůň")};
  const int kroky = qEnvironmentVariableIntValue("TRIVEX_ROBUSTNESS_STEPS"), kroku = kroky > 0 ? kroky : 300;
  const int semeno = qEnvironmentVariableIntValue("TRIVEX_ROBUSTNESS_SEED"), seed = semeno > 0 ? semeno : 1250;
  std::mt19937 nahoda(seed);
  const auto nahodne = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(nahoda); };
  for (int krok = 1; krok <= kroku; ++krok) {
    QWidget* cil = nahodne(10) ? cile[nahodne(cile.size())] : Form1->Button2;
    ShowActive(cil->window());
    if (!cil->isVisible()) continue;
    answerer.ChooseFile(Soubor(nahodne(2) ? "g.grf" : "nic.grf"));  // for a file dialog the step opens
    if (!dynamic_cast<TEdit*>(cil)) QTest::mouseClick(cil, Qt::LeftButton);
    else if (nahodne(4) == 0) QTest::keyClick(cil, Qt::Key_Tab);
    else TypeInto(cil, kousky[nahodne(std::size(kousky))] + (nahodne(2) ? kousky[nahodne(std::size(kousky))] : ""));
    const int n = graf.GetPocet();
    ASSERT_LE(n, 10) << "seed " << seed << ":" << krok;
    for (std::uint8_t i = 1; i <= n; ++i)
      for (std::uint8_t j = 1; j <= n; ++j) ASSERT_EQ(graf.GetHrana(i, j), graf.GetHrana(j, i)) << "step " << krok;
  }
  for (const std::string& zprava : answerer.messages)
    EXPECT_TRUE(std::regex_match(zprava, zname)) << "'" << zprava << "', seed " << seed;
  EXPECT_GT(answerer.messages.size(), std::size_t(kroku) / 20) << "the refusals were reached, seed " << seed;
}

// A start-up path the program cannot name (a character outside Windows-1250) is said so, and
// no graph opens: not a missing file, not another file.
TEST_F(MainWindow, StartUpPathOutsideTheCodePageIsSaidSoAndOpensNothing) {
  const QString cizi = Soubor(QString::fromUtf8(u8"graf \u0175.grf"));
  ASSERT_TRUE(QFile::copy(Soubor("g.grf"), cizi));
  FreeProgramWindows();
  CreateProgramWindows();
  OtevriPriStartu(QFile::encodeName(cizi).constData());
  ShowActive(Form1);
  QTRY_COMPARE(answerer.messages.size(), std::size_t(1));
  const std::string zprava = answerer.messages[0];
  EXPECT_EQ(0u, zprava.find(FromQt(QStringLiteral("Soubor "))));
  EXPECT_NE(std::string::npos, zprava.find(FromQt(QString::fromUtf8(u8"obsahuje znaky, které program neumí zapsat"))));
  EXPECT_EQ(0, graf.GetPocet());
  EXPECT_EQ(kUvodniTvar, Viditelne());
}

}  // namespace
