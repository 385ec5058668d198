// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Only integer arithmetic and a generator of our own: the standard library's distributions
// differ between implementations, and the same number must give the same worksheet on
// every pupil's computer.
#include "cviceni/Priklady.h"

#include "drawing/PUVykresli.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <utility>

namespace {

// SplitMix64: small, well mixed and fully specified.
class TNahoda {
public:
  explicit TNahoda(std::uint64_t seminko) : stav(seminko) {}
  std::uint64_t Dalsi() {
    std::uint64_t z = (stav += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Do(int pocet) { return int(Dalsi() % std::uint64_t(pocet)); }  // 0 to pocet - 1

private:
  std::uint64_t stav;
};

struct TBod {
  std::int64_t x, y;
};

std::int64_t Ctverec(std::int64_t a) {
  return a * a;
}

std::int64_t Vzdalenost2(TBod a, TBod b) {
  return Ctverec(a.x - b.x) + Ctverec(a.y - b.y);
}

// Whether segment ab passes within kOdstupHrany of p, in exact integers.
bool MijiBlizko(TBod a, TBod b, TBod p) {
  const std::int64_t dx = b.x - a.x, dy = b.y - a.y;
  const std::int64_t delka2 = dx * dx + dy * dy;
  const std::int64_t t = (p.x - a.x) * dx + (p.y - a.y) * dy;  // projection times delka2
  const std::int64_t odstup2 = Ctverec(kOdstupHrany);
  if (t <= 0) return Vzdalenost2(a, p) < odstup2;
  if (t >= delka2) return Vzdalenost2(b, p) < odstup2;
  const std::int64_t krizem = (p.x - a.x) * dy - (p.y - a.y) * dx;
  return krizem * krizem < odstup2 * delka2;
}

int Strana(TBod a, TBod b, TBod c) {
  const std::int64_t k = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
  return k > 0 ? 1 : k < 0 ? -1 : 0;
}

// Two edges without a shared end that cross each other.
bool Krizi(TBod a, TBod b, TBod c, TBod d) {
  return Strana(a, b, c) * Strana(a, b, d) < 0 && Strana(c, d, a) * Strana(c, d, b) < 0;
}

class TStavba {
public:
  explicit TStavba(const std::vector<TBod>& body) : body(body) {}

  // An edge is drawn clear of every other dot and crosses no edge drawn before.
  bool Volna(int u, int v) const {
    for (int w = 0; w < int(body.size()); ++w)
      if (w != u && w != v && MijiBlizko(body[std::size_t(u)], body[std::size_t(v)], body[std::size_t(w)])) return false;
    for (const auto& [a, b] : hrany) {
      if ((a == u && b == v) || (a == v && b == u)) return false;
      if (a == u || a == v || b == u || b == v) continue;
      if (Krizi(body[std::size_t(u)], body[std::size_t(v)], body[std::size_t(a)], body[std::size_t(b)])) return false;
    }
    return true;
  }
  void Pridej(int u, int v) { hrany.emplace_back(std::min(u, v), std::max(u, v)); }

  const std::vector<TBod>& body;
  std::vector<std::pair<int, int>> hrany;  // 0-based ends
};

// Of the free edges from u to the vertices in kandidati, a random one of the few shortest.
bool PridejBlizkou(TStavba& stavba, TNahoda& nahoda, int u, const std::vector<int>& kandidati) {
  std::vector<std::pair<std::int64_t, int>> volne;
  for (int v : kandidati)
    if (v != u && stavba.Volna(u, v))
      volne.emplace_back(Vzdalenost2(stavba.body[std::size_t(u)], stavba.body[std::size_t(v)]), v);
  if (volne.empty()) return false;
  std::sort(volne.begin(), volne.end());
  const int vyber = nahoda.Do(std::min<int>(3, int(volne.size())));
  stavba.Pridej(u, volne[std::size_t(vyber)].second);
  return true;
}

// The heaviest edge on the tree's path between u and v (0-based ends, tree as edge indices).
std::size_t NejdelsiNaCeste(const std::vector<THranaCviceni>& hrany, const std::vector<std::size_t>& strom, int u, int v) {
  // Depth-first from u, remembering the edge each vertex was reached by.
  std::vector<std::size_t> pres(16, hrany.size());
  std::vector<bool> videny(16, false);
  std::vector<int> zasobnik{u};
  videny[std::size_t(u)] = true;
  std::vector<int> predchozi(16, -1);
  while (!zasobnik.empty()) {
    const int w = zasobnik.back();
    zasobnik.pop_back();
    for (std::size_t i : strom) {
      const int a = hrany[i].u, b = hrany[i].v;
      const int z = a == w ? b : b == w ? a : -1;
      if (z < 0 || videny[std::size_t(z)]) continue;
      videny[std::size_t(z)] = true;
      predchozi[std::size_t(z)] = w;
      pres[std::size_t(z)] = i;
      zasobnik.push_back(z);
    }
  }
  std::size_t nejdelsi = pres[std::size_t(v)];
  for (int w = v; w != u; w = predchozi[std::size_t(w)])
    if (hrany[pres[std::size_t(w)]].delka > hrany[nejdelsi].delka) nejdelsi = pres[std::size_t(w)];
  return nejdelsi;
}

// A tie matters when the minimum spanning tree is not the only one: some edge outside the
// tree is as long as the longest edge on the tree's path between its ends, so a student may
// take either. When no edge is, one outside edge is given that length.
void ZajistiRemizu(std::vector<THranaCviceni>& hrany, TNahoda& nahoda) {
  TCviceni kruskal(kNejviceVrcholuPrikladu, hrany, TMetodaCviceni::Kruskal);
  while (!kruskal.Hotovo()) kruskal.Vyber(kruskal.Spravne().front());
  std::vector<std::size_t> strom, mimo;
  for (std::size_t i = 0; i < hrany.size(); ++i) (kruskal.Prijata(i) ? strom : mimo).push_back(i);
  if (mimo.empty()) return;
  for (std::size_t i : mimo)
    if (hrany[NejdelsiNaCeste(hrany, strom, hrany[i].u, hrany[i].v)].delka == hrany[i].delka) return;
  const std::size_t i = mimo[std::size_t(nahoda.Do(int(mimo.size())))];
  hrany[i].delka = hrany[NejdelsiNaCeste(hrany, strom, hrany[i].u, hrany[i].v)].delka;
}

bool ZkusPriklad(TNahoda& nahoda, int vrcholu, TPriklad& priklad) {
  std::vector<TBod> body;
  const int sirka = kSirkaPlatna - 2 * kOkrajPrikladu, vyska = kVyskaPlatna - 2 * kOkrajPrikladu;
  for (int pokus = 0; pokus < 2000 && int(body.size()) < vrcholu; ++pokus) {
    const TBod b{kOkrajPrikladu + nahoda.Do(sirka), kOkrajPrikladu + nahoda.Do(vyska)};
    // Dots kept further apart than the rule asks, so labels fit between them.
    if (std::all_of(body.begin(), body.end(), [&](TBod c) { return Vzdalenost2(b, c) >= Ctverec(2 * kRozestupTecek); }))
      body.push_back(b);
  }
  if (int(body.size()) < vrcholu) return false;
  // Vertex numbers run left to right, so a worksheet reads like a page.
  std::sort(body.begin(), body.end(), [](TBod a, TBod b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });

  TStavba stavba(body);
  // A spanning tree: each vertex in a random order joins one already placed.
  std::vector<int> poradi;
  for (int i = 0; i < vrcholu; ++i) poradi.push_back(i);
  for (int i = vrcholu - 1; i > 0; --i) std::swap(poradi[std::size_t(i)], poradi[std::size_t(nahoda.Do(i + 1))]);
  for (int i = 1; i < vrcholu; ++i)
    if (!PridejBlizkou(stavba, nahoda, poradi[std::size_t(i)], std::vector<int>(poradi.begin(), poradi.begin() + i)))
      return false;
  // A handful more: enough for cycles to matter, few enough to read.
  const int navic = 2 + vrcholu / 3;
  std::vector<int> vsechny(poradi);
  int pridano = 0;
  for (int pokus = 0; pokus < 4 * navic && pridano < navic; ++pokus)
    pridano += PridejBlizkou(stavba, nahoda, nahoda.Do(vrcholu), vsechny);
  if (pridano == 0) return false;

  priklad = TPriklad{};
  for (const TBod& b : body) {
    priklad.x.push_back(int(b.x));
    priklad.y.push_back(int(b.y));
  }
  std::sort(stavba.hrany.begin(), stavba.hrany.end());
  for (const auto& [u, v] : stavba.hrany) priklad.hrany.push_back({u + 1, v + 1, double(1 + nahoda.Do(9))});
  ZajistiRemizu(priklad.hrany, nahoda);
  return true;
}

}  // namespace

TPriklad VytvorPriklad(int cislo, int vrcholu) {
  assert(vrcholu >= kNejmeneVrcholuPrikladu && vrcholu <= kNejviceVrcholuPrikladu && "example size out of range");
  TNahoda nahoda(std::uint64_t(cislo) * 16u + std::uint64_t(vrcholu));
  TPriklad priklad;
  while (!ZkusPriklad(nahoda, vrcholu, priklad)) {
  }
  return priklad;
}

TSnimekGrafu SnimekPrikladu(const TPriklad& priklad) {
  TSnimekGrafu snimek;
  snimek.komponent = 1;
  for (std::size_t k = 0; k < priklad.x.size(); ++k) snimek.vrcholy.emplace_back(priklad.x[k], priklad.y[k]);
  for (const THranaCviceni& h : priklad.hrany) {
    snimek.vrcholy[std::size_t(h.u - 1)].SetHrana(std::uint8_t(h.v), h.delka);
    snimek.vrcholy[std::size_t(h.v - 1)].SetHrana(std::uint8_t(h.u), h.delka);
  }
  return snimek;
}

std::string TextPrikladu(const TPriklad& priklad) {
  std::string text;
  for (std::size_t k = 0; k < priklad.x.size(); ++k)
    text += std::to_string(priklad.x[k]) + ' ' + std::to_string(priklad.y[k]) + '\n';
  for (const THranaCviceni& h : priklad.hrany)
    text += std::to_string(h.u) + ' ' + std::to_string(h.v) + ' ' + std::to_string(int(h.delka)) + '\n';
  return text;
}
