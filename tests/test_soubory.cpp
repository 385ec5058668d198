// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph files as the file system sees them, on Linux and on Windows alike: names
// with Czech letters, a save replacing an existing file, CR LF line ends byte for
// byte. No Qt here, so the same tests run in the Windows build of the plain units.
#include "files/USoubor.h"
#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/SysUtils.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
struct tslozka {
  tslozka() {
    std::random_device nahoda;
    cesta = fs::temp_directory_path() / fs::u8path("trivex-test-" + std::to_string(nahoda()));
    fs::create_directories(cesta);
  }
  ~tslozka() {
    std::error_code chyba;
    fs::remove_all(cesta, chyba);
  }
  fs::path cesta;
};

std::string Bajty(const fs::path& soubor) {
  std::ifstream f(soubor, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void ZapisBajty(const fs::path& soubor, const std::string& bajty) {
  std::ofstream f(soubor, std::ios::binary | std::ios::trunc);
  f << bajty;
}

// Every name in the folder and below it, as UTF-8 relative paths with '/'.
std::vector<std::string> Obsah(const fs::path& slozka) {
  std::vector<std::string> jmena;
  for (const auto& polozka : fs::recursive_directory_iterator(slozka))
    jmena.push_back(polozka.path().lexically_relative(slozka).generic_u8string());
  std::sort(jmena.begin(), jmena.end());
  return jmena;
}

// Two vertices joined by an edge of length 5; the first one's comment is "kůň".
const std::string kGraf =
    "2\r\n"
    " 0.00000000000000E+0000 120 45  0.00000000000000E+0000  5.00000000000000E+0000 k\xF9\xF2\r\n"
    " 0.00000000000000E+0000 200 90  5.00000000000000E+0000  0.00000000000000E+0000 \r\n";

void PostavGraf() {
  graf.Clear();
  graf.Init(2);
  graf.SetX(1, 120), graf.SetY(1, 45), graf.SetX(2, 200), graf.SetY(2, 90);
  graf.SetHrana(1, 2, 5.0), graf.SetHrana(2, 1, 5.0);
  graf.SetText(1, "k\xF9\xF2");
}

TEST(Soubory, SaveWritesAndReplacesFilesUnderCzechNames) {
  const struct { const char* name; const char* slozka; const char* soubor; bool existuje; } cases[] = {
      {"plain name", "", "graf.grf", false},
      {"Czech letters", "", "Příliš žluťoučký kůň.grf", false},
      {"Czech folder and file", "Grafy žáků", "úloha č. 1.grf", false},
      {"replaces a longer file", "", "graf.grf", true},
      {"replaces a file with Czech letters", "Grafy žáků", "Šťastná čísla.grf", true},
  };
  for (const auto& c : cases) {
    tslozka tmp;
    const fs::path slozka = tmp.cesta / fs::u8path(c.slozka);
    fs::create_directories(slozka);
    const fs::path soubor = slozka / fs::u8path(c.soubor);
    if (c.existuje) ZapisBajty(soubor, std::string(5000, 'x'));
    const std::string cesta = ProgramPath(soubor);

    PostavGraf();
    SetJmenoSouboru(cesta);
    EXPECT_EQ(0, UlozGraf()) << c.name;
    EXPECT_EQ(kGraf, Bajty(soubor)) << c.name << ": CR LF and the comment's Windows-1250 bytes, nothing of the old file";
    const std::string relativni = std::string(c.slozka).empty() ? std::string(c.soubor) : std::string(c.slozka) + "/" + c.soubor;
    std::vector<std::string> ocekavany{relativni};
    if (!std::string(c.slozka).empty()) ocekavany.insert(ocekavany.begin(), c.slozka);
    EXPECT_EQ(ocekavany, Obsah(tmp.cesta)) << c.name << ": the name on disk, and no temporary file left";

    EXPECT_TRUE(ExistujeSoubor(cesta)) << c.name;
    EXPECT_TRUE(JeSouborGrafu(cesta)) << c.name;
    ZrusGraf();
    EXPECT_EQ(0, NactiGraf()) << c.name;
    EXPECT_EQ(2, graf.GetPocet()) << c.name;
    EXPECT_EQ("k\xF9\xF2", graf.GetText(1)) << c.name;
    EXPECT_EQ(5.0, graf.GetHrana(2, 1)) << c.name;
  }
  ZrusGraf();
  SetJmenoSouboru("");
}

TEST(Soubory, FailedSaveLeavesTheFolderAsItWas) {
  tslozka tmp;
  const fs::path soubor = tmp.cesta / fs::u8path("stará.grf");
  ZapisBajty(soubor, kGraf);
  // A folder of the same name stands where the new file should go.
  const fs::path slozka = tmp.cesta / fs::u8path("žádný soubor.grf");
  fs::create_directories(slozka);
  const std::vector<std::string> predtim = Obsah(tmp.cesta);

  PostavGraf();
  graf.SetText(1, "jin\xFD");
  SetJmenoSouboru(ProgramPath(slozka));
  EXPECT_THROW(UlozGraf(), EInOutError);
  EXPECT_EQ(predtim, Obsah(tmp.cesta));
  EXPECT_EQ(kGraf, Bajty(soubor));
  ZrusGraf();
  SetJmenoSouboru("");
}

}  // namespace
