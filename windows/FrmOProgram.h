// Window TForm6 (to be completed).
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

class TForm6 : public TForm {
public:
  TForm6();
};

extern TForm6* Form6;
