// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The program's command-line options: what the user asked for, the help text and the
// usage. Parsing needs no application object, so help and version need no display.
#pragma once

#include <QString>
#include <QStringList>

class TButton;
class TForm1;

// The commands --run takes, each the button of one tab of the main window.
struct TPrikazRadky {
  const char* jmeno;  // as typed after --run
  int zalozka;        // tab to select first; -1 stays on the tab shown after opening
  TButton* TForm1::*tlacitko;  // the tab's command button, or "Obarvi"
  const char* cesky;  // the help's description, in Czech and in English
  const char* anglicky;
};
const TPrikazRadky* NajdiPrikaz(const QString& jmeno);

struct TVolby {
  enum TRezim { Okno, Napoveda, Verze, Beh, Import, Chyba };
  TRezim rezim = Okno;
  QString prikaz;   // --run, empty without it
  QString soubor;   // the graph file of --run and --export
  QString cil;      // --export, or the graph file that --import writes
  QString zdroj;    // --import
  bool cisla = false;
  bool delky = false;
  int prikladOd = 0;  // --priklad: the generated examples od to do instead of SOUBOR; 0 without it
  int prikladDo = 0;
  int vrcholu = 0;    // --vrcholu
  bool sada = false;  // --export names a folder: every example as a worksheet set
  int meritko = 1;  // --meritko: a PNG this many times the canvas
  QString chyba;    // why the arguments were refused (rezim Chyba)
};

// args without the program name. Qt's own window options (-platform, -style, ...) are
// taken and left to the toolkit, so that the window path sees them as before.
TVolby RozeberVolby(const QStringList& args);

// --help: usage, options with a Czech and an English line each, commands, formats, exit codes.
QString Napoveda();
// The short form printed with a refused argument list.
QString Pouziti();
// --version: "trivex" and the version.
QString Verze();
