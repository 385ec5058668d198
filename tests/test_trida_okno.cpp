// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The classroom layer in the running program: the canvas menu and its remembered choices,
// the labels over Image1, the step window's pictures against what Image1 showed under each
// box, the no-boxes mode, and what keeps or clears the narration.
#include "support/ProgramWindow.h"

#include "classroom/Trida.h"
#include "windows/prubeh.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>

// Failures show texts as texts.
void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

QImage Rgb(const QImage& obraz) {
  return obraz.convertToFormat(QImage::Format_RGB32);
}

// Answers each message box as a user reads it: its text, and Image1 as it is on screen
// while the box is open.
struct ZachytBoxu {
  ZachytBoxu() {
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      texty.push_back(box->text());
      obrazy.push_back(Rgb(Form1->Image1->grab().toImage()));
      box->done(QMessageBox::Ok);
    });
    timer.start(5);
  }
  QStringList texty;
  std::vector<QImage> obrazy;
  QTimer timer;
};

class Trida : public ProgramWindow {
protected:
  void SetUp() override {
    NastaveniTridy()->clear();
    ProgramWindow::SetUp();
    // Two components, ties of length in each.
    ZapisGraf(Soubor("g.grf"),
              {{40, 40, "start"}, {200, 60, ""}, {120, 200, "tri"}, {300, 300, ""}, {420, 60, ""}, {520, 160, ""}, {400, 250, ""}},
              {{1, 2, 2}, {2, 3, 2}, {1, 3, 2}, {3, 4, 1}, {4, 1, 3}, {5, 6, 1}, {6, 7, 1}, {5, 7, 1}});
    ZapisGraf(Soubor("h.grf"), {{100, 100, ""}}, {});
    Otevri(Soubor("g.grf"));
    answerer.timer.stop();  // boxes from here on are answered by ZachytBoxu
  }
  void TearDown() override {
    ProgramWindow::TearDown();
    NastaveniTridy()->clear();
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
  static QImage Obrazek() { return Rgb(Prubeh()->ImageKrok->property("obrazek").value<QImage>()); }
};

// The choices start off with no settings, are remembered into the next run, and the settings
// are the test's own, never the user's.
TEST_F(Trida, MenuChoicesAreRememberedInTheTestsOwnSettings) {
  const QString soubor = NastaveniTridy()->fileName();
  QStandardPaths::setTestModeEnabled(false);
  const QString uzivatelske = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  QStandardPaths::setTestModeEnabled(true);
  EXPECT_FALSE(soubor.startsWith(uzivatelske)) << soubor.toStdString();
  EXPECT_TRUE(soubor.startsWith(QDir::tempPath())) << soubor.toStdString();

  const struct { const char* jmeno; QKeySequence klavesa; bool zaskrtavaci; } akce[] = {
      {"ActionCisla", Qt::Key_F2, true}, {"ActionDelky", Qt::Key_F3, true}, {"ActionPrubeh", Qt::Key_F4, false},
      {"ActionBezZprav", {}, true}, {"ActionUlozObrazek", Qt::CTRL | Qt::SHIFT | Qt::Key_S, false},
      {"ActionKopirujObrazek", Qt::CTRL | Qt::SHIFT | Qt::Key_C, false}};
  for (const auto& a : akce) {
    ASSERT_TRUE(Akce(a.jmeno)) << a.jmeno;
    EXPECT_EQ(a.klavesa, Akce(a.jmeno)->shortcut()) << a.jmeno;
    EXPECT_EQ(a.zaskrtavaci, Akce(a.jmeno)->isCheckable()) << a.jmeno;
    EXPECT_FALSE(Akce(a.jmeno)->isChecked()) << a.jmeno << " is off at first start";
  }
  QTest::keyClick(Form1, Qt::Key_F2);
  Akce("ActionBezZprav")->setChecked(true);
  EXPECT_TRUE(Akce("ActionCisla")->isChecked()) << "F2 toggles the numbers";
  FreeProgramWindows();
  CreateProgramWindows();
  EXPECT_TRUE(Akce("ActionCisla")->isChecked());
  EXPECT_FALSE(Akce("ActionDelky")->isChecked());
  EXPECT_TRUE(Akce("ActionBezZprav")->isChecked());
}

// Off, Image1 shows its canvas 1:1; on, labels are added around unchanged dots; off again
// gives the same picture back. The canvas itself never changes.
TEST_F(Trida, LabelsOverImage1LeaveTheCanvasAndTheDots) {
  const QImage kanvas = Kanvas();
  EXPECT_EQ(kanvas, Rgb(Form1->Image1->grab().toImage())) << "both off";
  for (const char* jmeno : {"ActionCisla", "ActionDelky"}) {
    Akce(jmeno)->setChecked(true);
    const QImage s = Rgb(Form1->Image1->grab().toImage());
    EXPECT_NE(kanvas, s) << jmeno;
    for (std::uint8_t v = 1; v <= graf.GetPocet(); ++v)  // each dot's 4 x 4 box
      for (int y = graf.GetY(v) - 2; y < graf.GetY(v) + 2; ++y)
        for (int x = graf.GetX(v) - 2; x < graf.GetX(v) + 2; ++x)
          EXPECT_EQ(kanvas.pixel(x, y), s.pixel(x, y)) << jmeno << " " << x << ", " << y;
    EXPECT_EQ(ObrazPlatna({Akce("ActionCisla")->isChecked(), Akce("ActionDelky")->isChecked()}), s) << "saved as shown";
  }
  for (const char* jmeno : {"ActionCisla", "ActionDelky"}) Akce(jmeno)->setChecked(false);
  EXPECT_EQ(kanvas, Rgb(Form1->Image1->grab().toImage()));
  EXPECT_EQ(kanvas, Kanvas());
}

// Each row's picture is Image1 as it was while that row's box was open; the result row is
// the end. Browsing changes neither Image1 nor graf.
TEST_F(Trida, StepPicturesAreWhatImage1ShowedUnderEachBox) {
  Zalozka(2);
  for (QPushButton* tlacitko : {Form1->Button6, Form1->Button7, Form1->Button8}) {
    SCOPED_TRACE(tlacitko->text().toStdString());
    ZachytBoxu boxy;
    Klikni(tlacitko);
    QTest::keyClick(Form1, Qt::Key_F4);
    ASSERT_TRUE(Prubeh() && Prubeh()->isVisible());
    const QImage konec = Kanvas();
    ASSERT_EQ(boxy.texty + QStringList{ToQt(Form1->Memo1->GetText())}, Radky());
    const QImage predtim = Kanvas();
    for (int i = 0; i < int(boxy.obrazy.size()); ++i) {
      Prubeh()->Vyber(i);
      EXPECT_EQ(boxy.obrazy[std::size_t(i)], Obrazek()) << "row " << i << ": " << boxy.texty[i].toStdString();
    }
    QTest::mouseClick(Prubeh()->ButtonPosledni, Qt::LeftButton);
    EXPECT_EQ(konec, Obrazek()) << "result row";
    QTest::mouseClick(Prubeh()->ButtonPrvni, Qt::LeftButton);
    QTest::mouseClick(Prubeh()->ButtonDalsi, Qt::LeftButton);
    EXPECT_EQ(1, Prubeh()->ListKroky->currentRow());
    EXPECT_EQ(predtim, Kanvas()) << "browsing leaves Image1";
  }
}

// Without boxes a run shows none, records exactly the texts it would have shown, and ends
// with the same output line, canvas and graph; the step window comes up on its first row.
TEST_F(Trida, NoBoxesModeRecordsTheSameRunWithoutABox) {
  Zalozka(2);
  struct Beh { QStringList boxy, radky; std::string vystup; QImage kanvas; };
  const auto spust = [&](bool bezZprav) {
    Akce("ActionBezZprav")->setChecked(bezZprav);
    ZachytBoxu boxy;
    Klikni(Form1->Button8);
    return Beh{boxy.texty, Radky(), Form1->Memo1->GetText(), Kanvas()};
  };
  const Beh sBoxy = spust(false);
  const Beh bez = spust(true);
  EXPECT_EQ(QStringList(), bez.boxy);
  EXPECT_EQ(sBoxy.radky, bez.radky);
  EXPECT_EQ(sBoxy.boxy.size() + 1, bez.radky.size());
  EXPECT_EQ(sBoxy.vystup, bez.vystup);
  EXPECT_EQ(sBoxy.kanvas, bez.kanvas);
  EXPECT_TRUE(Prubeh()->isVisible());
  EXPECT_EQ(0, Prubeh()->ListKroky->currentRow());
}

// A redraw or a tab change leaves the narration to browse; the next narrating command
// replaces it, and opening another graph clears it.
TEST_F(Trida, NarrationStaysUntilAnotherRunOrGraph) {
  Zalozka(2);
  ZachytBoxu boxy;
  Klikni(Form1->Button6);
  const QStringList kruskal = Radky();
  ASSERT_GT(kruskal.size(), 3);
  Zalozka(1);
  Zalozka(2);
  EXPECT_EQ(kruskal, Radky()) << "tab changes";
  Klikni(Form1->Button10);
  EXPECT_EQ(kruskal, Radky()) << "colouring the vertices";
  Klikni(Form1->Button7);
  EXPECT_NE(kruskal, Radky());
  EXPECT_TRUE(Radky().last().startsWith("Nejkratsi kostra ma delku : "));
  Zalozka(0);
  answerer.timer.start(10);
  Otevri(Soubor("h.grf"));
  EXPECT_EQ(QStringList(), Radky());
}

// The canvas as shown goes to the clipboard and to a PNG; a step to an SVG; the narration to
// UTF-8 text, one row per line.
TEST_F(Trida, PicturesAndTextAreKeptAsShown) {
  Zalozka(2);
  Akce("ActionBezZprav")->setChecked(true);
  Akce("ActionDelky")->setChecked(true);
  Klikni(Form1->Button6);
  answerer.timer.start(10);
  Akce("ActionKopirujObrazek")->trigger();
  EXPECT_EQ(ObrazPlatna({false, true}), Rgb(QGuiApplication::clipboard()->image()));
  answerer.ChooseFile(Soubor("platno"));
  Akce("ActionUlozObrazek")->trigger();
  EXPECT_EQ(ObrazPlatna({false, true}), Rgb(QImage(Soubor("platno.png")))) << "PNG when no type is named";
  Prubeh()->Vyber(2);
  answerer.ChooseFile(Soubor("krok.svg"));
  QTest::mouseClick(Prubeh()->ButtonUlozObrazek, Qt::LeftButton);
  EXPECT_TRUE(QSvgRenderer(Soubor("krok.svg")).isValid());
  answerer.ChooseFile(Soubor("vyklad.txt"));
  QTest::mouseClick(Prubeh()->ButtonUlozText, Qt::LeftButton);
  EXPECT_EQ((Radky().join('\n') + '\n').toStdString(), ReadBytes(Soubor("vyklad.txt")));
  EXPECT_EQ(std::vector<std::string>(), answerer.messages) << "no errors";
}

// The keys walk the rows, F11 toggles full screen, and the window opens where it was left.
TEST_F(Trida, StepWindowKeysAndRememberedPlace) {
  Zalozka(2);
  Akce("ActionBezZprav")->setChecked(true);
  Klikni(Form1->Button8);
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
  Prubeh()->setGeometry(60, 70, 500, 420);
  const QRect misto = Prubeh()->geometry();
  FreeProgramWindows();
  CreateProgramWindows();
  ShowActive(Form1);
  QTest::keyClick(Form1, Qt::Key_F4);
  ASSERT_TRUE(Prubeh()->isVisible());
  EXPECT_EQ(misto, Prubeh()->geometry());
}

// Where the screen leaves room, a box opens beside the canvas, not over the edge it talks about.
TEST_F(Trida, BoxesOpenBesideTheCanvas) {
  Zalozka(2);
  Form1->move(-40, -190);  // the canvas at the top left of the small offscreen screen, room below it
  QTRY_COMPARE(Form1->Image1->mapToGlobal(QPoint(0, 0)).y() < 20, true);
  const QRect platno(Form1->Image1->mapToGlobal(QPoint(0, 0)), Form1->Image1->size());
  std::vector<QRect> boxy;
  QTimer odpoved;
  QObject::connect(&odpoved, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    boxy.push_back(box->frameGeometry());
    box->done(QMessageBox::Ok);
  });
  odpoved.start(5);
  Klikni(Form1->Button6);
  ASSERT_FALSE(boxy.empty());
  for (const QRect& box : boxy) {
    EXPECT_FALSE(box.intersects(platno)) << box.x() << ", " << box.y();
    EXPECT_TRUE(Form1->screen()->availableGeometry().contains(box)) << box.x() << ", " << box.y();
  }
}

// Hover names the nearest dot, else the nearest edge, from the picture; blank canvas says nothing.
TEST_F(Trida, HoverNamesTheVertexOrEdgeUnderThePointer) {
  graf.SetHodnota(1, 2.5);
  VykresliGraf(clBlack, clBlack);
  const struct { const char* nazev; QPoint bod; const char* popis; } pripady[] = {
      {"on a dot", {40, 40}, "Vrchol 1 · hodnota 2.5 · stupeň 3 · start"},
      {"beside a dot", {43, 37}, "Vrchol 1 · hodnota 2.5 · stupeň 3 · start"},
      {"no comment", {200, 60}, "Vrchol 2 · hodnota 0 · stupeň 2"},
      {"on an edge", {120, 51}, "Hrana 1 – 2 · délka 2"},
      {"near an edge", {120, 53}, "Hrana 1 – 2 · délka 2"},
      {"blank", {300, 150}, ""},
  };
  for (const auto& p : pripady) EXPECT_EQ(QString::fromUtf8(p.popis), PopisMista(Zaznamnik().Obraz(), p.bod)) << p.nazev;
}

}  // namespace
