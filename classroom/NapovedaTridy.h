// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// "Nápověda k výuce": the help of the classroom features (the canvas menu, the step window
// and its keys, and what the teacher's tools add), beside the program's own Help, which
// stays as it is.
#pragma once

#include "platform/Forms.h"

class QPushButton;
class QTextBrowser;

// The help's text as the window shows it (HTML), built from one table of sections and rows.
QString TextNapovedyTridy();

class TFormNapovedaTridy : public TForm {
public:
  TFormNapovedaTridy();

  QTextBrowser* TextNapoveda;
  QPushButton* ButtonZavrit;
};
