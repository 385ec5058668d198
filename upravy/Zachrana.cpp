// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// A copy is named by a hash of its graph file's path, with the path itself beside it, so
// each graph file has one copy and any path, however long or odd, gives a plain file name.
#include "upravy/Zachrana.h"

#include "files/USoubor.h"
#include "files/ukontrola.h"
#include "platform/AtomickyZapisQt.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <utility>

namespace {

const char* const kPripona = ".grf";
const char* const kPriponaCesty = ".cesta";

QString Klic(const std::string& cesta) {
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(cesta), QCryptographicHash::Sha1);
  return QString::fromLatin1(hash.toHex().left(20));
}

std::string Programova(const QString& cesta) {
  return ProgramPath(std::filesystem::u8path(cesta.toStdString()));
}

QByteArray Obsah(const QString& soubor) {
  QFile f(soubor);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The current file name stays whatever the writer or the reader does with the copy's.
class TJinyNazev {
public:
  explicit TJinyNazev(const std::string& cesta) : puvodni(GetJmenoSouboru()) { SetJmenoSouboru(cesta); }
  ~TJinyNazev() { SetJmenoSouboru(puvodni); }
  TJinyNazev(const TJinyNazev&) = delete;
  TJinyNazev& operator=(const TJinyNazev&) = delete;

private:
  std::string puvodni;
};

}  // namespace

TZachrana::TZachrana(tgraf& g) : graf(g) {
  klic = graf.Poslouchej([this](TZmenaGrafu druh) { Zmena(druh); });
}

TZachrana::~TZachrana() {
  graf.Neposlouchej(klic);
}

QString TZachrana::Slozka() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/obnova");
}

void TZachrana::Zmena(TZmenaGrafu druh) {
  // A replaced graph is an opened, new or recovered one: its file, if any, holds it. A change
  // is written at once: the next event may already replace the graph it belongs to.
  if (druh == TZmenaGrafu::Nahrazen) {
    ceka = false;
    return;
  }
  ceka = true;
  if (!drzi) Dopis();
}

void TZachrana::Pozdrz(bool drzet) {
  drzi = drzet;
  if (!drzi) Dopis();
}

void TZachrana::Dopis() {
  if (!ceka) return;
  ceka = false;
  try {
    Zapis();
    hlasilo = false;
  } catch (const std::exception& e) {
    if (!hlasilo && PriChybe) PriChybe(e.what());
    hlasilo = true;
  }
  if (PriZmeneKopii) PriZmeneKopii();
}

void TZachrana::Zapis() {
  const QString slozka = Slozka();
  if (!QDir().mkpath(slozka)) throw EInOutError("slozku " + FromQt(slozka) + " nelze vytvorit");
  const std::string cesta = GetJmenoSouboru();
  const QString zaklad = slozka + QLatin1Char('/') + Klic(cesta);
  // The path first: a copy without its path beside it would belong to no file.
  const QString souborCesty = zaklad + QLatin1String(kPriponaCesty);
  if (!QFile::exists(souborCesty) || Obsah(souborCesty) != QByteArray::fromStdString(cesta)) {
    if (const auto chyba = ZapisAtomicky(souborCesty, QByteArray::fromStdString(cesta)))
      throw EInOutError("soubor " + FromQt(souborCesty) + " nelze zapsat: " + FromQt(chyba->duvod));
  }
  UlozGraf(graf, Programova(zaklad + QLatin1String(kPripona)));
  posledniCesta = cesta;

  const std::vector<TKopie> kopie = Kopie();
  for (std::size_t k = kKopii; k < kopie.size(); ++k) {
    QFile::remove(kopie[k].soubor);
    QFile::remove(QFileInfo(kopie[k].soubor).path() + QLatin1Char('/') + QFileInfo(kopie[k].soubor).completeBaseName() +
                  QLatin1String(kPriponaCesty));
  }
}

void TZachrana::PoUlozeni() {
  ceka = false;
  for (const std::string& cesta : {posledniCesta, GetJmenoSouboru()}) {
    const QString zaklad = Slozka() + QLatin1Char('/') + Klic(cesta);
    QFile::remove(zaklad + QLatin1String(kPripona));
    QFile::remove(zaklad + QLatin1String(kPriponaCesty));
  }
  posledniCesta = GetJmenoSouboru();
  if (PriZmeneKopii) PriZmeneKopii();
}

std::vector<TZachrana::TKopie> TZachrana::Kopie() const {
  std::vector<TKopie> kopie;
  const QDir slozka(Slozka());
  const QFileInfoList soubory =
      slozka.entryInfoList({QStringLiteral("*") + QLatin1String(kPripona)}, QDir::Files, QDir::Time);
  for (const QFileInfo& soubor : soubory) {
    QFile cesta(slozka.filePath(soubor.completeBaseName() + QLatin1String(kPriponaCesty)));
    if (!cesta.open(QIODevice::ReadOnly)) continue;
    kopie.push_back({soubor.filePath(), cesta.readAll().toStdString(), soubor.lastModified()});
  }
  return kopie;
}

std::optional<TZachrana::TKopie> TZachrana::NejnovejsiJina() const {
  const std::vector<TKopie> kopie = Kopie();
  if (kopie.empty()) return std::nullopt;
  // The current graph in the copies' own form, so that equal graphs compare byte for byte.
  const QString ted = Slozka() + QStringLiteral("/soucasny.tmp");
  QByteArray soucasny;
  try {
    UlozGraf(graf, Programova(ted));
    soucasny = Obsah(ted);
  } catch (const std::exception&) {
    // Without it every copy counts as different.
  }
  QFile::remove(ted);
  // A copy damaged since it was written would hide the older ones behind it.
  for (const TKopie& k : kopie)
    if (Obsah(k.soubor) != soucasny && JeSouborGrafu(Programova(k.soubor))) return k;
  return std::nullopt;
}

bool TZachrana::Nacti(const TKopie& kopie, QString& chyba) {
  const std::string soubor = Programova(kopie.soubor);
  if (!JeSouborGrafu(soubor)) {
    chyba = QStringLiteral("Záložní kopie %1 není soubor grafu; nic se nezměnilo.").arg(kopie.soubor);
    return false;
  }
  const TSnimekGrafu pred = graf.Snimek();
  TDavkaZmen davka(graf);
  try {
    const TJinyNazev nazev(soubor);
    ZrusGraf();
    if (NactiGraf() != 0) throw EInOutError("soubor " + soubor + " se behem cteni zmenil");
  } catch (...) {
    graf.Obnov(pred, TZmenaGrafu::Nahrazen);
    throw;
  }
  SetJmenoSouboru(kopie.cesta);
  return true;
}
