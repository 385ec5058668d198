// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Qt's Czech catalogue: the standard dialogs speak Czech, the program's own texts
// stay exactly as they were.
#include "platform/Preklad.h"

#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <functional>

#include <gtest/gtest.h>

namespace {

// The texts on the buttons of the modal window that open() shows, which is then closed.
QStringList TlacitkaOkna(const std::function<void()>& open) {
  QStringList texty;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!okno) return;
    for (const QAbstractButton* tlacitko : okno->findChildren<QAbstractButton*>())
      if (tlacitko->isVisible() && !tlacitko->text().isEmpty()) texty << tlacitko->text();
    okno->reject();
  });
  timer.start(10);
  open();
  return texty;
}

TEST(PrekladQt, StandardDialogsSpeakCzechAndTheProgramsTextsStay) {
  QTranslator zkouska;
  if (!zkouska.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    GTEST_SKIP() << "qtbase_cs is not installed (Debian: qt6-translations-l10n)";
  NactiPrekladQt(*qApp);
  NactiPrekladQt(*qApp);
  EXPECT_EQ(1, qApp->findChildren<QTranslator*>().size()) << "a second call installs nothing";
  // The windows' own texts never pass through the catalogue, the captions of the OK-style buttons least of all.
  EXPECT_EQ("Cancel", TBitBtn(nullptr, "BitBtn1", bkCancel, 0, 0, 80, 25).GetCaption());

  const struct { const char* name; std::function<void()> open; QStringList expected; } dialogs[] = {
      {"open dialog", [] { TOpenDialog(nullptr).Execute(); }, {QStringLiteral("&Otevřít"), QStringLiteral("Zrušit")}},
      {"save dialog", [] { TSaveDialog(nullptr).Execute(); }, {QStringLiteral("&Uložit"), QStringLiteral("Zrušit")}},
      {"message box keeps its OK", [] { ShowMessage("Trivex"); }, {QStringLiteral("OK")}},
  };
  for (const auto& c : dialogs) {
    const QStringList texty = TlacitkaOkna(c.open);
    for (const QString& ocekavany : c.expected)
      EXPECT_TRUE(texty.contains(ocekavany)) << c.name << ": " << ocekavany.toStdString() << " not in "
                                             << texty.join('|').toStdString();
  }
}

}  // namespace
