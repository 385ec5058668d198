// Window TFormXY (to be completed).
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

class TFormXY : public TForm {
public:
  TFormXY();
};

extern TFormXY* FormXY;
