// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Qt's Czech catalogue: the standard dialogs speak Czech, the program's own texts
// stay exactly as they were.
#include "platform/Preklad.h"

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>
#include <QTranslator>

#include <functional>

#include <gtest/gtest.h>

namespace {

bool KatalogJeNainstalovan() {
  QTranslator zkouska;
  return zkouska.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

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

// Every text the program's windows carry: captions, button and label texts, tabs.
QStringList TextyOken() {
  QStringList texty;
  for (QWidget* okno : Application->Forms()) {
    texty << okno->objectName() + QStringLiteral(": ") + okno->windowTitle();
    for (const QObject* prvek : okno->findChildren<QObject*>()) {
      for (const char* vlastnost : {"text", "title", "placeholderText", "toolTip"}) {
        const QVariant hodnota = prvek->property(vlastnost);
        if (hodnota.isValid()) texty << prvek->objectName() + QLatin1Char('.') + vlastnost + QStringLiteral(": ") + hodnota.toString();
      }
      if (const auto* karty = qobject_cast<const QTabBar*>(prvek))
        for (int i = 0; i < karty->count(); ++i) texty << QStringLiteral("tab: ") + karty->tabText(i);
    }
  }
  return texty;
}

TEST(PrekladQt, StandardDialogsSpeakCzechAndTheProgramsTextsStay) {
  if (!KatalogJeNainstalovan()) GTEST_SKIP() << "qtbase_cs is not installed (Debian: qt6-translations-l10n)";

  CreateProgramWindows();
  const QStringList predtim = TextyOken();
  FreeProgramWindows();
  ASSERT_GT(predtim.size(), 50) << "the windows were not there to read";

  NactiPrekladQt(*qApp);
  NactiPrekladQt(*qApp);
  EXPECT_EQ(1, qApp->findChildren<QTranslator*>().size()) << "a second call installs nothing";

  CreateProgramWindows();
  EXPECT_EQ(predtim, TextyOken());
  FreeProgramWindows();

  const struct { const char* name; std::function<void()> open; QStringList expected; } dialogs[] = {
      {"open dialog", [] { TOpenDialog(nullptr).Execute(); }, {QStringLiteral("&Otevřít"), QStringLiteral("Zrušit")}},
      {"save dialog", [] { TSaveDialog(nullptr).Execute(); }, {QStringLiteral("&Uložit"), QStringLiteral("Zrušit")}},
      {"message box keeps its OK", [] { ShowMessage("Trivex"); }, {QStringLiteral("OK")}},
  };
  for (const auto& c : dialogs) {
    const QStringList texty = TlacitkaOkna(c.open);
    for (const QString& ocekavany : c.expected)
      EXPECT_TRUE(texty.contains(ocekavany)) << c.name << ": " << ocekavany.toStdString() << " not in " << texty.join('|').toStdString();
  }
}

}  // namespace
