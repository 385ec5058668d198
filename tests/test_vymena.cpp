// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The exchange formats, through the program itself: what leaves it comes back unchanged
// and is read by networkx and Graphviz as the program means it; what comes in is checked,
// fitted and refused with a message that leaves the target alone.
#include "test_cli_proces.h"

#include "platform/Cp1250.h"

#include <QFile>

#include <cstdlib>

namespace {

struct NactenyGraf {
  int n = -1;
  std::vector<double> delky;  // row by row
  std::vector<std::string> komentare;
  std::string polohy;  // "x,y x,y ..."
};

NactenyGraf Nacti(const QString& cesta) {
  NactenyGraf g;
  graf.Clear();
  SetJmenoSouboru(FromQt(cesta));
  if (NactiGraf() != 0) return g;
  g.n = graf.GetPocet();
  for (std::uint8_t i = 1; i <= g.n; ++i) {
    g.komentare.push_back(graf.GetText(i));
    g.polohy += (i > 1 ? " " : "") + std::to_string(graf.GetX(i)) + "," + std::to_string(graf.GetY(i));
    for (std::uint8_t j = 1; j <= g.n; ++j) g.delky.push_back(graf.GetHrana(j, i));
  }
  graf.Clear();
  SetJmenoSouboru("");
  return g;
}

}  // namespace

class Exchange : public SGrafy {
protected:
  // g.grf -> g.<pripona> by the program, the path of the export.
  QString Export(const QString& grf, const char* pripona) {
    const QString cil = QString(grf).replace(QStringLiteral(".grf"), QStringLiteral(".") + pripona);
    const Vysledek v = Trivex({"--export", cil, grf});
    EXPECT_EQ(0, v.kod) << v.err;
    return cil;
  }
};

TEST_F(Exchange, GraphFileComesBackFromGraphMLAndDotByteForByte) {
  for (const auto& [nazev, grf] : soubory)
    for (const char* pripona : {"graphml", "dot"}) {
      SCOPED_TRACE(nazev + " via " + pripona);
      const QString zpet = Soubor(QStringLiteral("zpet.grf"));
      const Vysledek v = Trivex({"--import", Export(grf, pripona), zpet});
      EXPECT_EQ(0, v.kod);
      EXPECT_EQ("", v.err);
      EXPECT_EQ(ReadBytes(grf), ReadBytes(zpet));
    }
}

TEST_F(Exchange, EdgeListBringsBackTheVerticesAndEveryLength) {
  for (const auto& [nazev, grf] : soubory) {
    SCOPED_TRACE(nazev);
    const QString zpet = Soubor(QStringLiteral("zpet.grf"));
    const Vysledek v = Trivex({"--import", Export(grf, "txt"), zpet});
    EXPECT_EQ(0, v.kod) << v.err;
    const NactenyGraf puvodni = Nacti(grf), novy = Nacti(zpet);
    EXPECT_EQ(puvodni.n, novy.n);
    EXPECT_EQ(puvodni.delky, novy.delky);
  }
}

TEST_F(Exchange, NetworkxFindsTheProgramsShortestSpanningTree) {
  const char* skript =
      "import sys, networkx as nx\n"
      "for p in sys.argv[1:]:\n"
      "    G = nx.read_graphml(p) if p.endswith('.graphml') else nx.read_weighted_edgelist(p)\n"
      "    print(repr(nx.minimum_spanning_tree(G).size(weight='weight')))\n";
  for (const auto& [nazev, grf] : soubory) {
    SCOPED_TRACE(nazev);
    const std::vector<std::string> kostra = Radky(Trivex({"--run", "kostra", grf}).out);
    ASSERT_FALSE(kostra.empty());
    const std::string prefix = "Nejkratsi kostra ma delku : ";
    ASSERT_EQ(prefix, kostra.back().substr(0, prefix.size()));
    const double delka = std::strtod(kostra.back().c_str() + prefix.size(), nullptr);

    const Vysledek nx = Spust("python3", {"-c", skript, Export(grf, "graphml"), Export(grf, "txt")});
    ASSERT_EQ(0, nx.kod) << nx.err;
    const std::vector<std::string> vahy = Radky(nx.out);
    ASSERT_EQ(2u, vahy.size());
    for (const std::string& vaha : vahy) EXPECT_NEAR(delka, std::strtod(vaha.c_str(), nullptr), 1E-9);
  }
}

TEST_F(Exchange, DotRendersTheExportedGraph) {
  for (const auto& [nazev, grf] : soubory) {
    SCOPED_TRACE(nazev);
    const Vysledek v = Spust("dot", {"-Tsvg", Export(grf, "dot")});
    EXPECT_EQ(0, v.kod) << v.err;
    EXPECT_NE(std::string::npos, v.out.find("</svg>"));
  }
}

TEST_F(Exchange, ImportsWarnOfWhatTheyChangeAndRefuseWhatTheyCannotHold) {
  const auto uzly = [](int n, const char* navic = "") {
    std::string xml = "<graphml><graph edgedefault='undirected'>";
    for (int k = 1; k <= n; ++k) xml += "<node id='n" + std::to_string(k) + "'/>";
    return xml + navic + "</graph></graphml>";
  };
  std::string sestnactHran;
  for (int k = 1; k <= 16; ++k) sestnactHran += std::to_string(k) + " " + std::to_string(k % 16 + 1) + " 1\n";
  const std::string klicVahy = "<key id='w' for='edge' attr.name='weight'/>";
  const struct {
    const char* nazev;
    const char* soubor;
    std::string obsah;
    std::string zprava;  // the error after the source's name, or the warnings one per line
    bool zapsano;
    int n;
    double delka12;
    std::string komentar1;  // Windows-1250
    const char* polohy;     // nullptr: laid out, only checked to lie inside the margin
  } radky[] = {
      {"malformed GraphML", "a.graphml", "<graphml><graph><node id='a'></graph>",
       "neplatny GraphML na radku 1: Opening and ending tag mismatch.", false, 0, 0.0, "", nullptr},
      {"not GraphML", "a.graphml", "<svg/>", "soubor neni GraphML (chybi prvek graphml)", false, 0, 0.0, "", nullptr},
      {"malformed DOT", "a.dot", "graph { a -- }", "neplatny DOT: Error: syntax error in line 1 near '}'", false, 0, 0.0, "", nullptr},
      {"line that is no edge", "a.txt", "1 2 3\n1 2 3 4\n", "radek 2: ocekavam 'u v delka', ne '1 2 3 4'", false, 0, 0.0, "", nullptr},
      {"16 GraphML nodes", "a.graphml", uzly(16),
       "graf ma vic nez 15 vrcholu, Trivex jich pojme nejvyse 15", false, 0, 0.0, "", nullptr},
      {"16 listed vertices", "a.txt", sestnactHran, "graf ma vic nez 15 vrcholu, Trivex jich pojme nejvyse 15", false, 0, 0.0, "", nullptr},
      {"16 DOT nodes", "a.dot", "graph { 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 }",
       "graf ma vic nez 15 vrcholu, Trivex jich pojme nejvyse 15", false, 0, 0.0, "", nullptr},
      {"zero weight", "a.txt", "a b 0\n", "hrana 'a' - 'b' ma nulovou delku; nula v Trivexu znamena, ze hrana neni",
       false, 0, 0.0, "", nullptr},
      {"weight no number", "a.graphml",
       "<graphml>" + klicVahy + "<graph><node id='a'/><node id='b'/><edge source='a' target='b'><data key='w'>dlouha</data></edge></graph></graphml>",
       "hrana 'a' - 'b' ma delku 'dlouha', ktera neni cislo", false, 0, 0.0, "", nullptr},
      {"edge to an unknown node", "a.graphml", uzly(2, "<edge source='n1' target='x'/>"),
       "hrana odkazuje na neznamy vrchol 'x'", false, 0, 0.0, "", nullptr},
      {"no vertex", "a.txt", "# nic\n", "zdroj neobsahuje zadny vrchol", false, 0, 0.0, "", nullptr},
      {"weightless", "a.graphml", uzly(2, "<edge source='n1' target='n2'/>"), "", true, 2, 1.0, "", nullptr},
      {"directed, both ways", "a.dot", "digraph { a -> b [weight=3]; b -> a [weight=2] }",
       "orientovany graf ctu jako neorientovany\nhrana 'a' - 'b' je zadana 2krat, ponechavam nejkratsi delku 2\n", true, 2,
       2.0, "a", nullptr},
      {"self-loop", "a.txt", "1 1 4\n1 2 -0.5\n", "smycka u vrcholu '1' vynechana\n", true, 2, -0.5, "", nullptr},
      {"label beyond Windows-1250", "a.dot", "graph { a [label=\"Plze\xC5\x88 \xCE\xA9\"]; a -- b }",
       "komentar vrcholu 'a' obsahuje znaky, ktere Windows-1250 nema; jsou nahrazeny '?'\n", true, 2, 1.0, "Plze\xF2 ?",
       nullptr},
      {"positions far off the canvas", "a.graphml",
       "<graphml><key id='x' for='node' attr.name='x'/><key id='y' for='node' attr.name='y'/><graph>"
       "<node id='a'><data key='x'>-1000</data><data key='y'>5</data></node>"
       "<node id='b'><data key='x'>1000</data><data key='y'>5</data></node></graph></graphml>",
       "", true, 2, 0.0, "a", "20,180 548,180"},
      {"DOT positions count upwards", "a.dot", "graph { a [pos=\"10,20!\"]; b [pos=\"100,300\"] }", "", true, 2, 0.0, "a",
       "10,340 100,60"},
  };
  for (const auto& r : radky) {
    SCOPED_TRACE(r.nazev);
    const QString zdroj = Soubor(QString::fromLatin1(r.soubor)), cil = Soubor(QStringLiteral("cil.grf"));
    WriteBytes(zdroj, r.obsah);
    WriteBytes(cil, "puvodni");
    const Vysledek v = Trivex({"--import", zdroj, cil});
    EXPECT_EQ("", v.out);
    if (!r.zapsano) {
      EXPECT_EQ(2, v.kod);
      EXPECT_EQ("trivex: " + zdroj.toStdString() + ": " + r.zprava + "\n", v.err);
      EXPECT_EQ("puvodni", ReadBytes(cil));
      continue;
    }
    EXPECT_EQ(0, v.kod);
    std::string varovani;
    for (const std::string& radek : Radky(r.zprava)) varovani += "trivex: varovani: " + radek + "\n";
    EXPECT_EQ(varovani, v.err);
    const NactenyGraf g = Nacti(cil);
    ASSERT_EQ(r.n, g.n);
    EXPECT_EQ(r.delka12, g.delky[1]);
    EXPECT_EQ(r.komentar1, g.komentare[0]);
    if (r.polohy) {
      EXPECT_EQ(r.polohy, g.polohy);
      continue;
    }
    int x1, y1, x2, y2;
    ASSERT_EQ(4, std::sscanf(g.polohy.c_str(), "%d,%d %d,%d", &x1, &y1, &x2, &y2));
    for (int x : {x1, x2}) EXPECT_TRUE(x >= 20 && x <= 548) << x;
    for (int y : {y1, y2}) EXPECT_TRUE(y >= 20 && y <= 340) << y;
    EXPECT_NE(std::make_pair(x1, y1), std::make_pair(x2, y2));
  }
}
