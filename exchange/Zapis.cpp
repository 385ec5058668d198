// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Writers of the exchange formats. Numbers go out in the program's own number form
// (at most 15 significant digits, '.' whatever the locale), which every reader of these
// formats accepts and which brings the graph file's reals back unchanged.
#include "exchange/Zapis.h"

#include "drawing/PUVykresli.h"
#include "model/UGraf.h"
#include "platform/AtomickyZapisQt.h"
#include "platform/Cp1250.h"
#include "platform/SysUtils.h"

#include <QXmlStreamWriter>

#include <set>

namespace {

QString Cislo(double d) {
  return QString::fromStdString(FloatToStr(d));
}

// Comments are Windows-1250; the formats are UTF-8. XML 1.0 cannot carry the control
// characters a hand-made file might hold, so those become '?'.
QString Komentar(const tgraf& g, std::uint8_t i) {
  QString text = QString::fromStdString(Cp1250ToUtf8(g.GetText(i)));
  for (QChar& c : text)
    if (c.unicode() < 0x20 && c != QLatin1Char('\t')) c = QLatin1Char('?');
  return text;
}

template <typename F>
void ProKazdouHranu(const tgraf& g, F&& f) {
  const std::uint8_t n = g.GetPocet();
  for (std::uint8_t i = 1; i <= n; ++i)
    for (std::uint8_t j = i + 1; j <= n; ++j)
      if (g.GetHrana(j, i) != 0.0) f(i, j, g.GetHrana(j, i));
}

QByteArray DotRetezec(const QString& text) {
  QString escaped = text;
  escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
  return '"' + escaped.toUtf8() + '"';
}

QByteArray Barva(TColor c) {
  return QByteArray::number(c, 16).rightJustified(6, '0').prepend("trivex");
}

}  // namespace

QByteArray GraphML(const tgraf& g) {
  QByteArray obsah;
  QXmlStreamWriter xml(&obsah);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("graphml"));
  xml.writeDefaultNamespace(QStringLiteral("http://graphml.graphdrawing.org/xmlns"));
  const struct {
    const char* id;
    const char* pro;
    const char* typ;
  } klice[] = {{"hodnota", "node", "double"}, {"x", "node", "int"},          {"y", "node", "int"},
               {"komentar", "node", "string"}, {"weight", "edge", "double"}};
  for (const auto& k : klice) {
    xml.writeStartElement(QStringLiteral("key"));
    xml.writeAttribute(QStringLiteral("id"), QLatin1String(k.id));
    xml.writeAttribute(QStringLiteral("for"), QLatin1String(k.pro));
    xml.writeAttribute(QStringLiteral("attr.name"), QLatin1String(k.id));
    xml.writeAttribute(QStringLiteral("attr.type"), QLatin1String(k.typ));
    xml.writeEndElement();
  }
  xml.writeStartElement(QStringLiteral("graph"));
  xml.writeAttribute(QStringLiteral("id"), QStringLiteral("G"));
  xml.writeAttribute(QStringLiteral("edgedefault"), QStringLiteral("undirected"));
  const auto data = [&xml](const char* klic, const QString& hodnota) {
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("key"), QLatin1String(klic));
    xml.writeCharacters(hodnota);
    xml.writeEndElement();
  };
  for (std::uint8_t i = 1; i <= g.GetPocet(); ++i) {
    xml.writeStartElement(QStringLiteral("node"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("v%1").arg(i));
    data("hodnota", Cislo(g.GetHodnota(i)));
    data("x", QString::number(g.GetX(i)));
    data("y", QString::number(g.GetY(i)));
    data("komentar", Komentar(g, i));
    xml.writeEndElement();
  }
  ProKazdouHranu(g, [&](std::uint8_t i, std::uint8_t j, double delka) {
    xml.writeStartElement(QStringLiteral("edge"));
    xml.writeAttribute(QStringLiteral("source"), QStringLiteral("v%1").arg(i));
    xml.writeAttribute(QStringLiteral("target"), QStringLiteral("v%1").arg(j));
    data("weight", Cislo(delka));
    xml.writeEndElement();
  });
  xml.writeEndDocument();
  return obsah;
}

QByteArray Dot(const tgraf& g) {
  QByteArray obsah = "graph trivex {\n  node [shape=circle, width=0.3, fixedsize=true];\n";
  for (std::uint8_t i = 1; i <= g.GetPocet(); ++i) {
    // Graphviz counts y upwards; the flip keeps the picture the right way up.
    const long long y = (long long)(kVyskaPlatna - 1) - g.GetY(i);
    obsah += "  v" + QByteArray::number(i) + " [label=\"" + QByteArray::number(i) + "\", pos=\"" +
             QByteArray::number(g.GetX(i)) + ',' + QByteArray::number(y) + "!\", hodnota=" +
             DotRetezec(Cislo(g.GetHodnota(i))) + ", komentar=" + DotRetezec(Komentar(g, i)) + "];\n";
  }
  ProKazdouHranu(g, [&obsah](std::uint8_t i, std::uint8_t j, double delka) {
    const QByteArray d = DotRetezec(Cislo(delka));
    obsah += "  v" + QByteArray::number(i) + " -- v" + QByteArray::number(j) + " [weight=" + d + ", label=" + d + "];\n";
  });
  return obsah + "}\n";
}

QByteArray SeznamHran(const tgraf& g) {
  QByteArray obsah = "# vrcholu: " + QByteArray::number(g.GetPocet()) + '\n';
  ProKazdouHranu(g, [&obsah](std::uint8_t i, std::uint8_t j, double delka) {
    obsah += QByteArray::number(i) + ' ' + QByteArray::number(j) + ' ' + Cislo(delka).toUtf8() + '\n';
  });
  return obsah;
}

QByteArray TikZ(const TBarvyHran& barvy, const tgraf& g) {
  std::map<std::pair<int, int>, TColor> hrany;
  std::set<TColor> pouzite{clBlack};
  ProKazdouHranu(g, [&](std::uint8_t i, std::uint8_t j, double) {
    const auto nakreslena = barvy.find({i, j});
    const TColor c = nakreslena == barvy.end() ? clBlack : nakreslena->second;
    hrany[{i, j}] = c;
    pouzite.insert(c);
  });

  QByteArray obsah =
      "% Trivex: the graph as drawn on the canvas of 569 x 361 pixels, here 14.2 x 9 cm.\n"
      "\\documentclass[tikz,border=2mm]{standalone}\n"
      "\\begin{document}\n"
      "\\begin{tikzpicture}[x=0.025cm,y=-0.025cm]\n";
  for (TColor c : pouzite)
    obsah += "  \\definecolor{" + Barva(c) + "}{RGB}{" + QByteArray::number(c & 0xFF) + ',' +
             QByteArray::number((c >> 8) & 0xFF) + ',' + QByteArray::number((c >> 16) & 0xFF) + "}\n";
  const auto bod = [&g](int i) {
    return '(' + QByteArray::number(g.GetX(std::uint8_t(i))) + ',' + QByteArray::number(g.GetY(std::uint8_t(i))) +
           ')';
  };
  for (const auto& [hrana, c] : hrany) {
    QByteArray delka = Cislo(g.GetHrana(std::uint8_t(hrana.second), std::uint8_t(hrana.first))).toLatin1();
    if (delka.startsWith('-')) delka.replace(0, 1, "$-$");
    obsah += "  \\draw[" + Barva(c) + "] " + bod(hrana.first) + " -- " + bod(hrana.second) +
             " node[midway,fill=white,inner sep=1pt,font=\\scriptsize] {" + delka + "};\n";
  }
  for (int i = 1; i <= g.GetPocet(); ++i)
    obsah += "  \\fill " + bod(i) + " circle (2pt) node[above right,font=\\scriptsize] {" + QByteArray::number(i) +
             "};\n";
  return obsah + "\\end{tikzpicture}\n\\end{document}\n";
}

QString ZapisSoubor(const QString& cesta, const QByteArray& obsah) {
  const auto chyba = ZapisAtomicky(cesta, obsah);
  if (!chyba) return QString();
  const TChybaZapisu krok{chyba->krok, {}};
  return QString::fromStdString(PopisChybyZapisu(cesta.toStdString(), krok)) + QStringLiteral(": ") + chyba->duvod;
}
