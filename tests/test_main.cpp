// The main window as its user meets it: the start face, opening and saving graph
// files, the path box that decides which commands are offered, the identification
// colours, the windows its buttons open, Exit, and a file named on the command line.
#include "windows/main.h"

#include "algorithms/UMetody.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "support/ProgramWindow.h"
#include "windows/FrmOProgram.h"
#include "windows/frmedvrch.h"
#include "windows/frmhelpp.h"
#include "windows/frminfo.h"
#include "windows/novy.h"
#include "windows/nv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using Messages = std::vector<std::string>;

const Names kUvodniTvar = Serazene(
    {"BitBtn1", "BitBtn2", "Button1", "Button2", "Button4", "Edit1", "Image1", "Memo1"});
const Names kTvarSGrafem = Serazene({"BitBtn1", "BitBtn2", "Button1", "Button10", "Button11", "Button2", "Button3",
                                     "Button4", "Button5", "Button9", "Edit1", "Image1", "Memo1", "TabControl1"});

const char* const kNegraf = " vami vybrany soubor obsahuje data negrafu ";
const char* const kNeexistuje = " vami vybrany soubor neexistuje ";

// A path and a triangle missing one side; B lies elsewhere on the canvas.
const std::vector<TestVrchol> kVrcholyA = {{30, 30, "prvni"}, {130, 30, ""}, {130, 100, "t\xF8" "eti"}};
const std::vector<TestHrana> kHranyA = {{1, 2, 2.5}, {2, 3, 4.0}};
const std::vector<TestVrchol> kVrcholyB = {{300, 200, ""}, {400, 260, ""}};

// The file of two vertices joined by an edge of 5, byte for byte as the writer makes it.
const std::string kDvaVrcholy =
    "2\r\n"
    " 0.00000000000000E+0000 120 45  0.00000000000000E+0000  5.00000000000000E+0000 start \x9A\xE8\r\n"
    " 1.25000000000000E+0001 200 95  5.00000000000000E+0000  0.00000000000000E+0000 \r\n";

class MainWindow : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    cestaA = Soubor("a.grf");
    cestaB = Soubor("b.grf");
    ZapisGraf(cestaA, kVrcholyA, kHranyA);
    ZapisGraf(cestaB, kVrcholyB, {});
  }

  // Graph A drawn in one colour: its vertices and the middles of its two edges.
  void OcekavejGrafA(TColor barva, const char* when) {
    const TCanvas& c = Platno();
    for (const TestVrchol& v : kVrcholyA) EXPECT_EQ(barva, c.Pixel(v.x, v.y)) << when;
    EXPECT_EQ(barva, Uprostred(c, 30, 30, 130, 30)) << when;
    EXPECT_EQ(barva, Uprostred(c, 130, 30, 130, 100)) << when;
    EXPECT_EQ(clWhite, Uprostred(c, 30, 30, 130, 100)) << when << ": no edge 1-3";
  }

  std::string Cesta1250(const QString& path) const { return FromQt(path); }

  QString cestaA, cestaB;
};

TEST_F(MainWindow, StartsWithTheFileCommandsOnAnEmptyCanvas) {
  EXPECT_EQ(QStringLiteral("Trivex"), Form1->windowTitle());
  EXPECT_EQ(QRect(135, 0, 870, 780), QRect(Form1->pos(), Form1->size()));
  EXPECT_EQ(kUvodniTvar, Viditelne(Form1));
  EXPECT_EQ("Zadny graf otevren", Form1->Edit1->GetText());
  EXPECT_EQ(QString(), Form1->Memo1->toPlainText());
  EXPECT_TRUE(PrazdnePlatno(Platno()));
  EXPECT_EQ(nullptr, metoda.get());
  EXPECT_EQ(0, Form1->TabControl1->GetTabIndex());

  struct Row {
    QWidget* control;
    QRect place;
    const char* caption;
  };
  const Row rows[] = {
      {Form1->TabControl1, {24, 8, 809, 33}, nullptr},  {Form1->Button1, {32, 64, 113, 57}, "Novy"},
      {Form1->Button2, {176, 64, 113, 57}, "Otevri"},    {Form1->Button3, {328, 64, 113, 57}, "Uloz Jako"},
      {Form1->Button4, {496, 64, 121, 57}, "O Programu"}, {Form1->BitBtn2, {680, 64, 121, 57}, nullptr},
      {Form1->Edit1, {40, 144, 481, 21}, nullptr},       {Form1->Image1, {40, 192, 569, 361}, nullptr},
      {Form1->Button6, {616, 160, 185, 57}, nullptr},    {Form1->Button7, {616, 248, 185, 57}, nullptr},
      {Form1->Button8, {616, 336, 185, 57}, nullptr},    {Form1->Button9, {616, 424, 185, 57}, "Obarvi - legenda"},
      {Form1->Button10, {616, 520, 185, 57}, "Obarvi"},   {Form1->Memo1, {40, 592, 569, 41}, nullptr},
      {Form1->Button5, {48, 648, 145, 73}, "Zmen udaj"}, {Form1->Button11, {256, 648, 145, 73}, "Zmen souradnice"},
      {Form1->BitBtn1, {472, 648, 361, 73}, "Exit"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.place, row.control->geometry()) << row.control->objectName().toStdString();
    if (row.caption) {
      EXPECT_EQ(row.caption, static_cast<TButton*>(row.control)->GetCaption())
          << row.control->objectName().toStdString();
    }
  }
  const QStringList tabs = {"Vyber Grafu", "Najdi", "Simulace", "Pocet"};
  ASSERT_EQ(tabs.size(), Form1->TabControl1->count());
  for (int t = 0; t < tabs.size(); ++t) EXPECT_EQ(tabs[t], Form1->TabControl1->tabText(t));
}

TEST_F(MainWindow, OpeningAGraphFileShowsItsPathTheCommandsAndABlackPicture) {
  Otevri(cestaA);

  EXPECT_EQ(Messages(), answerer.messages);
  EXPECT_EQ(QDir::currentPath(), answerer.dialogDirectories.at(0));
  EXPECT_EQ(Cesta1250(cestaA), Form1->Edit1->GetText());
  EXPECT_EQ(Cesta1250(cestaA), GetJmenoSouboru());
  EXPECT_EQ(kTvarSGrafem, Viditelne(Form1));
  ASSERT_EQ(3, graf.GetPocet());
  EXPECT_EQ("t\xF8" "eti", graf.GetText(3));
  OcekavejGrafA(clBlack, "after open");

  // The image control shows its canvas pixel for pixel.
  const QImage shown = Form1->Image1->grab().toImage();
  ASSERT_EQ(QSize(569, 361), shown.size());
  int different = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const QColor c = shown.pixelColor(x, y);
      if (RGB(c.red(), c.green(), c.blue()) != Platno().Pixel(x, y)) ++different;
    }
  EXPECT_EQ(0, different);
}

// After a file that fails to load, graf is empty and the path of the failed file is the
// current one, but the path box still shows the graph that was open before.
TEST_F(MainWindow, AFileThatIsNoGraphIsReportedAndLeavesAnEmptyCanvas) {
  struct Row {
    const char* name;
    const char* file;
    const char* bytes;  // nullptr: the file does not exist
    const char* message;
  };
  const Row rows[] = {
      {"missing file", "nic.grf", nullptr, kNeexistuje},
      {"text file", "text.grf", "graf\r\n", kNegraf},
      {"empty file", "prazdny.grf", "", kNegraf},
      {"vertex line without its last edge length", "kratky.grf",
       "2\r\n 0.00000000000000E+0000 1 2  0.00000000000000E+0000 \r\n"
       " 0.00000000000000E+0000 3 4  0.00000000000000E+0000  0.00000000000000E+0000 \r\n",
       kNegraf},
  };
  for (const Row& row : rows) {
    Otevri(cestaA);
    const QString path = Soubor(row.file);
    if (row.bytes) WriteBytes(path, row.bytes);
    answerer.messages.clear();

    Otevri(path);

    EXPECT_EQ(Messages{row.message}, answerer.messages) << row.name;
    EXPECT_EQ(0, graf.GetPocet()) << row.name;
    EXPECT_EQ(Cesta1250(path), GetJmenoSouboru()) << row.name;
    EXPECT_EQ(Cesta1250(cestaA), Form1->Edit1->GetText()) << row.name;
    EXPECT_TRUE(Form1->TabControl1->isHidden()) << row.name;
    EXPECT_TRUE(Form1->Button3->isHidden()) << row.name;
    // The path box did not change, so the editing commands stay.
    EXPECT_FALSE(Form1->Button5->isHidden()) << row.name;
    EXPECT_TRUE(PrazdnePlatno(Platno())) << row.name;
  }
}

TEST_F(MainWindow, TheOpenedFileReplacesTheGraphBefore) {
  Otevri(cestaA);
  Otevri(cestaB);
  ASSERT_EQ(2, graf.GetPocet());
  EXPECT_EQ(300, graf.GetX(1));
  EXPECT_EQ(clBlack, Platno().Pixel(300, 200));
  EXPECT_EQ(clWhite, Platno().Pixel(30, 30));
  EXPECT_EQ(Cesta1250(cestaB), Form1->Edit1->GetText());
}

TEST_F(MainWindow, TypedPathDecidesTheCommandsButLoadsNothing) {
  Otevri(cestaA);

  TypeInto(Form1->Edit1, cestaB);
  EXPECT_EQ(kTvarSGrafem, Viditelne(Form1));
  OcekavejGrafA(clSilver, "path of another graph file typed");
  EXPECT_EQ(clWhite, Platno().Pixel(300, 200)) << "the other file is not drawn";
  EXPECT_EQ(3, graf.GetPocet());
  EXPECT_EQ(Cesta1250(cestaA), GetJmenoSouboru());

  QTest::keyClick(Form1->Edit1, Qt::Key_X);
  EXPECT_EQ(kUvodniTvar, Viditelne(Form1));
  EXPECT_TRUE(PrazdnePlatno(Platno()));
  EXPECT_EQ(3, graf.GetPocet());

  QTest::keyClick(Form1->Edit1, Qt::Key_Backspace);
  EXPECT_EQ(kTvarSGrafem, Viditelne(Form1));
  OcekavejGrafA(clSilver, "path completed again");
}

TEST_F(MainWindow, CancelledOpenRedrawsTheGraphInBlack) {
  Otevri(cestaA);
  TypeInto(Form1->Edit1, cestaB);
  OcekavejGrafA(clSilver, "before the cancel");

  answerer.CancelFile();
  Klikni(Form1->Button2);

  OcekavejGrafA(clBlack, "after the cancel");
  EXPECT_EQ(Cesta1250(cestaB), Form1->Edit1->GetText());
  EXPECT_EQ(Cesta1250(cestaA), GetJmenoSouboru());
  EXPECT_EQ(3, graf.GetPocet());
  EXPECT_EQ(Messages(), answerer.messages);
}

TEST_F(MainWindow, SaveAsWritesTheGraphUnderTheChosenNameAndShowsIt) {
  const QString original = Soubor("puvodni.grf");
  WriteBytes(original, kDvaVrcholy);
  struct Row {
    const char* name;
    QString typed;
    QString written;
  };
  const Row rows[] = {
      {"name without extension", "kopie", "kopie.grf"},
      {"name with an extension", "kopie.txt", "kopie.txt"},
      {"Czech name", QString::fromUtf8(u8"kůň"), QString::fromUtf8(u8"kůň.grf")},
      {"the open file itself", "puvodni.grf", "puvodni.grf"},
  };
  for (const Row& row : rows) {
    Otevri(original);
    answerer.dialogTitles.clear();
    answerer.dialogSuffixes.clear();
    answerer.dialogDirectories.clear();

    UlozJako(Soubor(row.typed));

    const QString written = Soubor(row.written);
    EXPECT_EQ(kDvaVrcholy, ReadBytes(written)) << row.name;
    EXPECT_EQ(Cesta1250(written), Form1->Edit1->GetText()) << row.name;
    EXPECT_EQ(Cesta1250(written), GetJmenoSouboru()) << row.name;
    EXPECT_EQ(kTvarSGrafem, Viditelne(Form1)) << row.name;
    EXPECT_EQ(clSilver, Platno().Pixel(120, 45)) << row.name;
    EXPECT_EQ(clSilver, Uprostred(Platno(), 120, 45, 200, 95)) << row.name;
    ASSERT_EQ(1u, answerer.dialogTitles.size()) << row.name;
    EXPECT_EQ(QStringLiteral("Zadejte adresu souboru ve kterem bude graf ulozen"), answerer.dialogTitles[0]);
    EXPECT_EQ(QStringLiteral("grf"), answerer.dialogSuffixes[0]);
    EXPECT_EQ(QDir::currentPath(), answerer.dialogDirectories[0]);
  }
  EXPECT_EQ(Messages(), answerer.messages);
}

// The save-as command ends by running the path box's change handler even when the
// user cancels, so the face and the picture follow what the box names.
TEST_F(MainWindow, CancelledSaveAsStillFollowsThePathBox) {
  Otevri(cestaA);
  OcekavejGrafA(clBlack, "after open");

  answerer.CancelFile();
  Klikni(Form1->Button3);
  OcekavejGrafA(clSilver, "cancelled while the file exists");
  EXPECT_EQ(kTvarSGrafem, Viditelne(Form1));

  ASSERT_TRUE(QFile::remove(cestaA));
  answerer.CancelFile();
  Klikni(Form1->Button3);
  EXPECT_TRUE(PrazdnePlatno(Platno()));
  EXPECT_EQ(kUvodniTvar, Viditelne(Form1));
  EXPECT_EQ(Cesta1250(cestaA), Form1->Edit1->GetText());
  EXPECT_EQ(3, graf.GetPocet());
  EXPECT_EQ(0, answerer.unplannedDialogs);
}

TEST_F(MainWindow, ObarviPaintsEveryVertexInItsOwnColour) {
  std::vector<TestVrchol> deset;
  for (int k = 0; k < 10; ++k) deset.push_back({20 + 50 * k, 40 + 10 * k, ""});
  const QString path = Soubor("deset.grf");
  ZapisGraf(path, deset, {{1, 2, 1.0}});
  const TColor barvy[] = {0x000080, 0x008000, 0x008080, 0xFF0000, 0x800000,
                          0x808000, 0x800080, 0x808080, 0x000000, 0x0000FF};

  struct Row {
    const char* name;
    TButton* button;
    TForm* legend;
  };
  const Row rows[] = {{"Obarvi", Form1->Button10, nullptr}, {"Obarvi - legenda", Form1->Button9, Form2}};
  for (const Row& row : rows) {
    Otevri(path);
    Klikni(row.button);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(barvy[k], Platno().Pixel(deset[k].x, deset[k].y)) << row.name << k + 1;
    EXPECT_EQ(clBlack, Uprostred(Platno(), 20, 40, 70, 50)) << row.name << ": the edge stays";
    if (row.legend) {
      EXPECT_TRUE(row.legend->isVisible()) << row.name;
    }
  }
}

// Each of these buttons opens its window beside the main window, not modally.
TEST_F(MainWindow, ButtonsOpenTheOtherWindowsModeless) {
  Otevri(cestaA);
  struct Row {
    TButton* button;
    TForm* window;
  };
  const Row rows[] = {{Form1->Button1, Form3}, {Form1->Button4, Form6}, {Form1->BitBtn2, Form7},
                      {Form1->Button5, Form4}, {Form1->Button11, FormXY}};
  for (const Row& row : rows) {
    Klikni(row.button);
    EXPECT_TRUE(row.window->isVisible()) << row.window->objectName().toStdString();
    EXPECT_EQ(nullptr, QApplication::activeModalWidget()) << row.window->objectName().toStdString();
    EXPECT_TRUE(Form1->isVisible());
    row.window->Close();
    ShowActive(Form1);
  }
}

// Exit and the closing of the window both release the mode object and empty graf.
TEST_F(MainWindow, ExitClosesTheWindowAndEmptiesTheGraph) {
  struct Row {
    const char* name;
    int tab;  // -1: no tab ever selected
    bool exitButton;
  };
  const Row rows[] = {{"Exit, no tab selected", -1, true},
                      {"Exit on the tab Simulace", 2, true},
                      {"window closed on the tab Pocet", 3, false}};
  for (const Row& row : rows) {
    Restart();
    Otevri(cestaA);
    if (row.tab >= 0) VyberZalozku(row.tab);
    ASSERT_EQ(row.tab >= 0, metoda != nullptr) << row.name;

    if (row.exitButton)
      Klikni(Form1->BitBtn1);
    else
      Form1->close();

    EXPECT_FALSE(Form1->isVisible()) << row.name;
    EXPECT_EQ(0, graf.GetPocet()) << row.name;
    EXPECT_EQ(nullptr, metoda.get()) << row.name;
  }
}

// The only argument names a file that opens once the window is shown, as by "Otevri".
TEST_F(MainWindow, FileNamedOnTheCommandLineOpensAtStart) {
  const QString czech = Soubor(QString::fromUtf8(u8"žluťoučký kůň.grf"));
  ZapisGraf(czech, kVrcholyA, kHranyA);
  WriteBytes(Soubor("text.grf"), "graf\r\n");
  struct Row {
    const char* name;
    QString argument;
    QString shown;  // text of the path box afterwards
    Messages messages;
    int vertices;
  };
  const Row rows[] = {
      {"graph file", cestaA, cestaA, {}, 3},
      {"Czech name", czech, czech, {}, 3},
      {"name relative to the current folder", "a.grf", cestaA, {}, 3},
      {"missing file", Soubor("nic.grf"), "Zadny graf otevren", {kNeexistuje}, 0},
      {"not a graph", Soubor("text.grf"), "Zadny graf otevren", {kNegraf}, 0},
  };
  struct BackToTheFolder {
    QString path = QDir::currentPath();
    ~BackToTheFolder() { QDir::setCurrent(path); }
  } back;
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  for (const Row& row : rows) {
    FreeProgramWindows();
    CreateProgramWindows();
    answerer.messages.clear();
    OtevriPriStartu(QFile::encodeName(row.argument).constData());
    EXPECT_EQ(0, graf.GetPocet()) << row.name << ": nothing opens before the window is shown";

    ShowActive(Form1);
    QTest::qWait(20);

    EXPECT_EQ(row.messages, answerer.messages) << row.name;
    EXPECT_EQ(row.shown, Form1->Edit1->text()) << row.name;
    EXPECT_EQ(row.vertices, graf.GetPocet()) << row.name;
    if (row.vertices == 0) {
      EXPECT_EQ(kUvodniTvar, Viditelne(Form1)) << row.name;
      EXPECT_TRUE(PrazdnePlatno(Platno())) << row.name;
      continue;
    }
    EXPECT_EQ(kTvarSGrafem, Viditelne(Form1)) << row.name;
    OcekavejGrafA(clBlack, row.name);
  }
}

}  // namespace
