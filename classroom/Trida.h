// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The classroom layer on the main window: the canvas menu, the labels over Image1, the
// hover tooltips, the boxes placed beside the canvas, the no-boxes mode and the step
// window. With every option off the main window looks and behaves as without it.
#pragma once

#include "classroom/Zaznam.h"

#include <QPoint>
#include <QString>

#include <vector>

class TForm;
class TImage;
class TMemo;

// The parts of the main window the layer works over: the window, its canvas control and its
// output line.
struct THlavniOkno {
  TForm* okno;
  TImage* platno;
  TMemo* vystup;
  std::vector<QWidget*> tlacitka;  // the command buttons a window opened beside must not cover
};

// Attaches the layer to the main window for the window's lifetime.
void PripojTridu(const THlavniOkno& hlavni);

// What the pointer at canvas point bod is over in the picture: the nearest dot within a few
// pixels ("Vrchol 3 · hodnota 2.5 · stupeň 4 · comment", the rest read from graf, the
// degree as the colouring legend shows it), else the nearest edge ("Hrana 3 – 5 · délka 2");
// empty over blank canvas.
QString PopisMista(const std::vector<TOperace>& obraz, QPoint bod);
