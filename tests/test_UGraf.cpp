// The graph container: its counters, one-way edge entries and reproducible layout.
#include "model/UGraf.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Positions = std::vector<std::pair<std::int32_t, std::int32_t>>;

Positions PositionsOf(const tgraf& g) {
  Positions positions;
  for (std::uint8_t i = 1; i <= g.GetPocet(); ++i) positions.emplace_back(g.GetX(i), g.GetY(i));
  return positions;
}

class Graph : public ::testing::Test {
protected:
  void SetUp() override {
    g.Clear();
    ZacniNahodneSouradnice();
  }

  tgraf g;
};

TEST_F(Graph, InitMakesBlankVerticesAndClearResetsEveryCounter) {
  g.Init(0);
  EXPECT_EQ(0, g.GetPocet());

  g.SetKomponent(2);
  g.SetBarev(4);
  g.Clear();
  g.SetKomponent(3);
  g.SetBarev(5);
  g.Init(10);
  EXPECT_EQ(10, g.GetPocet());
  EXPECT_EQ(3, g.GetKomponent()) << "Init keeps komponent";
  EXPECT_EQ(5, g.GetBarev()) << "Init keeps barev";
  for (std::uint8_t i = 1; i <= 10; ++i) {
    EXPECT_EQ(0.0, g.GetHodnota(i));
    EXPECT_EQ("", g.GetText(i));
    EXPECT_EQ(0, g.GetBarva(i));
    for (std::uint8_t j = 1; j <= kMaxVrcholu; ++j) EXPECT_EQ(0.0, g.GetHrana(j, i)) << int(i) << "," << int(j);
  }

  g.Clear();
  EXPECT_EQ(0, g.GetPocet());
  EXPECT_EQ(0, g.GetKomponent());
  EXPECT_EQ(0, g.GetBarev());
  g.Clear();
  EXPECT_EQ(0, g.GetPocet()) << "Clear of an empty graph";
}

TEST_F(Graph, FieldsAreKeptPerVertexAndSetHranaWritesOneDirection) {
  g.Init(5);
  g.SetHrana(2, 5, 3.5);
  EXPECT_EQ(3.5, g.GetHrana(5, 2)) << "entry 5 of vertex 2";
  EXPECT_EQ(0.0, g.GetHrana(2, 5)) << "entry 2 of vertex 5";
  g.SetHrana(1, 15, -1.0);
  EXPECT_EQ(-1.0, g.GetHrana(15, 1)) << "entries reach 15 whatever the count";

  g.SetText(3, "t\xE8 x");
  g.SetHodnota(3, -2.25);
  g.SetBarva(3, 11);
  g.SetX(3, -2147483647 - 1);
  g.SetY(3, 2147483647);
  EXPECT_EQ("t\xE8 x", g.GetText(3));
  EXPECT_EQ(-2.25, g.GetHodnota(3));
  EXPECT_EQ(11, g.GetBarva(3));
  EXPECT_EQ(-2147483647 - 1, g.GetX(3));
  EXPECT_EQ(2147483647, g.GetY(3));
  EXPECT_EQ("", g.GetText(2)) << "other vertices untouched";
  EXPECT_EQ(0.0, g.GetHodnota(4));
}

// The k-th vertex made since the generator started always lands in the same place.
TEST_F(Graph, TheKthVertexOfARunAlwaysGetsTheSamePosition) {
  g.Init(5);
  const Positions firstRun = PositionsOf(g);
  g.Clear();
  g.Init(5);
  EXPECT_NE(firstRun, PositionsOf(g)) << "the generator goes on between graphs";

  g.Clear();
  ZacniNahodneSouradnice();
  g.Init(5);
  EXPECT_EQ(firstRun, PositionsOf(g));

  g.Clear();
  ZacniNahodneSouradnice();
  g.Init(3);
  g.Clear();
  g.Init(2);
  EXPECT_EQ(Positions(firstRun.begin() + 3, firstRun.end()), PositionsOf(g)) << "vertices 4 and 5 of the run";
}

TEST_F(Graph, PositionsCoverExactlyTheirRanges) {
  std::int32_t minX = 1000, maxX = -1, minY = 1000, maxY = -1;
  for (int run = 0; run < 400; ++run) {
    g.Clear();
    g.Init(kMaxVrcholu);
    for (const auto& [x, y] : PositionsOf(g)) {
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
  }
  EXPECT_EQ(0, minX);
  EXPECT_EQ(299, maxX);
  EXPECT_EQ(0, minY);
  EXPECT_EQ(159, maxY);
}

}  // namespace
