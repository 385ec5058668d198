// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Pictures made from the recording: the canvas at 1:1 exactly as the drawing unit drew it,
// the same picture as vectors at any size, the vertex numbers and edge lengths over either,
// and PNG or SVG files of them.
#pragma once

#include "classroom/Zaznam.h"

#include <QImage>
#include <QString>

#include <cstddef>
#include <vector>

class QPainter;

struct TPrekryvy {  // vertex numbers, edge lengths
  bool cisla = false;
  bool delky = false;
};

// The canvas as the drawing unit last left it, 569 x 361 at 1:1, with the overlays drawn over it.
QImage ObrazPlatna(TPrekryvy prekryvy);
// Writes that picture to cesta: PNG or SVG by the extension (case-insensitive), replacing
// an existing file atomically; a PNG meritko times as large. Empty result: done; otherwise
// a clear Czech error text.
QString UlozObrazPlatna(const QString& cesta, TPrekryvy prekryvy, int meritko = 1);
// The edges of the current picture as last drawn, by vertex numbers (1-based, u < v), with
// their colour.
struct TNakreslenaHrana {
  int u = 0;
  int v = 0;
  TColor barva = 0;
};
std::vector<TNakreslenaHrana> NakresleneHrany();

// ---- Any picture of a recording: its operations before po ----------------------------

// Nothing to emphasise.
constexpr std::size_t kNic = std::size_t(-1);
// The largest picture: 8 times the canvas, 4552 x 2888, still a modest image in memory.
constexpr int kNejvetsiMeritko = 8;

// Whether a recorded drawing shows an edge of the graph: a segment between two vertices the
// graph did not join when it was drawn, or one drawn white on the white canvas, is no edge
// and gets neither a label nor a name.
bool UkazujeHranu(const TOperace& operace);

// At 1:1, pixel for pixel as the canvas showed it, overlays over it.
QImage RastrovyObraz(const std::vector<TOperace>& operace, std::size_t po, TPrekryvy prekryvy);
// The same picture meritko (1 to kNejvetsiMeritko) times as large: at 1 the raster picture,
// larger the vector one, its lines, dots and labels grown alike.
QImage ObrazVMeritku(const std::vector<TOperace>& operace, std::size_t po, int meritko, TPrekryvy prekryvy);
// As vectors, meritko screen pixels per canvas pixel: lines and dots grow with the scale.
// The edge drawn by operation zvyraznena stands out; the overlays go over everything.
void KresliVektorove(QPainter& painter, const std::vector<TOperace>& operace, std::size_t po, double meritko,
                     std::size_t zvyraznena, TPrekryvy prekryvy);
// The overlays alone, for a picture drawn already (Image1's canvas): labels on light
// plates beside the dots and the edges' middles, never over a dot.
void KresliPopisky(QPainter& painter, const std::vector<TOperace>& operace, std::size_t po, double meritko,
                   TPrekryvy prekryvy);
// PNG (the raster picture, meritko times as large) or SVG (the vector one at 1:1) by the
// extension. Empty result: done; otherwise the Czech error text.
QString UlozObraz(const QString& cesta, const std::vector<TOperace>& operace, std::size_t po, std::size_t zvyraznena,
                  TPrekryvy prekryvy, int meritko = 1);
// The edge drawn last before po when nothing was drawn after it: the highlight a step
// talks about, not the last edge of a whole picture of the graph (dots end that one).
// kNic otherwise.
std::size_t PosledniHrana(const std::vector<TOperace>& operace, std::size_t po);
