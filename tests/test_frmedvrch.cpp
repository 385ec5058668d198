// The coordinate editor driven as a user drives it: focus moves, typing, the OK
// button and the close box, with the graph, the boxes and the canvas checked.
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "support/TestSupport.h"
#include "windows/frmedvrch.h"
#include "windows/main.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const std::string kNecislo = " zadal jsi nekde necislo ";
const std::string kSpatneCislo = "Chyba , zadal jsi spatne cislo vrcholu ";
using tzpravy = std::vector<std::string>;

constexpr TColor kSeda = RGB(128, 128, 128);
constexpr TColor kFialova = RGB(128, 0, 128);  // marks of rows 1 to 4
constexpr TColor kOlivova = RGB(128, 128, 0);
constexpr TColor kTeal = RGB(0, 128, 128);
constexpr TColor kNavy = RGB(0, 0, 128);

using tpolohy = std::vector<std::pair<int, int>>;

void NastavGraf(const tpolohy& polohy, const std::vector<std::tuple<int, int, double>>& hrany = {}) {
  graf.Clear();
  graf.Init(std::uint8_t(polohy.size()));
  for (std::uint8_t i = 1; i <= polohy.size(); ++i) {
    graf.SetX(i, polohy[i - 1].first);
    graf.SetY(i, polohy[i - 1].second);
  }
  for (const auto& [i, j, d] : hrany) {
    graf.SetHrana(std::uint8_t(i), std::uint8_t(j), d);
    graf.SetHrana(std::uint8_t(j), std::uint8_t(i), d);
  }
}

tpolohy PolohyGrafu() {
  tpolohy polohy;
  for (std::uint8_t i = 1; i <= graf.GetPocet(); ++i) polohy.emplace_back(graf.GetX(i), graf.GetY(i));
  return polohy;
}

QLineEdit* Box(const std::string& jmeno) {
  auto* box = FormXY->findChild<QLineEdit*>(QString::fromStdString(jmeno));
  EXPECT_NE(box, nullptr) << jmeno;
  return box;
}

// The texts of the named boxes ("Edit4 Edit5"), joined by '|'.
std::string Texty(const std::string& jmena) {
  std::string texty;
  for (const QString& jmeno : QString::fromStdString(jmena).split(u' '))
    texty += (texty.empty() ? "" : "|") + Box(jmeno.toStdString())->text().toStdString();
  return texty;
}

// Types into a box and leaves it for a caption box, which has no handlers. After a
// message box the offscreen platform leaves the window inactive, where a window
// manager would hand the activation back.
void Zadej(const std::string& jmeno, const char* text) {
  if (!FormXY->isActiveWindow()) ShowActive(FormXY);
  TypeInto(Box(jmeno), QString::fromLatin1(text));
  FocusOn(Box("Edit1"));
}

TColor Pixel(int x, int y) {
  return Form1->Image1->GetCanvas()->Pixel(x, y);
}

class FormXYTest : public ::testing::Test {
protected:
  void SetUp() override { CreateProgramWindows(); }
  void TearDown() override { FreeProgramWindows(); }
  ModalAnswerer odpovedi;
};

TEST_F(FormXYTest, ShowingFillsTheRowsMarksTheirVerticesAndTabFollowsTheRows) {
  NastavGraf({{20, 30}, {60, 30}, {100, 30}, {140, 30}, {180, 30}}, {{4, 5, 1.0}});
  ShowActive(FormXY);
  EXPECT_EQ(Texty("Edit4 Edit5 Edit6 Edit7 Edit8 Edit13 Edit14 Edit15"), "1|20|30|2|60|4|140|30");
  EXPECT_EQ(Box("Edit2")->text(), QString::fromUtf8("Souřadnice X"));
  EXPECT_EQ(Pixel(20, 30), kFialova);
  EXPECT_EQ(Pixel(60, 30), kOlivova);
  EXPECT_EQ(Pixel(100, 30), kTeal);
  EXPECT_EQ(Pixel(140, 30), kNavy);
  EXPECT_EQ(Pixel(180, 30), kSeda);  // vertex 5 has no row
  EXPECT_EQ(Pixel(160, 30), kSeda);  // edge 4-5

  // Tabbing through unchanged rows leaves every box and complains of nothing.
  FocusOn(FormXY->BitBtn2);
  std::string poradi;
  for (int i = 0; i < 20; ++i) {
    poradi += QApplication::focusWidget()->objectName().toStdString() + ' ';
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(poradi,
            "BitBtn2 Edit2 Edit3 Edit1 Edit4 Edit5 Edit6 Edit7 Edit8 Edit9 Edit10 Edit11 Edit12 Edit13 Edit14 "
            "Edit15 Edit16 Edit17 Edit18 Edit19 ");
  EXPECT_EQ(PolohyGrafu(), (tpolohy{{20, 30}, {60, 30}, {100, 30}, {140, 30}, {180, 30}}));
  EXPECT_TRUE(odpovedi.messages.empty());
}

TEST_F(FormXYTest, ACoordinateMovesTheVertexAndItsEdgesWhereverItFalls) {
  NastavGraf({{50, 50}, {150, 50}}, {{1, 2, 2.0}});
  ShowActive(FormXY);
  Zadej("Edit6", "100");
  EXPECT_EQ(PolohyGrafu(), (tpolohy{{50, 100}, {150, 50}}));
  EXPECT_EQ(Pixel(50, 100), kFialova);
  EXPECT_EQ(Pixel(50, 50), clWhite);
  EXPECT_EQ(Pixel(100, 75), kSeda);  // on the edge from the new position
  EXPECT_EQ(Pixel(100, 50), clWhite);

  Zadej("Edit5", "-100");
  EXPECT_EQ(Pixel(50, 70), kSeda);  // on the edge from (-100, 100) to (150, 50)
  Zadej("Edit9", "5000");
  EXPECT_EQ(PolohyGrafu(), (tpolohy{{-100, 100}, {150, 5000}}));
  EXPECT_EQ(Pixel(150, 50), clWhite);
  EXPECT_TRUE(odpovedi.messages.empty());
}

TEST_F(FormXYTest, RefusedEntriesGetTheTextOfTheBoxLastEnteredBack) {
  const struct {
    const char* nazev;
    const char* box;
    const char* napsano;
    tzpravy zpravy;
  } pripady[] = {
      {"letters as a vertex", "Edit4", "ab", {kNecislo}},   {"vertex 0", "Edit7", "0", {kSpatneCislo}},
      {"vertex 4 of 3", "Edit10", "4", {kSpatneCislo}},     {"signed vertex", "Edit7", "-1", {kNecislo}},
      {"empty vertex", "Edit4", "", {}},                     {"letters in an X", "Edit5", "1x", {kNecislo}},
      {"minus inside a Y", "Edit9", "1-2", {kNecislo}},      {"decimal X", "Edit11", "2.5", {kNecislo}},
      {"empty Y", "Edit12", "", {}},
  };
  const tpolohy polohy = {{20, 30}, {60, 40}, {100, 50}};
  NastavGraf(polohy);
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.nazev);
    FormXY->hide();
    ShowActive(FormXY);
    const std::string predtim = Texty(pripad.box);
    odpovedi.messages.clear();
    Zadej(pripad.box, pripad.napsano);
    EXPECT_EQ(Texty(pripad.box), predtim);
    EXPECT_EQ(odpovedi.messages, pripad.zpravy);
    EXPECT_EQ(PolohyGrafu(), polohy);
  }
}

TEST_F(FormXYTest, AFailedConversionStopsTheHandlerAndStoresNothing) {
  const struct {
    const char* nazev;
    const char* box;
    const char* napsano;
  } pripady[] = {{"X of a row without a vertex", "Edit11", "50"}, {"Y of a row without a vertex", "Edit15", "7"},
                 {"a lone minus", "Edit5", "-"},                  {"X beyond 32 bits", "Edit8", "99999999999"},
                 {"vertex beyond 32 bits", "Edit4", "99999999999"}};
  const tpolohy polohy = {{20, 30}, {60, 40}};
  NastavGraf(polohy);
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.nazev);
    FormXY->hide();
    ShowActive(FormXY);
    odpovedi.messages.clear();
    Zadej(pripad.box, pripad.napsano);
    // Only the general error report, and the box keeps what was typed.
    ASSERT_EQ(odpovedi.messages.size(), 1u);
    EXPECT_NE(odpovedi.messages[0], kNecislo);
    EXPECT_NE(odpovedi.messages[0], kSpatneCislo);
    EXPECT_EQ(Texty(pripad.box), pripad.napsano);
    EXPECT_EQ(PolohyGrafu(), polohy);
  }
  // The overlong vertex number names no vertex; the other rows go on without errors.
  odpovedi.messages.clear();
  Zadej("Edit8", "33");
  EXPECT_TRUE(odpovedi.messages.empty());
  EXPECT_EQ(PolohyGrafu(), (tpolohy{{20, 30}, {33, 40}}));
  EXPECT_EQ(Pixel(33, 40), kOlivova);
  EXPECT_EQ(Pixel(20, 30), kSeda);
}

TEST_F(FormXYTest, RowsNamingTheSameVertexShareItsCoordinatesOnlyByExactText) {
  NastavGraf({{20, 30}, {60, 40}, {100, 50}, {140, 60}});
  ShowActive(FormXY);
  Zadej("Edit10", "2");
  EXPECT_EQ(Texty("Edit11 Edit12"), "60|40");
  EXPECT_EQ(Pixel(60, 40), kOlivova);  // the upper row's colour
  EXPECT_EQ(Pixel(100, 50), kSeda);    // vertex 3 is no longer named
  Zadej("Edit11", "200");
  EXPECT_EQ(Texty("Edit8 Edit9"), "200|40");
  EXPECT_EQ(Pixel(200, 40), kOlivova);

  // "02" names vertex 2 as another text: no copies either way, and the lower row
  // marks the vertex again in its own colour.
  Zadej("Edit13", "02");
  EXPECT_EQ(Texty("Edit14 Edit15"), "200|40");
  EXPECT_EQ(Pixel(200, 40), kNavy);
  Zadej("Edit15", "150");
  EXPECT_EQ(graf.GetY(2), 150);
  EXPECT_EQ(Texty("Edit9 Edit12"), "40|40");
  EXPECT_EQ(Pixel(200, 150), kNavy);
  Zadej("Edit8", "210");
  EXPECT_EQ(Texty("Edit11 Edit14"), "210|200");
  EXPECT_TRUE(odpovedi.messages.empty());
}

TEST_F(FormXYTest, AGraphReplacedWhileTheEditorIsOpenIsCheckedAtEveryEntry) {
  QTemporaryDir adresar;
  const QString ctyri = adresar.filePath("ctyri.grf"), dva = adresar.filePath("dva.grf");
  NastavGraf({{20, 30}, {60, 40}, {100, 50}, {140, 60}});
  SetJmenoSouboru(ctyri.toStdString());
  UlozGraf();
  NastavGraf({{200, 100}, {300, 200}}, {{1, 2, 1.0}});
  SetJmenoSouboru(dva.toStdString());
  UlozGraf();
  ResetProgramState();

  ShowActive(Form1);
  odpovedi.ChooseFile(ctyri);
  Form1->Button2->click();
  ShowActive(FormXY);
  odpovedi.ChooseFile(dva);
  Form1->Button2->click();
  ASSERT_EQ(graf.GetPocet(), 2);

  EXPECT_EQ(Texty("Edit13"), "4");  // the rows keep their texts
  Zadej("Edit14", "10");
  Zadej("Edit13", "4");
  Zadej("Edit12", "10");
  EXPECT_EQ(odpovedi.messages, (tzpravy{kSpatneCislo, kSpatneCislo, kSpatneCislo}));
  EXPECT_EQ(Texty("Edit12 Edit13 Edit14"), "50|4|140");
  Zadej("Edit5", "250");
  EXPECT_EQ(PolohyGrafu(), (tpolohy{{250, 100}, {300, 200}}));
  EXPECT_EQ(Pixel(250, 100), kFialova);
  EXPECT_EQ(Pixel(300, 200), kOlivova);
  EXPECT_EQ(odpovedi.messages.size(), 3u);
}

TEST_F(FormXYTest, OkLeavesTheGraphBlackAndTheCloseBoxLeavesItGray) {
  const struct {
    const char* nazev;
    void (*zavri)();
    TColor vrchol1;
    TColor vrchol5;
  } pripady[] = {
      {"OK", [] { QTest::mouseClick(FormXY->BitBtn2, Qt::LeftButton); }, clBlack, clBlack},
      {"close box", [] { FormXY->close(); }, kFialova, kSeda},
  };
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.nazev);
    NastavGraf({{20, 30}, {60, 40}, {100, 50}, {140, 60}, {180, 70}});
    ShowActive(FormXY);
    TypeInto(Box("Edit6"), "35");
    pripad.zavri();
    EXPECT_FALSE(FormXY->isVisible());
    EXPECT_EQ(Pixel(20, graf.GetY(1)), pripad.vrchol1);
    EXPECT_EQ(Pixel(180, 70), pripad.vrchol5);
  }
  EXPECT_EQ(graf.GetY(1), 30);  // the close box applies nothing
  EXPECT_TRUE(odpovedi.messages.empty());
}

TEST_F(FormXYTest, ShowingAgainMakesTheNewTextTheOneARefusalReturnsTo) {
  NastavGraf({{20, 30}});
  ShowActive(FormXY);
  FocusOn(Box("Edit5"));
  FormXY->close();
  graf.SetX(1, 77);
  ShowActive(FormXY);
  ASSERT_EQ(QApplication::focusWidget(), Box("Edit5"));
  TypeInto(Box("Edit5"), "x");
  FocusOn(Box("Edit1"));
  EXPECT_EQ(Texty("Edit5"), "77");
  EXPECT_EQ(odpovedi.messages, tzpravy{kNecislo});
}

}  // namespace
