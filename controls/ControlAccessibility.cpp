// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/ControlAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>

#include "controls/PuzzleMemo.h"
#include "controls/TrovGameButton.h"
#include "controls/TrovLinkLabel.h"
#include "controls/VistaQuadCheckBox.h"

namespace {

TTileNamer TileNamer = nullptr;

// The press action for a pressable role, and the widget's own (focus) actions.
QStringList WithPress(QStringList actions, const QString& press) {
  actions.prepend(press);
  return actions;
}

class TGameButtonAccessible : public QAccessibleWidget {
 public:
  explicit TGameButtonAccessible(TTrovGameButton* button) : QAccessibleWidget(button) {}

  TTrovGameButton* Button() const { return static_cast<TTrovGameButton*>(widget()); }

  QAccessible::Role role() const override { return Button()->AccessibleRole; }

  // A caption is the name unless the program gave one; '#' splits it into two lines.
  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
      const TCaptionLines lines = SplitCaption(Button()->Caption());
      text = lines.TwoLines ? lines.Line1 + QLatin1Char(' ') + lines.Line2 : lines.Line1;
    }
    return text;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (Button()->Disabled()) state.disabled = true;
    if (role() == QAccessible::Button) {
      state.defaultButton = Button()->Default();
      state.pressed = Button()->Pressed() || Button()->Downed();
    }
    return state;
  }

  QStringList actionNames() const override {
    if (role() != QAccessible::Button || Button()->Disabled())
      return QAccessibleWidget::actionNames();
    return WithPress(QAccessibleWidget::actionNames(), pressAction());
  }

  void doAction(const QString& action) override {
    if (action == pressAction() && role() == QAccessible::Button)
      Button()->Click();
    else
      QAccessibleWidget::doAction(action);
  }
};

class TTileAccessible : public QAccessibleWidget {
 public:
  explicit TTileAccessible(TPuzzleMemo* tile) : QAccessibleWidget(tile, QAccessible::Button) {}

  TPuzzleMemo* Tile() const { return static_cast<TPuzzleMemo*>(widget()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && TileNamer)
      return TileNamer(Tile()->Row, Tile()->Column, Tile()->ShowMemo);
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Tile()->Pressed();
    // The keyboard's frame is where keyboard play acts: the tile in focus.
    state.focusable = true;
    state.focused = Tile()->Framed();
    return state;
  }
};

class TCheckBoxAccessible : public QAccessibleWidget {
 public:
  explicit TCheckBoxAccessible(TVistaQuadCheckBox* box)
      : QAccessibleWidget(box, box->RadioCheck ? QAccessible::RadioButton : QAccessible::CheckBox) {
  }

  TVistaQuadCheckBox* Box() const { return static_cast<TVistaQuadCheckBox*>(widget()); }

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = Box()->Caption();
    return text;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Box()->Checked();
    if (!Box()->Enabled()) state.disabled = true;
    return state;
  }

  QStringList actionNames() const override {
    if (!Box()->Enabled()) return QAccessibleWidget::actionNames();
    return WithPress(QAccessibleWidget::actionNames(), toggleAction());
  }

  void doAction(const QString& action) override {
    if (action == toggleAction() || action == pressAction())
      Box()->Click();
    else
      QAccessibleWidget::doAction(action);
  }
};

class TLinkLabelAccessible : public QAccessibleWidget {
 public:
  explicit TLinkLabelAccessible(TTrovLinkLabel* label)
      : QAccessibleWidget(label, QAccessible::Link) {}

  TTrovLinkLabel* Label() const { return static_cast<TTrovLinkLabel*>(widget()); }

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = Label()->text();
    return text;
  }

  QStringList actionNames() const override {
    return WithPress(QAccessibleWidget::actionNames(), pressAction());
  }

  void doAction(const QString& action) override {
    if (action == pressAction())
      Label()->Click();
    else
      QAccessibleWidget::doAction(action);
  }
};

// Qt asks once per class of the object's ancestry, most derived first: the first
// question settles it, so subclasses of the controls get the same interface.
QAccessibleInterface* ControlFactory(const QString&, QObject* object) {
  // A window made straight from QWidget (the main window, the intro) is a frame, not a filler.
  if (auto* widget = qobject_cast<QWidget*>(object);
      widget && widget->isWindow() && !qobject_cast<QDialog*>(widget) &&
      widget->metaObject()->superClass() == &QWidget::staticMetaObject)
    return new QAccessibleWidget(widget, QAccessible::Window);
  if (auto* button = qobject_cast<TTrovGameButton*>(object))
    return new TGameButtonAccessible(button);
  if (auto* tile = qobject_cast<TPuzzleMemo*>(object)) return new TTileAccessible(tile);
  if (auto* box = qobject_cast<TVistaQuadCheckBox*>(object)) return new TCheckBoxAccessible(box);
  if (auto* label = qobject_cast<TTrovLinkLabel*>(object)) return new TLinkLabelAccessible(label);
  return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ControlFactory);
    return true;
  }();
  (void)installed;
}

void SetTileNamer(TTileNamer namer) { TileNamer = namer; }

void NotifyAccessibleNameChanged(QWidget* widget) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleFocus(QWidget* widget) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(widget, QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleStateChanged(QWidget* widget, bool checked, bool disabled) {
  if (!QAccessible::isActive()) return;
  QAccessible::State changed;
  changed.checked = checked;
  changed.disabled = disabled;
  QAccessibleStateChangeEvent event(widget, changed);
  QAccessible::updateAccessibility(&event);
}
