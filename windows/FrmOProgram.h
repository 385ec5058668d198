// The About window: the program's name and version in a read-only box.
#pragma once

#include "windows/TextoveOkno.h"

class TForm6 : public TTextoveOkno {
public:
  TForm6();
};

extern TForm6* Form6;
