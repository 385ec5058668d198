// Window TForm7 (to be completed).
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

class TForm7 : public TForm {
public:
  TForm7();
};

extern TForm7* Form7;
