// The Help and About windows as the main window opens them: their texts line by line
// in Unicode, the same at every showing, and not editable.
#include "support/TestSupport.h"
#include "windows/FrmOProgram.h"
#include "windows/frmhelpp.h"
#include "windows/main.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

const QStringList& Napoveda() {
  static const QStringList radky = {
      QString(118, u'*'),
      U(""),
      QString(63, u' ') + U("Nápověda k programu trivex"),
      QString(118, u'*'),
      U(""),
      U(""),
      U("Program má 4 základní části - vyběr grafu , počet , simulace , a najdi."),
      U("Přepínač jednotlivých části je tabcontrol v horní části hlavního formuláře."),
      U(""),
      U("Stučný popis jednotlivých části :"),
      QString(2, u' ') + U("vyběr grafu - v této části se vybírá a edituje graf ."),
      QString(3, u' ') + U("počet - zjisti informace o počtu jednotivých údajů grafu"),
      QString(2, u' ') + U("simulace - v této části se předvedou simulace vámi vybraných grafovych algoritmu"),
      QString(2, u' ') + U("najdi - program vám najde vámi požadované udaje grafu "),
      U(""),
      U("Části programu , ktere nejsou závislé na vzbrané položce tabcontrolu. "),
      U("tlačítka : Cancel - tlačítko korekně uzavře program."),
      QString(15, u' ') + U("O Programu - tlačítko zobrazí formulář s informacemi o programu ."),
      QString(15, u' ') + U("Help - tlačítko zobrazí formulář s nápovědou"),
      QString(15, u' ') + U("Obarvi - tlačítko obarvi vrcholy grafu.      "),
      QString(15, u' ') + U("Obarvi - legenda - tlačítko zobrazí formulář s legendou k obarvení"),
      U("Plátno - na plátně se nakreslí graf se kterým se právě pracuje."),
      U("Textové pole : horní - obsahuje adresu souboru ve kterém je aktuální graf uložen"),
      QString(24, u' ') + U("dolní - slouží pro textové výstupy programu "),
      U("Jednotlivé části programu -"),
      QString(1, u' ') + U("výběr grafu : tlačítka - Nový - objeví se formulář pro založení noveho grafu"),
      QString(36, u' ') + U("Otevři - okno pro otevření nového grafu"),
      QString(36, u' ') + U("Ulož jako - okno pro uložení grafu "),
      QString(36, u' ') + U("Změn udaj - formulář který vám umožnuje změnit hodnotu hran , hodnotu "),
      U("vrcholu "),
      U("a komentář k vrcholu"),
      QString(36, u' ') + U("Změn souřadnice - program vám umožnuje změnit místo kde bude vrchol na "),
      U("plátně vykreslen"),
      U(""),
      QString(1, u' ') + U("Najdi : tlačítka :  Skore - program najde a napíše do dolního editu skore grafu"),
      QString(38, u' ') + U("Najdi kostru - program nakreslí kostru grafu na platno "),
      QString(60, u' ') + U("červenou barvou jsou nakresleny hrany ,  ktere patří do "),
      U("minimální kostry a štříbrně ostatní hrany."),
      QString(2, u' ') + U(""),
      QString(2, u' ') + U("Simulace  : tlačítka Kruskal , Jarník  ,  Boruvka "),
      QString(20, u' ') + U("Program najde minimální kostru vámi zvoleným algoritmem ."),
      QString(20, u' ') + U("Hrany kostry nakreslí červeně a ostatní šedě . Informace o mezikrocích vám dá vědět "),
      U("pomocí okeních zpráv."),
      QString(2, u' ') + U(""),
      QString(2, u' ') + U("Počet : Koster - v dolním editu napíše kolik má graf koster"),
      QString(14, u' ') + U("Komponent - v doním editu napíše kolik má graf komponent"),
      U(""),
      U(""),
      U(""),
  };
  return radky;
}

const QStringList& OProgramu() {
  static const QStringList radky = {QString(128, u'*'), QString(76, u' ') + U("O Programu"), QString(128, u'*'),
                                    U("Program  :  Trivex"), U("Verze  : 2,0")};
  return radky;
}

class TextyTest : public ::testing::Test {
protected:
  void SetUp() override {
    CreateProgramWindows();
    ShowActive(Form1);
  }
  void TearDown() override { FreeProgramWindows(); }
};

// Each window is opened by its button in the main window, compared line by line,
// typed into, and closed by its OK button; twice, since a second showing must show
// the same.
TEST_F(TextyTest, WindowsShowTheirTextsLineByLineAndKeepThem) {
  const struct {
    QPushButton* tlacitko;
    TForm* okno;
    TMemo* memo;
    TBitBtn* ok;
    const QStringList& radky;
  } pripady[] = {{Form1->BitBtn2, Form7, Form7->Memo1, Form7->BitBtn1, Napoveda()},
                 {Form1->Button4, Form6, Form6->Memo1, Form6->BitBtn1, OProgramu()}};
  ASSERT_EQ(Napoveda().size(), 49);
  for (const auto& pripad : pripady) {
    for (int kolikrat = 1; kolikrat <= 2; ++kolikrat) {
      SCOPED_TRACE(pripad.okno->objectName().toStdString() + " showing " + std::to_string(kolikrat));
      pripad.tlacitko->click();
      ASSERT_TRUE(QTest::qWaitForWindowActive(pripad.okno));
      FocusOn(pripad.memo);
      QTest::keyClicks(pripad.memo, QStringLiteral("abc"));
      QTest::keyClick(pripad.memo, Qt::Key_Return);
      QTest::keyClick(pripad.memo, Qt::Key_Delete);
      const QStringList radky = pripad.memo->toPlainText().split(u'\n');
      ASSERT_EQ(radky.size(), pripad.radky.size());
      for (int i = 0; i < radky.size(); ++i)
        EXPECT_EQ(radky[i].toStdString(), pripad.radky[i].toStdString()) << "line " << i + 1;
      pripad.ok->click();
      EXPECT_FALSE(pripad.okno->isVisible());
    }
  }
  // The rules of asterisks and the centred title need every character equally wide.
  const QFontMetrics pismo(Form6->Memo1->font());
  for (QChar znak : QString::fromUtf8("W .č"))
    EXPECT_EQ(pismo.horizontalAdvance(znak), pismo.horizontalAdvance(u'*')) << QString(znak).toStdString();
}

}  // namespace
