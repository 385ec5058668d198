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
    // Two components, ties in each: Kruskal refuses, Jarnik and Boruvka meet second records.
    ZapisGraf(Soubor("g.grf"),
              {{40, 40, ""}, {200, 60, ""}, {120, 200, ""}, {300, 300, ""}, {420, 60, ""}, {520, 160, ""}, {400, 250, ""}},
              {{1, 2, 2}, {2, 3, 2}, {1, 3, 2}, {3, 4, 1}, {4, 1, 3}, {5, 6, 1}, {6, 7, 1}, {5, 7, 1}});
    ZapisGraf(Soubor("bez-hran.grf"), {{100, 100, ""}}, {});
    Otevri(Soubor("g.grf"));
    Zalozka(2);
    Akce("ActionBezZprav")->setChecked(true);
  }
  static QAction* Akce(const char* jmeno) { return Form1->findChild<QAction*>(QString::fromLatin1(jmeno)); }
  template <class T>
  static T* Okno() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* o = dynamic_cast<T*>(w)) return o;
    return nullptr;
  }
  static TFormPrubeh* Prubeh() { return Okno<TFormPrubeh>(); }
  static QStringList Viditelne() {
    QStringList radky;
    for (int i = 0; i < Prubeh()->ListKroky->count(); ++i)
      if (!Prubeh()->ListKroky->isRowHidden(i)) radky << Prubeh()->ListKroky->item(i)->text();
    return radky;
  }
  static QStringList Vsechny() {
    QStringList radky;
    for (int i = 0; i < Prubeh()->ListKroky->count(); ++i) radky << Prubeh()->ListKroky->item(i)->text();
    return radky;
  }
};

// On by default: only the rows up to the selected one show, the list keeps every row (the
// output line's row shows at the end only); off shows them all, and the choice is remembered.
TEST_F(Vyuka, StepsAreRevealedOneByOneUntilTurnedOff) {
  Klikni(Form1->Button6);
  ASSERT_TRUE(Prubeh()->isVisible());
  ShowActive(Prubeh());
  EXPECT_TRUE(Prubeh()->CheckPostupne->isChecked());
  const QStringList vsechny = Vsechny();
  ASSERT_GT(vsechny.size(), 4);
  EXPECT_TRUE(vsechny.last().startsWith("Nejkratsi kostra ma delku : "));
  const struct { const char* nazev; Qt::Key klavesa; int videt; } kroky[] = {
      {"opened on the first row", Qt::Key_unknown, 1},
      {"next", Qt::Key_Right, 2},
      {"next again", Qt::Key_Right, 3},
      {"back hides what comes after", Qt::Key_Left, 2},
      {"down reveals the next row too", Qt::Key_Down, 3},
      {"up", Qt::Key_Up, 2},
      {"the end shows the result", Qt::Key_End, int(vsechny.size())},
      {"the start", Qt::Key_Home, 1},
  };
  for (const auto& k : kroky) {
    if (k.klavesa != Qt::Key_unknown) QTest::keyClick(Prubeh(), k.klavesa);
    EXPECT_EQ(vsechny.mid(0, k.videt), Viditelne()) << k.nazev;
    EXPECT_EQ(vsechny, Vsechny()) << k.nazev << ": hidden, not removed";
  }
  Prubeh()->CheckPostupne->click();
  EXPECT_EQ(vsechny, Viditelne());
  FreeProgramWindows();
  CreateProgramWindows();
  ShowActive(Form1);
  QTest::keyClick(Form1, Qt::Key_F4);
  EXPECT_FALSE(Prubeh()->CheckPostupne->isChecked());
}

// Every row carries its kind, a sign and its explanation, which shows under the heading; the
// result of a forest names its trees, read from the picture the run drew.
TEST_F(Vyuka, RowsCarryTheirKindAndTheExplanationShowsUnderTheHeading) {
  const struct { const char* nazev; QPushButton* tlacitko; const char* druhy; } behy[] = {
      {"Kruskal", Form1->Button6, "komponenty zarazeni kruznice"},
      {"Jarnik", Form1->Button7, "komponenty zarazeni duplikat kruznice"},
      {"Boruvka", Form1->Button8, "komponenty zarazeni duplikat"},
  };
  for (const auto& b : behy) {
    SCOPED_TRACE(b.nazev);
    Klikni(b.tlacitko);
    QListWidget* seznam = Prubeh()->ListKroky;
    QStringList druhy;
    for (int i = 0; i < seznam->count(); ++i) {
      const QVariant druh = seznam->item(i)->data(Qt::UserRole);
      EXPECT_EQ(QMetaType::QString, druh.typeId()) << i;
      if (!druhy.contains(druh.toString())) druhy << druh.toString();
      EXPECT_FALSE(seznam->item(i)->icon().isNull()) << i;
      Prubeh()->Vyber(i);
      EXPECT_EQ(seznam->item(i)->toolTip(), Prubeh()->LabelVysvetleni->text()) << i;
      EXPECT_FALSE(Prubeh()->LabelVysvetleni->text().isEmpty()) << i;
    }
    for (const QString& druh : QString::fromLatin1(b.druhy).split(' ')) EXPECT_TRUE(druhy.contains(druh)) << druh.toStdString();
    EXPECT_EQ("vysledek", druhy.last().toStdString());
    EXPECT_TRUE(Prubeh()->LabelVysvetleni->text().contains(QStringLiteral("o 2 stromech")))
        << Prubeh()->LabelVysvetleni->text().toStdString();
  }
}

// Play moves on by itself to the end and stops there; a manual step pauses it; Space plays;
// the pace is remembered.
TEST_F(Vyuka, PlayAdvancesToTheEndAndAManualStepPausesIt) {
  Klikni(Form1->Button7);
  ShowActive(Prubeh());
  TFormPrubeh* p = Prubeh();
  EXPECT_EQ(2.0, p->SpinRychlost->value());
  EXPECT_EQ(QStringLiteral("▶ Přehrát"), p->ButtonPrehraj->text());
  p->SpinRychlost->setValue(0.5);
  const int posledni = p->ListKroky->count() - 1;
  QTest::keyClick(p, Qt::Key_Space);
  EXPECT_EQ(QStringLiteral("⏸ Pauza"), p->ButtonPrehraj->text());
  QTRY_COMPARE_WITH_TIMEOUT(p->ListKroky->currentRow(), 2, 5000);
  QTest::keyClick(p, Qt::Key_Left);
  EXPECT_EQ(QStringLiteral("▶ Přehrát"), p->ButtonPrehraj->text()) << "a manual step pauses";
  p->ButtonPrehraj->click();
  QTRY_COMPARE_WITH_TIMEOUT(p->ListKroky->currentRow(), posledni, 10000);
  QTRY_COMPARE(p->ButtonPrehraj->text(), QStringLiteral("▶ Přehrát"));
  p->ButtonPrehraj->click();
  EXPECT_EQ(0, p->ListKroky->currentRow()) << "played from the end, the lesson starts again";
  p->ButtonPrehraj->click();
  FreeProgramWindows();
  CreateProgramWindows();
  ShowActive(Form1);
  QTest::keyClick(Form1, Qt::Key_F4);
  EXPECT_EQ(0.5, Prubeh()->SpinRychlost->value());
}

// The test screen leaves no side of the main window free: the step window opens maximised and
// its tooltip names the keys; Esc leaves full screen first, then gives the screen back.
TEST_F(Vyuka, WithoutRoomTheStepWindowOpensMaximisedAndEscClosesIt) {
  Klikni(Form1->Button8);
  TFormPrubeh* p = Prubeh();
  ASSERT_TRUE(p->isVisible());
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
  for (QPushButton* tlacitko : {Form1->Button7, Form1->Button8}) {
    SCOPED_TRACE(tlacitko->text().toStdString());
    if (Prubeh()) Prubeh()->hide();
    Zalozka(2);
    Klikni(tlacitko);
    ASSERT_TRUE(Prubeh() && Prubeh()->isVisible());
    ASSERT_EQ(1, Prubeh()->ListKroky->count());
    EXPECT_EQ("Nejkratsi kostra ma delku : 0", Prubeh()->ListKroky->item(0)->text().toStdString());
    Zalozka(0);
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
    EXPECT_TRUE(text.contains(akce->text())) << akce->objectName().toStdString();
    if (akce->shortcut().isEmpty()) continue;
    EXPECT_TRUE(text.contains(akce->shortcut().toString(QKeySequence::NativeText))) << akce->objectName().toStdString();
  }
  EXPECT_FALSE(Form7->isVisible()) << "the program's own Help stays apart";
  ShowActive(napoveda);
  QTest::keyClick(napoveda->TextNapoveda, Qt::Key_Escape);
  EXPECT_FALSE(napoveda->isVisible()) << "Esc closes it";
}

}  // namespace
