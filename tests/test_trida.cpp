// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The classroom's recording and its pictures without a window: the replayed canvas, the
// overlays, the drawn edges, the saved PNG and SVG.
#include "GrafyTestu.h"

#include "classroom/Obraz.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <climits>
#include <functional>

namespace {

QImage Snimek(const TCanvas& c) {
  return QImage(reinterpret_cast<const uchar*>(c.Bits()), c.Width(), c.Height(), QImage::Format_RGB32).copy();
}

// Two components with ties of length, so the runs announce, discard and join.
void GrafSRemizami() {
  PostavGraf(7, {{1, 2, 2}, {2, 3, 2}, {1, 3, 2}, {3, 4, 1}, {4, 1, 3}, {5, 6, 1}, {6, 7, 1}, {5, 7, 1}});
  PocetKomponent();
}

class Obraz : public AlgoritmusTest {};

// Whatever was drawn, the picture rebuilt from the recording is the canvas to the pixel;
// shapes far off the canvas get no labels there.
TEST_F(Obraz, RebuiltPictureIsTheCanvas) {
  const struct { const char* nazev; TPrekryvy prekryvy; std::function<void()> kresli; } pripady[] = {
      {"Kruskal's tree", {}, [] { GrafSRemizami(); Kruskal(); }},
      {"colouring over a picture", {}, [] { GrafSRemizami(); VykresliGraf(clSilver, clSilver); NastavBarvyVrcholu(); ObarviVrcholy(); }},
      {"drawing without a clear", {}, [] { SmazPlatno(); VykresliGraf(clBlack, clBlack); VykresliHranu(0, 0, 300, 200, clRed); }},
      {"far off, no labels", {true, true}, [] {
         PostavGraf(2, {{1, 2, 3}});
         graf.SetX(1, INT_MIN), graf.SetY(1, INT_MAX), graf.SetX(2, INT_MAX), graf.SetY(2, INT_MAX - 5);
         VykresliGraf(clBlack, clBlack);
       }},
  };
  for (const auto& p : pripady) {
    p.kresli();
    EXPECT_EQ(Snimek(plocha.canvas), ObrazPlatna(p.prekryvy)) << p.nazev;
  }
}

// Labels add to the picture but never touch a dot, even where the dots crowd. (Off, the
// picture is the canvas, as the first test shows.)
TEST_F(Obraz, OverlaysNeverCoverADot) {
  const struct { const char* nazev; std::vector<std::pair<int, int>> body; } grafy[] = {
      {"crowded", {{100, 100}, {107, 100}, {100, 107}, {107, 107}, {114, 100}, {114, 114}}},
      {"at the edges", {{0, 0}, {568, 0}, {568, 360}, {0, 360}}},
  };
  for (const auto& g : grafy) {
    graf.Clear();
    graf.Init(std::uint8_t(g.body.size()));
    for (std::uint8_t i = 1; i <= g.body.size(); ++i) {
      graf.SetX(i, g.body[i - 1].first), graf.SetY(i, g.body[i - 1].second);
      if (i > 1) graf.SetHrana(i, i - 1, 12.5), graf.SetHrana(i - 1, i, 12.5);
    }
    VykresliGraf(clRed, clBlue);
    const QImage holy = Snimek(plocha.canvas);
    for (const TPrekryvy prekryvy : {TPrekryvy{true, false}, TPrekryvy{false, true}, TPrekryvy{true, true}}) {
      const QImage s = ObrazPlatna(prekryvy);
      int zmenenych = 0, tecek = 0;
      for (int y = 0; y < kVyskaPlatna; ++y)
        for (int x = 0; x < kSirkaPlatna; ++x) {
          zmenenych += s.pixel(x, y) != holy.pixel(x, y);
          if (plocha.canvas.Pixel(x, y) != clRed) continue;
          ++tecek;
          EXPECT_EQ(holy.pixel(x, y), s.pixel(x, y)) << g.nazev << " dot pixel " << x << ", " << y;
        }
      EXPECT_GT(tecek, 0) << g.nazev;
      EXPECT_GT(zmenenych, 20 * int(g.body.size() - 1)) << g.nazev << " labels " << prekryvy.cisla << prekryvy.delky;
    }
  }
}

// Vertices sharing a place are told apart by the edge the graph has between them. (The
// colours a run leaves on its edges are checked through the TikZ export.)
TEST_F(Obraz, DrawnEdgesNameTheirVertices) {
  PostavGraf(3, {{2, 3, 4}});
  graf.SetX(2, graf.GetX(1)), graf.SetY(2, graf.GetY(1));
  VykresliGraf(clBlack, clNavy);
  ASSERT_EQ(1u, NakresleneHrany().size());
  EXPECT_EQ(std::make_tuple(2, 3, clNavy), std::make_tuple(NakresleneHrany()[0].u, NakresleneHrany()[0].v, NakresleneHrany()[0].barva));
}

// PNG is the picture at 1:1 with its labels and replaces an old file whole (without labels the
// window and command-line tests compare it); a bad type or folder is a message naming the
// file and writes nothing; SVG draws the same lines in the same colours, labels as text.
TEST_F(Obraz, SavedPicturesArePngAtOneToOneOrSvgWithTheSameLines) {
  QTemporaryDir dir;
  GrafSRemizami();
  Kruskal();
  const QString png = dir.filePath("a.PNG");
  WriteBytes(png, "old");
  EXPECT_EQ(QString(), UlozObrazPlatna(png, {true, true}));
  EXPECT_EQ(ObrazPlatna({true, true}), QImage(png).convertToFormat(QImage::Format_RGB32));
  for (const QString& spatna : {dir.filePath("e.bmp"), dir.filePath("chybi/f.png")}) {
    EXPECT_TRUE(UlozObrazPlatna(spatna, {}).contains(spatna)) << spatna.toStdString();
    EXPECT_FALSE(QFileInfo::exists(spatna)) << spatna.toStdString();
  }
  const QString svg = dir.filePath("c.Svg");
  ASSERT_EQ(QString(), UlozObrazPlatna(svg, {}));
  QImage kresba(kSirkaPlatna, kVyskaPlatna, QImage::Format_RGB32);
  kresba.fill(Qt::white);
  QPainter painter(&kresba);
  QSvgRenderer(svg).render(&painter);
  painter.end();
  for (const TNakreslenaHrana& h : NakresleneHrany()) {
    const QPoint stred((MistoX(h.u) + MistoX(h.v)) / 2, (MistoY(h.u) + MistoY(h.v)) / 2);
    EXPECT_EQ(ObrazPlatna({}).pixel(stred), kresba.pixel(stred)) << "edge " << h.u << "-" << h.v;
  }
  EXPECT_EQ(qRgb(255, 255, 255), kresba.pixel(284, 5)) << "away from every line";
  ASSERT_EQ(QString(), UlozObrazPlatna(svg, {true, true}));
  QStringList texty;
  for (const auto& m : QRegularExpression(">([^<]*)</text>").globalMatch(QString::fromStdString(ReadBytes(svg))))
    texty << m.captured(1);
  texty.sort();
  EXPECT_EQ(QStringList({"1", "1", "1", "1", "1", "2", "2", "2", "2", "3", "3", "4", "5", "6", "7"}), texty);
}

}  // namespace
