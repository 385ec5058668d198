// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// A class set of worksheets as one whole process: `trivex --priklad 1-30 --vrcholu 8
// --export DIR/` writes 30 graphs, 30 pictures and 30 answer keys (goal < 1 s). Each run
// first checks that all 90 files came and that every key ends with the tree's length.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kListu = 30;

bool SadaJeCela(const QString& slozka) {
  if (QDir(slozka).entryList(QDir::Files).size() != 3 * kListu) return false;
  for (int k = 1; k <= kListu; ++k) {
    QFile klic(QDir(slozka).filePath(QStringLiteral("priklad-%1.txt").arg(k)));
    if (!klic.open(QIODevice::ReadOnly) || klic.readAll().count("Nejkratsi kostra ma delku : ") != 3) return false;
  }
  return true;
}

void BM_ThirtyWorksheets(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    const QString slozka = dir.filePath(QStringLiteral("listy/"));
    QProcess p;
    const auto od = std::chrono::steady_clock::now();
    p.start(QStringLiteral(TRIVEX_PROGRAM), {"--priklad", QStringLiteral("1-%1").arg(kListu), "--vrcholu", "8", "--export", slozka});
    p.waitForFinished(120000);
    const std::chrono::duration<double> trvani = std::chrono::steady_clock::now() - od;
    if (p.exitCode() != 0 || !SadaJeCela(slozka)) return state.SkipWithError("the worksheets are not all there");
    state.SetIterationTime(trvani.count());
  }
}

}  // namespace

BENCHMARK(BM_ThirtyWorksheets)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
