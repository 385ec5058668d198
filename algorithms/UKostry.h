// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The minimum spanning trees: the narrated runs of Kruskal, Jarnik and Boruvka, the
// silent shortest spanning tree, and the sorted edge lists they are built from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

// One edge seen from one of its ends; lists are chains through dalsi.
struct thrana {
  double delka = 0.0;
  std::uint8_t kam = 0;    // far end
  std::uint8_t odkud = 0;  // near end: the vertex whose row the record came from
  thrana* dalsi = nullptr;
};

// Owns the edge records of one spanning-tree run. The lists only link records; a
// record taken off a list (accepted, discarded or waiting at the end) stays here,
// so every record of the run is released when its owner goes, also when a message
// box abandons the run half-way.
class tzaznamyHran {
public:
  tzaznamyHran() = default;
  tzaznamyHran(const tzaznamyHran&) = delete;
  tzaznamyHran& operator=(const tzaznamyHran&) = delete;

  thrana* Novy(double delka, std::uint8_t kam, std::uint8_t odkud);
  std::size_t Pocet() const { return zaznamy.size(); }

private:
  std::deque<thrana> zaznamy;  // a deque never moves what it holds
};

// Stable ascending merge: on equal lengths the records of a go first. Either list
// may be empty.
thrana* SlijSeznamy(thrana* a, thrana* b);
// New records, made in zaznamy, of vertex i's row entries od to n, ascending by
// length, equal lengths by ascending kam; the diagonal is never an edge. od runs from
// 1 to n + 1 (n + 1 gives the empty list).
thrana* SeradRadek(tzaznamyHran& zaznamy, std::uint8_t i, std::uint8_t od);
// The narration's announcement of an edge accepted into the tree, its ends in the order given.
std::string ZpravaPrijeti(std::uint8_t prvni, std::uint8_t druhy, double delka);
// "Nejkratsi kostra ma delku : " and the length.
void VypisDelku(double d);

// Each run draws the tree maroon over a fresh picture of graf and reports its
// length. A graph of several components (by the count graf last stored) is warned
// about first and gets one tree per component.
void Kruskal();
void Jarnik(char rezim);  // 's' narrated, anything else silent
void JarnikSimulace();
void NejkratsiKostra();
void Boruvka();
