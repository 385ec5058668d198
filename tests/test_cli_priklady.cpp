// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Generated examples on the command line: one example treated as a graph file, and a class
// set of worksheets whose every file is what the single-example commands give.
#include "test_cli_proces.h"

#include "cviceni/Priklady.h"

namespace {

class Priklady : public ProgramWindow {};

TEST_F(Priklady, WorksheetFolderHoldsWhatTheSingleExampleCommandsGive) {
  const QString listy = Soubor("listy") + QLatin1Char('/');
  const Vysledek sada = Trivex({"--priklad", "4-6", "--vrcholu", "8", "--export", listy});
  ASSERT_EQ(0, sada.kod) << sada.err;
  EXPECT_EQ("", sada.out);
  EXPECT_EQ(9u, QDir(listy).entryList(QDir::Files).size());
  // The last of the range: a set that wrote one example under every name fails here.
  const QString jmeno = listy + QStringLiteral("priklad-6");
  for (const QStringList& args :
       {QStringList{"--export", Soubor("a.grf")}, QStringList{"--export", Soubor("a.png"), "--cisla", "--delky"}}) {
    ASSERT_EQ(0, Trivex(QStringList{"--priklad", "6", "--vrcholu", "8"} + args).kod) << args[1].toStdString();
    EXPECT_EQ(ReadBytes(args[1]), ReadBytes(jmeno + QFileInfo(args[1]).fileName().mid(1))) << args[1].toStdString();
  }
  std::string klic;
  for (const char* prikaz : {"kruskal", "jarnik", "boruvka"}) klic += Trivex({"--priklad", "6", "--vrcholu", "8", "--run", prikaz}).out;
  EXPECT_EQ(klic, ReadBytes(jmeno + ".txt"));
  EXPECT_NE(std::string::npos, klic.find("Nejkratsi kostra ma delku : ")) << klic;
}

TEST_F(Priklady, BadExampleArgumentsAreRefusedAndWriteNothing) {
  const auto proc = [](const std::string& duvod) { return "trivex: " + duvod + "\nUsage: trivex [SOUBOR]\n"; };
  const struct {
    const char* nazev;
    QStringList args;
    std::string err;
  } radky[] = {
      {"number 0", {"--priklad", "0", "--export", Soubor("a.grf")}, proc("cislo prikladu '0' neni N ani A-B (1 az 999999, A nejvyse B)")},
      {"too large", {"--priklad", "1000000", "--export", Soubor("a.grf")}, proc("cislo prikladu '1000000' neni N ani A-B (1 az 999999, A nejvyse B)")},
      {"reversed range", {"--priklad", "5-2", "--export", Soubor("x") + "/"}, proc("cislo prikladu '5-2' neni N ani A-B (1 az 999999, A nejvyse B)")},
      {"not a number", {"--priklad", "sedm", "--export", Soubor("a.grf")}, proc("cislo prikladu 'sedm' neni N ani A-B (1 az 999999, A nejvyse B)")},
      {"three vertices", {"--priklad", "1", "--vrcholu", "3", "--export", Soubor("a.grf")}, proc("pocet vrcholu '3' neni 4 az 10")},
      {"eleven vertices", {"--priklad", "1", "--vrcholu", "11", "--export", Soubor("a.grf")}, proc("pocet vrcholu '11' neni 4 az 10")},
      {"--vrcholu alone", {"--vrcholu", "5", "--export", "a.grf", "g.grf"}, proc("--vrcholu patri k --priklad")},
      {"with a file too", {"--priklad", "1", "--run", "kruskal", "g.grf"}, proc("--priklad nahrazuje SOUBOR, 'g.grf' je navic")},
      {"nothing to do", {"--priklad", "1"}, proc("--priklad patri k --run nebo --export")},
      {"a range to one file", {"--priklad", "1-3", "--export", Soubor("a.grf")}, proc("rozsah prikladu se zapisuje do slozky: --export SLOZKA/")},
      {"with --import", {"--import", "g.txt", "a.grf", "--priklad", "1"}, proc("--import nelze spojit s jinymi volbami")},
      {"a set with a command", {"--priklad", "1-3", "--run", "kruskal", "--export", Soubor("x") + "/"},
       proc("sada pracovnich listu uz obsahuje klic; --run patri k jednomu prikladu")},
  };
  for (const auto& r : radky) {
    SCOPED_TRACE(r.nazev);
    const Vysledek v = Trivex(r.args);
    EXPECT_EQ(1, v.kod);
    EXPECT_EQ(r.err, v.err.substr(0, r.err.size()));
  }
  EXPECT_EQ(QStringList{}, QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot));
}

}  // namespace
