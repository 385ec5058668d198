// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Trivex: starts the application, creates its windows and runs until the main
// window closes. A graph file named as the only argument is opened at start; the
// options of the command line run without any window.
#include "Trivex.h"

#include "cli/Prikazy.h"
#include "platform/Forms.h"
#include "platform/Preklad.h"
#include "windows/main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  // Decided before any application object exists: help and version need no display.
  if (const std::optional<int> kod = PrikazovaRadka(argc, argv)) return *kod;
  QApplication app(argc, argv);
  NactiPrekladQt(app);
  Application->Initialize();
  CreateForms();
  if (argc == 2) OtevriPriStartu(argv[1]);
  Application->Run();
  Application->FreeForms();
  return 0;
}
