// Shared machinery of the tests that drive the running program; see ProgramWindow.h.
#include "support/ProgramWindow.h"

#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Forms.h"
#include "windows/main.h"

#include <QTest>
#include <QWidget>

#include <algorithm>

void ZapisGraf(const QString& path, const std::vector<TestVrchol>& vrcholy, const std::vector<TestHrana>& hrany) {
  ASSERT_EQ(0, graf.GetPocet()) << "graph files are written before the test loads one";
  graf.Init(std::uint8_t(vrcholy.size()));
  for (std::size_t k = 0; k < vrcholy.size(); ++k) {
    const auto i = std::uint8_t(k + 1);
    graf.SetX(i, vrcholy[k].x);
    graf.SetY(i, vrcholy[k].y);
    graf.SetText(i, vrcholy[k].text);
    graf.SetHodnota(i, vrcholy[k].hodnota);
  }
  for (const TestHrana& h : hrany) {
    graf.SetHrana(std::uint8_t(h.a), std::uint8_t(h.b), h.delka);
    graf.SetHrana(std::uint8_t(h.b), std::uint8_t(h.a), h.delka);
  }
  SetJmenoSouboru(FromQt(path));
  UlozGraf();
  ZrusGraf();
  SetJmenoSouboru("");
}

std::vector<std::string> Viditelne(const QWidget* window) {
  std::vector<std::string> names;
  for (const QWidget* control : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (!control->objectName().isEmpty() && !control->isHidden()) names.push_back(control->objectName().toStdString());
  return Serazene(names);
}

std::vector<std::string> Serazene(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

bool PrazdnePlatno(const TCanvas& canvas) {
  const int w = canvas.Width(), h = canvas.Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool outline = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      if (canvas.Pixel(x, y) != (outline ? clGray : clWhite)) return false;
    }
  return true;
}

TColor Uprostred(const TCanvas& canvas, int x1, int y1, int x2, int y2) {
  return canvas.Pixel((x1 + x2) / 2, (y1 + y2) / 2);
}

std::vector<TColor> Snimek(const TCanvas& canvas) {
  std::vector<TColor> pixels;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) pixels.push_back(canvas.Pixel(x, y));
  return pixels;
}

void ProgramWindow::SetUp() {
  ASSERT_TRUE(dir.isValid());
  CreateProgramWindows();
  ShowActive(Form1);
}

void ProgramWindow::TearDown() {
  FreeProgramWindows();
}

void ProgramWindow::Restart() {
  FreeProgramWindows();
  CreateProgramWindows();
  ShowActive(Form1);
}

void ProgramWindow::Klikni(QWidget* control) {
  ASSERT_TRUE(control->isVisible()) << control->objectName().toStdString() << " is not shown";
  QTest::mouseClick(control, Qt::LeftButton);
}

void ProgramWindow::Otevri(const QString& path) {
  answerer.ChooseFile(path);
  Klikni(Form1->Button2);
}

void ProgramWindow::UlozJako(const QString& typed) {
  answerer.ChooseFile(typed);
  Klikni(Form1->Button3);
}

void ProgramWindow::VyberZalozku(int index) {
  ASSERT_TRUE(Form1->TabControl1->isVisible()) << "the tab strip is not shown";
  QTest::mouseClick(Form1->TabControl1, Qt::LeftButton, Qt::NoModifier, Form1->TabControl1->tabRect(index).center());
}

TCanvas& ProgramWindow::Platno() const {
  return *Form1->Image1->GetCanvas();
}
