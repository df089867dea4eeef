// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/DialogHost.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <optional>

#include "controls/DialogBase.h"
#include "media/FuncUnit.h"
#include "media/ScreenPlacement.h"

namespace {

std::optional<bool> InHostOverride;

constexpr TColor TitleTopColor = 0x6C5E55;
constexpr TColor TitleBottomColor = 0x3B302E;
constexpr TColor FrameColor = 0x2E303B;

class TDialogHost : public QWidget {
 public:
  // ownerWindow: shown, or null (a start-up error comes before the main window shows).
  TDialogHost(QWidget* ownerWindow, QDialog& dialog)
      : QWidget(ownerWindow, Qt::Window | Qt::FramelessWindowHint), Dialog(&dialog) {
    if (ownerWindow) Backdrop = ownerWindow->grab();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(dialog.windowTitle());
    dialog.installEventFilter(this);
  }
  ~TDialogHost() override {
    if (Dialog) Dialog->removeEventFilter(this);
  }

  // The dialog's place: its inside centred, as a window's would be.
  void Centre() {
    if (!Dialog) return;
    Dialog->move(CentredIn(rect(), Dialog->size()));
    update();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == Dialog && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
      Centre();
    return QWidget::eventFilter(watched, event);
  }
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    Centre();
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(0, 0, Backdrop);
    if (!Dialog) return;
    const QRect dialog = Dialog->geometry();
    const QRect title(dialog.left(), dialog.top() - HostTitleHeight, dialog.width(),
                      HostTitleHeight);
    FillVerticalGradient(painter, title, TitleTopColor, TitleBottomColor);
    painter.setPen(ColorOf(FrameColor));
    painter.drawRect(title.united(dialog).adjusted(-1, -1, 0, 0));
    painter.setFont(TProgramDialog::DialogFont(13, true));
    painter.setPen(Qt::white);
    painter.drawText(title.adjusted(6, 0, -6, 0), Qt::AlignCenter | Qt::TextSingleLine,
                     Dialog->windowTitle());
  }

 private:
  QPointer<QDialog> Dialog;
  QPixmap Backdrop;  // the owner's window when the dialog opened
};

}  // namespace

bool DialogsRunInHost() {
  if (InHostOverride) return *InHostOverride;
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SetDialogsRunInHost(bool inHost) { InHostOverride = inHost; }

int ExecDialog(QDialog& dialog, const std::function<int()>& runLoop) {
  if (!DialogsRunInHost() || !dialog.isWindow()) return runLoop();
  QWidget* const owner = dialog.parentWidget() ? dialog.parentWidget() : MainWindow();
  QScreen* const screen = ScreenOfOwner(owner);
  const Qt::WindowFlags flags = dialog.windowFlags();
  QWidget* const parent = dialog.parentWidget();
  QWidget* const ownerWindow = owner && owner->window()->isVisible() ? owner->window() : nullptr;
  TDialogHost host(ownerWindow, dialog);
  if (screen) host.setGeometry(screen->geometry());
  dialog.setParent(&host, Qt::Widget);
  // A window gets its background from the platform; a child paints its own.
  const bool filled = dialog.autoFillBackground();
  dialog.setAutoFillBackground(true);
  host.showFullScreen();
  const int result = runLoop();
  dialog.hide();
  dialog.setAutoFillBackground(filled);
  dialog.setParent(parent, flags);
  return result;
}
