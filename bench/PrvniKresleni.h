// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the two start-up programs of the benchmark share: once a window has painted
// for the first time, they describe its controls and end, so the launcher sees the
// moment the window stood complete on the screen.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// The line that ends a start-up's output; the launcher stops its clock on it.
inline constexpr char kNakresleno[] = "nakresleno";

// Watches one window for its first paint. The children paint in the same pass as
// the window itself, so a zero timer after the window's paint event runs once the
// whole window is drawn.
class tPrvniKresleni : public QObject {
public:
  explicit tPrvniKresleni(QWidget* okno) : QObject(okno), okno(okno) { okno->installEventFilter(this); }

  bool eventFilter(QObject* objekt, QEvent* udalost) override {
    if (objekt == okno && udalost->type() == QEvent::Paint && !nakresleno) {
      nakresleno = true;
      QTimer::singleShot(0, this, [this] { Ohlas(); });
    }
    return false;
  }

private:
  // The Qt class a control is made of (the program's own classes derive from them).
  static const char* TridaQt(const QObject* objekt) {
    const QMetaObject* meta = objekt->metaObject();
    while (meta->superClass() && meta->className()[0] != 'Q') meta = meta->superClass();
    return meta->className();
  }

  // One line per direct child control, "Class x y width height", then the end line.
  void Ohlas() {
    std::printf("okno %d %d\n", okno->width(), okno->height());
    for (const QObject* dite : okno->children()) {
      const auto* prvek = qobject_cast<const QWidget*>(dite);
      if (!prvek) continue;
      const QRect g = prvek->geometry();
      std::printf("prvek %s %d %d %d %d\n", TridaQt(prvek), g.x(), g.y(), g.width(), g.height());
    }
    std::printf("%s\n", kNakresleno);
    std::fflush(stdout);
    QCoreApplication::quit();
  }

  QWidget* okno;
  bool nakresleno = false;
};
