// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QTest>

// Waits for a condition, handling events meanwhile, as QTRY_VERIFY does; but a
// condition that never comes fails the GoogleTest test (QtTest's own macros
// would only return from it quietly). The bound is generous on purpose: a
// loaded machine only takes longer, it never fails for being slow.
#define EXPECT_EVENTUALLY(condition) \
  EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, 60000)) << #condition
#define ASSERT_EVENTUALLY(condition) \
  ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, 60000)) << #condition
