// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Pictures for paper without a window: labels only where the picture shows an edge, and the
// picture at larger sizes telling what the canvas tells.
#include "GrafyTestu.h"

#include "classroom/Obraz.h"
#include "classroom/Trida.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <functional>

// Failures show texts as texts.
void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

class ObrazProPapir : public AlgoritmusTest {
protected:
  // The texts of the labels over the canvas, sorted, as the SVG picture writes them.
  QStringList Stitky(TPrekryvy prekryvy) {
    const QString svg = dir.filePath("stitky.svg");
    EXPECT_EQ(QString(), UlozObrazPlatna(svg, prekryvy));
    QStringList texty;
    for (const auto& m : QRegularExpression(">([^<]*)</text>").globalMatch(QString::fromStdString(ReadBytes(svg))))
      texty << m.captured(1);
    texty.sort();
    return texty;
  }
  QTemporaryDir dir;
};

// The graph editor's highlight: the graph in silver, the examined vertex 1 in blue, the listed
// vertex 3 joined to it in white when the graph has no such edge, in the slot's maroon when it has.
void Zvyrazni(TColor hrana) {
  VykresliGraf(clSilver, clSilver);
  VykresliVrchol(graf.GetX(1), graf.GetY(1), clBlue);
  VykresliHranu(graf.GetX(1), graf.GetY(1), graf.GetX(3), graf.GetY(3), hrana);
  VykresliVrchol(graf.GetX(3), graf.GetY(3), clMaroon);
}

// A segment that is no edge gets no length and no hover text; a highlighted edge keeps both.
TEST_F(ObrazProPapir, LabelsAndHoverNameOnlyEdgesThePictureShows) {
  // The labels of lengths and the hover text at the middle of 1-3.
  const struct { const char* nazev; std::function<void()> kresli; QStringList delky; const char* popis; } pripady[] = {
      {"listed vertex without an edge", [] { PostavGraf(3, {{1, 2, 5}}); Zvyrazni(clWhite); }, {"5"}, ""},
      {"length just set to 0",
       [] { PostavGraf(3, {{1, 2, 5}, {1, 3, 4}}); graf.SetHrana(1, 3, 0.0); graf.SetHrana(3, 1, 0.0); Zvyrazni(clWhite); },
       {"5"}, ""},
      {"listed vertex with an edge", [] { PostavGraf(3, {{1, 2, 5}, {1, 3, 4}}); Zvyrazni(clMaroon); }, {"4", "5"},
       "Hrana 1 – 3 · délka 4"},
      {"a picture of the graph after the editor",
       [] { PostavGraf(3, {{1, 2, 5}}); Zvyrazni(clWhite); VykresliGraf(clBlack, clBlack); }, {"5"}, ""},
  };
  const QPoint stred((MistoX(1) + MistoX(3)) / 2, (MistoY(1) + MistoY(3)) / 2);
  for (const auto& p : pripady) {
    p.kresli();
    EXPECT_EQ(p.delky, Stitky({false, true})) << p.nazev;
    EXPECT_EQ(QStringList({"1", "2", "3"}) + p.delky, Stitky({true, true})) << p.nazev;
    EXPECT_EQ(QString::fromUtf8(p.popis), PopisMista(Zaznamnik().Obraz(), stred)) << p.nazev;
  }
}

// The largest difference of a channel between the two pictures seen through a 3 x 3 blur.
int RozdilRozmazane(const QImage& a, const QImage& b) {
  int nejvic = 0;
  for (int y = 1; y + 1 < a.height(); ++y)
    for (int x = 1; x + 1 < a.width(); ++x) {
      int r = 0, g = 0, m = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const QRgb p = a.pixel(x + dx, y + dy), q = b.pixel(x + dx, y + dy);
          r += qRed(p) - qRed(q), g += qGreen(p) - qGreen(q), m += qBlue(p) - qBlue(q);
        }
      nejvic = std::max({nejvic, std::abs(r) / 9, std::abs(g) / 9, std::abs(m) / 9});
    }
  return nejvic;
}

// Grown 2, 3, 4 and 8 times, the picture smoothly shrunk back is the canvas within a
// tolerance: a one-pixel staircase line against an antialiased line of the same width differs,
// through a 3 x 3 blur, by up to about 60 of 255 (measured 49 to 59, labels on or off). Lines,
// dots or labels left at their 1:1 size differ by 98 or more, so 75 tells the two apart.
TEST_F(ObrazProPapir, LargerPicturesAreTheCanvasGrownAlike) {
  PostavGraf(7, {{1, 2, 2}, {2, 3, 2}, {1, 3, 2}, {3, 4, 1}, {4, 1, 3}, {5, 6, 1}, {6, 7, 1}, {5, 7, 1}});
  Kruskal();
  const std::vector<TOperace>& obraz = Zaznamnik().Obraz();
  for (const TPrekryvy prekryvy : {TPrekryvy{}, TPrekryvy{true, true}}) {
    const QImage platno = ObrazVMeritku(obraz, obraz.size(), 1, prekryvy);
    EXPECT_EQ(RastrovyObraz(obraz, obraz.size(), prekryvy), platno) << "1:1 is the canvas to the pixel";
    for (int meritko : {2, 3, 4, kNejvetsiMeritko}) {
      const QImage velky = ObrazVMeritku(obraz, obraz.size(), meritko, prekryvy);
      EXPECT_EQ(QSize(kSirkaPlatna * meritko, kVyskaPlatna * meritko), velky.size());
      const QImage zpet = velky.scaled(platno.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      EXPECT_LE(RozdilRozmazane(zpet, platno), 75) << meritko << "x, labels " << prekryvy.cisla;
    }
  }
}

}  // namespace
