// What the tests that drive the running program share: a fresh program with its main
// window shown, graph files written by the program's own writer, the user's steps in
// the main window, and readings of its face and its picture.
#pragma once

#include "platform/Graphics.h"
#include "support/TestSupport.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class QWidget;

struct TestVrchol {
  int x;
  int y;
  std::string text;
  double hodnota = 0.0;
};

struct TestHrana {
  int a;
  int b;
  double delka;
};

// Writes a graph file with UlozGraf while graf is empty; graf and the file name are
// empty again afterwards, as at start.
void ZapisGraf(const QString& path, const std::vector<TestVrchol>& vrcholy, const std::vector<TestHrana>& hrany);

// Names of the window's own controls that are not hidden, sorted.
std::vector<std::string> Viditelne(const QWidget* window);
std::vector<std::string> Serazene(std::vector<std::string> names);

// The canvas shows nothing but the white area with its grey outline.
bool PrazdnePlatno(const TCanvas& canvas);
// The colour at the middle of the segment between two points (on a straight line
// the middle pixel is the same for every line algorithm when the offsets are even).
TColor Uprostred(const TCanvas& canvas, int x1, int y1, int x2, int y2);
// The picture as rows of pixels, to compare two moments.
std::vector<TColor> Snimek(const TCanvas& canvas);

// A freshly started program whose main window is shown and active, with a folder for
// graph files and an answerer for the modal boxes and file dialogs.
class ProgramWindow : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  QString Soubor(const QString& name) const { return dir.filePath(name); }
  // Ends the program and starts it afresh; the folder and its files stay.
  void Restart();

  // The user's steps in the main window. A user clicks only what is shown (QTest
  // would click a hidden button as well).
  void Klikni(QWidget* control);
  void Otevri(const QString& path);
  void UlozJako(const QString& typed);
  void VyberZalozku(int index);
  TCanvas& Platno() const;

  QTemporaryDir dir;
  ModalAnswerer answerer;
};
