// How fast the program answers: the spanning-tree count (next to a plain cofactor
// expansion as the baseline), one full redraw, reading and writing a graph file, and
// the start-up to the shown main window. Each benchmark first checks that the code
// gives the right answer, so a fast wrong result never counts.
// Goals: any 15-vertex count < 5 ms, a redraw < 1 ms, start-up < 300 ms.
#include "Trivex.h"
#include "algorithms/UMetody.h"
#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "windows/main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using thrany = std::vector<std::pair<int, int>>;

// Replaces graf by n vertices joined by the given edges, all of length 1.
void PostavGraf(int n, const thrany& hrany) {
  graf.Clear();
  graf.Init(std::uint8_t(n));
  for (const auto& [i, j] : hrany) {
    graf.SetHrana(std::uint8_t(i), std::uint8_t(j), 1.0);
    graf.SetHrana(std::uint8_t(j), std::uint8_t(i), 1.0);
  }
}

thrany UplneHrany(int n) {
  thrany hrany;
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j) hrany.push_back({i, j});
  return hrany;
}

// A cycle through all 15 vertices with four chords: 3519 spanning trees.
thrany RidkeHrany15() {
  thrany hrany;
  for (int i = 1; i <= 15; ++i) hrany.push_back({i, i % 15 + 1});
  for (const auto& tetiva : thrany{{1, 8}, {4, 12}, {6, 14}, {3, 10}}) hrany.push_back(tetiva);
  return hrany;
}

// The output line of the last procedure; nothing is shown.
std::string memo;

void PripojVystup() {
  VypisDoMemo = [](const std::string& text) { memo = text; };
}

void PocetKosterGrafu(benchmark::State& state, int n, const thrany& hrany, const std::string& ocekavano) {
  PostavGraf(n, hrany);
  PripojVystup();
  PocetKoster();
  if (memo != " Pocet koster v grafu je : " + ocekavano) {
    state.SkipWithError(("wrong count: '" + memo + "'").c_str());
    return;
  }
  for (auto _ : state) {
    PocetKoster();
    benchmark::DoNotOptimize(memo);
  }
}

void BM_PocetKoster_Uplny10(benchmark::State& state) {
  PocetKosterGrafu(state, 10, UplneHrany(10), "100000000");
}
void BM_PocetKoster_Uplny15(benchmark::State& state) {
  PocetKosterGrafu(state, 15, UplneHrany(15), "1946195068359375");
}
void BM_PocetKoster_Ridky15(benchmark::State& state) {
  PocetKosterGrafu(state, 15, RidkeHrany15(), "3519");
}

// The baseline: the same expansion along the rows, skipping zero entries and ending
// in the rule of Sarrus on the last three rows, but without remembering anything.
struct tRozvoj {
  int m = 0;  // order of the reduced matrix
  std::array<std::array<std::int64_t, 15>, 15> a{};

  std::int64_t Sarrus(int r, const int* s) const {
    const auto& p = a[r];
    const auto& q = a[r + 1];
    const auto& t = a[r + 2];
    return p[s[0]] * (q[s[1]] * t[s[2]] - q[s[2]] * t[s[1]]) - p[s[1]] * (q[s[0]] * t[s[2]] - q[s[2]] * t[s[0]]) +
           p[s[2]] * (q[s[0]] * t[s[1]] - q[s[1]] * t[s[0]]);
  }

  std::int64_t Determinant(int r, std::uint32_t volne) const {
    if (m - r == 3) {
      int s[3];
      int k = 0;
      for (int c = 0; c < m; ++c)
        if (volne & (1u << c)) s[k++] = c;
      return Sarrus(r, s);
    }
    std::int64_t vysledek = 0;
    int poradi = 0;
    for (int c = 0; c < m; ++c) {
      if (!(volne & (1u << c))) continue;
      ++poradi;
      if (a[r][c] == 0) continue;
      const std::int64_t d = a[r][c] * Determinant(r + 1, volne & ~(1u << c));
      vysledek += (poradi % 2 == 1) ? d : -d;
    }
    return vysledek;
  }
};

void BM_RozvojBezPameti_Uplny10(benchmark::State& state) {
  tRozvoj rozvoj;
  rozvoj.m = 9;
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) rozvoj.a[i][j] = i == j ? 9 : -1;
  if (rozvoj.Determinant(0, (1u << 9) - 1) != 100000000) {
    state.SkipWithError("the baseline counts wrong");
    return;
  }
  for (auto _ : state) {
    std::int64_t d = rozvoj.Determinant(0, (1u << 9) - 1);
    benchmark::DoNotOptimize(d);
  }
}

void BM_VykresliGraf_Uplny15(benchmark::State& state) {
  TCanvas platno(kSirkaPlatna, kVyskaPlatna);
  NastavPlatno(&platno);
  PripojVystup();
  PostavGraf(15, UplneHrany(15));
  for (auto _ : state) {
    VykresliGraf(clBlack, clSilver);
    benchmark::DoNotOptimize(platno.Bits());
  }
  NastavPlatno(nullptr);
}

// One load and one save of a 15-vertex graph file, as opening and then confirming an
// edit does.
void BM_NactiUlozGraf_Uplny15(benchmark::State& state) {
  QTemporaryDir slozka;
  PostavGraf(15, UplneHrany(15));
  for (std::uint8_t i = 1; i <= 15; ++i) graf.SetText(i, "vrchol s komentarem " + IntToStr(i));
  SetJmenoSouboru(FromQt(slozka.filePath("uplny15.grf")));
  UlozGraf();
  for (auto _ : state) {
    ZrusGraf();
    if (NactiGraf() != 0) {
      state.SkipWithError("the written file does not load");
      break;
    }
    UlozGraf();
  }
  if (graf.GetPocet() != 15) state.SkipWithError("the file lost its vertices");
  graf.Clear();
}

bool ZobrazHlavniOkno() {
  Form1->Show();
  for (int pokus = 0; pokus < 1000; ++pokus) {
    if (Form1->windowHandle() && Form1->windowHandle()->isExposed()) return true;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return false;
}

// From the created windows to the main window on the screen, then all gone again.
void BM_Start(benchmark::State& state) {
  graf.Clear();
  for (auto _ : state) {
    CreateForms();
    const bool zobrazeno = ZobrazHlavniOkno();
    Application->FreeForms();
    if (!zobrazeno) {
      state.SkipWithError("the main window was never exposed");
      break;
    }
  }
  NastavPlatno(nullptr);
  VypisDoMemo = nullptr;
}

// The offscreen platform warns at every raise of a shown window; the warning says
// nothing about the program and would bury the table.
QtMessageHandler predchoziHlaseni = nullptr;

void HlaseniQt(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
  if (text.contains(QStringLiteral("does not support raise"))) return;
  predchoziHlaseni(typ, kontext, text);
}

}  // namespace

BENCHMARK(BM_PocetKoster_Uplny10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PocetKoster_Uplny15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PocetKoster_Ridky15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RozvojBezPameti_Uplny10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VykresliGraf_Uplny15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NactiUlozGraf_Uplny15)->Unit(benchmark::kMicrosecond);
// The first run is the cold start (fonts, styles, the platform plugin); the repeated
// runs show what every later start costs.
BENCHMARK(BM_Start)->Name("BM_Start_Prvni")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Start)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  predchoziHlaseni = qInstallMessageHandler(HlaseniQt);
  Application->Initialize();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  graf.Clear();
  return 0;
}
