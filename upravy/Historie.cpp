// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// A step keeps the whole graph before and after: for at most 15 vertices that is small, and
// undo and redo are then exact mirrors whatever the change was.
#include "upravy/Historie.h"

#include <QUndoCommand>

#include <utility>

namespace {

constexpr int kSpojovanyKrok = 1;  // QUndoCommand::id of steps that may fold together
constexpr int kKroku = 1000;

// Counting the components stores a result, it edits nothing the user made: Ctrl+Z after
// "Komponent" undoes the user's last edit, not the count.
bool JenPocetKomponent(const TSnimekGrafu& pred, const TSnimekGrafu& po) {
  TSnimekGrafu bezPoctu = po;
  bezPoctu.komponent = pred.komponent;
  return bezPoctu == pred;
}

// A change nobody named says when only the colours did, so the undo tooltip tells a
// colouring from an edit.
QString Nazev(const TSnimekGrafu& pred, const TSnimekGrafu& po) {
  TSnimekGrafu bezPoctu = po;
  bezPoctu.komponent = pred.komponent;
  bezPoctu.barev = pred.barev;
  bool jenBarvy = bezPoctu.vrcholy.size() == pred.vrcholy.size();
  for (std::size_t k = 0; jenBarvy && k < pred.vrcholy.size(); ++k) {
    tvrchol v = bezPoctu.vrcholy[k];
    v.SetBarva(pred.vrcholy[k].GetBarva());
    jenBarvy = v == pred.vrcholy[k];
  }
  return jenBarvy ? QStringLiteral("obarvení") : QStringLiteral("úprava grafu");
}

}  // namespace

class TKrokHistorie : public QUndoCommand {
public:
  TKrokHistorie(THistorie& h, TSnimekGrafu pred, TSnimekGrafu po, const QString& nazev, int spojeni)
      : QUndoCommand(nazev), historie(h), pred(std::move(pred)), po(std::move(po)), spojeni(spojeni) {}

  // The change has already happened when the step is pushed.
  void redo() override {
    if (poprve) {
      poprve = false;
      return;
    }
    historie.Vrat(po);
  }
  void undo() override { historie.Vrat(pred); }
  int id() const override { return spojeni ? kSpojovanyKrok : -1; }
  bool mergeWith(const QUndoCommand* jiny) override {
    const auto* dalsi = static_cast<const TKrokHistorie*>(jiny);
    if (dalsi->spojeni != spojeni) return false;
    po = dalsi->po;
    // A drag that ends where it started changed nothing.
    setObsolete(po == pred);
    return true;
  }

private:
  THistorie& historie;
  TSnimekGrafu pred, po;
  int spojeni;
  bool poprve = true;
};

THistorie::THistorie(tgraf& g) : graf(g), posledni(g.Snimek()) {
  zasobnik.setUndoLimit(kKroku);
  klic = graf.Poslouchej([this](TZmenaGrafu druh) { Zmena(druh); });
}

THistorie::~THistorie() {
  graf.Neposlouchej(klic);
}

void THistorie::Pojmenuj(const QString& n, int s) {
  nazev = n;
  spojeni = s;
}

void THistorie::Zpet() {
  zasobnik.undo();
}

void THistorie::Znovu() {
  zasobnik.redo();
}

void THistorie::Zmena(TZmenaGrafu druh) {
  TSnimekGrafu ted = graf.Snimek();
  const QString n = std::exchange(nazev, QString());
  const int s = std::exchange(spojeni, 0);
  if (vraci) {
    posledni = std::move(ted);
    return;
  }
  if (druh == TZmenaGrafu::Nahrazen) {
    zasobnik.clear();
    posledni = std::move(ted);
    return;
  }
  if (ted == posledni) return;
  if (JenPocetKomponent(posledni, ted)) {
    posledni = std::move(ted);
    return;
  }
  TSnimekGrafu pred = std::exchange(posledni, ted);
  const QString nazevKroku = n.isEmpty() ? Nazev(pred, ted) : n;
  zasobnik.push(new TKrokHistorie(*this, std::move(pred), std::move(ted), nazevKroku, s));
}

void THistorie::Vrat(const TSnimekGrafu& stav) {
  vraci = true;
  graf.Obnov(stav, TZmenaGrafu::Upraven);
  vraci = false;
  if (PoObnoveni) PoObnoveni();
}
