// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The main window. Its path box decides which commands are offered; the tab strip
// chooses the mode object whose operations the three command buttons run.
#include "windows/main.h"

#include "algorithms/UMetody.h"
#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/Cesty.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "windows/FrmOProgram.h"
#include "windows/frmedvrch.h"
#include "windows/frmhelpp.h"
#include "windows/frminfo.h"
#include "windows/novy.h"
#include "windows/nv.h"

#include <QFile>
#include <QTimer>

#include <iterator>
#include <memory>
#include <utility>

TForm1* Form1 = nullptr;

namespace {

const char* const kZadnyGraf = "Zadny graf otevren";

// The path box names a file whose lines have the structure of a graph file.
bool JmenujeSouborGrafu(const std::string& cesta) {
  return ExistujeSoubor(cesta) && JeSouborGrafu(cesta);
}

// The controls a face of the window shows or hides; those in neither set keep what
// they had.
enum tovladac : unsigned {
  kZalozky = 1u << 0, kNovy = 1u << 1, kOtevri = 1u << 2, kUloz = 1u << 3, kPrikaz1 = 1u << 4,
  kPrikaz2 = 1u << 5, kPrikaz3 = 1u << 6, kLegenda = 1u << 7, kObarvi = 1u << 8, kZmenUdaj = 1u << 9,
  kZmenSouradnice = 1u << 10, kVystup = 1u << 11, kPlatno = 1u << 12,
};

// The commands on a graph: offered while the path box names a graph file.
constexpr unsigned kPrikazyGrafu = kZalozky | kZmenUdaj | kZmenSouradnice | kUloz | kLegenda | kObarvi;
// The file and editing commands of the first tab.
constexpr unsigned kVyberGrafu = kNovy | kOtevri | kUloz | kZmenUdaj | kZmenSouradnice;
// What every other tab shows; only Simulace has a third command.
constexpr unsigned kPrikazyZalozky = kPrikaz1 | kPrikaz2 | kObarvi | kLegenda | kVystup | kPlatno;

// At start only the file commands that need no graph are offered.
constexpr TForm1::ttvar kUvodni{0, kPrikazyGrafu | kPrikaz1 | kPrikaz2 | kPrikaz3};
// After an open: the tabs for a graph loaded; a failed open also withdraws saving.
constexpr TForm1::ttvar kOtevren{kZalozky, 0};
constexpr TForm1::ttvar kNeotevren{0, kZalozky | kUloz};
// The path box, typed into or set.
constexpr TForm1::ttvar kSouborGrafu{kPrikazyGrafu, 0};
constexpr TForm1::ttvar kZadnySoubor{0, kPrikazyGrafu};
// A new graph has no file yet, so the path box has just hidden these.
constexpr TForm1::ttvar kNovyGraf{kZalozky | kUloz | kZmenUdaj | kZmenSouradnice, 0};

template <class T>
std::unique_ptr<tmetoda> Vytvor() {
  return std::make_unique<T>();
}

// One row per tab. The spanning-tree procedures read the component count, so
// entering Najdi or Simulace brings it up to date; its output line is wiped at once.
const struct tzalozka {
  TForm1::ttvar tvar;
  const char* popisky[3];  // Button6 to Button8; none: they keep theirs
  std::unique_ptr<tmetoda> (*metoda)();  // none: no mode object
  bool spoctiKomponenty;
  bool smazVystup;
  bool prekresli;  // the canvas cleared and the graph drawn in black
} kTvaryZalozek[] = {
    {{kVyberGrafu | kLegenda | kObarvi | kPlatno, kPrikaz1 | kPrikaz2 | kPrikaz3 | kVystup},
     {nullptr, nullptr, nullptr}, nullptr, false, false, true},
    {{kPrikazyZalozky, kVyberGrafu | kPrikaz3},
     {" Skore ", " Nejkratsi kostra ", " K - Souvislost "}, Vytvor<tnajdi>, true, true, true},
    {{kPrikazyZalozky | kPrikaz3, kVyberGrafu},
     {" Kruskal ", " Jarnik ", " Boruvka"}, Vytvor<tsimulace>, true, true, true},
    {{kPrikazyZalozky, kVyberGrafu | kPrikaz3},
     {" Koster ", " Komponent ", " Barev "}, Vytvor<tpocet>, false, true, false},
};

}  // namespace

void OtevriPriStartu(const char* argument) {
  // The argument is in the system's 8-bit encoding; inside, paths are Windows-1250 texts.
  const QString cesta = QFile::decodeName(argument);
  const std::string jmeno = CestaProgramu(cesta);
  if (jmeno.empty()) {
    const std::string zprava = FromQt(QStringLiteral("Soubor %1 nelze otevřít: jeho cesta obsahuje znaky, "
                                                     "které program neumí zapsat (mimo Windows-1250).")
                                          .arg(cesta));
    QTimer::singleShot(0, Form1, [zprava] { Invoke([&zprava] { ShowMessage(zprava); }); });
    return;
  }
  QTimer::singleShot(0, Form1, [jmeno] { Invoke([&jmeno] { Form1->OtevriGraf(jmeno); }); });
}

TForm1::TForm1() : TForm("TForm1", "Trivex", 135, 0, 870, 780) {
  TabControl1 = new TTabControl(this, "TabControl1", {"Vyber Grafu", "Najdi", "Simulace", "Pocet"}, 24, 8, 809, 33);
  Button1 = new TButton(this, "Button1", "Novy", 32, 64, 113, 57);
  Button2 = new TButton(this, "Button2", "Otevri", 176, 64, 113, 57);
  Button3 = new TButton(this, "Button3", "Uloz Jako", 328, 64, 113, 57);
  Button4 = new TButton(this, "Button4", "O Programu", 496, 64, 121, 57);
  BitBtn2 = new TBitBtn(this, "BitBtn2", bkHelp, 680, 64, 121, 57);
  Edit1 = new TEdit(this, "Edit1", 40, 144, 481, 21);
  Image1 = new TImage(this, "Image1", 40, 192, kSirkaPlatna, kVyskaPlatna);
  Button6 = new TButton(this, "Button6", "", 616, 160, 185, 57);
  Button7 = new TButton(this, "Button7", "", 616, 248, 185, 57);
  Button8 = new TButton(this, "Button8", "", 616, 336, 185, 57);
  Button9 = new TButton(this, "Button9", "Obarvi - legenda", 616, 424, 185, 57);
  Button10 = new TButton(this, "Button10", "Obarvi", 616, 520, 185, 57);
  Memo1 = new TMemo(this, "Memo1", 40, 592, 569, 41);
  Button5 = new TButton(this, "Button5", "Zmen udaj", 48, 648, 145, 73);
  Button11 = new TButton(this, "Button11", "Zmen souradnice", 256, 648, 145, 73);
  BitBtn1 = new TBitBtn(this, "BitBtn1", bkCancel, 472, 648, 361, 73, "Exit");

  MakeCaption(Edit1, kZadnyGraf, false);
  Memo1->SetColor(clWhite);
  UkazTvar(kUvodni);

  TabControl1->OnChange = [this] { TabControl1Change(); };
  Edit1->OnChange = [this] { Edit1Change(); };
  const struct {
    TButton* button;
    void (TForm1::*click)();
  } kliknuti[] = {
      {Button1, &TForm1::Button1Click},   {Button2, &TForm1::Button2Click},   {Button3, &TForm1::Button3Click},
      {Button4, &TForm1::Button4Click},   {BitBtn2, &TForm1::BitBtn2Click},   {Button6, &TForm1::Button6Click},
      {Button7, &TForm1::Button7Click},   {Button8, &TForm1::Button8Click},   {Button9, &TForm1::Button9Click},
      {Button10, &TForm1::Button10Click}, {Button5, &TForm1::Button5Click},   {Button11, &TForm1::Button11Click},
      {BitBtn1, &TForm1::BitBtn1Click},
  };
  for (const auto& row : kliknuti) row.button->OnClick = [this, click = row.click] { (this->*click)(); };
}

void TForm1::FormShow() {
  NastavBarvyVrcholu();
  Image1->GetCanvas()->ResetTools();
  SmazPlatno();
  // A mode object left from an earlier showing is released rather than leaked.
  metoda.reset();
}

void TForm1::FormClose() {
  metoda.reset();
  graf.Clear();
}

void TForm1::BitBtn1Click() {
  if (PredZahozenim && !PredZahozenim()) return;
  // Emptied here and again as the window closes: one replacement for the listeners.
  const TDavkaZmen davka(graf);
  if (metoda) {
    metoda.reset();
    graf.Clear();
  }
  Close();
}

void TForm1::Button1Click() {
  if (PredZahozenim && !PredZahozenim()) return;
  Form3->Show();
}

void TForm1::Button2Click() {
  if (PredZahozenim && !PredZahozenim()) return;
  TOpenDialog otevri(this);
  otevri.SetInitialDir(GetCurrentDir());
  if (otevri.Execute()) {
    OtevriGraf(otevri.GetFileName());
    return;
  }
  // A cancelled dialog still redraws, so the picture is the current graph in black.
  VykresliGraf(clBlack, clBlack);
}

bool TForm1::OtevriGraf(const std::string& cesta) {
  int vysledek = 0;
  {
    // Reopening the same file is one replacement by the same graph, not an emptying first.
    const TDavkaZmen davka(graf);
    if (graf.GetPocet() != 0) ZrusGraf();
    SetJmenoSouboru(cesta);
    vysledek = NactiGraf();
  }
  if (vysledek == 0) {
    Edit1->SetText(GetJmenoSouboru());
    UkazTvar(kOtevren);
  } else {
    UkazTvar(kNeotevren);
    ShowMessage(vysledek == 1 ? " vami vybrany soubor obsahuje data negrafu " : " vami vybrany soubor neexistuje ");
  }
  VykresliGraf(clBlack, clBlack);
  return vysledek == 0;
}

void TForm1::Button3Click() {
  if (const auto cesta = VyberSouborKUlozeni(this)) {
    SetJmenoSouboru(*cesta);
    Edit1->SetText(*cesta);
    UlozGraf();
    if (PoUlozeni) PoUlozeni();
    VykresliGraf(clBlack, clBlack);
  }
  Edit1Change();
}

void TForm1::Button4Click() {
  Form6->Show();
}

void TForm1::BitBtn2Click() {
  Form7->Show();
}

void TForm1::Button5Click() {
  Form4->Show();
}

void TForm1::Button11Click() {
  FormXY->Show();
}

void TForm1::Button9Click() {
  ObarviVrcholy();
  Form2->Show();
}

void TForm1::Button10Click() {
  ObarviVrcholy();
}

void TForm1::Edit1Change() {
  const bool souborGrafu = JmenujeSouborGrafu(Edit1->GetText());
  UkazTvar(souborGrafu ? kSouborGrafu : kZadnySoubor);
  if (souborGrafu)
    VykresliGraf(clSilver, clSilver);
  else
    SmazPlatno();
}

void TForm1::TabControl1Change() {
  NastavBarvyVrcholu();
  const std::string cesta = Edit1->GetText();
  if (cesta == kZadnyGraf || !JmenujeSouborGrafu(cesta)) return;
  UkazZalozku(TabControl1->GetTabIndex());
}

void TForm1::UkazTvar(const ttvar& tvar) {
  const std::pair<tovladac, QWidget*> ovladace[] = {
      {kZalozky, TabControl1}, {kNovy, Button1},         {kOtevri, Button2},    {kUloz, Button3},
      {kPrikaz1, Button6},     {kPrikaz2, Button7},      {kPrikaz3, Button8},   {kLegenda, Button9},
      {kObarvi, Button10},     {kZmenUdaj, Button5},     {kZmenSouradnice, Button11},
      {kVystup, Memo1},        {kPlatno, Image1},
  };
  for (const auto& [bit, ovladac] : ovladace) {
    if (tvar.ukaz & bit) ovladac->setVisible(true);
    if (tvar.skryj & bit) ovladac->setVisible(false);
  }
}

void TForm1::UkazZalozku(int index) {
  if (index < 0 || index >= int(std::size(kTvaryZalozek))) return;
  const tzalozka& zalozka = kTvaryZalozek[index];
  UkazTvar(zalozka.tvar);
  metoda.reset();
  if (zalozka.popisky[0]) {
    Button6->SetCaption(zalozka.popisky[0]);
    Button7->SetCaption(zalozka.popisky[1]);
    Button8->SetCaption(zalozka.popisky[2]);
  }
  if (zalozka.spoctiKomponenty) tpocet().Prikaz2();
  if (zalozka.smazVystup) Vypis("");
  if (zalozka.prekresli) {
    SmazPlatno();
    VykresliGraf(clBlack, clBlack);
  }
  if (zalozka.metoda) metoda = zalozka.metoda();
}

void TForm1::UkazCestu(const std::string& cesta) {
  Edit1->SetText(cesta);
}

void TForm1::NovyGraf(const std::string& cesta) {
  Form4->Show();
  Form4->UkazCestu();
  Edit1->SetText(cesta);
  UkazTvar(kNovyGraf);
}

void TForm1::UpravenyGraf(const std::string& cesta) {
  Edit1->SetText(cesta);
  UkazTvar(kNovyGraf);
}

void TForm1::Button6Click() {
  if (metoda) metoda->Prikaz1();
}

void TForm1::Button7Click() {
  if (metoda) metoda->Prikaz2();
}

void TForm1::Button8Click() {
  if (metoda) metoda->Prikaz3();
}
