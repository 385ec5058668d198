// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The Help and About windows: their texts as shown, kept and laid out.
#include "support/ProgramWindow.h"
#include "windows/FrmOProgram.h"
#include "windows/frmhelpp.h"
#include "windows/main.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTest>

namespace {

using TextyTest = ProgramWindow;

// Opened by its button, typed into and closed by OK, twice: a second showing shows the same.
// The line count fails on a line end after the last line, the title on a run or a Czech
// letter lost on the way through Windows-1250; Help's long lines scroll instead of wrapping.
TEST_F(TextyTest, WindowsShowTheirTextsUnchangedAndKeepThem) {
  const struct { QWidget* tlacitko; TTextoveOkno* okno; int radku, hvezdicek, radekNadpisu; QString nadpis; bool pevnaSirka; }
  pripady[] = {
      {Form1->BitBtn2, Form7, 49, 118, 2, QString(63, u' ') + QString::fromUtf8(u8"Nápověda k programu trivex"), false},
      {Form1->Button4, Form6, 5, 128, 1, QString(76, u' ') + "O Programu", true},
  };
  for (int kolikrat = 1; kolikrat <= 2; ++kolikrat)
    for (const auto& p : pripady) {
      SCOPED_TRACE(p.okno->objectName().toStdString());
      Klikni(p.tlacitko);
      ASSERT_TRUE(QTest::qWaitForWindowActive(p.okno));
      QTest::keyClicks(p.okno->Memo1, "abc\r");
      const QStringList radky = p.okno->Memo1->toPlainText().split(u'\n');
      ASSERT_EQ(p.radku, radky.size());
      EXPECT_EQ(std::string(std::size_t(p.hvezdicek), '*'), radky[0].toStdString());
      EXPECT_EQ(p.nadpis.toStdString(), radky[p.radekNadpisu].toStdString());
      // What the reader sees: About in the system's fixed font, every character of its
      // text as wide as the others so that its columns line up (fontconfig may call a
      // monospaced font "dual" spaced, so the font's own pitch flag proves nothing).
      const QFont pismo = p.okno->Memo1->font();
      const QFont pevne = QFontDatabase::systemFont(QFontDatabase::FixedFont);
      EXPECT_EQ(p.pevnaSirka, QFontInfo(pismo).family() == QFontInfo(pevne).family());
      if (p.pevnaSirka) {
        const QFontMetricsF mira(pismo);
        const QString text = p.okno->Memo1->toPlainText().remove(u'\n');
        for (const QChar znak : text)
          ASSERT_EQ(mira.horizontalAdvance(u'*'), mira.horizontalAdvance(znak)) << QString(znak).toStdString();
      }
      Klikni(p.okno->BitBtn1);
      EXPECT_FALSE(p.okno->isVisible());
    }
  EXPECT_GT(Form7->Memo1->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
