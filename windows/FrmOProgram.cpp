// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The About window.
#include "windows/FrmOProgram.h"

TForm6* Form6 = nullptr;

TForm6::TForm6()
    : TTextoveOkno({"TForm6", "O Programu", {200, 100, 581, 384}, {24, 24, 521, 169}, {112, 264, 345, 49}, false, true, {
          {128, '*', ""},
          {76, ' ', "O Programu"},
          {128, '*', ""},
          {0, ' ', "Program  :  Trivex"},
          {0, ' ', "Verze  : 2,0"},
      }}) {}
