// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The example graphs shipped with the program: the generator still makes every one of
// them, and each graph shows what its vertex comments tell the student.
#include "algorithms/UMetody.h"
#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "model/UGraf.h"
#include "platform/Cp1250.h"
#include "platform/Forms.h"
#include "support/TestSupport.h"
#include "tools/priklady.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The committed examples, next to the tests in the source tree.
QDir SlozkaPrikladu() {
  return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../examples"));
}

QStringList SouboryPrikladu() {
  return SlozkaPrikladu().entryList({QStringLiteral("*.grf")}, QDir::Files, QDir::Name);
}

// Loads a file into the emptied graph; the result of NactiGraf.
int Nacti(const QString& cesta) {
  ResetProgramState();
  SetJmenoSouboru(FromQt(cesta));
  return NactiGraf();
}

// The generator makes every committed example byte for byte, in letters Windows-1250 has;
// each is a graph the dialogs could have made, every dot whole on the canvas, and every
// vertex comment tells in Czech what the example shows.
TEST(Examples, GeneratorWritesTheCommittedExamplesAndEachIsAGraphTheDialogsCouldMake) {
  const std::vector<tpriklad> priklady = Priklady();
  QStringList jmena;
  for (const tpriklad& priklad : priklady) jmena << QString::fromUtf8(priklad.soubor);
  jmena.sort();
  EXPECT_EQ(jmena, SouboryPrikladu()) << SlozkaPrikladu().absolutePath().toStdString();

  QTemporaryDir slozka;
  for (const tpriklad& priklad : priklady) {
    SCOPED_TRACE(priklad.soubor);
    for (const tvrcholPrikladu& vrchol : priklad.vrcholy)
      EXPECT_EQ(Cp1250ToUtf8(Utf8ToCp1250(vrchol.text)), vrchol.text);
    const QString cesta = SlozkaPrikladu().filePath(QString::fromUtf8(priklad.soubor));
    ResetProgramState();
    PostavPriklad(priklad);
    SetJmenoSouboru(FromQt(slozka.filePath(QString::fromUtf8(priklad.soubor))));
    UlozGraf();
    EXPECT_EQ(ReadBytes(ToQt(GetJmenoSouboru())), ReadBytes(cesta));

    ASSERT_EQ(Nacti(cesta), 0);
    EXPECT_LE(graf.GetPocet(), 10);
    for (std::uint8_t i = 1; i <= graf.GetPocet(); ++i) {
      EXPECT_TRUE(graf.GetX(i) >= 2 && graf.GetX(i) <= kSirkaPlatna - 3 && graf.GetY(i) >= 2 && graf.GetY(i) <= kVyskaPlatna - 3)
          << int(i) << " at " << graf.GetX(i) << ", " << graf.GetY(i);
      const std::string text = graf.GetText(i);
      EXPECT_TRUE(std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
          << "no Czech letter in '" << Cp1250ToUtf8(text) << "'";
    }
  }
  ResetProgramState();
}

// What the comments of each example promise, as the program's own commands report it;
// zprav counts the messages of the shortest spanning tree (the component message).
TEST(Examples, EveryExampleShowsWhatItsCommentsSay) {
  const struct { const char *soubor, *koster, *komponent, *skore, *kostra; std::size_t zprav; } sliby[] = {
      {"trojuhelnik.grf", "3", "1", "2 - 2 - 2", "7", 0},
      {"trida.grf", "1193", "1", "2 - 2 - 3 - 3 - 3 - 3 - 4 - 4 - 6", "16", 0},
      {"komponenty.grf", "0", "3", "0 - 2 - 2 - 2 - 2 - 2 - 2 - 2", "19", 1},
      {"uplny10.grf", "100000000", "1", "9 - 9 - 9 - 9 - 9 - 9 - 9 - 9 - 9 - 9", "105.9", 0},
      {"cesta.grf", "1", "1", "1 - 1 - 2 - 2 - 2 - 2", "15.25", 0},
  };
  for (const auto& slib : sliby) {
    SCOPED_TRACE(slib.soubor);
    ASSERT_EQ(Nacti(SlozkaPrikladu().filePath(QString::fromUtf8(slib.soubor))), 0);
    TestSurface plocha;
    MessageRecorder zpravy;
    PocetKoster();
    EXPECT_EQ(plocha.memo, std::string(" Pocet koster v grafu je : ") + slib.koster);
    SkoreGrafu();
    EXPECT_EQ(plocha.memo, std::string("Skore je : ") + slib.skore);
    PocetKomponent();
    EXPECT_EQ(plocha.memo, std::string("Pocet komponent je : ") + slib.komponent);
    NejkratsiKostra();
    EXPECT_EQ(plocha.memo, std::string("Nejkratsi kostra ma delku : ") + slib.kostra);
    EXPECT_EQ(zpravy.messages.size(), slib.zprav);
  }
  ResetProgramState();
}

}  // namespace
