// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The About window: the program's name and version in a read-only box.
#pragma once

#include "windows/TextoveOkno.h"

class TForm6 : public TTextoveOkno {
public:
  TForm6();
};

extern TForm6* Form6;
