// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Loads Qt's Czech catalogue whatever the desktop's language: the program itself
// speaks only Czech, so its dialogs must too.
#include "platform/Preklad.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void NactiPrekladQt(QCoreApplication& app) {
  const QString jmeno = QStringLiteral("qtbase_cs");
  // The application owns the translator, so it serves every window to the end.
  auto* preklad = new QTranslator(&app);
  if (!preklad->load(jmeno, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete preklad;
    return;
  }
  app.installTranslator(preklad);
}
