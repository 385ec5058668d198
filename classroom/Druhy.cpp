// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The kinds are read from the texts the spanning-tree runs write, so the narration itself
// stays exactly as the runs write it; the explanations only stand beside it.
#include "classroom/Druhy.h"

#include <QSet>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

namespace {

const char* const kPrijeti = "barvim hranu - zarazuji do kostry ";
const char* const kVyhozeni = "vyhazuji hranu - nepatri do kostry ";
const char* const kVyrazeni = " vyrazuji hranu ";
const char* const kKomponenty =
    " graf ma vice nez 1 komponentu , proto provedu simulaci algoritmu na vsech jeho komponentach ";
const char* const kBezHran = " graf bez hran , uz jsem hotov ";
const char* const kDelkaKostry = "Nejkratsi kostra ma delku : ";
const char* const kSDelkou = " s delkou ";

bool ZacinaNa(const std::string& text, const char* zacatek) {
  return text.compare(0, std::strlen(zacatek), zacatek) == 0;
}

// "a b" or "a b s delkou L" after the prefix; false for anything else.
bool PrectiHranu(const std::string& zbytek, TDruhKroku& krok) {
  std::size_t i = 0;
  const auto cislo = [&](int& kam) {
    const std::size_t od = i;
    int hodnota = 0;
    while (i < zbytek.size() && zbytek[i] >= '0' && zbytek[i] <= '9' && i - od < 3) hodnota = hodnota * 10 + (zbytek[i++] - '0');
    kam = hodnota;
    return i > od;
  };
  if (!cislo(krok.u) || i >= zbytek.size() || zbytek[i++] != ' ' || !cislo(krok.v)) return false;
  if (i == zbytek.size()) return true;
  if (zbytek.compare(i, std::strlen(kSDelkou), kSDelkou) != 0) return false;
  krok.delka = QString::fromLatin1(zbytek.substr(i + std::strlen(kSDelkou)).c_str());
  return !krok.delka.isEmpty();
}

std::pair<int, int> Dvojice(const TDruhKroku& k) {
  return {std::min(k.u, k.v), std::max(k.u, k.v)};
}

QString Hrana(const TDruhKroku& k) {
  QString text = QStringLiteral("%1 – %2").arg(k.u).arg(k.v);
  if (!k.delka.isEmpty()) text += QStringLiteral(" (délka %1)").arg(k.delka);
  return text;
}

}  // namespace

std::vector<TDruhKroku> RozlisKroky(const std::vector<TKrok>& kroky) {
  std::vector<TDruhKroku> druhy;
  QSet<QPair<int, int>> prijate;
  for (const TKrok& krok : kroky) {
    TDruhKroku druh;
    const std::string& t = krok.text;
    if (krok.vysledek) {
      druh.druh = TDruhRadku::Vysledek;
    } else if (t == kKomponenty) {
      druh.druh = TDruhRadku::Komponenty;
    } else if (ZacinaNa(t, kPrijeti) && PrectiHranu(t.substr(std::strlen(kPrijeti)), druh)) {
      druh.druh = TDruhRadku::Zarazeni;
      prijate.insert(QPair<int, int>(Dvojice(druh).first, Dvojice(druh).second));
    } else if ((ZacinaNa(t, kVyhozeni) && PrectiHranu(t.substr(std::strlen(kVyhozeni)), druh)) ||
               (ZacinaNa(t, kVyrazeni) && PrectiHranu(t.substr(std::strlen(kVyrazeni)), druh))) {
      const bool vKostre = prijate.contains(QPair<int, int>(Dvojice(druh).first, Dvojice(druh).second));
      druh.druh = vKostre ? TDruhRadku::Duplikat : TDruhRadku::Kruznice;
    } else {
      druh = TDruhKroku();
    }
    druhy.push_back(druh);
  }
  return druhy;
}

QString KlicDruhu(TDruhRadku druh) {
  switch (druh) {
    case TDruhRadku::Zarazeni: return QStringLiteral("zarazeni");
    case TDruhRadku::Kruznice: return QStringLiteral("kruznice");
    case TDruhRadku::Duplikat: return QStringLiteral("duplikat");
    case TDruhRadku::Komponenty: return QStringLiteral("komponenty");
    case TDruhRadku::Vysledek: return QStringLiteral("vysledek");
    case TDruhRadku::Jine: break;
  }
  return QStringLiteral("jine");
}

QString VysvetleniKroku(const TDruhKroku& druh, const TKrok& krok, int stromu) {
  switch (druh.druh) {
    case TDruhRadku::Zarazeni:
      return QStringLiteral("Zařazení: hrana %1 spojuje dva různé stromy (i samotný vrchol je strom) a je nejkratší, "
                            "kterou metoda teď zkoumá, proto patří do kostry.")
          .arg(Hrana(druh));
    case TDruhRadku::Kruznice:
      return QStringLiteral("Odmítnutí: oba konce hrany %1 už leží v jednom stromu, hrana by uzavřela kružnici.")
          .arg(Hrana(druh));
    case TDruhRadku::Duplikat:
      return QStringLiteral("Hrana %1 už v kostře je, byla zařazena dříve. Tohle je jen její druhý záznam "
                            "(metoda ji zná z obou konců), proto ho program vyřazuje; hrana v kostře zůstává.")
          .arg(Hrana(druh));
    case TDruhRadku::Komponenty:
      return QStringLiteral("Graf není souvislý: každá komponenta dostane svůj strom, výsledkem bude kostra lesa.");
    case TDruhRadku::Vysledek:
      if (!ZacinaNa(krok.text, kDelkaKostry)) return QStringLiteral("Výsledek příkazu, jak ho program zapsal do výstupního řádku.");
      if (stromu > 1)
        return QStringLiteral("Výsledek: graf má %1 komponent, délka je součtem délek minimálního kostrového lesa "
                              "o %1 stromech.")
            .arg(stromu);
      return QStringLiteral("Výsledek: součet délek hran minimální kostry grafu.");
    case TDruhRadku::Jine:
      break;
  }
  if (krok.text == kBezHran) return QStringLiteral("Graf nemá žádnou hranu, a tak není co zařazovat: metoda hned končí.");
  return QStringLiteral("Zpráva programu k tomuto kroku.");
}

int KomponentObrazu(const std::vector<TOperace>& operace) {
  const std::size_t od = ZacatekObrazu(operace, 0, operace.size());
  std::vector<int> rodic(256);
  std::iota(rodic.begin(), rodic.end(), 0);
  const auto koren = [&](int x) {
    while (rodic[std::size_t(x)] != x) x = rodic[std::size_t(x)] = rodic[std::size_t(rodic[std::size_t(x)])];
    return x;
  };
  QSet<int> vrcholy;
  for (std::size_t i = od; i < operace.size(); ++i) {
    const TOperace& o = operace[i];
    if (o.kresleni.druh == TKresleni::Vrchol && o.u) vrcholy.insert(o.u);
    if (o.kresleni.druh == TKresleni::Hrana && o.u && o.v && o.delka != 0.0) rodic[std::size_t(koren(o.u))] = koren(o.v);
  }
  QSet<int> koreny;
  for (int v : vrcholy) koreny.insert(koren(v));
  return int(koreny.size());
}
