// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The step window "Průběh výkladu": the last command's narration one row per box, the
// canvas as it was under the selected box drawn large enough for a projector, and the
// pictures and text to keep.
#pragma once

#include "classroom/Obraz.h"
#include "platform/Forms.h"

#include <QMargins>
#include <QString>

#include <memory>

class QBoxLayout;
class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSettings;
class TPrehravani;

// The classroom's settings: organisation and application "Trivex".
std::unique_ptr<QSettings> NastaveniTridy();
// A file name for a picture from the save dialog, with ".png" or ".svg" by the chosen type
// when the name has neither (empty when the user cancels), and the size the chosen type
// asks for: 1, 2 or 4 times the canvas.
struct TVolbaObrazku {
  QString cesta;
  int meritko = 1;
};
TVolbaObrazku VyberSouborObrazku(QWidget* okno, const QString& titulek);
// A classroom error: a box of its own, never part of a narration nor hidden by the
// no-boxes mode.
void UkazChybuTridy(QWidget* okno, const QString& text);

// ImageKrok: the selected step drawn from the recorded operations, scaled to fill the
// control with its aspect kept. Its property "obrazek" holds the same step at 1:1 without
// overlays, pixel for pixel the canvas as it was then.
class TObrazKroku : public QWidget {
public:
  explicit TObrazKroku(QWidget* owner);
  void NastavKrok(std::size_t po, std::size_t zvyraznena, TPrekryvy prekryvy);
  std::size_t Po() const { return po; }
  std::size_t Zvyraznena() const { return zvyraznena; }
  TPrekryvy Prekryvy() const { return prekryvy; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::size_t po = 0;
  std::size_t zvyraznena = kNic;
  TPrekryvy prekryvy;
};

class TFormPrubeh : public TForm {
public:
  TFormPrubeh();
  ~TFormPrubeh() override;

  QLabel* LabelKrok;  // the selected row's text, large
  QLabel* LabelVysvetleni;  // why that step happens, under it
  TObrazKroku* ImageKrok;
  QListWidget* ListKroky;
  QCheckBox* CheckCisla;
  QCheckBox* CheckDelky;
  QPushButton* ButtonPrvni;
  QPushButton* ButtonZpet;
  QPushButton* ButtonDalsi;
  QPushButton* ButtonPosledni;
  QPushButton* ButtonUlozObrazek;
  QPushButton* ButtonUlozText;
  QCheckBox* CheckPostupne;  // rows after the selected one hidden, so the answer is not given away
  QPushButton* ButtonPrehraj;
  QDoubleSpinBox* SpinRychlost;  // seconds per step while playing
  QAction* ActionTisk;  // Ctrl+P and the picture's menu: the selected step on paper

  // The recording changed: the rows follow it. The selection stays where it was, or moves
  // to a new last row when it was on the last one (a run watched as it goes).
  void Obnov();
  // Shows the window (beside the main window hlavni, or at least beside platno, what the
  // class watches in it, in screen pixels, when it has no remembered place on a screen) and
  // selects row radek, or keeps the selection for -1.
  void Ukaz(QWidget* hlavni, const QRect& platno, int radek);
  void Vyber(int radek);

  void ButtonUlozObrazekClick();
  void ButtonUlozTextClick();
  void ActionTiskClick();

protected:
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void VytvorOvladace();
  void Rozvrhni();
  void Propoj();
  void ZobrazVybrany();
  void UlozUmisteni();
  // The lesson's controls: the explanation, step-by-step reveal and play (prubehvyuka.cpp).
  void PridejVyuku(QBoxLayout* sloupec, QBoxLayout* ovladani);
  void OznacDruhy();
  void ZobrazVyuku(int radek);
  bool umisteno = false;
  TPrehravani* prehravani = nullptr;
};
