// Window TForm7 (to be completed).
#include "windows/frmhelpp.h"

TForm7* Form7 = nullptr;

TForm7::TForm7() : TForm("TForm7", "Form7", 200, 100, 562, 507) {}
