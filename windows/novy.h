// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The new-graph dialog: asks for the vertex count and the file name of a new graph,
// replaces the current graph by that many fresh vertices and opens the graph editor.
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

class TForm3 : public TForm {
public:
  TForm3();

  TEdit* Edit3;      // caption "Zadejte pocet vrcholu :"
  TEdit* Edit2;      // the vertex count typed by the user
  TBitBtn* BitBtn1;  // OK
  TBitBtn* BitBtn2;  // Cancel

  void BitBtn1Click();
  void BitBtn2Click();
};

extern TForm3* Form3;
