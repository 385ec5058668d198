// The About window.
#include "windows/FrmOProgram.h"

#include "windows/frmhelpp.h"

TForm6* Form6 = nullptr;

TForm6::TForm6() : TForm("TForm6", "O Programu", 200, 100, 581, 384) {
  Memo1 = new TMemo(this, "Memo1", 24, 24, 521, 169);
  BitBtn1 = new TBitBtn(this, "BitBtn1", bkOK, 112, 264, 345, 49);

  // Read-only, so Enter adds no line either; the fixed pitch keeps the rules of
  // asterisks and the centred title in step.
  Memo1->SetReadOnly(true);
  Memo1->SetFixedPitch();
  Memo1->SetText(SlozText({
      {128, '*', ""},
      {76, ' ', "O Programu"},
      {128, '*', ""},
      {0, ' ', "Program  :  Trivex"},
      {0, ' ', "Verze  : 2,0"},
  }));

  BitBtn1->OnClick = [this] { BitBtn1Click(); };
}

void TForm6::BitBtn1Click() {
  Close();
}
