// The graph algorithms of the find, simulation and count tabs. They read graf, draw
// on the canvas, narrate in message boxes and put their results on the output line.
#include "algorithms/UMetody.h"

#include "drawing/PUVykresli.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

#include <cstdlib>
#include <limits>
#include <utility>

std::function<void(const std::string&)> VypisDoMemo;
std::array<TColor, 11> barvyVrcholu{};
std::array<std::array<std::int32_t, 16>, 16> matice{};
std::uint8_t rad = 0;
std::unique_ptr<tmetoda> metoda;

namespace {

// Arrays indexed by vertex number: entry 0 unused, room for every vertex the model
// holds, so that graphs from hand-made files fit as well.
template <typename T>
using tpoVrcholech = std::array<T, kMaxVrcholu + 1>;

const char* const kViceKomponent =
    " graf ma vice nez 1 komponentu , proto provedu simulaci algoritmu na vsech jeho komponentach ";

void Vypis(const std::string& text) {
  if (VypisDoMemo) VypisDoMemo(text);
}

// ---- Shared steps of the spanning-tree runs -------------------------------------

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
  VykresliHranu(graf.GetX(e.odkud), graf.GetY(e.odkud), graf.GetX(e.kam), graf.GetY(e.kam), clMaroon);
  if (vypravej)
    ShowMessage("barvim hranu - zarazuji do kostry " + IntToStr(prvni) + " " + IntToStr(druhy) + " s delkou " +
                FloatToStr(e.delka));
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

// ---- Spanning-tree count --------------------------------------------------------

// Determinants of the blocks already expanded in this count, by their free columns
// 1 to rad - 1 (bit c - 1 for column c). The free columns also fix the row: one
// fewer column is free on each row down.
std::array<std::int64_t, 1 << (kMaxVrcholu - 1)> pametBloku;
constexpr std::int64_t kNespocteno = std::numeric_limits<std::int64_t>::min();

// The free columns among 1 to rad - 1 of a block of at most three rows.
void VolneSloupce(tvolne volne, std::array<std::uint8_t, 3>& sloupce) {
  int pocet = 0;
  for (int c = 1; c <= rad - 1 && pocet < 3; ++c)
    if ((volne >> c) & 1u) sloupce[pocet++] = std::uint8_t(c);
}

// ---- Colour numbers -------------------------------------------------------------

void ZvysBarvu(std::uint8_t v) {
  const std::uint8_t barva = graf.GetBarva(v) + 1;
  graf.SetBarva(v, barva);
  if (barva > graf.GetBarev()) graf.SetBarev(barva);
  // paleta ends at number 11. A higher number, which only a hand-made graph of 12 or
  // more vertices reaches, is counted but not drawn: the dot keeps its last colour.
  if (barva < paleta.size()) VykresliVrchol(graf.GetX(v), graf.GetY(v), paleta[barva]);
}

}  // namespace

// ---- Spanning-tree machinery ----------------------------------------------------

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

// ---- Colourings -----------------------------------------------------------------

void NastavBarvyVrcholu() {
  barvyVrcholu = {clBlack, clMaroon, clGreen, clOlive, clBlue, clNavy, clTeal, clPurple, clGray, clBlack, clRed};
}

void ObarviVrcholy() {
  const int n = graf.GetPocet();
  // The table ends at vertex 10, the most the dialogs create; vertices above it,
  // from hand-made files, are left as they are drawn.
  for (int k = 1; k <= n && k < int(barvyVrcholu.size()); ++k)
    VykresliVrchol(graf.GetX(std::uint8_t(k)), graf.GetY(std::uint8_t(k)), barvyVrcholu[k]);
}

void ObarviGraf(char rezim) {
  const int n = graf.GetPocet();
  graf.SetBarev(1);
  for (int k = 1; k <= n; ++k) graf.SetBarva(std::uint8_t(k), 1);

  // One pass: a raise is not compared again with the pairs already examined, so two
  // neighbours may end with the same number.
  for (int i = 1; i <= n; ++i) {
    const auto vi = std::uint8_t(i);
    for (int j = 1; j <= n; ++j) {
      const auto vj = std::uint8_t(j);
      if (j == i || graf.GetHrana(vj, vi) == 0.0 || graf.GetBarva(vi) != graf.GetBarva(vj)) continue;
      ZvysBarvu(i > j ? vi : vj);
    }
    if (rezim == 'b') ShowMessage(" Barvim vrchol c. " + IntToStr(i) + " barvou c. " + IntToStr(graf.GetBarva(vi)));
  }
}

// ---- Score and counts -----------------------------------------------------------

void SkoreGrafu() {
  const int n = graf.GetPocet();
  tpoVrcholech<std::uint8_t> stupne{};
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      if (j != i && graf.GetHrana(std::uint8_t(j), std::uint8_t(i)) != 0.0) ++stupne[i];
  for (int i = 1; i <= n - 1; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (stupne[j] < stupne[i]) std::swap(stupne[i], stupne[j]);

  // Counter 1 is written even without a vertex: an empty graph scores "0".
  std::string text = "Skore je : " + IntToStr(stupne[1]);
  for (int k = 2; k <= n; ++k) text += " - " + IntToStr(stupne[k]);
  Vypis(text);
}

void PocetKoster() {
  rad = graf.GetPocet();
  for (int i = 1; i <= rad; ++i)
    for (int j = 1; j <= rad; ++j) matice[i][j] = 0;
  tvolne volne = 0;
  for (int i = 1; i <= rad; ++i) {
    volne |= tvolne(1u << i);
    for (int j = 1; j <= rad; ++j) {
      if (i == j || graf.GetHrana(std::uint8_t(j), std::uint8_t(i)) == 0.0) continue;
      matice[i][j] = -1;
      ++matice[i][i];
    }
  }
  pametBloku.fill(kNespocteno);
  const std::int64_t d = Determinant(volne, 1);
  Vypis(" Pocet koster v grafu je : " + IntToStr(std::llabs(d)));
}

std::int64_t Determinant(tvolne volne, std::uint8_t r) {
  const int n = rad;
  if (r < n - 3) {
    // Plain pointers and bit tricks: for the densest graph this loop body runs some
    // 100 000 times, and it must stay fast in a build without optimisation too.
    const unsigned maska = (1u << (n - 1)) - 1;  // free columns 1 to n - 1 as bits 0 to n - 2
    std::int64_t* const pamet = pametBloku.data();
    std::int64_t& tento = pamet[(volne >> 1) & maska];
    if (tento != kNespocteno) return tento;
    const std::int32_t* const radek = matice[r].data();
    const bool podblokPametuje = r + 1 < n - 3;
    std::int64_t vysledek = 0;
    int p = 0;  // position of column c among the free columns
    for (unsigned volneBity = (volne >> 1) & maska; volneBity != 0; volneBity &= volneBity - 1) {
      const int c = __builtin_ctz(volneBity) + 1;  // the next free column, in increasing order
      ++p;
      if (radek[c] == 0) continue;
      // Column c is removed for this term only.
      const auto bez = tvolne(volne & ~(1u << c));
      std::int64_t d = podblokPametuje ? pamet[(bez >> 1) & maska] : kNespocteno;
      if (d == kNespocteno) d = Determinant(bez, std::uint8_t(r + 1));
      vysledek += p % 2 == 1 ? radek[c] * d : -radek[c] * d;
    }
    tento = vysledek;
    return vysledek;
  }

  std::array<std::uint8_t, 3> s{};
  VolneSloupce(volne, s);
  if (r == n - 3) return Determinant3(s[0], s[1], s[2]);
  if (r == n - 2) return Determinant2(s[0], s[1]);
  if (r == n - 1) return matice[r][s[0]];

  // No reduced matrix at all. Its determinant is that of the empty matrix, 1, for a
  // single vertex, whose one spanning tree is the vertex itself; a graph without
  // vertices has nothing a tree could span (a tree has a vertex), so it counts 0.
  Vypis(" Chyba v pocitani koster , jsem v radku nenalezici Laplaceovy matice ");
  return rad == 1 ? 1 : 0;
}

std::int64_t Determinant3(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
  const int p = rad - 3;
  const int q = rad - 2;
  const int s = rad - 1;
  const auto& m = matice;
  const auto soucin = [](std::int64_t x, std::int64_t y, std::int64_t z) { return x * y * z; };
  return (soucin(m[a][p], m[b][q], m[c][s]) + soucin(m[b][p], m[c][q], m[a][s]) + soucin(m[c][p], m[a][q], m[b][s])) -
         (soucin(m[a][p], m[c][q], m[b][s]) + soucin(m[c][p], m[b][q], m[a][s]) + soucin(m[b][p], m[a][q], m[c][s]));
}

std::int64_t Determinant2(std::uint8_t a, std::uint8_t b) {
  return std::int64_t(matice[a][a]) * matice[b][b] - std::int64_t(matice[a][b]) * matice[b][a];
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

// ---- Mode objects of the tabs ---------------------------------------------------

void tnajdi::Prikaz1() { SkoreGrafu(); }
void tnajdi::Prikaz2() { NejkratsiKostra(); }
void tnajdi::Prikaz3() {}
void tnajdi::Prikaz4() {}
void tnajdi::Prikaz5() {}

void tsimulace::Prikaz1() { Kruskal(); }
void tsimulace::Prikaz2() { JarnikSimulace(); }
void tsimulace::Prikaz3() { Boruvka(); }
void tsimulace::Prikaz4() {}
void tsimulace::Prikaz5() { ObarviGraf('b'); }

void tpocet::Prikaz1() { PocetKoster(); }
void tpocet::Prikaz2() { PocetKomponent(); }
void tpocet::Prikaz3() { PocetBarev(); }
void tpocet::Prikaz4() {}
void tpocet::Prikaz5() {}
