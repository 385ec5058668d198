// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// How fast the command line answers: the whole process of `trivex --run kruskal` on a
// 15-vertex graph as a ratio to `trivex --version` timed in the same run (goal < 1.5),
// the import of a 15-vertex GraphML without positions, Graphviz's layout included, and a
// class set of worksheets, `trivex --priklad 1-30 --vrcholu 8 --export DIR/` (30 graphs,
// pictures and answer keys; goal < 1 s).
// Each benchmark first checks the answer, so a fast wrong result never counts.
#include "exchange/Import.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Cesty.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kVrcholu = 15;

// A ring of 15 with a chord from every third vertex: 20 edges, lengths 1 to 4.
template <typename F>
void ProHrany(F&& f) {
  for (int k = 1; k <= kVrcholu; ++k) f(k, k % kVrcholu + 1, k % 4 + 1);
  for (int k = 1; k + 3 <= kVrcholu; k += 3) f(k, k + 3, 2);
}

QString SouborGrafu(const QTemporaryDir& dir) {
  graf.Clear();
  graf.Init(kVrcholu);
  ProHrany([](int a, int b, double d) {
    graf.SetHrana(std::uint8_t(a), std::uint8_t(b), d);
    graf.SetHrana(std::uint8_t(b), std::uint8_t(a), d);
  });
  const QString cesta = dir.filePath(QStringLiteral("patnact.grf"));
  SetJmenoSouboru(CestaProgramu(cesta));
  UlozGraf();
  graf.Clear();
  return cesta;
}

// Seconds the whole process took; its standard output in vystup.
double Proces(const QStringList& args, QByteArray& vystup) {
  QProcess p;
  const auto od = std::chrono::steady_clock::now();
  p.start(QStringLiteral(TRIVEX_PROGRAM), args);
  p.waitForFinished(60000);
  const std::chrono::duration<double> trvani = std::chrono::steady_clock::now() - od;
  vystup = p.readAllStandardOutput();
  return p.exitCode() == 0 ? trvani.count() : -1.0;
}

void BM_RunKruskalToVersion(benchmark::State& state) {
  QTemporaryDir dir;
  const QString graf15 = SouborGrafu(dir);
  QByteArray vystup;
  double run = 0, verze = 0;
  for (auto _ : state) {
    const double r = Proces({"--run", "kruskal", graf15}, vystup);
    if (r < 0 || !vystup.contains("Nejkratsi kostra ma delku : ")) return state.SkipWithError("--run failed");
    const double v = Proces({"--version"}, vystup);
    if (v < 0) return state.SkipWithError("--version failed");
    run += r;
    verze += v;
    state.SetIterationTime(r);
  }
  state.counters["run_ms"] = 1000 * run / double(state.iterations());
  state.counters["version_ms"] = 1000 * verze / double(state.iterations());
  state.counters["ratio"] = run / verze;
}

void BM_ImportGraphMLWithLayout(benchmark::State& state) {
  QTemporaryDir dir;
  QByteArray xml = "<graphml><key id='w' for='edge' attr.name='weight'/><graph edgedefault='undirected'>";
  for (int k = 1; k <= kVrcholu; ++k) xml += "<node id='n" + QByteArray::number(k) + "'/>";
  ProHrany([&xml](int a, int b, double d) {
    xml += "<edge source='n" + QByteArray::number(a) + "' target='n" + QByteArray::number(b) + "'><data key='w'>" +
           QByteArray::number(d) + "</data></edge>";
  });
  xml += "</graph></graphml>";
  const QString zdroj = dir.filePath(QStringLiteral("patnact.graphml")), cil = dir.filePath(QStringLiteral("cil.grf"));
  QFile soubor(zdroj);
  if (!soubor.open(QIODevice::WriteOnly) || soubor.write(xml) != xml.size()) return state.SkipWithError("no source");
  soubor.close();
  for (auto _ : state) {
    QStringList varovani;
    if (!Importuj(zdroj, cil, varovani).isEmpty() || graf.GetPocet() != kVrcholu)
      return state.SkipWithError("the import failed");
  }
}

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

BENCHMARK(BM_RunKruskalToVersion)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportGraphMLWithLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThirtyWorksheets)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
