// What the tests share: answering modal boxes and file dialogs as a user would,
// recording narration without a window, files in temporary folders, a fresh program
// state per test, and key and focus moves.
#pragma once

#include "platform/Graphics.h"

#include <QString>
#include <QTimer>

#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// While alive, a short repeating timer answers whatever modal window is open: a
// message box has its text recorded and is closed with OK; a file dialog gets the
// next planned answer (a path, accepted, or a cancel). Works in nested event loops.
class ModalAnswerer {
public:
  ModalAnswerer();
  ~ModalAnswerer();

  void ChooseFile(const QString& path);
  void CancelFile();

  std::vector<std::string> messages;  // texts of the boxes closed, in order (Windows-1250)
  std::vector<QString> dialogTitles;  // titles of the file dialogs answered
  std::vector<QString> dialogSuffixes;
  std::vector<QString> dialogDirectories;
  int unplannedDialogs = 0;  // file dialogs that found no planned answer (cancelled)

private:
  void Answer();

  QTimer timer;
  std::deque<std::optional<QString>> plannedFiles;
};

// While alive, ShowMessage texts go to messages instead of a box.
class MessageRecorder {
public:
  MessageRecorder();
  ~MessageRecorder();
  std::vector<std::string> messages;
};

// While alive, the drawing goes to this canvas and the output line to memo.
class TestSurface {
public:
  TestSurface();
  ~TestSurface();
  TCanvas canvas;
  std::string memo;
};

// Empties the graph, the file name and the mode object, and restarts the vertex
// position generator: the state of a freshly started program.
void ResetProgramState();

// Creates the seven windows (CreateForms) after ResetProgramState; FreeProgramWindows
// destroys them again.
void CreateProgramWindows();
void FreeProgramWindows();

// Shows a window and waits until it is active, so that focus moves happen.
void ShowActive(QWidget* window);

// Moves the focus to a widget the way a click does (Exit of the old box, then Enter).
void FocusOn(QWidget* widget);
// Selects the whole text of the focused line edit and types text over it.
void TypeInto(QWidget* lineEdit, const QString& text);

std::string ReadBytes(const QString& path);
void WriteBytes(const QString& path, const std::string& bytes);
