// The vertex-coordinate editor. Every row edit follows one pattern: remember the text
// on entering, check and apply it on leaving, give the remembered text back when the
// entry is refused.
#include "windows/frmedvrch.h"

#include "drawing/PUVykresli.h"
#include "files/ukontrola.h"
#include "platform/Cp1250.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

#include <QWidget>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>
#include <vector>

TFormXY* FormXY = nullptr;
std::string puvodniText;
std::uint8_t vysledekKontroly = 0;

namespace {

const char* const kSpatneCislo = "Chyba , zadal jsi spatne cislo vrcholu ";

// While the user edits, the graph is gray so that the rows' marks stand out.
constexpr TColor kSeda = RGB(128, 128, 128);
constexpr TColor kCerna = RGB(0, 0, 0);

const TFormXY::tosa kOsaX{&TFormXY::tradek::x, &tgraf::SetX};
const TFormXY::tosa kOsaY{&TFormXY::tradek::y, &tgraf::SetY};

std::string JmenoEditu(int cislo) {
  return "Edit" + std::to_string(cislo);
}

// The main window may load another graph while the editor is open, so a row's
// number is checked against the count of the graph as it is now.
bool JeVrchol(int n) {
  return n >= 1 && n <= graf.GetPocet();
}

// A vertex edit may keep a digit run too long to convert (its own exit stopped at
// the conversion). Vertex numbers have at most two digits, so such a run names no
// vertex and the marks skip it instead of failing at every redraw.
bool MaDelkuCislaVrcholu(const std::string& cislice) {
  const std::size_t prvni = cislice.find_first_not_of('0');
  return prvni != std::string::npos && cislice.size() - prvni <= 2;
}

}  // namespace

bool KontrolaVstupuXY(const std::string& text, char kind) {
  vysledekKontroly = KontrolaCisla(text, kind);
  if (vysledekKontroly == 2) ShowMessage(" zadal jsi nekde necislo ");
  return vysledekKontroly == 0;
}

TFormXY::TFormXY() : TForm("TFormXY", "Editace Vrcholu", 200, 100, 486, 579) {
  Edit1 = new TEdit(this, "Edit1", 40, 40);
  Edit2 = new TEdit(this, "Edit2", 184, 40);
  Edit3 = new TEdit(this, "Edit3", 328, 40);
  const std::initializer_list<std::pair<TEdit*, const char*>> popisky = {
      {Edit1, "Vrchol"}, {Edit2, "Souřadnice X"}, {Edit3, "Souřadnice Y"}};
  for (const auto& [edit, text] : popisky) {
    edit->SetText(Utf8ToCp1250(text));
    edit->SetReadOnly(true);
    edit->SetColor(MenuColor());
  }

  // Row r holds Edit(n), Edit(n + 1), Edit(n + 2) for vertex, X and Y, and the
  // colour box Edit(16 + r).
  static const struct {
    int top;
    int prvniEdit;
    TColor barva;
  } kRadky[] = {{120, 4, RGB(128, 0, 128)},  // purple
                {200, 7, RGB(128, 128, 0)},  // olive
                {288, 10, RGB(0, 128, 128)}, // teal
                {368, 13, RGB(0, 0, 128)}};  // navy
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
  for (std::size_t i = 1; i < poradi.size(); ++i) QWidget::setTabOrder(poradi[i - 1], poradi[i]);
  // The first of the focus order has the focus when the window first appears.
  BitBtn2->setFocus();

  for (tradek& radek : radky) {
    for (TEdit* edit : {radek.vrchol, radek.x, radek.y}) edit->OnEnter = [this, edit] { EditEnter(edit); };
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

void TFormXY::EditEnter(const TEdit* edit) {
  puvodniText = edit->GetText();
}

void TFormXY::VrcholExit(const tradek& radek) {
  if (!KontrolaVstupuXY(radek.vrchol->GetText(), 'b')) {
    radek.vrchol->SetText(puvodniText);
    return;
  }
  const int n = StrToInt(radek.vrchol->GetText());
  if (!JeVrchol(n)) {
    radek.vrchol->SetText(puvodniText);
    ShowMessage(kSpatneCislo);
    return;
  }
  radek.x->SetText(IntToStr(graf.GetX(std::uint8_t(n))));
  radek.y->SetText(IntToStr(graf.GetY(std::uint8_t(n))));
  Prekresli();
}

void TFormXY::SouradniceExit(const tradek& radek, const tosa& osa) {
  TEdit* edit = radek.*osa.edit;
  if (!KontrolaVstupuXY(edit->GetText(), 'i')) {
    edit->SetText(puvodniText);
    return;
  }
  // The vertex edit is not checked here: an empty one stops at its conversion, and
  // nothing is stored.
  const int n = StrToInt(radek.vrchol->GetText());
  if (!JeVrchol(n)) {
    edit->SetText(puvodniText);
    ShowMessage(kSpatneCislo);
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
    if (jizOznacen || !KontrolaVstupuXY(text, 'b') || !MaDelkuCislaVrcholu(text)) continue;
    const int n = StrToInt(text);
    if (JeVrchol(n)) VykresliVrchol(graf.GetX(std::uint8_t(n)), graf.GetY(std::uint8_t(n)), radek->barva);
  }
}

void TFormXY::BitBtn2Click() {
  Close();
  VykresliGraf(kCerna, kCerna);
}

void TFormXY::Prekresli() {
  VykresliGraf(kSeda, kSeda);
  ZvyrazniVrcholy();
}
