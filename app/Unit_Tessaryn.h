// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <stdexcept>

#include "app/ArrowKeyHook.h"
#include "controls/ImageBox.h"
#include "controls/Panel.h"
#include "controls/TrovGameButton.h"
#include "game/GameHost.h"
#include "game/GameRules.h"
#include "game/PhotoCarousel.h"
#include "game/PlayClock.h"
#include "game/RandomSource.h"
#include "media/GameSounds.h"
#include "media/Unit_Form_Intro.h"

// A start-up step that could not be done: the player has been told, and the
// program ends without opening its window.
class EStartupFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The main window: full screen through the window manager, else borderless,
// and in both cases exactly as large as its screen. On top the
// 41-pixel menu bar with the play button, the title and six buttons at the
// right; below it the play area, a dark band over a strip of stones.
class TForm_Tessaryn final : public QWidget, public TGameHost {
  Q_OBJECT
  // The tests' one way to the window's own state (tests/MainWindowProbe.h).
  friend struct TMainWindowProbe;

 public:
  // random: the game's generator; the program's own is seeded from the clock.
  explicit TForm_Tessaryn(TRandomSource* random = nullptr, QWidget* parent = nullptr);
  ~TForm_Tessaryn() override;

  // Start-up and shutdown.
  void FormCreate();
  // Asks the window manager for full screen on the window's screen and keeps
  // the window that screen's size from then on.
  void ShowFullScreenOnItsScreen();
  // Follows the screen the window is now on (moved, or its screen removed).
  void FollowScreen(QScreen* screen);
  // The screen's area changed: the window takes it, and lays out its panels anew.
  void FitToScreen(const QRect& screenGeometry);
  void FormActivate();
  void ShowIntro();
  void IntroFinished();
  void ShowLanguageDialog();
  void FormCloseQuery(bool& canClose);
  void FormDestroy();

  void DrawMenuBar();
  void DrawBackground() override;
  void Panel_MenuResize();
  void Panel_BackResize();
  void BuildCarouselFrame();
  // The hints and what screen readers call the menu buttons and the play time, in the
  // current language.
  void ApplyHints();
  // The clock's text on the time display and in its spoken name.
  void ShowPlayTime(const QString& playTime);
  void SetPlaying(bool value);

  // Keyboard and menu commands.
  void FormKeyDown(int key, Qt::KeyboardModifiers shift);
  void Button_PlayClick();
  void Button_SetupClick();
  void Button_HelpClick();
  void Button_HighscoreClick();
  void Button_InfoClick();
  void Button_CloseClick();

  // Play clock.
  void TimerCounterTimer();

  // What the game asks of the window.
  void ShowPlaying(bool playing) override;
  void PlaySnap() override;
  void PlayShot() override;
  void PlayFinale() override;
  void PlayMusic() override;
  void StopAllSounds() override;
  bool StopMusic();
  bool IsMusicPlaying();
  bool BoardOffScreen() const;
  void ResetClock() override;
  void SetClockRunning(bool running) override;
  void RecordResult() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Components, in the order of declaration.
  TPanel Panel_Menu{this};
  TPanel Panel_Back{this};
  TTrovGameButton Button_Play{&Panel_Menu};
  TImageBox Image_Back{&Panel_Back};
  TImageBox Image_Menu{&Panel_Menu};
  TTrovGameButton Button_Info{&Panel_Menu};
  TTrovGameButton Button_Help{&Panel_Menu};
  TTrovGameButton Button_Setup{&Panel_Menu};
  TTrovGameButton Button_Close{&Panel_Menu};
  TTrovGameButton Button_Highscore{&Panel_Menu};
  QTimer TimerCounter;
  std::array<QImage, 2> ImageList_Menu;  // 0: new game (film strip), 1: abort (red cross)
  TTrovGameButton Button_Time{&Panel_Menu};

  // Own fields.
  bool Suspended = false;  // a menu dialog bracket runs: no counting, no music
  bool FirstActivation = true;
  std::unique_ptr<TForm_Intro> IntroForm;  // while the intro plays
  TPlayClock Clock;                        // Hours, Minutes, Seconds, PlayTimeText
  TGameSounds Sounds;  // Channels: the five sound slots and the volume found at start-up
  std::unique_ptr<TImageBox> CarouselImage;  // made at the first layout of the play area
  TPhotoCarousel Carousel;
  std::unique_ptr<TRandomSource> OwnRandom;
  TGame Game;  // Playing, TargetIndex, TargetSequence, Tiles
  TArrowKeyHook KeyboardHook;

  enum class TBracketEnd { Normal, Aborted };
  // Runs a menu command's dialog: the clock pauses, the arrow keys go to the
  // dialog and the music stops; afterwards all comes back, except that an
  // aborted game leaves the music off.
  template <typename TBody>
  void MenuDialogBracket(TBody body);
  // A menu dialog with nothing to do after it: shown inside the bracket.
  template <typename TDialog>
  void ShowMenuDialog();
  bool AskForNewPlayer();
  [[noreturn]] void FailStartup(const QString& message);
  void MakeFolder(QString& folder, TSpecialFolder where, const QString& failure);
  void SetUpMenuButton(TTrovGameButton& button, int left, int top, int width, int height,
                       const QImage& glyph);
  bool IsBoardKey(const QKeyEvent& event) const;
  void SetMenuHint(TTrovGameButton& button, const QString& hint);
  QMetaObject::Connection ScreenGeometryWatch;
};
