// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Unit_DLG_Help.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <exception>
#include <utility>

#include "controls/MessageBoxes.h"
#include "localization/Unit_Language.h"
#include "media/ResourceCatalogue.h"
#include "persistence/VarUnit.h"

namespace {

constexpr QSize HelpClientSize{694, 482};
constexpr QRect ViewerGeometry{8, 8, 678, 466};
constexpr TColor PageWhite = 0xFFFFFF;
constexpr TColor PageBlack = 0x000000;

// The characters [start, end) of the link under the position, or (-1, -1).
// A link's text may fall into several fragments (a bold word inside it), so
// the run of neighbouring fragments with the same target counts as one link.
std::pair<int, int> LinkRangeAt(QTextBrowser& viewer, const QPoint& position) {
  const QString target = viewer.anchorAt(position);
  if (target.isEmpty()) return {-1, -1};
  const int at = viewer.cursorForPosition(position).position();
  const QTextBlock block = viewer.document()->findBlock(at);
  int runStart = -1;
  int runEnd = -1;
  const auto covers = [&] { return runStart >= 0 && runStart <= at && at <= runEnd; };
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const QTextCharFormat format = fragment.charFormat();
    if (format.isAnchor() && format.anchorHref() == target) {
      if (runStart >= 0 && fragment.position() == runEnd) {
        runEnd += fragment.length();
        continue;
      }
      if (covers()) return {runStart, runEnd};
      runStart = fragment.position();
      runEnd = runStart + fragment.length();
    } else {
      if (covers()) return {runStart, runEnd};
      runStart = -1;
    }
  }
  if (covers()) return {runStart, runEnd};
  return {-1, -1};
}

}  // namespace

TDLG_Help::TDLG_Help(QWidget* owner) : TProgramDialog(owner, HelpClientSize) { FormCreate(); }

TDLG_Help::~TDLG_Help() {
  // The viewer goes before the dialog's other fields; no event of its own end
  // may reach the filter then.
  HTMLViewer_Help.viewport()->removeEventFilter(this);
  HTMLViewer_Help.removeEventFilter(this);
}

void TDLG_Help::FormCreate() {
  setWindowTitle(CapHelp);

  HTMLViewer_Help.setAccessibleName(CapHelp);
  HTMLViewer_Help.setGeometry(ViewerGeometry);
  HTMLViewer_Help.setFrameShape(QFrame::NoFrame);
  HTMLViewer_Help.setOpenLinks(false);
  HTMLViewer_Help.setOpenExternalLinks(false);
  HTMLViewer_Help.setTextInteractionFlags(Qt::TextBrowserInteraction);
  HTMLViewer_Help.setFont(ProgramFont(QStringLiteral("Times New Roman"), 12));
  HTMLViewer_Help.document()->setDefaultStyleSheet(
      QStringLiteral("pre, code, tt, kbd, samp { font-family: \"Courier New\"; }"));
  // The hover underline edits the document; there is nothing to undo.
  HTMLViewer_Help.document()->setUndoRedoEnabled(false);
  QPalette colours = HTMLViewer_Help.palette();
  colours.setColor(QPalette::Base, ColorOf(PageWhite));
  colours.setColor(QPalette::Text, ColorOf(PageBlack));
  HTMLViewer_Help.setPalette(colours);
  connect(&HTMLViewer_Help, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    // The click arrives inside the viewer's own mouse handling, which an
    // exception must not cross; a page that is missing is reported here.
    SucceedsOrShowsError([&] { HTMLViewer_HelpHotSpotClick(url.toString()); });
  });
  HTMLViewer_Help.viewport()->installEventFilter(this);
  HTMLViewer_Help.installEventFilter(this);

  const QString page = StartPage(SetupData ? SetupData->Lang : LangGerman);
  if (!page.isEmpty()) ShowPage(page);
}

QString TDLG_Help::StartPage(int languageCode) {
  switch (LanguageOrGerman(languageCode)) {
    case LangGerman:
      return QStringLiteral("HELP_001");
    case LangEnglish:
      return QStringLiteral("HELP_101");
    case LangSpanish:
      return QStringLiteral("HELP_201");
    default:
      return {};
  }
}

void TDLG_Help::ShowPage(const QString& name) {
  const QByteArray page = ResourceBytes(TResourceType::RCDATA, name);
  HoverStart = HoverEnd = -1;  // those characters belong to the old page
  HTMLViewer_Help.setHtml(QString::fromUtf8(page));
  HTMLViewer_Help.verticalScrollBar()->setValue(0);
  HTMLViewer_Help.horizontalScrollBar()->setValue(0);
  CurrentPage = name;
}

void TDLG_Help::HTMLViewer_HelpHotSpotClick(const QString& target) {
  if (target.contains(QLatin1String("HELP_"))) {
    ShowPage(target);
    return;
  }
  // Only web and mail addresses leave the program; a file or script target
  // in a page is never handed to the desktop.
  if (IsOpenableLink(target) && OnOpenExternal) OnOpenExternal(target);
}

bool TDLG_Help::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HTMLViewer_Help.viewport()) {
    if (event->type() == QEvent::MouseMove)
      HoverLinkAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    else if (event->type() == QEvent::Leave)
      HoverLinkAt({-1, -1});
  } else if (watched == &HTMLViewer_Help && event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    // The dialog sees its keys first: Esc closes it also from the viewer.
    reject();
    return true;
  }
  return TProgramDialog::eventFilter(watched, event);
}

void TDLG_Help::HoverLinkAt(const QPoint& position) {
  const auto [start, end] = HTMLViewer_Help.viewport()->rect().contains(position)
                                ? LinkRangeAt(HTMLViewer_Help, position)
                                : std::pair{-1, -1};
  if (start == HoverStart && end == HoverEnd) return;
  SetLinkUnderline(false);
  HoverStart = start;
  HoverEnd = end;
  SetLinkUnderline(true);
}

void TDLG_Help::SetLinkUnderline(bool underline) {
  if (HoverStart < 0) return;
  QTextCursor cursor(HTMLViewer_Help.document());
  cursor.setPosition(HoverStart);
  cursor.setPosition(HoverEnd, QTextCursor::KeepAnchor);
  QTextCharFormat format;
  format.setFontUnderline(underline);
  cursor.mergeCharFormat(format);
}
