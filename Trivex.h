// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The program's windows, created once for the whole run.
#pragma once

// Creates the seven windows hidden, the main window first, given a live QApplication.
void CreateForms();
