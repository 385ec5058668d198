// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The new-graph dialog driven as a user drives it: a count typed, a file chosen in
// the save dialog, the message answered; no file may appear.
#include "windows/novy.h"

#include "support/ProgramWindow.h"
#include "windows/nv.h"

#include <QFile>

namespace {

const char* const kNejvyse = " Program trivex pracuje s grafy s nejvyse 10 vrcholu ";
const char* const kNezadal = " nezadal jsi cislo ";

using NovyGraf = ProgramWindow;

// The path box shows the new path either way (a refused count leaves it no graph file);
// a new graph gets the commands that do not need its file. A cancelled dialog changes nothing.
TEST_F(NovyGraf, CountIsCheckedAfterTheFileIsChosenAndNoFileIsWritten) {
  ZapisGraf(Soubor("stary.grf"), {{120, 45, "start", 1.5}, {200, 90, ""}}, {{1, 2, 5}});
  Otevri(Soubor("stary.grf"));
  const std::string stara = FromQt(Soubor("stary.grf"));
  // Refusals (-1) come first, while the old graph is there; no name: the dialog is cancelled.
  struct { const char *jmeno, *pocet; int vrcholu; const char* zprava; } const pripady[] = {
      {"", "3", -1, ""}, {"Eleven", "11", -1, kNejvyse}, {"WrapsToTenInAByte", "266", -1, kNejvyse},
      {"Negative", "-3", -1, kNezadal}, {"Empty", "", -1, kNezadal},
      {"WrapsToTwoIn32Bits", "4294967298", -1, "'4294967298' neni platne cele cislo"}, {"Ten", "10", 10, ""},
      {"Zero", "0", 0, ""},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.jmeno);
    const bool prijat = p.vrcholu >= 0;
    const QString cesta = Soubor(QString(p.jmeno) + ".grf");
    ShowActive(Form3);
    *p.jmeno ? answerer.ChooseFile(Soubor(p.jmeno)) : answerer.CancelFile();  // the dialog adds the suffix
    TypeInto(Form3->Edit2, p.pocet);
    answerer.messages.clear();
    Klikni(Form3->BitBtn1);
    EXPECT_EQ(std::vector<std::string>(*p.zprava ? 1 : 0, p.zprava), answerer.messages);
    EXPECT_EQ(*p.jmeno ? FromQt(cesta) : stara, Form1->Edit1->GetText());
    EXPECT_EQ(std::make_pair(!prijat, prijat), std::make_pair(Form3->isVisible(), Form4->isVisible()));
    EXPECT_FALSE(QFile::exists(cesta));
    EXPECT_EQ(prijat ? p.vrcholu : 2, graf.GetPocet());
    EXPECT_EQ(prijat ? FromQt(cesta) : stara, GetJmenoSouboru());
    if (!prijat) continue;
    EXPECT_EQ("BitBtn1 BitBtn2 Button1 Button11 Button2 Button3 Button4 Button5 Edit1 Image1 Memo1 TabControl1",
              Viditelne());
    // Kept open from one new graph to the next, the editor must be told the new path all the same.
    EXPECT_EQ(FromQt(cesta), Form4->Edit2->GetText());
  }
}

}  // namespace
