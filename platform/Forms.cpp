// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Windows on Qt top-level widgets. Show and close follow the form model the windows
// are written for: FormShow at every showing, closing hides, and the main window's
// closing ends the program.
#include "platform/Forms.h"

#include "platform/Cp1250.h"
#include "platform/Dialogs.h"
#include "platform/Obrazovka.h"
#include "platform/SysUtils.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPalette>
#include <QShowEvent>

#include <filesystem>

namespace {
TApplication application;
}

TApplication* Application = &application;

QString ToQt(const std::string& text) {
  return QString::fromStdString(Cp1250ToUtf8(text));
}

std::string FromQt(const QString& text) {
  return Utf8ToCp1250(text.toStdString());
}

void Invoke(const TNotifyEvent& handler) {
  if (!handler) return;
  const TCommand command;  // the narration's observers hear where a command starts and ends
  try {
    handler();
  } catch (const std::exception& error) {
    Application->ShowException(error);
  } catch (...) {
    Application->ShowException(Exception("Neocekavana chyba"));
  }
}

TForm::TForm(const char* className, const char* caption, int left, int top, int width, int height) {
  setObjectName(QString::fromLatin1(className));
  setWindowTitle(QString::fromUtf8(caption));
  move(left, top);
  resize(width, height);
}

void TForm::Show() {
  show();
  raise();
  activateWindow();
}

void TForm::Close() {
  close();
}

void TForm::SetCaption(const std::string& caption) {
  setWindowTitle(ToQt(caption));
}

TColor TForm::MenuColor() {
  const QColor c = QApplication::palette().color(QPalette::Window);
  return RGB(c.red(), c.green(), c.blue());
}

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window restored from the task bar is not shown anew.
  if (!event->spontaneous()) Invoke([this] { FormShow(); });
}

void TForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (Application->MainForm() != this) return;
  Invoke([this] { FormClose(); });
  QApplication::quit();
}

void TApplication::Initialize() {
  QApplication::setApplicationName(QStringLiteral("Trivex"));
  QApplication::setQuitOnLastWindowClosed(false);
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
  form->hide();
  // The main window's place and size are its own; any other window must fit a small screen.
  if (!forms.empty()) VejdiSeNaObrazovku(form.get());
  forms.push_back(std::move(form));
}

void TApplication::Run() {
  if (!MainForm()) return;
  MainForm()->Show();
  QApplication::exec();
}

std::vector<TForm*> TApplication::Forms() const {
  std::vector<TForm*> list;
  for (const auto& form : forms) list.push_back(form.get());
  return list;
}

void TApplication::FreeForms() {
  while (!forms.empty()) forms.pop_back();
}

void TApplication::ShowException(const std::exception& error) {
  ShowMessage(error.what());
}
