// Message boxes and file dialogs on Qt. File dialogs are Qt's own (never the
// desktop's native ones), run with exec(), so they look and behave the same
// everywhere and a test can answer them like a user.
#include "platform/Dialogs.h"

#include "platform/Forms.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace {

TMessageHandler& Handler() {
  static TMessageHandler handler;
  return handler;
}

}  // namespace

void ShowMessage(const std::string& text) {
  if (Handler()) {
    Handler()(text);
    return;
  }
  // The window the box covered is active again the moment the box closes, not later
  // as a desktop's window manager would make it (a headless platform never does): a
  // focus move whose Exit handler opened the box then ends with the next box's Enter.
  const QPointer<QWidget> zakryte = QApplication::activeWindow();
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Trivex"), ToQt(text), QMessageBox::Ok, zakryte);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  if (zakryte && zakryte->isVisible()) {
    QApplication::setActiveWindow(zakryte);
    zakryte->activateWindow();
  }
}

TMessageHandler SetMessageHandler(TMessageHandler handler) {
  TMessageHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

TFileDialog::TFileDialog(QWidget* owner, bool save) : dialog(std::make_unique<QFileDialog>(owner)) {
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (save) dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
}

TFileDialog::~TFileDialog() = default;

void TFileDialog::SetInitialDir(const std::string& dir) {
  dialog->setDirectory(ToQt(dir));
}

void TFileDialog::SetTitle(const std::string& title) {
  dialog->setWindowTitle(ToQt(title));
}

void TFileDialog::SetDefaultExt(const std::string& ext) {
  dialog->setDefaultSuffix(ToQt(ext));
}

bool TFileDialog::Execute() {
  if (dialog->exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog->selectedFiles();
  if (chosen.isEmpty()) return false;
  fileName = FromQt(chosen.first());
  return true;
}
