// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The exercise's own model of Kruskal's, Jarnik's and Boruvka's next steps over a copy of
// a graph: which choices are right (every one a method could make when lengths tie), and
// why a wrong one is wrong. It knows no window and no text; the exercise window words it.
#pragma once

#include "model/UGraf.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

enum class TMetodaCviceni : std::uint8_t { Kruskal, Jarnik, Boruvka };

// An edge of the exercise's graph, u < v.
struct THranaCviceni {
  int u = 0;
  int v = 0;
  double delka = 0.0;
};

// The edges of a snapshot as the narrated procedures read them: entry v of vertex u's row,
// for u < v, when it is not 0. Ordered by u, then v.
std::vector<THranaCviceni> HranySnimku(const TSnimekGrafu& snimek);

// What a choice is. For a right one, the two ends in the order the program's own narration
// names them; for a wrong one, what makes it wrong.
struct TPosouzeni {
  enum TDruh : std::uint8_t {
    Spravne,
    Kruznice,  // closes a cycle: cesta runs from the edge's u to its v through the tree
    Delsi,     // leaves where it should, but edge kratsi is shorter
    Nevede,    // does not leave the tree or component asked about
    Prijata,   // already in the tree, or no edge of this exercise
  };
  TDruh druh = Prijata;
  int prvni = 0;
  int druhy = 0;
  std::vector<int> cesta;
  std::size_t kratsi = 0;
};

class TCviceni {
public:
  // n vertices (at most 15), edges as HranySnimku gives them.
  TCviceni(int n, std::vector<THranaCviceni> hrany, TMetodaCviceni metoda);

  TMetodaCviceni Metoda() const { return metoda; }
  int Vrcholu() const { return n; }
  const std::vector<THranaCviceni>& Hrany() const { return hrany; }
  bool Prijata(std::size_t hrana) const { return prijata[hrana]; }
  bool Hotovo() const { return hotovo; }
  // Borůvka's phase, from 1; 0 for the other methods.
  int Faze() const { return faze; }
  // The vertices of the tree (Jarník) or component (Borůvka) asked about, ascending;
  // empty for Kruskal and once the exercise is done.
  std::vector<int> Otazka() const;
  // The indices of the edges that are right now, ascending; empty once done.
  std::vector<std::size_t> Spravne() const;
  // The edges the right ones are among (Kruskal: every edge joining two trees; the others:
  // every edge leaving the tree asked about), for a hint that does not give the answer away.
  std::vector<std::size_t> Kandidati() const;
  TPosouzeni Posud(std::size_t hrana) const;
  // Judges the choice and, when it is right, accepts the edge and moves on to the next
  // question. A wrong choice changes nothing.
  TPosouzeni Vyber(std::size_t hrana);

  double Delka() const;
  int Prijatych() const;
  // The components of the whole graph, vertices without edges included.
  int Komponent() const;

private:
  bool VOtazce(int v) const;
  std::vector<int> Cesta(int od, int k) const;   // through the accepted edges
  void Spoj(int a, int b);
  void DalsiOtazka();
  void ZacniFazi();

  int n;
  std::vector<THranaCviceni> hrany;
  TMetodaCviceni metoda;
  std::vector<bool> prijata;
  std::array<int, kMaxVrcholu + 1> les{};  // the tree of the forest each vertex lies in
  bool hotovo = false;
  int koren = 0;  // a vertex of the tree asked about (Jarník, Borůvka)
  int faze = 0;
  std::vector<int> poradi;  // Borůvka: the phase's trees by their lowest vertex
  std::size_t dalsi = 0;
  std::array<bool, kMaxVrcholu + 1> spojen{};  // joined to another tree in this phase
  std::array<bool, kMaxVrcholu + 1> hotovyStrom{};  // Jarník: in a tree spanned already
};
