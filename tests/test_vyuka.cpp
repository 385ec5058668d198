// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The lesson a teacher paces in the running program: steps revealed one by one, played at a
// set pace, each row's kind and explanation, and the classroom help.
#include "support/ProgramWindow.h"

#include "classroom/Trida.h"
#include "classroom/NapovedaTridy.h"
#include "windows/frmhelpp.h"
#include "classroom/prubeh.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>

namespace {

class Vyuka : public ProgramWindow {
protected:
  void SetUp() override {
    NastaveniTridy()->clear();
    ProgramWindow::SetUp();
    // Two components, ties in each: the runs refuse edges and meet second records.
    ZapisGraf(Soubor("g.grf"),
              {{40, 40, ""}, {200, 60, ""}, {120, 200, ""}, {300, 300, ""}, {420, 60, ""}, {520, 160, ""}, {400, 250, ""}},
              {{1, 2, 2}, {2, 3, 2}, {1, 3, 2}, {3, 4, 1}, {4, 1, 3}, {5, 6, 1}, {6, 7, 1}, {5, 7, 1}});
    ZapisGraf(Soubor("bez-hran.grf"), {{100, 100, ""}}, {});
    Otevri(Soubor("g.grf"));
    Zalozka(2);
    Form1->findChild<QAction*>(QStringLiteral("ActionBezZprav"))->setChecked(true);
  }
  template <class T>
  static T* Okno() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* o = dynamic_cast<T*>(w)) return o;
    return nullptr;
  }
  static TFormPrubeh* Prubeh() { return Okno<TFormPrubeh>(); }
  static QStringList Radky(bool jenViditelne) {
    QStringList radky;
    for (int i = 0; i < Prubeh()->ListKroky->count(); ++i)
      if (!jenViditelne || !Prubeh()->ListKroky->isRowHidden(i)) radky << Prubeh()->ListKroky->item(i)->text();
    return radky;
  }
};

// On by default: only the rows up to the selected one show, the list keeps every row (the
// output line's row shows at the end only); off shows them all. The choice and the pace are remembered.
TEST_F(Vyuka, StepsAreRevealedOneByOneUntilTurnedOff) {
  Klikni(Form1->Button6);
  ShowActive(Prubeh());
  const QStringList vsechny = Radky(false);
  ASSERT_GT(vsechny.size(), 4);
  EXPECT_TRUE(vsechny.last().startsWith("Nejkratsi kostra ma delku : "));
  const struct { const char* nazev; Qt::Key klavesa; int videt; } kroky[] = {
      {"opened on the first row", Qt::Key_unknown, 1}, {"next", Qt::Key_Right, 2},
      {"back hides what comes after", Qt::Key_Left, 1}, {"down reveals the next row too", Qt::Key_Down, 2},
      {"the end shows the result", Qt::Key_End, int(vsechny.size())}, {"the start", Qt::Key_Home, 1},
  };
  for (const auto& k : kroky) {
    if (k.klavesa != Qt::Key_unknown) QTest::keyClick(Prubeh(), k.klavesa);
    EXPECT_EQ(vsechny.mid(0, k.videt), Radky(true)) << k.nazev;
    EXPECT_EQ(vsechny, Radky(false)) << k.nazev << ": hidden, not removed";
  }
  Prubeh()->CheckPostupne->click();
  EXPECT_EQ(vsechny, Radky(true));
  Prubeh()->SpinRychlost->setValue(0.5);
  FreeProgramWindows();
  CreateProgramWindows();
  ShowActive(Form1);
  QTest::keyClick(Form1, Qt::Key_F4);
  EXPECT_FALSE(Prubeh()->CheckPostupne->isChecked());
  EXPECT_EQ(0.5, Prubeh()->SpinRychlost->value());
}

// Every row carries its kind, a sign and its explanation, which shows under the heading; the
// result of a forest names its trees, read from the picture the run drew.
TEST_F(Vyuka, RowsCarryTheirKindAndTheExplanationShowsUnderTheHeading) {
  Klikni(Form1->Button7);  // Jarnik's run meets every kind but a plain message
  QListWidget* seznam = Prubeh()->ListKroky;
  QStringList druhy;
  for (int i = 0; i < seznam->count(); ++i) {
    const QVariant druh = seznam->item(i)->data(Qt::UserRole);
    if (druh.typeId() == QMetaType::QString && !druhy.contains(druh.toString())) druhy << druh.toString();
    EXPECT_FALSE(seznam->item(i)->icon().isNull()) << i;
    Prubeh()->Vyber(i);
    EXPECT_EQ(seznam->item(i)->toolTip(), Prubeh()->LabelVysvetleni->text()) << i;
    EXPECT_FALSE(Prubeh()->LabelVysvetleni->text().isEmpty()) << i;
  }
  EXPECT_EQ("komponenty zarazeni duplikat kruznice vysledek", druhy.join(' ').toStdString()) << "in order of first row";
  EXPECT_TRUE(Prubeh()->LabelVysvetleni->text().contains(QStringLiteral("o 2 stromech")))
      << Prubeh()->LabelVysvetleni->text().toStdString();
}

// Play moves on by itself to the end and stops there; a manual step pauses it; Space plays.
TEST_F(Vyuka, PlayAdvancesToTheEndAndAManualStepPausesIt) {
  Klikni(Form1->Button7);
  TFormPrubeh* p = Prubeh();
  ShowActive(p);
  EXPECT_EQ(2.0, p->SpinRychlost->value());
  p->SpinRychlost->setValue(0.5);
  QTest::keyClick(p, Qt::Key_Space);
  EXPECT_EQ(QStringLiteral("⏸ Pauza"), p->ButtonPrehraj->text());
  QTRY_COMPARE_WITH_TIMEOUT(p->ListKroky->currentRow(), 2, 5000);
  QTest::keyClick(p, Qt::Key_Left);
  EXPECT_EQ(QStringLiteral("▶ Přehrát"), p->ButtonPrehraj->text()) << "a manual step pauses";
  p->ButtonPrehraj->click();
  QTRY_COMPARE_WITH_TIMEOUT(p->ListKroky->currentRow(), p->ListKroky->count() - 1, 10000);
  QTRY_COMPARE(p->ButtonPrehraj->text(), QStringLiteral("▶ Přehrát"));
  p->ButtonPrehraj->click();
  EXPECT_EQ(0, p->ListKroky->currentRow()) << "played from the end, the lesson starts again";
  p->ButtonPrehraj->click();
}

// The test screen leaves no side of the main window free: the step window opens maximised and
// its tooltip names the keys; Esc leaves full screen first, then gives the screen back.
TEST_F(Vyuka, WithoutRoomTheStepWindowOpensMaximisedAndEscClosesIt) {
  Klikni(Form1->Button8);
  TFormPrubeh* p = Prubeh();
  ShowActive(p);
  EXPECT_TRUE(p->windowState() & Qt::WindowMaximized);
  for (const char* klavesa : {"F11", "Esc"}) EXPECT_TRUE(p->toolTip().contains(klavesa)) << p->toolTip().toStdString();
  QTest::keyClick(p, Qt::Key_F11);
  QTRY_VERIFY(p->isFullScreen());
  QTest::keyClick(p, Qt::Key_Escape);
  QTRY_VERIFY(!p->isFullScreen());
  EXPECT_TRUE(p->isVisible()) << "the first Esc only leaves full screen";
  QTest::keyClick(p, Qt::Key_Escape);
  EXPECT_FALSE(p->isVisible());
}

// Without boxes a command that writes only the output line opens the step window on its row.
TEST_F(Vyuka, StepWindowOpensForACommandThatOnlyWritesTheOutputLine) {
  Zalozka(0);
  Otevri(Soubor("bez-hran.grf"));
  Zalozka(2);
  for (QPushButton* tlacitko : {Form1->Button7, Form1->Button8}) {
    if (Prubeh()) Prubeh()->hide();
    Klikni(tlacitko);
    ASSERT_TRUE(Prubeh() && Prubeh()->isVisible()) << tlacitko->text().toStdString();
    EXPECT_EQ(QStringList{"Nejkratsi kostra ma delku : 0"}, Radky(false));
  }
}

// F1 opens the classroom help; it explains every item of the canvas menu by its text and key.
TEST_F(Vyuka, ClassroomHelpExplainsEveryItemOfTheCanvasMenu) {
  QTest::keyClick(Form1, Qt::Key_F1);
  auto* napoveda = Okno<TFormNapovedaTridy>();
  ASSERT_TRUE(napoveda && napoveda->isVisible());
  const QString text = napoveda->TextNapoveda->toPlainText();
  for (const QAction* akce : Form1->findChild<QMenu*>(QStringLiteral("MenuPlatna"))->actions()) {
    if (akce->isSeparator()) continue;
    EXPECT_TRUE(text.contains(akce->text()) && text.contains(akce->shortcut().toString(QKeySequence::NativeText)))
        << akce->objectName().toStdString() << ": its text and its key, where it has one";
  }
  EXPECT_FALSE(Form7->isVisible()) << "the program's own Help stays apart";
  ShowActive(napoveda);
  QTest::keyClick(napoveda->TextNapoveda, Qt::Key_Escape);
  EXPECT_FALSE(napoveda->isVisible()) << "Esc closes it";
}

}  // namespace
