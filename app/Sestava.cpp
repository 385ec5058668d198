// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The composition root: the output road gets its receivers and observers, the program's
// windows are created and the layers over them attached, all in this one visible place
// rather than by the windows themselves or by static initialisers.
#include "Trivex.h"

#include "classroom/Trida.h"
#include "classroom/Zaznam.h"
#include "drawing/PUVykresli.h"
#include "platform/Forms.h"
#include "platform/Vystup.h"
#include "upravy/Platno.h"
#include "windows/FrmOProgram.h"
#include "windows/frmedvrch.h"
#include "windows/frmhelpp.h"
#include "windows/frminfo.h"
#include "windows/main.h"
#include "windows/novy.h"
#include "windows/nv.h"

void PripojVystup() {
  Vystup().Pozoruj(&Zaznamnik());
}

void CreateForms() {
  PripojVystup();
  Application->CreateForm(Form1);
  Application->CreateForm(Form3);
  Application->CreateForm(Form4);
  Application->CreateForm(Form6);
  Application->CreateForm(Form7);
  Application->CreateForm(FormXY);
  Application->CreateForm(Form2);
  // The algorithms draw on Image1 and report on Memo1 while the main window lives.
  NastavPlatno(Form1->Image1->GetCanvas());
  Vystup().NastavRadek([memo = Form1->Memo1](const std::string& text) { memo->SetText(text); });
  QObject::connect(Form1, &QObject::destroyed, [] {
    NastavPlatno(nullptr);
    Vystup().NastavRadek(nullptr);
  });
  PripojTridu({Form1, Form1->Image1, Form1->Memo1, {Form1->Button6, Form1->Button7, Form1->Button8}});
  PripojUpravy(Form1);  // editing on the canvas, undo, recovery copies
}
