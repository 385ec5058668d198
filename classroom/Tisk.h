// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Pictures on paper: one page with a picture of the recording fitted to it and the text
// that goes with it, printed through Qt's print dialog or written as an A4 PDF.
#pragma once

#include "classroom/Obraz.h"

#include <QRectF>
#include <QString>

#include <cstddef>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

// What one page shows: the recorded operations before po, the edge drawn by zvyraznena
// standing out, the overlays, and a text under the picture (none when empty).
struct TStranka {
  std::vector<TOperace> operace;
  std::size_t po = 0;
  std::size_t zvyraznena = kNic;
  TPrekryvy prekryvy;
  QString text;
};

// The canvas as the drawing unit last left it, with text under it.
TStranka StrankaPlatna(TPrekryvy prekryvy, const QString& text);

// The page into plocha (device units of the painter): the picture as large as the width
// allows with room left for the text, which wraps at the picture's width.
void KresliStranku(QPainter& painter, const QRectF& plocha, const TStranka& stranka);
// Prints on a printer set up already. Empty result: done; otherwise the Czech error text.
QString Vytiskni(QPrinter& tiskarna, const TStranka& stranka);
// Asks the print dialog over okno first; nothing happens when the user cancels it.
QString Tiskni(QWidget* okno, const TStranka& stranka);
// The same page as a vector PDF on A4, replacing an existing file atomically.
QString UlozPdf(const QString& cesta, const TStranka& stranka);
