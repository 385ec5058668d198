// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The colouring legend: for every vertex its number, its identification colour, its
// value, its degree and its comment, read from the graph at every showing.
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

#include <array>

class TForm2 : public TForm {
public:
  TForm2();

  // The boxes of vertex k: Edit(4k), Edit(4k + 3), Edit(4k + 1), Edit(44 + k), Edit(4k + 2).
  struct tradek {
    TEdit* cislo;
    TEdit* barva;
    TEdit* hodnota;
    TEdit* skore;
    TEdit* text;
  };

  std::array<tradek, 10> radky;  // vertices 1 to 10
  TBitBtn* BitBtn1;              // Cancel: closes

  void BitBtn1Click();
  // The rows read the graph again after a change made elsewhere (the canvas, undo).
  void ObnovHodnoty() { FormShow(); }

protected:
  void FormShow() override;
};

extern TForm2* Form2;
