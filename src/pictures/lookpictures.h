// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/look.h"

#include <QImage>

#include <map>
#include <string>

namespace wildcrest::pictures
{

// Every picture the window shows in a look other than the game's own: the 52
// faces in the look's card style, the back, the moving card and the empty
// place with clear corners, and the title screen's artwork, logo and banner;
// all drawn afresh at `pictureScale` when the window opens, so none is read
// from a file.
class LookPictures
{
public:
    LookPictures(const TableLook &look, double pictureScale);

    // The picture drawn for a file the game names ("dir/QH.bmp", "8H.BMP",
    // "Title.bmp"), known by its name without the folder and extension; a
    // null image when no such picture is drawn.
    QImage picture(const std::string &path) const;

private:
    std::map<std::string, QImage> drawn_;
};

} // namespace wildcrest::pictures
