// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The score and the counts of the current graph: spanning trees, components and
// colours, each reported on the output line.
#pragma once

// Degree of vertex i (1-based) in graf: the other vertices j whose entry in row i
// is not zero, so a one-way entry of a hand-made file counts only in its own row.
// A vertex the graph does not have has degree 0.
int StupenVrcholu(int i);

// "Skore je : " and the degrees in ascending order.
void SkoreGrafu();
// Writes " Pocet koster v grafu je : " and the count: 1 for a single vertex, 0 for
// a graph without vertices. Any graph of up to 15 vertices is counted exactly.
void PocetKoster();
// Stores the count in graf as well: the spanning-tree runs read it.
void PocetKomponent();
// Colours silently only while graf knows no colouring.
void PocetBarev();
