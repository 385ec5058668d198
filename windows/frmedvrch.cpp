// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The vertex-coordinate editor. Every row edit follows one pattern: remember the text
// on entering, check and apply it on leaving, give the remembered text back when the
// entry is refused.
#include "windows/frmedvrch.h"

#include "drawing/PUVykresli.h"
#include "files/ukontrola.h"
#include "platform/SysUtils.h"

#include <QWidget>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

TFormXY* FormXY = nullptr;

namespace {

// While the user edits, the graph is gray so that the rows' marks stand out.
constexpr TColor kSeda = clGray;

const TFormXY::tosa kOsaX{&TFormXY::tradek::x, &tgraf::SetX};
const TFormXY::tosa kOsaY{&TFormXY::tradek::y, &tgraf::SetY};

std::string JmenoEditu(int cislo) {
  return "Edit" + std::to_string(cislo);
}

// A vertex edit may keep a digit run too long to convert (its own exit stopped at
// the conversion). Vertex numbers have at most two digits, so such a run names no
// vertex and the marks skip it instead of failing at every redraw.
bool MaDelkuCislaVrcholu(const std::string& cislice) {
  const std::size_t prvni = cislice.find_first_not_of('0');
  return prvni != std::string::npos && cislice.size() - prvni <= 2;
}

}  // namespace

TFormXY::TFormXY() : TForm("TFormXY", "Editace Vrcholu", 200, 100, 486, 579) {
  Edit1 = new TEdit(this, "Edit1", 40, 40);
  Edit2 = new TEdit(this, "Edit2", 184, 40);
  Edit3 = new TEdit(this, "Edit3", 328, 40);
  MakeCaption(Edit1, "Vrchol");
  MakeCaption(Edit2, "Souřadnice X");
  MakeCaption(Edit3, "Souřadnice Y");

  // Row r holds Edit(n), Edit(n + 1), Edit(n + 2) for vertex, X and Y, and the
  // colour box Edit(16 + r).
  static const struct {
    int top;
    int prvniEdit;
    TColor barva;
  } kRadky[] = {{120, 4, clPurple}, {200, 7, clOlive}, {288, 10, clTeal}, {368, 13, clNavy}};
  static_assert(std::size(kRadky) == std::tuple_size_v<decltype(radky)>);
  for (std::size_t r = 0; r < radky.size(); ++r) {
    const auto& navrh = kRadky[r];
    const int n = navrh.prvniEdit;
    radky[r] = {new TEdit(this, JmenoEditu(n).c_str(), 72, navrh.top, 65),
                new TEdit(this, JmenoEditu(n + 1).c_str(), 216, navrh.top, 65),
                new TEdit(this, JmenoEditu(n + 2).c_str(), 360, navrh.top, 65),
                new TEdit(this, JmenoEditu(16 + int(r)).c_str(), 312, navrh.top, 17),
                navrh.barva};
    radky[r].barvaBox->SetReadOnly(true);
    radky[r].barvaBox->SetColor(navrh.barva);
  }

  BitBtn2 = new TBitBtn(this, "BitBtn2", bkOK, 184, 464, 160, 57);

  std::vector<QWidget*> poradi = {BitBtn2, Edit2, Edit3, Edit1};
  for (const tradek& radek : radky) poradi.insert(poradi.end(), {radek.vrchol, radek.x, radek.y});
  for (const tradek& radek : radky) poradi.push_back(radek.barvaBox);
  TabOrder(poradi);
  // The first of the focus order has the focus when the window first appears.
  BitBtn2->setFocus();

  for (tradek& radek : radky) {
    for (TEdit* edit : {radek.vrchol, radek.x, radek.y}) vstup.Sleduj(edit);
    radek.vrchol->OnExit = [this, &radek] { VrcholExit(radek); };
    radek.x->OnExit = [this, &radek] { SouradniceExit(radek, kOsaX); };
    radek.y->OnExit = [this, &radek] { SouradniceExit(radek, kOsaY); };
  }
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
}

void TFormXY::FormShow() {
  const int c = graf.GetPocet();
  for (std::size_t r = 0; r < radky.size(); ++r) {
    const tradek& radek = radky[r];
    const int v = int(r) + 1;
    if (c >= v) {
      radek.vrchol->SetText(IntToStr(v));
      radek.x->SetText(IntToStr(graf.GetX(std::uint8_t(v))));
      radek.y->SetText(IntToStr(graf.GetY(std::uint8_t(v))));
    } else {
      for (TEdit* edit : {radek.vrchol, radek.x, radek.y}) edit->SetText("");
    }
  }
  // Showing gives the focus back to the box that had it without running its enter,
  // so the text it now shows is the one a refused entry returns to.
  if (auto* edit = dynamic_cast<TEdit*>(focusWidget()); edit && edit->OnEnter) edit->OnEnter();
  Prekresli();
}

void TFormXY::VrcholExit(const tradek& radek) {
  if (!vstup.Prijmi(radek.vrchol, 'b')) return;
  const int n = StrToInt(radek.vrchol->GetText());
  if (!JeVrchol(n)) {
    vstup.SpatnyVrchol(radek.vrchol);
    return;
  }
  radek.x->SetText(IntToStr(graf.GetX(std::uint8_t(n))));
  radek.y->SetText(IntToStr(graf.GetY(std::uint8_t(n))));
  Prekresli();
}

void TFormXY::SouradniceExit(const tradek& radek, const tosa& osa) {
  TEdit* edit = radek.*osa.edit;
  if (!vstup.Prijmi(edit, 'i')) return;
  // The vertex edit is not checked here: an empty one stops at its conversion, and
  // nothing is stored.
  const int n = StrToInt(radek.vrchol->GetText());
  if (!JeVrchol(n)) {
    vstup.SpatnyVrchol(edit);
    return;
  }
  (graf.*osa.nastav)(std::uint8_t(n), StrToInt(edit->GetText()));

  // Rows are matched by their text, so "2" and "02" stay apart.
  const std::string vrchol = radek.vrchol->GetText();
  for (const tradek& jiny : radky) {
    if (&jiny == &radek || jiny.vrchol->GetText() != vrchol) continue;
    jiny.x->SetText(radek.x->GetText());
    jiny.y->SetText(radek.y->GetText());
  }
  Prekresli();
}

void TFormXY::ZvyrazniVrcholy() {
  for (auto radek = radky.begin(); radek != radky.end(); ++radek) {
    const std::string text = radek->vrchol->GetText();
    const bool jizOznacen =
        std::any_of(radky.begin(), radek, [&text](const tradek& vyssi) { return vyssi.vrchol->GetText() == text; });
    if (jizOznacen || !vstup.Plati(text, 'b') || !MaDelkuCislaVrcholu(text)) continue;
    const int n = StrToInt(text);
    if (JeVrchol(n)) VykresliVrchol(graf.GetX(std::uint8_t(n)), graf.GetY(std::uint8_t(n)), radek->barva, std::uint8_t(n));
  }
}

void TFormXY::BitBtn2Click() {
  Close();
  VykresliGraf(clBlack, clBlack);
}

void TFormXY::Prekresli() {
  VykresliGraf(kSeda, kSeda);
  ZvyrazniVrcholy();
}

void TFormXY::ObnovHodnoty() {
  for (const tradek& radek : radky) {
    const std::string text = radek.vrchol->GetText();
    if (KontrolaCisla(text, 'b') != 0 || !MaDelkuCislaVrcholu(text)) continue;
    const int n = StrToInt(text);
    if (!JeVrchol(n)) continue;
    radek.x->SetText(IntToStr(graf.GetX(std::uint8_t(n))));
    radek.y->SetText(IntToStr(graf.GetY(std::uint8_t(n))));
  }
  Prekresli();
}
