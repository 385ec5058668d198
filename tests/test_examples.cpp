// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The example graphs shipped with the program: the generator still makes every one of
// them, and each graph shows what its vertex comments tell the student.
#include "GrafyTestu.h"

#include "files/USoubor.h"
#include "platform/Cp1250.h"
#include "platform/Forms.h"
#include "tools/priklady.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

// The generator makes every committed example byte for byte, its comments in letters
// Windows-1250 has; each is a graph the dialogs could have made, every dot whole on the
// canvas, and the program's own commands report what the comments promise.
TEST(Examples, GeneratorWritesTheCommittedExamplesAndEachShowsWhatItsCommentsSay) {
  const struct { const char *soubor, *koster, *komponent, *skore, *kostra; } sliby[] = {
      {"trojuhelnik.grf", "3", "1", "2 - 2 - 2", "7"},
      {"trida.grf", "1193", "1", "2 - 2 - 3 - 3 - 3 - 3 - 4 - 4 - 6", "16"},
      {"komponenty.grf", "0", "3", "0 - 2 - 2 - 2 - 2 - 2 - 2 - 2", "19"},
      {"uplny10.grf", "100000000", "1", "9 - 9 - 9 - 9 - 9 - 9 - 9 - 9 - 9 - 9", "105.9"},
      {"cesta.grf", "1", "1", "1 - 1 - 2 - 2 - 2 - 2", "15.25"},
  };
  const QDir prikladu(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../examples"));
  const std::vector<tpriklad> priklady = Priklady();
  ASSERT_EQ(std::size(sliby), priklady.size());
  EXPECT_EQ(priklady.size(), prikladu.entryList({QStringLiteral("*.grf")}, QDir::Files).size()) << "nothing else committed";
  QTemporaryDir slozka;
  TestSurface plocha;
  for (std::size_t k = 0; k < priklady.size(); ++k) {
    const auto& [soubor, koster, komponent, skore, kostra] = sliby[k];
    ASSERT_STREQ(soubor, priklady[k].soubor);
    SCOPED_TRACE(soubor);
    PostavPriklad(priklady[k]);
    SetJmenoSouboru(FromQt(slozka.filePath(QString::fromUtf8(soubor))));
    UlozGraf();
    EXPECT_EQ(ReadBytes(ToQt(GetJmenoSouboru())), ReadBytes(prikladu.filePath(QString::fromUtf8(soubor))));

    EXPECT_LE(graf.GetPocet(), 10);
    for (std::uint8_t i = 1; i <= graf.GetPocet(); ++i) {
      EXPECT_TRUE(graf.GetX(i) >= 2 && graf.GetX(i) <= kSirkaPlatna - 3 && graf.GetY(i) >= 2 && graf.GetY(i) <= kVyskaPlatna - 3)
          << int(i) << " at " << graf.GetX(i) << ", " << graf.GetY(i);
      EXPECT_EQ(priklady[k].vrcholy[i - 1].text, Cp1250ToUtf8(graf.GetText(i))) << "a letter Windows-1250 lacks";
    }
    PocetKoster();
    EXPECT_EQ(plocha.memo, std::string(" Pocet koster v grafu je : ") + koster);
    SkoreGrafu();
    EXPECT_EQ(plocha.memo, std::string("Skore je : ") + skore);
    PocetKomponent();
    EXPECT_EQ(plocha.memo, std::string("Pocet komponent je : ") + komponent);
    MessageRecorder zpravy;  // the shortest spanning tree tells of more components
    NejkratsiKostra();
    EXPECT_EQ(plocha.memo, std::string("Nejkratsi kostra ma delku : ") + kostra);
  }
}
