// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Import of a graph from GraphML, Graphviz DOT or an edge list into a graph file.
#pragma once

#include "exchange/Cteni.h"
#include "model/UGraf.h"

#include <QString>
#include <QStringList>

#include <string>

// DOT through Graphviz's own reader; positions ("pos") are counted upwards.
QString CtiDot(const QByteArray& data, tciziGraf& g);

// Positions for a graph that came without them: Graphviz's neato layout, fitted into
// the canvas with a margin. Empty result: done; otherwise the reason.
QString RozmistiGraf(tnovyGraf& novy);

// Reads zdroj, chosen by its extension (.graphml, .dot, .txt), and writes it as the
// graph file cil, replacing an existing one only once the new one is complete. graf
// holds the imported graph afterwards. Empty result: done; otherwise a clear Czech
// message and nothing written. Warnings go to varovani either way.
QString Importuj(const QString& zdroj, const QString& cil, QStringList& varovani);

// Writes g with the graph file's writer to cil. Empty result: done; otherwise the message.
QString UlozGrafDo(const QString& cil, const tgraf& g = graf);
