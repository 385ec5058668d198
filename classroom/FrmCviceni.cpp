// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The window works on its own snapshot of a graph and never on graf, except for the few
// moments of a save, which go through the graph file's one writer.
#include "classroom/FrmCviceni.h"

#include "algorithms/UKostry.h"
#include "classroom/Obraz.h"
#include "classroom/prubeh.h"
#include "cviceni/Priklady.h"
#include "drawing/PUVykresli.h"
#include "exchange/Import.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kDosahKliknuti = 8.0;  // canvas pixels from an edge

const char* const kMetody[] = {"Kruskal", "Jarník", "Borůvka"};

QString Cislo(double d) {
  return QString::fromStdString(FloatToStr(d));
}

QString Hrana(int u, int v) {
  return QStringLiteral("%1 – %2").arg(u).arg(v);
}

QString Mnozina(const std::vector<int>& vrcholy) {
  QStringList cisla;
  for (int v : vrcholy) cisla << QString::number(v);
  return QLatin1Char('{') + cisla.join(QStringLiteral(", ")) + QLatin1Char('}');
}

// "1 pokusu", "2 pokusů": the genitive after "z" is singular only for one.
QString Pokusu(int n) {
  return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? QStringLiteral("pokusu") : QStringLiteral("pokusů"));
}

double VzdalenostOdUsecky(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double delka2 = ab.x() * ab.x() + ab.y() * ab.y();
  const double t = delka2 == 0.0 ? 0.0 : std::clamp(QPointF::dotProduct(p - a, ab) / delka2, 0.0, 1.0);
  const QPointF q = a + ab * t - p;
  return std::hypot(q.x(), q.y());
}

}  // namespace

TObrazCviceni::TObrazCviceni(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("ImageCviceni"));
  setMinimumSize(kSirkaPlatna * 3 / 4, kVyskaPlatna * 3 / 4);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
}

void TObrazCviceni::Nastav(std::vector<TOperace> o, std::vector<QPoint> z, std::vector<int> k) {
  operace = std::move(o);
  zvyraznene = std::move(z);
  krouzky = std::move(k);
  update();
}

double TObrazCviceni::Meritko() const {
  return std::min(width() / double(kSirkaPlatna), height() / double(kVyskaPlatna));
}

QPointF TObrazCviceni::Posun() const {
  return QPointF((width() - kSirkaPlatna * Meritko()) / 2, (height() - kVyskaPlatna * Meritko()) / 2);
}

void TObrazCviceni::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Dark));
  const double meritko = Meritko();
  painter.translate(Posun());
  KresliVektorove(painter, operace, operace.size(), meritko, kNic, {});
  // The emphasis goes under the labels, so that no number is hidden by it.
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const auto stred = [&](std::int32_t x, std::int32_t y) { return QPointF(x + 0.5, y + 0.5) * meritko; };
  // The tree thicker and the dots larger than on the canvas, to be seen from the back rows.
  const double sirka = std::max(1.0, meritko);
  for (const TOperace& o : operace) {
    if (o.kresleni.druh == TKresleni::Hrana && o.kresleni.barva == clMaroon) {
      painter.setPen(QPen(ToQColor(clMaroon), 3.5 * sirka, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(stred(o.kresleni.x1, o.kresleni.y1), stred(o.kresleni.x2, o.kresleni.y2));
    }
    if (o.kresleni.druh == TKresleni::Vrchol) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(ToQColor(o.kresleni.barva));
      painter.drawEllipse(stred(o.kresleni.x1, o.kresleni.y1), 3.5 * meritko, 3.5 * meritko);
    }
  }
  for (const TOperace& o : operace) {
    if (o.kresleni.druh == TKresleni::Hrana &&
        std::find(zvyraznene.begin(), zvyraznene.end(), QPoint(o.u, o.v)) != zvyraznene.end()) {
      QPen zare(QColor(255, 190, 0, 140), 9 * sirka, Qt::SolidLine, Qt::RoundCap);
      painter.setPen(zare);
      painter.drawLine(stred(o.kresleni.x1, o.kresleni.y1), stred(o.kresleni.x2, o.kresleni.y2));
    }
    if (o.kresleni.druh == TKresleni::Vrchol && std::find(krouzky.begin(), krouzky.end(), o.u) != krouzky.end()) {
      painter.setPen(QPen(QColor(0, 90, 200), 2.5 * sirka));
      painter.setBrush(QColor(0, 90, 200, 50));
      painter.drawEllipse(stred(o.kresleni.x1, o.kresleni.y1), 7 * meritko, 7 * meritko);
    }
  }
  painter.restore();
  KresliPopisky(painter, operace, operace.size(), meritko, {true, true});
}

void TObrazCviceni::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !PriKliknuti) return;
  const QPointF p = (event->position() - Posun()) / Meritko();
  const TOperace* nejblizsi = nullptr;
  double nejmene = kDosahKliknuti;
  for (const TOperace& o : operace) {
    // Accepted edges are drawn in the tree colour and cannot be chosen again.
    if (o.kresleni.druh != TKresleni::Hrana || o.kresleni.barva == clMaroon) continue;
    const double d = VzdalenostOdUsecky(p, QPointF(o.kresleni.x1 + 0.5, o.kresleni.y1 + 0.5),
                                        QPointF(o.kresleni.x2 + 0.5, o.kresleni.y2 + 0.5));
    if (d <= nejmene) nejmene = d, nejblizsi = &o;
  }
  if (nejblizsi) PriKliknuti(nejblizsi->u, nejblizsi->v);
}

TFormCviceni::TFormCviceni() : TForm("TFormCviceni", "Cvičení", 0, 0, 1000, 660) {
  ComboAlgoritmus = new QComboBox(this);
  ComboAlgoritmus->setObjectName(QStringLiteral("ComboAlgoritmus"));
  for (const char* m : kMetody) ComboAlgoritmus->addItem(QString::fromUtf8(m));
  SpinVrcholu = new QSpinBox(this);
  SpinVrcholu->setObjectName(QStringLiteral("SpinVrcholu"));
  SpinVrcholu->setRange(kNejmeneVrcholuPrikladu, kNejviceVrcholuPrikladu);
  SpinVrcholu->setValue(kVychoziVrcholuPrikladu);
  SpinCislo = new QSpinBox(this);
  SpinCislo->setObjectName(QStringLiteral("SpinCislo"));
  SpinCislo->setRange(1, kNejvetsiCisloPrikladu);
  LabelOtazka = new QLabel(this);
  ImageCviceni = new TObrazCviceni(this);
  ListHrany = new QListWidget(this);
  ListHrany->setObjectName(QStringLiteral("ListHrany"));
  LabelOdpoved = new QLabel(this);
  LabelSkore = new QLabel(this);

  const struct {
    QPushButton*& tlacitko;
    const char* jmeno;
    const char* text;
    void (TFormCviceni::*klik)();
  } tlacitka[] = {
      {ButtonZHlavnihoOkna, "ButtonZHlavnihoOkna", "Z hlavního okna", &TFormCviceni::ButtonZHlavnihoOknaClick},
      {ButtonNovyPriklad, "ButtonNovyPriklad", "Nový příklad", &TFormCviceni::ButtonNovyPrikladClick},
      {ButtonUlozPriklad, "ButtonUlozPriklad", "Uložit příklad…", &TFormCviceni::ButtonUlozPrikladClick},
      {ButtonVyber, "ButtonVyber", "Vybrat", &TFormCviceni::ButtonVyberClick},
      {ButtonNapoveda, "ButtonNapoveda", "Nápověda", &TFormCviceni::ButtonNapovedaClick},
      {ButtonUkaz, "ButtonUkaz", "Ukázat krok", &TFormCviceni::ButtonUkazClick},
  };
  for (const auto& t : tlacitka) {
    t.tlacitko = new QPushButton(QString::fromUtf8(t.text), this);
    t.tlacitko->setObjectName(QString::fromLatin1(t.jmeno));
    t.tlacitko->setAutoDefault(false);
    // The keys go back to the edges after every button, so Enter chooses again.
    QObject::connect(t.tlacitko, &QPushButton::clicked, this, [this, klik = t.klik] {
      Invoke([&] { (this->*klik)(); });
      if (ListHrany->isEnabled()) ListHrany->setFocus();
    });
  }
  QObject::connect(ComboAlgoritmus, qOverload<int>(&QComboBox::currentIndexChanged), this,
                   [this] { Invoke([this] { ComboAlgoritmusChange(); }); });

  // Texts large enough to read from the back of a classroom.
  const struct {
    QLabel* text;
    const char* jmeno;
    double zvetseni;
    bool tucne;
  } texty[] = {
      {LabelOtazka, "LabelOtazka", 1.5, true},
      {LabelOdpoved, "LabelOdpoved", 1.2, false},
      {LabelSkore, "LabelSkore", 1.2, true},
  };
  for (const auto& t : texty) {
    t.text->setObjectName(QString::fromLatin1(t.jmeno));
    t.text->setWordWrap(true);
    t.text->setTextFormat(Qt::PlainText);
    QFont pismo = t.text->font();
    pismo.setPointSizeF(pismo.pointSizeF() * t.zvetseni);
    pismo.setBold(t.tucne);
    t.text->setFont(pismo);
  }
  QFont pismoSeznamu = ListHrany->font();
  pismoSeznamu.setPointSizeF(pismoSeznamu.pointSizeF() * 1.2);
  ListHrany->setFont(pismoSeznamu);
  ListHrany->installEventFilter(this);
  ImageCviceni->PriKliknuti = [this](int u, int v) { Invoke([&] { Zvol(u, v); }); };

  auto* zadani = new QHBoxLayout;
  zadani->addWidget(new QLabel(QStringLiteral("Postup:"), this));
  zadani->addWidget(ComboAlgoritmus);
  zadani->addSpacing(16);
  zadani->addWidget(ButtonZHlavnihoOkna);
  zadani->addSpacing(16);
  zadani->addWidget(new QLabel(QStringLiteral("Vrcholů:"), this));
  zadani->addWidget(SpinVrcholu);
  zadani->addWidget(new QLabel(QStringLiteral("Číslo:"), this));
  zadani->addWidget(SpinCislo);
  zadani->addWidget(ButtonNovyPriklad);
  zadani->addStretch();
  zadani->addWidget(ButtonUlozPriklad);

  auto* volba = new QVBoxLayout;
  volba->addWidget(new QLabel(QStringLiteral("Hrany mimo kostru:"), this));
  volba->addWidget(ListHrany, 1);
  for (QPushButton* b : {ButtonVyber, ButtonNapoveda, ButtonUkaz}) volba->addWidget(b);
  auto* stred = new QHBoxLayout;
  stred->addWidget(ImageCviceni, 1);
  stred->addLayout(volba);
  ListHrany->setMinimumWidth(190);
  ListHrany->setMaximumWidth(260);

  auto* sloupec = new QVBoxLayout(this);
  sloupec->addLayout(zadani);
  sloupec->addWidget(LabelOtazka);
  sloupec->addLayout(stred, 1);
  sloupec->addWidget(LabelOdpoved);
  sloupec->addWidget(LabelSkore);

  // The main window's graph may be taken only while there is one.
  posluchac = graf.Poslouchej([this](TZmenaGrafu) { ButtonZHlavnihoOkna->setEnabled(graf.GetPocet() > 0); });
  ButtonZHlavnihoOkna->setEnabled(graf.GetPocet() > 0);
  Obnov();
}

TFormCviceni::~TFormCviceni() {
  graf.Neposlouchej(posluchac);
}

// Opened without an exercise, it starts on the main window's graph, or on the example
// the spin boxes show when no graph is open.
void TFormCviceni::FormShow() {
  // The first time, as large as a projector's screen comfortably allows, in its middle.
  if (!umisteno && screen()) {
    umisteno = true;
    const QRect obrazovka = screen()->availableGeometry();
    const QSize velikost(std::min(std::max(width(), obrazovka.width() * 3 / 4), obrazovka.width() - 40),
                         std::min(std::max(height(), obrazovka.height() * 3 / 4), obrazovka.height() - 60));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, velikost, obrazovka));
  }
  ButtonZHlavnihoOkna->setEnabled(graf.GetPocet() > 0);
  if (!cviceni) graf.GetPocet() > 0 ? ButtonZHlavnihoOknaClick() : ButtonNovyPrikladClick();
  ListHrany->setFocus();
}

void TFormCviceni::Zacni(const TSnimekGrafu& novy) {
  snimek = novy;
  ZacniZnovu();
}

void TFormCviceni::ZacniZnovu() {
  const auto metoda = TMetodaCviceni(std::clamp(ComboAlgoritmus->currentIndex(), 0, 2));
  cviceni.emplace(int(snimek.vrcholy.size()), HranySnimku(snimek), metoda);
  spravne = pokusu = ukazano = 0;
  napoveda = false;
  LabelOdpoved->clear();
  NaplnSeznam();
  Obnov();
}

void TFormCviceni::ButtonZHlavnihoOknaClick() {
  if (graf.GetPocet() == 0) return;
  Zacni(graf.Snimek());
  LabelOdpoved->setText(QStringLiteral("Graf z hlavního okna (kopie: hlavní okno zůstává, jak je)."));
}

void TFormCviceni::ButtonNovyPrikladClick() {
  Zacni(SnimekPrikladu(VytvorPriklad(SpinCislo->value(), SpinVrcholu->value())));
  LabelOdpoved->setText(
      QStringLiteral("Příklad č. %1 s %2 vrcholy.").arg(SpinCislo->value()).arg(SpinVrcholu->value()));
}

void TFormCviceni::ComboAlgoritmusChange() {
  if (cviceni) ZacniZnovu();
}

// The exercise's own graph goes to the file; graf and its file name are never touched.
void TFormCviceni::ButtonUlozPrikladClick() {
  if (!cviceni) return;
  const auto cesta = VyberSouborKUlozeni(this);
  if (!cesta) return;
  tgraf kopie;
  kopie.Obnov(snimek, TZmenaGrafu::Nahrazen);
  const QString chyba = UlozGrafDo(ToQt(*cesta), kopie);
  if (!chyba.isEmpty()) UkazChybuTridy(this, chyba);
}

void TFormCviceni::NaplnSeznam() {
  ListHrany->clear();
  if (!cviceni) return;
  const std::vector<THranaCviceni>& hrany = cviceni->Hrany();
  for (std::size_t i = 0; i < hrany.size(); ++i) {
    if (cviceni->Prijata(i)) continue;
    auto* polozka = new QListWidgetItem(
        QStringLiteral("%1 (délka %2)").arg(Hrana(hrany[i].u, hrany[i].v), Cislo(hrany[i].delka)), ListHrany);
    polozka->setData(Qt::UserRole, QPoint(hrany[i].u, hrany[i].v));
  }
  ListHrany->setCurrentRow(0);
}

void TFormCviceni::ButtonVyberClick() {
  const QListWidgetItem* polozka = ListHrany->currentItem();
  if (!polozka) return;
  const QPoint hrana = polozka->data(Qt::UserRole).toPoint();
  Zvol(hrana.x(), hrana.y());
}

void TFormCviceni::Zvol(int u, int v) {
  if (!cviceni || cviceni->Hotovo()) return;
  const std::vector<THranaCviceni>& hrany = cviceni->Hrany();
  std::size_t i = 0;
  while (i < hrany.size() && !(hrany[i].u == u && hrany[i].v == v)) ++i;
  if (i == hrany.size() || cviceni->Prijata(i)) return;
  const std::vector<int> otazka = cviceni->Otazka();
  const TPosouzeni p = cviceni->Vyber(i);
  ++pokusu;
  const THranaCviceni& h = hrany[i];
  switch (p.druh) {
    case TPosouzeni::Spravne: {
      ++spravne;
      napoveda = false;
      LabelOdpoved->setText(QStringLiteral("Správně! Program to vykládá takto: „%1“")
                                .arg(ToQt(ZpravaPrijeti(std::uint8_t(p.prvni), std::uint8_t(p.druhy), h.delka))));
      NaplnSeznam();
      break;
    }
    case TPosouzeni::Kruznice: {
      QStringList cesta;
      for (int w : p.cesta) cesta << QString::number(w);
      LabelOdpoved->setText(QStringLiteral("Hrana %1 uzavírá kružnici %2.").arg(Hrana(u, v), cesta.join(QStringLiteral(" – "))));
      break;
    }
    case TPosouzeni::Delsi: {
      const THranaCviceni& k = hrany[p.kratsi];
      LabelOdpoved->setText(QStringLiteral("Hrana %1 (délka %2) není nejkratší: hrana %3 má délku %4.")
                                .arg(Hrana(u, v), Cislo(h.delka), Hrana(k.u, k.v), Cislo(k.delka)));
      break;
    }
    case TPosouzeni::Nevede:
      LabelOdpoved->setText(QStringLiteral("Hrana %1 nevede %2 %3.")
                                .arg(Hrana(u, v),
                                     cviceni->Metoda() == TMetodaCviceni::Jarnik ? QStringLiteral("ze stromu")
                                                                                 : QStringLiteral("z komponenty"),
                                     Mnozina(otazka)));
      break;
    case TPosouzeni::Prijata:
      break;
  }
  Obnov();
}

void TFormCviceni::ButtonNapovedaClick() {
  if (!cviceni || cviceni->Hotovo()) return;
  napoveda = true;
  LabelOdpoved->setText(cviceni->Metoda() == TMetodaCviceni::Kruskal
                            ? QStringLiteral("Zvýrazněné hrany nespojují vrcholy téhož stromu. Která z nich je na řadě?")
                            : QStringLiteral("Zvýrazněné hrany vedou ven z vyznačených vrcholů. Která z nich je na řadě?"));
  Obnov();
}

void TFormCviceni::ButtonUkazClick() {
  if (!cviceni || cviceni->Hotovo()) return;
  const std::size_t i = cviceni->Spravne().front();
  const TPosouzeni p = cviceni->Vyber(i);
  ++ukazano;
  napoveda = false;
  LabelOdpoved->setText(QStringLiteral("Ukázaný krok: „%1“")
                            .arg(ToQt(ZpravaPrijeti(std::uint8_t(p.prvni), std::uint8_t(p.druhy), cviceni->Hrany()[i].delka))));
  NaplnSeznam();
  Obnov();
}

QString TFormCviceni::Otazka() const {
  if (!cviceni) return QStringLiteral("Zvolte postup a začněte grafem z hlavního okna nebo novým příkladem.");
  if (cviceni->Hotovo()) {
    if (cviceni->Vrcholu() <= 1) return QStringLiteral("Graf má jen jeden vrchol: jeho kostra nemá žádnou hranu.");
    if (cviceni->Hrany().empty()) return QStringLiteral("Graf nemá žádnou hranu: není co vybírat, kostra je prázdná.");
    return QStringLiteral("Hotovo.");
  }
  const QString mnozina = Mnozina(cviceni->Otazka());
  switch (cviceni->Metoda()) {
    case TMetodaCviceni::Kruskal:
      return QStringLiteral("Kterou hranu přidá Kruskal teď?");
    case TMetodaCviceni::Jarnik:
      return QStringLiteral("Kterou hranu přidá Jarník ke stromu %1?").arg(mnozina);
    case TMetodaCviceni::Boruvka:
      break;
  }
  return QStringLiteral("Borůvka, fáze %1: nejkratší hrana z komponenty %2?").arg(cviceni->Faze()).arg(mnozina);
}

QString TFormCviceni::Skore() const {
  QString skore = QStringLiteral("Správně %1 z %2").arg(spravne).arg(Pokusu(pokusu));
  if (ukazano > 0) skore += QStringLiteral(", ukázané kroky: %1").arg(ukazano);
  if (!cviceni || !cviceni->Hotovo() || cviceni->Hrany().empty()) return skore;
  const int k = cviceni->Komponent();
  skore += QStringLiteral(". Celková délka %1. ").arg(Cislo(cviceni->Delka()));
  if (k == 1) return skore + QStringLiteral("Přijaté hrany tvoří minimální kostru grafu.");
  return skore + QStringLiteral("Graf není souvislý (komponent: %1), přijaté hrany tvoří minimální kostru každé "
                                "komponenty, tedy minimální les.")
                     .arg(k);
}

// One place brings every control, the picture and the properties up to the exercise's state.
void TFormCviceni::Obnov() {
  const bool bezi = cviceni && !cviceni->Hotovo();
  ButtonUlozPriklad->setEnabled(bool(cviceni));
  for (QWidget* w : {static_cast<QWidget*>(ButtonVyber), static_cast<QWidget*>(ButtonNapoveda),
                     static_cast<QWidget*>(ButtonUkaz), static_cast<QWidget*>(ListHrany)})
    w->setEnabled(bezi);
  LabelOtazka->setText(Otazka());
  LabelSkore->setText(Skore());

  std::vector<TOperace> operace;
  std::vector<QPoint> zvyraznene;
  QVariantList otazka;
  if (cviceni) {
    operace.push_back({TKresleni{TKresleni::Smazani, 0, 0, 0, 0, clWhite}, 0, 0, 0.0});
    const std::vector<THranaCviceni>& hrany = cviceni->Hrany();
    const auto misto = [&](int v) -> const tvrchol& { return snimek.vrcholy[std::size_t(v - 1)]; };
    for (std::size_t i = 0; i < hrany.size(); ++i) {
      const THranaCviceni& h = hrany[i];
      const TColor barva = cviceni->Prijata(i) ? clMaroon : clGray;
      operace.push_back({TKresleni{TKresleni::Hrana, misto(h.u).GetX(), misto(h.u).GetY(), misto(h.v).GetX(),
                                   misto(h.v).GetY(), barva},
                         std::uint8_t(h.u), std::uint8_t(h.v), h.delka});
    }
    for (int v = 1; v <= cviceni->Vrcholu(); ++v)
      operace.push_back({TKresleni{TKresleni::Vrchol, misto(v).GetX(), misto(v).GetY(), 0, 0, clBlack}, std::uint8_t(v),
                         0, 0.0});
    if (napoveda && bezi)
      for (std::size_t i : cviceni->Kandidati()) zvyraznene.emplace_back(hrany[i].u, hrany[i].v);
    for (int v : cviceni->Otazka()) otazka << v;
  }
  // The hint shows in the list as well, for a student who works from the keyboard.
  for (int r = 0; r < ListHrany->count(); ++r) {
    QListWidgetItem* polozka = ListHrany->item(r);
    QFont pismo = ListHrany->font();
    pismo.setBold(std::find(zvyraznene.begin(), zvyraznene.end(), polozka->data(Qt::UserRole).toPoint()) !=
                  zvyraznene.end());
    polozka->setFont(pismo);
  }
  std::vector<int> krouzky;
  for (const QVariant& v : otazka) krouzky.push_back(v.toInt());
  ImageCviceni->Nastav(std::move(operace), std::move(zvyraznene), std::move(krouzky));

  setProperty("spravne", spravne);
  setProperty("pokusu", pokusu);
  setProperty("hotovo", cviceni && cviceni->Hotovo());
  setProperty("delka", cviceni ? cviceni->Delka() : 0.0);
  setProperty("otazka", otazka);
}

// Enter in the list chooses, as the button does, so the whole exercise works from the keyboard.
bool TFormCviceni::eventFilter(QObject* watched, QEvent* event) {
  if (watched != ListHrany || event->type() != QEvent::KeyPress) return false;
  const int klavesa = static_cast<QKeyEvent*>(event)->key();
  if (klavesa != Qt::Key_Return && klavesa != Qt::Key_Enter) return false;
  Invoke([this] { ButtonVyberClick(); });
  return true;
}
