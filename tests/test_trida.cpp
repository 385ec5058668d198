// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The classroom's recording and its pictures without a window: the replayed canvas, the
// overlays, the drawn edges, the saved PNG and SVG, and what a command leaves to browse.
#include "GrafyTestu.h"

#include "classroom/Obraz.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"

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

// Whatever was drawn, the picture rebuilt from the recording is the canvas to the pixel.
TEST_F(Obraz, RebuiltPictureIsTheCanvas) {
  const struct { const char* nazev; std::function<void()> kresli; } pripady[] = {
      {"graph in black", [] { GrafSRemizami(); VykresliGraf(clBlack, clBlack); }},
      {"Kruskal's tree", [] { GrafSRemizami(); Kruskal(); }},
      {"Boruvka's tree", [] { GrafSRemizami(); Boruvka(); }},
      {"colouring over a picture", [] { GrafSRemizami(); VykresliGraf(clSilver, clSilver); NastavBarvyVrcholu(); ObarviVrcholy(); }},
      {"far shapes clipped", [] { SmazPlatno(); VykresliVrchol(INT_MIN, 3, clRed); VykresliHranu(INT_MIN, INT_MIN, INT_MAX, INT_MAX, clBlue); VykresliVrchol(568, 360, clGreen); }},
      {"drawing without a clear", [] { SmazPlatno(); VykresliGraf(clBlack, clBlack); VykresliHranu(0, 0, 300, 200, clRed); }},
  };
  for (const auto& p : pripady) {
    p.kresli();
    EXPECT_EQ(Snimek(plocha.canvas), ObrazPlatna({})) << p.nazev;
  }
}

// Labels add to the picture but never touch a dot, even where the dots crowd; off, they are gone.
TEST_F(Obraz, OverlaysNeverCoverADotAndLeaveNothingWhenOff) {
  const struct { const char* nazev; std::vector<std::pair<int, int>> body; } grafy[] = {
      {"spread", {{40, 40}, {300, 60}, {520, 300}, {100, 320}}},
      {"crowded", {{100, 100}, {107, 100}, {100, 107}, {107, 107}, {114, 100}, {114, 114}}},
      {"at the edges", {{0, 0}, {568, 0}, {568, 360}, {0, 360}}},
  };
  for (const auto& g : grafy) {
    graf.Clear();
    graf.Init(std::uint8_t(g.body.size()));
    for (std::uint8_t i = 1; i <= g.body.size(); ++i) {
      graf.SetX(i, g.body[i - 1].first);
      graf.SetY(i, g.body[i - 1].second);
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
    EXPECT_EQ(holy, ObrazPlatna({})) << g.nazev;
  }
}

// Each drawn edge once, by its vertices, in the colour it was drawn last; vertices sharing a
// place are told apart by the edge the graph has between them.
TEST_F(Obraz, DrawnEdgesNameTheirVerticesAndLastColour) {
  GrafSRemizami();
  Kruskal();
  std::vector<std::tuple<int, int, TColor>> hrany;
  for (const TNakreslenaHrana& h : NakresleneHrany()) hrany.emplace_back(h.u, h.v, h.barva);
  EXPECT_EQ((std::vector<std::tuple<int, int, TColor>>{{1, 2, clMaroon}, {1, 3, clMaroon}, {1, 4, clSilver}, {2, 3, clSilver},
                                                       {3, 4, clMaroon}, {5, 6, clMaroon}, {5, 7, clMaroon}, {6, 7, clSilver}}),
            hrany);
  PostavGraf(3, {{2, 3, 4}});
  graf.SetX(2, graf.GetX(1)), graf.SetY(2, graf.GetY(1));
  VykresliGraf(clBlack, clNavy);
  ASSERT_EQ(1u, NakresleneHrany().size());
  EXPECT_EQ(std::make_tuple(2, 3, clNavy), std::make_tuple(NakresleneHrany()[0].u, NakresleneHrany()[0].v, NakresleneHrany()[0].barva));
  SmazPlatno();
  EXPECT_TRUE(NakresleneHrany().empty()) << "a clear starts a new picture";
}

// The colour closest to a rendered pixel among those a picture can have.
TColor Nejblizsi(QRgb p) {
  TColor nejlepsi = clWhite;
  int vzdalenost = INT_MAX;
  for (TColor c : {clWhite, clBlack, clSilver, clMaroon, clGray}) {
    const int d = std::abs(qRed(p) - int(c & 0xFF)) + std::abs(qGreen(p) - int((c >> 8) & 0xFF)) + std::abs(qBlue(p) - int(c >> 16));
    if (d < vzdalenost) vzdalenost = d, nejlepsi = c;
  }
  return nejlepsi;
}

// PNG is the picture at 1:1; SVG parses and draws the same lines in the same colours; a bad
// name is a message and writes nothing, a good one replaces the old file whole.
TEST_F(Obraz, SavedPicturesArePngAtOneToOneOrSvgWithTheSameLines) {
  QTemporaryDir dir;
  GrafSRemizami();
  Kruskal();
  const struct { const char* nazev; QString soubor; TPrekryvy prekryvy; bool uspech; } pripady[] = {
      {"png", "a.png", {}, true},          {"PNG in capitals", "b.PNG", {true, true}, true},
      {"svg", "c.svg", {}, true},          {"svg with labels", "d.Svg", {true, true}, true},
      {"no type", "e.bmp", {}, false},     {"missing folder", "chybi/f.png", {}, false},
  };
  for (const auto& p : pripady) {
    const QString cesta = dir.filePath(p.soubor);
    const QString chyba = UlozObrazPlatna(cesta, p.prekryvy);
    EXPECT_EQ(p.uspech, chyba.isEmpty()) << p.nazev << ": " << chyba.toStdString();
    if (!p.uspech) {
      EXPECT_TRUE(chyba.contains(cesta)) << p.nazev;
      EXPECT_FALSE(QFileInfo::exists(cesta)) << p.nazev;
      continue;
    }
    if (!cesta.endsWith("svg", Qt::CaseInsensitive)) {
      EXPECT_EQ(ObrazPlatna(p.prekryvy), QImage(cesta).convertToFormat(QImage::Format_RGB32)) << p.nazev;
      continue;
    }
    QSvgRenderer svg(cesta);
    ASSERT_TRUE(svg.isValid()) << p.nazev;
    EXPECT_EQ(QRectF(0, 0, kSirkaPlatna, kVyskaPlatna), svg.viewBoxF()) << p.nazev;
    if (p.prekryvy.delky) {  // the labels, as text, over the lines' middles
      QStringList texty;
      const QRegularExpression text(QStringLiteral(">([^<]*)</text>"));
      for (const auto& m : text.globalMatch(QString::fromUtf8(ReadBytes(cesta).c_str())))
        texty << m.captured(1);
      texty.sort();
      EXPECT_EQ(QStringList({"1", "1", "1", "1", "1", "2", "2", "2", "2", "3", "3", "4", "5", "6", "7"}), texty) << p.nazev;
      continue;
    }
    QImage kresba(kSirkaPlatna, kVyskaPlatna, QImage::Format_RGB32);
    kresba.fill(Qt::white);
    QPainter painter(&kresba);
    svg.render(&painter);
    painter.end();
    for (const TNakreslenaHrana& h : NakresleneHrany())
      EXPECT_EQ(h.barva, Nejblizsi(kresba.pixel((MistoX(h.u) + MistoX(h.v)) / 2, (MistoY(h.u) + MistoY(h.v)) / 2)))
          << p.nazev << " edge " << h.u << "-" << h.v;
    EXPECT_EQ(clWhite, Nejblizsi(kresba.pixel(284, 5))) << p.nazev << " away from every line";
  }
  WriteBytes(dir.filePath("g.png"), "old");
  EXPECT_TRUE(UlozObrazPlatna(dir.filePath("g.png"), {}).isEmpty());
  EXPECT_EQ(ObrazPlatna({}), QImage(dir.filePath("g.png")).convertToFormat(QImage::Format_RGB32));
}

// A command's boxes become its rows, each with the picture the canvas had when the box
// appeared; a command that only redraws leaves them; the next narrating command replaces them.
TEST_F(Obraz, CommandsRecordTheirBoxesWithThePictureUnderEach) {
  const struct { const char* nazev; void (*beh)(); } behy[] = {{"Kruskal", Kruskal}, {"Jarnik", JarnikSimulace}, {"Boruvka", Boruvka}};
  for (const auto& b : behy) {
    GrafSRemizami();
    std::vector<QImage> podBoxem;
    const TMessageHandler predchozi = SetMessageHandler([&](const std::string& text) {
      zpravy.messages.push_back(text);
      podBoxem.push_back(Snimek(plocha.canvas));
    });
    zpravy.messages.clear();
    Invoke(b.beh);
    SetMessageHandler(predchozi);
    const TVyklad& vyklad = Zaznamnik().Vyklad();
    ASSERT_EQ(zpravy.messages.size(), vyklad.kroky.size()) << b.nazev;
    for (std::size_t i = 0; i < vyklad.kroky.size(); ++i) {
      EXPECT_EQ(zpravy.messages[i], vyklad.kroky[i].text) << b.nazev << " row " << i;
      EXPECT_EQ(podBoxem[i], RastrovyObraz(vyklad.operace, vyklad.kroky[i].operaci, {})) << b.nazev << " row " << i;
    }
  }
  const std::vector<std::string> posledni = zpravy.messages;
  Invoke([] { VykresliGraf(clSilver, clSilver); });
  Invoke([] {});
  ASSERT_EQ(posledni.size(), Zaznamnik().Vyklad().kroky.size()) << "a redraw keeps the narration";
  Invoke([] { ShowMessage("jina"); });
  ASSERT_EQ(1u, Zaznamnik().Vyklad().kroky.size());
  EXPECT_EQ("jina", Zaznamnik().Vyklad().kroky[0].text);
  ShowMessage("mimo prikaz");
  EXPECT_EQ(1u, Zaznamnik().Vyklad().kroky.size()) << "no command, nothing to keep";
  Zaznamnik().SmazVyklad();
  EXPECT_TRUE(Zaznamnik().Vyklad().kroky.empty());
}

}  // namespace
