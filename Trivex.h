// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The program's windows, created once for the whole run.
#pragma once

// Puts the classroom's recorder on the output road, so that runs without a window are
// recorded as well; CreateForms does it first.
void PripojVystup();
// Creates the seven windows hidden, the main window first, given a live QApplication, and
// connects the output road to the main window.
void CreateForms();
