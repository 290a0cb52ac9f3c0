#pragma once

#include <QByteArray>
#include <QPixmap>

#include <string>

namespace wildcrest
{

// Whether a BMP file holds all the pixel rows its header promises. Qt draws a
// cut-off BMP without complaint, leaving the missing rows blank.
bool bmpComplete(const QByteArray &data);

// Reads the picture from disk every time: a card file replaced while the game
// runs is shown as it is now. Throws PictureError(path) for a missing, empty,
// cut-off or unreadable file.
QPixmap loadPicture(const std::string &path);

} // namespace wildcrest
