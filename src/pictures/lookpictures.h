// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardfaces.h"

#include <QImage>

#include <future>
#include <map>
#include <string>

namespace wildcrest::pictures
{

// Every picture the window shows in a look other than the game's own: the 52
// faces in the look's card style, the back, the moving card and the empty
// place with clear corners, and the title screen's artwork, logo and banner;
// all drawn afresh at `pictureScale` when the window opens, so none is read
// from a file. The moving card, which the game sets before it calibrates, is
// drawn at once; the others on a thread of their own meanwhile, the title
// screen's first, waited for when the first of them is asked for.
class LookPictures
{
public:
    using Drawn = std::map<std::string, QImage>;

    explicit LookPictures(const PictureLook &card);
    ~LookPictures();
    LookPictures(const LookPictures &) = delete;
    LookPictures &operator=(const LookPictures &) = delete;

    // The picture drawn for a file the game names ("dir/QH.bmp", "8H.BMP",
    // "Title.bmp"), known by its name without the folder and extension; a
    // null image when no such picture is drawn.
    QImage picture(const std::string &path) const;

private:
    Drawn first_;
    std::shared_future<Drawn> rest_;
};

} // namespace wildcrest::pictures
