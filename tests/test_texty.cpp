// The Help and About windows: how their texts are put together, shown and kept.
#include "support/ProgramWindow.h"
#include "windows/FrmOProgram.h"
#include "windows/frmhelpp.h"
#include "windows/main.h"

#include <QFontInfo>
#include <QScrollBar>
#include <QTest>

namespace {

// Lines are joined, not ended, by '\n'; a run and its text make one line; the result
// is in the program's code page, so the memo gets back what the source wrote.
TEST(SlozText, JoinsLinesAndConvertsToTheProgramsCodePage) {
  const struct { const char* jmeno; std::string text; std::string cekano; } pripady[] = {
      {"OneLineHasNoLineEnd", SlozText({{0, ' ', "a"}}), "a"},
      {"RunThenText", SlozText({{3, '*', ""}, {2, ' ', "x "}}), "***\n  x "},
      {"EmptyLinesStay", SlozText({{0, ' ', ""}, {0, ' ', ""}, {2, ' ', ""}}), "\n\n  "},
      {"CzechLettersInWindows1250", SlozText({{1, ' ', "Nápověda šíř"}}), " N\xE1pov\xEC" "da \x9A\xED\xF8"},
  };
  for (const auto& p : pripady) EXPECT_EQ(p.cekano, p.text) << p.jmeno;
}

using TextyTest = ProgramWindow;

// Opened by its button, typed into and closed by OK, twice: a second showing shows the same.
TEST_F(TextyTest, WindowsShowTheirTextsUnchangedAndKeepThem) {
  const struct {
    QWidget* tlacitko;
    TTextoveOkno* okno;
    int radku;
    int prvniRadek;  // asterisks of the rule on top
    QString nadpis;  // the third line for Help, the second for About
    bool pevnaSirka;
  } pripady[] = {
      {Form1->BitBtn2, Form7, 49, 118, QString(63, u' ') + QString::fromUtf8(u8"Nápověda k programu trivex"), false},
      {Form1->Button4, Form6, 5, 128, QString(76, u' ') + "O Programu", true},
  };
  for (int kolikrat = 1; kolikrat <= 2; ++kolikrat)
    for (const auto& p : pripady) {
      const std::string jmeno = p.okno->objectName().toStdString();
      Klikni(p.tlacitko);
      ASSERT_TRUE(QTest::qWaitForWindowActive(p.okno)) << jmeno;
      TMemo* memo = p.okno->Memo1;
      QTest::keyClicks(memo, "abc\r");
      const QStringList radky = memo->toPlainText().split(u'\n');
      ASSERT_EQ(p.radku, radky.size()) << jmeno;
      EXPECT_EQ(QString(p.prvniRadek, u'*'), radky[0]) << jmeno;
      EXPECT_EQ(p.nadpis, radky[p.pevnaSirka ? 1 : 2]) << jmeno;
      EXPECT_EQ(p.pevnaSirka, QFontInfo(memo->font()).fixedPitch()) << jmeno;
      Klikni(p.okno->BitBtn1);
      EXPECT_FALSE(p.okno->isVisible()) << jmeno;
    }
}

// The help lines are wider than the box: they scroll sideways instead of wrapping.
TEST_F(TextyTest, HelpScrollsInsteadOfWrapping) {
  Klikni(Form1->BitBtn2);
  const TMemo* memo = Form7->Memo1;
  EXPECT_EQ(49, memo->blockCount());
  EXPECT_EQ(49, memo->document()->lineCount()) << "no line is wrapped";
  EXPECT_GT(memo->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
