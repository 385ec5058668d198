// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The command line: help, version, a command run headless on a graph file, export and
// import. The window path is the caller's.
#pragma once

#include <optional>

// The exit code when the arguments ask for anything but the window; nothing when the
// window is to start with the arguments as they came (a graph file, toolkit options).
// Must run before any application object exists.
std::optional<int> PrikazovaRadka(int argc, char* argv[]);
