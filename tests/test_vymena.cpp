// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The exchange formats, through the program itself: what leaves it comes back unchanged
// and is read by networkx and Graphviz as the program means it; what comes in is checked,
// fitted and refused with a message that leaves the target alone.
#include "test_cli_proces.h"

#include "classroom/Obraz.h"
#include "exchange/Import.h"
#include "exchange/Zapis.h"
#include "platform/AtomickyZapis.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <functional>
#include <tuple>

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

// GraphML and DOT bring the graph file back byte for byte; the edge list keeps only the
// vertices and the lengths, so it is the list that comes back unchanged. networkx reads the
// GraphML and the edge list and finds the shortest spanning tree the program reports on its
// last line. (DOT is read back by Graphviz's own parser on import.)
TEST_F(Exchange, ExportsComeBackUnchangedAndNetworkxReadsThem) {
  const char* skript =
      "import sys, networkx as nx\n"
      "delka = float(sys.argv[1].rsplit(' : ', 1)[1])\n"
      "for p in sys.argv[2:]:\n"
      "    G = nx.read_graphml(p) if p.endswith('.graphml') else nx.read_weighted_edgelist(p)\n"
      "    vaha = nx.minimum_spanning_tree(G).size(weight='weight')\n"
      "    assert abs(vaha - delka) < 1e-9, (p, vaha, delka)\n";
  const QString zpet = Soubor(QStringLiteral("zpet.grf"));
  for (const auto& [nazev, grf] : soubory) {
    for (const char* pripona : {"graphml", "dot", "txt"}) {
      SCOPED_TRACE(nazev + " via " + pripona);
      const QString venku = Export(grf, pripona);
      const Vysledek v = Trivex({"--import", venku, zpet});
      EXPECT_EQ(std::make_pair(0, std::string()), std::make_pair(v.kod, v.err));
      if (venku.endsWith(QStringLiteral(".txt")))
        EXPECT_EQ(ReadBytes(venku), ReadBytes(Export(zpet, "txt")));
      else
        EXPECT_EQ(ReadBytes(grf), ReadBytes(zpet));
    }
    const QString kostra = QString::fromStdString(Trivex({"--run", "kostra", grf}).out);
    const Vysledek nx = Spust("python3", {"-c", skript, kostra, Export(grf, "graphml"), Export(grf, "txt")});
    EXPECT_EQ(0, nx.kod) << nazev << ": " << nx.err;
  }
}

// A refused source leaves the target as it was and exits 2; an accepted one replaces it,
// warning of each change, with its two vertices where the source puts them or laid out inside
// the canvas's margin.
TEST_F(Exchange, ImportsWarnOfWhatTheyChangeAndRefuseWhatTheyCannotHold) {
  const QString cil = Soubor(QStringLiteral("cil.grf"));
  const auto importuj = [&](const char* soubor, const std::string& obsah) {
    WriteBytes(Soubor(soubor), obsah);
    WriteBytes(cil, "puvodni");
    return Trivex({"--import", Soubor(soubor), cil});
  };
  const struct { const char *nazev, *soubor; std::string obsah, zprava; } odmitnute[] = {
      {"malformed GraphML", "a.graphml", "<graphml><graph><node id='a'></graph>",
       "neplatny GraphML na radku 1: Opening and ending tag mismatch."},
      {"not GraphML", "a.graphml", "<svg/>", "soubor neni GraphML (chybi prvek graphml)"},
      {"malformed DOT", "a.dot", "graph { a -- }", "neplatny DOT: Error: syntax error in line 1 near '}'"},
      {"line that is no edge", "a.txt", "1 2 3\n1 2 3 4\n", "radek 2: ocekavam 'u v delka', ne '1 2 3 4'"},
      {"16 nodes", "a.dot", "graph { 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 }", "graf ma vic nez 15 vrcholu, Trivex jich pojme nejvyse 15"},
      {"zero weight", "a.txt", "a b 0\n", "hrana 'a' - 'b' ma nulovou delku; nula v Trivexu znamena, ze hrana neni"},
      {"weight no number", "a.graphml",
       "<graphml><key id='w' for='edge' attr.name='weight'/><graph><node id='a'/><node id='b'/>"
       "<edge source='a' target='b'><data key='w'>dlouha</data></edge></graph></graphml>",
       "hrana 'a' - 'b' ma delku 'dlouha', ktera neni cislo"},
      {"unknown edge end", "a.graphml", "<graphml><graph><node id='a'/><edge source='a' target='x'/></graph></graphml>",
       "hrana odkazuje na neznamy vrchol 'x'"},
      {"no vertex", "a.txt", "# nic\n", "zdroj neobsahuje zadny vrchol"},
  };
  for (const auto& r : odmitnute) {
    SCOPED_TRACE(r.nazev);
    const Vysledek v = importuj(r.soubor, r.obsah);
    EXPECT_EQ(std::make_tuple(2, std::string(), "trivex: " + Soubor(r.soubor).toStdString() + ": " + r.zprava + "\n"),
              std::make_tuple(v.kod, v.out, v.err));
    EXPECT_EQ("puvodni", ReadBytes(cil));
  }
  // The warnings, vertex 1's comment in Windows-1250, the places x1, y1, x2, y2 (none: laid out).
  const struct { const char *nazev, *soubor; std::string obsah; std::vector<std::string> varovani; double delka12;
                 std::string komentar1; std::vector<int> polohy; } prijate[] = {
      {"directed, both ways", "a.dot", "digraph { a -> b [weight=3]; b -> a [weight=2] }",
       {"orientovany graf ctu jako neorientovany", "hrana 'a' - 'b' je zadana 2krat, ponechavam nejkratsi delku 2"}, 2.0, "a", {}},
      {"self-loop", "a.txt", "1 1 4\n1 2 -0.5\n", {"smycka u vrcholu '1' vynechana"}, -0.5, "", {}},
      {"label beyond Windows-1250", "a.dot", "graph { a [label=\"Plze\xC5\x88 \xCE\xA9\"]; a -- b }",
       {"komentar vrcholu 'a' obsahuje znaky, ktere Windows-1250 nema; jsou nahrazeny '?'"}, 1.0, "Plze\xF2 ?", {}},
      {"positions far off the canvas", "a.graphml",
       "<graphml><key id='x' for='node' attr.name='x'/><key id='y' for='node' attr.name='y'/><graph>"
       "<node id='a'><data key='x'>-1000</data><data key='y'>5</data></node>"
       "<node id='b'><data key='x'>1000</data><data key='y'>5</data></node></graph></graphml>",
       {}, 0.0, "a", {20, 180, 548, 180}},
      {"DOT positions count upwards", "a.dot", "graph { a [pos=\"10,20!\"]; b [pos=\"100,300\"] }", {}, 0.0, "a", {10, 340, 100, 60}},
  };
  for (const auto& r : prijate) {
    SCOPED_TRACE(r.nazev);
    const Vysledek v = importuj(r.soubor, r.obsah);
    EXPECT_EQ(0, v.kod);
    std::string varovani;
    for (const std::string& radek : r.varovani) varovani += "trivex: varovani: " + radek + "\n";
    EXPECT_EQ(varovani, v.err);
    Otevri(cil);
    ASSERT_EQ(2, graf.GetPocet());
    EXPECT_EQ(r.delka12, graf.GetHrana(1, 2));
    EXPECT_EQ(r.komentar1, graf.GetText(1));
    const QPoint a(graf.GetX(1), graf.GetY(1)), b(graf.GetX(2), graf.GetY(2));
    const QRect okraj(QPoint(20, 20), QPoint(548, 340));  // laid out, they lie apart inside the margin
    if (!r.polohy.empty())
      EXPECT_EQ(r.polohy, (std::vector<int>{a.x(), a.y(), b.x(), b.y()}));
    else
      EXPECT_TRUE(a != b && okraj.contains(a) && okraj.contains(b)) << a.x() << "," << a.y() << " " << b.x() << "," << b.y();
  }
}

// Every kind of file --export writes, with the writer behind it.
const struct { const char* pripona; std::function<QString(const QString&)> zapis; } kVystupy[] = {
    {"grf", [](const QString& c) { return UlozGrafDo(c); }},
    {"graphml", [](const QString& c) { return ZapisSoubor(c, GraphML()); }},
    {"dot", [](const QString& c) { return ZapisSoubor(c, Dot()); }},
    {"txt", [](const QString& c) { return ZapisSoubor(c, SeznamHran()); }},
    {"tex", [](const QString& c) { return ZapisSoubor(c, TikZ({})); }},
    {"png", [](const QString& c) { return UlozObrazPlatna(c, {}); }},
    {"svg", [](const QString& c) { return UlozObrazPlatna(c, {true, true}); }},
};

// The names in a folder, hidden ones too: a failed export leaves nothing beside the old file.
QStringList Jmena(const QString& slozka) {
  return QDir(slozka).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// On a full disk every export fails with a message, and the old file stays byte for byte
// with nothing left beside it. The disk is a small file system of the test's own, where
// the system lets the suite mount one.
TEST_F(Exchange, ExportsToAFullDiskFailAndKeepTheOldFile) {
  QTemporaryDir plny;
  const Vysledek pripojeni = Spust("mount", {"-t", "tmpfs", "-o", "size=128k", "tmpfs", plny.path()});
  if (pripojeni.kod != 0)
    GTEST_SKIP() << "a small tmpfs cannot be mounted here (" << pripojeni.err
                 << "); EveryExportFailsWholeOnAShortWrite injects the full disk instead";
  const auto odpojeni = qScopeGuard([&plny] { Spust("umount", {plny.path()}); });
  for (const auto& v : kVystupy) WriteBytes(plny.filePath(QStringLiteral("stary.") + v.pripona), "puvodni");
  Spust("dd", {"if=/dev/zero", "of=" + plny.filePath(QStringLiteral("vypln")), "bs=4096"});  // to its last block
  const QStringList pred = Jmena(plny.path());
  for (const auto& v : kVystupy) {
    SCOPED_TRACE(v.pripona);
    const QString cil = plny.filePath(QStringLiteral("stary.") + v.pripona);
    const Vysledek r = Trivex({"--export", cil, soubory.back().second});
    EXPECT_EQ(2, r.kod);
    EXPECT_NE(std::string::npos, r.err.find("stary." + std::string(v.pripona))) << r.err;
    EXPECT_EQ("puvodni", ReadBytes(cil));
    EXPECT_EQ(pred, Jmena(plny.path()));
  }
}

// The same full disk where no file system can be mounted: every writer sees its data cut
// short, reports it, and leaves the old file whole with nothing beside it.
TEST_F(Exchange, EveryExportFailsWholeOnAShortWrite) {
  Otevri(soubory.back().second);
  for (const auto& v : kVystupy) {
    SCOPED_TRACE(v.pripona);
    const QString cil = Soubor(QStringLiteral("stary.") + v.pripona);
    WriteBytes(cil, "puvodni");
    const QStringList pred = Jmena(Soubor(QStringLiteral(".")));
    SimulujChybuZapisu(TSimulaceZapisu::kratkyZapis);
    const QString chyba = v.zapis(cil);
    SimulujChybuZapisu(TSimulaceZapisu::zadne);
    EXPECT_TRUE(chyba.contains(QStringLiteral("stary.") + v.pripona)) << chyba.toStdString();
    EXPECT_EQ("puvodni", ReadBytes(cil));
    EXPECT_EQ(pred, Jmena(Soubor(QStringLiteral("."))));
  }
}
