// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the command-line tests share: the built program run as its own process in an
// environment without any display, and the graphs they run it on.
#pragma once

#include "support/ProgramWindow.h"

#include <QDir>
#include <QProcess>

#include <cmath>

struct Vysledek { int kod = -1; std::string out, err; };

// No DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM: the command line must not need them.
// A sanitizer build judges the child too, with the suite's list of the system
// libraries' own lifelong allocations.
inline Vysledek Spust(const QString& program, const QStringList& args) {
  QProcessEnvironment env;
  env.insert(QStringLiteral("PATH"), QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH")));
  env.insert(QStringLiteral("HOME"), QDir::tempPath());
  env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=1:abort_on_error=1"));
  env.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("suppressions=" TRIVEX_ZDROJE "/tests/lsan.supp:print_suppressions=0"));
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  p.closeWriteChannel();
  if (!p.waitForFinished(120000)) return {};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
          p.readAllStandardError().toStdString()};
}

inline Vysledek Trivex(const QStringList& args) { return Spust(QStringLiteral(TRIVEX_PROGRAM), args); }

// The window, and graph files of what the command line must treat as the window does: equal
// lengths, negative and fractional ones, several components, a single vertex, the 15 vertices
// the model holds, comments with Czech letters and characters the exchange formats must escape.
class SGrafy : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    const struct { const char* nazev; int n; std::vector<TestHrana> hrany; } grafy[] = {
        {"ties", 4, {{1, 2, 2}, {2, 3, 2}, {3, 4, 2}, {4, 1, 2}, {1, 3, 2}}},
        {"negative and fractional lengths", 5, {{1, 2, -1.5}, {2, 3, 0.25}, {1, 3, 3}, {3, 4, -2}, {4, 5, 1E-6}}},
        {"three components", 6, {{1, 2, 4}, {3, 4, 1}, {4, 5, 2}, {3, 5, 3}}},
        {"one vertex", 1, {}},
        {"fifteen vertices", 15, {}},  // a ring and five chords
    };
    for (const auto& g : grafy) {
      std::vector<TestVrchol> vrcholy;
      std::vector<TestHrana> hrany = g.hrany;
      for (int k = 1; k <= g.n; ++k) {
        const double uhel = 6.283185307179586 * k / g.n;  // on an ellipse inside the canvas
        std::string text = k == 1 ? "P\xF8\xEDli\x9A \"\\ \x9Eluou\x9Dk\xFD k\xF9\xF2" : "";
        if (g.n == 6 && k == 6) text = "osamely \\";  // a backslash right before the line end
        vrcholy.push_back({int(std::lround(284 + 230 * std::cos(uhel))), int(std::lround(180 + 140 * std::sin(uhel))),
                           text, k * 0.5});
        if (g.n == 15) hrany.push_back({k, k % 15 + 1, double(k % 4 + 1)});
        if (g.n == 15 && k % 3 == 1 && k < 15) hrany.push_back({k, k + 2, 2.5});
      }
      soubory.push_back({g.nazev, Soubor(QString::fromLatin1(g.nazev).replace(' ', '_') + ".grf")});
      ZapisGraf(soubory.back().second, vrcholy, hrany);
    }
  }
  std::vector<std::pair<std::string, QString>> soubory;  // name, graph file
};
