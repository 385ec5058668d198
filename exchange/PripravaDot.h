// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// DOT made ready for Graphviz, within bounds that keep any file cheap to read.
#pragma once

#include <QByteArray>
#include <QString>

// Drops a UTF-8 byte order mark, reads "strict" graphs as plain ones (so that repeated
// edges meet the one rule of PrevedCiziGraf), and refuses, with a message naming the
// line, what would cost Graphviz far more than the file's size: NUL bytes, braces nested
// deeper than kNejvetsiVnoreni, names, strings or comments over 8 KB, over 1000 string
// concatenations, edge statements that make over 10000 edges.
QString PripravDot(QByteArray& data);
