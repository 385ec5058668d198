// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Qt's Czech catalogue: the standard dialogs speak Czech, the program's own texts
// stay exactly as they were.
#include "platform/Preklad.h"

#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QStringList>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

TEST(PrekladQt, StandardDialogsSpeakCzechAndTheProgramsTextsStay) {
  QTranslator zkouska;
  if (!zkouska.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    GTEST_SKIP() << "qtbase_cs is not installed (Debian: qt6-translations-l10n)";
  NactiPrekladQt(*qApp);
  NactiPrekladQt(*qApp);
  EXPECT_EQ(1, qApp->findChildren<QTranslator*>().size()) << "a second call installs nothing";

  // The file dialogs' own titles come from the catalogue; the program's button captions never do.
  ModalAnswerer answerer;
  TOpenDialog(nullptr).Execute();
  TSaveDialog(nullptr).Execute();
  const QStringList titulky(answerer.dialogTitles.begin(), answerer.dialogTitles.end());
  EXPECT_EQ("Otevřít|Uložit jako", titulky.join(u'|').toStdString());
  EXPECT_EQ("Cancel", TBitBtn(nullptr, "BitBtn1", bkCancel, 0, 0, 80, 25).GetCaption());
}

}  // namespace
