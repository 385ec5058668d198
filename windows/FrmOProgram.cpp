// Window TForm6 (to be completed).
#include "windows/FrmOProgram.h"

TForm6* Form6 = nullptr;

TForm6::TForm6() : TForm("TForm6", "O Programu", 200, 100, 581, 384) {}
