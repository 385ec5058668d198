// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// libFuzzer target of the whole import path a user's file takes: the first byte picks
// the extension (.graphml, .dot, .txt or one the program does not read), the rest is the
// file, and Importuj reads it through the size cap, the readers, Graphviz and its layout
// into a graph file. Whatever the input: the old target stays byte for byte when the
// import is refused; an accepted import is a graph file of at most a few kilobytes that
// the program reads back; and no input takes long or much memory (libFuzzer's -timeout
// and -rss_limit_mb, see README.md).
#include "exchange/Import.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Cesty.h"
#include "platform/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Over(bool podminka) {
  if (!podminka) std::abort();
}

// 15 vertices, each with a comment of the longest kept length and 15 reals: about 21 KB.
constexpr qint64 kNejvetsiVystup = 32 * 1024;

QByteArray Precti(const QString& cesta) {
  QFile f(cesta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Zapis(const QString& cesta, const QByteArray& data) {
  QFile f(cesta);
  Over(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir slozka;
  if (size == 0) return 0;
  const char* const pripony[] = {"graphml", "dot", "txt", "gml"};
  const QString zdroj = slozka.filePath(QStringLiteral("zdroj.") + pripony[data[0] % 4]);
  const QString cil = slozka.filePath(QStringLiteral("cil.grf"));
  Zapis(zdroj, QByteArray(reinterpret_cast<const char*>(data) + 1, int(size - 1)));
  Zapis(cil, "puvodni");

  QStringList varovani;
  const QString chyba = Importuj(zdroj, cil, varovani);
  QFile::remove(zdroj);
  if (!chyba.isEmpty()) {
    Over(Precti(cil) == "puvodni");
    Over(QDir(slozka.path()).entryList(QDir::Files | QDir::Hidden).size() == 1);
    return 0;
  }
  Over(QFileInfo(cil).size() <= kNejvetsiVystup);
  const std::uint8_t n = graf.GetPocet();
  Over(n >= 1 && n <= kMaxVrcholu);
  ZrusGraf();
  SetJmenoSouboru(CestaProgramu(cil));
  try {
    Over(NactiGraf() == 0 && graf.GetPocet() == n);
  } catch (const EInOutError&) {
    Over(false);
  }
  ZrusGraf();
  return 0;
}
