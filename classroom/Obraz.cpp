// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The raster picture is replayed through the drawing unit's own rasteriser, so it is the
// canvas to the pixel; the vector one follows the same operations with QPainter.
#include "classroom/Obraz.h"

#include "platform/AtomickyZapisQt.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegion>
#include <QSvgGenerator>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace {

// A canvas pixel (x, y) is the square from (x, y) to (x + 1, y + 1); lines join centres.
QPointF Stred(std::int32_t x, std::int32_t y) {
  return QPointF(x + 0.5, y + 0.5);
}

QRectF Tecka(const TKresleni& k) {
  return QRectF(double(k.x1) - 2.0, double(k.y1) - 2.0, 4.0, 4.0);
}

// What the labels of one picture are placed around: every dot, and the last drawing of
// each numbered vertex and of each edge between two of them.
struct TObsah {
  std::vector<QRectF> tecky;
  std::map<int, const TOperace*> vrcholy;
  std::map<std::pair<int, int>, const TOperace*> hrany;
};

TObsah Obsah(const std::vector<TOperace>& operace, std::size_t po) {
  TObsah obsah;
  po = std::min(po, operace.size());
  for (std::size_t i = ZacatekObrazu(operace, 0, po); i < po; ++i) {
    const TOperace& o = operace[i];
    if (o.kresleni.druh == TKresleni::Vrchol) {
      // A dot off the canvas is not seen, and gets no label.
      if (!Tecka(o.kresleni).intersects(QRectF(0, 0, kSirkaPlatna, kVyskaPlatna))) continue;
      // A colouring draws the same dot again; one rectangle each is enough.
      if (std::find(obsah.tecky.begin(), obsah.tecky.end(), Tecka(o.kresleni)) == obsah.tecky.end())
        obsah.tecky.push_back(Tecka(o.kresleni));
      if (o.u) obsah.vrcholy[o.u] = &o;
    } else if (o.kresleni.druh == TKresleni::Hrana && o.u && o.v) {
      // The last drawing between two vertices decides: a segment where the graph has no
      // edge (the graph editor's white one) leaves no edge there to name.
      if (UkazujeHranu(o))
        obsah.hrany[{o.u, o.v}] = &o;
      else
        obsah.hrany.erase({o.u, o.v});
    }
  }
  return obsah;
}

QFont Pismo(double meritko) {
  QFont pismo(QStringLiteral("DejaVu Sans"));
  pismo.setPixelSize(std::max(1, int(11.0 * meritko + 0.5)));
  pismo.setBold(true);
  return pismo;
}

// Places a label of size velikost (canvas pixels) at the first candidate position that
// covers no dot and no label placed before, inside the canvas when it can; failing that,
// over other labels but not over the vertex numbers (cisla), and last over any label.
// Where every candidate covers a dot the label is left out: a hidden vertex would mislead
// more than a missing number (an SVG knows no clipping to save the dot afterwards).
std::optional<QRectF> Umisti(const std::vector<QPointF>& kandidati, QSizeF velikost, const std::vector<QRectF>& tecky,
                             const std::vector<QRectF>& stitky, const std::vector<QRectF>& cisla) {
  const QRectF platno(0, 0, kSirkaPlatna, kVyskaPlatna);
  const auto nepokryva = [](const QRectF& r, const std::vector<QRectF>& mista, double okraj) {
    for (const QRectF& m : mista)
      if (r.intersects(m.adjusted(-okraj, -okraj, okraj, okraj))) return false;
    return true;
  };
  const std::vector<QRectF> zadne;
  const struct {
    const std::vector<QRectF>& chranene;
    bool uvnitr;
  } pruchody[] = {{stitky, true}, {cisla, true}, {zadne, true}, {zadne, false}};
  for (const auto& pruchod : pruchody)
    for (const QPointF& k : kandidati) {
      const QRectF r(k, velikost);
      if ((!pruchod.uvnitr || platno.contains(r)) && nepokryva(r, tecky, 1.0) && nepokryva(r, pruchod.chranene, 0.0))
        return r;
    }
  return std::nullopt;
}

struct TStitek {
  QRectF misto;  // canvas pixels
  QString text;
  QColor barva;
};

// Beside the dot at (x, y), diagonally first, nearer before further.
std::vector<QPointF> MistaCisla(double x, double y, QSizeF s) {
  std::vector<QPointF> kandidati;
  for (double d : {3.5, 7.5, 12.5})
    for (const QPointF k : {QPointF(x + d, y - d - s.height()), QPointF(x + d, y + d), QPointF(x - d - s.width(), y - d - s.height()),
                            QPointF(x - d - s.width(), y + d), QPointF(x - s.width() / 2, y - d - s.height()),
                            QPointF(x - s.width() / 2, y + d)})
      kandidati.push_back(k);
  return kandidati;
}

// Along the edge from a to b from its middle outwards, the label's centre on the line; then
// beside the middle, further and further off a short edge among crowded dots.
std::vector<QPointF> MistaDelky(QPointF a, QPointF b, QSizeF s) {
  std::vector<QPointF> kandidati;
  for (double t : {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8}) {
    const QPointF m = a + (b - a) * t;
    kandidati.emplace_back(m.x() - s.width() / 2, m.y() - s.height() / 2);
  }
  const double delka = std::hypot(b.x() - a.x(), b.y() - a.y());
  const QPointF kolmo = delka > 0 ? QPointF(a.y() - b.y(), b.x() - a.x()) / delka : QPointF(0, 1);
  for (double d : {10.0, -10.0, 16.0, -16.0, 24.0, -24.0}) {
    const QPointF m = (a + b) / 2 + kolmo * d;
    kandidati.emplace_back(m.x() - s.width() / 2, m.y() - s.height() / 2);
  }
  return kandidati;
}

// Every label of the picture in canvas pixels, the vertex numbers placed first: a number
// names a dot, so a length gives way to it.
std::vector<TStitek> RozmistiStitky(const TObsah& obsah, TPrekryvy prekryvy) {
  const QFontMetricsF miry(Pismo(1.0));
  const double okraj = 2.0;
  const auto velikost = [&](const QString& text) {
    return QSizeF(miry.horizontalAdvance(text) + 2 * okraj, miry.height());
  };
  std::vector<TStitek> stitky;
  std::vector<QRectF> obsazeno, cisla;
  const auto pridej = [&](const std::vector<QPointF>& kandidati, QSizeF s, const QString& text, QColor barva) {
    const std::optional<QRectF> r = Umisti(kandidati, s, obsah.tecky, obsazeno, cisla);
    if (!r) return;
    stitky.push_back({*r, text, barva});
    obsazeno.push_back(*r);
  };
  if (prekryvy.cisla) {
    for (const auto& [cislo, o] : obsah.vrcholy) {
      const QString text = QString::number(cislo);
      const QSizeF s = velikost(text);
      pridej(MistaCisla(o->kresleni.x1 + 0.5, o->kresleni.y1 + 0.5, s), s, text, QColor(0, 0, 0));
    }
  }
  cisla = obsazeno;
  if (prekryvy.delky) {
    for (const auto& [konce, o] : obsah.hrany) {
      const QString text = QString::fromStdString(FloatToStr(o->delka));
      const QSizeF s = velikost(text);
      const QPointF a = Stred(o->kresleni.x1, o->kresleni.y1), b = Stred(o->kresleni.x2, o->kresleni.y2);
      if (!QRectF(0, 0, kSirkaPlatna, kVyskaPlatna).contains((a + b) / 2)) continue;  // not seen there
      pridej(MistaDelky(a, b, s), s, text, QColor(0, 70, 160));
    }
  }
  return stitky;
}

}  // namespace

bool UkazujeHranu(const TOperace& o) {
  return o.kresleni.druh == TKresleni::Hrana && o.u && o.v && o.delka != 0.0 && o.kresleni.barva != clWhite;
}

std::size_t PosledniHrana(const std::vector<TOperace>& operace, std::size_t po) {
  po = std::min(po, operace.size());
  if (po == 0 || operace[po - 1].kresleni.druh != TKresleni::Hrana) return kNic;
  return po - 1;
}

void KresliPopisky(QPainter& painter, const std::vector<TOperace>& operace, std::size_t po, double meritko,
                   TPrekryvy prekryvy) {
  if (!prekryvy.cisla && !prekryvy.delky) return;
  const TObsah obsah = Obsah(operace, po);
  const std::vector<TStitek> stitky = RozmistiStitky(obsah, prekryvy);

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  // The dots stay as drawn whatever the labels: they are cut out of the painted area,
  // each with the whole pixels it touches.
  QRegion mimoTecky(QRect(-1, -1, int(std::ceil((kSirkaPlatna + 2) * meritko)), int(std::ceil((kVyskaPlatna + 2) * meritko))));
  for (const QRectF& t : obsah.tecky)
    mimoTecky -= QRectF(t.left() * meritko, t.top() * meritko, t.width() * meritko, t.height() * meritko).toAlignedRect();
  painter.setClipRegion(mimoTecky, Qt::IntersectClip);
  painter.setFont(Pismo(meritko));
  for (const TStitek& stitek : stitky) {
    const QRectF r(stitek.misto.topLeft() * meritko, stitek.misto.size() * meritko);
    painter.fillRect(r, QColor(255, 255, 255, 225));
    painter.setPen(stitek.barva);
    painter.drawText(r, Qt::AlignCenter, stitek.text);
  }
  painter.restore();
}

QImage RastrovyObraz(const std::vector<TOperace>& operace, std::size_t po, TPrekryvy prekryvy) {
  po = std::min(po, operace.size());
  TCanvas platno(kSirkaPlatna, kVyskaPlatna);
  for (std::size_t i = ZacatekObrazu(operace, 0, po); i < po; ++i) Nakresli(platno, operace[i].kresleni);
  QImage obraz = QImage(reinterpret_cast<const uchar*>(platno.Bits()), platno.Width(), platno.Height(),
                        QImage::Format_RGB32)
                     .copy();
  if (prekryvy.cisla || prekryvy.delky) {
    QPainter painter(&obraz);
    KresliPopisky(painter, operace, po, 1.0, prekryvy);
  }
  return obraz;
}

QImage ObrazVMeritku(const std::vector<TOperace>& operace, std::size_t po, int meritko, TPrekryvy prekryvy) {
  assert(meritko >= 1 && meritko <= kNejvetsiMeritko);
  if (meritko == 1) return RastrovyObraz(operace, po, prekryvy);
  // Nothing stands out, as on the canvas: the picture at 1 and at any size tell the same.
  QImage obraz(kSirkaPlatna * meritko, kVyskaPlatna * meritko, QImage::Format_RGB32);
  QPainter painter(&obraz);
  KresliVektorove(painter, operace, po, meritko, kNic, prekryvy);
  return obraz;
}

void KresliVektorove(QPainter& painter, const std::vector<TOperace>& operace, std::size_t po, double meritko,
                     std::size_t zvyraznena, TPrekryvy prekryvy) {
  po = std::min(po, operace.size());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, meritko != 1.0);
  const double sirka = std::max(1.0, meritko);
  const auto pero = [&](TColor c, double w) {
    QPen p(ToQColor(c), w);
    p.setCapStyle(Qt::FlatCap);
    return p;
  };
  const auto bod = [&](std::int32_t x, std::int32_t y) { return Stred(x, y) * meritko; };
  const std::size_t od = ZacatekObrazu(operace, 0, po);
  // Before any clear the canvas is plain white.
  painter.fillRect(QRectF(0, 0, kSirkaPlatna * meritko, kVyskaPlatna * meritko), Qt::white);
  for (std::size_t i = od; i < po; ++i) {
    const TKresleni& k = operace[i].kresleni;
    switch (k.druh) {
      case TKresleni::Smazani:
        painter.setPen(pero(clGray, meritko));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(0.5 * meritko, 0.5 * meritko, (kSirkaPlatna - 1) * meritko, (kVyskaPlatna - 1) * meritko));
        break;
      case TKresleni::Vrchol: {
        const QRectF t = Tecka(k);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(k.barva));
        painter.drawEllipse(QRectF(t.left() * meritko, t.top() * meritko, t.width() * meritko, t.height() * meritko));
        break;
      }
      case TKresleni::Hrana:
        painter.setPen(pero(k.barva, sirka));
        painter.drawLine(bod(k.x1, k.y1), bod(k.x2, k.y2));
        break;
    }
  }
  if (zvyraznena != kNic && zvyraznena >= od && zvyraznena < po) {
    const TKresleni& k = operace[zvyraznena].kresleni;
    QPen zare = pero(clYellow, 7 * sirka);
    zare.setColor(QColor(255, 200, 0, 150));
    zare.setCapStyle(Qt::RoundCap);
    painter.setPen(zare);
    painter.drawLine(bod(k.x1, k.y1), bod(k.x2, k.y2));
    painter.setPen(pero(k.barva, 3 * sirka));
    painter.drawLine(bod(k.x1, k.y1), bod(k.x2, k.y2));
  }
  painter.restore();
  KresliPopisky(painter, operace, po, meritko, prekryvy);
}

QString UlozObraz(const QString& cesta, const std::vector<TOperace>& operace, std::size_t po, std::size_t zvyraznena,
                  TPrekryvy prekryvy, int meritko) {
  const QString pripona = QFileInfo(cesta).suffix().toLower();
  if (pripona != QLatin1String("png") && pripona != QLatin1String("svg"))
    return QStringLiteral("Obrázek nelze uložit do souboru %1: typ obrázku se určuje příponou .png nebo .svg.")
        .arg(cesta);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  if (pripona == QLatin1String("png")) {
    if (!ObrazVMeritku(operace, po, meritko, prekryvy).save(&buffer, "PNG"))
      return QStringLiteral("Obrázek nelze uložit do souboru %1: PNG se nepodařilo vytvořit.").arg(cesta);
  } else {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kSirkaPlatna, kVyskaPlatna));
    svg.setViewBox(QRect(0, 0, kSirkaPlatna, kVyskaPlatna));
    svg.setTitle(QStringLiteral("Trivex"));
    svg.setResolution(96);
    QPainter painter;
    if (!painter.begin(&svg))
      return QStringLiteral("Obrázek nelze uložit do souboru %1: SVG se nepodařilo vytvořit.").arg(cesta);
    KresliVektorove(painter, operace, po, 1.0, zvyraznena, prekryvy);
    painter.end();
  }
  // The old file stays whole until the new one is written completely.
  if (const auto chyba = ZapisAtomicky(cesta, data))
    return QStringLiteral("Obrázek nelze uložit do souboru %1: %2").arg(cesta, chyba->duvod);
  return QString();
}

QImage ObrazPlatna(TPrekryvy prekryvy) {
  const std::vector<TOperace>& obraz = Zaznamnik().Obraz();
  return RastrovyObraz(obraz, obraz.size(), prekryvy);
}

QString UlozObrazPlatna(const QString& cesta, TPrekryvy prekryvy, int meritko) {
  const std::vector<TOperace>& obraz = Zaznamnik().Obraz();
  return UlozObraz(cesta, obraz, obraz.size(), kNic, prekryvy, meritko);
}

std::vector<TNakreslenaHrana> NakresleneHrany() {
  const std::vector<TOperace>& obraz = Zaznamnik().Obraz();
  std::vector<TNakreslenaHrana> hrany;
  for (const auto& [konce, o] : Obsah(obraz, obraz.size()).hrany)
    hrany.push_back({konce.first, konce.second, o->kresleni.barva});
  return hrany;
}
