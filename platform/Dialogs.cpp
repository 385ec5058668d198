// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Message boxes and file dialogs on Qt. File dialogs are Qt's own (never the
// desktop's native ones), run with exec(), so they look and behave the same
// everywhere and a test can answer them like a user.
#include "platform/Dialogs.h"

#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/Vystup.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

#include <utility>

namespace {

int commandDepth = 0;

// A box has its size only once it is being shown, and is not yet on screen then.
class PlaceOnShow : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && Vystup().Umisteni()) Vystup().Umisteni()(static_cast<QWidget*>(watched));
    return false;
  }
};

// Runs a modal dialog, then makes the window it covered active again at once, not later
// as a desktop's window manager would (a headless platform never does): a focus move
// whose Exit handler opened a message box then ends with the next box's Enter, and
// later focus moves in the window run their handlers.
int RunModal(QDialog& dialog, QWidget* owner) {
  const QPointer<QWidget> active(owner);
  const int result = dialog.exec();
  dialog.hide();
  if (active && active->isVisible() && QApplication::activeWindow() != active) {
    active->activateWindow();
    QApplication::setActiveWindow(active);
  }
  return result;
}

}  // namespace

void ShowMessage(const std::string& text) {
  Vystup().Zprava(text);
  if (const TMessageHandler prijemce = Vystup().PrijemceZprav()) {
    prijemce(text);
    return;
  }
  if (!Vystup().Okna()) return;
  QWidget* owner = QApplication::activeWindow();
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Trivex"), ToQt(text), QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  PlaceOnShow placeOnShow;
  box.installEventFilter(&placeOnShow);
  RunModal(box, owner);
}

TMessageHandler SetMessageHandler(TMessageHandler handler) {
  return Vystup().NastavPrijemceZprav(std::move(handler));
}

TCommand::TCommand() {
  if (commandDepth++ == 0) Vystup().Prikaz(true);
}

TCommand::~TCommand() {
  if (--commandDepth == 0) Vystup().Prikaz(false);
}

void NastavUlozeni(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
}

TFileDialog::TFileDialog(QWidget* owner, bool save) : dialog(std::make_unique<QFileDialog>(owner)) {
  // An open dialog differs from a save dialog only in what it accepts.
  NastavUlozeni(*dialog);
  if (save)
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  else
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
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
  if (RunModal(*dialog, QApplication::activeWindow()) != QDialog::Accepted) return false;
  const QStringList chosen = dialog->selectedFiles();
  if (chosen.isEmpty()) return false;
  fileName = FromQt(chosen.first());
  return true;
}

std::optional<std::string> VyberSouborKUlozeni(QWidget* vlastnik) {
  // Each use has a dialog of its own, released when the use ends, however it ends.
  TSaveDialog uloz(vlastnik);
  uloz.SetTitle("Zadejte adresu souboru ve kterem bude graf ulozen");
  uloz.SetInitialDir(GetCurrentDir());
  uloz.SetDefaultExt("grf");
  if (!uloz.Execute()) return std::nullopt;
  return uloz.GetFileName();
}
