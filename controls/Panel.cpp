// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/Panel.h"

#include <QResizeEvent>

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void TPanel::SetClientAligned(QWidget* child) {
  ClientChild = child;
  ClientChild->setGeometry(rect());
}

void TPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (ClientChild) ClientChild->setGeometry(rect());
  if (OnResize) OnResize();
}
