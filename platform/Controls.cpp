// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Controls on Qt widgets. Texts cross between Windows-1250 and Unicode here and
// nowhere else; events reach the windows through Invoke.
#include "platform/Controls.h"

#include "platform/Cp1250.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>

namespace {

// Focus moves that belong to the window as a whole (activation, a popup menu) are
// not moves between the window's controls.
bool MovesBetweenControls(const QFocusEvent* event) {
  switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
      return false;
    default:
      return true;
  }
}

template <class W>
void Place(W* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(left, top, width, height);
}

template <class W>
void SetBase(W* widget, TColor color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, ToQColor(color));
  widget->setPalette(palette);
}

}  // namespace

TEdit::TEdit(QWidget* owner, const char* name, int left, int top, int width, int height)
    : TControl<QLineEdit>(owner) {
  Place(this, name, left, top, width, height);
  // Typing changes run OnChange here; SetText runs it itself, synchronously.
  QObject::connect(this, &QLineEdit::textEdited, this, [this] { Invoke(OnChange); });
}

std::string TEdit::GetText() const {
  return FromQt(text());
}

void TEdit::SetText(const std::string& value) {
  const QString shown = ToQt(value);
  if (shown == text()) return;
  setText(shown);
  if (OnChange) OnChange();
}

void TEdit::SetReadOnly(bool readOnly) {
  setReadOnly(readOnly);
}

void TEdit::SetColor(TColor color) {
  SetBase(this, color);
}

void TEdit::SetTabStop(bool tabStop) {
  setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

void TEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (MovesBetweenControls(event)) Invoke(OnEnter);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (MovesBetweenControls(event)) Invoke(OnExit);
}

void MakeCaption(TEdit* edit, const char* utf8, bool readOnly) {
  edit->SetText(Utf8ToCp1250(utf8));
  edit->SetReadOnly(readOnly);
  edit->SetColor(TForm::MenuColor());
}

QColor ToQColor(TColor c) {
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

void TabOrder(const std::vector<QWidget*>& order) {
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

TMemo::TMemo(QWidget* owner, const char* name, int left, int top, int width, int height)
    : TControl<QPlainTextEdit>(owner) {
  Place(this, name, left, top, width, height);
}

std::string TMemo::GetText() const {
  return FromQt(toPlainText());
}

void TMemo::SetText(const std::string& value) {
  setPlainText(ToQt(value));
}

void TMemo::SetReadOnly(bool readOnly) {
  setReadOnly(readOnly);
}

void TMemo::SetColor(TColor color) {
  SetBase(this, color);
}

void TMemo::SetScrollBars(bool horizontal, bool vertical) {
  setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void TMemo::SetFixedPitch() {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

TButton::TButton(QWidget* owner, const char* name, const std::string& caption, int left, int top, int width,
                 int height)
    : TControl<QPushButton>(owner) {
  Place(this, name, left, top, width, height);
  setText(ToQt(caption));
  setAutoDefault(false);
  QObject::connect(this, &QPushButton::clicked, this, [this] { Invoke(OnClick); });
}

std::string TButton::GetCaption() const {
  return FromQt(text());
}

void TButton::SetCaption(const std::string& caption) {
  setText(ToQt(caption));
}

TBitBtn::TBitBtn(QWidget* owner, const char* name, TBitBtnKind kind, int left, int top, int width, int height,
                 const std::string& caption)
    : TButton(owner, name, caption, left, top, width, height) {
  static const struct {
    QStyle::StandardPixmap glyph;
    const char* caption;
  } kKinds[] = {{QStyle::SP_DialogOkButton, "OK"},
                {QStyle::SP_DialogCancelButton, "Cancel"},
                {QStyle::SP_DialogHelpButton, "&Help"}};
  setIcon(style()->standardIcon(kKinds[kind].glyph));
  if (caption.empty()) setText(QString::fromLatin1(kKinds[kind].caption));
}

TTabControl::TTabControl(QWidget* owner, const char* name, const std::vector<std::string>& tabs, int left,
                         int top, int width, int height)
    : TControl<QTabBar>(owner) {
  Place(this, name, left, top, width, height);
  setExpanding(false);
  for (const std::string& tab : tabs) addTab(ToQt(tab));
  setCurrentIndex(0);
  QObject::connect(this, &QTabBar::currentChanged, this, [this] { Invoke(OnChange); });
}

int TTabControl::GetTabIndex() const {
  return currentIndex();
}

void TTabControl::SetTabIndex(int index) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(index);
}

TImage::TImage(QWidget* owner, const char* name, int left, int top, int width, int height)
    : TControl<QWidget>(owner), canvas(width, height) {
  Place(this, name, left, top, width, height);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas.OnChange = [this] { update(); };
}

void TImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage picture(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                       QImage::Format_RGB32);
  painter.drawImage(0, 0, picture);
  if (OnPaintOver) OnPaintOver(painter);
}
