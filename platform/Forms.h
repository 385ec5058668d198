// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The application object, the windows and the running of event handlers. Every
// handler runs through Invoke, so an error raised in one is reported to the user and
// the program carries on.
#pragma once

#include "platform/Graphics.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCloseEvent;
class QShowEvent;

using TNotifyEvent = std::function<void()>;

// Texts of the program (Windows-1250) to and from the screen's Unicode.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);


// Runs an event handler. An exception that leaves it abandons the handler and is
// shown as the general error report (a message box naming what failed).
void Invoke(const TNotifyEvent& handler);

// A window. Its objectName is its class name; captions are UTF-8 source texts.
class TForm : public QWidget {
public:
  TForm(const char* className, const char* caption, int left, int top, int width, int height);

  // Opens the window modeless (or raises it); FormShow runs whenever it becomes visible.
  void Show();
  // The main window closes the program; any other window is only hidden.
  void Close();
  void SetCaption(const std::string& caption);
  // The menu background colour, used by read-only caption boxes.
  static TColor MenuColor();

protected:
  virtual void FormShow() {}
  virtual void FormClose() {}

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

class TApplication {
public:
  void Initialize();
  // Creates a window hidden; the first one created is the main window.
  template <class T>
  void CreateForm(T*& reference) {
    auto form = std::make_unique<T>();
    reference = form.get();
    Adopt(std::move(form));
  }
  // Shows the main window and runs the event loop until the main window closes.
  void Run();
  TForm* MainForm() const { return forms.empty() ? nullptr : forms.front().get(); }
  // The windows in creation order.
  std::vector<TForm*> Forms() const;
  // Destroys every window, last created first (at exit, and between tests).
  void FreeForms();
  // The general error report of an error raised in an event handler.
  void ShowException(const std::exception& error);

private:
  void Adopt(std::unique_ptr<TForm> form);
  std::vector<std::unique_ptr<TForm>> forms;
};

extern TApplication* Application;
