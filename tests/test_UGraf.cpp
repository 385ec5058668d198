// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph container's change notification and its snapshots.
#include "model/UGraf.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every listener hears each real change once, after it; a batch is heard once, as a
// replacement when anything in it replaced the graph; an unchanged value is silent.
TEST(UGraf, ListenersHearEachRealChangeOnceAndBatchesOnce) {
  tgraf g;
  std::vector<TZmenaGrafu> slysel;
  const int klic = g.Poslouchej([&](TZmenaGrafu z) { slysel.push_back(z); });
  g.Init(3);
  g.SetHrana(1, 2, 4.0);
  g.SetHrana(1, 2, 4.0);
  g.SetX(2, g.GetX(2));
  g.SetText(3, "a");
  g.SetHodnota(1, -0.0);  // a different text in the file than 0.0
  EXPECT_EQ((std::vector<TZmenaGrafu>{TZmenaGrafu::Nahrazen, TZmenaGrafu::Upraven,
                                       TZmenaGrafu::Upraven, TZmenaGrafu::Upraven}),
            slysel);
  const auto revize = g.Revize();
  slysel.clear();
  {
    TDavkaZmen davka(g);
    {
      TDavkaZmen vnitrni(g);
      g.SetY(1, 77);
    }
    EXPECT_TRUE(slysel.empty());
    g.SetBarva(2, 3);
  }
  EXPECT_EQ(std::vector<TZmenaGrafu>{TZmenaGrafu::Upraven}, slysel);
  EXPECT_EQ(revize + 2, g.Revize());
  slysel.clear();
  {
    TDavkaZmen davka(g);
    g.Clear();
    g.Init(2);
    g.SetHrana(1, 2, 1.0);
  }
  { TDavkaZmen prazdna(g); }
  EXPECT_EQ(std::vector<TZmenaGrafu>{TZmenaGrafu::Nahrazen}, slysel);
  g.Neposlouchej(klic);
  g.SetKomponent(5);
  EXPECT_EQ(1u, slysel.size());
}

// A snapshot brings back every field and count exactly and draws no vertex positions,
// so the next new vertex lands where it would have landed without it.
TEST(UGraf, SnapshotRestoresEverythingWithoutDrawingPositions) {
  ZacniNahodneSouradnice();
  tgraf a;
  a.Init(2);
  a.SetText(1, "p\x9Ai");
  a.SetHodnota(2, 1.5);
  a.SetHrana(1, 2, -3.0);
  a.SetHrana(2, 1, -3.0);
  a.SetBarva(1, 4);
  a.SetKomponent(1);
  a.SetBarev(2);
  const TSnimekGrafu snimek = a.Snimek();
  tgraf b;
  b.Obnov(snimek, TZmenaGrafu::Nahrazen);
  EXPECT_EQ(snimek, b.Snimek());
  EXPECT_EQ(2, b.GetPocet());
  EXPECT_EQ(-3.0, b.GetHrana(1, 2));
  EXPECT_EQ("p\x9Ai", b.GetText(1));
  tgraf treti;
  treti.Init(1);
  ZacniNahodneSouradnice();
  tgraf ctvrty;
  ctvrty.Init(3);
  EXPECT_EQ(treti.GetX(1), ctvrty.GetX(3));
  EXPECT_EQ(treti.GetY(1), ctvrty.GetY(3));
  b.SetY(2, b.GetY(2) + 1);
  EXPECT_NE(snimek, b.Snimek());
}

}  // namespace
