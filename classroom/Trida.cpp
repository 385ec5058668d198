// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The layer's handlers are not the program's commands: they run outside Invoke, so saving
// or copying a picture never replaces the narration the class is looking at, and their
// errors come in boxes of their own that the no-boxes mode does not hide.
#include "classroom/Trida.h"

#include "algorithms/UPocty.h"
#include "classroom/FrmCviceni.h"
#include "classroom/NapovedaTridy.h"
#include "classroom/Obraz.h"
#include "classroom/Tisk.h"
#include "classroom/prubeh.h"
#include "model/UGraf.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Obrazovka.h"
#include "platform/SysUtils.h"
#include "platform/Vystup.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QToolTip>

#include <cmath>
#include <memory>
#include <utility>

namespace {

constexpr double kDosahTecky = 5.0;
constexpr double kDosahHrany = 4.0;

double Vzdalenost(QPointF a, QPointF b) {
  return std::hypot(a.x() - b.x(), a.y() - b.y());
}

double VzdalenostOdUsecky(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double delka2 = ab.x() * ab.x() + ab.y() * ab.y();
  if (delka2 == 0.0) return Vzdalenost(p, a);
  const double t = std::clamp(((p.x() - a.x()) * ab.x() + (p.y() - a.y()) * ab.y()) / delka2, 0.0, 1.0);
  return Vzdalenost(p, a + ab * t);
}

class TTrida : public QObject {
public:
  explicit TTrida(const THlavniOkno& hlavni);
  ~TTrida() override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct TVolba {
    QAction*& akce;
    const char* jmeno;
    const char* text;
    QKeySequence klavesa;
    const char* klic;  // the remembered choice; none for a command
  };

  TPrekryvy Prekryvy() const { return {cisla->isChecked(), delky->isChecked()}; }
  QRect PlatnoNaObrazovce() const;
  void UkazPrubeh(int radek);
  void UlozObrazek();
  void Tiskni();
  void UmistiBox(QWidget* box) const;
  void GrafSeZmenil(TZmenaGrafu druh);
  void VytvorVolby();
  void PripojNabidku();
  void PripojPlatno();
  void PripojZaznam();

  TForm* okno;
  TImage* image1;  // the main window's canvas control
  TMemo* memo1;    // its output line
  std::vector<QWidget*> tlacitka;  // the command buttons the class keeps seeing
  QAction* cisla = nullptr;
  QAction* delky = nullptr;
  QAction* prubeh = nullptr;
  QAction* bezZprav = nullptr;
  QAction* uloz = nullptr;
  QAction* kopiruj = nullptr;
  QAction* cviceni = nullptr;
  QAction* napoveda = nullptr;
  QAction* tisk = nullptr;
  QMenu* menu;
  std::unique_ptr<TFormPrubeh> okenkoPrubehu;
  std::unique_ptr<TFormCviceni> okenkoCviceni = std::make_unique<TFormCviceni>();
  std::unique_ptr<TFormNapovedaTridy> okenkoNapovedy;  // made when first asked for
  // The graph as the last replacement left it: a replacement by an equal graph (the same
  // file opened again, edited or not since) keeps the narration.
  TSnimekGrafu vyprave = graf.Snimek();
  int posluchac = 0;
};

TTrida::TTrida(const THlavniOkno& hlavni)
    : QObject(hlavni.okno),
      okno(hlavni.okno),
      image1(hlavni.platno),
      memo1(hlavni.vystup),
      tlacitka(hlavni.tlacitka),
      menu(new QMenu(hlavni.platno)),
      okenkoPrubehu(std::make_unique<TFormPrubeh>()) {
  VytvorVolby();
  PripojNabidku();
  PripojPlatno();
  PripojZaznam();
}

// The menu's entries, as actions of the main window with their keys; the choices among them
// are remembered.
void TTrida::VytvorVolby() {
  menu->setObjectName(QStringLiteral("MenuPlatna"));
  const TVolba volby[] = {
      {cisla, "ActionCisla", "Čísla vrcholů", QKeySequence(Qt::Key_F2), "Trida/CislaVrcholu"},
      {delky, "ActionDelky", "Délky hran", QKeySequence(Qt::Key_F3), "Trida/DelkyHran"},
      {prubeh, "ActionPrubeh", "Průběh výkladu…", QKeySequence(Qt::Key_F4), nullptr},
      {cviceni, "ActionCviceni", "Cvičení…", QKeySequence(Qt::Key_F5), nullptr},
      {bezZprav, "ActionBezZprav", "Výklad bez oken se zprávami", QKeySequence(), "Trida/BezZprav"},
      {uloz, "ActionUlozObrazek", "Uložit obrázek…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), nullptr},
      {kopiruj, "ActionKopirujObrazek", "Kopírovat obrázek", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), nullptr},
      {tisk, "ActionTisk", "Tisk…", QKeySequence(Qt::CTRL | Qt::Key_P), nullptr},
      {napoveda, "ActionNapovedaTridy", "Nápověda k výuce", QKeySequence(Qt::Key_F1), nullptr},
  };
  const auto nastaveni = NastaveniTridy();
  for (const TVolba& v : volby) {
    v.akce = new QAction(QString::fromUtf8(v.text), okno);
    v.akce->setObjectName(QString::fromLatin1(v.jmeno));
    v.akce->setShortcut(v.klavesa);
    v.akce->setShortcutContext(Qt::WindowShortcut);
    okno->addAction(v.akce);
    menu->addAction(v.akce);
    if (v.akce == cviceni || v.akce == bezZprav || v.akce == tisk) menu->addSeparator();
    if (!v.klic) continue;
    v.akce->setCheckable(true);
    v.akce->setChecked(nastaveni->value(QString::fromLatin1(v.klic), false).toBool());
    const QString klic = QString::fromLatin1(v.klic);
    connect(v.akce, &QAction::toggled, this, [klic](bool zapnuto) { NastaveniTridy()->setValue(klic, zapnuto); });
  }
}

void TTrida::PripojNabidku() {
  connect(cisla, &QAction::toggled, image1, [this] { image1->update(); });
  connect(delky, &QAction::toggled, image1, [this] { image1->update(); });
  connect(prubeh, &QAction::triggered, this, [this] { UkazPrubeh(-1); });
  connect(bezZprav, &QAction::toggled, this, [](bool zapnuto) { Vystup().NastavOkna(!zapnuto); });
  Vystup().NastavOkna(!bezZprav->isChecked());
  connect(uloz, &QAction::triggered, this, [this] { UlozObrazek(); });
  connect(kopiruj, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setImage(ObrazPlatna(Prekryvy())); });
  connect(cviceni, &QAction::triggered, this, [this] { okenkoCviceni->Show(); });
  connect(napoveda, &QAction::triggered, this, [this] {
    if (!okenkoNapovedy) okenkoNapovedy = std::make_unique<TFormNapovedaTridy>();
    okenkoNapovedy->Show();
  });
  connect(tisk, &QAction::triggered, this, [this] { Tiskni(); });
}

void TTrida::PripojPlatno() {
  // The right button, the menu key and Shift+F10 open the same menu.
  image1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(image1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& bod) { menu->popup(image1->mapToGlobal(bod)); });
  for (const QKeySequence& klavesa : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
    auto* zkratka = new QShortcut(klavesa, okno);
    connect(zkratka, &QShortcut::activated, this, [this] {
      menu->popup(image1->mapToGlobal(image1->rect().center()));
    });
  }
  image1->setToolTip(QStringLiteral("Pravé tlačítko myši otevře nabídku plátna: čísla vrcholů, délky hran, "
                                          "průběh výkladu, uložení obrázku."));
  image1->installEventFilter(this);
  // The step window may be the active one while the class looks at the canvas.
  image1->setAttribute(Qt::WA_AlwaysShowToolTips);
  image1->OnPaintOver = [this](QPainter& painter) {
    const std::vector<TOperace>& obraz = Zaznamnik().Obraz();
    KresliPopisky(painter, obraz, obraz.size(), 1.0, Prekryvy());
  };
}

// The step window follows the recording, the narration follows the graph, and boxes go
// beside the canvas.
void TTrida::PripojZaznam() {
  posluchac = graf.Poslouchej([this](TZmenaGrafu druh) { GrafSeZmenil(druh); });
  Zaznamnik().PriZmeneVykladu = [this] { okenkoPrubehu->Obnov(); };
  // Without boxes the step window is where the class reads what a command said, also when
  // it only wrote the output line.
  Zaznamnik().PoPrikazu = [this](bool vypravel) {
    if (bezZprav->isChecked() && vypravel) UkazPrubeh(0);
  };
  Vystup().NastavUmisteni([this](QWidget* box) { UmistiBox(box); });
}

// The main window deletes its children in creation order: Image1, with its paint hook, is
// gone by now.
TTrida::~TTrida() {
  graf.Neposlouchej(posluchac);
  Zaznamnik().PriZmeneVykladu = nullptr;
  Zaznamnik().PoPrikazu = nullptr;
  Vystup().NastavUmisteni(nullptr);
  Vystup().NastavOkna(true);
}

// Another graph (opened, new, emptied) makes the old narration meaningless; edits in place
// keep it, as the class may still be comparing.
void TTrida::GrafSeZmenil(TZmenaGrafu druh) {
  if (druh != TZmenaGrafu::Nahrazen) return;
  TSnimekGrafu ted = graf.Snimek();
  if (ted == vyprave) return;
  vyprave = std::move(ted);
  Zaznamnik().SmazVyklad();
}

QRect TTrida::PlatnoNaObrazovce() const {
  return QRect(image1->mapToGlobal(QPoint(0, 0)), image1->size());
}

// The class keeps seeing the canvas, the output line under it and the command buttons.
void TTrida::UkazPrubeh(int radek) {
  QRect chranene = PlatnoNaObrazovce();
  std::vector<QWidget*> videt = tlacitka;
  videt.push_back(memo1);
  for (QWidget* w : videt)
    if (w->isVisible()) chranene = chranene.united(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
  okenkoPrubehu->Ukaz(okno, chranene, radek);
}

void TTrida::UlozObrazek() {
  const TVolbaObrazku volba = VyberSouborObrazku(okno, QStringLiteral("Uložit obrázek plátna"));
  if (volba.cesta.isEmpty()) return;
  const QString chyba = UlozObrazPlatna(volba.cesta, Prekryvy(), volba.meritko);
  if (!chyba.isEmpty()) UkazChybuTridy(okno, chyba);
}

// The canvas as shown, with the output line under it: the result the class arrived at.
void TTrida::Tiskni() {
  const QString chyba = ::Tiskni(okno, StrankaPlatna(Prekryvy(), memo1->toPlainText()));
  if (!chyba.isEmpty()) UkazChybuTridy(okno, chyba);
}

// Beside the canvas (over the command buttons, or outside the main window), never over it
// when the screen leaves room; otherwise where the window system puts boxes.
void TTrida::UmistiBox(QWidget* box) const {
  if (!okno->isVisible() || !okno->screen()) return;
  const QRect obrazovka = okno->screen()->availableGeometry();
  const QRect platno = PlatnoNaObrazovce();
  // A box gets the frame the main window has.
  const QSize s = box->size().grownBy(RamecekOkna(okno));
  const int mezera = 12;
  const QPoint kandidati[] = {
      {platno.right() + 1 + mezera, platno.top()},
      {platno.left(), platno.bottom() + 1 + mezera},
      {platno.left() - mezera - s.width(), platno.top()},
      {platno.left(), platno.top() - mezera - s.height()},
      {platno.right() + 1 + mezera, obrazovka.bottom() - s.height()},
  };
  for (const QPoint& k : kandidati) {
    const QRect r(k, s);
    if (!obrazovka.contains(r) || r.intersects(platno)) continue;
    box->move(k);  // the frame's top left, as move() takes it
    return;
  }
}

bool TTrida::eventFilter(QObject* watched, QEvent* event) {
  // Image1 sees events while the main window is being destroyed: nothing of the window is
  // touched for any other event.
  if (event->type() != QEvent::ToolTip || watched != image1) return false;
  const auto* pomoc = static_cast<QHelpEvent*>(event);
  const QString popis = PopisMista(Zaznamnik().Obraz(), pomoc->pos());
  if (popis.isEmpty()) return false;  // the menu hint
  QToolTip::showText(pomoc->globalPos(), popis, image1);
  return true;
}

}  // namespace

void PripojTridu(const THlavniOkno& hlavni) {
  new TTrida(hlavni);
}

QString PopisMista(const std::vector<TOperace>& obraz, QPoint bod) {
  const QPointF p(bod.x() + 0.5, bod.y() + 0.5);
  const TOperace* nejblizsi = nullptr;
  double nejmene = kDosahTecky;
  for (const TOperace& o : obraz) {
    if (o.kresleni.druh != TKresleni::Vrchol || !o.u) continue;
    const double d = Vzdalenost(p, QPointF(o.kresleni.x1, o.kresleni.y1));
    if (d <= nejmene) nejmene = d, nejblizsi = &o;
  }
  if (nejblizsi) {
    const std::uint8_t v = nejblizsi->u;
    if (v > graf.GetPocet()) return QString();
    QString popis = QStringLiteral("Vrchol %1 · hodnota %2 · stupeň %3")
                        .arg(v)
                        .arg(QString::fromStdString(FloatToStr(graf.GetHodnota(v))))
                        .arg(StupenVrcholu(v));
    const QString komentar = ToQt(graf.GetText(v)).trimmed();
    if (!komentar.isEmpty()) popis += QStringLiteral(" · ") + komentar;
    return popis;
  }
  nejmene = kDosahHrany;
  for (const TOperace& o : obraz) {
    if (!UkazujeHranu(o)) continue;
    const double d = VzdalenostOdUsecky(p, QPointF(o.kresleni.x1 + 0.5, o.kresleni.y1 + 0.5),
                                        QPointF(o.kresleni.x2 + 0.5, o.kresleni.y2 + 0.5));
    if (d <= nejmene) nejmene = d, nejblizsi = &o;
  }
  if (!nejblizsi) return QString();
  return QStringLiteral("Hrana %1 – %2 · délka %3")
      .arg(nejblizsi->u)
      .arg(nejblizsi->v)
      .arg(QString::fromStdString(FloatToStr(nejblizsi->delka)));
}
