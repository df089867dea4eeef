// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBrowser>
#include <functional>

#include "controls/DialogBase.h"
#include "dialogs/ProgramLinks.h"

// The help: three HTML pages per language, carried as RCDATA resources
// ("HELP_001" … "HELP_203") and shown in a text browser that follows no link
// by itself. Links between the pages load the other page; web and mail links
// go to the desktop.
class TDLG_Help : public TProgramDialog {
  Q_OBJECT
 public:
  explicit TDLG_Help(QWidget* owner);
  ~TDLG_Help() override;

  QTextBrowser HTMLViewer_Help{this};

  // Where web and mail links go; the desktop by default, a recorder in tests.
  std::function<void(const QString& address)> OnOpenExternal = OpenLink;

  // The name of the page on view; empty while the viewer is empty.
  QString CurrentPage;

  // Loads the page resource into the viewer, scrolled to the top. A name that
  // is no resource raises EResourceNotFound and leaves the current page.
  void ShowPage(const QString& name);
  // A click on a link of the page, with its target as written in the page.
  void HTMLViewer_HelpHotSpotClick(const QString& target);

  // The first page of the language code: English for −1 … −3, none for a code
  // the help has no pages for.
  static QString StartPage(int languageCode);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  // The pages' style sheet cannot underline a link while the pointer is over
  // it, so the dialog does it on the link's own characters.
  void HoverLinkAt(const QPoint& position);
  void SetLinkUnderline(bool underline);

  int HoverStart = -1;
  int HoverEnd = -1;
};
