// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// A look property of a colour set or border set: assigning stores the value and
// then fires the owner's change event, so the control repaints.
template <typename T>
class TNotifyingProperty {
 public:
  TNotifyingProperty(const std::function<void()>& onChange, T value)
      : OnChange(onChange), Value(value) {}
  TNotifyingProperty(const TNotifyingProperty&) = delete;

  TNotifyingProperty& operator=(T value) {
    Value = value;
    if (OnChange) OnChange();
    return *this;
  }
  TNotifyingProperty& operator=(const TNotifyingProperty& other) { return *this = other.Value; }
  operator T() const { return Value; }

 private:
  const std::function<void()>& OnChange;
  T Value;
};
