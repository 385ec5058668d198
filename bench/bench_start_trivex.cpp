// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The program's start as its entry point does it, up to the first paint of the main
// window: the launcher of the start-up benchmark runs this as a fresh process.
#include "PrvniKresleni.h"
#include "Trivex.h"
#include "platform/Forms.h"
#include "platform/Preklad.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  NactiPrekladQt(app);
  Application->Initialize();
  CreateForms();
  new tPrvniKresleni(Application->MainForm());
  Application->Run();
  Application->FreeForms();
  return 0;
}
