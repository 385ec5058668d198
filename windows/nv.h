// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph editor: one examined vertex at a time, its value, its comment and the
// lengths of its edges to the vertices named in eight neighbour slots, each applied
// to the graph when its edit box loses the focus, with the highlight on the canvas.
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "windows/CiselnyVstup.h"

#include <array>
#include <cstdint>
#include <string>

// One neighbour slot: the vertex it names, the length of that vertex's edge to the
// examined vertex, and the colour of both in the highlight.
struct tslot {
  TEdit* soused = nullptr;   // neighbour number
  TEdit* delka = nullptr;    // edge length
  TEdit* barevnik = nullptr; // colour box
  TColor barva = clBlack;
  // The slot checks the examined vertex before its own text, and then leaves its own
  // text alone when the examined vertex is not a number.
  bool zkoumanyNejdrive = false;
};

class TForm4 : public TForm {
public:
  TForm4();

  TEdit* Edit1;   // caption "Graf"
  TEdit* Edit2;   // path of the current graph file
  TEdit* Edit3;   // caption "Pocet vrcholu"
  TEdit* Edit4;   // vertex count
  TEdit* Edit38;  // caption "Text k vrcholu"
  TEdit* Edit28;  // comment of the examined vertex
  TEdit* Edit5;   // caption "Zkoumany vrchol a jeho hodnota"
  TEdit* Edit37;  // colour box of the examined vertex
  TEdit* Edit7;   // number of the examined vertex
  TEdit* Edit6;   // value of the examined vertex
  TEdit* Edit8;   // captions of the slot columns
  TEdit* Edit9;
  TEdit* Edit10;
  TEdit* Edit13;
  TBitBtn* BitBtn2;  // OK

  // Slots 1 to 4 form the left column, 5 to 8 the right one.
  std::array<tslot, 8> sloty;

  void Edit7Exit();
  void Edit6Exit();
  void Edit28Exit();
  // Exit of a slot's neighbour edit and of its length edit.
  void SousedExit(const tslot& slot);
  void DelkaExit(const tslot& slot);
  void BitBtn2Click();

  // The path box follows the current file name. Showing does it too, but a window
  // already open is not shown anew.
  void UkazCestu();
  // The boxes read the graph again after a change made elsewhere (the canvas, undo), the
  // examined vertex and the slots staying as chosen, and the highlight is redrawn.
  void ObnovHodnoty();
  // The canvas with the examined vertex and the vertices of the slots highlighted.
  void ZvyrazniSousedy();

protected:
  void FormShow() override;

private:
  void VytvorOvladace();
  void NastavVzhled();
  void Propoj();

  // Edit6, Edit7 and the slot edits remember their text on entering.
  tciselnyVstup vstup{" zadal jsi necislo "};
  bool kaskadaPovolena = true;
  std::uint8_t zkoumanyVrchol = 0;
  std::uint8_t pocetPriZobrazeni = 0;
};

extern TForm4* Form4;
