// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Saving a whole file at once: an existing file stays whole until the new one is
// complete, so a failed save never leaves half a picture, text or graph behind.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct TChybaZapisu {
  bool vytvoren = false;  // the new file was created, and writing or committing it failed
  QString duvod;          // the system's reason
};

// Nothing when the data are written; otherwise where and why it failed.
std::optional<TChybaZapisu> ZapisAtomicky(const QString& cesta, const QByteArray& data);
