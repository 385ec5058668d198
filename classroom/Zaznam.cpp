// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The recorder sees the drawing unit and the boxes through their observers; the
// commands' boundaries come from Invoke, which every event handler runs through.
#include "classroom/Zaznam.h"

#include "model/UGraf.h"
#include "platform/Dialogs.h"

#include <utility>

namespace {

// The lowest-numbered vertex lying at (x, y), 0 when none does.
std::uint8_t VrcholNa(std::int32_t x, std::int32_t y, std::uint8_t krome = 0) {
  const std::uint8_t n = graf.GetPocet();
  for (std::uint8_t i = 1; i <= n; ++i)
    if (i != krome && graf.GetX(i) == x && graf.GetY(i) == y) return i;
  return 0;
}

// Both ends of a drawn edge; vertices sharing a position prefer a pair the graph joins.
TOperace PopisOperace(const TKresleni& kresleni) {
  TOperace operace{kresleni};
  if (kresleni.druh == TKresleni::Vrchol) operace.u = VrcholNa(kresleni.x1, kresleni.y1);
  if (kresleni.druh != TKresleni::Hrana) return operace;
  const std::uint8_t n = graf.GetPocet();
  std::uint8_t a = 0, b = 0;
  for (std::uint8_t i = 1; i <= n && !(a && graf.GetHrana(std::max(a, b), std::min(a, b)) != 0.0); ++i) {
    if (graf.GetX(i) != kresleni.x1 || graf.GetY(i) != kresleni.y1) continue;
    for (std::uint8_t j = 1; j <= n; ++j) {
      if (j == i || graf.GetX(j) != kresleni.x2 || graf.GetY(j) != kresleni.y2) continue;
      const bool spojene = graf.GetHrana(std::max(i, j), std::min(i, j)) != 0.0;
      if (!a || spojene) a = i, b = j;
      if (spojene) break;
    }
  }
  if (!a) return operace;
  operace.u = std::min(a, b);
  operace.v = std::max(a, b);
  operace.delka = graf.GetHrana(operace.v, operace.u);
  return operace;
}

const bool pripojeno = [] {
  NastavPozorovateleKresleni([](const TKresleni& k) { Zaznamnik().Kresleni(k); });
  SetMessageObserver([](const std::string& text) { Zaznamnik().Zprava(text); });
  SetCommandObserver([](bool zacina) { Zaznamnik().Prikaz(zacina); });
  return true;
}();

}  // namespace

TZaznamnik& Zaznamnik() {
  static TZaznamnik zaznamnik;
  (void)pripojeno;
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
