// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Modal message boxes and the file dialogs. The header needs no Qt, so that the
// algorithms can narrate through ShowMessage without knowing any window.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

// A modal box with the text (Windows-1250) and an OK button; returns when the user
// has closed it.
void ShowMessage(const std::string& text);

// Replaces the modal box by another receiver of the texts (a test's recorder) until
// it is replaced again; an empty handler brings the box back. Returns the previous one.
// (The receiver of the output road, platform/Vystup.h, where the observers, the boxes'
// placement and the no-boxes mode are set as well.)
using TMessageHandler = std::function<void(const std::string&)>;
TMessageHandler SetMessageHandler(TMessageHandler handler);

// A command is the outermost event handler running: Invoke holds a TCommand meanwhile,
// and handlers that run inside it (a box's event loop, a window shown by it) are part of
// it. The output road's observers hear true when a command starts and false when it ends.
class TCommand {
public:
  TCommand();
  ~TCommand();
  TCommand(const TCommand&) = delete;
  TCommand& operator=(const TCommand&) = delete;
};

// Qt's own file dialog, as every file dialog of the program is (it looks the same everywhere
// and a test can answer it like a user), set up to save under any name. The graph's save
// dialog (which never asks before replacing a file) and the classroom's saves use it.
void NastavUlozeni(QFileDialog& dialog);

// A file dialog created for one use. Paths are Windows-1250 texts like all texts of
// the program. Execute runs it modally and tells whether the user confirmed.
class TFileDialog {
public:
  ~TFileDialog();
  void SetInitialDir(const std::string& dir);
  void SetTitle(const std::string& title);
  // Appended to a name typed without an extension.
  void SetDefaultExt(const std::string& ext);
  bool Execute();
  std::string GetFileName() const { return fileName; }

protected:
  TFileDialog(QWidget* owner, bool save);

private:
  std::unique_ptr<QFileDialog> dialog;
  std::string fileName;
};

// The save dialog of a graph file (title, current folder, ".grf" added): the chosen
// path, or none when the user cancels. The graph's save, the new-graph dialog and the
// exercise's example share it.
std::optional<std::string> VyberSouborKUlozeni(QWidget* vlastnik);

// Open: an existing or a new name may be chosen; the caller checks the file.
class TOpenDialog : public TFileDialog {
public:
  explicit TOpenDialog(QWidget* owner) : TFileDialog(owner, false) {}
};

// Save: never asks before replacing an existing file.
class TSaveDialog : public TFileDialog {
public:
  explicit TSaveDialog(QWidget* owner) : TFileDialog(owner, true) {}
};
