// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// What the command-line tests share: the built program run as its own process in an
// environment without any display, and the graphs they run it on.
#pragma once

#include "support/ProgramWindow.h"

#include <QDir>
#include <QProcess>

#include <cmath>

struct Vysledek {
  int kod = -1;
  std::string out, err;
};

// No DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM: the command line must not need them.
// A sanitizer build judges the child too, with the suite's list of the system
// libraries' own lifelong allocations.
inline QProcessEnvironment BezDispleje() {
  QProcessEnvironment env;
  env.insert(QStringLiteral("PATH"), QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH")));
  env.insert(QStringLiteral("HOME"), QDir::tempPath());
  env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=1:abort_on_error=1"));
  env.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("suppressions=" TRIVEX_ZDROJE "/tests/lsan.supp:print_suppressions=0"));
  return env;
}

inline Vysledek Spust(const QString& program, const QStringList& args, const QString& vstup = QString()) {
  QProcess p;
  p.setProcessEnvironment(BezDispleje());
  p.start(program, args);
  if (!vstup.isNull()) p.write(vstup.toUtf8());
  p.closeWriteChannel();
  Vysledek v;
  if (!p.waitForFinished(120000)) return v;
  v.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  v.out = p.readAllStandardOutput().toStdString();
  v.err = p.readAllStandardError().toStdString();
  return v;
}

inline Vysledek Trivex(const QStringList& args) {
  return Spust(QStringLiteral(TRIVEX_PROGRAM), args);
}

struct GrafTestu {
  const char* nazev;
  std::vector<TestVrchol> vrcholy;
  std::vector<TestHrana> hrany;
};

// Vertex k of n on an ellipse inside the canvas.
inline TestVrchol NaElipse(int k, int n, std::string text = std::string(), double hodnota = 0.0) {
  const double uhel = 6.283185307179586 * k / n;
  return {int(std::lround(284 + 230 * std::cos(uhel))), int(std::lround(180 + 140 * std::sin(uhel))), std::move(text),
          hodnota};
}

// The graphs the command line must treat as the window does: equal lengths, negative and
// fractional ones, several components, a single vertex, the 15 vertices the model holds,
// comments with Czech letters and characters the exchange formats must escape.
inline std::vector<GrafTestu> GrafyTestu() {
  std::vector<GrafTestu> grafy;
  grafy.push_back({"ties", {}, {{1, 2, 2}, {2, 3, 2}, {3, 4, 2}, {4, 1, 2}, {1, 3, 2}}});
  grafy.push_back({"negative and fractional lengths", {}, {{1, 2, -1.5}, {2, 3, 0.25}, {1, 3, 3}, {3, 4, -2}, {4, 5, 1E-6}}});
  grafy.push_back({"three components", {}, {{1, 2, 4}, {3, 4, 1}, {4, 5, 2}, {3, 5, 3}}});
  grafy.push_back({"one vertex", {}, {}});
  grafy.push_back({"fifteen vertices", {}, {}});
  const int pocty[] = {4, 5, 6, 1, 15};
  for (std::size_t g = 0; g < grafy.size(); ++g)
    for (int k = 1; k <= pocty[g]; ++k)
      grafy[g].vrcholy.push_back(NaElipse(k, pocty[g], k == 1 ? "P\xF8\xEDli\x9A \"\\ \x9Eluou\x9Dk\xFD k\xF9\xF2" : "", k * 0.5));
  for (int k = 1; k <= 15; ++k) grafy[4].hrany.push_back({k, k % 15 + 1, double(k % 4 + 1)});
  for (int k = 1; k <= 13; k += 3) grafy[4].hrany.push_back({k, k + 2, 2.5});
  grafy[2].vrcholy.back().text = "osamely \\";  // a backslash right before the line end
  return grafy;
}

// Splits a process's output into its lines; the last line ends in a line end too.
inline std::vector<std::string> Radky(const std::string& text) {
  std::vector<std::string> radky;
  std::size_t od = 0;
  for (std::size_t konec; (konec = text.find('\n', od)) != std::string::npos; od = konec + 1)
    radky.push_back(text.substr(od, konec - od));
  if (od < text.size()) radky.push_back(text.substr(od) + "<no line end>");
  return radky;
}
