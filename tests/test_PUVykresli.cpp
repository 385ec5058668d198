// Pictures of the graph, pixel by pixel: the cleared canvas, dots, lines, the order
// of drawing, clipping, and the colour table every clear restores.
#include "drawing/PUVykresli.h"

#include "model/UGraf.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>

#include <climits>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsOf(const TCanvas& canvas, TColor c) {
  Pixels pixels;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.Pixel(x, y) == c) pixels.emplace(x, y);
  return pixels;
}

std::vector<std::uint32_t> Picture(const TCanvas& canvas) {
  return std::vector<std::uint32_t>(canvas.Bits(), canvas.Bits() + std::size_t(canvas.Width()) * canvas.Height());
}

// The 4 x 4 box minus its corners, covering x-2..x+1 and y-2..y+1.
Pixels Dot(int x, int y) {
  Pixels dot;
  for (int dy = -2; dy <= 1; ++dy)
    for (int dx = -2; dx <= 1; ++dx)
      if (!((dx == -2 || dx == 1) && (dy == -2 || dy == 1))) dot.emplace(x + dx, y + dy);
  return dot;
}

// Two vertices joined (or not) by the entries given.
void TwoVertices(int x1, int y1, int x2, int y2, double entry2OfVertex1, double entry1OfVertex2) {
  graf.Clear();
  graf.Init(2);
  graf.SetX(1, x1);
  graf.SetY(1, y1);
  graf.SetX(2, x2);
  graf.SetY(2, y2);
  graf.SetHrana(1, 2, entry2OfVertex1);
  graf.SetHrana(2, 1, entry1OfVertex2);
}

class Drawing : public ::testing::Test {
protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }

  TestSurface surface;
  TCanvas& canvas = surface.canvas;
};

TEST_F(Drawing, ClearingLeavesAWhiteAreaWithAGreyOutline) {
  struct Case {
    const char* name;
    void (*draw)();
  };
  const Case cases[] = {
      {"SmazPlatno", [] { SmazPlatno(); }},
      {"VykresliGraf of an empty graph", [] { VykresliGraf(clRed, clBlue); }},
  };
  for (const Case& c : cases) {
    canvas.Fill(clRed);
    c.draw();
    Pixels outline;
    for (int x = 0; x < kSirkaPlatna; ++x) outline.insert({{x, 0}, {x, kVyskaPlatna - 1}});
    for (int y = 0; y < kVyskaPlatna; ++y) outline.insert({{0, y}, {kSirkaPlatna - 1, y}});
    EXPECT_EQ(outline, PixelsOf(canvas, clGray)) << c.name;
    EXPECT_EQ(std::size_t(kSirkaPlatna * kVyskaPlatna) - outline.size(), PixelsOf(canvas, clWhite).size()) << c.name;
    EXPECT_EQ(clGray, canvas.Pen.Color) << c.name;
    EXPECT_EQ(clBlack, canvas.Brush.Color) << c.name;
  }
}

TEST_F(Drawing, EveryClearRestoresTheColourTable) {
  const std::array<TColor, 12> expected = {clBlack, clPurple, clTeal,   clGreen, clYellow, clNavy,
                                           clGray,  clOlive,  clMaroon, clRed,   clSilver, clBlue};
  for (auto clear : {+[] { SmazPlatno(); }, +[] { VykresliGraf(clBlack, clBlack); }}) {
    paleta[0] = clWhite;
    paleta[11] = clAqua;
    clear();
    EXPECT_EQ(expected, paleta);
  }
  NastavPlatno(nullptr);
  paleta[5] = clWhite;
  SmazPlatno();
  EXPECT_EQ(expected, paleta) << "also with no canvas to clear";
}

TEST_F(Drawing, VertexIsAFourPixelDotWithoutCorners) {
  SmazPlatno();
  VykresliVrchol(100, 50, clRed);
  EXPECT_EQ(Dot(100, 50), PixelsOf(canvas, clRed));
  EXPECT_EQ(12u, Dot(100, 50).size());
  EXPECT_EQ(clRed, canvas.Pen.Color);
  EXPECT_EQ(clRed, canvas.Brush.Color);
}

TEST_F(Drawing, EdgeIsAOnePixelLineWithoutItsEndPoint) {
  SmazPlatno();
  VykresliHranu(10, 20, 100, 50, clBlue);
  const Pixels line = PixelsOf(canvas, clBlue);
  EXPECT_EQ(90u, line.size()) << "one pixel per step along x";
  EXPECT_EQ(1u, line.count({10, 20}));
  EXPECT_EQ(0u, line.count({100, 50}));
  EXPECT_EQ(1u, line.count({55, 35})) << "the middle of the line";
  EXPECT_EQ(clBlue, canvas.Pen.Color);
  EXPECT_EQ(clBlue, canvas.Brush.Color);
}

// Each edge is drawn once, from its lower-numbered end, and the dots go over it.
TEST_F(Drawing, GraphDrawsEachEdgeOnceFromTheLowerVertexUnderTheDots) {
  // Vertex 1 lies right of vertex 2, where the two directions of the line differ.
  TwoVertices(30, 20, 10, 10, 5.0, 5.0);
  int changes = 0;
  canvas.OnChange = [&changes] { ++changes; };
  VykresliGraf(clBlack, clSilver);
  canvas.OnChange = nullptr;
  EXPECT_EQ(4, changes) << "the clear, one line and two dots";
  const std::vector<std::uint32_t> picture = Picture(canvas);

  Pixels dots = Dot(30, 20);
  dots.merge(Dot(10, 10));
  EXPECT_EQ(dots, PixelsOf(canvas, clBlack));

  SmazPlatno();
  VykresliHranu(30, 20, 10, 10, clSilver);
  VykresliVrchol(30, 20, clBlack);
  VykresliVrchol(10, 10, clBlack);
  EXPECT_TRUE(picture == Picture(canvas)) << "drawn from vertex 1";

  SmazPlatno();
  VykresliHranu(10, 10, 30, 20, clSilver);
  VykresliVrchol(30, 20, clBlack);
  VykresliVrchol(10, 10, clBlack);
  EXPECT_FALSE(picture == Picture(canvas)) << "the other direction gives another line";
}

TEST_F(Drawing, OnlyZeroLengthMeansNoEdge) {
  struct Case {
    const char* name;
    double entry2OfVertex1;
    double entry1OfVertex2;
    bool drawn;
  };
  const Case cases[] = {
      {"positive", 5.0, 5.0, true},
      {"negative", -3.0, -3.0, true},
      {"tiny", 1e-300, 1e-300, true},
      {"zero", 0.0, 0.0, false},
      {"negative zero", -0.0, -0.0, false},
      {"only the lower vertex's row", 2.0, 0.0, true},
      {"only the higher vertex's row", 0.0, 2.0, false},
  };
  for (const Case& c : cases) {
    TwoVertices(10, 20, 100, 50, c.entry2OfVertex1, c.entry1OfVertex2);
    VykresliGraf(clBlack, clGreen);
    // 90 pixels of line, of which the dots cover two at either end.
    EXPECT_EQ(c.drawn ? 86u : 0u, PixelsOf(canvas, clGreen).size()) << c.name;
  }
}

TEST_F(Drawing, ShapesOutsideTheCanvasAreClippedQuickly) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
    Pixels visibleDots;
    Pixels lineSample;
  };
  const Case cases[] = {
      {"top left corner", 0, 0, -50, -50, {{0, 0}, {1, 0}, {0, 1}}, {}},
      {"bottom right corner", 569, 361, 700, 400, {{568, 359}, {567, 360}, {568, 360}}, {}},
      {"extreme corners", INT_MIN, INT_MIN, INT_MAX, INT_MAX, {}, {{0, 0}, {200, 200}, {360, 360}}},
      {"extreme crossing", INT_MIN, INT_MAX, INT_MAX, INT_MIN, {}, {}},
      {"far left to far right", INT_MIN, 100, INT_MAX, 100, {}, {{0, 100}, {568, 100}}},
  };
  for (const Case& c : cases) {
    TwoVertices(c.x1, c.y1, c.x2, c.y2, 1.0, 1.0);
    QElapsedTimer timer;
    timer.start();
    VykresliGraf(clRed, clBlue);
    EXPECT_LT(timer.elapsed(), 1000) << c.name;
    EXPECT_EQ(c.visibleDots, PixelsOf(canvas, clRed)) << c.name;
    const Pixels line = PixelsOf(canvas, clBlue);
    for (const auto& pixel : c.lineSample) EXPECT_EQ(1u, line.count(pixel)) << c.name << " " << pixel.first;
  }
}

}  // namespace
