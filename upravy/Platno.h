// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Editing on the canvas: the mouse draws and changes the graph while "Úpravy myší" is on,
// every change of the graph can be undone and redone, and unsaved work has recovery copies.
// With the mode off the mouse changes nothing and the file commands ask nothing.
#pragma once

class TForm1;

// Attaches editing to the main window for the window's lifetime.
void PripojUpravy(TForm1* okno);
