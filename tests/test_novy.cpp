// The new-graph dialog driven as a user drives it: a count typed, a file chosen in
// the save dialog, the messages answered; no file may appear.
#include "windows/novy.h"

#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "support/TestSupport.h"
#include "windows/main.h"
#include "windows/nv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::string kNezadal = " nezadal jsi cislo ";
const std::string kNejvyse = " Program trivex pracuje s grafy s nejvyse 10 vrcholu ";

// Two vertices joined by an edge of length 5; the first has the comment 'start'.
const std::string kStaryGraf =
    "2\r\n"
    " 1.50000000000000E+0000 120 45  0.00000000000000E+0000  5.00000000000000E+0000 start\r\n"
    " 0.00000000000000E+0000 200 90  5.00000000000000E+0000  0.00000000000000E+0000 \r\n";

class NovyGraf : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(adresar.isValid());
    CreateProgramWindows();
    // An old graph, opened from its file in the main window, counted and coloured.
    staraCesta = adresar.filePath("stary.grf");
    WriteBytes(staraCesta, kStaryGraf);
    ShowActive(Form1);
    odpovidac.ChooseFile(staraCesta);
    QTest::mouseClick(Form1->Button2, Qt::LeftButton);
    ASSERT_EQ(2, graf.GetPocet());
    graf.SetKomponent(1);
    graf.SetBarev(2);
    odpovidac.dialogTitles.clear();
    odpovidac.dialogDirectories.clear();
    odpovidac.dialogSuffixes.clear();
    ShowActive(Form3);
  }
  void TearDown() override { FreeProgramWindows(); }

  // Types the count, answers the save dialog with the path and presses OK.
  void Potvrd(const QString& pocet, const QString& cesta) {
    odpovidac.ChooseFile(cesta);
    TypeInto(Form3->Edit2, pocet);
    odpovidac.messages.clear();
    QTest::mouseClick(Form3->BitBtn1, Qt::LeftButton);
  }

  static bool PrikazyGrafu() {
    return Form1->TabControl1->GetVisible() && Form1->Button3->GetVisible() && Form1->Button5->GetVisible() &&
           Form1->Button11->GetVisible();
  }

  static void OcekavejStaryGraf() {
    ASSERT_EQ(2, graf.GetPocet());
    EXPECT_EQ(1.5, graf.GetHodnota(1));
    EXPECT_EQ("start", graf.GetText(1));
    EXPECT_EQ(5.0, graf.GetHrana(2, 1));
    EXPECT_EQ(1, graf.GetKomponent());
  }

  QTemporaryDir adresar;
  QString staraCesta;
  ModalAnswerer odpovidac;
};

TEST_F(NovyGraf, AcceptedCountReplacesTheGraphAndOpensTheEditorWithoutWritingAFile) {
  struct {
    const char* jmeno;
    const char* pocet;
    int vrcholu;
    const char* soubor;
    const char* cesta;  // what the dialog makes of the name typed
  } const pripady[] = {
      {"Three", "3", 3, "tri.grf", "tri.grf"},
      {"LeadingZeros", "007", 7, "sedm", "sedm.grf"},
      {"Ten", "10", 10, "deset.grf", "deset.grf"},
      {"Zero", "0", 0, "nula.grf", "nula.grf"},
  };
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.jmeno);
    ShowActive(Form3);
    const QString cesta = adresar.filePath(pripad.cesta);
    Potvrd(pripad.pocet, adresar.filePath(pripad.soubor));

    EXPECT_TRUE(odpovidac.messages.empty());
    EXPECT_EQ("Zadejte adresu souboru ve kterem bude graf ulozen", odpovidac.dialogTitles.back().toStdString());
    EXPECT_EQ("grf", odpovidac.dialogSuffixes.back().toStdString());
    EXPECT_EQ(QDir::currentPath(), odpovidac.dialogDirectories.back());

    ASSERT_EQ(pripad.vrcholu, graf.GetPocet());
    EXPECT_EQ(0, graf.GetKomponent());
    EXPECT_EQ(0, graf.GetBarev());
    for (std::uint8_t i = 1; i <= graf.GetPocet(); ++i) {
      SCOPED_TRACE(int(i));
      EXPECT_EQ(0.0, graf.GetHodnota(i));
      EXPECT_EQ("", graf.GetText(i));
      EXPECT_EQ(0, graf.GetBarva(i));
      EXPECT_TRUE(graf.GetX(i) >= 0 && graf.GetX(i) < 300) << graf.GetX(i);
      EXPECT_TRUE(graf.GetY(i) >= 0 && graf.GetY(i) < 160) << graf.GetY(i);
      for (std::uint8_t j = 1; j <= kMaxVrcholu; ++j) EXPECT_EQ(0.0, graf.GetHrana(j, i)) << int(j);
    }

    const std::string p = FromQt(cesta);
    EXPECT_EQ(p, GetJmenoSouboru());
    EXPECT_EQ(p, Form1->Edit1->GetText());
    EXPECT_TRUE(PrikazyGrafu());
    EXPECT_FALSE(Form1->Button9->GetVisible()) << "the path names no graph file yet";
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(Form4->isVisible());
    EXPECT_EQ(p, Form4->Edit2->GetText());
    EXPECT_EQ(std::to_string(pripad.vrcholu), Form4->Edit4->GetText());
    EXPECT_FALSE(QFile::exists(cesta));
    Form4->Close();
  }
}

TEST_F(NovyGraf, RefusedCountKeepsTheOldGraphWhileThePathBoxShowsTheNewPath) {
  struct {
    const char* jmeno;
    const char* pocet;
    std::string zprava;  // empty: the conversion error naming the text
  } const pripady[] = {
      {"Eleven", "11", kNejvyse},
      {"WrapsToTenInAByte", "266", kNejvyse},
      {"Negative", "-3", kNezadal},
      {"Real", "2.5", kNezadal},
      {"LeadingBlank", " 3", kNezadal},
      {"Empty", "", kNezadal},
      {"TwelveDigits", "123456789012", ""},
      {"WrapsToTwoInThirtyTwoBits", "4294967298", ""},
  };
  for (const auto& pripad : pripady) {
    SCOPED_TRACE(pripad.jmeno);
    const QString cesta = adresar.filePath(QString("novy_%1.grf").arg(pripad.jmeno));
    Potvrd(pripad.pocet, cesta);

    ASSERT_EQ(1u, odpovidac.messages.size());
    if (pripad.zprava.empty())
      EXPECT_NE(std::string::npos, odpovidac.messages[0].find(pripad.pocet)) << odpovidac.messages[0];
    else
      EXPECT_EQ(pripad.zprava, odpovidac.messages[0]);
    OcekavejStaryGraf();
    EXPECT_EQ(FromQt(staraCesta), GetJmenoSouboru());
    EXPECT_EQ(FromQt(cesta), Form1->Edit1->GetText());
    EXPECT_FALSE(PrikazyGrafu()) << "the new path names no graph file";
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(pripad.pocet, Form3->Edit2->GetText());
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_FALSE(QFile::exists(cesta));
  }
}

TEST_F(NovyGraf, CancelledSaveDialogChangesNothingAndCancelOnlyHides) {
  odpovidac.CancelFile();
  TypeInto(Form3->Edit2, "3");
  odpovidac.messages.clear();
  QTest::mouseClick(Form3->BitBtn1, Qt::LeftButton);

  EXPECT_EQ(1u, odpovidac.dialogTitles.size());
  EXPECT_TRUE(odpovidac.messages.empty());
  OcekavejStaryGraf();
  EXPECT_EQ(FromQt(staraCesta), GetJmenoSouboru());
  EXPECT_EQ(FromQt(staraCesta), Form1->Edit1->GetText());
  EXPECT_TRUE(PrikazyGrafu());
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_FALSE(Form4->isVisible());

  QTest::mouseClick(Form3->BitBtn2, Qt::LeftButton);
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_EQ(1u, odpovidac.dialogTitles.size());
  OcekavejStaryGraf();
}

TEST_F(NovyGraf, ChosenExistingFileIsOnlyNamedNeverReplaced) {
  const QString cesta = adresar.filePath("existujici.grf");
  WriteBytes(cesta, "nejaky obsah\r\n");
  Potvrd("2", cesta);

  EXPECT_EQ("nejaky obsah\r\n", ReadBytes(cesta));
  ASSERT_EQ(2, graf.GetPocet());
  EXPECT_EQ(0.0, graf.GetHrana(2, 1));
  EXPECT_EQ(FromQt(cesta), GetJmenoSouboru());
  EXPECT_EQ(kStaryGraf, ReadBytes(staraCesta));
}

}  // namespace
