// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Qt's paths and bytes handed to the one atomic writer.
#include "platform/AtomickyZapisQt.h"

std::optional<TChybaUlozeni> ZapisAtomicky(const QString& cesta, const QByteArray& data) {
  const auto chyba = ZapisAtomicky(SystemovaCesta(cesta), data.toStdString());
  if (!chyba) return std::nullopt;
  return TChybaUlozeni{chyba->krok, QString::fromLocal8Bit(chyba->duvod.c_str())};
}
