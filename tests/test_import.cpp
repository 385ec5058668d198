// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Hostile and unlucky sources through the whole import: each is refused with a message
// a person understands and the target left alone, or imported within bounds, with a
// warning for what was changed. (The costs themselves are measured in bench/.)
#include "exchange/Import.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Cesty.h"
#include "platform/SysUtils.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray GraphML(const QByteArray& klice, const QByteArray& telo) {
  return "<graphml>" + klice + "<graph><node id='a'/><node id='b'/>" + telo + "</graph></graphml>";
}

const QByteArray kKomentar = "<key id='k' for='node' attr.name='komentar'>";
const QByteArray kVrcholy15 = "a b c d e f g h i j k l m n o";

struct Import : ::testing::Test {
  // Imports the bytes as a source with the extension; the target held "puvodni" before.
  QString Importuj(const char* pripona, const QByteArray& obsah) {
    const QString zdroj = dir.filePath(QStringLiteral("zdroj.") + pripona);
    WriteBytes(zdroj, obsah.toStdString());
    WriteBytes(cil(), "puvodni");
    varovani.clear();
    const QString chyba = ::Importuj(zdroj, cil(), varovani);
    return chyba.isEmpty() ? QString() : chyba.mid(zdroj.size() + 2);
  }
  QString cil() const { return dir.filePath(QStringLiteral("cil.grf")); }
  void TearDown() override { ZrusGraf(); }
  QTemporaryDir dir;
  QStringList varovani;
};

// What would crash the program, import a part of a file, or run for seconds and take
// gigabytes is refused before it costs much, with the target as it was.
TEST_F(Import, HostileSourcesAreRefusedWithAMessageAndTheTargetKept) {
  const struct { const char* nazev; const char* pripona; QByteArray obsah; const char* zprava; } cases[] = {
      {"60 000 elements nested in data", "graphml",
       GraphML(kKomentar + "</key>", "<node id='c'><data key='k'>" + QByteArray("<x>").repeated(60000) + "</data></node>"),
       "neplatny GraphML na radku 1: prvky jsou vnoreny hloubeji nez 100"},
      {"60 000 elements nested in a default", "graphml",
       GraphML(kKomentar + "<default>" + QByteArray("<x>").repeated(60000) + "</default></key>", ""),
       "neplatny GraphML na radku 1: prvky jsou vnoreny hloubeji nez 100"},
      {"entities", "graphml",
       "<!DOCTYPE graphml [<!ENTITY e '" + QByteArray(4000, 'x') + "'>]>" +
           GraphML(kKomentar + "</key>", "<node id='c'><data key='k'>" + QByteArray("&e;").repeated(10000) + "</data></node>"),
       "radek 1: GraphML s deklaracemi entit (<!ENTITY) Trivex necte"},
      {"40 000 attributes", "graphml",
       [] { QByteArray a; for (int i = 0; i < 40000; ++i) a += " a" + QByteArray::number(i) + "=''"; return "<graphml><graph" + a + "/></graphml>"; }(),
       "radek 1: prvek GraphML ma vic nez 100 atributu"},
      {"an entity hidden from a scan by a quote in an instruction", "graphml",
       "<!DOCTYPE graphml [<?x ' ?><!ENTITY e 'x'>]>" + GraphML("", ""),
       "radek 1: GraphML s deklaracemi entit (<!ENTITY) Trivex necte"},
      {"larger than the cap", "txt", QByteArray("1 2 3\n").repeated(200000), "soubor je prilis velky"},
      {"braces nested deep", "dot", "graph { a -- b; " + QByteArray(5000, '{') + " c " + QByteArray(5000, '}') + " }",
       "radek 1: DOT je vnoren hloubeji nez 100 zavorek"},
      {"a graph Graphviz read with a warning", "dot", "graph { 1a -- b }",
       "neplatny DOT: Warning: syntax ambiguity - badly delimited number '1a' in line 1 of input splits into two tokens"},
      {"two graphs", "dot", "graph { a -- b }\ngraph { c -- d }\n", "soubor obsahuje vic nez jeden graf DOT, Trivex cte jen jeden"},
      {"data after the graph", "dot", "graph { a -- b }\n}}} !\n",
       "za grafem DOT nasleduji dalsi data: neplatny DOT: Error: syntax error in line 2 near '}'"},
      {"random bytes", "dot", QByteArray("\x8f\x01\xfe\xa0{{\x7f", 7), "soubor neni platny DOT (neni to text grafu Graphvizu)"},
      {"a comment of 900 KB", "dot", "graph { /*" + QByteArray(900000, 'x') + "*/ a -- b }",
       "radek 1: nazev, retezec nebo komentar DOT je delsi nez 8192 bajtu"},
      {"a string of 900 KB", "dot", "graph { a [label=\"" + QByteArray(900000, 'x') + "\"] }",
       "radek 1: nazev, retezec nebo komentar DOT je delsi nez 8192 bajtu"},
      {"160 000 concatenations", "dot", "graph { a [label=\"a\"" + QByteArray("+\"a\"").repeated(160000) + "] }",
       "radek 1: DOT spojuje vic nez 1000 retezcu"},
      {"edge sets that multiply", "dot", "graph { " + ("{" + kVrcholy15 + "} -- {" + kVrcholy15 + "}\n").repeated(50) + "}",
       "radek 45: prikazy DOT tvori vic nez 10000 hran"},
      {"a NUL byte in an edge list", "txt", QByteArray("1 2 3\n1\0 2 3\n", 12), "radek 2: soubor obsahuje nulovy bajt, seznam hran je text"},
      {"a NUL byte in DOT", "dot", QByteArray("graph { a -- b }\0 c", 20), "radek 1: soubor obsahuje nulovy bajt, DOT je text"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nazev);
    EXPECT_EQ(std::string(c.zprava), Importuj(c.pripona, c.obsah).toStdString());
    EXPECT_EQ("puvodni", ReadBytes(cil()));
  }
}

// A field quoted in a message is shown by its start, whatever its length.
TEST_F(Import, MessagesQuoteOnlyTheStartOfAField) {
  const QByteArray cislo(500000, '7');
  const struct { const char* nazev; const char* pripona; QByteArray obsah; QString zprava; } cases[] = {
      {"a long number", "txt", "1 2 x" + cislo + "\n",
       "hrana '1' - '2' ma delku 'x" + QString(39, QLatin1Char('7')) + "...', ktera neni cislo"},
      {"a long vertex name", "graphml",
       "<graphml><graph><node id='" + cislo + "'/><node id='" + cislo + "'/></graph></graphml>",
       "vrchol '" + QString(40, QLatin1Char('7')) + "...' je zadan dvakrat"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.zprava.toStdString(), Importuj(c.pripona, c.obsah).toStdString()) << c.nazev;
}

// What can be read is read: the byte order mark some editors write, a strict graph's
// repeated edges by the one rule every source follows, a long comment cut to what a
// window can show, each change with its warning.
TEST_F(Import, UnusualButHarmlessSourcesAreImportedWithAWarning) {
  const struct { const char* nazev; const char* pripona; QByteArray obsah; QStringList varovani; double delka; int komentar; } cases[] = {
      {"DOT with a byte order mark", "dot", "\xEF\xBB\xBFgraph { a -- b [weight=2] }", {}, 2.0, 1},
      {"strict graph with a repeated edge", "dot", "strict graph { a -- b [weight=3]; b -- a [weight=1]; a -- b [weight=2] }",
       {"hrana 'a' - 'b' je zadana 3krat, ponechavam nejkratsi delku 1"}, 1.0, 1},
      {"a comment full of '='", "graphml",
       GraphML(kKomentar + "</key>", "").replace("<node id='a'/>", "<node id='a'><data key='k'>a " + QByteArray(150, '=') + "</data></node>"),
       {}, 0.0, 152},
      {"a comment of 1500 characters", "graphml",
       GraphML(kKomentar + "</key>", "").replace("<node id='a'/>", "<node id='a'><data key='k'>" + QByteArray(1500, 'k') + "</data></node>"),
       {"komentar vrcholu 'a' je delsi nez 1000 znaku, je zkracen"}, 0.0, 1000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nazev);
    EXPECT_EQ("", Importuj(c.pripona, c.obsah).toStdString());
    EXPECT_EQ(c.varovani.join(QLatin1Char('|')).toStdString(), varovani.join(QLatin1Char('|')).toStdString());
    ZrusGraf();
    SetJmenoSouboru(CestaProgramu(cil()));
    ASSERT_EQ(0, NactiGraf());
    EXPECT_EQ(c.delka, graf.GetHrana(1, 2));
    EXPECT_EQ(std::size_t(c.komentar), graf.GetText(1).size());
  }
}

}  // namespace
