// The two colourings: identification colours per vertex, and the colour numbers of
// the single pass with the dots it redraws.
#include "GrafyTestu.h"

#include <algorithm>

namespace {

// Every change of a vertex's dot, as "vertex colour", in the order it was drawn.
class Kresby {
public:
  explicit Kresby(TCanvas& platno) : platno(platno) {
    for (int v = 1; v <= kMaxVrcholu; ++v) naposled[v] = Barva(v);
    platno.OnChange = [this] { Zaznamenej(); };
  }
  ~Kresby() { platno.OnChange = nullptr; }

  std::vector<std::string> zmeny;

private:
  TColor Barva(int v) const { return platno.Pixel(MistoVrcholu(v).first, MistoVrcholu(v).second); }

  void Zaznamenej() {
    for (int v = 1; v <= graf.GetPocet(); ++v) {
      const TColor barva = Barva(v);
      if (barva == naposled[v]) continue;
      naposled[v] = barva;
      zmeny.push_back(std::to_string(v) + " " + Jmeno(barva));
    }
  }

  static std::string Jmeno(TColor c) {
    const std::vector<std::pair<TColor, const char*>> jmena = {
        {clPurple, "purple"}, {clTeal, "teal"}, {clGreen, "green"}, {clYellow, "yellow"}, {clNavy, "navy"}};
    for (const auto& [barva, jmeno] : jmena)
      if (barva == c) return jmeno;
    return std::to_string(c);
  }

  TCanvas& platno;
  std::array<TColor, kMaxVrcholu + 1> naposled{};
};

std::string Barvim(int vrchol, int barva) {
  return " Barvim vrchol c. " + std::to_string(vrchol) + " barvou c. " + std::to_string(barva);
}

using Barveni = AlgoritmusTest;

}  // namespace

TEST_F(Barveni, ObarviGrafGivesNumbersInOnePass) {
  struct tpripad {
    const char* nazev;
    int n;
    thranyTestu hrany;
    std::vector<int> barvy;
    int barev;
    std::vector<std::string> zpravy;  // narrated
    std::vector<std::string> kresby;
  };
  const std::vector<tpripad> pripady = {
      {"no vertex", 0, {}, {}, 1, {}, {}},
      {"no edges", 3, {}, {1, 1, 1}, 1, {" Barvim vrchol c. 1 barvou c. 1", Barvim(2, 1), Barvim(3, 1)}, {}},
      {"path", 3, {{1, 2, 1}, {2, 3, 1}}, {1, 2, 1}, 2, {Barvim(1, 1), Barvim(2, 2), Barvim(3, 1)}, {"2 teal"}},
      {"triangle raises vertex 3 twice",
       3,
       {{1, 2, 1}, {2, 3, 1}, {1, 3, 1}},
       {1, 2, 3},
       3,
       {Barvim(1, 1), Barvim(2, 2), Barvim(3, 3)},
       {"2 teal", "3 teal", "3 green"}},
      {"star around vertex 4",
       4,
       {{1, 4, 2}, {2, 4, 2}, {3, 4, 2}},
       {1, 1, 1, 2},
       2,
       {Barvim(1, 1), Barvim(2, 1), Barvim(3, 1), Barvim(4, 2)},
       {"4 teal"}},
      {"a single pass leaves neighbours 3 and 6 alike",
       6,
       {{1, 2, 1}, {1, 3, 1}, {1, 4, 1}, {2, 3, 1}, {3, 6, 1}, {4, 6, 1}, {5, 6, 1}},
       {1, 2, 3, 2, 1, 3},
       3,
       {Barvim(1, 1), Barvim(2, 2), Barvim(3, 3), Barvim(4, 2), Barvim(5, 1), Barvim(6, 3)},
       {"2 teal", "3 teal", "4 teal", "3 green", "6 teal", "6 green"}},
      {"negative lengths are edges", 2, {{1, 2, -4}}, {1, 2}, 2, {Barvim(1, 1), Barvim(2, 2)}, {"2 teal"}},
  };
  for (const char rezim : {'b', 'n'}) {
    for (const tpripad& p : pripady) {
      SCOPED_TRACE(std::string(p.nazev) + " in mode " + rezim);
      PostavGraf(p.n, p.hrany);
      SmazPlatno();
      zpravy.messages.clear();
      Kresby kresby(plocha.canvas);
      ObarviGraf(rezim);
      std::vector<int> barvy;
      for (int v = 1; v <= p.n; ++v) barvy.push_back(graf.GetBarva(std::uint8_t(v)));
      EXPECT_EQ(p.barvy, barvy);
      EXPECT_EQ(p.barev, graf.GetBarev());
      EXPECT_EQ(rezim == 'b' ? p.zpravy : std::vector<std::string>{}, zpravy.messages);
      EXPECT_EQ(p.kresby, kresby.zmeny);
    }
  }
}

TEST_F(Barveni, ObarviGrafStartsAfreshAndIgnoresTheDiagonal) {
  PostavGraf(2, {});
  graf.SetHrana(1, 1, 5.0);
  graf.SetBarva(1, 7);
  graf.SetBarva(2, 7);
  graf.SetBarev(9);
  ObarviGraf('n');
  EXPECT_EQ(1, graf.GetBarva(1));
  EXPECT_EQ(1, graf.GetBarva(2));
  EXPECT_EQ(1, graf.GetBarev());
}

// Only a hand-made file brings in more vertices than the dialogs allow: on the
// complete graph of 13 vertices vertex k gets number k, and numbers past the last
// entry of paleta are counted but not drawn.
TEST_F(Barveni, NumbersPastThePaletteAreGivenButNotDrawn) {
  thranyTestu hrany;
  for (int i = 1; i <= 13; ++i)
    for (int j = i + 1; j <= 13; ++j) hrany.push_back({i, j, 1.0});
  PostavGraf(13, hrany);
  SmazPlatno();
  Kresby kresby(plocha.canvas);
  ObarviGraf('n');
  for (int v = 1; v <= 13; ++v) EXPECT_EQ(v, graf.GetBarva(std::uint8_t(v)));
  EXPECT_EQ(13, graf.GetBarev());
  // Numbers 2 to 11 are drawn; the last of them in blue, paleta's entry 11.
  EXPECT_EQ(10, std::count_if(kresby.zmeny.begin(), kresby.zmeny.end(), [](const std::string& z) {
              return z.rfind("13 ", 0) == 0;
            }));
  for (int v : {11, 12, 13}) EXPECT_EQ(clBlue, plocha.canvas.Pixel(MistoVrcholu(v).first, MistoVrcholu(v).second));
  EXPECT_EQ(clSilver, plocha.canvas.Pixel(MistoVrcholu(10).first, MistoVrcholu(10).second));
}

TEST_F(Barveni, ObarviVrcholyDrawsEachVertexInItsOwnColour) {
  const std::vector<TColor> barvy = {clMaroon, clGreen, clOlive, clBlue,  clNavy,
                                     clTeal,   clPurple, clGray, clBlack, clRed};
  struct tpripad {
    const char* nazev;
    int n;
  };
  for (const tpripad& p : std::vector<tpripad>{{"no vertex", 0}, {"ten vertices", 10}, {"fifteen vertices", 15}}) {
    SCOPED_TRACE(p.nazev);
    PostavGraf(p.n, {});
    VykresliGraf(clSilver, clSilver);
    NastavBarvyVrcholu();
    Kresby kresby(plocha.canvas);
    ObarviVrcholy();
    for (int v = 1; v <= p.n; ++v) {
      const TColor ocekavana = v <= 10 ? barvy[std::size_t(v - 1)] : clSilver;  // past the table: left as drawn
      EXPECT_EQ(ocekavana, plocha.canvas.Pixel(MistoVrcholu(v).first, MistoVrcholu(v).second)) << "vertex " << v;
    }
    EXPECT_EQ(std::size_t(std::min(p.n, 10)), kresby.zmeny.size());
  }
}
