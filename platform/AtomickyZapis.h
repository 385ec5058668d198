// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Saving a whole file at once, the one way every file of the program is saved: an
// existing file stays whole until the new one is complete and safely on the disk, so a
// failed save never leaves half a graph, picture or text behind. Plain C++ (the Windows
// build runs it too).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The step of a save that failed: before anything was written, while writing the new
// contents, or while putting them in the old file's place.
enum class TKrokZapisu { vytvoreni, zapis, nahrazeni };

struct TChybaZapisu {
  TKrokZapisu krok = TKrokZapisu::vytvoreni;
  std::string duvod;  // the system's reason, as the C library words it
};

// Writes data to a new file beside cil and renames it over cil once every write, the
// flush, the sync and the close succeeded; the folder is synced after the rename. A
// symbolic link is written through to its target; a read-only target is refused; a
// replaced file keeps its permissions. Nothing when done; otherwise the failed step,
// with cil as it was and no temporary file left behind.
std::optional<TChybaZapisu> ZapisAtomicky(const std::filesystem::path& cil, const std::string& data);

// The program's wording of a failed save of the file named jmeno (in the caller's
// encoding), without the reason: "soubor ... nelze vytvorit" and the like.
std::string PopisChybyZapisu(const std::string& jmeno, const TChybaZapisu& chyba);

// Lets a test make the next saves fail at one step as a full disk or a failing device
// would, where the test cannot fill a real disk: the new contents are cut in half, or
// the sync or the rename fails. zadne restores the real behaviour.
enum class TSimulaceZapisu { zadne, kratkyZapis, synchronizace, prejmenovani };
void SimulujChybuZapisu(TSimulaceZapisu simulace);
