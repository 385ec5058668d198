// Window TForm3 (to be completed).
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

class TForm3 : public TForm {
public:
  TForm3();
};

extern TForm3* Form3;
