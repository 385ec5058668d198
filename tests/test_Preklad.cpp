// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Qt's Czech catalogue: the standard dialogs speak Czech, the program's own texts
// stay exactly as they were.
#include "platform/Preklad.h"

#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

TEST(PrekladQt, StandardDialogsSpeakCzechAndTheProgramsTextsStay) {
  QTranslator zkouska;
  if (!zkouska.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    GTEST_SKIP() << "qtbase_cs is not installed (Debian: qt6-translations-l10n)";
  NactiPrekladQt(*qApp);

  // The open dialog's own title comes from the catalogue (the program titles its save dialog
  // itself); the program's button captions never do.
  ModalAnswerer answerer;
  TOpenDialog(nullptr).Execute();
  EXPECT_EQ("Otevřít", answerer.dialogTitles.at(0).toStdString());
  EXPECT_EQ("Cancel", TBitBtn(nullptr, "BitBtn1", bkCancel, 0, 0, 80, 25).GetCaption());
}

}  // namespace
