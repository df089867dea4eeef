// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

// Raised when the JPEG decoder rejects the data.
class EJpegError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes JPEG bytes into a 24-bit (RGB888) bitmap of the picture's size; a
// grayscale JPEG comes out with equal channels. On an error the bitmap keeps
// what it held and EJpegError is raised.
void DecodeJpeg(QImage& bitmap, const QByteArray& data);
// The JPG resource of that name into the bitmap; a missing name raises
// EResourceNotFound, the bitmap unchanged.
void LoadJpgResource(QImage& bitmap, const QString& name);
// A picture of one window's layout (PNG, BMP or JPEG).
QImage LoadLayoutPicture(const QString& name);

// The name of the JPG resource of photo 1 … 25: "FOTO_01" … "FOTO_25".
QString PhotoResourceName(int photo);
