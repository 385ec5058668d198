// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The checks that stand before every conversion of text to numbers: the character
// check of one number text and the structural check of a whole graph file.
#include "files/ukontrola.h"

#include "model/UGraf.h"
#include "platform/SysUtils.h"

#include <string_view>

namespace {

constexpr int kKonec = -1;

bool JeCislice(char c) {
  return c >= '0' && c <= '9';
}

bool KonciPole(int c) {
  return c == ' ' || c == '\n' || c == kKonec;
}

// Takes one field of a vertex line and the blank after it. The last field of a
// line may end the line instead, since the text after it is not examined.
bool PoleVPoradku(tcteni& f, char druh, bool posledni) {
  if (KontrolaCisla(f.Pole(), druh) != 0) return false;
  f.PreskocPole();
  if (posledni) return true;
  return f.Znak() == ' ';
}

// One vertex line of a graph of n vertices. Each real's sign position is passed
// over unseen, so exactly one blank separates the fields.
bool RadekVrcholu(tcteni& f, unsigned n) {
  const int znamenko = f.Znak();
  if (znamenko == '\n' || znamenko == kKonec) return false;
  if (!PoleVPoradku(f, 'r', false) || !PoleVPoradku(f, 'i', false) || !PoleVPoradku(f, 'i', false)) return false;
  for (unsigned j = 1; j <= n; ++j) {
    const int znamenkoDelky = f.Znak();
    if (znamenkoDelky == '\n' || znamenkoDelky == kKonec) return false;
    if (!PoleVPoradku(f, 'r', j == n)) return false;
  }
  return true;
}

}  // namespace

tcteni::tcteni(const std::string& cesta) {
  soubor.open(SystemPath(cesta), std::ios::in | std::ios::binary);
}

int tcteni::Nahled() {
  const int c = soubor.sgetc();
  if (c == std::filebuf::traits_type::eof()) return kKonec;
  return c == '\r' ? '\n' : c;
}

int tcteni::Znak() {
  const int c = soubor.sbumpc();
  if (c == std::filebuf::traits_type::eof()) return kKonec;
  if (c == '\r' && soubor.sgetc() == '\n') soubor.sbumpc();
  return c == '\r' ? '\n' : c;
}

std::string tcteni::Pole() {
  std::string pole;
  for (int c = Nahled(); !KonciPole(c) && pole.size() <= kDelkaCisla; c = Nahled()) pole += char(Znak());
  return pole;
}

void tcteni::PreskocPole() {
  for (int c = Nahled(); !KonciPole(c); c = Nahled()) Znak();
}

void tcteni::PreskocRadek() {
  for (int c = Znak(); c != '\n' && c != kKonec; c = Znak()) {
  }
}

std::uint8_t KontrolaCisla(const std::string& s, char k) {
  if (s.empty()) return 1;
  const std::string_view text = std::string_view(s).substr(0, kDelkaCisla);
  bool teckaPovolena = true;
  bool exponentPovolen = true;
  for (std::size_t p = 0; p < text.size(); ++p) {
    const char c = text[p];
    if (JeCislice(c)) continue;
    if (k == 'r' || k == 'i') {
      if (c == '-' && p == 0) continue;
    }
    if (k == 'r') {
      if (c == '.' && teckaPovolena) {
        teckaPovolena = false;
        continue;
      }
      // The sign after the 'E' goes with it and is not examined again.
      if (c == 'E' && exponentPovolen && p + 1 < text.size() && (text[p + 1] == '+' || text[p + 1] == '-')) {
        exponentPovolen = false;
        ++p;
        continue;
      }
    }
    return 2;
  }
  return 0;
}

bool JeSouborGrafu(const std::string& s) {
  if (!FileExists(s)) return false;
  tcteni f(s);
  if (!f.Otevren()) return false;

  // The count line holds digits alone; one longer than any number text cannot
  // be a count, and neither can a value above what the graph holds.
  const std::string radek1 = f.Pole();
  const int zaPoctem = f.Znak();
  if (zaPoctem != '\n' && zaPoctem != kKonec) return false;
  if (radek1.size() > kDelkaCisla || KontrolaCisla(radek1, 'b') != 0) return false;
  unsigned n = 0;
  for (char c : radek1) {
    n = n * 10 + unsigned(c - '0');
    if (n > kMaxVrcholu) return false;
  }

  // The text that ends a vertex line is skipped only when another line follows.
  for (unsigned i = 1; i <= n; ++i) {
    if (i > 1) f.PreskocRadek();
    if (!RadekVrcholu(f, n)) return false;
  }
  return true;
}
