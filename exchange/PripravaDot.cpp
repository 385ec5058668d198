// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// DOT bounded before Graphviz reads it: a scan that cuts the tokens as Graphviz's scanner
// does and refuses what would cost Graphviz far more than the file's size. Needs no
// Graphviz of its own.
#include "exchange/PripravaDot.h"

#include "exchange/Cteni.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace {

constexpr int kNejdelsiSlovo = 8192;     // bytes of one name, string or comment
constexpr int kNejviceSpojeni = 1000;    // string concatenations
constexpr long kNejviceHranDot = 10000;  // edges the edge statements make

// A byte of a bare name or number; '-' only where it starts no edge operator.
bool ZnakNazvu(const QByteArray& d, int i) {
  const auto c = (unsigned char)d[i];
  if (c == '-') return i + 1 >= d.size() || (d[i + 1] != '-' && d[i + 1] != '>');
  return std::isalnum(c) || c == '_' || c == '.' || c >= 0x80;
}

// The scan of a DOT file that PripravDot makes: tokens as Graphviz's scanner cuts them,
// braces as groups of vertices, and for each edge operator the product of the groups on
// either side, which is how many edges Graphviz makes of it.
class tpruzkumDot {
public:
  explicit tpruzkumDot(QByteArray& data) : d(data) {}

  QString Over() {
    for (int i = 0; i < d.size();) {
      const int zacatek = i;
      const char c = d[i];
      const char dalsi = i + 1 < d.size() ? d[i + 1] : '\0';
      bool nazev = true;
      if (std::isspace((unsigned char)c)) {
        ++i;
        continue;
      }
      if (c == '/' && dalsi == '*') {
        const int konec = d.indexOf("*/", i + 2);
        i = konec < 0 ? int(d.size()) : konec + 2;
        nazev = false;
      } else if ((c == '/' && dalsi == '/') || c == '#') {
        const int konec = d.indexOf('\n', i);
        i = konec < 0 ? int(d.size()) : konec;
        nazev = false;
      } else if (c == '"') {
        for (++i; i < d.size() && d[i] != '"'; i += d[i] == '\\' ? 2 : 1) {}
        i = std::min(i + 1, int(d.size()));
      } else if (c == '<') {
        for (int uroven = 0; i < d.size() && (uroven += d[i] == '<' ? 1 : d[i] == '>' ? -1 : 0) > 0; ++i) {}
        i = std::min(i + 1, int(d.size()));
      } else if (ZnakNazvu(d, i)) {
        while (i < d.size() && ZnakNazvu(d, i)) ++i;
      } else {
        nazev = false;
        i += c == '-' ? 2 : 1;
        const QString chyba = Znak(c);
        if (!chyba.isEmpty()) return QStringLiteral("radek %1: ").arg(RadekZdroje(d, zacatek)) + chyba;
        prvni = false;
      }
      if (i - zacatek > kNejdelsiSlovo)
        return QStringLiteral("radek %1: nazev, retezec nebo komentar DOT je delsi nez %2 bajtu")
            .arg(RadekZdroje(d, zacatek))
            .arg(kNejdelsiSlovo);
      if (nazev) Nazev(zacatek, i);
      if (hran > kNejviceHranDot)
        return QStringLiteral("radek %1: prikazy DOT tvori vic nez %2 hran").arg(RadekZdroje(d, zacatek)).arg(kNejviceHranDot);
    }
    return QString();
  }

private:
  struct tskupina {
    long vrcholu = 0;  // named inside, nested groups included
    long levy = 0;     // size of the last operand
    bool hrana = false;  // an edge operator waits for its right operand
  };

  void Operand(long velikost) {
    tskupina& s = skupiny.back();
    if (s.hrana) hran += s.levy * velikost;
    s.hrana = false;
    s.levy = velikost;
  }

  void Nazev(int zacatek, int konec) {
    const QByteArray slovo = d.mid(zacatek, konec - zacatek).toLower();
    const bool bylPrvni = std::exchange(prvni, false);
    if (atributy) return;
    // Graphviz would keep the last of repeated edges of a strict graph without a word.
    if (bylPrvni && slovo == "strict") {
      for (int i = zacatek; i < konec; ++i) d[i] = ' ';
      return;
    }
    if (std::exchange(jmenoPodgrafu, false)) return;
    if (slovo == "subgraph") jmenoPodgrafu = true;
    if (slovo == "graph" || slovo == "digraph" || slovo == "node" || slovo == "edge" || slovo == "subgraph") return;
    skupiny.back().vrcholu += 1;
    Operand(1);
  }

  QString Znak(char c) {
    switch (c) {
      case '{':
        jmenoPodgrafu = false;
        if (int(skupiny.size()) > kNejvetsiVnoreni) return QStringLiteral("DOT je vnoren hloubeji nez %1 zavorek").arg(kNejvetsiVnoreni);
        skupiny.emplace_back();
        break;
      case '}':
        if (skupiny.size() > 1) {
          const long velikost = skupiny.back().vrcholu;
          skupiny.pop_back();
          skupiny.back().vrcholu += velikost;
          Operand(velikost);
        }
        break;
      case '[': atributy = true; break;
      case ']': atributy = false; break;
      case '-': skupiny.back().hrana = true; break;
      case '+':
        if (++spojeni > kNejviceSpojeni) return QStringLiteral("DOT spojuje vic nez %1 retezcu").arg(kNejviceSpojeni);
        break;
      default: break;
    }
    return QString();
  }

  QByteArray& d;
  std::vector<tskupina> skupiny = std::vector<tskupina>(1);
  long hran = 0;
  int spojeni = 0;
  bool atributy = false;       // inside [ ]
  bool prvni = true;           // no token read yet
  bool jmenoPodgrafu = false;  // the next name names a subgraph
};

}  // namespace

QString PripravDot(QByteArray& data) {
  if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
  if (const auto nula = data.indexOf('\0'); nula >= 0)
    return QStringLiteral("radek %1: soubor obsahuje nulovy bajt, DOT je text").arg(RadekZdroje(data, int(nula)));
  return tpruzkumDot(data).Over();
}
