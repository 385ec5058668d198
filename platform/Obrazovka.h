// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Windows on small screens: where a window goes when the screen has room for it beside what
// must stay visible, a window taller than the screen that scrolls its content instead of
// hiding its buttons, and Esc as the key of a window's closing button.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <initializer_list>

class QAbstractButton;
class QWidget;

// The frame a window manager usually adds, for a window not mapped yet (its own is unknown).
constexpr QMargins kObvyklyRamecek(4, 30, 4, 4);

// The window's own frame when it has been mapped, else the usual one.
QMargins RamecekOkna(const QWidget* okno);

// Where a window of the usual size goes on a screen (available area obrazovka) beside a
// part that must stay visible: the free side that holds it at the largest scale, at most the
// usual size. The parts are tried in order (the whole main window, then only what the class
// watches), each before the last only where the window keeps its usual size beside it;
// maximalizovat when no side of the last leaves even a small window (320 x 240).
struct TUmisteni {
  QRect okno;  // the window's own area, inside the frame
  bool maximalizovat = false;
};
TUmisteni UmisteniVedle(const QRect& obrazovka, std::initializer_list<QRect> chranene, QSize obvykla,
                        QMargins ramecek);

// Each time the window is shown: its frame is moved within the screen's available area, and
// a window taller than that area is made as tall as it fits, its content scrolled by a bar at
// its right edge (the mouse wheel and the focus moving to a hidden control scroll it too).
// For windows whose controls have fixed places, not layouts.
void VejdiSeNaObrazovku(QWidget* okno);

// Esc does what a click on tlacitko does (a window's Cancel, OK or Exit).
void ZavirejKlavesouEsc(QWidget* okno, QAbstractButton* tlacitko);
