// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/Shape.h"

#include <QPainter>

TShape::TShape(QWidget* parent, const QRect& geometry, TColor fill, TColor outline)
    : QWidget(parent), Fill(fill), Outline(outline) {
  setGeometry(geometry);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColorOf(Outline));
  painter.fillRect(rect().adjusted(1, 1, -1, -1), ColorOf(Fill));
}
