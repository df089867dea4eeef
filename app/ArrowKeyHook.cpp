// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ArrowKeyHook.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>

TArrowKeyHook::TArrowKeyHook(std::function<void(int)> onArrow) : OnArrow(std::move(onArrow)) {}

TArrowKeyHook::~TArrowKeyHook() { Remove(); }

void TArrowKeyHook::Install() {
  if (IsInstalled) return;
  QCoreApplication::instance()->installEventFilter(this);
  IsInstalled = true;
}

void TArrowKeyHook::Remove() {
  if (!IsInstalled) return;
  QCoreApplication::instance()->removeEventFilter(this);
  IsInstalled = false;
}

bool TArrowKeyHook::ChoosesWithArrows(const QObject* receiver) {
  return QApplication::activePopupWidget() || qobject_cast<const QComboBox*>(receiver) ||
         qobject_cast<const QAbstractItemView*>(receiver);
}

bool TArrowKeyHook::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
    return QObject::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
  const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
  if ((!vertical && !horizontal) || ChoosesWithArrows(watched))
    return QObject::eventFilter(watched, event);
  if (BoardActive && BoardActive()) {
    if (type == QEvent::KeyPress && OnBoardArrow)
      OnBoardArrow(key == Qt::Key_Left    ? -1
                   : key == Qt::Key_Right ? 1
                                          : 0,
                   key == Qt::Key_Up     ? -1
                   : key == Qt::Key_Down ? 1
                                         : 0);
    return true;
  }
  if (!vertical) return QObject::eventFilter(watched, event);
  // Swallowed before any widget, shortcut or dialog sees it.
  if (type == QEvent::ShortcutOverride) return true;
  HookToggle = !HookToggle;
  if (HookToggle && OnArrow) OnArrow(key == Qt::Key_Up ? -1 : +1);
  return true;
}
