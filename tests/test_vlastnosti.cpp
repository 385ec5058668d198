// Random graphs against simple computations of the same results: the minimum
// spanning forest by union-find, components by breadth-first search, degrees by
// counting, and the spanning trees by a fraction-free determinant.
#include "GrafyTestu.h"

#include "platform/SysUtils.h"

#include <algorithm>
#include <numeric>
#include <queue>
#include <random>

namespace {

struct tnahodnyGraf {
  int n = 0;
  thranyTestu hrany;
};

// Lengths of three kinds: few values with ties and negatives, distinct tenths, or
// arbitrary reals whose sums depend on the order of addition.
tnahodnyGraf NahodnyGraf(std::mt19937& nahoda, int nejmene, int nejvice) {
  tnahodnyGraf g;
  g.n = std::uniform_int_distribution<int>(nejmene, nejvice)(nahoda);
  const double hustota = std::uniform_real_distribution<double>(0.0, 1.0)(nahoda);
  const int druh = std::uniform_int_distribution<int>(0, 2)(nahoda);
  const std::vector<double> sRemizami = {-2.0, -1.0, 0.5, 1.0, 2.0, 3.0};
  std::vector<double> ruzne(200);
  std::iota(ruzne.begin(), ruzne.end(), -100.0);
  std::shuffle(ruzne.begin(), ruzne.end(), nahoda);
  std::size_t dalsi = 0;
  for (int i = 1; i <= g.n; ++i)
    for (int j = i + 1; j <= g.n; ++j) {
      if (std::uniform_real_distribution<double>(0.0, 1.0)(nahoda) >= hustota) continue;
      double delka = 0.0;
      if (druh == 0) delka = sRemizami[std::uniform_int_distribution<std::size_t>(0, sRemizami.size() - 1)(nahoda)];
      if (druh == 1) delka = ruzne[dalsi++] / 10.0 + 0.05;
      if (druh == 2) delka = std::uniform_real_distribution<double>(-10.0, 10.0)(nahoda);
      if (delka == 0.0) delka = 1.0;
      g.hrany.push_back({i, j, delka});
    }
  return g;
}

struct tles {
  double delka = 0.0;
  int hran = 0;
  double soucetAbsolutnich = 0.0;  // scale for comparing sums made in another order
};

tles MinimalniLes(const tnahodnyGraf& g) {
  thranyTestu hrany = g.hrany;
  std::sort(hrany.begin(), hrany.end(), [](const thranaTestu& a, const thranaTestu& b) { return a.delka < b.delka; });
  std::vector<int> rodic(std::size_t(g.n) + 1);
  std::iota(rodic.begin(), rodic.end(), 0);
  const auto koren = [&](int v) {
    while (rodic[std::size_t(v)] != v) v = rodic[std::size_t(v)];
    return v;
  };
  tles les;
  for (const thranaTestu& h : hrany) {
    les.soucetAbsolutnich += std::abs(h.delka);
    const int a = koren(h.i);
    const int b = koren(h.j);
    if (a == b) continue;
    rodic[std::size_t(a)] = b;
    les.delka += h.delka;
    ++les.hran;
  }
  return les;
}

std::vector<std::vector<int>> Sousede(const tnahodnyGraf& g) {
  std::vector<std::vector<int>> sousede(std::size_t(g.n) + 1);
  for (const thranaTestu& h : g.hrany) {
    sousede[std::size_t(h.i)].push_back(h.j);
    sousede[std::size_t(h.j)].push_back(h.i);
  }
  return sousede;
}

int Komponent(const tnahodnyGraf& g) {
  const auto sousede = Sousede(g);
  std::vector<bool> videny(std::size_t(g.n) + 1, false);
  int komponent = 0;
  for (int start = 1; start <= g.n; ++start) {
    if (videny[std::size_t(start)]) continue;
    ++komponent;
    std::queue<int> fronta;
    fronta.push(start);
    videny[std::size_t(start)] = true;
    while (!fronta.empty()) {
      const int v = fronta.front();
      fronta.pop();
      for (int w : sousede[std::size_t(v)])
        if (!videny[std::size_t(w)]) {
          videny[std::size_t(w)] = true;
          fronta.push(w);
        }
    }
  }
  return komponent;
}

std::string Skore(const tnahodnyGraf& g) {
  const auto sousede = Sousede(g);
  std::vector<std::size_t> stupne;
  for (int v = 1; v <= g.n; ++v) stupne.push_back(sousede[std::size_t(v)].size());
  std::sort(stupne.begin(), stupne.end());
  if (stupne.empty()) stupne.push_back(0);
  std::string text = "Skore je : ";
  for (std::size_t k = 0; k < stupne.size(); ++k) text += (k ? " - " : "") + std::to_string(stupne[k]);
  return text;
}

std::string Text(__int128 hodnota) {
  std::string text;
  do {
    text.insert(text.begin(), char('0' + int(hodnota % 10)));
    hodnota /= 10;
  } while (hodnota != 0);
  return text;
}

// The determinant of the Laplace matrix without its last row and column, by Bareiss's
// fraction-free elimination.
std::string PocetKosterBareiss(const tnahodnyGraf& g) {
  if (g.n == 0) return "0";
  const int m = g.n - 1;
  std::vector<std::vector<__int128>> a(std::size_t(g.n), std::vector<__int128>(std::size_t(g.n), 0));
  for (const thranaTestu& h : g.hrany) {
    const auto i = std::size_t(h.i - 1), j = std::size_t(h.j - 1);
    a[i][j] = a[j][i] = -1;
    ++a[i][i];
    ++a[j][j];
  }
  __int128 predchozi = 1;
  int znamenko = 1;
  for (int k = 0; k < m - 1; ++k) {
    const auto kk = std::size_t(k);
    if (a[kk][kk] == 0) {
      int radek = k + 1;
      while (radek < m && a[std::size_t(radek)][kk] == 0) ++radek;
      if (radek == m) return "0";
      std::swap(a[kk], a[std::size_t(radek)]);
      znamenko = -znamenko;
    }
    for (std::size_t i = kk + 1; i < std::size_t(m); ++i)
      for (std::size_t j = kk + 1; j < std::size_t(m); ++j)
        a[i][j] = (a[i][j] * a[kk][kk] - a[i][kk] * a[kk][j]) / predchozi;
    predchozi = a[kk][kk];
  }
  const __int128 d = m == 0 ? 1 : znamenko * a[std::size_t(m - 1)][std::size_t(m - 1)];
  return Text(d < 0 ? -d : d);
}

double Delka(const std::string& vystup) {
  const std::string uvod = "Nejkratsi kostra ma delku : ";
  EXPECT_EQ(0u, vystup.rfind(uvod, 0)) << vystup;
  return StrToFloat(vystup.substr(uvod.size()));
}

int Prijatych(const std::vector<std::string>& zpravy) {
  return int(std::count_if(zpravy.begin(), zpravy.end(), [](const std::string& z) {
    return z.rfind("barvim hranu - zarazuji do kostry ", 0) == 0;
  }));
}

// The drawing is not looked at here; without a canvas thousands of runs stay quick.
class Vlastnosti : public AlgoritmusTest {
protected:
  void SetUp() override {
    AlgoritmusTest::SetUp();
    NastavPlatno(nullptr);
  }
};

}  // namespace

TEST_F(Vlastnosti, RandomGraphsAgreeWithSimpleComputations) {
  std::mt19937 nahoda(20240611);
  for (int pokus = 0; pokus < 1500; ++pokus) {
    const tnahodnyGraf g = NahodnyGraf(nahoda, 0, 10);
    PostavGraf(g.n, g.hrany);
    SCOPED_TRACE("graph " + std::to_string(pokus) + " of " + std::to_string(g.n) + " vertices, " +
                 std::to_string(g.hrany.size()) + " edges");

    const int komponent = std::max(1, Komponent(g));  // an empty graph counts one
    PocetKomponent();
    ASSERT_EQ("Pocet komponent je : " + std::to_string(komponent), plocha.memo);
    ASSERT_EQ(komponent, graf.GetKomponent());

    SkoreGrafu();
    ASSERT_EQ(Skore(g), plocha.memo);

    PocetKoster();
    ASSERT_EQ(" Pocet koster v grafu je : " + PocetKosterBareiss(g), plocha.memo);

    // Ties included, each procedure finds a forest of the least length, one edge
    // short of a tree per component.
    const tles les = MinimalniLes(g);
    const double tolerance = 1e-9 * (1.0 + les.soucetAbsolutnich);
    for (const auto& [jmeno, procedura] : std::vector<std::pair<const char*, void (*)()>>{
             {"Kruskal", Kruskal}, {"Jarnik", JarnikSimulace}, {"Boruvka", Boruvka}}) {
      SCOPED_TRACE(jmeno);
      zpravy.messages.clear();
      procedura();
      ASSERT_NEAR(les.delka, Delka(plocha.memo), tolerance);
      ASSERT_EQ(les.hran, Prijatych(zpravy.messages));
    }
  }
}

TEST_F(Vlastnosti, SpanningTreeCountOfLargeGraphsIsExact) {
  std::mt19937 nahoda(15);
  for (int pokus = 0; pokus < 300; ++pokus) {
    const tnahodnyGraf g = NahodnyGraf(nahoda, 11, 15);
    SCOPED_TRACE("graph " + std::to_string(pokus) + " of " + std::to_string(g.n) + " vertices");
    PostavGraf(g.n, g.hrany);
    PocetKoster();
    ASSERT_EQ(" Pocet koster v grafu je : " + PocetKosterBareiss(g), plocha.memo);
  }
}
