// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

// The opening screen: black, above every window, the logo near the top and the
// fire picture fading in from black at the bottom centre. When the fade has
// run its course, or Esc was the last key before a tick, it says so once
// through OnFinished; the main window then releases it.
class TForm_Intro : public QWidget {
  Q_OBJECT
 public:
  // Shown over the owner, as part of it: no taskbar or pager entry of its own.
  explicit TForm_Intro(QWidget* owner = nullptr);
  ~TForm_Intro() override;

  QImage Image_Intro;  // the canvas everything is drawn on
  QTimer Timer_Blend;

  int BlendLevel = 255;
  bool SkipRequested = false;
  QImage BlendedImage;
  QImage FireImage;
  std::function<void(QObject* sender)> OnFinished;

  void FormCreate();
  void Timer_BlendTimer();
  QPoint FirePosition() const;
  QPoint LogoPosition(QSize logo) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
};
