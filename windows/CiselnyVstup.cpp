// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The number boxes of the editors and of the new-graph dialog share these checks, so
// a refusal looks and restores the same in every window.
#include "windows/CiselnyVstup.h"

#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"

bool JeVrchol(long long v) {
  return v >= 1 && v <= graf.GetPocet();
}

void tciselnyVstup::Sleduj(TEdit* edit) {
  edit->OnEnter = [this, edit] { puvodniText = edit->GetText(); };
}

bool tciselnyVstup::Plati(const std::string& text, char druh) const {
  const int kod = KontrolaCisla(text, druh);
  if (kod == 2 || (kod == 1 && hlasitPrazdny)) ShowMessage(zpravaNecislo);
  return kod == 0;
}

bool tciselnyVstup::Prijmi(TEdit* edit, char druh) const {
  if (Plati(edit->GetText(), druh)) return true;
  Obnov(edit);
  return false;
}

void tciselnyVstup::SpatnyVrchol(TEdit* edit) const {
  Obnov(edit);
  ShowMessage("Chyba , zadal jsi spatne cislo vrcholu ");
}
