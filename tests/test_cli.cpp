// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The command line as a user meets it: the built program run without a display, its
// commands telling exactly what the window tells, its refusals, and its manual page.
#include "test_cli_proces.h"

#include "platform/Cp1250.h"

#include <QFile>
#include <QImage>

class CommandLine : public ProgramWindow {
protected:
  QString Graf(const GrafTestu& g) {
    const QString cesta = Soubor(QString::fromLatin1(g.nazev).replace(' ', '_') + ".grf");
    if (!QFile::exists(cesta)) ZapisGraf(cesta, g.vrcholy, g.hrany);
    return cesta;
  }
};

// A fresh window, the file opened by "Otevri", the tab clicked, the button clicked:
// the boxes' texts in order, then the output line, all in UTF-8.
struct KrokOkna {
  const char* prikaz;
  int zalozka;  // -1: the face right after opening
  TButton* TForm1::*tlacitko;
};

TEST_F(CommandLine, RunPrintsTheBoxesAndTheOutputLineTheWindowShows) {
  const KrokOkna kroky[] = {
      {"skore", 1, &TForm1::Button6},   {"kostra", 1, &TForm1::Button7},   {"kruskal", 2, &TForm1::Button6},
      {"jarnik", 2, &TForm1::Button7},  {"boruvka", 2, &TForm1::Button8},  {"koster", 3, &TForm1::Button6},
      {"komponent", 3, &TForm1::Button7}, {"obarvi", -1, &TForm1::Button10},
  };
  const std::vector<GrafTestu> grafy = GrafyTestu();
  for (const GrafTestu& g : grafy) Graf(g);  // while graf is empty, before any is opened
  for (const GrafTestu& g : grafy) {
    const QString cesta = Graf(g);
    for (const KrokOkna& k : kroky) {
      SCOPED_TRACE(std::string(g.nazev) + ", " + k.prikaz);
      FreeProgramWindows();
      CreateProgramWindows();
      ShowActive(Form1);
      answerer.messages.clear();
      Otevri(cesta);
      if (k.zalozka >= 0) Zalozka(k.zalozka);
      Klikni(Form1->*k.tlacitko);
      std::vector<std::string> okno;
      for (const std::string& text : answerer.messages) okno.push_back(Cp1250ToUtf8(text));
      okno.push_back(Cp1250ToUtf8(Form1->Memo1->GetText()));

      const Vysledek v = Trivex({"--run", k.prikaz, cesta});
      EXPECT_EQ(0, v.kod) << v.err;
      EXPECT_EQ(okno, Radky(v.out));
    }
  }
}

TEST_F(CommandLine, HelpVersionAndRunNeedNoDisplay) {
  const QString cesta = Graf(GrafyTestu()[0]);
  const struct {
    const char* nazev;
    QStringList args;
    std::string zacatek;  // of standard output
  } radky[] = {
      {"--help", {"--help"}, "Usage: trivex [SOUBOR]\n"},
      {"-h", {"-h"}, "Usage: trivex [SOUBOR]\n"},
      {"--version", {"--version"}, "trivex " TRIVEX_VERSION "\n"},
      {"-v", {"-v"}, "trivex " TRIVEX_VERSION "\n"},
      {"--run", {"--run", "kostra", cesta}, "Nejkratsi kostra ma delku : 6\n"},
  };
  for (const auto& r : radky) {
    SCOPED_TRACE(r.nazev);
    const Vysledek v = Trivex(r.args);
    EXPECT_EQ(0, v.kod);
    EXPECT_EQ(r.zacatek, v.out.substr(0, r.zacatek.size()));
    EXPECT_EQ("", v.err);
  }
}

TEST_F(CommandLine, RefusedArgumentsPrintTheUsageAndExitOne) {
  const QString cesta = Graf(GrafyTestu()[0]);
  const struct {
    const char* nazev;
    QStringList args;
    std::string duvod;
  } radky[] = {
      {"unknown option", {"--barvy", cesta}, "trivex: neznama volba 'barvy'\n"},
      {"unknown command", {"--run", "prim", cesta}, "trivex: neznamy prikaz 'prim'\n"},
      {"--run without a file", {"--run", "kruskal"}, "trivex: chybi SOUBOR\n"},
      {"--run without a command", {"--run"}, "trivex: Missing value after '--run'.\n"},
      {"two files", {"--run", "skore", cesta, cesta}, "trivex: prebyvajici argument '" + cesta.toStdString() + "'\n"},
      {"unknown kind of export", {"--export", Soubor("g.jpg"), cesta}, "trivex: neznamy druh souboru '" +
                                                                          Soubor("g.jpg").toStdString() + "'\n"},
      {"overlays without a picture", {"--export", Soubor("g.dot"), "--cisla", cesta},
       "trivex: --cisla a --delky patri k obrazku .png, .svg nebo .tex\n"},
      {"overlays alone", {"--delky", cesta}, "trivex: --cisla a --delky patri k --export\n"},
      {"--import without a target", {"--import", Soubor("g.txt")}, "trivex: chybi CIL.grf\n"},
      {"--import to another kind", {"--import", Soubor("g.txt"), Soubor("g.dot")},
       "trivex: --import zapisuje jen soubor .grf, ne '" + Soubor("g.dot").toStdString() + "'\n"},
      {"--import with --run", {"--import", Soubor("g.txt"), "--run", "skore", Soubor("g.grf")},
       "trivex: --import nelze spojit s jinymi volbami\n"},
  };
  for (const auto& r : radky) {
    SCOPED_TRACE(r.nazev);
    const Vysledek v = Trivex(r.args);
    EXPECT_EQ(1, v.kod);
    EXPECT_EQ("", v.out);
    EXPECT_EQ(r.duvod + "Usage: trivex [SOUBOR]", v.err.substr(0, r.duvod.size() + 22));
  }
  EXPECT_FALSE(QFile::exists(Soubor("g.dot")));
}

TEST_F(CommandLine, AFileThatDoesNotOpenGivesTheProgramsMessageExitTwoAndWritesNothing) {
  WriteBytes(Soubor("text.grf"), "dva\r\n");
  const struct {
    const char* nazev;
    QString soubor;
    std::string zprava;
  } radky[] = {
      {"missing", Soubor("chybi.grf"), " vami vybrany soubor neexistuje \n"},
      {"not a graph", Soubor("text.grf"), " vami vybrany soubor obsahuje data negrafu \n"},
  };
  for (const auto& r : radky) {
    SCOPED_TRACE(r.nazev);
    const Vysledek v = Trivex({"--run", "kruskal", r.soubor, "--export", Soubor("kopie.graphml")});
    EXPECT_EQ(2, v.kod);
    EXPECT_EQ("", v.out);
    EXPECT_EQ(r.zprava, v.err);
    EXPECT_FALSE(QFile::exists(Soubor("kopie.graphml")));
  }
}

TEST_F(CommandLine, ManualPageIsTheOneMadeFromTheHelp) {
  const QString stranka = Soubor("trivex.1");
  const Vysledek v = Spust(QStringLiteral("bash"), {TRIVEX_ZDROJE "/scripts/make-manpage.sh", TRIVEX_PROGRAM, stranka});
  ASSERT_EQ(0, v.kod) << v.err;
  EXPECT_EQ(ReadBytes(TRIVEX_ZDROJE "/packaging/trivex.1"), ReadBytes(stranka))
      << "run scripts/make-manpage.sh after changing the help";
}

TEST_F(CommandLine, PicturesShowTheCanvasAfterTheRunAndTikZItsTree) {
  const GrafTestu g = GrafyTestu()[1];  // five vertices, connected: a tree of four edges
  const QString cesta = Graf(g);
  const struct {
    const char* nazev;
    const char* prikaz;  // nullptr: no --run, the picture after opening
    int zalozka;
    TButton* TForm1::*tlacitko;
    bool cisla;
  } radky[] = {
      {"after opening", nullptr, -1, nullptr, false},
      {"after Kruskal", "kruskal", 2, &TForm1::Button6, false},
      {"after the colours", "obarvi", -1, &TForm1::Button10, false},
      {"numbers over the canvas", "kostra", 1, &TForm1::Button7, true},
  };
  for (const auto& r : radky) {
    SCOPED_TRACE(r.nazev);
    FreeProgramWindows();
    CreateProgramWindows();
    ShowActive(Form1);
    Otevri(cesta);
    if (r.zalozka >= 0) Zalozka(r.zalozka);
    if (r.tlacitko) Klikni(Form1->*r.tlacitko);

    QStringList args{"--export", Soubor("obraz.png"), cesta};
    if (r.prikaz) args << "--run" << r.prikaz;
    if (r.cisla) args << "--cisla";
    ASSERT_EQ(0, Trivex(args).kod);
    const QImage obraz(Soubor("obraz.png"));
    ASSERT_EQ(QSize(kSirkaPlatna, kVyskaPlatna), obraz.size());
    int jinak = 0;
    for (int y = 0; y < kVyskaPlatna; ++y)
      for (int x = 0; x < kSirkaPlatna; ++x) {
        const QRgb p = obraz.pixel(x, y);
        jinak += RGB(qRed(p), qGreen(p), qBlue(p)) != Bod(x, y);
      }
    EXPECT_EQ(r.cisla, jinak > 0) << jinak << " pixels differ from the window's canvas";
  }
  // The TikZ picture is the graph as drawn: the tree in the program's maroon, the rest silver.
  ASSERT_EQ(0, Trivex({"--run", "kostra", cesta, "--export", Soubor("kostra.tex")}).kod);
  const QString tex = QString::fromStdString(ReadBytes(Soubor("kostra.tex")));
  EXPECT_EQ(4, tex.count(QStringLiteral("\\draw[trivex000080]")));
  EXPECT_EQ(1, tex.count(QStringLiteral("\\draw[trivexc0c0c0]")));
  EXPECT_EQ(5, tex.count(QStringLiteral("circle (2pt)")));
}
