// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The composition root: the program's windows are created here, and the layers over them
// attached, in one visible place rather than by the windows themselves.
#include "Trivex.h"

#include "classroom/Trida.h"
#include "platform/Forms.h"
#include "windows/FrmOProgram.h"
#include "windows/frmedvrch.h"
#include "windows/frmhelpp.h"
#include "windows/frminfo.h"
#include "windows/main.h"
#include "windows/novy.h"
#include "windows/nv.h"

void CreateForms() {
  Application->CreateForm(Form1);
  Application->CreateForm(Form3);
  Application->CreateForm(Form4);
  Application->CreateForm(Form6);
  Application->CreateForm(Form7);
  Application->CreateForm(FormXY);
  Application->CreateForm(Form2);
  PripojTridu({Form1, Form1->Image1, Form1->Memo1});
}
