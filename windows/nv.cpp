// Window TForm4 (to be completed).
#include "windows/nv.h"

TForm4* Form4 = nullptr;

TForm4::TForm4() : TForm("TForm4", "Editace grafu", 200, 100, 694, 632) {}
