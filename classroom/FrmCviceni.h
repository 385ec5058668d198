// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The exercise window "Cvičení": the student chooses each next edge of Kruskal, Jarník or
// Borůvka on a copy of the main window's graph or on a generated example, and learns at
// once whether it was right and why.
#pragma once

#include "classroom/Zaznam.h"
#include "cviceni/Kroky.h"
#include "model/UGraf.h"
#include "platform/Forms.h"

#include <QString>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// The exercise's picture: the graph scaled to the control with numbers and lengths, the
// accepted edges in the tree colour, the tree asked about ringed, hinted edges glowing.
// A click near an edge not yet accepted reports it.
class TObrazCviceni : public QWidget {
public:
  explicit TObrazCviceni(QWidget* owner);
  void Nastav(std::vector<TOperace> operace, std::vector<QPoint> zvyraznene, std::vector<int> krouzky);
  std::function<void(int u, int v)> PriKliknuti;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  double Meritko() const;
  QPointF Posun() const;
  std::vector<TOperace> operace;
  std::vector<QPoint> zvyraznene;  // edges as (u, v)
  std::vector<int> krouzky;        // vertices
};

class TFormCviceni : public TForm {
public:
  TFormCviceni();
  ~TFormCviceni() override;

  QComboBox* ComboAlgoritmus;
  QPushButton* ButtonZHlavnihoOkna;
  QSpinBox* SpinVrcholu;
  QSpinBox* SpinCislo;
  QPushButton* ButtonNovyPriklad;
  QPushButton* ButtonUlozPriklad;
  QLabel* LabelOtazka;
  TObrazCviceni* ImageCviceni;
  QListWidget* ListHrany;
  QPushButton* ButtonVyber;
  QPushButton* ButtonNapoveda;
  QPushButton* ButtonUkaz;
  QLabel* LabelOdpoved;
  QLabel* LabelSkore;

  void ButtonZHlavnihoOknaClick();
  void ButtonNovyPrikladClick();
  void ButtonUlozPrikladClick();
  void ButtonVyberClick();
  void ButtonNapovedaClick();
  void ButtonUkazClick();
  void ComboAlgoritmusChange();

protected:
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Zacni(const TSnimekGrafu& snimek);
  void ZacniZnovu();
  // Judges the choice of edge u - v and shows the answer.
  void Zvol(int u, int v);
  void Obnov();
  void NaplnSeznam();
  QString Otazka() const;
  QString Skore() const;

  TSnimekGrafu snimek;  // the exercise's own graph
  std::optional<TCviceni> cviceni;
  int spravne = 0;
  int pokusu = 0;
  int ukazano = 0;
  bool napoveda = false;
  bool umisteno = false;
  int posluchac = 0;
};
