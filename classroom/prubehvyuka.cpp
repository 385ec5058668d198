// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The step window as a teacher paces it: each row says why it happens, the rows after the
// selected one stay hidden until the class gets there, and the steps play at a set pace.
#include "classroom/prubeh.h"

#include "classroom/Druhy.h"
#include "classroom/Prehravani.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>

namespace {

const char* const kPostupne = "Prubeh/Postupne";
const char* const kRychlost = "Prubeh/Rychlost";

// The sign of each kind, in the list beside its row.
struct TZnak {
  TDruhRadku druh;
  const char* znak;
  QRgb barva;
};
const TZnak kZnaky[] = {
    {TDruhRadku::Zarazeni, "✓", 0x2e7d32}, {TDruhRadku::Kruznice, "✗", 0xc62828}, {TDruhRadku::Duplikat, "=", 0x1565c0},
    {TDruhRadku::Komponenty, "!", 0xef6c00}, {TDruhRadku::Vysledek, "Σ", 0x6a1b9a}, {TDruhRadku::Jine, "i", 0x616161},
};

QIcon Ikona(TDruhRadku druh) {
  static QHash<int, QIcon> hotove;
  if (hotove.contains(int(druh))) return hotove.value(int(druh));
  for (const TZnak& z : kZnaky) {
    if (z.druh != druh) continue;
    QPixmap obrazek(32, 32);
    obrazek.fill(Qt::transparent);
    QPainter painter(&obrazek);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(z.barva));
    painter.drawEllipse(1, 1, 30, 30);
    QFont pismo = painter.font();
    pismo.setPixelSize(20);
    pismo.setBold(true);
    painter.setFont(pismo);
    painter.setPen(Qt::white);
    painter.drawText(obrazek.rect(), Qt::AlignCenter, QString::fromUtf8(z.znak));
    painter.end();
    hotove.insert(int(druh), QIcon(obrazek));
  }
  return hotove.value(int(druh));
}

}  // namespace

void TFormPrubeh::PridejVyuku(QBoxLayout* sloupec, QBoxLayout* ovladani) {
  LabelVysvetleni = new QLabel(this);
  LabelVysvetleni->setObjectName(QStringLiteral("LabelVysvetleni"));
  LabelVysvetleni->setWordWrap(true);
  LabelVysvetleni->setTextFormat(Qt::PlainText);
  sloupec->insertWidget(sloupec->indexOf(LabelKrok) + 1, LabelVysvetleni);

  CheckPostupne = new QCheckBox(QStringLiteral("Odkrývat postupně"), this);
  CheckPostupne->setObjectName(QStringLiteral("CheckPostupne"));
  CheckPostupne->setFocusPolicy(Qt::NoFocus);
  CheckPostupne->setToolTip(QStringLiteral("Kroky za vybraným zůstanou skryté, dokud na ně třída nedojde."));
  CheckPostupne->setChecked(NastaveniTridy()->value(QString::fromLatin1(kPostupne), true).toBool());
  ovladani->insertWidget(0, CheckPostupne);
  QObject::connect(CheckPostupne, &QCheckBox::toggled, this, [this](bool zapnuto) {
    NastaveniTridy()->setValue(QString::fromLatin1(kPostupne), zapnuto);
    ZobrazVyuku(ListKroky->currentRow());
  });

  ButtonPrehraj = new QPushButton(this);
  ButtonPrehraj->setObjectName(QStringLiteral("ButtonPrehraj"));
  ButtonPrehraj->setAutoDefault(false);
  ButtonPrehraj->setFocusPolicy(Qt::NoFocus);
  ButtonPrehraj->setToolTip(QStringLiteral("Mezerník: přehrát kroky jeden po druhém, nebo je zastavit."));
  SpinRychlost = new QDoubleSpinBox(this);
  SpinRychlost->setObjectName(QStringLiteral("SpinRychlost"));
  SpinRychlost->setToolTip(QStringLiteral("Kolik sekund zůstane každý krok při přehrávání."));
  // Playing and keeping share a row between moving and the options, so that the window
  // stays narrow enough for the free side of a 1366-pixel screen.
  auto* prehrat = new QHBoxLayout;
  prehrat->addWidget(ButtonPrehraj);
  prehrat->addWidget(SpinRychlost);
  prehrat->addStretch();
  for (QPushButton* uloz : {ButtonUlozObrazek, ButtonUlozText}) {
    ovladani->removeWidget(uloz);
    prehrat->addWidget(uloz);
  }
  sloupec->insertLayout(sloupec->count() - 1, prehrat);  // before the options, the last row
  prehravani = new TPrehravani(
      ButtonPrehraj, SpinRychlost, kRychlost,
      [this] {
        const int dalsi = ListKroky->currentRow() + 1;
        if (dalsi < ListKroky->count()) Vyber(dalsi);
        return ListKroky->currentRow() < ListKroky->count() - 1;
      },
      [this] {
        if (ListKroky->currentRow() >= ListKroky->count() - 1) Vyber(0);
      });
  // Down and Up move as Right and Left do: the list's own keys would stop at a hidden row.
  const struct {
    Qt::Key klavesa;
    QPushButton* tlacitko;
  } klavesy[] = {{Qt::Key_Space, ButtonPrehraj}, {Qt::Key_Down, ButtonDalsi}, {Qt::Key_Up, ButtonZpet}};
  for (const auto& k : klavesy) {
    auto* zkratka = new QShortcut(QKeySequence(k.klavesa), this);
    QObject::connect(zkratka, &QShortcut::activated, k.tlacitko, &QPushButton::click);
  }
  QObject::connect(ListKroky, &QListWidget::currentRowChanged, prehravani, [this] { prehravani->RucniKrok(); });
}

void TFormPrubeh::OznacDruhy() {
  const TVyklad& vyklad = Zaznamnik().Vyklad();
  const std::vector<TDruhKroku> druhy = RozlisKroky(vyklad.kroky);
  const int stromu = KomponentObrazu(vyklad.operace);
  for (int i = 0; i < ListKroky->count() && std::size_t(i) < druhy.size(); ++i) {
    QListWidgetItem* polozka = ListKroky->item(i);
    const TDruhKroku& druh = druhy[std::size_t(i)];
    polozka->setData(Qt::UserRole, KlicDruhu(druh.druh));
    polozka->setIcon(Ikona(druh.druh));
    polozka->setToolTip(VysvetleniKroku(druh, vyklad.kroky[std::size_t(i)], stromu));
  }
}

// Hidden, not removed: the list keeps every row and its text for saving and for the keys.
void TFormPrubeh::ZobrazVyuku(int radek) {
  const bool postupne = CheckPostupne->isChecked();
  for (int i = 0; i < ListKroky->count(); ++i) ListKroky->setRowHidden(i, postupne && i > radek);
  const bool vybran = radek >= 0 && radek < ListKroky->count();
  LabelVysvetleni->setText(vybran ? ListKroky->item(radek)->toolTip() : QString());
  LabelVysvetleni->setVisible(vybran);
  ButtonPrehraj->setEnabled(ListKroky->count() > 1);
  if (vybran) ListKroky->scrollToItem(ListKroky->item(radek));
}
