// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Takes the README's pictures: opens a graph file through the "Otevri" command, as a
// user would, finds its shortest spanning tree on the "Najdi" tab and saves the main
// window as a PNG; with a third name, also runs Kruskal on the "Simulace" tab without
// message boxes and saves the step window on a step in the middle of the run.
// With --kresba instead, draws a graph of 7 vertices and 12 edges on the empty canvas with
// the mouse, as the README tells, and saves the main window with the last edge being drawn.
// With --cviceni, the exercise window: Jarník on generated example 3 with 8 vertices, two
// shown steps, then a wrong choice, so the picture has a question, an answer with its
// reason and the score.
// Usage: make_screenshot FILE.grf OUT.png [STEPS.png] | make_screenshot --kresba|--cviceni OUT.png
// Runs headless on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "Trivex.h"
#include "platform/Forms.h"
#include "windows/main.h"
#include "classroom/FrmCviceni.h"
#include "classroom/prubeh.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <iostream>
#include <string>

namespace {

// Lets the event loop run until the window is on the (offscreen) screen.
bool CekejNaZobrazeni(QWidget* okno) {
  for (int pokus = 0; pokus < 500; ++pokus) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (okno->windowHandle() && okno->windowHandle()->isExposed()) return true;
  }
  return false;
}

// Kruskal narrated without boxes, the step window on the middle row with numbers and lengths.
bool VyfotPrubeh(const QString& obrazek) {
  Form1->findChild<QAction*>(QStringLiteral("ActionBezZprav"))->setChecked(true);
  Form1->TabControl1->SetTabIndex(2);
  Form1->TabControl1Change();
  Form1->Button6->click();
  TFormPrubeh* prubeh = nullptr;
  for (QWidget* okno : QApplication::topLevelWidgets())
    if (auto* p = dynamic_cast<TFormPrubeh*>(okno)) prubeh = p;
  if (!prubeh || !CekejNaZobrazeni(prubeh)) return false;
  prubeh->resize(900, 680);
  prubeh->Vyber(prubeh->ListKroky->count() / 2);
  QApplication::processEvents();
  return prubeh->grab().save(obrazek, "PNG");
}

void Mys(QEvent::Type druh, QPoint bod, Qt::KeyboardModifiers klavesy = Qt::NoModifier) {
  QWidget* platno = Form1->Image1;
  const Qt::MouseButtons drzi = druh == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent udalost(druh, bod, platno->mapToGlobal(bod), druh == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      drzi, klavesy);
  QApplication::sendEvent(platno, &udalost);
  QApplication::processEvents();
}

// The editing mode on, the labels on, a double-click per vertex and a Shift-drag per edge;
// the last edge is caught halfway, its line following the pointer.
bool NakresliGraf(const QString& obrazek) {
  for (const char* volba : {"ActionUpravy", "ActionCisla", "ActionDelky"})
    Form1->findChild<QAction*>(QString::fromLatin1(volba))->setChecked(true);
  std::deque<QString> delky;
  QTimer odpoved;
  QObject::connect(&odpoved, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!dialog || delky.empty()) return;
    dialog->setTextValue(delky.front());
    delky.pop_front();
    dialog->accept();
  });
  odpoved.start(10);
  const QPoint body[] = {{80, 80}, {280, 50}, {480, 80}, {80, 280}, {280, 310}, {480, 280}, {280, 180}};
  for (const QPoint& b : body) Mys(QEvent::MouseButtonDblClick, b);
  const struct { int a, b; const char* delka; } hrany[] = {
      {1, 2, "1"}, {2, 3, "2"}, {1, 4, "3"}, {3, 6, "1"}, {4, 5, "2"}, {5, 6, "4"},
      {1, 7, "1"}, {2, 7, "5"}, {3, 7, "1"}, {4, 7, "2"}, {5, 7, "1"}};
  for (const auto& h : hrany) {
    delky.push_back(QString::fromLatin1(h.delka));
    Mys(QEvent::MouseButtonPress, body[h.a - 1], Qt::ShiftModifier);
    Mys(QEvent::MouseMove, body[h.b - 1], Qt::ShiftModifier);
    Mys(QEvent::MouseButtonRelease, body[h.b - 1], Qt::ShiftModifier);
  }
  Mys(QEvent::MouseButtonPress, body[5], Qt::ShiftModifier);
  Mys(QEvent::MouseMove, (body[5] + body[6]) / 2 + QPoint(0, 12), Qt::ShiftModifier);
  const bool ulozeno = Form1->grab().save(obrazek, "PNG");
  Mys(QEvent::MouseButtonRelease, (body[5] + body[6]) / 2 + QPoint(0, 12), Qt::ShiftModifier);
  return ulozeno;
}

bool VyfotCviceni(const QString& obrazek) {
  Form1->findChild<QAction*>(QStringLiteral("ActionCviceni"))->trigger();
  TFormCviceni* okno = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* o = dynamic_cast<TFormCviceni*>(w)) okno = o;
  if (!okno) {
    std::cerr << "make_screenshot: no exercise window\n";
    return false;
  }
  okno->resize(1000, 660);
  okno->ComboAlgoritmus->setCurrentIndex(1);
  okno->SpinVrcholu->setValue(8);
  okno->SpinCislo->setValue(3);
  okno->ButtonNovyPriklad->click();
  okno->ButtonUkaz->click();
  okno->ButtonUkaz->click();
  // The last offered edge is a wrong choice here: it does not leave the tree.
  okno->ListHrany->setCurrentRow(okno->ListHrany->count() - 1);
  okno->ButtonVyber->click();
  for (int i = 0; i < 50; ++i) QApplication::processEvents();
  return okno->grab().save(obrazek, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool kresba = argc == 3 && std::string(argv[1]) == "--kresba";
  const bool cviceni = argc == 3 && std::string(argv[1]) == "--cviceni";
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: make_screenshot FILE.grf OUT.png [STEPS.png] | make_screenshot --kresba|--cviceni OUT.png\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The classroom choices of whoever runs the tool must not show in the pictures.
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir nastaveni;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nastaveni.path());
  const QString soubor = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  const QString obrazek = QString::fromLocal8Bit(argv[2]);

  Application->Initialize();
  CreateForms();
  Form1->Show();
  if (!CekejNaZobrazeni(Form1)) {
    std::cerr << "make_screenshot: the main window was never shown\n";
    return 1;
  }
  if (kresba || cviceni) {
    const bool ulozeno = kresba ? NakresliGraf(obrazek) : VyfotCviceni(obrazek);
    Application->FreeForms();
    if (ulozeno) return 0;
    std::cerr << "make_screenshot: cannot write " << argv[2] << '\n';
    return 1;
  }

  // The open dialog is modal; the timer answers it from inside its event loop.
  bool zodpovezeno = false;
  QTimer odpoved;
  QObject::connect(&odpoved, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->selectFile(soubor);
    // QFileDialog hides accept(); the dialog still takes the chosen file through it.
    static_cast<QDialog*>(dialog)->accept();
    zodpovezeno = true;
  });
  odpoved.start(10);
  Form1->Button2->click();
  odpoved.stop();
  if (!zodpovezeno || Form1->Edit1->GetText() == "Zadny graf otevren") {
    std::cerr << "make_screenshot: " << argv[1] << " did not open\n";
    return 1;
  }

  Form1->TabControl1->SetTabIndex(1);
  Form1->TabControl1Change();
  Form1->Button7->click();
  QApplication::processEvents();

  bool ulozeno = Form1->grab().save(obrazek, "PNG");
  if (ulozeno && argc == 4) ulozeno = VyfotPrubeh(QString::fromLocal8Bit(argv[3]));
  Application->FreeForms();
  if (!ulozeno) {
    std::cerr << "make_screenshot: cannot write " << argv[argc - 1] << '\n';
    return 1;
  }
  return 0;
}
