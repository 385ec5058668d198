// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The step window reads the recording only; browsing it never touches Image1 or graf.
#include "windows/prubeh.h"

#include "drawing/PUVykresli.h"
#include "platform/AtomickyZapisQt.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kGeometrie = "Prubeh/Geometrie";

// The free part of the screen beside the canvas (left, right, above or below it) that
// holds the window's usual size at the largest scale.
QRect VedlePlatna(const QRect& obrazovka, const QRect& platno, QSize obvykla) {
  const QRect kandidati[] = {
      QRect(QPoint(platno.right() + 1, obrazovka.top()), obrazovka.bottomRight()),
      QRect(obrazovka.topLeft(), QPoint(platno.left() - 1, obrazovka.bottom())),
      QRect(QPoint(obrazovka.left(), platno.bottom() + 1), obrazovka.bottomRight()),
      QRect(obrazovka.topLeft(), QPoint(obrazovka.right(), platno.top() - 1)),
  };
  QRect nejlepsi;
  double nejvetsi = 0.0;
  for (const QRect& k : kandidati) {
    const QRect r = k.intersected(obrazovka);
    if (!r.isValid()) continue;
    const double meritko = std::min(r.width() / double(obvykla.width()), r.height() / double(obvykla.height()));
    if (meritko > nejvetsi) nejvetsi = meritko, nejlepsi = r;
  }
  return nejlepsi;
}

// Qt's own save dialog, as every file dialog of the program: it looks the same everywhere
// and a test can answer it like a user.
void NastavUlozeni(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
}

}  // namespace

std::unique_ptr<QSettings> NastaveniTridy() {
  return std::make_unique<QSettings>(QStringLiteral("Trivex"), QStringLiteral("Trivex"));
}

QString VyberSouborObrazku(QWidget* okno, const QString& titulek) {
  QFileDialog dialog(okno, titulek);
  NastavUlozeni(dialog);
  const QString png = QStringLiteral("Obrázek PNG (*.png)"), svg = QStringLiteral("Vektorový obrázek SVG (*.svg)");
  dialog.setNameFilters({png, svg});
  dialog.setDefaultSuffix(QStringLiteral("png"));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filtr) {
    dialog.setDefaultSuffix(filtr == svg ? QStringLiteral("svg") : QStringLiteral("png"));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  QString cesta = dialog.selectedFiles().first();
  const QString pripona = QFileInfo(cesta).suffix().toLower();
  if (pripona != QLatin1String("png") && pripona != QLatin1String("svg"))
    cesta += dialog.selectedNameFilter() == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  return cesta;
}

void UkazChybuTridy(QWidget* okno, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Trivex"), text, QMessageBox::Ok, okno);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

TObrazKroku::TObrazKroku(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("ImageKrok"));
  setMinimumSize(kSirkaPlatna / 2, kVyskaPlatna / 2);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
  NastavKrok(0, kNic, {});
}

void TObrazKroku::NastavKrok(std::size_t p, std::size_t z, TPrekryvy pr) {
  po = p;
  zvyraznena = z;
  prekryvy = pr;
  setProperty("obrazek", RastrovyObraz(Zaznamnik().Vyklad().operace, po, {}));
  update();
}

void TObrazKroku::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Dark));
  const double meritko = std::min(width() / double(kSirkaPlatna), height() / double(kVyskaPlatna));
  painter.translate((width() - kSirkaPlatna * meritko) / 2, (height() - kVyskaPlatna * meritko) / 2);
  KresliVektorove(painter, Zaznamnik().Vyklad().operace, po, meritko, zvyraznena, prekryvy);
}

TFormPrubeh::TFormPrubeh() : TForm("TFormPrubeh", "Průběh výkladu", 0, 0, 760, 620) {
  LabelKrok = new QLabel(this);
  LabelKrok->setObjectName(QStringLiteral("LabelKrok"));
  LabelKrok->setWordWrap(true);
  LabelKrok->setTextFormat(Qt::PlainText);
  QFont velke = LabelKrok->font();
  velke.setBold(true);
  LabelKrok->setFont(velke);
  ImageKrok = new TObrazKroku(this);
  ListKroky = new QListWidget(this);
  ListKroky->setObjectName(QStringLiteral("ListKroky"));
  ListKroky->setMaximumHeight(160);
  CheckCisla = new QCheckBox(QStringLiteral("Čísla vrcholů"), this);
  CheckDelky = new QCheckBox(QStringLiteral("Délky hran"), this);

  const struct {
    QPushButton*& tlacitko;
    const char* jmeno;
    const char* text;
    Qt::Key klavesa;
  } tlacitka[] = {
      {ButtonPrvni, "ButtonPrvni", "⏮ Začátek", Qt::Key_Home},      {ButtonZpet, "ButtonZpet", "◀ Zpět", Qt::Key_Left},
      {ButtonDalsi, "ButtonDalsi", "Další ▶", Qt::Key_Right},        {ButtonPosledni, "ButtonPosledni", "Konec ⏭", Qt::Key_End},
      {ButtonUlozObrazek, "ButtonUlozObrazek", "Uložit obrázek…", Qt::Key_unknown},
      {ButtonUlozText, "ButtonUlozText", "Uložit text…", Qt::Key_unknown},
  };
  // Moving on one row, keeping on the next, so that a narrow window beside the canvas fits.
  auto* posuny = new QHBoxLayout;
  auto* ovladani = new QHBoxLayout;
  for (const auto& t : tlacitka) {
    t.tlacitko = new QPushButton(QString::fromUtf8(t.text), this);
    t.tlacitko->setObjectName(QString::fromLatin1(t.jmeno));
    t.tlacitko->setAutoDefault(false);
    t.tlacitko->setFocusPolicy(Qt::NoFocus);  // the keys keep going to the rows
    if (t.klavesa != Qt::Key_unknown) {
      // A shortcut of the window, not of the button, so that it works whatever has the focus.
      auto* zkratka = new QShortcut(QKeySequence(t.klavesa), this);
      QObject::connect(zkratka, &QShortcut::activated, t.tlacitko, &QPushButton::click);
    }
    (t.klavesa != Qt::Key_unknown ? posuny : ovladani)->addWidget(t.tlacitko);
  }
  posuny->addStretch();
  ovladani->insertStretch(0);
  CheckCisla->setObjectName(QStringLiteral("CheckCisla"));
  CheckDelky->setObjectName(QStringLiteral("CheckDelky"));
  for (QCheckBox* volba : {CheckCisla, CheckDelky}) {
    volba->setChecked(true);
    volba->setFocusPolicy(Qt::NoFocus);
    ovladani->insertWidget(ovladani->count() - 3, volba);
    QObject::connect(volba, &QCheckBox::toggled, this, [this] { ZobrazVybrany(); });
  }

  auto* sloupec = new QVBoxLayout(this);
  sloupec->addWidget(LabelKrok);
  sloupec->addWidget(ImageKrok, 1);
  sloupec->addWidget(ListKroky);
  sloupec->addLayout(posuny);
  sloupec->addLayout(ovladani);

  const auto posun = [this](int kam) { Vyber(kam); };
  QObject::connect(ButtonPrvni, &QPushButton::clicked, this, [posun] { posun(0); });
  QObject::connect(ButtonZpet, &QPushButton::clicked, this, [this, posun] { posun(std::max(0, ListKroky->currentRow() - 1)); });
  QObject::connect(ButtonDalsi, &QPushButton::clicked, this,
                   [this, posun] { posun(std::min(ListKroky->count() - 1, ListKroky->currentRow() + 1)); });
  QObject::connect(ButtonPosledni, &QPushButton::clicked, this, [this, posun] { posun(ListKroky->count() - 1); });
  QObject::connect(ButtonUlozObrazek, &QPushButton::clicked, this, [this] { ButtonUlozObrazekClick(); });
  QObject::connect(ButtonUlozText, &QPushButton::clicked, this, [this] { ButtonUlozTextClick(); });
  QObject::connect(ListKroky, &QListWidget::currentRowChanged, this, [this] { ZobrazVybrany(); });

  auto* celaObrazovka = new QShortcut(QKeySequence(Qt::Key_F11), this);
  QObject::connect(celaObrazovka, &QShortcut::activated, this, [this] { isFullScreen() ? showNormal() : showFullScreen(); });
  auto* zpetZCele = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  QObject::connect(zpetZCele, &QShortcut::activated, this, [this] {
    if (isFullScreen()) showNormal();
  });
  Obnov();
}

TFormPrubeh::~TFormPrubeh() {
  if (isVisible()) UlozUmisteni();
}

void TFormPrubeh::Obnov() {
  const std::vector<TKrok>& kroky = Zaznamnik().Vyklad().kroky;
  const int vybrany = ListKroky->currentRow();
  const bool naKonci = vybrany < 0 || vybrany == ListKroky->count() - 1;
  // A growing recording keeps its rows; any other change starts them anew.
  bool pribyva = std::size_t(ListKroky->count()) <= kroky.size();
  for (int i = 0; pribyva && i < ListKroky->count(); ++i)
    pribyva = ListKroky->item(i)->text() == ToQt(kroky[std::size_t(i)].text);
  if (!pribyva) ListKroky->clear();
  for (std::size_t i = std::size_t(ListKroky->count()); i < kroky.size(); ++i) ListKroky->addItem(ToQt(kroky[i].text));
  if (ListKroky->count() == 0) {
    ZobrazVybrany();
    return;
  }
  Vyber(pribyva && !naKonci ? vybrany : pribyva ? ListKroky->count() - 1 : 0);
}

void TFormPrubeh::Vyber(int radek) {
  if (radek >= ListKroky->count()) radek = ListKroky->count() - 1;
  if (radek < 0) return;
  if (ListKroky->currentRow() == radek) {
    ZobrazVybrany();
    return;
  }
  ListKroky->setCurrentRow(radek);  // shows it through currentRowChanged
}

void TFormPrubeh::ZobrazVybrany() {
  const TVyklad& vyklad = Zaznamnik().Vyklad();
  const int radek = ListKroky->currentRow();
  const bool vybran = radek >= 0 && std::size_t(radek) < vyklad.kroky.size();
  const std::size_t po = vybran ? vyklad.kroky[std::size_t(radek)].operaci : 0;
  ImageKrok->NastavKrok(po, vybran ? PosledniHrana(vyklad.operace, po) : kNic,
                        {CheckCisla->isChecked(), CheckDelky->isChecked()});
  LabelKrok->setText(vybran ? ListKroky->item(radek)->text().trimmed()
                            : QStringLiteral("Zatím nebyl zaznamenán žádný výklad."));
  ButtonPrvni->setEnabled(vybran && radek > 0);
  ButtonZpet->setEnabled(vybran && radek > 0);
  ButtonDalsi->setEnabled(vybran && radek < ListKroky->count() - 1);
  ButtonPosledni->setEnabled(vybran && radek < ListKroky->count() - 1);
  ButtonUlozObrazek->setEnabled(vybran);
  ButtonUlozText->setEnabled(vybran);
}

void TFormPrubeh::Ukaz(QWidget* hlavni, const QRect& platno, int radek) {
  if (!umisteno) {
    umisteno = true;
    const QByteArray ulozene = NastaveniTridy()->value(QString::fromLatin1(kGeometrie)).toByteArray();
    bool naObrazovce = false;
    if (!ulozene.isEmpty() && restoreGeometry(ulozene))
      for (const QScreen* s : QGuiApplication::screens()) naObrazovce |= s->availableGeometry().intersects(frameGeometry());
    QScreen* obrazovka = hlavni && hlavni->screen() ? hlavni->screen() : QGuiApplication::primaryScreen();
    if (!naObrazovce && obrazovka) {
      const QRect volno = VedlePlatna(obrazovka->availableGeometry(), platno, size());
      // The frame's decorations come on top of the window's own size.
      const QMargins ramecek(4, 30, 4, 4);
      const QRect uvnitr = volno.marginsRemoved(ramecek);
      if (uvnitr.width() >= 320 && uvnitr.height() >= 240) {
        const QSize velikost(std::min(uvnitr.width(), 760), std::min(uvnitr.height(), 620));
        setGeometry(QRect(uvnitr.topLeft(), velikost));
      }
    }
  }
  Show();
  if (radek >= 0) Vyber(radek);
}

void TFormPrubeh::hideEvent(QHideEvent* event) {
  TForm::hideEvent(event);
  UlozUmisteni();
}

// The step's text grows with the window, so that it reads from the back of the class.
void TFormPrubeh::resizeEvent(QResizeEvent* event) {
  TForm::resizeEvent(event);
  QFont pismo = LabelKrok->font();
  pismo.setPixelSize(std::max(18, height() / 28));
  LabelKrok->setFont(pismo);
}

void TFormPrubeh::UlozUmisteni() {
  NastaveniTridy()->setValue(QString::fromLatin1(kGeometrie), saveGeometry());
}

void TFormPrubeh::ButtonUlozObrazekClick() {
  const QString cesta = VyberSouborObrazku(this, QStringLiteral("Uložit obrázek kroku"));
  if (cesta.isEmpty()) return;
  const QString chyba = UlozObraz(cesta, Zaznamnik().Vyklad().operace, ImageKrok->Po(), ImageKrok->Zvyraznena(),
                                  ImageKrok->Prekryvy());
  if (!chyba.isEmpty()) UkazChybuTridy(this, chyba);
}

void TFormPrubeh::ButtonUlozTextClick() {
  QFileDialog dialog(this, QStringLiteral("Uložit text výkladu"));
  NastavUlozeni(dialog);
  dialog.setNameFilter(QStringLiteral("Text (*.txt)"));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString cesta = dialog.selectedFiles().first();
  QByteArray text;
  for (int i = 0; i < ListKroky->count(); ++i) text += ListKroky->item(i)->text().toUtf8() + '\n';
  if (const auto chyba = ZapisAtomicky(cesta, text))
    UkazChybuTridy(this, QStringLiteral("Text nelze uložit do souboru %1: %2").arg(cesta, chyba->duvod));
}
