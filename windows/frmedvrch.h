// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The vertex-coordinate editor: four rows, each naming a vertex by its number and
// showing its X and Y; a coordinate goes into the graph as soon as its box is left.
#pragma once

#include "model/UGraf.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "windows/CiselnyVstup.h"

#include <array>
#include <cstdint>

class TFormXY : public TForm {
public:
  TFormXY();

  // One row of the editor. The vertex edits (Edit4, Edit7, Edit10, Edit13) run
  // VrcholExit when left, the X and Y edits run SouradniceExit with their axis.
  struct tradek {
    TEdit* vrchol;
    TEdit* x;
    TEdit* y;
    TEdit* barvaBox;  // shows the colour in which the row's vertex is marked
    TColor barva;
  };

  // Which coordinate an edit of a row holds: the edit within the row and the
  // graph's setter for that coordinate.
  struct tosa {
    TEdit* tradek::*edit;
    void (tgraf::*nastav)(std::uint8_t, std::int32_t);
  };

  TEdit* Edit1;  // column captions
  TEdit* Edit2;
  TEdit* Edit3;
  std::array<tradek, 4> radky;
  TBitBtn* BitBtn2;  // OK

  void VrcholExit(const tradek& radek);
  void SouradniceExit(const tradek& radek, const tosa& osa);
  // Marks the vertices named by the rows, each once, in the colour of the first row
  // naming it; the caller has drawn the graph under the marks.
  void ZvyrazniVrcholy();
  void BitBtn2Click();
  // The rows read their vertices' coordinates again after a change made elsewhere (the
  // canvas, undo), and the picture while editing is redrawn.
  void ObnovHodnoty();

protected:
  void FormShow() override;

private:
  // The twelve row edits remember their text on entering.
  tciselnyVstup vstup{" zadal jsi nekde necislo "};

  // The whole graph in gray with the rows' marks over it: the picture while editing.
  void Prekresli();
};

extern TFormXY* FormXY;
