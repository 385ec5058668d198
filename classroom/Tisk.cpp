// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The printer and the PDF get the same page from KresliStranku; both are vector devices, so
// the picture is the vector one at whatever size the paper gives it.
#include "classroom/Tisk.h"

#include "platform/AtomickyZapisQt.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace {

QFont PismoStranky() {
  QFont pismo(QStringLiteral("DejaVu Sans"));
  pismo.setPointSizeF(12.0);
  return pismo;
}

QString Kresli(QPagedPaintDevice& zarizeni, const TStranka& stranka) {
  QPainter painter;
  if (!painter.begin(&zarizeni)) return QStringLiteral("nelze začít stránku");
  KresliStranku(painter, QRectF(0, 0, zarizeni.width(), zarizeni.height()), stranka);
  return painter.end() ? QString() : QStringLiteral("stránku nelze dokončit");
}

}  // namespace

TStranka StrankaPlatna(TPrekryvy prekryvy, const QString& text) {
  TStranka stranka;
  stranka.operace = Zaznamnik().Obraz();
  stranka.po = stranka.operace.size();
  stranka.prekryvy = prekryvy;
  stranka.text = text;
  return stranka;
}

void KresliStranku(QPainter& painter, const QRectF& plocha, const TStranka& stranka) {
  painter.save();
  const QFont pismo = PismoStranky();
  const QFontMetricsF miry(pismo, painter.device());
  const QString text = stranka.text.trimmed();
  const int zarovnani = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  // The text wraps at the page's width and keeps a blank line's room above it.
  const double vyskaTextu =
      text.isEmpty() ? 0.0 : miry.boundingRect(plocha, zarovnani, text).height() + miry.height();
  const double meritko =
      std::max(0.0, std::min(plocha.width() / kSirkaPlatna, (plocha.height() - vyskaTextu) / kVyskaPlatna));
  const QRectF obraz(plocha.left() + (plocha.width() - kSirkaPlatna * meritko) / 2, plocha.top(), kSirkaPlatna * meritko,
                     kVyskaPlatna * meritko);
  if (meritko > 0.0) {
    painter.save();
    // Shapes off the canvas stay off the paper, as they stay off the screen.
    painter.setClipRect(obraz);
    painter.translate(obraz.topLeft());
    KresliVektorove(painter, stranka.operace, stranka.po, meritko, stranka.zvyraznena, stranka.prekryvy);
    painter.restore();
  }
  if (!text.isEmpty()) {
    painter.setFont(pismo);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plocha.left(), obraz.bottom() + miry.height(), plocha.width(), vyskaTextu), zarovnani, text);
  }
  painter.restore();
}

QString Vytiskni(QPrinter& tiskarna, const TStranka& stranka) {
  tiskarna.setDocName(QStringLiteral("Trivex"));
  tiskarna.setCreator(QStringLiteral("Trivex"));
  const QString chyba = Kresli(tiskarna, stranka);
  if (chyba.isEmpty()) return QString();
  return QStringLiteral("Tisk se nepodařil: %1.").arg(chyba);
}

QString Tiskni(QWidget* okno, const TStranka& stranka) {
  QPrinter tiskarna(QPrinter::HighResolution);
  QPrintDialog dialog(&tiskarna, okno);
  dialog.setObjectName(QStringLiteral("DialogTisk"));
  if (dialog.exec() != QDialog::Accepted) return QString();
  return Vytiskni(tiskarna, stranka);
}

QString UlozPdf(const QString& cesta, const TStranka& stranka) {
  QByteArray data;
  {
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                  QPageLayout::Millimeter));
    pdf.setTitle(QStringLiteral("Trivex"));
    pdf.setCreator(QStringLiteral("Trivex"));
    const QString chyba = Kresli(pdf, stranka);
    if (!chyba.isEmpty()) return QStringLiteral("PDF nelze uložit do souboru %1: %2.").arg(cesta, chyba);
  }
  // The old file stays whole until the new one is written completely.
  if (const auto chyba = ZapisAtomicky(cesta, data))
    return QStringLiteral("PDF nelze uložit do souboru %1: %2").arg(cesta, chyba->duvod);
  return QString();
}
