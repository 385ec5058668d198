// The colouring legend as the main window's "Obarvi - legenda" shows it: one row per
// vertex up to ten, with colour, value, degree and comment, reread at every showing.
#include "model/UGraf.h"
#include "platform/Cp1250.h"
#include "support/TestSupport.h"
#include "windows/frminfo.h"
#include "windows/main.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The identification colours of vertices 1 to 10, as the screen shows them.
const std::array<QColor, 10> kBarvy = {QColor(128, 0, 0),     QColor(0, 128, 0),   QColor(128, 128, 0), QColor(0, 0, 255),
                                       QColor(0, 0, 128),     QColor(0, 128, 128), QColor(128, 0, 128),
                                       QColor(128, 128, 128), QColor(0, 0, 0),     QColor(255, 0, 0)};

QLineEdit* Box(int cislo) {
  auto* box = Form2->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(cislo));
  EXPECT_NE(box, nullptr) << cislo;
  return box;
}

// The boxes of vertex k by their names: number, colour, value, score, text.
std::array<QLineEdit*, 5> Radek(int k) {
  return {Box(4 * k), Box(4 * k + 3), Box(4 * k + 1), Box(44 + k), Box(4 * k + 2)};
}

// Texts of column `sloupec` in rows 1 to n, joined by '|'.
std::string Sloupec(int sloupec, int n) {
  std::string texty;
  for (int k = 1; k <= n; ++k) texty += (k > 1 ? "|" : "") + Radek(k)[sloupec]->text().toStdString();
  return texty;
}

void NastavGraf(int n, const std::vector<std::tuple<int, int, double>>& hrany = {}) {
  graf.Clear();
  graf.Init(std::uint8_t(n));
  for (const auto& [i, j, d] : hrany) {
    graf.SetHrana(std::uint8_t(i), std::uint8_t(j), d);
    graf.SetHrana(std::uint8_t(j), std::uint8_t(i), d);
  }
}

class Form2Test : public ::testing::Test {
protected:
  void SetUp() override {
    CreateProgramWindows();
    ShowActive(Form1);
  }
  void TearDown() override { FreeProgramWindows(); }

  void UkazLegendu() {
    Form1->Button9->click();
    ASSERT_TRUE(Form2->isVisible());
  }
  void ZavriLegendu() {
    Form2->BitBtn1->click();
    ASSERT_FALSE(Form2->isVisible());
  }

  ModalAnswerer odpovedi;
};

TEST_F(Form2Test, ShowsARowForEachVertexUpToTen) {
  const struct {
    const char* nazev;
    int vrcholu;
    int radku;
  } pripady[] = {{"empty graph", 0, 0},
                 {"three vertices", 3, 3},
                 {"ten vertices", 10, 10},
                 {"twelve vertices of a hand-made file", 12, 10},
                 {"back to three", 3, 3}};
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.nazev);
    NastavGraf(pripad.vrcholu);
    UkazLegendu();
    for (int k = 1; k <= 10; ++k)
      for (QLineEdit* box : Radek(k)) EXPECT_EQ(!box->isHidden(), k <= pripad.radku) << box->objectName().toStdString();
    for (int k = 1; k <= pripad.radku; ++k) {
      EXPECT_EQ(Radek(k)[0]->text(), QString::number(k));
      EXPECT_EQ(Radek(k)[1]->palette().color(QPalette::Base), kBarvy[k - 1]) << k;
      EXPECT_EQ(Radek(k)[1]->text(), QString());
      EXPECT_EQ(Radek(k)[3]->text(), QStringLiteral("0"));  // no edges
    }
    for (int hlavicka : {1, 2, 3, 44}) EXPECT_FALSE(Box(hlavicka)->isHidden());
    EXPECT_EQ(Box(44)->text(), QStringLiteral("Skore vrcholu"));
    for (QLineEdit* box : Form2->findChildren<QLineEdit*>()) EXPECT_TRUE(box->isReadOnly());
    ZavriLegendu();
  }
  EXPECT_TRUE(odpovedi.messages.empty());
}

TEST_F(Form2Test, RowShowsValueDegreeAndCommentOfItsVertex) {
  // Vertex 1 is joined to all others; a negative length is an edge too, and a
  // vertex's own entry is not.
  NastavGraf(5, {{1, 2, 1.0}, {1, 3, 2.0}, {1, 4, 3.0}, {1, 5, 0.5}, {2, 3, -2.0}});
  graf.SetHrana(4, 4, 9.0);
  const double hodnoty[] = {0.0, -1.5, 2.5, 1E-6, 12.75};
  const char* const texty[] = {"start", "", "uzel č. 3", "  dvě mezery", "konec "};
  for (std::uint8_t k = 1; k <= 5; ++k) {
    graf.SetHodnota(k, hodnoty[k - 1]);
    graf.SetText(k, Utf8ToCp1250(texty[k - 1]));
  }
  UkazLegendu();
  EXPECT_EQ(Sloupec(2, 5), "0|-1.5|2.5|1E-6|12.75");
  EXPECT_EQ(Sloupec(3, 5), "4|2|2|1|1");
  EXPECT_EQ(Sloupec(4, 5), "start||uzel č. 3|  dvě mezery|konec ");
}

TEST_F(Form2Test, AnOpenLegendKeepsItsRowsUntilShownAgain) {
  NastavGraf(2, {{1, 2, 1.0}});
  UkazLegendu();
  NastavGraf(4, {{3, 4, 1.0}, {2, 3, 1.0}});
  graf.SetHodnota(3, 7.5);
  EXPECT_TRUE(Radek(3)[0]->isHidden());
  EXPECT_EQ(Sloupec(3, 2), "1|1");

  ZavriLegendu();
  UkazLegendu();
  EXPECT_EQ(Sloupec(3, 4), "0|1|2|1");
  EXPECT_EQ(Sloupec(2, 4), "0|0|7.5|0");
}

}  // namespace
