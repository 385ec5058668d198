// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Import: the source is read whole, checked by the one conversion every format shares,
// laid out by Graphviz when it has no positions, and written by the graph file's own
// writer, which replaces the target only once it is complete.
#include "exchange/Import.h"

#include "exchange/PripravaDot.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Cesty.h"
#include "platform/Cp1250.h"
#include "platform/SysUtils.h"

#include <QFile>
#include <QFileInfo>

#include <cgraph.h>
#include <gvc.h>

#include <memory>

// cgraph exports the scanner's reset, which its own parser uses after an error, without
// declaring it.
extern "C" void aglexbad(void);

namespace {

// Graphviz reports through a global function; its texts are kept for the message
// instead of going to standard error.
QString& ZpravyGraphvizu() {
  static QString zpravy;
  return zpravy;
}

int ZachytZpravu(char* text) {
  ZpravyGraphvizu() += QString::fromUtf8(text);
  return 0;
}

struct tzachyceni {
  tzachyceni() : predchozi(agseterrf(ZachytZpravu)) {
    ZpravyGraphvizu().clear();
    agreseterrors();
  }
  ~tzachyceni() { agseterrf(predchozi); }
  agusererrf predchozi;
};

// Anything Graphviz reported while reading: errors it recovered from still leave a
// graph that is not what the file says.
bool Chybovalo() {
  return agerrors() > 0 || !ZpravyGraphvizu().trimmed().isEmpty();
}

QString NeplatnyDot() {
  QString proc = ZpravyGraphvizu().simplified();
  // For bytes that are not text at all Graphviz names no reason, or quotes them garbled.
  if (proc.isEmpty() || proc.contains(QLatin1String("(null)")) || proc.contains(QChar::ReplacementCharacter))
    return QStringLiteral("soubor neni platny DOT (neni to text grafu Graphvizu)");
  constexpr int kNejdelsi = 200;
  if (proc.size() > kNejdelsi) proc = proc.left(kNejdelsi) + QStringLiteral("...");
  return QStringLiteral("neplatny DOT: ") + proc;
}

// The source as Graphviz's reader takes it: a line at a time, as from a file.
struct tvstupDot {
  const QByteArray& data;
  int pozice = 0;
};

int CtiRadek(void* kanal, char* kam, int kolik) {
  tvstupDot& vstup = *static_cast<tvstupDot*>(kanal);
  int n = 0;
  while (n < kolik && vstup.pozice < vstup.data.size()) {
    const char c = vstup.data[vstup.pozice++];
    kam[n++] = c;
    if (c == '\n') break;
  }
  return n;
}

struct tzavriGraf {
  void operator()(Agraph_t* g) const { agclose(g); }
};
using tgrafGraphvizu = std::unique_ptr<Agraph_t, tzavriGraf>;

// cgraph's attribute names are writable C strings in this version of its interface.
std::optional<QString> Atribut(void* objekt, const char* jmeno) {
  char nazev[32];
  qstrncpy(nazev, jmeno, sizeof nazev);
  const char* hodnota = agget(objekt, nazev);
  if (!hodnota || !*hodnota) return std::nullopt;
  return QString::fromUtf8(hodnota);
}

// The reader turns \" into a quote but keeps a doubled backslash doubled; texts are
// written with backslashes doubled, as Graphviz's own labels take them.
std::optional<QString> Text(void* objekt, const char* jmeno) {
  std::optional<QString> text = Atribut(objekt, jmeno);
  if (text) text->replace(QLatin1String("\\\\"), QLatin1String("\\"));
  return text;
}

bool MaAtributVrcholu(Agraph_t* g, const char* jmeno) {
  char nazev[32];
  qstrncpy(nazev, jmeno, sizeof nazev);
  return agattr(g, AGNODE, nazev, nullptr) != nullptr;
}

}  // namespace

QString CtiDot(const QByteArray& zdroj, tciziGraf& g) {
  QByteArray data = zdroj;
  const QString meze = PripravDot(data);
  if (!meze.isEmpty()) return meze;
  const tzachyceni zachyceni;
  tvstupDot vstup{data};
  Agiodisc_t io = AgIoDisc;
  io.afread = CtiRadek;
  Agdisc_t disc = {&AgMemDisc, &AgIdDisc, &io};
  // The scanner keeps what it read ahead of the last file and counts its lines on:
  // start afresh.
  aglexbad();
  agreadline(1);
  const tgrafGraphvizu dot(agread(&vstup, &disc));
  if (Chybovalo()) return NeplatnyDot();
  if (!dot) return QStringLiteral("soubor neobsahuje graf DOT");
  // The reader stops after the first graph; what follows is read too, so that a second
  // graph or stray text refuses the file instead of being left out silently.
  const tgrafGraphvizu dalsi(agread(&vstup, &disc));
  if (dalsi) return QStringLiteral("soubor obsahuje vic nez jeden graf DOT, Trivex cte jen jeden");
  if (Chybovalo()) return QStringLiteral("za grafem DOT nasleduji dalsi data: ") + NeplatnyDot();
  Agraph_t* G = dot.get();
  g.orientovany = agisdirected(G);
  g.osaYNahoru = true;
  const bool komentare = MaAtributVrcholu(G, "komentar");
  for (Agnode_t* n = agfstnode(G); n; n = agnxtnode(G, n)) {
    if (int(g.vrcholy.size()) == kNejviceVrcholu) return PrilisMnoho();
    tciziVrchol v;
    v.jmeno = QString::fromUtf8(agnameof(n));
    if (komentare) {
      v.popis = Text(n, "komentar").value_or(QString());
    } else if (const auto label = Text(n, "label"); label && *label != QLatin1String("\\N")) {
      v.popis = label;
    }
    v.hodnota = Atribut(n, "hodnota");
    if (const auto pos = Atribut(n, "pos")) {
      QString text = *pos;
      if (text.endsWith(QLatin1Char('!'))) text.chop(1);
      const QStringList xy = text.split(QLatin1Char(','));
      v.x = xy.value(0);
      v.y = xy.size() >= 2 ? xy.value(1) : QString();
    }
    g.vrcholy.push_back(v);
  }
  for (Agnode_t* n = agfstnode(G); n; n = agnxtnode(G, n))
    for (Agedge_t* e = agfstout(G, n); e; e = agnxtout(G, e))
      g.hrany.push_back({QString::fromUtf8(agnameof(agtail(e))), QString::fromUtf8(agnameof(aghead(e))),
                         Atribut(e, "weight")});
  return QString();
}

QString RozmistiGraf(tnovyGraf& novy) {
  const tzachyceni zachyceni;
  // One context for the whole process: Graphviz 2.42 keeps text sizes in a cache that
  // a freed context leaves pointing at freed memory, which a second layout would read.
  static GVC_t* const gvc = gvContext();
  char jmeno[] = "trivex";
  const tgrafGraphvizu rozvrh(agopen(jmeno, Agundirected, nullptr));
  if (!gvc || !rozvrh) return QStringLiteral("Graphviz nelze spustit");
  std::vector<Agnode_t*> uzly(std::size_t(novy.n) + 1);
  for (int i = 1; i <= novy.n; ++i) {
    QByteArray nazev = QByteArray::number(i);
    uzly[std::size_t(i)] = agnode(rozvrh.get(), nazev.data(), 1);
  }
  for (int i = 1; i <= novy.n; ++i)
    for (int j = i + 1; j <= novy.n; ++j)
      if (novy.delky[std::size_t(i)][std::size_t(j)] != 0.0)
        agedge(rozvrh.get(), uzly[std::size_t(i)], uzly[std::size_t(j)], nullptr, 1);
  if (gvLayout(gvc, rozvrh.get(), "neato") != 0)
    return QStringLiteral("Graphviz nedokazal graf rozmistit: ") + ZpravyGraphvizu().simplified();
  novy.x.clear();
  novy.y.clear();
  for (int i = 1; i <= novy.n; ++i) {
    novy.x.push_back(ND_coord(uzly[std::size_t(i)]).x);
    novy.y.push_back(-ND_coord(uzly[std::size_t(i)]).y);  // Graphviz counts upwards
  }
  gvFreeLayout(gvc, rozvrh.get());
  VlozDoPlatna(novy.x, novy.y, true);
  return QString();
}

QString Importuj(const QString& zdroj, const QString& cil, QStringList& varovani) {
  const QString pripona = QFileInfo(zdroj).suffix().toLower();
  QString (*const cteni)(const QByteArray&, tciziGraf&) = pripona == QLatin1String("graphml") ? CtiGraphML
                                                          : pripona == QLatin1String("dot")   ? CtiDot
                                                          : pripona == QLatin1String("txt")   ? CtiSeznamHran
                                                                                              : nullptr;
  if (!cteni) return QStringLiteral("%1: Trivex cte jen .graphml, .dot a .txt").arg(zdroj);

  QFile soubor(zdroj);
  if (!QFileInfo(zdroj).isFile()) return QStringLiteral("%1: soubor neexistuje").arg(zdroj);
  if (!soubor.open(QIODevice::ReadOnly)) return QStringLiteral("%1: soubor nelze precist").arg(zdroj);
  if (soubor.size() > kNejvetsiZdroj) return QStringLiteral("%1: soubor je prilis velky").arg(zdroj);
  const QByteArray data = soubor.read(kNejvetsiZdroj + 1);
  if (soubor.error() != QFile::NoError) return QStringLiteral("%1: soubor nelze precist").arg(zdroj);

  tciziGraf cizi;
  tnovyGraf novy;
  QString chyba = cteni(data, cizi);
  if (chyba.isEmpty()) chyba = PrevedCiziGraf(cizi, novy, varovani);
  if (chyba.isEmpty() && novy.x.empty()) chyba = RozmistiGraf(novy);
  if (!chyba.isEmpty()) return zdroj + QStringLiteral(": ") + chyba;

  const TDavkaZmen davka(graf);
  graf.Clear();
  graf.Init(std::uint8_t(novy.n));
  for (std::uint8_t i = 1; i <= novy.n; ++i) {
    graf.SetX(i, std::int32_t(novy.x[i - 1u]));
    graf.SetY(i, std::int32_t(novy.y[i - 1u]));
    graf.SetText(i, novy.komentare[i - 1u]);
    graf.SetHodnota(i, novy.hodnoty[i - 1u]);
    for (std::uint8_t j = 1; j <= novy.n; ++j) graf.SetHrana(i, j, novy.delky[i][j]);
  }
  return UlozGrafDo(cil);
}

QString UlozGrafDo(const QString& cil, const tgraf& g) {
  const std::string jmeno = CestaProgramu(cil);
  if (jmeno.empty()) return QStringLiteral("%1: cesta obsahuje znaky, ktere Windows-1250 nema").arg(cil);
  try {
    UlozGraf(g, jmeno);
  } catch (const EInOutError& e) {
    return QString::fromStdString(Cp1250ToUtf8(e.what()));
  }
  return QString();
}
