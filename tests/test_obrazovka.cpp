// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Windows on small screens: the step window beside what the class watches, windows taller than
// the screen that scroll to their buttons, and Esc on the information windows.
#include "support/ProgramWindow.h"

#include "platform/Obrazovka.h"
#include "windows/FrmOProgram.h"
#include "windows/frmhelpp.h"
#include "windows/frminfo.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <functional>

namespace {

using Obrazovka = ProgramWindow;

// Beside the whole main window (at its start place, with a 30-pixel title) where a side holds the
// window, else beside its canvas, output line and command buttons; at 1024 x 768 maximised.
TEST(UmisteniPrubehu, OpensBesideWhatTheClassWatchesOrMaximised) {
  const QRect hlavni(135, 0, 878, 814), chranene(175, 190, 762, 474);
  const struct { const char* nazev; QRect obrazovka; const QRect* mimo; bool maximalizovat; } pripady[] = {
      {"1920 x 1080", {0, 0, 1920, 1080}, &hlavni, false},
      {"1366 x 768", {0, 0, 1366, 768}, &chranene, false},
      {"1024 x 768", {0, 0, 1024, 768}, nullptr, true},
  };
  for (const auto& p : pripady) {
    const TUmisteni u = UmisteniVedle(p.obrazovka, {hlavni, chranene}, QSize(760, 620), kObvyklyRamecek);
    EXPECT_EQ(p.maximalizovat, u.maximalizovat) << p.nazev;
    EXPECT_TRUE(p.obrazovka.contains(u.okno.marginsAdded(kObvyklyRamecek))) << p.nazev;
    if (p.maximalizovat) continue;
    EXPECT_FALSE(u.okno.marginsAdded(kObvyklyRamecek).intersects(*p.mimo)) << p.nazev;
    EXPECT_GE(u.okno.width(), p.mimo == &hlavni ? 760 : 400) << p.nazev << ": as wide as the free side allows";
  }
}

// A window taller than the screen opens within it, and its bottom button is reached by
// scrolling (the mouse wheel, or Tab to it); on a screen where it fits nothing changes.
TEST_F(Obrazovka, AWindowTallerThanTheScreenScrollsToItsButtons) {
  const QRect volno = QGuiApplication::primaryScreen()->availableGeometry();
  for (const bool posouvat : {false, true}) {
    SCOPED_TRACE(posouvat ? "too tall" : "fits");
    const int vyska = posouvat ? volno.height() + 300 : volno.height() / 2;
    TForm okno("TVysokeOkno", "", 0, 200, 400, vyska);
    auto* nahore = new QPushButton(QStringLiteral("nahoře"), &okno);  // takes the focus first
    nahore->setGeometry(20, 20, 100, 30);
    auto* dole = new QPushButton(QStringLiteral("dole"), &okno);
    dole->setGeometry(20, vyska - 60, 100, 30);
    VejdiSeNaObrazovku(&okno);
    ShowActive(&okno);
    EXPECT_TRUE(volno.contains(okno.frameGeometry()));
    auto* posuvnik = okno.findChild<QScrollBar*>(QStringLiteral("PosuvnikOkna"));
    EXPECT_EQ(posouvat, posuvnik && posuvnik->isVisible());
    EXPECT_EQ(!posouvat, okno.rect().contains(dole->geometry()));
    if (!posouvat) continue;
    dole->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(okno.rect().contains(dole->geometry())) << "the focused button comes into view";
    posuvnik->setValue(0);
    EXPECT_EQ(QPoint(20, 20), nahore->pos()) << "back at the top, every control where it was built";
  }
}

// Esc closes the legend, Help and About, whatever control has the focus; each opens within the screen.
TEST_F(Obrazovka, EscClosesTheInformationWindows) {
  const struct { const char* nazev; std::function<void()> otevri; TForm* okno; } okna[] = {
      {"legend", [] { Form2->Show(); }, Form2}, {"Help", [this] { Klikni(Form1->BitBtn2); }, Form7},
      {"About", [this] { Klikni(Form1->Button4); }, Form6}};
  for (const auto& o : okna) {
    SCOPED_TRACE(o.nazev);
    ShowActive(Form1);
    o.otevri();
    ASSERT_TRUE(o.okno->isVisible());
    ShowActive(o.okno);
    EXPECT_TRUE(o.okno->screen()->availableGeometry().contains(o.okno->frameGeometry()));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : o.okno, Qt::Key_Escape);
    EXPECT_FALSE(o.okno->isVisible());
  }
}

}  // namespace
