// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// A command runs in the real windows on Qt's offscreen platform: the graph is opened
// as "Otevri" opens it, the tab is selected and the button clicked as a user would, and
// the message boxes become lines on standard output. So the command line can never
// tell a different story from the window.
#include "cli/Prikazy.h"

#include "Trivex.h"
#include "classroom/Obraz.h"
#include "cli/Volby.h"
#include "drawing/PUVykresli.h"
#include "exchange/Import.h"
#include "exchange/Zapis.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "windows/main.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Vypis(std::FILE* kam, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), kam);
}

// Texts of the program are Windows-1250; the terminal gets UTF-8, one per line.
void VypisRadky(std::FILE* kam, const std::vector<std::string>& radky) {
  for (const std::string& radek : radky) Vypis(kam, ToQt(radek) + QLatin1Char('\n'));
}

QString Export(const TVolby& volby) {
  const QString pripona = QFileInfo(volby.cil).suffix().toLower();
  if (pripona == QLatin1String("grf")) return UlozGrafDo(volby.cil);
  if (pripona == QLatin1String("graphml")) return ZapisSoubor(volby.cil, GraphML());
  if (pripona == QLatin1String("dot")) return ZapisSoubor(volby.cil, Dot());
  if (pripona == QLatin1String("txt")) return ZapisSoubor(volby.cil, SeznamHran());
  if (pripona == QLatin1String("tex")) {
    TBarvyHran barvy;
    for (const TNakreslenaHrana& h : NakresleneHrany()) barvy[{h.u, h.v}] = h.barva;
    return ZapisSoubor(volby.cil, TikZ(barvy));
  }
  return UlozObrazPlatna(volby.cil, TPrekryvy{volby.cisla, volby.delky});
}

// The offscreen platform reports what it cannot do for windows nobody sees; such notes
// would only clutter standard error. Critical messages still get through.
void TichePoznamkyQt(QtMsgType typ, const QMessageLogContext&, const QString& text) {
  if (typ == QtCriticalMsg || typ == QtFatalMsg) Vypis(stderr, text + QLatin1Char('\n'));
}

int Beh(const char* program, const TVolby& volby) {
  qInstallMessageHandler(TichePoznamkyQt);
  // The offscreen platform needs no display, whatever the environment says.
  char platforma[] = "-platform";
  char offscreen[] = "offscreen";
  char* argumenty[] = {const_cast<char*>(program), platforma, offscreen, nullptr};
  int pocet = 3;
  QApplication app(pocet, argumenty);
  Application->Initialize();
  CreateForms();
  std::vector<std::string> hlaseni;
  const TMessageHandler predchozi = SetMessageHandler([&hlaseni](const std::string& text) { hlaseni.push_back(text); });
  Form1->Show();

  int kod = 0;
  const std::string cesta = CestaProgramu(volby.soubor);
  if (cesta.empty()) {
    Vypis(stderr, QStringLiteral("trivex: %1: cesta obsahuje znaky, ktere Windows-1250 nema\n").arg(volby.soubor));
    kod = 2;
  } else {
    bool otevren = false;
    Invoke([&] { otevren = Form1->OtevriGraf(cesta); });
    if (!otevren) {
      VypisRadky(stderr, hlaseni);
      kod = 2;
    }
  }
  if (kod == 0 && !volby.prikaz.isEmpty()) {
    hlaseni.clear();
    const TPrikazRadky* prikaz = NajdiPrikaz(volby.prikaz);
    if (prikaz->zalozka >= 0) Form1->TabControl1->setCurrentIndex(prikaz->zalozka);
    (Form1->*prikaz->tlacitko)->click();
    hlaseni.push_back(Form1->Memo1->GetText());
    VypisRadky(stdout, hlaseni);
  }
  if (kod == 0 && !volby.cil.isEmpty()) {
    const QString chyba = Export(volby);
    if (!chyba.isEmpty()) {
      Vypis(stderr, QStringLiteral("trivex: ") + chyba + QLatin1Char('\n'));
      kod = 2;
    }
  }
  std::fflush(stdout);
  SetMessageHandler(predchozi);
  Application->FreeForms();
  return kod;
}

int Import(const TVolby& volby) {
  QStringList varovani;
  const QString chyba = Importuj(volby.zdroj, volby.cil, varovani);
  for (const QString& v : varovani) Vypis(stderr, QStringLiteral("trivex: varovani: ") + v + QLatin1Char('\n'));
  if (chyba.isEmpty()) return 0;
  Vypis(stderr, QStringLiteral("trivex: ") + chyba + QLatin1Char('\n'));
  return 2;
}

}  // namespace

std::optional<int> PrikazovaRadka(int argc, char* argv[]) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const TVolby volby = RozeberVolby(args);
  switch (volby.rezim) {
    case TVolby::Okno:
      return std::nullopt;
    case TVolby::Napoveda:
      Vypis(stdout, Napoveda());
      return 0;
    case TVolby::Verze:
      Vypis(stdout, Verze());
      return 0;
    case TVolby::Chyba:
      Vypis(stderr, QStringLiteral("trivex: ") + volby.chyba + QLatin1Char('\n') + Pouziti() +
                        QStringLiteral("Vice / more: trivex --help\n"));
      return 1;
    case TVolby::Import:
      return Import(volby);
    case TVolby::Beh:
      return Beh(argc > 0 ? argv[0] : "trivex", volby);
  }
  return 1;
}
