// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The scrolled content keeps its parents: controls are only moved, so tab order, names and
// every handler stay as the window built them, and at the top they sit where they were.
#include "platform/Obrazovka.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kNejmensiSirka = 320;
constexpr int kNejmensiVyska = 240;

class TPosuvOkna : public QObject {
public:
  explicit TPosuvOkna(QWidget* o) : QObject(o), okno(o), vyska(o->height()) {
    o->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* nove) { UkazZamereny(nove); });
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != okno) return false;
    // The window manager's frame is known only once the window is mapped: the place is
    // corrected then if the usual frame was not the real one.
    if (event->type() == QEvent::Show) {
      Prizpusob();
      ramecekOveren = false;
    }
    if ((event->type() == QEvent::Move || event->type() == QEvent::Paint) && !ramecekOveren &&
        RamecekOkna(okno) != pouzityRamecek) {
      ramecekOveren = true;
      // After the window system's own move has been handled, not inside it.
      QTimer::singleShot(0, this, [this] { Prizpusob(); });
    }
    if (event->type() == QEvent::Wheel && posuvnik && posuvnik->isVisible()) {
      const auto* kolecko = static_cast<QWheelEvent*>(event);
      posuvnik->setValue(posuvnik->value() - kolecko->angleDelta().y() / 2);
      return true;
    }
    return false;
  }

private:
  void Prizpusob() {
    const QScreen* obrazovka = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (!obrazovka) return;
    const QRect volno = obrazovka->availableGeometry();
    const QMargins ramecek = pouzityRamecek = RamecekOkna(okno);
    const int vejde = volno.height() - ramecek.top() - ramecek.bottom();
    const bool posouvat = vyska > vejde && vejde >= kNejmensiVyska;
    if (posouvat || okno->height() != vyska) okno->resize(okno->width(), posouvat ? vejde : vyska);
    if (posouvat) Posuvnik()->setRange(0, vyska - vejde);
    if (posuvnik) {
      posuvnik->setVisible(posouvat);
      posuvnik->setGeometry(okno->width() - posuvnik->sizeHint().width(), 0, posuvnik->sizeHint().width(), okno->height());
      posuvnik->setPageStep(okno->height());
      posuvnik->raise();
      if (!posouvat) posuvnik->setValue(0);
    }
    // The frame's top left inside the area, its bottom too where it fits. The window's own
    // area is set, which unlike move() means the same before and after it is mapped.
    QRect ram = okno->geometry().marginsAdded(ramecek);
    ram.moveBottom(std::min(ram.bottom(), volno.bottom()));
    ram.moveRight(std::min(ram.right(), volno.right()));
    ram.moveTop(std::max(ram.top(), volno.top()));
    ram.moveLeft(std::max(ram.left(), volno.left()));
    if (ram.marginsRemoved(ramecek) != okno->geometry()) okno->setGeometry(ram.marginsRemoved(ramecek));
  }

  QScrollBar* Posuvnik() {
    if (posuvnik) return posuvnik;
    posuvnik = new QScrollBar(Qt::Vertical, okno);
    posuvnik->setObjectName(QStringLiteral("PosuvnikOkna"));
    for (QObject* o : okno->children())
      if (auto* w = qobject_cast<QWidget*>(o); w && w != posuvnik && !w->isWindow()) mista.emplace_back(w, w->pos());
    connect(posuvnik, &QScrollBar::valueChanged, this, [this](int posun) {
      for (const auto& [dite, misto] : mista)
        if (dite) dite->move(misto - QPoint(0, posun));
    });
    return posuvnik;
  }

  // A control reached by Tab comes into view.
  void UkazZamereny(QWidget* zamereny) {
    if (!posuvnik || !posuvnik->isVisible() || !zamereny || zamereny->window() != okno) return;
    QWidget* dite = zamereny;
    while (dite->parentWidget() && dite->parentWidget() != okno) dite = dite->parentWidget();
    const auto misto = std::find_if(mista.cbegin(), mista.cend(), [dite](const auto& m) { return m.first == dite; });
    if (misto == mista.cend()) return;
    const int nahore = misto->second.y(), dole = nahore + dite->height();
    if (nahore < posuvnik->value()) posuvnik->setValue(nahore);
    else if (dole > posuvnik->value() + okno->height()) posuvnik->setValue(dole - okno->height());
  }

  QWidget* okno;
  int vyska;  // the content's height: the window's own size as it was built
  QScrollBar* posuvnik = nullptr;
  QMargins pouzityRamecek;
  bool ramecekOveren = true;
  std::vector<std::pair<QPointer<QWidget>, QPoint>> mista;  // each control's place at the top of the content
};

QRect Vnitrek(const QRect& rect, QMargins ramecek) {
  return rect.marginsRemoved(ramecek);
}

}  // namespace

QMargins RamecekOkna(const QWidget* okno) {
  const QRect vnitrek = okno->geometry(), ramec = okno->frameGeometry();
  const QMargins skutecny(vnitrek.left() - ramec.left(), vnitrek.top() - ramec.top(), ramec.right() - vnitrek.right(),
                          ramec.bottom() - vnitrek.bottom());
  return okno->testAttribute(Qt::WA_WState_Created) && !skutecny.isNull() ? skutecny : kObvyklyRamecek;
}

TUmisteni UmisteniVedle(const QRect& obrazovka, std::initializer_list<QRect> chranene, QSize obvykla,
                        QMargins ramecek) {
  for (const QRect& c : chranene) {
    const QRect kandidati[] = {
        QRect(QPoint(c.right() + 1, obrazovka.top()), obrazovka.bottomRight()),
        QRect(obrazovka.topLeft(), QPoint(c.left() - 1, obrazovka.bottom())),
        QRect(QPoint(obrazovka.left(), c.bottom() + 1), obrazovka.bottomRight()),
        QRect(obrazovka.topLeft(), QPoint(obrazovka.right(), c.top() - 1)),
    };
    // A part before the last is kept free only where the window has its usual size beside it.
    const double nejmene = &c == chranene.end() - 1 ? 0.0 : 1.0;
    QRect nejlepsi;
    double nejvetsi = 0.0;
    for (const QRect& k : kandidati) {
      const QRect r = Vnitrek(k.intersected(obrazovka), ramecek);
      if (r.width() < kNejmensiSirka || r.height() < kNejmensiVyska) continue;
      const double meritko = std::min(r.width() / double(obvykla.width()), r.height() / double(obvykla.height()));
      if (meritko >= nejmene && meritko > nejvetsi) nejvetsi = meritko, nejlepsi = r;
    }
    if (!nejlepsi.isNull()) return {QRect(nejlepsi.topLeft(), obvykla.boundedTo(nejlepsi.size())), false};
  }
  return {Vnitrek(obrazovka, ramecek), true};
}

void VejdiSeNaObrazovku(QWidget* okno) {
  new TPosuvOkna(okno);
}

void ZavirejKlavesouEsc(QWidget* okno, QAbstractButton* tlacitko) {
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), okno);
  QObject::connect(esc, &QShortcut::activated, tlacitko, &QAbstractButton::click);
}
