// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Paths between Qt's texts, the file system and the program's own names.
#include "platform/Cesty.h"

#include "platform/SysUtils.h"

#include <QFile>
#include <QFileInfo>

std::filesystem::path SystemovaCesta(const QString& cesta) {
#ifdef _WIN32
  return std::filesystem::path(cesta.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(cesta).toStdString());
#endif
}

std::string CestaProgramu(const QString& cesta) {
  const std::filesystem::path systemova = SystemovaCesta(QFileInfo(cesta).absoluteFilePath());
  const std::string jmeno = ProgramPath(systemova);
  // A name the code page cannot hold comes back as another path: the round trip tells.
  return SystemPath(jmeno) == systemova ? jmeno : std::string();
}
