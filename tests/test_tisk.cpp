// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Pictures for paper from the running program: larger PNGs chosen in the save dialog.
#include "support/ProgramWindow.h"

#include "classroom/Obraz.h"
#include "windows/prubeh.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>

namespace {

class Papir : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    ZapisGraf(Soubor("g.grf"), {{40, 40, ""}, {200, 60, ""}, {120, 200, ""}, {300, 300, ""}, {520, 160, ""}},
              {{1, 2, 2}, {2, 3, 2.5}, {1, 3, 7}, {3, 4, 1}, {4, 5, 3}});
    Otevri(Soubor("g.grf"));
    Zalozka(2);
  }
  static TFormPrubeh* Prubeh() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = dynamic_cast<TFormPrubeh*>(w)) return p;
    return nullptr;
  }
};

// The first type is the canvas as it was; the larger ones are the same picture grown, from the
// canvas menu and from the step window alike.
TEST_F(Papir, SaveDialogTypesGiveTheirSize) {
  Klikni(Form1->Button6);  // Kruskal's narration
  Form1->findChild<QAction*>(QStringLiteral("ActionDelky"))->setChecked(true);
  const std::vector<TOperace>& obraz = Zaznamnik().Obraz();
  const struct {
    const char* nazev;
    const char* typ;
    int meritko;
  } typy[] = {
      {"canvas", "Obrázek PNG (*.png)", 1},
      {"twice", "Obrázek PNG, dvakrát větší (*.png)", 2},
      {"four times", "Obrázek PNG, čtyřikrát větší (*.png)", 4},
  };
  for (const auto& t : typy) {
    const QString soubor = Soubor(QStringLiteral("platno%1.png").arg(t.meritko));
    answerer.ChooseFile(soubor, QString::fromUtf8(t.typ));
    Form1->findChild<QAction*>(QStringLiteral("ActionUlozObrazek"))->trigger();
    EXPECT_EQ(ObrazVMeritku(obraz, obraz.size(), t.meritko, {false, true}),
              QImage(soubor).convertToFormat(QImage::Format_RGB32))
        << t.nazev;
  }
  Form1->findChild<QAction*>(QStringLiteral("ActionPrubeh"))->trigger();
  ASSERT_TRUE(Prubeh()->isVisible());
  Prubeh()->Vyber(1);
  answerer.ChooseFile(Soubor("krok"), QStringLiteral("Obrázek PNG, čtyřikrát větší (*.png)"));
  QTest::mouseClick(Prubeh()->ButtonUlozObrazek, Qt::LeftButton);
  EXPECT_EQ(ObrazVMeritku(Zaznamnik().Vyklad().operace, Prubeh()->ImageKrok->Po(), 4, Prubeh()->ImageKrok->Prekryvy()),
            QImage(Soubor("krok.png")).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
