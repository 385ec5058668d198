// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The fixed information windows (About, Help): a read-only text box and an OK button,
// laid out and filled from a description, and the assembly of their texts.
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

#include <cstddef>
#include <initializer_list>
#include <string>

// One line of a fixed text: a run of one character (an asterisk rule, an indent of
// blanks), then the text, written in UTF-8.
struct tradekTextu {
  std::size_t opakovani;
  char znak;
  const char* text;
};

// The lines joined by line ends, in the program's code page, ready for a memo.
std::string SlozText(std::initializer_list<tradekTextu> radky);

struct tobdelnik {
  int left, top, width, height;
};

// What tells one information window from the other. It is read while the window is
// built, so the lines may be a temporary list.
struct tpopisOkna {
  const char* trida;
  const char* titulek;
  tobdelnik okno;
  tobdelnik memo;
  tobdelnik ok;
  // Both scroll bars and left-to-right text, for a text wider and longer than its box.
  bool posuvniky;
  // A fixed pitch keeps rules of asterisks and a centred title in step.
  bool pevnaSirka;
  std::initializer_list<tradekTextu> text;
};

class TTextoveOkno : public TForm {
public:
  explicit TTextoveOkno(const tpopisOkna& popis);

  TMemo* Memo1;      // read-only, so Enter adds no line either
  TBitBtn* BitBtn1;  // OK: closes

  void BitBtn1Click();
};
