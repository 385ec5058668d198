// Window TForm2 (to be completed).
#include "windows/frminfo.h"

TForm2* Form2 = nullptr;

TForm2::TForm2() : TForm("TForm2", "legenda", 200, 100, 656, 780) {}
