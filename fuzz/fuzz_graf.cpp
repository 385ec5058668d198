// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// libFuzzer target of the graph files: any bytes go through the structural check;
// a file it accepts is loaded, saved again, and the saved file must pass the check
// and load back to the same graph.
#include "files/USoubor.h"
#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/SysUtils.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// One folder per fuzzing process, removed when it ends.
struct tslozka {
  tslozka() {
    std::error_code chyba;
    const fs::path zaklad = fs::is_directory("/dev/shm", chyba) ? fs::path("/dev/shm") : fs::temp_directory_path();
    cesta = zaklad / ("trivex-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(cesta);
  }
  ~tslozka() {
    std::error_code chyba;
    fs::remove_all(cesta, chyba);
  }
  fs::path cesta;
};

struct tvrcholKopie {
  double hodnota;
  std::int32_t x;
  std::int32_t y;
  std::string text;
  std::vector<double> hrany;  // entries 1 to n
};

std::vector<tvrcholKopie> Kopie() {
  std::vector<tvrcholKopie> kopie;
  const std::uint8_t n = graf.GetPocet();
  for (std::uint8_t i = 1; i <= n; ++i) {
    tvrcholKopie v{graf.GetHodnota(i), graf.GetX(i), graf.GetY(i), graf.GetText(i), {}};
    for (std::uint8_t j = 1; j <= n; ++j) v.hrany.push_back(graf.GetHrana(j, i));
    kopie.push_back(v);
  }
  return kopie;
}

// What a real becomes in the file: 15 significant digits, and never beyond the
// range of a double.
double Zaokrouhleno(double d) {
  char text[40];
  const auto konec = std::to_chars(text, text + sizeof text, d, std::chars_format::scientific, 14).ptr;
  double zpet = 0.0;
  if (std::from_chars(text, konec, zpet).ec != std::errc()) return std::copysign(1.79769313486231e308, d);
  return zpet;
}

// libFuzzer reports an abort as a crash and keeps the input.
void Over(bool podminka) {
  if (!podminka) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tslozka slozka;
  const std::string vstup = ProgramPath(slozka.cesta / "vstup.grf");
  const std::string vystup = ProgramPath(slozka.cesta / "vystup.grf");
  {
    std::ofstream soubor(SystemPath(vstup), std::ios::binary | std::ios::trunc);
    soubor.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  }

  if (JeSouborGrafu(vstup)) {
    ZrusGraf();
    SetJmenoSouboru(vstup);
    bool nacten = false;
    try {
      Over(NactiGraf() == 0);
      nacten = true;
    } catch (const EInOutError&) {
    }
    if (nacten) {
      const std::vector<tvrcholKopie> a = Kopie();
      SetJmenoSouboru(vystup);
      Over(UlozGraf() == 0);
      Over(JeSouborGrafu(vystup));
      ZrusGraf();
      Over(NactiGraf() == 0);
      const std::vector<tvrcholKopie> b = Kopie();
      Over(a.size() == b.size());
      // The writer puts entry i of vertex j's row in vertex i's line.
      for (std::size_t i = 0; i < a.size(); ++i) {
        Over(b[i].hodnota == Zaokrouhleno(a[i].hodnota));
        Over(b[i].x == a[i].x && b[i].y == a[i].y && b[i].text == a[i].text);
        for (std::size_t j = 0; j < a.size(); ++j) Over(b[i].hrany[j] == Zaokrouhleno(a[j].hrany[i]));
      }
    }
    ZrusGraf();
  }

  std::error_code chyba;
  fs::remove(SystemPath(vstup), chyba);
  fs::remove(SystemPath(vystup), chyba);
  return 0;
}
