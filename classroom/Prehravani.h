// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Playing a narration at the teacher's pace: one step every few seconds until the end or a
// pause, with a button that says which of the two a press does.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QDoubleSpinBox;
class QPushButton;

class TPrehravani : public QObject {
public:
  // dalsi moves on by one step, if there is one, and says whether another follows it;
  // odZacatku goes back to the first step when the selection is at the end, so that a play
  // started there shows the lesson again. The pace (seconds per step) is remembered under
  // klicRychlosti.
  TPrehravani(QPushButton* tlacitko, QDoubleSpinBox* rychlost, const char* klicRychlosti, std::function<bool()> dalsi,
              std::function<void()> odZacatku);

  bool Hraje() const { return casovac.isActive(); }
  void Prehraj();
  void Pauza();
  // A step the user took: the play stops, so it never moves on under the teacher's hand.
  void RucniKrok();
  // Steps that the play itself takes are not the user's.
  bool Krokuje() const { return krokuje; }

private:
  void Krok();
  void UkazStav();

  QPushButton* tlacitko;
  QDoubleSpinBox* rychlost;
  std::function<bool()> dalsi;
  std::function<void()> odZacatku;
  QTimer casovac;
  bool krokuje = false;
};
