// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ArrowKeyHook.h"

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

bool TArrowKeyHook::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
    return QObject::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Up && key != Qt::Key_Down) return QObject::eventFilter(watched, event);
  // Swallowed before any widget, shortcut or dialog sees it.
  if (type == QEvent::ShortcutOverride) return true;
  HookToggle = !HookToggle;
  if (HookToggle && OnArrow) OnArrow(key == Qt::Key_Up ? -1 : +1);
  return true;
}
