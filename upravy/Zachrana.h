// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The recovery copies of unsaved work: after every change of the graph a copy of it goes to
// the user's data folder, one copy per graph file (and one for a graph without a file), the
// newest few kept. Saving the graph removes its copy; opening another graph never does.
#pragma once

#include "model/UGraf.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TZachrana {
public:
  // A copy on disk: its file, the graph file it belongs to (Windows-1250; empty for a
  // graph that had none yet) and when it was written.
  struct TKopie {
    QString soubor;
    std::string cesta;
    QDateTime cas;
  };

  static constexpr int kKopii = 5;

  explicit TZachrana(tgraf& g);
  ~TZachrana();
  TZachrana(const TZachrana&) = delete;
  TZachrana& operator=(const TZachrana&) = delete;

  // The folder of the copies (the application's data folder).
  static QString Slozka();

  // While held, changes wait (the many moves of one drag); releasing writes them at once.
  void Pozdrz(bool drzet);
  // Writes the copy of the current graph now, if a change held back waits for it.
  void Dopis();
  // The graph was saved under its file name: neither that file nor the name it had before
  // needs a copy any more.
  void PoUlozeni();

  // The copies, newest first.
  std::vector<TKopie> Kopie() const;
  // The newest copy that is a graph file and whose graph differs from the current one.
  std::optional<TKopie> NejnovejsiJina() const;
  // Reads the copy into the graph as one replacement and names the graph by the file it
  // came from. A copy that is no graph file leaves everything as it was and says why;
  // a failed read throws EInOutError with the graph as it was.
  bool Nacti(const TKopie& kopie, QString& chyba);

  // The set of copies may have changed (one written or removed).
  std::function<void()> PriZmeneKopii;
  // Writing a copy failed: told once per failure after a success, so a full disk does not
  // bring a box at every change.
  std::function<void(const std::string&)> PriChybe;

private:
  void Zmena(TZmenaGrafu druh);
  void Zapis();

  tgraf& graf;
  int klic = 0;
  bool drzi = false;
  bool ceka = false;
  bool hlasilo = false;
  std::string posledniCesta;  // the graph file of the copy last written
};
