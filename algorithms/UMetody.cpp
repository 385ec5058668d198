// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The mode objects of the find, simulation and count tabs: each command runs one
// procedure on the current graph.
#include "algorithms/UMetody.h"

std::unique_ptr<tmetoda> metoda;

void tnajdi::Prikaz1() { SkoreGrafu(); }
void tnajdi::Prikaz2() { NejkratsiKostra(); }

void tsimulace::Prikaz1() { Kruskal(); }
void tsimulace::Prikaz2() { JarnikSimulace(); }
void tsimulace::Prikaz3() { Boruvka(); }

void tpocet::Prikaz1() { PocetKoster(); }
void tpocet::Prikaz2() { PocetKomponent(); }
void tpocet::Prikaz3() { PocetBarev(); }
