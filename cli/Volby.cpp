// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// One table of options and one of commands feed the parser, the help text and, through
// help2man, the manual page, so that the three cannot tell different stories.
#include "cli/Volby.h"

#include "windows/main.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

struct TVolba {
  QStringList jmena;
  const char* hodnota;  // name of the value, nullptr for a flag
  const char* cesky;
  const char* anglicky;
};

const TVolba kVolby[] = {
    {{"h", "help"}, nullptr, "vypise tuto napovedu a skonci", "print this help and exit"},
    {{"v", "version"}, nullptr, "vypise verzi a skonci", "print the version and exit"},
    {{"run"}, "PRIKAZ", "otevre SOUBOR, spusti PRIKAZ bez okna, vypise hlaseni a radek vysledku",
     "open SOUBOR, run PRIKAZ headless, print its messages and its result line"},
    {{"export"}, "CIL", "zapise graf (po --run) do CIL, druh podle pripony",
     "write the graph (after --run) to CIL, its kind chosen by the extension"},
    {{"cisla"}, nullptr, "v obrazku ukaze cisla vrcholu", "show vertex numbers in the picture"},
    {{"delky"}, nullptr, "v obrazku ukaze delky hran", "show edge lengths in the picture"},
    {{"import"}, "ZDROJ", "precte graf ze ZDROJ (.graphml, .dot, .txt) a zapise CIL.grf",
     "read a graph from ZDROJ (.graphml, .dot, .txt) and write CIL.grf"},
};

const TPrikazRadky kPrikazy[] = {
    {"skore", 1, &TForm1::Button6, "karta Najdi, Skore", "score (degree sequence)"},
    {"kostra", 1, &TForm1::Button7, "karta Najdi, Nejkratsi kostra", "shortest spanning tree"},
    {"kruskal", 2, &TForm1::Button6, "karta Simulace, Kruskal", "Kruskal's method, step by step"},
    {"jarnik", 2, &TForm1::Button7, "karta Simulace, Jarnik", "Jarnik's method, step by step"},
    {"boruvka", 2, &TForm1::Button8, "karta Simulace, Boruvka", "Boruvka's method, step by step"},
    {"koster", 3, &TForm1::Button6, "karta Pocet, Koster", "number of spanning trees"},
    {"komponent", 3, &TForm1::Button7, "karta Pocet, Komponent", "number of components"},
    {"obarvi", -1, &TForm1::Button10, "tlacitko Obarvi", "identification colours of the vertices"},
};

// The toolkit's own window options, taken here only so that they do not count as
// unknown: the window path hands the untouched arguments to the toolkit.
const struct {
  const char* jmeno;
  bool hodnota;
} kVolbyQt[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"session", true},
    {"display", true}, {"geometry", true}, {"title", true}, {"icon", true}, {"name", true},
    {"style", true}, {"stylesheet", true}, {"qmljsdebugger", true}, {"reverse", false},
    {"nograb", false}, {"dograb", false}, {"widgetcount", false}, {"sync", false},
};

const char* const kGraf[] = {"grf"};
const char* const kObrazky[] = {"png", "svg", "tex"};
const char* const kExporty[] = {"grf", "graphml", "dot", "txt", "png", "svg", "tex"};

template <std::size_t N>
bool MaPriponu(const QString& cesta, const char* const (&pripony)[N]) {
  const QString pripona = QFileInfo(cesta).suffix().toLower();
  for (const char* p : pripony)
    if (pripona == QLatin1String(p)) return true;
  return false;
}

TVolby Rezim(TVolby::TRezim rezim, const QString& chyba = QString()) {
  TVolby volby;
  volby.rezim = rezim;
  volby.chyba = chyba;
  return volby;
}

TVolby Odmitni(const QString& duvod) {
  return Rezim(TVolby::Chyba, duvod);
}

QString Radek(const QString& vlevo, const QString& vpravo) {
  constexpr int kSirka = 24;
  const QString zacatek = QStringLiteral("  ") + vlevo;
  if (zacatek.size() >= kSirka) return zacatek + QLatin1Char('\n') + QString(kSirka, QLatin1Char(' ')) + vpravo + '\n';
  return zacatek.leftJustified(kSirka) + vpravo + '\n';
}

}  // namespace

const TPrikazRadky* NajdiPrikaz(const QString& jmeno) {
  for (const TPrikazRadky& prikaz : kPrikazy)
    if (jmeno == QLatin1String(prikaz.jmeno)) return &prikaz;
  return nullptr;
}

namespace {

// The program's options and, hidden from the help, the toolkit's own, which QApplication takes.
void PridejVolby(QCommandLineParser& parser) {
  // Single-dash words are the toolkit's habit (-platform offscreen); -h and -v still work.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const TVolba& v : kVolby) {
    if (v.hodnota)
      parser.addOption(QCommandLineOption(v.jmena, QString(), QString::fromLatin1(v.hodnota)));
    else
      parser.addOption(QCommandLineOption(v.jmena));
  }
  for (const auto& q : kVolbyQt) {
    QCommandLineOption volba(QString::fromLatin1(q.jmeno));
    if (q.hodnota) volba.setValueName(QStringLiteral("x"));
    volba.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(volba);
  }
}

// --import ZDROJ CIL.grf, alone.
TVolby VolbyImportu(TVolby volby, const QStringList& zbytek, bool beh) {
  if (beh || volby.cisla || volby.delky) return Odmitni(QStringLiteral("--import nelze spojit s jinymi volbami"));
  if (zbytek.isEmpty()) return Odmitni(QStringLiteral("chybi CIL.grf"));
  if (zbytek.size() > 1) return Odmitni(QStringLiteral("prebyvajici argument '%1'").arg(zbytek.at(1)));
  if (!MaPriponu(zbytek.first(), kGraf))
    return Odmitni(QStringLiteral("--import zapisuje jen soubor .grf, ne '%1'").arg(zbytek.first()));
  volby.rezim = TVolby::Import;
  volby.cil = zbytek.first();
  return volby;
}

// --run and --export on one SOUBOR.
TVolby VolbyBehu(TVolby volby, const QStringList& zbytek, const QCommandLineParser& parser) {
  if (parser.isSet(QStringLiteral("run")) && !NajdiPrikaz(volby.prikaz))
    return Odmitni(QStringLiteral("neznamy prikaz '%1'").arg(volby.prikaz));
  if (parser.isSet(QStringLiteral("export")) && !MaPriponu(volby.cil, kExporty))
    return Odmitni(QStringLiteral("neznamy druh souboru '%1'").arg(volby.cil));
  if ((volby.cisla || volby.delky) && !MaPriponu(volby.cil, kObrazky))
    return Odmitni(QStringLiteral("--cisla a --delky patri k obrazku .png, .svg nebo .tex"));
  if (zbytek.isEmpty()) return Odmitni(QStringLiteral("chybi SOUBOR"));
  if (zbytek.size() > 1) return Odmitni(QStringLiteral("prebyvajici argument '%1'").arg(zbytek.at(1)));
  volby.rezim = TVolby::Beh;
  volby.soubor = zbytek.first();
  return volby;
}

}  // namespace

TVolby RozeberVolby(const QStringList& args) {
  QCommandLineParser parser;
  PridejVolby(parser);
  if (!parser.parse(QStringList{QStringLiteral("trivex")} + args)) {
    if (!parser.unknownOptionNames().isEmpty())
      return Odmitni(QStringLiteral("neznama volba '%1'").arg(parser.unknownOptionNames().first()));
    return Odmitni(parser.errorText());
  }

  if (parser.isSet(QStringLiteral("help"))) return Rezim(TVolby::Napoveda);
  if (parser.isSet(QStringLiteral("version"))) return Rezim(TVolby::Verze);

  TVolby volby;
  const QStringList zbytek = parser.positionalArguments();
  volby.prikaz = parser.value(QStringLiteral("run"));
  volby.cil = parser.value(QStringLiteral("export"));
  volby.zdroj = parser.value(QStringLiteral("import"));
  volby.cisla = parser.isSet(QStringLiteral("cisla"));
  volby.delky = parser.isSet(QStringLiteral("delky"));
  const bool beh = parser.isSet(QStringLiteral("run")) || parser.isSet(QStringLiteral("export"));

  if (parser.isSet(QStringLiteral("import"))) return VolbyImportu(volby, zbytek, beh);
  if (!beh) {
    if (volby.cisla || volby.delky) return Odmitni(QStringLiteral("--cisla a --delky patri k --export"));
    return volby;  // the window, with the arguments as they came
  }
  return VolbyBehu(volby, zbytek, parser);
}

QString Pouziti() {
  return QStringLiteral(
      "Usage: trivex [SOUBOR]\n"
      "  or:  trivex --run PRIKAZ SOUBOR [--export CIL [--cisla] [--delky]]\n"
      "  or:  trivex --export CIL [--cisla] [--delky] SOUBOR\n"
      "  or:  trivex --import ZDROJ CIL.grf\n");
}

QString Napoveda() {
  QString text = Pouziti();
  text += QStringLiteral(
      "Vyukovy program pro male ohodnocene neorientovane grafy. Bez voleb otevre okno,\n"
      "a v nem SOUBOR, je-li zadan.\n"
      "A teaching tool for small weighted undirected graphs. Without options it opens\n"
      "the window, with SOUBOR in it if one is given.\n\n"
      "Options:\n");
  for (const TVolba& v : kVolby) {
    QStringList jmena;
    for (const QString& jmeno : v.jmena) jmena << (jmeno.size() == 1 ? "-" : "--") + jmeno;
    QString vlevo = jmena.join(QStringLiteral(", "));
    if (v.hodnota) vlevo += QLatin1Char(' ') + QString::fromLatin1(v.hodnota);
    text += Radek(vlevo, QString::fromLatin1(v.cesky));
    text += Radek(QString(), QStringLiteral("(%1)").arg(QString::fromLatin1(v.anglicky)));
  }
  text += QStringLiteral("\nPrikazy (PRIKAZ) / Commands:\n");
  for (const TPrikazRadky& p : kPrikazy)
    text += Radek(QString::fromLatin1(p.jmeno), QString::fromLatin1(p.cesky) + " / " + QString::fromLatin1(p.anglicky));
  text += QStringLiteral(
      "\nDruhy souboru (pripona CIL) / Kinds of files (extension of CIL):\n"
      "  .grf                  soubor grafu / the graph file\n"
      "  .graphml              GraphML (networkx.read_graphml)\n"
      "  .dot                  Graphviz DOT (dot -Tsvg, neato -n)\n"
      "  .tex                  obrazek TikZ / a standalone TikZ picture\n"
      "  .txt                  seznam hran 'u v delka' / edge list\n"
      "  .png, .svg            platno 569 x 361 / the canvas\n"
      "--import cte .graphml, .dot a .txt, nejvyse 15 vrcholu; bez poloh je rozmisti Graphviz.\n"
      "--import reads .graphml, .dot and .txt, at most 15 vertices; Graphviz lays out a\n"
      "graph that comes without positions.\n\n"
      "Exit status:\n"
      "  0                     hotovo / done\n"
      "  1                     chybne volby / bad arguments\n"
      "  2                     soubor nelze otevrit, precist nebo zapsat / a file cannot be\n"
      "                        opened, read or written\n\n"
      "Examples:\n"
      "  trivex --run kruskal graf.grf\n"
      "                        hlaseni Kruskalova postupu a delka kostry\n"
      "                        (Kruskal's steps and the length of the tree)\n"
      "  trivex --run kostra graf.grf --export kostra.png --cisla --delky\n"
      "                        obrazek nejkratsi kostry s cisly a delkami\n"
      "                        (a picture of the shortest spanning tree, numbered)\n"
      "  trivex --import graf.graphml graf.grf\n"
      "                        graf z networkx nebo jineho programu\n"
      "                        (a graph from networkx or another program)\n");
  return text;
}

QString Verze() {
  return QStringLiteral("trivex " TRIVEX_VERSION "\n");
}
