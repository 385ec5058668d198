// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The pace is read when each wait starts, so a change while playing applies from the next step.
#include "classroom/Prehravani.h"

#include "classroom/prubeh.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSettings>

#include <utility>

TPrehravani::TPrehravani(QPushButton* t, QDoubleSpinBox* r, const char* klicRychlosti, std::function<bool()> d,
                         std::function<void()> z)
    : QObject(t), tlacitko(t), rychlost(r), dalsi(std::move(d)), odZacatku(std::move(z)) {
  rychlost->setRange(0.5, 10.0);
  rychlost->setSingleStep(0.5);
  rychlost->setDecimals(1);
  rychlost->setSuffix(QStringLiteral(" s"));
  const QString klic = QString::fromLatin1(klicRychlosti);
  rychlost->setValue(NastaveniTridy()->value(klic, 2.0).toDouble());
  connect(rychlost, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this, klic](double s) {
    NastaveniTridy()->setValue(klic, s);
    if (Hraje()) casovac.setInterval(int(s * 1000));
  });
  casovac.setSingleShot(false);
  connect(&casovac, &QTimer::timeout, this, [this] { Krok(); });
  connect(tlacitko, &QPushButton::clicked, this, [this] { Hraje() ? Pauza() : Prehraj(); });
  UkazStav();
}

void TPrehravani::Prehraj() {
  krokuje = true;
  odZacatku();
  krokuje = false;
  casovac.start(int(rychlost->value() * 1000));
  UkazStav();
}

void TPrehravani::Pauza() {
  casovac.stop();
  UkazStav();
}

void TPrehravani::RucniKrok() {
  if (!krokuje && Hraje()) Pauza();
}

void TPrehravani::Krok() {
  krokuje = true;
  const bool dalsiNasleduje = dalsi();
  krokuje = false;
  if (!dalsiNasleduje) Pauza();
}

void TPrehravani::UkazStav() {
  tlacitko->setText(Hraje() ? QStringLiteral("⏸ Pauza") : QStringLiteral("▶ Přehrát"));
}
