// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit_Tessaryn.h"

#include "app/Program.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include "app/MainLayout.h"
#include "app/TerminationSignals.h"
#include "controls/ControlAccessibility.h"
#include "controls/MessageBoxes.h"
#include "dialogs/Unit_DLG_Great.h"
#include "dialogs/Unit_DLG_Help.h"
#include "dialogs/Unit_DLG_Highscore.h"
#include "dialogs/Unit_DLG_Info.h"
#include "dialogs/Unit_DLG_Player.h"
#include "dialogs/Unit_DLG_Setup.h"
#include "localization/Unit_DLG_Language.h"
#include "localization/Unit_Language.h"
#include "media/FuncUnit.h"
#include "media/ScreenPlacement.h"
#include "persistence/PendingResults.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

namespace {

constexpr TColor MenuPanelColor = 0x655640;
constexpr TColor MenuTopColor = 0xB7BDC8;
constexpr TColor MenuBottomColor = 0x555E6C;
constexpr TColor TitleLightColor = 0xB7BDC8;
constexpr TColor TitleDarkColor = 0x2E303B;
constexpr TColor BandTopColor = 0x0D0F0F;
constexpr TColor BandBottomColor = 0x2557B1;

const QString Title = QStringLiteral("Tessaryn Puzzle");

}  // namespace

TForm_Tessaryn::TForm_Tessaryn(TRandomSource* random, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      OwnRandom(random ? nullptr : std::make_unique<TClockSeededRandom>()),
      Game(*this, Carousel, random ? *random : *OwnRandom, &Panel_Back),
      KeyboardHook([this](int step) { Game.Navigate(Game.TargetIndex + step); }) {
  KeyboardHook.BoardActive = [this] { return Game.Playing && !Suspended; };
  Sounds.Settings = SoundSettingsOfSetup;
  KeyboardHook.OnBoardArrow = [this](int columns, int rows) { Game.MoveFocus(columns, rows); };
  setWindowTitle(Title);
  // The panels and their pictures cover the whole window: it never erases its background.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFont(ProgramFont(QStringLiteral("Tahoma"), 8));
  resize(841, 600);

  Panel_Menu.SetClientAligned(&Image_Menu);
  Panel_Back.SetClientAligned(&Image_Back);
  Image_Menu.lower();  // pictures stay behind the buttons
  Panel_Menu.OnResize = [this] { Panel_MenuResize(); };
  Panel_Back.OnResize = [this] { Panel_BackResize(); };

  ImageList_Menu[0] = LoadLayoutPicture(QStringLiteral("menu_play"));
  ImageList_Menu[1] = LoadLayoutPicture(QStringLiteral("menu_abort"));
  SetUpMenuButton(Button_Play, 10, 5, 30, 30, QImage());
  SetUpMenuButton(Button_Info, 733, 8, 26, 24, LoadLayoutPicture(QStringLiteral("menu_info")));
  SetUpMenuButton(Button_Help, 709, 8, 26, 24, LoadLayoutPicture(QStringLiteral("menu_help")));
  SetUpMenuButton(Button_Setup, 782, 8, 26, 24, LoadLayoutPicture(QStringLiteral("menu_setup")));
  SetUpMenuButton(Button_Close, 806, 8, 26, 24, LoadLayoutPicture(QStringLiteral("menu_exit")));
  SetUpMenuButton(Button_Highscore, 757, 8, 26, 24,
                  LoadLayoutPicture(QStringLiteral("menu_highscore")));
  SetUpMenuButton(Button_Time, 635, 8, 68, 24, QImage());
  const QFont regular = ProgramFont(QStringLiteral("Arial"), 10);
  Button_Play.SetFont(regular);
  Button_Time.SetFont(regular);
  Button_Time.AccessibleRole = QAccessible::StaticText;  // it shows the time, it is no button
  Button_Time.SetCaption(QStringLiteral("00:00:00"));    // named once the language is there
  Button_Time.SetDowned(true);
  SetTileNamer(&TileAccessibleName);
  Button_Play.OnClick = [this] { Button_PlayClick(); };
  Button_Info.OnClick = [this] { Button_InfoClick(); };
  Button_Help.OnClick = [this] { Button_HelpClick(); };
  Button_Setup.OnClick = [this] { Button_SetupClick(); };
  Button_Close.OnClick = [this] { Button_CloseClick(); };
  Button_Highscore.OnClick = [this] { Button_HighscoreClick(); };

  TimerCounter.setInterval(1000);
  connect(&TimerCounter, &QTimer::timeout, this, [this] { TimerCounterTimer(); });
  Carousel.OnChanged = [this] {
    CarouselImage->Picture = Carousel.Picture;
    CarouselImage->update();
  };

  FormCreate();
  // Only a window that started names itself: a failed start throws out of the
  // constructor, and no destructor would take the name back.
  SetMainWindow(this);
}

TForm_Tessaryn::~TForm_Tessaryn() {
  FormDestroy();
  if (MainWindow() == this) SetMainWindow(nullptr);
}

void TForm_Tessaryn::SetUpMenuButton(TTrovGameButton& button, int left, int top, int width,
                                     int height, const QImage& glyph) {
  button.setGeometry(left, top, width, height);
  ApplyProgramButtonColors(button.ButtonColors);
  button.Borders.Top = true;
  button.Borders.Bottom = true;
  if (!glyph.isNull()) button.SetPicIdle(glyph);
}

void TForm_Tessaryn::FailStartup(const QString& message) {
  ShowErrorBox(message);
  throw EStartupFailed(message.toStdString());
}

void TForm_Tessaryn::MakeFolder(QString& folder, TSpecialFolder where, const QString& failure) {
  const QString base = GetSpecialFolder(where);
  // No folder of the user's own (no usable home): nothing is written elsewhere.
  if (base.isEmpty()) FailStartup(failure);
  folder = base + QStringLiteral("Tessaryn Puzzle/");
  if (!QDir().mkpath(folder)) FailStartup(failure);
}

void TForm_Tessaryn::FormCreate() {
  FirstActivation = true;
  // Exactly the screen, from its top-left corner, before full screen is asked
  // for: a window manager that refuses it leaves the window so.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
  KeyboardHook.Install();
  MakeFolder(SettingsDir, TSpecialFolder::AppData,
             QStringLiteral("Verzeichnis für die Einstellungen konnte nicht angelegt werden!"));
  MakeFolder(DataDir, TSpecialFolder::Documents,
             QStringLiteral("Verzeichnis für die Programmdaten konnte nicht angelegt werden!"));
  DatabaseFile = DataDir + QStringLiteral("Tessaryn.dbs");
  // The path tells a player whose file is damaged what to move away.
  const QString openFailed =
      QStringLiteral("Fehler beim Öffnen der Datenbank! Das Programm wird beendet.\n") +
      QDir::toNativeSeparators(QFileInfo(DatabaseFile).absoluteFilePath());
  try {
    Database = std::make_unique<TSQLiteDatabase>(DatabaseFile);
    // A file that is no database, or cannot be read, fails on its first read:
    // that is a failed open too, and the file is left as it is.
    if (!CreateTables())
      FailStartup(QStringLiteral("Fehler beim Erstellen der Tabellen! Das Programm wird beendet."));
  } catch (const ESQLiteException&) {
    Database.reset();
    FailStartup(openFailed);
  }
  // Results an earlier run could not store are stored now, each once.
  SetPendingResultsFile(DefaultPendingResultsFile());
  StorePendingResults();
  SetupData = std::make_unique<TSetupDaten>();
  // Settings that cannot be read are told; the defaults stay for this run.
  SucceedsOrShowsError([] { LoadSetup(); });
  ApplyLanguage();
  ApplyHints();
  Suspended = false;
  SetPlaying(false);
  Game.TargetIndex = 0;
  TimerCounter.stop();
  ResetClock();
  Sounds.SoundStartUp();
  Game.Random.SeedFromClock();
  Game.TargetIndex = Game.Random.DrawPhoto();
}

void TForm_Tessaryn::ShowFullScreenOnItsScreen() {
  if (const QScreen* start = screen()) setGeometry(start->geometry());
  showFullScreen();
  QWindow* window = windowHandle();
  connect(window, &QWindow::screenChanged, this, &TForm_Tessaryn::FollowScreen,
          Qt::UniqueConnection);
  FollowScreen(window->screen());
}

void TForm_Tessaryn::FollowScreen(QScreen* screen) {
  disconnect(ScreenGeometryWatch);
  if (!screen) return;
  ScreenGeometryWatch =
      connect(screen, &QScreen::geometryChanged, this, &TForm_Tessaryn::FitToScreen);
  FitToScreen(screen->geometry());
}

// A full-screen window is resized by the window manager too; this covers the
// one that refused, and platforms that leave it to the program.
void TForm_Tessaryn::FitToScreen(const QRect& screenGeometry) {
  if (geometry() != screenGeometry) setGeometry(screenGeometry);
}

void TForm_Tessaryn::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  // The music pauses at once; the clock's next tick rests, and the first tick
  // back on screen counts and plays on.
  if (event->type() == QEvent::WindowStateChange && Game.Playing && BoardOffScreen()) StopMusic();
}

// Minimised, hidden, or unmapped by the window manager (another workspace):
// the board is not on screen, so the clock rests and the music pauses. The
// time stored for a game is the time its board was on screen.
bool TForm_Tessaryn::BoardOffScreen() const {
  const QWindow* window = windowHandle();
  return isMinimized() || !isVisible() || (window && !window->isExposed());
}

// Without a window manager a window may never be activated: the first showing
// counts as the first activation too.
void TForm_Tessaryn::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  activateWindow();
  if (FirstActivation) QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TForm_Tessaryn::FormActivate() {
  if (!FirstActivation) return;
  // Cleared first: showing the intro may deliver the queued first activation of
  // showEvent, which would start a second intro over the first.
  FirstActivation = false;
  Sounds.PlayIntro();
  ShowIntro();
}

void TForm_Tessaryn::ShowIntro() {
  IntroForm = std::make_unique<TForm_Intro>(this);
  IntroForm->OnFinished = [this](QObject*) { IntroFinished(); };
  // Full screen like the main window, so that no panel stays over it.
  IntroForm->showFullScreen();
  IntroForm->raise();
  IntroForm->activateWindow();
  IntroForm->repaint();
}

void TForm_Tessaryn::IntroFinished() {
  if (IntroForm) {
    IntroForm->OnFinished = nullptr;
    // Released once the timer tick that called us has returned; hidden now, so
    // that it is not left over the language question that may follow.
    IntroForm->hide();
    IntroForm.release()->deleteLater();
  }
  // Called from the intro's timer: an error must be told here, not reach the
  // event loop. When the marker cannot be read the question waits for the next start.
  bool firstRun = false;
  SucceedsOrShowsError([&] { firstRun = !FirstRunDone(); });
  if (firstRun) ShowLanguageDialog();
}

void TForm_Tessaryn::ShowLanguageDialog() {
  TDLG_Language dialog(this);
  // The question comes before anything is stored: the desktop's language is
  // the likely answer. What counts is what the player confirms.
  dialog.ComboBox_Lang.setCurrentIndex(DesktopLanguage());
  if (DialogRunner().RunDialog(dialog) == QDialog::Accepted) {
    ApplyLanguage();
    ApplyHints();
  }
  if (TerminationRequested()) return;  // not answered: asked again at the next start
  // A marker that cannot be written is told; the question then comes again at the next start.
  SucceedsOrShowsError([] { MarkFirstRun(); });
}

void TForm_Tessaryn::FormCloseQuery(bool& canClose) { canClose = AskConfirmation(MsgConfirmQuit); }

void TForm_Tessaryn::FormDestroy() {
  Sounds.SoundShutDown();
  KeyboardHook.Remove();
  IntroForm.reset();
  SetupData.reset();
  PlayerData.reset();
  Game.FreeTiles();
  CarouselImage.reset();
}

void TForm_Tessaryn::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Panel_Menu.setGeometry(MenuPanelRect(event->size()));
  Panel_Back.setGeometry(PlayAreaRect(event->size()));
}

void TForm_Tessaryn::paintEvent(QPaintEvent*) {}

void TForm_Tessaryn::DrawMenuBar() {
  QImage picture(Image_Menu.size(), QImage::Format_RGB32);
  picture.fill(ColorOf(MenuPanelColor));
  QPainter painter(&picture);
  FillVerticalGradient(painter, picture.rect(), MenuTopColor, MenuBottomColor);
  const QFont font = ProgramFont(QStringLiteral("Arial"), 24, true);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const QPoint at =
      TitlePosition(Panel_Menu.size(), metrics.horizontalAdvance(Title), metrics.height());
  painter.setPen(ColorOf(TitleLightColor));
  TextOutTopLeft(painter, at.x() + 1, at.y() + 1, Title);
  painter.setPen(ColorOf(TitleDarkColor));
  TextOutTopLeft(painter, at.x(), at.y(), Title);
  painter.end();
  Image_Menu.Picture = picture;
  Image_Menu.update();
}

void TForm_Tessaryn::DrawBackground() {
  const int w = Image_Back.width(), h = Image_Back.height();
  QImage picture(w, h, QImage::Format_RGB32);
  QPainter painter(&picture);
  FillVerticalGradient(painter, QRect(0, 0, w, BandHeight(h)), BandTopColor, BandBottomColor);
  QImage stones;
  LoadJpgResource(stones, QStringLiteral("STONES"));
  for (int x : StoneLefts(w, stones.width())) painter.drawImage(x, h - stones.height(), stones);
  painter.end();
  Image_Back.Picture = picture;
  Image_Back.update();
}

void TForm_Tessaryn::Panel_MenuResize() {
  DrawMenuBar();
  TMenuButtonWidths widths;
  widths.Close = Button_Close.width();
  widths.Setup = Button_Setup.width();
  widths.Highscore = Button_Highscore.width();
  widths.Info = Button_Info.width();
  widths.Help = Button_Help.width();
  widths.Time = Button_Time.width();
  const TMenuButtonLefts lefts = LayoutMenuButtons(Panel_Menu.width(), widths);
  Button_Close.move(lefts.Close, Button_Close.y());
  Button_Setup.move(lefts.Setup, Button_Setup.y());
  Button_Highscore.move(lefts.Highscore, Button_Highscore.y());
  Button_Info.move(lefts.Info, Button_Info.y());
  Button_Help.move(lefts.Help, Button_Help.y());
  Button_Time.move(lefts.Time, Button_Time.y());
}

void TForm_Tessaryn::Panel_BackResize() {
  DrawBackground();
  Game.LayOutBoard();
  BuildCarouselFrame();
  Carousel.ShowAroundPhoto(Game.TargetIndex);
}

void TForm_Tessaryn::BuildCarouselFrame() {
  if (!CarouselImage) CarouselImage = std::make_unique<TImageBox>(&Panel_Back);
  CarouselImage->setGeometry(TPhotoCarousel::Left, 0, TPhotoCarousel::Width, Panel_Back.height());
  CarouselImage->show();
  Carousel.BuildCarouselFrame(Image_Back.Picture);
}

// A menu button's hint is its tooltip; screen readers get the hint without its
// key as the name, and all of it as the description.
void TForm_Tessaryn::SetMenuHint(TTrovGameButton& button, const QString& hint) {
  button.setToolTip(hint);
  button.setAccessibleName(HintWithoutKey(hint));
}

void TForm_Tessaryn::ApplyHints() {
  SetMenuHint(Button_Play, Game.Playing ? HintAbortGame : HintNewGame);
  SetMenuHint(Button_Help, HintHelp);
  SetMenuHint(Button_Info, HintInfo);
  SetMenuHint(Button_Highscore, HintHighscore);
  SetMenuHint(Button_Setup, HintSettings);
  SetMenuHint(Button_Close, HintExit);
  ShowPlayTime(Button_Time.Caption());
}

void TForm_Tessaryn::ShowPlayTime(const QString& playTime) {
  Button_Time.SetCaption(playTime);
  Button_Time.setAccessibleName(PlayTimeAccessibleName(playTime));
}

void TForm_Tessaryn::SetPlaying(bool value) { Game.SetPlaying(value); }

void TForm_Tessaryn::ShowPlaying(bool playing) {
  SetMenuHint(Button_Play, playing ? HintAbortGame : HintNewGame);
  Button_Play.SetPicIdle(ImageList_Menu[playing ? 1 : 0]);
}

void TForm_Tessaryn::keyPressEvent(QKeyEvent* event) {
  if (IsBoardKey(*event)) {
    if (!event->isAutoRepeat()) Game.PressFocused();
    return;
  }
  FormKeyDown(event->key(), event->modifiers());
  QWidget::keyPressEvent(event);
}

void TForm_Tessaryn::keyReleaseEvent(QKeyEvent* event) {
  if (IsBoardKey(*event)) {
    if (!event->isAutoRepeat()) Game.ReleaseFocused();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

// Space or Return held plays the framed tile, as a mouse button would.
bool TForm_Tessaryn::IsBoardKey(const QKeyEvent& event) const {
  const int key = event.key();
  return Game.Playing && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

void TForm_Tessaryn::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  if (shift & Qt::AltModifier) {
    if (key == Qt::Key_F4) Button_CloseClick();
    return;
  }
  if (shift & Qt::ControlModifier) {
    if (key == Qt::Key_X) Button_CloseClick();
    return;
  }
  switch (key) {
    case Qt::Key_F1:
      Button_HelpClick();
      break;
    case Qt::Key_F2:
      Button_InfoClick();
      break;
    case Qt::Key_F3:
      Button_HighscoreClick();
      break;
    case Qt::Key_F4:
      Button_SetupClick();
      break;
    case Qt::Key_F5:
      Button_PlayClick();
      break;
    case Qt::Key_Escape:
      if (Game.Playing) Button_PlayClick();
      break;
    default:
      break;
  }
}

template <typename TBody>
void TForm_Tessaryn::MenuDialogBracket(TBody body) {
  Suspended = true;
  KeyboardHook.Remove();
  const bool musicWasPlaying = StopMusic();
  TBracketEnd end = TBracketEnd::Normal;
  try {
    end = body();
  } catch (...) {
    // An error in a dialog must not leave the clock paused for the rest of the game.
    KeyboardHook.Install();
    Suspended = false;
    if (musicWasPlaying) PlayMusic();
    throw;
  }
  KeyboardHook.Install();
  if (end == TBracketEnd::Aborted) return;
  Suspended = false;
  if (musicWasPlaying) PlayMusic();
}

template <typename TDialog>
void TForm_Tessaryn::ShowMenuDialog() {
  MenuDialogBracket([this] {
    TDialog dialog(this);
    DialogRunner().RunDialog(dialog);
    return TBracketEnd::Normal;
  });
}

void TForm_Tessaryn::Button_PlayClick() {
  MenuDialogBracket([this] {
    if (Game.Playing) {
      if (!AskConfirmation(MsgConfirmAbort)) return TBracketEnd::Normal;
      Game.AbortGame();
      return TBracketEnd::Aborted;
    }
    PlayerData.reset();
    if (AskForNewPlayer()) Game.StartNewGame();
    return TBracketEnd::Normal;
  });
}

bool TForm_Tessaryn::AskForNewPlayer() {
  TDLG_Player dialog(this);
  return DialogRunner().RunDialog(dialog) == QDialog::Accepted;
}

void TForm_Tessaryn::Button_SetupClick() {
  MenuDialogBracket([this] {
    TDLG_Setup dialog(this);
    if (DialogRunner().RunDialog(dialog) == QDialog::Accepted) {
      DrawMenuBar();
      Sounds.ApplyVolume();
      ApplyLanguage();
      ApplyHints();
    }
    return TBracketEnd::Normal;
  });
}

void TForm_Tessaryn::Button_HelpClick() { ShowMenuDialog<TDLG_Help>(); }

void TForm_Tessaryn::Button_HighscoreClick() { ShowMenuDialog<TDLG_Highscore>(); }

void TForm_Tessaryn::Button_InfoClick() { ShowMenuDialog<TDLG_Info>(); }

void TForm_Tessaryn::Button_CloseClick() { close(); }

// The clock goes on while the question is open: this is no menu dialog.
void TForm_Tessaryn::closeEvent(QCloseEvent* event) {
  bool canClose = false;
  FormCloseQuery(canClose);
  event->setAccepted(canClose);
}

void TForm_Tessaryn::TimerCounterTimer() {
  const bool active = IsMusicPlaying();
  if (Suspended || BoardOffScreen()) {
    if (active) StopMusic();
    return;
  }
  if (!active) PlayMusic();
  ShowPlayTime(Clock.TickClock());
}

void TForm_Tessaryn::ResetClock() { ShowPlayTime(Clock.ResetClock()); }

void TForm_Tessaryn::SetClockRunning(bool running) {
  if (running)
    TimerCounter.start();
  else
    TimerCounter.stop();
}

void TForm_Tessaryn::RecordResult() { ::RecordResult(Clock.PlayTimeText, this); }

void TForm_Tessaryn::PlaySnap() { Sounds.PlaySnap(); }
void TForm_Tessaryn::PlayShot() { Sounds.PlayShot(); }
void TForm_Tessaryn::PlayFinale() { Sounds.PlayFinale(); }
void TForm_Tessaryn::PlayMusic() { Sounds.PlayMusic(); }
void TForm_Tessaryn::StopAllSounds() { Sounds.StopAllSounds(); }
bool TForm_Tessaryn::StopMusic() { return Sounds.StopMusic(); }
bool TForm_Tessaryn::IsMusicPlaying() { return Sounds.IsMusicPlaying(); }
