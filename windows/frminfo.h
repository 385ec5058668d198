// Window TForm2 (to be completed).
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

class TForm2 : public TForm {
public:
  TForm2();
};

extern TForm2* Form2;
