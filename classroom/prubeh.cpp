// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The step window reads the recording only; browsing it never touches Image1 or graf.
#include "classroom/prubeh.h"

#include "classroom/Tisk.h"
#include "drawing/PUVykresli.h"
#include "platform/AtomickyZapisQt.h"
#include "platform/Obrazovka.h"
#include "platform/Dialogs.h"

#include <QAction>
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

}  // namespace

std::unique_ptr<QSettings> NastaveniTridy() {
  return std::make_unique<QSettings>(QStringLiteral("Trivex"), QStringLiteral("Trivex"));
}

TVolbaObrazku VyberSouborObrazku(QWidget* okno, const QString& titulek) {
  // The larger PNGs are for paper and slides; the first type is the canvas as it was.
  const struct {
    const char* nazev;
    const char* pripona;
    int meritko;
  } typy[] = {
      {"Obrázek PNG (*.png)", "png", 1},
      {"Obrázek PNG, dvakrát větší (*.png)", "png", 2},
      {"Obrázek PNG, čtyřikrát větší (*.png)", "png", 4},
      {"Vektorový obrázek SVG (*.svg)", "svg", 1},
  };
  QFileDialog dialog(okno, titulek);
  NastavUlozeni(dialog);
  QStringList nazvy;
  for (const auto& t : typy) nazvy << QString::fromUtf8(t.nazev);
  dialog.setNameFilters(nazvy);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  const auto typ = [&](const QString& nazev) {
    const auto i = nazvy.indexOf(nazev);
    return typy[i < 0 ? 0 : i];
  };
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&](const QString& filtr) { dialog.setDefaultSuffix(QString::fromLatin1(typ(filtr).pripona)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const auto zvoleny = typ(dialog.selectedNameFilter());
  QString cesta = dialog.selectedFiles().first();
  const QString pripona = QFileInfo(cesta).suffix().toLower();
  if (pripona != QLatin1String("png") && pripona != QLatin1String("svg"))
    cesta += QLatin1Char('.') + QString::fromLatin1(zvoleny.pripona);
  return {cesta, zvoleny.meritko};
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
  VytvorOvladace();
  Rozvrhni();
  Propoj();
  Obnov();
}

void TFormPrubeh::VytvorOvladace() {
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
  CheckCisla->setObjectName(QStringLiteral("CheckCisla"));
  CheckDelky->setObjectName(QStringLiteral("CheckDelky"));
}

// The buttons and their keys, and the layout around them.
void TFormPrubeh::Rozvrhni() {
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
  for (QCheckBox* volba : {CheckCisla, CheckDelky}) {
    volba->setChecked(true);
    volba->setFocusPolicy(Qt::NoFocus);
    ovladani->insertWidget(ovladani->count() - 3, volba);
  }

  auto* sloupec = new QVBoxLayout(this);
  sloupec->addWidget(LabelKrok);
  sloupec->addWidget(ImageKrok, 1);
  sloupec->addWidget(ListKroky);
  sloupec->addLayout(posuny);
  sloupec->addLayout(ovladani);
  PridejVyuku(sloupec, ovladani);
}

void TFormPrubeh::Propoj() {
  for (QCheckBox* volba : {CheckCisla, CheckDelky})
    QObject::connect(volba, &QCheckBox::toggled, this, [this] { ZobrazVybrany(); });
  const auto posun = [this](int kam) { Vyber(kam); };
  QObject::connect(ButtonPrvni, &QPushButton::clicked, this, [posun] { posun(0); });
  QObject::connect(ButtonZpet, &QPushButton::clicked, this, [this, posun] { posun(std::max(0, ListKroky->currentRow() - 1)); });
  QObject::connect(ButtonDalsi, &QPushButton::clicked, this,
                   [this, posun] { posun(std::min(ListKroky->count() - 1, ListKroky->currentRow() + 1)); });
  QObject::connect(ButtonPosledni, &QPushButton::clicked, this, [this, posun] { posun(ListKroky->count() - 1); });
  QObject::connect(ButtonUlozObrazek, &QPushButton::clicked, this, [this] { ButtonUlozObrazekClick(); });
  QObject::connect(ButtonUlozText, &QPushButton::clicked, this, [this] { ButtonUlozTextClick(); });
  QObject::connect(ListKroky, &QListWidget::currentRowChanged, this, [this] { ZobrazVybrany(); });
  ActionTisk = new QAction(QStringLiteral("Tisk…"), this);
  ActionTisk->setObjectName(QStringLiteral("ActionTisk"));
  ActionTisk->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  ActionTisk->setShortcutContext(Qt::WindowShortcut);
  addAction(ActionTisk);
  ImageKrok->addAction(ActionTisk);
  ImageKrok->setContextMenuPolicy(Qt::ActionsContextMenu);
  QObject::connect(ActionTisk, &QAction::triggered, this, [this] { ActionTiskClick(); });

  auto* celaObrazovka = new QShortcut(QKeySequence(Qt::Key_F11), this);
  QObject::connect(celaObrazovka, &QShortcut::activated, this, [this] { isFullScreen() ? showNormal() : showFullScreen(); });
  // Esc leaves full screen first; otherwise it gives the screen back to the canvas.
  auto* zpetZCele = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  QObject::connect(zpetZCele, &QShortcut::activated, this, [this] { isFullScreen() ? showNormal() : Close(); });
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
  OznacDruhy();
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
  ZobrazVyuku(radek);
  ActionTisk->setEnabled(vybran);
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
      const QRect celeHlavni = hlavni ? hlavni->frameGeometry() : platno;
      const TUmisteni umisteni =
          UmisteniVedle(obrazovka->availableGeometry(), {celeHlavni, platno}, size(), RamecekOkna(this));
      setGeometry(umisteni.okno);
      if (umisteni.maximalizovat) setWindowState(windowState() | Qt::WindowMaximized);
    }
    // Where no side is free the class sees the steps full size, and the keys say how back.
    setToolTip(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)
                   ? QStringLiteral("F11: celá obrazovka · Esc: zavřít průběh a vrátit se k plátnu")
                   : QString());
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
  const TVolbaObrazku volba = VyberSouborObrazku(this, QStringLiteral("Uložit obrázek kroku"));
  if (volba.cesta.isEmpty()) return;
  const QString chyba = UlozObraz(volba.cesta, Zaznamnik().Vyklad().operace, ImageKrok->Po(), ImageKrok->Zvyraznena(),
                                  ImageKrok->Prekryvy(), volba.meritko);
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

// The step as the window shows it, its edge standing out, with its text under it.
void TFormPrubeh::ActionTiskClick() {
  TStranka stranka;
  stranka.operace = Zaznamnik().Vyklad().operace;
  stranka.po = ImageKrok->Po();
  stranka.zvyraznena = ImageKrok->Zvyraznena();
  stranka.prekryvy = ImageKrok->Prekryvy();
  stranka.text = LabelKrok->text();
  const QString chyba = Tiskni(this, stranka);
  if (!chyba.isEmpty()) UkazChybuTridy(this, chyba);
}
