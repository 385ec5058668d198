// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The classroom layer in the running program: the canvas menu and its remembered choices,
// the labels over Image1, the step window's pictures against what Image1 showed under each
// box, the no-boxes mode, what keeps or clears the narration, the boxes' place, the hover.
#include "support/ProgramWindow.h"

#include "classroom/Obraz.h"
#include "classroom/Trida.h"
#include "platform/Dialogs.h"
#include "classroom/prubeh.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSvgRenderer>

// Failures show texts as texts.
void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

QImage Rgb(const QImage& obraz) {
  return obraz.convertToFormat(QImage::Format_RGB32);
}

class Trida : public ProgramWindow {
protected:
  void SetUp() override {
    NastaveniTridy()->clear();
    ProgramWindow::SetUp();
    // Two components, ties of length in each.
    ZapisGraf(Soubor("g.grf"),
              {{40, 40, "start", 2.5}, {200, 60, ""}, {120, 200, "tri"}, {300, 300, ""}, {420, 60, ""}, {520, 160, ""}, {400, 250, ""}},
              {{1, 2, 2}, {2, 3, 2}, {1, 3, 2}, {3, 4, 1}, {4, 1, 3}, {5, 6, 1}, {6, 7, 1}, {5, 7, 1}});
    ZapisGraf(Soubor("h.grf"), {{100, 100, ""}}, {});
    Otevri(Soubor("g.grf"));
    Zalozka(2);
  }
  static QAction* Akce(const char* jmeno) { return Form1->findChild<QAction*>(QString::fromLatin1(jmeno)); }
  static TFormPrubeh* Prubeh() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = dynamic_cast<TFormPrubeh*>(w)) return p;
    return nullptr;
  }
  QImage Kanvas() const {
    return QImage(reinterpret_cast<const uchar*>(Platno().Bits()), kSirkaPlatna, kVyskaPlatna, QImage::Format_RGB32).copy();
  }
  static QStringList Radky() {
    QStringList radky;
    for (int i = 0; i < Prubeh()->ListKroky->count(); ++i) radky << Prubeh()->ListKroky->item(i)->text();
    return radky;
  }
};

// Off at first start, Image1 shows its canvas 1:1; F2 and F3 put the labels over it, never into
// the canvas, and the clipboard and a PNG get it as shown; the choices are remembered into the
// next run.
TEST_F(Trida, LabelChoicesShowOverImage1AndInItsCopiesAndAreRemembered) {
  const QImage kanvas = Kanvas();
  const auto ukazano = [] { return Rgb(Form1->Image1->grab().toImage()); };
  EXPECT_FALSE(Akce("ActionBezZprav")->isChecked()) << "boxes are on at first start";
  EXPECT_EQ(kanvas, ukazano());  // and neither label, which the first F3 below confirms
  const struct { Qt::Key klavesa; TPrekryvy prekryvy; } kroky[] = {
      {Qt::Key_F3, {false, true}}, {Qt::Key_F2, {true, true}}, {Qt::Key_F3, {true, false}}};
  for (const auto& k : kroky) {
    QTest::keyClick(Form1, k.klavesa);
    EXPECT_EQ(ObrazPlatna(k.prekryvy), ukazano()) << k.klavesa;
  }
  EXPECT_EQ(kanvas, Kanvas());
  QTest::keyClick(Form1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(ukazano(), Rgb(QGuiApplication::clipboard()->image()));
  answerer.ChooseFile(Soubor("platno"));
  QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(ukazano(), Rgb(QImage(Soubor("platno.png")))) << "PNG when no type is named";
  Akce("ActionBezZprav")->setChecked(true);
  FreeProgramWindows();
  CreateProgramWindows();
  EXPECT_TRUE(Akce("ActionCisla")->isChecked());
  EXPECT_FALSE(Akce("ActionDelky")->isChecked());
  EXPECT_TRUE(Akce("ActionBezZprav")->isChecked());
}

// Where the screen leaves room, a box opens beside the canvas, not over the edge it talks about.
// Each row's picture is Image1 as it was while that row's box was open, the result row's the
// end. Without boxes a run shows none and records the same rows and pictures, and the step
// window comes up on its first row. Browsing leaves Image1.
TEST_F(Trida, BoxesOpenBesideTheCanvasAndStepsShowWhatWasUnderThem) {
  answerer.timer.stop();  // the boxes are answered below
  Form1->move(-40, -190);  // the canvas at the top left of the small offscreen screen, room below it
  QTRY_COMPARE(Form1->Image1->mapToGlobal(QPoint(0, 0)).y() < 20, true);
  const QRect platno(Form1->Image1->mapToGlobal(QPoint(0, 0)), Form1->Image1->size());
  const QRect obrazovka = Form1->screen()->availableGeometry();
  for (QPushButton* tlacitko : {Form1->Button6, Form1->Button7, Form1->Button8}) {
    SCOPED_TRACE(tlacitko->text().toStdString());
    Akce("ActionBezZprav")->setChecked(false);
    // Each box as a user reads it: its text, Image1 as it is on screen while it is open, its place.
    QStringList texty;
    std::vector<QImage> obrazy;
    std::vector<QRect> mista;
    QTimer boxy;
    QObject::connect(&boxy, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      texty.push_back(box->text());
      mista.push_back(box->frameGeometry());
      obrazy.push_back(Rgb(Form1->Image1->grab().toImage()));
      box->done(QMessageBox::Ok);
    });
    boxy.start(5);
    Klikni(tlacitko);
    for (const QRect& box : mista)
      EXPECT_TRUE(obrazovka.contains(box) && !box.intersects(platno)) << box.x() << ", " << box.y();
    const QStringList radky = texty + QStringList{ToQt(Form1->Memo1->GetText())};
    obrazy.push_back(Kanvas());
    Akce("ActionBezZprav")->setChecked(true);
    Klikni(tlacitko);
    EXPECT_EQ(radky.size() - 1, texty.size()) << "no box without boxes";
    ASSERT_TRUE(Prubeh()->isVisible());
    EXPECT_EQ(0, Prubeh()->ListKroky->currentRow());
    ASSERT_EQ(radky, Radky());
    for (int i = 0; i < radky.size(); ++i) {
      Prubeh()->Vyber(i);
      EXPECT_EQ(obrazy[std::size_t(i)], Rgb(Prubeh()->ImageKrok->property("obrazek").value<QImage>())) << "row " << i << ": " << radky[i].toStdString();
    }
    EXPECT_EQ(obrazy.back(), Kanvas()) << "the same end, and browsing leaves Image1";
  }
}

// A tab change (which redraws the graph) or a box outside any command leaves the narration to
// browse; the next narrating command replaces it. The keys walk its rows, F11 toggles full
// screen, a step goes to an SVG and the narration to UTF-8 text, one row per line; opening
// another graph clears it, and the window opens where it was left.
TEST_F(Trida, NarrationStaysUntilAnotherRunOrGraphAndTheStepWindowKeepsItsPlace) {
  Akce("ActionBezZprav")->setChecked(true);
  Klikni(Form1->Button6);
  const QStringList kruskal = Radky();
  ASSERT_GT(kruskal.size(), 3);
  Zalozka(1);
  Zalozka(2);
  EXPECT_EQ(kruskal, Radky()) << "tab changes";
  ShowMessage("mimo prikaz");
  EXPECT_EQ(kruskal, Radky()) << "a box outside any command";
  Klikni(Form1->Button7);
  EXPECT_TRUE(Radky().last().startsWith("Nejkratsi kostra ma delku : "));
  ShowActive(Prubeh());
  const int posledni = Prubeh()->ListKroky->count() - 1;
  const struct { Qt::Key klavesa; int radek; } kroky[] = {
      {Qt::Key_End, posledni}, {Qt::Key_Left, posledni - 1}, {Qt::Key_Home, 0}, {Qt::Key_Right, 1}, {Qt::Key_Left, 0}, {Qt::Key_Left, 0}};
  for (const auto& k : kroky) {
    QTest::keyClick(Prubeh(), k.klavesa);
    EXPECT_EQ(k.radek, Prubeh()->ListKroky->currentRow()) << k.klavesa;
  }
  QTest::keyClick(Prubeh(), Qt::Key_F11);
  QTRY_VERIFY(Prubeh()->isFullScreen());
  QTest::keyClick(Prubeh(), Qt::Key_F11);
  QTRY_VERIFY(!Prubeh()->isFullScreen());
  answerer.ChooseFile(Soubor("krok.svg"));
  QTest::mouseClick(Prubeh()->ButtonUlozObrazek, Qt::LeftButton);
  EXPECT_TRUE(QSvgRenderer(Soubor("krok.svg")).isValid());
  answerer.ChooseFile(Soubor("vyklad.txt"));
  QTest::mouseClick(Prubeh()->ButtonUlozText, Qt::LeftButton);
  EXPECT_EQ((Radky().join('\n') + '\n').toStdString(), ReadBytes(Soubor("vyklad.txt")));
  Prubeh()->setGeometry(60, 70, 500, 420);
  const QRect misto = Prubeh()->geometry();
  Zalozka(0);
  Otevri(Soubor("h.grf"));
  EXPECT_EQ(QStringList(), Radky());
  FreeProgramWindows();
  CreateProgramWindows();
  ShowActive(Form1);
  QTest::keyClick(Form1, Qt::Key_F4);
  ASSERT_TRUE(Prubeh()->isVisible());
  EXPECT_EQ(misto, Prubeh()->geometry());
}

// Hover names the nearest dot, else the nearest edge, from the picture; blank canvas says nothing.
TEST_F(Trida, HoverNamesTheVertexOrEdgeUnderThePointer) {
  const struct { const char* nazev; QPoint bod; const char* popis; } pripady[] = {
      {"beside a dot", {43, 37}, "Vrchol 1 · hodnota 2.5 · stupeň 3 · start"},
      {"no comment", {200, 60}, "Vrchol 2 · hodnota 0 · stupeň 2"},
      {"near an edge", {120, 53}, "Hrana 1 – 2 · délka 2"},
      {"blank", {300, 150}, ""},
  };
  for (const auto& p : pripady) EXPECT_EQ(QString::fromUtf8(p.popis), PopisMista(Zaznamnik().Obraz(), p.bod)) << p.nazev;
}

}  // namespace
