// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The example graphs shipped with the program and how each is built into graf. The
// generator make_examples writes them with the program's own writer, and the tests
// check that the committed files are still exactly what it writes.
#pragma once

#include "model/UGraf.h"
#include "platform/Cp1250.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

struct tvrcholPrikladu {
  std::int32_t x = 0;
  std::int32_t y = 0;
  double hodnota = 0.0;
  const char* text = "";  // UTF-8 here; Windows-1250 in the graph
};

struct thranaPrikladu {
  std::uint8_t i = 0;
  std::uint8_t j = 0;
  double delka = 0.0;
};

struct tpriklad {
  const char* soubor = "";  // name in examples/
  std::vector<tvrcholPrikladu> vrcholy;
  std::vector<thranaPrikladu> hrany;
};

// Positions are chosen for the 569 x 361 canvas, with a margin so that no dot is cut.
inline std::vector<tpriklad> Priklady() {
  std::vector<tpriklad> priklady;

  priklady.push_back({"trojuhelnik.grf",
                      {{160, 290, 1, "Trojúhelník: nejmenší graf s cyklem, má tři kostry."},
                       {410, 290, 2, "Délky hran jsou 5, 3 a 4; nejkratší kostra má délku 7."},
                       {285, 75, 3, "Každý vrchol má stupeň 2, skóre grafu je 2 - 2 - 2."}},
                      {{1, 2, 5}, {2, 3, 3}, {1, 3, 4}}});

  priklady.push_back(
      {"trida.grf",
       {{60, 60, 1, "Graf pro výklad ve třídě: devět vrcholů a patnáct ohodnocených hran."},
        {230, 40, 2, "Délky 2, 3 a 4 se opakují: při shodě rozhoduje pořadí vrcholů."},
        {420, 70, 3, "Kruskal, Jarník i Borůvka najdou kostru téže délky 16."},
        {510, 190, 4, "Nejkratší kostra má osm hran, o jednu méně než je vrcholů."},
        {300, 170, 5, "Vrchol 5 má nejvyšší stupeň: šest sousedů."},
        {110, 200, 6, "Graf je souvislý, tvoří jedinou komponentu."},
        {70, 320, 7, "Graf má 1193 koster; délky hran na jejich počet nemají vliv."},
        {260, 310, 8, "Hrana mezi vrcholy 5 a 8 má zápornou délku -1."},
        {460, 320, 9, "Záporná hrana je nejkratší, proto patří do každé nejkratší kostry."}},
       {{1, 2, 4}, {1, 6, 3}, {2, 3, 6}, {2, 5, 2}, {3, 4, 2}, {3, 5, 5}, {4, 5, 4}, {4, 9, 3},
        {5, 6, 4}, {5, 8, -1}, {5, 9, 7}, {6, 7, 2}, {6, 8, 5}, {7, 8, 3}, {8, 9, 2}}});

  priklady.push_back({"komponenty.grf",
                      {{60, 80, 0, "Nesouvislý graf: čtverec, trojúhelník a izolovaný vrchol."},
                       {220, 80, 0, "Graf má tři komponenty."},
                       {220, 240, 0, "Nesouvislý graf nemá žádnou kostru: počet koster je 0."},
                       {60, 240, 0, "Vrcholy 1 až 4 tvoří čtverec, první komponentu."},
                       {360, 70, 0, "Vrcholy 5 až 7 tvoří trojúhelník, druhou komponentu."},
                       {520, 120, 0, "Všechny hrany trojúhelníku mají stejnou délku 3."},
                       {400, 250, 0, "Simulace ohlásí více komponent a projdou každou z nich."},
                       {290, 330, 0, "Izolovaný vrchol nemá žádnou hranu a sám tvoří komponentu."}},
                      {{1, 2, 5}, {2, 3, 4}, {3, 4, 5}, {1, 4, 4}, {5, 6, 3}, {6, 7, 3}, {5, 7, 3}}});

  // Vertices on an ellipse; every edge is as long as the vertices are apart on the
  // canvas, in tens of pixels, so the shortest spanning tree runs round the rim.
  tpriklad uplny{"uplny10.grf", {}, {}};
  const std::int32_t elipsa[10][2] = {{284, 30},  {422, 59},  {507, 134}, {507, 226}, {422, 301},
                                      {284, 330}, {146, 301}, {61, 226},  {61, 134},  {146, 59}};
  const char* const textyUplneho[10] = {
      "Úplný graf K10: každé dva vrcholy spojuje hrana.",
      "Graf má 45 hran, nejvíc, kolik dovolí deset vrcholů.",
      "Podle Cayleyho vzorce má 10^8 = 100 000 000 koster.",
      "Každý vrchol má stupeň 9, skóre je devět devítek.",
      "Délka hrany je vzdálenost vrcholů na plátně v desítkách pixelů.",
      "Nejkratší kostra proto vede po obvodu elipsy.",
      "Každé dva vrcholy jsou sousedé, obarvení potřebuje deset barev.",
      "Deset vrcholů je nejvíc, kolik dovolí dialog nového grafu.",
      "Počet koster je determinant matice 9 x 9 bez posledního vrcholu.",
      "Jediná komponenta: úplný graf je vždy souvislý."};
  for (int k = 0; k < 10; ++k)
    uplny.vrcholy.push_back({elipsa[k][0], elipsa[k][1], double(k + 1), textyUplneho[k]});
  for (int i = 0; i < 10; ++i)
    for (int j = i + 1; j < 10; ++j) {
      const double dx = elipsa[i][0] - elipsa[j][0];
      const double dy = elipsa[i][1] - elipsa[j][1];
      uplny.hrany.push_back({std::uint8_t(i + 1), std::uint8_t(j + 1), std::round(std::sqrt(dx * dx + dy * dy)) / 10.0});
    }
  priklady.push_back(uplny);

  priklady.push_back({"cesta.grf",
                      {{50, 250, 0.5, "Cesta: strom, jehož jedinou kostrou je graf sám."},
                       {150, 110, 1.5, "Počet koster cesty je 1."},
                       {250, 250, 2.5, "Koncové vrcholy mají stupeň 1, vnitřní stupeň 2."},
                       {350, 110, 3.5, "Hrany mají i desetinné délky: 0,5 a 1,25."},
                       {450, 250, 4.5, "Nejkratší kostra obsahuje všech pět hran, délka je 15,25."},
                       {530, 110, 5.5, "Skóre cesty je 1 - 1 - 2 - 2 - 2 - 2."}},
                      {{1, 2, 1}, {2, 3, 0.5}, {3, 4, 2.5}, {4, 5, 10}, {5, 6, 1.25}}});
  return priklady;
}

// Replaces graf by the example. Every edge is written in both directions, as the
// program's own editors do.
inline void PostavPriklad(const tpriklad& priklad) {
  graf.Clear();
  graf.Init(std::uint8_t(priklad.vrcholy.size()));
  std::uint8_t i = 1;
  for (const tvrcholPrikladu& vrchol : priklad.vrcholy) {
    graf.SetX(i, vrchol.x);
    graf.SetY(i, vrchol.y);
    graf.SetHodnota(i, vrchol.hodnota);
    graf.SetText(i, Utf8ToCp1250(vrchol.text));
    ++i;
  }
  for (const thranaPrikladu& hrana : priklad.hrany) {
    graf.SetHrana(hrana.i, hrana.j, hrana.delka);
    graf.SetHrana(hrana.j, hrana.i, hrana.delka);
  }
}
