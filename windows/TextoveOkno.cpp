// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// One window class for both fixed texts: the windows differ only in layout and text.
#include "windows/TextoveOkno.h"

#include "platform/Cp1250.h"
#include "platform/Obrazovka.h"

std::string SlozText(std::initializer_list<tradekTextu> radky) {
  std::string text;
  for (const tradekTextu& radek : radky) {
    if (&radek != radky.begin()) text += '\n';
    text += std::string(radek.opakovani, radek.znak) + radek.text;
  }
  return Utf8ToCp1250(text);
}

TTextoveOkno::TTextoveOkno(const tpopisOkna& popis)
    : TForm(popis.trida, popis.titulek, popis.okno.left, popis.okno.top, popis.okno.width, popis.okno.height) {
  const tobdelnik& m = popis.memo;
  const tobdelnik& ok = popis.ok;
  Memo1 = new TMemo(this, "Memo1", m.left, m.top, m.width, m.height);
  BitBtn1 = new TBitBtn(this, "BitBtn1", bkOK, ok.left, ok.top, ok.width, ok.height);

  Memo1->SetReadOnly(true);
  if (popis.posuvniky) {
    Memo1->SetScrollBars(true, true);
    Memo1->setLayoutDirection(Qt::LeftToRight);
  }
  if (popis.pevnaSirka) Memo1->SetFixedPitch();
  Memo1->SetText(SlozText(popis.text));

  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  ZavirejKlavesouEsc(this, BitBtn1);
}

void TTextoveOkno::BitBtn1Click() {
  Close();
}
