// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Takes the README's picture of the exercise window: Jarník on generated example 3 with 8
// vertices, two right steps, then a wrong choice, so the picture shows a question, an answer
// with its reason and the score. Usage: make_screenshot_cviceni OUT.png
// Runs headless on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "Trivex.h"
#include "platform/Forms.h"
#include "classroom/FrmCviceni.h"
#include "windows/main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>

#include <iostream>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: make_screenshot_cviceni OUT.png\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir nastaveni;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nastaveni.path());

  Application->Initialize();
  CreateForms();
  Form1->Show();
  Form1->findChild<QAction*>(QStringLiteral("ActionCviceni"))->trigger();
  TFormCviceni* okno = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* o = dynamic_cast<TFormCviceni*>(w)) okno = o;
  if (!okno) {
    std::cerr << "make_screenshot_cviceni: no exercise window\n";
    return 1;
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
  const bool ulozeno = okno->grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
  Application->FreeForms();
  if (!ulozeno) {
    std::cerr << "make_screenshot_cviceni: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
