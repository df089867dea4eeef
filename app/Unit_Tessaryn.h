#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>

#include "controls/ImageBox.h"
#include "controls/Panel.h"
#include "controls/TrovGameButton.h"

// The main window: borderless and exactly as large as the screen. On top the
// 41-pixel menu bar with the play button, the title and six buttons at the
// right; below it the play area, a dark band over a strip of stones.
class TForm_Tessaryn : public QWidget {
  Q_OBJECT
 public:
  explicit TForm_Tessaryn(QWidget* parent = nullptr);

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
  bool Playing = false;

  void FormCreate();
  void DrawMenuBar();
  void DrawBackground();
  void Panel_MenuResize();
  void Panel_BackResize();
  void ApplyHints();
  void SetPlaying(bool value);
  void Button_CloseClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void SetUpMenuButton(TTrovGameButton& button, int left, int top, int width, int height,
                       const QImage& glyph);
};

// The one main window, for the parts of the program that must reach it.
extern TForm_Tessaryn* Form_Tessaryn;
