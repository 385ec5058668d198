// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The changes the mouse makes to a graph, each one notification of the graph, and what a
// point of the canvas is over. Plain model code: the canvas layer only decides which to run.
#pragma once

#include "model/UGraf.h"

#include <cstdint>

// What a canvas point is over: the nearest vertex whose dot is within 5 pixels, else the
// nearest edge whose segment is within 4 pixels; nothing over blank canvas.
struct TMisto {
  std::uint8_t vrchol = 0;  // 1 to 15 over a vertex
  std::uint8_t u = 0, v = 0;  // u < v over an edge
  bool operator==(const TMisto& o) const { return vrchol == o.vrchol && u == o.u && v == o.v; }
};
TMisto KdeJe(const tgraf& g, int x, int y);

// Points of the canvas a vertex may stand on.
int NaSirkuPlatna(int x);
int NaVyskuPlatna(int y);

// A new vertex n + 1 at (x, y): value 0, no comment, no edges. False, with the graph
// untouched, when it already has the 15 vertices the model holds.
bool PridejVrchol(tgraf& g, int x, int y);
// Vertex v to (x, y), clamped to the canvas.
void PresunVrchol(tgraf& g, std::uint8_t v, int x, int y);
// The edge u - v gets length d in both rows; 0 removes it.
void NastavHranu(tgraf& g, std::uint8_t u, std::uint8_t v, double d);
// Removes vertex v: the vertices above it move one number down with their values,
// comments, positions, colours and edges.
void SmazVrchol(tgraf& g, std::uint8_t v);
