// The main window. Its path box decides which commands are offered; the tab strip
// chooses the mode object whose operations the three command buttons run.
#include "windows/main.h"

#include "Trivex.h"
#include "algorithms/UMetody.h"
#include "classroom/Trida.h"
#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "windows/FrmOProgram.h"
#include "windows/frmedvrch.h"
#include "windows/frmhelpp.h"
#include "windows/frminfo.h"
#include "windows/novy.h"
#include "windows/nv.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <filesystem>
#include <initializer_list>

TForm1* Form1 = nullptr;

namespace {

const char* const kZadnyGraf = "Zadny graf otevren";

// The path box names a file whose lines have the structure of a graph file.
bool JmenujeSouborGrafu(const std::string& cesta) {
  return ExistujeSoubor(cesta) && JeSouborGrafu(cesta);
}

// Shows or hides the controls of one face of the window together.
void UkazOvladaci(std::initializer_list<QWidget*> ovladace, bool viditelne) {
  for (QWidget* ovladac : ovladace) ovladac->setVisible(viditelne);
}

}  // namespace

void OtevriPriStartu(const char* argument) {
  // The argument is in the system's 8-bit encoding; inside, paths are Windows-1250
  // texts, and a relative one is made absolute as the open dialog would give it.
  const QString cesta = QFileInfo(QFile::decodeName(argument)).absoluteFilePath();
  const std::string jmeno = ProgramPath(std::filesystem::u8path(cesta.toStdString()));
  QTimer::singleShot(0, Form1, [jmeno] { Invoke([&jmeno] { Form1->OtevriGraf(jmeno); }); });
}

void CreateForms() {
  Application->CreateForm(Form1);
  Application->CreateForm(Form3);
  Application->CreateForm(Form4);
  Application->CreateForm(Form6);
  Application->CreateForm(Form7);
  Application->CreateForm(FormXY);
  Application->CreateForm(Form2);
  PripojTridu(Form1);  // classroom layer: canvas menu, labels, step window (classroom/Trida.h)
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

  Edit1->SetText(kZadnyGraf);
  Edit1->SetColor(MenuColor());
  Memo1->SetColor(clWhite);
  UkazOvladaci({TabControl1, Button3, Button5, Button11, Button6, Button7, Button8, Button9, Button10}, false);

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

  NastavPlatno(Image1->GetCanvas());
  VypisDoMemo = [this](const std::string& text) { Memo1->SetText(text); };
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
  if (metoda) {
    metoda.reset();
    graf.Clear();
  }
  Close();
}

void TForm1::Button1Click() {
  Form3->Show();
}

void TForm1::Button2Click() {
  TOpenDialog otevri(this);
  otevri.SetInitialDir(GetCurrentDir());
  if (otevri.Execute()) {
    OtevriGraf(otevri.GetFileName());
    return;
  }
  // A cancelled dialog still redraws, so the picture is the current graph in black.
  VykresliGraf(clBlack, clBlack);
}

void TForm1::OtevriGraf(const std::string& cesta) {
  if (graf.GetPocet() != 0) ZrusGraf();
  SetJmenoSouboru(cesta);
  const int vysledek = NactiGraf();
  if (vysledek == 0) {
    Edit1->SetText(GetJmenoSouboru());
    TabControl1->SetVisible(true);
  } else {
    TabControl1->SetVisible(false);
    Button3->SetVisible(false);
    ShowMessage(vysledek == 1 ? " vami vybrany soubor obsahuje data negrafu " : " vami vybrany soubor neexistuje ");
  }
  VykresliGraf(clBlack, clBlack);
}

void TForm1::Button3Click() {
  TSaveDialog uloz(this);
  uloz.SetTitle("Zadejte adresu souboru ve kterem bude graf ulozen");
  uloz.SetInitialDir(GetCurrentDir());
  uloz.SetDefaultExt("grf");
  if (uloz.Execute()) {
    SetJmenoSouboru(uloz.GetFileName());
    Edit1->SetText(uloz.GetFileName());
    UlozGraf();
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
  UkazOvladaci({TabControl1, Button5, Button11, Button3, Button9, Button10}, souborGrafu);
  if (souborGrafu)
    VykresliGraf(clSilver, clSilver);
  else
    SmazPlatno();
}

void TForm1::TabControl1Change() {
  NastavBarvyVrcholu();
  const std::string cesta = Edit1->GetText();
  if (cesta == kZadnyGraf || !JmenujeSouborGrafu(cesta)) return;

  const int t = TabControl1->GetTabIndex();
  if (t == 0) {
    UkazOvladaci({Button5, Button1, Button2, Button3}, true);
    UkazOvladaci({Button6, Button7, Button8}, false);
    UkazOvladaci({Button9, Button10, Button11}, true);
    Memo1->SetVisible(false);
    Image1->SetVisible(true);
    metoda.reset();
    SmazPlatno();
    VykresliGraf(clBlack, clBlack);
  } else {
    UkazOvladaci({Button5, Button1, Button2, Button3}, false);
    UkazOvladaci({Button6, Button7, Button8, Button10}, true);
    Button11->SetVisible(false);
    Button9->SetVisible(true);
    metoda.reset();
  }

  // The spanning-tree procedures read the component count, so it is brought up to
  // date on entering these tabs; its output line is wiped at once.
  const auto spoctiKomponenty = [] { tpocet().Prikaz2(); };

  switch (t) {
    case 1:
      Button6->SetCaption(" Skore ");
      Button7->SetCaption(" Nejkratsi kostra ");
      Button8->SetCaption(" K - Souvislost ");
      Button8->SetVisible(false);
      spoctiKomponenty();
      Memo1->SetVisible(true);
      Memo1->SetText("");
      Image1->SetVisible(true);
      SmazPlatno();
      VykresliGraf(clBlack, clBlack);
      metoda = std::make_unique<tnajdi>();
      break;
    case 2:
      Button6->SetCaption(" Kruskal ");
      Button7->SetCaption(" Jarnik ");
      Button8->SetCaption(" Boruvka");
      Memo1->SetVisible(true);
      Image1->SetVisible(true);
      spoctiKomponenty();
      Memo1->SetText("");
      SmazPlatno();
      VykresliGraf(clBlack, clBlack);
      metoda = std::make_unique<tsimulace>();
      break;
    case 3:
      Button6->SetCaption(" Koster ");
      Button7->SetCaption(" Komponent ");
      Button8->SetCaption(" Barev ");
      Button8->SetVisible(false);
      Memo1->SetVisible(true);
      Memo1->SetText("");
      Image1->SetVisible(true);
      metoda = std::make_unique<tpocet>();
      break;
  }
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
