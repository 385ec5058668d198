// The graph algorithms: the narrated minimum-spanning-tree simulations, the shortest
// spanning tree, the colourings, the score and the counts, and the mode objects of
// the main window's tabs whose operations run them.
#pragma once

#include "platform/Graphics.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// ---- Where the procedures report ------------------------------------------------

// The main window's one-line output memo: every result replaces its whole text.
// The main window connects it to Memo1; tests connect it to a string.
extern std::function<void(const std::string&)> VypisDoMemo;

// ---- Spanning-tree machinery ----------------------------------------------------

// One edge seen from one of its ends; lists are chains through dalsi.
struct thrana {
  double delka = 0.0;
  std::uint8_t kam = 0;    // far end
  std::uint8_t odkud = 0;  // near end: the vertex whose row the record came from
  thrana* dalsi = nullptr;
};

extern std::array<thrana*, 16> seznamy;      // list heads 0 to 15
extern std::array<std::uint8_t, 16> strom;   // tree label per vertex 1 to 15

// Stable ascending merge: on equal lengths the records of a go first.
thrana* SlijSeznamy(thrana* a, thrana* b);
// New records of vertex i's row entries od to n, ascending by length, ties by kam.
thrana* SeradRadek(std::uint8_t i, std::uint8_t od);
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
void ObarviVrcholy();
void ObarviGraf(char rezim);  // 'b' narrated, anything else silent

// ---- Score and counts -----------------------------------------------------------

void SkoreGrafu();

extern std::array<std::array<std::int32_t, 16>, 16> matice;  // Laplace matrix, 1-based
extern std::uint8_t rad;
using tvolne = std::array<std::uint8_t, 16>;  // nonzero: the column is still free
void PocetKoster();
std::int64_t Determinant(tvolne volne, std::uint8_t r);
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
