// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The minimum-spanning-tree runs. They read graf, draw the tree on the canvas,
// narrate in message boxes and put the tree's length on the output line.
#include "algorithms/UKostry.h"

#include "algorithms/USpolecne.h"
#include "drawing/PUVykresli.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

#include <string>
#include <utility>

namespace {

const char* const kViceKomponent =
    " graf ma vice nez 1 komponentu , proto provedu simulaci algoritmu na vsech jeho komponentach ";

struct tzacatek {
  int n;  // vertex count
  int k;  // component count of the last count, which decides when a forest is complete
};

// A fresh picture of the graph to draw the tree on, and the warning that the run
// grows one tree per component.
tzacatek ZacniKostru(TColor cv, TColor ch) {
  SmazPlatno();
  VykresliGraf(cv, ch);
  const tzacatek zacatek{graf.GetPocet(), graf.GetKomponent()};
  if (zacatek.k != 1) ShowMessage(kViceKomponent);
  return zacatek;
}

// The tree's edges stay maroon over the picture; the announcement, when the run
// narrates, names the two ends in the order the procedure uses.
void PrijmiHranu(const thrana& e, double& celkem, std::uint8_t prvni, std::uint8_t druhy, bool vypravej) {
  celkem += e.delka;
  VykresliHranu(graf.GetX(e.odkud), graf.GetY(e.odkud), graf.GetX(e.kam), graf.GetY(e.kam), clMaroon, e.odkud, e.kam);
  if (vypravej) ShowMessage(ZpravaPrijeti(prvni, druhy, e.delka));
}

std::string ZpravaVyhozeni(const thrana& e) {
  return "vyhazuji hranu - nepatri do kostry " + IntToStr(e.kam) + " " + IntToStr(e.odkud) + " s delkou " +
         FloatToStr(e.delka);
}

// Takes the head off a non-empty list. The record stays with the run's owner.
thrana* VezmiHlavu(thrana*& seznam) {
  thrana* hlava = seznam;
  seznam = hlava->dalsi;
  hlava->dalsi = nullptr;
  return hlava;
}

void Preznac(tpoVrcholech<std::uint8_t>& strom, int n, std::uint8_t z, std::uint8_t na) {
  for (int v = 1; v <= n; ++v)
    if (strom[v] == z) strom[v] = na;
}

// The two commands first show the graph all in silver; Jarnik's own opening then
// redraws it, so the user sees the same picture in both.
void JarnikNaStribrnem(char rezim) {
  SmazPlatno();
  VykresliGraf(clSilver, clSilver);
  Jarnik(rezim);
}

}  // namespace

thrana* tzaznamyHran::Novy(double delka, std::uint8_t kam, std::uint8_t odkud) {
  thrana& zaznam = zaznamy.emplace_back();
  zaznam.delka = delka;
  zaznam.kam = kam;
  zaznam.odkud = odkud;
  return &zaznam;
}

thrana* SlijSeznamy(thrana* a, thrana* b) {
  if (!b) return a;
  if (!a) return b;
  thrana zacatek;
  thrana* konec = &zacatek;
  while (a && b) {
    thrana*& mensi = a->delka <= b->delka ? a : b;
    konec->dalsi = mensi;
    konec = mensi;
    mensi = mensi->dalsi;
  }
  konec->dalsi = a ? a : b;
  return zacatek.dalsi;
}

thrana* SeradRadek(tzaznamyHran& zaznamy, std::uint8_t i, std::uint8_t od) {
  const int n = graf.GetPocet();
  const int m = n - od + 1;
  tpoVrcholech<thrana*> pozice{};  // positions 1 to m
  for (int j = od; j <= n; ++j) {
    const double delka = graf.GetHrana(std::uint8_t(j), i);
    if (j != i && delka != 0.0) pozice[j - od + 1] = zaznamy.Novy(delka, std::uint8_t(j), i);
  }
  for (int w = 1; w < n; w *= 2)
    for (int p = 1; p < m; p += 2 * w) pozice[p] = SlijSeznamy(pozice[p], p + w <= m ? pozice[p + w] : nullptr);
  return m >= 1 ? pozice[1] : nullptr;
}

std::string ZpravaPrijeti(std::uint8_t prvni, std::uint8_t druhy, double delka) {
  return "barvim hranu - zarazuji do kostry " + IntToStr(prvni) + " " + IntToStr(druhy) + " s delkou " + FloatToStr(delka);
}

void VypisDelku(double d) {
  Vypis("Nejkratsi kostra ma delku : " + FloatToStr(d));
}

void Kruskal() {
  const auto [n, k] = ZacniKostru(clBlack, clSilver);
  tzaznamyHran zaznamy;
  thrana* seznam = nullptr;  // every edge once, from its lower end
  for (int i = 1; i <= n - 1; ++i)
    seznam = SlijSeznamy(seznam, SeradRadek(zaznamy, std::uint8_t(i), std::uint8_t(i + 1)));
  double celkem = 0.0;

  if (!seznam) {
    ShowMessage(" graf bez hran , uz jsem hotov ");
    VypisDelku(celkem);
    return;
  }

  tpoVrcholech<std::uint8_t> strom{};  // 0 while a vertex is in no tree
  std::uint8_t dalsiZnacka = 1;
  int prijato = 0;
  do {
    ++prijato;
    const thrana* e = VezmiHlavu(seznam);
    const std::uint8_t u = e->odkud;
    const std::uint8_t w = e->kam;
    if (strom[u] == 0 && strom[w] == 0) {
      strom[u] = strom[w] = dalsiZnacka++;
    } else if (strom[u] == 0) {
      strom[u] = strom[w];
    } else if (strom[w] == 0) {
      strom[w] = strom[u];
    } else {
      Preznac(strom, n, strom[u], strom[w]);
    }
    PrijmiHranu(*e, celkem, u, w, true);

    // Edges that would close a cycle are announced only while they come to the head
    // before the forest is complete.
    while (prijato < n - k && seznam && strom[seznam->odkud] == strom[seznam->kam] && strom[seznam->odkud] != 0)
      ShowMessage(ZpravaVyhozeni(*VezmiHlavu(seznam)));
  } while (prijato < n - k && seznam);

  VypisDelku(celkem);
}

void Jarnik(char rezim) {
  const bool vypravej = rezim == 's';
  const int n = ZacniKostru(clBlack, clSilver).n;
  tzaznamyHran zaznamy;
  tpoVrcholech<thrana*> kandidati{};
  tpoVrcholech<std::uint8_t> strom{};
  for (int v = 1; v <= n; ++v) kandidati[v] = SeradRadek(zaznamy, std::uint8_t(v), 1);
  for (int v = 1; v <= n; ++v) strom[v] = std::uint8_t(v);
  double celkem = 0.0;
  int zbyva = n - 1;  // counts outer repetitions, not accepted edges

  for (int r = 1; r <= n; ++r) {
    while (kandidati[r] && zbyva > 0) {
      --zbyva;
      for (int q = r; q <= n; ++q) {
        // Vertex q's own list, not the tree's: the tree goes on growing in this
        // repetition only while the vertices after r still own their lists.
        if (!kandidati[q] || !kandidati[r]) break;
        const thrana* e = VezmiHlavu(kandidati[r]);
        PrijmiHranu(*e, celkem, e->kam, e->odkud, vypravej);
        // Only rows that disagree with each other (a hand-made file) can lead back
        // to r itself, whose list is not merged into itself.
        if (e->kam != r) {
          kandidati[r] = SlijSeznamy(kandidati[r], kandidati[e->kam]);
          kandidati[e->kam] = nullptr;
        }
        strom[e->kam] = std::uint8_t(r);

        while (zbyva > 0 && kandidati[r] && strom[kandidati[r]->odkud] == strom[kandidati[r]->kam]) {
          const thrana* vyhozena = VezmiHlavu(kandidati[r]);
          if (vypravej) ShowMessage(ZpravaVyhozeni(*vyhozena));
        }
      }
    }
  }

  VypisDelku(celkem);
}

void JarnikSimulace() {
  JarnikNaStribrnem('s');
}

void NejkratsiKostra() {
  JarnikNaStribrnem('n');
}

void Boruvka() {
  const auto [n, k] = ZacniKostru(clSilver, clSilver);
  tzaznamyHran zaznamy;
  tpoVrcholech<thrana*> kandidati{};  // by tree label
  tpoVrcholech<thrana*> seznamy{};    // each slot's pick in the current phase
  tpoVrcholech<std::uint8_t> strom{};
  for (int v = 1; v <= n; ++v) kandidati[v] = SeradRadek(zaznamy, std::uint8_t(v), 1);
  for (int v = 1; v <= n; ++v) strom[v] = std::uint8_t(v);
  int sloty = n;
  double celkem = 0.0;
  int prijato = 0;

  const auto dalsiKandidat = [&](int s) { return kandidati[s] ? VezmiHlavu(kandidati[s]) : nullptr; };

  do {
    for (int s = 1; s <= n; ++s) seznamy[s] = dalsiKandidat(s);

    for (int s = 1; s <= sloty; ++s) {
      while (seznamy[s] && strom[seznamy[s]->odkud] == strom[seznamy[s]->kam]) {
        ShowMessage(" vyrazuji hranu " + IntToStr(seznamy[s]->kam) + " " + IntToStr(seznamy[s]->odkud));
        seznamy[s] = dalsiKandidat(s);
      }
      if (!seznamy[s]) continue;

      const thrana& e = *seznamy[s];
      const std::uint8_t a = strom[e.odkud];
      const std::uint8_t b = strom[e.kam];
      PrijmiHranu(e, celkem, e.kam, e.odkud, true);
      ++prijato;

      // The label that vertex s carries survives when it is one of the two; from the
      // second phase on vertex s may lie in a third tree, and then b survives.
      thrana* slite = SlijSeznamy(kandidati[a], kandidati[b]);
      const auto [zustava, mizi] = strom[s] == a ? std::pair(a, b) : std::pair(b, a);
      Preznac(strom, n, mizi, zustava);
      kandidati[zustava] = slite;
      kandidati[mizi] = nullptr;
    }

    // Trees that still have candidates move to consecutive slots and take their slot
    // as label; a finished tree keeps its last label, which may come round again for
    // a tree of another component.
    int m = 0;
    for (int s = 1; s <= n; ++s) {
      if (!kandidati[s]) continue;
      ++m;
      if (m == s) continue;
      kandidati[m] = kandidati[s];
      kandidati[s] = nullptr;
      Preznac(strom, n, std::uint8_t(s), std::uint8_t(m));
    }
    sloty = m;
  } while (prijato + k < n && sloty > 0);

  VypisDelku(celkem);
}
