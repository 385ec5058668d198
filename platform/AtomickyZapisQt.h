// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The one atomic writer for paths and bytes as Qt holds them (pictures, exported
// formats, the step window's text).
#pragma once

#include "platform/AtomickyZapis.h"
#include "platform/Cesty.h"

#include <QByteArray>
#include <QString>

#include <filesystem>

// ZapisAtomicky for a Qt path; the reason comes as Qt text.
struct TChybaUlozeni {
  TKrokZapisu krok;
  QString duvod;
};
std::optional<TChybaUlozeni> ZapisAtomicky(const QString& cesta, const QByteArray& data);
