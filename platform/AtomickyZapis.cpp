// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Saving a whole file at once through a temporary file renamed over the target.
#include "platform/AtomickyZapis.h"

#include <QSaveFile>

std::optional<TChybaZapisu> ZapisAtomicky(const QString& cesta, const QByteArray& data) {
  QSaveFile soubor(cesta);
  if (!soubor.open(QIODevice::WriteOnly)) return TChybaZapisu{false, soubor.errorString()};
  if (soubor.write(data) != data.size() || !soubor.commit()) return TChybaZapisu{true, soubor.errorString()};
  return std::nullopt;
}
