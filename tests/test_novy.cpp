// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The new-graph dialog driven as a user drives it: a count typed, a file chosen in
// the save dialog, the message answered; no file may appear.
#include "windows/novy.h"

#include "files/USoubor.h"
#include "model/UGraf.h"
#include "support/ProgramWindow.h"
#include "windows/main.h"
#include "windows/nv.h"

#include <QFile>
#include <QTest>

namespace {

const char* const kNejvyse = " Program trivex pracuje s grafy s nejvyse 10 vrcholu ";
const char* const kNezadal = " nezadal jsi cislo ";

class NovyGraf : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    ZapisGraf(Soubor("stary.grf"), {{120, 45, "start", 1.5}, {200, 90, ""}}, {{1, 2, 5}});
    Otevri(Soubor("stary.grf"));
  }
  // Types the count, answers the save dialog with the path (none: cancels it), presses OK.
  void Potvrd(const char* pocet, const QString& cesta) {
    ShowActive(Form3);
    cesta.isEmpty() ? answerer.CancelFile() : answerer.ChooseFile(cesta);
    TypeInto(Form3->Edit2, pocet);
    answerer.messages.clear();
    QTest::mouseClick(Form3->BitBtn1, Qt::LeftButton);
  }
  const std::string stara = FromQt(Soubor("stary.grf"));
};

// The path box shows the new path either way; a new graph gets the commands that do not
// need its file, a refused count those of no graph file.
TEST_F(NovyGraf, CountIsCheckedAfterTheFileIsChosenAndNoFileIsWritten) {
  // Refusals (-1) come first, while the old graph is there.
  struct { const char *jmeno, *pocet; int vrcholu; const char* zprava; } const pripady[] = {
      {"Eleven", "11", -1, kNejvyse}, {"WrapsToTenInAByte", "266", -1, kNejvyse}, {"Negative", "-3", -1, kNezadal},
      {"Empty", "", -1, kNezadal}, {"WrapsToTwoIn32Bits", "4294967298", -1, "'4294967298' neni platne cele cislo"},
      {"LeadingZeros", "007", 7, ""}, {"Ten", "10", 10, ""}, {"Zero", "0", 0, ""},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.jmeno);
    const bool prijat = p.vrcholu >= 0;
    const QString cesta = Soubor(QString(p.jmeno) + ".grf");
    Potvrd(p.pocet, Soubor(p.jmeno));  // the dialog adds the suffix
    EXPECT_EQ(prijat ? std::vector<std::string>{} : std::vector<std::string>{p.zprava}, answerer.messages);
    EXPECT_EQ(FromQt(cesta), Form1->Edit1->GetText());
    EXPECT_EQ(prijat ? "BitBtn1 BitBtn2 Button1 Button11 Button2 Button3 Button4 Button5 Edit1 Image1 Memo1 TabControl1"
                     : "BitBtn1 BitBtn2 Button1 Button2 Button4 Edit1 Image1 Memo1", Viditelne());
    EXPECT_EQ(!prijat, Form3->isVisible());
    EXPECT_EQ(prijat, Form4->isVisible());
    EXPECT_FALSE(QFile::exists(cesta));
    EXPECT_EQ(prijat ? p.vrcholu : 2, graf.GetPocet());
    EXPECT_EQ(prijat ? FromQt(cesta) : stara, GetJmenoSouboru());
    // The editor stays open from one new graph to the next, when showing it runs no
    // showing handler: it must be told the new path all the same.
    if (prijat) { EXPECT_EQ(FromQt(cesta), Form4->Edit2->GetText()); }
  }
}

TEST_F(NovyGraf, CancelledSaveDialogChangesNothing) {
  Potvrd("3", "");
  EXPECT_TRUE(answerer.messages.empty());
  EXPECT_EQ(2, graf.GetPocet());
  EXPECT_EQ(stara, GetJmenoSouboru());
  EXPECT_EQ(stara, Form1->Edit1->GetText());
  EXPECT_TRUE(Form3->isVisible());
}

}  // namespace
