// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// A graph in other programs' formats: GraphML, Graphviz DOT, a TikZ picture
// and an edge list. Vertices are numbered 1 to n as in the program; an edge is every
// nonzero entry j of vertex i's row with i < j, as the drawing sees it.
#pragma once

#include "model/UGraf.h"
#include "platform/Graphics.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <utility>

// GraphML: nodes v1..vn with the data hodnota, x, y, komentar; edges with weight.
QByteArray GraphML(const tgraf& g = graf);
// DOT: an undirected graph with pos "x,y!" (y upwards, as Graphviz counts it), label,
// hodnota, komentar, and per edge weight and label.
QByteArray Dot(const tgraf& g = graf);
// "u v length" per edge; a first comment line records the vertex count, so that
// isolated vertices come back on import.
QByteArray SeznamHran(const tgraf& g = graf);

// Colour of an edge (u < v, 1-based) as last drawn; an edge not listed is black.
using TBarvyHran = std::map<std::pair<int, int>, TColor>;
// A standalone TikZ picture of the graph as drawn: canvas coordinates, vertex numbers,
// edge lengths, each edge in its colour.
QByteArray TikZ(const TBarvyHran& barvy, const tgraf& g = graf);

// Replaces cesta by obsah only once all of it is written. Empty result: done; otherwise
// a clear Czech message and the old file as it was.
QString ZapisSoubor(const QString& cesta, const QByteArray& obsah);
