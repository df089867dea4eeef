// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>
#include <functional>

#include "controls/DialogBase.h"
#include "controls/ImageBox.h"
#include "controls/Shape.h"
#include "controls/TrovGameButton.h"
#include "controls/TrovLinkLabel.h"

// A picture that opens a web page: the hand cursor, the address as tooltip,
// and OnClick on a left click that is released over it.
class TLinkImage : public TImageBox {
  Q_OBJECT
 public:
  TLinkImage(QWidget* parent, const QString& address);

  std::function<void()> OnClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool ClickStarted = false;
};

// "Version 1.5 für " and the operating system the program was built for.
QString VersionLine();

// The window about the program: title, version, the notices, and the banners
// of the maker and of the projects whose media the game carries.
class TDLG_Info : public TProgramDialog {
  Q_OBJECT
 public:
  explicit TDLG_Info(QWidget* owner);

  // What a click on a picture or the link label does with its address.
  std::function<void(const QString&)> OnOpenLink;

  // In painting order, back to front (Image_Back lies behind them all).
  TImageBox Image_Symbol{this};
  TShape Shape1{this, {16, 78, 343, 243}, 0x2E303B, 0x2E303B};
  QLabel* Label_Distance = AddLabel({26, 93, 319, 116}, {}, 0xE6E8EC);
  QLabel* Label_Version = AddLabel({310, 48, 267, 16}, {}, 0x0D0F0F);
  QLabel* Label_MakerNotice = AddLabel({234, 498, 343, 16}, {}, 0xE6E8EC);
  QLabel* Label_Authorship = AddLabel({26, 215, 319, 98}, {}, 0xE6E8EC);
  TLinkImage Image_Partner3;
  TLinkImage Image_Partner1;
  TLinkImage Image_Trov_Banner;
  QLabel* Label_Title2 = AddLabel({90, 16, 214, 36}, {}, 0xE6E8EC, 32);
  QLabel* Label_Title1 = AddLabel({89, 15, 214, 36}, {}, 0x2E303B, 32);
  TImageBox Image_Partner2{this};
  TLinkImage Image_Partner4;
  TTrovLinkLabel LinkLabel_Partner4{this};
  TLinkImage Image_Partner5;
  TTrovGameButton Button_OK{this};

  void Image_Partner1Click();
  void Image_Partner3Click();
  // Shared by the partner photo and its link label.
  void Image_Partner4Click();
  void Image_Partner5Click();
  void Image_Trov_BannerClick();
  void Button_OKClick();

 private:
  void FormCreate();
};
