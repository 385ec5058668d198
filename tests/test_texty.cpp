// The Help and About windows: their texts line by line, the same at every showing, not editable.
#include "support/ProgramWindow.h"
#include "windows/FrmOProgram.h"
#include "windows/frmhelpp.h"
#include "windows/main.h"

#include <QTest>

namespace {

// A line: its leading blanks, then its text; a text "*" is a rule of that many asterisks.
using tradek = std::pair<int, const char*>;

const std::vector<tradek> kNapoveda = {
    {118, "*"}, {0, ""}, {63, "Nápověda k programu trivex"}, {118, "*"}, {0, ""}, {0, ""},
    {0, "Program má 4 základní části - vyběr grafu , počet , simulace , a najdi."},
    {0, "Přepínač jednotlivých části je tabcontrol v horní části hlavního formuláře."}, {0, ""},
    {0, "Stučný popis jednotlivých části :"}, {2, "vyběr grafu - v této části se vybírá a edituje graf ."},
    {3, "počet - zjisti informace o počtu jednotivých údajů grafu"},
    {2, "simulace - v této části se předvedou simulace vámi vybraných grafovych algoritmu"},
    {2, "najdi - program vám najde vámi požadované udaje grafu "}, {0, ""},
    {0, "Části programu , ktere nejsou závislé na vzbrané položce tabcontrolu. "},
    {0, "tlačítka : Cancel - tlačítko korekně uzavře program."},
    {15, "O Programu - tlačítko zobrazí formulář s informacemi o programu ."},
    {15, "Help - tlačítko zobrazí formulář s nápovědou"}, {15, "Obarvi - tlačítko obarvi vrcholy grafu.      "},
    {15, "Obarvi - legenda - tlačítko zobrazí formulář s legendou k obarvení"},
    {0, "Plátno - na plátně se nakreslí graf se kterým se právě pracuje."},
    {0, "Textové pole : horní - obsahuje adresu souboru ve kterém je aktuální graf uložen"},
    {24, "dolní - slouží pro textové výstupy programu "}, {0, "Jednotlivé části programu -"},
    {1, "výběr grafu : tlačítka - Nový - objeví se formulář pro založení noveho grafu"},
    {36, "Otevři - okno pro otevření nového grafu"}, {36, "Ulož jako - okno pro uložení grafu "},
    {36, "Změn udaj - formulář který vám umožnuje změnit hodnotu hran , hodnotu "}, {0, "vrcholu "},
    {0, "a komentář k vrcholu"}, {36, "Změn souřadnice - program vám umožnuje změnit místo kde bude vrchol na "},
    {0, "plátně vykreslen"}, {0, ""},
    {1, "Najdi : tlačítka :  Skore - program najde a napíše do dolního editu skore grafu"},
    {38, "Najdi kostru - program nakreslí kostru grafu na platno "},
    {60, "červenou barvou jsou nakresleny hrany ,  ktere patří do "}, {0, "minimální kostry a štříbrně ostatní hrany."},
    {2, ""}, {2, "Simulace  : tlačítka Kruskal , Jarník  ,  Boruvka "},
    {20, "Program najde minimální kostru vámi zvoleným algoritmem ."},
    {20, "Hrany kostry nakreslí červeně a ostatní šedě . Informace o mezikrocích vám dá vědět "},
    {0, "pomocí okeních zpráv."}, {2, ""}, {2, "Počet : Koster - v dolním editu napíše kolik má graf koster"},
    {14, "Komponent - v doním editu napíše kolik má graf komponent"}, {0, ""}, {0, ""}, {0, ""}};
const std::vector<tradek> kOProgramu = {
    {128, "*"}, {76, "O Programu"}, {128, "*"}, {0, "Program  :  Trivex"}, {0, "Verze  : 2,0"}};

using TextyTest = ProgramWindow;

// Opened by its button, typed into and closed by OK, twice: a second showing shows the same.
TEST_F(TextyTest, WindowsShowTheirTextsLineByLineAndKeepThem) {
  const std::tuple<QWidget*, QPlainTextEdit*, const std::vector<tradek>&> pripady[] = {
      {Form1->BitBtn2, Form7->Memo1, kNapoveda}, {Form1->Button4, Form6->Memo1, kOProgramu}};
  for (int kolikrat = 1; kolikrat <= 2; ++kolikrat)
    for (const auto& [tlacitko, memo, radky] : pripady) {
      Klikni(tlacitko);
      ASSERT_TRUE(QTest::qWaitForWindowActive(memo->window()));
      QTest::keyClicks(memo, "abc\r");
      QStringList cekano;
      for (const auto& [pocet, text] : radky)
        cekano << (*text == '*' ? QString(pocet, u'*') : QString(pocet, u' ') + QString::fromUtf8(text));
      EXPECT_EQ(memo->toPlainText().toStdString(), cekano.join(u'\n').toStdString());
      memo->window()->findChild<QPushButton*>("BitBtn1")->click();
      EXPECT_FALSE(memo->window()->isVisible()) << memo->window()->objectName().toStdString();
    }
}

}  // namespace
