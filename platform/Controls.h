// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The controls of the windows: edit boxes, memos, buttons, the tab strip and the
// image with its canvas. Each carries its name as objectName, takes its position in
// window pixels, keeps its texts as Windows-1250 strings, and runs its events
// through Invoke.
#pragma once

#include "platform/Forms.h"
#include "platform/Graphics.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include <functional>
#include <string>
#include <vector>

class QFocusEvent;
class QPainter;
class QPaintEvent;

// Visibility as the control's own flag, whether or not its window is shown.
template <class Base>
class TControl : public Base {
public:
  using Base::Base;
  void SetVisible(bool visible) { Base::setVisible(visible); }
  bool GetVisible() const { return !Base::isHidden(); }
};

// One-line edit box. OnChange runs whenever the text changes (typed, or set by
// SetText before it returns). OnEnter and OnExit run when the focus moves into or out
// of the box within its window (Tab, a click, setFocus); a window losing or regaining
// activation, as when a message box opens, runs neither.
class TEdit : public TControl<QLineEdit> {
public:
  TEdit(QWidget* owner, const char* name, int left, int top, int width = 121, int height = 21);

  std::string GetText() const;
  void SetText(const std::string& text);
  void SetReadOnly(bool readOnly);
  void SetColor(TColor color);
  // A box without a tab stop takes no focus at all (the colour boxes).
  void SetTabStop(bool tabStop);

  TNotifyEvent OnChange;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// A caption box: the text (UTF-8 in the source) on the menu colour, read-only unless
// the box is one the user may still type into.
void MakeCaption(TEdit* edit, const char* utf8, bool readOnly = true);

// The Tab key visits the controls in this order.
void TabOrder(const std::vector<QWidget*>& order);

// A canvas colour as Qt paints it.
QColor ToQColor(TColor c);

// Multi-line text box.
class TMemo : public TControl<QPlainTextEdit> {
public:
  TMemo(QWidget* owner, const char* name, int left, int top, int width, int height);

  std::string GetText() const;
  void SetText(const std::string& text);
  void SetReadOnly(bool readOnly);
  void SetColor(TColor color);
  void SetScrollBars(bool horizontal, bool vertical);
  void SetFixedPitch();
};

class TButton : public TControl<QPushButton> {
public:
  TButton(QWidget* owner, const char* name, const std::string& caption, int left, int top, int width, int height);

  std::string GetCaption() const;
  void SetCaption(const std::string& caption);

  TNotifyEvent OnClick;
};

// A button with one of the standard glyphs; the kind gives the standard caption,
// which a caption of its own replaces.
enum TBitBtnKind { bkOK, bkCancel, bkHelp };

class TBitBtn : public TButton {
public:
  TBitBtn(QWidget* owner, const char* name, TBitBtnKind kind, int left, int top, int width, int height,
          const std::string& caption = std::string());
};

// Tab strip. OnChange runs when the user selects another tab; SetTabIndex does not run it.
class TTabControl : public TControl<QTabBar> {
public:
  TTabControl(QWidget* owner, const char* name, const std::vector<std::string>& tabs, int left, int top,
              int width, int height);

  int GetTabIndex() const;
  void SetTabIndex(int index);

  TNotifyEvent OnChange;
};

// Image whose picture is a canvas of the control's size, painted 1:1 at its origin.
class TImage : public TControl<QWidget> {
public:
  TImage(QWidget* owner, const char* name, int left, int top, int width, int height);

  TCanvas* GetCanvas() { return &canvas; }
  // Paints over the canvas once it is painted (the classroom's labels); the canvas's own
  // pixels stay as drawn.
  std::function<void(QPainter&)> OnPaintOver;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TCanvas canvas;
};
