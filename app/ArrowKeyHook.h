// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

// Takes Up and Down away from every window of the program while installed,
// and browses with them: the toggle flips on every Up or Down event, press and
// release alike, so a press acts once and a held key (whose repeats come as
// release and press pairs) acts on every repeat. A focused combo box or list,
// or an open popup, keeps its arrow keys: a keyboard player chooses with them.
// While the board plays (BoardActive), all four arrow keys move its frame
// instead, once per press and repeat.
class TArrowKeyHook : public QObject {
  Q_OBJECT
 public:
  // step: −1 for Up, +1 for Down.
  explicit TArrowKeyHook(std::function<void(int step)> onArrow);

  std::function<bool()> BoardActive;
  std::function<void(int columns, int rows)> OnBoardArrow;
  ~TArrowKeyHook() override;

  void Install();
  void Remove();
  bool Installed() const { return IsInstalled; }

  bool HookToggle = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static bool ChoosesWithArrows(const QObject* receiver);
  std::function<void(int)> OnArrow;
  bool IsInstalled = false;
};
