// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/Unit_Form_Intro.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "media/FuncUnit.h"
#include "media/ScreenCursor.h"
#include "media/ScreenPlacement.h"

// A splash window transient for the main window: desktops keep such windows
// off their taskbars and pagers.
TForm_Intro::TForm_Intro(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("Intro"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  // A coarse timer may fire early and cut the intro short.
  Timer_Blend.setTimerType(Qt::PreciseTimer);
  Timer_Blend.setInterval(33);
  connect(&Timer_Blend, &QTimer::timeout, this, [this] { Timer_BlendTimer(); });
  FormCreate();
}

TForm_Intro::~TForm_Intro() { ResetScreenCursor(); }

void TForm_Intro::FormCreate() {
  if (const QScreen* screen = ScreenOfOwner(parentWidget())) setGeometry(screen->geometry());
  SetScreenCursor(Qt::BlankCursor);
  LoadJpgResource(FireImage, QStringLiteral("FIRE"));
  BlendedImage = QImage(FireImage.size(), QImage::Format_RGB888);
  BlendedImage.fill(Qt::black);
  BlendLevel = 255;
  SkipRequested = false;
  Timer_Blend.start();

  Image_Intro = QImage(size(), QImage::Format_RGB32);
  Image_Intro.fill(Qt::black);
  QImage logo;
  LoadJpgResource(logo, QStringLiteral("TESSARYN"));
  QPainter painter(&Image_Intro);
  painter.drawImage(LogoPosition(logo.size()), logo);
}

QPoint TForm_Intro::LogoPosition(QSize logo) const {
  return {width() / 2 - logo.width() / 2, logo.height() + y()};
}

QPoint TForm_Intro::FirePosition() const {
  return {width() / 2 - BlendedImage.width() / 2, height() - BlendedImage.height()};
}

void TForm_Intro::Timer_BlendTimer() {
  BlendLevel = std::max(BlendLevel - 2, 2);
  if (BlendLevel <= 2 || SkipRequested) {
    Timer_Blend.stop();
    if (OnFinished) OnFinished(&Timer_Blend);
    return;
  }
  BlendBitmaps(BlendedImage, FireImage, BlendLevel);
  {
    QPainter painter(&Image_Intro);
    painter.drawImage(FirePosition(), BlendedImage);
  }
  repaint();
}

void TForm_Intro::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Image_Intro);
}

// Hidden on its way out: the pointer comes back at once, even if a dialog opens
// before the form itself is gone.
void TForm_Intro::hideEvent(QHideEvent* event) {
  ResetScreenCursor();
  QWidget::hideEvent(event);
}

void TForm_Intro::keyPressEvent(QKeyEvent* event) {
  SkipRequested = event->key() == Qt::Key_Escape;
  QWidget::keyPressEvent(event);
}
