// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The graph editor. Every field goes into the graph when its box loses the focus;
// the slots only choose which edge lengths are shown and edited. The editor is
// modeless: the main window may load another graph, smaller or empty, while it is
// open, so every vertex number is checked against the graph as it is now.
#include "windows/nv.h"

#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/SysUtils.h"

#include <cstddef>
#include <initializer_list>
#include <vector>

TForm4* Form4 = nullptr;

namespace {

constexpr TColor kStribrna = clSilver;  // the rest of the graph
constexpr TColor kModra = clBlue;       // the examined vertex
constexpr TColor kBila = clWhite;       // a listed vertex without an edge

constexpr int kSirkaBarevniku = 17;
constexpr int kSirkaSouseda = 73;  // leaves room for the colour box beside it

// The slots as they stand on the window: two columns of four rows.
struct tpopisSlotu {
  const char* soused;
  const char* delka;
  const char* barevnik;
  int sloupec;  // 0 left, 1 right
  int radek;    // 0 to 3
  TColor barva;
  bool zkoumanyNejdrive;
};

constexpr tpopisSlotu kSloty[8] = {
    {"Edit11", "Edit12", "Edit29", 0, 0, clMaroon, false},
    {"Edit14", "Edit15", "Edit30", 0, 1, clGreen, false},
    {"Edit17", "Edit18", "Edit31", 0, 2, clNavy, true},
    {"Edit20", "Edit21", "Edit32", 0, 3, clPurple, false},
    {"Edit16", "Edit19", "Edit33", 1, 0, clOlive, false},
    {"Edit22", "Edit23", "Edit34", 1, 1, clTeal, false},
    {"Edit24", "Edit25", "Edit35", 1, 2, clYellow, false},
    {"Edit26", "Edit27", "Edit36", 1, 3, clGray, false},
};

constexpr struct {
  int soused, barevnik, delka;
} kSloupce[2] = {{104, 192, 240}, {416, 504, 552}};
constexpr int kRadky[4] = {272, 328, 384, 448};

void KresliVrchol(long long v, TColor c) {
  const auto i = static_cast<std::uint8_t>(v);
  VykresliVrchol(graf.GetX(i), graf.GetY(i), c, i);
}

void KresliHranu(long long a, long long b, TColor c) {
  const auto i = static_cast<std::uint8_t>(a), j = static_cast<std::uint8_t>(b);
  VykresliHranu(graf.GetX(i), graf.GetY(i), graf.GetX(j), graf.GetY(j), c, i, j);
}

void Vyprazdni(const tslot& slot) {
  slot.soused->SetText("");
  slot.delka->SetText("");
}

// Clears the cascade flag while the other slots are refreshed and sets it again
// however that ends: a conversion error inside the cascade must not leave it
// cleared, or no later change would refresh the other slots or the highlight.
class tkaskada {
public:
  explicit tkaskada(bool& flag) : povolena(flag) { povolena = false; }
  ~tkaskada() { povolena = true; }
  tkaskada(const tkaskada&) = delete;
  tkaskada& operator=(const tkaskada&) = delete;

private:
  bool& povolena;
};

}  // namespace

TForm4::TForm4() : TForm("TForm4", "Editace grafu", 200, 100, 694, 632) {
  VytvorOvladace();
  NastavVzhled();
  Propoj();
}

void TForm4::VytvorOvladace() {
  Edit1 = new TEdit(this, "Edit1", 32, 16);
  Edit2 = new TEdit(this, "Edit2", 256, 16, 409);
  Edit3 = new TEdit(this, "Edit3", 32, 56);
  Edit4 = new TEdit(this, "Edit4", 256, 56);
  Edit38 = new TEdit(this, "Edit38", 32, 96);
  Edit28 = new TEdit(this, "Edit28", 264, 96, 409);
  Edit5 = new TEdit(this, "Edit5", 32, 144, 225);
  Edit37 = new TEdit(this, "Edit37", 304, 144, kSirkaBarevniku);
  Edit7 = new TEdit(this, "Edit7", 368, 144);
  Edit6 = new TEdit(this, "Edit6", 536, 144);
  Edit8 = new TEdit(this, "Edit8", 88, 208);
  Edit9 = new TEdit(this, "Edit9", 224, 208);
  Edit10 = new TEdit(this, "Edit10", 400, 208);
  Edit13 = new TEdit(this, "Edit13", 536, 208);
  for (std::size_t k = 0; k < sloty.size(); ++k) {
    const tpopisSlotu& popis = kSloty[k];
    const auto& sloupec = kSloupce[popis.sloupec];
    const int radek = kRadky[popis.radek];
    sloty[k].soused = new TEdit(this, popis.soused, sloupec.soused, radek, kSirkaSouseda);
    sloty[k].barevnik = new TEdit(this, popis.barevnik, sloupec.barevnik, radek, kSirkaBarevniku);
    sloty[k].delka = new TEdit(this, popis.delka, sloupec.delka, radek);
    sloty[k].barva = popis.barva;
    sloty[k].zkoumanyNejdrive = popis.zkoumanyNejdrive;
  }
  BitBtn2 = new TBitBtn(this, "BitBtn2", bkOK, 256, 520, 233, 57);
}

// Captions, read-only boxes, the colour boxes and the tab order.
void TForm4::NastavVzhled() {
  MakeCaption(Edit1, "Graf");
  MakeCaption(Edit3, "Pocet vrcholu");
  MakeCaption(Edit5, "Zkoumany vrchol a jeho hodnota");
  MakeCaption(Edit8, "Soused");
  MakeCaption(Edit9, "délka hrany");
  MakeCaption(Edit10, "Soused");
  MakeCaption(Edit13, "délka hrany");
  // Looks like a caption, but the user may type into it; nothing reads it.
  MakeCaption(Edit38, "Text k vrcholu", false);
  Edit2->SetReadOnly(true);
  Edit4->SetReadOnly(true);

  const auto barevnik = [](TEdit* edit, TColor barva) {
    edit->SetReadOnly(true);
    edit->SetTabStop(false);
    edit->SetColor(barva);
  };
  barevnik(Edit37, kModra);
  for (const tslot& slot : sloty) barevnik(slot.barevnik, slot.barva);

  // Value before examined vertex, although the value stands to the right of it.
  std::vector<QWidget*> poradi = {BitBtn2, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9};
  for (std::size_t k = 0; k < 4; ++k) poradi.insert(poradi.end(), {sloty[k].soused, sloty[k].delka});
  poradi.insert(poradi.end(), {Edit10, Edit13});
  for (std::size_t k = 4; k < 8; ++k) poradi.insert(poradi.end(), {sloty[k].soused, sloty[k].delka});
  poradi.insert(poradi.end(), {Edit28, Edit38});
  TabOrder(poradi);
}

void TForm4::Propoj() {
  for (TEdit* edit : {Edit6, Edit7}) vstup.Sleduj(edit);
  Edit7->OnExit = [this] { Edit7Exit(); };
  Edit6->OnExit = [this] { Edit6Exit(); };
  Edit28->OnExit = [this] { Edit28Exit(); };
  for (const tslot& slot : sloty) {
    for (TEdit* edit : {slot.soused, slot.delka}) vstup.Sleduj(edit);
    slot.soused->OnExit = [this, &slot] { SousedExit(slot); };
    slot.delka->OnExit = [this, &slot] { DelkaExit(slot); };
  }
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
}

void TForm4::UkazCestu() {
  Edit2->SetText(GetJmenoSouboru());
}

void TForm4::FormShow() {
  UkazCestu();
  Edit4->SetText(IntToStr(graf.GetPocet()));
  pocetPriZobrazeni = graf.GetPocet();
  VykresliGraf(kStribrna, kStribrna);

  if (pocetPriZobrazeni == 0) {
    // Nothing to examine: the boxes that would name or show a vertex are emptied, so
    // no number left from an earlier graph is offered; the captions stay. Typing a
    // vertex number then gets the wrong-vertex message, a slot or a length is quietly
    // given its old text back, and a comment is not stored (Edit28Exit).
    zkoumanyVrchol = 0;
    for (TEdit* edit : {Edit7, Edit6, Edit28}) edit->SetText("");
    for (const tslot& slot : sloty) Vyprazdni(slot);
    return;
  }

  Edit7->SetText("1");
  zkoumanyVrchol = 1;
  Edit6->SetText(FloatToStr(graf.GetHodnota(1)));
  Edit28->SetText(graf.GetText(1));
  KresliVrchol(1, kModra);

  // The slots start with the vertices 2 to 9, joined to vertex 1 or not.
  for (std::size_t k = 0; k < sloty.size(); ++k) {
    const tslot& slot = sloty[k];
    const int m = int(k) + 2;
    if (pocetPriZobrazeni < m) {
      Vyprazdni(slot);
      continue;
    }
    slot.soused->SetText(IntToStr(m));
    slot.delka->SetText(FloatToStr(graf.GetHrana(std::uint8_t(m), 1)));
    if (graf.GetHrana(1, std::uint8_t(m)) != 0.0) KresliHranu(1, m, slot.barva);
    KresliVrchol(m, slot.barva);
  }
}

void TForm4::Edit7Exit() {
  if (!vstup.Prijmi(Edit7, 'b')) return;
  const int n = StrToInt(Edit7->GetText());
  if (!JeVrchol(n)) {
    vstup.SpatnyVrchol(Edit7);
    return;
  }
  zkoumanyVrchol = std::uint8_t(n);
  Edit6->SetText(FloatToStr(graf.GetHodnota(zkoumanyVrchol)));
  Edit28->SetText(graf.GetText(zkoumanyVrchol));
  // The neighbour numbers stay; their lengths now belong to the new examined vertex.
  for (const tslot& slot : sloty)
    if (!slot.soused->GetText().empty()) SousedExit(slot);
  ZvyrazniSousedy();
}

void TForm4::Edit6Exit() {
  if (!vstup.Prijmi(Edit6, 'r')) return;
  const double d = StrToFloat(Edit6->GetText());
  // The value goes to the vertex Edit7 names, which the main window may have taken
  // away by loading a smaller graph; an empty Edit7 (an empty graph) names none.
  const std::string zkoumany = Edit7->GetText();
  const int n = zkoumany.empty() ? 0 : StrToInt(zkoumany);
  if (!JeVrchol(n)) {
    vstup.SpatnyVrchol(Edit6);
    return;
  }
  graf.SetHodnota(std::uint8_t(n), d);
}

void TForm4::Edit28Exit() {
  // Without an examined vertex in the graph as it is now (an empty graph, or a
  // smaller one loaded since) the comment has nowhere to go: the box keeps it and
  // the graph is not touched. Any text is a comment, the empty one too.
  if (!JeVrchol(zkoumanyVrchol)) return;
  graf.SetText(zkoumanyVrchol, Edit28->GetText());
}

void TForm4::SousedExit(const tslot& slot) {
  TEdit* soused = slot.soused;
  const auto vlastniCislo = [&] { return vstup.Prijmi(soused, 'b'); };
  // The examined vertex is checked before it is converted, so an empty Edit7 stops
  // the handler quietly instead of raising a conversion error.
  int e = 0;
  const auto zkoumany = [&] {
    if (!vstup.Plati(Edit7->GetText(), 'b')) return false;
    e = StrToInt(Edit7->GetText());
    return true;
  };
  if (slot.zkoumanyNejdrive) {
    if (!zkoumany() || !vlastniCislo()) return;
  } else {
    if (!vlastniCislo()) return;
    if (!zkoumany()) {
      vstup.Obnov(soused);
      return;
    }
  }
  const int m = StrToInt(soused->GetText());
  // Edit7 was accepted against the graph of that moment; a smaller graph loaded
  // since may lack it, and then the slot is refused like a wrong neighbour.
  if (!JeVrchol(m) || !JeVrchol(e)) {
    vstup.SpatnyVrchol(soused);
    return;
  }
  slot.delka->SetText(FloatToStr(graf.GetHrana(std::uint8_t(m), std::uint8_t(e))));

  // One level of refresh: the slots run from here find the flag cleared and only
  // refresh their own length.
  if (!kaskadaPovolena) return;
  {
    const tkaskada kaskada(kaskadaPovolena);
    for (const tslot& jiny : sloty)
      if (&jiny != &slot && !jiny.soused->GetText().empty()) SousedExit(jiny);
  }
  ZvyrazniSousedy();
}

void TForm4::DelkaExit(const tslot& slot) {
  TDavkaZmen davka(graf);
  TEdit* delka = slot.delka;
  if (!vstup.Prijmi(delka, 'r')) return;
  if (!vstup.Plati(Edit7->GetText(), 'b')) {
    vstup.Obnov(delka);
    return;
  }
  const int e = StrToInt(Edit7->GetText());
  // The neighbour text is converted unchecked: a length beside an empty slot raises
  // the conversion error.
  const int m = StrToInt(slot.soused->GetText());
  if (!JeVrchol(m) || !JeVrchol(e)) {
    vstup.SpatnyVrchol(delka);
    return;
  }
  const double d = StrToFloat(delka->GetText());
  // Both rows, so the edge stays symmetric; 0 removes it. One edge, one change.
  {
    const TDavkaZmen davka(graf);
    graf.SetHrana(std::uint8_t(m), std::uint8_t(e), d);
    graf.SetHrana(std::uint8_t(e), std::uint8_t(m), d);
  }
  ZvyrazniSousedy();

  // Slots naming the same vertex show the same length; the texts are compared as
  // texts, so "2" and "02" are different slots here.
  for (const tslot& jiny : sloty)
    if (&jiny != &slot && jiny.soused->GetText() == slot.soused->GetText()) jiny.delka->SetText(delka->GetText());
}

void TForm4::ZvyrazniSousedy() {
  const std::string zkoumany = Edit7->GetText();
  if (!vstup.Plati(zkoumany, 'b')) return;
  // Only vertices both of the showing and of the graph as it is now are drawn: after
  // the main window loaded a smaller graph the highlight leaves out what is gone.
  const auto kresliSe = [this](long long v) { return v <= pocetPriZobrazeni && JeVrchol(v); };
  const int n = StrToInt(zkoumany);
  if (!kresliSe(n)) return;

  VykresliGraf(kStribrna, kStribrna);
  KresliVrchol(n, kModra);
  // Later slots draw over earlier ones: a vertex listed twice ends in the later colour.
  for (const tslot& slot : sloty) {
    const std::string text = slot.soused->GetText();
    if (!vstup.Plati(text, 'b') || text == zkoumany) continue;
    const int m = StrToInt(text);
    if (!kresliSe(m)) continue;
    const bool hrana = graf.GetHrana(std::uint8_t(n), std::uint8_t(m)) != 0.0;
    KresliHranu(n, m, hrana ? slot.barva : kBila);
    KresliVrchol(m, slot.barva);
  }
}

void TForm4::BitBtn2Click() {
  // The canvas keeps the highlight until something else redraws it.
  Close();
}

void TForm4::ObnovHodnoty() {
  Edit4->SetText(IntToStr(graf.GetPocet()));
  pocetPriZobrazeni = graf.GetPocet();
  // The examined vertex may be gone (undone or removed): the editor starts over as shown.
  if (!JeVrchol(zkoumanyVrchol)) {
    FormShow();
    return;
  }
  Edit7->SetText(IntToStr(zkoumanyVrchol));
  Edit6->SetText(FloatToStr(graf.GetHodnota(zkoumanyVrchol)));
  Edit28->SetText(graf.GetText(zkoumanyVrchol));
  for (const tslot& slot : sloty) {
    const std::string text = slot.soused->GetText();
    if (KontrolaCisla(text, 'b') != 0 || text.size() > 2) continue;
    const int m = StrToInt(text);
    if (JeVrchol(m)) slot.delka->SetText(FloatToStr(graf.GetHrana(std::uint8_t(m), zkoumanyVrchol)));
  }
  ZvyrazniSousedy();
}
