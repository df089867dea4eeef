// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/DialogBase.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

#include "controls/DialogHost.h"
#include "media/ScreenPlacement.h"

namespace {

// The colour of greyed text and arrows, as on the desktop the dialogs come from.
constexpr TColor DisabledTextColor = 0x6D6D6D;

// Enabled controls, active or not, take the colour; a disabled one keeps the
// palette's greyed colour, so it looks disabled.
void SetEnabledColor(QPalette& colours, QPalette::ColorRole role, TColor color) {
  colours.setColor(QPalette::Active, role, ColorOf(color));
  colours.setColor(QPalette::Inactive, role, ColorOf(color));
}

}  // namespace

TProgramDialog::TProgramDialog(QWidget* owner, QSize clientSize)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
  setFixedSize(clientSize);
  setFont(DialogFont());
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorOf(DialogTopColor));
  SetEnabledColor(colours, QPalette::WindowText, 0x000000);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    colours.setColor(QPalette::Disabled, role, ColorOf(DisabledTextColor));
  // A greyed scroll bar takes the dialog's own muted colour instead of the button's.
  colours.setColor(QPalette::Disabled, QPalette::Button, ColorOf(DialogTopColor));
  setPalette(colours);
  Image_Back.setGeometry(rect());
  Image_Back.Picture = QImage(clientSize, QImage::Format_RGB32);
  QPainter painter(&Image_Back.Picture);
  PaintDialogBackground(painter, Image_Back.Picture.rect());
  Image_Back.lower();
}

QFont TProgramDialog::DialogFont(int pixels, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void TProgramDialog::FitLabel(QLabel& label, TLabelFit fit) {
  const QFontMetrics metrics(label.font());
  const int advance = metrics.horizontalAdvance(label.text());
  switch (fit) {
    case TLabelFit::WidthAndHeight:
      label.resize(advance, metrics.height());
      break;
    case TLabelFit::Width:
      label.resize(advance, label.height());
      break;
    case TLabelFit::GrowWidth:
      label.resize(std::max(label.width(), advance + 2), label.height());
      break;
  }
}

QLabel* TProgramDialog::AddLabel(const QRect& geometry, const QString& text, TColor textColor,
                                 int pixels, bool bold) {
  auto* label = new QLabel(this);
  label->setTextFormat(Qt::PlainText);  // texts, names and paths, never markup
  label->setText(text);
  label->setGeometry(geometry);
  label->setFont(DialogFont(pixels, bold));
  label->setAttribute(Qt::WA_TranslucentBackground);
  QPalette colours = label->palette();
  SetEnabledColor(colours, QPalette::WindowText, textColor);
  label->setPalette(colours);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QLabel* TProgramDialog::AddFilledLabel(const QRect& geometry, const QString& text, TColor textColor,
                                       TColor background, int pixels, bool bold) {
  QLabel* label = AddLabel(geometry, text, textColor, pixels, bold);
  // Translucency also switched off the system background: both go back.
  label->setAttribute(Qt::WA_TranslucentBackground, false);
  label->setAttribute(Qt::WA_NoSystemBackground, false);
  label->setAutoFillBackground(true);
  QPalette colours = label->palette();
  colours.setColor(QPalette::Window, ColorOf(background));
  label->setPalette(colours);
  return label;
}

void TProgramDialog::SetUpButton(TTrovGameButton& button, const QRect& geometry,
                                 const QString& caption) {
  button.setGeometry(geometry);
  ApplyProgramButtonColors(button.ButtonColors);
  button.Borders.Top = true;
  button.Borders.Bottom = true;
  button.SetFont(DialogFont());
  button.SetCaption(caption);
}

void TProgramDialog::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) &&
      OfferDialogKey(this, key)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

int TProgramDialog::exec() {
  return ExecDialog(*this, [this] { return QDialog::exec(); });
}

void TProgramDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!isWindow()) return;  // a host centres it
  if (const QScreen* screen = ScreenOfOwner(parentWidget()))
    move(CentredIn(screen->geometry(), size()));
}
