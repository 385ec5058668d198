// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The recorder sees the drawing, the output line, the boxes and the commands' bounds on the
// output road; the bounds come from Invoke, which every event handler runs through.
#include "classroom/Zaznam.h"

#include "model/UGraf.h"

#include <algorithm>
#include <utility>

namespace {

// The vertices the operation names, as far as the graph has them now.
TOperace PopisOperace(const TKresleni& kresleni) {
  TOperace operace{kresleni};
  const std::uint8_t n = graf.GetPocet();
  const auto vGrafu = [n](std::uint8_t w) { return w >= 1 && w <= n; };
  if (kresleni.druh == TKresleni::Vrchol && vGrafu(kresleni.u)) operace.u = kresleni.u;
  if (kresleni.druh != TKresleni::Hrana || !vGrafu(kresleni.u) || !vGrafu(kresleni.v) || kresleni.u == kresleni.v)
    return operace;
  operace.u = std::min(kresleni.u, kresleni.v);
  operace.v = std::max(kresleni.u, kresleni.v);
  operace.delka = graf.GetHrana(operace.v, operace.u);
  return operace;
}

}  // namespace

TZaznamnik& Zaznamnik() {
  static TZaznamnik zaznamnik;
  return zaznamnik;
}

std::size_t ZacatekObrazu(const std::vector<TOperace>& operace, std::size_t od, std::size_t po) {
  for (std::size_t i = std::min(po, operace.size()); i > od; --i)
    if (operace[i - 1].kresleni.druh == TKresleni::Smazani) return i - 1;
  return od;
}

std::size_t TZaznamnik::Bajtu() const {
  std::size_t bajtu = sizeof(*this) + (obraz.capacity() + vyklad.operace.capacity() + behem.capacity()) * sizeof(TOperace);
  bajtu += vyklad.kroky.capacity() * sizeof(TKrok);
  for (const TKrok& krok : vyklad.kroky) bajtu += krok.text.capacity();
  return bajtu;
}

void TZaznamnik::SmazVyklad() {
  vyklad = TVyklad();
  if (bezi) vypravi = false, behem = obraz;
  Zmena();
}

void TZaznamnik::Kresleni(const TKresleni& kresleni) {
  const TOperace operace = PopisOperace(kresleni);
  if (kresleni.druh == TKresleni::Smazani) obraz.clear();
  obraz.push_back(operace);
  if (!bezi) return;
  (vypravi ? vyklad.operace : behem).push_back(operace);
}

void TZaznamnik::ZacniVyklad() {
  if (vypravi) return;
  vypravi = true;
  vyklad.operace = std::move(behem);
  behem.clear();
  vyklad.kroky.clear();
}

void TZaznamnik::Zprava(const std::string& text) {
  // Outside a command (a headless run) there is no narration to keep.
  if (!bezi) return;
  ZacniVyklad();
  vyklad.kroky.push_back({text, vyklad.operace.size(), false});
  Zmena();
}

void TZaznamnik::VystupniRadek(const std::string& text) {
  if (!bezi) return;
  vystupPsan = true;
  vystup = text;
}

void TZaznamnik::Prikaz(bool zacina) {
  if (zacina) {
    bezi = true;
    vypravi = vystupPsan = false;
    behem = obraz;
    return;
  }
  // The output line counts as the command wrote it last: a tab change that counts the
  // components and wipes the line at once wrote nothing to look back at.
  if (vystupPsan && !vystup.empty()) {
    ZacniVyklad();
    vyklad.kroky.push_back({vystup, vyklad.operace.size(), true});
  }
  const bool zmena = vypravi;
  bezi = vypravi = false;
  behem.clear();
  behem.shrink_to_fit();
  vystup.clear();
  if (zmena) Zmena();
  if (PoPrikazu) PoPrikazu(zmena);
}

void TZaznamnik::Zmena() {
  if (PriZmeneVykladu) PriZmeneVykladu();
}
