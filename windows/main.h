// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The main window: the canvas with the graph, the path of the current graph file,
// the output line, the file commands, the tab strip and its three command buttons.
#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

#include <functional>
#include <optional>
#include <string>

class TForm1 : public TForm {
public:
  TForm1();

  TTabControl* TabControl1;
  TButton* Button1;  // "Novy"
  TButton* Button2;  // "Otevri"
  TButton* Button3;  // "Uloz Jako"
  TButton* Button4;  // "O Programu"
  TBitBtn* BitBtn2;  // Help
  TEdit* Edit1;      // path of the graph file
  TImage* Image1;    // the canvas
  TButton* Button6;  // command buttons of the tab
  TButton* Button7;
  TButton* Button8;
  TButton* Button9;   // "Obarvi - legenda"
  TButton* Button10;  // "Obarvi"
  TMemo* Memo1;       // output line
  TButton* Button5;   // "Zmen udaj"
  TButton* Button11;  // "Zmen souradnice"
  TBitBtn* BitBtn1;   // "Exit"

  void BitBtn1Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void BitBtn2Click();
  void Button5Click();
  void Button11Click();
  void Button9Click();
  void Button10Click();
  void Edit1Change();
  void TabControl1Change();
  void Button6Click();
  void Button7Click();
  void Button8Click();

  // The path box shows cesta; its change handler offers the commands that fit.
  void UkazCestu(const std::string& cesta);
  // A new graph, not yet in a file, created under cesta: the editor opens on it and
  // the graph commands are offered although no file of that name exists.
  void NovyGraf(const std::string& cesta);

  // The open command once a path is chosen: loads the file into graf, shows its path
  // or says why it is no graph, and draws the graph in black. True when a graph was loaded.
  bool OtevriGraf(const std::string& cesta);

  // A graph made or recovered on the canvas, under cesta (empty: it has no file yet): the
  // path box shows it and the graph commands are offered, as for a new graph.
  void UpravenyGraf(const std::string& cesta);

  // Set by the canvas editing: asked before "Novy", "Otevri" and "Exit" throw the current
  // graph away (false keeps it and stops the command), and told when "Uloz Jako" has saved.
  std::function<bool()> PredZahozenim;
  TNotifyEvent PoUlozeni;

  // A face of the window: the controls it shows and those it hides, as bits of the
  // controls' list in UkazTvar; the others keep what they have.
  struct ttvar {
    unsigned ukaz;
    unsigned skryj;
  };

protected:
  void FormShow() override;
  void FormClose() override;

private:
  void UkazTvar(const ttvar& tvar);
  // The face of a tab, its command captions and its mode object.
  void UkazZalozku(int index);
};

extern TForm1* Form1;

// Opens the file named on the command line (in the system's 8-bit encoding) as the
// open command does, once the event loop runs after the main window is shown.
void OtevriPriStartu(const char* argument);
