// Window TForm4 (to be completed).
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

class TForm4 : public TForm {
public:
  TForm4();
};

extern TForm4* Form4;
