// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// One table of options and one of commands feed the parser, the help text and, through
// help2man, the manual page, so that the three cannot tell different stories.
#include "cli/Volby.h"

#include "classroom/Obraz.h"
#include "cviceni/Priklady.h"
#include "windows/main.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

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
    {{"priklad"}, "N|A-B", "misto SOUBOR vygenerovany priklad N (1 az 999999), nebo rozsah A-B s --export SLOZKA/",
     "instead of SOUBOR the generated example N (1 to 999999), or the range A-B with --export SLOZKA/"},
    {{"vrcholu"}, "V", "pocet vrcholu prikladu, 4 az 10 (vychozi 7)",
     "the number of the example's vertices, 4 to 10 (default 7)"},
    {{"meritko"}, "N", "obrazek .png N-krat vetsi nez platno (1 az 8)",
     "a .png picture N times the size of the canvas (1 to 8)"},
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
const char* const kObrazky[] = {"png", "svg", "tex", "pdf"};
const char* const kExporty[] = {"grf", "graphml", "dot", "txt", "png", "svg", "tex", "pdf"};
const char* const kRastry[] = {"png"};

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

// --priklad takes the place of SOUBOR. A range goes to a folder (a path ending in '/' or an
// existing directory) as worksheets: the graph, its picture and its answer key each.
TVolby Priklady(const QCommandLineParser& parser, TVolby volby, bool beh, const QStringList& zbytek) {
  const QString priklad = parser.value(QStringLiteral("priklad"));
  const QRegularExpressionMatch cisla =
      QRegularExpression(QStringLiteral("^([0-9]{1,6})(?:-([0-9]{1,6}))?$")).match(priklad);
  volby.prikladOd = cisla.hasMatch() ? cisla.captured(1).toInt() : 0;
  volby.prikladDo = cisla.hasMatch() && cisla.lastCapturedIndex() == 2 ? cisla.captured(2).toInt() : volby.prikladOd;
  if (volby.prikladOd < 1 || volby.prikladDo < volby.prikladOd || volby.prikladDo > kNejvetsiCisloPrikladu)
    return Odmitni(QStringLiteral("cislo prikladu '%1' neni N ani A-B (1 az %2, A nejvyse B)")
                       .arg(priklad)
                       .arg(kNejvetsiCisloPrikladu));
  volby.vrcholu = kVychoziVrcholuPrikladu;
  if (parser.isSet(QStringLiteral("vrcholu"))) {
    bool cislo = false;
    volby.vrcholu = parser.value(QStringLiteral("vrcholu")).toInt(&cislo);
    if (!cislo || volby.vrcholu < kNejmeneVrcholuPrikladu || volby.vrcholu > kNejviceVrcholuPrikladu)
      return Odmitni(QStringLiteral("pocet vrcholu '%1' neni %2 az %3")
                         .arg(parser.value(QStringLiteral("vrcholu")))
                         .arg(kNejmeneVrcholuPrikladu)
                         .arg(kNejviceVrcholuPrikladu));
  }
  if (!zbytek.isEmpty()) return Odmitni(QStringLiteral("--priklad nahrazuje SOUBOR, '%1' je navic").arg(zbytek.first()));
  if (!beh) return Odmitni(QStringLiteral("--priklad patri k --run nebo --export"));
  volby.sada = volby.cil.endsWith(QLatin1Char('/')) || (!volby.cil.isEmpty() && QFileInfo(volby.cil).isDir());
  if (parser.isSet(QStringLiteral("run")) && !NajdiPrikaz(volby.prikaz))
    return Odmitni(QStringLiteral("neznamy prikaz '%1'").arg(volby.prikaz));
  if (volby.sada && parser.isSet(QStringLiteral("run")))
    return Odmitni(QStringLiteral("sada pracovnich listu uz obsahuje klic; --run patri k jednomu prikladu"));
  if (!volby.sada && volby.prikladDo != volby.prikladOd)
    return Odmitni(QStringLiteral("rozsah prikladu se zapisuje do slozky: --export SLOZKA/"));
  if (!volby.sada && !volby.cil.isEmpty() && !MaPriponu(volby.cil, kExporty))
    return Odmitni(QStringLiteral("neznamy druh souboru '%1'").arg(volby.cil));
  if (!volby.sada && (volby.cisla || volby.delky) && !MaPriponu(volby.cil, kObrazky))
    return Odmitni(QStringLiteral("--cisla a --delky patri k obrazku .png, .svg nebo .tex"));
  volby.rezim = TVolby::Beh;
  return volby;
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
  if (parser.isSet(QStringLiteral("meritko")) && !MaPriponu(volby.cil, kRastry))
    return Odmitni(QStringLiteral("--meritko patri k obrazku .png"));
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
  const bool meritko = parser.isSet(QStringLiteral("meritko"));
  if (meritko) {
    bool cislo = false;
    volby.meritko = parser.value(QStringLiteral("meritko")).toInt(&cislo);
    if (!cislo || volby.meritko < 1 || volby.meritko > kNejvetsiMeritko)
      return Odmitni(QStringLiteral("--meritko chce cele cislo od 1 do %1, ne '%2'")
                         .arg(kNejvetsiMeritko)
                         .arg(parser.value(QStringLiteral("meritko"))));
  }

  if (parser.isSet(QStringLiteral("import"))) {
    if (meritko || parser.isSet(QStringLiteral("priklad")) || parser.isSet(QStringLiteral("vrcholu")))
      return Odmitni(QStringLiteral("--import nelze spojit s jinymi volbami"));
    return VolbyImportu(volby, zbytek, beh);
  }
  if (parser.isSet(QStringLiteral("priklad"))) return Priklady(parser, volby, beh, zbytek);
  if (parser.isSet(QStringLiteral("vrcholu"))) return Odmitni(QStringLiteral("--vrcholu patri k --priklad"));
  if (!beh) {
    if (volby.cisla || volby.delky) return Odmitni(QStringLiteral("--cisla a --delky patri k --export"));
    if (meritko) return Odmitni(QStringLiteral("--meritko patri k --export"));
    return volby;  // the window, with the arguments as they came
  }
  return VolbyBehu(volby, zbytek, parser);
}

QString Pouziti() {
  return QStringLiteral(
      "Usage: trivex [SOUBOR]\n"
      "  or:  trivex --run PRIKAZ SOUBOR [--export CIL [--cisla] [--delky] [--meritko N]]\n"
      "  or:  trivex --export CIL [--cisla] [--delky] [--meritko N] SOUBOR\n"
      "  or:  trivex --import ZDROJ CIL.grf\n"
      "  or:  trivex --priklad N [--vrcholu V] [--run PRIKAZ] [--export CIL [--cisla] [--delky] [--meritko N]]\n"
      "  or:  trivex --priklad A-B [--vrcholu V] --export SLOZKA/\n");
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
      "  .pdf                  platno a radek vysledku na strance A4 / the canvas and the\n"
      "                        result line on an A4 page\n"
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
      "                        (a graph from networkx or another program)\n"
      "  trivex --priklad 12 --vrcholu 8 --run kruskal\n"
      "                        klic k prikladu 12 s 8 vrcholy\n"
      "                        (the answer key of example 12 with 8 vertices)\n"
      "  trivex --priklad 1-30 --vrcholu 8 --export listy/\n"
      "                        pro kazde K priklad-K.grf, priklad-K.png (cisla a delky)\n"
      "                        a priklad-K.txt (vypis --run kruskal, jarnik a boruvka)\n"
      "                        (for each K the graph, its picture with numbers and\n"
      "                        lengths, and its answer key: the three methods' output)\n");
  return text;
}

QString Verze() {
  return QStringLiteral("trivex " TRIVEX_VERSION "\n");
}
