// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The start-up benchmark: the whole process, from starting it to the first paint of
// its window, for the program and for a bare Qt Widgets window with the same
// controls, launched in turns in the same run. Every launch is a new process, so no
// Qt state is shared between launches; the operating system's file cache is warm
// after the first launch of each, which is reported on its own.
// Usage: bench_start [LAUNCHES]   (default 21)
#include "PrvniKresleni.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

struct tStart {
  double ms = 0.0;
  QStringList popis;  // the window and its controls, as the process described them
};

// Launches the program and waits for its end line; nothing when it fails.
std::optional<tStart> Spust(const QString& program, const QStringList& argumenty) {
  QProcess proces;
  QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
  if (!prostredi.contains(QStringLiteral("QT_QPA_PLATFORM")))
    prostredi.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  proces.setProcessEnvironment(prostredi);
  proces.setProcessChannelMode(QProcess::SeparateChannels);
  QElapsedTimer hodiny;
  hodiny.start();
  proces.start(program, argumenty);
  QByteArray vystup;
  std::optional<tStart> start;
  while (proces.waitForReadyRead(10000)) {
    vystup += proces.readAllStandardOutput();
    if (!vystup.contains(QByteArray(kNakresleno) + '\n')) continue;
    start = tStart{double(hodiny.nsecsElapsed()) / 1e6, {}};
    for (const QByteArray& radek : vystup.split('\n'))
      if (!radek.isEmpty() && radek != kNakresleno) start->popis << QString::fromUtf8(radek);
    break;
  }
  if (!proces.waitForFinished(10000)) proces.kill();
  if (!start) {
    std::fprintf(stderr, "%s never painted its window: %s\n", qPrintable(program),
                 proces.readAllStandardError().constData());
    return std::nullopt;
  }
  return start;
}

// The bare window's arguments: its size, then class and geometry per control.
QStringList ArgumentyHoleho(const QStringList& popis) {
  QStringList argumenty;
  for (const QString& radek : popis) argumenty << radek.split(' ').mid(1);
  return argumenty;
}

struct tRada {
  double prvni = 0.0;
  std::vector<double> dalsi;
  double Min() const { return *std::min_element(dalsi.begin(), dalsi.end()); }
  double Median() {
    std::sort(dalsi.begin(), dalsi.end());
    const std::size_t n = dalsi.size();
    return n % 2 ? dalsi[n / 2] : (dalsi[n / 2 - 1] + dalsi[n / 2]) / 2;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int pocet = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  const QString slozka = QCoreApplication::applicationDirPath();
  const QString trivex = slozka + QStringLiteral("/bench_start_trivex");
  const QString holy = slozka + QStringLiteral("/bench_bare_window");

  // The program's first launch also tells the controls the bare window is to have.
  const std::optional<tStart> prvni = Spust(trivex, {});
  if (!prvni) return 1;
  const QStringList argumenty = ArgumentyHoleho(prvni->popis);
  const std::optional<tStart> prvniHoly = Spust(holy, argumenty);
  if (!prvniHoly) return 1;
  if (prvniHoly->popis != prvni->popis) {
    std::fprintf(stderr, "the bare window's controls differ from the program's:\n%s\n---\n%s\n",
                 qPrintable(prvni->popis.join('\n')), qPrintable(prvniHoly->popis.join('\n')));
    return 1;
  }

  tRada program{prvni->ms, {}}, zaklad{prvniHoly->ms, {}};
  for (int k = 0; k < pocet; ++k) {
    // In turns, each first every other round, so a drift of the machine hits both alike.
    for (int poradi = 0; poradi < 2; ++poradi) {
      const bool jeProgram = (k + poradi) % 2 == 0;
      const std::optional<tStart> start = jeProgram ? Spust(trivex, {}) : Spust(holy, argumenty);
      if (!start) return 1;
      (jeProgram ? program : zaklad).dalsi.push_back(start->ms);
    }
  }

  std::printf("Start-up to the first paint, %d launches each (%lld controls in the main window)\n", pocet,
              static_cast<long long>(prvni->popis.size() - 1));
  std::printf("%-28s %10s %10s %10s\n", "", "first ms", "min ms", "median ms");
  const double pm = program.Median(), zm = zaklad.Median();
  std::printf("%-28s %10.1f %10.1f %10.1f\n", "trivex", program.prvni, program.Min(), pm);
  std::printf("%-28s %10.1f %10.1f %10.1f\n", "bare window, same controls", zaklad.prvni, zaklad.Min(), zm);
  std::printf("ratio: median %.2fx, min %.2fx (goal: under 1.5x)\n", pm / zm, program.Min() / zaklad.Min());
  return 0;
}
