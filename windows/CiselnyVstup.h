// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Edit boxes that take a number: a box remembers its text on entering, a typed text
// is checked with a message, and a refused entry gets the remembered text back.
#pragma once

#include "platform/Controls.h"

#include <string>

// A vertex of the graph as it is now. The editors are modeless, so the main window
// may have loaded a smaller graph since a number was shown.
bool JeVrchol(long long v);

// One per window: only one box can be left at a time, so one remembered text serves
// all the boxes the window watches.
class tciselnyVstup {
public:
  // necislo: the message for a character the kind does not allow. An empty text is
  // refused silently unless prazdnyHlasi, which reports it with the same message.
  explicit tciselnyVstup(const char* necislo, bool prazdnyHlasi = false)
      : zpravaNecislo(necislo), hlasitPrazdny(prazdnyHlasi) {}
  tciselnyVstup(const tciselnyVstup&) = delete;  // the boxes' handlers point at this one
  tciselnyVstup& operator=(const tciselnyVstup&) = delete;

  // The box remembers its text whenever it is entered.
  void Sleduj(TEdit* edit);

  // KontrolaCisla of the text for the kind ('b' vertex numbers, 'i' integers, 'r'
  // reals) with the message; true only for a text that may be converted.
  bool Plati(const std::string& text, char druh) const;
  // The box's own text checked; a refused one is replaced by the remembered text.
  bool Prijmi(TEdit* edit, char druh) const;
  // The box gets its remembered text back.
  void Obnov(TEdit* edit) const { edit->SetText(puvodniText); }
  // The box named no vertex of the graph: its remembered text back, then the message.
  void SpatnyVrchol(TEdit* edit) const;

private:
  std::string puvodniText;
  const char* zpravaNecislo;
  bool hlasitPrazdny;
};
