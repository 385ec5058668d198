// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Paths between Qt's texts, the file system and the program's own names (Windows-1250):
// the one conversion every dialog, argument and export path goes through. Qt Core only,
// so that the command line's readers and their fuzzer need no widgets.
#pragma once

#include <QString>

#include <filesystem>
#include <string>

// The file system's path of a path Qt gives.
std::filesystem::path SystemovaCesta(const QString& cesta);

// The program's name (Windows-1250) of a path the system gives, made absolute as the file
// dialogs give it; empty when the path holds a character the code page lacks, so that the
// program, which could not name the file, says so instead of looking for another one.
std::string CestaProgramu(const QString& cesta);
