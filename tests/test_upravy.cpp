// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Editing on the canvas driven with the mouse and the keys as a user drives it: the gestures,
// undo and redo of every kind of change, the question before unsaved work is thrown away,
// and the recovery copies, across a killed process too.
#include "support/ProgramWindow.h"
#include "platform/SysUtils.h"
#include "upravy/Zachrana.h"
#include "windows/frmedvrch.h"
#include "windows/frminfo.h"
#include "windows/nv.h"
#include "classroom/prubeh.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QToolTip>

#include <functional>
#include <map>
#include <random>
#include <sstream>

#if defined(__unix__) || defined(__APPLE__)
#include <signal.h>
#endif

namespace {

QAction* Akce(const char* jmeno) { return Form1->findChild<QAction*>(QString::fromLatin1(jmeno)); }

// The graph as the checks compare it: "x,y x,y | a-b:d", vertices in order, then the edges.
std::string Popis() {
  std::ostringstream s;
  const int n = graf.GetPocet();
  for (int i = 1; i <= n; ++i) s << (i > 1 ? " " : "") << graf.GetX(i) << ',' << graf.GetY(i);
  s << " |";
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (graf.GetHrana(i, j) != 0.0) s << ' ' << i << '-' << j << ':' << FloatToStr(graf.GetHrana(i, j));
  return s.str();
}

// Answers the modal windows: types the planned lengths (none: cancel) and Enter, clicks the planned answer to
// the save question, confirms recovery, records and closes any other box.
struct Odpovidac {
  Odpovidac() { QObject::connect(&casovac, &QTimer::timeout, [this] { Odpovez(); }), casovac.start(1); }
  void Odpovez() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
      predvyplneno.push_back(dialog->textValue().toStdString());
      const std::optional<QString> odpoved = delky.empty() ? std::nullopt : delky.front();
      if (!delky.empty()) delky.pop_front();
      if (!odpoved) return dialog->reject();
      auto* edit = dialog->findChild<QLineEdit*>();
      if (!odpoved->isEmpty()) edit->selectAll(), QTest::keyClicks(edit, *odpoved);
      return QTest::keyClick(edit, Qt::Key_Return);
    }
    if (auto* soubor = qobject_cast<QFileDialog*>(modal)) {
      soubor->selectFile(ulozitJako);
      if (auto* jmeno = soubor->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        jmeno->setText(QFileInfo(ulozitJako).fileName());
      return static_cast<QDialog*>(soubor)->accept();
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return;
    if (box->objectName() == QLatin1String("DotazUlozit")) return ++dotazu, box->findChild<QPushButton*>(tlacitko)->click();
    zpravy.push_back(box->text().toStdString());
    box->done(box->objectName() == QLatin1String("DotazObnovit") ? QMessageBox::Yes : QMessageBox::Ok);
  }
  std::deque<std::optional<QString>> delky;
  std::vector<std::string> predvyplneno, zpravy;  // UTF-8
  QString tlacitko = QStringLiteral("Zrusit"), ulozitJako;
  int dotazu = 0;
  QTimer casovac;
};

class Upravy : public ProgramWindow {
public:
  using ProgramWindow::Klikni;
  using ProgramWindow::Zalozka;

  void SetUp() override {
    // Every test has a data folder of its own, so no recovery copy comes from another.
    domov = qgetenv("HOME"), qputenv("HOME", dir.path().toUtf8()), ProgramWindow::SetUp();
    answerer.timer.stop(), Akce("ActionUpravy")->setChecked(true);
  }
  void TearDown() override {
    NastaveniTridy()->remove(QStringLiteral("Upravy/Mysi")), ProgramWindow::TearDown(), qputenv("HOME", domov);
  }
  // The graph "x,y x,y | a-b:d" as a file, opened; vertex k has the comment "vk" and value k.
  void Zaloz(const std::string& popis, const QString& jmeno = QStringLiteral("g.grf"), bool otevri = true) {
    std::vector<TestVrchol> body;
    std::vector<TestHrana> hrany;
    std::istringstream s(popis);
    std::string slovo;
    int a = 0, b = 0;
    double d = 0;
    while (s >> slovo && slovo != "|" && std::sscanf(slovo.c_str(), "%d,%d", &a, &b) == 2)
      body.push_back({a, b, "v" + std::to_string(body.size() + 1), double(body.size() + 1)});
    while (s >> slovo && std::sscanf(slovo.c_str(), "%d-%d:%lf", &a, &b, &d) == 3) hrany.push_back({a, b, d});
    ZapisGraf(Soubor(jmeno), body, hrany);
    if (otevri) Form1->OtevriGraf(FromQt(Soubor(jmeno)));
  }
  QWidget* Platno() const { return Form1->Image1; }
  void Dvojklik(QPoint p) { QTest::mouseDClick(Platno(), Qt::LeftButton, {}, p); }
  void Tahni(QPoint od, QPoint kam, Qt::KeyboardModifiers klavesy = {}) {
    QTest::mousePress(Platno(), Qt::LeftButton, klavesy, od), QTest::mouseMove(Platno(), (od + kam) / 2);
    QTest::mouseMove(Platno(), kam), QTest::mouseRelease(Platno(), Qt::LeftButton, klavesy, kam);
  }
  void Smaz(QPoint p) {  // the pointer over p, a click there for the focus, then Delete
    QTest::mouseMove(Platno(), p), QTest::mouseClick(Platno(), Qt::LeftButton, {}, p);
    QTest::keyClick(Platno(), Qt::Key_Delete);
  }
  void Klavesa(int klavesa, Qt::KeyboardModifiers s = Qt::ControlModifier) {
    ShowActive(Form1), FocusOn(Form1->TabControl1), QTest::keyClick(Form1, Qt::Key(klavesa), s);
  }
  static bool Obnovitelne() { return Akce("ActionObnovit")->isEnabled(); }

  QByteArray domov;
  Odpovidac odpovidac;
};

const char* const kTri = "100,100 300,100 300,250 | 1-2:3 2-3:1";

// Lengths typed (none: cancel), graph after, part of the message, the dialog's own text, graph before.
struct Gesto {
  const char* jmeno;
  std::function<void(Upravy&)> udelej;
  std::vector<std::optional<QString>> delky;
  std::string po;
  const char* zprava = "", *predvyplneno = "";
  std::string pred = kTri;
};

std::vector<Gesto> Gesta() {
  std::string patnact;
  for (int k = 0; k < 15; ++k) patnact += std::to_string(20 + 35 * k) + ",50 ";
  const auto dvoj = [](QPoint p) { return [p](Upravy& t) { t.Dvojklik(p); }; };
  const auto spoj = [](QPoint od, QPoint kam) { return [=](Upravy& t) { t.Tahni(od, kam, Qt::ShiftModifier); }; };
  const auto smaz = [](QPoint p) { return [p](Upravy& t) { t.Smaz(p); }; };
  return {
      {"AtFifteenVerticesADoubleClickSaysSo", dvoj({300, 300}), {}, patnact + "|",
       "Graf už má 15 vrcholů, víc jich program neunese; nový vrchol nepřibyl.", "", patnact + "|"},
      {"DoubleClickOnBlankCanvasAddsAVertex", dvoj({450, 300}), {}, "100,100 300,100 300,250 450,300 | 1-2:3 2-3:1"},
      {"DragNearADotMovesItToTheReleasePointClamped", [](Upravy& t) { t.Tahni({103, 98}, {700, -40}); }, {},
       "568,0 300,100 300,250 | 1-2:3 2-3:1"},
      {"ShiftDragJoinsTwoVerticesWithTheTypedLength", spoj({100, 100}, {298, 252}), {QStringLiteral("2.5")},
       "100,100 300,100 300,250 | 1-2:3 1-3:2.5 2-3:1", "", "1"},
      {"ShiftDragOntoANeighbourEditsTheEdge", spoj({100, 100}, {300, 100}), {QStringLiteral("-7.25")},
       "100,100 300,100 300,250 | 1-2:-7.25 2-3:1", "", "3"},
      {"ATextThatIsNoNumberChangesNothing", spoj({100, 100}, {300, 250}), {QStringLiteral("1,5")}, kTri, "není číslo", "1"},
      {"ZeroForANewEdgeChangesNothing", spoj({100, 100}, {300, 250}), {QStringLiteral("0")}, kTri, "nepřibyla", "1"},
      {"CancelChangesNothing", spoj({100, 100}, {300, 250}), {std::nullopt}, kTri, "", "1"},
      {"ShiftDragEndingOnBlankCanvasChangesNothing", spoj({100, 100}, {200, 300}), {}, kTri},
      {"DoubleClickOnAnEdgeEditsItsLength", dvoj({200, 102}), {QStringLiteral("4")}, "100,100 300,100 300,250 | 1-2:4 2-3:1",
       "", "3"},
      {"ZeroOnAnEdgeRemovesIt", dvoj({302, 170}), {QStringLiteral("0")}, "100,100 300,100 300,250 | 1-2:3", "", "1"},
      {"DoubleClickNearADotIsNotOnTheEdge", dvoj({105, 100}), {}, kTri},
      {"DeleteOverAnEdgeRemovesIt", smaz({200, 99}), {}, "100,100 300,100 300,250 | 2-3:1"},
      {"DeleteOverBlankCanvasChangesNothing", smaz({450, 300}), {}, kTri},
      {"TheMenuRemovesWhatItWasOpenedOver", [](Upravy&) {
         QContextMenuEvent udalost(QContextMenuEvent::Mouse, {300, 100}, Form1->Image1->mapToGlobal(QPoint(300, 100)));
         QApplication::sendEvent(Form1->Image1, &udalost), Akce("ActionSmazat")->trigger();
         Form1->Image1->findChild<QMenu*>(QStringLiteral("MenuPlatna"))->hide();
       }, {}, "100,100 300,250 |"},
  };
}

// Each gesture first with the mode off, where it changes nothing, not a pixel, then with it on.
TEST_F(Upravy, GesturesChangeTheGraphAsTheUserMeantAndNothingWithTheModeOff) {
  for (const Gesto& g : Gesta()) {
    SCOPED_TRACE(g.jmeno);
    graf.Clear(), Zaloz(g.pred), Akce("ActionUpravy")->setChecked(false);
    EXPECT_FALSE(Platno()->testAttribute(Qt::WA_SetCursor)) << "the canvas keeps the pointer it had";
    const std::uint64_t revize = graf.Revize();
    const QImage pred = Platno()->grab().toImage();
    odpovidac.delky.assign(g.delky.begin(), g.delky.end()), odpovidac.zpravy.clear(), g.udelej(*this);
    EXPECT_TRUE(revize == graf.Revize() && g.delky.size() == odpovidac.delky.size() && odpovidac.zpravy.empty());
    EXPECT_EQ(pred, Platno()->grab().toImage());
    Akce("ActionUpravy")->setChecked(true), odpovidac.delky.assign(g.delky.begin(), g.delky.end());
    odpovidac.predvyplneno.clear(), g.udelej(*this);
    EXPECT_EQ(g.po, Popis());
    EXPECT_EQ(g.delky.empty() ? std::vector<std::string>{} : std::vector<std::string>{g.predvyplneno}, odpovidac.predvyplneno);
    ASSERT_EQ(*g.zprava ? 1u : 0u, odpovidac.zpravy.size());
    if (*g.zprava) { EXPECT_NE(std::string::npos, odpovidac.zpravy[0].find(g.zprava)) << odpovidac.zpravy[0]; }
  }
}

// The vertices above a removed one keep what they have under their new numbers.
TEST_F(Upravy, RemovedVertexLeavesTheOthersWholeAndSaysHowTheyAreRenumbered) {
  Zaloz("100,100 300,100 300,250 400,300 | 1-2:3 2-4:2 3-4:5");
  Smaz({300, 100});
  EXPECT_EQ("100,100 300,250 400,300 | 2-3:5", Popis());
  EXPECT_TRUE(graf.GetText(2) == "v3" && graf.GetHodnota(3) == 4.0);
  EXPECT_EQ(QString::fromUtf8("Vrchol 2 je smazán; vrcholy 3–4 mají nyní čísla 2–3."), QToolTip::text());
}

// Undo restores the graph and the open editors exactly, however it was changed; both redo keys redo it.
TEST_F(Upravy, UndoAndRedoRestoreEveryKindOfChange) {
  // The button opening a window, the change, what the open editor shows of it, the step as "Zpět" names it.
  const struct { const char* jmeno; QWidget* otevri; std::function<void(Upravy&)> zmen; std::function<std::string()> editor;
                 const char* krok; } cesty[] = {
      {"a drag on the canvas", Form1->Button11, [](Upravy& t) { t.Tahni({100, 100}, {160, 40}); },
       [] { return FormXY->radky[0].x->GetText() + "," + FormXY->radky[0].y->GetText(); }, "přesun vrcholu 1"},
      {"the graph editor", Form1->Button5,
       [](Upravy&) { ShowActive(Form4), TypeInto(Form4->sloty[0].delka, QStringLiteral("9")), FocusOn(Form4->Edit6); },
       [] { return Form4->sloty[0].delka->GetText(); }, "úprava grafu"},
      {"the coordinate editor", Form1->Button11,
       [](Upravy&) { ShowActive(FormXY), TypeInto(FormXY->radky[0].x, QStringLiteral("222")), FocusOn(FormXY->radky[0].y); },
       [] { return FormXY->radky[0].x->GetText(); }, "úprava grafu"},
      {"a double-click with the legend open", Form1->Button9,
       [](Upravy& t) { t.odpovidac.delky = {QStringLiteral("0")}, t.Dvojklik({200, 100}); },
       [] { return Form2->radky[1].skore->GetText(); }, "odstranění hrany 1 – 2"},
      // The tab hides its third command, the count of colours: it runs as its button would.
      {"the colouring", nullptr, [](Upravy& t) { t.Zalozka(3), Form1->Button8->click(); },
       [] { return std::to_string(graf.GetBarev()); }, "obarvení"},
  };
  for (const auto& c : cesty) {
    SCOPED_TRACE(c.jmeno);
    Form4->hide(), FormXY->hide(), Form2->hide(), graf.Clear(), Zaloz(kTri);
    if (c.otevri) Klikni(c.otevri);
    const TSnimekGrafu pred = graf.Snimek();
    const std::string predVEditoru = c.editor();
    c.zmen(*this);
    ASSERT_TRUE(QTest::qWaitFor([&] { return graf.Snimek() != pred; }));
    const TSnimekGrafu po = graf.Snimek();
    const std::string poVEditoru = c.editor();
    EXPECT_NE(predVEditoru, poVEditoru);
    EXPECT_EQ(std::string("Zpět: ") + c.krok, Akce("ActionZpet")->toolTip().toStdString());
    for (const QKeyCombination znovu : {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z, Qt::ControlModifier | Qt::Key_Y}) {
      Klavesa(Qt::Key_Z);
      EXPECT_TRUE(pred == graf.Snimek() && predVEditoru == c.editor());
      Klavesa(znovu.key(), znovu.keyboardModifiers());
      EXPECT_TRUE(po == graf.Snimek() && poVEditoru == c.editor());
    }
  }
}

TEST_F(Upravy, CountingTheComponentsIsNoStepAnEditBoxKeepsItsUndoAndOpeningStartsANewHistory) {
  Zaloz("10,10 |", QStringLiteral("jiny.grf"), false), Zaloz(kTri), Dvojklik({450, 300});
  // The pointer says what a press will do.
  for (const auto& [bod, tvar] : {std::pair{QPoint(452, 298), Qt::OpenHandCursor}, std::pair{QPoint(200, 101), Qt::PointingHandCursor},
                                  std::pair{QPoint(200, 200), Qt::CrossCursor}}) {
    QTest::mouseMove(Platno(), bod);
    EXPECT_EQ(tvar, Platno()->cursor().shape()) << bod.x() << "," << bod.y();
  }
  Zalozka(3), Klikni(Form1->Button7);
  ASSERT_EQ(2, graf.GetKomponent());
  EXPECT_EQ(QString::fromUtf8("Zpět: přidání vrcholu 4"), Akce("ActionZpet")->toolTip());
  Klavesa(Qt::Key_Z);
  EXPECT_EQ(kTri, Popis());
  // An edit box with the focus keeps its own Ctrl+Z for its text.
  Klavesa(Qt::Key_Y), TypeInto(Form1->Edit1, QStringLiteral("x")), QTest::keyClick(Form1->Edit1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(4, graf.GetPocet());
  Form1->OtevriGraf(FromQt(Soubor("jiny.grf")));
  EXPECT_FALSE(Akce("ActionZpet")->isEnabled() || Akce("ActionZnovu")->isEnabled());
}

// With the mode on, a command that would throw away unsaved changes asks first.
TEST_F(Upravy, UnsavedChangesAreAskedAboutBeforeTheyAreThrownAway) {
  // Mode, button answered, questions asked, other graph opened, file's first byte, close box instead of "Otevri".
  const struct { const char* jmeno; bool mod; const char* tlacitko; int dotazu; bool otevreno; const char* vSouboru;
                 bool zavri = false; } radky[] = {
      {"Cancel keeps the graph", true, "Zrusit", 1, false, "1"},
      {"Discard opens the other", true, "Zahodit", 1, true, "1"},
      {"Save writes the file, then opens the other", true, "Ulozit", 1, true, "2"},
      {"With the mode off nothing is asked", false, "Zrusit", 0, true, "1"},
      {"Cancel keeps the window open", true, "Zrusit", 1, false, "1", true},
  };
  for (const auto& r : radky) {
    SCOPED_TRACE(r.jmeno);
    graf.Clear(), Zaloz("50,50 |", QStringLiteral("jiny.grf"), false), Zaloz("10,10 |");
    Akce("ActionUpravy")->setChecked(true), Dvojklik({200, 200}), Akce("ActionUpravy")->setChecked(r.mod);
    odpovidac.tlacitko = QString::fromLatin1(r.tlacitko), odpovidac.dotazu = 0, odpovidac.ulozitJako = Soubor("jiny.grf");
    r.zavri ? void(Form1->close()) : Klikni(Form1->Button2);
    EXPECT_TRUE(Form1->isVisible() && r.dotazu == odpovidac.dotazu) << odpovidac.dotazu;
    EXPECT_EQ(r.otevreno ? "50,50 |" : "10,10 200,200 |", Popis());
    EXPECT_EQ(std::string(r.vSouboru), ReadBytes(Soubor("g.grf")).substr(0, 1));
  }
}

// The net under "Otevri" and Exit: an edit thrown away comes back, once.
TEST_F(Upravy, RecoveryBringsBackTheEditsOfAGraphThrownAway) {
  Zaloz("50,50 |", QStringLiteral("jiny.grf"), false), Zaloz(kTri);
  EXPECT_FALSE(Obnovitelne());
  Dvojklik({450, 300}), Akce("ActionUpravy")->setChecked(false), Form1->OtevriGraf(FromQt(Soubor("jiny.grf")));
  ASSERT_TRUE(QTest::qWaitFor(Obnovitelne));
  Akce("ActionObnovit")->trigger();
  EXPECT_EQ("100,100 300,100 300,250 450,300 | 1-2:3 2-3:1", Popis());
  EXPECT_EQ(FromQt(Soubor("g.grf")), Form1->Edit1->GetText());
  ASSERT_TRUE(odpovidac.zpravy.size() == 1 && odpovidac.zpravy[0].find(Soubor("g.grf").toStdString()) != std::string::npos);
  // A damaged copy, however new, is passed over.
  WriteBytes(TZachrana::Slozka() + QStringLiteral("/poskozena.grf"), "2\r\nnic");
  WriteBytes(TZachrana::Slozka() + QStringLiteral("/poskozena.cesta"), "x.grf");
  Akce("ActionObnovit")->trigger();
  EXPECT_EQ("Žádný neuložený graf, který by se lišil od otevřeného, k obnovení není.", odpovidac.zpravy.back());
}

TEST_F(Upravy, OnlyTheNewestCopiesAreKept) {
  for (int k = 0; k < TZachrana::kKopii + 2; ++k) {
    graf.Clear(), Zaloz("50,50 |", QStringLiteral("g%1.grf").arg(k)), Dvojklik({300, 300});
    const auto kopii = [] { return int(QDir(TZachrana::Slozka()).entryList({QStringLiteral("*.grf")}).size()); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return kopii() == std::min(k + 1, int(TZachrana::kKopii)); })) << kopii();
  }
}

// The child half of the test below: edits, tells, and waits to be killed.
TEST(UpravyDite, EditsAndWaitsToBeKilled) {
  const QString slozka = qEnvironmentVariable("TRIVEX_DITE");
  if (slozka.isEmpty()) GTEST_SKIP() << "runs only as the child of KilledProgramLosesNoEdit";
  CreateProgramWindows(), ShowActive(Form1), Akce("ActionUpravy")->setChecked(true);
  Form1->OtevriGraf(FromQt(slozka + QStringLiteral("/g.grf")));
  QTest::mouseDClick(Form1->Image1, Qt::LeftButton, {}, {321, 123});
  ASSERT_TRUE(QTest::qWaitFor([] { return !QDir(TZachrana::Slozka()).entryList({QStringLiteral("*.grf")}).isEmpty(); }));
  std::printf("upraveno\n"), std::fflush(stdout), QEventLoop().exec();
}

#if defined(__unix__) || defined(__APPLE__)
TEST_F(Upravy, KilledProgramLosesNoEdit) {
  Zaloz(kTri, QStringLiteral("g.grf"), false);
  QProcess dite;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("TRIVEX_DITE"), dir.path()), env.insert(QStringLiteral("HOME"), dir.path());
  dite.setProcessEnvironment(env);
  dite.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=UpravyDite.*")});
  QByteArray vystup;
  while (!vystup.contains("upraveno") && dite.waitForReadyRead(60000)) vystup += dite.readAllStandardOutput();
  ASSERT_TRUE(vystup.contains("upraveno")) << vystup.toStdString() << dite.readAllStandardError().toStdString();
  ::kill(pid_t(dite.processId()), SIGKILL);
  ASSERT_TRUE(dite.waitForFinished(60000) && dite.exitStatus() == QProcess::CrashExit);

  // A second start of the program finds the edit.
  FreeProgramWindows(), CreateProgramWindows(), ShowActive(Form1), Akce("ActionObnovit")->trigger();
  EXPECT_EQ("100,100 300,100 300,250 321,123 | 1-2:3 2-3:1", Popis());
  EXPECT_EQ(FromQt(Soubor("g.grf")), Form1->Edit1->GetText());
}
#endif

// A teacher draws 7 vertices and 12 edges: F6, a double-click per vertex, a Shift-drag and the length (Enter: 1) per edge.
TEST_F(Upravy, SevenVerticesAndTwelveEdgesTakeUnderFiftyActions) {
  Akce("ActionUpravy")->setChecked(false), Klavesa(Qt::Key_F6, {});  // the mode on with F6
  int akci = 1;
  const QPoint body[] = {{80, 80}, {280, 50}, {480, 80}, {80, 280}, {280, 310}, {480, 280}, {280, 180}};
  for (const QPoint& b : body) Dvojklik(b), ++akci;
  const struct { int a, b; const char* delka; } hrany[] = {
      {1, 2, ""}, {2, 3, "2"}, {1, 4, "3"}, {3, 6, ""}, {4, 5, "2"}, {5, 6, "4"},
      {1, 7, ""}, {2, 7, "5"}, {3, 7, ""}, {4, 7, "2"}, {5, 7, ""}, {6, 7, "3"}};
  for (const auto& h : hrany)  // the drag, the digits, Enter
    odpovidac.delky = {QString::fromLatin1(h.delka)}, Tahni(body[h.a - 1], body[h.b - 1], Qt::ShiftModifier),
    akci += 2 + int(std::strlen(h.delka));
  EXPECT_EQ("80,80 280,50 480,80 80,280 280,310 480,280 280,180 | 1-2:1 1-4:3 1-7:1 2-3:2 2-7:5 3-6:1 3-7:1 4-5:2 "
            "4-7:2 5-6:4 5-7:1 6-7:3", Popis());
  EXPECT_LT(akci, 50);
  std::printf("7 vertices and 12 edges drawn in %d actions\n", akci);
  // The first vertex started a graph without a file, with its recovery copy; "Uloz Jako" gives
  // it a file, removes the copy and keeps the history.
  EXPECT_TRUE(QTest::qWaitFor(Obnovitelne));
  odpovidac.ulozitJako = Soubor("novy.grf"), Klikni(Form1->Button3);
  EXPECT_EQ("7", ReadBytes(Soubor("novy.grf")).substr(0, 1));  // its vertex count
  EXPECT_FALSE(Obnovitelne());
  EXPECT_EQ(QStringList{}, QDir(TZachrana::Slozka()).entryList({QStringLiteral("*.grf")}));
  Klavesa(Qt::Key_Z);
  EXPECT_EQ(std::string::npos, Popis().find("6-7:3"));
}

// Random gestures, undos and redos end as a model keeping every state. TRIVEX_EDITING_STEPS, TRIVEX_ROBUSTNESS_SEED (> 0).
TEST_F(Upravy, RandomSessionEndsAsTheModel) {
  using Stav = std::pair<std::vector<QPoint>, std::map<std::pair<int, int>, int>>;  // dots, edges
  const auto text = [](const Stav& s) {
    std::ostringstream t;
    for (const QPoint& b : s.first) t << (&b != &s.first[0] ? " " : "") << b.x() << ',' << b.y();
    t << " |";
    for (const auto& [h, d] : s.second) t << ' ' << h.first << '-' << h.second << ':' << d;
    return t.str();
  };
  // Dots and segments well apart, so that where a press lands is never in doubt.
  const auto cisty = [](const Stav& s) {
    const auto odstup = [](QPointF p, QPointF a, QPointF b) {
      const QPointF ab = b - a;
      const QPointF d = p - (a + std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0) * ab);
      return std::hypot(d.x(), d.y());
    };
    const int n = int(s.first.size());
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j)
        if (QLineF(s.first[i], s.first[j]).length() < 14) return false;
    for (const auto& [h, d] : s.second)
      for (int i = 1; i <= n; ++i)
        if (i != h.first && i != h.second && odstup(s.first[i - 1], s.first[h.first - 1], s.first[h.second - 1]) < 9) return false;
    return true;
  };
  std::vector<Stav> historie{Stav{}};
  std::size_t ted = 0;
  const int kroky = qEnvironmentVariableIntValue("TRIVEX_EDITING_STEPS"), kroku = kroky > 0 ? kroky : 120;
  const int semeno = qEnvironmentVariableIntValue("TRIVEX_ROBUSTNESS_SEED"), seed = semeno > 0 ? semeno : 1250;
  std::mt19937 nahoda(seed);
  const auto nahodne = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(nahoda); };
  for (int krok = 1; krok <= kroku; ++krok) {
    Stav s = historie[ted];
    auto& [body, hrany] = s;
    const int n = int(body.size()), druh = nahodne(7);
    odpovidac.zpravy.clear();
    if (druh == 0 || n < 2) {  // a new vertex
      const QPoint p(nahodne(kSirkaPlatna), nahodne(kVyskaPlatna));
      if (n == kMaxVrcholu) continue;
      body.push_back(p);
      if (cisty(s)) Dvojklik(p); else continue;
    } else if (druh == 1) {  // a drag, sometimes beyond the canvas
      const int v = 1 + nahodne(n);
      const QPoint od = body[v - 1], kam(nahodne(kSirkaPlatna + 60) - 30, nahodne(kVyskaPlatna + 60) - 30);
      body[v - 1] = QPoint(std::clamp(kam.x(), 0, kSirkaPlatna - 1), std::clamp(kam.y(), 0, kVyskaPlatna - 1));
      if (cisty(s)) Tahni(od, kam); else continue;
    } else if (druh == 2) {  // an edge drawn or changed
      const int a = 1 + nahodne(n), b = 1 + nahodne(n), d = 1 + nahodne(9);
      if (a == b) continue;
      hrany[{std::min(a, b), std::max(a, b)}] = d;
      if (!cisty(s)) continue;
      odpovidac.delky = {QString::number(d)}, Tahni(body[a - 1], body[b - 1], Qt::ShiftModifier);
    } else if (druh == 3) {  // a vertex removed
      const int v = 1 + nahodne(n);
      Smaz(body[v - 1]), body.erase(body.begin() + (v - 1));
      std::map<std::pair<int, int>, int> zbyle;
      for (const auto& [h, d] : hrany)
        if (h.first != v && h.second != v) zbyle[{h.first - (h.first > v), h.second - (h.second > v)}] = d;
      hrany = zbyle;
    } else {  // undo, twice as often as redo
      const bool zpet = druh < 6;
      Klavesa(zpet ? Qt::Key_Z : Qt::Key_Y);
      ted = zpet ? (ted > 0 ? ted - 1 : 0) : std::min(ted + 1, historie.size() - 1);
      ASSERT_EQ(text(historie[ted]), Popis()) << (zpet ? "undo" : "redo") << ", seed " << seed << ":" << krok;
      continue;
    }
    if (s != historie[ted]) historie.resize(ted + 1), historie.push_back(s), ++ted;
    ASSERT_EQ(text(historie[ted]), Popis()) << "seed " << seed << ":" << krok;
    ASSERT_TRUE(odpovidac.zpravy.empty()) << odpovidac.zpravy.front();
  }
  EXPECT_GT(ted, 0u) << "the session changed the graph, seed " << seed;
}

}  // namespace
