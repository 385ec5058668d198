// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the tests share: modal boxes and file dialogs answered as a user would, narration
// recorded without a window, a fresh program state, key and focus moves, files.
#pragma once

#include "platform/Graphics.h"

#include <QString>
#include <QTimer>

#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// While alive, a timer answers the open modal window, in nested loops too: a message box is
// recorded and closed; a file dialog gets the next planned path or cancel (cancel if none).
struct ModalAnswerer {
  ModalAnswerer();
  void ChooseFile(const QString& path) { planned.push_back(path); }
  // The next file dialog answered also gets this file type chosen before its name is typed.
  void ChooseFile(const QString& path, const QString& type) { planned.push_back(path); plannedType = type; }
  void CancelFile() { planned.push_back(std::nullopt); }
  std::vector<std::string> messages;  // Windows-1250, in order
  std::vector<QString> dialogTitles;
  std::deque<std::optional<QString>> planned;
  std::optional<QString> plannedType;
  QTimer timer;
};

struct MessageRecorder {  // while alive, ShowMessage texts go to messages instead of a box
  MessageRecorder();
  ~MessageRecorder();
  std::vector<std::string> messages;
};

struct TestSurface {  // while alive, the drawing goes to canvas and the output line to memo
  TestSurface();
  ~TestSurface();
  TCanvas canvas;
  std::string memo;
};

void ResetProgramState();  // as at start: no graph, file name or mode object, positions restarted
void CreateProgramWindows();  // the seven windows, after ResetProgramState
void FreeProgramWindows();
void ShowActive(QWidget* window);  // shown and active, so that focus moves happen
void FocusOn(QWidget* widget);     // as a click: Exit of the old box, then Enter
void TypeInto(QWidget* lineEdit, const QString& text);  // focused, its whole text typed over
std::string ReadBytes(const QString& path);
void WriteBytes(const QString& path, const std::string& bytes);
