// Window TFormXY (to be completed).
#include "windows/frmedvrch.h"

TFormXY* FormXY = nullptr;

TFormXY::TFormXY() : TForm("TFormXY", "Editace Vrcholu", 200, 100, 486, 579) {}
