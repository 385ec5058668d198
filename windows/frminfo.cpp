// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The colouring legend. The window has rows for vertices 1 to 10, the vertices the
// identification colours exist for; it only reads the graph.
#include "windows/frminfo.h"

#include "algorithms/UMetody.h"
#include "model/UGraf.h"
#include "platform/Obrazovka.h"
#include "platform/SysUtils.h"

#include <cstdint>
#include <initializer_list>
#include <string>


TForm2* Form2 = nullptr;

namespace {

constexpr int kVyskaBoxu = 21;

}  // namespace

TForm2::TForm2() : TForm("TForm2", "legenda", 200, 100, 656, 780) {
  const auto box = [this](int cislo, int left, int top, int width) {
    auto* edit = new TEdit(this, ("Edit" + std::to_string(cislo)).c_str(), left, top, width, kVyskaBoxu);
    edit->SetReadOnly(true);
    return edit;
  };

  static const struct {
    int cislo;
    int left;
    int width;
    const char* text;
  } kHlavicka[] = {{1, 16, 73, "Vrchol"}, {2, 144, 73, "Hodnota"}, {44, 240, 73, "Skore vrcholu"}, {3, 400, 121, "Text"}};
  for (const auto& sloupec : kHlavicka) {
    MakeCaption(box(sloupec.cislo, sloupec.left, 32, sloupec.width), sloupec.text);
  }

  static const int kVrsky[] = {72, 120, 176, 232, 288, 344, 408, 464, 520, 576};
  for (int k = 1; k <= int(radky.size()); ++k) {
    const int top = kVrsky[k - 1];
    radky[k - 1] = {box(4 * k, 32, top, 41), box(4 * k + 3, 112, top, 17), box(4 * k + 1, 168, top, 41),
                    box(44 + k, 264, top, 41), box(4 * k + 2, 336, top, 281)};
  }

  BitBtn1 = new TBitBtn(this, "BitBtn1", bkCancel, 160, 704, 321, 49);
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  ZavirejKlavesouEsc(this, BitBtn1);
}

// A hand-made file may bring up to 15 vertices. Their degrees are counted over the
// whole graph, but only vertices 1 to 10 have a row (and a colour): the legend shows
// those and nothing of the others.
void TForm2::FormShow() {
  const int n = graf.GetPocet();

  for (int k = 1; k <= int(radky.size()); ++k) {
    const tradek& radek = radky[k - 1];
    const bool maVrchol = k <= n;
    for (TEdit* edit : {radek.cislo, radek.barva, radek.hodnota, radek.skore, radek.text}) edit->SetVisible(maVrchol);
    if (!maVrchol) continue;
    const auto v = std::uint8_t(k);
    radek.cislo->SetText(IntToStr(k));
    radek.barva->SetColor(barvyVrcholu[v]);
    radek.barva->SetText("");
    radek.hodnota->SetText(FloatToStr(graf.GetHodnota(v)));
    radek.skore->SetText(IntToStr(StupenVrcholu(k)));
    radek.text->SetText(graf.GetText(v));
  }
}

void TForm2::BitBtn1Click() {
  Close();
}
