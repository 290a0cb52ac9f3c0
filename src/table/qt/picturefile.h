// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>

#include <string>

namespace wildcrest
{

// Whether a BMP file holds all the pixel rows its header promises. Qt draws a
// cut-off BMP without complaint, leaving the missing rows blank.
bool bmpComplete(const QByteArray &data);

// The picture held in a file's bytes; a null image when they hold none, or a
// BMP cut off short.
QImage decodePicture(const QByteArray &data);

// Reads the picture from disk every time: a card file replaced while the game
// runs is shown as it is now. Throws PictureError(path) for a missing, empty,
// cut-off or unreadable file.
QPixmap loadPicture(const std::string &path);

} // namespace wildcrest
