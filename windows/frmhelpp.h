// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The Help window: the fixed help text in a read-only box.
#pragma once

#include "windows/TextoveOkno.h"

class TForm7 : public TTextoveOkno {
public:
  TForm7();
};

extern TForm7* Form7;
