// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Readers of GraphML and edge lists, and the check that every import goes through.
// A reader only collects names and texts; what they mean for the program (numbers,
// loops, repeated edges, code page) is decided once, in PrevedCiziGraf.
#include "exchange/Cteni.h"

#include "drawing/PUVykresli.h"
#include "platform/Cp1250.h"
#include "platform/SysUtils.h"

#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

constexpr double kOkraj = 20.0;  // margin that keeps dots and numbers off the outline
constexpr int kSirka = kSirkaPlatna - 1;
constexpr int kVyska = kVyskaPlatna - 1;

// The role of a GraphML data key, by its attr.name (case-insensitive).
enum class troleKlice { zadna, hodnota, x, y, komentar, label, name, vaha };

troleKlice RoleKlice(const QString& pro, const QString& jmeno) {
  const QString j = jmeno.toLower();
  if (pro == QLatin1String("edge")) return j == QLatin1String("weight") ? troleKlice::vaha : troleKlice::zadna;
  if (pro != QLatin1String("node")) return troleKlice::zadna;
  const std::pair<const char*, troleKlice> role[] = {
      {"hodnota", troleKlice::hodnota}, {"value", troleKlice::hodnota}, {"x", troleKlice::x},
      {"y", troleKlice::y},             {"komentar", troleKlice::komentar}, {"label", troleKlice::label},
      {"name", troleKlice::name}};
  for (const auto& [text, r] : role)
    if (j == QLatin1String(text)) return r;
  return troleKlice::zadna;
}

struct tklic {
  troleKlice role = troleKlice::zadna;
  std::optional<QString> vychozi;
};

// What a node's or an edge's data said; a node's label is chosen among komentar, label
// and name only once the keys' defaults are in.
struct tdata {
  std::map<troleKlice, QString> hodnoty;
};

// A name that only numbers a vertex ("7", "v7", "n7") is no comment.
bool JenCislo(const QString& jmeno) {
  static const QRegularExpression cislo(QStringLiteral("^[vVnN]?[0-9]+$"));
  return cislo.match(jmeno).hasMatch();
}

constexpr int kNejviceAtributu = 100;  // of one XML element
constexpr int kUkazka = 40;            // characters of a field quoted in a message

// What the XML parser cannot bound by itself: it compares each attribute with all the
// others of its element, and it expands entities before the reader sees a character, so
// a small file could cost minutes or gigabytes. Real GraphML declares no entities.
QString OverXml(const QByteArray& data) {
  int atributu = 0;
  bool znacka = false;  // inside < >, where quotes and '=' count
  char uvozovka = 0;
  for (int i = 0; i < data.size(); ++i) {
    const char c = data[i];
    if (uvozovka) {
      if (c == uvozovka) uvozovka = 0;
      continue;
    }
    if (c == '<') {
      const auto preskoc = [&](const char* zacatek, const char* konec) {
        if (data.mid(i, int(qstrlen(zacatek))) != zacatek) return false;
        const int k = data.indexOf(konec, i + int(qstrlen(zacatek)));
        i = k < 0 ? int(data.size()) : k;
        return true;
      };
      if (preskoc("<!--", "-->") || preskoc("<![CDATA[", "]]>") || preskoc("<?", "?>")) continue;
      if (data.mid(i, 8) == "<!ENTITY")
        return QStringLiteral("radek %1: GraphML s deklaracemi entit (<!ENTITY) Trivex necte").arg(RadekZdroje(data, i));
      znacka = true;
      atributu = 0;
    } else if (!znacka) {
      continue;
    } else if (c == '>') {
      znacka = false;
    } else if (c == '"' || c == '\'') {
      uvozovka = c;
    } else if (c == '=' && ++atributu > kNejviceAtributu) {
      return QStringLiteral("radek %1: prvek GraphML ma vic nez %2 atributu").arg(RadekZdroje(data, i)).arg(kNejviceAtributu);
    }
  }
  return QString();
}

// The GraphML reader, a pass over the elements: keys and their defaults, the nodes and
// edges of the first graph and their data. Element texts are read without recursion and
// kept only as long as a comment can be, so neither deep nesting nor long texts cost more
// than the file's size.
class tctenarGraphML {
public:
  tctenarGraphML(const QByteArray& data, tciziGraf& g) : xml(data), g(g) {}

  QString Cti() {
    while (!xml.atEnd()) {
      const QXmlStreamReader::TokenType token = xml.readNext();
      if (token == QXmlStreamReader::EndElement) {
        KonecPrvku();
        continue;
      }
      // Entities expand before the reader sees a character; real GraphML declares none.
      if (token == QXmlStreamReader::DTD && !xml.entityDeclarations().isEmpty())
        return QStringLiteral("GraphML s deklaracemi entit (<!ENTITY) Trivex necte");
      if (token != QXmlStreamReader::StartElement) continue;
      if (++vnoreni > kNejvetsiVnoreni) {
        Hluboko();
        break;
      }
      const QString chyba = Prvek();
      if (!chyba.isEmpty()) return chyba;
    }
    if (xml.hasError())
      return QStringLiteral("neplatny GraphML na radku %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    if (stav == 0) return QStringLiteral("soubor GraphML neobsahuje zadny graf");
    Dokonci();
    return QString();
  }

private:
  void Hluboko() {
    xml.raiseError(QStringLiteral("prvky jsou vnoreny hloubeji nez %1").arg(kNejvetsiVnoreni));
  }

  void KonecPrvku() {
    --vnoreni;
    if (stav == 1 && --hloubka == 0) stav = 2;
    if (xml.name() == QLatin1String("key")) klic = nullptr;
    if (xml.name() == QLatin1String("node") || xml.name() == QLatin1String("edge")) prvek = nullptr;
  }

  // One start element; a message when it makes the file unreadable.
  QString Prvek() {
    const auto jmeno = xml.name();
    const QXmlStreamAttributes a = xml.attributes();
    if (!koren) {
      if (jmeno != QLatin1String("graphml")) return QStringLiteral("soubor neni GraphML (chybi prvek graphml)");
      koren = true;
      return QString();
    }
    if (stav == 1) ++hloubka;
    if (jmeno == QLatin1String("key")) {
      klic = &klice[a.value(QLatin1String("id")).toString()];
      klic->role = RoleKlice(a.value(QLatin1String("for")).toString(), a.value(QLatin1String("attr.name")).toString());
    } else if (jmeno == QLatin1String("default") && klic) {
      klic->vychozi = TextPrvku();
    } else if (jmeno == QLatin1String("graph")) {
      if (stav == 1) return QStringLiteral("vnorene grafy GraphML Trivex neumi");
      if (stav == 2) return QString();
      stav = 1;
      hloubka = 1;
      g.orientovany = a.value(QLatin1String("edgedefault")) == QLatin1String("directed");
    } else if (stav != 1) {
      return QString();
    } else if (jmeno == QLatin1String("hyperedge")) {
      return QStringLiteral("hyperhrany GraphML Trivex neumi");
    } else if (jmeno == QLatin1String("node") && hloubka == 2) {
      return Vrchol(a.value(QLatin1String("id")).toString());
    } else if (jmeno == QLatin1String("edge") && hloubka == 2) {
      g.hrany.push_back({a.value(QLatin1String("source")).toString(), a.value(QLatin1String("target")).toString(), {}});
      if (a.value(QLatin1String("directed")) == QLatin1String("true")) g.orientovany = true;
      dataHran.emplace_back();
      prvek = &dataHran.back();
    } else if (jmeno == QLatin1String("data") && prvek) {
      const troleKlice role = klice.value(a.value(QLatin1String("key")).toString()).role;
      const QString text = TextPrvku();
      if (role != troleKlice::zadna) prvek->hodnoty[role] = text;
    }
    return QString();
  }

  QString Vrchol(const QString& id) {
    if (uzly.contains(id)) return QStringLiteral("vrchol '%1' je zadan dvakrat").arg(Ukazka(id));
    if (int(g.vrcholy.size()) == kNejviceVrcholu) return PrilisMnoho();
    uzly.insert(id, int(g.vrcholy.size()));
    g.vrcholy.push_back({id, {}, {}, {}, {}});
    dataVrcholu.emplace_back();
    prvek = &dataVrcholu.back();
    return QString();
  }

  // The text of the element just started, its children's included, up to its end tag.
  // Twice the comment's length in UTF-16 is kept, enough to tell a comment that is too
  // long; the rest is skipped.
  QString TextPrvku() {
    QString text;
    const int nejvic = 2 * kNejdelsiKomentar + 2;
    for (int uroven = 1; uroven > 0 && !xml.atEnd();) {
      switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
          if (vnoreni + ++uroven > kNejvetsiVnoreni) Hluboko();
          break;
        case QXmlStreamReader::EndElement: --uroven; break;
        case QXmlStreamReader::Characters:
          if (text.size() < nejvic) text += xml.text().left(nejvic - text.size());
          break;
        default: break;
      }
    }
    --vnoreni;
    if (stav == 1) --hloubka;
    return text;
  }

  // Keys with a default give it to every node or edge without data of their own; a
  // node's label is chosen among komentar, label and name only once the defaults are in.
  void Dokonci() {
    for (const tklic& k : klice) {
      if (!k.vychozi || k.role == troleKlice::zadna) continue;
      for (auto* seznam : {&dataVrcholu, &dataHran})
        for (tdata& d : *seznam) d.hodnoty.emplace(k.role, *k.vychozi);
    }
    const auto vezmi = [](const tdata& d, troleKlice role) -> std::optional<QString> {
      const auto it = d.hodnoty.find(role);
      if (it == d.hodnoty.end()) return std::nullopt;
      return it->second;
    };
    for (std::size_t i = 0; i < g.vrcholy.size(); ++i) {
      tciziVrchol& v = g.vrcholy[i];
      const tdata& d = dataVrcholu[i];
      v.hodnota = vezmi(d, troleKlice::hodnota);
      v.x = vezmi(d, troleKlice::x);
      v.y = vezmi(d, troleKlice::y);
      for (troleKlice role : {troleKlice::komentar, troleKlice::label, troleKlice::name})
        if (!v.popis) v.popis = vezmi(d, role);
    }
    for (std::size_t i = 0; i < g.hrany.size(); ++i) g.hrany[i].vaha = vezmi(dataHran[i], troleKlice::vaha);
  }

  QXmlStreamReader xml;
  tciziGraf& g;
  QHash<QString, tklic> klice;
  QHash<QString, int> uzly;  // node id -> index
  std::vector<tdata> dataVrcholu;
  std::vector<tdata> dataHran;
  tklic* klic = nullptr;   // the key whose children are being read
  tdata* prvek = nullptr;  // the node or edge whose data are being read
  int stav = 0;            // 1 inside the first graph, 2 after it
  int hloubka = 0;         // of elements inside the first graph
  int vnoreni = 0;         // of all elements
  bool koren = false;
};

}  // namespace

int RadekZdroje(const QByteArray& data, int pozice) {
  return int(data.left(pozice).count('\n')) + 1;
}

QString Ukazka(const QString& pole) {
  QString ukazka = pole.left(kUkazka);
  for (QChar& c : ukazka)
    if (c.unicode() < 0x20) c = QLatin1Char('?');
  return pole.size() > kUkazka ? ukazka + QStringLiteral("...") : ukazka;
}

QString PrilisMnoho() {
  return QStringLiteral("graf ma vic nez %1 vrcholu, Trivex jich pojme nejvyse %1").arg(kNejviceVrcholu);
}

std::optional<double> CisloZdroje(const QString& text) {
  QString t = text.trimmed();
  if (t.startsWith(QLatin1Char('+'))) t.remove(0, 1);
  if (t.isEmpty()) return std::nullopt;
  try {
    return StrToFloat(t.toStdString());
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

QString CtiGraphML(const QByteArray& data, tciziGraf& g) {
  const QString meze = OverXml(data);
  if (!meze.isEmpty()) return meze;
  return tctenarGraphML(data, g).Cti();
}

QString CtiSeznamHran(const QByteArray& data, tciziGraf& g) {
  static const QRegularExpression pocet(QStringLiteral("^\\s*#\\s*vrcholu:\\s*([0-9]+)\\s*$"));
  static const QRegularExpression mezery(QStringLiteral("\\s+"));
  QHash<QString, int> uzly;
  const auto vrchol = [&](const QString& jmeno) {
    if (uzly.contains(jmeno)) return true;
    if (int(g.vrcholy.size()) == kNejviceVrcholu) return false;
    uzly.insert(jmeno, int(g.vrcholy.size()));
    g.vrcholy.push_back({jmeno, {}, {}, {}, {}});
    return true;
  };

  if (const auto nula = data.indexOf('\0'); nula >= 0)
    return QStringLiteral("radek %1: soubor obsahuje nulovy bajt, seznam hran je text").arg(RadekZdroje(data, int(nula)));
  const QList<QByteArray> radky = data.split('\n');
  for (int r = 0; r < radky.size(); ++r) {
    QString radek = QString::fromUtf8(radky[r]);
    // The writer's first line names every vertex, isolated ones too.
    const QRegularExpressionMatch hlavicka = pocet.match(radek);
    if (hlavicka.hasMatch()) {
      bool ok = false;
      const int n = hlavicka.captured(1).toInt(&ok);
      if (!ok || n > kNejviceVrcholu) return PrilisMnoho();
      for (int k = 1; k <= n; ++k) vrchol(QString::number(k));
      continue;
    }
    const int komentar = radek.indexOf(QLatin1Char('#'));
    if (komentar >= 0) radek.truncate(komentar);
    const QStringList pole = radek.split(mezery, Qt::SkipEmptyParts);
    if (pole.isEmpty()) continue;
    if (pole.size() < 2 || pole.size() > 3)
      return QStringLiteral("radek %1: ocekavam 'u v delka', ne '%2'").arg(r + 1).arg(radek.trimmed().left(60));
    if (!vrchol(pole[0]) || !vrchol(pole[1])) return PrilisMnoho();
    g.hrany.push_back({pole[0], pole[1], pole.size() == 3 ? std::optional<QString>(pole[2]) : std::nullopt});
  }

  // Vertices named by numbers keep their numbers' order, whatever order the edges came in.
  const bool cisla = std::all_of(g.vrcholy.begin(), g.vrcholy.end(), [](const tciziVrchol& v) {
    bool ok = false;
    v.jmeno.toLongLong(&ok);
    return ok;
  });
  if (cisla)
    std::stable_sort(g.vrcholy.begin(), g.vrcholy.end(), [](const tciziVrchol& a, const tciziVrchol& b) {
      return a.jmeno.toLongLong() < b.jmeno.toLongLong();
    });
  return QString();
}

void VlozDoPlatna(std::vector<double>& x, std::vector<double>& y, bool vzdy) {
  const auto rozsah = [](const std::vector<double>& v) { return std::minmax_element(v.begin(), v.end()); };
  if (x.empty()) return;
  const auto [minX, maxX] = rozsah(x);
  const auto [minY, maxY] = rozsah(y);
  const bool naPlatne = *minX >= 0 && *maxX <= kSirka && *minY >= 0 && *maxY <= kVyska;
  if (naPlatne && !vzdy) {
    for (double& v : x) v = std::round(v);
    for (double& v : y) v = std::round(v);
    return;
  }
  // Halves throughout, so that coordinates near the limits of a double cannot overflow.
  const double polX = *maxX / 2 - *minX / 2;
  const double polY = *maxY / 2 - *minY / 2;
  const double stredX = *minX / 2 + *maxX / 2;
  const double stredY = *minY / 2 + *maxY / 2;
  const double nekonecno = std::numeric_limits<double>::infinity();
  double meritko = std::min(polX > 0 ? (kSirka / 2.0 - kOkraj) / polX : nekonecno,
                            polY > 0 ? (kVyska / 2.0 - kOkraj) / polY : nekonecno);
  if (meritko == nekonecno) meritko = 0;  // a single point goes to the middle
  for (double& v : x) v = std::round(kSirka / 2.0 + (v / 2 - stredX / 2) * 2 * meritko);
  for (double& v : y) v = std::round(kVyska / 2.0 + (v / 2 - stredY / 2) * 2 * meritko);
}

namespace {

// The comment a vertex brings, in Windows-1250 and at most kNejdelsiKomentar characters
// long; a name that only numbers the vertex is no comment.
std::string KomentarVrcholu(const tciziVrchol& v, QStringList& varovani) {
  const QString popis = v.popis ? *v.popis : JenCislo(v.jmeno) ? QString() : v.jmeno;
  QVector<uint> znaky = popis.toUcs4();
  if (znaky.size() > kNejdelsiKomentar) {
    znaky.resize(kNejdelsiKomentar);
    varovani << QStringLiteral("komentar vrcholu '%1' je delsi nez %2 znaku, je zkracen")
                    .arg(Ukazka(v.jmeno))
                    .arg(kNejdelsiKomentar);
  }
  std::string komentar;
  bool nahrazeno = false;
  for (const uint znak : znaky) {
    const int bajt = znak == '\r' || znak == '\n' ? -1 : UnicodeToCp1250(char32_t(znak));
    nahrazeno = nahrazeno || bajt < 0;
    komentar += bajt < 0 ? '?' : char(bajt);
  }
  if (nahrazeno)
    varovani << QStringLiteral("komentar vrcholu '%1' obsahuje znaky, ktere Windows-1250 nema; jsou nahrazeny '?'")
                    .arg(Ukazka(v.jmeno));
  return komentar;
}

// Comments, values and positions, vertex by vertex.
QString PrevedVrcholy(const tciziGraf& g, tnovyGraf& novy, QStringList& varovani) {
  bool polohy = true;
  for (const tciziVrchol& v : g.vrcholy) {
    novy.komentare.push_back(KomentarVrcholu(v, varovani));
    const std::optional<double> hodnota = v.hodnota ? CisloZdroje(*v.hodnota) : 0.0;
    if (!hodnota)
      return QStringLiteral("vrchol '%1' ma hodnotu '%2', ktera neni cislo").arg(Ukazka(v.jmeno), Ukazka(*v.hodnota));
    novy.hodnoty.push_back(*hodnota);

    polohy = polohy && v.x && v.y;
    if (!polohy) continue;
    const std::optional<double> x = CisloZdroje(*v.x);
    const std::optional<double> y = CisloZdroje(*v.y);
    if (!x || !y)
      return QStringLiteral("vrchol '%1' ma polohu '%2, %3', ktera neni cislo")
          .arg(Ukazka(v.jmeno), Ukazka(*v.x), Ukazka(*v.y));
    novy.x.push_back(*x);
    novy.y.push_back(g.osaYNahoru ? kVyska - *y : *y);
  }
  if (!polohy) {
    if (!novy.x.empty() || std::any_of(g.vrcholy.begin(), g.vrcholy.end(), [](const tciziVrchol& v) { return v.x || v.y; }))
      varovani << QStringLiteral("polohu nema kazdy vrchol, graf rozmisti Graphviz");
    novy.x.clear();
    novy.y.clear();
  }
  VlozDoPlatna(novy.x, novy.y, false);
  return QString();
}

// Lengths both ways; loops dropped and repeated edges reduced to the shortest, each with
// a warning.
QString PrevedHrany(const tciziGraf& g, const QHash<QString, int>& cislo, tnovyGraf& novy, QStringList& varovani) {
  std::map<std::pair<int, int>, int> vyskyty;
  for (const tciziHrana& h : g.hrany) {
    const int a = cislo.value(h.z), b = cislo.value(h.kam);
    if (!a || !b) return QStringLiteral("hrana odkazuje na neznamy vrchol '%1'").arg(Ukazka(a ? h.kam : h.z));
    const QString nazev = QStringLiteral("'%1' - '%2'").arg(Ukazka(h.z), Ukazka(h.kam));
    if (a == b) {
      varovani << QStringLiteral("smycka u vrcholu '%1' vynechana").arg(Ukazka(h.z));
      continue;
    }
    const std::optional<double> delka = h.vaha ? CisloZdroje(*h.vaha) : 1.0;
    if (!delka) return QStringLiteral("hrana %1 ma delku '%2', ktera neni cislo").arg(nazev, Ukazka(*h.vaha));
    if (*delka == 0.0)
      return QStringLiteral("hrana %1 ma nulovou delku; nula v Trivexu znamena, ze hrana neni").arg(nazev);
    double& stavajici = novy.delky[std::size_t(a)][std::size_t(b)];
    if (++vyskyty[{std::min(a, b), std::max(a, b)}] > 1 && stavajici <= *delka) continue;
    stavajici = *delka;
    novy.delky[std::size_t(b)][std::size_t(a)] = *delka;
  }
  for (const auto& [hrana, kolikrat] : vyskyty) {
    if (kolikrat < 2) continue;
    const QString u = Ukazka(g.vrcholy[std::size_t(hrana.first - 1)].jmeno);
    const QString v = Ukazka(g.vrcholy[std::size_t(hrana.second - 1)].jmeno);
    const double nejkratsi = novy.delky[std::size_t(hrana.first)][std::size_t(hrana.second)];
    varovani << QStringLiteral("hrana '%1' - '%2' je zadana %3krat, ponechavam nejkratsi delku %4")
                    .arg(u, v)
                    .arg(kolikrat)
                    .arg(QString::fromStdString(FloatToStr(nejkratsi)));
  }
  return QString();
}

}  // namespace

QString PrevedCiziGraf(const tciziGraf& g, tnovyGraf& novy, QStringList& varovani) {
  const int n = int(g.vrcholy.size());
  if (n == 0) return QStringLiteral("zdroj neobsahuje zadny vrchol");
  if (n > kNejviceVrcholu) return PrilisMnoho();
  QHash<QString, int> cislo;
  for (int i = 0; i < n; ++i) {
    const QString& jmeno = g.vrcholy[std::size_t(i)].jmeno;
    if (cislo.contains(jmeno)) return QStringLiteral("vrchol '%1' je zadan dvakrat").arg(Ukazka(jmeno));
    cislo.insert(jmeno, i + 1);
  }
  if (g.orientovany) varovani << QStringLiteral("orientovany graf ctu jako neorientovany");

  novy = tnovyGraf();
  novy.n = n;
  const QString chyba = PrevedVrcholy(g, novy, varovani);
  if (!chyba.isEmpty()) return chyba;
  return PrevedHrany(g, cislo, novy, varovani);
}
