// The Help window: the fixed help text in a read-only box. It also keeps the way
// the fixed texts of the information windows are put together.
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

class TForm7 : public TForm {
public:
  TForm7();

  TMemo* Memo1;
  TBitBtn* BitBtn1;  // OK: closes

  void BitBtn1Click();
};

extern TForm7* Form7;
