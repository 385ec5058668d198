// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph file on Linux and on Windows alike (no Qt: the Windows build runs these too): the writer's
// bytes, the reader's tolerance, Czech names, saves that replace a file whole or fail leaving it whole.
#include "files/USoubor.h"

#include "model/UGraf.h"
#include "platform/SysUtils.h"

#include <algorithm>
#include <cmath>
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

// Reals of the file, each with the blank that follows it, and the two-vertex example; the
// first vertex's comment "kůň" is written in its Windows-1250 bytes.
const std::string k0 = " 0.00000000000000E+0000 ", k1 = " 1.00000000000000E+0000 ", k2 = " 2.00000000000000E+0000 ";
const std::string k5 = " 5.00000000000000E+0000 ", kLine1 = k0 + "120 45 " + k0 + k5 + "k\xF9\xF2", kV2 = k0 + "200 90 " + k5;
const std::string kLine2 = kV2 + k0, kFile = "2\r\n" + kLine1 + "\r\n" + kLine2 + "\r\n";

std::string Bajty(const fs::path& soubor) {
  std::ifstream f(soubor, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Every name in the folder and below it, as UTF-8 relative paths with '/'.
std::vector<std::string> Obsah(const fs::path& slozka) {
  std::vector<std::string> jmena;
  for (const auto& polozka : fs::recursive_directory_iterator(slozka))
    jmena.push_back(polozka.path().lexically_relative(slozka).generic_u8string());
  std::sort(jmena.begin(), jmena.end());
  return jmena;
}

// The k-th vertex made since the generator started always lands in the same place; Clear forgets the counts too.
TEST(Graph, TheKthVertexOfARunAlwaysGetsTheSamePositionAndClearForgetsAll) {
  tgraf run, first3, next2;
  ZacniNahodneSouradnice();
  run.Init(5);
  ZacniNahodneSouradnice();
  first3.Init(3);
  next2.Init(2);
  const auto at = [](const tgraf& g, std::uint8_t i) { return std::make_pair(g.GetX(i), g.GetY(i)); };
  for (std::uint8_t i = 1; i <= 5; ++i) EXPECT_EQ(at(run, i), i <= 3 ? at(first3, i) : at(next2, i - 3)) << int(i);
  run.SetKomponent(2);
  run.SetBarev(3);
  run.Clear();
  EXPECT_EQ(0, run.GetPocet() + run.GetKomponent() + run.GetBarev());
}

// Each test gets a fresh folder under the system's temporary folder, removed with everything in it. Folder
// and file names carry Czech letters: Windows takes names in its own code page unless they are passed wide.
const char* const kJmeno = "Příliš žluťoučký kůň.grf";

class GraphFile : public ::testing::Test {
protected:
  GraphFile() {
    dir = fs::temp_directory_path() / fs::u8path("trivex-žáci-" + std::to_string(std::random_device()()));
    fs::create_directories(dir);
  }
  ~GraphFile() override {  // every test names its file before it loads or saves
    std::error_code chyba;
    fs::remove_all(dir, chyba);
    ZrusGraf();
  }
  fs::path Soubor(const char* name = kJmeno) const { return dir / fs::u8path(name); }
  std::string Path(const char* name = kJmeno) const { return ProgramPath(Soubor(name)); }
  fs::path dir;
};

// Each row loads a file over the two-vertex example and saves graf again. The check is strict (1: graf left
// alone), the reader free in line ends, sign positions and digits; a lone '.' passes but does not convert (-1).
TEST_F(GraphFile, LoadsTakeExactlyTheWritersSpacingAndSavesWriteBackWhatWasRead) {
  std::string count16 = "16";  // a whole file of 16 vertices: one more than the graph holds
  for (int field = 0; field < 16 * 17; ++field) count16 += field % 17 ? k0 : "\r\n" + k0 + "1 1 ";
  const struct { const char* name; std::string bytes; int result; std::string saved = kFile; const char* file = kJmeno; }
  cases[] = {
      {"LF only", "2\n" + kLine1 + "\n" + kLine2 + "\n", 0}, {"CR only", "2\r" + kLine1 + "\r" + kLine2 + "\r", 0},
      {"no final line end", "2\r\n" + kLine1 + "\r\n" + kLine2, 0}, {"no vertices", "0\r\n", 0, "0\r\n"},
      {"line ends after the last length", "2\r\n" + kLine1 + "\r\n" + kLine2.substr(0, kLine2.size() - 1), 0},
      // Long and short reals written to fifteen digits, the largest double rounded down to stay readable;
      // extreme coordinates; texts keep their blanks.
      {"extreme numbers", "1\r\n-1.7976931348623157E+0308 2147483647 -2147483648 -6.6666666666666667E-1  a  b \r\n", 0,
       "1\r\n-1.79769313486231E+0308 2147483647 -2147483648 -6.66666666666667E-0001  a  b \r\n"},
      {"digit in the sign position", "2\r\n1" + kLine1.substr(1) + "\r\n" + kLine2, 0,
       "2\r\n 1.00000000000000E+0001 " + kLine1.substr(k0.size()) + "\r\n" + kLine2 + "\r\n"},
      {"asymmetric rows", "2\r\n" + k0 + "1 1 " + k0 + k1 + "a\r\n" + k0 + "2 2 " + k2 + k0 + "b\r\n", 0,
       "2\r\n" + k0 + "1 1 " + k0 + k2 + "a\r\n" + k0 + "2 2 " + k1 + k0 + "b\r\n"},
      {"vertex on the count line", "2" + kFile.substr(3), 1}, {"empty first line", kFile.substr(1), 1},
      {"count 16", count16, 1}, {"two blanks after x", "2\r\n" + k0 + "120  45 " + k0 + k5 + "\r\n" + kLine2, 1},
      {"missing last length", "2\r\n" + kLine1 + "\r\n" + kV2, 1}, {"10 MB line", std::string(10 << 20, '7'), 1},
      {"missing file", "", 2, kFile, "missing.grf"}, {"folder", "", 2, kFile, "."},
      {"'.'", "2\r\n" + kLine1 + "\r\n" + kV2 + " . \r\n", -1},
  };
  for (const auto& c : cases) {
    std::ofstream(Soubor(), std::ios::binary) << kFile;
    SetJmenoSouboru(Path());
    ZrusGraf();
    ASSERT_EQ(0, NactiGraf()) << "the example";
    std::ofstream(Soubor(), std::ios::binary) << c.bytes;
    if (c.result < 1) ZrusGraf();
    SetJmenoSouboru(Path(c.file));
    try {
      EXPECT_EQ(c.result, NactiGraf()) << c.name;
    } catch (const EInOutError& e) {  // naming the file and the text that does not convert
      EXPECT_EQ(-1, c.result) << c.name << ": " << e.what();
      EXPECT_EQ("Chyba vstupu/vystupu: v souboru " + Path() + " nelze prevest '.' na cislo", e.what());
    }
    // Saved over whatever file was there, with no temporary file left beside it.
    SetJmenoSouboru(Path());
    UlozGraf();
    EXPECT_EQ(std::vector<std::string>{kJmeno}, Obsah(dir)) << c.name;
    EXPECT_EQ(c.saved, Bajty(Soubor())) << c.name;
  }
}

// Whatever stands at the path stays as it was, with no temporary file beside it.
TEST_F(GraphFile, FailedSaveLeavesTheOldFileWhole) {
  std::ofstream(Soubor(), std::ios::binary) << "old contents";
  fs::create_directories(dir / fs::u8path("žádný soubor.grf"));
  const std::vector<std::string> before = Obsah(dir);
  const std::pair<std::string, double> cases[] = {{Path("missing/g.grf"), 1.0}, {Path("žádný soubor.grf"), 1.0},
                                                 {Path("žádný soubor.grf") + "/", 1.0}, {Path(), std::nan("")}};
  graf.Init(1);
  for (const auto& [path, hodnota] : cases) {
    graf.SetHodnota(1, hodnota);
    SetJmenoSouboru(path);
    EXPECT_THROW(UlozGraf(), EInOutError) << path << " " << hodnota;
    EXPECT_EQ("old contents", Bajty(Soubor())) << path;
    EXPECT_EQ(before, Obsah(dir)) << path;
  }
}

}  // namespace
