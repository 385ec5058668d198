// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The command line as a user meets it: the built program run without a display, its
// commands telling exactly what the window tells, its refusals, and its manual page.
#include "test_cli_proces.h"

#include "classroom/Obraz.h"
#include "platform/Cp1250.h"

#include <QImage>
#include <QRegularExpression>

#include <algorithm>

class CommandLine : public SGrafy {};

// A fresh window, the file opened by "Otevri", the tab clicked, the button clicked: the boxes'
// texts in order, then the output line, all in UTF-8, and the canvas saved as the window shows
// it, with the labels asked for over it.
TEST_F(CommandLine, RunPrintsTheBoxesAndTheOutputLineAndSavesTheCanvasTheWindowShows) {
  // The tab -1 is the face right after opening.
  const struct { const char* prikaz; int zalozka; TButton* TForm1::*tlacitko; TPrekryvy popisky; } kroky[] = {
      {"skore", 1, &TForm1::Button6, {}},              {"kostra", 1, &TForm1::Button7, {true, false}},
      {"kruskal", 2, &TForm1::Button6, {false, true}}, {"jarnik", 2, &TForm1::Button7, {}},
      {"boruvka", 2, &TForm1::Button8, {}},            {"koster", 3, &TForm1::Button6, {}},
      {"komponent", 3, &TForm1::Button7, {}},          {"obarvi", -1, &TForm1::Button10, {}},
  };
  for (const auto& [nazev, cesta] : soubory)
    for (const auto& k : kroky) {
      SCOPED_TRACE(nazev + ", " + k.prikaz);
      FreeProgramWindows();
      CreateProgramWindows();
      ShowActive(Form1);
      answerer.messages.clear();
      Otevri(cesta);
      if (k.zalozka >= 0) Zalozka(k.zalozka);
      Klikni(Form1->*k.tlacitko);
      std::string okno;
      for (const std::string& text : answerer.messages) okno += Cp1250ToUtf8(text) + '\n';
      okno += Cp1250ToUtf8(Form1->Memo1->GetText()) + '\n';

      QStringList args{"--run", k.prikaz, cesta, "--export", Soubor("obraz.png")};
      if (k.popisky.cisla) args << "--cisla";
      if (k.popisky.delky) args << "--delky";
      const Vysledek v = Trivex(args);
      EXPECT_EQ(0, v.kod) << v.err;
      EXPECT_EQ(okno, v.out);
      EXPECT_EQ(ObrazPlatna(k.popisky), QImage(Soubor("obraz.png")).convertToFormat(QImage::Format_RGB32));
    }
}

// Help and version on standard output and exit 0; refused arguments give the reason and the
// usage on standard error and exit 1 (--meritko wants 1 to 8 and a PNG); a file that does not
// open gives the program's message and exit 2. None writes a file.
TEST_F(CommandLine, ArgumentsAndFilesGiveTheirExitCodeAndMessage) {
  const QStringList predtim = QDir(dir.path()).entryList(QDir::Files);
  const auto proc = [](const std::string& duvod) { return "trivex: " + duvod + "\nUsage: trivex [SOUBOR]\n"; };
  const auto mimo = [&](const std::string& s) { return proc("--meritko chce cele cislo od 1 do 8, ne '" + s + "'"); };
  // Of exit 0 the start of standard output is given, of exit 1 the start of standard error.
  const struct { const char* nazev; QStringList args; int kod; std::string out, err; } radky[] = {
      {"--help", {"--help"}, 0, "Usage: trivex [SOUBOR]\n", ""},
      {"--version", {"--version"}, 0, "trivex " TRIVEX_VERSION "\n", ""},
      {"unknown option", {"--barvy", "g.grf"}, 1, "", proc("neznama volba 'barvy'")},
      {"unknown command", {"--run", "prim", "g.grf"}, 1, "", proc("neznamy prikaz 'prim'")},
      {"--run without a file", {"--run", "kruskal"}, 1, "", proc("chybi SOUBOR")},
      {"--run without a command", {"--run"}, 1, "", proc("Missing value after '--run'.")},
      {"two files", {"--run", "skore", "g.grf", "h.grf"}, 1, "", proc("prebyvajici argument 'h.grf'")},
      {"unknown kind of export", {"--export", "g.jpg", "g.grf"}, 1, "", proc("neznamy druh souboru 'g.jpg'")},
      {"overlays without a picture", {"--export", "g.dot", "--cisla", "g.grf"}, 1, "",
       proc("--cisla a --delky patri k obrazku .png, .svg nebo .tex")},
      {"overlays alone", {"--delky", "g.grf"}, 1, "", proc("--cisla a --delky patri k --export")},
      {"--import without a target", {"--import", "g.txt"}, 1, "", proc("chybi CIL.grf")},
      {"--import to another kind", {"--import", "g.txt", "g.dot"}, 1, "",
       proc("--import zapisuje jen soubor .grf, ne 'g.dot'")},
      {"--import with --run", {"--import", "g.txt", "--run", "skore", "g.grf"}, 1, "",
       proc("--import nelze spojit s jinymi volbami")},
      {"--meritko 0", {"--export", "m.png", "--meritko", "0", "g.grf"}, 1, "", mimo("0")},
      {"--meritko 9", {"--export", "m.png", "--meritko", "9", "g.grf"}, 1, "", mimo("9")},
      {"--meritko 2x", {"--export", "m.png", "--meritko", "2x", "g.grf"}, 1, "", mimo("2x")},
      {"--meritko with a vector picture", {"--export", "m.svg", "--meritko", "2", "g.grf"}, 1, "",
       proc("--meritko patri k obrazku .png")},
      {"--meritko without --export", {"--meritko", "2", "g.grf"}, 1, "", proc("--meritko patri k --export")},
      {"--meritko with --import", {"--import", "g.txt", "m.grf", "--meritko", "2"}, 1, "",
       proc("--import nelze spojit s jinymi volbami")},
      {"missing file", {"--run", "kruskal", Soubor("chybi.grf"), "--export", Soubor("kopie.graphml")}, 2, "",
       " vami vybrany soubor neexistuje \n"},
  };
  for (const auto& r : radky) {
    SCOPED_TRACE(r.nazev);
    const Vysledek v = Trivex(r.args);
    EXPECT_EQ(r.kod, v.kod);
    EXPECT_EQ(r.out, v.out.substr(0, r.kod == 0 ? r.out.size() : std::string::npos));
    EXPECT_EQ(r.err, v.err.substr(0, r.kod == 1 ? r.err.size() : std::string::npos));
  }
  EXPECT_EQ(predtim, QDir(dir.path()).entryList(QDir::Files));
}

TEST_F(CommandLine, ManualPageIsTheOneMadeFromTheHelp) {
  const QString stranka = Soubor("trivex.1");
  const Vysledek v = Spust(QStringLiteral("bash"), {TRIVEX_ZDROJE "/scripts/make-manpage.sh", TRIVEX_PROGRAM, stranka});
  ASSERT_EQ(0, v.kod) << v.err;
  EXPECT_EQ(ReadBytes(TRIVEX_ZDROJE "/packaging/trivex.1"), ReadBytes(stranka))
      << "run scripts/make-manpage.sh after changing the help";
}

// TikZ draws the tree in the program's maroon and the rest in silver (exports without --run are
// the exchange tests' round trips). A larger PNG is the window's picture at that size. A PDF is one
// A4 page of the canvas drawn as vectors (no raster image in it), with the labels asked for and the
// result line as text a reader can copy.
TEST_F(CommandLine, TikZScaledPngAndPdfForPaper) {
  const QString cesta = soubory[1].second;  // five vertices, connected: a tree of four edges
  const QString pdf = Soubor("k.pdf");
  ASSERT_EQ(0, Trivex({"--run", "kostra", cesta, "--export", Soubor("kostra.tex")}).kod);
  const QString tex = QString::fromStdString(ReadBytes(Soubor("kostra.tex")));
  EXPECT_EQ(4, tex.count(QStringLiteral("\\draw[trivex000080]")));
  EXPECT_EQ(1, tex.count(QStringLiteral("\\draw[trivexc0c0c0]")));
  EXPECT_EQ(5, tex.count(QStringLiteral("circle (2pt)")));
  ASSERT_EQ(0, Trivex({"--run", "kostra", cesta, "--export", Soubor("k.png"), "--meritko", "3", "--delky"}).kod);
  ASSERT_EQ(0, Trivex({"--run", "kostra", cesta, "--export", pdf, "--cisla", "--delky"}).kod);
  Otevri(cesta);
  Zalozka(1);
  Klikni(Form1->Button7);
  EXPECT_EQ(QSize(1707, 1083), QImage(Soubor("k.png")).size());
  EXPECT_EQ(ObrazVMeritku(Zaznamnik().Obraz(), Zaznamnik().Obraz().size(), 3, {false, true}),
            QImage(Soubor("k.png")).convertToFormat(QImage::Format_RGB32));
  const Vysledek info = Spust(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(QString::fromStdString(info.out).contains(QRegularExpression("\nPages: +1\n"))) << info.out;
  EXPECT_NE(std::string::npos, info.out.find(" pts (A4)\n")) << info.out;
  const std::string text = Spust(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out;
  EXPECT_NE(std::string::npos, text.find(Cp1250ToUtf8(Form1->Memo1->GetText()))) << text;
  for (const char* stitek : {"1", "2", "3", "4", "5", "-1.5", "0.25", "1E-6"})
    EXPECT_NE(std::string::npos, text.find(stitek)) << stitek << " in " << text;
  // pdfimages lists a header of two lines and one line per embedded raster image.
  const Vysledek obrazky = Spust(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
  EXPECT_EQ(2, std::count(obrazky.out.begin(), obrazky.out.end(), '\n')) << obrazky.out;
  const QString chybi = Soubor("chybi/k.pdf");
  const Vysledek v = Trivex({"--export", chybi, cesta});
  EXPECT_EQ(2, v.kod);
  EXPECT_EQ(0u, v.err.find(("trivex: PDF nelze uložit do souboru " + chybi + ": ").toStdString())) << v.err;
  EXPECT_FALSE(QFileInfo::exists(chybi));
}
