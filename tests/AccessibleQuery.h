// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

// What assistive technology learns of a widget, as Qt hands it out.
inline QAccessibleInterface* Accessible(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  EXPECT_NE(face, nullptr);
  return face;
}
inline QString NameOf(QWidget* widget) { return Accessible(widget)->text(QAccessible::Name); }
