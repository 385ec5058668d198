// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The exercise window driven as a student would, from the keyboard: the questions, the
// answers to right and wrong choices, the score, the hint and the shown step, the end, the
// generated examples, the save, and that the main window's graph is never touched.
#include "support/ProgramWindow.h"

#include "cviceni/Priklady.h"
#include "classroom/FrmCviceni.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

class Cviceni : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    // Two components: 1-2-3-4 with a tie of 2, and 5-6.
    ZapisGraf(Soubor("g.grf"), {{60, 60, ""}, {250, 60, ""}, {150, 220, ""}, {400, 110, ""}, {500, 250, ""}, {330, 310, ""}},
              {{1, 2, 2}, {2, 3, 2}, {1, 3, 3}, {3, 4, 1}, {1, 4, 5}, {5, 6, 4}});
  }
  TFormCviceni* Okno() {
    Form1->findChild<QAction*>(QStringLiteral("ActionCviceni"))->trigger();
    TFormCviceni* o = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) o = o ? o : dynamic_cast<TFormCviceni*>(w);
    if (o) ShowActive(o);
    return o;
  }
  // The keyboard path: Home, Down to the edge's row, Enter.
  static void Zvol(TFormCviceni* o, int u, int v) {
    int radek = -1;
    for (int i = 0; i < o->ListHrany->count(); ++i)
      if (o->ListHrany->item(i)->data(Qt::UserRole).toPoint() == QPoint(u, v)) radek = i;
    ASSERT_GE(radek, 0) << u << "-" << v << " is not offered";
    QTest::keyClick(o->ListHrany, Qt::Key_Home);
    for (int i = 0; i < radek; ++i) QTest::keyClick(o->ListHrany, Qt::Key_Down);
    QTest::keyClick(o->ListHrany, Qt::Key_Return);
  }
};

const QString kSpravne = QStringLiteral("Správně! Program to vykládá takto: „barvim hranu - zarazuji do kostry %1 s delkou %2“");

TEST_F(Cviceni, EachChoiceIsAnsweredAtOnceAndOnlyARightOneMovesOn) {
  // The question and its vertices ("otazka") after the choice.
  struct TKrok { int u, v; QString odpoved; int spravne, pokusu; QString otazka; QVariantList vrcholy; };
  const struct { const char* nazev; int metoda; std::vector<TKrok> kroky; } pripady[] = {
      {"Kruskal", 0,
       {{1, 2, "Hrana 1 – 2 (délka 2) není nejkratší: hrana 3 – 4 má délku 1.", 0, 1, "Kterou hranu přidá Kruskal teď?", {}},
        {3, 4, kSpravne.arg("3 4", "1"), 1, 2, "Kterou hranu přidá Kruskal teď?", {}},
        {1, 2, kSpravne.arg("1 2", "2"), 2, 3, "Kterou hranu přidá Kruskal teď?", {}},
        {2, 3, kSpravne.arg("2 3", "2"), 3, 4, "Kterou hranu přidá Kruskal teď?", {}},
        {1, 3, "Hrana 1 – 3 uzavírá kružnici 1 – 2 – 3.", 3, 5, "Kterou hranu přidá Kruskal teď?", {}}}},
      {"Jarník", 1,
       {{3, 4, "Hrana 3 – 4 nevede ze stromu {1}.", 0, 1, "Kterou hranu přidá Jarník ke stromu {1}?", {1}},
        {1, 2, kSpravne.arg("2 1", "2"), 1, 2, "Kterou hranu přidá Jarník ke stromu {1, 2}?", {1, 2}},
        {2, 3, kSpravne.arg("3 2", "2"), 2, 3, "Kterou hranu přidá Jarník ke stromu {1, 2, 3}?", {1, 2, 3}},
        {1, 3, "Hrana 1 – 3 uzavírá kružnici 1 – 2 – 3.", 2, 4, "Kterou hranu přidá Jarník ke stromu {1, 2, 3}?", {1, 2, 3}},
        {3, 4, kSpravne.arg("4 3", "1"), 3, 5, "Kterou hranu přidá Jarník ke stromu {5}?", {5}}}},
      {"Borůvka", 2,
       {{2, 3, "Hrana 2 – 3 nevede z komponenty {1}.", 0, 1, "Borůvka, fáze 1: nejkratší hrana z komponenty {1}?", {1}},
        {1, 2, kSpravne.arg("2 1", "2"), 1, 2, "Borůvka, fáze 1: nejkratší hrana z komponenty {3}?", {3}},
        {3, 4, kSpravne.arg("4 3", "1"), 2, 3, "Borůvka, fáze 1: nejkratší hrana z komponenty {5}?", {5}},
        {5, 6, kSpravne.arg("6 5", "4"), 3, 4, "Borůvka, fáze 2: nejkratší hrana z komponenty {1, 2}?", {1, 2}}}},
  };
  Otevri(Soubor("g.grf"));
  const TSnimekGrafu hlavni = graf.Snimek();
  const auto revize = graf.Revize();
  TFormCviceni* o = Okno();
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.nazev);
    o->ComboAlgoritmus->setCurrentIndex(p.metoda);
    Klikni(o->ButtonZHlavnihoOkna);  // the first choice, wrong, shows the question unchanged
    for (const TKrok& k : p.kroky) {
      SCOPED_TRACE(k.odpoved.toStdString());
      const int polozek = o->ListHrany->count();
      Zvol(o, k.u, k.v);
      EXPECT_EQ(k.odpoved, o->LabelOdpoved->text());
      EXPECT_EQ(k.otazka, o->LabelOtazka->text());
      EXPECT_EQ(k.vrcholy, o->property("otazka").toList());
      // A wrong choice leaves the offered edges as they were; a right one takes its edge away.
      EXPECT_EQ(polozek - (k.spravne > 0 && k.odpoved.startsWith(QStringLiteral("Správně")) ? 1 : 0), o->ListHrany->count());
      EXPECT_EQ(QStringLiteral("Správně %1 z %2 %3").arg(k.spravne).arg(k.pokusu).arg(k.pokusu == 1 ? "pokusu" : "pokusů"),
                o->LabelSkore->text());
    }
  }
  EXPECT_TRUE(hlavni == graf.Snimek());
  EXPECT_EQ(revize, graf.Revize());
}

TEST_F(Cviceni, TheEndNamesTheTotalAndWhetherItIsATreeOrAForest) {
  ZapisGraf(Soubor("souvisly.grf"), {{60, 60, ""}, {250, 60, ""}, {150, 220, ""}}, {{1, 2, -2}, {2, 3, 2}, {1, 3, 2}});
  ZapisGraf(Soubor("bez_hran.grf"), {{60, 60, ""}, {250, 60, ""}}, {});
  ZapisGraf(Soubor("vrchol.grf"), {{60, 60, ""}}, {});
  const struct { const char* soubor; QString otazka, skore; } pripady[] = {
      {"g.grf", "Hotovo.",
       "Správně 0 z 0 pokusů, ukázané kroky: 4. Celková délka 9. Graf není souvislý (komponent: 2), přijaté hrany tvoří "
       "minimální kostru každé komponenty, tedy minimální les."},
      {"souvisly.grf", "Hotovo.",
       "Správně 0 z 0 pokusů, ukázané kroky: 2. Celková délka 0. Přijaté hrany tvoří minimální kostru grafu."},
      {"bez_hran.grf", "Graf nemá žádnou hranu: není co vybírat, kostra je prázdná.", "Správně 0 z 0 pokusů"},
      {"vrchol.grf", "Graf má jen jeden vrchol: jeho kostra nemá žádnou hranu.", "Správně 0 z 0 pokusů"},
  };
  for (const auto& p : pripady) {
    SCOPED_TRACE(p.soubor);
    Otevri(Soubor(p.soubor));
    TFormCviceni* o = Okno();
    Klikni(o->ButtonZHlavnihoOkna);
    for (int krok = 0; krok < 10 && o->ButtonUkaz->isEnabled(); ++krok) Klikni(o->ButtonUkaz);
    EXPECT_EQ(p.otazka, o->LabelOtazka->text());
    EXPECT_EQ(p.skore, o->LabelSkore->text());
    EXPECT_FALSE(o->ButtonVyber->isEnabled());
  }
}

// A generated example, exercised and saved, never becomes the main window's graph.
TEST_F(Cviceni, GeneratedExamplesComeByNumberAndTheMainWindowsGraphOnlyWhileOneIsOpen) {
  TFormCviceni* o = Okno();
  EXPECT_FALSE(o->ButtonZHlavnihoOkna->isEnabled());
  o->SpinVrcholu->setValue(5);
  o->SpinCislo->setValue(42);
  Klikni(o->ButtonNovyPriklad);
  const TPriklad priklad = VytvorPriklad(42, 5);
  ASSERT_EQ(int(priklad.hrany.size()), o->ListHrany->count());
  EXPECT_EQ(QStringLiteral("%1 – %2 (délka %3)").arg(priklad.hrany[0].u).arg(priklad.hrany[0].v).arg(priklad.hrany[0].delka),
            o->ListHrany->item(0)->text());
  EXPECT_EQ(QStringLiteral("Kterou hranu přidá Kruskal teď?"), o->LabelOtazka->text());
  answerer.ChooseFile(Soubor("priklad.grf"));
  Klikni(o->ButtonUlozPriklad);
  EXPECT_EQ(0, graf.GetPocet());
  EXPECT_EQ("", GetJmenoSouboru());

  Otevri(Soubor("g.grf"));
  EXPECT_TRUE(o->ButtonZHlavnihoOkna->isEnabled());
  EXPECT_EQ(int(priklad.hrany.size()), o->ListHrany->count());  // the exercise goes on
  Otevri(Soubor("priklad.grf"));
  TPriklad ulozeny{{}, {}, HranySnimku(graf.Snimek())};
  for (const tvrchol& v : graf.Snimek().vrcholy) ulozeny.x.push_back(v.GetX()), ulozeny.y.push_back(v.GetY());
  EXPECT_EQ(TextPrikladu(priklad), TextPrikladu(ulozeny));
}

TEST_F(Cviceni, HintAndShownStepsCountNoAttemptAndAClickOnAnEdgeChoosesIt) {
  Otevri(Soubor("g.grf"));
  TFormCviceni* o = Okno();
  Klikni(o->ButtonZHlavnihoOkna);
  TObrazCviceni* obraz = o->ImageCviceni;
  const double meritko = std::min(obraz->width() / double(kSirkaPlatna), obraz->height() / double(kVyskaPlatna));
  const QPointF posun((obraz->width() - kSirkaPlatna * meritko) / 2, (obraz->height() - kVyskaPlatna * meritko) / 2);
  const auto bod = [&](double x, double y) { return (posun + QPointF(x + 0.5, y + 0.5) * meritko).toPoint(); };
  // A third of the way along 1 - 4, a candidate of Kruskal's first step, away from its label.
  const auto naHrane = [&] { return obraz->grab().toImage().pixelColor(bod(162, 75)); };
  const QColor pred = naHrane();
  Klikni(o->ButtonNapoveda);
  const QColor zvyraznena = naHrane();
  EXPECT_GT(zvyraznena.red(), 200);
  EXPECT_LT(zvyraznena.blue(), 150);
  // Every edge joins two trees yet: all are candidates.
  for (int r = 0; r < o->ListHrany->count(); ++r) EXPECT_TRUE(o->ListHrany->item(r)->font().bold()) << r;
  Klikni(o->ButtonUkaz);  // 3 - 4
  EXPECT_EQ(QStringLiteral("Ukázaný krok: „barvim hranu - zarazuji do kostry 3 4 s delkou 1“"), o->LabelOdpoved->text());
  EXPECT_EQ(pred, naHrane());  // the hint ends with the step
  for (int r = 0; r < o->ListHrany->count(); ++r) EXPECT_FALSE(o->ListHrany->item(r)->font().bold()) << r;
  // Edge 5 - 6 runs from (500, 250) to (330, 310): a click at its middle chooses it.
  QTest::mouseClick(obraz, Qt::LeftButton, {}, bod(415, 280));
  EXPECT_EQ(QStringLiteral("Hrana 5 – 6 (délka 4) není nejkratší: hrana 1 – 2 má délku 2."), o->LabelOdpoved->text());
  EXPECT_EQ(QStringLiteral("Správně 0 z 1 pokusu, ukázané kroky: 1"), o->LabelSkore->text());
}

}  // namespace
