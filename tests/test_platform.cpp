// What the windows rely on from the layer over Qt: when edit boxes run their events,
// how an error in a handler reaches the user, the tab strip, the file dialogs and the
// Windows-1250 texts on screen.
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A window of three edit boxes whose events write to one log, and a button.
class BoxWindow : public ::testing::Test {
protected:
  void SetUp() override {
    const char* names[] = {"Edit1", "Edit2", "Edit3"};
    for (int i = 0; i < 3; ++i) {
      boxes[i] = new TEdit(&form, names[i], 10, 10 + 30 * i);
      const std::string name = names[i];
      boxes[i]->OnEnter = [this, name] { log.push_back("enter " + name); };
      boxes[i]->OnExit = [this, name] { log.push_back("exit " + name); };
    }
    button = new TButton(&form, "Button1", "OK", 200, 10, 80, 25);
    ShowActive(&form);
    FocusOn(boxes[0]);
    log.clear();
  }

  TForm form{"TZkouska", "Zkouska", 0, 0, 320, 140};
  TEdit* boxes[3] = {};
  TButton* button = nullptr;
  Log log;
};

TEST_F(BoxWindow, ChangeRunsBeforeSetTextReturnsAndOnlyWhenTheTextChanges) {
  TEdit* box = boxes[1];
  Log seen;
  box->OnChange = [&] { seen.push_back(box->GetText()); };
  FocusOn(box);

  struct Step {
    const char* name;
    std::function<void()> action;
    Log seen;
  };
  const Step steps[] = {
      {"SetText to a new text", [&] { box->SetText("12"); }, {"12"}},
      {"SetText to the same text", [&] { box->SetText("12"); }, {"12"}},
      {"SetText to empty", [&] { box->SetText(""); }, {"12", ""}},
      {"typing two characters", [&] { QTest::keyClicks(box, "ab"); }, {"12", "", "a", "ab"}},
      {"backspace", [&] { QTest::keyClick(box, Qt::Key_Backspace); }, {"12", "", "a", "ab", "a"}},
      {"moving the cursor", [&] { QTest::keyClick(box, Qt::Key_Home); }, {"12", "", "a", "ab", "a"}},
  };
  for (const Step& step : steps) {
    step.action();
    EXPECT_EQ(step.seen, seen) << step.name;
  }
}

TEST_F(BoxWindow, ExitRunsBeforeTheNextBoxEntersForEveryFocusMove) {
  struct Move {
    const char* name;
    std::function<void()> action;
    Log events;
  };
  const Move moves[] = {
      {"Tab", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }, {"exit Edit1", "enter Edit2"}},
      {"Shift+Tab", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier); },
       {"exit Edit2", "enter Edit1"}},
      {"setFocus", [this] { boxes[2]->setFocus(); }, {"exit Edit1", "enter Edit3"}},
      {"click", [this] { QTest::mouseClick(boxes[1], Qt::LeftButton); }, {"exit Edit3", "enter Edit2"}},
      {"click on a button", [this] { QTest::mouseClick(button, Qt::LeftButton); }, {"exit Edit2"}},
      {"click into a box from the button", [this] { QTest::mouseClick(boxes[0], Qt::LeftButton); },
       {"enter Edit1"}},
  };
  for (const Move& move : moves) {
    move.action();
    QApplication::processEvents();
    EXPECT_EQ(move.events, log) << move.name;
    log.clear();
  }
  // A click into the box that already has the focus is no move.
  QTest::mouseClick(boxes[0], Qt::LeftButton);
  EXPECT_EQ(Log(), log);
}

TEST_F(BoxWindow, MessageFromAnExitHandlerRunsNoHandlerTwice) {
  boxes[0]->OnExit = [this] {
    log.push_back("exit Edit1");
    ShowMessage(" spatne cislo ");
  };
  ModalAnswerer answerer;
  QTest::keyClick(boxes[0], Qt::Key_Tab);
  QTest::qWait(50);

  EXPECT_EQ(Log({"exit Edit1", "enter Edit2"}), log);
  EXPECT_EQ(std::vector<std::string>{" spatne cislo "}, answerer.messages);
  EXPECT_EQ(boxes[1], QApplication::focusWidget());
}

TEST_F(BoxWindow, SwitchingToAnotherWindowAndBackRunsNeitherEnterNorExit) {
  TForm other("TJine", "Jine", 400, 0, 200, 100);
  auto* otherBox = new TEdit(&other, "Edit1", 10, 10);
  otherBox->OnEnter = [this] { log.push_back("enter other"); };
  otherBox->OnExit = [this] { log.push_back("exit other"); };

  ShowActive(&other);
  otherBox->setFocus(Qt::ActiveWindowFocusReason);
  ShowActive(&form);
  ShowActive(&other);
  ShowActive(&form);
  QApplication::processEvents();

  EXPECT_EQ(Log(), log);
  EXPECT_EQ(boxes[0], QApplication::focusWidget());
}

// Each row raises an error in a handler; the user gets one report naming what failed,
// the rest of the handler is abandoned, and the next event is handled as usual.
TEST_F(BoxWindow, ErrorInAHandlerIsReportedAndTheProgramGoesOn) {
  struct Row {
    const char* name;
    std::function<void()> fail;
    std::string reportContains;
  };
  const Row rows[] = {
      {"letters as an integer", [] { StrToInt("abc"); }, "abc"},
      {"decimal comma as a real", [] { StrToFloat("1,5"); }, "1,5"},
      {"file error", [] { throw EInOutError("Soubor nelze otevrit: x.grf"); }, "x.grf"},
  };
  for (const Row& row : rows) {
    int started = 0, finished = 0;
    button->OnClick = [&] {
      ++started;
      row.fail();
      ++finished;
    };
    ModalAnswerer answerer;
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_EQ(2, started) << row.name;
    EXPECT_EQ(0, finished) << row.name;
    ASSERT_EQ(2u, answerer.messages.size()) << row.name;
    EXPECT_NE(std::string::npos, answerer.messages[0].find(row.reportContains)) << row.name << ": "
                                                                                 << answerer.messages[0];
  }

  // An error in an exit handler does not stop the focus move.
  boxes[0]->OnExit = [this] {
    log.push_back("exit Edit1");
    StrToInt("12a");
  };
  FocusOn(boxes[0]);
  log.clear();
  ModalAnswerer answerer;
  QTest::keyClick(boxes[0], Qt::Key_Tab);
  QTest::qWait(50);
  EXPECT_EQ(Log({"exit Edit1", "enter Edit2"}), log);
  ASSERT_EQ(1u, answerer.messages.size());
  EXPECT_NE(std::string::npos, answerer.messages[0].find("12a")) << answerer.messages[0];
}

TEST_F(BoxWindow, WindowsTextsAreShownAsUnicodeAndReadBackByteForByte) {
  TEdit* box = boxes[0];
  struct Row {
    const char* name;
    std::string bytes;
    QString shown;
  };
  const Row rows[] = {
      {"s caron", "\x9A", QString(QChar(0x0161))},
      {"c caron", "\xE8", QString(QChar(0x010D))},
      {"r caron", "\xF8", QString(QChar(0x0159))},
      {"capital Z caron", "\x8E", QString(QChar(0x017D))},
      {"u ring", "\xF9", QString(QChar(0x016F))},
      {"t caron", "\x9D", QString(QChar(0x0165))},
      {"euro sign", "\x80", QString(QChar(0x20AC))},
      {"no-break space", "\xA0", QString(QChar(0x00A0))},
  };
  for (const Row& row : rows) {
    box->SetText("x" + row.bytes + "y");
    EXPECT_EQ(QStringLiteral("x") + row.shown + QStringLiteral("y"), box->text()) << row.name;
    EXPECT_EQ("x" + row.bytes + "y", box->GetText()) << row.name;
  }

  // Every byte the program can keep in a comment comes back unchanged.
  std::string all;
  for (int b = 0x20; b <= 0xFF; ++b) all += char(b);
  box->SetText(all);
  EXPECT_EQ(all, box->GetText());

  // Typed Czech letters arrive as their Windows-1250 bytes.
  std::string changed;
  box->OnChange = [&] { changed = box->GetText(); };
  TypeInto(box, QString::fromUtf8(u8"Příliš žluťoučký kůň"));
  EXPECT_EQ("P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2", box->GetText());
  EXPECT_EQ(box->GetText(), changed);

  TMemo memo(&form, "Memo1", 10, 100, 200, 30);
  memo.SetText("Koment\xE1\xF8 \x9A\xE8");
  EXPECT_EQ(QString::fromUtf8(u8"Komentář šč"), memo.toPlainText());
  EXPECT_EQ("Koment\xE1\xF8 \x9A\xE8", memo.GetText());
}

TEST(TabStrip, RunsOnChangeWhenTheUserSelectsATabButNotOnSetTabIndex) {
  TForm form("TZkouska", "Zkouska", 0, 0, 500, 80);
  auto* tabs = new TTabControl(&form, "TabControl1", {"Vyber Grafu", "Najdi", "Simulace", "Pocet"}, 10, 10, 480, 33);
  std::vector<int> seen;
  tabs->OnChange = [&] { seen.push_back(tabs->GetTabIndex()); };
  ShowActive(&form);

  EXPECT_EQ(0, tabs->GetTabIndex());
  tabs->SetTabIndex(2);
  EXPECT_EQ(2, tabs->GetTabIndex());
  EXPECT_EQ(std::vector<int>(), seen);

  QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
  QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(3).center());
  // A click on the tab already selected is no change.
  QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(3).center());
  EXPECT_EQ(std::vector<int>({1, 3}), seen);
  EXPECT_EQ(QStringLiteral("Simulace"), tabs->tabText(2));
}

// The dialogs are answered as a user would: a name typed into the dialog's folder.
TEST(FileDialogs, AppendTheDefaultExtensionStartInTheirFolderAndShowTheirTitle) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  WriteBytes(dir.filePath("stary.grf"), "0\r\n");
  const std::string folder = FromQt(dir.path());

  struct Row {
    const char* name;
    bool save;
    QString typed;
    QString chosen;  // empty: cancelled
  };
  const Row rows[] = {
      {"save, name without extension", true, "novy", dir.filePath("novy.grf")},
      {"save, name with an extension", true, "novy.txt", dir.filePath("novy.txt")},
      {"save, existing file", true, "stary.grf", dir.filePath("stary.grf")},
      {"save, Czech name", true, QString::fromUtf8(u8"kůň"), dir.filePath(QString::fromUtf8(u8"kůň.grf"))},
      {"open, existing file", false, "stary.grf", dir.filePath("stary.grf")},
      {"save, cancelled", true, QString(), QString()},
      {"open, cancelled", false, QString(), QString()},
  };
  for (const Row& row : rows) {
    ModalAnswerer answerer;
    if (row.chosen.isEmpty())
      answerer.CancelFile();
    else
      answerer.ChooseFile(dir.filePath(row.typed));

    std::unique_ptr<TFileDialog> dialog;
    if (row.save)
      dialog = std::make_unique<TSaveDialog>(nullptr);
    else
      dialog = std::make_unique<TOpenDialog>(nullptr);
    dialog->SetTitle("Vyberte soubor s grafem \x9A");
    dialog->SetInitialDir(folder);
    dialog->SetDefaultExt("grf");

    EXPECT_EQ(!row.chosen.isEmpty(), dialog->Execute()) << row.name;
    if (!row.chosen.isEmpty()) {
      EXPECT_EQ(FromQt(row.chosen), dialog->GetFileName()) << row.name;
    }
    ASSERT_EQ(1u, answerer.dialogTitles.size()) << row.name;
    EXPECT_EQ(QString::fromUtf8(u8"Vyberte soubor s grafem š"), answerer.dialogTitles[0]) << row.name;
    EXPECT_EQ(QDir(dir.path()).absolutePath(), answerer.dialogDirectories[0]) << row.name;
    EXPECT_EQ(QStringLiteral("grf"), answerer.dialogSuffixes[0]) << row.name;
  }
  // Choosing a name never creates or replaces a file.
  EXPECT_FALSE(QFile::exists(dir.filePath("novy.grf")));
  EXPECT_EQ("0\r\n", ReadBytes(dir.filePath("stary.grf")));
}

}  // namespace
