// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The folders of the sources include each other one way only: read from the sources
// themselves, so a new include that closes a loop fails here before anyone has to untangle it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

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

// A loop of folders, first folder repeated at the end; empty when there is none.
std::vector<std::string> Smycka(const TGrafSlozek& graf) {
  std::map<std::string, int> stav;  // 0 unseen, 1 on the path, 2 done
  std::vector<std::string> cesta;
  std::vector<std::string> smycka;
  std::function<bool(const std::string&)> navstiv = [&](const std::string& s) {
    stav[s] = 1;
    cesta.push_back(s);
    const auto hrany = graf.find(s);
    if (hrany != graf.end())
      for (const std::string& t : hrany->second) {
        if (stav[t] == 1) {
          smycka.assign(std::find(cesta.begin(), cesta.end(), t), cesta.end());
          smycka.push_back(t);
          return true;
        }
        if (stav[t] == 0 && navstiv(t)) return true;
      }
    cesta.pop_back();
    stav[s] = 2;
    return false;
  };
  for (const auto& [s, hrany] : graf)
    if (stav[s] == 0 && navstiv(s)) break;
  return smycka;
}

std::string Text(const std::vector<std::string>& slozky) {
  std::string text;
  for (const std::string& s : slozky) text += (text.empty() ? "" : " -> ") + s;
  return text;
}

// The checker itself finds loops, so that a clean answer means something.
TEST(Vrstvy, LoopFinderFindsLoopsAndOnlyLoops) {
  const struct { const char* nazev; TGrafSlozek graf; bool smycka; } pripady[] = {
      {"chain", {{"a", {"b"}}, {"b", {"c"}}, {"c", {}}}, false},
      {"diamond", {{"a", {"b", "c"}}, {"b", {"d"}}, {"c", {"d"}}, {"d", {}}}, false},
      {"two folders", {{"a", {"b"}}, {"b", {"a"}}}, true},
      {"long way round", {{"a", {"b"}}, {"b", {"c"}}, {"c", {"d"}}, {"d", {"b"}}}, true},
  };
  for (const auto& p : pripady) EXPECT_EQ(p.smycka, !Smycka(p.graf).empty()) << p.nazev;
}

TEST(Vrstvy, FoldersIncludeEachOtherWithoutLoops) {
  const TGrafSlozek graf = SlozkyAJejichIncludy(TRIVEX_ZDROJE);
  ASSERT_GE(graf.size(), 9u) << "the sources were not found under " << TRIVEX_ZDROJE;
  EXPECT_EQ("", Text(Smycka(graf)));
}

// The graph, its files and the algorithms are tested and used without any window.
TEST(Vrstvy, LowerLayersKnowNoWindows) {
  const TGrafSlozek graf = SlozkyAJejichIncludy(TRIVEX_ZDROJE);
  for (const char* dolni : {"model", "files", "drawing", "algorithms", "cviceni", "platform"})
    for (const char* okna : {"windows", "classroom", "upravy", "cli", "app"})
      EXPECT_EQ(0u, graf.count(dolni) ? graf.at(dolni).count(okna) : 0u) << dolni << " includes " << okna;
}

}  // namespace
