// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the windows rely on from the layer over Qt: when edit boxes run their events, how
// an error in a handler reaches the user, the tab strip.
#include "platform/Cesty.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;
class BoxWindow : public ::testing::Test {  // three edit boxes logging their events, a button, a tab strip
protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      const std::string name = "Edit" + std::to_string(i + 1);
      TEdit* box = boxes[i] = new TEdit(&form, name.c_str(), 10, 10 + 30 * i);
      box->OnEnter = [this, name] { log.push_back("enter " + name); };
      box->OnExit = [this, name] { log.push_back("exit " + name); };
      box->OnChange = [this, box] { log.push_back(box->GetText()); };
    }
    ShowActive(&form);
    FocusOn(boxes[0]);
    log.clear();
  }
  TForm form{"TZkouska", "Zkouska", 0, 0, 500, 140};
  TEdit* boxes[3] = {};
  TButton* button = new TButton(&form, "Button1", "OK", 200, 10, 80, 25);
  TTabControl* tabs = new TTabControl(&form, "TabControl1", {"A", "B", "C"}, 200, 50, 280, 33);
  Log log;
  ModalAnswerer answerer;
};

// An edit box's OnChange runs at once and only on a change, a tab strip's only for the user. (The
// code page's every byte is checked with the number texts; the main window shows a Czech path.)
TEST_F(BoxWindow, EditBoxesRunOnChangeOnRealChangesAndTabStripsOnlyForTheUser) {
  tabs->OnChange = [this] { log.push_back("tab " + std::to_string(tabs->GetTabIndex())); };
  for (const char* text : {"12", "12", ""}) boxes[1]->SetText(text);
  QTest::keyClicks(boxes[1], "ab");
  tabs->SetTabIndex(2);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(Log({"12", "", "a", "ab", "tab 1"}), log);
}

// A message box opened by an Exit handler runs no Enter or Exit of its own. An error in a handler is
// reported naming what failed; the rest of that handler is abandoned, the next event runs.
TEST_F(BoxWindow, ExitRunsOnceBeforeTheNextEnterAndAnErrorInAHandlerIsReported) {
  boxes[0]->OnExit = [this] { log.push_back("exit Edit1"); ShowMessage(" spatne cislo "); };
  button->OnClick = [this] { StrToInt("abc"); log.push_back("finished"); };
  QWidget* const moves[] = {nullptr, boxes[0], button, boxes[2]};  // Tab from Edit1, then clicks
  for (QWidget* t : moves) t ? QTest::mouseClick(t, Qt::LeftButton) : QTest::keyClick(boxes[0], Qt::Key_Tab);
  EXPECT_EQ(Log({"exit Edit1", "enter Edit2", "exit Edit2", "enter Edit1", "exit Edit1", "enter Edit3"}), log);
  EXPECT_EQ(Log({" spatne cislo ", " spatne cislo ", "'abc' neni platne cele cislo"}), answerer.messages);
}

// A system path becomes the program's name of it only when that name leads back to the same
// file; a relative one is made absolute as the file dialogs give it.
TEST(ProgramPaths, NameOnlyWhatLeadsBackToTheSameFile) {
  const QString tady = QDir::currentPath();
  const struct { const char* nazev; QString cesta; std::string jmeno; } pripady[] = {
      {"plain", QStringLiteral("/tmp/a.grf"), "/tmp/a.grf"},
      {"Czech", QString::fromUtf8(u8"/tmp/kůň.grf"), FromQt(QString::fromUtf8(u8"/tmp/kůň.grf"))},
      {"relative", QStringLiteral("b.grf"), FromQt(tady + QStringLiteral("/b.grf"))},
      {"outside the code page", QString::fromUtf8(u8"/tmp/\u0175.grf"), ""},
      {"outside, in a folder", QString::fromUtf8(u8"/tmp/\u65e5/a.grf"), ""},
  };
  for (const auto& p : pripady) EXPECT_EQ(p.jmeno, CestaProgramu(p.cesta)) << p.nazev;
}

}  // namespace
