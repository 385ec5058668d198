// The spanning-tree runs: the sorted edge lists they are made of, and the narration,
// the maroon tree and the reported length of Kruskal, Jarnik and Boruvka.
#include "GrafyTestu.h"

#include "platform/Dialogs.h"

#include <functional>
#include <stdexcept>

namespace {

const std::string kKomponenty =
    " graf ma vice nez 1 komponentu , proto provedu simulaci algoritmu na vsech jeho komponentach ";
const std::string kBezHran = " graf bez hran , uz jsem hotov ";

std::string Prijata(int a, int b, const std::string& delka) {
  return "barvim hranu - zarazuji do kostry " + std::to_string(a) + " " + std::to_string(b) + " s delkou " + delka;
}

std::string Vyhozena(int a, int b, const std::string& delka) {
  return "vyhazuji hranu - nepatri do kostry " + std::to_string(a) + " " + std::to_string(b) + " s delkou " + delka;
}

std::string Vyrazena(int a, int b) {
  return " vyrazuji hranu " + std::to_string(a) + " " + std::to_string(b);
}

std::string Delka(const std::string& d) {
  return "Nejkratsi kostra ma delku : " + d;
}

// The (kam, delka) pairs of a list, in list order.
std::vector<std::pair<int, double>> Obsah(const thrana* seznam) {
  std::vector<std::pair<int, double>> obsah;
  for (; seznam; seznam = seznam->dalsi) obsah.emplace_back(seznam->kam, seznam->delka);
  return obsah;
}

struct tbeh {
  const char* nazev;
  int n;
  int k;  // the component count the run finds in graf
  thranyTestu hrany;
  std::vector<std::string> zpravy;
  std::string vystup;
  std::vector<std::string> kastanove;
};

class Kostry : public AlgoritmusTest {
protected:
  void Over(const std::vector<tbeh>& pripady, const std::function<void()>& procedura) {
    for (const tbeh& p : pripady) {
      SCOPED_TRACE(p.nazev);
      PostavGraf(p.n, p.hrany);
      graf.SetKomponent(std::uint8_t(p.k));
      zpravy.messages.clear();
      plocha.memo.clear();
      procedura();
      EXPECT_EQ(p.zpravy, zpravy.messages);
      EXPECT_EQ(p.vystup, plocha.memo);
      EXPECT_EQ(p.kastanove, KastanoveHrany(plocha.canvas));
    }
  }
};

}  // namespace

TEST_F(Kostry, SlijSeznamyMergesStablyAndTakesEmptyLists) {
  struct tpripad {
    const char* nazev;
    std::vector<double> a;
    std::vector<double> b;
    std::vector<std::pair<int, double>> vysledek;  // kam 1.. from a, 101.. from b
  };
  const std::vector<tpripad> pripady = {
      {"equal lengths take the first list first", {1, 3}, {1, 2}, {{1, 1}, {101, 1}, {102, 2}, {2, 3}}},
      {"second list used up first", {2, 5, 7}, {1}, {{101, 1}, {1, 2}, {2, 5}, {3, 7}}},
      {"all ties keep both orders", {4, 4}, {4, 4}, {{1, 4}, {2, 4}, {101, 4}, {102, 4}}},
      {"negative lengths", {-1, 0.5}, {-2}, {{101, -2}, {1, -1}, {2, 0.5}}},
      {"empty second list", {1, 2}, {}, {{1, 1}, {2, 2}}},
      {"empty first list", {}, {3}, {{101, 3}}},
      {"both empty", {}, {}, {}},
  };
  for (const tpripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    tzaznamyHran zaznamy;
    const auto seznam = [&](const std::vector<double>& delky, int prvni) {
      thrana* hlava = nullptr;
      for (std::size_t k = delky.size(); k-- > 0;) {
        thrana* z = zaznamy.Novy(delky[k], std::uint8_t(prvni + k), 0);
        z->dalsi = hlava;
        hlava = z;
      }
      return hlava;
    };
    EXPECT_EQ(p.vysledek, Obsah(SlijSeznamy(seznam(p.a, 1), seznam(p.b, 101))));
  }
}

TEST_F(Kostry, SeradRadekSortsTheRowByLengthThenByFarEnd) {
  struct tpripad {
    const char* nazev;
    int n;
    int i;
    std::vector<std::pair<int, double>> radek;  // entries of vertex i's row
    int od;
    std::vector<std::pair<int, double>> vysledek;
  };
  const std::vector<tpripad> pripady = {
      {"ties by far end, negative first", 5, 2, {{1, 5}, {4, 5}, {5, -1}}, 1, {{5, -1}, {1, 5}, {4, 5}}},
      {"the diagonal is no edge", 3, 2, {{1, 2}, {2, 9}, {3, 1}}, 1, {{3, 1}, {1, 2}}},
      {"entries before od are skipped", 4, 2, {{1, 1}, {3, 4}, {4, 2}}, 3, {{4, 2}, {3, 4}}},
      {"od past the row gives nothing", 3, 3, {{1, 1}, {2, 1}}, 4, {}},
      {"a row without edges gives nothing", 4, 1, {}, 1, {}},
      {"eleven entries merged over four widths",
       12,
       12,
       {{1, 3}, {2, 1}, {3, 3}, {4, 2}, {5, 1}, {6, 3}, {7, 2}, {9, 1}, {10, 2}, {11, 0.5}},
       1,
       {{11, 0.5}, {2, 1}, {5, 1}, {9, 1}, {4, 2}, {7, 2}, {10, 2}, {1, 3}, {3, 3}, {6, 3}}},
  };
  for (const tpripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    PostavGraf(p.n, {});
    for (const auto& [j, d] : p.radek) graf.SetHrana(std::uint8_t(p.i), std::uint8_t(j), d);
    tzaznamyHran zaznamy;
    const thrana* seznam = SeradRadek(zaznamy, std::uint8_t(p.i), std::uint8_t(p.od));
    EXPECT_EQ(p.vysledek, Obsah(seznam));
    EXPECT_EQ(p.vysledek.size(), zaznamy.Pocet());
    for (const thrana* z = seznam; z; z = z->dalsi) EXPECT_EQ(p.i, z->odkud);
  }
}

TEST_F(Kostry, VypisDelkuWritesTheShortestNumberForm) {
  const std::vector<std::pair<double, std::string>> pripady = {
      {0.0, "0"}, {12.75, "12.75"}, {-3.5, "-3.5"}, {0.000001, "1E-6"}};
  for (const auto& [d, text] : pripady) {
    VypisDelku(d);
    EXPECT_EQ(Delka(text), plocha.memo);
  }
}

TEST_F(Kostry, KruskalNarratesEachStepUntilTheForestIsComplete) {
  Over(
      {
          {"the walk stops before the last edge",
           3,
           1,
           {{1, 2, 1}, {1, 3, 2}, {2, 3, 3}},
           {"barvim hranu - zarazuji do kostry 1 2 s delkou 1", "barvim hranu - zarazuji do kostry 1 3 s delkou 2"},
           "Nejkratsi kostra ma delku : 3",
           {"1-2", "1-3"}},
          {"a cycle edge at the head is discarded, higher end first",
           4,
           1,
           {{1, 2, 1}, {2, 3, 1}, {1, 3, 2}, {3, 4, 3}},
           {Prijata(1, 2, "1"), Prijata(2, 3, "1"), "vyhazuji hranu - nepatri do kostry 3 1 s delkou 2",
            Prijata(3, 4, "3")},
           Delka("5"),
           {"1-2", "2-3", "3-4"}},
          {"ties go lower end first; a join relabels the whole first tree",
           5,
           1,
           {{2, 3, 1}, {1, 4, 1}, {1, 2, 2}, {3, 4, 3}, {4, 5, 4}},
           {Prijata(1, 4, "1"), Prijata(2, 3, "1"), Prijata(1, 2, "2"), Vyhozena(4, 3, "3"), Prijata(4, 5, "4")},
           Delka("8"),
           {"1-2", "1-4", "2-3", "4-5"}},
          {"two components",
           4,
           2,
           {{1, 2, 2}, {3, 4, 1}},
           {kKomponenty, Prijata(3, 4, "1"), Prijata(1, 2, "2")},
           Delka("3"),
           {"1-2", "3-4"}},
          {"negative and tiny lengths come first",
           3,
           1,
           {{1, 2, 3}, {2, 3, -2}, {1, 3, 0.000001}},
           {Prijata(2, 3, "-2"), Prijata(1, 3, "1E-6")},
           Delka("-1.999999"),
           {"1-3", "2-3"}},
          {"three vertices without edges", 3, 3, {}, {kKomponenty, kBezHran}, Delka("0"), {}},
          {"one vertex", 1, 1, {}, {kBezHran}, Delka("0"), {}},
          {"no vertex", 0, 1, {}, {kBezHran}, Delka("0"), {}},
          {"a count too small ends at the empty list",
           4,
           1,
           {{1, 2, 2}, {3, 4, 1}},
           {Prijata(3, 4, "1"), Prijata(1, 2, "2")},
           Delka("3"),
           {"1-2", "3-4"}},
          {"a count too large stops early",
           3,
           2,
           {{1, 2, 1}, {2, 3, 2}},
           {kKomponenty, Prijata(1, 2, "1")},
           Delka("1"),
           {"1-2"}},
      },
      Kruskal);
}

TEST_F(Kostry, JarnikGrowsOneTreeFromEachStartVertex) {
  const std::vector<tbeh> narrated = {
      {"the last repetition announces no discard",
       3,
       1,
       {{1, 2, 1}, {2, 3, 2}},
       {"barvim hranu - zarazuji do kostry 2 1 s delkou 1", "vyhazuji hranu - nepatri do kostry 1 2 s delkou 1",
        Prijata(3, 2, "2")},
       Delka("3"),
       {"1-2", "2-3"}},
      {"the tree grows twice in one repetition, then every twin is announced",
       3,
       1,
       {{1, 3, 1}, {1, 2, 2}, {2, 3, 3}},
       {Prijata(3, 1, "1"), Vyhozena(1, 3, "1"), Prijata(2, 1, "2"), Vyhozena(1, 2, "2"), Vyhozena(2, 3, "3"),
        Vyhozena(3, 2, "3")},
       Delka("3"),
       {"1-2", "1-3"}},
      {"a tree finished early announces every leftover",
       4,
       1,
       {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {1, 4, 0.25}},
       {Prijata(4, 1, "0.25"), Vyhozena(1, 4, "0.25"), Prijata(2, 1, "1"), Vyhozena(1, 2, "1"), Prijata(3, 2, "2"),
        Vyhozena(2, 3, "2"), Vyhozena(3, 4, "3"), Vyhozena(4, 3, "3")},
       Delka("3.25"),
       {"1-2", "1-4", "2-3"}},
      {"an empty tree list ends the inner loop",
       4,
       2,
       {{1, 3, 1}, {2, 4, 1}},
       {kKomponenty, Prijata(3, 1, "1"), Vyhozena(1, 3, "1"), Prijata(4, 2, "1"), Vyhozena(2, 4, "1")},
       Delka("2"),
       {"1-3", "2-4"}},
      {"equal lengths take the lower far end first",
       3,
       1,
       {{1, 2, 4}, {1, 3, 4}},
       {Prijata(2, 1, "4"), Prijata(3, 1, "4")},
       Delka("8"),
       {"1-2", "1-3"}},
      {"negative lengths", 3, 1, {{1, 2, -1}, {2, 3, -3}, {1, 3, 2}}, {Prijata(2, 1, "-1"), Prijata(3, 2, "-3")},
       Delka("-4"), {"1-2", "2-3"}},
      {"no edges", 3, 3, {}, {kKomponenty}, Delka("0"), {}},
      {"one vertex", 1, 1, {}, {}, Delka("0"), {}},
  };
  Over(narrated, [] { Jarnik('s'); });

  // Silent: the same trees and lengths, and nothing said but the component message.
  std::vector<tbeh> silent = narrated;
  for (tbeh& p : silent) {
    std::vector<std::string> zbyle;
    for (const std::string& z : p.zpravy)
      if (z == kKomponenty) zbyle.push_back(z);
    p.zpravy = zbyle;
  }
  Over(silent, [] { Jarnik('n'); });
}

TEST_F(Kostry, BoruvkaJoinsTreesInPhases) {
  Over(
      {
          {"the third slot's tree absorbs the first",
           3,
           1,
           {{1, 2, 1}, {2, 3, 2}},
           {Prijata(2, 1, "1"), " vyrazuji hranu 1 2", Prijata(2, 3, "2")},
           Delka("3"),
           {"1-2", "2-3"}},
          {"two components in one phase",
           4,
           2,
           {{1, 2, 1}, {3, 4, 2}},
           {kKomponenty, Prijata(2, 1, "1"), Vyrazena(1, 2), Prijata(4, 3, "2"), Vyrazena(3, 4)},
           Delka("3"),
           {"1-2", "3-4"}},
          {"ties pick the lower far end; in phase two vertex 1 lies in the far tree",
           5,
           1,
           {{1, 5, 4}, {1, 2, 4}, {2, 3, 5}, {3, 4, 1}, {4, 5, 6}},
           {Prijata(2, 1, "4"), Vyrazena(1, 2), Prijata(4, 3, "1"), Vyrazena(3, 4), Prijata(1, 5, "4"),
            Prijata(2, 3, "5"), Vyrazena(5, 1), Vyrazena(3, 2), Vyrazena(5, 4), Vyrazena(4, 5)},
           Delka("14"),
           {"1-2", "1-5", "2-3", "3-4"}},
          // Phase 2 starts with trees {2, 6} in slot 1, {4, 7} in slot 2 and {1, 3, 5}
          // in slot 3. Slot 1 joins trees 1 and 2 while vertex 1 lies in tree 3, so tree
          // 1 takes label 2 and its list goes with it; slot 2 then finds the edge 4-1.
          {"from phase two a slot's vertex may lie in a third tree",
           7,
           1,
           {{1, 3, 4}, {1, 4, 19}, {2, 6, 3}, {3, 5, 10}, {4, 7, 1}, {6, 7, 9}},
           {Prijata(3, 1, "4"), Prijata(6, 2, "3"), Vyrazena(1, 3), Prijata(7, 4, "1"), Prijata(3, 5, "10"),
            Vyrazena(2, 6), Vyrazena(4, 7), Prijata(7, 6, "9"), Vyrazena(6, 7), Prijata(1, 4, "19"), Vyrazena(5, 3)},
           Delka("46"),
           {"1-3", "1-4", "2-6", "3-5", "4-7", "6-7"}},
          {"negative lengths",
           4,
           1,
           {{1, 2, -1}, {2, 3, -3}, {1, 3, 2}, {3, 4, 0.5}},
           {Prijata(2, 1, "-1"), Prijata(3, 2, "-3"), Vyrazena(2, 3), Prijata(3, 4, "0.5")},
           Delka("-3.5"),
           {"1-2", "2-3", "3-4"}},
          {"a count too small ends when every list is empty",
           4,
           1,
           {{1, 2, 2}, {3, 4, 1}},
           {Prijata(2, 1, "2"), Vyrazena(1, 2), Prijata(4, 3, "1"), Vyrazena(3, 4)},
           Delka("3"),
           {"1-2", "3-4"}},
          {"no edges", 3, 3, {}, {kKomponenty}, Delka("0"), {}},
          {"no vertex", 0, 1, {}, {}, Delka("0"), {}},
      },
      Boruvka);
}

TEST_F(Kostry, OpeningColoursStayUnderTheTree) {
  struct tpripad {
    const char* nazev;
    std::function<void()> procedura;
    TColor vrcholy;
  };
  const std::vector<tpripad> pripady = {
      {"Kruskal", Kruskal, clBlack},
      {"Jarnik", JarnikSimulace, clBlack},
      {"shortest spanning tree", NejkratsiKostra, clBlack},
      {"Boruvka", Boruvka, clSilver},
  };
  for (const tpripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    // Vertex 4 stands alone, so no tree edge crosses its dot.
    PostavGraf(4, {{1, 2, 1}, {2, 3, 2}, {1, 3, 3}});
    graf.SetKomponent(2);
    p.procedura();
    EXPECT_EQ(clSilver, BarvaHrany(plocha.canvas, 1, 3));
    EXPECT_EQ(p.vrcholy, plocha.canvas.Pixel(MistoVrcholu(4).first, MistoVrcholu(4).second));
    EXPECT_EQ((std::vector<std::string>{"1-2", "2-3"}), KastanoveHrany(plocha.canvas));
  }
}

// A message box that abandons the run (the recorder may throw) must leave no record
// behind; the sanitizer build reports any that stays. The next run is unaffected.
TEST_F(Kostry, AbandonedRunReleasesItsRecordsAndLeavesTheNextRunIntact) {
  struct tpripad {
    const char* nazev;
    std::function<void()> procedura;
  };
  const std::vector<tpripad> pripady = {{"Kruskal", Kruskal}, {"Jarnik", JarnikSimulace}, {"Boruvka", Boruvka}};
  PostavGraf(5, {{1, 2, 1}, {2, 3, 1}, {1, 3, 2}, {3, 4, 3}, {4, 5, 2}, {2, 5, 4}});
  graf.SetKomponent(1);
  for (const tpripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    zpravy.messages.clear();
    p.procedura();
    const std::vector<std::string> cely = zpravy.messages;
    const std::string vystup = plocha.memo;
    ASSERT_GE(cely.size(), 3u);
    for (std::size_t prerusit = 0; prerusit < cely.size(); ++prerusit) {
      std::size_t ukazano = 0;
      SetMessageHandler([&](const std::string&) {
        if (ukazano++ == prerusit) throw std::runtime_error("abandoned");
      });
      plocha.memo.clear();
      EXPECT_THROW(p.procedura(), std::runtime_error);
      EXPECT_EQ("", plocha.memo);
    }
    SetMessageHandler([this](const std::string& text) { zpravy.messages.push_back(text); });
    zpravy.messages.clear();
    p.procedura();
    EXPECT_EQ(cely, zpravy.messages);
    EXPECT_EQ(vystup, plocha.memo);
  }
}
