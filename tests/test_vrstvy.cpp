// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The folders of the sources include each other one way only, read from the sources themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;
using TGrafSlozek = std::map<std::string, std::set<std::string>>;

// Every folder of the program's sources and the folders its includes name.
TGrafSlozek SlozkyAJejichIncludy(const fs::path& koren) {
  const std::set<std::string> slozky = {"algorithms", "app",   "classroom", "cli",      "cviceni", "drawing",
                                        "exchange",   "files", "model",     "platform", "upravy",  "windows"};
  const std::regex include(R"re(^\s*#\s*include\s*"([A-Za-z0-9_]+)/)re");
  TGrafSlozek graf;
  for (const std::string& slozka : slozky) {
    if (!fs::is_directory(koren / slozka)) continue;
    graf[slozka];
    for (const fs::directory_entry& soubor : fs::directory_iterator(koren / slozka)) {
      std::ifstream vstup(soubor.path());
      std::string radek;
      std::smatch shoda;
      while (std::getline(vstup, radek))
        if (std::regex_search(radek, shoda, include) && shoda[1] != slozka && slozky.count(shoda[1]))
          graf[slozka].insert(shoda[1]);
    }
  }
  return graf;
}

// What stays when every folder whose includes have all gone goes: the folders in or before a loop.
std::string Smycka(TGrafSlozek graf) {
  for (bool zmena = true; zmena;) {
    zmena = false;
    for (auto s = graf.begin(); s != graf.end();)
      if (std::all_of(s->second.begin(), s->second.end(), [&](const std::string& t) { return !graf.count(t); }))
        s = graf.erase(s), zmena = true;
      else
        ++s;
  }
  std::string text;
  for (const auto& [s, hrany] : graf) text += s + " ";
  return text;
}

// The checker itself finds loops, so that a clean answer means something.
TEST(Vrstvy, LoopFinderFindsLoopsAndOnlyLoops) {
  const struct { const char* nazev; TGrafSlozek graf; const char* smycka; } pripady[] = {
      {"diamond", {{"a", {"b", "c"}}, {"b", {"d"}}, {"c", {"d"}}, {"d", {}}}, ""},
      {"long way round", {{"a", {"b"}}, {"b", {"c"}}, {"c", {"d"}}, {"d", {"b"}}}, "a b c d "},
  };
  for (const auto& p : pripady) EXPECT_EQ(p.smycka, Smycka(p.graf)) << p.nazev;
}

TEST(Vrstvy, FoldersIncludeEachOtherWithoutLoops) {
  const TGrafSlozek graf = SlozkyAJejichIncludy(TRIVEX_ZDROJE);
  ASSERT_GE(graf.size(), 9u) << "the sources were not found under " << TRIVEX_ZDROJE;
  EXPECT_EQ("", Smycka(graf));
  // The graph, its files and the algorithms are tested and used without any window.
  for (const char* dolni : {"model", "files", "drawing", "algorithms", "cviceni", "platform"})
    for (const char* okna : {"windows", "classroom", "upravy", "cli", "app"})
      EXPECT_EQ(0u, graf.count(dolni) ? graf.at(dolni).count(okna) : 0u) << dolni << " includes " << okna;
}

}  // namespace
