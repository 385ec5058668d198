// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the tests that drive the running program share: a fresh program with its main window
// shown, graph files written by the program's own writer, the user's steps, its face.
#pragma once

#include "algorithms/UMetody.h"
#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "support/TestSupport.h"
#include "windows/main.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

struct TestVrchol { int x, y; std::string text; double hodnota = 0.0; };
struct TestHrana { int a, b; double delka; };

class ProgramWindow : public ::testing::Test {
protected:
  void SetUp() override { CreateProgramWindows(); ShowActive(Form1); }
  void TearDown() override { FreeProgramWindows(); }
  // Written while graf is empty, which it is again afterwards, as at start.
  static void ZapisGraf(const QString& path, const std::vector<TestVrchol>& body, const std::vector<TestHrana>& hrany) {
    ASSERT_EQ(0, graf.GetPocet()) << "graph files are written before the test loads one";
    TDavkaZmen davka(graf);  // one replacement, as a read file is: no undo step, no recovery copy
    graf.Init(std::uint8_t(body.size()));
    for (std::uint8_t i = 1; i <= body.size(); ++i) {
      const TestVrchol& b = body[i - 1u];
      graf.SetX(i, b.x), graf.SetY(i, b.y), graf.SetText(i, b.text), graf.SetHodnota(i, b.hodnota);
    }
    for (const TestHrana& h : hrany)
      graf.SetHrana(std::uint8_t(h.a), std::uint8_t(h.b), h.delka), graf.SetHrana(std::uint8_t(h.b), std::uint8_t(h.a), h.delka);
    SetJmenoSouboru(FromQt(path));
    UlozGraf();
    ZrusGraf();
    SetJmenoSouboru("");
  }
  QString Soubor(const QString& name) const { return dir.filePath(name); }
  // A user clicks only what is shown (QTest would click a hidden button as well).
  void Klikni(QWidget* control) {
    ASSERT_TRUE(control->isVisible()) << control->objectName().toStdString() << " is not shown";
    QTest::mouseClick(control, Qt::LeftButton);
  }
  void Otevri(const QString& path) { answerer.ChooseFile(path); Klikni(Form1->Button2); }
  void Zalozka(int i) {
    QTest::mouseClick(Form1->TabControl1, Qt::LeftButton, {}, Form1->TabControl1->tabRect(i).center());
  }
  TCanvas& Platno() const { return *Form1->Image1->GetCanvas(); }
  TColor Bod(int x, int y) const { return Platno().Pixel(x, y); }
  bool PrazdnePlatno() const {  // white in a grey outline
    for (int y = 0; y < kVyskaPlatna; ++y)
      for (int x = 0; x < kSirkaPlatna; ++x)
        if (Bod(x, y) != (x % (kSirkaPlatna - 1) == 0 || y % (kVyskaPlatna - 1) == 0 ? clGray : clWhite)) return false;
    return true;
  }
  static std::string Viditelne() {  // the main window's controls not hidden, by name
    QStringList names;
    for (const QWidget* c : Form1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      if (!c->isHidden()) names << c->objectName();
    names.sort();
    return names.join(' ').toStdString();
  }

  QTemporaryDir dir;
  ModalAnswerer answerer;
};
