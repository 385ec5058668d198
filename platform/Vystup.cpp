// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The road out keeps its receivers and observers in one object; nothing attaches itself.
#include "platform/Vystup.h"

#include <algorithm>
#include <utility>

TVystup& Vystup() {
  static TVystup vystup;
  return vystup;
}

TVystup::TText TVystup::NastavPrijemceZprav(TText prijemce) {
  return std::exchange(prijemceZprav, std::move(prijemce));
}

void TVystup::Pozoruj(TPozorovatelVystupu* pozorovatel) {
  if (std::find(pozorovatele.begin(), pozorovatele.end(), pozorovatel) == pozorovatele.end())
    pozorovatele.push_back(pozorovatel);
}

void TVystup::Nepozoruj(TPozorovatelVystupu* pozorovatel) {
  pozorovatele.erase(std::remove(pozorovatele.begin(), pozorovatele.end(), pozorovatel), pozorovatele.end());
}

void TVystup::Kresleni(const TKresleni& kresleni) const {
  for (TPozorovatelVystupu* p : pozorovatele) p->Kresleni(kresleni);
}

void TVystup::Radek(const std::string& text) const {
  for (TPozorovatelVystupu* p : pozorovatele) p->VystupniRadek(text);
  if (radek) radek(text);
}

void TVystup::Zprava(const std::string& text) const {
  for (TPozorovatelVystupu* p : pozorovatele) p->Zprava(text);
}

void TVystup::Prikaz(bool zacina) const {
  for (TPozorovatelVystupu* p : pozorovatele) p->Prikaz(zacina);
}
