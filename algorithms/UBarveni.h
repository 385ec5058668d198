// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The two colourings: each vertex in its own identification colour, and the colour
// numbers of the single greedy pass.
#pragma once

#include "platform/Graphics.h"

#include <array>

// Identification colours of vertices 1 to 10 (entry 0 unused).
extern const std::array<TColor, 11> barvyVrcholu;
// The table is constant now; the windows still call this where they once filled
// it, and it has nothing left to do.
inline void NastavBarvyVrcholu() {}
// Vertices above 10 have no colour of their own and are left as they are drawn.
void ObarviVrcholy();
// 'b' narrated, anything else silent. A colour number above the last entry of
// paleta (only on graphs of 12 or more vertices) is given but not drawn.
void ObarviGraf(char rezim);
