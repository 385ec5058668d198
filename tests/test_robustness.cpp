// A long random session over the graph editor, the coordinate editor and the
// new-graph dialog: clicks, Tab presses and typed texts of every kind, windows
// switched, graphs replaced underneath the open editors. Nothing may crash, the graph
// must stay a graph, and every message must be one the program knows.
// TRIVEX_ROBUSTNESS_STEPS sets the number of steps, TRIVEX_ROBUSTNESS_SEED the seed.
#include "windows/main.h"

#include "model/UGraf.h"
#include "support/ProgramWindow.h"
#include "windows/frmedvrch.h"
#include "windows/novy.h"
#include "windows/nv.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

unsigned long FromEnvironment(const char* name, unsigned long fallback) {
  const char* text = std::getenv(name);
  if (!text || !*text) return fallback;
  return std::strtoul(text, nullptr, 10);
}

// The texts the program says: its fixed messages, and the general report of a text
// that passed its check but does not convert.
bool ZnamaZprava(const std::string& text) {
  static const std::set<std::string> fixed = {
      " zadal jsi necislo ",
      " zadal jsi nekde necislo ",
      "Chyba , zadal jsi spatne cislo vrcholu ",
      " nezadal jsi cislo ",
      " Program trivex pracuje s grafy s nejvyse 10 vrcholu ",
      " vami vybrany soubor neexistuje ",
      " vami vybrany soubor obsahuje data negrafu ",
  };
  static const std::regex conversion("'[^']*' neni platne (cele|realne) cislo");
  return fixed.count(text) != 0 || std::regex_match(text, conversion);
}

class Robustness : public ProgramWindow {
protected:
  void SetUp() override {
    ProgramWindow::SetUp();
    std::vector<TestVrchol> deset;
    std::vector<TestHrana> hrany;
    for (int k = 1; k <= 10; ++k) {
      deset.push_back({30 * k, 20 * k, "vrchol " + std::to_string(k)});
      if (k > 1) hrany.push_back({k - 1, k, 0.5 * k});
    }
    hrany.push_back({1, 10, -2.0});
    ZapisGraf(Soubor("velky.grf"), deset, hrany);
    ZapisGraf(Soubor("maly.grf"), {{10, 10, "a"}, {60, 60, "b"}}, {{1, 2, 7.0}});
    ZapisGraf(Soubor("prazdny.grf"), {}, {});
    WriteBytes(Soubor("negraf.grf"), "2\r\nnic\r\n");
    soubory = {Soubor("velky.grf"), Soubor("maly.grf"), Soubor("prazdny.grf"), Soubor("negraf.grf"),
               Soubor("neni.grf")};
    Otevri(Soubor("velky.grf"));

    okna = {Form4, FormXY, Form3};
    for (tslot& slot : Form4->sloty) {
      boxy[Form4].push_back(slot.soused);
      boxy[Form4].push_back(slot.delka);
    }
    for (TEdit* box : {Form4->Edit6, Form4->Edit7, Form4->Edit28, Form4->Edit38}) boxy[Form4].push_back(box);
    for (const auto& radek : FormXY->radky)
      for (TEdit* box : {radek.vrchol, radek.x, radek.y}) boxy[FormXY].push_back(box);
    boxy[Form3].push_back(Form3->Edit2);
    tlacitka = {{Form4, Form4->BitBtn2}, {FormXY, FormXY->BitBtn2}, {Form3, Form3->BitBtn1}, {Form3, Form3->BitBtn2}};
  }

  int Nahodne(int n) { return std::uniform_int_distribution<int>(0, n - 1)(nahoda); }

  QString NahodnyText() {
    static const QString kousky[] = {"0", "1", "2", "3", "4", "7", "9", "10", "11", "15", "258", "-1", "-40", "2.5",
                                     "-0.75", ".", "-", "1e5", "1,5", "abc", " ", " 3", "3 ", "007", "", "--1", "1.2.3",
                                     QString::fromUtf8(u8"ž"), QString::fromUtf8(u8"kůň"),
                                     QString::fromUtf8(u8"Příliš žluťoučký")};
    switch (Nahodne(4)) {
      case 0: {
        QString digits;
        const int length = 10 + Nahodne(16);
        for (int i = 0; i < length; ++i) digits += QChar('0' + Nahodne(10));
        return digits;
      }
      case 1: {
        static const QString znaky = QString::fromUtf8(u8"0123456789-. aZ,eřů");
        QString text;
        const int length = Nahodne(9);
        for (int i = 0; i < length; ++i) text += znaky[Nahodne(int(znaky.size()))];
        return text;
      }
      default:
        return kousky[Nahodne(int(std::size(kousky)))];
    }
  }

  // The window the next step works in, shown and active.
  TForm* Aktivni(TForm* okno) {
    if (!okno->isVisible()) okno->Show();
    if (QApplication::activeWindow() != okno) ShowActive(okno);
    return okno;
  }

  void Krok() {
    TForm* okno = okna[std::size_t(Nahodne(int(okna.size())))];
    const int akce = Nahodne(100);
    std::ostringstream popis;
    if (akce < 30) {
      TEdit* box = boxy[Aktivni(okno)][std::size_t(Nahodne(int(boxy[okno].size())))];
      popis << "click " << okno->objectName().toStdString() << "." << box->objectName().toStdString();
      QTest::mouseClick(box, Qt::LeftButton);
    } else if (akce < 65) {
      auto* box = dynamic_cast<TEdit*>(QApplication::focusWidget());
      if (!box || box->isReadOnly() || !boxy.count(static_cast<TForm*>(box->window())))
        box = boxy[Aktivni(okno)].front();
      const QString text = NahodnyText();
      popis << "type '" << text.toStdString() << "' into " << box->window()->objectName().toStdString() << "."
            << box->objectName().toStdString();
      TypeInto(box, text);
    } else if (akce < 78) {
      popis << "Tab in " << Aktivni(okno)->objectName().toStdString();
      if (QWidget* focus = QApplication::focusWidget()) QTest::keyClick(focus, Qt::Key_Tab);
    } else if (akce < 85) {
      popis << "switch to " << okno->objectName().toStdString();
      Aktivni(okno);
    } else if (akce < 92) {
      const auto& [vlastnik, tlacitko] = tlacitka[std::size_t(Nahodne(int(tlacitka.size())))];
      Aktivni(vlastnik);
      if (Nahodne(2) == 0) answerer.ChooseFile(Soubor(QStringLiteral("novy%1").arg(Nahodne(3))));
      popis << "press " << vlastnik->objectName().toStdString() << "." << tlacitko->objectName().toStdString();
      QTest::mouseClick(tlacitko, Qt::LeftButton);
    } else {
      const QString& soubor = soubory[std::size_t(Nahodne(int(soubory.size())))];
      popis << "open " << soubor.toStdString();
      Aktivni(Form1);
      if (Form1->Button2->isVisible()) Otevri(soubor);
    }
    posledni.push_back(popis.str());
    if (posledni.size() > 12) posledni.pop_front();
  }

  std::string Posledni() const {
    std::string text;
    for (const std::string& krok : posledni) text += "\n  " + krok;
    return text;
  }

  std::mt19937 nahoda;
  std::vector<QString> soubory;
  std::vector<TForm*> okna;
  std::map<TForm*, std::vector<TEdit*>> boxy;
  std::vector<std::pair<TForm*, QWidget*>> tlacitka;
  std::deque<std::string> posledni;
};

TEST_F(Robustness, RandomSessionKeepsTheGraphWholeAndSaysOnlyKnownTexts) {
  const unsigned long kroku = FromEnvironment("TRIVEX_ROBUSTNESS_STEPS", 300);
  const unsigned long seed = FromEnvironment("TRIVEX_ROBUSTNESS_SEED", 1250);
  nahoda.seed(seed);
  std::size_t precteno = 0;
  std::map<std::string, int> vyskyty;

  for (unsigned long krok = 1; krok <= kroku; ++krok) {
    Krok();
    const std::string kde = "seed " + std::to_string(seed) + ", step " + std::to_string(krok) + Posledni();

    for (; precteno < answerer.messages.size(); ++precteno) {
      const std::string& zprava = answerer.messages[precteno];
      ++vyskyty[zprava.front() == '\'' ? std::string("(conversion report)") : zprava];
      ASSERT_TRUE(ZnamaZprava(zprava)) << "unknown message '" << zprava << "' at " << kde;
    }
    const int n = graf.GetPocet();
    ASSERT_LE(n, 10) << kde;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j)
        ASSERT_EQ(graf.GetHrana(std::uint8_t(j), std::uint8_t(i)), graf.GetHrana(std::uint8_t(i), std::uint8_t(j)))
            << "edge " << i << "-" << j << " at " << kde;
  }
  // The session reached the refusals, not only the happy paths.
  EXPECT_GT(answerer.messages.size(), kroku / 20) << "seed " << seed;
  for (const auto& [zacatek, pocet] : vyskyty) std::cout << "  " << pocet << " x '" << zacatek << "'\n";
}

}  // namespace
