// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the windows rely on from the layer over Qt: when edit boxes run their events, how
// an error in a handler reaches the user, the tab strip and Windows-1250 texts on screen.
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "support/TestSupport.h"

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

// OnChange runs at once and only on a change; every byte of a Windows-1250 text comes back.
TEST_F(BoxWindow, TextsChangeAndComeBackByteForByte) {
  for (const char* text : {"12", "12", ""}) boxes[1]->SetText(text);
  EXPECT_EQ(Log({"12", ""}), log);
  QTest::keyClicks(boxes[1], "ab");
  EXPECT_EQ(Log({"12", "", "a", "ab"}), log);
  std::string all;
  for (int b = 0x20; b <= 0xFF; ++b) all += char(b);
  boxes[0]->SetText(all);
  EXPECT_EQ(all, boxes[0]->GetText());
}

// A message box opened by an Exit handler runs no Enter or Exit of its own.
TEST_F(BoxWindow, ExitRunsOnceBeforeTheNextEnterOnEveryFocusMove) {
  boxes[0]->OnExit = [this] { log.push_back("exit Edit1"); ShowMessage(" spatne cislo "); };
  QWidget* const moves[] = {nullptr, boxes[0], button, boxes[2]};  // Tab from Edit1, then clicks
  for (QWidget* t : moves) t ? QTest::mouseClick(t, Qt::LeftButton) : QTest::keyClick(boxes[0], Qt::Key_Tab);
  EXPECT_EQ(Log({"exit Edit1", "enter Edit2", "exit Edit2", "enter Edit1", "exit Edit1", "enter Edit3"}), log);
  EXPECT_EQ(Log(2, " spatne cislo "), answerer.messages);
}

// One report naming what failed; the rest of the handler is abandoned, the next event runs.
TEST_F(BoxWindow, ErrorInAHandlerIsReportedAndTheProgramGoesOn) {
  button->OnClick = [this] { StrToInt(answerer.messages.empty() ? "abc" : "7"); log.push_back("finished"); };
  QTest::mouseClick(button, Qt::LeftButton);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(Log{"'abc' neni platne cele cislo"}, answerer.messages);
  EXPECT_EQ(Log({"exit Edit1", "finished"}), log);
}

TEST_F(BoxWindow, TabStripRunsOnChangeForTheUserButNotForSetTabIndex) {
  tabs->OnChange = [this] { log.push_back(std::to_string(tabs->GetTabIndex())); };
  tabs->SetTabIndex(2);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(Log{"1"}, log);
}

}  // namespace
