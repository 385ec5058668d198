// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The current graph file: the reader that fills graf from it and the writer that
// replaces it only once the whole new file is safely written.
#include "files/USoubor.h"

#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/AtomickyZapis.h"
#include "platform/SysUtils.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

std::string jmenoSouboru;

namespace {

namespace fs = std::filesystem;

constexpr int kKonec = -1;
constexpr std::size_t kUkazkaTextu = 40;

// A piece of the file fit to be quoted in a message: control bytes would garble
// the message box, and a huge field is shown by its start.
std::string Ukazka(const std::string& text) {
  std::string ukazka;
  for (char c : text.substr(0, kUkazkaTextu)) ukazka += (unsigned char)c < 32 ? '?' : c;
  if (text.size() > kUkazkaTextu) ukazka += "...";
  return ukazka;
}

[[noreturn]] void ChybaVstupu(const std::string& popis) {
  throw EInOutError("Chyba vstupu/vystupu: " + popis);
}

// The reader takes numbers as tokens: blanks and line ends before a number are
// skipped, and the number ends at the next blank or line end.
class tctenar {
public:
  explicit tctenar(const std::string& cesta) : cesta(cesta), f(cesta) {
    if (!f.Otevren()) ChybaVstupu("soubor " + cesta + " nelze otevrit");
  }

  double Realne() {
    const std::string text = Cislo();
    try {
      return StrToFloat(text);
    } catch (const EConvertError&) {
      NelzePrevest(text);
    }
  }

  int Cele() {
    const std::string text = Cislo();
    try {
      return StrToInt(text);
    } catch (const EConvertError&) {
      NelzePrevest(text);
    }
  }

  // The rest of the line after the one blank that follows the last edge length;
  // empty when the line (or the file) ends right after it.
  std::string Text() {
    std::string text;
    if (f.Nahled() != ' ') {
      f.PreskocRadek();
      return text;
    }
    f.Znak();
    for (int c = f.Znak(); c != '\n' && c != kKonec; c = f.Znak()) text += char(c);
    return text;
  }

private:
  std::string Cislo() {
    while (f.Nahled() == ' ' || f.Nahled() == '\n') f.Znak();
    std::string text = f.Pole();
    if (text.empty()) ChybaVstupu("soubor " + cesta + " konci uprostred dat");
    if (text.size() > kDelkaCisla) ChybaVstupu("v souboru " + cesta + " je prilis dlouhe cislo '" + Ukazka(text) + "'");
    return text;
  }

  [[noreturn]] void NelzePrevest(const std::string& text) {
    ChybaVstupu("v souboru " + cesta + " nelze prevest '" + Ukazka(text) + "' na cislo");
  }

  const std::string cesta;
  tcteni f;
};

// 23 characters: the sign position, one digit, '.', 14 digits, 'E', the
// exponent's sign and four digits; 15 significant digits, '.' whatever the locale.
std::string RealnyTvar(double d) {
  if (d == 0.0) d = 0.0;  // negative zero is written as zero
  // Rounded up, the largest doubles would be written beyond the range of a double
  // and could not be read back.
  constexpr double kNejvetsi = 1.79769313486231e308;
  if (std::fabs(d) > kNejvetsi) d = std::copysign(kNejvetsi, d);
  char cislice[32];
  const auto konec = std::to_chars(cislice, cislice + sizeof cislice, std::fabs(d), std::chars_format::scientific, 14).ptr;
  const std::string vedecky(cislice, konec);  // d.dddddddddddddde[+-]xx
  const std::size_t e = vedecky.find('e');
  const int exponent = std::atoi(vedecky.c_str() + e + 1);
  char tvar[32];
  std::snprintf(tvar, sizeof tvar, "%c%sE%c%04d", d < 0 ? '-' : ' ', vedecky.substr(0, e).c_str(),
                exponent < 0 ? '-' : '+', std::abs(exponent));
  return tvar;
}

std::string ObsahSouboru(const tgraf& g) {
  const std::uint8_t n = g.GetPocet();
  std::string obsah = IntToStr(n) + "\r\n";
  for (std::uint8_t i = 1; i <= n; ++i) {
    obsah += RealnyTvar(g.GetHodnota(i)) + ' ' + IntToStr(g.GetX(i)) + ' ' + IntToStr(g.GetY(i)) + ' ';
    // Entry i of vertex j's row: on an asymmetric graph the rows come out transposed.
    for (std::uint8_t j = 1; j <= n; ++j) obsah += RealnyTvar(g.GetHrana(i, j)) + ' ';
    obsah += g.GetText(i) + "\r\n";
  }
  return obsah;
}

// Infinite and undefined reals have no file form. The program never makes them, but a
// save refuses them before it touches any file.
void OverHodnoty(const tgraf& g, const std::string& jmeno) {
  const std::uint8_t n = g.GetPocet();
  for (std::uint8_t i = 1; i <= n; ++i) {
    bool konecne = std::isfinite(g.GetHodnota(i));
    for (std::uint8_t j = 1; j <= n; ++j) konecne = konecne && std::isfinite(g.GetHrana(i, j));
    if (!konecne) ChybaVstupu("vrchol " + IntToStr(i) + " ma hodnotu, kterou nelze zapsat do souboru " + jmeno);
  }
}

}  // namespace

void SetJmenoSouboru(const std::string& s) {
  jmenoSouboru = s;
}

std::string GetJmenoSouboru() {
  return jmenoSouboru;
}

bool ExistujeSoubor(const std::string& s) {
  return FileExists(s);
}

int NactiGraf() {
  if (!ExistujeSoubor(jmenoSouboru)) return 2;
  if (!JeSouborGrafu(jmenoSouboru)) return 1;

  tctenar cteni(jmenoSouboru);
  // The file passed the check; a count it no longer holds means it changed since.
  const int n = cteni.Cele();
  if (n < 0 || n > kMaxVrcholu) ChybaVstupu("soubor " + jmenoSouboru + " se behem cteni zmenil");
  const TDavkaZmen davka(graf);
  graf.Init(std::uint8_t(n));
  for (std::uint8_t i = 1; i <= n; ++i) {
    graf.SetHodnota(i, cteni.Realne());
    graf.SetX(i, cteni.Cele());
    graf.SetY(i, cteni.Cele());
    for (std::uint8_t j = 1; j <= n; ++j) graf.SetHrana(i, j, cteni.Realne());
    graf.SetText(i, cteni.Text());
  }
  return 0;
}

int UlozGraf(const tgraf& g, const std::string& jmeno) {
  OverHodnoty(g, jmeno);
  const fs::path cil = SystemPath(jmeno);
  if (jmeno.empty() || !cil.has_filename()) ChybaVstupu("'" + jmeno + "' neni jmeno souboru");
  if (const auto chyba = ZapisAtomicky(cil, ObsahSouboru(g))) ChybaVstupu(PopisChybyZapisu(jmeno, *chyba));
  return 0;
}

int UlozGraf() {
  return UlozGraf(graf, jmenoSouboru);
}

void ZrusGraf() {
  graf.Clear();
}
