// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The yardstick of the start-up benchmark: a bare Qt Widgets window with the same
// controls as the program's main window, of the same Qt classes at the same places,
// shown and ended at its first paint like the program.
// Usage: bench_bare_window WIDTH HEIGHT [CLASS X Y W H]...
#include "PrvniKresleni.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QWidget* Prvek(const char* trida, QWidget* okno) {
  if (std::strcmp(trida, "QPushButton") == 0) return new QPushButton(QStringLiteral("Tlacitko"), okno);
  if (std::strcmp(trida, "QLineEdit") == 0) return new QLineEdit(QStringLiteral("Text"), okno);
  if (std::strcmp(trida, "QPlainTextEdit") == 0) return new QPlainTextEdit(okno);
  if (std::strcmp(trida, "QTabBar") == 0) {
    auto* zalozky = new QTabBar(okno);
    for (int k = 0; k < 4; ++k) zalozky->addTab(QStringLiteral("Zalozka"));
    return zalozky;
  }
  return new QWidget(okno);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 3 || (argc - 3) % 5 != 0) {
    std::fprintf(stderr, "usage: %s WIDTH HEIGHT [CLASS X Y W H]...\n", argv[0]);
    return 2;
  }
  QWidget okno;
  okno.resize(std::atoi(argv[1]), std::atoi(argv[2]));
  for (int a = 3; a < argc; a += 5)
    Prvek(argv[a], &okno)->setGeometry(std::atoi(argv[a + 1]), std::atoi(argv[a + 2]), std::atoi(argv[a + 3]),
                                       std::atoi(argv[a + 4]));
  new tPrvniKresleni(&okno);
  okno.show();
  return QApplication::exec();
}
