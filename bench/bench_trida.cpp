// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// How the classroom keeps up on a projector: one step of a narrated Boruvka run on the
// complete graph of 15 vertices, drawn from the recording at 1920 x 1080 with numbers,
// lengths and the emphasised edge, and what the recording costs in memory.
// Goals: one step < 16 ms (a frame at 60 Hz), the recording < 1 MB.
#include "Trivex.h"
#include "algorithms/UMetody.h"
#include "classroom/Obraz.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// K15 on a circle, every length different, so the run joins trees over several phases.
void NahrajBoruvkuK15() {
  graf.Clear();
  graf.Init(15);
  for (std::uint8_t i = 1; i <= 15; ++i) {
    graf.SetX(i, std::int32_t(284 + 160 * std::cos(i * 0.4189)));
    graf.SetY(i, std::int32_t(180 + 160 * std::sin(i * 0.4189)));
    for (std::uint8_t j = 1; j < i; ++j) {
      const double delka = (i * 37 + j * 11) % 97 + 0.5;
      graf.SetHrana(i, j, delka);
      graf.SetHrana(j, i, delka);
    }
  }
  graf.SetKomponent(1);
  const TMessageHandler predchozi = SetMessageHandler([](const std::string&) {});
  Invoke([] { Boruvka(); });
  SetMessageHandler(predchozi);
}

void BM_KrokBoruvkyK15_1920x1080(benchmark::State& state) {
  NahrajBoruvkuK15();
  const TVyklad& vyklad = Zaznamnik().Vyklad();
  if (vyklad.kroky.size() < 10) {
    state.SkipWithError("the run recorded too few steps");
    return;
  }
  const std::size_t po = vyklad.kroky[vyklad.kroky.size() / 2].operaci;
  QImage obraz(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  const double meritko = std::min(1920.0 / kSirkaPlatna, 1080.0 / kVyskaPlatna);
  for (auto _ : state) {
    QPainter painter(&obraz);
    painter.fillRect(obraz.rect(), Qt::darkGray);
    painter.translate((1920 - kSirkaPlatna * meritko) / 2, (1080 - kVyskaPlatna * meritko) / 2);
    KresliVektorove(painter, vyklad.operace, po, meritko, PosledniHrana(vyklad.operace, po), {true, true});
    painter.end();
    benchmark::DoNotOptimize(obraz.constBits());
  }
  state.counters["kroku"] = double(vyklad.kroky.size());
  state.counters["operaci"] = double(vyklad.operace.size());
  state.counters["bajtu_zaznamu"] = double(Zaznamnik().Bajtu());
}

}  // namespace

BENCHMARK(BM_KrokBoruvkyK15_1920x1080)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  PripojVystup();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
