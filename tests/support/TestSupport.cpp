// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Shared test machinery (see TestSupport.h) and the tests' main, which runs them inside a
// live QApplication on Qt's offscreen platform.
#include "support/TestSupport.h"

#include "Trivex.h"
#include "algorithms/UMetody.h"
#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Vystup.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

ModalAnswerer::ModalAnswerer() {
  QObject::connect(&timer, &QTimer::timeout, [this] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages.push_back(FromQt(box->text()));
      box->done(QMessageBox::Ok);
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      dialogTitles.push_back(dialog->windowTitle());
      const std::optional<QString> answer = planned.empty() ? std::nullopt : planned.front();
      if (!planned.empty()) planned.pop_front();
      if (!answer) return dialog->reject();
      if (plannedType) dialog->selectNameFilter(*std::exchange(plannedType, std::nullopt));
      // The name box has the focus, so selectFile leaves it alone: the name is typed there.
      dialog->selectFile(*answer);
      if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(QFileInfo(*answer).fileName());
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept(); its checks still run
    }
  });
  timer.start(10);
}

MessageRecorder::MessageRecorder() { SetMessageHandler([this](const std::string& t) { messages.push_back(t); }); }
MessageRecorder::~MessageRecorder() { SetMessageHandler(nullptr); }

TestSurface::TestSurface() : canvas(kSirkaPlatna, kVyskaPlatna) {
  NastavPlatno(&canvas);
  Vystup().NastavRadek([this](const std::string& text) { memo = text; });
}
TestSurface::~TestSurface() { NastavPlatno(nullptr); Vystup().NastavRadek(nullptr); }

void ResetProgramState() {
  metoda.reset();
  graf.Clear();
  SetJmenoSouboru("");
  ZacniNahodneSouradnice();
}

void CreateProgramWindows() { ResetProgramState(); CreateForms(); }

void FreeProgramWindows() {
  Application->FreeForms();
  NastavPlatno(nullptr);
  Vystup().NastavRadek(nullptr);
  ResetProgramState();
}

void ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
}

void FocusOn(QWidget* widget) { widget->setFocus(Qt::MouseFocusReason); QApplication::processEvents(); }

void TypeInto(QWidget* lineEdit, const QString& text) {
  if (!lineEdit->hasFocus()) FocusOn(lineEdit);
  if (auto* edit = qobject_cast<QLineEdit*>(lineEdit)) edit->selectAll();
  QTest::keyClick(lineEdit, Qt::Key_Delete);
  // Each character comes as the text of a key, as an input method sends it (QTest has key
  // codes for ASCII only).
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, lineEdit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

std::string ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes.data(), qint64(bytes.size()));
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Remembered choices (QSettings) are this run's own, never the user's nor another test's.
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  Application->Initialize();
  PripojVystup();
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  Application->FreeForms();
  return result;
}
