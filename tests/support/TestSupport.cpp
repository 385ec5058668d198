// Shared test machinery; see TestSupport.h.
#include "support/TestSupport.h"

#include "Trivex.h"
#include "algorithms/UMetody.h"
#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

ModalAnswerer::ModalAnswerer() {
  QObject::connect(&timer, &QTimer::timeout, [this] { Answer(); });
  timer.start(10);
}

ModalAnswerer::~ModalAnswerer() {
  timer.stop();
}

void ModalAnswerer::ChooseFile(const QString& path) {
  plannedFiles.push_back(path);
}

void ModalAnswerer::CancelFile() {
  plannedFiles.push_back(std::nullopt);
}

void ModalAnswerer::Answer() {
  QWidget* modal = QApplication::activeModalWidget();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages.push_back(FromQt(box->text()));
    box->done(QMessageBox::Ok);
    return;
  }
  if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
    dialogTitles.push_back(dialog->windowTitle());
    dialogSuffixes.push_back(dialog->defaultSuffix());
    dialogDirectories.push_back(dialog->directory().absolutePath());
    if (plannedFiles.empty()) {
      ++unplannedDialogs;
      dialog->reject();
      return;
    }
    const std::optional<QString> answer = plannedFiles.front();
    plannedFiles.pop_front();
    if (!answer) {
      dialog->reject();
      return;
    }
    dialog->selectFile(*answer);
    // selectFile leaves the name box alone while it has the focus, which it has as soon
    // as the dialog is active; the name is then typed into it as a user types it.
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
      name->setText(QFileInfo(*answer).fileName());
    // QFileDialog hides accept(); the dialog's own checks still run through the override.
    static_cast<QDialog*>(dialog)->accept();
  }
}

MessageRecorder::MessageRecorder() {
  SetMessageHandler([this](const std::string& text) { messages.push_back(text); });
}

MessageRecorder::~MessageRecorder() {
  SetMessageHandler(nullptr);
}

TestSurface::TestSurface() : canvas(kSirkaPlatna, kVyskaPlatna) {
  NastavPlatno(&canvas);
  VypisDoMemo = [this](const std::string& text) { memo = text; };
}

TestSurface::~TestSurface() {
  NastavPlatno(nullptr);
  VypisDoMemo = nullptr;
}

void ResetProgramState() {
  metoda.reset();
  graf.Clear();
  SetJmenoSouboru("");
  ZacniNahodneSouradnice();
}

void CreateProgramWindows() {
  ResetProgramState();
  CreateForms();
}

void FreeProgramWindows() {
  Application->FreeForms();
  NastavPlatno(nullptr);
  VypisDoMemo = nullptr;
  ResetProgramState();
}

void ShowActive(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
}

void FocusOn(QWidget* widget) {
  widget->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
}

void TypeInto(QWidget* lineEdit, const QString& text) {
  if (!lineEdit->hasFocus()) FocusOn(lineEdit);
  auto* edit = qobject_cast<QLineEdit*>(lineEdit);
  if (edit) edit->selectAll();
  QTest::keyClick(lineEdit, Qt::Key_Delete);
  for (const QChar c : text) {
    // QTest knows the keys of ASCII only; other letters (Czech ones) come as the text
    // of a key without a code, as an input method delivers them.
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
      QTest::keyClick(lineEdit, char(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, lineEdit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

std::string ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::string();
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

void WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes.data(), qint64(bytes.size()));
}
