// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Writes the example graphs into a folder with the program's own writer, so that
// they are in exactly the form the program writes. Usage: make_examples FOLDER
#include "files/USoubor.h"
#include "platform/SysUtils.h"
#include "tools/priklady.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: make_examples FOLDER\n";
    return 2;
  }
  const std::filesystem::path slozka(argv[1]);
  std::error_code chybaSlozky;
  std::filesystem::create_directories(slozka, chybaSlozky);
  try {
    for (const tpriklad& priklad : Priklady()) {
      PostavPriklad(priklad);
      SetJmenoSouboru(ProgramPath(slozka / priklad.soubor));
      UlozGraf();
      std::cout << (slozka / priklad.soubor).string() << '\n';
    }
  } catch (const Exception& chyba) {
    std::cerr << "make_examples: " << chyba.what() << '\n';
    return 1;
  }
  graf.Clear();
  return 0;
}
