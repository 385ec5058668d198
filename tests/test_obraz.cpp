// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Pictures for paper without a window: labels only where the picture shows an edge.
#include "GrafyTestu.h"

#include "classroom/Obraz.h"
#include "classroom/Trida.h"

#include <QRegularExpression>
#include <QTemporaryDir>

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

// The graph editor's highlight as it draws it: the graph in silver, the examined vertex 1 in
// blue, then the listed vertex 3 joined to it in white when the graph has no such edge, in
// the slot's maroon when it has.
void Zvyrazni(TColor hrana) {
  VykresliGraf(clSilver, clSilver);
  VykresliVrchol(graf.GetX(1), graf.GetY(1), clBlue);
  VykresliHranu(graf.GetX(1), graf.GetY(1), graf.GetX(3), graf.GetY(3), hrana);
  VykresliVrchol(graf.GetX(3), graf.GetY(3), clMaroon);
}

// A segment that is no edge gets no length and no hover text; a highlighted edge keeps both.
TEST_F(ObrazProPapir, LabelsAndHoverNameOnlyEdgesThePictureShows) {
  const struct {
    const char* nazev;
    std::function<void()> kresli;
    QStringList delky;
    const char* popis;  // the hover text at the middle of 1-3
  } pripady[] = {
      {"listed vertex without an edge", [] { PostavGraf(3, {{1, 2, 5}}); Zvyrazni(clWhite); }, {"5"}, ""},
      {"length just set to 0", [] {
         PostavGraf(3, {{1, 2, 5}, {1, 3, 4}});
         graf.SetHrana(1, 3, 0.0), graf.SetHrana(3, 1, 0.0);
         Zvyrazni(clWhite);
       }, {"5"}, ""},
      {"listed vertex with an edge", [] { PostavGraf(3, {{1, 2, 5}, {1, 3, 4}}); Zvyrazni(clMaroon); }, {"4", "5"},
       "Hrana 1 – 3 · délka 4"},
      {"a picture of the graph after the editor", [] {
         PostavGraf(3, {{1, 2, 5}});
         Zvyrazni(clWhite);
         VykresliGraf(clBlack, clBlack);
       }, {"5"}, ""},
  };
  const QPoint stred((MistoX(1) + MistoX(3)) / 2, (MistoY(1) + MistoY(3)) / 2);
  for (const auto& p : pripady) {
    p.kresli();
    EXPECT_EQ(p.delky, Stitky({false, true})) << p.nazev;
    EXPECT_EQ(QStringList({"1", "2", "3"}) + p.delky, Stitky({true, true})) << p.nazev;
    EXPECT_EQ(QString::fromUtf8(p.popis), PopisMista(Zaznamnik().Obraz(), stred)) << p.nazev;
  }
}

}  // namespace
