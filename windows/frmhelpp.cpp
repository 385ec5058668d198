// The Help window and the assembly of the fixed texts.
#include "windows/frmhelpp.h"

#include "platform/Cp1250.h"

TForm7* Form7 = nullptr;

std::string SlozText(std::initializer_list<tradekTextu> radky) {
  std::string text;
  for (const tradekTextu& radek : radky) {
    if (&radek != radky.begin()) text += '\n';
    text += std::string(radek.opakovani, radek.znak) + radek.text;
  }
  return Utf8ToCp1250(text);
}

TForm7::TForm7() : TForm("TForm7", "Form7", 200, 100, 562, 507) {
  Memo1 = new TMemo(this, "Memo1", 32, 24, 497, 337);
  BitBtn1 = new TBitBtn(this, "BitBtn1", bkOK, 128, 400, 305, 49);

  Memo1->SetReadOnly(true);
  Memo1->SetScrollBars(true, true);
  Memo1->setLayoutDirection(Qt::LeftToRight);
  // Blank-indented lines and a line of only two blanks are part of the text.
  Memo1->SetText(SlozText({
      {118, '*', ""},
      {0, ' ', ""},
      {63, ' ', "Nápověda k programu trivex"},
      {118, '*', ""},
      {0, ' ', ""},
      {0, ' ', ""},
      {0, ' ', "Program má 4 základní části - vyběr grafu , počet , simulace , a najdi."},
      {0, ' ', "Přepínač jednotlivých části je tabcontrol v horní části hlavního formuláře."},
      {0, ' ', ""},
      {0, ' ', "Stučný popis jednotlivých části :"},
      {2, ' ', "vyběr grafu - v této části se vybírá a edituje graf ."},
      {3, ' ', "počet - zjisti informace o počtu jednotivých údajů grafu"},
      {2, ' ', "simulace - v této části se předvedou simulace vámi vybraných grafovych algoritmu"},
      {2, ' ', "najdi - program vám najde vámi požadované udaje grafu "},
      {0, ' ', ""},
      {0, ' ', "Části programu , ktere nejsou závislé na vzbrané položce tabcontrolu. "},
      {0, ' ', "tlačítka : Cancel - tlačítko korekně uzavře program."},
      {15, ' ', "O Programu - tlačítko zobrazí formulář s informacemi o programu ."},
      {15, ' ', "Help - tlačítko zobrazí formulář s nápovědou"},
      {15, ' ', "Obarvi - tlačítko obarvi vrcholy grafu.      "},
      {15, ' ', "Obarvi - legenda - tlačítko zobrazí formulář s legendou k obarvení"},
      {0, ' ', "Plátno - na plátně se nakreslí graf se kterým se právě pracuje."},
      {0, ' ', "Textové pole : horní - obsahuje adresu souboru ve kterém je aktuální graf uložen"},
      {24, ' ', "dolní - slouží pro textové výstupy programu "},
      {0, ' ', "Jednotlivé části programu -"},
      {1, ' ', "výběr grafu : tlačítka - Nový - objeví se formulář pro založení noveho grafu"},
      {36, ' ', "Otevři - okno pro otevření nového grafu"},
      {36, ' ', "Ulož jako - okno pro uložení grafu "},
      {36, ' ', "Změn udaj - formulář který vám umožnuje změnit hodnotu hran , hodnotu "},
      {0, ' ', "vrcholu "},
      {0, ' ', "a komentář k vrcholu"},
      {36, ' ', "Změn souřadnice - program vám umožnuje změnit místo kde bude vrchol na "},
      {0, ' ', "plátně vykreslen"},
      {0, ' ', ""},
      {1, ' ', "Najdi : tlačítka :  Skore - program najde a napíše do dolního editu skore grafu"},
      {38, ' ', "Najdi kostru - program nakreslí kostru grafu na platno "},
      {60, ' ', "červenou barvou jsou nakresleny hrany ,  ktere patří do "},
      {0, ' ', "minimální kostry a štříbrně ostatní hrany."},
      {2, ' ', ""},
      {2, ' ', "Simulace  : tlačítka Kruskal , Jarník  ,  Boruvka "},
      {20, ' ', "Program najde minimální kostru vámi zvoleným algoritmem ."},
      {20, ' ', "Hrany kostry nakreslí červeně a ostatní šedě . Informace o mezikrocích vám dá vědět "},
      {0, ' ', "pomocí okeních zpráv."},
      {2, ' ', ""},
      {2, ' ', "Počet : Koster - v dolním editu napíše kolik má graf koster"},
      {14, ' ', "Komponent - v doním editu napíše kolik má graf komponent"},
      {0, ' ', ""},
      {0, ' ', ""},
      {0, ' ', ""},
  }));

  BitBtn1->OnClick = [this] { BitBtn1Click(); };
}

void TForm7::BitBtn1Click() {
  Close();
}
