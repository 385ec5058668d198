// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The score and the counts of the current graph. The spanning trees are counted as
// the determinant of the Laplace matrix without its last row and column, expanded
// along the rows with every block remembered, exactly in whole numbers.
#include "algorithms/UPocty.h"

#include "algorithms/UBarveni.h"
#include "algorithms/USpolecne.h"
#include "model/UGraf.h"
#include "platform/SysUtils.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

namespace {

// Position of the lowest set bit of x (x not 0). The powers of two below 2^32 leave
// 32 different remainders modulo 37, so the remainder finds the position.
struct tpoziceBitu {
  std::array<std::int8_t, 37> pozice{};
  constexpr tpoziceBitu() {
    for (int k = 0; k < 32; ++k) pozice[(std::uint64_t(1) << k) % 37] = std::int8_t(k);
  }
};
constexpr tpoziceBitu kPoziceBitu;

int NejnizsiBit(unsigned x) {
  return kPoziceBitu.pozice[(x & (0u - x)) % 37];
}

// The reduced Laplace matrix of graf and the determinants of its lower blocks. A
// block is rows r to rad - 1 and as many of the columns 1 to rad - 1, the free ones;
// its free columns, bit c - 1 for column c, also fix r, so they alone name it.
class tRozvoj {
public:
  tRozvoj() : rad(graf.GetPocet()), pamet(std::size_t(1) << (rad > 1 ? rad - 1 : 0), kNespocteno) {
    for (int i = 1; i <= rad; ++i)
      for (int j = 1; j <= rad; ++j) {
        if (i == j || graf.GetHrana(std::uint8_t(j), std::uint8_t(i)) == 0.0) continue;
        matice[i][j] = -1;
        ++matice[i][i];
      }
  }

  std::int64_t Determinant() { return Blok((1u << (rad > 1 ? rad - 1 : 0)) - 1, 1); }

private:
  static constexpr std::int64_t kNespocteno = std::numeric_limits<std::int64_t>::min();

  // Each block is expanded once and then remembered, so even the complete graph of
  // 15 vertices takes about a millisecond. Plain pointers: for the densest graphs
  // this loop body runs some 100 000 times, and it must stay fast in a build
  // without optimisation too.
  std::int64_t Blok(unsigned volne, int r) {
    if (rad - r <= 3) return MalyBlok(volne, r);
    std::int64_t* const pametBloku = pamet.data();
    std::int64_t& tento = pametBloku[volne];
    if (tento != kNespocteno) return tento;
    const std::int32_t* const radek = matice[r].data();
    const bool podblokPametuje = rad - (r + 1) > 3;
    std::int64_t vysledek = 0;
    int p = 0;  // position of column c among the free columns
    for (unsigned bity = volne; bity != 0; bity &= bity - 1) {
      const int c = NejnizsiBit(bity) + 1;  // the free columns in increasing order
      ++p;
      if (radek[c] == 0) continue;
      // Column c is removed for this term only.
      const unsigned bez = volne & ~(1u << (c - 1));
      std::int64_t d = podblokPametuje ? pametBloku[bez] : kNespocteno;
      if (d == kNespocteno) d = Blok(bez, r + 1);
      vysledek += p % 2 == 1 ? radek[c] * d : -radek[c] * d;
    }
    tento = vysledek;
    return vysledek;
  }

  // The last three rows or fewer, directly.
  std::int64_t MalyBlok(unsigned volne, int r) const {
    std::array<int, 3> s{};
    int pocet = 0;
    for (unsigned bity = volne; bity != 0 && pocet < 3; bity &= bity - 1) s[pocet++] = NejnizsiBit(bity) + 1;
    const auto m = [&](int radek, int k) { return std::int64_t(matice[r + radek][s[k]]); };
    switch (rad - r) {
      case 3:
        return m(0, 0) * (m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1)) - m(0, 1) * (m(1, 0) * m(2, 2) - m(1, 2) * m(2, 0)) +
               m(0, 2) * (m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0));
      case 2:
        return m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0);
      case 1:
        return m(0, 0);
    }
    // No reduced matrix at all. Its determinant is that of the empty matrix, 1, for a
    // single vertex, whose one spanning tree is the vertex itself; a graph without
    // vertices has nothing a tree could span (a tree has a vertex), so it counts 0.
    // The message stands on the output line only until the count replaces it.
    Vypis(" Chyba v pocitani koster , jsem v radku nenalezici Laplaceovy matice ");
    return rad == 1 ? 1 : 0;
  }

  int rad;
  std::array<std::array<std::int32_t, kMaxVrcholu + 1>, kMaxVrcholu + 1> matice{};  // 1-based
  std::vector<std::int64_t> pamet;  // by free columns
};

}  // namespace

int StupenVrcholu(int i) {
  const int n = graf.GetPocet();
  if (i < 1 || i > n) return 0;
  int stupen = 0;
  for (int j = 1; j <= n; ++j)
    if (j != i && graf.GetHrana(std::uint8_t(j), std::uint8_t(i)) != 0.0) ++stupen;
  return stupen;
}

void SkoreGrafu() {
  const int n = graf.GetPocet();
  tpoVrcholech<int> stupne{};
  for (int i = 1; i <= n; ++i) stupne[i] = StupenVrcholu(i);
  for (int i = 1; i <= n - 1; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (stupne[j] < stupne[i]) std::swap(stupne[i], stupne[j]);

  // Counter 1 is written even without a vertex: an empty graph scores "0".
  std::string text = "Skore je : " + IntToStr(stupne[1]);
  for (int k = 2; k <= n; ++k) text += " - " + IntToStr(stupne[k]);
  Vypis(text);
}

void PocetKoster() {
  tRozvoj rozvoj;
  Vypis(" Pocet koster v grafu je : " + IntToStr(std::llabs(rozvoj.Determinant())));
}

void PocetKomponent() {
  const int n = graf.GetPocet();
  tpoVrcholech<bool> navstiven{};
  std::array<std::uint8_t, kMaxVrcholu> zasobnik{};
  int vrchol = 0;  // entries on the stack
  // A vertex is marked when it is pushed, so it is pushed at most once.
  const auto vloz = [&](int j) {
    zasobnik[vrchol++] = std::uint8_t(j);
    navstiven[j] = true;
  };

  // The first component is counted before the vertex count is looked at: an empty
  // graph has 1.
  std::uint8_t k = 1;
  navstiven[1] = true;
  for (int j = 2; j <= n; ++j)
    if (!navstiven[j] && graf.GetHrana(std::uint8_t(j), 1) != 0.0) vloz(j);
  do {
    while (vrchol > 0) {
      const std::uint8_t v = zasobnik[--vrchol];
      for (int j = 1; j <= n; ++j)
        if (!navstiven[j] && graf.GetHrana(std::uint8_t(j), v) != 0.0) vloz(j);
    }
    for (int j = 1; j <= n; ++j) {
      if (navstiven[j] || vrchol != 0) continue;
      ++k;
      vloz(j);
    }
  } while (vrchol > 0);

  Vypis("Pocet komponent je : " + IntToStr(k));
  graf.SetKomponent(k);
}

void PocetBarev() {
  if (graf.GetBarev() == 0) ObarviGraf('n');
  Vypis(" Graf je " + IntToStr(graf.GetBarev()) + " barevny ");
}
