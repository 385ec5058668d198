// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Qt's own Czech texts (file dialogs, standard buttons, context menus) for a program
// whose own texts are all Czech.
#pragma once

class QCoreApplication;

// Installs Qt's Czech catalogue (qtbase_cs from the translations folder of the Qt
// installation) into app for as long as the process runs. Without the catalogue
// nothing changes: Qt's texts stay English and the program starts as ever. Called
// once, at start.
void NactiPrekladQt(QCoreApplication& app);
