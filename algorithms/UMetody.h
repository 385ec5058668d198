// The graph algorithms: the narrated minimum-spanning-tree simulations, the shortest
// spanning tree, the colourings, the score and the counts, and the mode objects of
// the main window's tabs whose operations run them.
#pragma once

#include "platform/Graphics.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

// ---- Where the procedures report ------------------------------------------------

// The main window's one-line output memo: every result replaces its whole text.
// The main window connects it to Memo1; tests connect it to a string. While it is
// empty the results go nowhere.
extern std::function<void(const std::string&)> VypisDoMemo;

// ---- Spanning-tree machinery ----------------------------------------------------

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
// "Nejkratsi kostra ma delku : " and the length.
void VypisDelku(double d);

void Kruskal();
void Jarnik(char rezim);  // 's' narrated, anything else silent
void JarnikSimulace();
void NejkratsiKostra();
void Boruvka();

// ---- Colourings -----------------------------------------------------------------

// Identification colours of vertices 1 to 10 (entry 0 unused).
extern std::array<TColor, 11> barvyVrcholu;
void NastavBarvyVrcholu();
// Vertices above 10 have no colour of their own and are left as they are drawn.
void ObarviVrcholy();
// 'b' narrated, anything else silent. A colour number above the last entry of
// paleta (only on graphs of 12 or more vertices) is given but not drawn.
void ObarviGraf(char rezim);

// ---- Score and counts -----------------------------------------------------------

void SkoreGrafu();

extern std::array<std::array<std::int32_t, 16>, 16> matice;  // Laplace matrix, 1-based
extern std::uint8_t rad;
// The free columns of the expansion: bit c set while column c is not yet removed.
using tvolne = std::uint16_t;
// Writes " Pocet koster v grafu je : " and the count: 1 for a single vertex, 0 for
// a graph without vertices.
void PocetKoster();
// Determinant of the block of rows r to rad - 1 and the free columns among 1 to
// rad - 1. Each block is computed once per PocetKoster run and then remembered by
// its free columns, so even the complete graph of 15 vertices takes about a
// millisecond.
std::int64_t Determinant(tvolne volne, std::uint8_t r);
// Sarrus on rows a, b, c and the last three columns of the reduced matrix.
std::int64_t Determinant3(std::uint8_t a, std::uint8_t b, std::uint8_t c);
std::int64_t Determinant2(std::uint8_t a, std::uint8_t b);

void PocetKomponent();
void PocetBarev();

// ---- Mode objects of the tabs ---------------------------------------------------

class tmetoda {
public:
  virtual ~tmetoda() = default;
  virtual void Prikaz1() = 0;
  virtual void Prikaz2() = 0;
  virtual void Prikaz3() = 0;
  virtual void Prikaz4() = 0;
  virtual void Prikaz5() = 0;
};

// "Najdi": score, shortest spanning tree.
class tnajdi : public tmetoda {
public:
  void Prikaz1() override;
  void Prikaz2() override;
  void Prikaz3() override;
  void Prikaz4() override;
  void Prikaz5() override;
};

// "Simulace": Kruskal, Jarnik, Boruvka; the narrated colouring as the fifth.
class tsimulace : public tmetoda {
public:
  void Prikaz1() override;
  void Prikaz2() override;
  void Prikaz3() override;
  void Prikaz4() override;
  void Prikaz5() override;
};

// "Pocet": spanning trees, components, colours.
class tpocet : public tmetoda {
public:
  void Prikaz1() override;
  void Prikaz2() override;
  void Prikaz3() override;
  void Prikaz4() override;
  void Prikaz5() override;
};

// The current tab's mode object; none on "Vyber Grafu".
extern std::unique_ptr<tmetoda> metoda;
