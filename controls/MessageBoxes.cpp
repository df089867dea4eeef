// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "controls/DialogHost.h"
#include "media/ScreenPlacement.h"

namespace {

TDialogRunner ScreenRunner;
TDialogRunner* Runner = &ScreenRunner;

// Centred on the screen of the window it belongs to, as the dialogs are: Qt
// alone would centre it over its parent or on the screen under the pointer.
class TCentredMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  int exec() override {
    return ExecDialog(*this, [this] { return QMessageBox::exec(); });
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);  // the box takes its final size here
    if (!isWindow()) return;        // a host centres it
    if (const QScreen* screen = ScreenOfOwner(parentWidget()))
      move(CentredIn(screen->geometry(), size()));
  }
};

bool Show(TMessageKind kind, const QString& text) {
  return DialogRunner().RunMessageBox(kind, MessageBoxTitle(kind), text);
}

}  // namespace

TDialogRunner& DialogRunner() { return *Runner; }

void SetDialogRunner(TDialogRunner* runner) { Runner = runner ? runner : &ScreenRunner; }

int TDialogRunner::RunDialog(QDialog& dialog) { return dialog.exec(); }

bool TDialogRunner::RunMessageBox(TMessageKind kind, const QString& title, const QString& text) {
  // Owned by the active window, or by the main window while none is active
  // (at start-up, or while the desktop has another program in front).
  QWidget* owner = QApplication::activeWindow();
  TCentredMessageBox box(owner ? owner : MainWindow());
  box.setWindowTitle(title);
  box.setTextFormat(Qt::PlainText);  // may carry a path or a stored name
  box.setText(text);
  if (kind == TMessageKind::Confirmation) {
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
  }
  box.setIcon(kind == TMessageKind::Error ? QMessageBox::Critical : QMessageBox::Information);
  box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
  box.exec();
  return true;
}

bool SucceedsOrShowsError(const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::exception& error) {
    ShowErrorBox(QString::fromUtf8(error.what()));
  }
  return false;
}

QString MessageBoxTitle(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Error:
      return QStringLiteral("Fehler");
    case TMessageKind::Confirmation:
      return QStringLiteral("Bestätigen");
    case TMessageKind::Information:
      return QStringLiteral("Informationen");
  }
  return {};
}

void ShowErrorBox(const QString& text) { Show(TMessageKind::Error, text); }

bool AskConfirmation(const QString& text) { return Show(TMessageKind::Confirmation, text); }

void ShowInformationBox(const QString& text) { Show(TMessageKind::Information, text); }
