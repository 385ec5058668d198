// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The one atomic writer at the edges of the file system and when a step fails (no Qt:
// the Windows build runs these too): the old file is whole or wholly replaced, nothing
// is left beside it, and a replaced file keeps what the user set on it.
#include "platform/AtomickyZapis.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

std::string Bajty(const fs::path& soubor) {
  std::ifstream f(soubor, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Obsah(const fs::path& slozka) {
  std::vector<std::string> jmena;
  for (const auto& polozka : fs::directory_iterator(slozka)) jmena.push_back(polozka.path().filename().u8string());
  std::sort(jmena.begin(), jmena.end());
  return jmena;
}

class AtomicWrite : public ::testing::Test {
protected:
  AtomicWrite() { Vyprazdni(); }
  ~AtomicWrite() override {
    SimulujChybuZapisu(TSimulaceZapisu::zadne);
    Vyprazdni(false);
  }
  // The old file made writable first: Windows removes no read-only file.
  void Vyprazdni(bool znovu = true) {
    std::error_code chyba;
    fs::permissions(dir / "stary", fs::perms::owner_all, chyba);
    fs::remove_all(dir, chyba);
    if (znovu) fs::create_directories(dir);
  }
  const fs::path dir = fs::temp_directory_path() / ("trivex-zapis-" + std::to_string(std::random_device()()));
};

// Each row prepares the folder around an old file "stary" and saves "novy" to the path it
// names; the old file's bytes, the folder's names and the permissions say what happened.
TEST_F(AtomicWrite, SavesReplaceWholeFilesAtTheEdgesOfTheFileSystem) {
  // Each row: what it does to the folder and the path it saves to, whether the save succeeds,
  // and the old file's bytes afterwards.
  using P = const fs::path&;
  const struct { const char* nazev; std::function<fs::path(P)> priprav; bool uspech; std::string stary = "novy"; } cases[] = {
      {"a new file", [](P d) { return d / "jiny"; }, true, "stary"},
#ifndef _WIN32  // whole paths there are limited to 260 characters
      {"a name of 255 bytes", [](P d) { return d / std::string(255, 'd'); }, true, "stary"},
#endif
      {"an old file", [](P d) { return d / "stary"; }, true},
      {"100 stale temporaries",
       [](P d) { for (int i = 1; i <= 100; ++i) std::ofstream(d / ("stary.~" + std::to_string(i) + ".tmp")) << "x"; return d / "stary"; },
       true},
      {"a read-only file (0444)",
       [](P d) { fs::permissions(d / "stary", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read); return d / "stary"; },
       false, "stary"},
      {"a folder", [](P d) { fs::create_directory(d / "slozka"); return d / "slozka"; }, false, "stary"},
      {"a missing folder", [](P d) { return d / "nic" / "stary"; }, false, "stary"},
#ifndef _WIN32  // links need privileges there
      {"a link to a link to the old file",
       [](P d) { fs::create_symlink("stary", d / "odkaz"); fs::create_symlink(d / "odkaz", d / "odkaz2"); return d / "odkaz2"; },
       true},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nazev);
    Vyprazdni();
    std::ofstream(dir / "stary", std::ios::binary) << "stary";
    const fs::path cil = c.priprav(dir);
    std::vector<std::string> po = Obsah(dir);  // what the folder holds afterwards
    if (c.uspech && !fs::exists(fs::symlink_status(cil))) po.push_back(cil.filename().u8string());
    std::sort(po.begin(), po.end());
    const auto vysledek = ZapisAtomicky(cil, "novy");
    EXPECT_EQ(c.uspech, !vysledek) << (vysledek ? vysledek->duvod : "");
    EXPECT_EQ(c.stary, Bajty(dir / "stary"));
    EXPECT_EQ(po, Obsah(dir)) << "no temporary file is left behind";
    if (!c.uspech) continue;
    EXPECT_EQ("novy", Bajty(cil));
  }
}

#ifndef _WIN32
// Who may read and write a file is the user's choice; a save must not widen or narrow it.
TEST_F(AtomicWrite, ReplacedFileKeepsItsPermissions) {
  for (const fs::perms rezim : {fs::perms::owner_read | fs::perms::owner_write,
                                fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read}) {
    std::ofstream(dir / "stary") << "stary";
    fs::permissions(dir / "stary", rezim);
    ASSERT_FALSE(ZapisAtomicky(dir / "stary", "novy"));
    EXPECT_EQ(rezim, fs::status(dir / "stary").permissions());
  }
}
#endif

// A full disk or a failing device at any step: the old file stays byte for byte and no
// temporary file is left; the failed step is named.
TEST_F(AtomicWrite, FailedStepLeavesTheOldFileWholeAndNothingBeside) {
  const struct { const char* nazev; TSimulaceZapisu simulace; TKrokZapisu krok; } cases[] = {
      {"short write", TSimulaceZapisu::kratkyZapis, TKrokZapisu::zapis},
      {"sync", TSimulaceZapisu::synchronizace, TKrokZapisu::zapis},
      {"rename", TSimulaceZapisu::prejmenovani, TKrokZapisu::nahrazeni},
  };
  std::ofstream(dir / "stary", std::ios::binary) << "stary";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nazev);
    SimulujChybuZapisu(c.simulace);
    const auto vysledek = ZapisAtomicky(dir / "stary", std::string(100000, 'n'));
    SimulujChybuZapisu(TSimulaceZapisu::zadne);
    ASSERT_TRUE(vysledek);
    EXPECT_EQ(int(c.krok), int(vysledek->krok));
    EXPECT_FALSE(vysledek->duvod.empty());
    EXPECT_EQ("stary", Bajty(dir / "stary"));
    EXPECT_EQ(std::vector<std::string>{"stary"}, Obsah(dir));
  }
}

}  // namespace
