// One teacher's whole session on a freshly started program, through the windows only:
// a new graph of four vertices, its values, comments and edges typed into the editor,
// its vertices moved in the coordinate editor, saved, opened again, Kruskal's method
// and the counts run from the tabs, and the legend opened.
#include "windows/main.h"

#include "algorithms/UMetody.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "support/ProgramWindow.h"
#include "windows/frmedvrch.h"
#include "windows/frminfo.h"
#include "windows/novy.h"
#include "windows/nv.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Messages = std::vector<std::string>;

const char* const kPrilis = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD";  // "Příliš žluťoučký"
const char* const kKun = "k\xF9\xF2";                                // "kůň"

// The file the session ends with, byte for byte.
const std::string kUlozenyGraf =
    "4\r\n"
    " 2.50000000000000E+0000 40 40  0.00000000000000E+0000  3.00000000000000E+0000"
    "  1.50000000000000E+0000  0.00000000000000E+0000 " + std::string(kPrilis) + "\r\n"
    " 0.00000000000000E+0000 200 40  3.00000000000000E+0000  0.00000000000000E+0000"
    "  0.00000000000000E+0000  0.00000000000000E+0000 \r\n"
    "-1.00000000000000E+0000 200 150  1.50000000000000E+0000  0.00000000000000E+0000"
    "  0.00000000000000E+0000  2.00000000000000E+0000 " + std::string(kKun) + "\r\n"
    " 0.00000000000000E+0000 360 150  0.00000000000000E+0000  0.00000000000000E+0000"
    "  2.00000000000000E+0000  0.00000000000000E+0000 \r\n";

class Session : public ProgramWindow {
protected:
  // Types into a box and leaves it by clicking the next control, as a user does; the
  // box's Exit handler runs on the way.
  void Zadej(TEdit* box, const QString& text, QWidget* next) {
    ASSERT_TRUE(box->isVisible()) << box->objectName().toStdString();
    TypeInto(box, text);
    QTest::mouseClick(next, Qt::LeftButton);
  }
};

TEST_F(Session, NewGraphEditedSavedReopenedAndExamined) {
  // "Novy": four vertices, the file chosen in the save dialog; nothing is written yet.
  Klikni(Form1->Button1);
  ShowActive(Form3);
  TypeInto(Form3->Edit2, "4");
  answerer.ChooseFile(Soubor("trida"));
  QTest::mouseClick(Form3->BitBtn1, Qt::LeftButton);

  const QString novy = Soubor("trida.grf");
  EXPECT_FALSE(Form3->isVisible());
  ASSERT_EQ(4, graf.GetPocet());
  EXPECT_EQ(FromQt(novy), GetJmenoSouboru());
  EXPECT_EQ(FromQt(novy), Form1->Edit1->GetText());
  EXPECT_FALSE(QFile::exists(novy));
  EXPECT_EQ(Serazene({"BitBtn1", "BitBtn2", "Button1", "Button11", "Button2", "Button3", "Button4", "Button5", "Edit1",
                      "Image1", "Memo1", "TabControl1"}),
            Viditelne(Form1));

  // The editor opened on vertex 1 with the vertices 2 to 4 in its first slots.
  ASSERT_TRUE(Form4->isVisible());
  ShowActive(Form4);
  EXPECT_EQ("1", Form4->Edit7->GetText());
  EXPECT_EQ(FromQt(novy), Form4->Edit2->GetText());
  const tslot& s1 = Form4->sloty[0];
  const tslot& s2 = Form4->sloty[1];
  const tslot& s3 = Form4->sloty[2];
  EXPECT_EQ("4", s3.soused->GetText());
  EXPECT_EQ("", Form4->sloty[3].soused->GetText());

  Zadej(Form4->Edit6, "2.5", Form4->Edit28);
  Zadej(Form4->Edit28, QString::fromUtf8(u8"Příliš žluťoučký"), s1.delka);
  Zadej(s1.delka, "3", s2.delka);
  Zadej(s2.delka, "1.5", Form4->Edit7);
  Zadej(Form4->Edit7, "3", Form4->Edit6);
  EXPECT_EQ("0", Form4->Edit6->GetText()) << "the value of vertex 3";
  EXPECT_EQ("", Form4->Edit28->GetText()) << "the comment of vertex 3";
  EXPECT_EQ("2", s1.soused->GetText()) << "the slots keep their vertices";
  Zadej(Form4->Edit6, "-1", Form4->Edit28);
  Zadej(Form4->Edit28, QString::fromUtf8(u8"kůň"), s3.delka);
  Zadej(s3.delka, "x2", s1.delka);
  EXPECT_EQ("0", s3.delka->GetText()) << "a length with a letter is refused";
  Zadej(s3.delka, "2", s1.delka);
  QTest::mouseClick(Form4->BitBtn2, Qt::LeftButton);
  EXPECT_FALSE(Form4->isVisible());

  EXPECT_EQ(Messages({" zadal jsi necislo "}), answerer.messages);
  EXPECT_EQ(2.5, graf.GetHodnota(1));
  EXPECT_EQ(-1.0, graf.GetHodnota(3));
  EXPECT_EQ(kPrilis, graf.GetText(1));
  EXPECT_EQ(kKun, graf.GetText(3));
  EXPECT_EQ(3.0, graf.GetHrana(1, 2));
  EXPECT_EQ(1.5, graf.GetHrana(3, 1));
  EXPECT_EQ(2.0, graf.GetHrana(3, 4));
  EXPECT_EQ(2.0, graf.GetHrana(4, 3));

  // The coordinate editor puts the four vertices where the rest of the session
  // expects them; its OK draws the graph in black.
  ShowActive(Form1);
  Klikni(Form1->Button11);
  ShowActive(FormXY);
  const int mista[4][2] = {{40, 40}, {200, 40}, {200, 150}, {360, 150}};
  for (int r = 0; r < 4; ++r) {
    const auto& radek = FormXY->radky[r];
    EXPECT_EQ(std::to_string(r + 1), radek.vrchol->GetText());
    QWidget* next = r < 3 ? static_cast<QWidget*>(FormXY->radky[r + 1].vrchol) : FormXY->BitBtn2;
    Zadej(radek.x, QString::number(mista[r][0]), radek.y);
    Zadej(radek.y, QString::number(mista[r][1]), next);
  }
  EXPECT_FALSE(FormXY->isVisible());
  EXPECT_EQ(200, graf.GetX(2));
  EXPECT_EQ(150, graf.GetY(3));
  EXPECT_EQ(clBlack, Uprostred(Platno(), 40, 40, 200, 150));
  EXPECT_EQ(clBlack, Platno().Pixel(360, 150));

  // "Uloz Jako" writes the file; it is opened again from the disk.
  ShowActive(Form1);
  UlozJako(Soubor("ulozeny"));
  const QString ulozeny = Soubor("ulozeny.grf");
  EXPECT_EQ(kUlozenyGraf, ReadBytes(ulozeny));
  EXPECT_EQ(FromQt(ulozeny), Form1->Edit1->GetText());
  EXPECT_EQ(clSilver, Platno().Pixel(40, 40));

  Otevri(ulozeny);
  ASSERT_EQ(4, graf.GetPocet());
  EXPECT_EQ(kKun, graf.GetText(3));
  EXPECT_EQ(clBlack, Platno().Pixel(40, 40));

  // Kruskal on the tab "Simulace": every edge belongs to the tree.
  answerer.messages.clear();
  VyberZalozku(2);
  Klikni(Form1->Button6);
  EXPECT_EQ(Messages({"barvim hranu - zarazuji do kostry 1 3 s delkou 1.5",
                      "barvim hranu - zarazuji do kostry 3 4 s delkou 2",
                      "barvim hranu - zarazuji do kostry 1 2 s delkou 3"}),
            answerer.messages);
  EXPECT_EQ(QStringLiteral("Nejkratsi kostra ma delku : 6.5"), Form1->Memo1->toPlainText());
  EXPECT_EQ(clMaroon, Uprostred(Platno(), 40, 40, 200, 40));
  EXPECT_EQ(clMaroon, Uprostred(Platno(), 40, 40, 200, 150));
  EXPECT_EQ(clMaroon, Uprostred(Platno(), 200, 150, 360, 150));

  // The counts on the tab "Pocet".
  VyberZalozku(3);
  Klikni(Form1->Button6);
  EXPECT_EQ(QStringLiteral(" Pocet koster v grafu je : 1"), Form1->Memo1->toPlainText());
  Klikni(Form1->Button7);
  EXPECT_EQ(QStringLiteral("Pocet komponent je : 1"), Form1->Memo1->toPlainText());

  // The legend lists the four vertices in their identification colours.
  VyberZalozku(0);
  Klikni(Form1->Button9);
  ASSERT_TRUE(Form2->isVisible());
  const struct {
    const char* hodnota;
    const char* skore;
    std::string text;
    TColor barva;
  } legenda[] = {{"2.5", "2", kPrilis, clMaroon}, {"0", "1", "", clGreen}, {"-1", "2", kKun, clOlive},
                 {"0", "1", "", clBlue}};
  for (int k = 0; k < 4; ++k) {
    const auto& radek = Form2->radky[k];
    EXPECT_EQ(std::to_string(k + 1), radek.cislo->GetText());
    EXPECT_EQ(legenda[k].hodnota, radek.hodnota->GetText()) << k + 1;
    EXPECT_EQ(legenda[k].skore, radek.skore->GetText()) << k + 1;
    EXPECT_EQ(legenda[k].text, radek.text->GetText()) << k + 1;
    EXPECT_EQ(legenda[k].barva, Platno().Pixel(mista[k][0], mista[k][1])) << k + 1;
  }
  EXPECT_TRUE(Form2->radky[4].cislo->isHidden());
  EXPECT_EQ(Messages({"barvim hranu - zarazuji do kostry 1 3 s delkou 1.5",
                      "barvim hranu - zarazuji do kostry 3 4 s delkou 2",
                      "barvim hranu - zarazuji do kostry 1 2 s delkou 3"}),
            answerer.messages)
      << "nothing else was said";
}

}  // namespace
