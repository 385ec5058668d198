// The About window: the program's name and version in a read-only box.
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

class TForm6 : public TForm {
public:
  TForm6();

  TMemo* Memo1;
  TBitBtn* BitBtn1;  // OK: closes

  void BitBtn1Click();
};

extern TForm6* Form6;
