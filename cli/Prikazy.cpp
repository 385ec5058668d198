// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// A command runs in the real windows on Qt's offscreen platform: the graph is opened
// as "Otevri" opens it, the tab is selected and the button clicked as a user would, and
// the message boxes become lines on standard output. So the command line can never
// tell a different story from the window.
#include "cli/Prikazy.h"

#include "Trivex.h"
#include "classroom/Obraz.h"
#include "classroom/Zaznam.h"
#include "classroom/Tisk.h"
#include "cli/Volby.h"
#include "cviceni/Priklady.h"
#include "drawing/PUVykresli.h"
#include "exchange/Import.h"
#include "exchange/Zapis.h"
#include "model/UGraf.h"
#include "platform/AtomickyZapisQt.h"
#include "platform/Cesty.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "windows/main.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

void Vypis(std::FILE* kam, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), kam);
}

// Texts of the program are Windows-1250; the terminal and the answer keys get UTF-8, one per line.
QByteArray Radky(const std::vector<std::string>& radky) {
  QByteArray utf8;
  for (const std::string& radek : radky) utf8 += (ToQt(radek) + QLatin1Char('\n')).toUtf8();
  return utf8;
}

void VypisBajty(std::FILE* kam, const QByteArray& bajty) {
  std::fwrite(bajty.constData(), 1, std::size_t(bajty.size()), kam);
}

void VypisRadky(std::FILE* kam, const std::vector<std::string>& radky) {
  VypisBajty(kam, Radky(radky));
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
  const TPrekryvy prekryvy{volby.cisla, volby.delky};
  if (pripona == QLatin1String("pdf")) return UlozPdf(volby.cil, StrankaPlatna(prekryvy, Form1->Memo1->toPlainText()));
  return UlozObrazPlatna(volby.cil, prekryvy, volby.meritko);
}

// The offscreen platform reports what it cannot do for windows nobody sees; such notes
// would only clutter standard error. Critical messages still get through.
void TichePoznamkyQt(QtMsgType typ, const QMessageLogContext&, const QString& text) {
  if (typ == QtCriticalMsg || typ == QtFatalMsg) Vypis(stderr, text + QLatin1Char('\n'));
}

// Opens soubor as "Otevri" does, runs the command (its lines go to vystup) and exports.
int Zpracuj(const TVolby& volby, std::vector<std::string>& hlaseni, QByteArray& vystup) {
  const std::string cesta = CestaProgramu(volby.soubor);
  if (cesta.empty()) {
    Vypis(stderr, QStringLiteral("trivex: %1: cesta obsahuje znaky, ktere Windows-1250 nema\n").arg(volby.soubor));
    return 2;
  }
  hlaseni.clear();
  bool otevren = false;
  Invoke([&] { otevren = Form1->OtevriGraf(cesta); });
  if (!otevren) {
    VypisRadky(stderr, hlaseni);
    return 2;
  }
  if (!volby.prikaz.isEmpty()) {
    hlaseni.clear();
    const TPrikazRadky* prikaz = NajdiPrikaz(volby.prikaz);
    if (prikaz->zalozka >= 0) Form1->TabControl1->setCurrentIndex(prikaz->zalozka);
    (Form1->*prikaz->tlacitko)->click();
    hlaseni.push_back(Form1->Memo1->GetText());
    vystup += Radky(hlaseni);
  }
  if (!volby.cil.isEmpty()) {
    const QString chyba = Export(volby);
    if (!chyba.isEmpty()) {
      Vypis(stderr, QStringLiteral("trivex: ") + chyba + QLatin1Char('\n'));
      return 2;
    }
  }
  return 0;
}

// A generated example is written as a graph file and then opened like any other, so every
// command and export treats it exactly as a file the user made.
QString ZapisPriklad(int cislo, int vrcholu, const QString& cil) {
  tgraf priklad;
  priklad.Obnov(SnimekPrikladu(VytvorPriklad(cislo, vrcholu)), TZmenaGrafu::Nahrazen);
  return UlozGrafDo(cil, priklad);
}

// The worksheets: for each number the graph, its picture with numbers and lengths, and the
// answer key, each byte for byte what the single-example commands give.
int SadaPrikladu(const TVolby& volby, std::vector<std::string>& hlaseni) {
  // No one sees the step window here, and rebuilding its picture after every narrated box
  // would take half the time of a class set.
  struct TBezOknaPrubehu {
    std::function<void()> predchozi = std::exchange(Zaznamnik().PriZmeneVykladu, nullptr);
    ~TBezOknaPrubehu() { Zaznamnik().PriZmeneVykladu = predchozi; }
  } bezOknaPrubehu;
  const QDir slozka(volby.cil);
  if (!slozka.exists() && !QDir().mkpath(volby.cil)) {
    Vypis(stderr, QStringLiteral("trivex: slozku %1 nelze vytvorit\n").arg(volby.cil));
    return 2;
  }
  for (int k = volby.prikladOd; k <= volby.prikladDo; ++k) {
    const QString jmeno = slozka.filePath(QStringLiteral("priklad-%1").arg(k));
    TVolby list = volby;
    list.soubor = jmeno + QStringLiteral(".grf");
    list.cil = jmeno + QStringLiteral(".png");
    list.cisla = list.delky = true;
    // Each job starts where a new process would: on the first tab, over a blank canvas.
    const auto jakoNovy = [&](const TVolby& prace, QByteArray& vystup) {
      Form1->TabControl1->setCurrentIndex(0);
      SmazPlatno();
      return Zpracuj(prace, hlaseni, vystup);
    };
    QString chyba = ZapisPriklad(k, volby.vrcholu, list.soubor);
    QByteArray klic;
    int kod = chyba.isEmpty() ? jakoNovy(list, klic) : 2;
    list.cil.clear();
    for (const char* prikaz : {"kruskal", "jarnik", "boruvka"}) {
      list.prikaz = QString::fromLatin1(prikaz);
      if (kod == 0) kod = jakoNovy(list, klic);
    }
    if (kod == 0) {
      if (const auto selhani = ZapisAtomicky(jmeno + QStringLiteral(".txt"), klic))
        chyba = QStringLiteral("%1.txt: %2").arg(jmeno, selhani->duvod);
    }
    if (!chyba.isEmpty()) Vypis(stderr, QStringLiteral("trivex: ") + chyba + QLatin1Char('\n'));
    if (kod != 0 || !chyba.isEmpty()) return 2;
  }
  return 0;
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
  QByteArray vystup;
  if (volby.sada) {
    kod = SadaPrikladu(volby, hlaseni);
  } else if (volby.prikladOd > 0) {
    QTemporaryDir docasna;
    TVolby priklad = volby;
    priklad.soubor = docasna.filePath(QStringLiteral("priklad-%1.grf").arg(volby.prikladOd));
    const QString chyba = docasna.isValid() ? ZapisPriklad(volby.prikladOd, volby.vrcholu, priklad.soubor)
                                            : QStringLiteral("docasnou slozku nelze vytvorit");
    if (!chyba.isEmpty()) Vypis(stderr, QStringLiteral("trivex: ") + chyba + QLatin1Char('\n'));
    kod = chyba.isEmpty() ? Zpracuj(priklad, hlaseni, vystup) : 2;
  } else {
    kod = Zpracuj(volby, hlaseni, vystup);
  }
  VypisBajty(stdout, vystup);
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
