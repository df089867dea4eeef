// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Unit_Tessaryn.h"

// The main window keeps its state to itself; tests (and benchmarks) reach it
// through this probe, which the window befriends: Probe(form).Game reads as
// form.Game would. A test that needs more of the window adds it here.
struct TMainWindowProbe {
  explicit TMainWindowProbe(TForm_Tessaryn& form) : Form(form) {}

  TForm_Tessaryn& Form;
  TPanel& Panel_Menu = Form.Panel_Menu;
  TPanel& Panel_Back = Form.Panel_Back;
  TTrovGameButton& Button_Play = Form.Button_Play;
  TImageBox& Image_Back = Form.Image_Back;
  TImageBox& Image_Menu = Form.Image_Menu;
  TTrovGameButton& Button_Info = Form.Button_Info;
  TTrovGameButton& Button_Help = Form.Button_Help;
  TTrovGameButton& Button_Setup = Form.Button_Setup;
  TTrovGameButton& Button_Close = Form.Button_Close;
  TTrovGameButton& Button_Highscore = Form.Button_Highscore;
  QTimer& TimerCounter = Form.TimerCounter;
  std::array<QImage, 2>& ImageList_Menu = Form.ImageList_Menu;
  TTrovGameButton& Button_Time = Form.Button_Time;
  bool& Suspended = Form.Suspended;
  bool& FirstActivation = Form.FirstActivation;
  std::unique_ptr<TForm_Intro>& IntroForm = Form.IntroForm;
  TPlayClock& Clock = Form.Clock;
  TGameSounds& Sounds = Form.Sounds;
  std::unique_ptr<TImageBox>& CarouselImage = Form.CarouselImage;
  TPhotoCarousel& Carousel = Form.Carousel;
  TGame& Game = Form.Game;
  TArrowKeyHook& KeyboardHook = Form.KeyboardHook;
};

inline TMainWindowProbe Probe(TForm_Tessaryn& form) { return TMainWindowProbe(form); }
