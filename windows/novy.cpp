// Window TForm3 (to be completed).
#include "windows/novy.h"

TForm3* Form3 = nullptr;

TForm3::TForm3() : TForm("TForm3", "Form3", 200, 100, 622, 227) {}
