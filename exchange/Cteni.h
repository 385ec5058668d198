// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Graphs from other programs: the readers of GraphML and of edge lists, and the check
// that turns what a reader found into a graph the program can hold. Needs no Graphviz
// and no window, so that it can be fuzzed on its own.
#pragma once

#include "model/UGraf.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <vector>

// A vertex as the source names it; texts as the source holds them (Unicode).
struct tciziVrchol {
  QString jmeno;
  std::optional<QString> popis;  // a label, when the source gives one
  std::optional<QString> hodnota;
  std::optional<QString> x, y;
};

struct tciziHrana {
  QString z, kam;                // names of the ends
  std::optional<QString> vaha;  // the length as text, when the source gives one
};

struct tciziGraf {
  std::vector<tciziVrchol> vrcholy;
  std::vector<tciziHrana> hrany;
  bool orientovany = false;
  bool osaYNahoru = false;  // positions counted upwards, as Graphviz does
};

// A source is read in full into memory; larger ones are refused before reading. A graph
// of 15 vertices with long comments needs a few hundred kilobytes at most, and the
// readers' cost stays small below this bound.
constexpr qint64 kNejvetsiZdroj = 1024 * 1024;
// A source with more vertices is refused; the readers stop counting beyond it.
constexpr int kNejviceVrcholu = kMaxVrcholu;
// Characters of a vertex comment kept; no window shows more, and a longer one is cut
// with a warning.
constexpr int kNejdelsiKomentar = 1000;
// Nesting of elements or braces that a reader accepts.
constexpr int kNejvetsiVnoreni = 100;
// The line (from 1) of a byte of the source, for messages.
int RadekZdroje(const QByteArray& data, int pozice);
// A field of the source quoted in a message: control characters become '?', and a
// long field is shown by its start.
QString Ukazka(const QString& pole);
// The message of that refusal, the same for every format.
QString PrilisMnoho();

// Each reader fills g from the bytes of a source and returns an empty text, or a
// clear Czech message (without the file's name) for a source it cannot read.
QString CtiGraphML(const QByteArray& data, tciziGraf& g);
// "u v [length]" per line, blanks between, '#' starts a comment; names without blanks.
QString CtiSeznamHran(const QByteArray& data, tciziGraf& g);

// The graph ready for the program: vertices 1 to n in the source's order (names that
// are all whole numbers in numeric order), lengths both ways, comments in Windows-1250.
struct tnovyGraf {
  int n = 0;
  std::vector<std::string> komentare;  // index 0 is vertex 1
  std::vector<double> hodnoty;
  std::vector<double> x, y;            // canvas pixels, y downwards; empty without positions
  std::array<std::array<double, kNejviceVrcholu + 1>, kNejviceVrcholu + 1> delky{};  // 1-based
};

// Checks and converts: at most 15 vertices, every length a nonzero number (default 1),
// every value a number (default 0); self-loops dropped and parallel edges reduced to the
// shortest, each with a warning; characters that Windows-1250 lacks become '?' and
// comments are cut to kNejdelsiKomentar characters, with a warning naming the vertex. Positions are kept when every vertex has them and they lie
// on the canvas, fitted into it with a margin otherwise.
QString PrevedCiziGraf(const tciziGraf& g, tnovyGraf& novy, QStringList& varovani);

// Fits points (any unit, y downwards) into the 569 x 361 canvas with a margin, keeping
// the proportions; points already on the canvas stay where they are unless vzdy.
void VlozDoPlatna(std::vector<double>& x, std::vector<double>& y, bool vzdy);

// The program's reading of a number in a source: '.', an optional sign and exponent,
// blanks around it; nothing else, and nothing infinite.
std::optional<double> CisloZdroje(const QString& text);
