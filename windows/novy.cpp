// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The new-graph dialog. It never writes a file: the new graph reaches its file only
// through the main window's save command.
#include "windows/novy.h"

#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "windows/CiselnyVstup.h"
#include "windows/main.h"

#include <cstdint>
#include <optional>
#include <string>

TForm3* Form3 = nullptr;

namespace {

// The dialogs that create graphs stop well below the 15 vertices the model holds.
constexpr int kNejvyseVrcholu = 10;

}  // namespace

TForm3::TForm3() : TForm("TForm3", "Form3", 200, 100, 622, 227) {
  Edit3 = new TEdit(this, "Edit3", 56, 24, 297, 21);
  Edit2 = new TEdit(this, "Edit2", 432, 24, 89, 21);
  BitBtn1 = new TBitBtn(this, "BitBtn1", bkOK, 56, 112, 193, 49);
  BitBtn2 = new TBitBtn(this, "BitBtn2", bkCancel, 352, 112, 193, 49);

  MakeCaption(Edit3, "Zadejte pocet vrcholu :");
  Edit2->SetText("0");

  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
}

void TForm3::BitBtn1Click() {
  const std::optional<std::string> vybrana = VyberSouborKUlozeni(this);
  if (!vybrana) return;
  const std::string& cesta = *vybrana;

  // The main window shows the chosen path even when the count is refused below; its
  // path box then hides the graph commands, because no file of that name exists yet.
  Form1->UkazCestu(cesta);

  // The count box remembers nothing: a refused count stays for the user to correct.
  const tciselnyVstup vstup(" nezadal jsi cislo ", true);
  const std::string pocet = Edit2->GetText();
  if (!vstup.Plati(pocet, 'b')) return;
  // Only digits are left: the whole value is compared, never a truncated byte of it,
  // and digits beyond the 32-bit range stop here with the conversion error.
  const int n = StrToInt(pocet);
  if (n > kNejvyseVrcholu) {
    ShowMessage(" Program trivex pracuje s grafy s nejvyse 10 vrcholu ");
    return;
  }

  {
    const TDavkaZmen davka(graf);
    graf.Clear();
    SetJmenoSouboru(cesta);
    graf.Init(static_cast<std::uint8_t>(n));
  }

  Form1->NovyGraf(cesta);
  Close();
}

void TForm3::BitBtn2Click() {
  Close();
}
