// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Pictures for paper from the running program: larger PNGs chosen in the save dialog, and
// the canvas or a step printed with its text, as a page a PDF reader can read.
#include "support/ProgramWindow.h"

#include "classroom/Obraz.h"
#include "classroom/prubeh.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QProcess>
#include <QTimer>

namespace {

class Papir : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    ZapisGraf(Soubor("g.grf"), {{40, 40, ""}, {200, 60, ""}, {120, 200, ""}, {300, 300, ""}, {520, 160, ""}},
              {{1, 2, 2}, {2, 3, 2.5}, {1, 3, 7}, {3, 4, 1}, {4, 5, 3}});
    Otevri(Soubor("g.grf"));
    Zalozka(2);
    Klikni(Form1->Button6);  // Kruskal's narration, with the lengths shown
    Form1->findChild<QAction*>(QStringLiteral("ActionDelky"))->setChecked(true);
    Form1->findChild<QAction*>(QStringLiteral("ActionPrubeh"))->trigger();
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
  const std::vector<TOperace>& obraz = Zaznamnik().Obraz();
  const struct { const char* typ; int meritko; } typy[] = {
      {"Obrázek PNG (*.png)", 1}, {"Obrázek PNG, dvakrát větší (*.png)", 2}, {"Obrázek PNG, čtyřikrát větší (*.png)", 4}};
  for (const auto& t : typy) {
    const QString soubor = Soubor(QStringLiteral("platno%1.png").arg(t.meritko));
    answerer.ChooseFile(soubor, QString::fromUtf8(t.typ));
    Form1->findChild<QAction*>(QStringLiteral("ActionUlozObrazek"))->trigger();
    EXPECT_EQ(ObrazVMeritku(obraz, obraz.size(), t.meritko, {false, true}),
              QImage(soubor).convertToFormat(QImage::Format_RGB32))
        << t.typ;
  }
  Prubeh()->Vyber(1);
  answerer.ChooseFile(Soubor("krok"), QStringLiteral("Obrázek PNG, čtyřikrát větší (*.png)"));
  QTest::mouseClick(Prubeh()->ButtonUlozObrazek, Qt::LeftButton);
  EXPECT_EQ(ObrazVMeritku(Zaznamnik().Vyklad().operace, Prubeh()->ImageKrok->Po(), 4, Prubeh()->ImageKrok->Prekryvy()),
            QImage(Soubor("krok.png")).convertToFormat(QImage::Format_RGB32));
}

// Ctrl+P prints the canvas with the output line, or in the step window the selected step with
// its text, through the print dialog (answered as a user printing to a PDF file): the labels
// that are on and the text read back. A cancelled dialog prints nothing. (The page itself is
// the one the PDF export draws, checked with the command line.)
TEST_F(Papir, PrintActionsPrintTheCanvasOrTheSelectedStep) {
  ASSERT_TRUE(Prubeh()->isVisible());
  Prubeh()->CheckDelky->setChecked(false);
  const QString vysledek = Form1->Memo1->toPlainText(), krok = Prubeh()->ListKroky->item(1)->text().trimmed();
  const struct { const char* nazev; QWidget* okno; bool tisknout; std::vector<QString> texty, chybi; } pripady[] = {
      {"canvas", Form1, true, {vysledek, "2.5"}, {krok}},
      {"step", Prubeh(), true, {krok}, {vysledek, "2.5"}},
      {"cancelled", Form1, false, {}, {}},
  };
  Prubeh()->Vyber(1);
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    QAction* tisk = p.okno->findChild<QAction*>(QStringLiteral("ActionTisk"));
    ASSERT_NE(nullptr, tisk);
    EXPECT_EQ(QStringLiteral("Tisk…"), tisk->text());
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_P), tisk->shortcut());
    const QString pdf = Soubor(QStringLiteral("%1.pdf").arg(p.nazev));
    bool dialog = false;
    QTimer odpoved;
    QObject::connect(&odpoved, &QTimer::timeout, [&] {
      auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (!d) return;
      dialog = true;
      if (!p.tisknout) return d->reject();
      d->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
      d->accept();
    });
    odpoved.start(10);
    tisk->trigger();
    EXPECT_TRUE(dialog);
    EXPECT_EQ(p.tisknout, QFileInfo::exists(pdf));
    if (!p.tisknout) continue;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const QString& t : p.texty) EXPECT_TRUE(text.contains(t)) << t.toStdString() << " in " << text.toStdString();
    for (const QString& t : p.chybi) EXPECT_FALSE(text.contains(t)) << t.toStdString() << " in " << text.toStdString();
  }
}

}  // namespace
