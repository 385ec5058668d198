// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The canvas watches the pointer, and a gesture becomes one named change of the graph; the
// views then follow the graph, whichever of the mouse, undo or redo changed it.
#include "upravy/Platno.h"

#include "drawing/PUVykresli.h"
#include "files/USoubor.h"
#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "upravy/Historie.h"
#include "upravy/Upravy.h"
#include "upravy/Zachrana.h"
#include "windows/frmedvrch.h"
#include "windows/frminfo.h"
#include "windows/main.h"
#include "windows/nv.h"
#include "classroom/prubeh.h"

#include <QAction>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QToolTip>

#include <algorithm>
#include <optional>

namespace {

const char* const kKlicUprav = "Upravy/Mysi";

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class TUpravy : public QObject {
public:
  explicit TUpravy(TForm1* okno);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  enum class TTah { Zadny, Presun, Hrana };

  bool Zapnuto() const { return upravy->isChecked(); }
  void Zapni(bool zapnuto);
  void NastavKurzor(QPoint bod);
  // One gesture: the change runs as one named step and the views follow.
  template <class F>
  void Uprav(const QString& nazev, int spojeni, F&& zmena);
  void PoZmene();

  bool Stisk(QMouseEvent* e);
  bool Tah(QMouseEvent* e);
  bool Pusteni(QMouseEvent* e);
  bool Dvojklik(QMouseEvent* e);
  void NovyVrchol(QPoint bod);
  void DelkaHrany(std::uint8_t u, std::uint8_t v, QPoint bod);
  void Smaz(const TMisto& misto);
  void PripravSmazani(QPoint bod);
  void Obnov();
  void UkazKopie();
  // Before the current graph is thrown away: true to go on.
  bool SmiZahodit();
  bool Neulozeno() const { return historie.Neulozeno() || obnovenyNeulozen; }

  TForm1* okno;
  TImage* image1;
  THistorie historie{graf};
  TZachrana zachrana{graf};
  QAction* upravy = nullptr;
  QAction* zpet = nullptr;
  QAction* znovu = nullptr;
  QAction* smazat = nullptr;
  QAction* obnovit = nullptr;

  TTah tah = TTah::Zadny;
  std::uint8_t odkud = 0;
  QPoint kam;             // where the pointer is during a gesture
  int cisloTahu = 0;      // each drag folds into one step of its own
  std::optional<QPoint> mys;  // the pointer over the canvas
  TMisto cilSmazani;      // what the canvas menu was opened over
  bool obnovenyNeulozen = false;
};

TUpravy::TUpravy(TForm1* o) : QObject(o), okno(o), image1(o->Image1) {
  const struct {
    QAction*& akce;
    const char* jmeno;
    const char* text;
    QList<QKeySequence> klavesy;
  } akce[] = {
      {upravy, "ActionUpravy", "Úpravy myší", {QKeySequence(Qt::Key_F6)}},
      {zpet, "ActionZpet", "Zpět", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
      {znovu, "ActionZnovu", "Znovu", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}},
      {smazat, "ActionSmazat", "Smazat", {}},
      {obnovit, "ActionObnovit", "Obnovit neuložený graf…", {}},
  };
  auto* menu = image1->findChild<QMenu*>(QStringLiteral("MenuPlatna"));
  if (menu) menu->addSeparator();
  for (const auto& a : akce) {
    a.akce = new QAction(Text(a.text), okno);
    a.akce->setObjectName(QString::fromLatin1(a.jmeno));
    a.akce->setShortcuts(a.klavesy);
    a.akce->setShortcutContext(Qt::WindowShortcut);
    okno->addAction(a.akce);
    if (menu) menu->addAction(a.akce);
  }
  upravy->setCheckable(true);
  upravy->setChecked(NastaveniTridy()->value(QString::fromLatin1(kKlicUprav), false).toBool());
  connect(upravy, &QAction::toggled, this, [this](bool zapnuto) {
    NastaveniTridy()->setValue(QString::fromLatin1(kKlicUprav), zapnuto);
    Zapni(zapnuto);
  });
  Zapni(upravy->isChecked());

  QUndoStack& zasobnik = historie.Zasobnik();
  zpet->setEnabled(false);
  znovu->setEnabled(false);
  connect(&zasobnik, &QUndoStack::canUndoChanged, zpet, &QAction::setEnabled);
  connect(&zasobnik, &QUndoStack::canRedoChanged, znovu, &QAction::setEnabled);
  connect(&zasobnik, &QUndoStack::undoTextChanged, zpet,
          [this](const QString& krok) { zpet->setToolTip(krok.isEmpty() ? Text("Zpět") : Text("Zpět: ") + krok); });
  connect(&zasobnik, &QUndoStack::redoTextChanged, znovu,
          [this](const QString& krok) { znovu->setToolTip(krok.isEmpty() ? Text("Znovu") : Text("Znovu: ") + krok); });
  connect(zpet, &QAction::triggered, this, [this] { historie.Zpet(); });
  connect(znovu, &QAction::triggered, this, [this] { historie.Znovu(); });
  historie.PoObnoveni = [this] { PoZmene(); };

  smazat->setEnabled(false);
  connect(smazat, &QAction::triggered, this, [this] { Smaz(cilSmazani); });
  // Another run of the program may have left copies since.
  if (menu)
    connect(menu, &QMenu::aboutToShow, this, [this] {
      PripravSmazani(mys.value_or(QPoint(-100, -100)));
      UkazKopie();
    });

  connect(obnovit, &QAction::triggered, this, [this] { Invoke([this] { Obnov(); }); });
  zachrana.PriZmeneKopii = [this] { UkazKopie(); };
  zachrana.PriChybe = [this](const std::string& chyba) {
    UkazChybuTridy(okno, Text("Záložní kopii grafu nelze zapsat: ") + ToQt(chyba));
  };
  UkazKopie();

  okno->PredZahozenim = [this] { return SmiZahodit(); };
  okno->PoUlozeni = [this] {
    historie.Ulozeno();
    obnovenyNeulozen = false;
    zachrana.PoUlozeni();
  };

  // The line of an edge being drawn goes over the canvas and the labels, never into the
  // canvas's own pixels.
  auto predchozi = std::move(image1->OnPaintOver);
  image1->OnPaintOver = [this, predchozi = std::move(predchozi)](QPainter& painter) {
    if (predchozi) predchozi(painter);
    if (tah != TTah::Hrana || !JeVrchol(odkud)) return;
    painter.save();
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawLine(QPoint(graf.GetX(odkud), graf.GetY(odkud)), kam);
    painter.restore();
  };
  image1->installEventFilter(this);
  okno->installEventFilter(this);
}

void TUpravy::Zapni(bool zapnuto) {
  image1->setMouseTracking(zapnuto);
  image1->setFocusPolicy(zapnuto ? Qt::ClickFocus : Qt::NoFocus);
  if (zapnuto)
    image1->setCursor(Qt::CrossCursor);
  else
    image1->unsetCursor();
  // A drag cut short by the switch lets its held changes reach the recovery copy.
  tah = TTah::Zadny;
  zachrana.Pozdrz(false);
}

void TUpravy::NastavKurzor(QPoint bod) {
  if (tah == TTah::Presun) return image1->setCursor(Qt::ClosedHandCursor);
  const TMisto misto = KdeJe(graf, bod.x(), bod.y());
  image1->setCursor(misto.vrchol ? Qt::OpenHandCursor : misto.u ? Qt::PointingHandCursor : Qt::CrossCursor);
}

template <class F>
void TUpravy::Uprav(const QString& nazev, int spojeni, F&& zmena) {
  historie.Pojmenuj(nazev, spojeni);
  zmena();
  historie.Pojmenuj(QString());
  PoZmene();
}

// The open editors show the graph as they show it after a change of their own; without
// them the canvas shows the graph as the editors draw it.
void TUpravy::PoZmene() {
  QToolTip::hideText();
  const bool souradnice = FormXY->isVisible(), editor = Form4->isVisible();
  if (souradnice) FormXY->ObnovHodnoty();
  if (editor) Form4->ObnovHodnoty();
  if (!souradnice && !editor) VykresliGraf(clSilver, clSilver);
  if (Form2->isVisible()) Form2->ObnovHodnoty();
}

bool TUpravy::eventFilter(QObject* watched, QEvent* event) {
  if (watched == okno) {
    if (event->type() != QEvent::Close || SmiZahodit()) return false;
    event->ignore();
    return true;
  }
  if (watched != image1 || !Zapnuto()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      return Stisk(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
      return Tah(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
      return Pusteni(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
      return Dvojklik(static_cast<QMouseEvent*>(event));
    case QEvent::Leave:
      mys.reset();
      return false;
    case QEvent::ContextMenu:
      mys = static_cast<QContextMenuEvent*>(event)->pos();
      return false;
    case QEvent::KeyPress: {
      const auto* klavesa = static_cast<QKeyEvent*>(event);
      if (klavesa->key() != Qt::Key_Delete || !mys || tah != TTah::Zadny) return false;
      Smaz(KdeJe(graf, mys->x(), mys->y()));
      return true;
    }
    default:
      return false;
  }
}

bool TUpravy::Stisk(QMouseEvent* e) {
  const QPoint bod = e->position().toPoint();
  mys = bod;
  if (e->button() != Qt::LeftButton) return false;
  const TMisto misto = KdeJe(graf, bod.x(), bod.y());
  if (!misto.vrchol) return false;
  odkud = misto.vrchol;
  kam = bod;
  if (e->modifiers() & Qt::ShiftModifier) {
    tah = TTah::Hrana;
  } else {
    tah = TTah::Presun;
    ++cisloTahu;
    zachrana.Pozdrz(true);
  }
  NastavKurzor(bod);
  return false;
}

bool TUpravy::Tah(QMouseEvent* e) {
  const QPoint bod = e->position().toPoint();
  mys = bod;
  kam = bod;
  if (tah == TTah::Hrana) image1->update();
  if (tah == TTah::Presun && JeVrchol(odkud)) {
    const std::uint8_t v = odkud;
    Invoke([&] {
      Uprav(Text("přesun vrcholu %1").arg(v), cisloTahu, [&] { PresunVrchol(graf, v, bod.x(), bod.y()); });
    });
  }
  NastavKurzor(bod);
  return false;
}

bool TUpravy::Pusteni(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || tah == TTah::Zadny) return false;
  const QPoint bod = e->position().toPoint();
  const TTah byl = std::exchange(tah, TTah::Zadny);
  const std::uint8_t u = odkud;
  if (byl == TTah::Presun) {
    if (JeVrchol(u))
      Invoke([&] { Uprav(Text("přesun vrcholu %1").arg(u), cisloTahu, [&] { PresunVrchol(graf, u, bod.x(), bod.y()); }); });
    zachrana.Pozdrz(false);
  } else {
    image1->update();
    const TMisto cil = KdeJe(graf, bod.x(), bod.y());
    if (cil.vrchol && cil.vrchol != u && JeVrchol(u)) Invoke([&] { DelkaHrany(u, cil.vrchol, bod); });
  }
  NastavKurzor(bod);
  return false;
}

bool TUpravy::Dvojklik(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return false;
  const QPoint bod = e->position().toPoint();
  const TMisto misto = KdeJe(graf, bod.x(), bod.y());
  tah = TTah::Zadny;
  zachrana.Pozdrz(false);
  if (misto.u) Invoke([&] { DelkaHrany(misto.u, misto.v, bod); });
  if (!misto.u && !misto.vrchol) Invoke([&] { NovyVrchol(bod); });
  NastavKurzor(bod);
  return true;
}

void TUpravy::NovyVrchol(QPoint bod) {
  if (graf.GetPocet() >= kMaxVrcholu) {
    ShowMessage(FromQt(Text("Graf už má %1 vrcholů, víc jich program neunese; nový vrchol nepřibyl.").arg(kMaxVrcholu)));
    return;
  }
  // Without any graph the first vertex starts a new one that has no file yet: "Uloz Jako"
  // gives it one, and until then its recovery copy keeps it.
  const bool novyGraf = graf.GetPocet() == 0 && GetJmenoSouboru().empty();
  const int v = graf.GetPocet() + 1;
  Uprav(Text("přidání vrcholu %1").arg(v), 0, [&] { PridejVrchol(graf, bod.x(), bod.y()); });
  if (novyGraf) {
    okno->UpravenyGraf("");
    PoZmene();
  }
}

void TUpravy::DelkaHrany(std::uint8_t u, std::uint8_t v, QPoint bod) {
  const double stara = graf.GetHrana(u, v);
  QInputDialog dotaz(okno);
  dotaz.setObjectName(QStringLiteral("DialogDelka"));
  dotaz.setWindowTitle(Text("Délka hrany"));
  dotaz.setLabelText(Text(stara != 0.0 ? "Délka hrany %1 – %2 (0 hranu odstraní):" : "Délka nové hrany %1 – %2:")
                         .arg(u)
                         .arg(v));
  dotaz.setInputMode(QInputDialog::TextInput);
  dotaz.setTextValue(stara != 0.0 ? ToQt(FloatToStr(stara)) : QStringLiteral("1"));
  dotaz.setOkButtonText(Text("Použít"));
  dotaz.setCancelButtonText(Text("Zrušit"));
  // Beside the canvas at the height of the edge, so the graph being drawn stays in view.
  dotaz.adjustSize();
  const QPoint vedle = image1->mapToGlobal(
      QPoint(image1->width() + 12, std::clamp(bod.y() - dotaz.height() / 2, 0, std::max(0, image1->height() - dotaz.height()))));
  if (okno->screen() && okno->screen()->availableGeometry().contains(QRect(vedle, dotaz.frameGeometry().size())))
    dotaz.move(vedle);
  if (dotaz.exec() != QDialog::Accepted) return;
  const std::string text = FromQt(dotaz.textValue().trimmed());
  std::optional<double> delka;
  if (KontrolaCisla(text, 'r') == 0) {
    try {
      delka = StrToFloat(text);
    } catch (const EConvertError&) {
    }
  }
  if (!delka) {
    ShowMessage(FromQt(Text("„%1“ není číslo; délka hrany %2 – %3 zůstala, jak byla.").arg(ToQt(text)).arg(u).arg(v)));
    return;
  }
  if (*delka == 0.0 && stara == 0.0) {
    ShowMessage(FromQt(Text("Hrana nemůže mít délku 0; hrana %1 – %2 nepřibyla.").arg(u).arg(v)));
    return;
  }
  // Both gestures may still have pointed at vertices a modeless editor has changed since.
  if (!JeVrchol(u) || !JeVrchol(v)) return;
  const QString nazev = *delka == 0.0   ? Text("odstranění hrany %1 – %2")
                        : stara == 0.0 ? Text("přidání hrany %1 – %2")
                                       : Text("změna délky hrany %1 – %2");
  Uprav(nazev.arg(u).arg(v), 0, [&] { NastavHranu(graf, u, v, *delka); });
}

void TUpravy::Smaz(const TMisto& misto) {
  if (misto.vrchol && JeVrchol(misto.vrchol)) {
    const int v = misto.vrchol, n = graf.GetPocet();
    Uprav(Text("smazání vrcholu %1").arg(v), 0, [&] { SmazVrchol(graf, misto.vrchol); });
    const QString popis = v == n ? Text("Vrchol %1 je smazán.").arg(v)
                                 : v + 1 == n
                                       ? Text("Vrchol %1 je smazán; vrchol %2 má nyní číslo %1.").arg(v).arg(n)
                                       : Text("Vrchol %1 je smazán; vrcholy %2–%3 mají nyní čísla %1–%4.")
                                             .arg(v)
                                             .arg(v + 1)
                                             .arg(n)
                                             .arg(n - 1);
    QToolTip::showText(image1->mapToGlobal(mys.value_or(QPoint(0, 0))), popis, image1);
    return;
  }
  if (misto.u && JeVrchol(misto.v) && graf.GetHrana(misto.u, misto.v) != 0.0)
    Uprav(Text("smazání hrany %1 – %2").arg(misto.u).arg(misto.v), 0,
          [&] { NastavHranu(graf, misto.u, misto.v, 0.0); });
}

void TUpravy::PripravSmazani(QPoint bod) {
  cilSmazani = Zapnuto() ? KdeJe(graf, bod.x(), bod.y()) : TMisto{};
  smazat->setEnabled(cilSmazani.vrchol || cilSmazani.u);
  smazat->setText(cilSmazani.vrchol ? Text("Smazat vrchol %1").arg(cilSmazani.vrchol)
                  : cilSmazani.u    ? Text("Smazat hranu %1 – %2").arg(cilSmazani.u).arg(cilSmazani.v)
                                    : Text("Smazat"));
}

void TUpravy::UkazKopie() {
  obnovit->setEnabled(!zachrana.Kopie().empty());
}

void TUpravy::Obnov() {
  zachrana.Dopis();
  const std::optional<TZachrana::TKopie> kopie = zachrana.NejnovejsiJina();
  UkazKopie();
  if (!kopie) {
    ShowMessage(FromQt(Text("Žádný neuložený graf, který by se lišil od otevřeného, k obnovení není.")));
    return;
  }
  const QString odkud = kopie->cesta.empty() ? Text("graf, který ještě neměl soubor")
                                             : Text("graf souboru %1").arg(ToQt(kopie->cesta));
  QMessageBox dotaz(QMessageBox::Question, QStringLiteral("Trivex"),
                    Text("Obnovit neuložený %1, naposledy změněný %2?")
                        .arg(odkud, kopie->cas.toString(QStringLiteral("d. M. yyyy H:mm"))),
                    QMessageBox::Yes | QMessageBox::No, okno);
  dotaz.setObjectName(QStringLiteral("DotazObnovit"));
  dotaz.button(QMessageBox::Yes)->setText(Text("Obnovit"));
  dotaz.button(QMessageBox::No)->setText(Text("Zrušit"));
  const int odpoved = dotaz.exec();
  if (odpoved != QMessageBox::Yes && odpoved != QMessageBox::Ok) return;
  QString chyba;
  if (!zachrana.Nacti(*kopie, chyba)) {
    UkazChybuTridy(okno, chyba);
    return;
  }
  obnovenyNeulozen = true;
  okno->UpravenyGraf(kopie->cesta);
  PoZmene();
}

bool TUpravy::SmiZahodit() {
  if (!Zapnuto() || !Neulozeno()) return true;
  QMessageBox dotaz(QMessageBox::Question, QStringLiteral("Trivex"), Text("Graf má neuložené změny. Uložit je?"),
                    QMessageBox::NoButton, okno);
  dotaz.setObjectName(QStringLiteral("DotazUlozit"));
  QPushButton* uloz = dotaz.addButton(Text("Uložit"), QMessageBox::AcceptRole);
  QPushButton* zahod = dotaz.addButton(Text("Zahodit"), QMessageBox::DestructiveRole);
  QPushButton* zrus = dotaz.addButton(Text("Zrušit"), QMessageBox::RejectRole);
  uloz->setObjectName(QStringLiteral("Ulozit"));
  zahod->setObjectName(QStringLiteral("Zahodit"));
  zrus->setObjectName(QStringLiteral("Zrusit"));
  dotaz.setDefaultButton(uloz);
  dotaz.setEscapeButton(zrus);
  dotaz.exec();
  if (dotaz.clickedButton() == zahod) {
    // The recovery copy stays: the net for a change of mind.
    historie.Ulozeno();
    obnovenyNeulozen = false;
    return true;
  }
  if (dotaz.clickedButton() != uloz) return false;
  // The close of the window comes here outside any handler: a failed save is reported here.
  try {
    if (GetJmenoSouboru().empty()) {
      okno->Button3Click();
      return !Neulozeno();
    }
    UlozGraf();
  } catch (const std::exception& e) {
    ShowMessage(e.what());
    return false;
  }
  okno->PoUlozeni();
  return true;
}

}  // namespace

void PripojUpravy(TForm1* okno) {
  new TUpravy(okno);
}
