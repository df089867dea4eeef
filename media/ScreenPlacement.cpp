// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/ScreenPlacement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

QPointer<QWidget> TheMainWindow;

}  // namespace

void SetMainWindow(QWidget* window) { TheMainWindow = window; }

QWidget* MainWindow() { return TheMainWindow; }

QScreen* ScreenOfOwner(const QWidget* owner) {
  if (!owner) owner = TheMainWindow;
  if (owner)
    if (QScreen* screen = owner->window()->screen()) return screen;
  return QGuiApplication::primaryScreen();
}

QPoint CentredIn(const QRect& area, QSize size) {
  return area.topLeft() +
         QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}
