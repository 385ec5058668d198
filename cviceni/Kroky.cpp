// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Every right step takes a shortest edge across the cut around the tree or forest it
// grows, so any sequence of right choices, however ties are broken, ends in a minimum
// spanning forest; the narrated procedures are not consulted.
#include "cviceni/Kroky.h"

#include <algorithm>
#include <cassert>
#include <utility>

std::vector<THranaCviceni> HranySnimku(const TSnimekGrafu& snimek) {
  std::vector<THranaCviceni> hrany;
  const int n = int(snimek.vrcholy.size());
  for (int u = 1; u <= n; ++u)
    for (int v = u + 1; v <= n; ++v) {
      const double delka = snimek.vrcholy[std::size_t(u - 1)].GetHrana(std::uint8_t(v));
      if (delka != 0.0) hrany.push_back({u, v, delka});
    }
  return hrany;
}

TCviceni::TCviceni(int n, std::vector<THranaCviceni> h, TMetodaCviceni m)
    : n(n), hrany(std::move(h)), metoda(m), prijata(hrany.size(), false) {
  assert(n >= 0 && n <= kMaxVrcholu && "exercise graph larger than the model");
  for (int v = 1; v <= n; ++v) les[v] = v;
  if (metoda == TMetodaCviceni::Boruvka) {
    ZacniFazi();
    return;
  }
  DalsiOtazka();
}

bool TCviceni::VOtazce(int v) const {
  return koren != 0 && les[v] == les[koren];
}

std::vector<int> TCviceni::Otazka() const {
  std::vector<int> vrcholy;
  if (hotovo || metoda == TMetodaCviceni::Kruskal) return vrcholy;
  for (int v = 1; v <= n; ++v)
    if (VOtazce(v)) vrcholy.push_back(v);
  return vrcholy;
}

std::vector<std::size_t> TCviceni::Kandidati() const {
  std::vector<std::size_t> vychazejici;
  if (hotovo) return vychazejici;
  for (std::size_t i = 0; i < hrany.size(); ++i) {
    if (prijata[i]) continue;
    const THranaCviceni& h = hrany[i];
    const bool vede = metoda == TMetodaCviceni::Kruskal ? les[h.u] != les[h.v] : VOtazce(h.u) != VOtazce(h.v);
    if (vede) vychazejici.push_back(i);
  }
  return vychazejici;
}

std::vector<std::size_t> TCviceni::Spravne() const {
  const std::vector<std::size_t> vychazejici = Kandidati();
  std::vector<std::size_t> spravne;
  for (std::size_t i : vychazejici) {
    if (!spravne.empty() && hrany[i].delka > hrany[spravne.front()].delka) continue;
    if (!spravne.empty() && hrany[i].delka < hrany[spravne.front()].delka) spravne.clear();
    spravne.push_back(i);
  }
  return spravne;
}

std::vector<int> TCviceni::Cesta(int od, int k) const {
  std::array<int, kMaxVrcholu + 1> predchozi{};
  std::vector<int> fronta{od};
  predchozi[od] = od;
  for (std::size_t i = 0; i < fronta.size(); ++i) {
    const int v = fronta[i];
    for (std::size_t j = 0; j < hrany.size(); ++j) {
      if (!prijata[j]) continue;
      const int w = hrany[j].u == v ? hrany[j].v : hrany[j].v == v ? hrany[j].u : 0;
      if (w == 0 || predchozi[w] != 0) continue;
      predchozi[w] = v;
      fronta.push_back(w);
    }
  }
  std::vector<int> cesta;
  if (predchozi[k] == 0) return cesta;
  for (int v = k; v != od; v = predchozi[v]) cesta.push_back(v);
  cesta.push_back(od);
  std::reverse(cesta.begin(), cesta.end());
  return cesta;
}

TPosouzeni TCviceni::Posud(std::size_t i) const {
  TPosouzeni p;
  if (hotovo || i >= hrany.size() || prijata[i]) return p;
  const THranaCviceni& h = hrany[i];
  const bool kruskal = metoda == TMetodaCviceni::Kruskal;
  const bool uzavira = kruskal ? les[h.u] == les[h.v] : VOtazce(h.u) && VOtazce(h.v);
  if (uzavira) {
    p.druh = TPosouzeni::Kruznice;
    p.cesta = Cesta(h.u, h.v);
    return p;
  }
  if (!kruskal && !VOtazce(h.u) && !VOtazce(h.v)) {
    p.druh = TPosouzeni::Nevede;
    return p;
  }
  const std::vector<std::size_t> spravne = Spravne();
  if (h.delka > hrany[spravne.front()].delka) {
    p.druh = TPosouzeni::Delsi;
    p.kratsi = spravne.front();
    return p;
  }
  p.druh = TPosouzeni::Spravne;
  // Kruskal names the lower end first; the others the vertex they reach, then the one
  // in the tree.
  const bool dovnitr = !kruskal && VOtazce(h.u);
  p.prvni = dovnitr ? h.v : h.u;
  p.druhy = dovnitr ? h.u : h.v;
  return p;
}

void TCviceni::Spoj(int a, int b) {
  const int zmizi = les[b], zustane = les[a];
  for (int v = 1; v <= n; ++v)
    if (les[v] == zmizi) les[v] = zustane;
}

TPosouzeni TCviceni::Vyber(std::size_t i) {
  const TPosouzeni p = Posud(i);
  if (p.druh != TPosouzeni::Spravne) return p;
  const THranaCviceni& h = hrany[i];
  prijata[i] = true;
  if (metoda == TMetodaCviceni::Boruvka) {
    for (int v = 1; v <= n; ++v)
      if (les[v] == les[h.u] || les[v] == les[h.v]) spojen[v] = true;
  }
  Spoj(h.u, h.v);
  DalsiOtazka();
  return p;
}

// Jarník: a spanned tree is finished and the next starts at the lowest vertex with an edge
// in no tree yet. Borůvka: the next tree of the phase not joined yet, or the next phase.
void TCviceni::DalsiOtazka() {
  if (metoda == TMetodaCviceni::Kruskal) {
    hotovo = Kandidati().empty();
    return;
  }
  if (metoda == TMetodaCviceni::Boruvka) {
    ++dalsi;
    while (dalsi < poradi.size() && spojen[poradi[dalsi]]) ++dalsi;
    if (dalsi < poradi.size()) {
      koren = poradi[dalsi];
      return;
    }
    ZacniFazi();
    return;
  }
  while (koren == 0 || Kandidati().empty()) {
    if (koren != 0)
      for (int v = 1; v <= n; ++v)
        if (VOtazce(v)) hotovyStrom[v] = true;
    koren = 0;
    for (int v = 1; v <= n && koren == 0; ++v) {
      if (hotovyStrom[v]) continue;
      for (const THranaCviceni& h : hrany)
        if (h.u == v || h.v == v) koren = v;
    }
    if (koren == 0) {
      hotovo = true;
      return;
    }
  }
}

void TCviceni::ZacniFazi() {
  poradi.clear();
  spojen.fill(false);
  // A tree's lowest vertex is the first of its vertices met in ascending order.
  std::array<bool, kMaxVrcholu + 1> videny{};
  for (int v = 1; v <= n; ++v) {
    if (videny[les[v]]) continue;
    videny[les[v]] = true;
    koren = v;
    if (!Kandidati().empty()) poradi.push_back(v);
  }
  koren = 0;
  dalsi = 0;
  if (poradi.empty()) {
    hotovo = true;
    return;
  }
  ++faze;
  koren = poradi.front();
}

double TCviceni::Delka() const {
  double delka = 0.0;
  for (std::size_t i = 0; i < hrany.size(); ++i)
    if (prijata[i]) delka += hrany[i].delka;
  return delka;
}

int TCviceni::Prijatych() const {
  return int(std::count(prijata.begin(), prijata.end(), true));
}

int TCviceni::Komponent() const {
  std::array<int, kMaxVrcholu + 1> komponenta{};
  for (int v = 1; v <= n; ++v) komponenta[v] = v;
  bool zmena = true;
  while (zmena) {
    zmena = false;
    for (const THranaCviceni& h : hrany) {
      const int m = std::min(komponenta[h.u], komponenta[h.v]);
      if (komponenta[h.u] == m && komponenta[h.v] == m) continue;
      komponenta[h.u] = komponenta[h.v] = m;
      zmena = true;
    }
  }
  int pocet = 0;
  for (int v = 1; v <= n; ++v) pocet += komponenta[v] == v;
  return pocet;
}
